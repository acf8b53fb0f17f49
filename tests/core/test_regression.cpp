// Tests of the scatter diagram's regression: hand-worked lines at the three
// significance levels, perfect fits, n = 2, the refusals, the F-table bands
// and marks, a large offset and a fit with r close to 1.
#include "analysis/scatter/Regression.h"

#include "analysis/control/ChartDataSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace zel;

namespace {

std::vector<double> shifted(std::vector<double> v, double offset) {
    for (double& value : v) value += offset;
    return v;
}

Regression regress(const std::vector<double>& y, const std::vector<double>& x) {
    Result<Regression> r = computeRegression(y, x);
    EXPECT_TRUE(r.isOk()) << r.status().message();
    return r.isOk() ? *r : Regression{};
}

// x = 1..5, y = 2 4 5 4 5.
const std::vector<double> kX5 = {1, 2, 3, 4, 5};
const std::vector<double> kY5 = {2, 4, 5, 4, 5};

} // namespace

// Means 3 and 4; dx = -2 -1 0 1 2, dy = -2 0 1 0 1.
// Sxx = 10, Syy = 6, Sxy = 4 + 0 + 0 + 0 + 2 = 6.
// b = 0.6, a = 4 - 0.6 * 3 = 2.2, r = 6 / sqrt(60).
// SR = 36 / 10 = 3.6, SE = 2.4, ST = 6; phi2 = 3, Ve = 0.8, sigma = sqrt(0.8).
// F0 = 3.6 / 0.8 = 4.5 < 10.13 (5 % point of F(1, 3)): no mark.
TEST(RegressionTest, TextbookLineNotSignificant) {
    const Regression reg = regress(kY5, kX5);
    EXPECT_EQ(reg.n, 5);
    EXPECT_NEAR(reg.b, 0.6, 1e-12);
    EXPECT_NEAR(reg.a, 2.2, 1e-12);
    EXPECT_NEAR(reg.r, 6.0 / std::sqrt(60.0), 1e-12);
    EXPECT_NEAR(reg.sr, 3.6, 1e-12);
    EXPECT_NEAR(reg.se, 2.4, 1e-12);
    EXPECT_NEAR(reg.st, 6.0, 1e-12);
    EXPECT_EQ(reg.phi1, 1);
    EXPECT_EQ(reg.phi2, 3);
    ASSERT_TRUE(reg.ve.has_value());
    EXPECT_NEAR(*reg.ve, 0.8, 1e-12);
    EXPECT_NEAR(reg.sigma, std::sqrt(0.8), 1e-12);
    ASSERT_TRUE(reg.f0.has_value());
    EXPECT_NEAR(*reg.f0, 4.5, 1e-12);
    EXPECT_EQ(reg.level, Significance::None);
}

TEST(RegressionTest, TextbookLinesAtFiveAndOnePercent) {
    // x = 1..6, y = 1 3 2 5 4 6: means 3.5 and 3.5;
    // dx = -2.5 -1.5 -0.5 0.5 1.5 2.5, dy = -2.5 -0.5 -1.5 1.5 0.5 2.5.
    // Sxx = Syy = 17.5, Sxy = 6.25 + 0.75 + 0.75 + 0.75 + 0.75 + 6.25 = 15.5.
    // b = r = 15.5 / 17.5, a = 3.5 - 3.5 b = 0.4.
    // SR = 240.25 / 17.5, SE = 66 / 17.5, Ve = 16.5 / 17.5 (phi2 = 4),
    // F0 = 240.25 / 16.5 = 14.5606..: above 7.71, not above 21.20.
    const Regression five = regress({1, 3, 2, 5, 4, 6}, {1, 2, 3, 4, 5, 6});
    EXPECT_NEAR(five.b, 15.5 / 17.5, 1e-12);
    EXPECT_NEAR(five.r, 15.5 / 17.5, 1e-12);
    EXPECT_NEAR(five.a, 0.4, 1e-12);
    EXPECT_NEAR(five.sr, 240.25 / 17.5, 1e-12);
    EXPECT_NEAR(five.se, 66.0 / 17.5, 1e-12);
    EXPECT_NEAR(five.sigma, std::sqrt(16.5 / 17.5), 1e-12);
    ASSERT_TRUE(five.f0.has_value());
    EXPECT_NEAR(*five.f0, 240.25 / 16.5, 1e-10);
    EXPECT_EQ(five.level, Significance::FivePercent);

    // x = 1..5, y = 1 2 3 4 6: mean y 3.2, dy = -2.2 -1.2 -0.2 0.8 2.8.
    // Syy = 14.8, Sxy = 4.4 + 1.2 + 0 + 0.8 + 5.6 = 12, b = 1.2, a = 3.2 - 3.6 = -0.4.
    // SR = 14.4, SE = 0.4, Ve = 0.4 / 3, F0 = 108 > 34.12 (1 % point of F(1, 3)).
    const Regression one = regress({1, 2, 3, 4, 6}, kX5);
    EXPECT_NEAR(one.b, 1.2, 1e-12);
    EXPECT_NEAR(one.a, -0.4, 1e-12);
    EXPECT_NEAR(one.r, 12.0 / std::sqrt(148.0), 1e-12);
    EXPECT_NEAR(one.sigma, std::sqrt(0.4 / 3.0), 1e-12);
    ASSERT_TRUE(one.f0.has_value());
    EXPECT_NEAR(*one.f0, 108.0, 1e-9);
    EXPECT_EQ(one.level, Significance::OnePercent);
}

