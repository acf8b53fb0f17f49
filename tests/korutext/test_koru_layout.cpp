// Tests of the run-based layout: line breaks, tab stops, wrapping, hot-spot
// segments, the line table, resume points and the scroll range.
#include "FixedMetrics.h"
#include "korutext/KoruLayout.h"
#include "korutext/KoruMarkup.h"

#include <gtest/gtest.h>

using namespace zel::koru;
using zel::koru::test::FixedMetrics;
using zel::koru::test::kCharWidth;
using zel::koru::test::sjis;

namespace {

struct Fixture {
    FixedMetrics metrics;
    KoruLayout layout{metrics};
    Palette palette;

    // Client width holding `chars` single-byte characters between the margins.
    DrawList lay(const std::string& text, int chars = 40, int height = 1000, bool forceWrap = false,
                 int tabWidth = 8) {
        LayoutOptions o;
        o.clientWidth = chars * kCharWidth + 4;
        o.clientHeight = height;
        o.forceWrap = forceWrap;
        o.tabWidth = tabWidth;
        o.normalFont.height = 13;
        o.headingFont.height = 20;
        o.headingFont.weight = 700;
        layout.setOptions(o);
        layout.setText(text);
        return layout.draw(0, palette);
    }
};

// The text of each line, runs joined.
std::vector<std::string> lines(const DrawList& d) {
    std::vector<std::string> out;
    for (const TextRun& r : d.runs) {
        if (static_cast<std::size_t>(r.line) >= out.size()) out.resize(static_cast<std::size_t>(r.line) + 1);
        out[static_cast<std::size_t>(r.line)] += r.bytes;
    }
    return out;
}

} // namespace

TEST(KoruLayoutText, BackslashPairsAndUnknownCodes) {
    Fixture f;
    auto d = f.lay("a\\\\b");
    ASSERT_EQ(d.runs.size(), 1u);
    EXPECT_EQ(d.runs[0].bytes, "a\\b");
    EXPECT_EQ(d.runs[0].x, 2);
    EXPECT_EQ(lines(f.lay("\\Qtext")), std::vector<std::string>{"text"});
    EXPECT_EQ(lines(f.lay("a\\Zb\\9c")), std::vector<std::string>{"abc"});
    // «\C12» at the end shows nothing more and keeps the colour.
    f.palette.fore = rgb(1, 2, 3);
    d = f.lay("ab\\C12");
    ASSERT_EQ(d.runs.size(), 1u);
    EXPECT_EQ(d.runs[0].bytes, "ab");
    d = f.lay("\\C0000FFred\\C12");
    ASSERT_EQ(d.runs.size(), 1u);
    EXPECT_EQ(d.runs[0].colour, rgb(255, 0, 0));
}

TEST(KoruLayoutText, LineBreakPairs) {
    Fixture f;
    EXPECT_EQ(lines(f.lay("a\n\nb")), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(lines(f.lay("a\r\rb")), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(lines(f.lay("a\n\rb")), (std::vector<std::string>{"a", "b"}));
    auto d = f.lay("a\r\n\r\nb");
    EXPECT_EQ(lines(d), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(d.runs[1].y, 30);
    EXPECT_EQ(f.layout.lineCount(), 3);
    // Three break characters: a pair and a single one.
    EXPECT_EQ(lines(f.lay("a\n\n\nb")), (std::vector<std::string>{"a", "", "b"}));
}

TEST(KoruLayoutText, TabStopsFromTheLeftMargin) {
    Fixture f;
    auto d = f.lay("\t\t\tx");
    EXPECT_EQ(f.layout.tabStep(), 56);
    ASSERT_EQ(d.runs.size(), 1u);
    EXPECT_EQ(d.runs[0].x, 170);
    d = f.lay("a\tb");
    EXPECT_EQ(d.runs[1].x, 58);
    // Text ending exactly on a stop moves a full step further.
    d = f.lay("abcdefgh\tz");
    EXPECT_EQ(d.runs[1].x, 114);
    // A stop beyond the right limit ends the line.
    d = f.lay("abcdefghij\tx", 13);
    ASSERT_EQ(d.runs.size(), 2u);
    EXPECT_EQ(d.runs[1].line, 1);
    EXPECT_EQ(d.runs[1].x, 2);
    // A huge tab width neither overflows nor hangs.
    d = f.lay("a\tb\tc", 40, 1000, false, 32767);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(KoruLayoutWrap, SpacesAndNoBreakMode) {
    Fixture f;
    // "bbb" without its space still fits on the first line: the space is dropped there.
    auto d = f.lay("aaa bbb ccc", 7);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"aaa bbb", "ccc"}));
    EXPECT_EQ(d.runs[2].x, 2);
    EXPECT_EQ(d.runs[2].y, 15);
    d = f.lay("aaa bbb ccc", 6);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"aaa ", "bbb ", "ccc"}));
    EXPECT_EQ(d.runs[1].x, 2);
    EXPECT_EQ(d.runs[1].y, 15);
    // With «\T» on the spaces are no break opportunities.
    d = f.lay("\\Ta b c d e f", 5);
    EXPECT_EQ(lines(d), std::vector<std::string>{"a b c d e f"});
    d = f.lay("\\Ta b c\\t d e f", 5);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"a b c", "d e f"}));
    // A word too long for any line stays whole and overflows.
    d = f.lay("abcdefghij", 5);
    EXPECT_EQ(lines(d), std::vector<std::string>{"abcdefghij"});
}

