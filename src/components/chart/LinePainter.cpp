// Line, logarithmic and time-series charts, area and band charts. Control lines (the
// centre line and limits of a control chart) are drawn as plain lines apart from the data. When
// a series has more points than the plot has pixel columns, each column is drawn as its
// first, lowest, highest and last point, and a control line that steps more often than that
// as the band its steps cover; both look the same and cost far less.
#include "components/chart/LinePainter.h"

#include "components/chart/ChartLayout.h"
#include "components/chart/SeriesStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>

using zel::ChartModel;
using zel::ChartType;

namespace {

// The plotted points of a series as runs (a placeholder or non-finite value breaks the run).
std::vector<QPolygonF> runsOf(const ChartModel& m, const ChartLayout& l, int s) {
    std::vector<QPolygonF> runs(1);
    for (int p = 1; p <= m.pointCount(); ++p) {
        if (!m.isPlotted(s, p)) {
            if (!runs.back().isEmpty()) runs.emplace_back();
            continue;
        }
        runs.back() << l.at(l.alongOf(m, s, p), l.valuePos(m.value(s, p)));
    }
    if (runs.back().isEmpty()) runs.pop_back();
    return runs;
}

// A run with more points than the plot has pixel columns, as the first, lowest,
// highest and last point of each column; it draws and fills the same.
QPolygonF thinnedRun(const QPolygonF& run, const ChartLayout& l, double unit) {
    const bool dense = static_cast<double>(run.size()) > 2 * std::max(1.0, l.plot().width());
    return dense && !l.horizontal() && monotoneX(run) ? decimatedRun(run, unit) : run;
}

// A control line across the plot: level over each point's slot, stepping where the
// limits change from one lot to the next (a constant line is one straight line from
// edge to edge). On a numeric x axis the points are joined.
QPolygonF controlPath(const ChartModel& m, const ChartLayout& l, int s) {
    QPolygonF path;
    const int n = m.pointCount();
    if (l.numericX()) {
        for (int p = 1; p <= n; ++p)
            path << l.at(l.alongOf(m, s, p), l.valuePos(m.value(s, p)));
        return path;
    }
    // The slot of point p runs from edge(p) to edge(p + 1); one computation for both
    // sides keeps the two corners of a step on one x.
    const double half = l.slotWidth() / 2;
    const auto edge = [&](int p) { return l.categoryPos(p) - half; };
    for (int p = 1; p <= n; ++p) {
        const double y = l.valuePos(m.value(s, p));
        if (p == 1 || m.value(s, p) != m.value(s, p - 1)) path << l.at(edge(p), y);
        if (p == n || m.value(s, p) != m.value(s, p + 1)) path << l.at(edge(p + 1), y);
    }
    return path;
}

// A step line (level runs joined by upright jumps, x never decreasing) with many steps
// to a pixel column, as the pixels its stroke covers: one rectangle per pixel column
// from the highest to the lowest point in it, and one per level run that crosses
// columns without a step, each halfWidth thicker above and below. A thousand
// rectangles fill in a moment, where the outline of the steps themselves, stroked or
// filled, has tens of thousands of corners.
std::vector<QRectF> stepBand(const QPolygonF& steps, double column, double halfWidth) {
    std::vector<QRectF> band;
    std::size_t i = 0;
    const std::size_t n = static_cast<std::size_t>(steps.size());
    while (i < n) {
        const double c = std::floor(steps[i].x() / column);
        double top = steps[i].y(), bottom = top;
        std::size_t j = i + 1;
        while (j < n && std::floor(steps[j].x() / column) == c) {
            top = std::min(top, steps[j].y());
            bottom = std::max(bottom, steps[j].y());
            ++j;
        }
        band.emplace_back(QPointF(c * column, top - halfWidth),
                          QPointF((c + 1) * column, bottom + halfWidth));
        // The level run from this column's last corner to the next column's first.
        if (j < n) {
            const double y = steps[j - 1].y();
            const double from = (c + 1) * column;
            const double to = std::floor(steps[j].x() / column) * column;
            if (to > from) band.emplace_back(QPointF(from, y - halfWidth), QPointF(to, y + halfWidth));
        }
        i = j;
    }
    return band;
}

double markerSize(const ChartLayout& l) {
    return 7.5 * l.unit();
}

// The signal marker: a diamond larger than the data markers inside a ring; the
// size is the ring's.
double signalMarkerSize(const ChartLayout& l) {
    return 19.0 * l.unit();
}
constexpr double kSignalDiamondShare = 0.68; // of the ring's size

QFont signalFont(const ChartLayout& l) {
    QFont font = l.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * 0.9))));
    font.setBold(true);
    return font;
}

