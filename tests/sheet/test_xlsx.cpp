// Tests of the workbook writer and reader: round trips of Japanese texts, masks,
// numbers at the general number text thresholds and the largest dataset; the
// package's required parts; hand-made workbooks with the cell forms other
// spreadsheet programs write; and malformed input refused with its place.
#include "dataset/XlsxReader.h"
#include "dataset/XlsxWriter.h"

#include "common/NumberText.h"
#include "dataset/Convert.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "DatasetCompare.h"

#include "TestFiles.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using zel::Dataset;
using zel::SheetLayout;

namespace {

using Parts = std::map<std::string, std::string>;

std::string zipOf(const Parts& parts) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    EXPECT_TRUE(zip.open(QuaZip::mdCreate));
    for (const auto& [name, content] : parts) {
        QuaZipFile f(&zip);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly, QuaZipNewInfo(QString::fromStdString(name))));
        f.write(content.data(), static_cast<qint64>(content.size()));
        f.close();
    }
    zip.close();
    return bytes.toStdString();
}

Parts unzip(const std::string& bytes) {
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    QuaZip zip(&buffer);
    Parts parts;
    if (!zip.open(QuaZip::mdUnzip)) return parts;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile f(&zip);
        if (f.open(QIODevice::ReadOnly))
            parts[zip.getCurrentFileName().toStdString()] = f.readAll().toStdString();
    }
    return parts;
}

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kPackageRel = "http://schemas.openxmlformats.org/package/2006/relationships";

// A workbook as another program might write it: shared strings (if any) and the
// first sheet's part as given.
std::string workbookWithSheet(const std::string& sheetPart, const std::string& sharedStrings = "") {
    Parts p;
    p["_rels/.rels"] = "<?xml version=\"1.0\"?><Relationships xmlns=\"" + kPackageRel +
                       "\"><Relationship Id=\"rId1\" Type=\"" + kRel +
                       "/officeDocument\" Target=\"/xl/workbook.xml\"/></Relationships>";
    p["xl/workbook.xml"] = "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRel +
                           "\"><sheets><sheet name=\"測定\" sheetId=\"1\" r:id=\"rId7\"/>"
                           "<sheet name=\"二枚目\" sheetId=\"2\" r:id=\"rId8\"/></sheets></workbook>";
    p["xl/_rels/workbook.xml.rels"] =
        "<Relationships xmlns=\"" + kPackageRel + "\"><Relationship Id=\"rId8\" Type=\"" + kRel +
        "/worksheet\" Target=\"worksheets/other.xml\"/><Relationship Id=\"rId7\" Type=\"" + kRel +
        "/worksheet\" Target=\"worksheets/../worksheets/first.xml\"/>"
        "<Relationship Id=\"rId9\" Type=\"" +
        kRel + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
    p["xl/worksheets/first.xml"] = sheetPart;
    p["xl/worksheets/other.xml"] =
        "<worksheet xmlns=\"" + kMain +
        "\"><sheetData><row r=\"1\"><c r=\"A1\"><v>9</v></c></row></sheetData></worksheet>";
    if (!sharedStrings.empty())
        p["xl/sharedStrings.xml"] = "<sst xmlns=\"" + kMain + "\">" + sharedStrings + "</sst>";
    return zipOf(p);
}

// The same with the sheet's rows given.
std::string workbook(const std::string& sheetData, const std::string& sharedStrings = "") {
    return workbookWithSheet("<worksheet xmlns=\"" + kMain + "\"><sheetData>" + sheetData +
                                 "</sheetData></worksheet>",
                             sharedStrings);
}

// Reads expecting success.
Dataset read(const std::string& bytes, zel::XlsxReadInfo& info, const zel::XlsxReadLimits& limits = {}) {
    Dataset ds;
    const zel::Status s = zel::xlsxToDataset(bytes, ds, std::nullopt, info, limits);
    EXPECT_TRUE(s.isOk()) << s.message();
    return ds;
}

