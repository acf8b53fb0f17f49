// The pie and 3-D pie: slice geometry shared by drawing and hit testing.
#include "components/chart/PiePainter.h"

#include "common/NumberText.h"
#include "components/chart/ChartModel.h"
#include "components/chart/SeriesStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// The tilt of a 3-D pie: how far above the pie's plane the eye looks, in degrees.
double tiltOf(const zel::ChartModel& m) {
    return std::clamp(40.0 + 0.6 * m.elevation3D(), 12.0, 85.0);
}

QPointF rimPoint(QPointF c, double rx, double ry, double deg) {
    return QPointF(c.x() + rx * std::cos(deg * kDeg), c.y() + ry * std::sin(deg * kDeg));
}

// Rim points from a to b degrees (a < b), at most 3 degrees apart.
QPolygonF rim(QPointF c, double rx, double ry, double a, double b) {
    QPolygonF poly;
    const int steps = std::max(1, static_cast<int>(std::ceil((b - a) / 3.0)));
    for (int i = 0; i <= steps; ++i)
        poly << rimPoint(c, rx, ry, a + (b - a) * i / steps);
    return poly;
}

QString percentText(double share) {
    return QString::fromStdString(zel::decimalsText(share * 100.0, 1)) + QLatin1Char('%');
}

struct SlicePaint {
    QColor face;
    QBrush hatch;
};

SlicePaint slicePaint(int point, bool mono) {
    SlicePaint s;
    if (!mono) {
        s.face = SeriesStyle::colour(point);
        return s;
    }
    const QBrush b = SeriesStyle::fillBrush(point, true);
    if (b.style() == Qt::SolidPattern) {
        s.face = b.color();
    } else {
        s.face = QColor(Qt::white);
        s.hatch = b;
    }
    return s;
}

// The labels of one pie outside its rim, each beside the end of a short leader. On
// each side, labels that would overlap are gathered into runs that keep their natural
// middle and stand one under the other; a run is then kept inside the plot.
void placeLabels(PiePainter::Pie& pie, const ChartFrame& f) {
    const QFontMetricsF fm(f.font);
    const double u = f.unit;
    const bool crowded = pie.slices.size() > 40;
    // Label indexes per side: right (0) and left (1).
    std::vector<std::size_t> sides[2];
    for (std::size_t i = 0; i < pie.slices.size(); ++i) {
        PiePainter::Slice& sl = pie.slices[i];
        if (sl.label.isEmpty() || sl.sweep < (crowded ? 6.0 : 2.5)) continue;
        const double mid = sl.start + sl.sweep / 2;
        const double c = std::cos(mid * kDeg), s = std::sin(mid * kDeg);
        const double drop = s > 0 ? pie.thickness : 0.0;
        sl.leaderFrom = rimPoint(sl.centre, pie.rx, pie.ry, mid) + QPointF(0, drop * 0.5);
        sl.leaderTo = rimPoint(sl.centre, pie.rx + 12 * u, pie.ry + 12 * u, mid) + QPointF(0, drop);
        const QStringList lines = sl.label.split(QLatin1Char('\n'));
        const double h = fm.height() * lines.size();
        double w = 0;
        for (const QString& l : lines)
            w = std::max(w, fm.horizontalAdvance(l));
        const double x = c >= 0 ? sl.leaderTo.x() + 3 * u : sl.leaderTo.x() - 3 * u - w;
        const double y = sl.leaderTo.y() - h / 2 + s * h / 2;
        sl.labelRect = QRectF(x, y, w + 2 * u, h);
        sides[c >= 0 ? 0 : 1].push_back(i);
    }
    for (std::vector<std::size_t>& side : sides) {
        std::stable_sort(side.begin(), side.end(), [&](std::size_t a, std::size_t b) {
            return pie.slices[a].labelRect.center().y() < pie.slices[b].labelRect.center().y();
        });
        // Runs of labels that stand one under the other: [first, last] with their top.
        struct Run {
            std::size_t first, last;
            double natural; // the sum of the natural middles
            double height;
            double top;
        };
        std::vector<Run> runs;
        for (std::size_t k = 0; k < side.size(); ++k) {
            const QRectF& r = pie.slices[side[k]].labelRect;
            runs.push_back({k, k, r.center().y(), r.height(), r.top()});
            // Merge while the new run overlaps the one above it.
            while (runs.size() > 1) {
                Run& above = runs[runs.size() - 2];
                Run& below = runs.back();
                if (below.top >= above.top + above.height) break;
                above.last = below.last;
                above.natural += below.natural;
                above.height += below.height;
                const double count = static_cast<double>(above.last - above.first + 1);
                // The run's middle where its labels' middles are on average.
                double naturalHeights = 0;
                double offset = 0;
                for (std::size_t j = above.first; j <= above.last; ++j) {
                    const double hj = pie.slices[side[j]].labelRect.height();
                    offset += naturalHeights + hj / 2;
                    naturalHeights += hj;
                }
                above.top = above.natural / count - offset / count;
                runs.pop_back();
            }
        }
        for (Run& run : runs) {
            run.top = std::min(run.top, f.plot.bottom() - run.height);
            run.top = std::max(run.top, f.plot.top());
            double y = run.top;
            for (std::size_t j = run.first; j <= run.last; ++j) {
                PiePainter::Slice& sl = pie.slices[side[j]];
                const double dy = y - sl.labelRect.top();
                sl.labelRect.translate(0, dy);
                sl.leaderTo += QPointF(0, dy);
                y += sl.labelRect.height();
            }
        }
    }
}

} // namespace

