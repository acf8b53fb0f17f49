// The hypertext label's property-set stream. Layout (little-endian):
//   u16 minor, u16 major                      version tag 4.1
//   i32 width, i32 height                     extent in pixels
//   u32 stock mask, then Font, BorderStyle, Enabled for the bits set (no tags)
//   ToolTip BackColor ForeColor AutoSize DrawFocusRect HeadingColor HeadingFont
//   HotspotColors JumpColor JumpCursor PopupColor PopupCursor NormalCursor
//   TabWidth Text WordWrap                    each: u8 type tag (0 = missing) + value
//   JumpIcon PopupIcon NormalIcon             each: tag + u32 length + PNG bytes
// Values: bool u8 0/1; 16-bit i16; colour u32; real f32; string u32 length +
// UTF-8; font = string face, f32 points, i16 weight, u8 flags (italic 1,
// underline 2, strike-out 4). The older edition (4.0) has, in place of
// HeadingFont, HeadingSize HeadingBold HeadingItalic HeadingUnderline
// HeadingStrikethru as tagged values.
#include "korutext/KoruPropertySet.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace zel::koru {

namespace {

enum class Tag : std::uint8_t {
    Missing = 0,
    Bool = 1,
    Short = 2,
    Colour = 3,
    String = 4,
    Font = 5,
    Picture = 6,
    Real = 7
};

const char* const kTruncated = "プロパティセットが途中で切れています。";
const char* const kCorrupt = "プロパティセットが壊れています。";

class Writer {
  public:
    void u8(std::uint8_t v) { m_out.push_back(v); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void bytes(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        m_out.insert(m_out.end(), b, b + n);
    }
    void string(const std::string& s) {
        u32(static_cast<std::uint32_t>(s.size()));
        bytes(s.data(), s.size());
    }
    void font(const KoruFont& f) {
        string(f.face);
        f32(f.points);
        u16(static_cast<std::uint16_t>(f.weight));
        u8(static_cast<std::uint8_t>((f.italic ? 1 : 0) | (f.underline ? 2 : 0) | (f.strikeOut ? 4 : 0)));
    }
    void tag(Tag t) { u8(static_cast<std::uint8_t>(t)); }
    template <class T, class F> void tagged(const std::optional<T>& v, Tag t, F put) {
        if (!v) return tag(Tag::Missing);
        tag(t);
        put(*v);
    }
    std::vector<std::uint8_t> take() { return std::move(m_out); }

  private:
    std::vector<std::uint8_t> m_out;
};

// Reads values; the first failure sticks and every later read gives nothing.
class Reader {
  public:
    Reader(const std::uint8_t* p, std::size_t n) : m_p(p), m_n(n) {}
    bool failed() const { return !m_status.isOk(); }
    const Status& status() const { return m_status; }
    std::size_t remaining() const { return m_n - m_pos; }

