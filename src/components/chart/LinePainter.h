// The painter of line, logarithmic and time-series charts (lines, symbols or both; control lines apart from
// the data), area charts (stacked and overlapping) and band charts.
#pragma once

#include "components/chart/ChartPainter.h"

#include <QPolygonF>

class LinePainter : public ChartPainter {
  public:
    void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const override;
    std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                    QPointF pos) const override;
};

// A long run of points along x thinned to what a pixel column can show: per
// column its first, lowest, highest and last point. Shorter runs come back as
// they are.
QPolygonF decimatedRun(const QPolygonF& run, double unit);
// Whether the run never steps back along x (only such runs are thinned).
bool monotoneX(const QPolygonF& run);
