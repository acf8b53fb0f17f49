// The Pareto report over the format's largest item count (32767 samples, one
// item each) end to end: the dataset read, the ranking, the table, the chart's
// PNG, SVG and PDF, the files written. Target: 1 s or less, with every item
// drawn and with the top ten kept and the rest folded into "その他".
// ZEL_BENCH_DATASET names a dataset base to use instead; without it one is
// written to a temporary folder first.
#include "dataset/Dataset.h"

#include <benchmark/benchmark.h>

#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kWorkDir = bench::workDir("zel_bench_pareto");

// 32767 causes, each with its reject count (many equal counts, so the stable
// sort has long runs of ties) and its rework count, labelled "原因1" ...
const std::string& itemsBase() {
    static const std::string base = bench::baseFromEnvironmentOr("ZEL_BENCH_DATASET", [] {
        zel::Dataset ds;
        const int n = zel::Dataset::kMaxCount;
        ds.resize(n, 2);
        ds.reserveValues();
        ds.setName(1, "件数");
        ds.setName(2, "手直し");
        std::mt19937 rng(20240301);
        std::geometric_distribution<int> rejects(0.05);
        std::poisson_distribution<int> rework(2.0);
        for (int i = 1; i <= n; ++i) {
            ds.setLabel(i, "原因" + std::to_string(i));
            ds.setValue(i, 1, rejects(rng));
            ds.setValue(i, 2, rework(rng));
        }
        return bench::writeBenchDataset(ds, kWorkDir, "items");
    });
    return base;
}

void BM_ReportParetoAllItems(benchmark::State& state) {
    runReportBenchmark(state, "pareto", itemsBase(), (kWorkDir / "out-all").string());
}

void BM_ReportParetoTotalAllItems(benchmark::State& state) {
    runReportBenchmark(state, "pareto", itemsBase(), (kWorkDir / "out-total").string(), {"合計"});
}

// The same report with --set=keep=10.
void BM_ReportParetoTopTen(benchmark::State& state) {
    runReportBenchmark(state, "pareto", itemsBase(), (kWorkDir / "out-top").string(), {}, {{"keep", "10"}});
}

} // namespace

BENCHMARK(BM_ReportParetoAllItems)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportParetoTotalAllItems)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportParetoTopTen)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
