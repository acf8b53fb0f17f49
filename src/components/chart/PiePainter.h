// The pie (type 1) and 3-D pie (type 2): one pie per series, slices in point order clockwise
// from twelve o'clock, sized by the values (values of 0 or less and unplotted points take no
// slice). Slices carry their label (PointLabelAt) and text (PointText, else the share in
// percent); a separated slice (PointSeparatedAt) is pulled out along its middle angle; a
// marked slice (PointPattern 4) is cross-hatched; the labels stand outside the rim with a
// leader each. The 3-D pie is tilted by the elevation,
// turned by the rotation and given a shaded side.
#pragma once

#include "components/chart/ChartPainter.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class PiePainter : public ChartPainter {
  public:
    explicit PiePainter(bool threeD) : m_threeD(threeD) {}
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;

    struct Slice {
        int series = 0;
        int point = 0;
        double start = 0;  // degrees, clockwise on screen from three o'clock (y down)
        double sweep = 0;  // degrees, > 0
        QPointF centre;    // the pie's centre, moved out for a separated slice
        QPainterPath top;  // the slice's face
        QPainterPath side; // the 3-D pie's visible rim and cut faces (empty for flat pies)
        QString label;
        // Where the label stands, and its leader from the rim; an empty rect for a
        // slice too thin for one. Labels on one side of a pie never overlap: crowded
        // ones are spread apart up and down around where they would stand.
        QRectF labelRect;
        QPointF leaderFrom, leaderTo;
    };
    struct Pie {
        QPointF centre;
        double rx = 0, ry = 0, thickness = 0;
        std::vector<Slice> slices;
    };
    static std::vector<Pie> layout(const zel::ChartModel& m, const ChartFrame& f, bool threeD);

  private:
    bool m_threeD;
};
