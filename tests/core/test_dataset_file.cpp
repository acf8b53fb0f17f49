// Tests of the dataset files: exact layout, reading rules, failures, quoting of
// awkward texts, code page 932 and the atomic save.
#include "common/Cp932.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

using namespace zel;
namespace fs = std::filesystem;

namespace {

using fixtures::kEof;
using fixtures::kMissing;
using fixtures::kType;
using fixtures::readBytes;
using fixtures::writeBytes;

const std::string kOverflow = "オーバーフローしました。";
const std::string kIndex = "インデックスが有効範囲にありません。";

// The line that names where the reading of the values file stopped.
std::string position(int sample, int variable) {
    return "位置：サンプル " + std::to_string(sample) + "、変数 " + std::to_string(variable);
}

Dataset twoByThree() {
    Dataset ds;
    ds.resize(2, 3);
    ds.setName(1, "A");
    ds.setName(2, "B");
    ds.setName(3, "C");
    ds.setMask(2, 1);
    ds.setLabel(1, "1");
    ds.setLabel(2, "2");
    const double v[] = {0.5, -0.25, 3, 0, 12.345, -1e15};
    for (int i = 0; i < 6; ++i)
        ds.setValue(i / 3 + 1, i % 3 + 1, v[i]);
    return ds;
}

void expectSameDataset(const Dataset& a, const Dataset& b) {
    ASSERT_EQ(a.sampleCount(), b.sampleCount());
    ASSERT_EQ(a.variableCount(), b.variableCount());
    for (int j = 1; j <= a.variableCount(); ++j)
        EXPECT_EQ(a.name(j), b.name(j)) << "name " << j;
    for (int i = 1; i <= a.sampleCount(); ++i) {
        EXPECT_EQ(a.mask(i), b.mask(i)) << "mask " << i;
        EXPECT_EQ(a.label(i), b.label(i)) << "label " << i;
        for (int j = 1; j <= a.variableCount(); ++j)
            EXPECT_EQ(a.value(i, j), b.value(i, j)) << i << "," << j;
    }
}

class DatasetFileTest : public ::testing::Test {
  protected:
    void SetUp() override { m_dir = fixtures::freshTestFolder("zel_dsf_"); }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dir, ec);
    }
    std::string base(const std::string& name = "ds") const { return (m_dir / name).string(); }
    // Reads a names text (UTF-8, converted here) and an optional values text from memory.
    DatasetReadResult readText(const std::string& names, std::optional<std::string> values, Dataset& ds) {
        auto cp = utf8ToCp932(names);
        EXPECT_TRUE(cp.isOk());
        return readDatasetBytes(*cp, values ? std::optional<std::string_view>(*values) : std::nullopt, ds,
                                "n.QCN", "v.QCS");
    }
    fs::path m_dir;
};

} // namespace

// ---- layout ---------------------------------------------------------------

TEST_F(DatasetFileTest, TwoByThreeWritesTheExactLayout) {
    const Dataset ds = twoByThree();
    ASSERT_TRUE(writeDataset(ds, base()).isOk());
    const std::string names = readBytes(base() + ".QCN");
    EXPECT_EQ(names, " 2  3 \r\nA\r\nB\r\nC\r\n 0 \r\n 1 \r\n1\r\n2\r\n");
    std::size_t lines = 0;
    for (char c : names)
        lines += c == '\n';
    EXPECT_EQ(lines, 8u);
    EXPECT_EQ(readBytes(base() + ".QCS"), " .5 -.25  3  0  12.345 -1E+15 ");
    EXPECT_FALSE(fs::exists(temporaryPathFor(base() + ".QCN")));
    EXPECT_FALSE(fs::exists(temporaryPathFor(base() + ".QCS")));
    EXPECT_FALSE(fs::exists(base() + ".QCN.zelold"));

    Dataset back;
    const auto r = readDataset(base() + ".QCN", base() + ".QCS", back);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_TRUE(r.headerRead);
    EXPECT_EQ(r.valuesRead, 6u);
    expectSameDataset(ds, back);
}

