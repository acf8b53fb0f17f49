// The 3-D scatter diagram: points in the projected box, farthest first.
#include "components/chart/ThreeDScatterPainter.h"

#include "components/chart/ChartModel.h"
#include "components/chart/ChartStats.h"
#include "components/chart/HitIndex.h"
#include "components/chart/SeriesStyle.h"

#include <QImage>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include <numeric>

namespace {

zel::AxisScale numericScale(double lo, double hi, const zel::AxisSettings& settings) {
    return zel::computeAxis(lo, hi, zel::axisRequest(settings, kBoxAxisIntervals));
}

struct Extent {
    bool valid = false;
    double lo = 0, hi = 0;
    void add(double v) {
        if (!std::isfinite(v)) return;
        lo = valid ? std::min(lo, v) : v;
        hi = valid ? std::max(hi, v) : v;
        valid = true;
    }
};

// From this many points on, lines are drawn without smoothing and markers smaller.
constexpr std::size_t kManyPoints = 2000;
// The points of one piece of a joined line.
constexpr qsizetype kJoinedPiece = 32;

double xOf(const zel::ChartModel& m, int k, int i) {
    return m.hasXPositions() ? m.xPos(k, i) : i;
}
double zOf(const zel::ChartModel& m, int k, int i) {
    return m.hasZPositions() ? m.zPos(k, i) : k;
}

} // namespace

ThreeDScatterPainter::Layout ThreeDScatterPainter::layout(const zel::ChartModel& m, const ChartFrame& f) {
    Extent ex, ey, ez;
    for (int k = 1; k <= m.seriesCount(); ++k)
        for (int i = 1; i <= m.pointCount(); ++i) {
            if (!m.isPlotted(k, i)) continue;
            ex.add(xOf(m, k, i));
            ey.add(m.value(k, i));
            ez.add(zOf(m, k, i));
        }
    const zel::AxisScale sx = numericScale(ex.lo, ex.hi, m.xAxis());
    const zel::AxisScale sy = box3DValueScale(m, ey.lo, ey.hi);
    const zel::AxisScale sz = numericScale(ez.lo, ez.hi, zel::AxisSettings{});

    Layout out;
    out.scene = std::make_unique<Box3DScene>(m, f, 1.0, 0.8, 1.0, Box3DAxis::numeric(sx),
                                             Box3DAxis::numeric(sy), Box3DAxis::numeric(sz));
    const zel::Projection3D& pr = out.scene->projection();
    out.points.reserve(static_cast<std::size_t>(m.seriesCount()) * static_cast<std::size_t>(m.pointCount()));
    for (int k = 1; k <= m.seriesCount(); ++k)
        for (int i = 1; i <= m.pointCount(); ++i) {
            if (!m.isPlotted(k, i)) continue;
            const double x = xOf(m, k, i), z = zOf(m, k, i);
            if (!std::isfinite(x) || !std::isfinite(z)) continue;
            Point pt;
            pt.series = k;
            pt.point = i;
            pt.x = Box3DAxis::toBox(sx, x);
            pt.y = Box3DAxis::toBox(sy, m.value(k, i));
            pt.z = Box3DAxis::toBox(sz, z);
            const zel::Projected pj = pr.project(pt.x, pt.y, pt.z);
            pt.device = out.scene->device(pj);
            pt.depth = pj.depth;
            out.points.push_back(pt);
        }
    return out;
}

void ThreeDScatterPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    const Layout l = layout(m, f);
    const Box3DScene& scene = *l.scene;
    const bool mono = f.monochrome;
    const double u = f.unit;
    const int style = m.chartStyle();
    scene.drawWalls(p);
    // The ticks and texts before the data: a point on an edge stays on top.
    scene.drawAxisTexts(p);

    if (style == zel::chartstyles::kScatter3DJoined) {
        // Joined in point order within each series. A long line goes out in
        // short pieces that share their end points: stroking thousands of
        // crossing segments as one path costs far more than the pieces.
        const bool many = l.points.size() > kManyPoints;
        p.save();
        if (many) p.setRenderHint(QPainter::Antialiasing, false);
        std::size_t i = 0;
        while (i < l.points.size()) {
            const int k = l.points[i].series;
            QPolygonF line;
            for (; i < l.points.size() && l.points[i].series == k; ++i)
                line << l.points[i].device;
            QPen pen = SeriesStyle::linePen(k, mono, u, 1.2);
            // Thousands of points make a dense web of long segments: like the
            // drop lines they are drawn without smoothing, one device pixel wide
            // on screen (the fast thin-line path) and scaled on paper.
            if (many && u < 1.5) pen.setWidthF(0.0);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            for (qsizetype from = 0; from + 1 < line.size(); from += kJoinedPiece)
                p.drawPolyline(line.constData() + from,
                               static_cast<int>(std::min<qsizetype>(kJoinedPiece + 1, line.size() - from)));
            if (line.size() == 1) p.drawPolyline(line);
        }
        p.restore();
    } else if (style == zel::chartstyles::kScatter3DDropLines) {
        // Drop lines to the floor, with a small foot mark; one path per series
        // (a PDF or SVG file then holds one element, not two per point).
        // The drop lines stand upright on the screen: with many points they are
        // drawn without smoothing, which is several times faster and as crisp.
        p.save();
        if (l.points.size() > kManyPoints) p.setRenderHint(QPainter::Antialiasing, false);
        std::size_t i = 0;
        while (i < l.points.size()) {
            const int k = l.points[i].series;
            QPainterPath lines;
            for (; i < l.points.size() && l.points[i].series == k; ++i) {
                const Point& pt = l.points[i];
                const QPointF foot = scene.toDevice(pt.x, 0.0, pt.z);
                lines.moveTo(pt.device);
                lines.lineTo(foot);
                lines.moveTo(foot - QPointF(2.5 * u, 0));
                lines.lineTo(foot + QPointF(2.5 * u, 0));
            }
            const QColor c = mono ? QColor(90, 90, 90) : SeriesStyle::colour(k).darker(110);
            // One device pixel on screen (the fast thin-line path); scaled on paper.
            p.setPen(QPen(c, u >= 1.5 ? 0.9 * u : 0.0));
            p.setBrush(Qt::NoBrush);
            p.drawPath(lines);
        }
        p.restore();
    }

    std::vector<std::size_t> order(l.points.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return l.points[a].depth > l.points[b].depth; });
    const double size = (l.points.size() > kManyPoints ? 5.0 : 7.0) * u;
    // Many points on a raster target: each series' marker is drawn once into a
    // small picture and stamped, instead of outlining thousands of ellipses.
    // Vector targets (printer, PDF, SVG) keep real shapes.
    const QPaintDevice* device = p.device();
    const int devType = device ? device->devType() : 0;
    const bool rasterTarget =
        devType == QInternal::Image || devType == QInternal::Pixmap || devType == QInternal::Widget;
    const bool stamps =
        rasterTarget && l.points.size() > kManyPoints && p.transform().type() <= QTransform::TxTranslate;
    const qreal dpr = device ? device->devicePixelRatioF() : 1.0;
    // Thousands of circles on a PDF page (a report's file, a print): each is an
    // outline dot and a fill dot of a round pen, which the reader draws, a few
    // bytes each instead of two sets of four curves that the file must compress.
    const bool pdfDots =
        l.points.size() > kManyPoints && p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Pdf;
    int lastSeries = 0;
    QPen pen;
    QBrush brush;
    SeriesStyle::Marker shape = SeriesStyle::Marker::Circle;
    QImage stamp;
    QPointF stampOffset;
    for (std::size_t idx : order) {
        const Point& pt = l.points[idx];
        if (pt.series != lastSeries) {
            lastSeries = pt.series;
            pen = QPen(mono ? QColor(Qt::black) : SeriesStyle::colour(pt.series).darker(150), 0.8 * u);
            brush = SeriesStyle::markerBrush(pt.series, mono);
            shape = SeriesStyle::marker(pt.series);
            if (stamps) {
                const double extent = size + 2 * pen.widthF() + 2;
                const int px = static_cast<int>(std::ceil(extent * dpr));
                stamp = QImage(px, px, QImage::Format_ARGB32_Premultiplied);
                stamp.setDevicePixelRatio(dpr);
                stamp.fill(Qt::transparent);
                QPainter sp(&stamp);
                sp.setRenderHint(QPainter::Antialiasing, true);
                const double half = px / dpr / 2.0;
                SeriesStyle::drawMarker(sp, QPointF(half, half), shape, size, pen, brush);
                stampOffset = QPointF(half, half);
            }
        }
        if (stamps)
            p.drawImage(pt.device - stampOffset, stamp);
        else if (pdfDots && shape == SeriesStyle::Marker::Circle) {
            const QLineF dot(pt.device, pt.device + QPointF(0.01 * u, 0));
            p.setPen(QPen(pen.color(), size + pen.widthF(), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(dot);
            p.setPen(QPen(brush.color(), size - pen.widthF(), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(dot);
        } else
            SeriesStyle::drawMarker(p, pt.device, shape, size, pen, brush);
    }
}

std::optional<ChartHit> ThreeDScatterPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                                      QPointF pos) const {
    const Layout l = layout(m, f);
    std::vector<zel::HitPoint> pts;
    pts.reserve(l.points.size());
    // Nearer points are drawn over farther ones: add them last so that they win ties.
    std::vector<const Point*> order;
    for (const Point& pt : l.points)
        order.push_back(&pt);
    std::stable_sort(order.begin(), order.end(),
                     [](const Point* a, const Point* b) { return a->depth > b->depth; });
    for (const Point* pt : order)
        pts.push_back({pt->device.x(), pt->device.y(), pt->series, pt->point});
    zel::HitIndex index;
    index.build(std::move(pts));
    const auto hit = index.nearest(pos.x(), pos.y(), 8.0 * f.unit);
    if (!hit) return std::nullopt;
    return ChartHit{hit->series, hit->point};
}
