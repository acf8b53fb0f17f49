// The workbook reader: QuaZip opens the package in memory; Qt's XML stream reader
// walks its small parts (the package relationships to the workbook, the workbook
// to its first sheet, the shared strings), and expat the sheet, which carries the
// bulk: the sheet is inflated a piece at a time and each piece parsed as it
// comes, each row going to the sheet builder as it is read.
#include "dataset/XlsxReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <expat.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <system_error>
#include <utility>

namespace zel {

namespace {

constexpr int kMaxSheetColumns = 16384; // column XFD
constexpr int kMaxSheetRows = 1048576;
constexpr std::size_t kMaxChunkBytes = std::size_t(1) << 26; // a piece's length must fit expat's int

const QString kNotWorkbook = QStringLiteral("ZIP ファイルですが、XLSX のブックではありません");

Status notWorkbook(const QString& why) {
    return Status::corruptInput(
        (kNotWorkbook + QStringLiteral("（") + why + QStringLiteral("）。")).toStdString());
}

Status xmlProblem(const QString& part, qulonglong line, const QString& why) {
    return notWorkbook(
        QStringLiteral("「%1」の %2 行目の XML が正しくありません: %3").arg(part).arg(line).arg(why));
}

Status xmlError(const QString& part, const QXmlStreamReader& xml) {
    return xmlProblem(part, static_cast<qulonglong>(xml.lineNumber()), xml.errorString());
}

// Inflates one part a piece of limits.chunkBytes at a time and hands each piece
// to consume (std::string_view -> Status). found is false when the package has
// no such part.
template <class Consume>
Status streamPart(QuaZip& zip, const QString& name, const XlsxReadLimits& limits, bool& found,
                  Consume&& consume) {
    found = zip.setCurrentFile(name, QuaZip::csInsensitive);
    if (!found) return Status::ok();
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly)) return notWorkbook(QStringLiteral("「%1」を開けません").arg(name));
    std::vector<char> piece(std::clamp<std::size_t>(limits.chunkBytes, 1, kMaxChunkBytes));
    std::int64_t total = 0;
    for (;;) {
        const qint64 got = file.read(piece.data(), static_cast<qint64>(piece.size()));
        if (got < 0) return notWorkbook(QStringLiteral("「%1」を展開できません").arg(name));
        if (got == 0) break;
        total += got;
        if (total > limits.maxPartBytes) return notWorkbook(QStringLiteral("「%1」が大きすぎます").arg(name));
        if (Status s = consume(std::string_view(piece.data(), static_cast<std::size_t>(got))); !s) return s;
    }
    file.close();
    if (file.getZipError() != UNZ_OK) return notWorkbook(QStringLiteral("「%1」が壊れています").arg(name));
    return Status::ok();
}

// Reads one small part whole.
Status readPart(QuaZip& zip, const QString& name, const XlsxReadLimits& limits, QByteArray& out,
                bool& found) {
    out.clear();
    return streamPart(zip, name, limits, found, [&out](std::string_view piece) {
        out.append(piece.data(), static_cast<qsizetype>(piece.size()));
        return Status::ok();
    });
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
            rels.push_back({a.value(QLatin1StringView("Id")).toString(),
                            a.value(QLatin1StringView("Type")).toString(),
                            a.value(QLatin1StringView("Target")).toString()});
        }
    }
    if (xml.hasError()) return xmlError(part, xml);
    return Status::ok();
}

// The folder of a part name ("xl/workbook.xml" -> "xl/").
QString folderOf(const QString& part) {
    return part.left(part.lastIndexOf(u'/') + 1);
}

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

// Whitespace around a number as QString::toInt ignores it.
std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    const std::size_t from = text.find_first_not_of(kSpace);
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(kSpace) - from + 1);
}

// A whole number with an optional '+' and whitespace around it.
template <class T> bool parseWhole(std::string_view text, T& value) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
}

