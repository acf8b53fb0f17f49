// What the report command needs of each control chart, as one entry per
// analysis: the variables its dialog takes, the options it accepts, its
// computation (the dialog's and the table window's), its table and the inputs
// of its charts. The report command itself knows no analysis; an analysis
// that can be reported adds its entry here.
#pragma once

#include "common/ResultTable.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartFill.h"
#include "common/Analyses.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

#include <optional>
#include <span>
#include <vector>

namespace zel {

struct ReportEntry {
    AnalysisId analysis;
    // The --var values the analysis's dialog takes (0: it uses every variable),
    // and whether "Xbar" (the mean of every variable, list position K + 1) is one.
    int variables;
    bool meanOffered;
    // limits= (the lines of an earlier analysis) and upper=/lower= (entered
    // specification limits, the kind "規格の入力") are accepted.
    bool savedLimits;
    bool enteredLimits;
    // The table window (which also writes the limits file), if the analysis has one,
    // and the chart window.
    std::optional<WindowId> tableWindow;
    WindowId chartWindow;
    // The computation on the list positions of the variables; it refuses data
    // it cannot compute.
    Result<ChartDataSet> (*compute)(const Dataset& data, const std::vector<int>& positions);
    // The table of the table window (null without one).
    ResultTable (*table)(const ChartDataSet& cds);
    // The inputs of the charts, in window order.
    std::vector<ControlChartInput> (*charts)(const ChartDataSet& cds);
};

std::span<const ReportEntry> reportEntries();
// The entry of an analysis, or null when it cannot be reported.
const ReportEntry* reportEntry(AnalysisId id);

} // namespace zel
