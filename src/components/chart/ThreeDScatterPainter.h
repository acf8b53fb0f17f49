// The 3-D scatter diagram (type 21): each point at (PointXPos, value, PointZPos) in the
// projected box; style 0 markers, 1 markers with drop lines to the floor, 2 markers joined
// in point order. Points are drawn farthest first; hit testing finds the nearest projected
// point.
#pragma once

#include "components/chart/Box3DScene.h"

#include <memory>
#include <vector>

class ThreeDScatterPainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;

    struct Point {
        int series = 0;
        int point = 0;
        double x = 0, y = 0, z = 0; // box coordinates
        QPointF device;
        double depth = 0;
    };
    struct Layout {
        std::unique_ptr<Box3DScene> scene;
        std::vector<Point> points; // in series and point order
    };
    static Layout layout(const zel::ChartModel& m, const ChartFrame& f);
};
