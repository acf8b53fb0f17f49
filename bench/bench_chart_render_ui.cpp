// Chart rendering benchmarks: a line chart of 32767 points drawn at 1600 x 1000 (target
// 30 ms or less; the renderer draws each pixel column as its first, lowest, highest and
// last point), the same in monochrome and as a scatter chart, and a hit test among 32767
// points (target below 1 ms). Runs offscreen.
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

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
BENCHMARK(BM_HitTest32767)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
