// Chart rendering benchmarks: a line chart of 32767 points drawn at 1600 x 1000 (target
// 30 ms or less; the renderer draws each pixel column as its first, lowest, highest and
// last point), the same in monochrome and as a scatter chart, and a hit test among 32767
// points (target below 1 ms); the line chart again as an X chart with its control lines
// without and with 300 points flagged as signals, in colour and monochrome (the flags'
// markers and placed texts should add little to the unflagged chart). Runs offscreen.
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <vector>

namespace {

constexpr int kPoints = 32767;

zel::ChartModel bigModel(int type, int style) {
    zel::ChartModel m;
    m.setChartType(type);
    m.setChartStyle(style);
    m.setPointCount(kPoints);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (int i = 1; i <= kPoints; ++i) {
        if (type == 9) {
            m.setCurrentPoint(i);
            m.setPointXPos(i * 0.01);
            m.setCurrentPoint(i);
        }
        m.setPointValue(50 + 20 * std::sin(i * 0.003) + 5 * std::sin(i * 0.7));
    }
    for (int i = 1; i <= kPoints; ++i)
        m.setPointLabelAt(i, std::to_string(i));
    m.setTitleTop("32767点の折れ線グラフ");
    m.setGridLines(3);
    return m;
}

void renderInto(const zel::ChartModel& m, bool mono, benchmark::State& state) {
    QImage image(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter p(&image);
        ChartRenderer::render(m, &p, QRectF(0, 0, 1600, 1000), {mono, 1.0});
        p.end();
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_LineChart32767(benchmark::State& state) {
    renderInto(bigModel(6, 5), false, state);
}
void BM_LineChart32767Mono(benchmark::State& state) {
    renderInto(bigModel(6, 1), true, state);
}
void BM_ScatterChart32767(benchmark::State& state) {
    renderInto(bigModel(9, 0), false, state);
}

// The line chart as an X chart: CL, UCL and LCL, then the data, with 300 points
// spread over the chart flagged as signals.
zel::ChartModel flaggedModel(bool flagged = true) {
    zel::ChartModel m = bigModel(6, 5);
    std::vector<double> data(m.values().begin(), m.values().end());
    m.setSeriesCount(4);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (double level : {50.0, 80.0, 20.0})
        for (int i = 1; i <= kPoints; ++i)
            m.setPointValue(level);
    for (double v : data)
        m.setPointValue(v);
    m.setSeriesRole(1, zel::SeriesRole::CentreLine);
    m.setSeriesRole(2, zel::SeriesRole::UpperLimit);
    m.setSeriesRole(3, zel::SeriesRole::LowerLimit);
    m.setCurrentSeries(4);
    for (int k = 0; k < (flagged ? 300 : 0); ++k) {
        m.setCurrentPoint(1 + k * (kPoints / 300));
        m.setPointSignal(k % 3 == 0 ? "1,5" : "2");
    }
    return m;
}

void BM_ControlChart32767(benchmark::State& state) {
    renderInto(flaggedModel(false), false, state);
}
void BM_ControlChartSignals32767(benchmark::State& state) {
    renderInto(flaggedModel(), false, state);
}
void BM_ControlChartSignals32767Mono(benchmark::State& state) {
    renderInto(flaggedModel(), true, state);
}

void BM_HitTest32767(benchmark::State& state) {
    const auto m = bigModel(6, 5);
    int i = 0;
    for (auto _ : state) {
        const double x = 80 + (i++ % 1400);
        auto hit = ChartRenderer::hitTest(m, QRectF(0, 0, 1600, 1000), QPointF(x, 500), {});
        benchmark::DoNotOptimize(hit);
    }
}

} // namespace

BENCHMARK(BM_LineChart32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineChart32767Mono)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScatterChart32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlChart32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlChartSignals32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlChartSignals32767Mono)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTest32767)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
