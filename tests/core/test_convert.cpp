// Tests of "zel32 --convert IN OUT" on real files in a temporary folder: exit
// codes, messages, and that a failure writes nothing and leaves old files alone.
#include "dataset/Convert.h"

#include "dataset/CsvFile.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "DatasetCompare.h"
#include "TestFiles.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using zel::Dataset;
using zel::runConvert;

namespace {

using fixtures::readBytes;
using fixtures::writeBytes;

const std::string kCsv = "データラベル,マスク,長さ,幅\r\nA,0,1.5,2\r\nB,1,-3,4E+20\r\n";

class ConvertTest : public ::testing::Test {
  protected:
    void SetUp() override { m_dir = fixtures::freshTestFolder("zel-convert-"); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    std::set<std::string> listing() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(m_dir))
            names.insert(e.path().filename().string());
        return names;
    }

    int convert(const std::string& in, const std::string& out) {
        m_err.str("");
        return runConvert(in, out, m_err);
    }
    std::string err() const { return m_err.str(); }

    // The run failed with exit 2, one "zel32: " message of at most two lines, and
    // the folder holds exactly what it held before.
    void expectFailure(int rc, const std::set<std::string>& before, const std::string& needle) {
        EXPECT_EQ(rc, 2);
        const std::string e = err();
        EXPECT_EQ(e.rfind("zel32: ", 0), 0u) << e;
        EXPECT_NE(e.find(needle), std::string::npos) << e;
        const auto lines = std::count(e.begin(), e.end(), '\n');
        EXPECT_GE(lines, 1);
        EXPECT_LE(lines, 2);
        EXPECT_EQ(listing(), before);
    }

    fs::path m_dir;
    std::ostringstream m_err;
};

} // namespace

// ---- usage ------------------------------------------------------------------

TEST_F(ConvertTest, UsageErrorsWhenNotOneDatasetAndOneCsv) {
    writeBytes(path("a.csv"), kCsv);
    ASSERT_TRUE(zel::writeDataset(fixtures::japaneseDataset(), path("d")).isOk());
    const auto before = listing();
    expectFailure(convert(path("a.csv"), path("b.csv")), before, "使い方");
    expectFailure(convert(path("d.QCS"), path("e.QCN")), before, "使い方");
    expectFailure(convert(path("a.csv"), path("b.txt")), before, "使い方");
    expectFailure(convert(path("a.txt"), path("d.QCS")), before, "使い方");
    expectFailure(convert(path("a.csv"), ".QCS"), before, "使い方");
    expectFailure(convert("", ""), before, "使い方");
    EXPECT_NE(err().find("もう一方は CSV ファイル（.csv）または XLSX ファイル（.xlsx）を指定します。"),
              std::string::npos)
        << err();
}

// ---- success ----------------------------------------------------------------

TEST_F(ConvertTest, DatasetToCsvWritesTheCsvAndPrintsNothing) {
    const Dataset ds = fixtures::japaneseDataset();
    ASSERT_TRUE(zel::writeDataset(ds, path("d")).isOk());
    for (const char* in : {"d.QCS", "d.QCN", "d.QCK", "d.qcs", "d.Qcn"}) {
        fs::remove(path("out.csv"));
        EXPECT_EQ(convert(path(in), path("out.csv")), 0) << in << ": " << err();
        EXPECT_EQ(err(), "");
        EXPECT_EQ(readBytes(path("out.csv")), zel::datasetToCsv(ds)) << in;
    }
    EXPECT_EQ(convert(path("d.QCS"), path("OUT.CSV")), 0) << err();
    EXPECT_EQ(listing(), (std::set<std::string>{"d.QCN", "d.QCS", "out.csv", "OUT.CSV"}));
}

TEST_F(ConvertTest, CsvToDatasetWritesBothFiles) {
    writeBytes(path("in.csv"), kCsv);
    ASSERT_EQ(convert(path("in.csv"), path("New.qck")), 0) << err();
    EXPECT_EQ(err(), "");
    Dataset expected;
    ASSERT_TRUE(zel::csvToDataset(kCsv, expected).isOk());
    EXPECT_EQ(readBytes(path("New.QCN")), *zel::namesFileBytes(expected));
    EXPECT_EQ(readBytes(path("New.QCS")), zel::valuesFileBytes(expected));
    EXPECT_EQ(listing(), (std::set<std::string>{"in.csv", "New.QCN", "New.QCS"}));
}

TEST_F(ConvertTest, ReplacesExistingOutputOnSuccess) {
    writeBytes(path("in.csv"), kCsv);
    writeBytes(path("d.QCN"), "old names");
    writeBytes(path("d.QCS"), "old values");
    ASSERT_EQ(convert(path("in.csv"), path("d.QCS")), 0) << err();
    EXPECT_NE(readBytes(path("d.QCN")), "old names");
    writeBytes(path("out.csv"), "old csv");
    ASSERT_EQ(convert(path("d.QCS"), path("out.csv")), 0) << err();
    EXPECT_EQ(readBytes(path("out.csv")), kCsv);
}

