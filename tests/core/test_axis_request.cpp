// Tests of the axis request a chart axis's settings make.
#include "components/chart/ChartModel.h"
#include "components/chart/ChartScale.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(AxisRequestOfSettings, FixedAxisKeepsItsEndsAndIntervals) {
    const AxisRequest r = axisRequest(AxisSettings{axisscales::kFixed, 12.5, -2.5, 3}, 7);
    EXPECT_EQ(r.mode, AxisMode::Fixed);
    EXPECT_EQ(r.fixedMax, 12.5);
    EXPECT_EQ(r.fixedMin, -2.5);
    EXPECT_EQ(r.ticks, 3);
    EXPECT_EQ(r.targetIntervals, 7);
    EXPECT_FALSE(r.logarithmic);
}

TEST(AxisRequestOfSettings, ScaleCodesMapToModesAndStrayCodesAreHeld) {
    EXPECT_EQ(axisRequest(AxisSettings{0, 0, 0, 0}, 5).mode, AxisMode::Automatic);
    EXPECT_EQ(axisRequest(AxisSettings{1, 0, 0, 0}, 5).mode, AxisMode::AutomaticFromZero);
    EXPECT_EQ(axisRequest(AxisSettings{9, 0, 0, 0}, 5).mode, AxisMode::Fixed);
    EXPECT_EQ(axisRequest(AxisSettings{-4, 0, 0, 0}, 5).mode, AxisMode::Automatic);
}
