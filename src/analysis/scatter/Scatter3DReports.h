// The report entry of the three-dimensional scatter ("scatter-3d"): --var Y, X
// and Z as hensi3 takes them (those not given keep the dialog's preselection,
// variables 1, 2 and 3). It writes the chart of rsanpu and the summary of
// scatter3DSummary(). --set kind= picks the kind as the window's list names it
// ("立体散布図", "立体散布図（縦棒）", "立体散布図（線）").
#pragma once

#include "analysis/ReportEntry.h"

#include <span>

namespace zel {

std::span<const ReportEntry> scatter3DReportEntries();

} // namespace zel
