// The 3-D area chart (type 14): style 1 one slab per series along the depth (series 1 in
// front), style 0 the series stacked on each other in one slab.
#pragma once

#include "components/chart/Box3DScene.h"

class ThreeDAreaPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};
