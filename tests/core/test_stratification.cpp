// Tests of stratification: the Stratified set and hensi2so's refusals in their
// order, the hakohso table, the stratified histogram's series and the
// comparison graph by stratum.
#include "analysis/statistics/ComparisonGraph.h"
#include "analysis/statistics/Stratification.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using namespace zel;

namespace {

// Variable 1 "因子" is the factor, variable 2 "値" the analysis variable;
// sample i is labelled "L<i>".
Dataset stratified(const std::vector<double>& factor, const std::vector<double>& values) {
    Dataset ds;
    const int n = static_cast<int>(factor.size());
    ds.resize(n, 2);
    ds.setName(1, "因子");
    ds.setName(2, "値");
    for (int i = 1; i <= n; ++i) {
        ds.setLabel(i, "L" + std::to_string(i));
        ds.setValue(i, 1, factor[static_cast<std::size_t>(i - 1)]);
        ds.setValue(i, 2, values[static_cast<std::size_t>(i - 1)]);
    }
    return ds;
}

std::string refusal(const Dataset& ds, int factor = 1, int analysis = 2) {
    const auto r = buildStratifiedSet(ds, factor, analysis);
    return r.isOk() ? std::string() : r.status().message();
}

} // namespace

TEST(StratifiedSet, TheWorkedExample) {
    // Factor 1, 1, 2, 2, 2 with values 10, 20, 1, 2, 3.
    const auto r = buildStratifiedSet(stratified({1, 1, 2, 2, 2}, {10, 20, 1, 2, 3}), 1, 2);
    ASSERT_TRUE(r.isOk()) << r.status().message();
    const StratifiedSet& s = *r;
    EXPECT_EQ(s.names[0], "因子");
    EXPECT_EQ(s.n, 5);
    EXPECT_EQ(s.codes, (std::vector<int>{1, 1, 2, 2, 2}));
    EXPECT_EQ(s.count, (std::array<int, 6>{0, 2, 3, 0, 0, 0}));
    EXPECT_EQ(s.first, (std::array<int, 6>{0, 1, 3, 0, 0, 0}));
    EXPECT_EQ(s.strata[1], (std::vector<double>{10, 20}));
    EXPECT_EQ(s.strata[2], (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(s.seriesCodes, (std::vector<int>{1, 2}));
    EXPECT_EQ(s.seriesCount(), 2);

    const auto st = stratumStatistics(s);
    ASSERT_EQ(st.size(), 2u);
    EXPECT_EQ(st[0].code, 1);
    EXPECT_EQ(st[1].code, 2);
    const ResultTable t = stratifiedStatisticsTable(st);
    EXPECT_EQ(t.columnHeadings,
              (std::vector<std::string>{"層別 no.", "変数名", "データ数", "ＭＡＸ", "ＭＩＮ", "平均値",
                                        "分　散", "標準偏差", "合　計"}));
    EXPECT_EQ(t.columnWidths, (std::vector<int>{10, 14, 10, 14, 14, 14, 14, 14, 14}));
    // Code 1: 10, 20 -> mean 15, deviations -5, 5 -> variance 50 / 1, sd 7.0711, sum 30.
    // Code 2: 1, 2, 3 -> mean 2, deviations -1, 0, 1 -> variance 2 / 2 = 1, sum 6.
    // Each row is named after its stratum's first sample (L1, L3).
    EXPECT_EQ(resultTableCsv(t), "層別 no.,変数名,データ数,ＭＡＸ,ＭＩＮ,平均値,分　散,標準偏差,合　計\r\n"
                                 "1,L1,2,20,10,15,50,7.07106781186548,30\r\n"
                                 "2,L3,3,3,1,2,1,1,6\r\n");
}

TEST(StratifiedSet, RefusalsInOrderWithTheirTitles) {
    // 1. The same variable in both lists, whatever the data.
    const Dataset bad = stratified({1, 9, 4}, {1, 2, 3});
    auto r = buildStratifiedSet(bad, 2, 2);
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "層別変数と解析変数が同じです｡");
    EXPECT_EQ(stratificationRefusalTitle(r.status()), "変数の指定");

    // 2. A factor outside 1..5 comes before a stratum of one value (code 4 here
    //    occurs once, and the out-of-range 9 follows it).
    r = buildStratifiedSet(bad, 1, 2);
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "層別因子として使用できるデータは１～５の整数です。");
    EXPECT_EQ(stratificationRefusalTitle(r.status()), "層別因子");

    // 3. A stratum of exactly one value refuses the whole set, however large the others.
    r = buildStratifiedSet(stratified({1, 1, 1, 1, 1, 4, 2, 2}, {1, 2, 3, 4, 5, 6, 7, 8}), 1, 2);
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), "一つのグループのデータは「２」以上にして下さい。");
    EXPECT_EQ(stratificationRefusalTitle(r.status()), "層別統計量グラフ");

    EXPECT_EQ(stratificationRefusalTitle(Status::invalidArgument("other")), "");
    EXPECT_EQ(stratificationRefusalTitle(Status::ok()), "");
    // List positions outside the variables are no user refusal.
    EXPECT_FALSE(buildStratifiedSet(bad, 0, 2).isOk());
    EXPECT_FALSE(buildStratifiedSet(bad, 1, 3).isOk());
}

