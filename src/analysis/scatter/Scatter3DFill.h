// The three-dimensional scatter diagram: the three kinds of its kind list, the
// chart fill from the Analysis set (series 1 = Y up, 2 = X across, 3 = Z in
// depth), what a click on a point shows in the panel, the default titles'
// variable names and the report's summary. Data only: the redraw puts the grid
// lines, the 3-D angles and the titles on afterwards.
#pragma once

#include "analysis/AnalysisSet.h"
#include "components/chart/ChartModel.h"
#include "presentation/TitleTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The kinds of the list "グラフ種類", in list order; the chart style of each
// is its own (kScatter3DMarkers, kScatter3DDropLines, kScatter3DJoined).
enum class Scatter3DKind { Markers, DropLines, Joined };
inline constexpr const char* kScatter3DMarkersKind = "立体散布図";
inline constexpr const char* kScatter3DDropLinesKind = "立体散布図（縦棒）";
inline constexpr const char* kScatter3DJoinedKind = "立体散布図（線）";
// The list texts in list order; the first is the kind the window opens on.
std::vector<std::string> scatter3DKindList();
// A kind by its list text; nothing for a text the list does not hold.
std::optional<Scatter3DKind> findScatter3DKind(std::string_view name);
int scatter3DStyle(Scatter3DKind kind);

// The series the chart needs: Y, X and Z.
inline constexpr int kScatter3DSeries = 3;

// Fills the chart after the redraw reset: one series of n points, the values
// Y, ChartType 21 with the kind's style, the x positions X and the z positions
// Z, the cursor left on series 1, point 1. Returns false, leaving the model as
// it was, for a set without points, with fewer than three series, or with a
// shape the chart cannot hold.
bool fillScatter3DChart(ChartModel& model, const AnalysisSet& set, Scatter3DKind kind);
// Whether the fill takes the set.
bool canFillScatter3D(const AnalysisSet& set);

// The panel after a click on point `point` of series `series`: "変数ナンバー"
// (Textset) the series, "データ値（Ｙ）" (Textpoint) the chart's value of the
// point, "データ値（Ｘ）" (Text5) and "データ値（Ｚ）" (Text1) the point's X
// and Z, all as signed number texts. Nothing for a point the set does not hold.
struct Scatter3DReadout {
    std::string series, y, x, z;
};
std::optional<Scatter3DReadout> scatter3DReadout(const AnalysisSet& set, int series, int point,
                                                 double chartValue);

// The names the default titles take: Y left, X below, Z right.
TitleContext scatter3DTitleContext(const AnalysisSet& set);

// summary.txt of the report: "n <count>", then for Y, X and Z (by their role
// letter) "min <role> <value>", "max <role> <value>" and "mean <role> <value>",
// the values as general number text.
std::string scatter3DSummary(const AnalysisSet& set);

} // namespace zel
