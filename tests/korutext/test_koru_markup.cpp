// Tests of the hot-spot table, the plain text and the code page 932 text holder.
#include "FixedMetrics.h"
#include "korutext/KoruMarkup.h"
#include "korutext/KoruText.h"

#include <gtest/gtest.h>

using namespace zel::koru;
using zel::koru::test::sjis;

TEST(KoruHotspots, KeyAndTextOfTheExamples) {
    KoruText t;
    ASSERT_TRUE(t.setText("\\J\\KTopic7\\kSee the list\\j"));
    ASSERT_EQ(t.hotspotCount(), 1);
    EXPECT_EQ(t.hotspotKind(0), HotspotKind::Jump);
    EXPECT_EQ(t.hotspotKey(0), "Topic7");
    EXPECT_EQ(t.hotspotText(0), "See the list");
    const Hotspot& h = t.hotspots()[0];
    EXPECT_EQ(h.keyStart, 4);
    EXPECT_EQ(h.keyLength, 6);
    EXPECT_EQ(h.textStart, 12);
    EXPECT_EQ(h.textLength, 12);

    ASSERT_TRUE(t.setText("\\JSee\\j"));
    EXPECT_EQ(t.hotspotKey(0), "");
    EXPECT_EQ(t.hotspots()[0].keyStart, 0);
    EXPECT_EQ(t.hotspotText(0), "See");

    ASSERT_TRUE(t.setText("\\PNote\\p"));
    EXPECT_EQ(t.hotspotKind(0), HotspotKind::Popup);
    EXPECT_EQ(t.hotspotKey(0), "");
    EXPECT_EQ(t.hotspotText(0), "Note");
}

TEST(KoruHotspots, StartCodeEndsTheOpenOneAndOpenEndRunsToTheEnd) {
    KoruText t;
    t.setText("\\JOne\\JTwo\\j");
    ASSERT_EQ(t.hotspotCount(), 2);
    EXPECT_EQ(t.hotspotText(0), "One");
    EXPECT_EQ(t.hotspots()[0].textStart + t.hotspots()[0].textLength, 5); // where «\J» of Two starts
    EXPECT_EQ(t.hotspotText(1), "Two");

    t.setText("x\\JOpen");
    ASSERT_EQ(t.hotspotCount(), 1);
    EXPECT_EQ(t.hotspotText(0), "Open");

    // A popup end code ends a jump too; an end code with nothing open does nothing.
    t.setText("\\p\\Ja\\pb\\Pc");
    ASSERT_EQ(t.hotspotCount(), 2);
    EXPECT_EQ(t.hotspotText(0), "a");
    EXPECT_EQ(t.hotspotKind(1), HotspotKind::Popup);
    EXPECT_EQ(t.hotspotText(1), "c");
}

TEST(KoruHotspots, TextKeepsStyleCodesAndJapaneseComesBackExactly) {
    KoruText t;
    t.setText("\\J\\K目次\\k\\B太字ｶﾅです\\b\\j");
    ASSERT_EQ(t.hotspotCount(), 1);
    EXPECT_EQ(t.hotspotKey(0), "目次");
    EXPECT_EQ(t.hotspotText(0), "\\B太字ｶﾅです\\b");
    // The same text set again changes nothing.
    EXPECT_FALSE(t.setText("\\J\\K目次\\k\\B太字ｶﾅです\\b\\j"));
}

TEST(KoruHotspots, CodesInsideKeysAndColoursDoNotStartHotspots) {
    KoruText t;
    // A «\J» inside a key is hidden text, not a second hot spot.
    t.setText("\\J\\Ka\\Jb\\ktext\\j");
    ASSERT_EQ(t.hotspotCount(), 1);
    EXPECT_EQ(t.hotspotKey(0), "a\\Jb");
    EXPECT_EQ(t.hotspotText(0), "text");
    // The six colour characters are consumed, even when they look like a code.
    t.setText("\\C\\J1234x\\Jy");
    ASSERT_EQ(t.hotspotCount(), 1);
    EXPECT_EQ(t.hotspotText(0), "y");
    // A key without its end hides the rest and leaves the hot spot without a key.
    t.setText("\\Jab\\Kcd");
    ASSERT_EQ(t.hotspotCount(), 1);
    EXPECT_EQ(t.hotspotKey(0), "");
    // A second, unterminated key does not keep the first key's length.
    t.setText("\\J\\Kab\\kx\\Kc");
    EXPECT_EQ(t.hotspots()[0].keyStart, 0);
    EXPECT_EQ(t.hotspotKey(0), "");
}

