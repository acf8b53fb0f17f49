// Tests of the sheet step shared by the sheet readers and of the CSV variants a
// spreadsheet saves: tab separators, code page 932, the plain layout of names and
// values only, with what the reader reports it found.
#include "dataset/CsvFile.h"
#include "dataset/SheetTable.h"

#include "common/Cp932.h"
#include "common/NumberText.h"
#include "dataset/Dataset.h"

#include <gtest/gtest.h>

#include "DatasetCompare.h"

#include <string>
#include <vector>

using zel::CsvReadInfo;
using zel::CsvReadOptions;
using zel::CsvSeparator;
using zel::Dataset;
using zel::SheetLayout;
using zel::TextEncoding;

namespace {

// Reads with every option detected; expects success.
Dataset readAuto(const std::string& csv, CsvReadInfo& info) {
    Dataset ds;
    const zel::Status s = zel::csvToDataset(csv, ds, CsvReadOptions{}, info);
    EXPECT_TRUE(s.isOk()) << s.message();
    return ds;
}

// Reads with every option detected; expects failure that leaves the dataset alone.
std::string refusal(const std::string& csv) {
    Dataset ds = fixtures::sentinelDataset();
    CsvReadInfo info;
    const zel::Status s = zel::csvToDataset(csv, ds, CsvReadOptions{}, info);
    EXPECT_FALSE(s.isOk()) << csv;
    fixtures::expectSentinelUntouched(ds);
    return s.message();
}

} // namespace

// ---- encodings and separators, both ways ------------------------------------

TEST(CsvVariants, EveryEncodingAndSeparatorRoundTripsJapaneseTextsAndDetectsItself) {
    const Dataset ds = fixtures::japaneseDataset();
    for (TextEncoding enc : {TextEncoding::Utf8, TextEncoding::Cp932}) {
        for (CsvSeparator sep : {CsvSeparator::Comma, CsvSeparator::Tab}) {
            const auto text = zel::datasetToCsv(ds, zel::CsvWriteOptions{sep, enc});
            ASSERT_TRUE(text.isOk()) << text.status().message();
            const bool utf8 = enc == TextEncoding::Utf8;
            // The texts are in the asked encoding: the first heading's bytes show it.
            EXPECT_EQ(text->rfind(utf8 ? "データラベル" : *zel::utf8ToCp932("データラベル"), 0), 0u);
            EXPECT_NE(text->find(sep == CsvSeparator::Tab ? '\t' : ','), std::string::npos);
            CsvReadInfo info;
            const Dataset back = readAuto(*text, info);
            fixtures::expectSameDataset(back, ds);
            EXPECT_EQ(info.encoding, enc);
            EXPECT_EQ(info.separator, sep);
            EXPECT_EQ(info.layout, SheetLayout::Labelled);
            EXPECT_EQ(info.rowLines, (std::vector<int>{1, 2, 3, 4}));
        }
    }
}

TEST(CsvVariants, ByteOrderMarkMeansUtf8AndFixedOptionsOverrideDetection) {
    CsvReadInfo info;
    // A comma inside a tab-separated cell is text, not a separator: here a bad number.
    EXPECT_NE(refusal("\xEF\xBB\xBF"
                      "データラベル\tマスク\t幅\r\nA\t0\t1,5\r\n")
                  .find("2 行目 3 列目が数値ではありません: 1,5"),
              std::string::npos);
    Dataset ds = readAuto("\xEF\xBB\xBF"
                          "データラベル\tマスク\t幅\r\nA\t0\t1.5\r\n",
                          info);
    EXPECT_EQ(info.encoding, TextEncoding::Utf8);
    EXPECT_EQ(info.separator, CsvSeparator::Tab);
    EXPECT_EQ(ds.value(1, 1), 1.5);

    // Told to read code page 932, UTF-8 bytes come back as other characters.
    Dataset forced;
    CsvReadOptions options;
    options.encoding = TextEncoding::Cp932;
    options.layout = SheetLayout::Plain;
    ASSERT_TRUE(zel::csvToDataset("長さ\r\n1\r\n", forced, options, info).isOk());
    EXPECT_NE(forced.name(1), "長さ");
    EXPECT_EQ(info.layout, SheetLayout::Plain);
}

