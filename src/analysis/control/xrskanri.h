// xrskanri: the X-Rs chart window: the chart of individual values above the moving-range
// chart, drawn from the chart data set.
#pragma once

#include "analysis/control/ControlChartWindow.h"

class xrskanri : public ControlChartWindow {
    Q_OBJECT
  public:
    static QString captionText() { return QStringLiteral("X-Rs管理図"); }
    // The captions of the per-chart copy items (colour and monochrome alike).
    static QString firstCopyText() { return QStringLiteral("Ｘ管理図(&X)"); }
    static QString secondCopyText() { return QStringLiteral("Ｒｓ管理図(&R)"); }

    explicit xrskanri(MainContext& context, QWidget* parent = nullptr);

  protected:
    zel::ControlChartInput inputFor(int chart) const override;
};
