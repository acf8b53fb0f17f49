// The report entries of the four control charts: the variables their dialogs
// take, the options kind=, decimals=, limits= and upper=/lower=, the
// computation of the dialog and the table window, the table, the charts as the
// chart window fills them, the summary of the drawn control lines and the
// limits file the table window writes beside the dataset.
#pragma once

#include "analysis/ReportEntry.h"
#include "common/Analyses.h"

#include <optional>
#include <span>

namespace zel {

std::span<const ReportEntry> controlReportEntries();

// The table window of a control chart (XR1, XRS1, p1), if it has one.
std::optional<WindowId> controlTableWindow(AnalysisId id);

} // namespace zel