// What one line covers in each pixel column of the plot: the lowest and highest y
// it reaches there. Texts are kept off these spans; a few hundred texts against a
// line of 32767 points cost a few columns each, not a walk along the line.
class ColumnSpans {
  public:
    ColumnSpans(const QRectF& plot, double column)
        : m_left(plot.left()), m_column(column),
          m_lo(static_cast<std::size_t>(std::ceil(plot.width() / column)) + 1,
               std::numeric_limits<double>::infinity()),
          m_hi(m_lo.size(), -std::numeric_limits<double>::infinity()) {}

    void addSegment(QPointF a, QPointF b) {
        if (a.x() > b.x()) std::swap(a, b);
        const double dx = b.x() - a.x();
        const auto yAt = [&](double x) {
            return dx > 0 ? a.y() + (b.y() - a.y()) * (x - a.x()) / dx : a.y();
        };
        const int c0 = columnOf(a.x()), c1 = columnOf(b.x());
        for (int c = c0; c <= c1; ++c) {
            const double xs = std::max(a.x(), m_left + c * m_column);
            const double xe = std::min(b.x(), m_left + (c + 1) * m_column);
            const double y0 = dx > 0 ? yAt(xs) : a.y(), y1 = dx > 0 ? yAt(xe) : b.y();
            widen(c, std::min(y0, y1), std::max(y0, y1));
        }
    }
    // A point's marker: its height in its column.
    void addMarker(QPointF c, double half) { widen(columnOf(c.x()), c.y() - half, c.y() + half); }

    bool crosses(const QRectF& r) const {
        for (int c = columnOf(r.left()), last = columnOf(r.right()); c <= last; ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (m_hi[i] >= r.top() && m_lo[i] <= r.bottom()) return true;
        }
        return false;
    }

  private:
    int columnOf(double x) const {
        const double c = std::floor((x - m_left) / m_column);
        return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(m_lo.size() - 1)));
    }
    void widen(int c, double lo, double hi) {
        const auto i = static_cast<std::size_t>(c);
        m_lo[i] = std::min(m_lo[i], lo);
        m_hi[i] = std::max(m_hi[i], hi);
    }

    double m_left, m_column;
    std::vector<double> m_lo, m_hi;
};

void paintSignals(QPainter& p, const ChartModel& m, const ChartLayout& l, bool mono) {
    if (!m.hasSignals()) return;
    const std::vector<SignalMark> marks = signalMarks(m, l);
    const QColor ink = SeriesStyle::signalInk(mono);
    const double u = l.unit();
    // A white rim keeps the diamond apart from the line through it.
    const QPen rim(Qt::white, 1.0 * u);
    const QPen ring(ink, 1.4 * u);
    // A ring on a point at the plot's edge (the top of a fixed axis) is drawn whole.
    double reach = 0;
    for (const SignalMark& s : marks)
        reach = std::max(reach, s.size / 2 + 2 * u);
    p.save();
    p.setClipRect(l.plot().adjusted(-reach, -reach, reach, reach));
    for (const SignalMark& s : marks) {
        SeriesStyle::drawMarker(p, s.centre, SeriesStyle::Marker::Diamond, s.size * kSignalDiamondShare, rim,
                                QBrush(ink));
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        const double r = s.size / 2 - 0.7 * u;
        p.drawEllipse(s.centre, r, r);
    }
    p.setFont(signalFont(l));
    p.setPen(ink);
    for (const SignalMark& s : marks) {
        if (s.textRect.isEmpty()) continue;
        if (s.overLines) p.fillRect(s.textRect, Qt::white);
        p.drawText(s.textRect, Qt::AlignCenter, s.text);
    }
    p.restore();
}

