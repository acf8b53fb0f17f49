// The report entry of the scatter diagram ("scatter": --var Y, then one or two
// X). It writes the analysis of variance (kaibun) and regression line (kaityo)
// tables and the scatter chart (sanpuzu), with the options kind= (the chart's
// kind as its list names it; "回帰直線" when unset), degree= (the fitted
// curve's degree, 1 to the chart's largest; 2 when unset) and decimals= (the
// places the tables show, as their spin boxes; 2 when unset).
#pragma once

#include "analysis/ReportEntry.h"

#include <span>

namespace zel {

std::span<const ReportEntry> scatterReportEntries();

} // namespace zel
