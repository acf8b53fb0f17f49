// The report entry of the scatter diagram.
#include "analysis/scatter/ScatterReports.h"

#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Regression.h"
#include "analysis/scatter/RegressionTables.h"
#include "analysis/scatter/ScatterFill.h"
#include "common/NumberText.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace zel {

namespace {

Status refused(std::string message) {
    return Status::invalidArgument(std::move(message));
}

struct ScatterSettings {
    ScatterKind kind = kScatterInitialKind;
    int degree = kScatterDefaultDegree;
    int decimals = kRegressionTableDecimals;
};

Result<ScatterSettings> readSettings(const ReportSettings& settings) {
    ScatterSettings s;
    for (const auto& [key, value] : settings) {
        if (key == "kind") {
            const ScatterKindRow* row = findScatterKind(value);
            if (!row) return refused("不明なグラフの種類です: " + value);
            s.kind = row->kind;
        } else if (key == "degree") {
            const std::optional<int> d = strictInteger(value);
            if (!d || *d < 1 || *d > ChartModel::kMaxFitDegree)
                return refused("degree= には 1 から " + std::to_string(ChartModel::kMaxFitDegree) +
                               " の整数を指定してください: " + value);
            s.degree = *d;
        } else if (key == "decimals") {
            const std::optional<int> d = strictInteger(value);
            if (!d || *d < 0 || *d > kMaxShownDecimals)
                return refused("decimals= には 0 から " + std::to_string(kMaxShownDecimals) +
                               " の整数を指定してください: " + value);
            s.decimals = *d;
        }
    }
    return s;
}

Status checkSettings(const ReportSettings& settings) {
    const Result<ScatterSettings> s = readSettings(settings);
    return s ? Status::ok() : s.status();
}

// The analysis of variance as its window shows it: f in whole numbers, ρ(%)
// at its fixed places, p as its own text.
std::optional<std::string> shownAnovaNumber(int column, double value) {
    switch (column) {
    case anovacolumns::kF:
        return generalNumberText(value);
    case anovacolumns::kRho:
        return decimalsText(value, kRhoDecimals);
    case anovacolumns::kP:
        return pValueText(value);
    default:
        return std::nullopt;
    }
}

// summary.txt: per series (series 1 is X1) r, a, b, sigma, SR, SE, ST, then
// F0 and p where the F test was made, and n: "r 1 0.98".
std::string summaryText(const RegressionResults& results) {
    std::string out;
    for (std::size_t s = 0; s < results.series.size(); ++s) {
        const Regression& reg = results.series[s];
        const std::string series = " " + std::to_string(s + 1) + " ";
        std::vector<std::pair<const char*, double>> lines = {
            {"r", reg.r},   {"a", reg.a},   {"b", reg.b},  {"sigma", reg.sigma},
            {"SR", reg.sr}, {"SE", reg.se}, {"ST", reg.st}};
        if (reg.f0) lines.emplace_back("F0", *reg.f0);
        if (reg.p) lines.emplace_back("p", *reg.p);
        lines.emplace_back("n", reg.n);
        for (const auto& [name, value] : lines)
            out += name + series + generalNumberText(value) + "\n";
    }
    return out;
}

Result<ReportOutput> scatter(const ReportRequest& request) {
    const Result<ScatterSettings> given = readSettings(request.settings);
    if (!given) return given.status();
    if (request.positions.size() < 2)
        return refused("散布図は --var にＹ軸の変数、続けてＸ軸の変数を１つか２つ指定してください。");
    // hensi2's and hensi3's check, then the set as the dialog builds it.
    if (const std::string same = sameVariableMessage(request.positions); !same.empty()) return refused(same);
    const Result<AnalysisSet> set = buildAnalysisSet(request.data, request.positions);
    if (!set) return set.status();
    // The window would open with empty tables; the report writes nothing.
    RegressionResults results;
    if (const Status computed = computeRegressionResults(set.value(), results); !computed) return computed;

    ReportOutput out;
    out.tables.push_back({WindowId::kaibun, anovaTable(results), given->decimals, shownAnovaNumber});
    out.tables.push_back({WindowId::kaityo, regressionLineTable(results, given->decimals), given->decimals});
    const ScatterOptions options = scatterOptions(set.value(), true, given->degree);
    const Status drawn = addReportChart(out, [&](ChartModel& model) {
        return fillScatterChart(model, set.value(), results.series, given->kind, options);
    });
    if (!drawn) return drawn;
    out.titleContext = scatterTitleContext(set.value(), given->kind);
    out.summary = summaryText(results);
    return out;
}

constexpr std::string_view kKeys[] = {"kind", "degree", "decimals"};

constexpr std::array<ReportEntry, 1> kEntries{{
    {AnalysisId::Scatter, WindowId::sanpuzu, 3, {}, true, kKeys, checkSettings, scatter},
}};

} // namespace

std::span<const ReportEntry> scatterReportEntries() {
    return kEntries;
}

} // namespace zel
