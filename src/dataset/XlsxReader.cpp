// The workbook reader: QuaZip opens the package in memory, Qt's XML stream reader
// walks its parts (the package relationships to the workbook, the workbook to its
// first sheet, the shared strings, the sheet), and each row of the sheet goes to
// the sheet builder as it is read.
#include "dataset/XlsxReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <utility>

namespace zel {

namespace {

// A part larger than this is refused (the sheet of the largest dataset is well
// under it), so that a small package cannot unpack into unbounded memory.
constexpr qint64 kMaxPartBytes = qint64(1) << 30;
constexpr int kMaxSheetColumns = 16384; // column XFD
constexpr int kMaxSheetRows = 1048576;

const QString kNotWorkbook = QStringLiteral("ZIP ファイルですが、XLSX のブックではありません");

Status notWorkbook(const QString& why) { return Status::corruptInput((kNotWorkbook + QStringLiteral("（") + why + QStringLiteral("）。")).toStdString()); }

// Reads one part of the package. found is false when the package has no such part.
Status readPart(QuaZip& zip, const QString& name, QByteArray& out, bool& found) {
    out.clear();
    found = zip.setCurrentFile(name, QuaZip::csInsensitive);
    if (!found) return Status::ok();
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return notWorkbook(QStringLiteral("「%1」を開けません").arg(name));
    char buf[65536];
    for (;;) {
        const qint64 got = file.read(buf, sizeof buf);
        if (got < 0) return notWorkbook(QStringLiteral("「%1」を展開できません").arg(name));
        if (got == 0) break;
        if (out.size() + got > kMaxPartBytes) return notWorkbook(QStringLiteral("「%1」が大きすぎます").arg(name));
        out.append(buf, static_cast<qsizetype>(got));
    }
    file.close();
    if (file.getZipError() != UNZ_OK) return notWorkbook(QStringLiteral("「%1」が壊れています").arg(name));
    return Status::ok();
}

Status xmlError(const QString& part, const QXmlStreamReader& xml) {
    return notWorkbook(QStringLiteral("「%1」の %2 行目の XML が正しくありません: %3")
                           .arg(part)
                           .arg(xml.lineNumber())
                           .arg(xml.errorString()));
}

struct Relationship {
    QString id;
    QString type;
    QString target;
};

Status readRelationships(const QByteArray& bytes, const QString& part, std::vector<Relationship>& rels) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship") {
            const QXmlStreamAttributes a = xml.attributes();
            rels.push_back({a.value(QLatin1StringView("Id")).toString(), a.value(QLatin1StringView("Type")).toString(), a.value(QLatin1StringView("Target")).toString()});
        }
    }
    if (xml.hasError()) return xmlError(part, xml);
    return Status::ok();
}

// The folder of a part name ("xl/workbook.xml" -> "xl/").
QString folderOf(const QString& part) { return part.left(part.lastIndexOf(u'/') + 1); }

// A relationship's target as a part name: absolute targets start at the package
// root, others at the folder of the part that names them; "." and ".." resolved.
QString resolveTarget(const QString& folder, const QString& target) {
    const QString joined = target.startsWith(u'/') ? target.mid(1) : folder + target;
    QStringList parts;
    for (const QString& seg : joined.split(u'/', Qt::SkipEmptyParts)) {
        if (seg == u"..") {
            if (!parts.isEmpty()) parts.removeLast();
        } else if (seg != u".") {
            parts.append(seg);
        }
    }
    return parts.join(u'/');
}

// Text with the escapes of characters XML cannot hold ("_x000D_" for CR, "_x0001_"
// for U+0001; "_x005F_" for the underscore that starts such a text) decoded.
QString unescapeText(const QString& text) {
    if (!text.contains(u"_x")) return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            bool ok = false;
            const ushort code = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 7;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

// The text of the <t> elements inside the current element (a shared string item
// or an inline string), leaving out phonetic runs (<rPh>), which hold the reading
// of Japanese text and are not part of the cell's text.
QString itemText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    int phonetic = 0;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == u"rPh") {
                ++phonetic;
            } else if (xml.name() == u"t" && phonetic == 0) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (xml.name() == u"rPh") --phonetic;
            break;
        default:
            break;
        }
    }
    return unescapeText(text);
}

Status readSharedStrings(const QByteArray& bytes, const QString& part, std::vector<std::string>& strings) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings.push_back(itemText(xml).toStdString());
    }
    if (xml.hasError()) return xmlError(part, xml);
    return Status::ok();
}

// "AB12" -> column 28, row 12. False on anything else or beyond the sheet's size.
bool parseCellReference(QStringView ref, int& column, int& row) {
    qsizetype p = 0;
    column = 0;
    while (p < ref.size() && ref[p] >= u'A' && ref[p] <= u'Z' && p < 3)
        column = column * 26 + (ref[p++].unicode() - u'A' + 1);
    if (p == 0 || column > kMaxSheetColumns) return false;
    row = 0;
    const qsizetype digitsFrom = p;
    while (p < ref.size() && ref[p] >= u'0' && ref[p] <= u'9' && p - digitsFrom < 8)
        row = row * 10 + (ref[p++].unicode() - u'0');
    return p == ref.size() && p > digitsFrom && row >= 1 && row <= kMaxSheetRows;
}

