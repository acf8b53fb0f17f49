// Gantt charts: one row per project, its series values the boundaries of successive tasks.
#include "components/chart/GanttPainter.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/SeriesStyle.h"

#include <QPainter>

#include <algorithm>
#include <functional>

namespace {

// Task k of project p runs from value(k) to value(k + 1); a single series runs from 0.
void forEachTask(const zel::ChartModel& m, const ChartLayout& l,
                 const std::function<void(int, int, const QRectF&)>& visit) {
    const int ns = m.seriesCount();
    const double h = l.slotWidth() * 0.6;
    const double gap =
        m.chartStyle() == zel::chartstyles::kGanttGaps ? std::min(3.0 * l.unit(), l.slotWidth() * 0.1) : 0.0;
    for (int p = 1; p <= m.pointCount(); ++p) {
        const double c = l.categoryPos(p);
        for (int s = 1; s <= std::max(1, ns - 1); ++s) {
            double from = 0, to = 0;
            if (ns == 1) {
                if (!m.isPlotted(1, p)) continue;
                to = m.value(1, p);
            } else {
                if (!m.isPlotted(s, p) || !m.isPlotted(s + 1, p)) continue;
                from = m.value(s, p);
                to = m.value(s + 1, p);
            }
            double a = l.valuePos(from), b = l.valuePos(to);
            if (a > b) std::swap(a, b);
            if (gap > 0 && b - a > 2 * gap) {
                a += gap;
                b -= gap;
            }
            visit(s, p, QRectF(QPointF(a, c - h / 2), QPointF(b, c + h / 2)));
        }
    }
}

} // namespace

void GanttPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    if (!f.layout) return;
    p.save();
    p.setClipRect(f.layout->plot());
    p.setRenderHint(QPainter::Antialiasing, false);
    forEachTask(m, *f.layout, [&](int s, int, const QRectF& r) {
        p.setPen(SeriesStyle::outlinePen(s, f.monochrome, f.unit));
        if (f.monochrome) {
            p.setBrush(Qt::white);
            p.drawRect(r);
        }
        p.setBrush(SeriesStyle::fillBrush(s, f.monochrome));
        p.drawRect(r);
    });
    p.restore();
}

std::optional<ChartHit> GanttPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                              QPointF pos) const {
    if (!f.layout) return std::nullopt;
    std::optional<ChartHit> hit;
    forEachTask(m, *f.layout, [&](int s, int pt, const QRectF& r) {
        if (r.adjusted(-1, -1, 1, 1).contains(pos)) hit = ChartHit{s, pt};
    });
    return hit;
}
