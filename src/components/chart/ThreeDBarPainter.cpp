// The 3-D bar chart: bars as cuboids in the projected box, drawn farthest first.
#include "components/chart/ThreeDBarPainter.h"

#include "components/chart/ChartModel.h"
#include "components/chart/ChartStats.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The narrowest a bar is drawn along the category axis, in pixels at unit 1.
constexpr double kMinBarPixels = 1.5;

} // namespace

ThreeDBarPainter::Layout ThreeDBarPainter::layout(const zel::ChartModel& m, const ChartFrame& f) {
    const int n = m.pointCount();
    const int s = m.seriesCount();
    const int style = m.chartStyle();
    const bool horizontal = style == zel::chartstyles::kBarHorizontal ||
                            style == zel::chartstyles::kBarStackedHorizontal ||
                            style == zel::chartstyles::kBarAlongZHorizontal;
    const bool alongZ =
        style == zel::chartstyles::kBarAlongZ || style == zel::chartstyles::kBarAlongZHorizontal;

    const zel::ValueExtent ext = zel::valueExtent(m, {});
    double lo = ext.valid ? ext.min : 0.0, hi = ext.valid ? ext.max : 1.0;
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    const zel::AxisScale scale = box3DValueScale(m, lo, hi);
    const double base = Box3DAxis::toBox(scale, std::clamp(0.0, scale.min, scale.max));

    Box3DAxis categories = Box3DAxis::categories(box3DCategoryLabels(m), horizontal ? 25 : 30);
    Box3DAxis values = Box3DAxis::numeric(scale);
    Box3DAxis depth = alongZ ? Box3DAxis::seriesRows(box3DSeriesLabels(m)) : Box3DAxis();
    if (horizontal)
        for (double& pos : categories.positions)
            pos = 1.0 - pos; // the first category at the top

    Layout out;
    const double boxDepth = alongZ ? std::min(0.75, 0.14 * s + 0.06) : 0.18;
    if (horizontal)
        out.scene = std::make_unique<Box3DScene>(m, f, 1.0, 0.75, boxDepth, values, categories, depth);
    else
        out.scene = std::make_unique<Box3DScene>(m, f, 1.0, 0.62, boxDepth, categories, values, depth);

    // More bars than the category axis has pixels: neighbouring categories
    // share one place, where each series stands as its highest bar above the
    // base and its lowest below it (each reported as its own point), which is
    // what a pixel could show of them. Fewer bars cost far less to draw.
    const Box3DScene& sc = *out.scene;
    const QPointF axisEnd = horizontal ? sc.toDevice(0, 1, 0) : sc.toDevice(1, 0, 0);
    const QPointF axisStart = sc.toDevice(0, 0, 0);
    const double axisPixels = std::hypot(axisEnd.x() - axisStart.x(), axisEnd.y() - axisStart.y());
    const int barsPerPlace = alongZ ? 1 : s;
    const int places = std::max(1, static_cast<int>(axisPixels / (kMinBarPixels * f.unit * barsPerPlace)));
    const int group = n > places ? (n + places - 1) / places : 1;

    const bool singleSeries = s == 1;
    const auto addBar = [&](int k, int i, int first, int last) {
        Bar b;
        b.series = k;
        b.point = i;
        const double from = (first - 1.0) / n, width = static_cast<double>(last - first + 1) / n;
        double c0, c1; // along the categories
        if (alongZ) {
            // Narrower with rows behind, so that the rows further back show
            // beside the ones in front.
            const double margin = s > 1 ? 0.24 : 0.15;
            c0 = from + margin * width;
            c1 = from + (1 - margin) * width;
            b.z0 = (k - 1 + 0.18) / s;
            b.z1 = (k - 0.18) / s;
        } else {
            const double slot = 0.8 * width / s;
            c0 = from + 0.1 * width + (k - 1) * slot + 0.04 * slot;
            c1 = c0 + 0.92 * slot;
            b.z0 = 0.2;
            b.z1 = 0.8;
        }
        if (m.pointSeparatedAt(i) != 0 && (singleSeries || !alongZ)) {
            // Pulled out towards the viewer by most of its own depth.
            const double d = (b.z1 - b.z0) * 0.8 + (alongZ ? 0.0 : 0.2);
            b.z0 -= d;
            b.z1 -= d;
        }
        const double v = Box3DAxis::toBox(scale, m.value(k, i));
        const double v0 = std::min(base, v), v1 = std::max(base, v);
        // A bar of no length is not drawn, as on a flat chart.
        if (v1 - v0 < 1e-9) return;
        if (horizontal) {
            b.x0 = v0;
            b.x1 = v1;
            b.y0 = 1.0 - c1;
            b.y1 = 1.0 - c0;
        } else {
            b.x0 = c0;
            b.x1 = c1;
            b.y0 = v0;
            b.y1 = v1;
        }
        out.bars.push_back(b);
    };
    for (int k = 1; k <= s; ++k) {
        for (int first = 1; first <= n; first += group) {
            const int last = std::min(n, first + group - 1);
            if (group == 1) {
                if (m.isPlotted(k, first)) addBar(k, first, first, first);
                continue;
            }
            int highest = 0, lowest = 0;
            for (int i = first; i <= last; ++i) {
                if (!m.isPlotted(k, i)) continue;
                const double v = m.value(k, i);
                if (v > 0 && (highest == 0 || v > m.value(k, highest))) highest = i;
                if (v < 0 && (lowest == 0 || v < m.value(k, lowest))) lowest = i;
            }
            if (highest != 0) addBar(k, highest, first, last);
            if (lowest != 0) addBar(k, lowest, first, last);
        }
    }
    const Box3DScene& scene = *out.scene;
    std::stable_sort(out.bars.begin(), out.bars.end(), [&](const Bar& a, const Bar& b) {
        return scene.depth((a.x0 + a.x1) / 2, (a.y0 + a.y1) / 2, (a.z0 + a.z1) / 2) >
               scene.depth((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, (b.z0 + b.z1) / 2);
    });
    return out;
}

void ThreeDBarPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    const Layout l = layout(m, f);
    const Box3DScene& scene = *l.scene;
    scene.drawWalls(p);
    const bool marks = m.seriesCount() == 1;
    for (const Bar& b : l.bars) {
        // Colour by series; a single series takes one colour per bar's pattern only.
        const Box3DFill fill = scene.seriesFill(b.series, marks && m.patternAt(b.point) == 4);
        scene.drawCuboid(p, b.x0, b.x1, b.y0, b.y1, b.z0, b.z1, fill);
    }
    scene.drawAxisTexts(p);
}

std::optional<ChartHit> ThreeDBarPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                                  QPointF pos) const {
    const Layout l = layout(m, f);
    const Box3DScene& scene = *l.scene;
    // The nearest bar is drawn last: look from the front.
    for (auto it = l.bars.rbegin(); it != l.bars.rend(); ++it) {
        const Bar& b = *it;
        QPolygonF hull;
        const double xs[2] = {b.x0, b.x1}, ys[2] = {b.y0, b.y1}, zs[2] = {b.z0, b.z1};
        // The silhouette of a box is inside the polygon of its eight projected corners;
        // test the six faces.
        static constexpr int kFaceCorners[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 2, 6, 4},
                                                   {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 3, 7, 6}};
        QPointF c[8];
        for (int i = 0; i < 8; ++i)
            c[i] = scene.toDevice(xs[i & 1], ys[(i >> 1) & 1], zs[(i >> 2) & 1]);
        for (const auto& face : kFaceCorners) {
            const QPolygonF poly({c[face[0]], c[face[1]], c[face[2]], c[face[3]]});
            if (poly.containsPoint(pos, Qt::OddEvenFill)) return ChartHit{b.series, b.point};
        }
    }
    return std::nullopt;
}