// Reads expecting failure; the dataset must be left alone.
std::string refusal(const std::string& bytes, const zel::XlsxReadLimits& limits = {}) {
    Dataset ds = fixtures::sentinelDataset();
    zel::XlsxReadInfo info;
    const zel::Status s = zel::xlsxToDataset(bytes, ds, std::nullopt, info, limits);
    EXPECT_FALSE(s.isOk());
    fixtures::expectSentinelUntouched(ds);
    return s.message();
}

class XlsxTest : public ::testing::Test {
  protected:
    void SetUp() override { m_dir = fixtures::freshTestFolder("zel-xlsx-"); }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    std::string written(const Dataset& ds) {
        const zel::Status s = zel::writeXlsx(ds, path("out.xlsx"));
        EXPECT_TRUE(s.isOk()) << s.message();
        return fixtures::readBytes(path("out.xlsx"));
    }

    fs::path m_dir;
};

Dataset japanese() {
    Dataset ds;
    ds.resize(4, 3);
    ds.setName(1, "長さ（mm）");
    ds.setName(2, "ﾊﾝｶｸ重量");
    ds.setName(3, "a<b & \"c\"");
    ds.setLabel(1, "ロット１");
    ds.setLabel(2, "");
    ds.setLabel(3, "二\r\n行\t\x01"); // CR and U+0001 go into the sheet as "_x000D_" and "_x0001_"
    ds.setLabel(4, "  空白 ");
    ds.setMask(2, 1);
    ds.setMask(4, 1);
    // Both sides of the exponent thresholds (1E+15, 1E-04), with 15 significant digits.
    const double v[] = {999999999999999.0,
                        1e15,
                        0.0001,
                        0.0000999999999999999,
                        -1e15,
                        -0.0001,
                        123456789012345.0,
                        1.5e-5,
                        0.5,
                        -3,
                        0,
                        12.25};
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 3; ++j)
            ds.setValue(i, j, v[(i - 1) * 3 + (j - 1)]);
    return ds;
}

} // namespace

// ---- round trips ------------------------------------------------------------

TEST_F(XlsxTest, JapaneseTextsMasksAndThresholdNumbersRoundTrip) {
    const Dataset ds = japanese();
    zel::XlsxReadInfo info;
    const Dataset back = read(written(ds), info);
    fixtures::expectSameDataset(back, ds);
    EXPECT_EQ(info.layout, SheetLayout::Labelled);
    EXPECT_EQ(info.rowNumbers, (std::vector<int>{1, 2, 3, 4, 5}));
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(zel::generalNumberText(back.value(1, j)), zel::generalNumberText(ds.value(1, j)));
}

TEST_F(XlsxTest, TheLargestDatasetRoundTrips) {
    Dataset ds;
    ds.resize(Dataset::kMaxCount, zel::kMaxSheetVariables);
    ds.reserveValues();
    for (int i = 1; i <= Dataset::kMaxCount; ++i) {
        ds.setLabel(i, "試料" + std::to_string(i));
        ds.setMask(i, static_cast<std::int16_t>(i % 7 == 0));
        for (int j = 1; j <= zel::kMaxSheetVariables; ++j)
            ds.setValue(i, j, (i * 131 + j * 17) % 100003 / 64.0 - 700);
    }
    for (int j = 1; j <= zel::kMaxSheetVariables; ++j)
        ds.setName(j, "変数" + std::to_string(j));
    zel::XlsxReadInfo info;
    const Dataset back = read(written(ds), info);
    fixtures::expectSameDataset(back, ds);
    EXPECT_EQ(info.rowNumbers.back(), Dataset::kMaxCount + 1);
}

// ---- the package ------------------------------------------------------------

