// The Pareto items, their table, the fold into "その他" and the chart kind.
#include "analysis/pareto/Pareto.h"

#include "analysis/histogram/ClassSettings.h"
#include "analysis/histogram/HistogramFill.h"
#include "common/NumberText.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace zel {
namespace {

constexpr const char* kHeadings[] = {"項目no.", "項　目", "データ", "％", "累積％"};
// Widths in characters, the heading column first.
constexpr int kWidths[] = {8, 22, 10, 10, 10};
constexpr int kNameColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kPercentColumn = 3;
constexpr int kCumulativeColumn = 4;

// The cumulative line: its base at the axis minimum, a line with symbols,
// colour 3, filled circles, 12 pixels.
constexpr std::array<int, ChartModel::kOverlayOptionCount> kLineOptions{0, 5, 3, 13, 12};
// Intervals of both value axes.
constexpr int kAxisTicks = 10;

// A percent as its cell shows it and is read back.
double shownPercent(double percent) {
    return lenientParse(decimalsText(percent, kParetoPercentDecimals));
}

double sumOf(const std::vector<double>& values) {
    double total = 0.0;
    for (double v : values)
        total += v;
    return total;
}

} // namespace

Result<AnalysisSet> buildParetoSet(const Dataset& data, int position) {
    const int k = data.variableCount();
    if (position < 1 || position > k + 1 || k < 1)
        return Status::invalidArgument("変数の指定が正しくありません。");
    if (position <= k) return buildAnalysisSet(data, {position});

    AnalysisSet set;
    set.seriesCount = 1;
    set.variables = {position};
    set.names = {kParetoTotalEntry};
    set.n = data.usedSampleCount();
    set.values.resize(1);
    set.values[0].reserve(static_cast<std::size_t>(set.n));
    set.labels.reserve(static_cast<std::size_t>(set.n));
    for (int i = 1; i <= data.sampleCount(); ++i) {
        if (data.mask(i) != 0) continue;
        double sum = 0.0;
        for (int j = 1; j <= k; ++j)
            sum += data.value(i, j);
        set.values[0].push_back(sum);
        set.labels.push_back(data.label(i));
    }
    set.stats.push_back(seriesStatistics(set.values[0]));
    return set;
}

Status checkParetoSum(const AnalysisSet& set) {
    const double total = set.values.empty() ? 0.0 : sumOf(set.values.front());
    // A sum that is not a number is no sum above 0 either.
    if (!(total > 0.0)) return Status::invalidArgument(std::string(kParetoSumRefusal));
    return Status::ok();
}

ParetoItems rankParetoItems(const AnalysisSet& set) {
    ParetoItems items;
    if (set.values.empty()) return items;
    const std::vector<double>& values = set.values.front();
    const std::size_t n = values.size();
    const double total = sumOf(values);
    std::vector<double> exact(n);
    for (std::size_t i = 0; i < n; ++i)
        exact[i] = values[i] / total * 100.0;
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&exact](std::size_t a, std::size_t b) { return exact[a] > exact[b]; });

    items.names.reserve(n);
    items.values.reserve(n);
    items.percents.reserve(n);
    items.cumulative.reserve(n);
    double running = 0.0;
    for (const std::size_t i : order) {
        items.names.push_back(i < set.labels.size() ? set.labels[i] : std::string());
        items.values.push_back(shownValue(values[i]));
        const double percent = shownPercent(exact[i]);
        items.percents.push_back(percent);
        running += percent;
        items.cumulative.push_back(running);
    }
    return items;
}

