// Tests of the histogram window's chart fill, worked out by hand: the kind
// table, counts and class labels, the marks of classified classes (only for the
// kinds that show them), the title and legend rules, the numeric class axis and
// the mean markers of the two mean kinds, the menu states and the count extremes.
#include "analysis/histogram/HistogramFill.h"

#include <gtest/gtest.h>

#include "ChartModelReadings.h"
#include "ClassTableFixtures.h"

#include <cmath>
#include <string>
#include <vector>

using namespace zel;

namespace {

using fixtures::patterns;

// A, B, C in four classes over 0..4 (ClassTableFixtures.h).
ClassTable table(int series) {
    return fixtures::fourClassTable(series);
}

struct Filled {
    ChartModel model;
    bool ok = false;
};

Filled fill(int series, const std::string& kind, std::vector<std::int16_t> flags = {}, bool mids = false,
            bool names = true) {
    const ClassTable t = table(series);
    Filled f;
    f.ok = fillHistogram(f.model, t, classLabelTexts(t, 1), flags, {kind, mids, names});
    return f;
}

} // namespace

TEST(HistogramFill, KindTableInListOrderWithCodes) {
    const std::vector<std::string> names = {"円グラフ",
                                            "立体円グラフ",
                                            "棒グラフ",
                                            "積層型",
                                            "立体棒グラフ",
                                            "Ｚ軸立体棒",
                                            "棒グラフ（横）",
                                            "積層型（横）",
                                            "立体棒グラフ（横）",
                                            "Ｚ軸立体棒（横）",
                                            "折れ線グラフ",
                                            "棒グラフ－平均値",
                                            "折れ線－平均値",
                                            "帯グラフ",
                                            "エリアグラフ",
                                            "立体エリアグラフ",
                                            "エリアグラフ（積層）",
                                            "立体エリアグラフ（積層）"};
    const int types[] = {1, 2, 3, 3, 4, 4, 3, 3, 4, 4, 6, 6, 6, 13, 8, 14, 8, 14};
    const int styles[] = {4, 4, 0, 2, 0, 6, 1, 3, 1, 7, 5, 3, 5, 0, 1, 1, 0, 0};
    const bool marks[] = {true, true,  true,  false, true,  false, true,  false, true,
                          true, false, false, false, false, false, false, false, false};
    ASSERT_EQ(histogramKinds().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const HistogramKind& k = histogramKinds()[i];
        EXPECT_EQ(k.name, names[i]);
        EXPECT_EQ(static_cast<int>(k.type), types[i]) << names[i];
        EXPECT_EQ(k.style, styles[i]) << names[i];
        EXPECT_EQ(k.marks, marks[i]) << names[i];
        EXPECT_EQ(findHistogramKind(names[i]), &k);
    }
    EXPECT_EQ(findHistogramKind("ヒストグラム"), nullptr);
    EXPECT_EQ(initialHistogramKind(1), "棒グラフ");
    EXPECT_EQ(initialHistogramKind(2), "Ｚ軸立体棒");
    EXPECT_EQ(initialHistogramKind(3), "Ｚ軸立体棒");
}

TEST(HistogramFill, CountsAndClassLabelsRangesOrMidValues) {
    Filled f = fill(2, "棒グラフ");
    ASSERT_TRUE(f.ok);
    const ChartModel& m = f.model;
    EXPECT_EQ(m.chartType(), ChartType::Bar);
    EXPECT_EQ(m.seriesCount(), 2);
    EXPECT_EQ(m.pointCount(), 4);
    EXPECT_EQ(m.values(), (std::vector<double>{1, 2, 1, 3, 0, 1, 2, 1}));
    EXPECT_EQ(m.pointLabelAt(1), "0.0～1.0");
    EXPECT_EQ(m.pointLabelAt(4), "3.0～4.0");
    EXPECT_EQ(m.currentSeries(), 1);
    EXPECT_EQ(m.currentPoint(), 1);

    Filled mid = fill(1, "積層型", {}, true);
    EXPECT_EQ(mid.model.pointLabelAt(1), "0.5");
    EXPECT_EQ(mid.model.pointLabelAt(4), "3.5");

    // The labels copy the texts handed over, whatever their decimals.
    const ClassTable t = table(1);
    ClassLabelTexts shown = classLabelTexts(t, 0);
    shown.mids[1] = "2";
    ChartModel m0;
    fillHistogram(m0, t, shown, {}, {"棒グラフ", true, true});
    EXPECT_EQ(m0.pointLabelAt(2), "2");
    fillHistogram(m0, t, shown, {}, {"棒グラフ", false, true});
    EXPECT_EQ(m0.pointLabelAt(2), "1～2");
}

