// Statistics by variable: per variable (point) the seven sets give the lower extreme,
// mean - sd (twice), the mean, mean + sd (twice) and the upper extreme. The box spans
// mean - sd .. mean + sd, whiskers reach the extremes, the mean is a line and a marker.
#include "components/chart/StatsPainter.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/SeriesStyle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSets = 7;

bool figureOf(const zel::ChartModel& m, int point, double v[kSets]) {
    if (m.seriesCount() < kSets) return false;
    for (int s = 1; s <= kSets; ++s) {
        if (!m.isPlotted(s, point)) return false;
        v[s - 1] = m.value(s, point);
    }
    return true;
}

} // namespace

void StatsPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    if (!f.layout) return;
    const ChartLayout& l = *f.layout;
    const double u = f.unit;
    p.save();
    p.setClipRect(l.plot());
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = std::min(l.slotWidth() * 0.5, 60 * u);
    const QRectF plot = l.plot();
    const double inset = 2.0 * u;
    const auto inside = [&](double pos) {
        return l.horizontal() ? std::clamp(pos, plot.left() + inset, plot.right() - inset)
                              : std::clamp(pos, plot.top() + inset, plot.bottom() - inset);
    };
    for (int pt = 1; pt <= m.pointCount(); ++pt) {
        double v[kSets];
        if (!figureOf(m, pt, v)) continue;
        const double c = l.categoryPos(pt);
        const QColor ink = f.monochrome ? QColor(Qt::black) : SeriesStyle::colour(pt).darker(150);
        QPen pen(ink, 1.2 * u);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        // whiskers with caps; a cap on the plot's edge (an axis ending at the
        // extreme, as the figures' axis rule makes it) is drawn just inside, where
        // the frame does not cover it
        const double lo = inside(l.valuePos(v[0])), boxLo = l.valuePos(v[2]), mean = l.valuePos(v[3]),
                     boxHi = l.valuePos(v[4]), hi = inside(l.valuePos(v[6]));
        p.drawLine(l.at(c, lo), l.at(c, boxLo));
        p.drawLine(l.at(c, boxHi), l.at(c, hi));
        p.drawLine(l.at(c - w / 4, lo), l.at(c + w / 4, lo));
        p.drawLine(l.at(c - w / 4, hi), l.at(c + w / 4, hi));
        // box
        QColor fill = f.monochrome ? QColor(225, 225, 225) : SeriesStyle::colour(pt).lighter(165);
        p.setBrush(fill);
        p.drawRect(QRectF(l.at(c - w / 2, boxHi), l.at(c + w / 2, boxLo)).normalized());
        // mean
        QPen meanPen(ink, 2.0 * u);
        meanPen.setCapStyle(Qt::FlatCap);
        p.setPen(meanPen);
        p.drawLine(l.at(c - w / 2, mean), l.at(c + w / 2, mean));
        SeriesStyle::drawMarker(p, l.at(c, mean), SeriesStyle::Marker::Diamond, 8 * u, QPen(ink, 1.0 * u),
                                QBrush(f.monochrome ? QColor(Qt::black) : SeriesStyle::colour(pt)));
    }
    p.restore();
}

std::optional<ChartHit> StatsPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                              QPointF pos) const {
    if (!f.layout) return std::nullopt;
    const ChartLayout& l = *f.layout;
    const double w = std::min(l.slotWidth() * 0.5, 60 * f.unit);
    for (int pt = 1; pt <= m.pointCount(); ++pt) {
        double v[kSets];
        if (!figureOf(m, pt, v)) continue;
        const double c = l.categoryPos(pt);
        const double along = l.horizontal() ? pos.y() : pos.x();
        const double across = l.horizontal() ? pos.x() : pos.y();
        if (std::abs(along - c) > w / 2 + 3 * f.unit) continue;
        const double lo = std::min(l.valuePos(v[0]), l.valuePos(v[6])) - 4 * f.unit;
        const double hi = std::max(l.valuePos(v[0]), l.valuePos(v[6])) + 4 * f.unit;
        if (across < lo || across > hi) continue;
        int best = 4;
        double bestD = 1e300;
        for (int s = 1; s <= kSets; ++s) {
            const double d = std::abs(l.valuePos(v[s - 1]) - across);
            if (d < bestD) {
                bestD = d;
                best = s;
            }
        }
        return ChartHit{best, pt};
    }
    return std::nullopt;
}
