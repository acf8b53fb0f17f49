// The markup walks shared by the hot-spot table, the plain text and the layout.
#include "korutext/KoruMarkup.h"

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

} // namespace

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
