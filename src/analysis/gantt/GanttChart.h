// The Gantt chart: every unmasked sample is a project and every variable a
// point in time of it; task t of a project runs from variable t to variable
// t + 1. Here: the project names typed in gantol (stored as the samples' data
// labels and written to the names file at once), the Analysis set the chart
// draws from, the chart fill of the two kinds, and what a click on a bar shows.
// The window, the report and the gallery fill the same chart from the data here.
#pragma once

#include "analysis/AnalysisSet.h"
#include "common/Status.h"
#include "components/chart/ChartModel.h"
#include "dataset/Dataset.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The kinds of the list "グラフ種類", in list order.
enum class GanttKind { Plain, Gaps };
inline constexpr const char* kGanttPlainKind = "ガントチャート";
inline constexpr const char* kGanttGapsKind = "（間隔あり）";
std::vector<std::string> ganttKindList();
// A kind by its list text; nothing for a text the list does not hold.
std::optional<GanttKind> findGanttKind(std::string_view name);

// gantol's OK: label(i) := names[i - 1] for every sample i = 1..N (masked ones
// included); then, when the dataset has files, the names file is rewritten at
// once (atomically; the values file is not touched). A label the file cannot
// hold restores every label and returns the refusal (InvalidArgument); any
// other write failure keeps the new labels and returns the failure. A name
// count other than N is refused and changes nothing.
Status storeProjectNames(Dataset& data, const std::vector<std::string>& names);

// The set the chart draws from: every variable as one series (in variable
// order, named by the variable names), one value per unmasked sample in sample
// order, the samples' labels as the project names. No statistics are used.
AnalysisSet ganttAnalysisSet(const Dataset& data);

// Fills the chart up to (not including) Action 2: the redraw reset (the 3-D
// angles kept), cleared values, then SeriesCount = K, PointCount = n, the raw
// times series after series, the legends (the series names when shown, else
// empty), ChartType 5 with the kind's style, the project names as point labels
// and the cursor on series 1, point 1. Grid lines, 3-D angles and titles are
// the redraw's. Returns false, leaving the model as it was, for a set without
// projects or with fewer than two series, or a shape the chart cannot hold.
bool fillGanttChart(ChartModel& model, const AnalysisSet& set, GanttKind kind, bool showLegend);

// A click on series s of project p: task s - 1 runs from value(s - 1, p) (0 for
// s = 1) to value(s, p). Nothing outside 1..K and 1..n.
struct GanttClick {
    int task = 0;
    double start = 0.0;
    double end = 0.0;
    double duration = 0.0; // end - start; negative when the end lies before the start
    std::string project;
};
std::optional<GanttClick> ganttClick(const AnalysisSet& set, int series, int point);

// The panel's fields for a click, as signed number texts: "作業ナンバー"
// (Textset), "開始位置データ" (Textpoint), "終了位置データ" (Text1), "期間データ"
// (Text2), and the project name "プロジェクト名" (Text3) as it is.
struct GanttReadout {
    std::string task, start, end, duration, project;
};
GanttReadout ganttReadout(const GanttClick& click);

// A task whose end lies before its start.
struct NegativeTask {
    int point = 0; // the project's row (1-based, unmasked samples)
    int task = 0;  // 1..K - 1
    double duration = 0.0;
};
std::vector<NegativeTask> negativeTasks(const AnalysisSet& set);
// The panel's list of them: "<project> 作業<t>" per task, joined by "、";
// empty when every task runs forward.
std::string negativeTaskList(const AnalysisSet& set);

// How a project is named in lists: its label, or "NO.<p>" for an empty one.
std::string projectName(const AnalysisSet& set, int point);

} // namespace zel