TEST(HistogramFill, MarksOnlyForKindsThatShowThem) {
    const std::vector<std::int16_t> flags{1, 0, 0, 1};
    for (const HistogramKind& k : histogramKinds()) {
        Filled f = fill(1, std::string(k.name), flags);
        ASSERT_TRUE(f.ok) << k.name;
        EXPECT_EQ(patterns(f.model),
                  k.marks ? (std::vector<int>{4, 0, 0, 4}) : (std::vector<int>{0, 0, 0, 0}))
            << k.name;
    }
    // Flags of 2 (no classification) leave every class plain; so does a short list.
    EXPECT_EQ(patterns(fill(1, "棒グラフ", {2, 2, 2, 2}).model), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(patterns(fill(1, "棒グラフ", {1}).model), (std::vector<int>{4, 0, 0, 0}));
}

TEST(HistogramFill, TitleRuleForOneSeriesLegendRuleOtherwise) {
    // One series, by count: the name under the chart, no legend.
    Filled one = fill(1, "棒グラフ");
    EXPECT_EQ(one.model.titleBottom(), "A");
    EXPECT_EQ(one.model.legendAt(1), "");
    EXPECT_EQ(histogramBottomTitle(table(1), {"棒グラフ", false, true}), "A");
    EXPECT_EQ(histogramBottomTitle(table(1), {"棒グラフ", false, false}), "");

    // Two series, by count: legends, no title.
    Filled two = fill(2, "Ｚ軸立体棒");
    EXPECT_EQ(two.model.titleBottom(), "");
    EXPECT_EQ(two.model.legendAt(1), "A");
    EXPECT_EQ(two.model.legendAt(2), "B");
    EXPECT_EQ(histogramBottomTitle(table(2), {"Ｚ軸立体棒", false, true}), "");

    // "非表示": empty legends.
    Filled hidden = fill(2, "棒グラフ", {}, false, false);
    EXPECT_EQ(hidden.model.legendAt(1), "");
    EXPECT_EQ(hidden.model.legendAt(2), "");

    // Pies take the title rule always; lines the legend rule always.
    EXPECT_EQ(fill(3, "円グラフ").model.titleBottom(), "A");
    EXPECT_EQ(fill(3, "円グラフ").model.legendAt(2), "");
    Filled line = fill(1, "折れ線グラフ");
    EXPECT_EQ(line.model.titleBottom(), "");
    EXPECT_EQ(line.model.legendAt(1), "A");
    // The mean kinds show no names at all.
    Filled mean = fill(1, "棒グラフ－平均値");
    EXPECT_EQ(mean.model.titleBottom(), "");
    EXPECT_EQ(mean.model.legendAt(1), "");
}

TEST(HistogramFill, MeanKindsNumericAxisAndMarkersOfThreeSeries) {
    Filled f = fill(3, "棒グラフ－平均値");
    ASSERT_TRUE(f.ok);
    ChartModel& m = f.model;
    EXPECT_EQ(m.chartType(), ChartType::Line);
    EXPECT_EQ(m.chartStyle(), chartstyles::kLineSticks);
    EXPECT_EQ(m.xAxisScale(), axisscales::kFixed);
    EXPECT_EQ(m.xAxisTicks(), 4);
    EXPECT_EQ(m.xAxisMin(), 0.0);
    EXPECT_EQ(m.xAxisMax(), 4.0);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_DOUBLE_EQ(m.xPos(1, p), p - 0.5);
        EXPECT_EQ(m.pointLabelAt(p), "") << p;
    }
    EXPECT_EQ(m.overlayMode(), overlaymodes::kLeftAxis);
    EXPECT_EQ(m.overlayBase(), 0);
    EXPECT_EQ(m.overlayKind(), 3);
    EXPECT_EQ(m.overlayColour(), 1);
    EXPECT_EQ(m.overlaySymbol(), 5);
    EXPECT_EQ(m.overlaySymbolSize(), 12);
    // h = 3 (class 4 of A). Point 1: B at 0.8h, point 2: C at 0.7h, then A at 0.9h.
    EXPECT_DOUBLE_EQ(m.overlayXPosAt(1), 2.25);
    EXPECT_DOUBLE_EQ(m.overlayValueAt(1), 2.4);
    EXPECT_DOUBLE_EQ(m.overlayXPosAt(2), 2.0);
    EXPECT_DOUBLE_EQ(m.overlayValueAt(2), 3 * 0.7);
    for (int p = 3; p <= 4; ++p) {
        EXPECT_DOUBLE_EQ(m.overlayXPosAt(p), 13.0 / 7.0) << p;
        EXPECT_DOUBLE_EQ(m.overlayValueAt(p), 2.7) << p;
    }
}

