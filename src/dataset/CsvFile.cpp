// Writing a dataset as CSV text and reading it back. The reader decodes the text,
// then works field by field over it, handing each row to the sheet builder, so a
// failure leaves the caller's dataset as it was.
#include "dataset/CsvFile.h"

#include "common/Cp932.h"
#include "common/NumberText.h"

#include <string>
#include <utility>

namespace zel {

namespace {

constexpr std::string_view kLabelHeading = "データラベル";
constexpr std::string_view kMaskHeading = "マスク";
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr char kComma = ',';
constexpr char kTab = '\t';

void appendField(std::string& out, std::string_view field, char separator) {
    const char special[] = {separator, '"', '\r', '\n'};
    if (field.find_first_of(std::string_view(special, 4)) == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string at(int line, int column) {
    return "CSV の " + std::to_string(line) + " 行目 " + std::to_string(column) + " 列目";
}

// Reads one field at a time; lines are counted by LF.
class CsvScanner {
  public:
    CsvScanner(std::string_view text, char separator) : m_text(text), m_separator(separator) {
        m_stops[0] = separator;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }

    // The rest of the input is nothing but line ends.
    bool onlyLineEndsRemain() const {
        for (std::size_t i = m_pos; i < m_text.size(); ++i) {
            const char c = m_text[i];
            if (c == '\n') continue;
            if (c == '\r' && i + 1 < m_text.size() && m_text[i + 1] == '\n') continue;
            return false;
        }
        return true;
    }

    // Reads the next field into field. Sets endOfRecord when the field ends its row,
    // quoted when it was written in quotes, fieldLine to the line it starts on.
    Status next(std::string& field, bool& endOfRecord, bool& quoted, int& fieldLine, int column) {
        field.clear();
        endOfRecord = false;
        quoted = false;
        fieldLine = m_line;
        if (atEnd()) {
            endOfRecord = true;
            return Status::ok();
        }
        if (m_text[m_pos] == '"') {
            quoted = true;
            ++m_pos;
            for (;;) {
                const std::size_t q = m_text.find('"', m_pos);
                if (q == std::string_view::npos) {
                    return Status::corruptInput(at(fieldLine, column) + "の引用符が閉じていません。");
                }
                const std::string_view part = m_text.substr(m_pos, q - m_pos);
                for (char c : part)
                    if (c == '\n') ++m_line;
                field += part;
                m_pos = q + 1;
                if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                    field += '"';
                    ++m_pos;
                    continue;
                }
                break;
            }
            return endField(endOfRecord, fieldLine, column);
        }
        const std::size_t stop = m_text.find_first_of(std::string_view(m_stops, 4), m_pos);
        const std::size_t end = stop == std::string_view::npos ? m_text.size() : stop;
        field.assign(m_text.substr(m_pos, end - m_pos));
        m_pos = end;
        if (!atEnd() && m_text[m_pos] == '"') {
            return Status::corruptInput(at(fieldLine, column) + "に引用符で囲まれていない引用符があります。");
        }
        return endField(endOfRecord, fieldLine, column);
    }

  private:
    // After a field: a comma, a line end (CR LF or LF) or the end of the input.
    Status endField(bool& endOfRecord, int fieldLine, int column) {
        if (atEnd()) {
            endOfRecord = true;
            return Status::ok();
        }
        const char c = m_text[m_pos];
        if (c == m_separator) {
            ++m_pos;
            return Status::ok();
        }
        if (c == '\n') {
            ++m_pos;
            ++m_line;
            endOfRecord = true;
            return Status::ok();
        }
        if (c == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n') {
            m_pos += 2;
            ++m_line;
            endOfRecord = true;
            return Status::ok();
        }
        if (c == '\r')
            return Status::corruptInput(at(fieldLine, column) + "の後に LF を伴わない CR があります。");
        return Status::corruptInput(at(fieldLine, column) + "の閉じ引用符の後に余分な文字があります。");
    }

    std::string_view m_text;
    char m_separator;
    char m_stops[4] = {',', '"', '\r', '\n'};
    std::size_t m_pos = 0;
    int m_line = 1;
};


// The separator of the header row: a tab when it holds more tabs than commas
// outside quotes, a comma otherwise.
char detectSeparator(std::string_view text) {
    int commas = 0, tabs = 0;
    bool inQuotes = false;
    for (char c : text) {
        if (c == '"') inQuotes = !inQuotes;
        if (inQuotes) continue;
        if (c == '\n') break;
        if (c == kComma) ++commas;
        if (c == kTab) ++tabs;
    }
    return tabs > commas ? kTab : kComma;
}

std::string csvText(const Dataset& ds, char separator) {
    const int n = ds.sampleCount();
    const int k = ds.variableCount();
    std::string out;
    out += kLabelHeading;
    out += separator;
    out += kMaskHeading;
    for (int j = 1; j <= k; ++j) {
        out += separator;
        appendField(out, ds.name(j), separator);
    }
    out += "\r\n";
    char number[kNumberTextMax];
    for (int i = 1; i <= n; ++i) {
        appendField(out, ds.label(i), separator);
        out += separator;
        out += std::to_string(ds.mask(i));
        for (int j = 1; j <= k; ++j) {
            out += separator;
            out.append(number, writeGeneralNumberText(number, ds.value(i, j)));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace

std::string datasetToCsv(const Dataset& ds) { return csvText(ds, kComma); }

Result<std::string> datasetToCsv(const Dataset& ds, const CsvWriteOptions& options) {
    std::string text = csvText(ds, options.separator == CsvSeparator::Tab ? kTab : kComma);
    if (options.encoding == TextEncoding::Utf8) return text;
    Result<std::string> cp932 = utf8ToCp932(text);
    if (!cp932) return Status::invalidArgument("CSV をシフト JIS（コードページ 932）で書けません: " +
                                               cp932.status().message());
    return cp932;
}

Status csvToDataset(std::string_view csv, Dataset& ds) {
    std::vector<int> rowLines;
    return csvToDataset(csv, ds, rowLines);
}

Status csvToDataset(std::string_view csv, Dataset& ds, std::vector<int>& rowLines) {
    CsvReadOptions options;
    options.encoding = TextEncoding::Utf8;
    options.separator = CsvSeparator::Comma;
    options.layout = SheetLayout::Labelled;
    CsvReadInfo info;
    if (Status s = csvToDataset(csv, ds, options, info); !s) return s;
    rowLines = std::move(info.rowLines);
    return Status::ok();
}

Status csvToDataset(std::string_view csv, Dataset& ds, const CsvReadOptions& options, CsvReadInfo& info) {
    bool bom = false;
    if (csv.substr(0, kBom.size()) == kBom) {
        csv.remove_prefix(kBom.size());
        bom = true;
    }
    // Valid UTF-8 is read as UTF-8; anything else, when the caller leaves it open,
    // as code page 932 (as a spreadsheet saving in the Japanese code page writes it).
    TextEncoding encoding = TextEncoding::Utf8;
    if (options.encoding)
        encoding = *options.encoding;
    else if (!bom && !isValidUtf8(csv))
        encoding = TextEncoding::Cp932;
    std::string decoded;
    if (encoding == TextEncoding::Cp932) {
        decoded = cp932ToUtf8(csv);
        csv = decoded;
    }
    if (csv.empty()) return Status::corruptInput("CSV が空です。");
    char separator = kComma;
    if (options.separator)
        separator = *options.separator == CsvSeparator::Tab ? kTab : kComma;
    else
        separator = detectSeparator(csv);

    CsvScanner scan(csv, separator);
    SheetBuilder sheet("CSV", options.layout, Dataset::kMaxCount);

    std::string field;
    bool endOfRecord = false;
    bool quoted = false;
    int fieldLine = 1;

    // Header: the whole first row, checked by the builder.
    std::vector<std::string> header;
    const int headerLine = scan.line();
    int column = 0;
    do {
        ++column;
        if (Status s = scan.next(field, endOfRecord, quoted, fieldLine, column); !s) return s;
        if (column - 2 > Dataset::kMaxCount) {
            return Status::corruptInput("CSV の変数が多すぎます（" + std::to_string(Dataset::kMaxCount) +
                                        " まで）。");
        }
        header.push_back(std::move(field));
    } while (!endOfRecord);
    if (Status s = sheet.setHeader(std::move(header), headerLine); !s) return s;
    const int columns = sheet.columnCount();

    bool trailingLines = false;
    while (!scan.atEnd() && !trailingLines) {
        const int rowLine = scan.line();
        column = 0;
        do {
            ++column;
            if (Status s = scan.next(field, endOfRecord, quoted, fieldLine, column); !s) return s;
            if (column == 1 && endOfRecord && !quoted && field.empty()) {
                if (scan.onlyLineEndsRemain()) {
                    trailingLines = true; // empty lines after the last row
                    break;
                }
                return Status::corruptInput("CSV の " + std::to_string(rowLine) +
                                            " 行目が空行です。データ行の間に空行は置けません。");
            }
            if (column == 1) {
                if (Status s = sheet.beginRow(rowLine); !s) return s;
            }
            if (column > columns || (endOfRecord && column < columns)) {
                while (!endOfRecord) { // count the rest of a long row
                    ++column;
                    if (Status s = scan.next(field, endOfRecord, quoted, fieldLine, column); !s) return s;
                }
                return Status::corruptInput(
                    "CSV の " + std::to_string(rowLine) + " 行目の列数が見出し行と違います（見出し行 " +
                    std::to_string(columns) + " 列、この行 " + std::to_string(column) + " 列）。");
            }
            if (Status s = sheet.cell(column, field, fieldLine); !s) return s;
        } while (!endOfRecord);
        if (!trailingLines) {
            if (Status s = sheet.endRow(); !s) return s;
        }
    }
    if (Status s = sheet.finish(ds, info.rowLines); !s) return s;
    info.encoding = encoding;
    info.separator = separator == kTab ? CsvSeparator::Tab : CsvSeparator::Comma;
    info.layout = sheet.layout();
    return Status::ok();
}

} // namespace zel
