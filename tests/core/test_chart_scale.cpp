// Tests of the chart's scale maths: maps, nice steps, axis ranges and tick labels.
#include "components/chart/ChartScale.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zel;

TEST(ChartScaleMaps, LinearMapRoundTripsAndRunsBackwards) {
    const LinearMap y(0.0, 100.0, 400.0, 0.0); // a Y axis: up on screen is smaller device y
    EXPECT_DOUBLE_EQ(y.toDevice(0.0), 400.0);
    EXPECT_DOUBLE_EQ(y.toDevice(100.0), 0.0);
    EXPECT_DOUBLE_EQ(y.toDevice(25.0), 300.0);
    EXPECT_DOUBLE_EQ(y.toValue(300.0), 25.0);
    EXPECT_DOUBLE_EQ(y.toDevice(-50.0), 600.0); // outside the range extrapolates
    const LinearMap flat(5.0, 5.0, 0.0, 10.0);
    EXPECT_DOUBLE_EQ(flat.toDevice(123.0), 5.0);
    EXPECT_TRUE(std::isfinite(flat.toValue(3.0)));
}

TEST(ChartScaleMaps, LogMapPlacesDecadesEvenly) {
    const LogMap m(1.0, 1000.0, 0.0, 300.0);
    EXPECT_NEAR(m.toDevice(1.0), 0.0, 1e-9);
    EXPECT_NEAR(m.toDevice(10.0), 100.0, 1e-9);
    EXPECT_NEAR(m.toDevice(1000.0), 300.0, 1e-9);
    EXPECT_NEAR(m.toValue(200.0), 100.0, 1e-9);
    EXPECT_NEAR(m.toDevice(0.0), 0.0, 1e-9); // no infinity for 0
    EXPECT_NEAR(m.toDevice(-5.0), 0.0, 1e-9);
}

TEST(ChartScaleNice, StepsAreOneTwoFiveTimesPowersOfTen) {
    EXPECT_DOUBLE_EQ(niceStep(10.0, 5), 2.0);
    EXPECT_DOUBLE_EQ(niceStep(10.0, 10), 1.0);
    EXPECT_DOUBLE_EQ(niceStep(7.3, 5), 2.0);
    EXPECT_DOUBLE_EQ(niceStep(0.013, 5), 0.005);
    EXPECT_DOUBLE_EQ(niceStep(1234.0, 4), 500.0);
    EXPECT_DOUBLE_EQ(niceStep(3e-9, 3), 1e-9);
    EXPECT_DOUBLE_EQ(niceStep(0.0, 5), 1.0);
    EXPECT_DOUBLE_EQ(niceStep(-3.0, 5), 1.0);
    EXPECT_DOUBLE_EQ(niceStep(5.0, 0), 5.0);
}

TEST(ChartScaleAxis, AutomaticRangeCoversDataOnNiceTicks) {
    struct Case {
        double lo, hi;
    } cases[] = {{0.13, 9.87},   {-3.2, 4.1},   {-7.5, -2.25}, {1e4, 1e4 + 10},  {0.001, 0.0017},
                 {1e-20, 3e-20}, {-1e12, 7e11}, {99.9, 100.1}, {1e6, 1e6 + 1e-5}};
    for (const Case& c : cases) {
        const AxisScale a = computeAxis(c.lo, c.hi, AxisRequest{});
        SCOPED_TRACE(testing::Message() << c.lo << ".." << c.hi);
        EXPECT_LE(a.min, c.lo);
        EXPECT_GE(a.max, c.hi);
        ASSERT_GE(a.ticks.size(), 2u);
        EXPECT_LE(a.ticks.size(), 13u);
        EXPECT_DOUBLE_EQ(a.ticks.front(), a.min);
        EXPECT_NEAR(a.ticks.back(), a.max, a.step * 1e-6);
        // Every tick a multiple of the step, the step 1, 2 or 5 x 10^n.
        const double m = a.step / std::pow(10.0, std::floor(std::log10(a.step)));
        EXPECT_TRUE(std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9) << m;
        for (double t : a.ticks)
            EXPECT_NEAR(t / a.step, std::round(t / a.step), 1e-6);
        // Labels are distinct (no two ticks print alike).
        for (std::size_t i = 1; i < a.labels.size(); ++i)
            EXPECT_NE(a.labels[i], a.labels[i - 1]);
    }
}

