// Spreadsheet files in and out, for the import and export commands: a .csv or
// .xlsx file read into a new dataset together with what was detected (format,
// layout, encoding, separator) for a preview, and a dataset written as either.
#pragma once

#include "common/Status.h"
#include "dataset/CsvFile.h"
#include "dataset/Dataset.h"
#include "dataset/SheetTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

enum class SheetFormat { Csv, Xlsx };

// The format a file name's extension names (".csv", ".xlsx" in any case), if any.
std::optional<SheetFormat> sheetFormatOf(std::string_view path);

// What to read; an option left empty is taken from the file name (format) or
// detected from the content (the rest; see CsvFile.h and XlsxReader.h).
struct SheetReadOptions {
    std::optional<SheetFormat> format;
    std::optional<SheetLayout> layout;
    std::optional<TextEncoding> encoding;  // CSV only
    std::optional<CsvSeparator> separator; // CSV only
};

struct SheetImport {
    Dataset dataset;
    SheetFormat format = SheetFormat::Csv;
    SheetLayout layout = SheetLayout::Labelled;
    TextEncoding encoding = TextEncoding::Utf8;    // a workbook's texts are UTF-8
    CsvSeparator separator = CsvSeparator::Comma;  // CSV only
    std::string sheetName;                         // workbook only
    std::vector<int> rowNumbers; // line (CSV) or sheet row of sample i; [0] the header's
};

// Reads the file. Fails with a Japanese message naming the file and, for a bad
// cell, its row and column; nothing of the caller's changes.
Result<SheetImport> readSheetFile(const std::string& path, const SheetReadOptions& options = {});

// Writes ds in the labelled layout. The file is written beside path and renamed
// into place, so a failure leaves any file there as it was. CSV options apply to
// the CSV format only.
Status writeSheetFile(const Dataset& ds, const std::string& path, SheetFormat format,
                      const CsvWriteOptions& csv = {});

} // namespace zel
