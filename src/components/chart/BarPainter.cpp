// Bar charts: grouped vertical and horizontal bars, stacked bars, marked and pulled-out bars.
#include "components/chart/BarPainter.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/SeriesStyle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

bool isStacked(const zel::ChartModel& m) {
    return m.chartStyle() == zel::chartstyles::kBarStacked ||
           m.chartStyle() == zel::chartstyles::kBarStackedHorizontal;
}

// Calls visit(series, point, rect) for every drawn bar, in drawing order.
void forEachBar(const zel::ChartModel& m, const ChartLayout& l,
                const std::function<void(int, int, const QRectF&)>& visit) {
    const int ns = m.seriesCount(), np = m.pointCount();
    const auto& ax = l.valueAxis();
    const double base = std::clamp(0.0, std::min(ax.min, ax.max), std::max(ax.min, ax.max));
    const double basePos = l.valuePos(base);
    const double slot = l.slotWidth();
    const double sep = 6 * l.unit();
    // The share of its category a bar (or a group of bars) fills.
    const int gap = m.barGap();
    const double single = gap == zel::ChartModel::kAutomaticBarGap ? 0.62 : 1.0 - gap / 100.0;
    const double grouped = gap == zel::ChartModel::kAutomaticBarGap ? 0.8 : single;
    if (isStacked(m)) {
        const double w = std::max(slot * single, 1.0 * l.unit());
        for (int p = 1; p <= np; ++p) {
            double pos = 0, neg = 0;
            const double c = l.categoryPos(p);
            const double shift = m.pointSeparatedAt(p) == 1 ? sep : 0;
            for (int s = 1; s <= ns; ++s) {
                if (!m.isPlotted(s, p)) continue;
                const double v = m.value(s, p);
                double& acc = v >= 0 ? pos : neg;
                const double a = l.valuePos(acc), b = l.valuePos(acc + v);
                acc += v;
                QRectF r =
                    l.horizontal()
                        ? QRectF(QPointF(std::min(a, b), c - w / 2), QPointF(std::max(a, b), c + w / 2))
                        : QRectF(QPointF(c - w / 2, std::min(a, b)), QPointF(c + w / 2, std::max(a, b)));
                r.translate(l.horizontal() ? QPointF(shift, 0) : QPointF(0, -shift));
                visit(s, p, r);
            }
        }
        return;
    }
    const double group = slot * (ns > 1 ? grouped : single);
    const double w = std::max(group / ns, 1.0 * l.unit());
    for (int p = 1; p <= np; ++p) {
        const double c0 = l.categoryPos(p) - group / 2;
        const double shift = m.pointSeparatedAt(p) == 1 ? sep : 0;
        for (int s = 1; s <= ns; ++s) {
            if (!m.isPlotted(s, p)) continue;
            const double v = l.valuePos(m.value(s, p));
            const double a = c0 + (s - 1) * w;
            QRectF r = l.horizontal()
                           ? QRectF(QPointF(std::min(basePos, v), a), QPointF(std::max(basePos, v), a + w))
                           : QRectF(QPointF(a, std::min(basePos, v)), QPointF(a + w, std::max(basePos, v)));
            r.translate(l.horizontal() ? QPointF(shift, 0) : QPointF(0, -shift));
            visit(s, p, r);
        }
    }
}

} // namespace

void BarPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    if (!f.layout) return;
    const ChartLayout& l = *f.layout;
    p.save();
    p.setClipRect(l.plot().adjusted(-1, -8 * f.unit, 1, 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    const bool manyBars = static_cast<long long>(m.pointCount()) * m.seriesCount() > 2000;
    forEachBar(m, l, [&](int s, int pt, const QRectF& r) {
        p.setPen(manyBars ? Qt::NoPen : SeriesStyle::outlinePen(s, f.monochrome, f.unit));
        p.setBrush(Qt::white);
        if (f.monochrome) p.drawRect(r);
        p.setBrush(SeriesStyle::fillBrush(s, f.monochrome));
        p.drawRect(r);
        if (m.patternAt(pt) == 4) {
            // Marked (classified) points: cross-hatched over the fill, heavy outline.
            p.setBrush(SeriesStyle::markedBrush(f.monochrome));
            QPen heavy(f.monochrome ? QColor(Qt::black) : QColor(0x20, 0x20, 0x20), 2.0 * f.unit);
            heavy.setJoinStyle(Qt::MiterJoin);
            p.setPen(heavy);
            p.drawRect(r);
        }
    });
    p.restore();
}

std::optional<ChartHit> BarPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                            QPointF pos) const {
    if (!f.layout) return std::nullopt;
    std::optional<ChartHit> hit;
    forEachBar(m, *f.layout, [&](int s, int pt, const QRectF& r) {
        // Thin bars still take a click a few pixels either side.
        const QRectF grown = r.adjusted(-1.5 * f.unit, -1.5 * f.unit, 1.5 * f.unit, 1.5 * f.unit);
        if (grown.contains(pos)) hit = ChartHit{s, pt};
    });
    return hit;
}
