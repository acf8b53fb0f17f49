// Per-series statistics and the statistics lines of the chart.
#include "components/chart/ChartStats.h"

#include "components/chart/Fit.h"

#include <algorithm>
#include <cmath>

namespace zel {

SeriesStats seriesStats(const ChartModel& model, int series) {
    SeriesStats st;
    if (series < 1 || series > model.seriesCount()) return st;
    // Two passes: the mean first, then the squares about it, so that large offsets do not
    // cancel the deviation away.
    double sum = 0.0;
    for (int p = 1; p <= model.pointCount(); ++p) {
        if (!model.isReading(series, p)) continue;
        const double v = model.value(series, p);
        if (st.count == 0) st.max = st.min = v;
        st.max = std::max(st.max, v);
        st.min = std::min(st.min, v);
        sum += v;
        ++st.count;
    }
    if (st.count == 0) return st;
    st.mean = sum / st.count;
    if (st.count < 2) return st;
    double ss = 0.0;
    for (int p = 1; p <= model.pointCount(); ++p) {
        if (!model.isReading(series, p)) continue;
        const double d = model.value(series, p) - st.mean;
        ss += d * d;
    }
    st.stdDev = std::sqrt(ss / (st.count - 1));
    return st;
}

double statX(const ChartModel& model, int series, int point) {
    return model.hasXPositions() ? model.xPos(series, point) : static_cast<double>(point);
}

std::vector<StatLine> statisticsLines(const ChartModel& model) {
    std::vector<StatLine> lines;
    const int bits = model.statLines();
    if (bits == 0) return lines;
    for (int s = 1; s <= model.seriesCount(); ++s) {
        const SeriesStats st = seriesStats(model, s);
        if (st.count == 0) continue;
        auto level = [&](StatLineKind kind, double v, int sigmas = 0) {
            StatLine l;
            l.kind = kind;
            l.series = s;
            l.value = v;
            l.sigmas = sigmas;
            lines.push_back(l);
        };
        if (bits & statlines::kMean) level(StatLineKind::Mean, st.mean);
        if (bits & statlines::kMaxMin) {
            level(StatLineKind::Max, st.max);
            level(StatLineKind::Min, st.min);
        }
        if ((bits & statlines::kSigma) && st.stdDev > 0.0) {
            for (int k = 1; k <= 3; ++k) {
                level(StatLineKind::Sigma, st.mean + k * st.stdDev, k);
                level(StatLineKind::Sigma, st.mean - k * st.stdDev, -k);
            }
        }
        if (bits & statlines::kTrend) {
            std::vector<double> xs, ys;
            xs.reserve(static_cast<std::size_t>(st.count));
            ys.reserve(static_cast<std::size_t>(st.count));
            for (int p = 1; p <= model.pointCount(); ++p) {
                if (!model.isReading(s, p)) continue;
                xs.push_back(statX(model, s, p));
                ys.push_back(model.value(s, p));
            }
            const LineFit fit = fitLine(xs, ys);
            if (fit.ok) {
                StatLine l;
                l.kind = StatLineKind::Trend;
                l.series = s;
                l.slope = fit.slope;
                l.intercept = fit.intercept;
                const auto [lo, hi] = std::minmax_element(xs.begin(), xs.end());
                l.x0 = *lo;
                l.x1 = *hi;
                l.value = fit.evaluate(l.x0);
                lines.push_back(l);
            }
        }
    }
    return lines;
}

ValueExtent valueExtent(const ChartModel& model, const std::vector<StatLine>& lines) {
    ValueExtent e;
    auto take = [&e](double v) {
        if (!std::isfinite(v)) return;
        if (!e.valid) {
            e.min = e.max = v;
            e.valid = true;
        }
        e.min = std::min(e.min, v);
        e.max = std::max(e.max, v);
    };
    const auto& values = model.values();
    for (int s = 1; s <= model.seriesCount(); ++s)
        for (int p = 1; p <= model.pointCount(); ++p)
            if (model.isPlotted(s, p))
                take(values[static_cast<std::size_t>(s - 1) * static_cast<std::size_t>(model.pointCount()) +
                            static_cast<std::size_t>(p - 1)]);
    for (const StatLine& l : lines) {
        if (l.kind == StatLineKind::Trend) {
            take(l.valueAt(l.x0));
            take(l.valueAt(l.x1));
        } else {
            take(l.value);
        }
    }
    return e;
}

} // namespace zel