// "AB12" -> column 28, row 12. False on anything else or beyond the sheet's size.
bool parseCellReference(std::string_view ref, int& column, int& row) {
    std::size_t p = 0;
    column = 0;
    while (p < ref.size() && ref[p] >= 'A' && ref[p] <= 'Z' && p < 3)
        column = column * 26 + (ref[p++] - 'A' + 1);
    if (p == 0 || column > kMaxSheetColumns) return false;
    row = 0;
    const std::size_t digitsFrom = p;
    while (p < ref.size() && ref[p] >= '0' && ref[p] <= '9' && p - digitsFrom < 8)
        row = row * 10 + (ref[p++] - '0');
    return p == ref.size() && p > digitsFrom && row >= 1 && row <= kMaxSheetRows;
}

bool parseRowNumber(std::string_view text, int& row) {
    return parseWhole(text, row) && row >= 1 && row <= kMaxSheetRows;
}

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The namespace-aware parser names an element "namespace|local", or "local"
// when it has no namespace; elements are matched on their local names, so that
// a sheet written with a prefix (<x:row>) reads as one without.
constexpr XML_Char kNamespaceSeparator = '|';

std::string_view localName(const XML_Char* name) {
    const char* separator = std::strrchr(name, kNamespaceSeparator);
    return separator ? std::string_view(separator + 1) : std::string_view(name);
}

// The value of the attribute without namespace called name; empty when absent.
std::string_view attribute(const XML_Char** attributes, std::string_view name) {
    for (; *attributes; attributes += 2)
        if (name == attributes[0]) return attributes[1];
    return {};
}

struct SheetCell {
    int column;
    std::string text;
};

// Parses the sheet with expat as its pieces arrive and hands each row to the
// builder: the first row with any text is the header; empty rows after the last
// data row are ignored, an empty (or missing) row between data rows is an error.
// The first error stops the parser and is what the read returns.
class SheetReader {
  public:
    SheetReader(const QString& part, const std::vector<std::string>& strings, SheetBuilder& builder)
        : m_parser(XML_ParserCreateNS(nullptr, kNamespaceSeparator)), m_part(part), m_strings(strings),
          m_builder(builder) {
        if (!m_parser) return;
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(
            m_parser,
            [](void* self, const XML_Char* name, const XML_Char** attributes) {
                static_cast<SheetReader*>(self)->start(name, attributes);
            },
            [](void* self, const XML_Char* name) { static_cast<SheetReader*>(self)->end(name); });
        XML_SetCharacterDataHandler(m_parser, [](void* self, const XML_Char* text, int length) {
            static_cast<SheetReader*>(self)->characters(text, length);
        });
        // A sheet has no document type; refusing one refuses its entities with it,
        // internal (expansion without end) and external (files of this computer).
        XML_SetStartDoctypeDeclHandler(
            m_parser, [](void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
                auto* reader = static_cast<SheetReader*>(self);
                reader->stopOn(xmlProblem(reader->m_part, XML_GetCurrentLineNumber(reader->m_parser),
                                          QStringLiteral("文書型宣言（DOCTYPE）は使えません")));
            });
    }
    ~SheetReader() {
        if (m_parser) XML_ParserFree(m_parser);
    }
    SheetReader(const SheetReader&) = delete;
    SheetReader& operator=(const SheetReader&) = delete;