TEST(ChartScaleAxis, LabelsCarryNoRoundingNoise) {
    const AxisScale a = computeAxis(0.1, 0.7, AxisRequest{});
    ASSERT_EQ(a.labels.size(), a.ticks.size());
    EXPECT_EQ(a.labels.front(), "0");
    bool sawPoint3 = false;
    for (const auto& l : a.labels) {
        EXPECT_LE(l.size(), 4u) << l;
        sawPoint3 = sawPoint3 || l == "0.6";
    }
    EXPECT_TRUE(sawPoint3);
    EXPECT_EQ(tickLabel(0.30000000000000004, 0.1), "0.3");
    EXPECT_EQ(tickLabel(-2.7755575615628914e-17, 0.1), "0");
    EXPECT_EQ(tickLabel(1e15, 1e14), "1E+15");
}

TEST(ChartScaleAxis, ConstantAndEmptyDataGiveUsableAxes) {
    const AxisScale c = computeAxis(5.0, 5.0, AxisRequest{});
    EXPECT_LT(c.min, 5.0);
    EXPECT_GT(c.max, 5.0);
    const AxisScale z = computeAxis(0.0, 0.0, AxisRequest{});
    EXPECT_LT(z.min, 0.0);
    EXPECT_GT(z.max, 0.0);
    const AxisScale n = computeAxis(NAN, NAN, AxisRequest{});
    EXPECT_LT(n.min, n.max);
    const AxisScale r = computeAxis(9.0, 1.0, AxisRequest{});
    EXPECT_LE(r.min, 1.0);
    EXPECT_GE(r.max, 9.0);
}

TEST(ChartScaleAxis, FromZeroIncludesZero) {
    AxisRequest req;
    req.mode = AxisMode::AutomaticFromZero;
    const AxisScale a = computeAxis(12.0, 47.0, req);
    EXPECT_EQ(a.min, 0.0);
    EXPECT_GE(a.max, 47.0);
    const AxisScale b = computeAxis(-8.0, -3.0, req);
    EXPECT_EQ(b.max, 0.0);
    EXPECT_LE(b.min, -8.0);
}

TEST(ChartScaleAxis, FixedAxisKeepsEndsAndHonoursTickCount) {
    AxisRequest req;
    req.mode = AxisMode::Fixed;
    req.fixedMin = -3.58295;
    req.fixedMax = 14.58295;
    req.ticks = 4;
    const AxisScale a = computeAxis(1.0, 10.0, req);
    EXPECT_EQ(a.min, -3.58295);
    EXPECT_EQ(a.max, 14.58295);
    ASSERT_EQ(a.ticks.size(), 5u);
    EXPECT_EQ(a.ticks.back(), 14.58295);
    EXPECT_NEAR(a.ticks[2], 5.5, 1e-12);

    // The class axis of the histogram: K intervals from B(0) to B(K).
    req.fixedMin = 0.0;
    req.fixedMax = 10.0;
    req.ticks = 10;
    EXPECT_EQ(computeAxis(0, 0, req).ticks.size(), 11u);

    // Without a tick count, nice ticks inside the exact ends.
    req.fixedMin = 0.3;
    req.fixedMax = 9.7;
    req.ticks = 0;
    const AxisScale n = computeAxis(0, 0, req);
    EXPECT_EQ(n.min, 0.3);
    EXPECT_EQ(n.max, 9.7);
    for (double t : n.ticks) {
        EXPECT_GE(t, 0.3);
        EXPECT_LE(t, 9.7);
    }
    EXPECT_EQ(n.ticks.front(), 2.0);

    // Reversed and equal fixed ends still give an ascending, non-empty axis.
    req.fixedMin = 8.0;
    req.fixedMax = 2.0;
    req.ticks = 3;
    const AxisScale s = computeAxis(0, 0, req);
    EXPECT_EQ(s.min, 2.0);
    EXPECT_EQ(s.max, 8.0);
    req.fixedMin = req.fixedMax = 4.0;
    const AxisScale e = computeAxis(0, 0, req);
    EXPECT_LT(e.min, 4.0);
    EXPECT_GT(e.max, 4.0);
}

