// Tests of the CSV form of a dataset: writing, reading (with malformed input) and
// the round trip through the dataset file bytes.
#include "dataset/CsvFile.h"

#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using zel::csvToDataset;
using zel::Dataset;
using zel::datasetToCsv;

namespace {

const std::string kHeader = "データラベル,マスク";

Dataset makeDataset(int n, int k) {
    Dataset ds;
    ds.resize(n, k);
    return ds;
}

// A dataset whose content differs from anything the tests parse, to see that a
// failed read leaves it alone.
Dataset sentinel() {
    Dataset ds = makeDataset(2, 3);
    ds.setName(1, "元の名前");
    ds.setLabel(2, "元のラベル");
    ds.setMask(1, 1);
    ds.setValue(2, 3, 42.5);
    return ds;
}

void expectSentinel(const Dataset& ds) {
    ASSERT_EQ(ds.sampleCount(), 2);
    ASSERT_EQ(ds.variableCount(), 3);
    EXPECT_EQ(ds.name(1), "元の名前");
    EXPECT_EQ(ds.label(2), "元のラベル");
    EXPECT_EQ(ds.mask(1), 1);
    EXPECT_EQ(ds.value(2, 3), 42.5);
}

// Parses csv expecting failure; returns the message and checks ds was not touched.
std::string failure(const std::string& csv) {
    Dataset ds = sentinel();
    const zel::Status s = csvToDataset(csv, ds);
    EXPECT_FALSE(s.isOk()) << "accepted: " << csv;
    expectSentinel(ds);
    return s.message();
}

Dataset parsed(const std::string& csv) {
    Dataset ds;
    const zel::Status s = csvToDataset(csv, ds);
    EXPECT_TRUE(s.isOk()) << s.message();
    return ds;
}

} // namespace

// ---- writing ---------------------------------------------------------------

TEST(CsvWrite, HeaderRowsMasksLabelsAndNumberTexts) {
    Dataset ds = makeDataset(3, 3);
    ds.setName(1, "長さ");
    ds.setName(2, "幅,高さ");
    ds.setName(3, "重量\"kg\"");
    ds.setLabel(1, "ロット1");
    ds.setLabel(2, "");
    ds.setLabel(3, "ｶﾀｶﾅ, \"引用\"");
    ds.setMask(2, 1);
    ds.setValue(1, 1, 0.5);
    ds.setValue(1, 2, -3);
    ds.setValue(1, 3, 12);
    ds.setValue(2, 1, 1e15);
    ds.setValue(2, 2, 1.5e-5);
    ds.setValue(2, 3, -0.25);
    ds.setValue(3, 1, 123456.789);
    // (3,2) and (3,3) stay 0
    EXPECT_EQ(datasetToCsv(ds), "データラベル,マスク,長さ,\"幅,高さ\",\"重量\"\"kg\"\"\"\r\n"
                                "ロット1,0,0.5,-3,12\r\n"
                                ",1,1E+15,1.5E-05,-0.25\r\n"
                                "\"ｶﾀｶﾅ, \"\"引用\"\"\",0,123456.789,0,0\r\n");
}

TEST(CsvWrite, LineBreaksInTextsAreQuotedAndNoBomIsWritten) {
    Dataset ds = makeDataset(1, 1);
    ds.setName(1, "a\r\nb");
    ds.setLabel(1, "line1\nline2");
    const std::string csv = datasetToCsv(ds);
    EXPECT_EQ(csv, "データラベル,マスク,\"a\r\nb\"\r\n\"line1\nline2\",0,0\r\n");
    EXPECT_NE(csv.substr(0, 3), "\xEF\xBB\xBF");
}

TEST(CsvWrite, FifteenSignificantDigitsAndExponentLimits) {
    Dataset ds = makeDataset(1, 4);
    ds.setValue(1, 1, 0.1 + 0.2);
    ds.setValue(1, 2, 999999999999999.0);
    ds.setValue(1, 3, 0.0001);
    ds.setValue(1, 4, 0.00001234);
    EXPECT_EQ(datasetToCsv(ds), kHeader + ",,,,\r\n,0,0.3,999999999999999,0.0001,1.234E-05\r\n");
}

// ---- reading ---------------------------------------------------------------

