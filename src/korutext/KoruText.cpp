// The hypertext label's text in code page 932 and its UTF-8 views.
#include "korutext/KoruText.h"

#include "common/Cp932.h"
#include "korutext/KoruMarkup.h"

namespace zel::koru {

namespace {

// Length of the UTF-8 sequence that starts with c (1 for a stray byte).
std::size_t utf8Length(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC2 && c <= 0xDF) return 2;
    return 1;
}

std::string toCp932Lossy(std::string_view utf8) {
    if (auto whole = utf8ToCp932(utf8)) return std::move(whole.value());
    std::string out;
    for (std::size_t p = 0; p < utf8.size();) {
        std::size_t n = utf8Length(static_cast<unsigned char>(utf8[p]));
        if (p + n > utf8.size()) n = 1;
        auto one = utf8ToCp932(utf8.substr(p, n));
        if (one && !one.value().empty())
            out += one.value();
        else
            out.push_back('?');
        p += n;
    }
    return out;
}

std::string slice(const std::string& s, std::int32_t start, std::int32_t length) {
    if (start < 0 || length <= 0 || static_cast<std::size_t>(start) >= s.size()) return {};
    return s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

} // namespace

bool KoruText::setText(std::string_view utf8) {
    return setBytes(toCp932Lossy(utf8));
}

bool KoruText::setBytes(std::string bytes) {
    if (bytes == m_bytes) return false;
    m_bytes = std::move(bytes);
    m_hotspots = buildHotspotTable(m_bytes);
    return true;
}

std::string KoruText::text() const {
    return cp932ToUtf8(m_bytes);
}

std::string KoruText::hotspotKey(int n) const {
    if (n < 0 || n >= hotspotCount()) return {};
    const Hotspot& h = m_hotspots[static_cast<std::size_t>(n)];
    if (h.keyStart == 0) return {};
    return cp932ToUtf8(slice(m_bytes, h.keyStart, h.keyLength));
}

std::string KoruText::hotspotText(int n) const {
    if (n < 0 || n >= hotspotCount()) return {};
    const Hotspot& h = m_hotspots[static_cast<std::size_t>(n)];
    return cp932ToUtf8(slice(m_bytes, h.textStart, h.textLength));
}

HotspotKind KoruText::hotspotKind(int n) const {
    if (n < 0 || n >= hotspotCount()) return HotspotKind::Jump;
    return m_hotspots[static_cast<std::size_t>(n)].kind;
}

std::string KoruText::rawText() const {
    return cp932ToUtf8(koru::rawText(m_bytes));
}

} // namespace zel::koru
