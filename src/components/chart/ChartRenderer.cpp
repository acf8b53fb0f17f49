// The render path: layout, frame (titles, legend, axes, grid), the family's painter from
// the dispatch table, statistics lines, control-line names and the overlay.
#include "components/chart/ChartRenderer.h"

#include "components/chart/BarPainter.h"
#include "components/chart/ChartLayout.h"
#include "components/chart/ChartModel.h"
#include "components/chart/GanttPainter.h"
#include "components/chart/LinePainter.h"
#include "components/chart/ScatterPainter.h"
#include "components/chart/SeriesStyle.h"
#include "components/chart/StatsPainter.h"
#include "components/chart/ThreeDPainters.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using zel::ChartModel;
using zel::ChartType;

namespace {

const ChartPainter& painterFor(ChartType type) {
    static const BarPainter bar;
    static const LinePainter line;
    static const ScatterPainter scatter;
    static const GanttPainter gantt;
    static const StatsPainter stats;
    switch (type) {
    case ChartType::Pie:
        return piePainter();
    case ChartType::Pie3D:
        return pie3DPainter();
    case ChartType::Bar3D:
        return bar3DPainter();
    case ChartType::Area3D:
        return area3DPainter();
    case ChartType::Scatter3D:
        return scatter3DPainter();
    case ChartType::Bar:
        return bar;
    case ChartType::Gantt:
        return gantt;
    case ChartType::Scatter:
        return scatter;
    case ChartType::StatsByVariable:
        return stats;
    case ChartType::Line:
    case ChartType::Logarithmic:
    case ChartType::Area:
    case ChartType::Band:
    case ChartType::TimeSeries:
        break;
    }
    return line;
}

double unitOf(const QPaintDevice* d, const ChartRenderer::Options& o) {
    if (o.unit > 0) return o.unit;
    return d && d->logicalDpiX() > 0 ? d->logicalDpiX() / 96.0 : 1.0;
}

// On screen and in images Noto Sans CJK reads best (IPAGothic's small decimal
// point looks like a comma); printers, PDF and SVG get IPAGothic, whose text
// extracts correctly from a PDF. Hit tests (no painter) measure as the screen.
QFont chartFont(double unit, const QRectF& target, const QPaintDevice* device) {
    const int type = device ? device->devType() : QInternal::Widget;
    const bool raster = type == QInternal::Widget || type == QInternal::Image || type == QInternal::Pixmap;
    QFont font(raster ? QStringLiteral("Noto Sans CJK JP") : QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::SansSerif);
    const double scale = std::clamp(std::min(target.width(), target.height()) / (520.0 * unit), 1.0, 1.35);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12.0 * unit * scale))));
    return font;
}

// The overlay: mode 1 at OverlayXPos on the left axis (sticks or symbols), mode 2 at the
// categories on the right axis (a line with symbols, the Pareto cumulative line). Mode 1
// marks stand among the data (the histogram's mean markers): they take the mark ink,
// dashed in monochrome, so that they are not read as values of a series.
void paintOverlay(QPainter& p, const ChartModel& m, const ChartLayout& l) {
    if (m.overlayMode() == zel::overlaymodes::kOff) return;
    const double u = l.unit();
    const bool mono = l.monochrome();
    const bool amongData = m.overlayMode() == zel::overlaymodes::kLeftAxis;
    const QColor colour = amongData ? SeriesStyle::markInk(mono)
                          : mono    ? QColor(Qt::black)
                                    : SeriesStyle::colour(std::max(1, m.overlayColour()));
    const double size = std::max(3, m.overlaySymbolSize()) * u * 0.75;
    const auto shape = m.overlaySymbol() == 5    ? SeriesStyle::Marker::Triangle
                       : m.overlaySymbol() == 13 ? SeriesStyle::Marker::Circle
                                                 : SeriesStyle::Marker::Square;
    std::vector<QPointF> pts;
    std::vector<double> bases;
    for (int pt = 1; pt <= m.pointCount(); ++pt) {
        const double v = m.overlayValueAt(pt);
        if (!std::isfinite(v)) continue;
        if (m.overlayMode() == zel::overlaymodes::kRightAxis) {
            pts.emplace_back(l.categoryPos(pt), l.rightPos(v));
            bases.push_back(l.rightPos(m.overlayBase() == 0 ? l.rightAxis().min : 0.0));
        } else {
            const double x = m.overlayXPosAt(pt);
            const double along = l.alongAt(std::isfinite(x) ? x : pt);
            pts.push_back(l.at(along, l.valuePos(v)));
            bases.push_back(
                l.valuePos(m.overlayBase() == 0 ? std::min(l.valueAxis().min, l.valueAxis().max) : 0.0));
        }
    }
    if (pts.empty()) return;
    p.save();
    p.setClipRect(l.plot().adjusted(-8 * u, -8 * u, 8 * u, 8 * u));
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(colour, 1.8 * u);
    pen.setCapStyle(Qt::FlatCap);
    if (amongData && mono) pen.setStyle(Qt::DashLine);
    // As on a line chart: more points than the plot has pixel columns draw the
    // line a pixel column at a time, and with more than one per three columns
    // the symbols would only smear the line, so they are left off.
    const double plotW = l.plot().width() / std::max(u, 1e-9);
    const auto count = static_cast<double>(pts.size());
    if (m.overlayKind() == 3) {
        // Sticks from the base up to each value, a symbol on top.
        for (std::size_t i = 0; i < pts.size(); ++i) {
            p.setPen(pen);
            const QPointF b = l.horizontal() ? QPointF(bases[i], pts[i].y()) : QPointF(pts[i].x(), bases[i]);
            p.drawLine(b, pts[i]);
        }
    } else {
        p.setPen(pen);
        const QPolygonF line(QList<QPointF>(pts.begin(), pts.end()));
        if (count > plotW * 2 && !l.horizontal() && monotoneX(line))
            p.drawPolyline(decimatedRun(line, u));
        else
            p.drawPolyline(line);
    }
    if (count <= plotW / 3)
        for (const auto& q : pts)
            SeriesStyle::drawMarker(p, q, shape, size, QPen(colour, 1.0 * u),
                                    QBrush(mono ? QColor(Qt::white) : colour));
    p.restore();
}