TEST(CsvVariants, QuotedSeparatorsAndLineBreaksDoNotMisleadDetection) {
    CsvReadInfo info;
    // Commas inside a quoted tab-separated name outnumber the tabs outside.
    const Dataset ds = readAuto("データラベル\tマスク\t\"a,b,c,d\"\r\nL\t1\t2\r\n", info);
    EXPECT_EQ(info.separator, CsvSeparator::Tab);
    EXPECT_EQ(ds.name(1), "a,b,c,d");
    EXPECT_EQ(ds.mask(1), 1);
}

// ---- the plain layout -------------------------------------------------------

TEST(CsvVariants, PlainLayoutTakesNamesAndValuesWithEmptyLabelsAndNoMasks) {
    CsvReadInfo info;
    const Dataset ds = readAuto("長さ,幅\r\n1.5,2\r\n,-3\r\n", info);
    EXPECT_EQ(info.layout, SheetLayout::Plain);
    ASSERT_EQ(ds.sampleCount(), 2);
    ASSERT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(1), "長さ");
    EXPECT_EQ(ds.name(2), "幅");
    EXPECT_EQ(ds.label(1), "");
    EXPECT_EQ(ds.mask(2), 0);
    EXPECT_EQ(ds.value(1, 1), 1.5);
    EXPECT_EQ(ds.value(2, 1), 0); // an empty cell reads 0, as the sheet stores it
    EXPECT_EQ(ds.value(2, 2), -3);

    // Code page 932 and tabs, in the plain layout too.
    const std::string cp932 = *zel::utf8ToCp932("重さ\t温度\r\n1\t2\r\n");
    const Dataset sjis = readAuto(cp932, info);
    EXPECT_EQ(info.encoding, TextEncoding::Cp932);
    EXPECT_EQ(info.separator, CsvSeparator::Tab);
    EXPECT_EQ(sjis.name(2), "温度");
}

TEST(CsvVariants, PlainLayoutRefusesTextAndRaggedRowsWithTheirPlace) {
    EXPECT_NE(refusal("a,b\r\n1,2\r\n3,abc\r\n").find("CSV の 3 行目 2 列目が数値ではありません: abc"),
              std::string::npos);
    EXPECT_NE(
        refusal("a,b\r\n1,2\r\n3\r\n").find("3 行目の列数が見出し行と違います（見出し行 2 列、この行 1 列）"),
        std::string::npos);
    EXPECT_NE(refusal("a,b\r\n1,2,3\r\n").find("2 行目の列数が見出し行と違います"), std::string::npos);
    EXPECT_NE(refusal("a,b\r\n").find("データ行がありません"), std::string::npos);
    // A header starting "データラベル" stays the labelled layout and must go on with "マスク".
    EXPECT_NE(refusal("データラベル,x\r\nL,1\r\n").find("1 行目 2 列目が「マスク」ではありません"),
              std::string::npos);
    // Code page 932 text in a value cell is shown as UTF-8.
    EXPECT_NE(refusal(*zel::utf8ToCp932("a\r\n不良\r\n")).find("が数値ではありません: 不良"),
              std::string::npos);
}

// ---- numbers at the general number text thresholds -------------------------

TEST(CsvVariants, NumbersAtTheExponentThresholdsRoundTripInEveryVariant) {
    // Exponent form starts at 1E+15 and below 1E-04 in magnitude; values on both
    // sides of each threshold, with 15 significant digits.
    const double values[] = {
        999999999999999.0,   1e15, 0.0001, 0.0000999999999999999, -0.0001, -1e15, 123456789012345.0,
        1.23456789012345e-5, 0.1,  0};
    Dataset ds;
    ds.resize(1, 10);
    for (int j = 1; j <= 10; ++j)
        ds.setValue(1, j, values[j - 1]);
    const std::string plain = zel::datasetToCsv(ds);
    EXPECT_NE(plain.find(",999999999999999,1E+15,0.0001,9.99999999999999E-05,-0.0001,-1E+15,"),
              std::string::npos)
        << plain;
    for (CsvSeparator sep : {CsvSeparator::Comma, CsvSeparator::Tab}) {
        const auto text = zel::datasetToCsv(ds, zel::CsvWriteOptions{sep, TextEncoding::Cp932});
        ASSERT_TRUE(text.isOk());
        CsvReadInfo info;
        const Dataset back = readAuto(*text, info);
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(zel::generalNumberText(back.value(1, j)), zel::generalNumberText(values[j - 1])) << j;
    }
}

