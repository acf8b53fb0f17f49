// The painter of scatter charts: markers per series and the fitted polynomial curve of style 3.
#pragma once

#include "components/chart/ChartPainter.h"

class ScatterPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};