TEST_F(XlsxTest, PackageHasTheRequiredPartsAsWellFormedXmlWithTheirRoots) {
    const Parts parts = unzip(written(japanese()));
    struct Required {
        const char* part;
        const char* root;
        std::string ns;
    };
    const Required required[] = {
        {"[Content_Types].xml", "Types", "http://schemas.openxmlformats.org/package/2006/content-types"},
        {"_rels/.rels", "Relationships", kPackageRel},
        {"xl/workbook.xml", "workbook", kMain},
        {"xl/_rels/workbook.xml.rels", "Relationships", kPackageRel},
        {"xl/worksheets/sheet1.xml", "worksheet", kMain},
    };
    for (const Required& r : required) {
        const auto it = parts.find(r.part);
        ASSERT_NE(it, parts.end()) << r.part;
        QXmlStreamReader xml(QByteArray::fromStdString(it->second));
        QString root, ns;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && root.isEmpty()) {
                root = xml.name().toString();
                ns = xml.namespaceUri().toString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << r.part << ": " << xml.errorString().toStdString();
        EXPECT_EQ(root.toStdString(), r.root) << r.part;
        EXPECT_EQ(ns.toStdString(), r.ns) << r.part;
    }
    // The content types name the workbook and the sheet.
    const std::string& types = parts.at("[Content_Types].xml");
    EXPECT_NE(types.find("PartName=\"/xl/workbook.xml\""), std::string::npos);
    EXPECT_NE(types.find("PartName=\"/xl/worksheets/sheet1.xml\""), std::string::npos);
}

// ---- cell forms of other programs -------------------------------------------

TEST_F(XlsxTest, SharedAndInlineStringsPhoneticRunsBooleansAndGaps) {
    const std::string strings =
        "<si><t>データラベル</t></si><si><t>マスク</t></si>"
        "<si><r><t>長</t></r><r><t>さ</t></r><rPh sb=\"0\" eb=\"1\"><t>ナガ</t></rPh></si>"
        "<si><t xml:space=\"preserve\"> 検査 </t><rPh><t>ケンサ</t></rPh></si>"
        "<si><t>a_x000D_b_x005F_x0041_c_xZZZZ_</t></si>";
    const std::string sheet =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" "
        "t=\"s\"><v>2</v></c>"
        "<c r=\"D1\" t=\"inlineStr\"><is><t>幅</t></is></c></row>"
        "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>3</v></c><c r=\"B2\" t=\"b\"><v>1</v></c><c "
        "r=\"D2\"><v>2.5E-3</v></c></row>"
        "<row r=\"3\" spans=\"1:4\"><c r=\"A3\"><v>12</v></c><c r=\"B3\"><v>0</v></c><c r=\"C3\" s=\"1\"/>"
        "<c r=\"D3\" t=\"str\"><f>1+1</f><v>2</v></c></row>"
        "<row r=\"4\"></row>" // a trailing empty row
        "<row r=\"5\"/>";
    zel::XlsxReadInfo info;
    const Dataset ds = read(workbook(sheet, strings), info);
    EXPECT_EQ(info.sheetName, "測定");
    ASSERT_EQ(ds.sampleCount(), 2);
    ASSERT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(1), "長さ");
    EXPECT_EQ(ds.name(2), "幅");
    EXPECT_EQ(ds.label(1), " 検査 ");
    EXPECT_EQ(ds.label(2), "12"); // a number in the label column is its text
    EXPECT_EQ(ds.mask(1), 1);
    EXPECT_EQ(ds.value(1, 1), 0); // the left-out cell C2
    EXPECT_EQ(ds.value(1, 2), 0.0025);
    EXPECT_EQ(ds.value(2, 2), 2);

    // Escaped characters in strings are decoded.
    const std::string escaped =
        "<row r=\"1\"><c t=\"s\"><v>4</v></c></row><row r=\"2\"><c><v>1</v></c></row>";
    const Dataset e = read(workbook(escaped, strings), info);
    EXPECT_EQ(e.name(1), "a\rb_x0041_c_xZZZZ_");
}