TEST(KoruLayoutWrap, ForceWrapBreaksWordsAtTheRightLimit) {
    Fixture f;
    auto d = f.lay("abcdefghijk", 5, 1000, true);
    EXPECT_EQ(lines(d), (std::vector<std::string>{"abcde", "fghij", "k"}));
    EXPECT_EQ(d.runs[4].x, 2 + 4 * kCharWidth);
    EXPECT_EQ(d.runs[5].x, 2);
}

TEST(KoruLayoutWrap, JapaneseWrapsBetweenDoubleByteCharacters) {
    Fixture f;
    auto d = f.lay(sjis("あいうえおかきくけこ"), 8);
    EXPECT_EQ(lines(d), (std::vector<std::string>{sjis("あいうえ"), sjis("おかきく"), sjis("けこ")}));
    // A run is measured whole: a line of four characters is one run.
    EXPECT_EQ(d.runs[0].bytes, sjis("あいうえ"));
    // Mixed text: the Latin word wraps at its space, the Japanese anywhere.
    d = f.lay(sjis("ab 日本語の文章"), 8);
    EXPECT_EQ(lines(d), (std::vector<std::string>{sjis("ab 日本"), sjis("語の文章")}));
}

// Japanese line breaking: a wrapped line never starts with a closing mark and never
// ends with an opening one, also where a markup code stands between the two.
TEST(KoruLayoutWrap, ClosingMarksNeverStartAndOpeningMarksNeverEndALine) {
    Fixture f;
    using Lines = std::vector<std::string>;
    // Four double-byte characters to a line. The 。 would start line 2: the 字
    // before it goes along.
    EXPECT_EQ(lines(f.lay(sjis("あいう字。かき"), 8)), (Lines{sjis("あいう"), sjis("字。かき")}));
    // Two closing marks in a row take the character before both.
    EXPECT_EQ(lines(f.lay(sjis("あいう字」。か"), 8)), (Lines{sjis("あいう"), sjis("字」。か")}));
    EXPECT_EQ(lines(f.lay(sjis("あいう字、）か"), 8)), (Lines{sjis("あいう"), sjis("字、）か")}));
    // The 「 would end line 1: it moves on with what it opens.
    EXPECT_EQ(lines(f.lay(sjis("あいう「注意」"), 8)), (Lines{sjis("あいう"), sjis("「注意」")}));
    EXPECT_EQ(lines(f.lay(sjis("あい（「注」"), 8)), (Lines{sjis("あい"), sjis("（「注」")}));
    // Across a code: the colour ends just before the 、.
    auto d = f.lay(sjis(R"(あいう\C0000FF字\c、かき)"), 8);
    EXPECT_EQ(lines(d), (Lines{sjis("あいう"), sjis("字、かき")}));
    EXPECT_EQ(d.runs[1].bytes, sjis("字"));
    EXPECT_EQ(d.runs[1].colour, rgb(255, 0, 0));
    EXPECT_EQ(d.runs[1].x, 2);
    // The 「 before a bold word that does not fit after it.
    EXPECT_EQ(lines(f.lay(sjis(R"(あいう「\B注意\b」)"), 8)), (Lines{sjis("あいう"), sjis("「注意」")}));
    // Half-width marks are classed like their full-width forms.
    EXPECT_TRUE(isNoLineStart(sjis("｡")) && isNoLineStart(sjis("｣")) && isNoLineStart(sjis("ー")));
    EXPECT_TRUE(isNoLineEnd(sjis("｢")) && isNoLineEnd(sjis("『")));
    EXPECT_FALSE(isNoLineStart(sjis("あ")) || isNoLineEnd(sjis("あ")) || isNoLineStart("a") || isNoLineEnd("("));
    // Nothing to do for a line that is one closing mark after another.
    EXPECT_EQ(lines(f.lay(sjis("。。。。。"), 8)), (Lines{sjis("。。。。"), sjis("。")}));
    // A resumed layout breaks where a drawing from the top does.
    const std::string text = sjis("あいう字。かきくけ「こ」さしすせそた") + "\r\n";
    std::string longText;
    for (int k = 0; k < 60; ++k)
        longText += text;
    const Lines whole = lines(f.lay(longText, 8, 100000));
    f.lay(longText, 8, 40);
    f.layout.layoutToEnd();
    ASSERT_GT(f.layout.resumePoints().size(), 2u);
    EXPECT_EQ(f.layout.lineCount(), static_cast<int>(whole.size()));
    const int last = f.layout.lineCount() - 1;
    const Lines tail = lines(f.layout.draw(last - 1, f.palette));
    ASSERT_EQ(tail.size(), whole.size());
    EXPECT_EQ(tail[static_cast<std::size_t>(last) - 1], whole[static_cast<std::size_t>(last) - 1]);
    EXPECT_EQ(tail[static_cast<std::size_t>(last)], whole[static_cast<std::size_t>(last)]);
    for (const std::string& line : whole) {
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.substr(0, 2), sjis("。"));
        EXPECT_NE(line.substr(line.size() - 2), sjis("「"));
    }
}

