// Tests of the code page 932 conversion, including the characters that the
// Japanese Windows code page maps one way.
#include "common/Cp932.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {
std::string toCp(std::string_view u) {
    auto r = utf8ToCp932(u);
    EXPECT_TRUE(r.isOk()) << r.status().message();
    return r.isOk() ? r.value() : std::string();
}
} // namespace

TEST(Cp932, AsciiAndJapaneseRoundTrip) {
    EXPECT_EQ(toCp("abc 123,\r\n"), "abc 123,\r\n");
    EXPECT_EQ(toCp("寸法"), "\x90\xA1\x96\x40");
    EXPECT_EQ(toCp("ｻﾝﾌﾟﾙ"), "\xBB\xDD\xCC\xDF\xD9"); // half-width katakana: one byte each
    EXPECT_EQ(toCp("データ"), "\x83\x66\x81\x5B\x83\x5E");
    for (const char* s : {"寸法", "ｻﾝﾌﾟﾙ", "外径（ｍｍ）", "表", "①Ⅱ㈱髙", "ソ能"})
        EXPECT_EQ(cp932ToUtf8(toCp(s)), s) << s;
    // 表 and ソ end in 0x5C, which must not be taken for a separator or escape.
    EXPECT_EQ(toCp("表"), "\x95\x5C");
}

TEST(Cp932, WindowsSpecialsMapAsTheJapaneseCodePage) {
    // The JIS forms go to the same bytes as the full-width forms and read back as those.
    struct Case {
        const char* utf8;
        const char* bytes;
        const char* readBack;
    };
    const Case cases[] = {
        {"〜", "\x81\x60", "～"}, {"～", "\x81\x60", "～"}, {"−", "\x81\x7C", "－"}, {"－", "\x81\x7C", "－"},
        {"‖", "\x81\x61", "∥"},   {"∥", "\x81\x61", "∥"},   {"¢", "\x81\x91", "￠"}, {"￠", "\x81\x91", "￠"},
        {"£", "\x81\x92", "￡"},  {"￡", "\x81\x92", "￡"}, {"¬", "\x81\xCA", "￢"}, {"￢", "\x81\xCA", "￢"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toCp(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(cp932ToUtf8(c.bytes), c.readBack) << c.utf8;
    }
    // 0x5C is the backslash (shown as the yen sign on Japanese systems).
    EXPECT_EQ(cp932ToUtf8("\x5C"), "\\");
}

TEST(Cp932, UnrepresentableCharacterIsNamed) {
    auto r = utf8ToCp932("ab😀c");
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "「😀」（U+1F600）はシフトJISで保存できない文字です。");
    r = utf8ToCp932("Café");
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "「é」（U+00E9）はシフトJISで保存できない文字です。");
    r = utf8ToCp932("한");
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "「한」（U+D55C）はシフトJISで保存できない文字です。");
}

TEST(Cp932, InvalidUtf8IsRefused) {
    auto r = utf8ToCp932("a\xFF");
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "文字列に正しくないバイト（0xFF）があります。");
    EXPECT_FALSE(utf8ToCp932("\xE5\xAF").isOk()); // cut in the middle of a character
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");      // lead byte at the end
    EXPECT_EQ(cp932ToUtf8("\x81\x20x"), "\xEF\xBF\xBD x"); // lead byte before a blank
    EXPECT_EQ(cp932ToUtf8("\xFF\xFF\"q"), "\xEF\xBF\xBD\xEF\xBF\xBD\"q");
    EXPECT_EQ(cp932ToUtf8(""), "");
    // A long mixed text stays intact around the bad bytes.
    std::string big;
    for (int i = 0; i < 5000; ++i)
        big += "\x90\xA1\xFF,";
    const std::string out = cp932ToUtf8(big);
    std::string expected;
    for (int i = 0; i < 5000; ++i)
        expected += "寸\xEF\xBF\xBD,";
    EXPECT_EQ(out, expected);
}
