// KoruDefaultsFile: the hypertext label's per-user defaults file "TDL4WIN.INI",
// section "KoruText Control". A new instance takes thirteen of its starting
// values from here; "保存" and "リセット" write every simple-typed value of the
// control's property exchange under its storage key.
#pragma once

#include "korutext/KoruIniFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel::koru {

// Colour values: high bit clear = 24-bit colour (red lowest); high bit set = the
// system colour whose index is in the low byte.
constexpr std::uint32_t kSystemWindowBackground = 0x80000005u;
constexpr std::uint32_t kSystemWindowText = 0x80000008u;
constexpr std::uint32_t kDefaultHotspotColour = 0x00008000u; // red 0, green 128, blue 0

// Whether a value names a colour: a 24-bit colour or a system colour 0..30.
bool isValidKoruColour(std::uint32_t c);

// The values whose defaults the defaults file may replace, with their built-in
// defaults.
struct KoruDefaultValues {
    std::uint32_t backColor = kSystemWindowBackground;
    std::uint32_t foreColor = kSystemWindowText;
    bool autoSize = false;
    bool drawFocusRect = true;
    std::uint32_t headingColor = kSystemWindowText;
    std::int16_t hotspotColors = 0;
    std::uint32_t jumpColor = kDefaultHotspotColour;
    std::int16_t jumpCursor = 0;
    std::uint32_t popupColor = kDefaultHotspotColour;
    std::int16_t popupCursor = 0;
    std::int16_t normalCursor = 0;
    std::int16_t tabWidth = 8;
    bool wordWrap = false;
    bool operator==(const KoruDefaultValues&) const = default;
};

// Every simple-typed value of the property exchange (fonts and pictures are not
// simple), as "保存" and "リセット" write them.
struct KoruExchangeValues {
    std::int16_t borderStyle = 0;
    bool enabled = true;
    std::string toolTip;
    KoruDefaultValues values;
    std::string text;
    bool operator==(const KoruExchangeValues&) const = default;
};

class KoruDefaultsFile {
  public:
    static constexpr std::string_view kFileName = "TDL4WIN.INI";
    static constexpr std::string_view kSection = "KoruText Control";
    // A value is read up to this many bytes.
    static constexpr std::size_t kMaxValueLength = 255;

    explicit KoruDefaultsFile(KoruIniFile file = {}, std::string section = std::string(kSection));
    static KoruDefaultsFile parse(std::string_view text);

    // The value under key, cut to kMaxValueLength; nothing when the key is missing
    // or empty, or when the section name is empty.
    std::optional<std::string> raw(std::string_view key) const;
    // The built-in defaults, each replaced by its key's value where that key is
    // present, not empty and holds a value the property accepts.
    KoruDefaultValues read() const;
    // Writes every value under its storage key; the rest of the file is kept.
    void write(const KoruExchangeValues& values);

    const KoruIniFile& file() const { return m_file; }
    std::string text() const { return m_file.text(); }

    // Reading numbers as the C library does: decimal, hexadecimal after "0x",
    // octal after a leading 0; leading blanks and a sign allowed; reading stops
    // at the first character that cannot continue the number; no number gives 0.
    // Signed values saturate at the 32-bit limits; unsigned values saturate at
    // 0xFFFFFFFF and a minus sign negates modulo 2^32.
    static std::int32_t parseLong(std::string_view s);
    static std::uint32_t parseULong(std::string_view s);
    // A decimal real ("8.25", "-1e3"); no number gives 0.
    static double parseReal(std::string_view s);

    static std::string formatShort(std::int16_t v);
    static std::string formatLong(std::int32_t v);
    // Signed decimal: a system colour comes out negative.
    static std::string formatColour(std::uint32_t c);
    static std::string formatBool(bool b);
    // Six decimals, a point whatever the locale.
    static std::string formatReal(double v);

  private:
    KoruIniFile m_file;
    std::string m_section;
};

} // namespace zel::koru
