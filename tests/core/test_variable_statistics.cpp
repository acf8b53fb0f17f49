// Tests of statistics by variable: the figures and the hakoh table, the stable
// variance, masked samples, and the comparison graph's data, axis rule and fill.
#include "analysis/statistics/ComparisonGraph.h"
#include "analysis/statistics/VariableStatistics.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zel;

namespace {

// Variable "A" reads 2, 4, 6 and "B" 1, 1, 1 in the unmasked samples; sample 2
// is masked and holds values that would change every figure.
Dataset twoVariables() {
    Dataset ds;
    ds.resize(4, 2);
    ds.setName(1, "A");
    ds.setName(2, "B");
    const double a[4] = {2, 1000, 4, 6};
    const double b[4] = {1, -1000, 1, 1};
    for (int i = 1; i <= 4; ++i) {
        ds.setLabel(i, "S" + std::to_string(i));
        ds.setValue(i, 1, a[i - 1]);
        ds.setValue(i, 2, b[i - 1]);
    }
    ds.setMask(2, 1);
    return ds;
}

ComparisonSource sourceOf(const std::vector<std::vector<double>>& series) {
    ComparisonSource s;
    for (std::size_t k = 0; k < series.size(); ++k) {
        s.series.push_back({"V" + std::to_string(k + 1), seriesFigures(series[k])});
        s.values.push_back(series[k]);
    }
    return s;
}

} // namespace

