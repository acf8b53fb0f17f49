// libFuzzer target for the hypertext label's markup reader: the hot-spot table, the
// plain text and a chunked layout of arbitrary bytes must finish and stay in bounds.
#include "korutext/KoruLayout.h"
#include "korutext/KoruMarkup.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class Metrics : public zel::koru::TextMetrics {
  public:
    zel::koru::FontMetrics fontMetrics(const zel::koru::FontDesc& f) const override {
        return {f.height, 3, 1, 6};
    }
    int textWidth(const zel::koru::FontDesc&, std::string_view bytes) const override {
        return static_cast<int>(bytes.size()) * 6;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t flags = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto table = zel::koru::buildHotspotTable(text);
    for (const auto& h : table) {
        if (h.textStart < 0 || static_cast<std::size_t>(h.textStart) + h.textLength > text.size())
            __builtin_trap();
        if (h.keyStart != 0 && static_cast<std::size_t>(h.keyStart) + h.keyLength > text.size())
            __builtin_trap();
    }
    (void)zel::koru::rawText(text);

    Metrics metrics;
    zel::koru::KoruLayout layout(metrics);
    zel::koru::LayoutOptions o;
    o.clientWidth = (flags & 0x0F) * 9;
    o.clientHeight = 40;
    o.forceWrap = flags & 0x10;
    o.autoSize = flags & 0x20;
    o.wordWrap = flags & 0x40;
    o.tabWidth = (flags & 0x80) ? 32767 : 4;
    o.headingFont.height = 20;
    layout.setOptions(o);
    layout.setText(text);
    zel::koru::Palette palette;
    const auto d = layout.draw(0, palette, 0);
    for (const auto& s : d.segments)
        if (s.hotspot < 0 || static_cast<std::size_t>(s.hotspot) >= table.size()) __builtin_trap();
    layout.layoutToEnd();
    (void)layout.draw(layout.scrollMax(), palette);
    return 0;
}
