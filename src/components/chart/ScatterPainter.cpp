// Scatter charts: markers per series at (x position, value); style 3 adds each series'
// least-squares polynomial of the fit degree. Trend lines come with the statistics lines.
#include "components/chart/ScatterPainter.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/Fit.h"
#include "components/chart/SeriesStyle.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

using zel::ChartModel;

namespace {

double xOf(const ChartModel& m, int s, int p) {
    return m.hasXPositions() ? m.xPos(s, p) : p;
}

void paintFit(QPainter& p, const ChartModel& m, const ChartLayout& l, const ChartFrame& f, int s) {
    std::vector<double> xs, ys;
    for (int pt = 1; pt <= m.pointCount(); ++pt) {
        if (!m.isPlotted(s, pt)) continue;
        xs.push_back(xOf(m, s, pt));
        ys.push_back(m.value(s, pt));
    }
    const auto fit = zel::fitPolynomial(xs, ys, m.fitDegree());
    if (!fit.ok || xs.empty()) return;
    double x0 = *std::min_element(xs.begin(), xs.end());
    double x1 = *std::max_element(xs.begin(), xs.end());
    if (m.fitParameter1() == 0) {
        x0 = l.xAxis().min;
        x1 = l.xAxis().max;
    }
    const int segments = (m.fitParameter2() < 1 ? 12 : std::min(m.fitParameter2(), 400)) * 10;
    QPolygonF curve;
    for (int i = 0; i <= segments; ++i) {
        const double x = x0 + (x1 - x0) * i / segments;
        const double y = fit.evaluate(x);
        if (std::isfinite(y)) curve << QPointF(l.xPos(x), l.valuePos(y));
    }
    QPen pen = SeriesStyle::linePen(s, f.monochrome, f.unit, 1.8);
    if (!f.monochrome) pen.setColor(SeriesStyle::colour(s).darker(115));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
}

} // namespace

void ScatterPainter::paint(QPainter& p, const ChartModel& m, const ChartFrame& f) const {
    if (!f.layout) return;
    const ChartLayout& l = *f.layout;
    p.save();
    p.setClipRect(l.plot().adjusted(-6 * f.unit, -6 * f.unit, 6 * f.unit, 6 * f.unit));
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool dense = static_cast<double>(m.pointCount()) * m.seriesCount() > l.plot().width() / f.unit;
    // Dense data: a marker on a device pixel already marked by its series adds nothing.
    const QRect cells = l.plot().adjusted(-8, -8, 8, 8).toAlignedRect();
    std::vector<bool> marked;
    for (int s = 1; s <= m.seriesCount(); ++s) {
        if (dense) marked.assign(static_cast<std::size_t>(cells.width()) * cells.height(), false);
        const QColor ink = f.monochrome ? QColor(Qt::black) : SeriesStyle::colour(s).darker(130);
        const QPen mp(ink, 1.0 * f.unit);
        const QBrush mb = SeriesStyle::markerBrush(s, f.monochrome);
        const double size = (dense ? 4.5 : 7.5) * f.unit;
        for (int pt = 1; pt <= m.pointCount(); ++pt) {
            if (!m.isPlotted(s, pt)) continue;
            const QPointF q(l.xPos(xOf(m, s, pt)), l.valuePos(m.value(s, pt)));
            if (dense && m.patternAt(pt) != 4) {
                const int cx = static_cast<int>(q.x()) - cells.left(),
                          cy = static_cast<int>(q.y()) - cells.top();
                if (cx >= 0 && cy >= 0 && cx < cells.width() && cy < cells.height()) {
                    const std::size_t k = static_cast<std::size_t>(cy) * cells.width() + cx;
                    if (marked[k]) continue;
                    marked[k] = true;
                }
            }
            SeriesStyle::drawMarker(p, q, SeriesStyle::marker(s), size, mp, mb);
            if (m.patternAt(pt) == 4) {
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(SeriesStyle::markInk(f.monochrome), 1.6 * f.unit));
                p.drawEllipse(q, 7 * f.unit, 7 * f.unit);
            }
        }
    }
    if (m.chartStyle() == zel::chartstyles::kScatterFittedCurve)
        for (int s = 1; s <= m.seriesCount(); ++s)
            paintFit(p, m, l, f, s);
    p.restore();
}

std::optional<ChartHit> ScatterPainter::hitTest(const ChartModel& m, const ChartFrame& f, QPointF pos) const {
    if (!f.layout) return std::nullopt;
    const ChartLayout& l = *f.layout;
    const double radius = 8 * f.unit;
    double best = radius * radius;
    std::optional<ChartHit> hit;
    for (int s = 1; s <= m.seriesCount(); ++s)
        for (int pt = 1; pt <= m.pointCount(); ++pt) {
            if (!m.isPlotted(s, pt)) continue;
            const double dx = l.xPos(xOf(m, s, pt)) - pos.x(), dy = l.valuePos(m.value(s, pt)) - pos.y();
            const double d = dx * dx + dy * dy;
            if (d <= best) {
                best = d;
                hit = ChartHit{s, pt};
            }
        }
    return hit;
}
