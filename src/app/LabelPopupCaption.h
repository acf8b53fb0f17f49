// LabelPopupCaption: the pop-up caption drawn by a plain label: a yellow box
// with a single-line border, dark cyan 9 pt text on one line, sized to its text.
#pragma once

#include "app/PopupCaption.h"

class QLabel;

class LabelPopupCaption : public PopupCaption {
  public:
    explicit LabelPopupCaption(QWidget* parent);
    ~LabelPopupCaption() override;

    void setText(const QString& text) override;
    QString text() const override;
    void moveLeft(int x) override;
    void show() override;
    void hide() override;
    bool isShown() const override;
    QWidget* widget() override;

  private:
    QLabel* m_label; // owned by the parent widget
};