TEST(CsvRead, ReadsCountsNamesMasksLabelsAndValues) {
    const Dataset ds = parsed(kHeader + ",長さ,\"幅,高さ\"\r\nA,0,1.5,-2\r\n\"B \"\"x\"\"\",1,1E+15,.5\r\n");
    ASSERT_EQ(ds.sampleCount(), 2);
    ASSERT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(1), "長さ");
    EXPECT_EQ(ds.name(2), "幅,高さ");
    EXPECT_EQ(ds.label(1), "A");
    EXPECT_EQ(ds.label(2), "B \"x\"");
    EXPECT_EQ(ds.mask(1), 0);
    EXPECT_EQ(ds.mask(2), 1);
    EXPECT_EQ(ds.value(1, 1), 1.5);
    EXPECT_EQ(ds.value(1, 2), -2);
    EXPECT_EQ(ds.value(2, 1), 1e15);
    EXPECT_EQ(ds.value(2, 2), 0.5);
}

TEST(CsvRead, BomLfOnlyAndTrailingLineEndsAreAccepted) {
    const std::string body = kHeader + ",x\nL1,0,1\nL2,1,2";
    for (const std::string& csv : {body, body + "\n", body + "\r\n", body + "\n\n", body + "\r\n\r\n\n",
                                   "\xEF\xBB\xBF" + body + "\r\n"}) {
        const Dataset ds = parsed(csv);
        ASSERT_EQ(ds.sampleCount(), 2) << csv;
        ASSERT_EQ(ds.variableCount(), 1);
        EXPECT_EQ(ds.label(2), "L2");
        EXPECT_EQ(ds.value(2, 1), 2);
    }
    // A BOM is only skipped at the very start: the header must then match exactly.
    EXPECT_NE(failure("\xEF\xBB\xBF\xEF\xBB\xBF" + kHeader + ",x\r\nL,0,1\r\n").find("1 行目 1 列目"),
              std::string::npos);
}

TEST(CsvRead, QuotedFieldsWithLineBreaksKeepThemAndShiftLineNumbers) {
    const std::string csv = kHeader + ",\"名\r\n前\"\r\n\"一\r\n二\",0,1\r\nL,0,x\r\n";
    Dataset ds;
    std::vector<int> lines;
    const zel::Status bad = csvToDataset(csv, ds, lines);
    ASSERT_FALSE(bad.isOk());
    // The header spans lines 1-2, the first row lines 3-4, the bad value is on line 5.
    EXPECT_NE(bad.message().find("5 行目 3 列目"), std::string::npos) << bad.message();

    const std::string good = kHeader + ",\"名\r\n前\"\r\n\"一\r\n二\",0,1\r\nL,1,2\r\n";
    ASSERT_TRUE(csvToDataset(good, ds, lines).isOk());
    EXPECT_EQ(ds.name(1), "名\r\n前");
    EXPECT_EQ(ds.label(1), "一\r\n二");
    EXPECT_EQ(lines, (std::vector<int>{1, 3, 5}));
}

TEST(CsvRead, ValueCellsAreStrictNumbersAndEmptyReadsZero) {
    const Dataset ds = parsed(kHeader + ",a,b,c,d,e,f,g\r\nL,0,, 7 ,\t+1.25\t,-.5,5.,1e-3,-0\r\n");
    EXPECT_EQ(ds.value(1, 1), 0);
    EXPECT_EQ(ds.value(1, 2), 7);
    EXPECT_EQ(ds.value(1, 3), 1.25);
    EXPECT_EQ(ds.value(1, 4), -0.5);
    EXPECT_EQ(ds.value(1, 5), 5);
    EXPECT_EQ(ds.value(1, 6), 0.001);
    EXPECT_TRUE(std::signbit(ds.value(1, 7)));

    for (const char* bad : {"abc", "1.5abc", "1e", "1e+", ".", "-", "+-1", "1 2", "1,5x", "0x10", "inf",
                            "nan", "１２", "1.2.3", "e5"}) {
        const std::string msg = failure(kHeader + ",a\r\nL,0,\"" + std::string(bad) + "\"\r\n");
        EXPECT_NE(msg.find("2 行目 3 列目が数値ではありません"), std::string::npos) << bad << ": " << msg;
    }
}

