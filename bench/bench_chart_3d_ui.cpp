// Drawing speed of the 3-D chart kinds: 10 000 scatter points into a 1000 x 700 image
// (target: under 50 ms), and a 3-D bar chart of 3 x 100 bars.
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>

namespace {

void renderOnce(const zel::ChartModel& m, QImage& img) {
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    ChartRenderer::render(m, &p, QRectF(0, 0, img.width(), img.height()));
}

void BM_Scatter3D(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    zel::ChartModel m;
    m.setSeriesCount(1);
    m.setPointCount(n);
    std::mt19937 rng(5);
    std::normal_distribution<double> d(0.0, 1.0);
    m.setCurrentSeries(1);
    for (int i = 1; i <= n; ++i) {
        m.setCurrentPoint(i);
        m.setPointValue(d(rng));
        m.setCurrentPoint(i);
        m.setPointXPos(d(rng));
        m.setPointZPos(d(rng));
    }
    m.setChartType(21);
    m.setChartStyle(static_cast<int>(state.range(1)));
    QImage img(1000, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        renderOnce(m, img);
}
BENCHMARK(BM_Scatter3D)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

void BM_Bar3D(benchmark::State& state) {
    zel::ChartModel m;
    m.setSeriesCount(3);
    m.setPointCount(100);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (int i = 0; i < 300; ++i)
        m.setPointValue(10 + (i * 37) % 50);
    m.setChartType(4);
    m.setChartStyle(6);
    QImage img(1000, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        renderOnce(m, img);
}
BENCHMARK(BM_Bar3D)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
