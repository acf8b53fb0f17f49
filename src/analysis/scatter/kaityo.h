// kaityo: the table window "回帰直線". One column per X variable of the
// scatter regression with r, a and b in the decimals of the spin box and the
// equation Y=(a)+(b)X written from a and b as the grid shows them: it is
// rewritten whenever the spin box changes and whenever the window becomes
// active. "OK" closes the window.
#pragma once

#include "presentation/ResultTableWindow.h"

class MainContext;
class ZelWindow;

class kaityo : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("回帰直線"); }

    explicit kaityo(MainContext& context, QWidget* parent = nullptr);

    // Shows the workspace's last regression computation.
    void refill();

  protected:
    void changeEvent(QEvent* e) override;

  private:
    // Row 4 of every column from the texts rows 2 and 3 show.
    void rewriteEquations();
};

// Opens kaityo, or brings the open one forward, and fills it from the
// workspace's regression in both cases.
ZelWindow* openKaityo(MainContext& context);
