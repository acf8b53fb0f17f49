// The painter of line, logarithmic and time-series charts (lines, symbols or both; control lines apart from
// the data), area charts (stacked and overlapping) and band charts.
#pragma once

#include "components/chart/ChartPainter.h"

class LinePainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};
