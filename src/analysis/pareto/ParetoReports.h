// The report entry of the Pareto chart ("pareto"): --var one variable or
// "合計", --set keep=N (the item count dialog's N, all items when not given).
// It writes the table pareko as it shows before folding and the chart of the
// variable graph window oresen after folding; the summary names each item
// drawn, in order: "item <i> <value>", "cumulative <i> <P>", "label <i> <name>".
#pragma once

#include "analysis/ReportEntry.h"

#include <span>

namespace zel {

std::span<const ReportEntry> paretoReportEntries();

} // namespace zel
