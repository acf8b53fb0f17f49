// XR1: the Xbar-R table window. Computes the subgroup means and ranges with
// their control lines into the chart data set when it opens, shows them and
// writes the limits file; "OK" leads to the chart window xrkanri.
#pragma once

#include "windowkit/MainContext.h"

#include "analysis/control/ControlTableWindow.h"

class XR1 : public ControlTableWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("Xbar-R管理図"); }

    explicit XR1(MainContext& context, QWidget* parent = nullptr);

  protected:
    void openChartWindow() override;
};
