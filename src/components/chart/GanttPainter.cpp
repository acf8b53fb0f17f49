// Gantt charts: one row per project, its series values the boundaries of successive tasks.
#include "components/chart/GanttPainter.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/SeriesStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <functional>

namespace {

// Task k of project p runs from value(k) to value(k + 1); a single series runs from 0.
// visit(look, series, point, bar, backwards): look is the series whose colour the task
// takes (k); series is the one a click on it reports, the series whose value ends it
// (k + 1); backwards says that the end lies before the start (a negative duration).
void forEachTask(const zel::ChartModel& m, const ChartLayout& l,
                 const std::function<void(int, int, int, const QRectF&, bool)>& visit) {
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
            // A task that runs backwards is a mark over its neighbours: no gap.
            if (gap > 0 && b - a > 2 * gap && to >= from) {
                a += gap;
                b -= gap;
            }
            visit(s, ns == 1 ? 1 : s + 1, p, QRectF(QPointF(a, c - h / 2), QPointF(b, c + h / 2)), to < from);
        }
    }
}

} // namespace

void GanttPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    if (!f.layout) return;
    p.save();
    p.setClipRect(f.layout->plot());
    p.setRenderHint(QPainter::Antialiasing, false);
    forEachTask(m, *f.layout, [&](int look, int, int, const QRectF& r, bool backwards) {
        if (backwards) return;
        p.setPen(SeriesStyle::outlinePen(look, f.monochrome, f.unit));
        if (f.monochrome) {
            p.setBrush(Qt::white);
            p.drawRect(r);
        }
        p.setBrush(SeriesStyle::fillBrush(look, f.monochrome));
        p.drawRect(r);
    });
    // A task that ends before it starts stays in sight over the bars it overlaps:
    // a narrower bar cross-hatched in its series' colour with a dashed black outline, an
    // arrow head at its end (the left side, where the time runs back to) and its
    // duration above it.
    const QFontMetricsF fm(f.font);
    forEachTask(m, *f.layout, [&](int look, int series, int point, const QRectF& full, bool backwards) {
        if (!backwards) return;
        const double h = std::max(full.height() * 0.55, 4.0 * f.unit);
        const QRectF r(full.left(), full.center().y() - h / 2, full.width(), h);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(r);
        const QColor hatch = f.monochrome ? QColor(Qt::black) : SeriesStyle::colour(look);
        p.setBrush(QBrush(hatch, Qt::DiagCrossPattern));
        p.drawRect(r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 2.0 * f.unit, Qt::DashLine));
        p.drawRect(r);
        // The head stays inside the bar, so that a bar starting at the axis keeps it.
        const double a = std::min(std::max(h / 2, 6.0 * f.unit), r.width() / 2);
        QPolygonF head;
        head << QPointF(r.left(), r.center().y()) << QPointF(r.left() + a, r.top())
             << QPointF(r.left() + a, r.bottom());
        p.setPen(QPen(Qt::black, f.unit));
        p.setBrush(Qt::black);
        p.drawPolygon(head);
        const double days = m.value(series, point) - m.value(series - 1, point);
        const QString text = QString::number(days, 'g', 6);
        const double w = fm.horizontalAdvance(text) + 2 * f.unit;
        const QRectF& plot = f.layout->plot();
        const double left =
            std::clamp(r.left(), plot.left() + f.unit, std::max(plot.left(), plot.right() - w));
        const QRectF box(left, full.top() - fm.height() - f.unit, w, fm.height());
        p.setPen(Qt::black);
        p.setFont(f.font);
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    });
    p.restore();
}

std::optional<ChartHit> GanttPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                              QPointF pos) const {
    if (!f.layout) return std::nullopt;
    std::optional<ChartHit> hit;
    bool onTop = false; // a task that runs backwards is drawn over the others
    forEachTask(m, *f.layout, [&](int, int series, int pt, const QRectF& r, bool backwards) {
        const QRectF area = r.adjusted(-1, -1, 1, 1);
        if (!area.contains(pos) || (onTop && !backwards)) return;
        hit = ChartHit{series, pt};
        onTop = backwards;
    });
    return hit;
}
