// The report entries of every analysis that can be reported.
#include "analysis/ReportEntry.h"

#include "analysis/control/ControlReports.h"
#include "analysis/gantt/GanttReports.h"
#include "analysis/histogram/HistogramReports.h"
#include "analysis/pareto/ParetoReports.h"
#include "analysis/scatter/ScatterReports.h"
#include "analysis/scatter/Scatter3DReports.h"
#include "analysis/statistics/StatisticsReports.h"
#include "analysis/vargraph/VariableGraphReports.h"

#include <algorithm>
#include <vector>

namespace zel {

Status addReportChart(ReportOutput& out, const std::function<bool(ChartModel&)>& fill) {
    ChartModel& model = out.charts.emplace_back();
    model.redrawReset(model.viewAngles());
    if (!fill(model)) return Status::invalidArgument("グラフを作成できません。");
    return Status::ok();
}

std::span<const ReportEntry> reportEntries() {
    static const std::vector<ReportEntry> entries = [] {
        std::vector<ReportEntry> all;
        for (const std::span<const ReportEntry> family : {
                 controlReportEntries(),
                 histogramReportEntries(),
                 statisticsReportEntries(),
                 ganttReportEntries(),
                 variableGraphReportEntries(),
                 paretoReportEntries(),
                 scatterReportEntries(),
                 scatter3DReportEntries(),
             })
            all.insert(all.end(), family.begin(), family.end());
        return all;
    }();
    return entries;
}

const ReportEntry* reportEntry(AnalysisId id) {
    for (const ReportEntry& e : reportEntries())
        if (e.analysis == id) return &e;
    return nullptr;
}

bool isReportSettingKey(std::string_view key) {
    return std::ranges::any_of(reportEntries(), [key](const ReportEntry& e) {
        return std::ranges::find(e.settingKeys, key) != e.settingKeys.end();
    });
}

} // namespace zel
