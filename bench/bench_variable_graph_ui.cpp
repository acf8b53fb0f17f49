// The variable-graph report of three variables over the format's limit dataset
// (32767 samples x 100 variables): the dataset read, the Analysis set of three
// series, the line chart with its statistics lines as PNG, SVG and PDF, the
// summary written. Target: 1 s or less.
// ZEL_BENCH_DATASET names the dataset (a base made by bench/make_limit_dataset.py);
// without it one is written to a temporary folder first.

#include <benchmark/benchmark.h>

#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kWorkDir = bench::workDir("zel_bench_variable_graph");

// Three variables: the line chart of three series with the statistics lines.
void BM_ReportVariableGraphThree(benchmark::State& state) {
    runReportBenchmark(state, "variable-graph", bench::limitDatasetOnce(kWorkDir),
                       (kWorkDir / "out-variable-graph").string(), {"1", "2", "3"});
}

} // namespace

BENCHMARK(BM_ReportVariableGraphThree)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
