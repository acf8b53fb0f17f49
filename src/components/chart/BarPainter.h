// The painter of bar charts: vertical, horizontal, stacked and stacked horizontal (styles 0 to 3).
#pragma once

#include "components/chart/ChartPainter.h"

class BarPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};
