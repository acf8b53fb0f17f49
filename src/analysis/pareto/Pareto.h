// The Pareto analysis: the item values of the unmasked samples (one variable,
// or "合計", the sum of every variable of each sample), the items ranked by
// value with their percentages and cumulative percentages as the table shows
// them, the top N kept with the rest folded into "その他", and the chart kind
// "パレート図": bars in falling order with the cumulative line on the right
// axis, 0..100. Data only: the redraw puts the grid lines, 3-D angles and titles on.
#pragma once

#include "analysis/AnalysisSet.h"
#include "common/ResultTable.h"
#include "common/Status.h"
#include "components/chart/ChartModel.h"
#include "dataset/Dataset.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The entry after the variables in pare1's list: the sum of every variable of each sample.
inline constexpr const char* kParetoTotalEntry = "合計";
// The item the tail is folded into.
inline constexpr const char* kParetoOthersName = "その他";
// A selection whose values sum to 0 or less.
inline constexpr std::string_view kParetoSumRefusal = "データを確認して下さい。";
// The places the percent columns show, and so the places the cumulative sum adds.
inline constexpr int kParetoPercentDecimals = 4;
// The last cumulative cell of the table reads this, whatever the running sum.
inline constexpr double kParetoFullPercent = 100.0;
// The fewest items the item count dialog keeps.
inline constexpr int kParetoMinKept = 2;
// The kind of the variable graph window that draws the chart.
inline constexpr const char* kParetoKind = "パレート図";

// pare1's OK: the one series of item values from list position `position`
// (1..K a variable, K + 1 "合計"), one value per unmasked sample in sample
// order, labelled with the sample's data label, with its statistics. A
// position outside 1..K + 1 is refused with InvalidArgument.
Result<AnalysisSet> buildParetoSet(const Dataset& data, int position);

// The refusal of a set whose values sum (in order) to 0 or less.
Status checkParetoSum(const AnalysisSet& set);

// The items in table order.
struct ParetoItems {
    std::vector<std::string> names;
    std::vector<double> values;
    std::vector<double> percents;   // each value's share of the total as the table shows it
    std::vector<double> cumulative; // P(i): the running sum of the shown percents
    int count() const { return static_cast<int>(values.size()); }
};

// pareko on opening: the items sorted by their percentage, largest first,
// equal ones in sample order; each value as the table shows it (general
// number text) and read back; the percents at kParetoPercentDecimals places;
// P(i) their running sum. Series 1 of the set is used.
ParetoItems rankParetoItems(const AnalysisSet& set);

// The table pareko shows: "項目no." with "NO." + row, "項　目", "データ", "％"
// and "累積％", the last cumulative cell 100.
ResultTable paretoTable(const ParetoItems& items);

// pareno's OK: the first `kept` items, and when kept < count one more,
// "その他", with the sum of the rest (in table order) and P = 100. kept is held
// in kParetoMinKept..count.
ParetoItems keepTopItems(const ParetoItems& items, int kept);

// The items read back into the Analysis set: series 1's values and the data
// labels in table order, n the item count. The statistics stay those of pare1.
void storeParetoItems(AnalysisSet& set, const ParetoItems& items);

// The chart kind "パレート図" (after the redraw reset): one bar per item in
// table order, touching, on a value axis from 0 to the total; the item names;
// the classification marks of flags (2 none, 1 marked, 0 unmarked; missing
// flags count as 2); and the cumulative line P on the right axis from 0 to
// 100. False, with nothing drawn, for no items.
bool fillParetoChart(ChartModel& model, const ParetoItems& items, std::span<const std::int16_t> flags = {});

} // namespace zel
