// rip: the splash window shown while the main window loads.
#pragma once

#include "windowkit/ZelWindow.h"

class QLabel;

class rip : public ZelWindow {
    Q_OBJECT
  public:
    explicit rip(QWidget* parent = nullptr);

    // "Version 1.0.0"
    QString versionText() const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QLabel* m_version;
};
