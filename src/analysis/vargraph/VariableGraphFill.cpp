// The variable graph window's kind table and its fill.
#include "analysis/vargraph/VariableGraphFill.h"

#include "common/NamedRows.h"

#include <algorithm>

namespace zel {
namespace {

using namespace chartstyles;
using enum VariableGraphNames;
using enum VariableGraphMenus;
using enum VariableGraphExtra;

// The fifteen kinds of every series count come first.
constexpr std::size_t kCommonKindCount = 15;
// Then the two of one series and the two of several series.
constexpr std::size_t kOneSeriesKinds = kCommonKindCount;
constexpr std::size_t kSeveralSeriesKinds = kCommonKindCount + 2;

// In list order: name, type, style, names, menus, what is drawn beyond the values.
constexpr std::array<VariableGraphKind, kVariableGraphKindCount> kKinds{{
    {"円グラフ", ChartType::Pie, kPieLabelled, Title, Pie, None},
    {"立体円グラフ", ChartType::Pie3D, kPieLabelled, Title, Pie, None},
    {"棒グラフ", ChartType::Bar, kBarVertical, ByCount, ClassifyOneSeries, None},
    {"積層型", ChartType::Bar, kBarStacked, ByCount, Common, None},
    {"立体棒グラフ", ChartType::Bar3D, kBarVertical, ByCount, ClassifyOneSeries, None},
    {"Ｚ軸立体棒", ChartType::Bar3D, kBarAlongZ, ByCount, Common, None},
    {"棒グラフ（横）", ChartType::Bar, kBarHorizontal, ByCount, ClassifyOneSeries, None},
    {"積層型（横）", ChartType::Bar, kBarStackedHorizontal, ByCount, Common, None},
    {"立体棒グラフ（横）", ChartType::Bar3D, kBarHorizontal, ByCount, ClassifyOneSeries, None},
    {"Ｚ軸立体棒（横）", ChartType::Bar3D, kBarAlongZHorizontal, ByCount, Common, None},
    {"折れ線グラフ", ChartType::Line, kLineWithSymbols, Legend, Line, LineStatistics},
    {"帯グラフ", ChartType::Band, kBand, Legend, Common, BoundsAxis},
    {"エリアグラフ", ChartType::Area, kAreaOverlapping, Legend, Common, None},
    {"立体エリアグラフ", ChartType::Area3D, kAreaOverlapping, Legend, Common, None},
    {"対数グラフ", ChartType::Logarithmic, kLineWithSymbols, Legend, Common, None},
    {"３σ線", ChartType::Line, kLineWithSymbols, Legend, Common, ThreeSigma},
    {"規格の入力", ChartType::Line, kLineWithSymbols, Legend, Common, Limits},
    {"エリアグラフ（積層）", ChartType::Area, kAreaStacked, Legend, Common, None},
    {"立体エリアグラフ（積層）", ChartType::Area3D, kAreaStacked, Legend, Common, None},
}};

// The line kind's value axis: four ticks between the bounds.
constexpr int kLineTicks = 4;

std::int16_t flagOf(std::span<const std::int16_t> flags, int i) {
    const auto k = static_cast<std::size_t>(i - 1);
    return k < flags.size() ? flags[k] : classflags::kNone;
}

bool showsMarks(const VariableGraphKind& kind, int seriesCount) {
    return kind.menus == Pie || (kind.menus == ClassifyOneSeries && seriesCount == 1);
}

void fixValueAxis(ChartModel& model, ValueBounds b) {
    model.setYAxisScale(axisscales::kFixed);
    model.setYAxisMax(b.upper);
    model.setYAxisMin(b.lower);
}

// Writes n points of one series from the cursor on (the cursor moves on to
// point 1 of the next series after the last point).
template <class F> void writeSeries(ChartModel& model, int n, F value) {
    for (int i = 1; i <= n; ++i)
        model.setPointValue(value(static_cast<std::size_t>(i - 1)));
}

// Series 1 = the values of the set's series 1, then each reference line as a
// constant series, with their roles.
void fillReferenceSeries(ChartModel& model, const AnalysisSet& set, std::span<const double> lines,
                         std::span<const SeriesRole> roles, ValueBounds bounds) {
    const int n = set.n;
    model.setSeriesCount(1 + static_cast<int>(lines.size()));
    model.setPointCount(n);
    fixValueAxis(model, bounds);
    model.setChartType(static_cast<int>(ChartType::Line));
    model.setChartStyle(kLineWithSymbols);
    model.setStatLines(kReferenceKindStatLines);
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    const std::vector<double>& values = set.values.front();
    writeSeries(model, n, [&](std::size_t i) { return values[i]; });
    for (double line : lines)
        writeSeries(model, n, [line](std::size_t) { return line; });
    for (std::size_t s = 0; s < roles.size(); ++s)
        model.setSeriesRole(static_cast<int>(s) + 1, roles[s]);
}

} // namespace

const std::array<VariableGraphKind, kVariableGraphKindCount>& variableGraphKinds() {
    return kKinds;
}

const VariableGraphKind* findVariableGraphKind(std::string_view name) {
    return findNamedRow(kKinds, name);
}

std::vector<std::string_view> variableGraphKindList(int seriesCount, bool paretoAnalysis) {
    std::vector<std::string_view> list;
    for (std::size_t i = 0; i < kCommonKindCount; ++i)
        list.push_back(kKinds[i].name);
    const std::size_t more = seriesCount == 1 ? kOneSeriesKinds : kSeveralSeriesKinds;
    list.push_back(kKinds[more].name);
    list.push_back(kKinds[more + 1].name);
    if (paretoAnalysis) list.push_back(kVariableGraphParetoKind);
    return list;
}

std::string_view initialVariableGraphKind(bool paretoAnalysis) {
    return paretoAnalysis ? kVariableGraphParetoKind : kVariableGraphLineKind;
}

VariableGraphMenuState variableGraphMenuState(const VariableGraphKind& kind, int seriesCount) {
    VariableGraphMenuState state;
    state.scale = kind.menus != Pie;
    state.separation = kind.menus == Pie || kind.menus == Line;
    state.statistics = kind.menus == Line;
    state.classification = showsMarks(kind, seriesCount);
    return state;
}

int statLinesCode(const StatLineSwitches& switches) {
    const auto on = [&](std::size_t i) { return switches[i] != 0; };
    return (on(statlineswitch::kMean) ? statlines::kMean : 0) |
           (on(statlineswitch::kMaxMin) ? statlines::kMaxMin : 0) |
           (on(statlineswitch::kSigma) ? statlines::kSigma : 0) |
           (on(statlineswitch::kTrend) ? statlines::kTrend : 0);
}

ValueBounds valueBounds(const AnalysisSet& set) {
    if (set.values.empty() || set.values.front().empty()) return {};
    ValueBounds b{set.values.front().front(), set.values.front().front()};
    for (const std::vector<double>& series : set.values)
        for (double v : series) {
            b.upper = std::max(b.upper, v);
            b.lower = std::min(b.lower, v);
        }
    return b;
}

ThreeSigmaLines threeSigmaLines(const SeriesStatistics& stats) {
    return {stats.mean + 3 * stats.sd, stats.mean - 3 * stats.sd};
}

ValueBounds widenedBounds(ValueBounds bounds, double upper, double lower) {
    if (upper > bounds.upper) bounds.upper = upper;
    if (lower < bounds.lower) bounds.lower = lower;
    return bounds;
}

bool usableEnteredLimits(const std::optional<EnteredLimits>& limits) {
    return limits && !limits->cancelled && !(limits->upper < limits->lower);
}

bool usesTitleRule(const VariableGraphKind& kind, int seriesCount) {
    return kind.names == Title || (kind.names == ByCount && seriesCount < 2);
}

std::string variableGraphBottomTitle(const AnalysisSet& set, const VariableGraphInput& input) {
    const VariableGraphKind* kind = findVariableGraphKind(input.kind);
    if (!kind || !input.showNames || set.names.empty() || !usesTitleRule(*kind, set.seriesCount)) return {};
    return set.names.front();
}

std::optional<ValueBounds> fillVariableGraph(ChartModel& model, const AnalysisSet& set,
                                             std::span<const std::int16_t> flags,
                                             const VariableGraphInput& input) {
    for (int code : {clearcodes::kPointLabels, clearcodes::kLegends, clearcodes::kPatterns,
                     clearcodes::kSeparations})
        model.clearArray(code);
    model.setStatLines(0);
    model.setYAxisScale(axisscales::kAutomatic);
    model.setOverlayMode(overlaymodes::kOff);
    model.setTitleBottom(std::string());
    model.setYAxisSelect(0);

    const int s = set.seriesCount;
    const int n = set.n;
    if (s < 1 || n < 1 || set.values.size() < static_cast<std::size_t>(s) || !model.setSeriesCount(s) ||
        !model.setPointCount(n))
        return std::nullopt;
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    for (int k = 0; k < s; ++k)
        writeSeries(model, n, [&](std::size_t i) { return set.values[static_cast<std::size_t>(k)][i]; });
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);