TEST_F(XlsxTest, PlainLayoutAndCellsWithoutReferences) {
    const std::string sheet =
        "<row><c t=\"inlineStr\"><is><t>温度</t></is></c><c t=\"inlineStr\"><is><t>圧力</t></is></c></row>"
        "<row><c><v>20.5</v></c><c><v>-1</v></c></row>"
        "<row><c r=\"B3\"><v>3</v></c></row>";
    zel::XlsxReadInfo info;
    const Dataset ds = read(workbook(sheet), info);
    EXPECT_EQ(info.layout, SheetLayout::Plain);
    ASSERT_EQ(ds.sampleCount(), 2);
    EXPECT_EQ(ds.name(2), "圧力");
    EXPECT_EQ(ds.label(1), "");
    EXPECT_EQ(ds.mask(2), 0);
    EXPECT_EQ(ds.value(1, 1), 20.5);
    EXPECT_EQ(ds.value(2, 1), 0);
    EXPECT_EQ(ds.value(2, 2), 3);
}

// ---- refused input ----------------------------------------------------------

TEST_F(XlsxTest, NotAZipAndAZipThatIsNoWorkbookAreRefused) {
    EXPECT_EQ(refusal("データラベル,マスク,a\r\nL,0,1\r\n"),
              "XLSX のブックではありません（ZIP ファイルとして読めません）。");
    EXPECT_EQ(refusal(""), "XLSX のブックではありません（ZIP ファイルとして読めません）。");
    EXPECT_EQ(refusal(zipOf({{"readme.txt", "hello"}})),
              "ZIP ファイルですが、XLSX のブックではありません（「_rels/.rels」がありません）。");
    // A workbook cut short: the zip's directory is gone.
    const std::string whole = written(japanese());
    EXPECT_NE(refusal(whole.substr(0, whole.size() / 2)).find("ZIP ファイルとして読めません"),
              std::string::npos);
    // A sheet that is not XML.
    Parts parts = unzip(whole);
    parts["xl/worksheets/sheet1.xml"] = "<worksheet><sheetData><row r=\"1\"></sheetData>";
    EXPECT_NE(refusal(zipOf(parts)).find("「xl/worksheets/sheet1.xml」の 1 行目の XML が正しくありません"),
              std::string::npos);
    parts.erase("xl/worksheets/sheet1.xml");
    EXPECT_NE(refusal(zipOf(parts)).find("「xl/worksheets/sheet1.xml」がありません"), std::string::npos);
}

TEST_F(XlsxTest, TextInANumberCellAndOtherBadCellsAreRefusedWithTheirPlace) {
    const std::string head = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>データラベル</t></is></c>"
                             "<c r=\"B1\" t=\"inlineStr\"><is><t>マスク</t></is></c>"
                             "<c r=\"C1\" t=\"inlineStr\"><is><t>a</t></is></c></row>";
    EXPECT_EQ(refusal(workbook(head + "<row r=\"2\"><c r=\"B2\"><v>0</v></c><c r=\"C2\" "
                                      "t=\"inlineStr\"><is><t>abc</t></is></c></row>")),
              "XLSX の 2 行目 3 列目が数値ではありません: abc");
    EXPECT_EQ(
        refusal(workbook(
            head + "<row r=\"2\"><c r=\"B2\"><v>0</v></c><c r=\"C2\" t=\"e\"><v>#DIV/0!</v></c></row>")),
        "XLSX の 2 行目 3 列目が数値ではありません: #DIV/0!");
    EXPECT_EQ(refusal(workbook(head + "<row r=\"2\"><c r=\"B2\"><v>2</v></c></row>")),
              "XLSX の 2 行目 2 列目のマスクが 0 でも 1 でもありません。");
    EXPECT_EQ(refusal(workbook(head + "<row r=\"2\"><c r=\"C2\"><v>2</v></c></row>")),
              "XLSX の 2 行目 2 列目のマスクが 0 でも 1 でもありません。");
    EXPECT_EQ(refusal(workbook(head + "<row r=\"2\"><c r=\"B2\"><v>0</v></c><c r=\"E2\"><v>1</v></c></row>")),
              "XLSX の 2 行目 5 列目は見出し行の列（3 列）より右にあります。");
    EXPECT_EQ(
        refusal(workbook(
            head + "<row r=\"2\"><c r=\"B2\"><v>0</v></c></row><row r=\"4\"><c r=\"B4\"><v>0</v></c></row>")),
        "XLSX の 3 行目が空行です。データ行の間に空行は置けません。");
    EXPECT_EQ(
        refusal(workbook(head + "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>5</v></c></row>", "<si><t>x</t></si>")),
        "XLSX の 2 行目 1 列目の共有文字列の番号 5 がありません。");
    EXPECT_NE(refusal(workbook(head + "<row r=\"1\"/>")).find("1 行目が順序どおりに並んでいません"),
              std::string::npos);
    EXPECT_NE(refusal(workbook(head + "<row r=\"2\"><c r=\"B2\"><v>0</v></c><c r=\"A2\"/></row>"))
                  .find("順序どおり"),
              std::string::npos);
    EXPECT_NE(
        refusal(workbook(head + "<row r=\"2\"><c r=\"2B\"/></row>")).find("セル番地 2B が正しくありません"),
        std::string::npos);
    EXPECT_EQ(refusal(workbook("")), "XLSX のシートが空です。");
    EXPECT_EQ(refusal(workbook(head)), "XLSX にデータ行がありません。");
}

