// Tests of the histogram's pure rules, worked out by hand: the graph settings
// (opening values, the two adjustments, the limits check and its messages), the
// Class table (ten classes over 0..10, equal values, values on boundaries, values
// outside the limits, three million values), the frequency table and the class
// label texts at 2 and 0 decimals.
#include "analysis/histogram/ClassSettings.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/FrequencyTable.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace zel;

namespace {

ClassTable countOne(const std::vector<double>& values, double upper, double lower, int classes) {
    const SeriesView view{"V1", values};
    return buildClassTable(std::span<const SeriesView>(&view, 1), {upper, lower, classes});
}

std::vector<std::int64_t> countsOf(const ClassTable& t, int s = 1) {
    return t.counts[static_cast<std::size_t>(s - 1)];
}

// The class 1..K a single value lands in, 0 when it is not counted.
int classOfValue(double x, double upper, double lower, int classes) {
    const ClassTable t = countOne({x}, upper, lower, classes);
    for (int k = 1; k <= t.classes; ++k)
        if (t.count(k, 1) == 1) return k;
    return 0;
}

AnalysisSet twoSeriesSet() {
    AnalysisSet set;
    set.seriesCount = 2;
    set.names = {"長さ", "重さ"};
    set.n = 3;
    set.values = {{2, 4, 6}, {1, 9, 5}};
    for (const auto& v : set.values)
        set.stats.push_back(seriesStatistics(v));
    return set;
}

} // namespace

// ---- graph settings ---------------------------------------------------------

TEST(ClassSettingsTest, OpensOnTheDataRangeInTenClasses) {
    // Over both series: max 9, min 1; width (9 - 1) / 10 = 0.8.
    const DataRange range = dataRange(twoSeriesSet());
    EXPECT_EQ(range.max, 9.0);
    EXPECT_EQ(range.min, 1.0);
    const ClassSettings s = openingClassSettings(range);
    EXPECT_EQ(s.upper, 9.0);
    EXPECT_EQ(s.lower, 1.0);
    EXPECT_EQ(s.classes, 10);
    EXPECT_DOUBLE_EQ(s.width, 0.8);

    // A maximum in the first series and a minimum in the last; no data gives 0 and 0.
    const std::vector<double> a{5, -2.5, 12}, b{0, -7};
    const SeriesView views[] = {{"a", a}, {"b", b}};
    EXPECT_EQ(dataRange(views).max, 12.0);
    EXPECT_EQ(dataRange(views).min, -7.0);
    EXPECT_EQ(dataRange(std::span<const SeriesView>()).max, 0.0);
    EXPECT_EQ(dataRange(std::span<const SeriesView>()).min, 0.0);
}

TEST(ClassSettingsTest, TheTwoAdjustments) {
    // "区間幅で調整": (10 - 2) / 4 = 2; the upper limit stays.
    ClassSettings s{10, 2, 4, 99};
    s = adjustClassSettings(s, ClassAdjust::Width);
    EXPECT_EQ(s.width, 2.0);
    EXPECT_EQ(s.upper, 10.0);
    // "上限値で調整" with width 0.5, lower 3 and 4 classes: 4 x 0.5 + 3 = 5.
    s = adjustClassSettings({99, 3, 4, 0.5}, ClassAdjust::Upper);
    EXPECT_EQ(s.upper, 5.0);
    EXPECT_EQ(s.width, 0.5);
    EXPECT_EQ(upperFromWidth(3, 0.5, 4), 5.0);
    EXPECT_EQ(widthFromLimits(5, 3, 4), 0.5);
    // Close limits cancel their leading digits: the width keeps the digits left,
    // not the binary remainder below them.
    EXPECT_EQ(generalNumberText(widthFromLimits(25.012, 24.992, 10)), "0.002");
    EXPECT_EQ(generalNumberText(widthFromLimits(1000.3, 1000.1, 2)), "0.1");
    EXPECT_EQ(generalNumberText(widthFromLimits(-0.7, -0.1, 3)), "-0.2");
    // Limits far apart keep every digit.
    EXPECT_EQ(generalNumberText(widthFromLimits(10, 0, 3)), generalNumberText(10.0 / 3));
    EXPECT_EQ(generalNumberText(widthFromLimits(10, 6, 3)), generalNumberText(4.0 / 3));
    EXPECT_EQ(generalNumberText(widthFromLimits(99.9, 9.9, 7)), generalNumberText(90.0 / 7));
    EXPECT_EQ(widthFromLimits(4, 4, 10), 0.0);
    // The class count stays within 2..100: 1 counts as 2, 500 as 100.
    EXPECT_EQ(adjustClassSettings({10, 0, 1, 0}, ClassAdjust::Width).width, 5.0);
    EXPECT_EQ(adjustClassSettings({10, 0, 500, 0}, ClassAdjust::Width).width, 0.1);
    EXPECT_EQ(adjustClassSettings({0, 0, 500, 0.1}, ClassAdjust::Upper).classes, 100);
    EXPECT_EQ(clampClassCount(0), 2);
    EXPECT_EQ(clampClassCount(2), 2);
    EXPECT_EQ(clampClassCount(100), 100);
    EXPECT_EQ(clampClassCount(101), 100);
}