TEST(CsvRead, NumbersOutOfRangeFail) {
    for (const char* bad : {"1e400", "-1.8e308", "1e-400"}) {
        const std::string msg = failure(kHeader + ",a,b\r\nL,0,1,2\r\nM,0,3," + std::string(bad) + "\r\n");
        EXPECT_NE(msg.find("3 行目 4 列目の数値が範囲外です"), std::string::npos) << bad << ": " << msg;
    }
    EXPECT_EQ(parsed(kHeader + ",a\r\nL,0,1.7976931348623157e308\r\n").value(1, 1), 1.7976931348623157e308);
}

TEST(CsvRead, MaskMustBeZeroOrOne) {
    for (const char* bad : {"2", "-1", "0.5", "", "x", "はい"}) {
        const std::string msg = failure(kHeader + ",a\r\nL,0,1\r\nM," + std::string(bad) + ",1\r\n");
        EXPECT_NE(msg.find("3 行目 2 列目のマスクが 0 でも 1 でもありません"), std::string::npos)
            << bad << ": " << msg;
    }
    EXPECT_EQ(parsed(kHeader + ",a\r\nL, 1 ,1\r\n").mask(1), 1);
}

TEST(CsvRead, HeaderMustStartWithTheTwoHeadings) {
    EXPECT_NE(failure("").find("空"), std::string::npos);
    EXPECT_NE(failure("\xEF\xBB\xBF").find("空"), std::string::npos);
    EXPECT_NE(failure("ラベル,マスク,a\r\nL,0,1\r\n").find("1 行目 1 列目"), std::string::npos);
    EXPECT_NE(failure("データラベル,mask,a\r\nL,0,1\r\n").find("1 行目 2 列目"), std::string::npos);
    EXPECT_NE(failure("データラベル\r\nL\r\n").find("1 行目 2 列目"), std::string::npos);
    EXPECT_NE(failure(" データラベル,マスク,a\r\nL,0,1\r\n").find("1 行目 1 列目"), std::string::npos);
    EXPECT_NE(failure(kHeader + "\r\nL,0\r\n").find("変数名がありません"), std::string::npos);
    EXPECT_NE(failure(kHeader + ",a\r\n").find("データ行がありません"), std::string::npos);
    EXPECT_NE(failure(kHeader + ",a\r\n\r\n").find("データ行がありません"), std::string::npos);
}

TEST(CsvRead, RaggedRowsAndEmptyLinesInTheMiddleFail) {
    std::string msg = failure(kHeader + ",a,b\r\nL,0,1,2\r\nM,0,1\r\n");
    EXPECT_NE(msg.find("3 行目の列数が見出し行と違います（見出し行 4 列、この行 3 列）"), std::string::npos)
        << msg;
    msg = failure(kHeader + ",a,b\r\nL,0,1,2,3,4\r\n");
    EXPECT_NE(msg.find("2 行目の列数が見出し行と違います（見出し行 4 列、この行 6 列）"), std::string::npos)
        << msg;
    msg = failure(kHeader + ",a\r\nL,0,1\r\n\r\nM,0,1\r\n");
    EXPECT_NE(msg.find("3 行目が空行です"), std::string::npos) << msg;
    // A row of one quoted empty field is a short row, not an empty line.
    msg = failure(kHeader + ",a\r\nL,0,1\r\n\"\"\r\n");
    EXPECT_NE(msg.find("3 行目の列数"), std::string::npos) << msg;
}

TEST(CsvRead, QuotingErrorsFail) {
    std::string msg = failure(kHeader + ",a\r\nL,0,1\r\n\"open,0,1\r\nM,0,1\r\n");
    EXPECT_NE(msg.find("3 行目 1 列目の引用符が閉じていません"), std::string::npos) << msg;
    msg = failure(kHeader + ",a\r\nab\"c,0,1\r\n");
    EXPECT_NE(msg.find("2 行目 1 列目に引用符で囲まれていない引用符があります"), std::string::npos) << msg;
    msg = failure(kHeader + ",a\r\n\"ab\"c,0,1\r\n");
    EXPECT_NE(msg.find("2 行目 1 列目の閉じ引用符の後に余分な文字があります"), std::string::npos) << msg;
    msg = failure(kHeader + ",a\r\nL,0,1\rM,0,1\r\n");
    EXPECT_NE(msg.find("2 行目 3 列目の後に LF を伴わない CR があります"), std::string::npos) << msg;
}

