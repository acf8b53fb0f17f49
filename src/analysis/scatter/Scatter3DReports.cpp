// The report entry of the three-dimensional scatter.
#include "analysis/scatter/Scatter3DReports.h"

#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Scatter3DFill.h"

#include <array>
#include <optional>
#include <string_view>

namespace zel {

namespace {

Result<Scatter3DKind> readKind(const ReportSettings& settings) {
    Scatter3DKind kind = Scatter3DKind::Markers;
    for (const auto& [key, value] : settings) {
        if (key != "kind") continue;
        const std::optional<Scatter3DKind> k = findScatter3DKind(value);
        if (!k) return Status::invalidArgument("不明なグラフの種類です: " + value);
        kind = *k;
    }
    return kind;
}

Status checkSettings(const ReportSettings& settings) {
    const Result<Scatter3DKind> k = readKind(settings);
    return k ? Status::ok() : k.status();
}

Result<ReportOutput> scatter3D(const ReportRequest& request) {
    const Result<Scatter3DKind> kind = readKind(request.settings);
    if (!kind) return kind.status();
    // hensi3's check, then the set as its "OK" builds it.
    if (const std::string same = sameVariableMessage(request.positions); !same.empty())
        return Status::invalidArgument(same);
    const Result<AnalysisSet> set = buildAnalysisSet(request.data, request.positions);
    if (!set) return set.status();
    ReportOutput out;
    const Status drawn = addReportChart(
        out, [&](ChartModel& model) { return fillScatter3DChart(model, set.value(), kind.value()); });
    if (!drawn) return drawn;
    out.titleContext = scatter3DTitleContext(set.value());
    out.summary = scatter3DSummary(set.value());
    return out;
}

constexpr std::string_view kKeys[] = {"kind"};

constexpr std::array<ReportEntry, 1> kEntries{{
    {AnalysisId::Scatter3D, WindowId::rsanpu, kScatter3DSeries, {}, false, kKeys, checkSettings, scatter3D},
}};

} // namespace

std::span<const ReportEntry> scatter3DReportEntries() {
    return kEntries;
}

} // namespace zel