TEST_F(ConvertTest, RoundTripThroughCsvGivesByteIdenticalDatasetFiles) {
    ASSERT_TRUE(zel::writeDataset(fixtures::japaneseDataset(), path("a")).isOk());
    ASSERT_EQ(convert(path("a.QCN"), path("a.csv")), 0) << err();
    ASSERT_EQ(convert(path("a.csv"), path("b.QCS")), 0) << err();
    EXPECT_EQ(readBytes(path("b.QCN")), readBytes(path("a.QCN")));
    EXPECT_EQ(readBytes(path("b.QCS")), readBytes(path("a.QCS")));
    ASSERT_EQ(convert(path("b.QCS"), path("b.csv")), 0) << err();
    EXPECT_EQ(readBytes(path("b.csv")), readBytes(path("a.csv")));
}

TEST_F(ConvertTest, ReadsBackAHandEditedValuesFile) {
    // One sample per line, commas and extra blanks: the dataset reader takes it.
    writeBytes(path("h.QCN"), " 2  2 \r\nx\r\ny\r\n 0 \r\n 1 \r\nP\r\nQ\r\n");
    writeBytes(path("h.QCS"), "1, 2\r\n  3 .5 ");
    ASSERT_EQ(convert(path("h.QCS"), path("h.csv")), 0) << err();
    EXPECT_EQ(readBytes(path("h.csv")), "データラベル,マスク,x,y\r\nP,0,1,2\r\nQ,1,3,0.5\r\n");
}

// ---- failures ---------------------------------------------------------------

TEST_F(ConvertTest, MissingInputFails) {
    const auto before = listing();
    expectFailure(convert(path("none.csv"), path("d.QCS")), before, "none.csv");
    expectFailure(convert(path("none.QCS"), path("out.csv")), before, "none.QCN");
    writeBytes(path("half.QCN"), " 1  1 \r\nx\r\n 0 \r\nL\r\n");
    const auto withHalf = listing();
    expectFailure(convert(path("half.QCN"), path("out.csv")), withHalf, "half.QCS");
    fs::create_directory(path("dir.csv"));
    expectFailure(convert(path("dir.csv"), path("d.QCS")), listing(), "dir.csv");
}

TEST_F(ConvertTest, MalformedCsvWritesNothingAndKeepsOldDataset) {
    writeBytes(path("d.QCN"), "old names");
    writeBytes(path("d.QCS"), "old values");
    const std::pair<std::string, std::string> cases[] = {
        {"データラベル,マスク,a,b\r\nL,0,1,2\r\nM,0,1\r\n", "3 行目の列数"},
        {"データラベル,マスク,a\r\nL,0,abc\r\n", "2 行目 3 列目が数値ではありません"},
        {"データラベル,マスク,a\r\nL,2,1\r\n", "2 行目 2 列目のマスク"},
        {"データラベル,マスク,a\r\nL,0,1\r\n\r\nM,0,1\r\n", "3 行目が空行です"},
        {"データラベル,マスク,a\r\n\"L,0,1\r\n", "2 行目 1 列目の引用符が閉じていません"},
        {"データラベル,マスク,a\r\nL,0,1e999\r\n", "範囲外"},
        {"データラベル,Mask,a\r\nL,0,1\r\n", "1 行目 2 列目"},
        // Without the two headings the header holds variable names only: "L" is a value.
        {"Label,Mask,a\r\nL,0,1\r\n", "2 行目 1 列目が数値ではありません: L（1 列目がデータラベルであれば、1 "
                                      "行目の見出しを「データラベル」「マスク」で始めてください。）"},
    };
    for (const auto& [csv, needle] : cases) {
        writeBytes(path("bad.csv"), csv);
        const auto before = listing();
        expectFailure(convert(path("bad.csv"), path("d.QCS")), before, needle);
        EXPECT_NE(err().find("bad.csv"), std::string::npos) << err();
        EXPECT_EQ(readBytes(path("d.QCN")), "old names");
        EXPECT_EQ(readBytes(path("d.QCS")), "old values");
    }
}

TEST_F(ConvertTest, NamesOutsideCodePage932AreRefused) {
    writeBytes(path("k.csv"), "データラベル,マスク,길이\r\nL,0,1\r\n");
    expectFailure(convert(path("k.csv"), path("d.QCS")), listing(), "1 行目 3 列目");
    writeBytes(path("e.csv"), "データラベル,マスク,a\r\nL,0,1\r\n\U0001F600,0,2\r\n");
    expectFailure(convert(path("e.csv"), path("d.QCS")), listing(), "3 行目 1 列目");
}

