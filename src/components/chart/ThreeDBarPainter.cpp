// The 3-D bar chart: bars as cuboids in the projected box, drawn farthest first.
#include "components/chart/ThreeDBarPainter.h"

#include "components/chart/ChartModel.h"
#include "components/chart/ChartStats.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

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

    const bool singleSeries = s == 1;
    for (int k = 1; k <= s; ++k) {
        for (int i = 1; i <= n; ++i) {
            if (!m.isPlotted(k, i)) continue;
            Bar b;
            b.series = k;
            b.point = i;
            double c0, c1; // along the categories
            if (alongZ) {
                // Narrower with rows behind, so that the rows further back show
                // beside the ones in front.
                const double margin = s > 1 ? 0.24 : 0.15;
                c0 = (i - 1 + margin) / n;
                c1 = (i - margin) / n;
                b.z0 = (k - 1 + 0.18) / s;
                b.z1 = (k - 0.18) / s;
            } else {
                const double slot = 0.8 / (static_cast<double>(n) * s);
                c0 = (i - 1 + 0.1) / n + (k - 1) * slot + 0.04 * slot;
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
            if (v1 - v0 < 1e-9) continue;
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