void paintLineSeries(QPainter& p, const ChartModel& m, const ChartLayout& l, const ChartFrame& f) {
    const int style = m.chartStyle();
    const bool sticks = style == zel::chartstyles::kLineSticks;
    const bool lines = !sticks;
    const bool markers = style != zel::chartstyles::kLineOnly;
    const double u = f.unit;
    const double plotW = l.plot().width() / std::max(u, 1e-9);
    // The sticks stand on 0, or on the axis end nearer to it when 0 is off the axis.
    const auto& ax = l.valueAxis();
    const double stickBase = l.valuePos(std::clamp(0.0, std::min(ax.min, ax.max), std::max(ax.min, ax.max)));
    // Residual plots (symbols at x positions): a zero line for reference.
    if (sticks && l.numericX() && l.valueAxis().min < 0 && l.valueAxis().max > 0) {
        QPen zero(QColor(0x70, 0x70, 0x70), 1.0 * u);
        p.setPen(zero);
        const double y = l.valuePos(0);
        p.drawLine(QPointF(l.plot().left(), y), QPointF(l.plot().right(), y));
    }
    for (int s = 1; s <= m.seriesCount(); ++s) {
        if (auto c = l.controlLine(s)) {
            // One drawing call per line: a polyline, or where the limits step at more
            // lots than the plot has pixel columns, the band of pixels the steps cover.
            const QPen pen = SeriesStyle::controlPen(*c, f.monochrome, u);
            const QPolygonF path = controlPath(m, l, s);
            if (static_cast<double>(path.size()) > plotW * 2 && !l.horizontal() && monotoneX(path)) {
                p.setPen(Qt::NoPen);
                p.setBrush(pen.color());
                const std::vector<QRectF> band = stepBand(path, std::max(u, 1.0), pen.widthF() / 2);
                p.drawRects(band.data(), static_cast<int>(band.size()));
            } else {
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawPolyline(path);
            }
            continue;
        }
        if (l.roleOf(s) == zel::SeriesRole::StatisticLine) {
            p.setPen(SeriesStyle::statisticSeriesPen(f.monochrome, u));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(controlPath(m, l, s));
            continue;
        }
        const auto runs = runsOf(m, l, s);
        const int look = l.lookOf(s);
        std::size_t total = 0;
        for (const auto& r : runs)
            total += static_cast<std::size_t>(r.size());
        const bool dense = static_cast<double>(total) > plotW * 2;
        if (lines) {
            p.setPen(SeriesStyle::linePen(look, f.monochrome, u, dense ? 1.0 : 1.6));
            p.setBrush(Qt::NoBrush);
            for (const auto& r : runs) {
                if (dense && !l.horizontal() && monotoneX(r))
                    p.drawPolyline(decimatedRun(r, u));
                else
                    p.drawPolyline(r);
            }
        }
        if (sticks) {
            p.setPen(SeriesStyle::linePen(look, f.monochrome, u, dense ? 1.0 : 1.6));
            p.setBrush(Qt::NoBrush);
            for (const auto& r : runs)
                for (const auto& q : r)
                    p.drawLine(l.horizontal() ? QPointF(stickBase, q.y()) : QPointF(q.x(), stickBase), q);
        }
        if (markers) {
            const QColor ink = f.monochrome ? QColor(Qt::black) : SeriesStyle::colour(look).darker(130);
            if (static_cast<double>(total) > plotW / 3) {
                // Too many for symbols: small dots.
                p.setPen(Qt::NoPen);
                p.setBrush(f.monochrome ? QColor(Qt::black) : SeriesStyle::colour(look));
                const double d = 2.0 * u;
                for (const auto& r : runs)
                    for (const auto& q : r)
                        p.drawRect(QRectF(q.x() - d / 2, q.y() - d / 2, d, d));
            } else {
                const QPen mp(ink, 1.0 * u);
                const QBrush mb = SeriesStyle::markerBrush(look, f.monochrome);
                for (const auto& r : runs)
                    for (const auto& q : r)
                        SeriesStyle::drawMarker(p, q, SeriesStyle::marker(look), markerSize(l), mp, mb);
            }
        }
    }
    // Marked points: a ring around each of their points.
    if (static_cast<double>(m.pointCount()) <= plotW) {
        QPen ring(SeriesStyle::markInk(f.monochrome), 1.6 * u);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        for (int pt = 1; pt <= m.pointCount(); ++pt) {
            if (m.patternAt(pt) != 4) continue;
            for (int s = 1; s <= m.seriesCount(); ++s)
                if (l.roleOf(s) == zel::SeriesRole::Data && m.isPlotted(s, pt))
                    p.drawEllipse(l.at(l.alongOf(m, s, pt), l.valuePos(m.value(s, pt))), 7 * u, 7 * u);
        }
    }
    paintSignals(p, m, l, f.monochrome);
}