TEST_F(DatasetFileTest, HalfQuarterAndThreeBytes) {
    Dataset ds;
    ds.resize(1, 3);
    ds.setValue(1, 1, 0.5);
    ds.setValue(1, 2, -0.25);
    ds.setValue(1, 3, 3);
    EXPECT_EQ(valuesFileBytes(ds), " .5 -.25  3 ");
    // Values never stored are written as 0.
    ds.resize(2, 2);
    ds.setValue(1, 1, 1);
    EXPECT_EQ(valuesFileBytes(ds), " 1  0  0  0 ");
}

TEST_F(DatasetFileTest, EmptyNamesAndLabelsSurvive) {
    Dataset ds;
    ds.resize(3, 2);
    ds.setName(2, "重量");
    ds.setLabel(2, "ロット2");
    ASSERT_TRUE(writeDataset(ds, base()).isOk());
    auto names = cp932ToUtf8(readBytes(base() + ".QCN"));
    EXPECT_EQ(names, " 3  2 \r\n\r\n重量\r\n 0 \r\n 0 \r\n 0 \r\n\r\nロット2\r\n\r\n");
    Dataset back;
    ASSERT_TRUE(readDataset(base() + ".QCN", base() + ".QCS", back).status.isOk());
    expectSameDataset(ds, back);
}

TEST_F(DatasetFileTest, JapaneseNamesRoundTripByteExact) {
    Dataset ds;
    ds.resize(2, 2);
    ds.setName(1, "外径（ｍｍ）");
    ds.setName(2, "ｻﾝﾌﾟﾙ表");
    ds.setLabel(1, "第１ロット〜");
    ds.setLabel(2, "−5℃");
    ASSERT_TRUE(writeDataset(ds, base()).isOk());
    const std::string expected = std::string(" 2  2 \r\n") +
                                 "\x8A\x4F\x8C\x61\x81\x69\x82\x8D\x82\x8D\x81\x6A\r\n" // 外径（ｍｍ）
                                 "\xBB\xDD\xCC\xDF\xD9\x95\x5C\r\n"                     // ｻﾝﾌﾟﾙ表
                                 " 0 \r\n 0 \r\n"
                                 "\x91\xE6\x82\x50\x83\x8D\x83\x62\x83\x67\x81\x60\r\n" // 第１ロット〜
                                 "\x81\x7C\x35\x81\x8E\r\n";                            // −5℃
    EXPECT_EQ(readBytes(base() + ".QCN"), expected);
    Dataset back;
    ASSERT_TRUE(readDataset(base() + ".QCN", base() + ".QCS", back).status.isOk());
    EXPECT_EQ(back.name(1), "外径（ｍｍ）");
    EXPECT_EQ(back.name(2), "ｻﾝﾌﾟﾙ表");
    EXPECT_EQ(back.label(1), "第１ロット～"); // the Windows code page reads 0x8160 as U+FF5E
    EXPECT_EQ(back.label(2), "－5℃");
    // Written again, the bytes do not change.
    ASSERT_TRUE(writeDataset(back, base("again")).isOk());
    EXPECT_EQ(readBytes(base("again") + ".QCN"), expected);
}

// ---- reading rules --------------------------------------------------------

TEST_F(DatasetFileTest, ValuesOnePerLineOrWithCommasReadTheSame) {
    const Dataset ds = twoByThree();
    const std::string names = *namesFileBytes(ds);
    for (const std::string& values :
         {std::string(" .5 -.25  3 \r\n 0  12.345 -1E+15 \r\n"), std::string(".5,-.25,3\n0,12.345,-1e15\n"),
          std::string("  +.5 ,\t-0.25 , 3.\r\n\r\n0 12.345\n-1E15"),
          std::string(".5\r\n-.25\r\n3\r\n0\r\n12.345\r\n-1E+15")}) {
        Dataset back;
        const auto r = readDatasetBytes(names, std::string_view(values), back);
        ASSERT_TRUE(r.status.isOk()) << values << r.status.message();
        EXPECT_EQ(r.valuesRead, 6u);
        expectSameDataset(ds, back);
    }
}

TEST_F(DatasetFileTest, EmptyFieldBetweenCommasIsZero) {
    Dataset ds;
    const auto r = readText(" 1  3 \r\na\r\nb\r\nc\r\n 0 \r\nx\r\n", std::string("1,,3"), ds);
    ASSERT_TRUE(r.status.isOk());
    EXPECT_EQ(ds.value(1, 1), 1);
    EXPECT_EQ(ds.value(1, 2), 0);
    EXPECT_EQ(ds.value(1, 3), 3);
}

