// Benchmarks of the histogram's class counting: the 3,276,700 values of "全データ"
// over the limit dataset (32767 samples x 100 variables) counted into 10 and into
// 100 classes. Counting finds each value's class directly, so 100 classes should
// cost about what 10 do.
#include "analysis/histogram/ClassSettings.h"
#include "analysis/histogram/ClassTable.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kSamples = 32767;
constexpr int kVariables = 100;

// Measurements with three decimals around a few centres, variable by variable
// as in the limit dataset, pooled sample by sample.
const std::vector<double>& allData() {
    static const std::vector<double> values = [] {
        std::mt19937 rng(20240101);
        const double centres[] = {12.345, 0.5, -0.5, 3.0, 250.0, 0.02};
        std::vector<double> centre(kVariables);
        for (double& c : centre)
            c = centres[rng() % 6];
        std::vector<double> v;
        v.reserve(static_cast<std::size_t>(kSamples) * kVariables);
        for (int i = 0; i < kSamples; ++i)
            for (double c : centre) {
                std::normal_distribution<double> g(c, std::fabs(c) * 0.05 + 0.01);
                v.push_back(std::round(g(rng) * 1000.0) / 1000.0);
            }
        return v;
    }();
    return values;
}

// The one series of "全データ" as the one-variable dialog builds it, statistics included.
const zel::AnalysisSet& allDataSet() {
    static const zel::AnalysisSet set = [] {
        zel::AnalysisSet s;
        s.seriesCount = 1;
        s.names = {zel::kAllDataEntry};
        s.values = {allData()};
        s.n = static_cast<int>(s.values[0].size());
        s.stats = {zel::seriesStatistics(s.values[0])};
        return s;
    }();
    return set;
}

void BM_CountAllData(benchmark::State& state) {
    const zel::AnalysisSet& set = allDataSet();
    const zel::DataRange range = zel::dataRange(set);
    const zel::ClassLimits limits{range.max, range.min, static_cast<int>(state.range(0))};
    for (auto _ : state) {
        const zel::ClassTable t = zel::buildClassTable(set, limits);
        benchmark::DoNotOptimize(t.counts.front().front());
    }
    state.SetItemsProcessed(state.iterations() * set.n);
}
BENCHMARK(BM_CountAllData)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The data range the settings dialog opens with, over the same values.
void BM_DataRangeAllData(benchmark::State& state) {
    const zel::AnalysisSet& set = allDataSet();
    for (auto _ : state)
        benchmark::DoNotOptimize(zel::dataRange(set).max);
}
BENCHMARK(BM_DataRangeAllData)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
