// The report entry of the Pareto chart.
#include "analysis/pareto/ParetoReports.h"

#include "analysis/pareto/Pareto.h"
#include "common/NumberText.h"

#include <array>
#include <optional>
#include <string_view>

namespace zel {

namespace {

constexpr std::string_view kKeepKey = "keep";

// keep= as given; nothing when not given (every item is kept).
Result<std::optional<int>> readKeep(const ReportSettings& settings) {
    std::optional<int> keep;
    for (const auto& [key, value] : settings) {
        if (key != kKeepKey) continue;
        const std::optional<int> k = strictInteger(value);
        if (!k || *k < kParetoMinKept)
            return Status::invalidArgument("keep= には " + std::to_string(kParetoMinKept) +
                                           " 以上の整数を指定してください: " + value);
        keep = *k;
    }
    return keep;
}

Status checkSettings(const ReportSettings& settings) {
    const Result<std::optional<int>> keep = readKeep(settings);
    return keep ? Status::ok() : keep.status();
}

std::string summaryText(const ParetoItems& items) {
    std::string out;
    for (int i = 1; i <= items.count(); ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        const std::string index = " " + std::to_string(i) + " ";
        out += "item" + index + generalNumberText(items.values[at]) + "\n";
        out += "cumulative" + index + generalNumberText(items.cumulative[at]) + "\n";
        out += "label" + index + items.names[at] + "\n";
    }
    return out;
}

// pare1's OK, pareko's table, pareno's OK and the chart kind "パレート図".
Result<ReportOutput> pareto(const ReportRequest& request) {
    const Result<std::optional<int>> keep = readKeep(request.settings);
    if (!keep) return keep.status();
    const Result<AnalysisSet> set = buildParetoSet(request.data, request.positions.at(0));
    if (!set) return set.status();
    if (const Status sum = checkParetoSum(set.value()); !sum) return sum;
    const ParetoItems ranked = rankParetoItems(set.value());
    const int n = ranked.count();
    const int kept = keep.value().value_or(n);
    if (kept > n)
        return Status::invalidArgument("keep= には " + std::to_string(kParetoMinKept) + " から " +
                                       std::to_string(n) + " の整数を指定してください: " +
                                       std::to_string(kept));
    const ParetoItems drawn = keepTopItems(ranked, kept);

    ReportOutput out;
    out.tables.push_back({WindowId::pareko, paretoTable(ranked), kParetoPercentDecimals});
    const Status chart =
        addReportChart(out, [&](ChartModel& model) { return fillParetoChart(model, drawn); });
    if (!chart) return chart;
    out.summary = summaryText(drawn);
    return out;
}

constexpr std::string_view kKeys[] = {kKeepKey};

constexpr std::array<ReportEntry, 1> kEntries{{
    {AnalysisId::Pareto, WindowId::oresen, 1, kParetoTotalEntry, false, kKeys, checkSettings, pareto},
}};

} // namespace

std::span<const ReportEntry> paretoReportEntries() {
    return kEntries;
}

} // namespace zel
