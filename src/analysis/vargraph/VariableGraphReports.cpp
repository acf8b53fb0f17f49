// The report entry of the variable graphs.
#include "analysis/vargraph/VariableGraphReports.h"

#include "analysis/AnalysisSet.h"
#include "analysis/control/ControlChartFill.h"
#include "analysis/vargraph/VariableGraphFill.h"
#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace zel {

namespace {

Status refused(std::string message) {
    return Status::invalidArgument(std::move(message));
}

struct VariableGraphSettings {
    std::string kind = kVariableGraphLineKind;
    int statLines = statLinesCode(kInitialStatLineSwitches);
    std::optional<double> upper;
    std::optional<double> lower;
};

Result<VariableGraphSettings> readSettings(const ReportSettings& settings) {
    VariableGraphSettings s;
    for (const auto& [key, value] : settings) {
        if (key == "upper" || key == "lower") {
            const std::optional<double> v = strictNumber(value);
            if (!v) return refused(key + "= には数値を指定してください: " + value);
            (key == "upper" ? s.upper : s.lower) = *v;
        } else if (key == "statlines") {
            const std::optional<int> code = strictInteger(value);
            if (!code || *code < 0 || *code > statlines::kAll)
                return refused("statlines= には 0 から " + std::to_string(statlines::kAll) +
                               " の整数を指定してください: " + value);
            s.statLines = *code;
        } else if (key == "kind") {
            if (!findVariableGraphKind(value)) return refused("不明なグラフの種類です: " + value);
            s.kind = value;
        }
    }
    const bool entered = s.kind == kVariableGraphEnteredKind;
    if (entered && (!s.upper || !s.lower))
        return refused("kind=規格の入力 には upper= と lower= を指定してください。");
    if (!entered && (s.upper || s.lower)) return refused("upper= と lower= は kind=規格の入力 のときに使います。");
    if (entered && *s.upper < *s.lower) return refused(kEnteredLimitsReversed);
    return s;
}

Status checkSettings(const ReportSettings& settings) {
    const Result<VariableGraphSettings> s = readSettings(settings);
    return s ? Status::ok() : s.status();
}

// The switches that give a StatLines code, as toukei would leave them.
StatLineSwitches switchesOf(int code) {
    StatLineSwitches s{};
    s[statlineswitch::kMean] = (code & statlines::kMean) != 0 ? 1 : 0;
    s[statlineswitch::kMaxMin] = (code & statlines::kMaxMin) != 0 ? 1 : 0;
    s[statlineswitch::kSigma] = (code & statlines::kSigma) != 0 ? 1 : 0;
    s[statlineswitch::kTrend] = (code & statlines::kTrend) != 0 ? 1 : 0;
    return s;
}

// summary.txt: per series (1-based) its mean, standard deviation and number of
// values; for "３σ線" the two lines of series 1.
std::string summaryText(const AnalysisSet& set, const std::string& kind) {
    std::string out;
    for (int s = 0; s < set.seriesCount; ++s) {
        const SeriesStatistics& st = set.stats[static_cast<std::size_t>(s)];
        const std::string series = " " + std::to_string(s + 1) + " ";
        out += "mean" + series + generalNumberText(st.mean) + "\n";
        out += "sd" + series + generalNumberText(st.sd) + "\n";
        out += "n" + series + std::to_string(set.n) + "\n";
    }
    if (kind == kThreeSigmaKind) {
        const ThreeSigmaLines lines = threeSigmaLines(set.stats.front());
        out += "upper 1 " + generalNumberText(lines.upper) + "\n";
        out += "lower 1 " + generalNumberText(lines.lower) + "\n";
    }
    return out;
}

// hensi1/2/3's OK and oresen's chart.
Result<ReportOutput> variableGraph(const ReportRequest& request) {
    const Result<VariableGraphSettings> read = readSettings(request.settings);
    if (!read) return read.status();
    const VariableGraphSettings& given = read.value();
    if (const std::string same = sameVariableMessage(request.positions); !same.empty()) return refused(same);
    const Result<AnalysisSet> built = buildAnalysisSet(request.data, request.positions);
    if (!built) return built.status();
    const AnalysisSet& set = built.value();

    const std::vector<std::string_view> list = variableGraphKindList(set.seriesCount, false);
    if (std::ranges::find(list, given.kind) == list.end())
        return refused("この変数の数では選べないグラフの種類です: " + given.kind);

    VariableGraphInput input;
    input.kind = given.kind;
    input.switches = switchesOf(given.statLines);
    if (given.upper && given.lower) input.entered = EnteredLimits{*given.upper, *given.lower, false};
    ReportOutput out;
    const Status drawn = addReportChart(
        out, [&](ChartModel& model) { return fillVariableGraph(model, set, {}, input).has_value(); });
    if (!drawn) return drawn;
    out.titleContext.variableNames = {variableGraphBottomTitle(set, input)};
    out.summary = summaryText(set, given.kind);
    return out;
}

constexpr std::string_view kKeys[] = {"kind", "statlines", "upper", "lower"};

constexpr std::array<ReportEntry, 1> kEntries{{
    {AnalysisId::VariableGraph, WindowId::oresen, 3, kAllDataEntry, true, kKeys, checkSettings, variableGraph},
}};

} // namespace

std::span<const ReportEntry> variableGraphReportEntries() {
    return kEntries;
}

} // namespace zel