bool parseRowNumber(QStringView text, int& row) {
    bool ok = false;
    row = text.toInt(&ok);
    return ok && row >= 1 && row <= kMaxSheetRows;
}

struct SheetCell {
    int column;
    std::string text;
};

// Appends UTF-16 text as UTF-8, the common all-ASCII text of numbers directly.
void appendUtf8(std::string& out, QStringView text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            out += text.toUtf8().toStdString();
            return;
        }
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<char>(text[i].unicode());
}

// Walks the sheet's rows and hands them to the builder: the first row with any
// text is the header; empty rows after the last data row are ignored, an empty
// (or missing) row between data rows is an error.
class SheetReader {
  public:
    SheetReader(const QByteArray& bytes, const QString& part, const std::vector<std::string>& strings,
                SheetBuilder& builder)
        : m_xml(bytes), m_part(part), m_strings(strings), m_builder(builder) {}

    Status read() {
        while (!m_xml.atEnd()) {
            if (m_xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (m_xml.name() != u"row") continue;
            int row = m_lastRow + 1;
            const QXmlStreamAttributes attributes = m_xml.attributes();
            const QStringView r = attributes.value(QLatin1StringView("r"));
            if (!r.isEmpty() && !parseRowNumber(r, row))
                return notWorkbook(QStringLiteral("「%1」の行番号 %2 が正しくありません").arg(m_part, r));
            if (row <= m_lastRow)
                return notWorkbook(QStringLiteral("「%1」の %2 行目が順序どおりに並んでいません").arg(m_part).arg(row));
            if (Status s = readRow(row); !s) return s;
            m_lastRow = row;
            if (Status s = takeRow(row); !s) return s;
        }
        if (m_xml.hasError()) return xmlError(m_part, m_xml);
        if (!m_headerRead) return Status::corruptInput("XLSX のシートが空です。");
        return Status::ok();
    }

  private:
    Status readRow(int row) {
        m_count = 0;
        int lastColumn = 0;
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType t = m_xml.readNext();
            if (t == QXmlStreamReader::EndElement && m_xml.name() == u"row") break;
            if (t != QXmlStreamReader::StartElement || m_xml.name() != u"c") continue;
            const QXmlStreamAttributes a = m_xml.attributes();
            int column = lastColumn + 1;
            int cellRow = row;
            const QStringView ref = a.value(QLatin1StringView("r"));
            if (!ref.isEmpty() && !parseCellReference(ref, column, cellRow))
                return notWorkbook(QStringLiteral("「%1」のセル番地 %2 が正しくありません").arg(m_part, ref));
            if (cellRow != row || column <= lastColumn || column > kMaxSheetColumns)
                return notWorkbook(QStringLiteral("「%1」のセル %2 が %3 行目の中で順序どおりに並んでいません")
                                       .arg(m_part, ref)
                                       .arg(row));
            lastColumn = column;
            if (m_count == m_cells.size()) m_cells.push_back({});
            SheetCell& cell = m_cells[m_count];
            cell.column = column;
            if (Status s = readCell(a.value(QLatin1StringView("t")), row, column, cell.text); !s) return s;
            if (!cell.text.empty()) ++m_count; // the slot of an empty cell is used again
        }
        return Status::ok();
    }

    // The text of the current <c> element: a number, a boolean or an error as its
    // value text, a string as itself.
    // The text of the current <c> element: a number, a boolean or an error as its
    // value text, a string as itself.
    Status readCell(QStringView type, int row, int column, std::string& text) {
        text.clear();
        const bool inlineString = type == u"inlineStr";
        int depth = 1;
        bool inValue = false;
        while (depth > 0 && !m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (depth == 1 && m_xml.name() == u"v" && !inlineString) {
                    inValue = true;
                } else if (depth == 1 && m_xml.name() == u"is" && inlineString) {
                    text = itemText(m_xml).toStdString();
                    continue; // itemText read up to and including </is>
                }
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                inValue = false;
                break;
            case QXmlStreamReader::Characters:
                if (inValue) appendUtf8(text, m_xml.text());
                break;
            default:
                break;
            }
        }
        if (type == u"s") {
            const QString value = QString::fromStdString(text);
            bool ok = false;
            const qulonglong index = value.trimmed().toULongLong(&ok);
            if (!ok || index >= m_strings.size())
                return Status::corruptInput(m_builder.place(row, column) + "の共有文字列の番号 " + text +
                                            " がありません。");
            text = m_strings[static_cast<std::size_t>(index)];
        }
        return Status::ok();
    }

    Status takeRow(int row) {
        if (m_count == 0) return Status::ok(); // judged by the next row with text
        if (!m_headerRead) {
            std::vector<std::string> header(static_cast<std::size_t>(m_cells[m_count - 1].column));
            for (std::size_t i = 0; i < m_count; ++i)
                header[static_cast<std::size_t>(m_cells[i].column - 1)] = m_cells[i].text;
            m_headerRead = true;
            m_lastTextRow = row;
            return m_builder.setHeader(std::move(header), row);
        }
        if (row != m_lastTextRow + 1)
            return Status::corruptInput("XLSX の " + std::to_string(m_lastTextRow + 1) +
                                        " 行目が空行です。データ行の間に空行は置けません。");
        m_lastTextRow = row;
        if (Status s = m_builder.beginRow(row); !s) return s;
        for (std::size_t i = 0; i < m_count; ++i)
            if (Status s = m_builder.cell(m_cells[i].column, m_cells[i].text, row); !s) return s;
        return m_builder.endRow();
    }

    QXmlStreamReader m_xml;
    QString m_part;
    const std::vector<std::string>& m_strings;
    SheetBuilder& m_builder;
    std::vector<SheetCell> m_cells; // the row's cells with text: the first m_count
    std::size_t m_count = 0;
    int m_lastRow = 0;
    int m_lastTextRow = 0;
    bool m_headerRead = false;
};

