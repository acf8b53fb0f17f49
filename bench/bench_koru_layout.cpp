// Layout speed of the hypertext label engine: 1 MB of markup laid out in the
// background chunks the control uses, the first screen drawn, and a scrolled view.
#include "korutext/KoruLayout.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class Metrics : public zel::koru::TextMetrics {
  public:
    zel::koru::FontMetrics fontMetrics(const zel::koru::FontDesc& f) const override {
        return {f.height - 3, 3, 2, 7};
    }
    int textWidth(const zel::koru::FontDesc&, std::string_view bytes) const override {
        return static_cast<int>(bytes.size()) * 7;
    }
};

std::string megabyte() {
    std::string t;
    int i = 0;
    while (t.size() < (1u << 20)) {
        t += "\\HSection " + std::to_string(i) + "\\h\r\n";
        t += "Plain words that wrap across the control, \\Bbold\\b and \\Iitalic\\i text, a "
             "\\J\\Kkey" +
             std::to_string(i) + "\\kjump hot spot\\j and a \\Ppopup\\p;\ttabbed\tcolumns. ";
        t += "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x95\xb6\x8f\xcd\x82\xaa\x91\xb1\x82\xab\x82\xdc\x82\xb7\x81"
             "\x42\r\n";
        ++i;
    }
    return t;
}

zel::koru::LayoutOptions options() {
    zel::koru::LayoutOptions o;
    o.clientWidth = 400;
    o.clientHeight = 300;
    o.headingFont.height = 20;
    return o;
}

void BM_KoruLayoutMegabyteInChunks(benchmark::State& state) {
    const std::string text = megabyte();
    Metrics metrics;
    zel::koru::Palette palette;
    int chunks = 0;
    for (auto _ : state) {
        zel::koru::KoruLayout layout(metrics);
        layout.setOptions(options());
        layout.setText(text);
        benchmark::DoNotOptimize(layout.draw(0, palette));
        chunks = 0;
        while (!layout.layoutChunk())
            ++chunks;
        benchmark::DoNotOptimize(layout.scrollMax());
    }
    state.counters["chunks"] = chunks + 1;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_KoruLayoutMegabyteInChunks)->Unit(benchmark::kMillisecond);

// The longest single chunk: the one after the tenth resume point.
void BM_KoruLayoutLargestChunk(benchmark::State& state) {
    const std::string text = megabyte();
    Metrics metrics;
    zel::koru::Palette palette;
    for (auto _ : state) {
        state.PauseTiming();
        zel::koru::KoruLayout layout(metrics);
        layout.setOptions(options());
        layout.setText(text);
        layout.draw(0, palette);
        while (layout.resumePoints().size() < zel::koru::KoruLayout::kMaxResumePoints)
            layout.layoutChunk();
        state.ResumeTiming();
        layout.layoutChunk();
    }
}
BENCHMARK(BM_KoruLayoutLargestChunk)->Unit(benchmark::kMillisecond);

void BM_KoruDrawScrolledView(benchmark::State& state) {
    const std::string text = megabyte();
    Metrics metrics;
    zel::koru::Palette palette;
    zel::koru::KoruLayout layout(metrics);
    layout.setOptions(options());
    layout.setText(text);
    layout.draw(0, palette);
    layout.layoutToEnd();
    const int middle = layout.lineCount() / 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(layout.draw(middle, palette));
}
BENCHMARK(BM_KoruDrawScrolledView)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
