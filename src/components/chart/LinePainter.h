// The painter of line, logarithmic and time-series charts (lines, symbols or both; control lines apart from
// the data), area charts (stacked and overlapping) and band charts.
#pragma once

#include "components/chart/ChartPainter.h"

#include <QFont>
#include <QPolygonF>
#include <QString>

#include <vector>

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

// A flagged point of a line chart as drawn: the centre of its signal marker, the
// marker's size, and its text with the box the text takes beside it (an empty box
// when no place was left clear of the markers and the other texts).
struct SignalMark {
    int series = 0;
    int point = 0;
    QPointF centre;
    double size = 0;
    QString text;
    QRectF textRect;
    bool overLines = false; // no place clear of the lines: the text stands on a white box
};
// The signal marks of the data series of a line chart, their texts placed inside the
// plot clear of the lines, the control lines, the signal markers and each other where
// they can be, else clear of the markers and the other texts alone.
std::vector<SignalMark> signalMarks(const zel::ChartModel& m, const ChartLayout& l);
