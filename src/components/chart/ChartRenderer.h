// The one render path of the chart component: render(model, painter, rect) serves
// the chart widget, images (clipboard, PNG), SVG, printers and PDF alike. No widget
// is needed to render.
#pragma once

#include "components/chart/ChartPainter.h"

#include <QRectF>

#include <optional>

class QPainter;
class ChartLayout;
namespace zel {
class ChartModel;
}

namespace ChartRenderer {

struct Options {
    bool monochrome = false;
    // Device pixels per logical pixel; 0 = taken from the painter's device
    // (logicalDpiX / 96), so printers and PDFs get proportionate lines and text.
    double unit = 0;
};

void render(const zel::ChartModel& model, QPainter* painter, const QRectF& target, const Options& options = {});

// The point drawn under pos when the chart is rendered into target.
std::optional<ChartHit> hitTest(const zel::ChartModel& model, const QRectF& target, QPointF pos,
                                const Options& options = {});

// The layout render() uses for this model and target (axes, plot area, label boxes).
ChartLayout layoutFor(const zel::ChartModel& model, const QRectF& target, const Options& options = {});

} // namespace ChartRenderer
