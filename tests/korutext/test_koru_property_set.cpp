// The hypertext label's stored property set: round trips, missing values and
// defaults, the older edition's heading font, and truncated or corrupt streams.
#include "korutext/KoruPropertySet.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace zel::koru;

namespace {

std::vector<std::uint8_t> png() {
    return {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 1, 2, 3};
}

KoruPropertySet fullSet() {
    KoruPropertySet s;
    s.width = 120;
    s.height = 24;
    s.font = KoruFont{"ＭＳ Ｐゴシック", 9.0f, 700, true, false, true};
    s.borderStyle = 1;
    s.enabled = false;
    s.toolTip = "ヒント";
    s.backColor = 0x0000FFFFu;
    s.foreColor = 0x80000008u;
    s.autoSize = true;
    s.drawFocusRect = false;
    s.headingColor = 0x00123456u;
    s.headingFont = KoruFont{"IPAGothic", 12.5f, 400, false, true, false};
    s.hotspotColors = 3;
    s.jumpColor = 0x000000FFu;
    s.jumpCursor = 99;
    s.popupColor = 0x00FF0000u;
    s.popupCursor = 14;
    s.normalCursor = 2;
    s.tabWidth = 4;
    s.text = "\\HTitle\\h\r\n\\J\\Kk\\k日本語\\j";
    s.wordWrap = true;
    s.jumpIcon = png();
    s.normalIcon = png();
    return s;
}

// The offset of the first byte after the version tag, extent and stock mask of
// a set without stock properties.
constexpr std::size_t kFirstTag = 4 + 8 + 4;

} // namespace

TEST(KoruPropertySet, RoundTripsEveryValue) {
    const KoruPropertySet s = fullSet();
    const auto bytes = s.write();
    // Version tag 4.1 first: minor, then major, little-endian.
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 4);
    EXPECT_EQ(bytes[3], 0);
    const auto back = KoruPropertySet::read(bytes);
    ASSERT_TRUE(back.isOk()) << back.status().message();
    EXPECT_EQ(*back, s);
}

TEST(KoruPropertySet, EmptySetKeepsEveryValueMissing) {
    const KoruPropertySet empty;
    const auto back = KoruPropertySet::read(empty.write());
    ASSERT_TRUE(back.isOk());
    EXPECT_EQ(*back, empty);
    EXPECT_FALSE(back->text.has_value());
    EXPECT_FALSE(back->font.has_value());
    EXPECT_TRUE(back->jumpIcon.empty());
}

TEST(KoruPropertySet, MissingValuesTakeTheGivenDefaults) {
    KoruDefaultValues fileDefaults;
    fileDefaults.tabWidth = 12;
    fileDefaults.backColor = 0x00010203u;
    fileDefaults.wordWrap = true;
    KoruPropertySet s;
    s.tabWidth = 3;
    const KoruDefaultValues v = s.resolve(fileDefaults);
    EXPECT_EQ(v.tabWidth, 3);            // the set's own value wins
    EXPECT_EQ(v.backColor, 0x00010203u); // missing: the defaults file's value
    EXPECT_TRUE(v.wordWrap);
    EXPECT_EQ(v.foreColor, kSystemWindowText); // missing everywhere: built-in
    EXPECT_EQ(KoruPropertySet{}.resolve({}), KoruDefaultValues{});
}

