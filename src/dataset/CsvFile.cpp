// Writing a dataset as CSV text and reading it back. The reader works field by
// field over the input and builds the new dataset aside, so a failure leaves the
// caller's dataset as it was, and nothing is allocated beyond what the input fills.
#include "dataset/CsvFile.h"

#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>

namespace zel {

namespace {

constexpr std::string_view kLabelHeading = "データラベル";
constexpr std::string_view kMaskHeading = "マスク";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

void appendField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
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

// True when text is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (n - i <= static_cast<std::size_t>(extra)) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if (k == 1 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF)) return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

enum class NumberParse { Ok, NotANumber, OutOfRange };

// Strict parse of a whole cell: blanks and tabs around it, then an optional sign,
// digits with an optional decimal point (at least one digit), and an optional
// exponent. An empty (or blank) cell reads 0 and sets empty.
NumberParse parseNumber(std::string_view cell, double& value, bool& empty) {
    std::size_t b = 0, e = cell.size();
    while (b < e && (cell[b] == ' ' || cell[b] == '\t'))
        ++b;
    while (e > b && (cell[e - 1] == ' ' || cell[e - 1] == '\t'))
        --e;
    std::string_view t = cell.substr(b, e - b);
    empty = t.empty();
    if (empty) {
        value = 0.0;
        return NumberParse::Ok;
    }
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t p = 0, digits = 0;
    while (p < t.size() && isDigit(t[p]))
        ++p, ++digits;
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && isDigit(t[p]))
            ++p, ++digits;
    }
    if (digits == 0) return NumberParse::NotANumber;
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        ++p;
        if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
        std::size_t expDigits = 0;
        while (p < t.size() && isDigit(t[p]))
            ++p, ++expDigits;
        if (expDigits == 0) return NumberParse::NotANumber;
    }
    if (p != t.size()) return NumberParse::NotANumber;
    // from_chars takes no '+' sign; the sign was removed above. An exponent sign
    // followed by digits is accepted by from_chars as is.
    double v = 0.0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) return NumberParse::OutOfRange;
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return NumberParse::NotANumber;
    value = negative ? -v : v;
    return NumberParse::Ok;
}

// Reads one field at a time; lines are counted by LF.
class CsvScanner {
  public:
    explicit CsvScanner(std::string_view text) : m_text(text) {}

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
        const std::size_t stop = m_text.find_first_of(",\"\r\n", m_pos);
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
        if (c == ',') {
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
    std::size_t m_pos = 0;
    int m_line = 1;
};

} // namespace

std::string datasetToCsv(const Dataset& ds) {
    const int n = ds.sampleCount();
    const int k = ds.variableCount();
    std::string out;
    out += kLabelHeading;
    out += ',';
    out += kMaskHeading;
    for (int j = 1; j <= k; ++j) {
        out += ',';
        appendField(out, ds.name(j));
    }
    out += "\r\n";
    for (int i = 1; i <= n; ++i) {
        appendField(out, ds.label(i));
        out += ',';
        out += std::to_string(ds.mask(i));
        for (int j = 1; j <= k; ++j) {
            out += ',';
            out += generalNumberText(ds.value(i, j));
        }
        out += "\r\n";
    }
    return out;
}

Status csvToDataset(std::string_view csv, Dataset& ds) {
    std::vector<int> rowLines;
    return csvToDataset(csv, ds, rowLines);
}

Status csvToDataset(std::string_view csv, Dataset& ds, std::vector<int>& rowLines) {
    if (csv.substr(0, kBom.size()) == kBom) csv.remove_prefix(kBom.size());
    CsvScanner scan(csv);
    if (scan.atEnd()) return Status::corruptInput("CSV が空です。");

    std::string field;
    bool endOfRecord = false;
    bool quoted = false;
    int fieldLine = 1;

    // Header: the two fixed headings, then one name per variable.
    std::vector<std::string> names;
    std::vector<int> lines;
    lines.push_back(scan.line());
    int column = 0;
    do {
        ++column;
        if (Status s = scan.next(field, endOfRecord, quoted, fieldLine, column); !s) return s;
        if (column == 1 && field != kLabelHeading) {
            return Status::corruptInput("CSV の 1 行目 1 列目が「データラベル」ではありません。"
                                        "1 行目は「データラベル」「マスク」と変数名の見出し行です。");
        }
        if (column == 2 && field != kMaskHeading) {
            return Status::corruptInput("CSV の 1 行目 2 列目が「マスク」ではありません。"
                                        "1 行目は「データラベル」「マスク」と変数名の見出し行です。");
        }
        if (column >= 3) {
            if (column - 2 > Dataset::kMaxCount) {
                return Status::corruptInput("CSV の変数が多すぎます（" + std::to_string(Dataset::kMaxCount) +
                                            " まで）。");
            }
            if (!isValidUtf8(field))
                return Status::corruptInput(at(fieldLine, column) +
                                            "の変数名が UTF-8 の文字ではありません。");
            names.push_back(std::move(field));
        }
    } while (!endOfRecord);
    if (column < 2) {
        return Status::corruptInput("CSV の 1 行目 2 列目が「マスク」ではありません。"
                                    "1 行目は「データラベル」「マスク」と変数名の見出し行です。");
    }
    if (names.empty()) return Status::corruptInput("CSV の見出し行に変数名がありません。");
    const int k = static_cast<int>(names.size());
    const int columns = k + 2;

    std::vector<std::int16_t> masks;
    std::vector<std::string> labels;
    std::vector<double> values;
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
            if (column == 1 && masks.size() >= static_cast<std::size_t>(Dataset::kMaxCount)) {
                return Status::corruptInput("CSV のデータ行が多すぎます（" +
                                            std::to_string(Dataset::kMaxCount) + " 行まで）。");
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
            if (column == 1) {
                if (!isValidUtf8(field))
                    return Status::corruptInput(at(fieldLine, column) +
                                                "のデータラベルが UTF-8 の文字ではありません。");
                labels.push_back(std::move(field));
                continue;
            }
            double v = 0.0;
            bool empty = false;
            const NumberParse r = parseNumber(field, v, empty);
            if (column == 2) {
                if (r != NumberParse::Ok || empty || (v != 0.0 && v != 1.0))
                    return Status::corruptInput(at(fieldLine, column) +
                                                "のマスクが 0 でも 1 でもありません。");
                masks.push_back(v == 1.0 ? 1 : 0);
                continue;
            }
            if (r == NumberParse::OutOfRange)
                return Status::corruptInput(at(fieldLine, column) + "の数値が範囲外です。");
            if (r != NumberParse::Ok)
                return Status::corruptInput(at(fieldLine, column) + "が数値ではありません。");
            values.push_back(v);
        } while (!endOfRecord);
        if (!trailingLines) lines.push_back(rowLine);
    }
    if (masks.empty()) return Status::corruptInput("CSV にデータ行がありません。");

    const int n = static_cast<int>(masks.size());
    ds.resize(n, k);
    for (int j = 1; j <= k; ++j)
        ds.setName(j, std::move(names[static_cast<std::size_t>(j - 1)]));
    for (int i = 1; i <= n; ++i) {
        ds.setMask(i, masks[static_cast<std::size_t>(i - 1)]);
        ds.setLabel(i, std::move(labels[static_cast<std::size_t>(i - 1)]));
    }
    ds.storedValues() = std::move(values);
    rowLines = std::move(lines);
    return Status::ok();
}

} // namespace zel
