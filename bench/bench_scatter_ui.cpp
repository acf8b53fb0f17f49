// The scatter report over the format's largest sample count end to end: the
// dataset read, the regression, the analysis of variance and regression line
// tables, the chart's PNG, SVG and PDF, the files written. Target: 1 s or less
// for two variables of the 32767 x 100 limit dataset, every point drawn, for
// the initial kind (the points with their least-squares line) and for the
// fitted curve. The variables go by number. ZEL_BENCH_DATASET names a dataset base to use instead.
#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kWorkDir = bench::workDir("zel_bench_scatter");

void BM_ReportScatterLine(benchmark::State& state) {
    runReportBenchmark(state, "scatter", bench::limitDatasetOnce(kWorkDir), (kWorkDir / "out-line").string(),
                       {"1", "2"});
}

void BM_ReportScatterTwoX(benchmark::State& state) {
    runReportBenchmark(state, "scatter", bench::limitDatasetOnce(kWorkDir), (kWorkDir / "out-two").string(),
                       {"1", "2", "3"});
}

void BM_ReportScatterCurve(benchmark::State& state) {
    runReportBenchmark(state, "scatter", bench::limitDatasetOnce(kWorkDir), (kWorkDir / "out-curve").string(),
                       {"1", "2"}, {{"kind", "回帰曲線"}, {"degree", "3"}});
}

} // namespace

BENCHMARK(BM_ReportScatterLine)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportScatterTwoX)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportScatterCurve)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
