// The variable-graph report of three variables over the format's limit dataset
// (32767 samples x 100 variables): the dataset read, the Analysis set of three
// series, the line chart with its statistics lines as PNG, SVG and PDF, the
// summary written. Target: 1 s or less. The kinds that draw an element per
// value over the same data must not freeze the window either: band and 3-D
// bars within 1 s, overlapping areas and pies within 3 s.
// ZEL_BENCH_DATASET names the dataset (a base made by bench/make_limit_dataset.py);
// without it one is written to a temporary folder first.

#include <benchmark/benchmark.h>

#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kWorkDir = bench::workDir("zel_bench_variable_graph");

// Three variables: the line chart of three series with the statistics lines.
void BM_ReportVariableGraphThree(benchmark::State& state) {
    runReportBenchmark(state, "variable-graph", bench::limitDatasetOnce(kWorkDir),
                       (kWorkDir / "out-variable-graph").string(), {"1", "2", "3"});
}

// Another kind over the same three variables (one variable for the pies).
void BM_ReportVariableGraphKind(benchmark::State& state, const char* kind, int variables) {
    std::vector<std::string> vars{"1", "2", "3"};
    vars.resize(static_cast<std::size_t>(variables));
    runReportBenchmark(state, "variable-graph", bench::limitDatasetOnce(kWorkDir),
                       (kWorkDir / "out-variable-graph-kind").string(), vars, {{"kind", kind}});
}

} // namespace

BENCHMARK(BM_ReportVariableGraphThree)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ReportVariableGraphKind, band, "帯グラフ", 3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReportVariableGraphKind, area, "エリアグラフ", 3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReportVariableGraphKind, bar3d_h, "立体棒グラフ（横）", 3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReportVariableGraphKind, bar3d_z_h, "Ｚ軸立体棒（横）", 3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReportVariableGraphKind, pie3d, "立体円グラフ", 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
