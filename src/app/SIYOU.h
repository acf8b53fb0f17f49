// SIYOU: the terms-of-use window, a fixed text and a close button.
#pragma once

#include "windowkit/ZelWindow.h"

class SIYOU : public ZelWindow {
    Q_OBJECT
  public:
    explicit SIYOU(QWidget* parent = nullptr);

    static QString termsText();
};
