// Tests of the variable graph window's chart fill, worked out by hand: the kind
// lists by series count, the kind codes, the values of several series in
// order, labels, marks, names, the bounds axis, the statistics-line codes, the
// 3-sigma lines over 1..10 and the entered limits.
#include "analysis/vargraph/VariableGraphFill.h"

#include <gtest/gtest.h>

#include "ChartModelReadings.h"

#include <string>
#include <vector>

using namespace zel;

namespace {

using fixtures::patterns;
using fixtures::seriesValues;

// A = 1..10, B = 10..1 (both mean 5.5, sd sqrt(82.5 / 9) = 3.0276503540974917).
AnalysisSet set(int series) {
    AnalysisSet s;
    s.seriesCount = series;
    s.n = 10;
    s.names = {"A", "B", "C"};
    s.names.resize(static_cast<std::size_t>(series));
    std::vector<double> a, b, c;
    for (int i = 1; i <= 10; ++i) {
        a.push_back(i);
        b.push_back(11 - i);
        c.push_back(i % 2 == 0 ? 20 : -5);
        s.labels.push_back("L" + std::to_string(i));
    }
    s.values = {a, b, c};
    s.values.resize(static_cast<std::size_t>(series));
    for (const auto& v : s.values)
        s.stats.push_back(seriesStatistics(v));
    return s;
}

struct Filled {
    ChartModel model;
    std::optional<ValueBounds> bounds;
};

Filled fill(int series, const std::string& kind, std::vector<std::int16_t> flags = {},
            std::optional<EnteredLimits> entered = std::nullopt,
            StatLineSwitches sw = kInitialStatLineSwitches, bool names = true) {
    Filled f;
    f.bounds = fillVariableGraph(f.model, set(series), flags, {kind, names, sw, entered});
    return f;
}

} // namespace

TEST(VariableGraphFill, KindListsBySeriesCount) {
    const std::vector<std::string_view> common = {
        "円グラフ",           "立体円グラフ",     "棒グラフ",       "積層型",
        "立体棒グラフ",       "Ｚ軸立体棒",       "棒グラフ（横）", "積層型（横）",
        "立体棒グラフ（横）", "Ｚ軸立体棒（横）", "折れ線グラフ",   "帯グラフ",
        "エリアグラフ",       "立体エリアグラフ", "対数グラフ"};
    std::vector<std::string_view> one = common;
    one.insert(one.end(), {"３σ線", "規格の入力"});
    std::vector<std::string_view> several = common;
    several.insert(several.end(), {"エリアグラフ（積層）", "立体エリアグラフ（積層）"});
    EXPECT_EQ(variableGraphKindList(1, false), one);
    EXPECT_EQ(variableGraphKindList(2, false), several);
    EXPECT_EQ(variableGraphKindList(3, false), several);
    // The Pareto chart's kind comes last and is the one selected.
    std::vector<std::string_view> pareto = one;
    pareto.push_back("パレート図");
    EXPECT_EQ(variableGraphKindList(1, true), pareto);
    EXPECT_EQ(initialVariableGraphKind(true), "パレート図");
    EXPECT_EQ(initialVariableGraphKind(false), "折れ線グラフ");
    // Every listed kind but the Pareto chart's is one the fill knows.
    for (std::string_view k : variableGraphKindList(1, false))
        EXPECT_NE(findVariableGraphKind(k), nullptr) << k;
    for (std::string_view k : several)
        EXPECT_NE(findVariableGraphKind(k), nullptr) << k;
}

TEST(VariableGraphFill, KindCodes) {
    struct Row {
        const char* kind;
        ChartType type;
        int style;
    };
    const Row rows[] = {{"円グラフ", ChartType::Pie, 4},
                        {"立体円グラフ", ChartType::Pie3D, 4},
                        {"棒グラフ", ChartType::Bar, 0},
                        {"積層型", ChartType::Bar, 2},
                        {"立体棒グラフ", ChartType::Bar3D, 0},
                        {"Ｚ軸立体棒", ChartType::Bar3D, 6},
                        {"棒グラフ（横）", ChartType::Bar, 1},
                        {"積層型（横）", ChartType::Bar, 3},
                        {"立体棒グラフ（横）", ChartType::Bar3D, 1},
                        {"Ｚ軸立体棒（横）", ChartType::Bar3D, 7},
                        {"折れ線グラフ", ChartType::Line, 5},
                        {"帯グラフ", ChartType::Band, 0},
                        {"エリアグラフ", ChartType::Area, 1},
                        {"立体エリアグラフ", ChartType::Area3D, 1},
                        {"対数グラフ", ChartType::Logarithmic, 5},
                        {"エリアグラフ（積層）", ChartType::Area, 0},
                        {"立体エリアグラフ（積層）", ChartType::Area3D, 0}};
    for (const Row& r : rows) {
        const Filled f = fill(2, r.kind);
        ASSERT_TRUE(f.bounds) << r.kind;
        EXPECT_EQ(f.model.chartType(), r.type) << r.kind;
        EXPECT_EQ(f.model.chartStyle(), r.style) << r.kind;
    }
    EXPECT_FALSE(fill(1, "パレート図").bounds);
}

