// The Gantt chart's data: project names, the set, the fill and the clicks.
#include "analysis/gantt/GanttChart.h"

#include "common/NumberText.h"
#include "dataset/DatasetFile.h"

#include <cstdint>

namespace zel {

namespace {

// value(k, p) of the set, 1-based; value(0, p) is 0.
double valueAt(const AnalysisSet& set, int series, int point) {
    if (series == 0) return 0.0;
    return set.values[static_cast<std::size_t>(series - 1)][static_cast<std::size_t>(point - 1)];
}

} // namespace

std::vector<std::string> ganttKindList() {
    return {kGanttPlainKind, kGanttGapsKind};
}

std::optional<GanttKind> findGanttKind(std::string_view name) {
    if (name == kGanttPlainKind) return GanttKind::Plain;
    if (name == kGanttGapsKind) return GanttKind::Gaps;
    return std::nullopt;
}

Status storeProjectNames(Dataset& data, const std::vector<std::string>& names) {
    const int n = data.sampleCount();
    if (static_cast<std::int64_t>(names.size()) != n)
        return Status::invalidArgument("プロジェクトの数がデータ数と合いません。");
    return storeNameTexts(data, NameTexts::DataLabels, names);
}

AnalysisSet ganttAnalysisSet(const Dataset& data) {
    AnalysisSet set;
    const int k = data.variableCount();
    set.seriesCount = k;
    set.n = data.usedSampleCount();
    set.values.resize(static_cast<std::size_t>(k));
    for (int j = 1; j <= k; ++j) {
        set.variables.push_back(j);
        set.names.push_back(data.name(j));
        set.values[static_cast<std::size_t>(j - 1)].reserve(static_cast<std::size_t>(set.n));
    }
    set.labels.reserve(static_cast<std::size_t>(set.n));
    for (int i = 1; i <= data.sampleCount(); ++i) {
        if (data.mask(i) != 0) continue;
        for (int j = 1; j <= k; ++j)
            set.values[static_cast<std::size_t>(j - 1)].push_back(data.value(i, j));
        set.labels.push_back(data.label(i));
        set.samples.push_back(i);
    }
    return set;
}

bool fillGanttChart(ChartModel& model, const AnalysisSet& set, GanttKind kind, bool showLegend) {
    const int k = set.seriesCount, n = set.n;
    if (k < 2 || n < 1 || !ChartModel::shapeFits(k, n) || static_cast<int>(set.values.size()) != k)
        return false;
    model.redrawReset(model.viewAngles());
    model.clearArray(clearcodes::kValues);
    model.clearArray(clearcodes::kXPositions);
    model.clearArray(clearcodes::kExtras);
    model.setFreshShape(k, n);
    // The raw times, not differences: the chart moves on to the next series
    // after the last point of one.
    for (int s = 1; s <= k; ++s)
        for (int p = 1; p <= n; ++p)
            model.setPointValue(valueAt(set, s, p));
    for (int s = 1; s <= k; ++s)
        model.setLegendAt(s, showLegend ? set.names[static_cast<std::size_t>(s - 1)] : std::string());
    model.setChartType(static_cast<int>(ChartType::Gantt));
    model.setChartStyle(kind == GanttKind::Plain ? chartstyles::kGanttPlain : chartstyles::kGanttGaps);
    for (int p = 1; p <= n; ++p)
        model.setPointLabelAt(p, set.labels[static_cast<std::size_t>(p - 1)]);
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    return true;
}

std::optional<GanttClick> ganttClick(const AnalysisSet& set, int series, int point) {
    if (series < 1 || series > set.seriesCount || point < 1 || point > set.n) return std::nullopt;
    GanttClick c;
    c.task = series - 1;
    c.start = valueAt(set, series - 1, point);
    c.end = valueAt(set, series, point);
    c.duration = c.end - c.start;
    c.project = set.labels[static_cast<std::size_t>(point - 1)];
    return c;
}

GanttReadout ganttReadout(const GanttClick& click) {
    return {signedNumberText(click.task), signedNumberText(click.start), signedNumberText(click.end),
            signedNumberText(click.duration), click.project};
}

std::vector<NegativeTask> negativeTasks(const AnalysisSet& set) {
    std::vector<NegativeTask> out;
    for (int p = 1; p <= set.n; ++p)
        for (int s = 2; s <= set.seriesCount; ++s) {
            const double d = valueAt(set, s, p) - valueAt(set, s - 1, p);
            if (d < 0) out.push_back({p, s - 1, d});
        }
    return out;
}

std::string projectName(const AnalysisSet& set, int point) {
    const std::string& label = set.labels[static_cast<std::size_t>(point - 1)];
    return label.empty() ? rowHeading(point) : label;
}

std::string negativeTaskList(const AnalysisSet& set) {
    std::string out;
    for (const NegativeTask& t : negativeTasks(set)) {
        if (!out.empty()) out += "、";
        out += projectName(set, t.point) + " 作業" + std::to_string(t.task);
    }
    return out;
}

} // namespace zel