    // The next piece of the sheet; an empty last piece ends it.
    Status parse(std::string_view piece, bool last) {
        if (!m_parser) return notWorkbook(QStringLiteral("「%1」を読むメモリがありません").arg(m_part));
        if (XML_Parse(m_parser, piece.data(), static_cast<int>(piece.size()), last) == XML_STATUS_OK)
            return Status::ok();
        if (!m_status) return m_status;
        return xmlProblem(m_part, XML_GetCurrentLineNumber(m_parser),
                          QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(m_parser))));
    }

    // Ends the sheet after its last piece.
    Status finish() {
        if (Status s = parse({}, true); !s) return s;
        if (!m_headerRead) return Status::corruptInput("XLSX のシートが空です。");
        return Status::ok();
    }

  private:
    void stopOn(Status s) {
        if (s || !m_status) return;
        m_status = std::move(s);
        XML_StopParser(m_parser, XML_FALSE);
    }

    void start(const XML_Char* name, const XML_Char** attributes) {
        ++m_depth;
        if (!m_status) return; // the parser may call once more after being stopped
        const std::string_view local = localName(name);
        if (m_rowDepth == 0) {
            if (local == "row") stopOn(startRow(attribute(attributes, "r")));
        } else if (m_cellDepth == 0) {
            if (local == "c") stopOn(startCell(attribute(attributes, "r"), attribute(attributes, "t")));
        } else if (m_depth == m_cellDepth + 1) {
            // A number, a boolean or an error is its <v>; an inline string its <is>.
            if (local == "v" && !m_inlineString) {
                m_valueDepth = m_depth;
            } else if (local == "is" && m_inlineString) {
                m_itemDepth = m_depth;
                cellText().clear();
            }
        } else if (m_itemDepth != 0 && m_depth > m_itemDepth) {
            // The item's text is that of its <t> elements, phonetic runs (<rPh>,
            // the reading of Japanese text) left out.
            if (local == "rPh")
                ++m_phonetic;
            else if (local == "t" && m_phonetic == 0 && m_textDepth == 0)
                m_textDepth = m_depth;
        }
    }

    void end(const XML_Char* name) {
        const int depth = m_depth--;
        if (!m_status) return;
        if (depth == m_textDepth) {
            m_textDepth = 0;
        } else if (m_itemDepth != 0 && depth > m_itemDepth) {
            if (localName(name) == "rPh") --m_phonetic;
        } else if (depth == m_itemDepth) {
            m_itemDepth = 0;
            m_phonetic = 0;
            std::string& text = cellText();
            if (text.find("_x") != std::string::npos) text = unescapeText(qtext(text)).toStdString();
        } else if (depth == m_valueDepth) {
            m_valueDepth = 0;
        } else if (depth == m_cellDepth) {
            m_cellDepth = 0;
            stopOn(endCell());
        } else if (depth == m_rowDepth) {
            m_rowDepth = 0;
            m_lastRow = m_row;
            stopOn(takeRow(m_row));
        }
    }

    // Text comes in pieces of any length, also split inside a character.
    void characters(const XML_Char* text, int length) {
        if (m_valueDepth != 0 || m_textDepth != 0) cellText().append(text, static_cast<std::size_t>(length));
    }

    std::string& cellText() { return m_cells[m_count].text; }

    Status startRow(std::string_view r) {
        int row = m_lastRow + 1;
        if (!r.empty() && !parseRowNumber(r, row))
            return notWorkbook(QStringLiteral("「%1」の行番号 %2 が正しくありません").arg(m_part, qtext(r)));
        if (row <= m_lastRow)
            return notWorkbook(
                QStringLiteral("「%1」の %2 行目が順序どおりに並んでいません").arg(m_part).arg(row));
        m_row = row;
        m_rowDepth = m_depth;
        m_count = 0;
        m_lastColumn = 0;
        return Status::ok();
    }

    Status startCell(std::string_view ref, std::string_view type) {
        int column = m_lastColumn + 1;
        int cellRow = m_row;
        if (!ref.empty() && !parseCellReference(ref, column, cellRow))
            return notWorkbook(
                QStringLiteral("「%1」のセル番地 %2 が正しくありません").arg(m_part, qtext(ref)));
        if (cellRow != m_row || column <= m_lastColumn || column > kMaxSheetColumns)
            return notWorkbook(QStringLiteral("「%1」のセル %2 が %3 行目の中で順序どおりに並んでいません")
                                   .arg(m_part, qtext(ref))
                                   .arg(m_row));
        m_lastColumn = column;
        if (m_count == m_cells.size()) m_cells.push_back({});
        SheetCell& cell = m_cells[m_count];
        cell.column = column;
        cell.text.clear();
        m_cellDepth = m_depth;
        m_inlineString = type == "inlineStr";
        m_sharedString = type == "s";
        return Status::ok();
    }

    // A shared string's number becomes its text; a cell with text takes its slot,
    // the slot of an empty one is used again.
    Status endCell() {
        SheetCell& cell = m_cells[m_count];
        if (m_sharedString) {
            unsigned long long index = 0;
            if (!parseWhole(cell.text, index) || index >= m_strings.size())
                return Status::corruptInput(m_builder.place(m_row, cell.column) + "の共有文字列の番号 " +
                                            cell.text + " がありません。");
            cell.text = m_strings[static_cast<std::size_t>(index)];
        }
        if (!cell.text.empty()) ++m_count;
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

    XML_Parser m_parser;
    QString m_part;
    const std::vector<std::string>& m_strings;
    SheetBuilder& m_builder;
    Status m_status;                // the first error, which stopped the parser
    std::vector<SheetCell> m_cells; // the row's cells with text: the first m_count, then the open one
    std::size_t m_count = 0;
    int m_depth = 0; // of the open element; the open row's, cell's, ... below (0: none)
    int m_rowDepth = 0;
    int m_cellDepth = 0;
    int m_valueDepth = 0;
    int m_itemDepth = 0;
    int m_textDepth = 0;
    int m_phonetic = 0; // open phonetic runs in the inline string
    bool m_inlineString = false;
    bool m_sharedString = false;
    int m_row = 0;
    int m_lastColumn = 0;
    int m_lastRow = 0;
    int m_lastTextRow = 0;
    bool m_headerRead = false;
};

