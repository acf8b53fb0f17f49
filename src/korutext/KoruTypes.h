// Small value types shared by the hypertext label's markup and layout engine:
// colours, rectangles, font descriptions and font metrics.
#pragma once

#include <cstdint>
#include <string>

namespace zel::koru {

// A 24-bit colour: red is the lowest byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Left and top inside, right and bottom outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

struct FontDesc {
    std::string face;
    int height = 13; // pixels
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontDesc&) const = default;
};

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int lineHeight() const { return ascent + descent + externalLeading; }
};

enum class HotspotKind : std::int32_t { Jump = 0, Popup = 1 };

struct Hotspot {
    HotspotKind kind = HotspotKind::Jump;
    std::int32_t textStart = 0;
    std::int32_t textLength = 0;
    std::int32_t keyStart = 0; // 0 when the hot spot has no key
    std::int32_t keyLength = 0;
    bool operator==(const Hotspot&) const = default;
};

} // namespace zel::koru
