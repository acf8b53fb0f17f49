// Data sheet benchmarks at the format's limit: opening a dataset into a painted
// sheet, and scrolling to the last row and typing into a cell there, against the
// same edit in a 10-row sheet (painting is left out of the typing figures: it
// depends only on how many rows the window shows).
// Runs offscreen. The dataset comes from ZEL_BENCH_DATASET (a base path made by
// bench/make_limit_dataset.py); without it a limit dataset is written to a
// temporary folder first.
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

std::string g_base;

long peakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

std::string makeDataset(const QString& folder, int samples, int variables) {
    zel::Dataset ds;
    ds.resize(samples, variables);
    ds.reserveValues();
    for (int j = 1; j <= variables; ++j)
        ds.setName(j, "測定値" + std::to_string(j));
    for (int i = 1; i <= samples; ++i) {
        ds.setLabel(i, std::to_string(i));
        for (int j = 1; j <= variables; ++j)
            ds.setValue(i, j, 10.0 + (i * 7 + j * 13) % 1000 / 1000.0);
    }
    const std::string base = folder.toStdString() + "/bench" + std::to_string(samples);
    if (!zel::writeDataset(ds, base)) std::abort();
    return base;
}

struct Sheet {
    zel::Dataset ds;
    DataGrid grid;
    DataSheet sheet{&grid, ds};
    explicit Sheet(const std::string& base, int height = 700) {
        grid.resize(1000, height);
        sheet.setUp();
        sheet.load(base + ".QCN", base + ".QCS");
        grid.show();
    }
};

void BM_OpenToPaintedSheet(benchmark::State& state) {
    for (auto _ : state) {
        Sheet s(g_base);
        s.grid.grab(); // paints the visible cells
        benchmark::DoNotOptimize(s.ds.value(s.ds.sampleCount(), 1));
    }
    state.counters["peak_rss_MB"] = peakRssKb() / 1024.0;
}
BENCHMARK(BM_OpenToPaintedSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

void typeAtLastRow(benchmark::State& state, const std::string& base) {
    // A window that shows ten rows in both cases, so that painting costs the same.
    Sheet s(base, 260);
    const int lastRow = s.ds.sampleCount();
    int n = 0;
    for (auto _ : state) {
        s.grid.setCurrentCol(1);
        s.grid.setCurrentRow(lastRow);
        s.grid.scrollToBottom();
        QTest::keyClicks(s.grid.viewport(), QString::number(++n % 97));
        QTest::keyClick(s.grid.viewport(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // The edit must have reached the dataset.
    if (s.ds.unsaved != 1) state.SkipWithError("the typed value did not reach the dataset");
}

void BM_TypeAtLastRowLimit(benchmark::State& state) {
    typeAtLastRow(state, g_base);
}
BENCHMARK(BM_TypeAtLastRowLimit)->Unit(benchmark::kMillisecond);

std::string g_smallBase;
void BM_TypeAtLastRowTenRows(benchmark::State& state) {
    typeAtLastRow(state, g_smallBase);
}
BENCHMARK(BM_TypeAtLastRowTenRows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    const char* env = std::getenv("ZEL_BENCH_DATASET");
    g_base = env ? std::string(env) : makeDataset(tmp.path(), 32767, 100);
    g_smallBase = makeDataset(tmp.path(), 10, 100);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