TEST(CsvVariants, TextWithoutACodePage932FormIsRefusedWhenWritingCodePage932) {
    Dataset ds;
    ds.resize(1, 1);
    ds.setName(1, "길이");
    const auto r = zel::datasetToCsv(ds, zel::CsvWriteOptions{CsvSeparator::Comma, TextEncoding::Cp932});
    ASSERT_FALSE(r.isOk());
    EXPECT_NE(r.status().message().find("シフト JIS"), std::string::npos) << r.status().message();
    EXPECT_TRUE(zel::datasetToCsv(ds, zel::CsvWriteOptions{}).isOk());
}

// ---- the sheet step on its own ----------------------------------------------

TEST(SheetBuilder, GapsAreEmptyCellsAndTheMaskMustBeThere) {
    zel::SheetBuilder b("XLSX", std::nullopt, 100);
    ASSERT_TRUE(b.setHeader({"データラベル", "マスク", "a", "", "c"}, 2).isOk());
    EXPECT_EQ(b.columnCount(), 5);
    EXPECT_EQ(b.variableCount(), 3);
    ASSERT_TRUE(b.beginRow(3).isOk());
    ASSERT_TRUE(b.cell(2, "1", 3).isOk());
    ASSERT_TRUE(b.cell(5, "4.5", 3).isOk()); // columns 1, 3 and 4 left out
    ASSERT_TRUE(b.cell(7, "", 3).isOk());    // an empty cell right of the header is no cell
    ASSERT_TRUE(b.endRow().isOk());
    ASSERT_TRUE(b.beginRow(4).isOk());
    ASSERT_TRUE(b.cell(3, "2", 4).isOk());
    const zel::Status noMask = b.endRow();
    ASSERT_FALSE(noMask.isOk());
    EXPECT_EQ(noMask.message(), "XLSX の 4 行目 2 列目のマスクが 0 でも 1 でもありません。");

    zel::SheetBuilder c("XLSX", std::nullopt, 100);
    ASSERT_TRUE(c.setHeader({"データラベル", "マスク", "a"}, 1).isOk());
    ASSERT_TRUE(c.beginRow(2).isOk());
    ASSERT_TRUE(c.cell(2, "0", 2).isOk());
    ASSERT_TRUE(c.cell(5, "9", 2).isOk() == false);
    ASSERT_TRUE(c.endRow().isOk());
    Dataset ds;
    std::vector<int> rows;
    ASSERT_TRUE(c.finish(ds, rows).isOk());
    EXPECT_EQ(rows, (std::vector<int>{1, 2}));

    zel::SheetBuilder d("XLSX", std::nullopt, 100);
    ASSERT_TRUE(d.setHeader({"データラベル", "マスク", "a", "", "c"}, 2).isOk());
    ASSERT_TRUE(d.beginRow(3).isOk());
    ASSERT_TRUE(d.cell(2, "1", 3).isOk());
    ASSERT_TRUE(d.cell(5, "4.5", 3).isOk());
    ASSERT_TRUE(d.endRow().isOk());
    ASSERT_TRUE(d.finish(ds, rows).isOk());
    EXPECT_EQ(ds.mask(1), 1);
    EXPECT_EQ(ds.label(1), "");
    EXPECT_EQ(ds.value(1, 1), 0);
    EXPECT_EQ(ds.value(1, 3), 4.5);
    EXPECT_EQ(rows, (std::vector<int>{2, 3}));
}