TEST(VariableStatistics, FiguresOfTwoFourSixLeaveTheMaskedSampleOut) {
    const VariableStatistics st = computeVariableStatistics(twoVariables());
    EXPECT_EQ(st.set.seriesCount, 2);
    EXPECT_EQ(st.set.n, 3);
    EXPECT_EQ(st.set.names, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(st.set.labels, (std::vector<std::string>{"S1", "S3", "S4"}));
    ASSERT_EQ(st.figures.size(), 2u);
    // 2, 4, 6: sum 12, mean 4, deviations -2, 0, 2 -> 8 / 2 = variance 4, sd 2.
    const SeriesFigures& a = st.figures[0];
    EXPECT_EQ(a.count, 3);
    EXPECT_DOUBLE_EQ(a.max, 6.0);
    EXPECT_DOUBLE_EQ(a.min, 2.0);
    EXPECT_DOUBLE_EQ(a.mean, 4.0);
    EXPECT_DOUBLE_EQ(a.variance, 4.0);
    EXPECT_DOUBLE_EQ(a.sd, 2.0);
    EXPECT_DOUBLE_EQ(a.sum, 12.0);
    // 1, 1, 1: all equal, variance 0 (the masked -1000 stays out of MIN too).
    const SeriesFigures& b = st.figures[1];
    EXPECT_EQ(b.count, 3);
    EXPECT_DOUBLE_EQ(b.min, 1.0);
    EXPECT_DOUBLE_EQ(b.max, 1.0);
    EXPECT_DOUBLE_EQ(b.variance, 0.0);
    EXPECT_DOUBLE_EQ(b.sum, 3.0);
}

TEST(VariableStatistics, ZeroZeroZeroTen) {
    // Sum 10, mean 2.5; deviations -2.5 x 3 and 7.5: 18.75 + 56.25 = 75, / 3 = 25, sd 5.
    const SeriesFigures f = seriesFigures({0, 0, 0, 10});
    EXPECT_EQ(f.count, 4);
    EXPECT_DOUBLE_EQ(f.mean, 2.5);
    EXPECT_DOUBLE_EQ(f.variance, 25.0);
    EXPECT_DOUBLE_EQ(f.sd, 5.0);
    EXPECT_DOUBLE_EQ(f.min, 0.0);
    EXPECT_DOUBLE_EQ(f.max, 10.0);
    EXPECT_DOUBLE_EQ(f.sum, 10.0);
}

TEST(VariableStatistics, MaxAndMinOfNegativeValuesStartFromTheFirstValue) {
    const SeriesFigures f = seriesFigures({-3, -7, -5});
    EXPECT_DOUBLE_EQ(f.max, -3.0);
    EXPECT_DOUBLE_EQ(f.min, -7.0);
}

TEST(VariableStatistics, VarianceIsStableFarFromZero) {
    // 1e9 + 1, 2, 3: mean 1e9 + 2, deviations -1, 0, 1 -> variance 1 exactly.
    // The one-pass (S2 - S1^2 / n) / (n - 1) works near 3e18, where a double's
    // step is 512, and loses every digit of the 2 it should find.
    const std::vector<double> v = {1e9 + 1, 1e9 + 2, 1e9 + 3};
    double s1 = 0, s2 = 0;
    for (double x : v) {
        s1 += x;
        s2 += x * x;
    }
    const double onePass = (s2 - s1 * s1 / 3.0) / 2.0;
    ASSERT_GE(std::fabs(onePass - 1.0), 1.0); // the data does break the one-pass formula (0 here)

    const SeriesFigures f = seriesFigures(v);
    EXPECT_DOUBLE_EQ(f.mean, 1e9 + 2);
    EXPECT_DOUBLE_EQ(f.variance, 1.0);
    EXPECT_DOUBLE_EQ(f.sd, 1.0);

    // The same through the table of a dataset.
    Dataset ds;
    ds.resize(3, 1);
    for (int i = 1; i <= 3; ++i)
        ds.setValue(i, 1, v[static_cast<std::size_t>(i - 1)]);
    const ResultTable t = variableStatisticsTable(computeVariableStatistics(ds));
    EXPECT_DOUBLE_EQ(*t.at(1, 6).number, 1.0);
    EXPECT_DOUBLE_EQ(*t.at(1, 7).number, 1.0);
}

TEST(VariableStatistics, NoVariablesGiveAnEmptyTable) {
    Dataset ds;
    ds.resize(3, 0);
    const VariableStatistics st = computeVariableStatistics(ds);
    EXPECT_EQ(st.set.seriesCount, 0);
    EXPECT_TRUE(st.figures.empty());
    const ResultTable t = variableStatisticsTable(st);
    EXPECT_EQ(t.rows, 0);
    EXPECT_EQ(t.columns, 8);
}

TEST(VariableStatisticsTable, ColumnsHeadingsWidthsAndCells) {
    const ResultTable t = variableStatisticsTable(computeVariableStatistics(twoVariables()));
    ASSERT_EQ(t.rows, 2);
    ASSERT_EQ(t.columns, 8);
    EXPECT_EQ(t.columnHeadings, (std::vector<std::string>{"変数no.", "変数名", "データ数", "ＭＡＸ", "ＭＩＮ",
                                                          "平均値", "分　散", "標準偏差", "合　計"}));
    EXPECT_EQ(t.columnWidths, (std::vector<int>{8, 14, 10, 14, 14, 14, 14, 14, 14}));
    EXPECT_FALSE(t.at(1, 1).number); // the name is a text cell
    // The nine columns as the report writes them: heading, name, n, MAX, MIN,
    // mean, variance, sd, sum.
    EXPECT_EQ(resultTableCsv(t), "変数no.,変数名,データ数,ＭＡＸ,ＭＩＮ,平均値,分　散,標準偏差,合　計\r\n"
                                 "NO.1,A,3,6,2,4,4,2,12\r\n"
                                 "NO.2,B,3,1,1,1,0,0,3\r\n");
}

TEST(VariableStatisticsTable, ColumnFormats) {
    const auto& f = statisticsColumnFormats();
    EXPECT_EQ(f[0].cell, StatisticsCell::Header);
    EXPECT_EQ(f[1].cell, StatisticsCell::Text);
    EXPECT_EQ(f[2].cell, StatisticsCell::WholeNumber);
    EXPECT_DOUBLE_EQ(f[2].max, 99999999.0);
    for (std::size_t c = 3; c <= 8; ++c) // MAX .. 合計: four places, +-99999999
        EXPECT_TRUE(f[c].cell == StatisticsCell::Numeric && f[c].decimals == 4 && f[c].min == -99999999.0)
            << c;
}

TEST(ComparisonFigures, SevenSetsAndWhiskersBeyondTheData) {
    // 2, 4, 6: mean 4, sd 2 -> whiskers end at MIN 2 and MAX 6, the box 2..6.
    EXPECT_EQ(figureSets(seriesFigures({2, 4, 6})), (FigureSets{2, 2, 2, 4, 6, 6, 6}));
    // 0, 0, 0, 10: mean 2.5, sd 5: set 1 is mean - sd = -2.5 (below MIN 0),
    // set 7 is MAX 10 (above mean + sd = 7.5).
    EXPECT_EQ(figureSets(seriesFigures({0, 0, 0, 10})), (FigureSets{-2.5, -2.5, -2.5, 2.5, 7.5, 7.5, 10}));
}

TEST(ComparisonFigures, AxisCoversEveryFigure) {
    // Series 1: 2, 4, 6 (2..6). Series 2: 0, 0, 0, 10 (whisker -2.5 .. 10).
    // Top: 6, then MAX 10 (mean + sd 7.5 is below). Bottom: 2, then MIN 0,
    // then mean - sd -2.5.
    StatisticsFigures f = statisticsFigures(sourceOf({{2, 4, 6}, {0, 0, 0, 10}}));
    EXPECT_DOUBLE_EQ(f.axis.top, 10.0);
    EXPECT_DOUBLE_EQ(f.axis.bottom, -2.5);
    EXPECT_EQ(f.labels, (std::vector<std::string>{"V1", "V2"}));
    ASSERT_EQ(f.figures.size(), 2u);

    // 0, 0, 10, 10: mean 5, variance 100 / 3, sd 5.7735: mean + sd 10.7735
    // beyond MAX 10 and mean - sd -0.7735 below MIN 0 set both ends.
    f = statisticsFigures(sourceOf({{4, 5, 6}, {0, 0, 10, 10}}));
    const double sd = std::sqrt(100.0 / 3.0);
    EXPECT_NEAR(f.axis.top, 5 + sd, 1e-12);
    EXPECT_NEAR(f.axis.bottom, 5 - sd, 1e-12);

    // The ends start from series 1: with one flat series the axis is its value.
    f = statisticsFigures(sourceOf({{3, 3, 3}}));
    EXPECT_DOUBLE_EQ(f.axis.top, 3.0);
    EXPECT_DOUBLE_EQ(f.axis.bottom, 3.0);
}

TEST(ComparisonFigures, RawDataPlotOneSeriesPerValuePosition) {
    const ComparisonSource s = variableComparison(computeVariableStatistics(twoVariables()));
    const RawDataPlot p = rawDataPlot(s);
    EXPECT_EQ(p.seriesCount, 3); // n
    EXPECT_EQ(p.pointCount, 2);  // variables
    EXPECT_EQ(p.values, (std::vector<double>{2, 1, 4, 1, 6, 1}));
    EXPECT_EQ(p.labels, (std::vector<std::string>{"A", "B"}));
    EXPECT_DOUBLE_EQ(p.axis.top, 6.0);
    EXPECT_DOUBLE_EQ(p.axis.bottom, 1.0);
}

TEST(ComparisonKinds, ListAndLookUp) {
    EXPECT_EQ(comparisonKindList(false), (std::vector<std::string>{"変数別統計量", "生データプロット"}));
    EXPECT_EQ(comparisonKindList(true), (std::vector<std::string>{"変数別統計量", "層別データプロット"}));
    EXPECT_EQ(findComparisonKind("生データプロット", false), ComparisonKind::RawData);
    EXPECT_EQ(findComparisonKind("変数別統計量", true), ComparisonKind::Statistics);
    EXPECT_FALSE(findComparisonKind("生データプロット", true));
    EXPECT_FALSE(findComparisonKind("層別データプロット", false));
    EXPECT_FALSE(findComparisonKind("棒グラフ", false));
}

TEST(ComparisonFill, StatisticsFiguresResetTheRedrawAndKeepTheAngles) {
    ChartModel m;
    // Left-overs of an earlier drawing that the redraw must not keep.
    m.setStatLines(statlines::kAll);
    m.setOverlayMode(overlaymodes::kLeftAxis);
    m.setLegendAt(1, "old");
    m.setRotation3D(40);
    const ComparisonSource s = sourceOf({{2, 4, 6}, {0, 0, 0, 10}});
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::Statistics));
    EXPECT_EQ(m.seriesCount(), 7);
    EXPECT_EQ(m.pointCount(), 2);
    const double first[7] = {2, 2, 2, 4, 6, 6, 6};
    const double second[7] = {-2.5, -2.5, -2.5, 2.5, 7.5, 7.5, 10};
    for (int set = 1; set <= 7; ++set) {
        EXPECT_DOUBLE_EQ(m.value(set, 1), first[set - 1]) << set;
        EXPECT_DOUBLE_EQ(m.value(set, 2), second[set - 1]) << set;
    }
    EXPECT_EQ(m.chartType(), ChartType::StatsByVariable);
    EXPECT_EQ(m.chartStyle(), chartstyles::kStatsBoxFigure);
    EXPECT_EQ(m.yAxisScale(), axisscales::kFixed);
    EXPECT_DOUBLE_EQ(m.yAxisMax(), 10.0);
    EXPECT_DOUBLE_EQ(m.yAxisMin(), -2.5);
    EXPECT_EQ(m.yAxisTicks(), 4);
    EXPECT_EQ(m.pointLabelAt(1), "V1");
    EXPECT_EQ(m.pointLabelAt(2), "V2");
    EXPECT_EQ(m.statLines(), 0);
    EXPECT_EQ(m.overlayMode(), overlaymodes::kOff);
    EXPECT_EQ(m.legendAt(1), "");
    EXPECT_EQ(m.rotation3D(), 40);
    EXPECT_EQ(m.currentSeries(), 1);
    EXPECT_EQ(m.currentPoint(), 1);
}

