// How the scatter window fills its chart: the five kinds of its kind list, the
// Y values of every series, the x positions (the X values, or the sample
// numbers for the time-ordered residuals), the residuals about each series'
// least-squares line, the chart type, style and statistics lines, the fitted
// curve's degree and parameters, and the legends. Data only: the redraw puts
// the grid lines, the 3-D angles and the titles on afterwards. The scatter
// window and the report both fill through fillScatterChart.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Regression.h"
#include "components/chart/ChartModel.h"
#include "presentation/TitleTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The kinds in list order.
enum class ScatterKind { Scatter, RegressionLine, Residuals, TimeResiduals, RegressionCurve };

// Where the points stand along the x axis.
enum class ScatterXPositions { XValues, SampleNumbers };

struct ScatterKindRow {
    std::string_view name;
    ScatterKind kind;
    ChartType type;
    int style;
    int statLines;
    bool residuals;              // values are the residuals e_i rather than y_i
    ScatterXPositions positions; // x_i or i
    bool legends;                // the X names as legends (two X variables, "表示")
    bool fittedCurve;            // fit degree and fit parameters, after the degree dialog
};

inline constexpr std::size_t kScatterKindCount = 5;
const std::array<ScatterKindRow, kScatterKindCount>& scatterKinds();
const ScatterKindRow* findScatterKind(std::string_view name);
const ScatterKindRow& scatterKind(ScatterKind kind);

// The kind the window opens on.
inline constexpr ScatterKind kScatterInitialKind = ScatterKind::RegressionLine;
// The degree the fitted curve starts with, and the one the degree dialog shows
// while no degree is stored (a stored 0).
inline constexpr int kScatterDefaultDegree = 2;
// Both fit parameters of the fitted curve: the curve spans the data's x range,
// drawn in 120 segments.
inline constexpr int kScatterFitParameter = 12;

// The degree the degree dialog shows: a stored 0 (none yet) counts as 2.
int shownPolynomialDegree(int stored);

struct ScatterOptions {
    bool showLegend = true;            // "凡例" > "表示" checked
    int fitDegree = kScatterDefaultDegree; // the degree of the fitted curve of "回帰曲線"
    std::vector<std::string> xNames;   // the X variables' names, series 1 first
};

// The options of a set: the X names are the names of series 2.. of the set.
ScatterOptions scatterOptions(const AnalysisSet& set, bool showLegend, int fitDegree);

// Fills the chart (after the redraw reset) with k - 1 series of n points of
// the set (series 1 Y, series 2.. the X variables). Residuals take a and b of
// regressions[s - 1]; a series without one (the computation was refused)
// counts a = b = 0, so its residuals are its Y values. Returns false, and
// leaves the model as it was, when the set has no X series or no samples or
// more than the chart holds.
bool fillScatterChart(ChartModel& model, const AnalysisSet& set, const std::vector<Regression>& regressions,
                      ScatterKind kind, const ScatterOptions& options);

// What the default titles of the scatter window depend on: the kind text, the
// Y and first X names and the X count.
TitleContext scatterTitleContext(const AnalysisSet& set, ScatterKind kind);

} // namespace zel
