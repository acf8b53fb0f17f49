// The report entries of the histogram and the stratified histogram.
#include "analysis/histogram/HistogramReports.h"

#include "analysis/AnalysisSet.h"
#include "analysis/CapabilityReport.h"
#include "analysis/histogram/CapabilityOverlay.h"
#include "analysis/histogram/ClassSettings.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "analysis/histogram/HistogramFill.h"
#include "analysis/statistics/Stratification.h"
#include "common/NumberText.h"

#include <array>
#include <optional>
#include <string_view>

namespace zel {

namespace {

Status refused(std::string message) {
    return Status::invalidArgument(std::move(message));
}

// The --set values of the histogram, checked. The limits stay unset where the
// dialog's opening values (the data's range) apply.
struct HistogramSettings {
    std::optional<double> upper;
    std::optional<double> lower;
    std::optional<double> width;
    int classes = kInitialClasses;
    ClassAdjust adjust = ClassAdjust::Width;
    int decimals = kFrequencyDecimals;
    std::optional<std::string> kind; // the opening kind of the series count when unset
};

Result<HistogramSettings> readSettings(const ReportSettings& settings) {
    HistogramSettings s;
    for (const auto& [key, value] : settings) {
        if (key == "upper" || key == "lower" || key == "width") {
            const std::optional<double> v = strictNumber(value);
            if (!v) return refused(key + "= には数値を指定してください: " + value);
            (key == "upper" ? s.upper : key == "lower" ? s.lower : s.width) = *v;
        } else if (key == "classes") {
            const std::optional<int> k = strictInteger(value);
            if (!k || *k < kMinClasses || *k > kMaxClasses)
                return refused("classes= には " + std::to_string(kMinClasses) + " から " +
                               std::to_string(kMaxClasses) + " の整数を指定してください: " + value);
            s.classes = *k;
        } else if (key == "adjust") {
            if (value == "width")
                s.adjust = ClassAdjust::Width;
            else if (value == "upper")
                s.adjust = ClassAdjust::Upper;
            else
                return refused(
                    "adjust= には width（区間幅で調整）か upper（上限値で調整）を指定してください: " + value);
        } else if (key == "decimals") {
            const std::optional<int> d = strictInteger(value);
            if (!d || *d < 0 || *d > kFrequencyMaxDecimals)
                return refused("decimals= には 0 から " + std::to_string(kFrequencyMaxDecimals) +
                               " の整数を指定してください: " + value);
            s.decimals = *d;
        } else if (key == "kind") {
            if (!findHistogramKind(value)) return refused("不明なグラフの種類です: " + value);
            s.kind = value;
        }
    }
    // The field the option computes cannot be typed as well.
    if (s.adjust == ClassAdjust::Width && s.width)
        return refused("width= は adjust=upper（上限値で調整）のときに使います。");
    if (s.adjust == ClassAdjust::Upper && s.upper)
        return refused("upper= は adjust=width（区間幅で調整）のときに使います。");
    return s;
}

Status checkSettings(const ReportSettings& settings) {
    const Result<HistogramSettings> s = readSettings(settings);
    return s ? Status::ok() : s.status();
}

// The dialog's fields as the user leaves them: the opening values of the data
// (as the dialog shows them), the given ones over them, and the option's rule.
ClassSettings dialogFields(const DataRange& range, const HistogramSettings& given) {
    ClassSettings fields = openingClassSettings(range);
    fields.upper = shownValue(given.upper.value_or(fields.upper));
    fields.lower = shownValue(given.lower.value_or(fields.lower));
    fields.classes = given.classes;
    if (given.width) fields.width = *given.width;
    fields = adjustClassSettings(fields, given.adjust);
    // The computed field is shown, and read back from what is shown.
    fields.upper = shownValue(fields.upper);
    fields.width = shownValue(fields.width);
    return fields;
}

// summary.txt: per series (1-based) its mean, variance, standard deviation and
// number of values, "mean 1 5".
std::string summaryText(const ClassTable& table) {
    std::string out;
    for (int s = 0; s < table.seriesCount(); ++s) {
        const auto i = static_cast<std::size_t>(s);
        const SeriesStatistics& st = table.stats[i];
        const std::string series = " " + std::to_string(s + 1) + " ";
        out += "mean" + series + generalNumberText(st.mean) + "\n";
        out += "variance" + series + generalNumberText(st.variance) + "\n";
        out += "sd" + series + generalNumberText(st.sd) + "\n";
        out += "n" + series + std::to_string(table.sizes[i]) + "\n";
    }
    return out;
}

// bunform's OK, dobun's table and OK, and youko's chart, for the series; with
// limits, the chart carries them and the fitted curve as the window draws them.
Result<ReportOutput> histogramOf(const AnalysisSet& series, const ReportSettings& settings,
                                 const SpecificationLimits& limits = {}) {
    const Result<HistogramSettings> read = readSettings(settings);
    if (!read) return read.status();
    const HistogramSettings& given = read.value();

    const DataRange range = dataRange(series);
    const ClassSettings fields = dialogFields(range, given);
    const DataRange shown{shownValue(range.max), shownValue(range.min)};
    if (const Status limits = checkClassLimits(shown, fields.upper, fields.lower); !limits) return limits;
    const ClassTable table = buildClassTable(series, fields.limits());

    ReportOutput out;
    out.tables.push_back({WindowId::dobun, frequencyTable(table), given.decimals});
    HistogramInput input;
    input.kind = given.kind.value_or(std::string(initialHistogramKind(table.seriesCount())));
    const Status drawn = addReportChart(out, [&](ChartModel& model) {
        if (!fillHistogram(model, table, classLabelTexts(table, given.decimals), {}, input)) return false;
        // Limits the report has already checked against each other.
        const HistogramKind* kind = findHistogramKind(input.kind);
        if (!limits.hasLimit() || kind == nullptr) return true;
        const Result<Capability> capability = histogramCapability(table, limits);
        if (capability) drawCapability(model, table, *kind, limits, capability.value(), true);
        return true;
    });
    if (!drawn) return drawn;
    out.titleContext.variableNames = {histogramBottomTitle(table, input)};
    out.summary = summaryText(table);
    return out;
}

// The histogram's own settings with the capability's usl=, lsl= and target=.
Status checkHistogramSettings(const ReportSettings& settings) {
    if (const Status s = checkSettings(settings); !s) return s;
    const Result<SpecificationLimits> limits = readSpecificationSettings(settings);
    return limits ? Status::ok() : limits.status();
}

Result<ReportOutput> histogram(const ReportRequest& request) {
    // hensi2's and hensi3's check, then the set as the dialog builds it.
    if (const std::string same = sameVariableMessage(request.positions); !same.empty()) return refused(same);
    const Result<AnalysisSet> set = buildAnalysisSet(request.data, request.positions);
    if (!set) return set.status();
    const Result<SpecificationLimits> limits = readSpecificationSettings(request.settings);
    if (!limits) return limits.status();
    Result<ReportOutput> out = histogramOf(set.value(), request.settings, limits.value());
    if (!out) return out;

    // The capability of series 1 (the first variable given) in sample order,
    // with the within σ of its moving ranges.
    const std::vector<double>& values = set.value().values.at(0);
    const Result<std::string> capability =
        capabilitySummary(values, limits.value(), withinSigmaFromMovingRanges(values));
    if (!capability) return capability.status();
    out.value().summary += capability.value();
    return out;
}

Result<ReportOutput> stratifiedHistogram(const ReportRequest& request) {
    // hensi2so's checks, with its messages.
    const Result<StratifiedSet> set =
        buildStratifiedSet(request.data, request.positions.at(0), request.positions.at(1));
    if (!set) return set.status();
    return histogramOf(stratifiedHistogramSeries(set.value()), request.settings);
}

constexpr std::string_view kKeys[] = {"upper", "lower", "classes", "adjust", "width", "decimals", "kind"};
constexpr std::string_view kHistogramKeys[] = {"upper",    "lower", "classes", "adjust", "width",
                                               "decimals", "kind",  "usl",     "lsl",    "target"};

constexpr std::array<ReportEntry, 2> kEntries{{
    {AnalysisId::Histogram, WindowId::youko, 3, kAllDataEntry, true, kHistogramKeys, checkHistogramSettings,
     histogram},
    {AnalysisId::StratifiedHistogram,
     WindowId::youko,
     2,
     {},
     false,
     kKeys,
     checkSettings,
     stratifiedHistogram},
}};

} // namespace

std::span<const ReportEntry> histogramReportEntries() {
    return kEntries;
}

} // namespace zel