TEST(ComparisonFill, RawDataAfterTheFiguresAndBack) {
    ChartModel m;
    const ComparisonSource s = variableComparison(computeVariableStatistics(twoVariables()));
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::Statistics));
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::RawData));
    EXPECT_EQ(m.seriesCount(), 3);
    EXPECT_EQ(m.pointCount(), 2);
    // Chart series i is value position i; point k is variable k.
    EXPECT_DOUBLE_EQ(m.value(1, 1), 2.0);
    EXPECT_DOUBLE_EQ(m.value(2, 1), 4.0);
    EXPECT_DOUBLE_EQ(m.value(3, 1), 6.0);
    EXPECT_DOUBLE_EQ(m.value(3, 2), 1.0);
    EXPECT_EQ(m.chartType(), ChartType::Line);
    EXPECT_EQ(m.chartStyle(), chartstyles::kLineOnly);
    EXPECT_DOUBLE_EQ(m.yAxisMax(), 6.0);
    EXPECT_DOUBLE_EQ(m.yAxisMin(), 1.0);
    EXPECT_EQ(m.pointLabelAt(2), "B");

    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::Statistics));
    EXPECT_EQ(m.seriesCount(), 7);
    // A: 2, 4, 6 -> 2, 2, 2, 4, 6, 6, 6; B: 1, 1, 1 is a flat figure.
    EXPECT_DOUBLE_EQ(m.value(1, 1), 2.0);
    EXPECT_DOUBLE_EQ(m.value(7, 1), 6.0);
    for (int set = 1; set <= 7; ++set)
        EXPECT_DOUBLE_EQ(m.value(set, 2), 1.0) << set;
}