TEST(KoruPropertySet, OlderEditionConvertsTheSeparateHeadingValues) {
    // Built by hand: version 4.0, the main font as a stock property, then the
    // heading font as five separate values of which only the size is present.
    KoruPropertySet main;
    main.font = KoruFont{"IPAPGothic", 10.0f, 400, false, false, false};
    auto bytes = main.write();
    bytes[0] = 0; // minor 0
    // Find the heading font's tag: after the stock font, ToolTip..HeadingColor
    // are six missing values (one byte each), then the heading font's tag.
    const std::size_t stockEnd = bytes.size() - 19;
    ASSERT_EQ(bytes[stockEnd + 6], 0); // HeadingFont missing
    std::vector<std::uint8_t> legacy(bytes.begin(), bytes.begin() + static_cast<long>(stockEnd + 6));
    const float size = 11.0f;
    std::uint32_t bits;
    std::memcpy(&bits, &size, 4);
    legacy.insert(legacy.end(),
                  {7, static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                   static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)});
    legacy.insert(legacy.end(), {0, 0, 0, 0}); // bold, italic, underline, strike-out missing
    legacy.insert(legacy.end(), bytes.begin() + static_cast<long>(stockEnd + 7), bytes.end());
    const auto back = KoruPropertySet::read(legacy);
    ASSERT_TRUE(back.isOk()) << back.status().message();
    ASSERT_TRUE(back->headingFont.has_value());
    EXPECT_EQ(back->headingFont->face, "IPAPGothic");
    EXPECT_FLOAT_EQ(back->headingFont->points, 11.0f);
    EXPECT_EQ(back->headingFont->weight, 700); // bold by default

    const KoruFont d = KoruPropertySet::convertLegacyHeadingFont(std::nullopt, std::nullopt, std::nullopt,
                                                                 std::nullopt, std::nullopt, std::nullopt);
    EXPECT_FLOAT_EQ(d.points, 8.25f);
    EXPECT_EQ(d.weight, 700);
    EXPECT_FALSE(d.italic || d.underline || d.strikeOut);
    const KoruFont e =
        KoruPropertySet::convertLegacyHeadingFont(KoruFont{"F"}, 7.5f, false, true, true, true);
    EXPECT_EQ(e.face, "F");
    EXPECT_EQ(e.weight, 400);
    EXPECT_TRUE(e.italic && e.underline && e.strikeOut);
}

TEST(KoruPropertySet, EveryTruncationBeforeThePicturesFails) {
    KoruPropertySet s = fullSet();
    s.jumpIcon.clear();
    s.normalIcon.clear();
    const auto bytes = s.write();
    // The three picture tags are the last three bytes.
    for (std::size_t n = 0; n + 3 < bytes.size(); ++n) {
        const auto r = KoruPropertySet::read(bytes.data(), n);
        ASSERT_FALSE(r.isOk()) << "length " << n;
        EXPECT_EQ(r.status().code(), zel::StatusCode::CorruptInput);
    }
    EXPECT_FALSE(KoruPropertySet::read(nullptr, 10).isOk());
}

TEST(KoruPropertySet, CorruptValuesFail) {
    const auto good = KoruPropertySet{}.write();
    auto corrupt = [&](auto edit) {
        auto b = good;
        edit(b);
        return KoruPropertySet::read(b);
    };
    // Another major version.
    EXPECT_FALSE(corrupt([](auto& b) { b[2] = 5; }).isOk());
    // Unknown stock bits.
    EXPECT_FALSE(corrupt([](auto& b) { b[12] = 0x01; }).isOk());
    // Negative extent.
    EXPECT_FALSE(corrupt([](auto& b) { b[7] = 0x80; }).isOk());
    // A tag of the wrong type (ToolTip tagged as a colour).
    EXPECT_FALSE(corrupt([](auto& b) { b[kFirstTag] = 3; }).isOk());
    // A string whose length runs past the end: no allocation, a failure.
    EXPECT_FALSE(corrupt([](auto& b) {
                     b.erase(b.begin() + kFirstTag, b.end());
                     b.insert(b.end(), {4, 0xFF, 0xFF, 0xFF, 0x7F, 'a'});
                 }).isOk());

    KoruPropertySet s;
    s.tabWidth = 1;
    auto b = s.write();
    // TabWidth is the fourteenth tagged value: 13 missing bytes, then tag + i16.
    ASSERT_EQ(b[kFirstTag + 13], 2);
    b[kFirstTag + 14] = 0; // TabWidth 0
    EXPECT_FALSE(KoruPropertySet::read(b).isOk());

    KoruPropertySet c;
    c.backColor = 0;
    b = c.write();
    b[kFirstTag + 1 + 4] = 0x40; // colour 0x40000000: not a colour
    EXPECT_FALSE(KoruPropertySet::read(b).isOk());

    KoruPropertySet t;
    t.text = "ab";
    b = t.write();
    const std::size_t textAt = b.size() - 3 - 1 - 2; // text bytes before WordWrap's tag and the pictures
    b[textAt] = 0xC3;                                // half of a two-byte character
    EXPECT_FALSE(KoruPropertySet::read(b).isOk());

    KoruPropertySet f;
    f.autoSize = true;
    b = f.write();
    b[kFirstTag + 4] = 2; // a boolean that is neither 0 nor 1
    EXPECT_FALSE(KoruPropertySet::read(b).isOk());
}