TEST(StratifiedSet, FactorsRoundHalfToEven) {
    // 1.5 and 2.5 both give 2, 3.5 and 4.5 both give 4; 0.6 gives 1, 5.4 gives 5.
    const auto r = buildStratifiedSet(
        stratified({1.5, 2.5, 4.5, 3.5, 0.6, 5.4, 5.0, 1.0}, {1, 2, 3, 4, 5, 6, 7, 8}), 1, 2);
    ASSERT_TRUE(r.isOk()) << r.status().message();
    EXPECT_EQ(r->codes, (std::vector<int>{2, 2, 4, 4, 1, 5, 5, 1}));
    EXPECT_EQ(r->seriesCodes, (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(r->strata[4], (std::vector<double>{3, 4}));

    // Rounded outside 1..5, however far: 0.5 gives 0, 5.5 gives 6; values that
    // are no number at all are refused as well.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double f : {0.5, 5.5, -0.4, 0.0, -3.0, 1e300, -1e300, 3e9, inf, -inf, nan}) {
        EXPECT_EQ(refusal(stratified({1, 1, f}, {1, 2, 3})), kStratumCodeOutOfRange) << f;
        EXPECT_EQ(refusal(stratified({f, 1, 1}, {1, 2, 3})), kStratumCodeOutOfRange) << f;
    }
}

TEST(StratifiedSet, MaskedSamplesAreLeftOut) {
    // Sample 2 is masked: its factor 9 is not refused, and it leaves no gap.
    Dataset ds = stratified({1, 9, 1, 3, 3}, {5, 100, 7, 2, 4});
    ds.setMask(2, 1);
    const auto r = buildStratifiedSet(ds, 1, 2);
    ASSERT_TRUE(r.isOk()) << r.status().message();
    EXPECT_EQ(r->n, 4);
    EXPECT_EQ(r->values, (std::vector<double>{5, 7, 2, 4}));
    EXPECT_EQ(r->labels, (std::vector<std::string>{"L1", "L3", "L4", "L5"}));
    // Only codes 1 and 3: two series, named after each stratum's first sample,
    // each counting its own values.
    EXPECT_EQ(r->seriesCodes, (std::vector<int>{1, 3}));
    EXPECT_EQ(r->first[3], 3); // the third unmasked sample
    const ResultTable t = stratifiedStatisticsTable(stratumStatistics(*r));
    ASSERT_EQ(t.rows, 2);
    // Code 1: 5, 7 (mean 6, variance 2); code 3: 2, 4 (mean 3, variance 2).
    EXPECT_EQ(resultTableCsv(t).substr(resultTableCsv(t).find("\r\n") + 2),
              "1,L1,2,7,5,6,2,1.4142135623731,12\r\n"
              "3,L4,2,4,2,3,2,1.4142135623731,6\r\n");

    // A masked sample is also no stratum of one value.
    Dataset single = stratified({1, 1, 2}, {1, 2, 3});
    single.setMask(3, 1);
    const auto one = buildStratifiedSet(single, 1, 2);
    ASSERT_TRUE(one.isOk()) << one.status().message();
    EXPECT_EQ(one->seriesCount(), 1);
}

TEST(StratifiedSet, VarianceIsStableFarFromZero) {
    // Stratum 2: 1e9 + 1, 2, 3 -> variance 1 (the one-pass formula loses it).
    const auto r = buildStratifiedSet(stratified({2, 1, 2, 1, 2}, {1e9 + 1, 0, 1e9 + 2, 4, 1e9 + 3}), 1, 2);
    ASSERT_TRUE(r.isOk());
    const auto st = stratumStatistics(*r);
    ASSERT_EQ(st.size(), 2u);
    EXPECT_DOUBLE_EQ(st[1].figures.mean, 1e9 + 2);
    EXPECT_DOUBLE_EQ(st[1].figures.variance, 1.0);
    EXPECT_DOUBLE_EQ(st[0].figures.variance, 8.0); // 0, 4: mean 2, (4 + 4) / 1
}

TEST(StratifiedHistogram, SeriesInCodeOrderNamedByTheFirstSample) {
    // Codes 3, 1, 3, 1, 1: code 1 first occurs at sample 2, code 3 at sample 1.
    const auto r = buildStratifiedSet(stratified({3, 1, 3, 1, 1}, {30, 10, 32, 12, 14}), 1, 2);
    ASSERT_TRUE(r.isOk());
    const AnalysisSet h = stratifiedHistogramSeries(*r);
    EXPECT_EQ(h.seriesCount, 2);
    EXPECT_EQ(h.n, 5);
    EXPECT_EQ(h.names, (std::vector<std::string>{"L2", "L1"}));
    ASSERT_EQ(h.values.size(), 2u);
    EXPECT_EQ(h.values[0], (std::vector<double>{10, 12, 14}));
    EXPECT_EQ(h.values[1], (std::vector<double>{30, 32}));
    ASSERT_EQ(h.stats.size(), 2u);
    EXPECT_DOUBLE_EQ(h.stats[0].mean, 12.0);
    EXPECT_DOUBLE_EQ(h.stats[0].variance, 4.0); // (4 + 0 + 4) / 2
    EXPECT_DOUBLE_EQ(h.stats[1].variance, 2.0); // (1 + 1) / 1
    EXPECT_TRUE(h.variables.empty());
}

TEST(StratifiedComparison, OneFigurePerStratumAndThePlotByStratum) {
    // Codes 3, 1, 3, 1, 1 with values 30, 10, 32, 12, 14: series 1 is code 1
    // (10, 12, 14; mean 12, sd 2), series 2 code 3 (30, 32; mean 31, sd 1.4142).
    const auto r = buildStratifiedSet(stratified({3, 1, 3, 1, 1}, {30, 10, 32, 12, 14}), 1, 2);
    ASSERT_TRUE(r.isOk());
    const ComparisonSource s = stratifiedComparison(*r, stratumStatistics(*r));
    EXPECT_EQ(s.pooledSeries, (std::vector<int>{2, 1, 2, 1, 1}));

    const StatisticsFigures f = statisticsFigures(s);
    EXPECT_EQ(f.labels, (std::vector<std::string>{"L2", "L1"}));
    EXPECT_EQ(f.figures[0], (FigureSets{10, 10, 10, 12, 14, 14, 14}));
    // Top: MAX 14, then MAX 32, then 31 + sqrt 2 = 32.414; bottom: MIN 10 (10 = 12 - 2).
    EXPECT_DOUBLE_EQ(f.axis.top, 31.0 + std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(f.axis.bottom, 10.0);

    const StratifiedDataPlot p = stratifiedDataPlot(s);
    EXPECT_EQ(p.positions, 2);
    EXPECT_EQ(p.values, (std::vector<double>{30, 10, 32, 12, 14}));
    EXPECT_EQ(p.xPositions, (std::vector<double>{2, 1, 2, 1, 1}));
    EXPECT_DOUBLE_EQ(p.axis.top, 32.0);
    EXPECT_DOUBLE_EQ(p.axis.bottom, 10.0);

    ChartModel m;
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::Statistics));
    EXPECT_EQ(m.pointLabelAt(1), "L2");
    EXPECT_FALSE(fillComparisonChart(m, s, ComparisonKind::RawData)); // no raw plot by stratum
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::StratifiedData));
    EXPECT_EQ(m.chartType(), ChartType::Scatter);
    EXPECT_EQ(m.chartStyle(), chartstyles::kScatterMarkers);
    EXPECT_EQ(m.seriesCount(), 1);
    EXPECT_EQ(m.pointCount(), 5);
    EXPECT_DOUBLE_EQ(m.value(1, 2), 10.0);
    EXPECT_DOUBLE_EQ(m.xPos(1, 3), 2.0);
    EXPECT_DOUBLE_EQ(m.yAxisMax(), 32.0);
    EXPECT_DOUBLE_EQ(m.yAxisMin(), 10.0);
    EXPECT_EQ(m.xAxisScale(), axisscales::kFixed);
    EXPECT_EQ(m.xAxisTicks(), 2);
    EXPECT_DOUBLE_EQ(m.xAxisMax(), 2.0);
    EXPECT_EQ(m.pointLabelAt(1), ""); // the figures' labels are gone

    // A click on value 1 (code 3) reports series 2 and its own count.
    const int series = clickedComparisonSeries(s, ComparisonKind::StratifiedData, 1);
    EXPECT_EQ(series, 2);
    const auto readout = comparisonReadout(s, series);
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->count, " 2");
    EXPECT_EQ(clickedComparisonSeries(s, ComparisonKind::StratifiedData, 6), 0);

    // The figures again: no x positions are left over from the plot.
    ASSERT_TRUE(fillComparisonChart(m, s, ComparisonKind::Statistics));
    EXPECT_FALSE(m.hasXPositions());
    EXPECT_EQ(m.seriesCount(), 7);
    EXPECT_DOUBLE_EQ(m.value(4, 2), 31.0);
}

TEST(StratifiedComparison, AllSamplesInOneStratum) {
    const auto r = buildStratifiedSet(stratified({2, 2, 2}, {1, 2, 3}), 1, 2);
    ASSERT_TRUE(r.isOk());
    const auto st = stratumStatistics(*r);
    ASSERT_EQ(st.size(), 1u);
    EXPECT_EQ(stratifiedStatisticsTable(st).rows, 1);
    ChartModel m;
    ASSERT_TRUE(fillComparisonChart(m, stratifiedComparison(*r, st), ComparisonKind::Statistics));
    EXPECT_EQ(m.pointCount(), 1);
}
