// KoruPropertySet: the hypertext label's stored property set, the values a host
// keeps with its form and hands back when it creates the control again, and its
// versioned binary stream. A value that the set does not hold is missing and
// takes its default when the set is loaded.
#pragma once

#include "common/Status.h"
#include "korutext/KoruDefaultsFile.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace zel::koru {

// The values a numeric property accepts. The control's setters refuse anything
// outside with the invalid-property-value error, the stored-set reader refuses a
// set holding anything outside as corrupt, and the defaults file's reader skips it,
// so that every value the control takes is saved and loaded again.
enum class KoruNumber {
    BorderStyle,
    HotspotColors,
    JumpCursor,
    PopupCursor,
    NormalCursor,
    TabWidth,
    Extent,     // the control's width or height in pixels
    FontPoints, // the size of either font in points; above the minimum
    FontWeight
};

struct KoruRange {
    KoruNumber number;
    double min;
    double max;
    bool minExcluded;
    constexpr bool contains(double v) const { return (minExcluded ? v > min : v >= min) && v <= max; }
};

// The largest width or height a window can have.
constexpr std::int32_t kKoruMaxExtent = 16777215;

inline constexpr KoruRange kKoruRanges[] = {
    {KoruNumber::BorderStyle, -32768, 32767, false},
    {KoruNumber::HotspotColors, -32768, 32767, false},
    {KoruNumber::JumpCursor, -32768, 32767, false},
    {KoruNumber::PopupCursor, -32768, 32767, false},
    {KoruNumber::NormalCursor, -32768, 32767, false},
    {KoruNumber::TabWidth, 1, 32767, false},
    {KoruNumber::Extent, 0, kKoruMaxExtent, false},
    {KoruNumber::FontPoints, 0, 2048, true},
    {KoruNumber::FontWeight, 0, 1000, false},
};

constexpr bool koruRangesInOrder() {
    for (std::size_t i = 0; i < std::size(kKoruRanges); ++i)
        if (static_cast<std::size_t>(kKoruRanges[i].number) != i) return false;
    return true;
}
static_assert(koruRangesInOrder(), "one range per number, in the order of KoruNumber");

constexpr const KoruRange& koruRange(KoruNumber n) {
    return kKoruRanges[static_cast<int>(n)];
}

// Whether a property accepts a value (NaN is never accepted).
constexpr bool koruAccepts(KoruNumber n, double v) {
    return koruRange(n).contains(v);
}

// A font as the set keeps it. An empty face means the host's ambient face.
struct KoruFont {
    std::string face;
    float points = 8.25f;
    std::int16_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const KoruFont&) const = default;
};

struct KoruPropertySet {
    // The stream's version tag: major 4, minor 1. Minor 0 is the older edition,
    // which kept the heading font as separate values.
    static constexpr std::uint16_t kMajor = 4;
    static constexpr std::uint16_t kMinor = 1;
    // Bits of the stock-property mask.
    static constexpr std::uint32_t kStockFont = 0x04;
    static constexpr std::uint32_t kStockBorderStyle = 0x20;
    static constexpr std::uint32_t kStockEnabled = 0x40;

    // The control's extent in pixels (0 x 0: the host decides).
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Stock properties.
    std::optional<KoruFont> font;
    std::optional<std::int16_t> borderStyle;
    std::optional<bool> enabled;
    // The control's own values, in stream order.
    std::optional<std::string> toolTip;
    std::optional<std::uint32_t> backColor;
    std::optional<std::uint32_t> foreColor;
    std::optional<bool> autoSize;
    std::optional<bool> drawFocusRect;
    std::optional<std::uint32_t> headingColor;
    std::optional<KoruFont> headingFont;
    std::optional<std::int16_t> hotspotColors;
    std::optional<std::uint32_t> jumpColor;
    std::optional<std::int16_t> jumpCursor;
    std::optional<std::uint32_t> popupColor;
    std::optional<std::int16_t> popupCursor;
    std::optional<std::int16_t> normalCursor;
    std::optional<std::int16_t> tabWidth;
    std::optional<std::string> text;
    std::optional<bool> wordWrap;
    // Pictures as PNG bytes; empty = no picture.
    std::vector<std::uint8_t> jumpIcon;
    std::vector<std::uint8_t> popupIcon;
    std::vector<std::uint8_t> normalIcon;

    bool operator==(const KoruPropertySet&) const = default;

    // The stream of this set (always the current version).
    std::vector<std::uint8_t> write() const;
    // Reads a stream. Truncated or corrupt input fails with CorruptInput; a picture
    // that cannot be read becomes an empty picture (and so do those after it).
    static Result<KoruPropertySet> read(const std::uint8_t* data, std::size_t size);
    static Result<KoruPropertySet> read(const std::vector<std::uint8_t>& bytes) {
        return read(bytes.data(), bytes.size());
    }

    // The thirteen values after loading: the set's value, else the defaults
    // (the defaults file's, or the built-in ones).
    KoruDefaultValues resolve(const KoruDefaultValues& defaults) const;

    // The heading font of a set saved by the older edition: the main font's face
    // with the separate values, defaulting to 8.25 points, bold, upright, not
    // underlined, not struck out.
    static KoruFont convertLegacyHeadingFont(const std::optional<KoruFont>& mainFont,
                                             std::optional<float> size, std::optional<bool> bold,
                                             std::optional<bool> italic, std::optional<bool> underline,
                                             std::optional<bool> strikeOut);
};

// Whether bytes are well-formed UTF-8.
bool isValidUtf8(const std::string& s);

} // namespace zel::koru
