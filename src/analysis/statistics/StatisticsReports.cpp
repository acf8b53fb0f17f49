// The report entries of the statistics by variable and by stratum.
#include "analysis/statistics/StatisticsReports.h"

#include "analysis/statistics/ComparisonGraph.h"
#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"
#include "common/NumberText.h"

#include <array>
#include <string_view>

namespace zel {

namespace {

// The count column ("データ数") of the statistics tables.
constexpr int kCountColumn = 2;

// The kind= value, checked against the kinds the window's list offers.
Result<ComparisonKind> readKind(const ReportSettings& settings, bool stratified) {
    std::string kind = kStatisticsFigureKind;
    for (const auto& [key, value] : settings)
        if (key == "kind") kind = value;
    const std::optional<ComparisonKind> found = findComparisonKind(kind, stratified);
    if (!found) return Status::invalidArgument("不明なグラフの種類です: " + kind);
    return *found;
}

template <bool stratified> Status checkSettings(const ReportSettings& settings) {
    const Result<ComparisonKind> kind = readKind(settings, stratified);
    return kind ? Status::ok() : kind.status();
}

// The table as the window shows it: the counts are whole numbers there, so
// they are kept as their text rather than shown with the figures' places.
ResultTable withWholeCounts(ResultTable table) {
    for (int r = 1; r <= table.rows; ++r) {
        ResultCell& cell = table.at(r, kCountColumn);
        if (cell.number) table.setText(r, kCountColumn, generalNumberText(*cell.number));
        cell.number.reset();
    }
    return table;
}

// summary.txt: per series (1-based) its count, maximum, minimum, mean,
// variance, standard deviation and sum, "mean 1 4".
std::string summaryText(const ComparisonSource& source) {
    std::string out;
    for (std::size_t a = 0; a < source.series.size(); ++a) {
        const SeriesFigures& f = source.series[a].figures;
        const std::string series = " " + std::to_string(a + 1) + " ";
        const std::pair<const char*, double> lines[] = {
            {"n", f.count},           {"max", f.max}, {"min", f.min}, {"mean", f.mean},
            {"variance", f.variance}, {"sd", f.sd},   {"sum", f.sum}};
        for (const auto& [name, value] : lines)
            out += name + series + generalNumberText(value) + "\n";
    }
    return out;
}

// The table, the chart of the kind and the summary of one source.
Result<ReportOutput> output(WindowId tableWindow, ResultTable table, const ComparisonSource& source,
                            ComparisonKind kind) {
    ReportOutput out;
    out.tables.push_back({tableWindow, withWholeCounts(std::move(table)), kStatisticsDecimals});
    const Status drawn =
        addReportChart(out, [&](ChartModel& model) { return fillComparisonChart(model, source, kind); });
    if (!drawn) return drawn;
    out.summary = summaryText(source);
    return out;
}

Result<ReportOutput> variableStats(const ReportRequest& request) {
    const Result<ComparisonKind> kind = readKind(request.settings, false);
    if (!kind) return kind.status();
    const VariableStatistics stats = computeVariableStatistics(request.data);
    return output(WindowId::hakoh, variableStatisticsTable(stats), variableComparison(stats), kind.value());
}

Result<ReportOutput> stratifiedStats(const ReportRequest& request) {
    const Result<ComparisonKind> kind = readKind(request.settings, true);
    if (!kind) return kind.status();
    // hensi2so's checks, with its messages.
    const Result<StratifiedSet> set =
        buildStratifiedSet(request.data, request.positions.at(0), request.positions.at(1));
    if (!set) return set.status();
    const std::vector<StratumStatistics> strata = stratumStatistics(set.value());
    return output(WindowId::hakohso, stratifiedStatisticsTable(strata),
                  stratifiedComparison(set.value(), strata), kind.value());
}

constexpr std::string_view kKeys[] = {"kind"};

constexpr std::array<ReportEntry, 2> kEntries{{
    {AnalysisId::VariableStatistics,
     WindowId::hakohg,
     0,
     {},
     false,
     kKeys,
     checkSettings<false>,
     variableStats},
    {AnalysisId::StratifiedStatistics,
     WindowId::hakohg,
     2,
     {},
     false,
     kKeys,
     checkSettings<true>,
     stratifiedStats},
}};

} // namespace

std::span<const ReportEntry> statisticsReportEntries() {
    return kEntries;
}

} // namespace zel
