// The variable-graph report of three variables over the format's limit dataset
// (32767 samples x 100 variables): the dataset read, the Analysis set of three
// series, the line chart with its statistics lines as PNG, SVG and PDF, the
// summary written. Target: 1 s or less.
// ZEL_BENCH_DATASET names the dataset (a base made by bench/make_limit_dataset.py);
// without it one is written to a temporary folder first.
#include "dataset/DatasetFile.h"
#include "windowkit/AppSettings.h"

#include <benchmark/benchmark.h>

#include "ReportBenchmark.h"

#include <QApplication>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path workDir() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / "zel_bench_variable_graph";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// The limit dataset: 32767 samples of 100 measurements with three places.
const std::string& limitBase() {
    static const std::string base = [] {
        if (const char* env = std::getenv("ZEL_BENCH_DATASET"); env && *env) {
            std::string b = env;
            if (b.ends_with(".QCN") || b.ends_with(".QCS")) b.resize(b.size() - 4);
            return b;
        }
        zel::Dataset ds;
        const int n = zel::Dataset::kMaxCount;
        ds.resize(n, 100);
        ds.reserveValues();
        std::mt19937 rng(20240101);
        std::normal_distribution<double> noise(50.0, 5.0);
        for (int j = 1; j <= 100; ++j)
            ds.setName(j, "測定値" + std::to_string(j));
        for (int i = 1; i <= n; ++i) {
            ds.setLabel(i, std::to_string(i));
            for (int j = 1; j <= 100; ++j)
                ds.setValue(i, j, std::round(noise(rng) * 1000.0) / 1000.0);
        }
        const std::string b = (workDir() / "limit").string();
        if (!zel::writeDataset(ds, b).isOk()) std::abort();
        return b;
    }();
    return base;
}

// Three variables: the line chart of three series with the statistics lines.
void BM_ReportVariableGraphThree(benchmark::State& state) {
    runReportBenchmark(state, "variable-graph", limitBase(), (workDir() / "out-variable-graph").string(),
                       {"1", "2", "3"});
}

} // namespace

BENCHMARK(BM_ReportVariableGraphThree)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
