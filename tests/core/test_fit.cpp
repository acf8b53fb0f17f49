// Tests of the chart's least-squares line and polynomial fits, and of the statistics
// lines built on them.
#include "components/chart/ChartStats.h"
#include "components/chart/Fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace zel;

namespace {

double poly(const std::vector<double>& c, double x) {
    double v = 0.0;
    for (auto it = c.rbegin(); it != c.rend(); ++it)
        v = v * x + *it;
    return v;
}

} // namespace

TEST(FitLine, RecoversSlopeInterceptAndR) {
    const std::vector<double> x{1, 2, 3, 4, 5};
    const std::vector<double> y{3, 5, 7, 9, 11};
    const LineFit f = fitLine(x, y);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.slope, 2.0, 1e-12);
    EXPECT_NEAR(f.intercept, 1.0, 1e-12);
    EXPECT_NEAR(f.r, 1.0, 1e-12);

    const std::vector<double> yd{10, 8, 6, 4, 2};
    EXPECT_NEAR(fitLine(x, yd).r, -1.0, 1e-12);

    // A known correlation: x 1..5, y 2 1 4 3 5 -> r = 0.8.
    const LineFit g = fitLine(x, std::vector<double>{2, 1, 4, 3, 5});
    EXPECT_NEAR(g.r, 0.8, 1e-12);
    EXPECT_NEAR(g.slope, 0.8, 1e-12);
    EXPECT_NEAR(g.intercept, 0.6, 1e-12);
}

TEST(FitLine, LargeOffsetsDoNotCancel) {
    std::vector<double> x, y;
    for (int i = 0; i <= 10; ++i) {
        x.push_back(1e8 + i);
        y.push_back(1e9 + 0.5 * i + (i % 2 ? 0.01 : -0.01));
    }
    const LineFit f = fitLine(x, y);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.slope, 0.5, 1e-4);
    EXPECT_NEAR(f.evaluate(1e8 + 5), 1e9 + 2.5, 1e-2);
    EXPECT_GT(f.r, 0.999);
}

TEST(FitLine, DegenerateInputsAreNotOk) {
    EXPECT_FALSE(fitLine(std::vector<double>{1}, std::vector<double>{1}).ok);
    EXPECT_FALSE(fitLine(std::vector<double>{2, 2, 2}, std::vector<double>{1, 2, 3}).ok);
    const LineFit flat = fitLine(std::vector<double>{1, 2, 3}, std::vector<double>{4, 4, 4});
    ASSERT_TRUE(flat.ok);
    EXPECT_EQ(flat.slope, 0.0);
    EXPECT_EQ(flat.r, 0.0);
    // Non-finite pairs are skipped.
    const LineFit nan = fitLine(std::vector<double>{1, NAN, 2, 3}, std::vector<double>{1, 5, 2, 3});
    EXPECT_EQ(nan.n, 3);
    EXPECT_NEAR(nan.slope, 1.0, 1e-12);
}

TEST(FitPolynomial, RecoversExactPolynomialsOfDegreeOneToSix) {
    const std::vector<double> c{1.5, -2.0, 0.75, 0.3, -0.12, 0.05, -0.01};
    for (int d = 1; d <= 6; ++d) {
        const std::vector<double> coef(c.begin(), c.begin() + d + 1);
        std::vector<double> x, y;
        for (int i = 0; i <= 20; ++i) {
            x.push_back(-3.0 + 0.3 * i);
            y.push_back(poly(coef, x.back()));
        }
        const PolynomialFit f = fitPolynomial(x, y, d);
        ASSERT_TRUE(f.ok) << d;
        EXPECT_EQ(f.degree, d);
        ASSERT_EQ(f.coefficients.size(), static_cast<std::size_t>(d + 1));
        for (int k = 0; k <= d; ++k)
            EXPECT_NEAR(f.coefficients[k], coef[k], 1e-9) << "degree " << d;
        EXPECT_NEAR(f.rSquared, 1.0, 1e-12);
        EXPECT_NEAR(f.residualStdDev, 0.0, 1e-9);
    }
}

TEST(FitPolynomial, IllConditionedXRangeStillFitsExactly) {
    // x from 1e4 to 1e4 + 10: the raw Vandermonde matrix is hopeless here.
    for (int d = 1; d <= 6; ++d) {
        std::vector<double> x, y;
        auto truth = [d](double xv) {
            const double u = xv - 10005.0;
            double v = 0.0;
            for (int k = d; k >= 0; --k)
                v = v * u + (k % 2 ? 0.5 : -1.25) / (k + 1);
            return v;
        };
        for (int i = 0; i <= 40; ++i) {
            x.push_back(1e4 + 0.25 * i);
            y.push_back(truth(x.back()));
        }
        const PolynomialFit f = fitPolynomial(x, y, d);
        ASSERT_TRUE(f.ok);
        EXPECT_EQ(f.degree, d);
        for (double xv = 1e4; xv <= 1e4 + 10; xv += 0.37)
            EXPECT_NEAR(f.evaluate(xv), truth(xv), 1e-8) << "degree " << d << " x " << xv;
        EXPECT_NEAR(f.rSquared, 1.0, 1e-10);
    }
    // Low degrees also give exact coefficients in the original x.
    std::vector<double> x, y;
    for (int i = 0; i <= 10; ++i) {
        x.push_back(1e4 + i);
        y.push_back(3.0 - 0.002 * x.back() + 1e-6 * x.back() * x.back());
    }
    const PolynomialFit q = fitPolynomial(x, y, 2);
    ASSERT_TRUE(q.ok);
    EXPECT_NEAR(q.coefficients[2], 1e-6, 1e-12);
    EXPECT_NEAR(q.coefficients[1], -0.002, 1e-8);
    EXPECT_NEAR(q.coefficients[0], 3.0, 1e-4);
}

