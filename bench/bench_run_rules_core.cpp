// The eight run rules alone on both charts of an X-Rs analysis of 32767
// readings (the format's limit), as the report judges them: the rules must add
// 50 ms at most to the x-rs report (see bench_report_ui for the report end to end).
// Also the process capability of the same 32767 readings with both limits, its
// within σ from their moving ranges, as the histogram computes it.
#include "analysis/Capability.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/RunRules.h"
#include "analysis/control/XRs.h"
#include "dataset/Dataset.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

zel::ChartDataSet singleVariableXRs() {
    zel::Dataset ds;
    const int n = zel::Dataset::kMaxCount;
    ds.resize(n, 1);
    ds.reserveValues();
    std::mt19937 rng(20240101);
    std::normal_distribution<double> noise(12.345, 0.05);
    for (int i = 1; i <= n; ++i)
        ds.setValue(i, 1, noise(rng) + (i % 1000 < 40 ? 0.08 : 0.0));
    zel::ChartDataSet cds = zel::collectXRs(ds, 1).value();
    zel::computeXRsLines(cds);
    return cds;
}

void BM_RunRules32767(benchmark::State& state, const zel::RuleSet rules) {
    const zel::ChartDataSet cds = singleVariableXRs();
    const zel::RunRuleInput x = zel::controlRunRuleInput(zel::xRsInput(cds, 0));
    const zel::RunRuleInput rs = zel::controlRunRuleInput(zel::xRsInput(cds, 1));
    std::size_t flagged = 0;
    for (auto _ : state) {
        flagged = zel::evaluateRunRules(x, rules).size() + zel::evaluateRunRules(rs, rules).size();
        benchmark::DoNotOptimize(flagged);
    }
    state.counters["flagged"] = static_cast<double>(flagged);
}

void BM_Capability32767(benchmark::State& state) {
    std::vector<double> values;
    for (const std::vector<double>& reading : singleVariableXRs().x)
        values.push_back(reading.at(0));
    const zel::SpecificationLimits limits{12.5, 12.2, std::nullopt};
    for (auto _ : state) {
        const zel::Result<zel::Capability> c =
            zel::computeCapability(values, limits, zel::withinSigmaFromMovingRanges(values));
        benchmark::DoNotOptimize(c);
    }
}

} // namespace

BENCHMARK(BM_Capability32767)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunRules32767, defaults, zel::RuleSet::defaults())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunRules32767, all, zel::RuleSet::all())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
