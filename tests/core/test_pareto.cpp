// Tests of the Pareto analysis, worked out by hand: the item values of one
// variable or "合計", the refusal of a sum of 0 or less, the ranking with equal
// values in sample order, the percents at four places and their running sum,
// the table with its last cell 100, the fold into "その他" and the chart kind
// "パレート図".
#include "analysis/pareto/Pareto.h"

#include "analysis/histogram/HistogramFill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zel;

namespace {

// One value per sample (variable "件数"), labelled by names; a second
// variable "手直し" holds extra.
Dataset dataset(const std::vector<double>& values, const std::vector<std::string>& names,
                const std::vector<double>& extra = {}) {
    Dataset ds;
    const int k = extra.empty() ? 1 : 2;
    ds.resize(static_cast<int>(values.size()), k);
    ds.setName(1, "件数");
    if (k == 2) ds.setName(2, "手直し");
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int s = static_cast<int>(i) + 1;
        ds.setValue(s, 1, values[i]);
        if (k == 2) ds.setValue(s, 2, extra[i]);
        ds.setLabel(s, names[i]);
    }
    return ds;
}

ParetoItems ranked(const std::vector<double>& values, const std::vector<std::string>& names) {
    return rankParetoItems(buildParetoSet(dataset(values, names), 1).value());
}

// Items A..D with 5, 20, 10, 15: total 50.
ParetoItems example() {
    return ranked({5, 20, 10, 15}, {"A", "B", "C", "D"});
}

using Names = std::vector<std::string>;
using Values = std::vector<double>;

} // namespace

TEST(ParetoSet, OneVariableOrTheSumOfEveryVariableOfTheUnmaskedSamples) {
    Dataset ds = dataset({5, 20, 10, 15}, {"A", "B", "C", "D"}, {1, 2, 3, 4});
    ds.setMask(3, 1);
    const AnalysisSet one = buildParetoSet(ds, 2).value();
    EXPECT_EQ(one.names, Names{"手直し"});
    EXPECT_EQ(one.values.at(0), (Values{1, 2, 4}));
    EXPECT_EQ(one.labels, (Names{"A", "B", "D"}));

    // "合計" lies after the variables: 5 + 1, 20 + 2, 15 + 4.
    const AnalysisSet total = buildParetoSet(ds, 3).value();
    EXPECT_EQ(total.seriesCount, 1);
    EXPECT_EQ(total.names, Names{"合計"});
    EXPECT_EQ(total.variables, std::vector<int>{3});
    EXPECT_EQ(total.n, 3);
    EXPECT_EQ(total.values.at(0), (Values{6, 22, 19}));
    EXPECT_EQ(total.labels, (Names{"A", "B", "D"}));
    EXPECT_DOUBLE_EQ(total.stats.at(0).mean, 47.0 / 3);

    EXPECT_FALSE(buildParetoSet(ds, 0));
    EXPECT_FALSE(buildParetoSet(ds, 4));
}