TEST(ChartScaleAxis, LogarithmicAxisRunsOverWholeDecades) {
    AxisRequest req;
    req.logarithmic = true;
    const AxisScale a = computeAxis(3.0, 4500.0, req);
    EXPECT_TRUE(a.logarithmic);
    EXPECT_DOUBLE_EQ(a.min, 1.0);
    EXPECT_DOUBLE_EQ(a.max, 10000.0);
    ASSERT_EQ(a.labels.size(), 5u);
    EXPECT_EQ(a.labels[0], "1");
    EXPECT_EQ(a.labels[4], "10000");
    const AxisScale small = computeAxis(0.002, 0.05, req);
    EXPECT_EQ(small.labels.front(), "0.001");
    const AxisScale nonPositive = computeAxis(-5.0, 0.0, req);
    EXPECT_GT(nonPositive.min, 0.0);
    EXPECT_GT(nonPositive.max, nonPositive.min);
    const AxisScale exact = computeAxis(10.0, 100.0, req);
    EXPECT_DOUBLE_EQ(exact.min, 10.0);
    EXPECT_DOUBLE_EQ(exact.max, 100.0);
}

TEST(ChartScaleLabels, FixedAxisTicksKeepTheDecimalsTheyNeed) {
    EXPECT_EQ(zel::tickLabel(12.25, 1.75), "12.25");
    EXPECT_EQ(zel::tickLabel(8.75, 1.75), "8.75");
    EXPECT_EQ(zel::tickLabel(10.5, 1.75), "10.5");
    EXPECT_EQ(zel::tickLabel(0.1 + 0.2, 0.1), "0.3");
    EXPECT_EQ(zel::tickLabel(1e-21, 0.5), "0");
}

TEST(ChartScaleLabels, EvenlyDividedFixedAxisReadsWithTwoDigitsOfItsStep) {
    // A control chart's axis from LCL to UCL in four intervals.
    AxisRequest req;
    req.mode = AxisMode::Fixed;
    req.fixedMin = 9.95716;
    req.fixedMax = 10.19328;
    req.ticks = 4; // step 0.05903
    const AxisScale a = computeAxis(0, 0, req);
    ASSERT_EQ(a.labels.size(), 5u);
    EXPECT_EQ(a.labels[0], "9.957");
    EXPECT_EQ(a.labels[1], "10.016");
    EXPECT_EQ(a.labels[4], "10.193");
    // Every tick has the same decimals, and neighbours never read alike.
    for (std::size_t i = 1; i < a.labels.size(); ++i)
        EXPECT_NE(a.labels[i], a.labels[i - 1]);

    EXPECT_EQ(zel::fixedTickLabel(74.0, 0.5), "74.00");
    EXPECT_EQ(zel::fixedTickLabel(-1e-18, 2.5), "0.0");
    EXPECT_EQ(zel::fixedTickLabel(-0.004, 0.2), "0.00") << "no negative zero after rounding";
    EXPECT_EQ(zel::fixedTickLabel(1234.0, 250.0), "1234");
    // A step that two significant digits would round: every tick as it stands
    // (a Pareto chart's 0..625 in ten steps).
    EXPECT_EQ(zel::fixedTickLabel(187.5, 62.5), "187.5");
    EXPECT_EQ(zel::fixedTickLabel(125.0, 62.5), "125.0");
    EXPECT_EQ(zel::fixedTickLabel(3.5, 1.75), "3.50");
    EXPECT_EQ(zel::fixedTickLabel(0.0125, 0.0025), "0.0125");
    // Rounded as the value reads, like the tables: 1.015 lies just below in binary.
    EXPECT_EQ(zel::fixedTickLabel(1.015, 0.5), "1.02");
    EXPECT_EQ(zel::fixedTickLabel(-1.015, 0.5), "-1.02");
}
