// A sheet of cells read into a dataset: the step every sheet reader (CSV, XLSX)
// shares once it has cut its input into rows and cells. Row 1 of the sheet is the
// header; each further row is one sample. Two layouts are taken:
//   - labelled: "データラベル", "マスク", then the variable names; each row holds
//     the sample's label, its mask (0 or 1), then its values;
//   - plain: the variable names only; each row holds only values (labels read
//     "", masks 0).
// Messages are Japanese and name the 1-based row and column of the sheet.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

enum class SheetLayout { Labelled, Plain };

// The layout a header row shows: labelled when its first cell is "データラベル"
// (the reader then insists on "マスク" in the second), plain otherwise.
SheetLayout detectSheetLayout(std::string_view firstCell);

// True when text is well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view text);

enum class NumberParse { Ok, NotANumber, OutOfRange };

// Strict parse of a whole cell: blanks and tabs around it, then an optional sign,
// digits with an optional decimal point (at least one digit), and an optional
// exponent. An empty (or blank) cell reads 0 and sets empty.
NumberParse parseCellNumber(std::string_view cell, double& value, bool& empty);

// Builds a dataset from a sheet fed row by row. Nothing reaches the caller's
// dataset before finish() succeeds.
class SheetBuilder {
  public:
    // source names the input in messages ("CSV", "XLSX"); layout fixes the layout,
    // or leaves it to the header when empty; maxVariables caps the variable count.
    SheetBuilder(std::string source, std::optional<SheetLayout> layout, int maxVariables);

    // The header row (sheet row `row`), one text per column; empty cells are "".
    Status setHeader(std::vector<std::string> cells, int row);
    SheetLayout layout() const { return m_layout; }
    // Columns of the sheet the header spans (label and mask columns included).
    int columnCount() const { return m_columns; }
    int variableCount() const { return static_cast<int>(m_names.size()); }
    int sampleCount() const { return static_cast<int>(m_masks.size()); }

    // A data row starting on sheet row `row`. Cells follow with cell(), in rising
    // columns, gaps being empty cells; endRow() closes the row.
    Status beginRow(int row);
    // column is 1-based; row is where the cell stands (a CSV field may start on a
    // later line than its row).
    Status cell(int column, std::string_view text, int row);
    Status endRow();

    // Moves what was read into ds (counts, names, masks, labels, values); fails
    // when no data row was read. rowStarts[i] is the sheet row of sample i
    // (rowStarts[0] is the header's row).
    Status finish(Dataset& ds, std::vector<int>& rowStarts);

    // "CSV の 3 行目 2 列目"
    std::string place(int row, int column) const;

  private:
    std::string m_source;
    std::optional<SheetLayout> m_requested;
    SheetLayout m_layout = SheetLayout::Labelled;
    int m_maxVariables;
    int m_columns = 0;
    int m_firstValueColumn = 3;
    std::vector<std::string> m_names;
    std::vector<std::int16_t> m_masks;
    std::vector<std::string> m_labels;
    std::vector<double> m_values;
    std::vector<int> m_rows;
    bool m_maskSeen = false;
};

} // namespace zel