TEST(SheetBuilder, LimitsAndCellRightOfTheHeader) {
    std::vector<std::string> wide(101, "v");
    zel::SheetBuilder plain("XLSX", SheetLayout::Plain, 100);
    EXPECT_EQ(plain.setHeader(wide, 1).message(), "XLSX の変数が多すぎます（100 まで）。");
    wide.pop_back();
    zel::SheetBuilder ok("XLSX", SheetLayout::Plain, 100);
    EXPECT_TRUE(ok.setHeader(wide, 1).isOk());
    EXPECT_EQ(ok.layout(), SheetLayout::Plain);
    ASSERT_TRUE(ok.beginRow(2).isOk());
    EXPECT_EQ(ok.cell(101, "x", 2).message(),
              "XLSX の 2 行目 101 列目は見出し行の列（100 列）より右にあります。");

    zel::SheetBuilder rows("CSV", SheetLayout::Plain, 100);
    ASSERT_TRUE(rows.setHeader({"a"}, 1).isOk());
    for (int i = 0; i < Dataset::kMaxCount; ++i)
        ASSERT_TRUE(rows.beginRow(i + 2).isOk());
    const zel::Status tooMany = rows.beginRow(Dataset::kMaxCount + 2);
    EXPECT_EQ(tooMany.message(), "CSV のデータ行が多すぎます（32767 行まで）。32769 行目は読み込めません。");
}

TEST(SheetBuilder, LongTextInAValueCellIsShownCutAtACharacter) {
    zel::SheetBuilder b("XLSX", SheetLayout::Plain, 100);
    ASSERT_TRUE(b.setHeader({"a"}, 1).isOk());
    ASSERT_TRUE(b.beginRow(2).isOk());
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "不良"; // 3 bytes each: the cut at 40 bytes falls inside a character
    const std::string msg = b.cell(1, text, 2).message();
    EXPECT_EQ(msg.rfind("XLSX の 2 行目 1 列目が数値ではありません: 不良不良", 0), 0u) << msg;
    EXPECT_EQ(msg.substr(msg.size() - 3), "…");
    EXPECT_TRUE(zel::isValidUtf8(msg));
}

// Text in the first column of a sheet read as variables only gets the hint of
// the label headings; a layout the caller chose, or another column, does not.
TEST(SheetBuilder, TextInTheFirstColumnOfAPlainSheetHintsAtTheLabelHeadings) {
    const std::string hint =
        "（1 列目がデータラベルであれば、1 行目の見出しを「データラベル」「マスク」で始めてください。）";
    const auto refusal = [](std::optional<SheetLayout> layout, int column) {
        zel::SheetBuilder b("CSV", layout, 100);
        EXPECT_TRUE(b.setHeader({"ラベル", "温度"}, 1).isOk());
        EXPECT_TRUE(b.beginRow(2).isOk());
        return b.cell(column, "ロット１", 2).message();
    };
    EXPECT_EQ(refusal(std::nullopt, 1), "CSV の 2 行目 1 列目が数値ではありません: ロット１" + hint);
    EXPECT_EQ(refusal(std::nullopt, 2), "CSV の 2 行目 2 列目が数値ではありません: ロット１");
    EXPECT_EQ(refusal(SheetLayout::Plain, 1), "CSV の 2 行目 1 列目が数値ではありません: ロット１");
}

TEST(CsvVariants, TheLargestDatasetRoundTripsInCodePage932WithTabs) {
    Dataset ds;
    ds.resize(Dataset::kMaxCount, 100);
    ds.reserveValues();
    for (int j = 1; j <= 100; ++j)
        ds.setName(j, "測定値" + std::to_string(j));
    for (int i = 1; i <= Dataset::kMaxCount; ++i) {
        ds.setLabel(i, "ﾛｯﾄ" + std::to_string(i));
        ds.setMask(i, static_cast<std::int16_t>(i % 3 == 0));
        for (int j = 1; j <= 100; ++j)
            ds.setValue(i, j, (i * 37 + j) % 1009 / 8.0 - 60);
    }
    const auto text = zel::datasetToCsv(ds, zel::CsvWriteOptions{CsvSeparator::Tab, TextEncoding::Cp932});
    ASSERT_TRUE(text.isOk());
    CsvReadInfo info;
    const Dataset back = readAuto(*text, info);
    EXPECT_EQ(info.encoding, TextEncoding::Cp932);
    EXPECT_EQ(info.separator, CsvSeparator::Tab);
    fixtures::expectSameDataset(back, ds);
}
