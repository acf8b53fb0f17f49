// xrkanri: the Xbar-R chart window: the mean chart above the range chart, drawn from the
// chart data set; a click on a point shows its value and draws that chart again.
#pragma once

#include "analysis/control/ControlChartWindow.h"

class xrkanri : public ControlChartWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("Xbar-R管理図"); }
    // The captions of the per-chart copy items (colour and monochrome alike).
    static QString firstCopyText() { return QStringLiteral("Ｘｂｅｒ管理図(&X)"); }
    static QString secondCopyText() { return QStringLiteral("Ｒ管理図(&R)"); }

    explicit xrkanri(MainContext& context, QWidget* parent = nullptr);

  protected:
    zel::ControlChartInput inputFor(int chart) const override;
};
