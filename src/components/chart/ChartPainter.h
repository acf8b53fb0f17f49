// One painter per chart family. The renderer lays out the titles, the legend and
// (for the cartesian families) the axes, then hands the painter the plot area.
// Painters draw from the model and the frame only, so the same code serves the
// screen, images, SVG, printers and PDF; hit testing uses the same geometry.
#pragma once

#include <QFont>
#include <QRectF>

#include <optional>

class QPainter;
class ChartLayout;
namespace zel {
class ChartModel;
}

// The least distances of the plot area from the target's left and right edges
// (target units). Charts drawn one above the other share them, so that their
// plot areas, and the points of the same sample, stand one above the other.
struct PlotInsets {
    double left = 0;
    double right = 0;
};

// What the layout gives a painter.
struct ChartFrame {
    QRectF plot;             // the plot area on the target
    QFont font;              // the base font, pixel-sized for the target
    double unit = 1.0;       // one logical pixel (1/96 inch) on the target
    bool monochrome = false; // black, greys, hatching and dash patterns only
    // The cartesian layout (axes, categories, statistics lines) of the 2-D families;
    // null for the pie and 3-D families, which lay out their own plot.
    const ChartLayout* layout = nullptr;
};

// A point under the pointer: 1-based series and point.
struct ChartHit {
    int series = 0;
    int point = 0;
};

class ChartPainter {
  public:
    virtual ~ChartPainter() = default;
    virtual void paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const = 0;
    virtual std::optional<ChartHit> hitTest(const zel::ChartModel& m, const ChartFrame& f, QPointF pos) const = 0;
};