// y = 3 + 2x and y = 10 - x: SE = 0, so no F ratio, sigma 0 and no mark.
TEST(RegressionTest, PerfectFitsHaveNoFRatio) {
    const Regression up = regress({5, 7, 9, 11, 13}, kX5);
    EXPECT_DOUBLE_EQ(up.r, 1.0);
    EXPECT_DOUBLE_EQ(up.a, 3.0);
    EXPECT_DOUBLE_EQ(up.b, 2.0);
    EXPECT_DOUBLE_EQ(up.se, 0.0);
    EXPECT_DOUBLE_EQ(up.sr, up.st);
    EXPECT_DOUBLE_EQ(up.sigma, 0.0);
    ASSERT_TRUE(up.ve.has_value());
    EXPECT_DOUBLE_EQ(*up.ve, 0.0);
    EXPECT_FALSE(up.f0.has_value());
    EXPECT_EQ(up.level, Significance::None);

    const Regression down = regress({9, 8, 7, 6, 5}, kX5);
    EXPECT_DOUBLE_EQ(down.r, -1.0);
    EXPECT_DOUBLE_EQ(down.a, 10.0);
    EXPECT_DOUBLE_EQ(down.b, -1.0);
    EXPECT_FALSE(down.f0.has_value());
}

// Two points: the line goes through both (b = 2, a = 0, r = 1); no residual
// degrees of freedom, so no Ve, no F ratio, sigma 0.
TEST(RegressionTest, TwoSamplesHaveNoResidualMeanSquare) {
    const Regression reg = regress({2, 6}, {1, 3});
    EXPECT_DOUBLE_EQ(reg.b, 2.0);
    EXPECT_DOUBLE_EQ(reg.a, 0.0);
    EXPECT_DOUBLE_EQ(reg.r, 1.0);
    EXPECT_EQ(reg.phi2, 0);
    EXPECT_FALSE(reg.ve.has_value());
    EXPECT_FALSE(reg.f0.has_value());
    EXPECT_DOUBLE_EQ(reg.sigma, 0.0);
    EXPECT_EQ(reg.level, Significance::None);
}

TEST(RegressionTest, RefusesConstantDataAndTooFewSamples) {
    const auto refusal = [](const std::vector<double>& y, const std::vector<double>& x) {
        Result<Regression> r = computeRegression(y, x);
        EXPECT_FALSE(r.isOk());
        return r.status().message();
    };
    EXPECT_EQ(refusal({4, 4, 4, 4}, {1, 2, 3, 4}), "データが間違っています。");
    EXPECT_EQ(refusal({1, 2, 3, 4}, {7, 7, 7, 7}), "データが間違っています。");
    // A constant far from zero, whose mean need not round back to the value.
    EXPECT_EQ(refusal(std::vector<double>(7, 1e8 + 0.1), {1, 2, 3, 4, 5, 6, 7}),
              "データが間違っています。");
    EXPECT_EQ(refusal({1, 2, 3}, {1, 2}), "データが間違っています。");
    EXPECT_EQ(refusal({1}, {1}), kRegressionTooFewSamples);
    EXPECT_EQ(refusal({}, {}), kRegressionTooFewSamples);
    EXPECT_EQ(refusal({1e300, -1e300, 1e300}, {1, 2, 3}), kResultOutOfRange);
}