TEST(KoruHotspots, DoubleByteCharactersAreSteppedOverWhole) {
    // ソ is 0x83 0x5C: its second byte is a backslash and must not start a code.
    const std::string so = sjis("ソ");
    ASSERT_EQ(so, std::string("\x83\x5C"));
    auto table = buildHotspotTable(so + "J" + "\\Jx");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].textStart, 5);
    // A backslash followed by ソ is one unknown code: its second byte is not a backslash.
    EXPECT_EQ(rawText("\\" + so + "Ja"), "Ja");
    EXPECT_TRUE(buildHotspotTable("\\" + so + "Ja").empty());
}

TEST(KoruRawText, CodesRemovedKeysHiddenHeadingsOnTheirOwnLine) {
    EXPECT_EQ(rawText("\\HTitle\\hText with \\J\\Kk1\\klink\\j."), "Title\r\nText with link.");
    EXPECT_EQ(rawText("a\\\\b"), "a\\b");
    EXPECT_EQ(rawText("\\Qtext"), "text");
    EXPECT_EQ(rawText("ab\\C12"), "ab");
    EXPECT_EQ(rawText("\\C0000FFred\\cx"), "redx");
    EXPECT_EQ(rawText(""), "");
    // The heading flag only adds a break when it changes and something precedes it.
    EXPECT_EQ(rawText("\\Ha\\Hb\\hc"), "ab\r\nc");
    EXPECT_EQ(rawText("\\Ba\\b\\I\\i\\U\\u\\S\\s\\T\\t\\L\\l\\Zb"), "ab");
    KoruText t;
    t.setText("\\H見出し\\h本文\\\\終わり");
    EXPECT_EQ(t.rawText(), "見出し\r\n本文\\終わり");
}

TEST(KoruMalformed, TruncatedCodesAndInvalidBytesStayInsideTheText) {
    EXPECT_EQ(rawText("abc\\"), "abc");
    EXPECT_EQ(rawText("\\K"), "");
    EXPECT_EQ(rawText("\\C"), "");
    EXPECT_EQ(rawText("\\CZZZZZZok"), "ok");
    // A lead byte at the very end, or before a line feed, stands alone.
    EXPECT_EQ(rawText(std::string("a\x82")), std::string("a\x82"));
    EXPECT_EQ(charLength(std::string("\x82\n"), 0), 1u);
    EXPECT_EQ(charLength(std::string("\x82\xA0"), 0), 2u);
    EXPECT_EQ(codeLength("\\", 0), 1u);
    auto table = buildHotspotTable("\\J\\K");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].textLength, 2); // the unterminated key code itself
    EXPECT_EQ(table[0].keyStart, 0);
    // Characters code page 932 cannot hold become "?" instead of losing the text.
    KoruText t;
    t.setText("a😀b\\Jc");
    EXPECT_EQ(t.bytes(), "a?b\\Jc");
    EXPECT_EQ(t.hotspotText(0), "c");
    // Invalid code page 932 bytes come back as replacement characters, not a crash.
    t.setBytes(std::string("\\J\xFF\xFE\\j"));
    EXPECT_EQ(t.hotspotCount(), 1);
    EXPECT_FALSE(t.hotspotText(0).empty());
    EXPECT_EQ(t.hotspotText(5), "");
}

TEST(KoruColour, SixCharactersReadBlueGreenRed) {
    Colour c = 1;
    const std::string s = "0000FF";
    ASSERT_TRUE(readColour(s, 0, colourArgumentEnd(s, 0), c));
    EXPECT_EQ(c, rgb(255, 0, 0));
    const std::string partial = "12G456";
    ASSERT_TRUE(readColour(partial, 0, 6, c));
    EXPECT_EQ(c, 0x12u);
    c = 7;
    EXPECT_FALSE(readColour("12", 0, colourArgumentEnd("12", 0), c));
    EXPECT_EQ(c, 7u);
}
