// How a control-chart window fills one chart: the kind list, the values, the
// control lines (constant or per lot), the fixed Y axis, the point labels and
// texts. The chart windows and the report command both call it, so that they
// draw the same chart.
#pragma once

#include "analysis/control/ChartDataSet.h"
#include "common/Status.h"
#include "components/chart/ChartModel.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zel {

// The ten kinds of the kind lists, in list order; the defect-count window adds
// "規格の入力" as an eleventh.
const std::array<std::string, 10>& controlChartKinds();
inline constexpr const char* kLineKind = "折れ線グラフ";
inline constexpr const char* kEnteredLimitsKind = "規格の入力";
// The refusal of entered limits whose upper limit lies below the lower one.
inline constexpr const char* kEnteredLimitsReversed = "UCLとLCLのデータを確認してください。";

// Which chart of which analysis is being filled; it decides the series order
// and the point texts.
enum class ControlChartRole {
    Mean,        // Xbar-R mean chart, X-Rs X chart
    Range,       // Xbar-R range chart
    MovingRange, // X-Rs Rs chart: point numbers instead of labels; point 1 plots its 0
    P,           // P-Pn p chart
    Pn,          // P-Pn pn chart
    Counts,      // defect-count chart: counts first, then CL, UCL, LCL
};

struct ControlChartInput {
    ControlChartRole role = ControlChartRole::Mean;
    std::string kind = kLineKind; // a kind list entry
    std::vector<double> values;
    std::vector<std::string> labels;
    std::array<double, 3> lines{}; // CL, UCL, LCL (the row of L)
    // Per-point lines (P-Pn): centre, upper and lower of each point. Empty for
    // constant lines. The axis range takes them in instead of the constant lines.
    std::vector<double> pointCentre;
    std::vector<double> pointUpper;
    std::vector<double> pointLower;
    // Per-point bounds the fixed axis range takes in instead of the constant
    // lines, whether or not they are drawn (the p chart takes its lots' limits
    // even when it draws the constant ones). Empty: the drawn lines decide.
    std::vector<double> rangeUpper;
    std::vector<double> rangeLower;
    // "規格の入力" of the defect-count chart: the entered limits.
    std::optional<EnteredLimits> entered;
};

// Runs the drawing procedure up to (not including) Action 2 with the data
// alone: ClearArray 1, values and the axis bounds, the redraw reset that keeps
// the Y scale, overlay and 3-D angles, the kind, the series with their roles (the line kind: the
// centre line and the control limits; "規格の入力": the entered limits as
// specification limits around their midpoint as centre line) and the point
// labels. Every other kind leaves all series as data. Grid lines, 3-D angles
// and titles are the redraw's (applyChartSettings). Returns false
// for an unknown kind (the model is then left with the values only).
// "規格の入力" needs entered limits that were not cancelled and whose upper limit
// is not below the lower; otherwise it returns false and leaves the model as it
// was (the chart keeps its previous drawing).
bool fillControlChart(ChartModel& model, const ControlChartInput& input);

// The constant lines the chart draws as CL, UCL and LCL: the row of L, or for
// "規格の入力" with entered limits the midpoint (upper + lower) x 0.5, the
// upper and the lower limit.
std::array<double, 3> drawnControlLines(const ControlChartInput& input);

// Ok when every number the chart would draw is finite: the values, the lines
// and the per-point lines. Limits loaded from an earlier analysis can make the
// pn chart's centre line (loaded p-bar x the lot's size) overflow; such a chart
// is refused with kResultOutOfRange rather than drawn.
Status checkFiniteInput(const ControlChartInput& input);

// The inputs of the two charts of each analysis from the chart data set:
ControlChartInput xbarRInput(const ChartDataSet& cds, int chart); // 0 mean, 1 range
ControlChartInput xRsInput(const ChartDataSet& cds, int chart);   // 0 X, 1 Rs
// p chart: pPnShowing tells whether the analysis list shows "P-Pn 管理図"
// (then the p chart draws the lot limits; otherwise the constant ones).
ControlChartInput pPnInput(const ChartDataSet& cds, int chart, bool pPnShowing); // 0 p, 1 pn
ControlChartInput defectInput(const ChartDataSet& cds);

} // namespace zel
