// A dataset as CSV: UTF-8, comma-separated, RFC 4180 quoting, CR LF. Row 1 is the
// header "データラベル", "マスク", then the variable names; each further row is one
// sample: its label, its mask (0 or 1), then its values as general number text.
// Spreadsheets also save tab-separated text and text in code page 932, and a
// sheet may hold only the variable names and the values (SheetTable.h); the
// functions with options read and write those too.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"
#include "dataset/SheetTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Fields that hold a comma, a double quote, CR or LF are quoted (quotes doubled);
// every row ends in CR LF; no byte order mark. Masks are written as their integer
// value and values as general number text.
std::string datasetToCsv(const Dataset& ds);

// Parses CSV text into ds (counts, names, masks, labels, values). Fails on a
// malformed row, a ragged row, a non-numeric value or mask, or counts beyond the
// dataset's limits; ds is left unchanged on failure.
//
// Reading rules: a leading UTF-8 byte order mark is skipped; rows may end in CR LF
// or LF; empty lines after the last row are ignored, an empty line before it is an
// error. The mask must be the number 0 or 1. A value cell must hold a number in
// full (optional sign, digits, decimal point, exponent; blanks and tabs around it
// are allowed); an empty value cell reads 0, as the data sheet stores empty cells
// as 0. Names and labels are kept exactly as written and must be valid UTF-8.
// Messages are Japanese and name the 1-based line and column of the CSV.
Status csvToDataset(std::string_view csv, Dataset& ds);

// As above; on success rowLines[i] is the 1-based CSV line on which sample i's row
// starts (rowLines[0] is the header's line), for callers that report on a sample.
Status csvToDataset(std::string_view csv, Dataset& ds, std::vector<int>& rowLines);

enum class TextEncoding { Utf8, Cp932 };
enum class CsvSeparator { Comma, Tab };

// What to read; an option left empty is detected from the input: the encoding
// (UTF-8 when the text is valid UTF-8 or starts with a byte order mark, code page
// 932 otherwise), the separator (a tab when the header row holds more tabs than
// commas outside quotes) and the layout (labelled when the header's first cell is
// "データラベル").
struct CsvReadOptions {
    std::optional<TextEncoding> encoding;
    std::optional<CsvSeparator> separator;
    std::optional<SheetLayout> layout;
};

// What a read found, for a preview and for callers that report on a sample.
struct CsvReadInfo {
    TextEncoding encoding = TextEncoding::Utf8;
    CsvSeparator separator = CsvSeparator::Comma;
    SheetLayout layout = SheetLayout::Labelled;
    std::vector<int> rowLines; // as above
};

// The reader above with options; the two functions above read UTF-8, commas and
// the labelled layout only.
Status csvToDataset(std::string_view csv, Dataset& ds, const CsvReadOptions& options, CsvReadInfo& info);

struct CsvWriteOptions {
    CsvSeparator separator = CsvSeparator::Comma;
    TextEncoding encoding = TextEncoding::Utf8;
};

// The labelled layout with the given separator and encoding. Fails when a name or
// label has no code page 932 form and that encoding is asked for.
Result<std::string> datasetToCsv(const Dataset& ds, const CsvWriteOptions& options);

} // namespace zel
