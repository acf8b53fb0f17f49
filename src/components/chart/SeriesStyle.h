// The look of each series and of the lines the chart adds: colours for colour output,
// and for monochrome output black, greys, hatch brushes and dash patterns, so that series
// stay apart without colour. Marker shapes per series, statistics-line and control-line
// pens, and the marker drawing itself.
#pragma once

#include "components/chart/ChartStats.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPointF>

class QPainter;

class SeriesStyle {
  public:
    enum class Marker { Circle, Square, Triangle, Diamond, InvertedTriangle, Cross, Plus, Star };
    enum class ControlLine { Centre, Upper, Lower };

    // series counts from 1
    static QColor colour(int series);
    static QPen linePen(int series, bool mono, double unit, double width = 1.6);
    static QBrush fillBrush(int series, bool mono);
    // The outline of filled shapes (bars, areas).
    static QPen outlinePen(int series, bool mono, double unit);
    static Marker marker(int series);
    static QBrush markerBrush(int series, bool mono);
    static void drawMarker(QPainter& p, QPointF centre, Marker shape, double size, const QPen& pen,
                           const QBrush& brush);
    // The pen of a statistics line of a series: mean solid, maximum/minimum dashed,
    // sigma lines dotted (1), dash-dot (2) and dash-dot-dot (3), the trend thicker.
    static QPen statLinePen(zel::StatLineKind kind, int sigmas, int series, bool mono, double unit);
    static QPen controlPen(ControlLine line, bool mono, double unit);
    // A series that is a statistics line of the data (a 3-sigma line fed as a series).
    static QPen statisticSeriesPen(bool mono, double unit);
    // The grey of the data's own statistics lines on a control chart and of their
    // names, so that none of them is read as a control line.
    static QColor referenceGrey(bool mono);
    // Axis lines and texts.
    static QColor ink();
    // What is marked on the data, apart from every series colour: the rings around
    // marked points and the mean markers standing among the values.
    static QColor markInk(bool mono);
    // A point flagged as a signal: a clear red, black in monochrome (where the
    // signal marker's shape tells it apart).
    static QColor signalInk(bool mono);
    // The ring the screen draws around a point shown to the user (never printed):
    // an orange apart from the series colours and the signal red.
    static QColor highlightInk();
    // A vertical reference line (a specification limit on a histogram) and its tag:
    // solid red, dash-dot black in monochrome.
    static QPen referenceLinePen(bool mono, double unit);
    // The curve overlaid on the data (a fitted density): dark, apart from every bar fill.
    static QColor curveInk(bool mono);
    // Extra hatching over a marked point's fill (PointPattern 4).
    static QBrush markedBrush(bool mono);
    static QPen gridPen(int style, double unit);
};