TEST_F(XlsxTest, TooManyRowsOrVariablesAreRefused) {
    std::string sheet = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>x</t></is></c></row>";
    for (int r = 2; r <= Dataset::kMaxCount + 2; ++r)
        sheet += "<row r=\"" + std::to_string(r) + "\"><c><v>1</v></c></row>";
    EXPECT_EQ(refusal(workbook(sheet)),
              "XLSX のデータ行が多すぎます（32767 行まで）。32769 行目は読み込めません。");

    std::string wide = "<row r=\"1\">";
    for (int c = 1; c <= zel::kMaxSheetVariables + 1; ++c)
        wide += "<c t=\"inlineStr\"><is><t>v</t></is></c>";
    wide += "</row><row r=\"2\"><c><v>1</v></c></row>";
    EXPECT_EQ(refusal(workbook(wide)), "XLSX の変数が多すぎます（100 まで）。");
}

TEST_F(XlsxTest, WriterRefusesValuesAWorkbookCannotHold) {
    Dataset ds = japanese();
    ds.setValue(2, 2, std::numeric_limits<double>::infinity());
    const zel::Status s = zel::writeXlsx(ds, path("bad.xlsx"));
    EXPECT_EQ(s.message(), "サンプル 2、変数 2 の値が有限の数値ではありません。");
    EXPECT_FALSE(fs::exists(path("bad.xlsx")));
}

// ---- --convert with workbooks -----------------------------------------------

TEST_F(XlsxTest, ConvertTakesWorkbooksBothWaysAndRefusesBadOnesWritingNothing) {
    ASSERT_TRUE(zel::writeDataset(japanese(), path("a")).isOk());
    std::ostringstream err;
    ASSERT_EQ(zel::runConvert(path("a.QCS"), path("a.xlsx"), err, &zel::xlsxToDataset), 0) << err.str();
    ASSERT_EQ(zel::runConvert(path("a.xlsx"), path("b.QCN"), err, &zel::xlsxToDataset), 0) << err.str();
    EXPECT_EQ(fixtures::readBytes(path("b.QCN")), fixtures::readBytes(path("a.QCN")));
    EXPECT_EQ(fixtures::readBytes(path("b.QCS")), fixtures::readBytes(path("a.QCS")));

    fixtures::writeBytes(path("bad.xlsx"), "not a workbook");
    std::ostringstream bad;
    EXPECT_EQ(zel::runConvert(path("bad.xlsx"), path("c.QCS"), bad, &zel::xlsxToDataset), 2);
    EXPECT_NE(bad.str().find("bad.xlsx: XLSX のブックではありません"), std::string::npos) << bad.str();
    EXPECT_FALSE(fs::exists(path("c.QCS")));
    EXPECT_FALSE(fs::exists(path("c.QCN")));
    // Without a workbook reader the program says so.
    std::ostringstream none;
    EXPECT_EQ(zel::runConvert(path("a.xlsx"), path("d.QCS"), none), 2);
    EXPECT_NE(none.str().find("XLSX ファイルを読めません"), std::string::npos);
}

// ---- the sheet's parser -----------------------------------------------------

