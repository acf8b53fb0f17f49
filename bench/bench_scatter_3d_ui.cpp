// The three-dimensional scatter over the format's limit dataset (32767 samples
// x 100 variables; 32429 unmasked), from hensi3's OK to the painted window, a
// kind change, and the headless report of each kind. Targets: the window 0.3 s
// or less after the OK and after a kind change, a report (dataset read, PNG,
// SVG, PDF, files written) 1 s or less.
// ZEL_BENCH_DATASET names the dataset (a base made by bench/make_limit_dataset.py);
// without it one is written to a temporary folder first.
#include "analysis/AnalysisLaunch.h"
#include "analysis/scatter/rsanpu.h"
#include "dataset/DatasetFile.h"

#include "UiTestSupport.h"

#include <benchmark/benchmark.h>

#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <QAbstractButton>
#include <QComboBox>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kWorkDir = bench::workDir("zel_bench_scatter_3d");

// The list texts of the kinds, by the benchmark's argument.
const char* const kKinds[] = {"立体散布図", "立体散布図（縦棒）", "立体散布図（線）"};

std::unique_ptr<uitest::FakeContext> limitContext() {
    auto ctx = std::make_unique<uitest::FakeContext>();
    const std::string& base = bench::limitDatasetOnce(kWorkDir);
    if (!zel::readDataset(base + ".QCN", base + ".QCS", ctx->ws.dataset).status) std::abort();
    ctx->analysis = QStringLiteral("立体散布図");
    return ctx;
}

void closeAll() {
    ZelWindow::closeAll();
    uitest::flushDeletes();
}

// hensi3 on variables 1, 2, 3: its OK builds the set and opens rsanpu, painted.
void BM_Hensi3OkToPaintedWindow(benchmark::State& state) {
    auto ctx = limitContext();
    for (auto _ : state) {
        state.PauseTiming();
        AnalysisLaunch::runGraphCommand(*ctx);
        ZelWindow* dialog = ZelWindow::find(zel::WindowId::hensi3);
        if (!dialog) {
            state.SkipWithError("hensi3 did not open");
            break;
        }
        state.ResumeTiming();
        for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
            if (b->text() == QStringLiteral("OK")) b->click();
        QWidget* w = ZelWindow::find(zel::WindowId::rsanpu);
        if (!w) {
            state.SkipWithError("rsanpu did not open");
            break;
        }
        w->show();
        w->grab();
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
}

// The open window's kind list set to the argument's kind (from the markers),
// redrawn and painted.
void BM_KindChangePainted(benchmark::State& state) {
    auto ctx = limitContext();
    AnalysisLaunch::runGraphCommand(*ctx);
    for (QAbstractButton* b : ZelWindow::find(zel::WindowId::hensi3)->findChildren<QAbstractButton*>())
        if (b->text() == QStringLiteral("OK")) b->click();
    auto* w = qobject_cast<rsanpu*>(ZelWindow::find(zel::WindowId::rsanpu));
    if (!w) std::abort();
    w->resize(1000, 700);
    w->show();
    w->grab();
    for (auto _ : state) {
        state.PauseTiming();
        w->kindList()->setCurrentIndex(0);
        w->grab();
        state.ResumeTiming();
        w->kindList()->setCurrentIndex(static_cast<int>(state.range(0)));
        w->grab();
    }
    closeAll();
}

void BM_ReportScatter3D(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    runReportBenchmark(state, "scatter-3d", bench::limitDatasetOnce(kWorkDir),
                       (kWorkDir / ("out-" + std::to_string(kind))).string(), {"1", "2", "3"},
                       {{"kind", kKinds[kind]}});
}

} // namespace

BENCHMARK(BM_Hensi3OkToPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_KindChangePainted)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportScatter3D)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