TEST_F(DatasetFileTest, TextFieldRules) {
    Dataset ds;
    // Bare LF line ends, leading blanks skipped, trailing blanks kept, the rest of
    // the header line after the counts skipped, a quoted label followed by text
    // up to a comma, and a label that starts right after that comma.
    const auto r = readText("2 3 , ignored\n   left\nmid dle  \nlast\n0\n1\n\"q1\" dropped,L2\n",
                            std::string("1 2 3 4 5 6"), ds);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_EQ(ds.name(1), "left");
    EXPECT_EQ(ds.name(2), "mid dle  ");
    EXPECT_EQ(ds.name(3), "last");
    EXPECT_EQ(ds.mask(1), 0);
    EXPECT_EQ(ds.mask(2), 1);
    EXPECT_EQ(ds.label(1), "q1");
    EXPECT_EQ(ds.label(2), "L2");
    EXPECT_EQ(ds.value(2, 3), 6.0);
}

TEST_F(DatasetFileTest, CommaInAnUnquotedNameShiftsTheFields) {
    // What an old file with a comma in a name does: the rest of the name becomes
    // the next field, and the masks then meet a text.
    Dataset ds;
    const auto r = readText(" 1  2 \r\nx,y\r\nz\r\n 0 \r\nL\r\n", std::string("1 2"), ds);
    EXPECT_EQ(ds.name(1), "x");
    EXPECT_EQ(ds.name(2), "y");
    EXPECT_EQ(r.status.message(), kType + "\nn.QCN");
}

TEST_F(DatasetFileTest, QuotedFields) {
    Dataset ds;
    const auto r = readText(
        " 2  2 \r\n\"a,b\"\r\n  \"say \"\"hi\"\"\" tail, \r\n 0 \r\n 0 \r\n\"line1\r\nline2\"\r\n\"\"\r\n",
        std::string("1 2 3 4"), ds);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_EQ(ds.name(1), "a,b");
    EXPECT_EQ(ds.name(2), "say \"hi\"");
    EXPECT_EQ(ds.label(1), "line1\r\nline2");
    EXPECT_EQ(ds.label(2), "");
}

TEST_F(DatasetFileTest, CountsAreRoundedHalfToEven) {
    Dataset ds;
    const auto r = readText("2.5 1.5\r\nA\r\nB\r\n0\r\n0\r\n\r\n\r\n", std::string("1 2 3 4"), ds);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_EQ(ds.sampleCount(), 2);
    EXPECT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(2), "B");
}

// ---- awkward texts survive a write and a read -----------------------------

TEST_F(DatasetFileTest, AwkwardTextsAreQuotedAndComeBack) {
    const std::vector<std::string> texts = {
        "a,b",        "\"quoted\"",    " lead",    "\tTab", "two\r\nlines", "lf\nonly", "cr\ronly",
        "mid\"quote", "say \"\"x\"\"", "  \"both", ",",     "\"",           "trail  ",  "表,ソ"};
    Dataset ds;
    ds.resize(static_cast<int>(texts.size()), static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ds.setName(static_cast<int>(i) + 1, texts[i]);
        ds.setLabel(static_cast<int>(texts.size() - i), texts[i]);
        ds.setMask(static_cast<int>(i) + 1, static_cast<std::int16_t>(i % 2));
        ds.setValue(static_cast<int>(i) + 1, 1, static_cast<double>(i) + 0.5);
    }
    ASSERT_TRUE(writeDataset(ds, base()).isOk());
    Dataset back;
    const auto r = readDataset(base() + ".QCN", base() + ".QCS", back);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    expectSameDataset(ds, back);
    EXPECT_TRUE(namesFileReadable(base() + ".QCN"));

    // Only the awkward ones are quoted; the others are written as they are.
    Dataset one;
    one.resize(1, 3);
    one.setName(1, "a,b");
    one.setName(2, "say \"x\"");
    one.setName(3, "mid\"quote");
    EXPECT_EQ(*namesFileBytes(one), " 1  3 \r\n\"a,b\"\r\nsay \"x\"\r\nmid\"quote\r\n 0 \r\n\r\n");
    one.setName(2, "\"x\"");
    EXPECT_EQ(*namesFileBytes(one), " 1  3 \r\n\"a,b\"\r\n\"\"\"x\"\"\"\r\nmid\"quote\r\n 0 \r\n\r\n");
}