TEST(KoruLayoutWrap, IndentHoldsForFollowingLines) {
    Fixture f;
    auto d = f.lay("ab\\Lcd ef gh\\l ij kl mn", 6);
    ASSERT_GE(d.runs.size(), 4u);
    // "ab" then the indent at x = 16; wrapped lines start there until «\l».
    std::vector<int> starts;
    for (const TextRun& r : d.runs)
        if (static_cast<std::size_t>(r.line) >= starts.size()) starts.push_back(r.x);
    EXPECT_EQ(starts, (std::vector<int>{2, 16, 16, 2, 2}));
}

TEST(KoruLayoutStyles, HeadingBreaksOnlyAfterText) {
    Fixture f;
    auto d = f.lay("xx\\Hyy");
    EXPECT_EQ(lines(d), (std::vector<std::string>{"xx", "yy"}));
    EXPECT_EQ(f.layout.lineTable(), (std::vector<std::uint8_t>{0, 1}));
    EXPECT_EQ(d.runs[1].y, 15);
    EXPECT_EQ(d.runs[1].font.height, 20);
    d = f.lay("\\Hyy");
    EXPECT_EQ(f.layout.lineCount(), 1);
    EXPECT_EQ(f.layout.lineTable(), std::vector<std::uint8_t>{1});
    EXPECT_EQ(f.layout.contentHeight(), 20);
}

