// The markup walks shared by the hot-spot table, the plain text and the layout.
#include "korutext/KoruMarkup.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace zel::koru {

namespace {

bool isTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void endHotspot(std::vector<Hotspot>& table, bool& open, std::size_t at) {
    if (!open) return;
    Hotspot& h = table.back();
    h.textLength = static_cast<std::int32_t>(at - static_cast<std::size_t>(h.textStart));
    if (h.keyLength == 0) h.keyStart = 0;
    open = false;
}

// Double-byte marks as lead byte << 8 | trail byte, sorted.
constexpr std::uint16_t kNoLineStartMarks[] = {
    0x8141, 0x8142, 0x8143, 0x8144, 0x8145, 0x8146, 0x8147, 0x8148, 0x8149, // 、。，．・：；？！
    0x814A, 0x814B, 0x8152, 0x8153, 0x8154, 0x8155, 0x8158, 0x815B,         // ゛゜ヽヾゝゞ々ー
    0x8166, 0x8168, 0x816A, 0x816C, 0x816E, 0x8170, 0x8172, 0x8174,         // ’”）〕］｝〉》
    0x8176, 0x8178, 0x817A,                                                 // 」』】
    0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82C1, 0x82E1, 0x82E3, 0x82E5, // ぁぃぅぇぉっゃゅょ
    0x82EC, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8362, 0x8383, 0x8385, // ゎァィゥェォッャュ
    0x8387, 0x838E, 0x8395, 0x8396};                                        // ョヮヵヶ
constexpr std::uint16_t kNoLineEndMarks[] = {0x8165, 0x8167, 0x8169, 0x816B, 0x816D, 0x816F,
                                             0x8171, 0x8173, 0x8175, 0x8177, 0x8179}; // ‘“（〔［｛〈《「『【
// Half-width forms: ｡ ｣ ､ ･ ﾞ ﾟ ｰ close, ｢ opens.
constexpr unsigned char kHalfWidthNoLineStart[] = {0xA1, 0xA3, 0xA4, 0xA5, 0xB0, 0xDE, 0xDF};
constexpr unsigned char kHalfWidthOpening = 0xA2;

template <std::size_t N>
bool holdsMark(const std::uint16_t (&marks)[N], std::string_view ch) {
    if (ch.size() != 2) return false;
    const auto code = static_cast<std::uint16_t>((static_cast<unsigned char>(ch[0]) << 8) |
                                                 static_cast<unsigned char>(ch[1]));
    return std::binary_search(std::begin(marks), std::end(marks), code);
}

} // namespace

bool isNoLineStart(std::string_view ch) {
    if (ch.size() == 1)
        return std::find(std::begin(kHalfWidthNoLineStart), std::end(kHalfWidthNoLineStart),
                         static_cast<unsigned char>(ch[0])) != std::end(kHalfWidthNoLineStart);
    return holdsMark(kNoLineStartMarks, ch);
}

bool isNoLineEnd(std::string_view ch) {
    if (ch.size() == 1) return static_cast<unsigned char>(ch[0]) == kHalfWidthOpening;
    return holdsMark(kNoLineEndMarks, ch);
}

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t charLength(std::string_view text, std::size_t i) {
    if (i + 1 < text.size() && isLeadByte(static_cast<unsigned char>(text[i])) &&
        isTrailByte(static_cast<unsigned char>(text[i + 1])))
        return 2;
    return 1;
}

std::size_t codeLength(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return 1;
    return 1 + charLength(text, i + 1);
}

std::size_t colourArgumentEnd(std::string_view text, std::size_t pos) {
    std::size_t p = pos;
    for (int n = 0; n < 6 && p < text.size(); ++n)
        p += charLength(text, p);
    return p;
}

bool readColour(std::string_view text, std::size_t pos, std::size_t end, Colour& colour) {
    if (end - pos < 6) return false;
    Colour value = 0;
    for (std::size_t p = pos; p < end && p < pos + 6; ++p) {
        const int d = hexValue(text[p]);
        if (d < 0) break;
        value = (value << 4) | static_cast<Colour>(d);
    }
    colour = value & 0xFFFFFF;
    return true;
}

KeySpan findKeyEnd(std::string_view text, std::size_t pos) {
    std::size_t p = pos;
    while (p < text.size()) {
        if (text[p] == '\\') {
            if (p + 1 < text.size() && text[p + 1] == 'k') return {p, p + 2};
            p += codeLength(text, p);
        } else {
            p += charLength(text, p);
        }
    }
    return {text.size(), text.size()};
}

std::vector<Hotspot> buildHotspotTable(std::string_view text) {
    std::vector<Hotspot> table;
    bool open = false;
    std::size_t p = 0;
    while (p < text.size()) {
        if (text[p] != '\\') {
            p += charLength(text, p);
            continue;
        }
        const std::size_t len = codeLength(text, p);
        const std::size_t after = p + len;
        const char letter = len == 2 ? text[p + 1] : '\0';
        switch (letter) {
        case 'J':
        case 'P':
        case 'j':
        case 'p':
            endHotspot(table, open, p);
            if (letter == 'J' || letter == 'P') {
                Hotspot h;
                h.kind = letter == 'J' ? HotspotKind::Jump : HotspotKind::Popup;
                h.textStart = static_cast<std::int32_t>(after);
                table.push_back(h);
                open = true;
            }
            p = after;
            break;
        case 'K': {
            const KeySpan key = findKeyEnd(text, after);
            if (open) {
                Hotspot& h = table.back();
                h.keyStart = static_cast<std::int32_t>(after);
                h.keyLength = 0;              // a later key replaces an earlier one
                if (key.end > key.closePos) { // closed by «\k»
                    h.keyLength = static_cast<std::int32_t>(key.closePos - after);
                    h.textStart = static_cast<std::int32_t>(key.end);
                }
            }
            p = key.end;
            break;
        }
        case 'C':
            p = colourArgumentEnd(text, after);
            break;
        default:
            p = after;
            break;
        }
    }
    endHotspot(table, open, text.size());
    return table;
}

std::string rawText(std::string_view text) {
    std::string out;
    bool heading = false;
    std::size_t p = 0;
    while (p < text.size()) {
        if (text[p] != '\\') {
            const std::size_t n = charLength(text, p);
            out.append(text.substr(p, n));
            p += n;
            continue;
        }
        const std::size_t len = codeLength(text, p);
        const std::size_t after = p + len;
        const char letter = len == 2 ? text[p + 1] : '\0';
        switch (letter) {
        case '\\':
            out.push_back('\\');
            p = after;
            break;
        case 'C':
            p = colourArgumentEnd(text, after);
            break;
        case 'K':
            p = findKeyEnd(text, after).end;
            break;
        case 'H':
        case 'h': {
            const bool want = letter == 'H';
            if (want != heading && !out.empty()) out.append("\r\n");
            heading = want;
            p = after;
            break;
        }
        default:
            p = after;
            break;
        }
    }
    return out;
}

} // namespace zel::koru