// Both variables of the first textbook line moved by 1e8: the slope, r, sigma
// and the sums of squares stay those of the unmoved data; the intercept moves
// to (4 + 1e8) - 0.6 (3 + 1e8) = 2.2 + 0.4e8.
TEST(RegressionTest, LargeOffsetKeepsItsDigits) {
    const double offset = 1e8;
    const Regression plain = regress(kY5, kX5);
    const Regression moved = regress(shifted(kY5, offset), shifted(kX5, offset));
    EXPECT_NEAR(moved.b, plain.b, 1e-9);
    EXPECT_NEAR(moved.r, plain.r, 1e-9);
    EXPECT_NEAR(moved.sigma, plain.sigma, 1e-9);
    EXPECT_NEAR(moved.sr, plain.sr, 1e-8);
    EXPECT_NEAR(moved.se, plain.se, 1e-8);
    EXPECT_NEAR(moved.st, plain.st, 1e-8);
    ASSERT_TRUE(moved.f0.has_value());
    EXPECT_NEAR(*moved.f0, 4.5, 1e-8);
    EXPECT_NEAR(moved.a, 2.2 + 0.4 * offset, 1e-6);
}

// y = 2x + 1e-7 (1, -2, 0, 2, -1): the residual pattern has mean 0 and is
// orthogonal to x, so b = 2, a = 0, SE = 1e-14 * 10 and sigma = sqrt(1e-13 / 3).
// r^2 differs from 1 by only 2.5e-15, so sigma must come from SE itself.
TEST(RegressionTest, SigmaKeepsItsDigitsWhenRIsNearOne) {
    const std::vector<double> e = {1, -2, 0, 2, -1};
    std::vector<double> y(5);
    for (std::size_t i = 0; i < y.size(); ++i) y[i] = 2.0 * kX5[i] + 1e-7 * e[i];
    const Regression reg = regress(y, kX5);
    EXPECT_NEAR(reg.b, 2.0, 1e-12);
    const double expected = std::sqrt(1e-13 / 3.0);
    EXPECT_NEAR(reg.sigma, expected, expected * 1e-6);
    ASSERT_TRUE(reg.f0.has_value());
    EXPECT_EQ(reg.level, Significance::OnePercent);
}

TEST(RegressionTest, EverySeriesOfTheSetAgainstY) {
    AnalysisSet set;
    set.seriesCount = 3;
    set.n = 5;
    set.values = {kY5, kX5, {5, 4, 3, 2, 1}};
    Result<std::vector<Regression>> all = computeRegressions(set);
    ASSERT_TRUE(all.isOk()) << all.status().message();
    ASSERT_EQ(all->size(), 2u);
    EXPECT_NEAR((*all)[0].b, 0.6, 1e-12);
    // Reversed x: dx changes sign, so b = -0.6, a = 4 + 0.6 * 3 = 5.8, r negative.
    EXPECT_NEAR((*all)[1].b, -0.6, 1e-12);
    EXPECT_NEAR((*all)[1].a, 5.8, 1e-12);
    EXPECT_NEAR((*all)[1].r, -(*all)[0].r, 1e-12);

    // A constant second X stops the whole computation.
    set.values[2] = {3, 3, 3, 3, 3};
    Result<std::vector<Regression>> refused = computeRegressions(set);
    ASSERT_FALSE(refused.isOk());
    EXPECT_EQ(refused.status().message(), "データが間違っています。");
}

