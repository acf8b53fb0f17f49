// The report entries of the histogram ("histogram": one to three variables or
// "全データ") and of the stratified histogram ("stratified-histogram": the
// factor and then the analysis variable). Each writes the frequency table dobun
// and the histogram chart of youko. Their --set keys are the fields of the graph
// settings dialog (upper=, lower=, classes=, adjust=width|upper, width=), the
// table's decimals= and the chart's kind= (the kind as the window's list names
// it).
#pragma once

#include "analysis/ReportEntry.h"

#include <span>

namespace zel {

std::span<const ReportEntry> histogramReportEntries();

} // namespace zel
