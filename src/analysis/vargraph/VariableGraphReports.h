// The report entry of the variable graphs ("variable-graph": one to three
// variables or "全データ", the series count following the number given). It
// writes the chart of oresen. Its --set keys: kind= (a kind of the window's
// list for the series count; "折れ線グラフ" when unset), statlines= (the
// statistics-line code 0..15 of the line kind; 5, the code of the switches at
// program start, when unset), and upper= and lower=, the limits "規格の入力"
// needs.
#pragma once

#include "analysis/ReportEntry.h"

#include <span>

namespace zel {

std::span<const ReportEntry> variableGraphReportEntries();

} // namespace zel
