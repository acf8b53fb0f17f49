// The report entries of the statistics by variable ("variable-stats": every
// variable, the hakoh table and the hakohg chart) and by stratum
// ("stratified-stats": the factor and the analysis variable, the hakohso table
// and the hakohg chart of the strata), each with the option kind= (the
// chart's kind as its list names it).
#pragma once

#include "analysis/ReportEntry.h"

#include <span>

namespace zel {

std::span<const ReportEntry> statisticsReportEntries();

} // namespace zel
