// Tests of the chart model's shape rule and of the fresh shape the analysis
// fills start from.
#include "components/chart/ChartModel.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(ChartShapeRule, CountsAndCellsAtTheirLimits) {
    EXPECT_TRUE(ChartModel::shapeFits(1, ChartModel::kMaxCount));
    EXPECT_TRUE(ChartModel::shapeFits(2048, 2048)); // exactly kMaxCells
    EXPECT_FALSE(ChartModel::shapeFits(2048, 2049));
    EXPECT_FALSE(ChartModel::shapeFits(0, 5));
    EXPECT_FALSE(ChartModel::shapeFits(5, 0));
    EXPECT_FALSE(ChartModel::shapeFits(ChartModel::kMaxCount + 1, 1));
}

TEST(ChartFreshShape, ReachesAShapeThatOneCountAtATimeCannot) {
    ChartModel m;
    ASSERT_TRUE(m.setPointCount(ChartModel::kMaxCount));
    EXPECT_FALSE(m.setSeriesCount(200)); // too many cells on the way
    ASSERT_TRUE(m.setFreshShape(200, 100));
    EXPECT_EQ(m.seriesCount(), 200);
    EXPECT_EQ(m.pointCount(), 100);
}

TEST(ChartFreshShape, OnlyOneOneSurvivesAndTheCursorWritesAgain) {
    ChartModel m;
    ASSERT_TRUE(m.setFreshShape(3, 4));
    for (int i = 0; i < 12; ++i)
        m.setPointValue(i + 1.0);
    EXPECT_FALSE(m.setPointValue(99)); // full
    ASSERT_TRUE(m.setFreshShape(3, 4));
    EXPECT_EQ(m.value(1, 1), 1.0);
    EXPECT_EQ(m.value(1, 2), 0.0);
    EXPECT_EQ(m.value(3, 4), 0.0);
    EXPECT_TRUE(m.setPointValue(7));
    EXPECT_EQ(m.value(1, 1), 7.0);
    // A refused shape changes nothing.
    EXPECT_FALSE(m.setFreshShape(2048, 2049));
    EXPECT_EQ(m.seriesCount(), 3);
    EXPECT_EQ(m.currentPoint(), 2);
}