TEST(KoruLayoutStyles, AttributesAndColoursBelongToEachStyle) {
    Fixture f;
    f.palette.fore = rgb(1, 1, 1);
    f.palette.heading = rgb(2, 2, 2);
    auto d = f.lay("\\B\\C0000FFa\\Hb\\I\\hc\\cd\\be");
    ASSERT_EQ(d.runs.size(), 5u);
    EXPECT_EQ(d.runs[0].font.weight, 700);
    EXPECT_EQ(d.runs[0].colour, rgb(255, 0, 0));
    EXPECT_EQ(d.runs[1].font.weight, 700); // the heading font is bold by itself
    EXPECT_EQ(d.runs[1].colour, rgb(2, 2, 2));
    EXPECT_FALSE(d.runs[1].font.italic);
    EXPECT_EQ(d.runs[2].font.weight, 700); // normal style as it was left
    EXPECT_FALSE(d.runs[2].font.italic);
    EXPECT_EQ(d.runs[2].colour, rgb(255, 0, 0));
    EXPECT_EQ(d.runs[3].colour, rgb(1, 1, 1));
    EXPECT_EQ(d.runs[4].font.weight, 400);
}

TEST(KoruLayoutHotspots, SegmentsUnderlinesAndColours) {
    Fixture f;
    f.palette.jump = rgb(0, 128, 0);
    f.palette.popup = rgb(0, 0, 200);
    auto d = f.lay("\\J\\KTopic7\\kSee the list\\j");
    ASSERT_EQ(d.segments.size(), 1u);
    EXPECT_EQ(d.segments[0].hotspot, 0);
    EXPECT_EQ(d.segments[0].rect, (Rect{2, 0, 2 + 12 * kCharWidth, 15}));
    ASSERT_EQ(d.underlines.size(), 1u);
    EXPECT_EQ(d.underlines[0].rect, (Rect{2, 11, 3 + 12 * kCharWidth, 12}));
    EXPECT_FALSE(d.underlines[0].dotted);
    for (const TextRun& r : d.runs)
        EXPECT_EQ(r.colour, rgb(0, 128, 0));
    EXPECT_EQ(KoruLayout::hitTest(d.segments, 10, 5), 0);
    EXPECT_EQ(KoruLayout::hitTest(d.segments, 2 + 12 * kCharWidth, 5), -1);

    d = f.lay("x \\PNote\\p y");
    ASSERT_EQ(d.underlines.size(), 1u);
    EXPECT_TRUE(d.underlines[0].dotted);
    EXPECT_EQ(d.underlines[0].colour, rgb(0, 0, 200));
    EXPECT_EQ(d.runs.back().colour, f.palette.fore); // colour returns after the end code

    d = f.lay("\\JOne\\JTwo\\j");
    ASSERT_EQ(d.segments.size(), 2u);
    EXPECT_EQ(d.segments[0].rect.right, d.segments[1].rect.left);
    EXPECT_EQ(d.segments[1].hotspot, 1);

    d = f.lay("\\JOpen");
    ASSERT_EQ(d.segments.size(), 1u);
    EXPECT_EQ(d.underlines.size(), 1u);

    // A colour code inside the hot spot changes its text; «\c» gives the style colour.
    d = f.lay("\\Ja\\C0000FFb\\cc\\jd");
    EXPECT_EQ(d.runs[0].colour, rgb(0, 128, 0));
    EXPECT_EQ(d.runs[1].colour, rgb(255, 0, 0));
    EXPECT_EQ(d.runs[2].colour, f.palette.fore);
    EXPECT_EQ(d.segments[0].rect.right, 2 + 3 * kCharWidth);
}

TEST(KoruLayoutHotspots, WrappedHotspotHasTwoSegmentsAndFocusInvertsBoth) {
    Fixture f;
    f.lay("\\Jaaa bbb\\j", 5);
    auto d = f.layout.draw(0, f.palette, 0);
    ASSERT_EQ(d.segments.size(), 2u);
    EXPECT_EQ(d.segments[0].rect, (Rect{2, 0, 2 + 4 * kCharWidth, 15}));
    EXPECT_EQ(d.segments[1].rect, (Rect{2, 15, 2 + 3 * kCharWidth, 30}));
    EXPECT_EQ(d.inverted.size(), 2u);
    EXPECT_EQ(KoruLayout::hitTest(d.segments, 5, 20), 0);
}

