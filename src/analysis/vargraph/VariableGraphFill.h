// How the variable graph window fills its chart from the Analysis set: the
// kinds of its kind list (which depends on the series count), the values sample
// by sample, the data labels, the classification marks, the names (title or
// legend rule), the bounds axis, the statistics-line code of the line kind, and
// the two one-series kinds that draw reference lines as series: "３σ線" (mean
// ± 3 sd) and "規格の入力" (limits the user types in). Data only: the redraw
// puts the grid lines, the 3-D angles and the titles on afterwards.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/histogram/HistogramFill.h"
#include "components/chart/ChartModel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Which name a kind shows: series name 1 under the chart (title rule), the
// legends (legend rule), or the one or the other by the series count.
enum class VariableGraphNames { Title, ByCount, Legend };

// Which kind-dependent menu entries a kind enables.
enum class VariableGraphMenus {
    Common,            // none
    Pie,               // classification and separation; no scale dialog
    ClassifyOneSeries, // classification while there is one series
    Line,              // separation and the statistics-line dialog
};

// What a kind draws beyond the values.
enum class VariableGraphExtra {
    None,
    BoundsAxis,     // the value axis fixed to the bounds of the values
    LineStatistics, // bounds axis, four ticks and the statistics lines of the switches
    ThreeSigma,     // series 2 and 3: mean + 3 sd and mean - 3 sd of series 1
    Limits,         // series 2, 3, 4: upper limit, lower limit and their midpoint
};

struct VariableGraphKind {
    std::string_view name;
    ChartType type;
    int style;
    VariableGraphNames names;
    VariableGraphMenus menus;
    VariableGraphExtra extra;
};

// Every kind the window can draw itself, in list order: the fifteen of every
// series count, the two of one series, the two of several series.
inline constexpr std::size_t kVariableGraphKindCount = 19;
const std::array<VariableGraphKind, kVariableGraphKindCount>& variableGraphKinds();
const VariableGraphKind* findVariableGraphKind(std::string_view name);

inline constexpr const char* kVariableGraphLineKind = "折れ線グラフ";
inline constexpr const char* kThreeSigmaKind = "３σ線";
inline constexpr const char* kVariableGraphEnteredKind = "規格の入力";
// The kind the window gains when the analysis is the Pareto chart.
inline constexpr const char* kVariableGraphParetoKind = "パレート図";

// The kind list for a series count: the fifteen common kinds, then "３σ線" and
// "規格の入力" for one series, else the two stacked area kinds; with
// paretoAnalysis "パレート図" is appended.
std::vector<std::string_view> variableGraphKindList(int seriesCount, bool paretoAnalysis);
// The kind selected on opening: "パレート図" for the Pareto chart, else "折れ線グラフ".
std::string_view initialVariableGraphKind(bool paretoAnalysis);

// The enabled state of the kind-dependent menu entries after a fill.
struct VariableGraphMenuState {
    bool scale = true;           // "最大最小値指定(&M)"
    bool statistics = false;     // "統計情報線の設定(&S)"
    bool separation = false;     // "データの分離"
    bool classification = false; // "区分データの指定(&K)"
};
VariableGraphMenuState variableGraphMenuState(const VariableGraphKind& kind, int seriesCount);

// The four statistics-line switches (1 on, 0 off), in this order.
namespace statlineswitch {
constexpr std::size_t kMean = 0;
constexpr std::size_t kSigma = 1;
constexpr std::size_t kMaxMin = 2;
constexpr std::size_t kTrend = 3;
} // namespace statlineswitch
using StatLineSwitches = std::array<std::int16_t, 4>;
// The switches at program start: mean and standard deviation on.
inline constexpr StatLineSwitches kInitialStatLineSwitches{1, 1, 0, 0};
// StatLines of the line kind: 1 mean + 2 maximum and minimum + 4 standard
// deviations + 8 trend, each while its switch is on.
int statLinesCode(const StatLineSwitches& switches);
// The StatLines of "３σ線" and "規格の入力": mean and standard deviations.
inline constexpr int kReferenceKindStatLines = statlines::kMean | statlines::kSigma;

// The largest and smallest value drawn (they seed the scale dialog).
struct ValueBounds {
    double upper = 0.0;
    double lower = 0.0;
};
// Over every series and position; 0, 0 for an empty set.
ValueBounds valueBounds(const AnalysisSet& set);
// The two lines of "３σ線": mean + 3 sd and mean - 3 sd.
struct ThreeSigmaLines {
    double upper = 0.0;
    double lower = 0.0;
};
ThreeSigmaLines threeSigmaLines(const SeriesStatistics& stats);
// bounds widened to take in the lines upper and lower.
ValueBounds widenedBounds(ValueBounds bounds, double upper, double lower);

// Entered limits the fill can draw: given, not cancelled, upper not below lower.
bool usableEnteredLimits(const std::optional<EnteredLimits>& limits);

struct VariableGraphInput {
    std::string kind = kVariableGraphLineKind;
    bool showNames = true; // "表示" checked (else "非表示")
    StatLineSwitches switches = kInitialStatLineSwitches;
    // "規格の入力": the limits dialog's answer.
    std::optional<EnteredLimits> entered;
};

// Does the kind put series name 1 under the chart for this series count?
bool usesTitleRule(const VariableGraphKind& kind, int seriesCount);
// The bottom title of the title rule: series name 1 when the kind uses the
// title rule and the names are shown, else empty.
std::string variableGraphBottomTitle(const AnalysisSet& set, const VariableGraphInput& input);

// Fills the chart with the data of the kind (after the redraw reset) and gives
// back the bounds the chart was drawn with. The flags F(i) are one per sample
// position, with the codes of classflags (HistogramFill.h); flags shorter than
// n count as 2 (no classification).
// Nothing (and a model holding at most the values) for an unknown kind, an
// empty set, or "規格の入力" without usable entered limits.
std::optional<ValueBounds> fillVariableGraph(ChartModel& model, const AnalysisSet& set,
                                             std::span<const std::int16_t> flags,
                                             const VariableGraphInput& input);

} // namespace zel