// ---- failures -------------------------------------------------------------

TEST_F(DatasetFileTest, FewerMaskLinesThanTheHeaderSays) {
    Dataset ds;
    const auto r = readText(" 20  1 \r\nA\r\n 1 \r\n 0 \r\n 1 \r\n", std::string(" 1 "), ds);
    EXPECT_TRUE(r.headerRead);
    EXPECT_EQ(r.valuesRead, 0u);
    EXPECT_EQ(r.status.message(), kEof + "\nn.QCN");
    EXPECT_EQ(ds.sampleCount(), 20);
    EXPECT_EQ(ds.name(1), "A");
    EXPECT_EQ(ds.mask(1), 1);
    EXPECT_EQ(ds.mask(2), 0);
    EXPECT_EQ(ds.mask(3), 1);
    EXPECT_EQ(ds.mask(4), 0);
    EXPECT_EQ(ds.value(1, 1), 0.0); // the values file was not read
}

TEST_F(DatasetFileTest, MissingValuesFileKeepsNamesMasksAndLabels) {
    ASSERT_TRUE(writeDataset(twoByThree(), base()).isOk());
    fs::remove(base() + ".QCS");
    Dataset ds;
    const auto r = readDataset(base() + ".QCN", base() + ".QCS", ds);
    EXPECT_EQ(r.status.code(), StatusCode::IoError);
    EXPECT_EQ(r.status.message(), kMissing + "\n" + base() + ".QCS");
    EXPECT_TRUE(r.headerRead);
    EXPECT_EQ(r.valuesRead, 0u);
    EXPECT_EQ(ds.name(3), "C");
    EXPECT_EQ(ds.mask(2), 1);
    EXPECT_EQ(ds.label(2), "2");
    EXPECT_EQ(ds.value(1, 1), 0.0);
}

TEST_F(DatasetFileTest, MissingOrUnreadableNamesFileLeavesTheDatasetAlone) {
    Dataset ds = twoByThree();
    auto r = readDataset(base() + ".QCN", base() + ".QCS", ds);
    EXPECT_EQ(r.status.message(), kMissing + "\n" + base() + ".QCN");
    EXPECT_FALSE(r.headerRead);
    expectSameDataset(twoByThree(), ds);
    fs::create_directory(base("dir") + ".QCN"); // a folder is not a names file
    r = readDataset(base("dir") + ".QCN", base("dir") + ".QCS", ds);
    EXPECT_EQ(r.status.message(), kMissing + "\n" + base("dir") + ".QCN");
    EXPECT_FALSE(namesFileReadable(base("dir") + ".QCN"));
}

TEST_F(DatasetFileTest, ValuesFileEndsEarly) {
    Dataset ds;
    const auto r = readText(" 2  2 \r\nA\r\nB\r\n 0 \r\n 0 \r\n\r\n\r\n", std::string(" 1  2  3 "), ds);
    EXPECT_EQ(r.status.message(), kEof + "\nv.QCS\n" + position(2, 2));
    EXPECT_EQ(r.valuesRead, 3u);
    EXPECT_EQ(ds.value(2, 1), 3.0);
    EXPECT_EQ(ds.value(2, 2), 0.0);
}

TEST_F(DatasetFileTest, HugeHeaderWithShortValuesFileFailsFast) {
    // A complete names file for 32767 x 32767 with a values file of three numbers:
    // the reader must not size storage for 1e9 values.
    const int n = 32767;
    std::string names = " 32767  32767 \r\n";
    for (int j = 0; j < n; ++j)
        names += "v\r\n";
    for (int i = 0; i < n; ++i)
        names += " 0 \r\n";
    for (int i = 0; i < n; ++i)
        names += "\r\n";
    const std::string values = " 1  2  3 ";
    Dataset ds;
    const auto t0 = std::chrono::steady_clock::now();
    const auto r = readDatasetBytes(names, std::string_view(values), ds, "n", "v");
    const auto secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_EQ(r.status.message(), kEof + "\nv\n" + position(1, 4));
    EXPECT_TRUE(r.headerRead);
    EXPECT_EQ(r.valuesRead, 3u);
    EXPECT_EQ(ds.sampleCount(), 32767);
    EXPECT_EQ(ds.value(1, 3), 3.0);
    EXPECT_EQ(ds.value(32767, 32767), 0.0);
    EXPECT_LT(ds.storedValues().capacity(), 100u);
    EXPECT_LT(secs, 5.0); // generous: the point is that it is not proportional to N*K

    // The header alone with nothing after it fails in the names file.
    Dataset ds2;
    const auto r2 = readDatasetBytes(" 32767  32767 \r\n", std::string_view(values), ds2, "n", "v");
    EXPECT_EQ(r2.status.message(), kEof + "\nn");
    EXPECT_TRUE(r2.headerRead);
    EXPECT_TRUE(ds2.storedValues().empty());
}