constexpr QStringView kOfficeDocument = u"/officeDocument";
constexpr QStringView kWorksheet = u"/worksheet";
constexpr QStringView kSharedStrings = u"/sharedStrings";

} // namespace

Status xlsxToDataset(std::string_view bytes, Dataset& ds, std::optional<SheetLayout> layout,
                     XlsxReadInfo& info, const XlsxReadLimits& limits) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return Status::corruptInput("XLSX のブックではありません（ZIP ファイルとして読めません）。");

    QByteArray part;
    bool found = false;
    std::vector<Relationship> rels;
    const QString packageRels = QStringLiteral("_rels/.rels");
    if (Status s = readPart(zip, packageRels, limits, part, found); !s) return s;
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
    if (Status s = readPart(zip, workbookPart, limits, part, found); !s) return s;
    if (!found) return notWorkbook(QStringLiteral("「%1」がありません").arg(workbookPart));
    QString sheetId;
    {
        QXmlStreamReader xml(part);
        while (!xml.atEnd() && sheetId.isEmpty()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet") continue;
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                if (a.name() == u"id" && !a.namespaceUri().isEmpty()) sheetId = a.value().toString();
                if (a.name() == u"name" && a.namespaceUri().isEmpty())
                    info.sheetName = a.value().toString().toStdString();
            }
        }
        if (xml.hasError()) return xmlError(workbookPart, xml);
    }
    if (sheetId.isEmpty()) return notWorkbook(QStringLiteral("「%1」にシートがありません").arg(workbookPart));

    const QString folder = folderOf(workbookPart);
    const QString workbookRels =
        folder + QStringLiteral("_rels/") + workbookPart.mid(folder.size()) + QStringLiteral(".rels");
    if (Status s = readPart(zip, workbookRels, limits, part, found); !s) return s;
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
        if (Status s = readPart(zip, stringsPart, limits, part, found); !s) return s;
        if (found) {
            if (Status s = readSharedStrings(part, stringsPart, strings); !s) return s;
        }
    }

    part.clear();
    SheetBuilder builder("XLSX", layout, kMaxSheetVariables);
    SheetReader reader(sheetPart, strings, builder);
    if (Status s = streamPart(zip, sheetPart, limits, found,
                              [&reader](std::string_view piece) { return reader.parse(piece, false); });
        !s)
        return s;
    if (!found) return notWorkbook(QStringLiteral("「%1」がありません").arg(sheetPart));
    if (Status s = reader.finish(); !s) return s;
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