namespace {

// A labelled sheet with Japanese texts, escapes, phonetic runs and numbers, one
// row a line; row 1 is the header.
std::string measuredRows(int samples) {
    std::string rows = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>データラベル</t></is></c>"
                       "<c r=\"B1\" t=\"inlineStr\"><is><t>マスク</t></is></c>"
                       "<c r=\"C1\" t=\"s\"><v>0</v></c>"
                       "<c r=\"D1\" t=\"inlineStr\"><is><r><t>重</t></r><r><t>量_x000D_</t></r>"
                       "<rPh sb=\"0\" eb=\"1\"><t>じゅうりょう</t></rPh></is></c></row>\n";
    for (int i = 1; i <= samples; ++i) {
        const std::string r = std::to_string(i + 1);
        rows += "<row r=\"" + r + "\"><c r=\"A" + r + "\" t=\"inlineStr\"><is><t>試料ロット" +
                std::to_string(i) + "</t></is></c><c r=\"B" + r + "\"><v>" + std::to_string(i % 2) +
                "</v></c><c r=\"C" + r + "\"><v>" + std::to_string(i) + ".125</v></c><c r=\"D" + r +
                "\"><v>-1234567.5E-3</v></c></row>\n";
    }
    return rows;
}

const std::string kStrings = "<si><t>長さ</t><rPh><t>ながさ</t></rPh></si>";

void expectMeasured(const Dataset& ds, int samples) {
    ASSERT_EQ(ds.sampleCount(), samples);
    ASSERT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(1), "長さ");
    EXPECT_EQ(ds.name(2), "重量\r");
    for (int i = 1; i <= samples; ++i) {
        EXPECT_EQ(ds.label(i), "試料ロット" + std::to_string(i));
        EXPECT_EQ(ds.mask(i), i % 2);
        EXPECT_EQ(ds.value(i, 1), i + 0.125);
        EXPECT_EQ(ds.value(i, 2), -1234.5675);
    }
}

} // namespace