TEST_F(DatasetFileTest, MalformedInput) {
    const std::string good = *namesFileBytes(twoByThree());
    const std::string goodValues = valuesFileBytes(twoByThree());
    // Every truncation of a good file fails cleanly (or, at the last line end, still reads).
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        Dataset ds;
        const auto r =
            readDatasetBytes(std::string_view(good).substr(0, cut), std::string_view(goodValues), ds);
        if (cut + 2 < good.size()) {
            EXPECT_FALSE(r.status.isOk()) << cut;
        }
    }
    for (std::size_t cut = 0; cut < goodValues.size(); ++cut) {
        Dataset ds;
        const auto r = readDatasetBytes(good, std::string_view(goodValues).substr(0, cut), ds);
        EXPECT_LE(r.valuesRead, 6u);
    }

    struct Case {
        std::string names, values, message;
    };
    const std::vector<Case> cases = {
        {"abc def\r\n", "", kType + "\nn"},
        {" 40000  2 \r\n", "", kOverflow + "\nn"},
        {" 2  32768 \r\n", "", kOverflow + "\nn"},
        {" 2  1E+400 \r\n", "", kOverflow + "\nn"},
        {"-1  2 \r\n", "", kIndex + "\nn"},
        {" 2  -3 \r\n", "", kIndex + "\nn"},
        {" 1  1 \r\nA\r\nxyz\r\nL\r\n", "", kType + "\nn"},
        {" 1  1 \r\nA\r\n 99999 \r\nL\r\n", "", kOverflow + "\nn"},
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", " 1.5abc  2 ", kType + "\nv\n" + position(1, 1)},
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", " 1E+999  2 ", kOverflow + "\nv\n" + position(1, 1)},
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", " inf  nan ", kType + "\nv\n" + position(1, 1)},
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", " 1e  2 ", kType + "\nv\n" + position(1, 1)},
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", " +-1  2 ", kType + "\nv\n" + position(1, 1)},
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", "\x81\x40 2 ", kType + "\nv\n" + position(1, 1)},
        // A number beyond the range of double, just past the largest one, and where it stands.
        {" 1  2 \r\nA\r\nB\r\n 0 \r\nL\r\n", " 1  1.8E+308 ", kOverflow + "\nv\n" + position(1, 2)},
        {" 2  2 \r\nA\r\nB\r\n 0 \r\n 0 \r\nL\r\nM\r\n", " 1  2 \r\n 3 -1E+309 ",
         kOverflow + "\nv\n" + position(2, 2)},
        {"", "", kEof + "\nn"},
        {"   \r\n\r\n", "", kEof + "\nn"},
    };
    for (const Case& c : cases) {
        Dataset ds;
        const auto r = readDatasetBytes(c.names, std::string_view(c.values), ds, "n", "v");
        EXPECT_EQ(r.status.message(), c.message) << c.names << " | " << c.values;
    }

    // An underflowing value reads as (nearly) zero, not as a failure.
    Dataset ds;
    auto r = readDatasetBytes(" 1  1 \r\nA\r\n 0 \r\nL\r\n", std::string_view(" 1E-400 "), ds);
    EXPECT_TRUE(r.status.isOk());
    EXPECT_EQ(ds.value(1, 1), 0.0);

    // Invalid code page 932 in a name becomes U+FFFD and does not shift the fields.
    r = readDatasetBytes(" 1  2 \r\n\x81\r\nB\xFF\r\n 1 \r\n\x80L\r\n", std::string_view("1 2"), ds);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_EQ(ds.name(1), "\xEF\xBF\xBD");
    EXPECT_EQ(ds.name(2), "B\xEF\xBF\xBD");
    EXPECT_EQ(ds.mask(1), 1);

    // Random garbage never crashes; any failure is one of the known messages.
    std::uint32_t seed = 12345;
    for (int round = 0; round < 300; ++round) {
        std::string junk;
        for (int i = 0; i < 64; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const char alphabet[] = " 0123456789.,-+eE\r\n\"ab\x81\xFF";
            junk.push_back(alphabet[(seed >> 24) % (sizeof alphabet - 1)]);
        }
        Dataset d;
        const auto res = readDatasetBytes(junk, std::string_view(junk), d, "n", "v");
        if (!res.status.isOk()) {
            const std::string& m = res.status.message();
            EXPECT_TRUE(m.rfind(kEof, 0) == 0 || m.rfind(kType, 0) == 0 || m.rfind(kOverflow, 0) == 0 ||
                        m.rfind(kIndex, 0) == 0)
                << m;
        }
    }
}