TEST_F(ConvertTest, TextsWithLineBreaksCommasQuotesAndBlanksSurviveTheDatasetFiles) {
    const std::string csv = "データラベル,マスク,\"名\n前\",\"a,b\", lead\r\n"
                            "\"二\r\n行\",0,1,2,3\r\n\"\"\"引用\"\"\",1,4,5,6\r\n  ,0,7,8,9\r\n";
    writeBytes(path("t.csv"), csv);
    ASSERT_EQ(convert(path("t.csv"), path("d.QCS")), 0) << err();
    ASSERT_EQ(convert(path("d.QCS"), path("back.csv")), 0) << err();
    EXPECT_EQ(readBytes(path("back.csv")), csv);
}

TEST_F(ConvertTest, WaveDashIsSavedAsItsCodePage932Character) {
    // U+301C has the code 0x81 0x60 in code page 932, which reads back as U+FF5E.
    writeBytes(path("w.csv"), "データラベル,マスク,\u301C\r\n\u301C,0,1\r\n");
    ASSERT_EQ(convert(path("w.csv"), path("w.QCS")), 0) << err();
    EXPECT_EQ(readBytes(path("w.QCN")), " 1  1 \r\n\x81\x60\r\n 0 \r\n\x81\x60\r\n");
    ASSERT_EQ(convert(path("w.QCS"), path("back.csv")), 0) << err();
    EXPECT_EQ(readBytes(path("back.csv")), "データラベル,マスク,\uFF5E\r\n\uFF5E,0,1\r\n");
}

TEST_F(ConvertTest, FailedDatasetReadWritesNoCsvAndKeepsOldCsv) {
    writeBytes(path("out.csv"), "old csv");
    // The header claims 3 samples, the values file holds two values.
    writeBytes(path("s.QCN"), " 3  1 \r\nx\r\n 0 \r\n 0 \r\n 0 \r\nA\r\nB\r\nC\r\n");
    writeBytes(path("s.QCS"), " 1  2 ");
    expectFailure(convert(path("s.QCS"), path("out.csv")), listing(), "s");
    EXPECT_EQ(readBytes(path("out.csv")), "old csv");
    // A names file cut short.
    writeBytes(path("t.QCN"), " 20  1 \r\nx\r\n 0 \r\n");
    writeBytes(path("t.QCS"), " 1 ");
    expectFailure(convert(path("t.QCN"), path("out.csv")), listing(), "t");
    EXPECT_EQ(readBytes(path("out.csv")), "old csv");
}

TEST_F(ConvertTest, MaskOutsideZeroOrOneIsNotWrittenToCsv) {
    writeBytes(path("m.QCN"), " 2  1 \r\nx\r\n 0 \r\n 2 \r\nA\r\nB\r\n");
    writeBytes(path("m.QCS"), " 1  2 ");
    expectFailure(convert(path("m.QCS"), path("out.csv")), listing(), "サンプル 2 のマスク");
}

TEST_F(ConvertTest, OutputThatIsAFolderFails) {
    ASSERT_TRUE(zel::writeDataset(fixtures::japaneseDataset(), path("d")).isOk());
    fs::create_directory(path("out.csv"));
    expectFailure(convert(path("d.QCS"), path("out.csv")), listing(), "out.csv");
    writeBytes(path("in.csv"), kCsv);
    fs::create_directory(path("x.QCS"));
    expectFailure(convert(path("in.csv"), path("x.QCN")), listing(), "x.QCS");
}

TEST_F(ConvertTest, CsvInCodePage932WithTabsAndOnlyNamesAndValuesIsTaken) {
    // "長さ<TAB>幅" and two rows, as a spreadsheet saves text in the Japanese code page.
    writeBytes(path("p.csv"), "\x92\xB7\x82\xB3\t\x95\x9D\r\n1.5\t2\r\n\t-3\r\n");
    ASSERT_EQ(convert(path("p.csv"), path("p.QCS")), 0) << err();
    ASSERT_EQ(convert(path("p.QCS"), path("back.csv")), 0) << err();
    EXPECT_EQ(readBytes(path("back.csv")), "データラベル,マスク,長さ,幅\r\n,0,1.5,2\r\n,0,0,-3\r\n");

    // A name without a code page 932 form is named by its column in the plain layout.
    writeBytes(path("k.csv"), "a,길이\r\n1,2\r\n");
    expectFailure(convert(path("k.csv"), path("k.QCS")), listing(), "1 行目 2 列目の変数名");
}

TEST_F(ConvertTest, WorkbookOutputNeedsNoReaderAndWorkbookInputDoes) {
    ASSERT_TRUE(zel::writeDataset(fixtures::japaneseDataset(), path("d")).isOk());
    ASSERT_EQ(convert(path("d.QCS"), path("d.XLSX")), 0) << err();
    EXPECT_EQ(readBytes(path("d.XLSX")).substr(0, 2), "PK");
    expectFailure(convert(path("d.XLSX"), path("e.QCS")), listing(), "XLSX ファイルを読めません");
    expectFailure(convert(path("d.XLSX"), path("e.csv")), listing(), "使い方");
}
