// The report entry of the Gantt chart.
#include "analysis/gantt/GanttReports.h"

#include "analysis/AnalysisSet.h"
#include "analysis/gantt/GanttChart.h"
#include "common/NumberText.h"

#include <array>
#include <optional>
#include <string_view>

namespace zel {

namespace {

Result<GanttKind> readKind(const ReportSettings& settings) {
    GanttKind kind = GanttKind::Plain;
    for (const auto& [key, value] : settings) {
        if (key != "kind") continue;
        const std::optional<GanttKind> k = findGanttKind(value);
        if (!k) return Status::invalidArgument("不明なグラフの種類です: " + value);
        kind = *k;
    }
    return kind;
}

Status checkSettings(const ReportSettings& settings) {
    const Result<GanttKind> k = readKind(settings);
    return k ? Status::ok() : k.status();
}

Result<ReportOutput> gantt(const ReportRequest& request) {
    const Result<GanttKind> kind = readKind(request.settings);
    if (!kind) return kind.status();
    const AnalysisSet set = ganttAnalysisSet(request.data);
    ReportOutput out;
    const Status drawn = addReportChart(
        out, [&](ChartModel& model) { return fillGanttChart(model, set, kind.value(), true); });
    if (!drawn) return drawn;
    out.summary = ganttSummary(set);
    return out;
}

constexpr std::string_view kKeys[] = {"kind"};

constexpr std::array<ReportEntry, 1> kEntries{{
    {AnalysisId::Gantt, WindowId::gantog, 0, {}, false, kKeys, checkSettings, gantt},
}};

} // namespace

std::string ganttSummary(const AnalysisSet& set) {
    std::string out;
    const int k = set.seriesCount;
    for (int p = 1; p <= set.n && k >= 1; ++p) {
        const std::string name = " " + projectName(set, p) + " ";
        const auto i = static_cast<std::size_t>(p - 1);
        out += "start" + name + generalNumberText(set.values.front()[i]) + "\n";
        out += "end" + name + generalNumberText(set.values.back()[i]) + "\n";
        out += "tasks" + name + std::to_string(k - 1) + "\n";
    }
    return out;
}

std::span<const ReportEntry> ganttReportEntries() {
    return kEntries;
}

} // namespace zel
