// A dataset as CSV: UTF-8, comma-separated, RFC 4180 quoting, CR LF. Row 1 is the
// header "データラベル", "マスク", then the variable names; each further row is one
// sample: its label, its mask (0 or 1), then its values as general number text.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

#include <string>
#include <string_view>

namespace zel {

std::string datasetToCsv(const Dataset& ds);

// Parses CSV text into ds (counts, names, masks, labels, values). Fails on a
// malformed row, a ragged row, a non-numeric value or mask, or counts beyond the
// dataset's limits; ds is left unchanged on failure.
Status csvToDataset(std::string_view csv, Dataset& ds);

} // namespace zel