TEST(FTableTest, RowsAndBandsUseTheirLowerEnd) {
    const auto expectRow = [](int phi2, double five, double one) {
        const FCriticalValues c = fCriticalValues(phi2);
        EXPECT_DOUBLE_EQ(c.fivePercent, five) << "phi2 = " << phi2;
        EXPECT_DOUBLE_EQ(c.onePercent, one) << "phi2 = " << phi2;
    };
    expectRow(1, 161.0, 4052.0);
    expectRow(2, 18.51, 98.49);
    expectRow(29, 4.18, 7.60);
    expectRow(30, 4.17, 7.56);
    expectRow(31, 4.17, 7.56);
    expectRow(32, 4.15, 7.50);
    expectRow(54, 4.03, 7.17);
    expectRow(55, 4.02, 7.12);
    expectRow(79, 3.98, 7.01);
    expectRow(80, 3.96, 6.96);
    expectRow(999, 3.86, 6.70);
    expectRow(9999, 3.85, 6.66);
    expectRow(10000, 3.84, 6.64);
    expectRow(32765, 3.84, 6.64);
    expectRow(0, 0.0, 0.0);
}

TEST(FTableTest, ComparisonsAreStrict) {
    const double up = std::numeric_limits<double>::infinity();
    // phi2 = 4: 7.71 and 21.20.
    EXPECT_EQ(fSignificance(7.71, 4), Significance::None);
    EXPECT_EQ(fSignificance(std::nextafter(7.71, up), 4), Significance::FivePercent);
    EXPECT_EQ(fSignificance(21.20, 4), Significance::FivePercent);
    EXPECT_EQ(fSignificance(std::nextafter(21.20, up), 4), Significance::OnePercent);
    // The band 30-31 and the last row.
    EXPECT_EQ(fSignificance(4.17, 31), Significance::None);
    EXPECT_EQ(fSignificance(4.18, 31), Significance::FivePercent);
    EXPECT_EQ(fSignificance(7.57, 30), Significance::OnePercent);
    EXPECT_EQ(fSignificance(3.84, 10000), Significance::None);
    EXPECT_EQ(fSignificance(3.85, 10000), Significance::FivePercent);
    EXPECT_EQ(fSignificance(6.65, 10000), Significance::OnePercent);
    // Without residual degrees of freedom there is no test.
    EXPECT_EQ(fSignificance(1e9, 0), Significance::None);

    EXPECT_STREQ(significanceMark(Significance::None), "   ");
    EXPECT_STREQ(significanceMark(Significance::FivePercent), " * ");
    EXPECT_STREQ(significanceMark(Significance::OnePercent), " **");
    EXPECT_EQ(static_cast<int>(Significance::OnePercent), 2);
}

// The exact tail probability beside the marks: at the true 5 % and 1 % points
// of F(1, phi2) it gives 0.05 and 0.01 (the printed table rounds them), and
// F(1, phi2) is the square of Student's t, so F0 = t^2 reads the two-sided t
// probability.
TEST(FTableTest, ExactTailProbabilities) {
    EXPECT_NEAR(fUpperTail(161.4476, 1, 1), 0.05, 1e-6);
    EXPECT_NEAR(fUpperTail(4.964603, 1, 10), 0.05, 1e-7);
    EXPECT_NEAR(fUpperTail(10.044289, 1, 10), 0.01, 1e-7);
    EXPECT_NEAR(fUpperTail(2.228139 * 2.228139, 1, 10), 0.05, 1e-6);
    EXPECT_DOUBLE_EQ(fUpperTail(0.0, 1, 10), 1.0);
    EXPECT_LT(fUpperTail(1e6, 1, 30), 1e-12);
}

TEST(RegressionTest, TailProbabilityGoesWithTheRatio) {
    // A noisy line: F0 is computed, so is p, and p agrees with F0.
    const std::vector<double> x{1, 2, 3, 4, 5, 6};
    const std::vector<double> y{2.1, 3.9, 6.2, 7.8, 10.1, 12.2};
    const Result<Regression> r = computeRegression(y, x);
    ASSERT_TRUE(r);
    ASSERT_TRUE(r->f0 && r->p);
    EXPECT_DOUBLE_EQ(*r->p, fUpperTail(*r->f0, 1, 4));
    EXPECT_LT(*r->p, 0.01);
    EXPECT_EQ(r->level, Significance::OnePercent);
    // A perfect fit and n = 2 have neither.
    const Result<Regression> perfect = computeRegression({1, 3, 5}, {0, 1, 2});
    ASSERT_TRUE(perfect);
    EXPECT_FALSE(perfect->f0);
    EXPECT_FALSE(perfect->p);
    const Result<Regression> two = computeRegression({1, 3}, {0, 1});
    ASSERT_TRUE(two);
    EXPECT_FALSE(two->p);
}
