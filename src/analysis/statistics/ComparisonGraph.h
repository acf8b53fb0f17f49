// The comparison graph hakohg: one mean-and-spread figure per variable (or per
// stratum), all raw values per variable, or the values of each stratum at its
// position. The window and the report fill the same chart from the data here.
#pragma once

#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"
#include "components/chart/ChartModel.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The kinds of the list "グラフ種類".
enum class ComparisonKind {
    Statistics,     // one figure per series
    RawData,        // every value per variable (statistics by variable only)
    StratifiedData, // every value at its stratum's position (strata only)
};
inline constexpr const char* kStatisticsFigureKind = "変数別統計量";
inline constexpr const char* kRawDataKind = "生データプロット";
inline constexpr const char* kStratifiedDataKind = "層別データプロット";

// What the graph draws from: per series its name and figures (the count is n
// for a variable and the stratum's count for a stratum), and the values.
struct ComparisonSeries {
    std::string name;
    SeriesFigures figures;
};
struct ComparisonSource {
    bool stratified = false;
    std::vector<ComparisonSeries> series;
    // By variable: values[k][i] is value i of series k.
    std::vector<std::vector<double>> values;
    // By stratum: every value of the set in sample order with the 1-based
    // series position of its stratum.
    std::vector<double> pooledValues;
    std::vector<int> pooledSeries;
};

ComparisonSource variableComparison(const VariableStatistics& stats);
ComparisonSource stratifiedComparison(const StratifiedSet& set, const std::vector<StratumStatistics>& strata);

// The kind list: "変数別統計量", then "生データプロット" by variable or
// "層別データプロット" by stratum. "変数別統計量" is preselected.
std::vector<std::string> comparisonKindList(bool stratified);
// A kind by its list text; nothing for a text the list does not hold.
std::optional<ComparisonKind> findComparisonKind(std::string_view name, bool stratified);

// The value axis: fixed from bottom to top.
struct ValueAxis {
    double top = 0.0;
    double bottom = 0.0;
};

// The seven sets of one figure, in set order: the lower whisker end
// min(MIN, mean - sd), mean - sd twice, the mean, mean + sd twice and the
// upper whisker end max(MAX, mean + sd).
inline constexpr int kFigureSets = 7;
using FigureSets = std::array<double, kFigureSets>;
FigureSets figureSets(const SeriesFigures& f);

// "変数別統計量": one figure per series, labelled by the series names. The
// axis starts from MIN and MAX of series 1 and takes in every MAX and MIN and
// every mean ± sd beyond them, so every whisker fits.
struct StatisticsFigures {
    std::vector<FigureSets> figures;
    std::vector<std::string> labels;
    ValueAxis axis;
};
StatisticsFigures statisticsFigures(const ComparisonSource& source);

// "生データプロット": one chart series per value position i, one point per
// variable k, laid out series after series (values[i * pointCount + k]); the
// axis spans the largest and smallest value.
struct RawDataPlot {
    int seriesCount = 0; // n
    int pointCount = 0;  // variables
    std::vector<double> values;
    std::vector<std::string> labels; // per point: the variable names
    ValueAxis axis;
};
RawDataPlot rawDataPlot(const ComparisonSource& source);

// "層別データプロット": value i at x = its stratum's series position; the x axis
// runs from 0 to the series count with one tick per series.
struct StratifiedDataPlot {
    std::vector<double> values;
    std::vector<double> xPositions;
    int positions = 0; // the series count
    ValueAxis axis;
};
StratifiedDataPlot stratifiedDataPlot(const ComparisonSource& source);

// Fills the chart for a kind up to (not including) Action 2: the redraw reset
// (point labels, legends, statistics lines, reset switch one, automatic Y
// scale, overlay off, series roles; the 3-D angles kept), cleared values,
// x positions and point extras, then the kind's shape, type, style, values,
// fixed axis and point labels, and the cursor on series 1, point 1. Grid
// lines, 3-D angles and titles are the redraw's (applyChartSettings).
// Returns false, leaving the model as it was, for a kind the source does not
// offer, for a source without series or values, and for a shape the chart
// cannot hold.
bool fillComparisonChart(ChartModel& model, const ComparisonSource& source, ComparisonKind kind);

// The series a click on a chart point reports: the point itself, or with
// "層別データプロット" (where a point is a value position) its stratum's series.
// 0 when it names no series.
int clickedComparisonSeries(const ComparisonSource& source, ComparisonKind kind, int point);

// The read-only fields for a series as signed number texts: "変数ナンバー"
// (Textset), "ＭＡＸデータ", "ＭＩＮデータ", "平均", "分散", "標準偏差" and
// "データ数". Nothing outside 1..series count.
struct ComparisonReadout {
    std::string set, max, min, mean, variance, sd, count;
};
std::optional<ComparisonReadout> comparisonReadout(const ComparisonSource& source, int series);

} // namespace zel