TEST_F(DatasetFileTest, TheLargestValuesWriteAndReadBack) {
    Dataset ds;
    ds.resize(1, 2);
    ds.setValue(1, 1, std::numeric_limits<double>::max());
    ds.setValue(1, 2, -std::numeric_limits<double>::max());
    EXPECT_EQ(valuesFileBytes(ds), " 1.79769313486231E+308 -1.79769313486231E+308 ");
    Dataset back;
    const auto r = readDatasetBytes(*namesFileBytes(ds), std::string_view(valuesFileBytes(ds)), back);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_DOUBLE_EQ(back.value(1, 1), 1.79769313486231e308);
    EXPECT_DOUBLE_EQ(back.value(1, 2), -1.79769313486231e308);
}

TEST_F(DatasetFileTest, NamesFileReadableNeedsTheWholeNamesFile) {
    EXPECT_FALSE(namesFileReadable(base() + ".QCN"));
    ASSERT_TRUE(writeDataset(twoByThree(), base()).isOk());
    EXPECT_TRUE(namesFileReadable(base() + ".QCN"));
    fs::remove(base() + ".QCS"); // the values file plays no part
    EXPECT_TRUE(namesFileReadable(base() + ".QCN"));
    const std::string full = readBytes(base() + ".QCN");
    writeBytes(base() + ".QCN", full.substr(0, full.size() - 5)); // the last label line is gone
    EXPECT_FALSE(namesFileReadable(base() + ".QCN"));
}

// ---- saving ---------------------------------------------------------------