TEST(KoruLayoutHotspots, DisabledDrawsEverythingGrey) {
    Fixture f;
    f.palette.enabled = false;
    auto d = f.lay("a\\C0000FFb\\Jc\\j\\Pd\\p\\He");
    for (const TextRun& r : d.runs)
        EXPECT_EQ(r.colour, f.palette.grey);
    ASSERT_EQ(d.underlines.size(), 2u);
    for (const Underline& u : d.underlines)
        EXPECT_EQ(u.colour, f.palette.grey);
}

TEST(KoruLayoutScroll, TextEndingInALineBreakHasNoEmptyLastLine) {
    Fixture f;
    auto d = f.lay("a\nb\nc\n", 40, 30);
    f.layout.layoutToEnd();
    ASSERT_TRUE(f.layout.isComplete());
    EXPECT_EQ(f.layout.lineCount(), 3);
    EXPECT_EQ(f.layout.scrollMax(), 1);
    EXPECT_EQ(f.layout.contentHeight(), 45);
    EXPECT_TRUE(f.layout.needsScrollBar(d));
    // An empty line in the middle still counts.
    // Two lines that fill the client exactly need no scroll bar.
    d = f.lay("a\r\n\r\n", 40, 30);
    EXPECT_TRUE(f.layout.isComplete());
    EXPECT_EQ(f.layout.lineCount(), 2);
    EXPECT_FALSE(f.layout.needsScrollBar(d));
    // Empty text: one line, no scroll bar, nothing drawn.
    d = f.lay("", 40, 30);
    EXPECT_TRUE(d.runs.empty());
    EXPECT_FALSE(f.layout.needsScrollBar(d));
    EXPECT_EQ(f.layout.scrollMax(), 0);
}

TEST(KoruLayoutScroll, PagesShiftsAndClamping) {
    Fixture f;
    f.lay("h0\n\\Hh1\n\\hh2\nh3\nh4\nh5", 40, 50); // heights 15 20 15 15 15 15
    f.layout.layoutToEnd();
    EXPECT_EQ(f.layout.lineCount(), 6);
    EXPECT_EQ(f.layout.scrollMax(), 3);
    EXPECT_EQ(f.layout.clampScroll(9), 3);
    EXPECT_EQ(f.layout.clampScroll(-2), 0);
    EXPECT_EQ(f.layout.pageLines(0, true), 2);  // 15 + 20 < 50, + 15 is not below
    EXPECT_EQ(f.layout.pageLines(3, false), 2); // lines 2 and 1
    EXPECT_EQ(f.layout.pixelShift(0, 2), 35);
    EXPECT_EQ(f.layout.pixelShift(3, 1), 35);
    // Drawing a scrolled view starts the first visible line at the top.
    auto d = f.layout.draw(2, f.palette);
    ASSERT_FALSE(d.runs.empty());
    EXPECT_EQ(d.runs[0].bytes, "h2");
    EXPECT_EQ(d.runs[0].y, 0);
}

TEST(KoruLayoutResume, ChunkedLayoutMatchesOneGo) {
    std::string text;
    for (int i = 0; i < 600; ++i) {
        text += "Line \\Jnumber\\j " + std::to_string(i) + " with some words to wrap here";
        text += (i % 7 == 3) ? "\\Hhead\\h\r\n" : "\r\n";
        if (i % 50 == 0) text += sjis("日本語の長い文章がここに続きます。") + "\t|";
    }
    Fixture chunked;
    chunked.lay(text, 30, 100);
    EXPECT_EQ(chunked.layout.resumePoints().size(), 2u);
    int chunks = 0;
    while (!chunked.layout.layoutChunk())
        ++chunks;
    EXPECT_EQ(chunked.layout.resumePoints().size(), 10u);
    // The background works in small slices (a resume point still every tenth).
    EXPECT_GE(chunks, static_cast<int>(text.size() / decltype(chunked.layout)::kSliceBytes) - 1);
    const auto& points = chunked.layout.resumePoints();
    const std::size_t chunk = text.size() / 10;
    for (std::size_t k = 2; k < points.size(); ++k) {
        EXPECT_GT(points[k].line, points[k - 1].line);
        EXPECT_GE(points[k].offset, points[k - 1].offset + chunk);
    }

    Fixture whole;
    whole.lay(text, 30, 1 << 30);
    ASSERT_TRUE(whole.layout.isComplete());
    EXPECT_EQ(chunked.layout.lineTable(), whole.layout.lineTable());

    // A scrolled view drawn from a resume point equals the same lines of one pass.
    const int first = 700;
    auto part = chunked.layout.draw(first, chunked.palette);
    auto all = whole.layout.draw(0, whole.palette);
    const int yShift = whole.layout.pixelShift(0, first);
    std::vector<std::string> a, b;
    for (const TextRun& r : part.runs)
        a.push_back(std::to_string(r.line) + ":" + std::to_string(r.x) + "," + std::to_string(r.y) + r.bytes);
    for (const TextRun& r : all.runs)
        if (r.line >= first && r.y - yShift < 100)
            b.push_back(std::to_string(r.line) + ":" + std::to_string(r.x) + "," +
                        std::to_string(r.y - yShift) + r.bytes);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a, b);
    ASSERT_FALSE(part.segments.empty());
    EXPECT_GE(part.segments[0].hotspot, 0);
}

