// A computed table as the result-table windows show it: a heading row, a
// heading column and cells that hold a number or a text (or nothing). The
// windows fill their grid from it; the report command writes it as CSV.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zel {

struct ResultCell {
    std::optional<double> number; // a number cell
    std::string text;             // a text cell (used when number is empty)
    bool isEmpty() const { return !number && text.empty(); }
};

struct ResultTable {
    int rows = 0;                            // data rows (1..rows)
    int columns = 0;                         // data columns (1..columns)
    std::vector<std::string> columnHeadings; // columns + 1 entries; [0] is the corner
    std::vector<std::string> rowHeadings;    // rows + 1 entries; [0] is the corner (unused)
    // cells[(row - 1) * columns + (column - 1)]
    std::vector<ResultCell> cells;
    std::vector<int> columnWidths; // columns + 1 widths in characters; [0] is the heading column

    void resize(int rowCount, int columnCount, int width = 12);
    ResultCell& at(int row, int column);
    const ResultCell& at(int row, int column) const;
    void setNumber(int row, int column, double v) { at(row, column).number = v; }
    void setText(int row, int column, std::string t);
};

// UTF-8 CSV (RFC 4180 quoting, CR LF): the heading row led by the corner
// heading (empty where the grid shows none), then one line per row led by its
// row heading. Numbers are general number
// text at full precision (not rounded to any shown decimals).
std::string resultTableCsv(const ResultTable& table);

} // namespace zel
