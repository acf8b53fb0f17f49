// The painter of the statistics-by-variable figure: per variable a box from mean - sd to mean + sd, whiskers
// to the extremes and the mean marked, from seven value sets.
#pragma once

#include "components/chart/ChartPainter.h"

class StatsPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};
