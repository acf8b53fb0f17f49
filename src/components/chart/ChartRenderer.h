// The one render path of the chart component: render(model, painter, rect) serves
// the chart widget, images (clipboard, PNG), SVG, printers and PDF alike. No widget
// is needed to render.
#pragma once

#include "components/chart/ChartPainter.h"

#include <QRectF>

#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;
class ChartLayout;
namespace zel {
class ChartModel;
}

namespace ChartRenderer {

struct Options {
    Options(bool monochrome = false, double unit = 0, PlotInsets insets = {})
        : monochrome(monochrome), unit(unit), insets(insets) {}

    bool monochrome = false;
    // Device pixels per logical pixel; 0 = taken from the painter's device
    // (logicalDpiX / 96), so printers and PDFs get proportionate lines and text.
    double unit = 0;
    // The least distances of the plot area from the target's left and right edges;
    // see sharedInsets().
    PlotInsets insets;
};

void render(const zel::ChartModel& model, QPainter* painter, const QRectF& target,
            const Options& options = {});

// The point drawn under pos when the chart is rendered into target.
std::optional<ChartHit> hitTest(const zel::ChartModel& model, const QRectF& target, QPointF pos,
                                const Options& options = {});

// The centre of a point as drawn into target, where hitTest finds it: on line
// charts (but stacked areas) and scatter diagrams; none on the other kinds or
// for a point not drawn.
std::optional<QPointF> pointCentre(const zel::ChartModel& model, const QRectF& target, int series, int point,
                                   const Options& options = {});

// The layout render() uses for this model and target (axes, plot area, label boxes),
// measured as on screen, or as on device (printer, PDF, SVG) when one is given.
ChartLayout layoutFor(const zel::ChartModel& model, const QRectF& target, const Options& options = {},
                      const QPaintDevice* device = nullptr);

// The insets that give charts drawn one above the other, each into a target of this
// size, the same plot-area left and right edges: the widest of each side over the
// charts with axes. Pass them in Options::insets when rendering each chart.
PlotInsets sharedInsets(const std::vector<const zel::ChartModel*>& models, const QRectF& target,
                        const Options& options = {}, const QPaintDevice* device = nullptr);

} // namespace ChartRenderer