// The reader takes exactly the values the control's setters take: each numeric
// value at both ends of its range loads, and one step beyond is corrupt.
TEST(KoruPropertySet, ReaderBoundsAreTheSettersBounds) {
    const auto reads = [](const KoruPropertySet& s) { return KoruPropertySet::read(s.write()).isOk(); };
    KoruPropertySet s;
    s.width = kKoruMaxExtent;
    s.height = kKoruMaxExtent;
    s.tabWidth = 32767;
    s.hotspotColors = -32768;
    s.jumpCursor = 32767;
    s.borderStyle = -32768;
    s.font = KoruFont{"a", 2048.0f, 1000, false, false, false};
    s.headingFont = KoruFont{"b", 0.01f, 0, false, false, false};
    EXPECT_TRUE(reads(s));
    EXPECT_TRUE(koruAccepts(KoruNumber::Extent, 100001)); // a wide AutoSize control

    auto beyond = s;
    beyond.width = kKoruMaxExtent + 1;
    EXPECT_FALSE(reads(beyond));
    beyond = s;
    beyond.font->points = 2048.5f;
    EXPECT_FALSE(reads(beyond));
    beyond = s;
    beyond.headingFont->points = 0.0f;
    EXPECT_FALSE(reads(beyond));
    beyond = s;
    beyond.tabWidth = 0;
    EXPECT_FALSE(reads(beyond));

    for (const KoruRange& r : kKoruRanges) {
        EXPECT_TRUE(koruAccepts(r.number, r.max));
        EXPECT_FALSE(koruAccepts(r.number, r.max + 1));
        EXPECT_EQ(koruAccepts(r.number, r.min), !r.minExcluded);
        EXPECT_FALSE(koruAccepts(r.number, r.min - 1));
    }
    // The 16-bit values fit their 16 bits.
    for (KoruNumber n : {KoruNumber::BorderStyle, KoruNumber::HotspotColors, KoruNumber::JumpCursor,
                         KoruNumber::PopupCursor, KoruNumber::NormalCursor, KoruNumber::TabWidth}) {
        EXPECT_GE(koruRange(n).min, -32768);
        EXPECT_LE(koruRange(n).max, 32767);
    }
}

TEST(KoruPropertySet, UnreadablePicturesBecomeEmpty) {
    KoruPropertySet s = fullSet();
    s.popupIcon = png();
    auto bytes = s.write();
    // Cut inside the last picture: it is empty, the others are kept.
    auto cut = bytes;
    cut.resize(cut.size() - 4);
    auto r = KoruPropertySet::read(cut);
    ASSERT_TRUE(r.isOk()) << r.status().message();
    EXPECT_EQ(r->jumpIcon, png());
    EXPECT_EQ(r->popupIcon, png());
    EXPECT_TRUE(r->normalIcon.empty());
    EXPECT_EQ(r->text, s.text);

    // Pictures missing altogether.
    KoruPropertySet plain = fullSet();
    plain.jumpIcon.clear();
    plain.normalIcon.clear();
    auto noPictures = plain.write();
    noPictures.resize(noPictures.size() - 3);
    r = KoruPropertySet::read(noPictures);
    ASSERT_TRUE(r.isOk());
    EXPECT_TRUE(r->jumpIcon.empty() && r->popupIcon.empty() && r->normalIcon.empty());

    // Bytes that are not a picture.
    KoruPropertySet junk;
    junk.jumpIcon = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    r = KoruPropertySet::read(junk.write());
    ASSERT_TRUE(r.isOk());
    EXPECT_TRUE(r->jumpIcon.empty());

    // A picture claiming more bytes than there are.
    KoruPropertySet big;
    big.jumpIcon = png();
    bytes = big.write();
    const std::size_t lenAt = bytes.size() - 2 - png().size() - 4;
    bytes[lenAt + 3] = 0x7F;
    r = KoruPropertySet::read(bytes);
    ASSERT_TRUE(r.isOk());
    EXPECT_TRUE(r->jumpIcon.empty());
}

TEST(KoruPropertySet, Utf8Check) {
    EXPECT_TRUE(isValidUtf8("abc ＭＳ Ｐゴシック 😀"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xFF"));
}
