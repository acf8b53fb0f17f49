// The 3-D bar chart (type 4): style 0 bars side by side, 1 the same lying down, 6 one
// row of bars per series along the depth, 7 the same lying down. Bars are cuboids in the
// projected box; a separated bar (PointSeparatedAt) stands out in front of its row, a
// marked one (PointPattern 4) is cross-hatched.
#pragma once

#include "components/chart/Box3DScene.h"

#include <memory>
#include <vector>

class ThreeDBarPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;

    struct Bar {
        int series = 0;
        int point = 0;
        double x0 = 0, x1 = 0, y0 = 0, y1 = 0, z0 = 0, z1 = 0;
    };
    // The bars in box coordinates, farthest first, with the scene that projects them.
    struct Layout {
        std::unique_ptr<Box3DScene> scene;
        std::vector<Bar> bars;
    };
    static Layout layout(const zel::ChartModel& m, const ChartFrame& f);
};