    const VariableGraphKind* kind = findVariableGraphKind(input.kind);
    if (!kind) return std::nullopt;
    ValueBounds bounds = valueBounds(set);

    switch (kind->extra) {
    case ThreeSigma: {
        const ThreeSigmaLines lines = threeSigmaLines(set.stats.front());
        bounds = widenedBounds(bounds, lines.upper, lines.lower);
        const std::array<double, 2> series{lines.upper, lines.lower};
        const std::array<SeriesRole, 3> roles{SeriesRole::Data, SeriesRole::StatisticLine,
                                              SeriesRole::StatisticLine};
        fillReferenceSeries(model, set, series, roles, bounds);
        break;
    }
    case Limits: {
        if (!usableEnteredLimits(input.entered)) return std::nullopt;
        const EnteredLimits& e = *input.entered;
        bounds = widenedBounds(bounds, e.upper, e.lower);
        const std::array<double, 3> series{e.upper, e.lower, (e.upper + e.lower) / 2};
        const std::array<SeriesRole, 4> roles{SeriesRole::Data, SeriesRole::UpperSpecLimit,
                                              SeriesRole::LowerSpecLimit, SeriesRole::CentreLine};
        fillReferenceSeries(model, set, series, roles, bounds);
        break;
    }
    default:
        model.setChartType(static_cast<int>(kind->type));
        model.setChartStyle(kind->style);
        if (kind->extra == BoundsAxis || kind->extra == LineStatistics) fixValueAxis(model, bounds);
        if (kind->extra == LineStatistics) {
            model.setYAxisTicks(kLineTicks);
            model.setStatLines(statLinesCode(input.switches));
        }
        break;
    }

    for (int i = 1; i <= n; ++i)
        model.setPointLabelAt(i, static_cast<std::size_t>(i - 1) < set.labels.size()
                                     ? set.labels[static_cast<std::size_t>(i - 1)]
                                     : std::string());
    if (showsMarks(*kind, s))
        for (int i = 1; i <= n; ++i) {
            const std::int16_t f = flagOf(flags, i);
            if (f == classflags::kNone) continue;
            model.setCurrentPoint(i);
            model.setPointPattern(f == classflags::kMarked ? kMarkedPattern : 0);
        }
    if (usesTitleRule(*kind, s))
        model.setTitleBottom(variableGraphBottomTitle(set, input));
    else
        for (int k = 1; k <= s; ++k)
            model.setLegendAt(k, input.showNames && static_cast<std::size_t>(k - 1) < set.names.size()
                                     ? set.names[static_cast<std::size_t>(k - 1)]
                                     : std::string());
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    return bounds;
}

} // namespace zel