constexpr QStringView kOfficeDocument = u"/officeDocument";
constexpr QStringView kWorksheet = u"/worksheet";
constexpr QStringView kSharedStrings = u"/sharedStrings";

} // namespace

Status xlsxToDataset(std::string_view bytes, Dataset& ds, std::optional<SheetLayout> layout,
                     XlsxReadInfo& info) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return Status::corruptInput("XLSX のブックではありません（ZIP ファイルとして読めません）。");

    QByteArray part;
    bool found = false;
    std::vector<Relationship> rels;
    const QString packageRels = QStringLiteral("_rels/.rels");
    if (Status s = readPart(zip, packageRels, part, found); !s) return s;
    if (!found) return notWorkbook(QStringLiteral("「%1」がありません").arg(packageRels));
    if (Status s = readRelationships(part, packageRels, rels); !s) return s;
    QString workbookPart;
    for (const Relationship& r : rels)
        if (r.type.endsWith(kOfficeDocument)) {
            workbookPart = resolveTarget(QString(), r.target);
            break;
        }
    if (workbookPart.isEmpty()) return notWorkbook(QStringLiteral("ブックを指す関係がありません"));

    // The workbook: its first sheet's name and relationship id.
    if (Status s = readPart(zip, workbookPart, part, found); !s) return s;
    if (!found) return notWorkbook(QStringLiteral("「%1」がありません").arg(workbookPart));
    QString sheetId;
    {
        QXmlStreamReader xml(part);
        while (!xml.atEnd() && sheetId.isEmpty()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet") continue;
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                if (a.name() == u"id" && !a.namespaceUri().isEmpty()) sheetId = a.value().toString();
                if (a.name() == u"name" && a.namespaceUri().isEmpty()) info.sheetName = a.value().toString().toStdString();
            }
        }
        if (xml.hasError()) return xmlError(workbookPart, xml);
    }
    if (sheetId.isEmpty()) return notWorkbook(QStringLiteral("「%1」にシートがありません").arg(workbookPart));

    const QString folder = folderOf(workbookPart);
    const QString workbookRels = folder + QStringLiteral("_rels/") + workbookPart.mid(folder.size()) + QStringLiteral(".rels");
    if (Status s = readPart(zip, workbookRels, part, found); !s) return s;
    if (!found) return notWorkbook(QStringLiteral("「%1」がありません").arg(workbookRels));
    rels.clear();
    if (Status s = readRelationships(part, workbookRels, rels); !s) return s;
    QString sheetPart;
    QString stringsPart;
    for (const Relationship& r : rels) {
        if (r.id == sheetId && r.type.endsWith(kWorksheet)) sheetPart = resolveTarget(folder, r.target);
        if (r.type.endsWith(kSharedStrings)) stringsPart = resolveTarget(folder, r.target);
    }
    if (sheetPart.isEmpty()) return notWorkbook(QStringLiteral("最初のシートがワークシートではありません"));

    std::vector<std::string> strings;
    if (!stringsPart.isEmpty()) {
        if (Status s = readPart(zip, stringsPart, part, found); !s) return s;
        if (found) {
            if (Status s = readSharedStrings(part, stringsPart, strings); !s) return s;
        }
    }

    if (Status s = readPart(zip, sheetPart, part, found); !s) return s;
    if (!found) return notWorkbook(QStringLiteral("「%1」がありません").arg(sheetPart));
    SheetBuilder builder("XLSX", layout, kMaxSheetVariables);
    SheetReader reader(part, sheetPart, strings, builder);
    if (Status s = reader.read(); !s) return s;
    if (Status s = builder.finish(ds, info.rowNumbers); !s) return s;
    info.layout = builder.layout();
    return Status::ok();
}

Status xlsxToDataset(std::string_view bytes, Dataset& ds, std::vector<int>& rowNumbers, SheetLayout& layout) {
    XlsxReadInfo info;
    if (Status s = xlsxToDataset(bytes, ds, std::nullopt, info); !s) return s;
    rowNumbers = std::move(info.rowNumbers);
    layout = info.layout;
    return Status::ok();
}

} // namespace zel