void paintArea(QPainter& p, const ChartModel& m, const ChartLayout& l, const ChartFrame& f) {
    const int ns = m.seriesCount(), np = m.pointCount();
    const bool stackedArea = m.chartStyle() == zel::chartstyles::kAreaStacked;
    const auto& ax = l.valueAxis();
    const double base = std::clamp(0.0, std::min(ax.min, ax.max), std::max(ax.min, ax.max));
    std::vector<double> below(static_cast<std::size_t>(np), 0.0);
    std::vector<QPolygonF> shapes;
    std::vector<qsizetype> topCorners; // the top edge: the first corners of each shape
    for (int s = 1; s <= ns; ++s) {
        QPolygonF top, bottom;
        for (int pt = 1; pt <= np; ++pt) {
            const double v = m.isPlotted(s, pt) ? m.value(s, pt) : 0.0;
            const double lo = stackedArea ? below[static_cast<std::size_t>(pt - 1)] : base;
            const double hi = stackedArea ? lo + v : v;
            const double along = l.alongOf(m, s, pt);
            top << l.at(along, l.valuePos(hi));
            bottom << l.at(along, l.valuePos(lo));
            if (stackedArea) below[static_cast<std::size_t>(pt - 1)] = hi;
        }
        top = thinnedRun(top, l, f.unit);
        bottom = thinnedRun(bottom, l, f.unit);
        topCorners.push_back(top.size());
        std::reverse(bottom.begin(), bottom.end());
        shapes.push_back(top + bottom);
    }
    if (stackedArea) {
        for (int s = 1; s <= ns; ++s) {
            p.setPen(SeriesStyle::outlinePen(s, f.monochrome, f.unit));
            const QBrush b = SeriesStyle::fillBrush(s, f.monochrome);
            if (f.monochrome && b.style() != Qt::SolidPattern) {
                p.setBrush(Qt::white);
                p.drawPolygon(shapes[static_cast<std::size_t>(s - 1)]);
            }
            p.setBrush(b);
            p.drawPolygon(shapes[static_cast<std::size_t>(s - 1)]);
        }
        return;
    }
    // Overlapping areas: opaque, so that each keeps its legend colour, the
    // series with the largest values at the back; then every series' top edge
    // on top of all areas, so that a series hidden behind another still shows.
    std::vector<int> order(static_cast<std::size_t>(ns));
    std::vector<double> sums(static_cast<std::size_t>(ns), 0.0);
    for (int s = 1; s <= ns; ++s) {
        order[static_cast<std::size_t>(s - 1)] = s;
        for (int pt = 1; pt <= np; ++pt)
            if (m.isPlotted(s, pt)) sums[static_cast<std::size_t>(s - 1)] += m.value(s, pt);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return sums[static_cast<std::size_t>(a - 1)] > sums[static_cast<std::size_t>(b - 1)];
    });
    for (int s : order) {
        const QBrush b = SeriesStyle::fillBrush(s, f.monochrome);
        p.setPen(Qt::NoPen);
        if (f.monochrome && b.style() != Qt::SolidPattern) {
            p.setBrush(Qt::white);
            p.drawPolygon(shapes[static_cast<std::size_t>(s - 1)]);
        }
        p.setBrush(b);
        p.drawPolygon(shapes[static_cast<std::size_t>(s - 1)]);
    }
    p.setBrush(Qt::NoBrush);
    for (int s : order) {
        const QPolygonF& shape = shapes[static_cast<std::size_t>(s - 1)];
        QPen pen = SeriesStyle::outlinePen(s, f.monochrome, f.unit);
        pen.setWidthF(std::max(pen.widthF(), 1.5 * f.unit));
        p.setPen(pen);
        p.drawPolyline(shape.constData(), static_cast<int>(topCorners[static_cast<std::size_t>(s - 1)]));
    }
}

