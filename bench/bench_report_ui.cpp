// The headless report command over the format's limit of 32767 lots or samples:
// p-pn (lot sizes that differ from lot to lot, so that the p and pn limits step
// at every lot), xbar-r for comparison, and x-rs on one variable with the
// default run rules and with rules=all (the rules must add 50 ms at most; see
// bench_run_rules_core for the rules alone), histogram and xbar-r with and
// without specification limits (the capability must add 50 ms at most), each
// run end to end (dataset read,
// tables, PNG, SVG and PDF of both charts, files written). Target: 1 s or less.
// Also both charts drawn at window size, as the chart window draws them.
// ZEL_BENCH_LOTS names a lot dataset to use (its base, or either file; see
// bench/make_limit_dataset.py --lots); without it the data is made here.
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/PChart.h"
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"
#include "dataset/DatasetFile.h"

#include <benchmark/benchmark.h>

#include "BenchDatasets.h"
#include "ReportBenchmark.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// 32767 lots: sample size 50..500, defectives about 3 % of it; every fifth lot
// without a label.
zel::Dataset makeLotDataset() {
    zel::Dataset ds;
    const int n = zel::Dataset::kMaxCount;
    ds.resize(n, 2);
    ds.setName(1, "サンプル数");
    ds.setName(2, "不良個数");
    ds.reserveValues();
    std::mt19937 rng(20240101);
    std::uniform_int_distribution<int> size(50, 500);
    for (int i = 1; i <= n; ++i) {
        const int s = size(rng);
        std::binomial_distribution<int> defects(s, 0.03);
        ds.setValue(i, 1, s);
        ds.setValue(i, 2, defects(rng));
        ds.setLabel(i, i % 5 == 1 ? std::string() : "ロット" + std::to_string(i));
    }
    return ds;
}

// Three measurements per sample around 12.345.
zel::Dataset makeSampleDataset() {
    zel::Dataset ds;
    const int n = zel::Dataset::kMaxCount;
    ds.resize(n, 3);
    for (int j = 1; j <= 3; ++j)
        ds.setName(j, "外径" + std::to_string(j));
    ds.reserveValues();
    std::mt19937 rng(20240101);
    std::normal_distribution<double> noise(12.345, 0.05);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= 3; ++j)
            ds.setValue(i, j, std::round(noise(rng) * 1000.0) / 1000.0);
    return ds;
}

// One variable of 32767 readings around 12.345 whose mean steps up for a
// while every 1000 samples, so that the run rules find points to flag.
zel::Dataset makeSingleDataset() {
    zel::Dataset ds;
    const int n = zel::Dataset::kMaxCount;
    ds.resize(n, 1);
    ds.setName(1, "外径");
    ds.reserveValues();
    std::mt19937 rng(20240101);
    std::normal_distribution<double> noise(12.345, 0.05);
    for (int i = 1; i <= n; ++i) {
        const double shift = i % 1000 < 40 ? 0.08 : 0.0;
        ds.setValue(i, 1, std::round((noise(rng) + shift) * 1000.0) / 1000.0);
    }
    return ds;
}

const fs::path kWorkDir = bench::workDir("zel_bench_report");

const std::string& lotBase() {
    static const std::string base = bench::baseFromEnvironmentOr(
        "ZEL_BENCH_LOTS", [] { return bench::writeBenchDataset(makeLotDataset(), kWorkDir, "lots"); });
    return base;
}

const std::string& sampleBase() {
    static const std::string base = bench::writeBenchDataset(makeSampleDataset(), kWorkDir, "samples");
    return base;
}

const std::string& singleBase() {
    static const std::string base = bench::writeBenchDataset(makeSingleDataset(), kWorkDir, "single");
    return base;
}

void BM_ReportXRs32767(benchmark::State& state) {
    runReportBenchmark(state, "x-rs", singleBase(), (kWorkDir / "out-x-rs").string(), {"1"});
}

void BM_ReportXRs32767AllRules(benchmark::State& state) {
    runReportBenchmark(state, "x-rs", singleBase(), (kWorkDir / "out-x-rs-all").string(), {"1"},
                       {{"rules", "all"}});
}

void BM_ReportHistogram32767(benchmark::State& state) {
    runReportBenchmark(state, "histogram", singleBase(), (kWorkDir / "out-histogram").string(), {"1"});
}

void BM_ReportHistogram32767Limits(benchmark::State& state) {
    runReportBenchmark(state, "histogram", singleBase(), (kWorkDir / "out-histogram-limits").string(), {"1"},
                       {{"usl", "12.5"}, {"lsl", "12.2"}});
}

void BM_ReportXbarR32767Limits(benchmark::State& state) {
    runReportBenchmark(state, "xbar-r", sampleBase(), (kWorkDir / "out-xbar-r-limits").string(), {},
                       {{"usl", "12.5"}, {"lsl", "12.2"}});
}

void BM_ReportPPn32767(benchmark::State& state) {
    runReportBenchmark(state, "p-pn", lotBase(), (kWorkDir / "out-p-pn").string());
}

void BM_ReportXbarR32767(benchmark::State& state) {
    runReportBenchmark(state, "xbar-r", sampleBase(), (kWorkDir / "out-xbar-r").string());
}

// Both charts of the lot dataset drawn as the chart window draws them on screen:
// the plot edges they share, then each chart at a window's chart size.
void BM_PPnWindowCharts32767(benchmark::State& state) {
    zel::Dataset ds;
    if (!zel::readDataset(lotBase() + ".QCN", lotBase() + ".QCS", ds).status) {
        state.SkipWithError("the lot dataset cannot be read");
        return;
    }
    zel::Result<zel::ChartDataSet> lots = zel::collectPPn(ds, 1, 2);
    if (!lots) {
        state.SkipWithError("the lot dataset is refused");
        return;
    }
    zel::ChartDataSet cds = std::move(lots.value());
    zel::computePPnLines(cds);
    zel::fillPPnPlotted(cds);
    std::vector<zel::ChartModel> models(2);
    for (int chart = 0; chart < 2; ++chart) {
        models[chart].redrawReset(zel::ViewAngles{15, 30, 0}, true);
        zel::fillControlChart(models[chart], zel::pPnInput(cds, chart, true));
    }
    const std::vector<const zel::ChartModel*> list{&models[0], &models[1]};
    const QRectF target(0, 0, 1100, 360);
    QImage image(target.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const PlotInsets insets = ChartRenderer::sharedInsets(list, target, {false, 1.0});
        for (const zel::ChartModel& m : models) {
            image.fill(Qt::white);
            QPainter p(&image);
            ChartRenderer::render(m, &p, target, {false, 1.0, insets});
            p.end();
            benchmark::DoNotOptimize(image.bits());
        }
    }
}

} // namespace

BENCHMARK(BM_ReportPPn32767)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportXbarR32767)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportXbarR32767Limits)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportHistogram32767)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReportHistogram32767Limits)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReportXRs32767)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReportXRs32767AllRules)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PPnWindowCharts32767)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return bench::runOffscreen(argc, argv);
}
