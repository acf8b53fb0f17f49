// endform: the closing window shown after the main window closed; its 100 ms
// timer ends the program.
#pragma once

#include "windowkit/ZelWindow.h"

class endform : public ZelWindow {
    Q_OBJECT
  public:
    explicit endform(QWidget* parent = nullptr);

    static QString captionText() { return QStringLiteral("終了"); }
    static QString messageText() { return QStringLiteral("ＺＥＬを終了します．．"); }

  private:
    void endProgram();
    bool m_ended = false;
};
