// "zel32 --convert IN OUT": between a dataset (.QCS/.QCN/.QCK, the base is what
// counts) and a .csv or .xlsx file. CSV and workbooks are read in every layout and
// encoding their readers detect; they are written in the labelled layout, CSV in
// UTF-8 with commas.
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"
#include "dataset/SheetTable.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Reads workbook bytes into ds: rowNumbers[i] is the sheet row of sample i
// (rowNumbers[0] the header's), layout the layout found. The workbook reader
// lives with Qt (XlsxReader.h); the program passes it in.
using WorkbookReader = Status (*)(std::string_view bytes, Dataset& ds, std::vector<int>& rowNumbers,
                                  SheetLayout& layout);

// Returns the process exit status: 0 on success, 2 on bad input (a message goes
// to err and nothing is written). Without readWorkbook an .xlsx input is refused.
int runConvert(const std::string& in, const std::string& out, std::ostream& err,
               WorkbookReader readWorkbook = nullptr);

} // namespace zel