TEST(FitPolynomial, NoisyDataMatchesTheLineFitAtDegreeOne) {
    const std::vector<double> x{1, 2, 3, 4, 5, 6};
    const std::vector<double> y{2.1, 3.9, 6.2, 7.8, 10.1, 12.2};
    const PolynomialFit p = fitPolynomial(x, y, 1);
    const LineFit l = fitLine(x, y);
    ASSERT_TRUE(p.ok);
    EXPECT_NEAR(p.coefficients[0], l.intercept, 1e-12);
    EXPECT_NEAR(p.coefficients[1], l.slope, 1e-12);
    EXPECT_NEAR(p.rSquared, l.r * l.r, 1e-12);
    EXPECT_GT(p.residualStdDev, 0.0);
}

TEST(FitPolynomial, TooFewDistinctXLowerTheDegree) {
    const PolynomialFit f =
        fitPolynomial(std::vector<double>{1, 1, 2, 2}, std::vector<double>{1, 3, 5, 7}, 4);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.requestedDegree, 4);
    EXPECT_EQ(f.degree, 1);
    EXPECT_NEAR(f.evaluate(1.0), 2.0, 1e-12);
    EXPECT_NEAR(f.evaluate(2.0), 6.0, 1e-12);
    const PolynomialFit one = fitPolynomial(std::vector<double>{5, 5}, std::vector<double>{1, 3}, 2);
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.degree, 0);
    EXPECT_NEAR(one.evaluate(5.0), 2.0, 1e-12);
    EXPECT_FALSE(fitPolynomial(std::vector<double>{}, std::vector<double>{}, 2).ok);
}

TEST(ChartStats, SeriesStatisticsSkipPlaceholders) {
    ChartModel m;
    m.setSeriesCount(1);
    m.setPointCount(4);
    for (double v : {0.0, 2.0, 4.0, 6.0})
        m.setPointValue(v);
    m.setCurrentPoint(1);
    m.setPointExtra(1); // the first moving range is not a value
    const SeriesStats s = seriesStats(m, 1);
    EXPECT_EQ(s.count, 3);
    EXPECT_DOUBLE_EQ(s.mean, 4.0);
    EXPECT_DOUBLE_EQ(s.stdDev, 2.0);
    EXPECT_EQ(s.min, 2.0);
    EXPECT_EQ(s.max, 6.0);
}

TEST(ChartStats, StatisticsLinesFollowTheBitsAndWidenTheExtent) {
    ChartModel m;
    m.setSeriesCount(2);
    m.setPointCount(3);
    for (double v : {2.0, 4.0, 6.0, 5.0, 5.0, 5.0})
        m.setPointValue(v);
    m.setStatLines(statlines::kMean | statlines::kSigma);
    auto lines = statisticsLines(m);
    // Series 1: mean + six sigma lines; series 2 (no spread): mean only.
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0].kind, StatLineKind::Mean);
    EXPECT_DOUBLE_EQ(lines[0].value, 4.0);
    EXPECT_DOUBLE_EQ(lines[5].value, 4.0 + 3 * 2.0);
    EXPECT_EQ(lines[5].sigmas, 3);
    EXPECT_DOUBLE_EQ(lines[6].value, 4.0 - 3 * 2.0);
    EXPECT_EQ(lines[7].series, 2);
    const ValueExtent e = valueExtent(m, lines);
    ASSERT_TRUE(e.valid);
    EXPECT_DOUBLE_EQ(e.min, -2.0);
    EXPECT_DOUBLE_EQ(e.max, 10.0);

    m.setStatLines(statlines::kMaxMin | statlines::kTrend);
    lines = statisticsLines(m);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2].kind, StatLineKind::Trend);
    EXPECT_DOUBLE_EQ(lines[2].slope, 2.0);
    EXPECT_DOUBLE_EQ(lines[2].valueAt(1.0), 2.0);
    EXPECT_DOUBLE_EQ(lines[2].x1, 3.0);
}

TEST(ChartStats, TrendUsesXPositionsWhenWritten) {
    // The regression line of the scatter chart is the least-squares line of its points.
    ChartModel m;
    m.setSeriesCount(1);
    m.setPointCount(4);
    const double xs[] = {10, 20, 30, 50}, ys[] = {1, 3, 2, 6};
    for (int i = 1; i <= 4; ++i) {
        m.setCurrentPoint(i);
        m.setPointValue(ys[i - 1]);
        m.setCurrentPoint(i);
        m.setPointXPos(xs[i - 1]);
    }
    m.setStatLines(statlines::kTrend);
    const auto lines = statisticsLines(m);
    ASSERT_EQ(lines.size(), 1u);
    const LineFit f = fitLine(std::vector<double>(xs, xs + 4), std::vector<double>(ys, ys + 4));
    EXPECT_DOUBLE_EQ(lines[0].slope, f.slope);
    EXPECT_DOUBLE_EQ(lines[0].intercept, f.intercept);
    EXPECT_EQ(lines[0].x0, 10.0);
    EXPECT_EQ(lines[0].x1, 50.0);
}
