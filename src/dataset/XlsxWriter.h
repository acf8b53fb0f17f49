// A dataset as a spreadsheet workbook (.xlsx): one sheet in the layout of the CSV
// form (CsvFile.h): the header row "データラベル", "マスク" and the variable names,
// then one row per sample with its label as text, its mask and values as numbers.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

#include <string>

namespace zel {

// Writes the workbook to path (replacing a file there). Fails, writing nothing
// useful, on a value that is not finite, a text longer than a cell holds, or an
// error of the file.
Status writeXlsx(const Dataset& ds, const std::string& path);

} // namespace zel
