// The hypertext label's defaults file: how values are read (C notation, the
// 255-byte limit, missing and empty keys), how they are written, and the
// settings-file editing that keeps the rest of the file.
#include "korutext/KoruDefaultsFile.h"

#include <gtest/gtest.h>

using namespace zel::koru;

TEST(KoruDefaultsFile, WholeNumbersInCNotation) {
    EXPECT_EQ(KoruDefaultsFile::parseLong("12"), 12);
    EXPECT_EQ(KoruDefaultsFile::parseLong("  -7"), -7);
    EXPECT_EQ(KoruDefaultsFile::parseLong("+5"), 5);
    EXPECT_EQ(KoruDefaultsFile::parseLong("0x1F"), 31);
    EXPECT_EQ(KoruDefaultsFile::parseLong("0X1f"), 31);
    EXPECT_EQ(KoruDefaultsFile::parseLong("017"), 15); // octal
    EXPECT_EQ(KoruDefaultsFile::parseLong("019"), 1);  // octal stops at 9
    EXPECT_EQ(KoruDefaultsFile::parseLong("0x"), 0);
    EXPECT_EQ(KoruDefaultsFile::parseLong("0xg"), 0);
    EXPECT_EQ(KoruDefaultsFile::parseLong("12abc"), 12);
    EXPECT_EQ(KoruDefaultsFile::parseLong("abc"), 0);
    EXPECT_EQ(KoruDefaultsFile::parseLong(""), 0);
    EXPECT_EQ(KoruDefaultsFile::parseLong("99999999999"), 2147483647);
    EXPECT_EQ(KoruDefaultsFile::parseLong("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(KoruDefaultsFile::parseLong("-2147483648"), -2147483647 - 1);

    EXPECT_EQ(KoruDefaultsFile::parseULong("0xFFFF00"), 0xFFFF00u);
    EXPECT_EQ(KoruDefaultsFile::parseULong("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(KoruDefaultsFile::parseULong("4294967296"), 0xFFFFFFFFu);
    EXPECT_EQ(KoruDefaultsFile::parseULong("-2147483643"), 0x80000005u);
    EXPECT_EQ(KoruDefaultsFile::parseULong("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(KoruDefaultsFile::parseULong("020000000010"), 0x80000008u);
}

TEST(KoruDefaultsFile, RealsAreDecimal) {
    EXPECT_DOUBLE_EQ(KoruDefaultsFile::parseReal("8.25"), 8.25);
    EXPECT_DOUBLE_EQ(KoruDefaultsFile::parseReal(" -1.5e1x"), -15.0);
    EXPECT_DOUBLE_EQ(KoruDefaultsFile::parseReal("+3"), 3.0);
    EXPECT_DOUBLE_EQ(KoruDefaultsFile::parseReal("x"), 0.0);
    EXPECT_DOUBLE_EQ(KoruDefaultsFile::parseReal("--3"), 0.0);
    EXPECT_DOUBLE_EQ(KoruDefaultsFile::parseReal("1e999"), 0.0);
}

TEST(KoruDefaultsFile, WritingForms) {
    EXPECT_EQ(KoruDefaultsFile::formatShort(-3), "-3");
    EXPECT_EQ(KoruDefaultsFile::formatLong(70000), "70000");
    EXPECT_EQ(KoruDefaultsFile::formatColour(0x80000005u), "-2147483643");
    EXPECT_EQ(KoruDefaultsFile::formatColour(0x00FFFF00u), "16776960");
    EXPECT_EQ(KoruDefaultsFile::formatBool(true), "1");
    EXPECT_EQ(KoruDefaultsFile::formatBool(false), "0");
    EXPECT_EQ(KoruDefaultsFile::formatReal(8.25), "8.250000");
    EXPECT_EQ(KoruDefaultsFile::formatReal(-0.5), "-0.500000");
}

TEST(KoruDefaultsFile, MissingFileSectionOrKeyGivesBuiltIns) {
    EXPECT_EQ(KoruDefaultsFile::parse("").read(), KoruDefaultValues{});
    EXPECT_EQ(KoruDefaultsFile::parse("[Other]\nTabWidth=3\n").read(), KoruDefaultValues{});
    // Present but empty: the built-in default.
    EXPECT_EQ(KoruDefaultsFile::parse("[KoruText Control]\nTabWidth=\n").read().tabWidth, 8);
    // An empty section name never uses the file.
    const KoruDefaultsFile noSection(KoruIniFile::parse("[]\nTabWidth=3\n"), "");
    EXPECT_EQ(noSection.read(), KoruDefaultValues{});
}

TEST(KoruDefaultsFile, ReadsEachValueUnderItsKey) {
    const KoruDefaultsFile f = KoruDefaultsFile::parse("; saved by 保存\r\n"
                                                       "[koruTEXT control]\r\n"
                                                       "BackColor = 0xFFFF\r\n"
                                                       "ForeColor=-2147483640\r\n"
                                                       "AutoSize=1\r\n"
                                                       "DrawFocusRect=0\r\n"
                                                       "HeadingColor=\"255\"\r\n"
                                                       "HotspotColors=2\r\n"
                                                       "JumpColor=010\r\n"
                                                       "JumpCursor=99\r\n"
                                                       "PopupColor=0x800000\r\n"
                                                       "PopupCursor=0x0e\r\n"
                                                       "NormalCursor=2\r\n"
                                                       "tabwidth=016\r\n"
                                                       "WordWrap=7\r\n"
                                                       "Text=never read\r\n");
    const KoruDefaultValues v = f.read();
    EXPECT_EQ(v.backColor, 0xFFFFu);
    EXPECT_EQ(v.foreColor, 0x80000008u);
    EXPECT_TRUE(v.autoSize);
    EXPECT_FALSE(v.drawFocusRect);
    EXPECT_EQ(v.headingColor, 255u);
    EXPECT_EQ(v.hotspotColors, 2);
    EXPECT_EQ(v.jumpColor, 8u);
    EXPECT_EQ(v.jumpCursor, 99);
    EXPECT_EQ(v.popupColor, 0x800000u);
    EXPECT_EQ(v.popupCursor, 14);
    EXPECT_EQ(v.normalCursor, 2);
    EXPECT_EQ(v.tabWidth, 14);
    EXPECT_TRUE(v.wordWrap);
}

TEST(KoruDefaultsFile, ValuesTheControlWouldRefuseKeepTheBuiltIns) {
    const KoruDefaultValues v = KoruDefaultsFile::parse("[KoruText Control]\n"
                                                        "TabWidth=0\n"
                                                        "BackColor=0x40000000\n"
                                                        "ForeColor=-1\n"
                                                        "JumpCursor=70000\n")
                                    .read();
    EXPECT_EQ(v.tabWidth, 8);
    EXPECT_EQ(v.backColor, kSystemWindowBackground);
    EXPECT_EQ(v.foreColor, kSystemWindowText);
    EXPECT_EQ(v.jumpCursor, 0);
}

TEST(KoruDefaultsFile, ReadsAtMost255Bytes) {
    // 255 characters ending in 5, then a 7 that is never seen.
    const std::string digits = "0x" + std::string(252, '0') + "5" + "7";
    const KoruDefaultsFile f = KoruDefaultsFile::parse("[KoruText Control]\nJumpColor=" + digits + "\n");
    ASSERT_TRUE(f.raw("JumpColor"));
    EXPECT_EQ(f.raw("JumpColor")->size(), 255u);
    EXPECT_EQ(f.read().jumpColor, 5u);
    // A cut never leaves half a character.
    const std::string wide = std::string(254, 'a') + "日本";
    const auto cut = KoruDefaultsFile::parse("[KoruText Control]\nText=" + wide + "\n").raw("Text");
    ASSERT_TRUE(cut);
    EXPECT_EQ(*cut, std::string(254, 'a'));
}

TEST(KoruDefaultsFile, WritesEveryValueAndReadsItBack) {
    KoruExchangeValues x;
    x.borderStyle = 1;
    x.toolTip = "ヒント";
    x.text = "line one\r\nTabWidth=1";
    x.values.backColor = kSystemWindowBackground;
    x.values.foreColor = 0x00808000u;
    x.values.autoSize = true;
    x.values.tabWidth = 3;
    x.values.jumpCursor = 99;
    x.values.wordWrap = true;
    KoruDefaultsFile f =
        KoruDefaultsFile::parse("[Other]\nKeep=me\n[KoruText Control]\nTabWidth=5\nExtra=1\n");
    f.write(x);
    const std::string text = f.text();
    EXPECT_NE(text.find("BackColor=-2147483643\n"), std::string::npos);
    EXPECT_NE(text.find("ForeColor=8421376\n"), std::string::npos);
    EXPECT_NE(text.find("AutoSize=1\n"), std::string::npos);
    EXPECT_NE(text.find("DrawFocusRect=1\n"), std::string::npos);
    EXPECT_NE(text.find("BorderStyle=1\n"), std::string::npos);
    EXPECT_NE(text.find("ToolTip=ヒント\n"), std::string::npos);
    // A line break in a text cannot smuggle a key into the file.
    EXPECT_NE(text.find("Text=line one\n"), std::string::npos);
    EXPECT_EQ(text.find("TabWidth=1"), std::string::npos);
    EXPECT_EQ(text.find("TabWidth=5"), std::string::npos);
    EXPECT_NE(text.find("[Other]\nKeep=me\n"), std::string::npos);
    EXPECT_NE(text.find("Extra=1\n"), std::string::npos);

    const KoruDefaultValues back = KoruDefaultsFile::parse(text).read();
    EXPECT_EQ(back, x.values);
    // The system colour went out negative and came back as the same system colour.
    EXPECT_EQ(back.backColor, 0x80000005u);
}

TEST(KoruIniFile, EditingKeepsTheRestOfTheFile) {
    KoruIniFile f = KoruIniFile::parse("[A]\nx=1\n\n[B]\ny=2\n");
    f.setValue("a", "X", "3");
    f.setValue("A", "z", "4");
    f.setValue("C", "w", "5");
    EXPECT_EQ(f.text(), "[A]\nX=3\nz=4\n\n[B]\ny=2\n\n[C]\nw=5\n");
    EXPECT_EQ(f.keys("A"), (std::vector<std::string>{"X", "z"}));
    EXPECT_TRUE(f.removeSection("b"));
    EXPECT_FALSE(f.removeSection("B"));
    EXPECT_FALSE(f.hasSection("B"));
    EXPECT_EQ(f.value("C", "w"), "5");
    EXPECT_EQ(f.value("C", "missing"), std::nullopt);
    // Comments are not keys.
    EXPECT_EQ(KoruIniFile::parse("[S]\n;k=1\n").value("S", "k"), std::nullopt);
}
