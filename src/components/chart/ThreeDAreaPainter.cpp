// The 3-D area chart: each series an extruded area (a slab) in the projected box.
#include "components/chart/ThreeDAreaPainter.h"

#include "components/chart/ChartModel.h"
#include "components/chart/ChartStats.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

using zel::Projected;

namespace {

struct Slab {
    int series = 0;
    double z0 = 0, z1 = 0;
    std::vector<double> x, bottom, top; // box coordinates per point
};

struct AreaLayout {
    std::unique_ptr<Box3DScene> scene;
    std::vector<Slab> slabs; // in drawing order
};

AreaLayout areaLayout(const zel::ChartModel& m, const ChartFrame& f) {
    const int n = m.pointCount();
    const int s = m.seriesCount();
    const bool stacked = m.chartStyle() == zel::chartstyles::kAreaStacked && s > 1;

    // Values per point, as plotted: stacked series add up; unplotted points count as 0.
    std::vector<std::vector<double>> lower(static_cast<std::size_t>(s), std::vector<double>(n, 0.0));
    std::vector<std::vector<double>> upper = lower;
    double lo = 0.0, hi = 0.0;
    bool any = false;
    std::vector<double> sum(static_cast<std::size_t>(n), 0.0);
    for (int k = 1; k <= s; ++k)
        for (int i = 1; i <= n; ++i) {
            const double v = m.isPlotted(k, i) ? m.value(k, i) : 0.0;
            const double b = stacked ? sum[i - 1] : 0.0;
            lower[k - 1][i - 1] = b;
            upper[k - 1][i - 1] = b + v;
            if (stacked) sum[i - 1] += v;
            lo = any ? std::min(lo, b + v) : std::min(0.0, b + v);
            hi = any ? std::max(hi, b + v) : std::max(0.0, b + v);
            any = true;
        }
    const zel::AxisScale scale = box3DValueScale(m, lo, hi);

    std::vector<QString> cats = box3DCategoryLabels(m);
    Box3DAxis xAxis;
    xAxis.gridLines = true;
    const int every = std::max(1, (n + 29) / 30);
    auto xAt = [n](int i) { return n > 1 ? (i - 1) / static_cast<double>(n - 1) : 0.5; };
    for (int i = 1; i <= n; i += every) {
        xAxis.positions.push_back(xAt(i));
        xAxis.texts.push_back(cats[static_cast<std::size_t>(i - 1)]);
    }
    Box3DAxis zAxis = stacked ? Box3DAxis() : Box3DAxis::seriesRows(box3DSeriesLabels(m));
    const double boxDepth = stacked ? 0.2 : std::min(0.75, 0.14 * s + 0.06);

    AreaLayout out;
    out.scene =
        std::make_unique<Box3DScene>(m, f, 1.0, 0.62, boxDepth, xAxis, Box3DAxis::numeric(scale), zAxis);
    for (int k = 1; k <= s; ++k) {
        Slab slab;
        slab.series = k;
        if (stacked) {
            slab.z0 = 0.15;
            slab.z1 = 0.85;
        } else {
            slab.z0 = (k - 1 + 0.15) / s;
            slab.z1 = (k - 0.15) / s;
        }
        for (int i = 1; i <= n; ++i) {
            slab.x.push_back(xAt(i));
            slab.bottom.push_back(Box3DAxis::toBox(scale, lower[k - 1][i - 1]));
            slab.top.push_back(Box3DAxis::toBox(scale, upper[k - 1][i - 1]));
        }
        out.slabs.push_back(std::move(slab));
    }
    if (!stacked) {
        const Box3DScene& scene = *out.scene;
        std::stable_sort(out.slabs.begin(), out.slabs.end(), [&](const Slab& a, const Slab& b) {
            return scene.depth(0.5, 0.5, (a.z0 + a.z1) / 2) > scene.depth(0.5, 0.5, (b.z0 + b.z1) / 2);
        });
    }
    return out;
}

// The front face of a slab (the area between bottom and top at z).
std::vector<Projected> frontFace(const Box3DScene& scene, const Slab& slab, double z) {
    std::vector<Projected> poly;
    const std::size_t n = slab.x.size();
    for (std::size_t i = 0; i < n; ++i)
        poly.push_back(scene.projection().project(slab.x[i], slab.top[i], z));
    for (std::size_t i = n; i-- > 0;)
        poly.push_back(scene.projection().project(slab.x[i], slab.bottom[i], z));
    return poly;
}

} // namespace

