// Reading a spreadsheet workbook (.xlsx) into a dataset: the first sheet of the
// workbook, in either layout of SheetTable.h. Cells may be numbers, booleans,
// shared or inline strings; a cell the sheet leaves out is an empty cell.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"
#include "dataset/SheetTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The most variables a workbook may bring in, as many as the dimension dialog sets.
constexpr int kMaxSheetVariables = 100;

// What a read found, for a preview and for callers that report on a sample.
struct XlsxReadInfo {
    std::string sheetName;
    SheetLayout layout = SheetLayout::Labelled;
    std::vector<int> rowNumbers; // sheet row of sample i; [0] is the header's row
};

// How the package is taken apart: the sheet is inflated and parsed a piece of
// chunkBytes at a time, never held whole; a part that inflates to more than
// maxPartBytes is refused, so that a small package cannot unpack into unbounded
// memory or time (the sheet of the largest dataset is about a tenth of it).
struct XlsxReadLimits {
    std::size_t chunkBytes = std::size_t(256) << 10;
    std::int64_t maxPartBytes = std::int64_t(1) << 30;
};

// Reads the workbook held in bytes into ds. layout fixes the layout or leaves it
// to the header row. Fails on input that is not a zip, a zip that is not a
// workbook, a cell that does not fit the layout, or a sheet beyond the dataset's
// limits (32767 data rows, kMaxSheetVariables variables); the Japanese message
// names the row and column, and ds is left unchanged.
Status xlsxToDataset(std::string_view bytes, Dataset& ds, std::optional<SheetLayout> layout,
                     XlsxReadInfo& info, const XlsxReadLimits& limits = {});

// The same with the layout detected; rowNumbers and layout as in XlsxReadInfo
// (the shape of Convert.h's WorkbookReader).
Status xlsxToDataset(std::string_view bytes, Dataset& ds, std::vector<int>& rowNumbers, SheetLayout& layout);

} // namespace zel