TEST(CsvRead, TextsMustBeUtf8) {
    // "データ" in code page 932, as a spreadsheet saving in the local code page writes it.
    std::string msg = failure(kHeader + ",a\r\n\x83\x66\x81\x5B\x83\x5E,0,1\r\n");
    EXPECT_NE(msg.find("2 行目 1 列目のデータラベルが UTF-8"), std::string::npos) << msg;
    msg = failure(kHeader + ",a,\xED\xA0\x80\r\nL,0,1,2\r\n"); // an encoded surrogate
    EXPECT_NE(msg.find("1 行目 4 列目の変数名が UTF-8"), std::string::npos) << msg;
    msg = failure(kHeader + ",\xC0\xAF\r\nL,0,1\r\n"); // an overlong form
    EXPECT_NE(msg.find("1 行目 3 列目"), std::string::npos) << msg;
}

TEST(CsvRead, CountLimits) {
    std::string rows;
    for (int i = 0; i < Dataset::kMaxCount; ++i)
        rows += "L,0,1\r\n";
    const Dataset ds = parsed(kHeader + ",a\r\n" + rows);
    EXPECT_EQ(ds.sampleCount(), Dataset::kMaxCount);
    EXPECT_EQ(ds.value(Dataset::kMaxCount, 1), 1);
    EXPECT_NE(failure(kHeader + ",a\r\n" + rows + "L,0,1\r\n").find("データ行が多すぎます"),
              std::string::npos);

    std::string header = kHeader;
    for (int j = 0; j < Dataset::kMaxCount; ++j)
        header += ",v";
    std::string row = "L,0";
    for (int j = 0; j < Dataset::kMaxCount; ++j)
        row += ",";
    EXPECT_EQ(parsed(header + "\r\n" + row + "\r\n").variableCount(), Dataset::kMaxCount);
    EXPECT_NE(failure(header + ",v\r\n" + row + ",\r\n").find("変数が多すぎます"), std::string::npos);
}

TEST(CsvRead, SuccessReplacesThePreviousContent) {
    Dataset ds = sentinel();
    ASSERT_TRUE(csvToDataset(kHeader + ",x\r\nL,1,9\r\n", ds).isOk());
    ASSERT_EQ(ds.sampleCount(), 1);
    ASSERT_EQ(ds.variableCount(), 1);
    EXPECT_EQ(ds.name(1), "x");
    EXPECT_EQ(ds.mask(1), 1);
    EXPECT_EQ(ds.value(1, 1), 9);
}

// ---- round trip -------------------------------------------------------------

TEST(CsvRoundTrip, DatasetToCsvAndBackGivesTheSameFileBytes) {
    Dataset ds = makeDataset(4, 5);
    const char* names[] = {"長さ", "", "ﾊﾝｶｸ", "a,b", "引用\"符"};
    for (int j = 1; j <= 5; ++j)
        ds.setName(j, names[j - 1]);
    const char* labels[] = {"ロット1", "", " 空白 ", "〜−‖"};
    for (int i = 1; i <= 4; ++i) {
        ds.setLabel(i, labels[i - 1]);
        ds.setMask(i, static_cast<std::int16_t>(i % 2));
    }
    const double values[] = {
        0.1 + 0.2,        1.0 / 3.0, -0.25,   1e15,     1.5e-5, 123456789012345.0, -1e-300, 0.0,  7.0,
        -1e300,           2.5e-310,  0.00012, -999.999, 1e14,   3.14159265358979,  42,      -0.0, 1e-4,
        99999999999999.9, 5};
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 5; ++j)
            ds.setValue(i, j, values[(i - 1) * 5 + (j - 1)]);

    Dataset back;
    ASSERT_TRUE(csvToDataset(datasetToCsv(ds), back).isOk());
    const auto namesA = zel::namesFileBytes(ds);
    const auto namesB = zel::namesFileBytes(back);
    ASSERT_TRUE(namesA.isOk()) << namesA.status().message();
    ASSERT_TRUE(namesB.isOk());
    EXPECT_EQ(*namesA, *namesB);
    EXPECT_EQ(zel::valuesFileBytes(ds), zel::valuesFileBytes(back));
    // The texts come back exactly, including those the CSV had to quote.
    for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(back.name(j), ds.name(j));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(back.label(i), ds.label(i));
}

TEST(CsvRoundTrip, CanonicalCsvComesBackUnchanged) {
    const std::string csv = kHeader + ",\"x,y\",z\r\n\"a\"\"b\",1,0.5,-1.5E-05\r\nc,0,1E+15,0\r\n";
    EXPECT_EQ(datasetToCsv(parsed(csv)), csv);
}