    void fail(const char* msg) {
        if (!failed()) m_status = Status::corruptInput(msg);
    }
    bool need(std::size_t k) {
        if (failed()) return false;
        if (remaining() < k) {
            fail(kTruncated);
            return false;
        }
        return true;
    }
    std::uint8_t u8() {
        if (!need(1)) return 0;
        return m_p[m_pos++];
    }
    std::uint16_t u16() {
        if (!need(2)) return 0;
        const auto v = static_cast<std::uint16_t>(m_p[m_pos] | (m_p[m_pos + 1] << 8));
        m_pos += 2;
        return v;
    }
    std::uint32_t u32() {
        if (!need(4)) return 0;
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | m_p[m_pos + static_cast<std::size_t>(i)];
        m_pos += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    float f32() { return std::bit_cast<float>(u32()); }
    bool boolean() {
        const std::uint8_t b = u8();
        if (b > 1) fail(kCorrupt);
        return b == 1;
    }
    std::uint32_t colour() {
        const std::uint32_t c = u32();
        if (!failed() && !isValidKoruColour(c)) fail(kCorrupt);
        return c;
    }
    // The length is checked against the input before anything is allocated.
    std::string string() {
        const std::uint32_t len = u32();
        if (!need(len)) return {};
        std::string s(reinterpret_cast<const char*>(m_p + m_pos), len);
        m_pos += len;
        if (!isValidUtf8(s)) fail(kCorrupt);
        return s;
    }
    float size() {
        const float v = f32();
        if (!failed() && !koruAccepts(KoruNumber::FontPoints, v)) fail(kCorrupt);
        return v;
    }
    KoruFont font() {
        KoruFont f;
        f.face = string();
        f.points = size();
        f.weight = i16();
        if (!failed() && !koruAccepts(KoruNumber::FontWeight, f.weight)) fail(kCorrupt);
        const std::uint8_t flags = u8();
        if (flags & ~7u) fail(kCorrupt);
        f.italic = flags & 1;
        f.underline = flags & 2;
        f.strikeOut = flags & 4;
        return f;
    }
    // A tagged value: nothing when missing; a tag of another type is corrupt.
    template <class F> auto tagged(Tag expected, F get) -> std::optional<decltype(get())> {
        const auto t = static_cast<Tag>(u8());
        if (failed() || t == Tag::Missing) return std::nullopt;
        if (t != expected) {
            fail(kCorrupt);
            return std::nullopt;
        }
        auto v = get();
        if (failed()) return std::nullopt;
        return v;
    }
    // A picture: an unreadable one gives nothing, and ok is cleared.
    std::vector<std::uint8_t> picture(bool& ok) {
        if (!ok || failed() || remaining() < 1) return ok = false, std::vector<std::uint8_t>{};
        const auto t = static_cast<Tag>(m_p[m_pos]);
        if (t == Tag::Missing) {
            ++m_pos;
            return {};
        }
        if (t != Tag::Picture || remaining() < 5) return ok = false, std::vector<std::uint8_t>{};
        std::uint32_t len = 0;
        for (int i = 4; i >= 1; --i)
            len = (len << 8) | m_p[m_pos + static_cast<std::size_t>(i)];
        if (len > remaining() - 5) return ok = false, std::vector<std::uint8_t>{};
        std::vector<std::uint8_t> out(m_p + m_pos + 5, m_p + m_pos + 5 + len);
        m_pos += 5 + len;
        static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        if (out.size() < 8 || std::memcmp(out.data(), kPng, 8) != 0) return {};
        return out;
    }

  private:
    const std::uint8_t* m_p;
    std::size_t m_n;
    std::size_t m_pos = 0;
    Status m_status;
};

} // namespace

bool isValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((n == 1 && cp < 0x80) || (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

std::vector<std::uint8_t> KoruPropertySet::write() const {
    Writer w;
    w.u16(kMinor);
    w.u16(kMajor);
    w.i32(width);
    w.i32(height);
    const std::uint32_t mask =
        (font ? kStockFont : 0) | (borderStyle ? kStockBorderStyle : 0) | (enabled ? kStockEnabled : 0);
    w.u32(mask);
    if (font) w.font(*font);
    if (borderStyle) w.u16(static_cast<std::uint16_t>(*borderStyle));
    if (enabled) w.u8(*enabled ? 1 : 0);
    const auto str = [&w](const std::string& s) { w.string(s); };
    const auto col = [&w](std::uint32_t c) { w.u32(c); };
    const auto bln = [&w](bool b) { w.u8(b ? 1 : 0); };
    const auto sht = [&w](std::int16_t v) { w.u16(static_cast<std::uint16_t>(v)); };
    w.tagged(toolTip, Tag::String, str);
    w.tagged(backColor, Tag::Colour, col);
    w.tagged(foreColor, Tag::Colour, col);
    w.tagged(autoSize, Tag::Bool, bln);
    w.tagged(drawFocusRect, Tag::Bool, bln);
    w.tagged(headingColor, Tag::Colour, col);
    w.tagged(headingFont, Tag::Font, [&w](const KoruFont& f) { w.font(f); });
    w.tagged(hotspotColors, Tag::Short, sht);
    w.tagged(jumpColor, Tag::Colour, col);
    w.tagged(jumpCursor, Tag::Short, sht);
    w.tagged(popupColor, Tag::Colour, col);
    w.tagged(popupCursor, Tag::Short, sht);
    w.tagged(normalCursor, Tag::Short, sht);
    w.tagged(tabWidth, Tag::Short, sht);
    w.tagged(text, Tag::String, str);
    w.tagged(wordWrap, Tag::Bool, bln);
    for (const auto* pic : {&jumpIcon, &popupIcon, &normalIcon}) {
        if (pic->empty()) {
            w.tag(Tag::Missing);
            continue;
        }
        w.tag(Tag::Picture);
        w.u32(static_cast<std::uint32_t>(pic->size()));
        w.bytes(pic->data(), pic->size());
    }
    return w.take();
}

Result<KoruPropertySet> KoruPropertySet::read(const std::uint8_t* data, std::size_t size) {
    Reader r(data, data ? size : 0);
    KoruPropertySet s;
    const std::uint16_t minor = r.u16();
    const std::uint16_t major = r.u16();
    if (r.failed()) return r.status();
    if (major != kMajor) return Status::corruptInput("プロパティセットの版が違います。");
    const bool legacy = minor == 0;

    s.width = r.i32();
    s.height = r.i32();
    if (!r.failed() && !(koruAccepts(KoruNumber::Extent, s.width) && koruAccepts(KoruNumber::Extent, s.height)))
        r.fail(kCorrupt);
    const std::uint32_t mask = r.u32();
    if (mask & ~(kStockFont | kStockBorderStyle | kStockEnabled)) r.fail(kCorrupt);
    if (mask & kStockFont) s.font = r.font();
    if (mask & kStockBorderStyle) s.borderStyle = r.i16();
    if (mask & kStockEnabled) s.enabled = r.boolean();

    const auto str = [&r] { return r.string(); };
    const auto col = [&r] { return r.colour(); };
    const auto bln = [&r] { return r.boolean(); };
    const auto sht = [&r] { return r.i16(); };
    s.toolTip = r.tagged(Tag::String, str);
    s.backColor = r.tagged(Tag::Colour, col);
    s.foreColor = r.tagged(Tag::Colour, col);
    s.autoSize = r.tagged(Tag::Bool, bln);
    s.drawFocusRect = r.tagged(Tag::Bool, bln);
    s.headingColor = r.tagged(Tag::Colour, col);
    if (legacy) {
        const auto size = r.tagged(Tag::Real, [&r] { return r.size(); });
        const auto bold = r.tagged(Tag::Bool, bln);
        const auto italic = r.tagged(Tag::Bool, bln);
        const auto underline = r.tagged(Tag::Bool, bln);
        const auto strike = r.tagged(Tag::Bool, bln);
        s.headingFont = convertLegacyHeadingFont(s.font, size, bold, italic, underline, strike);
    } else {
        s.headingFont = r.tagged(Tag::Font, [&r] { return r.font(); });
    }
    s.hotspotColors = r.tagged(Tag::Short, sht);
    s.jumpColor = r.tagged(Tag::Colour, col);
    s.jumpCursor = r.tagged(Tag::Short, sht);
    s.popupColor = r.tagged(Tag::Colour, col);
    s.popupCursor = r.tagged(Tag::Short, sht);
    s.normalCursor = r.tagged(Tag::Short, sht);
    s.tabWidth = r.tagged(Tag::Short, sht);
    if (!r.failed() && s.tabWidth && !koruAccepts(KoruNumber::TabWidth, *s.tabWidth)) r.fail(kCorrupt);
    s.text = r.tagged(Tag::String, str);
    s.wordWrap = r.tagged(Tag::Bool, bln);
    if (r.failed()) return r.status();

    bool ok = true;
    s.jumpIcon = r.picture(ok);
    s.popupIcon = r.picture(ok);
    s.normalIcon = r.picture(ok);
    return s;
}

KoruDefaultValues KoruPropertySet::resolve(const KoruDefaultValues& d) const {
    KoruDefaultValues v;
    v.backColor = backColor.value_or(d.backColor);
    v.foreColor = foreColor.value_or(d.foreColor);
    v.autoSize = autoSize.value_or(d.autoSize);
    v.drawFocusRect = drawFocusRect.value_or(d.drawFocusRect);
    v.headingColor = headingColor.value_or(d.headingColor);
    v.hotspotColors = hotspotColors.value_or(d.hotspotColors);
    v.jumpColor = jumpColor.value_or(d.jumpColor);
    v.jumpCursor = jumpCursor.value_or(d.jumpCursor);
    v.popupColor = popupColor.value_or(d.popupColor);
    v.popupCursor = popupCursor.value_or(d.popupCursor);
    v.normalCursor = normalCursor.value_or(d.normalCursor);
    v.tabWidth = tabWidth.value_or(d.tabWidth);
    v.wordWrap = wordWrap.value_or(d.wordWrap);
    return v;
}

KoruFont KoruPropertySet::convertLegacyHeadingFont(const std::optional<KoruFont>& mainFont,
                                                   std::optional<float> size, std::optional<bool> bold,
                                                   std::optional<bool> italic, std::optional<bool> underline,
                                                   std::optional<bool> strikeOut) {
    KoruFont f;
    if (mainFont) f.face = mainFont->face;
    f.points = size.value_or(8.25f);
    f.weight = bold.value_or(true) ? 700 : 400;
    f.italic = italic.value_or(false);
    f.underline = underline.value_or(false);
    f.strikeOut = strikeOut.value_or(false);
    return f;
}

} // namespace zel::koru
