// Fixed-width text metrics for the layout tests: every single-byte character is
// kCharWidth pixels wide, every double-byte character twice that.
#pragma once

#include "common/Cp932.h"
#include "korutext/KoruMarkup.h"
#include "korutext/TextMetrics.h"

#include <string>

namespace zel::koru::test {

constexpr int kCharWidth = 7;

class FixedMetrics : public TextMetrics {
  public:
    FontMetrics fontMetrics(const FontDesc& font) const override {
        // Height 13: ascent 10, descent 3, leading 2 (line 15). Height 20: 16, 4, 0 (line 20).
        if (font.height >= 20) return {16, 4, 0, kCharWidth};
        return {10, 3, 2, kCharWidth};
    }
    int textWidth(const FontDesc&, std::string_view bytes) const override {
        int w = 0;
        for (std::size_t i = 0; i < bytes.size();) {
            const std::size_t n = charLength(bytes, i);
            w += static_cast<int>(n) * kCharWidth;
            i += n;
        }
        return w;
    }
};

inline std::string sjis(const std::string& utf8) {
    auto r = utf8ToCp932(utf8);
    return r ? r.value() : std::string();
}

} // namespace zel::koru::test
