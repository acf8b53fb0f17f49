// kaibun: the table window "回帰分析－分散分析表". One block of four rows per X
// variable of the scatter regression: the coloured heading row "変数s", then
// the regression, the residual and the total with f, S, V, the F ratio with
// its marks, S', ρ(%) and the exact p-value. S, V and S' show the decimals of
// the spin box; "OK" closes the window.
#pragma once

#include "presentation/ResultTableWindow.h"

#include <QColor>

class MainContext;
class ZelWindow;

class kaibun : public ResultTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("回帰分析－分散分析表"); }
    // The background of the heading row of each series' block.
    static QColor headingRowColor() { return QColor(64, 128, 128); }

    explicit kaibun(MainContext& context, QWidget* parent = nullptr);

    // Shows the workspace's last regression computation.
    void refill();
};

// The design kaibun and kaityo share: grid, menu names, buttons "OK" and
// "印刷" (no "ｷｬﾝｾﾙ"), the decimals spin box and the resize rules. The spin
// box formats the data columns first..last (every column when first is 0).
ResultTableSpec regressionTableSpec(zel::WindowId window, const QString& caption, int firstDecimalColumn,
                                    int lastDecimalColumn);

// Opens kaibun, or brings the open one forward, and fills it from the
// workspace's regression in both cases.
ZelWindow* openKaibun(MainContext& context);
