// The painter of Gantt charts: each project's series values as the boundaries of its successive task bars,
// plain (style 0) or with gaps (style 1).
#pragma once

#include "components/chart/ChartPainter.h"

class GanttPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};
