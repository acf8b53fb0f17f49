// Tests of the spreadsheet file functions the import and export commands use:
// the format from the name, what a read reports for a preview, and writes that
// leave an existing file alone on failure.
#include "dataset/SheetFile.h"

#include "common/Cp932.h"
#include "dataset/Dataset.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <filesystem>
#include <limits>

namespace fs = std::filesystem;
using zel::Dataset;
using zel::SheetFormat;

namespace {

class SheetFileTest : public ::testing::Test {
  protected:
    void SetUp() override { m_dir = fixtures::freshTestFolder("zel-sheetfile-"); }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    fs::path m_dir;
};

Dataset small() {
    Dataset ds;
    ds.resize(2, 2);
    ds.setName(1, "外径");
    ds.setName(2, "内径");
    ds.setLabel(1, "ロットA");
    ds.setMask(2, 1);
    ds.setValue(1, 1, 12.5);
    ds.setValue(2, 2, -0.001);
    return ds;
}

} // namespace

TEST(SheetFormat, FromTheExtensionInAnyCase) {
    EXPECT_EQ(zel::sheetFormatOf("a.csv"), SheetFormat::Csv);
    EXPECT_EQ(zel::sheetFormatOf("/x/データ.CSV"), SheetFormat::Csv);
    EXPECT_EQ(zel::sheetFormatOf("b.XlsX"), SheetFormat::Xlsx);
    EXPECT_EQ(zel::sheetFormatOf("b.xls"), std::nullopt);
    EXPECT_EQ(zel::sheetFormatOf(".xlsx"), std::nullopt);
    EXPECT_EQ(zel::sheetFormatOf("csv"), std::nullopt);
}

TEST_F(SheetFileTest, EveryFormatWritesAndReadsBackWithWhatWasFound) {
    const Dataset ds = small();
    ASSERT_TRUE(zel::writeSheetFile(ds, path("a.xlsx"), SheetFormat::Xlsx).isOk());
    ASSERT_TRUE(zel::writeSheetFile(ds, path("a.csv"), SheetFormat::Csv,
                                    {zel::CsvSeparator::Tab, zel::TextEncoding::Cp932})
                    .isOk());
    EXPECT_EQ(fixtures::readBytes(path("a.csv")).substr(0, 12), *zel::utf8ToCp932("データラベル"));

    auto x = zel::readSheetFile(path("a.xlsx"));
    ASSERT_TRUE(x.isOk()) << x.status().message();
    EXPECT_EQ(x->format, SheetFormat::Xlsx);
    EXPECT_EQ(x->layout, zel::SheetLayout::Labelled);
    EXPECT_EQ(x->sheetName, "Sheet1");
    EXPECT_EQ(x->dataset.name(1), "外径");
    EXPECT_EQ(x->dataset.mask(2), 1);
    EXPECT_EQ(x->dataset.value(2, 2), -0.001);

    auto c = zel::readSheetFile(path("a.csv"));
    ASSERT_TRUE(c.isOk()) << c.status().message();
    EXPECT_EQ(c->format, SheetFormat::Csv);
    EXPECT_EQ(c->encoding, zel::TextEncoding::Cp932);
    EXPECT_EQ(c->separator, zel::CsvSeparator::Tab);
    EXPECT_EQ(c->dataset.label(1), "ロットA");
    EXPECT_EQ(c->rowNumbers, (std::vector<int>{1, 2, 3}));

    // The format given overrides the name: a workbook under a .csv name.
    fs::copy_file(path("a.xlsx"), path("wb.csv"));
    zel::SheetReadOptions asWorkbook;
    asWorkbook.format = SheetFormat::Xlsx;
    EXPECT_TRUE(zel::readSheetFile(path("wb.csv"), asWorkbook).isOk());
}

TEST_F(SheetFileTest, FailuresNameTheFileAndLeaveAnExistingFileAlone) {
    fixtures::writeBytes(path("bad.csv"), "a,b\r\n1,x\r\n");
    auto r = zel::readSheetFile(path("bad.csv"));
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), path("bad.csv") + ": CSV の 2 行目 2 列目が数値ではありません: x");
    EXPECT_FALSE(zel::readSheetFile(path("none.xlsx")).isOk());
    EXPECT_NE(zel::readSheetFile(path("a.txt")).status().message().find("でもありません"), std::string::npos);

    fixtures::writeBytes(path("old.xlsx"), "old");
    fixtures::writeBytes(path("old.csv"), "old");
    Dataset ds = small();
    ds.setValue(1, 2, std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(zel::writeSheetFile(ds, path("old.xlsx"), SheetFormat::Xlsx).isOk());
    Dataset korean = small();
    korean.setName(1, "길이");
    EXPECT_FALSE(zel::writeSheetFile(korean, path("old.csv"), SheetFormat::Csv,
                                     {zel::CsvSeparator::Comma, zel::TextEncoding::Cp932})
                     .isOk());
    EXPECT_EQ(fixtures::readBytes(path("old.xlsx")), "old");
    EXPECT_EQ(fixtures::readBytes(path("old.csv")), "old");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(m_dir))
        ++entries;
    EXPECT_EQ(entries, 3u); // bad.csv, old.xlsx, old.csv: no temporary file left
}