TEST(ComparisonFill, RefusedKindsAndShapesLeaveTheChartAlone) {
    ChartModel m;
    const ComparisonSource s = variableComparison(computeVariableStatistics(twoVariables()));
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::Statistics));
    // By variable there is no stratified plot; without series nothing to draw.
    EXPECT_FALSE(fillComparisonChart(m, s, ComparisonKind::StratifiedData));
    EXPECT_FALSE(fillComparisonChart(m, ComparisonSource{}, ComparisonKind::Statistics));
    EXPECT_FALSE(fillComparisonChart(m, ComparisonSource{}, ComparisonKind::RawData));
    EXPECT_EQ(m.chartType(), ChartType::StatsByVariable);
    EXPECT_EQ(m.seriesCount(), 7);
    EXPECT_DOUBLE_EQ(m.value(4, 1), 4.0);
}

TEST(ComparisonReadout, SignedNumberTextsOfTheClickedSeries) {
    const ComparisonSource s = sourceOf({{2, 4, 6}, {-0.5, 0.5}});
    const auto a = comparisonReadout(s, 1);
    ASSERT_TRUE(a);
    const std::vector<std::string> texts = {a->set, a->max, a->min, a->mean, a->variance, a->sd, a->count};
    EXPECT_EQ(texts, (std::vector<std::string>{" 1", " 6", " 2", " 4", " 4", " 2", " 3"}));
    // -0.5, 0.5: mean 0, variance 0.5.
    const auto b = comparisonReadout(s, 2);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->min, "-.5");
    EXPECT_EQ(b->max, " .5");
    EXPECT_EQ(b->variance, " .5");
    EXPECT_FALSE(comparisonReadout(s, 0));
    EXPECT_FALSE(comparisonReadout(s, 3));
    EXPECT_EQ(clickedComparisonSeries(s, ComparisonKind::Statistics, 2), 2);
    EXPECT_EQ(clickedComparisonSeries(s, ComparisonKind::Statistics, 3), 0);
}
