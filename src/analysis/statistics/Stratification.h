// Stratification: the values of one analysis variable split into up to five
// strata by a second variable, the factor, whose values are the stratum codes
// 1 to 5. hensi2so builds the Stratified set; hakohso lists one row per
// stratum, the comparison graph draws one figure per stratum, and the
// stratified histogram counts each stratum as a series.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/statistics/VariableStatistics.h"
#include "common/ResultTable.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

#include <array>
#include <string>
#include <vector>

namespace zel {

inline constexpr int kStratumCodes = 5; // codes 1..5
// A stratum becomes a series from this many values; exactly one is refused.
inline constexpr int kMinStratumValues = 2;

// hensi2so's refusals, in the order they are checked, with their titles.
inline constexpr const char* kStratifySameVariable = "層別変数と解析変数が同じです｡";
inline constexpr const char* kStratifySameVariableTitle = "変数の指定";
inline constexpr const char* kStratumCodeOutOfRange = "層別因子として使用できるデータは１～５の整数です。";
inline constexpr const char* kStratumCodeOutOfRangeTitle = "層別因子";
inline constexpr const char* kStratumOfOneValue = "一つのグループのデータは「２」以上にして下さい。";
inline constexpr const char* kStratumOfOneValueTitle = "層別統計量グラフ"; // for both analyses

// The title of one of the refusals above; empty for any other message.
std::string stratificationRefusalTitle(const Status& status);

struct StratifiedSet {
    int factorVariable = 0;   // 1-based selected variable number 1
    int analysisVariable = 0; // 1-based selected variable number 2
    std::array<std::string, 2> names; // the two list texts: factor, analysis variable
    int n = 0;                        // unmasked samples
    // Position i (0-based) is the i-th unmasked sample in sample order.
    std::vector<double> values;      // the analysis variable
    std::vector<std::string> labels; // the sample's data label
    std::vector<int> codes;          // the factor rounded half to even, 1..5
    // Indexed by code 1..5 ([0] unused):
    std::array<int, kStratumCodes + 1> count{};  // values with that code
    std::array<int, kStratumCodes + 1> first{};  // 1-based position of the first, 0 when absent
    std::array<std::vector<double>, kStratumCodes + 1> strata; // the values, in sample order
    // Series a (0-based) is seriesCodes[a]: the codes with at least two values,
    // in increasing order.
    std::vector<int> seriesCodes;

    int seriesCount() const { return static_cast<int>(seriesCodes.size()); }
    // The data label of the stratum's first value: the series name.
    std::string stratumName(int code) const;
    // The 1-based series position of a code, 0 when it is no series.
    int seriesOfCode(int code) const;
};

// hensi2so's OK with the two 1-based list positions (factor, analysis
// variable). Refuses, in this order: the same variable in both lists; a factor
// whose value rounded half to even lies outside 1..5 (NaN and infinities
// included), at the first such sample; a stratum of exactly one value.
// Positions outside 1..K are refused with InvalidArgument.
Result<StratifiedSet> buildStratifiedSet(const Dataset& data, int factorPosition, int analysisPosition);

// hakohso's rows: one per series, in series order.
struct StratumStatistics {
    int code = 0;
    std::string name;
    SeriesFigures figures;
};
std::vector<StratumStatistics> stratumStatistics(const StratifiedSet& set);

// The hakohso grid: one row per series, headed by its stratum code.
ResultTable stratifiedStatisticsTable(const std::vector<StratumStatistics>& strata);

// The series of the stratified histogram as an Analysis set: one series per
// stratum with at least two values, in code order, named by the data label of
// its first value, with its own values and statistics (values[a].size() is the
// stratum's count). n and labels are the whole set's; variables stays empty,
// as the set's two variables are not one per series.
AnalysisSet stratifiedHistogramSeries(const StratifiedSet& set);

} // namespace zel