std::vector<PiePainter::Pie> PiePainter::layout(const zel::ChartModel& m, const ChartFrame& f, bool threeD) {
    std::vector<Pie> pies;
    const int s = m.seriesCount();
    const int n = m.pointCount();
    const QRectF r = f.plot;
    if (r.width() <= 0 || r.height() <= 0) return pies;
    const int cols = std::min(s, 3);
    const int rows = (s + cols - 1) / cols;
    const double cellW = r.width() / cols, cellH = r.height() / rows;
    const QFontMetricsF fm(f.font);

    const double tilt = threeD ? tiltOf(m) : 90.0;
    const double flat = std::sin(tilt * kDeg);
    const double thickRatio = threeD ? std::min(0.22 * std::cos(tilt * kDeg) + 0.05, 0.9 * flat) : 0.0;
    const double turn = threeD ? m.rotation3D() : 0.0;

    for (int k = 1; k <= s; ++k) {
        Pie pie;
        const int col = (k - 1) % cols, row = (k - 1) / cols;
        const QRectF cell(r.left() + col * cellW, r.top() + row * cellH, cellW, cellH);
        // Room for the slice texts around the pie, and for the series name below it when
        // there are several pies.
        const double textH = fm.height() * 2.2 + (s > 1 ? fm.height() * 1.2 : 0.0);
        const double availW = std::max(10.0, cellW - 2 * std::min(cellW * 0.25, fm.averageCharWidth() * 12));
        const double availH = std::max(10.0, cellH - 2 * textH);
        double rx = std::min(availW / 2, availH / (2 * flat + thickRatio));
        rx /= 1.12; // separated slices move out by a tenth of the radius
        pie.rx = rx;
        pie.ry = rx * flat;
        pie.thickness = rx * thickRatio;
        pie.centre = QPointF(cell.center().x(),
                             cell.center().y() - pie.thickness / 2 - (s > 1 ? fm.height() * 0.6 : 0));

        double total = 0.0;
        for (int i = 1; i <= n; ++i)
            if (m.isPlotted(k, i) && m.value(k, i) > 0) total += m.value(k, i);
        double angle = -90.0 + turn;
        for (int i = 1; i <= n && total > 0; ++i) {
            if (!m.isPlotted(k, i) || !(m.value(k, i) > 0)) continue;
            Slice sl;
            sl.series = k;
            sl.point = i;
            sl.start = angle;
            sl.sweep = 360.0 * m.value(k, i) / total;
            angle += sl.sweep;
            const double mid = sl.start + sl.sweep / 2;
            sl.centre = pie.centre;
            if (m.pointSeparatedAt(i) != 0 && sl.sweep < 359.9) {
                sl.centre += QPointF(0.12 * rx * std::cos(mid * kDeg), 0.12 * pie.ry * std::sin(mid * kDeg));
            }
            QPolygonF face = rim(sl.centre, pie.rx, pie.ry, sl.start, sl.start + sl.sweep);
            if (sl.sweep < 359.9) face.prepend(sl.centre);
            sl.top.addPolygon(face);
            sl.top.closeSubpath();
            if (threeD) {
                // The rim's part that faces the viewer (0..180 degrees, modulo a turn).
                const double t = pie.thickness;
                for (int turnOffset = -720; turnOffset <= 720; turnOffset += 360) {
                    const double a = std::max(sl.start, 0.0 + turnOffset);
                    const double b = std::min(sl.start + sl.sweep, 180.0 + turnOffset);
                    if (b <= a) continue;
                    QPolygonF band = rim(sl.centre, pie.rx, pie.ry, a, b);
                    QPolygonF lower = band.translated(0, t);
                    for (int j = lower.size() - 1; j >= 0; --j)
                        band << lower[j];
                    sl.side.addPolygon(band);
                    sl.side.closeSubpath();
                }
            }
            const std::string label = m.pointLabelAt(i);
            const std::string text = m.text(k, i);
            sl.label = QString::fromStdString(label);
            const QString second =
                text.empty() ? percentText(m.value(k, i) / total) : QString::fromStdString(text);
            sl.label = sl.label.isEmpty() ? second : sl.label + QLatin1Char('\n') + second;
            pie.slices.push_back(sl);
        }
        placeLabels(pie, f);
        pies.push_back(std::move(pie));
    }
    return pies;
}

void PiePainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    const std::vector<Pie> pies = layout(m, f, m_threeD);
    const bool mono = f.monochrome;
    const double u = f.unit;
    const QFontMetricsF fm(f.font);
    p.setFont(f.font);
    for (std::size_t pi = 0; pi < pies.size(); ++pi) {
        const Pie& pie = pies[pi];
        const int series = static_cast<int>(pi) + 1;
        if (pie.slices.empty()) {
            // Nothing to share out: an empty outline.
            p.setPen(QPen(SeriesStyle::ink(), 0.8 * u, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(pie.centre, pie.rx, pie.ry);
        }
        auto outline = [&](const QColor& face) {
            QPen pen(mono ? QColor(Qt::black) : face.darker(160), 0.8 * u);
            pen.setJoinStyle(Qt::RoundJoin);
            return pen;
        };
        // A slice whose rim is only a pixel or two long goes without an outline,
        // which would cover it; thousands of such slices draw far faster too.
        auto thin = [&](const Slice& sl) { return pie.rx * sl.sweep * kDeg < 2 * u; };
        auto fillPath = [&](const QPainterPath& path, const SlicePaint& sp, const QColor& face, bool marked,
                            bool outlined = true) {
            if (outlined)
                p.setPen(outline(face));
            else
                p.setPen(Qt::NoPen);
            p.setBrush(face);
            p.drawPath(path);
            auto overlay = [&](QBrush b) {
                b.setTransform(QTransform::fromScale(u, u));
                p.setPen(Qt::NoPen);
                p.setBrush(b);
                p.drawPath(path);
            };
            if (sp.hatch.style() != Qt::NoBrush) overlay(sp.hatch);
            if (marked) overlay(SeriesStyle::markedBrush(mono));
        };

        if (m_threeD) {
            // Back to front: the cut faces, then the rim, then the tops.
            std::vector<const Slice*> order;
            for (const Slice& sl : pie.slices)
                order.push_back(&sl);
            std::stable_sort(order.begin(), order.end(), [](const Slice* a, const Slice* b) {
                return std::sin((a->start + a->sweep / 2) * kDeg) <
                       std::sin((b->start + b->sweep / 2) * kDeg);
            });
            // The cut faces show only beside a slice pulled out of the pie; the
            // others lie under the tops and the rim.
            const std::size_t count = pie.slices.size();
            std::vector<bool> opened(count, false);
            for (std::size_t i = 0; i < count; ++i) {
                if (pie.slices[i].centre == pie.centre) continue;
                opened[i] = true;
                opened[(i + 1) % count] = true;
                opened[(i + count - 1) % count] = true;
            }
            for (const Slice* sl : order) {
                if (sl->sweep >= 359.9 || !opened[static_cast<std::size_t>(sl - pie.slices.data())]) continue;
                const SlicePaint sp = slicePaint(sl->point, mono);
                const QColor wall = sp.face.darker(135);
                for (double a : {sl->start, sl->start + sl->sweep}) {
                    const QPointF rp = rimPoint(sl->centre, pie.rx, pie.ry, a);
                    const QPointF down(0, pie.thickness);
                    QPainterPath w;
                    w.addPolygon(QPolygonF({sl->centre, rp, rp + down, sl->centre + down}));
                    w.closeSubpath();
                    fillPath(w, sp, wall, false);
                }
            }
            for (const Slice* sl : order) {
                const SlicePaint sp = slicePaint(sl->point, mono);
                fillPath(sl->side, sp, sp.face.darker(125), false, !thin(*sl));
            }
        }
        for (const Slice& sl : pie.slices) {
            const SlicePaint sp = slicePaint(sl.point, mono);
            fillPath(sl.top, sp, sp.face, m.patternAt(sl.point) == 4, !thin(sl));
        }

        // Slice texts outside the rim with a short leader; very thin slices go without.
        p.setPen(QPen(SeriesStyle::ink(), 0.7 * u));
        p.setBrush(Qt::NoBrush);
        for (const Slice& sl : pie.slices) {
            if (sl.labelRect.isEmpty()) continue;
            p.drawLine(sl.leaderFrom, sl.leaderTo);
            const bool right = sl.labelRect.left() >= sl.leaderTo.x();
            p.drawText(sl.labelRect, (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop, sl.label);
        }
        if (pies.size() > 1) {
            const std::string name = m.legendAt(series);
            const QString text = name.empty() ? QString::number(series) : QString::fromStdString(name);
            const double y = pie.centre.y() + pie.ry + pie.thickness + fm.height() * 2.3;
            p.drawText(QRectF(pie.centre.x() - pie.rx * 2, y, pie.rx * 4, fm.height()), Qt::AlignHCenter,
                       text);
        }
    }
}

std::optional<ChartHit> PiePainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                            QPointF pos) const {
    const std::vector<Pie> pies = layout(m, f, m_threeD);
    for (const Pie& pie : pies) {
        for (auto it = pie.slices.rbegin(); it != pie.slices.rend(); ++it)
            if (it->top.contains(pos)) return ChartHit{it->series, it->point};
        for (auto it = pie.slices.rbegin(); it != pie.slices.rend(); ++it)
            if (it->side.contains(pos)) return ChartHit{it->series, it->point};
    }
    return std::nullopt;
}
