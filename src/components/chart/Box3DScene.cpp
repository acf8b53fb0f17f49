// The box of the 3-D chart kinds: projection into the plot area, walls, axes and cuboids.
#include "components/chart/Box3DScene.h"

#include "components/chart/ChartModel.h"
#include "components/chart/SeriesStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

using zel::Projected;

namespace {

// The six faces of the unit box, each with its corners running the same way round when
// seen from outside, and the shade it takes (light from above, front and left).
struct FaceDef {
    double c[4][3];
    double shade;
};
constexpr FaceDef kFaces[6] = {
    {{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 1.0},  // front (z = 0)
    {{{0, 0, 1}, {0, 1, 1}, {1, 1, 1}, {1, 0, 1}}, 0.9},  // back (z = 1)
    {{{0, 0, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}}, 0.82}, // left (x = 0)
    {{{1, 0, 0}, {1, 0, 1}, {1, 1, 1}, {1, 1, 0}}, 0.78}, // right (x = 1)
    {{{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 0, 0}}, 0.6},  // bottom (y = 0)
    {{{0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}}, 1.2},  // top (y = 1)
};
enum FaceIndex { kFront, kBack, kLeft, kRight, kBottom, kTop };

QColor shaded(const QColor& c, double shade) {
    if (shade > 1.0) return c.lighter(static_cast<int>(std::lround(100 * shade)));
    if (shade < 1.0) return c.darker(static_cast<int>(std::lround(100 / shade)));
    return c;
}

} // namespace

std::vector<QString> box3DCategoryLabels(const zel::ChartModel& model) {
    std::vector<QString> out;
    out.reserve(static_cast<std::size_t>(model.pointCount()));
    for (int i = 1; i <= model.pointCount(); ++i) {
        const std::string l = model.pointLabelAt(i);
        out.push_back(l.empty() ? QString::number(i) : QString::fromStdString(l));
    }
    return out;
}

std::vector<QString> box3DSeriesLabels(const zel::ChartModel& model) {
    std::vector<QString> out;
    const int count = model.seriesCount();
    for (int s = 1; s <= count; ++s) {
        const std::string l = model.legendAt(s);
        // A lone series without a legend text is not numbered: there is no other to tell it from.
        out.push_back(!l.empty() ? QString::fromStdString(l) : count > 1 ? QString::number(s) : QString());
    }
    return out;
}

zel::AxisScale box3DValueScale(const zel::ChartModel& model, double lo, double hi) {
    return zel::computeAxis(lo, hi, zel::axisRequest(model.leftAxis(), kBoxAxisIntervals));
}

Box3DAxis Box3DAxis::numeric(const zel::AxisScale& scale) {
    Box3DAxis a;
    for (std::size_t i = 0; i < scale.ticks.size(); ++i) {
        a.positions.push_back(toBox(scale, scale.ticks[i]));
        a.texts.push_back(i < scale.labels.size() ? QString::fromStdString(scale.labels[i]) : QString());
    }
    return a;
}

Box3DAxis Box3DAxis::categories(const std::vector<QString>& labels, int maxLabels) {
    Box3DAxis a;
    a.gridLines = false;
    const int n = static_cast<int>(labels.size());
    if (n == 0) return a;
    const int every = std::max(1, (n + std::max(1, maxLabels) - 1) / std::max(1, maxLabels));
    for (int i = 0; i < n; i += every) {
        a.positions.push_back((i + 0.5) / n);
        a.texts.push_back(labels[static_cast<std::size_t>(i)]);
    }
    return a;
}

Box3DAxis Box3DAxis::seriesRows(const std::vector<QString>& names) {
    Box3DAxis a = categories(names, static_cast<int>(names.size()));
    a.namedRows = true;
    return a;
}

double Box3DAxis::toBox(const zel::AxisScale& scale, double value) {
    if (!std::isfinite(value)) return 0.0;
    const double span = scale.max - scale.min;
    if (!(span > 0.0)) return 0.5;
    return std::clamp((value - scale.min) / span, 0.0, 1.0);
}

Box3DScene::Box3DScene(const zel::ChartModel& model, const ChartFrame& frame, double boxWidth,
                       double boxHeight, double boxDepth, Box3DAxis xAxis, Box3DAxis yAxis, Box3DAxis zAxis)
    : m_model(model), m_frame(frame),
      m_projection(model.viewAngles(), boxWidth, boxHeight, boxDepth), m_axes{std::move(xAxis),
                                                                              std::move(yAxis),
                                                                              std::move(zAxis)} {
    fitBox();
}

void Box3DScene::fitBox() {
    const QFontMetricsF fm(m_frame.font);
    const double u = m_frame.unit;
    auto widest = [&](const Box3DAxis& a) {
        double w = 0.0;
        for (const QString& t : a.texts)
            w = std::max(w, fm.horizontalAdvance(t));
        return w;
    };
    const QRectF r = m_frame.plot;
    // Room for the value texts on the left, the category texts below, the depth texts on
    // the right; never more than a third of the plot for any of them.
    const double left = std::min(widest(m_axes[1]) + 10 * u, r.width() / 3);
    const double right = std::min(widest(m_axes[2]) + 10 * u, r.width() / 3);
    const double bottom = std::min(fm.height() * 1.8 + 4 * u, r.height() / 3);
    const double top = 6 * u;
    m_transform = m_projection.fitTo(r.left() + left, r.top() + top, std::max(1.0, r.width() - left - right),
                                     std::max(1.0, r.height() - top - bottom), false);
}

QPolygonF Box3DScene::polygon(const std::vector<Projected>& corners) const {
    QPolygonF poly;
    poly.reserve(static_cast<int>(corners.size()));
    for (const Projected& c : corners)
        poly << device(c);
    return poly;
}

double Box3DScene::signedArea(const std::vector<Projected>& c) {
    double a = 0.0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Projected& p = c[i];
        const Projected& q = c[(i + 1) % c.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a;
}

Box3DFill Box3DScene::seriesFill(int series, bool marked) const {
    Box3DFill f;
    f.marked = marked;
    if (!m_frame.monochrome) {
        f.colour = SeriesStyle::colour(series);
        return f;
    }
    const QBrush b = SeriesStyle::fillBrush(series, true);
    if (b.style() == Qt::SolidPattern) {
        f.colour = b.color();
    } else {
        f.colour = QColor(235, 235, 235);
        f.hatch = b;
    }
    return f;
}

void Box3DScene::drawFace(QPainter& p, const std::vector<Projected>& corners, const Box3DFill& fill,
                          double shade) const {
    const double u = m_frame.unit;
    const QPolygonF poly = polygon(corners);
    const QColor face = shaded(fill.colour, shade);
    QPen outline(m_frame.monochrome ? QColor(Qt::black) : face.darker(170), 0.7 * u);
    outline.setJoinStyle(Qt::MiterJoin);
    p.setPen(outline);
    p.setBrush(face);
    p.drawPolygon(poly);
    auto overlay = [&](QBrush b) {
        b.setTransform(QTransform::fromScale(u, u));
        p.setPen(Qt::NoPen);
        p.setBrush(b);
        p.drawPolygon(poly);
    };
    if (fill.hatch.style() != Qt::NoBrush) overlay(fill.hatch);
    if (fill.marked) overlay(SeriesStyle::markedBrush(m_frame.monochrome));
}

void Box3DScene::drawCuboid(QPainter& p, double x0, double x1, double y0, double y1, double z0, double z1,
                            const Box3DFill& fill) const {
    const double xs[2] = {x0, x1}, ys[2] = {y0, y1}, zs[2] = {z0, z1};
    for (const FaceDef& f : kFaces) {
        std::vector<Projected> corners;
        corners.reserve(4);
        for (const auto& c : f.c)
            corners.push_back(m_projection.project(xs[c[0] > 0.5], ys[c[1] > 0.5], zs[c[2] > 0.5]));
        if (signedArea(corners) > 1e-12) drawFace(p, corners, fill, f.shade);
    }
}

void Box3DScene::drawWalls(QPainter& p) const {
    const double u = m_frame.unit;
    const bool mono = m_frame.monochrome;
    const QColor wall = mono ? QColor(Qt::white) : QColor(0xf1, 0xf3, 0xf6);
    const QColor floor = mono ? QColor(0xf2, 0xf2, 0xf2) : QColor(0xe2, 0xe6, 0xeb);
    QPen edge(mono ? QColor(Qt::black) : QColor(0x80, 0x86, 0x90), 0.9 * u);
    const QPen grid = SeriesStyle::gridPen(m_model.gridLineStyle(), u);
    const bool horizontal = (m_model.gridLines() & zel::gridlines::kHorizontal) != 0;
    const bool vertical = (m_model.gridLines() & zel::gridlines::kVertical) != 0;

    auto line = [&](double ax, double ay, double az, double bx, double by, double bz) {
        p.drawLine(toDevice(ax, ay, az), toDevice(bx, by, bz));
    };
    for (int i = 0; i < 6; ++i) {
        if (i == kTop) continue; // the box stays open at the top
        std::vector<Projected> corners;
        for (const auto& c : kFaces[i].c)
            corners.push_back(m_projection.project(c[0], c[1], c[2]));
        // A face turned away from the eye is seen from inside the box: it is a back wall.
        if (signedArea(corners) >= -1e-12) continue;
        p.setPen(edge);
        p.setBrush(i == kBottom ? floor : wall);
        p.drawPolygon(polygon(corners));
        p.setPen(grid);
        const double at = (i == kFront || i == kLeft || i == kBottom) ? 0.0 : 1.0;
        if (i == kFront || i == kBack) {
            if (horizontal && m_axes[1].gridLines)
                for (double y : m_axes[1].positions)
                    line(0, y, at, 1, y, at);
            if (vertical && m_axes[0].gridLines)
                for (double x : m_axes[0].positions)
                    line(x, 0, at, x, 1, at);
        } else if (i == kLeft || i == kRight) {
            if (horizontal && m_axes[1].gridLines)
                for (double y : m_axes[1].positions)
                    line(at, y, 0, at, y, 1);
            if (vertical && m_axes[2].gridLines)
                for (double z : m_axes[2].positions)
                    line(at, 0, z, at, 1, z);
        } else if (vertical) {
            if (m_axes[0].gridLines)
                for (double x : m_axes[0].positions)
                    line(x, 0, 0, x, 0, 1);
            if (m_axes[2].gridLines)
                for (double z : m_axes[2].positions)
                    line(0, 0, z, 1, 0, z);
        }
    }
}

std::vector<Box3DScene::AxisText> Box3DScene::axisTexts(int axis) const {
    std::vector<AxisText> out;
    if (axis < 0 || axis > 2) return out;
    const double u = m_frame.unit;
    const QFontMetricsF fm(m_frame.font);
    const double h = fm.height();
    const Box3DAxis& a = m_axes[axis];
    const double gap = 2 * u;
    const QRectF& plot = m_frame.plot;
    // The depth texts stand clear of the category texts below the box as well.
    std::vector<QRectF> taken;
    if (axis == 2)
        for (const AxisText& t : axisTexts(0))
            taken.push_back(t.rect);
    const auto hitsIn = [&](const QRectF& rect, const auto& rects, auto rectOf) {
        const QRectF grown = rect.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
        return std::ranges::any_of(rects, [&](const auto& other) {
            return grown.intersects(rectOf(other).adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2));
        });
    };
    const auto clashesKept = [&](const QRectF& rect) {
        return hitsIn(rect, out, [](const AxisText& kept) { return kept.rect; });
    };
    const auto clashesTaken = [&](const QRectF& rect) {
        return hitsIn(rect, taken, [](const QRectF& other) { return other; });
    };
    const auto clashes = [&](const QRectF& rect) { return clashesKept(rect) || clashesTaken(rect); };
    for (std::size_t i = 0; i < a.positions.size(); ++i) {
        const QString text = i < a.texts.size() ? a.texts[i] : QString();
        if (text.isEmpty()) continue;
        const double w = fm.horizontalAdvance(text);
        const QPointF d = tickPoint(axis, a.positions[i]);
        AxisText t;
        t.tick = i;
        t.text = text;
        if (axis == 1) {
            t.rect = QRectF(d.x() - 6 * u - w, d.y() - h / 2, w, h);
            t.align = Qt::AlignRight | Qt::AlignVCenter;
        } else if (axis == 0) {
            // Below the value text at the floor's corner, which a long first
            // text reaches under.
            t.rect = QRectF(d.x() - w / 2, d.y() + std::max(4 * u, h / 2 + u), w, h);
            t.align = Qt::AlignHCenter | Qt::AlignTop;
            // A text under a corner of the box stays inside the plot area.
            if (t.rect.left() < plot.left()) t.rect.moveLeft(plot.left());
            if (t.rect.right() > plot.right()) t.rect.moveRight(std::max(plot.left(), plot.right() - w));
        } else {
            t.rect = QRectF(d.x() + 6 * u, d.y() - h / 2 + 2 * u, w, h);
            t.align = Qt::AlignLeft | Qt::AlignVCenter;
        }
        // A named row seen nearly edge-on is lifted until it is clear.
        if (axis == 2 && a.namedRows)
            while (clashes(t.rect) && t.rect.top() - h >= plot.top())
                t.rect.translate(0, -h);
        // A depth value at the floor's front corner touches the x text under
        // that corner: it is raised just clear of it (less than a line), so that
        // the axis keeps its first value beside its tick.
        if (axis == 2 && !a.namedRows && clashesTaken(t.rect)) {
            const double lowest = t.rect.top();
            while (clashesTaken(t.rect) && lowest - t.rect.top() < h)
                t.rect.translate(0, -u);
        }
        if (!clashes(t.rect)) out.push_back(t);
    }
    return out;
}

QPointF Box3DScene::tickPoint(int axis, double position) const {
    if (axis == 1) {
        // Values: along the vertical edge furthest to the left.
        double edgeX = 0, edgeZ = 0, leftMost = 1e300;
        for (int e = 0; e < 4; ++e) {
            const QPointF d = toDevice(e & 1, 0, e >> 1);
            if (d.x() < leftMost) {
                leftMost = d.x();
                edgeX = e & 1;
                edgeZ = e >> 1;
            }
        }
        return toDevice(edgeX, position, edgeZ);
    }
    if (axis == 0) {
        // Categories or x values: along the floor's front edge.
        const double frontZ = depth(0.5, 0, 0) <= depth(0.5, 0, 1) ? 0.0 : 1.0;
        return toDevice(position, 0, frontZ);
    }
    // Depth: along the floor's side edge furthest to the right.
    const double sideX = toDevice(1, 0, 0.5).x() >= toDevice(0, 0, 0.5).x() ? 1.0 : 0.0;
    return toDevice(sideX, 0, position);
}

void Box3DScene::drawAxisTexts(QPainter& p) const {
    const double u = m_frame.unit;
    p.setFont(m_frame.font);
    p.setPen(QPen(SeriesStyle::ink(), 0.9 * u));
    // Every tick gets its mark; texts only where they do not crowd.
    for (int axis = 0; axis < 3; ++axis) {
        for (double pos : m_axes[axis].positions) {
            const QPointF d = tickPoint(axis, pos);
            const QPointF to = axis == 1   ? d - QPointF(4 * u, 0)
                               : axis == 0 ? d + QPointF(0, 3 * u)
                                           : d + QPointF(4 * u, 0);
            p.drawLine(d, to);
        }
        for (const auto& t : axisTexts(axis)) {
            p.drawText(t.rect, t.align, t.text);
            if (axis != 2) continue;
            // A lifted row name is tied to its row by a thin leader.
            const QPointF tick = tickPoint(axis, m_axes[axis].positions[t.tick]) + QPointF(4 * u, 0);
            const QPointF label(t.rect.left() - 1 * u, t.rect.center().y());
            if (std::abs(label.y() - tick.y()) > t.rect.height() / 2) {
                p.save();
                p.setPen(QPen(SeriesStyle::ink(), 0.6 * u));
                p.drawLine(tick, label);
                p.restore();
            }
        }
    }
}
