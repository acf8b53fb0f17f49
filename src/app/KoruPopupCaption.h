// KoruPopupCaption: the pop-up caption drawn by the KORU32 hypertext label
// control. The library is found through its record in the per-user registry
// file and loaded at run time, once; the control is created from a stored
// property set that gives it the caption's look, and afterwards the main window
// sets only its text, position and visibility.
#pragma once

#include "app/PopupCaption.h"

#include <QByteArray>
#include <QPointer>

class KoruPopupCaption : public PopupCaption {
  public:
    // The caption as a KORU32 control named "Panel3D1", hidden; nothing when the
    // control is not registered or its library cannot be loaded or refuses.
    static std::unique_ptr<PopupCaption> create(QWidget* parent);
    // The stored property set of the caption: a yellow box with a single-line
    // border, text in red 0, green 128, blue 128, "ＭＳ Ｐゴシック" 9 pt, sizing
    // itself to its text without word wrap, text of two blanks.
    static QByteArray captionPropertySet();

    explicit KoruPopupCaption(QWidget* control);

    void setText(const QString& text) override;
    QString text() const override;
    void moveLeft(int x) override;
    void show() override;
    void hide() override;
    bool isShown() const override;
    QWidget* widget() override;

  private:
    QPointer<QWidget> m_control; // owned by the parent widget
};
