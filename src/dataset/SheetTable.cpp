// The sheet-to-dataset step shared by the sheet readers. Rows are gathered in
// plain vectors aside from the caller's dataset and moved in at the end.
#include "dataset/SheetTable.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace zel {

namespace {

constexpr std::string_view kLabelHeading = "データラベル";
constexpr std::string_view kMaskHeading = "マスク";
constexpr int kLabelColumn = 1;
constexpr int kMaskColumn = 2;
constexpr std::string_view kHeaderRule = "1 行目は「データラベル」「マスク」と変数名の見出し行です。";
constexpr std::string_view kLabelHint =
    "（1 列目がデータラベルであれば、1 行目の見出しを「データラベル」「マスク」で始めてください。）";

} // namespace

SheetLayout detectSheetLayout(std::string_view firstCell) {
    return firstCell == kLabelHeading ? SheetLayout::Labelled : SheetLayout::Plain;
}

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

NumberParse parseCellNumber(std::string_view cell, double& value, bool& empty) {
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

SheetBuilder::SheetBuilder(std::string source, std::optional<SheetLayout> layout, int maxVariables)
    : m_source(std::move(source)), m_requested(layout), m_maxVariables(maxVariables) {}

std::string SheetBuilder::place(int row, int column) const {
    return m_source + " の " + std::to_string(row) + " 行目 " + std::to_string(column) + " 列目";
}

Status SheetBuilder::setHeader(std::vector<std::string> cells, int row) {
    const std::string_view first = cells.empty() ? std::string_view() : std::string_view(cells[0]);
    m_layout = m_requested ? *m_requested : detectSheetLayout(first);
    m_firstValueColumn = m_layout == SheetLayout::Labelled ? 3 : 1;
    if (m_layout == SheetLayout::Labelled) {
        if (first != kLabelHeading)
            return Status::corruptInput(place(row, kLabelColumn) + "が「データラベル」ではありません。" +
                                        std::string(kHeaderRule));
        if (cells.size() < 2 || cells[1] != kMaskHeading)
            return Status::corruptInput(place(row, kMaskColumn) + "が「マスク」ではありません。" +
                                        std::string(kHeaderRule));
    }
    const int columns = static_cast<int>(cells.size());
    if (columns - (m_firstValueColumn - 1) > m_maxVariables)
        return Status::corruptInput(m_source + " の変数が多すぎます（" + std::to_string(m_maxVariables) +
                                    " まで）。");
    for (int c = m_firstValueColumn; c <= columns; ++c) {
        std::string& name = cells[static_cast<std::size_t>(c - 1)];
        if (!isValidUtf8(name))
            return Status::corruptInput(place(row, c) + "の変数名が UTF-8 の文字ではありません。");
        m_names.push_back(std::move(name));
    }
    if (m_names.empty()) return Status::corruptInput(m_source + " の見出し行に変数名がありません。");
    m_columns = columns;
    m_rows.assign(1, row);
    return Status::ok();
}

Status SheetBuilder::beginRow(int row) {
    if (m_masks.size() >= static_cast<std::size_t>(Dataset::kMaxCount))
        return Status::corruptInput(m_source + " のデータ行が多すぎます（" +
                                    std::to_string(Dataset::kMaxCount) + " 行まで）。" + std::to_string(row) +
                                    " 行目は読み込めません。");
    m_rows.push_back(row);
    m_masks.push_back(0);
    m_labels.emplace_back();
    m_values.resize(m_values.size() + m_names.size(), 0.0);
    m_maskSeen = m_layout == SheetLayout::Plain;
    return Status::ok();
}

Status SheetBuilder::cell(int column, std::string_view text, int row) {
    if (column > m_columns) {
        double ignored = 0.0;
        bool empty = false;
        if (parseCellNumber(text, ignored, empty) == NumberParse::Ok && empty) return Status::ok();
        return Status::corruptInput(place(row, column) + "は見出し行の列（" + std::to_string(m_columns) +
                                    " 列）より右にあります。");
    }
    if (m_layout == SheetLayout::Labelled && column == kLabelColumn) {
        if (!isValidUtf8(text))
            return Status::corruptInput(place(row, column) + "のデータラベルが UTF-8 の文字ではありません。");
        m_labels.back().assign(text);
        return Status::ok();
    }
    double v = 0.0;
    bool empty = false;
    const NumberParse r = parseCellNumber(text, v, empty);
    if (m_layout == SheetLayout::Labelled && column == kMaskColumn) {
        if (r != NumberParse::Ok || empty || (v != 0.0 && v != 1.0))
            return Status::corruptInput(place(row, column) + "のマスクが 0 でも 1 でもありません。");
        m_masks.back() = v == 1.0 ? 1 : 0;
        m_maskSeen = true;
        return Status::ok();
    }
    if (r == NumberParse::OutOfRange)
        return Status::corruptInput(place(row, column) + "の数値が範囲外です。");
    if (r != NumberParse::Ok) {
        // Show the text, cut to a readable length at a character boundary.
        constexpr std::size_t kShown = 40;
        std::size_t cut = std::min(text.size(), kShown);
        while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            ++cut;
        std::string shown(text.substr(0, cut));
        if (cut < text.size()) shown += "…";
        if (!isValidUtf8(shown)) shown = "?";
        std::string message = place(row, column) + "が数値ではありません: " + shown;
        // Text in the first column of a sheet taken as variables only is most
        // likely a label column under another heading: say how it is read.
        if (column == 1 && m_layout == SheetLayout::Plain && !m_requested) message += std::string(kLabelHint);
        return Status::corruptInput(message);
    }
    const std::size_t k = m_names.size();
    m_values[m_values.size() - k + static_cast<std::size_t>(column - m_firstValueColumn)] = v;
    return Status::ok();
}

Status SheetBuilder::endRow() {
    if (!m_maskSeen)
        return Status::corruptInput(place(m_rows.back(), kMaskColumn) +
                                    "のマスクが 0 でも 1 でもありません。");
    return Status::ok();
}

Status SheetBuilder::finish(Dataset& ds, std::vector<int>& rowStarts) {
    if (m_masks.empty()) return Status::corruptInput(m_source + " にデータ行がありません。");
    const int n = static_cast<int>(m_masks.size());
    const int k = static_cast<int>(m_names.size());
    ds.resize(n, k);
    for (int j = 1; j <= k; ++j)
        ds.setName(j, std::move(m_names[static_cast<std::size_t>(j - 1)]));
    for (int i = 1; i <= n; ++i) {
        ds.setMask(i, m_masks[static_cast<std::size_t>(i - 1)]);
        ds.setLabel(i, std::move(m_labels[static_cast<std::size_t>(i - 1)]));
    }
    ds.storedValues() = std::move(m_values);
    rowStarts = std::move(m_rows);
    return Status::ok();
}

} // namespace zel
