// The Xbar-R analysis: subgroup means and ranges of the unmasked samples, with
// the control lines from the A2 / D3 / D4 coefficients.
#pragma once

#include "common/ResultTable.h"
#include "analysis/control/ChartDataSet.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

namespace zel {

struct XbarRCoefficients {
    double a2 = 0.0;
    double d3 = 0.0;
    double d4 = 0.0;
};
// n = 2..10; other n give all zero.
XbarRCoefficients xbarRCoefficients(int n);

// Fills everything of the record for the Xbar-R analysis: m, n = K, X, labels,
// mean, low, high, range, the sums and L. The launch guarantees 2 <= K <= 10
// and at least two unmasked samples. Refuses (kResultOutOfRange) when a sum,
// a range or a limit overflows.
Result<ChartDataSet> computeXbarR(const Dataset& data);

// The XR1 grid: n + 2 columns, m + 4 rows.
ResultTable xbarRTable(const ChartDataSet& cds);

} // namespace zel