// The outline of the columns a dense monotone run covers, each column's
// span widened by `half` up and down.
QPolygonF columnHull(const QPolygonF& run, double half, double unit) {
    const double col = std::max(unit, 1.0);
    QPolygonF upper, lower;
    for (qsizetype i = 0; i < run.size();) {
        const double c = std::floor(run[i].x() / col);
        double lo = run[i].y(), hi = run[i].y();
        const double x = run[i].x();
        qsizetype j = i + 1;
        for (; j < run.size() && std::floor(run[j].x() / col) == c; ++j) {
            lo = std::min(lo, run[j].y());
            hi = std::max(hi, run[j].y());
        }
        upper << QPointF(x, lo - half);
        lower << QPointF(x, hi + half);
        i = j;
    }
    std::reverse(lower.begin(), lower.end());
    return upper + lower;
}

// Band: each series as a ribbon of one width across its course, so that steep
// segments stay as wide as flat ones: the outline drawn as a wide line, the
// series' fill as a narrower one over it. Series 1 is drawn last, in front.
void paintBand(QPainter& p, const ChartModel& m, const ChartLayout& l, const ChartFrame& f) {
    const double width = 10 * f.unit;
    const double rim = 1.2 * f.unit;
    p.setBrush(Qt::NoBrush);
    for (int s = m.seriesCount(); s >= 1; --s) {
        const QColor ink = SeriesStyle::outlinePen(s, f.monochrome, f.unit).color();
        QPen outer(ink, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
        QPen inner(SeriesStyle::fillBrush(s, f.monochrome), width - 2 * rim, Qt::SolidLine, Qt::FlatCap,
                   Qt::RoundJoin);
        for (const auto& points : runsOf(m, l, s)) {
            const QPolygonF run = thinnedRun(points, l, f.unit);
            if (run.size() < points.size()) {
                // More values than pixel columns: the ribbon covers, in each
                // column, the values' span widened by half the ribbon.
                const QPolygonF hull = columnHull(run, width / 2, f.unit);
                p.setPen(QPen(ink, rim, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
                p.setBrush(SeriesStyle::fillBrush(s, f.monochrome));
                p.drawPolygon(hull);
                p.setBrush(Qt::NoBrush);
                continue;
            }
            if (run.size() < 2) {
                // A lone value: a short piece of ribbon across its point.
                const QPointF c = run.front();
                const QPointF half = l.horizontal() ? QPointF(0, width / 2) : QPointF(width / 2, 0);
                p.setPen(outer);
                p.drawLine(c - half - half, c + half + half);
                p.setPen(inner);
                p.drawLine(c - half - half + (half / width * 2 * rim),
                           c + half + half - (half / width * 2 * rim));
                continue;
            }
            p.setPen(outer);
            p.drawPolyline(run);
            // The fill stops short of the ends so that the outline closes them.
            QPolygonF core = run;
            const auto shorten = [rim](QPointF end, QPointF next) {
                const QPointF d = next - end;
                const double len = std::hypot(d.x(), d.y());
                return len > 2 * rim ? end + d * (rim / len) : end;
            };
            core.front() = shorten(run[0], run[1]);
            core.back() = shorten(run[run.size() - 1], run[run.size() - 2]);
            p.setPen(inner);
            p.drawPolyline(core);
        }
    }
}

} // namespace

void LinePainter::paint(QPainter& p, const ChartModel& m, const ChartFrame& f) const {
    if (!f.layout) return;
    const ChartLayout& l = *f.layout;
    p.save();
    p.setClipRect(l.plot().adjusted(-6 * f.unit, -6 * f.unit, 6 * f.unit, 6 * f.unit));
    p.setRenderHint(QPainter::Antialiasing, true);
    switch (m.chartType()) {
    case ChartType::Area:
        paintArea(p, m, l, f);
        break;
    case ChartType::Band:
        paintBand(p, m, l, f);
        break;
    default:
        paintLineSeries(p, m, l, f);
        break;
    }
    p.restore();
}

std::optional<ChartHit> LinePainter::hitTest(const ChartModel& m, const ChartFrame& f, QPointF pos) const {
    if (!f.layout) return std::nullopt;
    const ChartLayout& l = *f.layout;
    const double radius = 8 * f.unit;
    double best = radius * radius;
    std::optional<ChartHit> hit;
    const bool stackedArea =
        m.chartType() == ChartType::Area && m.chartStyle() == zel::chartstyles::kAreaStacked;
    std::vector<double> below(stackedArea ? static_cast<std::size_t>(m.pointCount()) : 0, 0.0);
    // On a category axis only the slots within the radius can hold the point.
    int first = 1, last = m.pointCount();
    if (!stackedArea && !l.numericX() && l.slotWidth() > 0) {
        const double along = l.horizontal() ? pos.y() : pos.x();
        const double slot = l.slotAt(along);
        const double reach = radius / l.slotWidth() + 1;
        first = std::max(1, static_cast<int>(std::floor(slot - reach)));
        last = std::min(m.pointCount(), static_cast<int>(std::ceil(slot + reach)));
    }
    for (int s = 1; s <= m.seriesCount(); ++s) {
        for (int pt = first; pt <= last; ++pt) {
            if (!m.isPlotted(s, pt)) continue;
            double v = m.value(s, pt);
            if (stackedArea) {
                v += below[static_cast<std::size_t>(pt - 1)];
                below[static_cast<std::size_t>(pt - 1)] = v;
            }
            const QPointF q = l.at(l.alongOf(m, s, pt), l.valuePos(v));
            const double dx = q.x() - pos.x(), dy = q.y() - pos.y();
            const double d = dx * dx + dy * dy;
            if (d <= best) { // later series are drawn on top
                best = d;
                hit = ChartHit{s, pt};
            }
        }
    }
    return hit;
}

std::vector<SignalMark> signalMarks(const ChartModel& m, const ChartLayout& l) {
    std::vector<SignalMark> marks;
    if (!m.hasSignals()) return marks;
    const double u = l.unit();
    const double size = signalMarkerSize(l);
    for (int s = 1; s <= m.seriesCount(); ++s) {
        if (l.roleOf(s) != zel::SeriesRole::Data) continue;
        for (const auto& [pt, text] : m.signalsOf(s)) {
            if (!m.isPlotted(s, pt)) continue;
            marks.push_back({s,
                             pt,
                             l.at(l.alongOf(m, s, pt), l.valuePos(m.value(s, pt))),
                             size,
                             QString::fromStdString(text),
                             {}});
        }
    }
    if (marks.empty()) return marks;

    // What the texts keep clear of: every line with its markers, then the signal
    // markers and the texts already placed.
    const QRectF plot = l.plot();
    std::vector<ColumnSpans> lines;
    const bool symbols = m.chartStyle() != zel::chartstyles::kLineOnly;
    for (int s = 1; s <= m.seriesCount(); ++s) {
        ColumnSpans& spans = lines.emplace_back(plot, std::max(u, 1.0));
        const bool data = l.roleOf(s) == zel::SeriesRole::Data;
        const std::vector<QPolygonF> runs =
            data ? runsOf(m, l, s) : std::vector<QPolygonF>{controlPath(m, l, s)};
        for (const QPolygonF& run : runs)
            for (qsizetype i = 0; i < run.size(); ++i) {
                if (i > 0) spans.addSegment(run[i - 1], run[i]);
                if (data && symbols) spans.addMarker(run[i], markerSize(l) / 2);
            }
    }
    // The statistics lines: levels across the plot (trend lines are left to the
    // data they follow).
    for (const zel::StatLine& sl : l.statLines()) {
        if (sl.kind == zel::StatLineKind::Trend) continue;
        const double y = l.valuePos(sl.value);
        lines.emplace_back(plot, std::max(u, 1.0)).addSegment({plot.left(), y}, {plot.right(), y});
    }
    std::vector<QRectF> taken;
    for (const SignalMark& s : marks)
        taken.emplace_back(s.centre - QPointF(size / 2, size / 2), QSizeF(size, size));

    const QFontMetricsF fm(signalFont(l));
    const double gap = size / 2 + 2 * u;
    const double clearance = 1.5 * u;
    for (SignalMark& s : marks) {
        const double w = fm.horizontalAdvance(s.text) + 2 * u;
        const double h = fm.height();
        // A point above its neighbours gets its text above, one below them below.
        const auto level = [&](int pt) {
            return m.isPlotted(s.series, pt) ? l.valuePos(m.value(s.series, pt)) : s.centre.y();
        };
        const bool peak = s.centre.y() <= (level(s.point - 1) + level(s.point + 1)) / 2;
        const double up = -(gap + h / 2), down = gap + h / 2, side = gap + w / 2;
        const double diagX = gap * 0.7 + w / 2, diagUp = -(gap * 0.7 + h / 2), diagDown = gap * 0.7 + h / 2;
        const QPointF above[] = {{0, up}, {diagX, diagUp}, {-diagX, diagUp}};
        const QPointF below[] = {{0, down}, {diagX, diagDown}, {-diagX, diagDown}};
        // Beside it, and further aside, where a steep line has left the level.
        const QPointF beside[] = {{side, 0}, {-side, 0}, {side + gap, 0}, {-side - gap, 0}};
        std::vector<QPointF> offsets;
        for (const auto& group : {peak ? above : below, peak ? below : above})
            offsets.insert(offsets.end(), group, group + 3);
        offsets.insert(offsets.end(), std::begin(beside), std::end(beside));
        // First a place clear of every line; failing that (a point on the plot's
        // edge just past a limit line, lines rising from it on both sides) a place
        // that crosses a line but covers no marker or text, so that the rule
        // numbers of a point are left out only where other texts crowd it.
        for (const bool crossLines : {false, true}) {
            for (const QPointF& o : offsets) {
                QRectF r(0, 0, w, h);
                r.moveCenter(s.centre + o);
                // A point at the top or bottom of the plot keeps its text inside:
                // moved up or down as far as the plot's edge lets it.
                if (r.top() < plot.top()) r.moveTop(plot.top());
                if (r.bottom() > plot.bottom()) r.moveBottom(plot.bottom());
                if (!plot.contains(r)) continue;
                const QRectF clear = r.adjusted(-clearance, -clearance, clearance, clearance);
                const auto covers = [&](const QRectF& t) { return t.intersects(clear); };
                if ((!crossLines && std::any_of(lines.begin(), lines.end(),
                                                [&](const ColumnSpans& c) { return c.crosses(clear); })) ||
                    std::any_of(taken.begin(), taken.end(), covers))
                    continue;
                s.textRect = r;
                s.overLines = crossLines;
                taken.push_back(r);
                break;
            }
            if (!s.textRect.isEmpty()) break;
        }
    }
    return marks;
}

// Per pixel column: first, min, max, last (in that order of x), for long monotone runs.
QPolygonF decimatedRun(const QPolygonF& run, double unit) {
    if (run.size() < 4) return run;
    QPolygonF out;
    out.reserve(run.size() < 4096 ? run.size() : 4096);
    const double col = std::max(unit, 1.0);
    int i = 0;
    const int n = static_cast<int>(run.size());
    while (i < n) {
        const double c = std::floor(run[i].x() / col);
        QPointF first = run[i], last = run[i], lo = run[i], hi = run[i];
        int j = i + 1;
        while (j < n && std::floor(run[j].x() / col) == c) {
            const QPointF& q = run[j];
            if (q.y() < lo.y()) lo = q;
            if (q.y() > hi.y()) hi = q;
            last = q;
            ++j;
        }
        out << first;
        if (j - i > 1) {
            out << QPointF(first.x(), lo.y()) << QPointF(first.x(), hi.y()) << last;
        }
        i = j;
    }
    return out;
}

bool monotoneX(const QPolygonF& run) {
    for (int i = 1; i < run.size(); ++i)
        if (run[i].x() < run[i - 1].x()) return false;
    return true;
}