TEST(HistogramFill, MeanKindOneSeriesEveryMarkerAtTheMean) {
    Filled f = fill(1, "折れ線－平均値");
    EXPECT_EQ(f.model.chartStyle(), chartstyles::kLineWithSymbols);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_DOUBLE_EQ(f.model.overlayXPosAt(p), 13.0 / 7.0);
        EXPECT_DOUBLE_EQ(f.model.overlayValueAt(p), 0.9 * 3);
    }
    // Another kind afterwards leaves no axis or overlay behind.
    const ClassTable t = table(1);
    fillHistogram(f.model, t, classLabelTexts(t, 1), {}, {"棒グラフ", false, true});
    EXPECT_EQ(f.model.overlayMode(), overlaymodes::kOff);
    EXPECT_EQ(f.model.xAxisScale(), axisscales::kAutomatic);
    EXPECT_FALSE(f.model.hasXPositions());
    EXPECT_TRUE(std::isnan(f.model.overlayValueAt(1)));
}

TEST(HistogramFill, MenuStatesByKindAndSeriesCount) {
    const auto state = [](const char* kind, int series) {
        return histogramMenuState(*findHistogramKind(kind), series);
    };
    HistogramMenuState pie = state("立体円グラフ", 2);
    EXPECT_TRUE(pie.classification && pie.separation && pie.legend && pie.labels);
    EXPECT_FALSE(pie.scale);
    EXPECT_TRUE(state("棒グラフ", 1).classification);
    EXPECT_FALSE(state("棒グラフ", 2).classification);
    EXPECT_FALSE(state("棒グラフ", 1).separation);
    EXPECT_TRUE(state("棒グラフ", 1).scale);
    EXPECT_TRUE(state("立体棒グラフ（横）", 1).classification);
    EXPECT_FALSE(state("Ｚ軸立体棒（横）", 1).classification);
    EXPECT_TRUE(state("折れ線グラフ", 1).separation);
    HistogramMenuState mean = state("折れ線－平均値", 1);
    EXPECT_FALSE(mean.legend || mean.labels || mean.classification || mean.separation);
    EXPECT_TRUE(popsSeparationMenu("折れ線グラフ"));
    EXPECT_TRUE(popsSeparationMenu("円グラフ"));
    EXPECT_FALSE(popsSeparationMenu("棒グラフ"));
}

TEST(HistogramFill, UnknownKindAndCountExtremes) {
    Filled bad = fill(1, "ヒストグラム");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.model.values(), (std::vector<double>{1, 2, 1, 3}));

    CountExtremes e;
    e.take(table(3));
    EXPECT_EQ(e.largest, 3.0);
    EXPECT_EQ(e.smallest, 0.0);
    const std::vector<double> many{0, 0, 0, 0, 0};
    const SeriesView v{"M", many};
    e.take(buildClassTable(std::span<const SeriesView>(&v, 1), {4, 0, 4}));
    EXPECT_EQ(e.largest, 5.0);
    // A smaller table later keeps the largest seen.
    e.take(table(1));
    EXPECT_EQ(e.largest, 5.0);
    EXPECT_EQ(largestCount(table(2)), 3.0);
}

TEST(HistogramFill, BarsOfNeighbouringClassesTouch) {
    // The 2-D bar kinds leave no gap between classes; the others keep the
    // chart's automatic spacing (a 3-D bar has its own depth and spacing).
    for (const char* kind : {"棒グラフ", "積層型", "棒グラフ（横）", "積層型（横）"})
        EXPECT_EQ(fill(1, kind).model.barGap(), 0) << kind;
    for (const char* kind : {"積層型", "積層型（横）"})
        EXPECT_EQ(fill(2, kind).model.barGap(), 0) << kind;
    // Several series side by side: a narrow gap between the classes' groups.
    for (const char* kind : {"棒グラフ", "棒グラフ（横）"}) {
        const int gap = fill(2, kind).model.barGap();
        EXPECT_GT(gap, 0) << kind;
        EXPECT_LE(gap, 25) << kind;
    }
    for (const char* kind : {"立体棒グラフ", "Ｚ軸立体棒", "円グラフ", "折れ線グラフ"})
        EXPECT_EQ(fill(2, kind).model.barGap(), ChartModel::kAutomaticBarGap) << kind;
}
