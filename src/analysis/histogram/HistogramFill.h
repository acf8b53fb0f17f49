// How the histogram window fills its chart from the Class table: the eighteen
// kinds of its kind list, the counts, the class labels (ranges or mid-values),
// the marks of the classified classes, the legends, and for the two
// "－平均値" kinds the numeric class axis with the mean markers. Data only: the
// redraw puts the grid lines, the 3-D angles and the titles on afterwards.
#pragma once

#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "components/chart/ChartModel.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zel {

// Which name a kind shows: the series name under the chart (title rule), the
// legends (legend rule), the one or the other by the series count, or none.
enum class HistogramNames { Title, ByCount, Legend, Hidden };

// Which menu entries a kind enables beyond the ones every kind has.
enum class HistogramMenus {
    Common,            // only the entries every kind has
    Pie,               // classification and separation; no scale dialog
    ClassifyOneSeries, // classification while there is one series
    Separation,        // separation only
    Mean,              // legend and label menus off
};

struct HistogramKind {
    std::string_view name;
    ChartType type;
    int style;
    HistogramNames names;
    HistogramMenus menus;
    bool labels; // class labels on the points
    bool marks;  // the classified classes marked
    bool mean;   // the numeric class axis with the mean markers
};

inline constexpr std::size_t kHistogramKindCount = 18;
// The kinds in list order.
const std::array<HistogramKind, kHistogramKindCount>& histogramKinds();
const HistogramKind* findHistogramKind(std::string_view name);

inline constexpr const char* kHistogramBarKind = "棒グラフ";
inline constexpr const char* kHistogramZBarKind = "Ｚ軸立体棒";
// The kind the window opens on: "棒グラフ" for one series, "Ｚ軸立体棒" otherwise.
std::string_view initialHistogramKind(int seriesCount);

// The enabled state of the kind-dependent menu entries after a fill.
struct HistogramMenuState {
    bool scale = true;           // "最大最小値指定(&M)"
    bool classification = false; // "区分データの指定(&K)"
    bool separation = false;     // "データの分離"
    bool legend = true;          // "凡例"
    bool labels = true;          // "ラベル表示(&L)"
};
HistogramMenuState histogramMenuState(const HistogramKind& kind, int seriesCount);

// The kinds whose data elements pop the separation menu up on a right click.
bool popsSeparationMenu(std::string_view kind);

// Codes of the classification flags F(k).
namespace classflags {
constexpr std::int16_t kUnmarked = 0;
constexpr std::int16_t kMarked = 1;
constexpr std::int16_t kNone = 2;
} // namespace classflags
// PointPattern of a marked class.
inline constexpr int kMarkedPattern = 4;

struct HistogramInput {
    std::string kind = kHistogramBarKind;
    bool midLabels = false; // "区間の平均値" checked (else the ranges)
    bool showNames = true;  // "表示" checked (else "非表示")
};

// Does the kind put the series name under the chart for this series count?
bool usesTitleRule(const HistogramKind& kind, int seriesCount);
// The bottom title of the title rule: series name 1 when the kind uses the
// title rule and the names are shown, else empty.
std::string histogramBottomTitle(const ClassTable& table, const HistogramInput& input);

// Fills the chart with the data of the kind (after the redraw reset). Flags
// shorter than K count as 2 for the missing classes. Returns false for an
// unknown kind (the model then holds the counts only).
bool fillHistogram(ChartModel& model, const ClassTable& table, const ClassLabelTexts& labels,
                   std::span<const std::int16_t> flags, const HistogramInput& input);

// The mean marker height base: the largest count over all series and classes.
double largestCount(const ClassTable& table);

// The largest and smallest count drawn while a window is open; both start at 0.
struct CountExtremes {
    double largest = 0.0;
    double smallest = 0.0;
    void take(const ClassTable& table);
};

} // namespace zel
