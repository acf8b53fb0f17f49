// The histogram's kind table and its fill: counts, class labels, marks, legends
// and, for the mean kinds, the numeric class axis with the mean markers.
#include "analysis/histogram/HistogramFill.h"

#include "common/NamedRows.h"

#include <algorithm>
#include <cmath>

namespace zel {
namespace {

using namespace chartstyles;
using enum HistogramNames;
using enum HistogramMenus;

// In list order: name, type, style, names, menus, labels, marks, mean kind.
constexpr std::array<HistogramKind, kHistogramKindCount> kKinds{{
    {"円グラフ", ChartType::Pie, kPieLabelled, Title, Pie, true, true, false},
    {"立体円グラフ", ChartType::Pie3D, kPieLabelled, Title, Pie, true, true, false},
    {"棒グラフ", ChartType::Bar, kBarVertical, ByCount, ClassifyOneSeries, true, true, false},
    {"積層型", ChartType::Bar, kBarStacked, ByCount, Common, true, false, false},
    {"立体棒グラフ", ChartType::Bar3D, kBarVertical, ByCount, ClassifyOneSeries, true, true, false},
    {"Ｚ軸立体棒", ChartType::Bar3D, kBarAlongZ, ByCount, Common, true, false, false},
    {"棒グラフ（横）", ChartType::Bar, kBarHorizontal, ByCount, ClassifyOneSeries, true, true, false},
    {"積層型（横）", ChartType::Bar, kBarStackedHorizontal, ByCount, Common, true, false, false},
    {"立体棒グラフ（横）", ChartType::Bar3D, kBarHorizontal, ByCount, ClassifyOneSeries, true, true, false},
    {"Ｚ軸立体棒（横）", ChartType::Bar3D, kBarAlongZHorizontal, ByCount, Common, true, true, false},
    {"折れ線グラフ", ChartType::Line, kLineWithSymbols, Legend, Separation, true, false, false},
    {"棒グラフ－平均値", ChartType::Line, kLineSticks, Hidden, Mean, false, false, true},
    {"折れ線－平均値", ChartType::Line, kLineWithSymbols, Hidden, Mean, false, false, true},
    {"帯グラフ", ChartType::Band, kBand, Legend, Common, true, false, false},
    {"エリアグラフ", ChartType::Area, kAreaOverlapping, Legend, Common, true, false, false},
    {"立体エリアグラフ", ChartType::Area3D, kAreaOverlapping, Legend, Common, true, false, false},
    {"エリアグラフ（積層）", ChartType::Area, kAreaStacked, Legend, Common, true, false, false},
    {"立体エリアグラフ（積層）", ChartType::Area3D, kAreaStacked, Legend, Common, true, false, false},
}};

// The overlay options of the mean markers, set in order 1..5: base at the axis
// minimum, sticks, colour 1, triangles, 12 pixels.
constexpr std::array<int, ChartModel::kOverlayOptionCount> kMeanOverlayOptions{0, 3, 1, 5, 12};
// The heights of the markers of series 2..5 (points 1..4) and of series 1, as
// parts of the largest count.
constexpr std::array<double, 4> kOtherSeriesHeights{0.8, 0.7, 0.6, 0.5};
constexpr double kFirstSeriesHeight = 0.9;

// The part of a class (percent) left free between the groups of bars of
// several series side by side.
constexpr int kClassGroupGap = 20;

// Does the 2-D bar kind set the bars of several series side by side in a class?
bool sideBySide(const HistogramKind& kind, int seriesCount) {
    return seriesCount > 1 && kind.style != kBarStacked && kind.style != kBarStackedHorizontal;
}

std::string boundText(const ClassLabelTexts& labels, int k) {
    const auto i = static_cast<std::size_t>(k);
    return i < labels.bounds.size() ? labels.bounds[i] : std::string();
}

std::string classLabel(const ClassLabelTexts& labels, int k, bool mid) {
    if (mid) {
        const auto i = static_cast<std::size_t>(k - 1);
        return i < labels.mids.size() ? labels.mids[i] : std::string();
    }
    return boundText(labels, k - 1) + kClassRangeSeparator + boundText(labels, k);
}

std::int16_t flagOf(std::span<const std::int16_t> flags, int k) {
    const auto i = static_cast<std::size_t>(k - 1);
    return i < flags.size() ? flags[i] : classflags::kNone;
}

double seriesMean(const ClassTable& table, int s) {
    const auto i = static_cast<std::size_t>(s - 1);
    return i < table.stats.size() ? table.stats[i].mean : 0.0;
}

// The numeric class axis and the mean markers of the two mean kinds.
void fillMeanKind(ChartModel& model, const ClassTable& table) {
    const int k = table.classes;
    const int n = table.seriesCount();
    model.setXAxisScale(axisscales::kFixed);
    model.setXAxisTicks(k);
    model.setXAxisMin(table.bounds.front());
    model.setXAxisMax(table.bounds.back());
    model.setCurrentSeries(1);
    for (int p = 1; p <= k; ++p) {
        model.setCurrentPoint(p);
        model.setPointXPos(
            (table.bounds[static_cast<std::size_t>(p - 1)] + table.bounds[static_cast<std::size_t>(p)]) / 2);
    }

    model.setOverlayMode(overlaymodes::kLeftAxis);
    for (int i = 0; i < ChartModel::kOverlayOptionCount; ++i)
        model.setOverlayOption(i + 1, kMeanOverlayOptions[static_cast<std::size_t>(i)]);

    const double h = largestCount(table);
    model.setCurrentSeries(1);
    for (int p = 1; p <= k; ++p) {
        model.setCurrentPoint(p);
        const int other = p + 1; // points 1..4 carry series 2..5
        if (p <= static_cast<int>(kOtherSeriesHeights.size()) && other <= n) {
            model.setOverlayXPos(seriesMean(table, other));
            model.setOverlayValue(h * kOtherSeriesHeights[static_cast<std::size_t>(p - 1)]);
        } else {
            model.setOverlayXPos(seriesMean(table, 1));
            model.setOverlayValue(h * kFirstSeriesHeight);
        }
    }
}

} // namespace

const std::array<HistogramKind, kHistogramKindCount>& histogramKinds() {
    return kKinds;
}

const HistogramKind* findHistogramKind(std::string_view name) {
    return findNamedRow(kKinds, name);
}

std::string_view initialHistogramKind(int seriesCount) {
    return seriesCount == 1 ? kHistogramBarKind : kHistogramZBarKind;
}

HistogramMenuState histogramMenuState(const HistogramKind& kind, int seriesCount) {
    HistogramMenuState state;
    switch (kind.menus) {
    case Pie:
        state.classification = true;
        state.separation = true;
        state.scale = false;
        break;
    case ClassifyOneSeries:
        state.classification = seriesCount == 1;
        break;
    case Separation:
        state.separation = true;
        break;
    case Mean:
        state.legend = false;
        state.labels = false;
        break;
    case Common:
        break;
    }
    return state;
}

bool popsSeparationMenu(std::string_view kind) {
    return kind == "円グラフ" || kind == "立体円グラフ" || kind == "折れ線グラフ";
}

bool usesTitleRule(const HistogramKind& kind, int seriesCount) {
    return kind.names == Title || (kind.names == ByCount && seriesCount == 1);
}

std::string histogramBottomTitle(const ClassTable& table, const HistogramInput& input) {
    const HistogramKind* kind = findHistogramKind(input.kind);
    if (!kind || !input.showNames || table.names.empty() || !usesTitleRule(*kind, table.seriesCount()))
        return {};
    return table.names.front();
}

double largestCount(const ClassTable& table) {
    if (table.classes < 1 || table.seriesCount() < 1) return 0.0;
    double h = std::round(static_cast<double>(table.count(1, 1)));
    for (int s = 1; s <= table.seriesCount(); ++s)
        for (int k = 1; k <= table.classes; ++k)
            h = std::max(h, std::round(static_cast<double>(table.count(k, s))));
    return h;
}

void CountExtremes::take(const ClassTable& table) {
    for (int s = 1; s <= table.seriesCount(); ++s)
        for (int k = 1; k <= table.classes; ++k) {
            const auto c = static_cast<double>(table.count(k, s));
            largest = std::max(largest, c);
            smallest = std::min(smallest, c);
        }
}

bool fillHistogram(ChartModel& model, const ClassTable& table, const ClassLabelTexts& labels,
                   std::span<const std::int16_t> flags, const HistogramInput& input) {
    for (int code :
         {clearcodes::kPointLabels, clearcodes::kLegends, clearcodes::kXPositions, clearcodes::kPatterns,
          clearcodes::kSeparations, clearcodes::kPointTexts, clearcodes::kOverlay})
        model.clearArray(code);
    model.setOverlayMode(overlaymodes::kOff);
    model.setTitleBottom(std::string());
    model.setStatLines(0);
    model.setXAxisScale(axisscales::kAutomatic);

    const int k = table.classes;
    const int n = table.seriesCount();
    if (k < 1 || n < 1 || !model.setSeriesCount(n) || !model.setPointCount(k)) return false;
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    for (int s = 1; s <= n; ++s)
        for (int p = 1; p <= k; ++p)
            model.setPointValue(static_cast<double>(table.count(p, s)));

    const HistogramKind* kind = findHistogramKind(input.kind);
    if (!kind) return false;
    model.setChartType(static_cast<int>(kind->type));
    model.setChartStyle(kind->style);
    // Neighbouring classes share their boundary: their bars touch. Side by side,
    // the bars of several series touch within their class, and a narrow gap
    // tells one class's group from the next.
    if (kind->type == ChartType::Bar) model.setBarGap(sideBySide(*kind, n) ? kClassGroupGap : 0);

    if (kind->labels)
        for (int p = 1; p <= k; ++p)
            model.setPointLabelAt(p, classLabel(labels, p, input.midLabels));
    if (kind->marks)
        for (int p = 1; p <= k; ++p) {
            const std::int16_t f = flagOf(flags, p);
            if (f == classflags::kNone) continue;
            model.setCurrentPoint(p);
            model.setPointPattern(f == classflags::kMarked ? kMarkedPattern : 0);
        }
    const bool titleRule = usesTitleRule(*kind, n);
    if (kind->names != Hidden && !titleRule)
        for (int s = 1; s <= n; ++s)
            model.setLegendAt(s, input.showNames && static_cast<std::size_t>(s - 1) < table.names.size()
                                     ? table.names[static_cast<std::size_t>(s - 1)]
                                     : std::string());
    if (titleRule) model.setTitleBottom(histogramBottomTitle(table, input));
    if (kind->mean) fillMeanKind(model, table);
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    return true;
}

} // namespace zel