void ThreeDAreaPainter::paint(QPainter& p, const zel::ChartModel& m, const ChartFrame& f) const {
    const AreaLayout l = areaLayout(m, f);
    const Box3DScene& scene = *l.scene;
    const zel::Projection3D& pr = scene.projection();
    scene.drawWalls(p);
    for (const Slab& slab : l.slabs) {
        const Box3DFill fill = scene.seriesFill(slab.series);
        const std::size_t n = slab.x.size();
        const bool frontIsNear = scene.depth(0.5, 0.5, slab.z0) <= scene.depth(0.5, 0.5, slab.z1);
        const double zNear = frontIsNear ? slab.z0 : slab.z1;
        // The strips along the top (and the bottom when seen from below), farthest first.
        struct Strip {
            std::vector<Projected> c;
            double depth;
            double shade;
        };
        std::vector<Strip> strips;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            for (int edge = 0; edge < 2; ++edge) {
                const std::vector<double>& y = edge == 0 ? slab.top : slab.bottom;
                Strip st;
                st.c = {pr.project(slab.x[i], y[i], slab.z0), pr.project(slab.x[i + 1], y[i + 1], slab.z0),
                        pr.project(slab.x[i + 1], y[i + 1], slab.z1), pr.project(slab.x[i], y[i], slab.z1)};
                st.depth = scene.depth((slab.x[i] + slab.x[i + 1]) / 2, (y[i] + y[i + 1]) / 2,
                                       (slab.z0 + slab.z1) / 2);
                // Rising strips face the light less than falling ones.
                st.shade = edge == 0 ? (y[i + 1] >= y[i] ? 1.05 : 1.25) : 0.6;
                strips.push_back(std::move(st));
            }
        }
        // The end caps take their place among the strips: the one turned away
        // lies behind the strips next to it and is covered by them.
        if (n > 0)
            for (std::size_t i : {std::size_t{0}, n - 1}) {
                Strip cap;
                cap.c = {pr.project(slab.x[i], slab.bottom[i], slab.z0), pr.project(slab.x[i], slab.top[i], slab.z0),
                         pr.project(slab.x[i], slab.top[i], slab.z1), pr.project(slab.x[i], slab.bottom[i], slab.z1)};
                cap.depth = scene.depth(slab.x[i], (slab.bottom[i] + slab.top[i]) / 2, (slab.z0 + slab.z1) / 2);
                cap.shade = 0.8;
                strips.push_back(std::move(cap));
            }
        std::stable_sort(strips.begin(), strips.end(),
                         [](const Strip& a, const Strip& b) { return a.depth > b.depth; });
        for (const Strip& st : strips)
            scene.drawFace(p, st.c, fill, st.shade);
        // The near face last.
        if (n > 0) scene.drawFace(p, frontFace(scene, slab, zNear), fill, 1.0);
    }
    scene.drawAxisTexts(p);
}

std::optional<ChartHit> ThreeDAreaPainter::hitTest(const zel::ChartModel& m, const ChartFrame& f,
                                                   QPointF pos) const {
    const AreaLayout l = areaLayout(m, f);
    const Box3DScene& scene = *l.scene;
    // The nearest slab is drawn last. A hit on a slab's near face reports the nearest point.
    for (auto it = l.slabs.rbegin(); it != l.slabs.rend(); ++it) {
        const Slab& slab = *it;
        const double zNear =
            scene.depth(0.5, 0.5, slab.z0) <= scene.depth(0.5, 0.5, slab.z1) ? slab.z0 : slab.z1;
        QPolygonF poly;
        for (const Projected& c : frontFace(scene, slab, zNear))
            poly << scene.device(c);
        if (!poly.containsPoint(pos, Qt::OddEvenFill)) continue;
        int best = 1;
        double bestDist = 1e300;
        for (std::size_t i = 0; i < slab.x.size(); ++i) {
            const double d = std::abs(scene.toDevice(slab.x[i], slab.top[i], zNear).x() - pos.x());
            if (d < bestDist) {
                bestDist = d;
                best = static_cast<int>(i) + 1;
            }
        }
        return ChartHit{slab.series, best};
    }
    return std::nullopt;
}
