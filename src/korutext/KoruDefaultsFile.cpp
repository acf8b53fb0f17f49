// Reading and writing the hypertext label's defaults file.
#include "korutext/KoruDefaultsFile.h"

#include "korutext/KoruPropertySet.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zel::koru {

bool isValidKoruColour(std::uint32_t c) {
    if ((c & 0xFF000000u) == 0) return true;
    if ((c & 0xFF000000u) == 0x80000000u) return (c & 0x00FFFF00u) == 0 && (c & 0xFFu) <= 30;
    return false;
}

namespace {

struct CNumber {
    bool negative = false;
    std::uint64_t magnitude = 0; // saturated just above 0xFFFFFFFF
};

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

CNumber scanC(std::string_view s) {
    CNumber n;
    std::size_t i = 0;
    while (i < s.size() &&
           (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n' || s[i] == '\v' || s[i] == '\f'))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '0') {
        if (i + 2 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X') && digitValue(s[i + 2]) < 16) {
            base = 16;
            i += 2;
        } else {
            base = 8;
        }
    }
    constexpr std::uint64_t kCap = 0x1FFFFFFFFull;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i]);
        if (d >= base) break;
        n.magnitude = std::min<std::uint64_t>(kCap, n.magnitude * static_cast<unsigned>(base) + d);
    }
    return n;
}

} // namespace

std::int32_t KoruDefaultsFile::parseLong(std::string_view s) {
    const CNumber n = scanC(s);
    if (n.negative) {
        if (n.magnitude >= 0x80000000ull) return std::numeric_limits<std::int32_t>::min();
        return -static_cast<std::int32_t>(n.magnitude);
    }
    if (n.magnitude > 0x7FFFFFFFull) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(n.magnitude);
}

std::uint32_t KoruDefaultsFile::parseULong(std::string_view s) {
    const CNumber n = scanC(s);
    if (n.magnitude > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    const auto m = static_cast<std::uint32_t>(n.magnitude);
    return n.negative ? static_cast<std::uint32_t>(0u - m) : m;
}

double KoruDefaultsFile::parseReal(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.front() == '+' || s.front() == '-') return 0.0;
    double v = 0.0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) return 0.0;
    if (r.ec != std::errc() || !std::isfinite(v)) return 0.0;
    return negative ? -v : v;
}

std::string KoruDefaultsFile::formatShort(std::int16_t v) {
    return std::to_string(v);
}

std::string KoruDefaultsFile::formatLong(std::int32_t v) {
    return std::to_string(v);
}

std::string KoruDefaultsFile::formatColour(std::uint32_t c) {
    return std::to_string(static_cast<std::int32_t>(c));
}

std::string KoruDefaultsFile::formatBool(bool b) {
    return b ? "1" : "0";
}

std::string KoruDefaultsFile::formatReal(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    if (r.ec != std::errc()) return "0.000000";
    return std::string(buf, r.ptr);
}

KoruDefaultsFile::KoruDefaultsFile(KoruIniFile file, std::string section)
    : m_file(std::move(file)), m_section(std::move(section)) {}

KoruDefaultsFile KoruDefaultsFile::parse(std::string_view text) {
    return KoruDefaultsFile(KoruIniFile::parse(text));
}

std::optional<std::string> KoruDefaultsFile::raw(std::string_view key) const {
    if (m_section.empty()) return std::nullopt;
    std::optional<std::string> v = m_file.value(m_section, key);
    if (!v || v->empty()) return std::nullopt;
    if (v->size() > kMaxValueLength) {
        std::size_t n = kMaxValueLength;
        // Never keep half of a UTF-8 character.
        while (n > 0 && (static_cast<unsigned char>((*v)[n]) & 0xC0) == 0x80)
            --n;
        v->resize(n);
    }
    return v;
}

namespace {

void readColour(const KoruDefaultsFile& f, std::string_view key, std::uint32_t& out) {
    if (const auto v = f.raw(key)) {
        const std::uint32_t c = KoruDefaultsFile::parseULong(*v);
        if (isValidKoruColour(c)) out = c;
    }
}

void readBool(const KoruDefaultsFile& f, std::string_view key, bool& out) {
    if (const auto v = f.raw(key)) out = KoruDefaultsFile::parseLong(*v) != 0;
}

void readShort(const KoruDefaultsFile& f, std::string_view key, KoruNumber number, std::int16_t& out) {
    if (const auto v = f.raw(key)) {
        const std::int32_t n = KoruDefaultsFile::parseLong(*v);
        if (koruAccepts(number, n)) out = static_cast<std::int16_t>(n);
    }
}

} // namespace

KoruDefaultValues KoruDefaultsFile::read() const {
    KoruDefaultValues d;
    readColour(*this, "BackColor", d.backColor);
    readColour(*this, "ForeColor", d.foreColor);
    readBool(*this, "AutoSize", d.autoSize);
    readBool(*this, "DrawFocusRect", d.drawFocusRect);
    readColour(*this, "HeadingColor", d.headingColor);
    readShort(*this, "HotspotColors", KoruNumber::HotspotColors, d.hotspotColors);
    readColour(*this, "JumpColor", d.jumpColor);
    readShort(*this, "JumpCursor", KoruNumber::JumpCursor, d.jumpCursor);
    readColour(*this, "PopupColor", d.popupColor);
    readShort(*this, "PopupCursor", KoruNumber::PopupCursor, d.popupCursor);
    readShort(*this, "NormalCursor", KoruNumber::NormalCursor, d.normalCursor);
    readShort(*this, "TabWidth", KoruNumber::TabWidth, d.tabWidth);
    readBool(*this, "WordWrap", d.wordWrap);
    return d;
}

void KoruDefaultsFile::write(const KoruExchangeValues& x) {
    if (m_section.empty()) return;
    const KoruDefaultValues& v = x.values;
    auto put = [this](std::string_view key, const std::string& value) {
        m_file.setValue(m_section, key, value);
    };
    put("BorderStyle", formatShort(x.borderStyle));
    put("Enabled", formatBool(x.enabled));
    put("ToolTip", x.toolTip);
    put("BackColor", formatColour(v.backColor));
    put("ForeColor", formatColour(v.foreColor));
    put("AutoSize", formatBool(v.autoSize));
    put("DrawFocusRect", formatBool(v.drawFocusRect));
    put("HeadingColor", formatColour(v.headingColor));
    put("HotspotColors", formatShort(v.hotspotColors));
    put("JumpColor", formatColour(v.jumpColor));
    put("JumpCursor", formatShort(v.jumpCursor));
    put("PopupColor", formatColour(v.popupColor));
    put("PopupCursor", formatShort(v.popupCursor));
    put("NormalCursor", formatShort(v.normalCursor));
    put("TabWidth", formatShort(v.tabWidth));
    put("Text", x.text);
    put("WordWrap", formatBool(v.wordWrap));
}

} // namespace zel::koru