TEST(VariableGraphFill, ValuesOfEverySeriesInOrderWithLabels) {
    const Filled f = fill(3, "棒グラフ");
    ASSERT_EQ(f.model.seriesCount(), 3);
    ASSERT_EQ(f.model.pointCount(), 10);
    EXPECT_EQ(seriesValues(f.model, 2), (std::vector<double>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(seriesValues(f.model, 3), (std::vector<double>{-5, 20, -5, 20, -5, 20, -5, 20, -5, 20}));
    EXPECT_EQ(f.model.pointLabelAt(1), "L1");
    EXPECT_EQ(f.model.pointLabelAt(10), "L10");
    // Several series: the legend rule; no marks even with flags.
    EXPECT_EQ(f.model.legendAt(2), "B");
    EXPECT_EQ(f.model.titleBottom(), "");
    EXPECT_EQ(fill(3, "棒グラフ", std::vector<std::int16_t>(10, 1)).model.patternAt(1), 0);
}

TEST(VariableGraphFill, NamesByRule) {
    // One series as bars: the title rule; pies always; lines always the legend.
    EXPECT_EQ(fill(1, "棒グラフ").model.titleBottom(), "A");
    EXPECT_EQ(fill(1, "棒グラフ").model.legendAt(1), "");
    EXPECT_EQ(fill(2, "円グラフ").model.titleBottom(), "A");
    EXPECT_EQ(fill(1, "折れ線グラフ").model.legendAt(1), "A");
    EXPECT_EQ(fill(1, "折れ線グラフ").model.titleBottom(), "");
    // "非表示": empty texts.
    EXPECT_EQ(fill(1, "棒グラフ", {}, std::nullopt, kInitialStatLineSwitches, false).model.titleBottom(), "");
    EXPECT_EQ(fill(2, "帯グラフ", {}, std::nullopt, kInitialStatLineSwitches, false).model.legendAt(1), "");
}

TEST(VariableGraphFill, ClassificationMarksOnlyWhereTheKindShowsThem) {
    std::vector<std::int16_t> flags(10, 0);
    flags[1] = 1;
    flags[4] = 1;
    const std::vector<int> marked{0, 4, 0, 0, 4, 0, 0, 0, 0, 0};
    EXPECT_EQ(patterns(fill(1, "円グラフ", flags).model), marked);
    EXPECT_EQ(patterns(fill(1, "立体棒グラフ（横）", flags).model), marked);
    EXPECT_EQ(patterns(fill(1, "積層型", flags).model), std::vector<int>(10, 0));
    EXPECT_EQ(patterns(fill(1, "折れ線グラフ", flags).model), std::vector<int>(10, 0));
    // Flag 2 (none): nothing written.
    EXPECT_EQ(patterns(fill(1, "円グラフ", std::vector<std::int16_t>(10, 2)).model), std::vector<int>(10, 0));
}

TEST(VariableGraphFill, MenuStates) {
    const auto state = [](const char* kind, int series) {
        return variableGraphMenuState(*findVariableGraphKind(kind), series);
    };
    EXPECT_FALSE(state("円グラフ", 1).scale);
    EXPECT_TRUE(state("立体円グラフ", 2).classification);
    EXPECT_TRUE(state("立体円グラフ", 2).separation);
    EXPECT_TRUE(state("棒グラフ", 1).classification);
    EXPECT_FALSE(state("棒グラフ", 2).classification);
    EXPECT_FALSE(state("Ｚ軸立体棒（横）", 1).classification);
    EXPECT_TRUE(state("折れ線グラフ", 2).statistics);
    EXPECT_TRUE(state("折れ線グラフ", 2).separation);
    EXPECT_TRUE(state("折れ線グラフ", 2).scale);
    EXPECT_FALSE(state("３σ線", 1).statistics);
    EXPECT_FALSE(state("帯グラフ", 1).separation);
}

TEST(VariableGraphFill, StatisticsLineCodes) {
    EXPECT_EQ(statLinesCode(kInitialStatLineSwitches), 5);
    EXPECT_EQ(statLinesCode({0, 0, 0, 0}), 0);
    EXPECT_EQ(statLinesCode({0, 0, 0, 1}), 8);
    EXPECT_EQ(statLinesCode({0, 0, 1, 0}), 2);
    EXPECT_EQ(statLinesCode({1, 1, 1, 1}), 15);
    EXPECT_EQ(fill(1, "折れ線グラフ").model.statLines(), 5);
    EXPECT_EQ(fill(1, "折れ線グラフ", {}, std::nullopt, {0, 0, 0, 1}).model.statLines(), 8);
    // Only the line kind draws them.
    EXPECT_EQ(fill(1, "対数グラフ").model.statLines(), 0);
}

TEST(VariableGraphFill, BoundsAxisOverEverySeries) {
    const Filled line = fill(3, "折れ線グラフ");
    ASSERT_TRUE(line.bounds);
    EXPECT_EQ(line.bounds->upper, 20);
    EXPECT_EQ(line.bounds->lower, -5);
    EXPECT_EQ(line.model.yAxisScale(), axisscales::kFixed);
    EXPECT_EQ(line.model.yAxisMax(), 20);
    EXPECT_EQ(line.model.yAxisMin(), -5);
    EXPECT_EQ(line.model.yAxisTicks(), 4);
    EXPECT_EQ(fill(2, "帯グラフ").model.yAxisScale(), axisscales::kFixed);
    EXPECT_EQ(fill(2, "エリアグラフ").model.yAxisScale(), axisscales::kAutomatic);
}

TEST(VariableGraphFill, ThreeSigmaOverOneToTen) {
    const Filled f = fill(1, "３σ線");
    ASSERT_TRUE(f.bounds);
    // m = 5.5, sd = 3.02765035...; m + 3 sd = 14.58295106, m - 3 sd = -3.58295106.
    EXPECT_NEAR(f.bounds->upper, 14.58295, 5e-6);
    EXPECT_NEAR(f.bounds->lower, -3.58295, 5e-6);
    ASSERT_EQ(f.model.seriesCount(), 3);
    EXPECT_EQ(f.model.chartType(), ChartType::Line);
    EXPECT_EQ(f.model.chartStyle(), 5);
    EXPECT_EQ(f.model.statLines(), 5);
    EXPECT_EQ(f.model.yAxisScale(), axisscales::kFixed);
    EXPECT_DOUBLE_EQ(f.model.yAxisMax(), f.bounds->upper);
    EXPECT_DOUBLE_EQ(f.model.yAxisMin(), f.bounds->lower);
    EXPECT_EQ(seriesValues(f.model, 1), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (int p = 1; p <= 10; ++p) {
        EXPECT_NEAR(f.model.value(2, p), 14.58295, 5e-6);
        EXPECT_NEAR(f.model.value(3, p), -3.58295, 5e-6);
    }
    EXPECT_EQ(f.model.seriesRole(2), SeriesRole::StatisticLine);
    EXPECT_EQ(f.model.pointLabelAt(3), "L3");
    EXPECT_EQ(f.model.legendAt(1), "A");
}

TEST(VariableGraphFill, WidenedBoundsKeepTheWiderSide) {
    const ValueBounds b = widenedBounds({10, 1}, 8, -2);
    EXPECT_EQ(b.upper, 10);
    EXPECT_EQ(b.lower, -2);
    const ThreeSigmaLines l = threeSigmaLines({0, 0, 2, 0.25, 0.5});
    EXPECT_EQ(l.upper, 3.5);
    EXPECT_EQ(l.lower, 0.5);
}

TEST(VariableGraphFill, EnteredLimits) {
    const Filled f = fill(1, "規格の入力", {}, EnteredLimits{8, 2, false});
    ASSERT_TRUE(f.bounds);
    EXPECT_EQ(f.bounds->upper, 10);
    EXPECT_EQ(f.bounds->lower, 1);
    ASSERT_EQ(f.model.seriesCount(), 4);
    EXPECT_EQ(f.model.statLines(), 5);
    EXPECT_EQ(f.model.yAxisMax(), 10);
    EXPECT_EQ(f.model.yAxisMin(), 1);
    EXPECT_EQ(seriesValues(f.model, 2), std::vector<double>(10, 8));
    EXPECT_EQ(seriesValues(f.model, 3), std::vector<double>(10, 2));
    EXPECT_EQ(seriesValues(f.model, 4), std::vector<double>(10, 5));
    EXPECT_EQ(f.model.seriesRole(2), SeriesRole::UpperSpecLimit);
    EXPECT_EQ(f.model.seriesRole(4), SeriesRole::CentreLine);
    // Limits beyond the values widen the axis; equal limits pass.
    const Filled wide = fill(1, "規格の入力", {}, EnteredLimits{12, 0, false});
    EXPECT_EQ(wide.bounds->upper, 12);
    EXPECT_EQ(wide.bounds->lower, 0);
    EXPECT_TRUE(fill(1, "規格の入力", {}, EnteredLimits{4, 4, false}).bounds);
    // Reversed, cancelled or missing: nothing drawn.
    EXPECT_FALSE(fill(1, "規格の入力", {}, EnteredLimits{2, 8, false}).bounds);
    EXPECT_FALSE(fill(1, "規格の入力", {}, EnteredLimits{8, 2, true}).bounds);
    EXPECT_FALSE(fill(1, "規格の入力").bounds);
}
