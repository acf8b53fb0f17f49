// The X-Rs analysis: individual values (one variable, or the mean of all
// variables of each sample for "Xbar") and their moving ranges.
#pragma once

#include "common/ResultTable.h"
#include "analysis/control/ChartDataSet.h"
#include "common/Analyses.h"
#include "common/Analyses.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

namespace zel {

// The refusal of a dataset without variables: there is nothing to chart (the
// launch refuses it with the same text, title "データの入力").
inline constexpr const char* kXRsNoVariables = kXRsVariables.data();

// The variable dialog's values: listPosition 1..K names a variable, K + 1 is
// "Xbar". Fills m, n = 1, X (one value per subgroup), mean (= X), labels and
// sumOfMeans. Lines and ranges are left for computeXRsLines. Refuses a dataset
// without variables (kXRsNoVariables), a position outside 1..K + 1
// (kNoSuchVariable) and an "Xbar" sum that overflows (kResultOutOfRange).
Result<ChartDataSet> collectXRs(const Dataset& data, int listPosition);

// The table computation: Rs(1) = 0, Rs(i) = |X(i) - X(i-1)|, their sum, and L
// (2.66 and 3.267 with the mean moving range over m - 1 values). Refuses
// (kResultOutOfRange) when a moving range, a sum or a limit overflows.
Status computeXRsLines(ChartDataSet& cds);

// The XRS1 grid: 2 columns, m + 4 rows.
ResultTable xRsTable(const ChartDataSet& cds);

} // namespace zel