ResultTable paretoTable(const ParetoItems& items) {
    ResultTable t;
    const int n = items.count();
    t.resize(n, kCumulativeColumn);
    for (int c = 0; c <= kCumulativeColumn; ++c) {
        t.columnHeadings[static_cast<std::size_t>(c)] = kHeadings[c];
        t.columnWidths[static_cast<std::size_t>(c)] = kWidths[c];
    }
    for (int r = 1; r <= n; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        t.rowHeadings[static_cast<std::size_t>(r)] = rowHeading(r);
        t.setText(r, kNameColumn, items.names[i]);
        // A plain cell: the value as its general number text.
        t.setText(r, kValueColumn, generalNumberText(items.values[i]));
        t.setNumber(r, kPercentColumn, items.percents[i]);
        t.setNumber(r, kCumulativeColumn, r == n ? kParetoFullPercent : items.cumulative[i]);
    }
    return t;
}

ParetoItems keepTopItems(const ParetoItems& items, int kept) {
    const int n = items.count();
    kept = std::clamp(kept, std::min(kParetoMinKept, n), n);
    if (kept >= n) return items;
    const auto k = static_cast<std::size_t>(kept);
    ParetoItems out;
    out.names.assign(items.names.begin(), items.names.begin() + kept);
    out.values.assign(items.values.begin(), items.values.begin() + kept);
    out.percents.assign(items.percents.begin(), items.percents.begin() + kept);
    out.cumulative.assign(items.cumulative.begin(), items.cumulative.begin() + kept);
    double rest = 0.0;
    double restPercent = 0.0;
    for (std::size_t i = k; i < items.values.size(); ++i) {
        rest += items.values[i];
        restPercent += items.percents[i];
    }
    out.names.emplace_back(kParetoOthersName);
    out.values.push_back(rest);
    out.percents.push_back(restPercent);
    out.cumulative.push_back(kParetoFullPercent);
    return out;
}

void storeParetoItems(AnalysisSet& set, const ParetoItems& items) {
    set.seriesCount = 1;
    set.n = items.count();
    set.values.assign(1, items.values);
    set.labels = items.names;
}

bool fillParetoChart(ChartModel& model, const ParetoItems& items, std::span<const std::int16_t> flags) {
    const int n = items.count();
    if (n < 1 || !model.setSeriesCount(1) || !model.setPointCount(n)) return false;
    for (int code : {clearcodes::kPointLabels, clearcodes::kLegends, clearcodes::kXPositions,
                     clearcodes::kPatterns, clearcodes::kSeparations, clearcodes::kPointTexts,
                     clearcodes::kOverlay})
        model.clearArray(code);
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    for (double v : items.values)
        model.setPointValue(v);

    // The bars against the total: the top of a bar and its share on the right
    // axis stand level, so the line starts at the top of the first bar.
    const double total = sumOf(items.values);
    model.setYAxisSelect(0);
    model.setYAxisScale(axisscales::kFixed);
    model.setYAxisMax(total);
    model.setYAxisMin(0.0);
    model.setChartType(static_cast<int>(ChartType::Bar));
    model.setChartStyle(chartstyles::kBarVertical);
    // Neighbouring causes touch, as in a textbook Pareto chart.
    model.setBarGap(0);

    model.setOverlayMode(overlaymodes::kRightAxis);
    for (int i = 0; i < ChartModel::kOverlayOptionCount; ++i)
        model.setOverlayOption(i + 1, kLineOptions[static_cast<std::size_t>(i)]);
    model.setYAxisTicks(kAxisTicks);
    model.setYAxisSelect(1);
    model.setYAxisScale(axisscales::kFixed);
    model.setYAxisMax(kParetoFullPercent);
    model.setYAxisMin(0.0);
    model.setYAxisTicks(kAxisTicks);

    for (int p = 1; p <= n; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        model.setCurrentPoint(p);
        model.setPointLabelAt(p, items.names[i]);
        const std::int16_t f = i < flags.size() ? flags[i] : classflags::kNone;
        if (f != classflags::kNone) model.setPointPattern(f == classflags::kMarked ? kMarkedPattern : 0);
    }
    // The overlay holds one value per point, whatever the series.
    for (int p = 1; p <= n; ++p) {
        model.setCurrentPoint(p);
        model.setOverlayValue(items.cumulative[static_cast<std::size_t>(p - 1)]);
    }
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    return true;
}

} // namespace zel