// The overlaid curve (a fitted density over a histogram): a smooth line through its
// points, over the data. A curve with more points than the plot has pixel columns is
// joined point to point; with fewer, each span is a cubic through its neighbours
// (Catmull-Rom), so that a few dozen points already look smooth.
void paintCurve(QPainter& p, const ChartModel& m, const ChartLayout& l) {
    if (!m.drawsCurve() || l.horizontal()) return;
    const double u = l.unit();
    QPolygonF pts;
    for (const zel::CurvePoint& c : m.curvePoints())
        pts << QPointF(l.alongAt(c.x), l.valuePos(c.y));
    QPainterPath path(pts.front());
    if (static_cast<double>(pts.size()) > l.plot().width() / std::max(u, 1e-9)) {
        path.addPolygon(pts);
    } else {
        for (qsizetype i = 0; i + 1 < pts.size(); ++i) {
            const QPointF p0 = pts[std::max<qsizetype>(i - 1, 0)], p1 = pts[i], p2 = pts[i + 1],
                          p3 = pts[std::min(i + 2, pts.size() - 1)];
            path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
        }
    }
    p.save();
    p.setClipRect(l.plot());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    // A white casing under the curve keeps it apart from the bars' outlines.
    QPen casing(Qt::white, 3.6 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(casing);
    p.drawPath(path);
    p.setPen(
        QPen(SeriesStyle::curveInk(l.monochrome()), 2.2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

// The vertical reference lines of an upright chart and their names: each name on a
// tag at the top of the plot, centred on its line; a tag that would cover another
// moves down by a tag's height.
void paintReferenceLines(QPainter& p, const ChartModel& m, const ChartLayout& l) {
    if (m.referenceLines().empty() || l.horizontal()) return;
    const double u = l.unit();
    const bool mono = l.monochrome();
    const QRectF plot = l.plot();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPen pen = SeriesStyle::referenceLinePen(mono, u);
    std::vector<QRectF> tags;
    QFont font = l.font();
    font.setBold(true);
    p.setFont(font);
    const QFontMetricsF fm(font);
    for (const zel::ReferenceLine& r : m.referenceLines()) {
        const double x = l.alongAt(r.x);
        if (x < plot.left() - 0.5 * u || x > plot.right() + 0.5 * u) continue;
        p.setPen(pen);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        if (r.label.empty()) continue;
        const QString text = QString::fromStdString(r.label);
        QRectF tag(0, 0, fm.horizontalAdvance(text) + 8 * u, fm.height() + 2 * u);
        tag.moveCenter(QPointF(x, plot.top() + 3 * u + tag.height() / 2));
        if (tag.left() < plot.left() + u) tag.moveLeft(plot.left() + u);
        if (tag.right() > plot.right() - u) tag.moveRight(plot.right() - u);
        while (std::any_of(tags.begin(), tags.end(), [&](const QRectF& t) { return t.intersects(tag); }))
            tag.translate(0, tag.height() + 2 * u);
        tags.push_back(tag);
        p.setPen(QPen(pen.color(), 1.0 * u));
        p.setBrush(Qt::white);
        p.drawRect(tag);
        p.drawText(tag, Qt::AlignCenter, text);
    }
    p.restore();
}

} // namespace

namespace ChartRenderer {

namespace {

struct Prepared {
    double unit;
    QFont font;
    ChartLayout layout;
    ChartFrame frame;
};

Prepared prepare(const ChartModel& model, const QPaintDevice* device, const QRectF& target,
                 const Options& options) {
    const double unit = unitOf(device, options);
    const QFont font = chartFont(unit, target, device);
    Prepared pr{unit, font, ChartLayout(model, target, font, unit, options.monochrome, options.insets), {}};
    pr.frame.plot = pr.layout.plot();
    pr.frame.font = font;
    pr.frame.unit = unit;
    pr.frame.monochrome = options.monochrome;
    return pr;
}

} // namespace

void render(const ChartModel& model, QPainter* painter, const QRectF& target, const Options& options) {
    if (!painter || target.width() <= 0 || target.height() <= 0) return;
    Prepared pr = prepare(model, painter->device(), target, options);
    const ChartLayout& l = pr.layout;
    const bool cartesian = ChartLayout::isCartesian(l.family());
    pr.frame.layout = cartesian ? &l : nullptr;
    QPainter& p = *painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setClipRect(target);
    l.paintBackground(p);
    l.paintTitles(p, model);
    l.paintLegend(p, model);
    const ChartPainter& painterImpl = painterFor(model.chartType());
    if (cartesian) {
        l.paintGrid(p, model);
        l.paintFrame(p);
        // Statistics lines are references: under the data and the control lines.
        l.paintStatLines(p);
        painterImpl.paint(p, model, pr.frame);
        paintCurve(p, model, l);
        paintOverlay(p, model, l);
        paintReferenceLines(p, model, l);
        l.paintControlLabels(p);
        l.paintAxes(p);
    } else {
        painterImpl.paint(p, model, pr.frame);
    }
    p.restore();
}

ChartLayout layoutFor(const ChartModel& model, const QRectF& target, const Options& options,
                      const QPaintDevice* device) {
    return prepare(model, device, target, options).layout;
}

PlotInsets sharedInsets(const std::vector<const ChartModel*>& models, const QRectF& target,
                        const Options& options, const QPaintDevice* device) {
    PlotInsets shared;
    if (models.size() < 2) return shared;
    // Each chart's own insets first; then again with the shared ones, since a side
    // made wider can change the depth of the category labels and with it the axis.
    for (int pass = 0; pass < 3; ++pass) {
        Options o = options;
        o.insets = shared;
        PlotInsets next = shared;
        for (const ChartModel* m : models) {
            if (!m) continue;
            const ChartLayout l = layoutFor(*m, target, o, device);
            if (!ChartLayout::isCartesian(l.family())) continue;
            next.left = std::max(next.left, l.plot().left() - target.left());
            next.right = std::max(next.right, target.right() - l.plot().right());
        }
        if (next.left == shared.left && next.right == shared.right) break;
        shared = next;
    }
    return shared;
}

std::optional<ChartHit> hitTest(const ChartModel& model, const QRectF& target, QPointF pos,
                                const Options& options) {
    if (target.width() <= 0 || target.height() <= 0) return std::nullopt;
    Prepared pr = prepare(model, nullptr, target, options);
    pr.frame.layout = ChartLayout::isCartesian(pr.layout.family()) ? &pr.layout : nullptr;
    return painterFor(model.chartType()).hitTest(model, pr.frame, pos);
}

std::optional<QPointF> pointCentre(const ChartModel& model, const QRectF& target, int series, int point,
                                   const Options& options) {
    if (target.width() <= 0 || target.height() <= 0 || !model.isPlotted(series, point)) return std::nullopt;
    const ChartLayout::Family family = ChartLayout::familyOf(model);
    const bool stackedArea =
        model.chartType() == zel::ChartType::Area && model.chartStyle() == zel::chartstyles::kAreaStacked;
    if ((family != ChartLayout::Family::Line && family != ChartLayout::Family::Scatter) || stackedArea)
        return std::nullopt;
    const ChartLayout l = prepare(model, nullptr, target, options).layout;
    const double v = model.value(series, point);
    if (!std::isfinite(v)) return std::nullopt;
    return l.at(l.alongOf(model, series, point), l.valuePos(v));
}

} // namespace ChartRenderer
