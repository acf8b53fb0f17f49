// Benchmarks of the chart core: building the hit index over 32767 points and querying it
// (target: well under 1 ms per query), and filling 32767 values into the chart model.
#include "components/chart/ChartModel.h"
#include "components/chart/HitIndex.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

std::vector<zel::HitPoint> randomPoints(int n) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> ux(0, 1600), uy(0, 1000);
    std::vector<zel::HitPoint> pts;
    pts.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        pts.push_back({ux(rng), uy(rng), 1, i + 1});
    return pts;
}

void BM_HitIndexBuild(benchmark::State& state) {
    const auto pts = randomPoints(32767);
    for (auto _ : state) {
        zel::HitIndex idx;
        idx.build(pts);
        benchmark::DoNotOptimize(idx.size());
    }
}
BENCHMARK(BM_HitIndexBuild)->Unit(benchmark::kMicrosecond);

void BM_HitIndexQuery(benchmark::State& state) {
    zel::HitIndex idx;
    idx.build(randomPoints(32767));
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> ux(0, 1600), uy(0, 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(idx.nearest(ux(rng), uy(rng), 6.0));
}
BENCHMARK(BM_HitIndexQuery)->Unit(benchmark::kMicrosecond);

// Every point on one line of pixels: the grid degenerates to one row.
void BM_HitIndexQueryCollinear(benchmark::State& state) {
    auto pts = randomPoints(32767);
    for (auto& p : pts)
        p.y = 500;
    zel::HitIndex idx;
    idx.build(pts);
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> ux(0, 1600);
    for (auto _ : state)
        benchmark::DoNotOptimize(idx.nearest(ux(rng), 500, 6.0));
}
BENCHMARK(BM_HitIndexQueryCollinear)->Unit(benchmark::kMicrosecond);

void BM_ModelFill32767(benchmark::State& state) {
    for (auto _ : state) {
        zel::ChartModel m;
        m.setPointCount(32767);
        for (int i = 1; i <= 32767; ++i) {
            m.setCurrentPoint(i);
            m.setPointValue(i);
        }
        benchmark::DoNotOptimize(m.value(1, 32767));
    }
}
BENCHMARK(BM_ModelFill32767)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
