// The histogram and statistics windows over the format's limit dataset (32767
// samples x 100 variables), from a dialog's OK to the painted window, and the
// two headless reports of it. Targets: a window 0.3 s or less after the OK, a
// report (dataset read, tables, PNG, SVG, PDF, files written) 1 s or less.
// - the histogram chain of "全データ" (3,276,700 values in one series): hensi1's
//   OK building the set and opening bunform, bunform's OK counting the classes
//   and opening dobun, dobun's OK opening youko;
// - the statistics by variable over all 100 variables: the launch opening hakoh,
//   hakoh's OK opening the comparison graph hakohg.
// ZEL_BENCH_DATASET names the dataset (a base made by bench/make_limit_dataset.py);
// without it one is written to a temporary folder first.
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "dataset/DatasetFile.h"

#include "UiTestSupport.h"

#include <benchmark/benchmark.h>

#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kWorkDir = bench::workDir("zel_bench_histogram");

// A main window stand-in holding the limit dataset, with the analysis chosen.
std::unique_ptr<uitest::FakeContext> limitContext(const char* analysis) {
    auto ctx = std::make_unique<uitest::FakeContext>();
    const std::string& base = bench::limitDatasetOnce(kWorkDir);
    if (!zel::readDataset(base + ".QCN", base + ".QCS", ctx->ws.dataset).status) std::abort();
    ctx->analysis = QString::fromUtf8(analysis);
    return ctx;
}

// The window shown and painted once; nullptr stays nullptr.
QWidget* painted(QWidget* w) {
    if (w) {
        w->show();
        w->grab();
    }
    return w;
}

// Presses the window's "OK" and returns the window it opened, painted.
QWidget* okAndPaint(QWidget* dialog, zel::WindowId opened) {
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->text() == QStringLiteral("OK")) {
            b->click();
            break;
        }
    return painted(ZelWindow::find(opened));
}

QWidget* openAndPaint(uitest::FakeContext& ctx, zel::WindowId id) {
    const AnalysisLaunch::Opener open = AnalysisLaunch::opener(id);
    return painted(open ? open(ctx) : nullptr);
}

void closeAll() {
    ZelWindow::closeAll();
    uitest::flushDeletes();
}

// Opens the dialog (untimed), lets prepare set its fields, then times its OK
// up to the painted window it opens.
void timeOk(benchmark::State& state, uitest::FakeContext& ctx, zel::WindowId dialog, zel::WindowId opened,
            const std::function<bool(QWidget*)>& prepare = {}) {
    for (auto _ : state) {
        state.PauseTiming();
        QWidget* w = openAndPaint(ctx, dialog);
        if (!w || (prepare && !prepare(w))) {
            state.SkipWithError("the dialog did not open as expected");
            break;
        }
        state.ResumeTiming();
        if (!okAndPaint(w, opened)) {
            state.SkipWithError("its OK opened no window");
            break;
        }
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
}

// The set of "全データ" and its classes, as bunform's OK leaves them.
void countAllData(uitest::FakeContext& ctx) {
    auto set = zel::buildAnalysisSet(ctx.ws.dataset, {ctx.ws.dataset.variableCount() + 1});
    if (!set) std::abort();
    ctx.ws.analysisSet = std::move(set.value());
    ctx.ws.classTable = zel::buildClassTable(ctx.ws.analysisSet, {100.0, 0.0, 100});
}

// hensi1 with "全データ" chosen: its OK builds the set of 3,276,700 values and opens bunform.
void BM_Hensi1OkAllData(benchmark::State& state) {
    auto ctx = limitContext("ヒストグラム");
    timeOk(state, *ctx, zel::WindowId::hensi1, zel::WindowId::bunform, [](QWidget* dialog) {
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        if (list) list->setCurrentIndex(list->count() - 1); // "全データ"
        return list != nullptr;
    });
}

// bunform's OK: the classes counted and the frequency table dobun painted.
void BM_BunformOkAllData(benchmark::State& state) {
    auto ctx = limitContext("ヒストグラム");
    countAllData(*ctx);
    const auto classes = static_cast<int>(state.range(0));
    timeOk(state, *ctx, zel::WindowId::bunform, zel::WindowId::dobun, [classes](QWidget* dialog) {
        auto* spin = dialog->findChild<QSpinBox*>(QStringLiteral("Spin1"));
        if (spin) spin->setValue(classes);
        return spin != nullptr;
    });
}

// dobun's OK: the class labels and the histogram window youko painted.
void BM_DobunOkAllData(benchmark::State& state) {
    auto ctx = limitContext("ヒストグラム");
    countAllData(*ctx);
    timeOk(state, *ctx, zel::WindowId::dobun, zel::WindowId::youko);
}

// The graph command of "変数別統計量": the statistics of 100 variables in hakoh, painted.
void BM_OpenHakoh(benchmark::State& state) {
    auto ctx = limitContext("変数別統計量");
    for (auto _ : state) {
        if (!openAndPaint(*ctx, zel::WindowId::hakoh)) {
            state.SkipWithError("hakoh did not open");
            break;
        }
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
}

// hakoh's OK: the comparison graph of 100 variables, painted.
void BM_HakohOk(benchmark::State& state) {
    auto ctx = limitContext("変数別統計量");
    timeOk(state, *ctx, zel::WindowId::hakoh, zel::WindowId::hakohg);
}

void BM_ReportHistogramAllData(benchmark::State& state) {
    runReportBenchmark(state, "histogram", bench::limitDatasetOnce(kWorkDir),
                       (kWorkDir / "out-histogram").string(), {"全データ"});
}

void BM_ReportVariableStats(benchmark::State& state) {
    runReportBenchmark(state, "variable-stats", bench::limitDatasetOnce(kWorkDir),
                       (kWorkDir / "out-variable-stats").string());
}

} // namespace

BENCHMARK(BM_Hensi1OkAllData)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BunformOkAllData)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DobunOkAllData)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenHakoh)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HakohOk)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportHistogramAllData)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportVariableStats)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