TEST(ClassSettingsTest, LimitsCheckPassesEqualityAndRefusesWithTheExactTexts) {
    const DataRange range{10, 0};
    EXPECT_TRUE(checkClassLimits(range, 10, 0).isOk());
    EXPECT_TRUE(checkClassLimits(range, 12, -1).isOk());

    const Status upper = checkClassLimits(range, 9.999, 0);
    EXPECT_EQ(upper.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(upper.message(),
              "グラフの上限値は入力されたデータの最大値よりも大きくなるよう設定を変更してください。");
    const Status lower = checkClassLimits(range, 10, 0.001);
    EXPECT_EQ(lower.message(),
              "グラフの下限値は入力されたデータの最小値よりも小きくなるよう設定を変更してください。");
    // Both wrong: the upper limit is reported first.
    EXPECT_EQ(checkClassLimits(range, 5, 5).message(), upper.message());
    EXPECT_STREQ(kClassSettingsTitle, "グラフの設定");
    // Not a number is refused rather than let through.
    EXPECT_FALSE(checkClassLimits(range, std::nan(""), 0).isOk());
    EXPECT_FALSE(checkClassLimits(range, 10, std::nan("")).isOk());
}

TEST(ClassSettingsTest, LimitsAreCheckedAgainstTheShownMaximumAndMinimum) {
    // 0.1 + 0.2 is 0.30000000000000004 in binary; the dialog shows "0.3" and
    // reads that back, so an upper limit typed as 0.3 passes. The same below zero.
    const DataRange range{0.1 + 0.2, -(0.1 + 0.2)};
    EXPECT_EQ(shownValue(range.max), 0.3);
    EXPECT_TRUE(checkClassLimits(range, 0.3, -0.3).isOk());
    EXPECT_FALSE(checkClassLimits(range, 0.2999, -0.3).isOk());
}

// ---- Class table ------------------------------------------------------------

TEST(ClassTableTest, TenClassesOverZeroToTen) {
    // Boundaries 0, 1, ..., 9 and 10 (11 while counting): class k holds k - 1,
    // class 10 holds 9 and 10; 1 is in class 2.
    const ClassTable t = countOne({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10, 0, 10);
    EXPECT_EQ(t.classes, 10);
    EXPECT_EQ(t.bounds, (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(countsOf(t), (std::vector<std::int64_t>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(classOfValue(10, 10, 0, 10), 10);
    EXPECT_EQ(classOfValue(1, 10, 0, 10), 2);
    EXPECT_EQ(t.classLower(10), 9.0);
    EXPECT_EQ(t.classUpper(10), 10.0);
    EXPECT_EQ(t.classMid(10), 9.5);
}

TEST(ClassTableTest, EqualValuesLandInTheLastClass) {
    // U = L = 5, width 0: every boundary is 5 and everything from 5 up to 6 is in class K.
    const ClassTable t = countOne({5, 5, 5, 5.5}, 5, 5, 4);
    EXPECT_EQ(t.bounds, (std::vector<double>{5, 5, 5, 5, 5}));
    EXPECT_EQ(countsOf(t), (std::vector<std::int64_t>{0, 0, 0, 4}));
    EXPECT_EQ(classOfValue(6, 5, 5, 4), 0);
    EXPECT_EQ(classOfValue(4.999, 5, 5, 4), 0);
}

TEST(ClassTableTest, ValuesOutsideTheLimitsAreNotCounted) {
    // L = 0, U = 10: the last class reaches up to 11 (exclusive).
    const double inf = std::numeric_limits<double>::infinity();
    const ClassTable t = countOne({-1, -0.001, 0, 10.5, 10.999, 11, 12, inf, -inf, std::nan("")}, 10, 0, 10);
    EXPECT_EQ(countsOf(t), (std::vector<std::int64_t>{1, 0, 0, 0, 0, 0, 0, 0, 0, 2}));
    EXPECT_EQ(t.sizes, (std::vector<std::int64_t>{10}));
}

TEST(ClassTableTest, TheUpperLimitIsAlwaysInTheLastClass) {
    // Classes two million wide (0 .. 2E+07 in 10): the tolerance of a boundary
    // is 2, but U + 1 starts no class, so 2E+07 and 2E+07 + 0.5 still count.
    EXPECT_EQ(classOfValue(2e7, 2e7, 0, 10), 10);
    EXPECT_EQ(classOfValue(2e7 + 0.5, 2e7, 0, 10), 10);
    EXPECT_EQ(classOfValue(2e7 + 1, 2e7, 0, 10), 0);
    EXPECT_EQ(classOfValue(0, 2e7, 0, 10), 1);
    // Where U + 1 rounds to U the maximum still lands in class K.
    EXPECT_EQ(classOfValue(1e16, 1e16, 0, 10), 10);
    EXPECT_EQ(classOfValue(1e16, 1e16, 1e16, 10), 10);
}

TEST(ClassTableTest, AValueOnABoundaryIsInTheClassThatStartsThere) {
    // 0.3 with boundaries every 0.1 from 0: the third boundary is 0.3, so 0.3 is
    // in class 4. Adding 0.1 three times (or 3 x 0.1) gives 0.30000000000000004,
    // which would put it in class 3.
    EXPECT_EQ(classOfValue(0.3, 1, 0, 10), 4);
    EXPECT_EQ(classOfValue(0.7, 1, 0, 10), 8);

    // Limits given as decimals; value j is lower + j x step read from its decimal
    // text, as a measured value is typed, and belongs to class j + 1 (the last
    // boundary, the upper limit, to class K).
    struct Case {
        const char* lower;
        const char* upper;
        int classes;
        int scale; // 10^decimals of the step
        int first; // lower x scale
        int step;  // width x scale
    };
    const Case cases[] = {
        {"0", "1", 10, 10, 0, 1},             // 0.0 .. 1.0 by 0.1
        {"1.1", "2.3", 12, 10, 11, 1},        // 1.1 .. 2.3 by 0.1
        {"-1", "0", 5, 10, -10, 2},           // -1.0 .. 0.0 by 0.2
        {"0.01", "0.99", 14, 100, 1, 7},      // 0.01 .. 0.99 by 0.07
        {"99.5", "102.5", 30, 10, 995, 1},    // 99.5 .. 102.5 by 0.1
        {"-2.35", "4.65", 100, 100, -235, 7}, // -2.35 .. 4.65 by 0.07
        {"1000.001", "1000.1", 99, 1000, 1000001, 1},
    };
    for (const Case& c : cases) {
        const double lower = lenientParse(c.lower);
        const double upper = lenientParse(c.upper);
        for (int j = 0; j <= c.classes; ++j) {
            const std::string text = generalNumberText(static_cast<double>(c.first + j * c.step) / c.scale);
            const double x = lenientParse(text);
            const int expected = j < c.classes ? j + 1 : c.classes;
            EXPECT_EQ(classOfValue(x, upper, lower, c.classes), expected)
                << text << " in " << c.lower << ".." << c.upper << " / " << c.classes;
        }
    }
}

TEST(ClassTableTest, BoundariesAreComputedWithoutDrift) {
    // L + k x (U - L) / K for k = 1..K-1: 0.3 is the double nearest to 3/10, not
    // the sum of three 0.1.
    const ClassTable t = countOne({}, 1, 0, 10);
    for (int k = 0; k <= 10; ++k)
        EXPECT_EQ(t.bounds[static_cast<std::size_t>(k)], k / 10.0) << k;
    EXPECT_EQ(countsOf(t), std::vector<std::int64_t>(10, 0));
}

TEST(ClassTableTest, DirectIndexAgreesWithTryingEveryClass) {
    // Random limits and values, many of them on or a hair beside a boundary,
    // checked against a plain search through the classes with the same rule.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> classesDist(2, 100), offsetDist(-500, 500), spanDist(1, 2000);
    std::uniform_real_distribution<double> unit(-0.2, 1.4);
    for (int round = 0; round < 200; ++round) {
        const int k = classesDist(rng);
        const double lower = offsetDist(rng) / 10.0;
        const double upper = lower + spanDist(rng) / 100.0;
        const double width = (upper - lower) / k;
        std::vector<double> values;
        for (int i = 0; i < 200; ++i) {
            const double b = lower + (upper - lower) * (rng() % (k + 1)) / k;
            values.push_back(b);
            values.push_back(std::nextafter(b, -1e9));
            values.push_back(b - width * 1e-4);
            values.push_back(lower + unit(rng) * (upper - lower + 1.0));
        }
        const ClassTable t = countOne(values, upper, lower, k);
        std::vector<std::int64_t> expected(static_cast<std::size_t>(k), 0);
        const double tol = width * 1e-6;
        for (double x : values) {
            if (!(x >= lower - tol && x < upper + 1.0)) continue;
            int found = 1;
            for (int j = 1; j < k; ++j)
                if (x >= t.bounds[static_cast<std::size_t>(j)] - tol) found = j + 1;
            ++expected[static_cast<std::size_t>(found - 1)];
        }
        ASSERT_EQ(countsOf(t), expected) << "L=" << lower << " U=" << upper << " K=" << k;
    }
}

TEST(ClassTableTest, ClassCountIsHeldInItsRange) {
    EXPECT_EQ(countOne({0.5}, 1, 0, 1).classes, 2);
    EXPECT_EQ(countOne({0.5}, 1, 0, 1000).classes, 100);
    EXPECT_EQ(countOne({0.5}, 1, 0, 1000).bounds.size(), 101u);
}

TEST(ClassTableTest, SeriesOfAnAnalysisSetKeepTheirNamesSizesAndStatistics) {
    // Classes [1, 4.5) and [4.5, 9) while counting (U + 1 = 9). Series 1: 2, 4
    // in class 1, 6 in class 2. Series 2: 1 in class 1, 5 in class 2, 9 not counted.
    const AnalysisSet set = twoSeriesSet();
    const ClassTable t = buildClassTable(set, {8, 1, 2});
    EXPECT_EQ(t.seriesCount(), 2);
    EXPECT_EQ(t.names, (std::vector<std::string>{"長さ", "重さ"}));
    EXPECT_EQ(t.sizes, (std::vector<std::int64_t>{3, 3}));
    EXPECT_EQ(countsOf(t, 1), (std::vector<std::int64_t>{2, 1}));
    EXPECT_EQ(countsOf(t, 2), (std::vector<std::int64_t>{1, 1}));
    EXPECT_EQ(t.count(1, 1), 2);
    EXPECT_EQ(t.count(2, 2), 1);
    // 2, 4, 6: mean 4, variance (4 + 0 + 4) / 2 = 4, sd 2.
    EXPECT_EQ(t.stats[0].mean, 4.0);
    EXPECT_EQ(t.stats[0].variance, 4.0);
    EXPECT_EQ(t.stats[0].sd, 2.0);

    // Plain series (strata) get their statistics computed: 10, 20 -> mean 15,
    // variance 50; 1, 2, 3 -> mean 2, variance 1.
    const std::vector<double> a{10, 20}, b{1, 2, 3};
    const SeriesView strata[] = {{"A1", a}, {"B7", b}};
    const ClassTable st = buildClassTable(strata, {20, 1, 4});
    EXPECT_EQ(st.names, (std::vector<std::string>{"A1", "B7"}));
    EXPECT_EQ(st.sizes, (std::vector<std::int64_t>{2, 3}));
    EXPECT_DOUBLE_EQ(st.stats[0].mean, 15.0);
    EXPECT_DOUBLE_EQ(st.stats[0].variance, 50.0);
    EXPECT_DOUBLE_EQ(st.stats[1].mean, 2.0);
    EXPECT_DOUBLE_EQ(st.stats[1].variance, 1.0);
    // Boundaries 1, 5.75, 10.5, 15.25, 20: 10 in class 2, 20 in class 4; 1, 2, 3 in class 1.
    EXPECT_EQ(countsOf(st, 1), (std::vector<std::int64_t>{0, 1, 0, 1}));
    EXPECT_EQ(countsOf(st, 2), (std::vector<std::int64_t>{3, 0, 0, 0}));
}

TEST(ClassTableTest, CountsThreeMillionValuesIntoAHundredClasses) {
    // 32767 x 100 values. Series 1 cycles through 0.5 .. 99.5, one per class,
    // 32767 each; series 2 is 42 every time: 3,276,700 in class 43 of [42, 43).
    const std::size_t n = 32767u * 100u;
    std::vector<double> cycle(n), constant(n, 42.0);
    for (std::size_t i = 0; i < n; ++i)
        cycle[i] = static_cast<double>(i % 100) + 0.5;
    const SeriesView views[] = {{"全データ", cycle}, {"定数", constant}};
    const ClassTable t = buildClassTable(views, {100, 0, 100});
    EXPECT_EQ(countsOf(t, 1), std::vector<std::int64_t>(100, 32767));
    std::vector<std::int64_t> one(100, 0);
    one[42] = 3276700;
    EXPECT_EQ(countsOf(t, 2), one);
    const ResultTable f = frequencyTable(t);
    EXPECT_EQ(f.at(43, 5).text, "3276700");
    EXPECT_EQ(f.at(1, 4).text, "32767");
}

// ---- frequency table and label texts ---------------------------------------

TEST(FrequencyTableTest, OneSeries) {
    // 0, 1, 2, 3 in two classes from 0 to 3: boundaries 0, 1.5, 3; mids 0.75, 2.25.
    const ClassTable t = countOne({0, 1, 2, 3}, 3, 0, 2);
    const ResultTable f = frequencyTable(t);
    EXPECT_EQ(f.rows, 2);
    EXPECT_EQ(f.columns, 4);
    EXPECT_EQ(f.columnHeadings,
              (std::vector<std::string>{"クラス", "区間(以上）", "区間(未満）", "中心値", "V1"}));
    EXPECT_EQ(f.rowHeadings[1], "NO.1");
    EXPECT_EQ(f.rowHeadings[2], "NO.2");
    EXPECT_EQ(f.columnWidths, (std::vector<int>{8, 16, 16, 16, 8}));
    EXPECT_EQ(f.at(1, 1).number, 0.0);
    EXPECT_EQ(f.at(1, 2).number, 1.5);
    EXPECT_EQ(f.at(1, 3).number, 0.75);
    EXPECT_EQ(f.at(2, 1).number, 1.5);
    EXPECT_EQ(f.at(2, 2).number, 3.0);
    EXPECT_EQ(f.at(2, 3).number, 2.25);
    // Counts are whole numbers whatever the decimals of the boundaries.
    EXPECT_FALSE(f.at(1, 4).number.has_value());
    EXPECT_EQ(f.at(1, 4).text, "2");
    EXPECT_EQ(f.at(2, 4).text, "2");
    EXPECT_EQ(resultTableCsv(f), "クラス,区間(以上）,区間(未満）,中心値,V1\r\n"
                                 "NO.1,0,1.5,0.75,2\r\n"
                                 "NO.2,1.5,3,2.25,2\r\n");
}

TEST(FrequencyTableTest, ThreeAndFiveSeries) {
    const std::vector<double> a{1, 2}, b{2, 2}, c{}, d{1}, e{2};
    const SeriesView three[] = {{"X", a}, {"Y", b}, {"Z", c}};
    const ResultTable f = frequencyTable(buildClassTable(three, {2, 0, 10}));
    EXPECT_EQ(f.rows, 10);
    EXPECT_EQ(f.columns, 6);
    EXPECT_EQ(f.columnHeadings[4], "X");
    EXPECT_EQ(f.columnHeadings[5], "Y");
    EXPECT_EQ(f.columnHeadings[6], "Z");
    EXPECT_EQ(f.rowHeadings[10], "NO.10");
    EXPECT_EQ(f.columnWidths, (std::vector<int>{8, 16, 16, 16, 8, 8, 8}));
    // Boundaries 0, 0.2, ..., 1.8, 2: 1 in class 6, 2 in class 10.
    EXPECT_EQ(f.at(6, 4).text, "1");
    EXPECT_EQ(f.at(10, 4).text, "1");
    EXPECT_EQ(f.at(10, 5).text, "2");
    EXPECT_EQ(f.at(10, 6).text, "0");
    EXPECT_EQ(f.at(1, 6).text, "0");
    EXPECT_EQ(f.at(6, 1).number, 1.0);

    // The stratified histogram's five strata: count columns 4 to 8.
    const SeriesView five[] = {{"1", a}, {"2", b}, {"3", c}, {"4", d}, {"5", e}};
    const ResultTable g = frequencyTable(buildClassTable(five, {2, 0, 2}));
    EXPECT_EQ(g.columns, 8);
    EXPECT_EQ(g.columnHeadings[8], "5");
    EXPECT_EQ(g.columnWidths.size(), 9u);
    EXPECT_EQ(g.columnWidths[8], 8);
    EXPECT_EQ(g.at(2, 8).text, "1");
}

TEST(ClassLabelTextsTest, TwoDecimals) {
    // Boundaries 0, 1.5, 3 at 2 decimals: "0.00", "1.50", "3.00"; mids 0.75, 2.25.
    const ClassLabelTexts texts = classLabelTexts(countOne({1}, 3, 0, 2), 2);
    EXPECT_EQ(texts.bounds, (std::vector<std::string>{"0.00", "1.50", "3.00"}));
    EXPECT_EQ(texts.mids, (std::vector<std::string>{"0.75", "2.25"}));
    EXPECT_EQ(texts.rangeLabel(1), "0.00～1.50");
    EXPECT_EQ(texts.rangeLabel(2), "1.50～3.00");
    EXPECT_EQ(texts.midLabel(2), "2.25");
}

TEST(ClassLabelTextsTest, ZeroDecimalsFollowTheTableCells) {
    // Boundaries 0, 5, 10; mids 2.5 and 7.5 round half away from zero: "3", "8".
    const ClassTable t = countOne({1}, 10, 0, 2);
    const ClassLabelTexts texts = classLabelTexts(t, 0);
    EXPECT_EQ(texts.bounds, (std::vector<std::string>{"0", "5", "10"}));
    EXPECT_EQ(texts.mids, (std::vector<std::string>{"3", "8"}));
    EXPECT_EQ(texts.rangeLabel(2), "5～10");

    // Every text is what the frequency table's cell shows at those decimals:
    // T(k-1) from column 1 of row k, T(K) from column 2 of row K, M(k) from column 3.
    const ClassTable u = countOne({}, 2.3, -1.15, 7);
    const ResultTable f = frequencyTable(u);
    for (int decimals : {0, 1, 3}) {
        const ClassLabelTexts l = classLabelTexts(u, decimals);
        ASSERT_EQ(l.bounds.size(), 8u);
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(l.bounds[static_cast<std::size_t>(k - 1)], decimalsText(*f.at(k, 1).number, decimals));
            EXPECT_EQ(l.midLabel(k), decimalsText(*f.at(k, 3).number, decimals));
        }
        EXPECT_EQ(l.bounds[7], decimalsText(*f.at(7, 2).number, decimals));
    }
    // -1.15 + 3.45 / 7 x 1 = -0.657142...: "-0.7" at one decimal; U = 2.3 exactly.
    EXPECT_EQ(classLabelTexts(u, 1).bounds[1], "-0.7");
    EXPECT_EQ(classLabelTexts(u, 1).bounds[7], "2.3");
}
