// The computed table of a result-table window and its CSV form.
#include "common/ResultTable.h"

#include "common/NumberText.h"

#include <cassert>

namespace zel {

void ResultTable::resize(int rowCount, int columnCount, int width) {
    rows = rowCount < 0 ? 0 : rowCount;
    columns = columnCount < 0 ? 0 : columnCount;
    columnHeadings.assign(static_cast<std::size_t>(columns) + 1, std::string());
    rowHeadings.assign(static_cast<std::size_t>(rows) + 1, std::string());
    cells.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), ResultCell());
    columnWidths.assign(static_cast<std::size_t>(columns) + 1, width);
}

ResultCell& ResultTable::at(int row, int column) {
    assert(row >= 1 && row <= rows && column >= 1 && column <= columns);
    return cells[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns) +
                 static_cast<std::size_t>(column - 1)];
}

const ResultCell& ResultTable::at(int row, int column) const {
    assert(row >= 1 && row <= rows && column >= 1 && column <= columns);
    return cells[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns) +
                 static_cast<std::size_t>(column - 1)];
}

void ResultTable::setText(int row, int column, std::string t) {
    ResultCell& c = at(row, column);
    c.number.reset();
    c.text = std::move(t);
}

namespace {

void appendField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out.push_back('"');
    for (char c : field) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace

std::string resultTableCsv(const ResultTable& table) {
    std::string out;
    // Heading row, led by the corner.
    if (!table.columnHeadings.empty()) appendField(out, table.columnHeadings[0]);
    for (int c = 1; c <= table.columns; ++c) {
        out.push_back(',');
        if (static_cast<std::size_t>(c) < table.columnHeadings.size())
            appendField(out, table.columnHeadings[static_cast<std::size_t>(c)]);
    }
    out += "\r\n";
    for (int r = 1; r <= table.rows; ++r) {
        if (static_cast<std::size_t>(r) < table.rowHeadings.size())
            appendField(out, table.rowHeadings[static_cast<std::size_t>(r)]);
        for (int c = 1; c <= table.columns; ++c) {
            out.push_back(',');
            const ResultCell& cell = table.at(r, c);
            if (cell.number)
                out += generalNumberText(*cell.number);
            else
                appendField(out, cell.text);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace zel