TEST_F(XlsxTest, SheetsWithANamespacePrefixReadAsWithout) {
    // The same sheet as some writers put it: every element with the prefix x.
    std::string rows = measuredRows(3);
    for (const char* name : {"row", "c", "v", "is", "r", "t", "rPh"}) {
        const std::string n = name;
        for (const std::string& from : {"<" + n + " ", "<" + n + ">", "</" + n + ">"}) {
            const std::string to =
                from.substr(0, from[1] == '/' ? 2 : 1) + "x:" + from.substr(from[1] == '/' ? 2 : 1);
            for (std::size_t at = rows.find(from); at != std::string::npos;
                 at = rows.find(from, at + to.size()))
                rows.replace(at, from.size(), to);
        }
    }
    for (std::size_t at = rows.find('<'); at != std::string::npos; at = rows.find('<', at + 1))
        ASSERT_TRUE(rows.compare(at, 3, "<x:") == 0 || rows.compare(at, 4, "</x:") == 0)
            << rows.substr(at, 9);
    const std::string sheet =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<x:worksheet xmlns:x=\"" + kMain +
        "\"><x:sheetData>" + rows + "</x:sheetData></x:worksheet>";
    zel::XlsxReadInfo info;
    expectMeasured(read(workbookWithSheet(sheet, kStrings), info), 3);
    EXPECT_EQ(info.rowNumbers, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(XlsxTest, TheSheetReadsTheSameInPiecesOfAnySize) {
    // Pieces of a few bytes end inside names, numbers and Japanese characters.
    const std::string bytes = workbook(measuredRows(40), kStrings);
    for (const std::size_t chunk : {1, 2, 3, 5, 7, 16, 100, 4096}) {
        SCOPED_TRACE(chunk);
        zel::XlsxReadInfo info;
        zel::XlsxReadLimits limits;
        limits.chunkBytes = chunk;
        expectMeasured(read(bytes, info, limits), 40);
        EXPECT_EQ(info.rowNumbers.back(), 41);
    }
}

TEST_F(XlsxTest, MalformedXmlOrABadCellFarIntoTheSheetIsRefusedWithItsLine) {
    std::string rows = measuredRows(3000);
    zel::XlsxReadLimits limits;
    limits.chunkBytes = 4096;
    ASSERT_GT(rows.size(), 40 * limits.chunkBytes);
    // Line 1 holds the root and the header row; sample i's row is line i + 1.
    std::string broken = rows;
    const std::size_t row2500 = broken.find("<row r=\"2501\"");
    broken.replace(broken.find("</c>", row2500), 4, "</d>");
    EXPECT_EQ(
        refusal(workbook(broken, kStrings), limits),
        "ZIP ファイルですが、XLSX のブックではありません（「xl/worksheets/first.xml」の 2501 行目の XML "
        "が正しくありません: mismatched tag）。");
    // The first fault found is the one told, the rest of the sheet left unread.
    broken.replace(broken.find("<v>1.125</v>"), 12, "<v>1.1.25</v>");
    EXPECT_EQ(refusal(workbook(broken, kStrings), limits),
              "XLSX の 2 行目 3 列目が数値ではありません: 1.1.25");
    broken = rows;
    broken.replace(broken.find("<row r=\"1000\""), 13, "<row r=\"x\"");
    EXPECT_EQ(refusal(workbook(broken, kStrings), limits),
              "ZIP ファイルですが、XLSX のブックではありません（「xl/worksheets/first.xml」の行番号 x "
              "が正しくありません）。");
}

TEST_F(XlsxTest, DocumentTypesWithTheirEntitiesAreRefusedAndNothingIsLoaded) {
    const std::string refused =
        "ZIP ファイルですが、XLSX のブックではありません（「xl/worksheets/first.xml」の 2 "
        "行目の XML が正しくありません: 文書型宣言（DOCTYPE）は使えません）。";
    const std::string rows =
        "<row><c t=\"inlineStr\"><is><t>x</t></is></c></row><row><c><v>&e;</v></c></row>";
    const auto sheet = [&rows](const std::string& entities) {
        return "<?xml version=\"1.0\"?>\n<!DOCTYPE worksheet [" + entities + "]>\n<worksheet xmlns=\"" +
               kMain + "\"><sheetData>" + rows + "</sheetData></worksheet>";
    };
    // Entities that expand into a thousand million characters.
    std::string bomb = "<!ENTITY e0 \"1234567890\">";
    for (int level = 1; level <= 9; ++level) {
        bomb += "<!ENTITY e" + std::to_string(level) + " \"";
        for (int k = 0; k < 10; ++k)
            bomb += "&e" + std::to_string(level - 1) + ";";
        bomb += "\">";
    }
    bomb += "<!ENTITY e \"&e9;\">";
    EXPECT_EQ(refusal(workbookWithSheet(sheet(bomb))), refused);

    // An entity naming a file of this computer: the file is not read.
    fixtures::writeBytes(path("secret.txt"), "4242");
    const std::string external = "<!ENTITY e SYSTEM \"file://" + path("secret.txt") + "\">";
    EXPECT_EQ(refusal(workbookWithSheet(sheet(external))), refused);
    EXPECT_EQ(refusal(workbookWithSheet(sheet("<!ENTITY e \"5\">"))), refused);
}

TEST_F(XlsxTest, APartLargerThanTheLimitIsRefused) {
    const std::string rows = measuredRows(200);
    const std::string sheet =
        "<worksheet xmlns=\"" + kMain + "\"><sheetData>" + rows + "</sheetData></worksheet>";
    const std::string bytes = workbookWithSheet(sheet, kStrings);
    zel::XlsxReadLimits limits;
    limits.chunkBytes = 1000;
    limits.maxPartBytes = static_cast<std::int64_t>(sheet.size());
    zel::XlsxReadInfo info;
    expectMeasured(read(bytes, info, limits), 200);
    limits.maxPartBytes -= 1;
    EXPECT_EQ(
        refusal(bytes, limits),
        "ZIP ファイルですが、XLSX のブックではありません（「xl/worksheets/first.xml」が大きすぎます）。");
}