TEST(ParetoSet, ASumOfZeroOrLessIsRefused) {
    const auto check = [](const std::vector<double>& values) {
        return checkParetoSum(buildParetoSet(dataset(values, {"a", "b", "c"}), 1).value());
    };
    const Status zero = check({-1, 0, 1});
    EXPECT_EQ(zero.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(zero.message(), "データを確認して下さい。");
    EXPECT_FALSE(check({-3, 1, 1}));
    EXPECT_FALSE(check({0, 0, 0}));
    EXPECT_TRUE(check({-1, 0, 2}));
}

TEST(ParetoItems, TheExampleRanksByValueWithPercentsAndTheirRunningSum) {
    const ParetoItems items = example();
    EXPECT_EQ(items.names, (Names{"B", "D", "C", "A"}));
    EXPECT_EQ(items.values, (Values{20, 15, 10, 5}));
    EXPECT_EQ(items.percents, (Values{40, 30, 20, 10}));
    EXPECT_EQ(items.cumulative, (Values{40, 70, 90, 100}));
}

TEST(ParetoItems, EqualValuesKeepTheirSampleOrder) {
    const ParetoItems items = ranked({3, 5, 3, 5, 3, 1}, {"a", "b", "c", "d", "e", "f"});
    EXPECT_EQ(items.names, (Names{"b", "d", "a", "c", "e", "f"}));
}

TEST(ParetoItems, PercentsEnterTheSumAsShownAndValuesAsTheirText) {
    // Thirds: 33.3333 each, the running sum ends at 99.9999.
    const ParetoItems thirds = ranked({1, 1, 1}, {"a", "b", "c"});
    EXPECT_EQ(thirds.percents, (Values{33.3333, 33.3333, 33.3333}));
    EXPECT_DOUBLE_EQ(thirds.cumulative[1], 66.6666);
    EXPECT_DOUBLE_EQ(thirds.cumulative[2], 99.9999);
    // 2/3 shows as 66.6667, rounded up.
    EXPECT_EQ(ranked({1, 2}, {"a", "b"}).percents, (Values{66.6667, 33.3333}));
    // A value is read back from its 15 digits.
    EXPECT_EQ(ranked({0.1 + 0.2, 1}, {"a", "b"}).values, (Values{1, 0.3}));
    // Negative values stay, with negative percents: -2 of 3.
    const ParetoItems negative = ranked({-2, 5}, {"a", "b"});
    EXPECT_EQ(negative.names, (Names{"b", "a"}));
    EXPECT_EQ(negative.percents, (Values{166.6667, -66.6667}));
}

TEST(ParetoTable, FourColumnsInTableOrderWithTheLastCumulativeCell100) {
    const ResultTable t = paretoTable(ranked({1, 1, 1}, {"a", "b", "c"}));
    EXPECT_EQ(t.rows, 3);
    EXPECT_EQ(t.columns, 4);
    EXPECT_EQ(t.columnHeadings, (Names{"項目no.", "項　目", "データ", "％", "累積％"}));
    EXPECT_EQ(t.columnWidths, (std::vector<int>{8, 22, 10, 10, 10}));
    EXPECT_EQ(t.rowHeadings[1], "NO.1");
    EXPECT_EQ(t.rowHeadings[3], "NO.3");
    EXPECT_EQ(t.at(1, 1).text, "a");
    EXPECT_EQ(t.at(2, 2).text, "1");
    EXPECT_FALSE(t.at(2, 2).number);
    EXPECT_EQ(t.at(3, 3).number, 33.3333);
    EXPECT_DOUBLE_EQ(*t.at(2, 4).number, 66.6666);
    EXPECT_EQ(t.at(3, 4).number, 100.0); // the running sum is 99.9999
}

TEST(ParetoFold, TheTailBecomesOneItemOthers) {
    const ParetoItems two = keepTopItems(example(), 2);
    EXPECT_EQ(two.names, (Names{"B", "D", "その他"}));
    EXPECT_EQ(two.values, (Values{20, 15, 15}));
    EXPECT_EQ(two.cumulative, (Values{40, 70, 100}));

    // n - 1 kept: the last item is renamed with its own value.
    const ParetoItems three = keepTopItems(example(), 3);
    EXPECT_EQ(three.names, (Names{"B", "D", "C", "その他"}));
    EXPECT_EQ(three.values, (Values{20, 15, 10, 5}));

    // All kept: no "その他".
    const ParetoItems all = keepTopItems(example(), 4);
    EXPECT_EQ(all.names, (Names{"B", "D", "C", "A"}));
    EXPECT_EQ(all.cumulative.back(), 100.0);

    // Thirds folded: the last point reads 100 although the sum was 99.9999.
    EXPECT_EQ(keepTopItems(ranked({1, 1, 1}, {"a", "b", "c"}), 2).cumulative.back(), 100.0);
    EXPECT_DOUBLE_EQ(keepTopItems(ranked({1, 1, 1}, {"a", "b", "c"}), 3).cumulative.back(), 99.9999);
}

TEST(ParetoFold, TheItemsReadBackIntoTheSetKeepItsStatistics) {
    AnalysisSet set = buildParetoSet(dataset({5, 20, 10, 15}, {"A", "B", "C", "D"}), 1).value();
    storeParetoItems(set, keepTopItems(rankParetoItems(set), 2));
    EXPECT_EQ(set.n, 3);
    EXPECT_EQ(set.values.at(0), (Values{20, 15, 15}));
    EXPECT_EQ(set.labels, (Names{"B", "D", "その他"}));
    EXPECT_DOUBLE_EQ(set.stats.at(0).mean, 12.5);
}

TEST(ParetoChart, BarsInFallingOrderTouchingWithTheCumulativeLineOnTheRightAxis) {
    ChartModel m;
    m.redrawReset(m.viewAngles());
    const std::vector<std::int16_t> flags{classflags::kMarked, classflags::kUnmarked};
    ASSERT_TRUE(fillParetoChart(m, keepTopItems(example(), 2), flags));
    EXPECT_EQ(m.chartType(), ChartType::Bar);
    EXPECT_EQ(m.chartStyle(), chartstyles::kBarVertical);
    EXPECT_EQ(m.barGap(), 0);
    EXPECT_EQ(m.seriesCount(), 1);
    ASSERT_EQ(m.pointCount(), 3);
    EXPECT_EQ(m.values(), (Values{20, 15, 15}));
    EXPECT_EQ(m.pointLabelAt(1), "B");
    EXPECT_EQ(m.pointLabelAt(3), "その他");
    EXPECT_EQ(m.patternAt(1), kMarkedPattern);
    EXPECT_EQ(m.patternAt(2), 0);
    EXPECT_EQ(m.patternAt(3), 0); // no flag: nothing set

    // The bars against 0..total, the line against 0..100, ten intervals each:
    // the first point stands level with the top of the first bar.
    EXPECT_EQ(m.leftAxis().scale, axisscales::kFixed);
    EXPECT_EQ(m.leftAxis().min, 0.0);
    EXPECT_EQ(m.leftAxis().max, 50.0);
    EXPECT_EQ(m.leftAxis().ticks, 10);
    EXPECT_EQ(m.rightAxis().scale, axisscales::kFixed);
    EXPECT_EQ(m.rightAxis().min, 0.0);
    EXPECT_EQ(m.rightAxis().max, 100.0);
    EXPECT_EQ(m.rightAxis().ticks, 10);
    EXPECT_EQ(m.overlayValueAt(1) / m.rightAxis().max, m.value(1, 1) / m.leftAxis().max);

    EXPECT_EQ(m.overlayMode(), overlaymodes::kRightAxis);
    for (int i = 1; i <= ChartModel::kOverlayOptionCount; ++i)
        EXPECT_EQ(m.overlayOption(i), (std::vector<int>{0, 5, 3, 13, 12}[static_cast<std::size_t>(i - 1)]));
    EXPECT_EQ(m.overlayValueAt(1), 40.0);
    EXPECT_EQ(m.overlayValueAt(2), 70.0);
    EXPECT_EQ(m.overlayValueAt(3), 100.0);
}

TEST(ParetoChart, ARedrawWithFewerItemsLeavesNothingOfTheLastOne) {
    ChartModel m;
    ASSERT_TRUE(fillParetoChart(m, example(), std::vector<std::int16_t>{1, 1, 1, 1}));
    ASSERT_TRUE(fillParetoChart(m, keepTopItems(example(), 2)));
    EXPECT_EQ(m.pointCount(), 3);
    EXPECT_EQ(m.patternAt(1), 0);
    EXPECT_TRUE(m.pointLabelAt(4).empty());
    EXPECT_FALSE(fillParetoChart(m, ParetoItems{}));
}