TEST_F(DatasetFileTest, UnrepresentableCharacterRefusesBeforeWriting) {
    ASSERT_TRUE(writeDataset(twoByThree(), base()).isOk());
    const std::string oldNames = readBytes(base() + ".QCN");
    const std::string oldValues = readBytes(base() + ".QCS");
    Dataset ds = twoByThree();
    ds.setValue(1, 1, 99);
    ds.setLabel(2, "ok😀");
    Status s = writeDataset(ds, base());
    EXPECT_EQ(s.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(s.message(), "変数名またはデータラベルの「😀」（U+1F600）はシフトJISで保存できない文字です。\n"
                           "文字を変えてから保存してください。");
    EXPECT_EQ(readBytes(base() + ".QCN"), oldNames);
    EXPECT_EQ(readBytes(base() + ".QCS"), oldValues);

    ds.setLabel(2, "");
    ds.setName(1, "Café");
    s = writeDataset(ds, base("new"));
    EXPECT_EQ(s.message(), "変数名またはデータラベルの「é」（U+00E9）はシフトJISで保存できない文字です。\n"
                           "文字を変えてから保存してください。");
    EXPECT_FALSE(fs::exists(base("new") + ".QCN"));
    EXPECT_FALSE(fs::exists(base("new") + ".QCS"));
    EXPECT_FALSE(fs::exists(temporaryPathFor(base("new") + ".QCN")));
}

TEST_F(DatasetFileTest, FailedSaveLeavesThePreviousFilesWhole) {
    ASSERT_TRUE(writeDataset(twoByThree(), base()).isOk());
    const std::string oldNames = readBytes(base() + ".QCN");
    const std::string oldValues = readBytes(base() + ".QCS");
    Dataset changed = twoByThree();
    changed.setName(1, "changed");
    changed.setValue(2, 3, 42);

    // The values file's temporary file cannot be created: a folder has its name.
    fs::create_directory(temporaryPathFor(base() + ".QCS"));
    Status s = writeDataset(changed, base());
    EXPECT_EQ(s.code(), StatusCode::IoError);
    EXPECT_EQ(s.message(), "ファイルを保存できませんでした。\n" + base() + ".QCS");
    EXPECT_EQ(readBytes(base() + ".QCN"), oldNames);
    EXPECT_EQ(readBytes(base() + ".QCS"), oldValues);
    EXPECT_FALSE(fs::exists(temporaryPathFor(base() + ".QCN")));
    EXPECT_TRUE(fs::is_directory(temporaryPathFor(base() + ".QCS"))); // not ours: left alone
    fs::remove(temporaryPathFor(base() + ".QCS"));

    // The names file's temporary file cannot be created.
    fs::create_directory(temporaryPathFor(base() + ".QCN"));
    s = writeDataset(changed, base());
    EXPECT_EQ(s.message(), "ファイルを保存できませんでした。\n" + base() + ".QCN");
    EXPECT_EQ(readBytes(base() + ".QCN"), oldNames);
    EXPECT_EQ(readBytes(base() + ".QCS"), oldValues);
    EXPECT_FALSE(fs::exists(temporaryPathFor(base() + ".QCS")));
    fs::remove(temporaryPathFor(base() + ".QCN"));

    // The last step fails (the values file's place is taken by a folder): the names
    // file already renamed is put back.
    fs::create_directory(base("b") + ".QCS");
    fs::create_directory(base("b") + ".QCS/keep");
    writeBytes(base("b") + ".QCN", oldNames);
    s = writeDataset(changed, base("b"));
    EXPECT_EQ(s.message(), "ファイルを保存できませんでした。\n" + base("b") + ".QCS");
    EXPECT_EQ(readBytes(base("b") + ".QCN"), oldNames);
    EXPECT_TRUE(fs::is_directory(base("b") + ".QCS/keep"));
    for (const auto& e : fs::directory_iterator(m_dir))
        EXPECT_EQ(e.path().string().find(".zel"), std::string::npos) << e.path();

    // Same without an earlier names file: no half dataset is left behind.
    s = writeDataset(changed, base("c"));
    EXPECT_TRUE(s.isOk());
    fs::create_directory(base("d") + ".QCS");
    fs::create_directory(base("d") + ".QCS/keep");
    s = writeDataset(changed, base("d"));
    EXPECT_FALSE(s.isOk());
    EXPECT_FALSE(fs::exists(base("d") + ".QCN"));

    // A folder that does not exist.
    s = writeDataset(changed, (m_dir / "missing" / "ds").string());
    EXPECT_EQ(s.message(), "ファイルを保存できませんでした。\n" + (m_dir / "missing" / "ds.QCN").string());

    // And a save that works replaces both files.
    ASSERT_TRUE(writeDataset(changed, base()).isOk());
    Dataset back;
    ASSERT_TRUE(readDataset(base() + ".QCN", base() + ".QCS", back).status.isOk());
    expectSameDataset(changed, back);
}

TEST_F(DatasetFileTest, SaveKeepsTheFilePermissions) {
    ASSERT_TRUE(writeDataset(twoByThree(), base()).isOk());
    fs::permissions(base() + ".QCN", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeDataset(twoByThree(), base()).isOk());
    EXPECT_EQ(fs::status(base() + ".QCN").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(DatasetFileTest, ReadFromDataFolder) {
    // A dataset as another program wrote it: CR LF, one sample per line, a comma
    // between some values.
    Dataset ds;
    const std::string dir = ZEL_TEST_DATA_DIR;
    const auto r = readDataset(dir + "/lot.QCN", dir + "/lot.QCS", ds);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_EQ(ds.sampleCount(), 3);
    EXPECT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(1), "外径");
    EXPECT_EQ(ds.name(2), "重量");
    EXPECT_EQ(ds.mask(2), 1);
    EXPECT_EQ(ds.label(3), "第３ロット");
    EXPECT_EQ(ds.value(1, 1), 12.5);
    EXPECT_EQ(ds.value(2, 2), -0.25);
    EXPECT_EQ(ds.value(3, 2), 1e-5);
    EXPECT_EQ(ds.usedSampleCount(), 2);
}