TEST(KoruLayoutResume, NewTextOrOptionsDiscardTheLayout) {
    Fixture f;
    f.lay("a\nb\nc\nd", 40, 20);
    EXPECT_FALSE(f.layout.isComplete());
    f.layout.layoutToEnd();
    EXPECT_TRUE(f.layout.isComplete());
    LayoutOptions o = f.layout.options();
    o.tabWidth = 4;
    f.layout.setOptions(o);
    EXPECT_FALSE(f.layout.isComplete());
    EXPECT_TRUE(f.layout.resumePoints().empty());
    f.layout.setOptions(o); // the same options keep the layout
    f.layout.layoutToEnd();
    f.layout.setOptions(o);
    EXPECT_TRUE(f.layout.isComplete());
}

TEST(KoruLayoutAutoSize, RunsToTheEndAndMeasuresTheWidestLine) {
    Fixture f;
    LayoutOptions o;
    o.clientWidth = 20;
    o.clientHeight = 10;
    o.autoSize = true;
    o.normalFont.height = 13;
    o.headingFont.height = 20;
    f.layout.setOptions(o);
    f.layout.setText("short\nthe longest line\nmid\n");
    auto d = f.layout.draw(0, f.palette);
    EXPECT_TRUE(f.layout.isComplete());
    EXPECT_FALSE(d.stoppedAtBottom);
    EXPECT_EQ(f.layout.lineCount(), 3);
    EXPECT_EQ(f.layout.contentHeight(), 45);
    EXPECT_EQ(f.layout.contentWidth(), 2 + 16 * kCharWidth + 1);
    // With word wrap the width stays and the text wraps.
    o.wordWrap = true;
    o.clientWidth = 8 * kCharWidth + 4;
    f.layout.setOptions(o);
    f.layout.draw(0, f.palette);
    EXPECT_EQ(f.layout.lineCount(), 5);
}

TEST(KoruMalformedLayout, HostileTextsFinish) {
    Fixture f;
    const std::vector<std::string> texts = {"\\",
                                            "\\K",
                                            "\\Jabc\\K",
                                            "\\C",
                                            "\\C\\\\\\\\\\\\",
                                            std::string("\x82"),
                                            std::string("\x82\n\x82\\J"),
                                            std::string("\xFF\xFE\xFD\x80\xA0"),
                                            "\\L\\L\\L\t\t\t\\L\tx",
                                            std::string(3000, '\\'),
                                            std::string(2000, '\t'),
                                            "\\H\\h\\H\\h\\H",
                                            std::string(5000, 'x')};
    for (const std::string& t : texts) {
        for (bool force : {false, true}) {
            f.lay(t, 3, 40, force);
            f.layout.layoutToEnd();
            EXPECT_TRUE(f.layout.isComplete());
            EXPECT_GE(f.layout.lineCount(), 1);
        }
    }
    // A client too narrow for anything still lays out one run per line.
    auto d = f.lay("a b c", 0, 1000);
    EXPECT_EQ(lines(d).size(), 3u);
}
