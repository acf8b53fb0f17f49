// A dataset as CSV: UTF-8, comma-separated, RFC 4180 quoting, CR LF. Row 1 is the
// header "データラベル", "マスク", then the variable names; each further row is one
// sample: its label, its mask (0 or 1), then its values as general number text.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

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

} // namespace zel
