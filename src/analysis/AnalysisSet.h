// The Analysis set: the series of values that the variable dialogs pick out of
// the open dataset (unmasked samples only, in sample order), their data labels
// and the per-series statistics. The histogram, the variable graphs and the
// scatter diagrams read it.
#pragma once

#include "common/SamplePoints.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

#include <string>
#include <vector>

namespace zel {

struct SeriesStatistics {
    double s1 = 0.0;       // sum of the values, in value order
    double s2 = 0.0;       // sum of their squares, in value order
    double mean = 0.0;     // s1 / n
    double variance = 0.0; // sample variance (divides by n - 1), computed stably
    double sd = 0.0;       // square root of the variance
};

struct AnalysisSet {
    int seriesCount = 0;
    // Selected variable numbers (1-based); empty for "全データ".
    std::vector<int> variables;
    // Series names: the list texts (variable names or "全データ").
    std::vector<std::string> names;
    int n = 0; // values per series
    // values[s][i]: series s (0-based), value i (0-based).
    std::vector<std::vector<double>> values;
    // labels[i]: data label of value i (for "全データ" the position "1", "2" ...).
    std::vector<std::string> labels;
    // samples[i]: the sample number value i comes from (its point on the charts).
    PointSamples samples;
    std::vector<SeriesStatistics> stats;
};

// The list entry after the variables in the one-variable dialog.
inline constexpr const char* kAllDataEntry = "全データ";

// Builds the set from 1-based list positions, one per series. With a single
// position of K + 1 the one series is "全データ": every variable of every
// unmasked sample, sample by sample. Positions outside 1..K (or K + 1 for the
// single-series case) are refused with InvalidArgument.
Result<AnalysisSet> buildAnalysisSet(const Dataset& data, const std::vector<int>& listPositions);

// The refusal of the two- and three-variable dialogs when a variable is picked
// twice ("変数１と変数２が同じです｡" ...), checked in their order; empty when every
// position differs.
std::string sameVariableMessage(const std::vector<int>& positions);

// Mean, variance (n - 1) and sd of values, plus the plain sums s1 and s2.
// The variance is computed in two passes (mean first), so that data far from
// zero keeps its digits; n < 2 gives variance 0.
SeriesStatistics seriesStatistics(const std::vector<double>& values);

} // namespace zel
