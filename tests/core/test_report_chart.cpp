// Tests of how a report entry adds its charts: one more chart each time, reset
// as a redraw resets it, and one refusal text for data the fill refuses.
#include "analysis/ReportEntry.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(ReportChart, EachFillGetsAFreshResetChartAfterTheOthers) {
    ReportOutput out;
    ASSERT_TRUE(addReportChart(out, [](ChartModel& m) { return m.setSeriesCount(2); }));
    ASSERT_TRUE(addReportChart(out, [](ChartModel& m) {
        EXPECT_EQ(m.seriesCount(), 1);
        EXPECT_EQ(m.resetSwitchTwo(), 1);
        return m.setPointValue(4.5);
    }));
    ASSERT_EQ(out.charts.size(), 2u);
    EXPECT_EQ(out.charts[0].seriesCount(), 2);
    EXPECT_EQ(out.charts[1].value(1, 1), 4.5);
}

TEST(ReportChart, ARefusedFillRefusesTheReport) {
    ReportOutput out;
    const Status s = addReportChart(out, [](ChartModel&) { return false; });
    EXPECT_EQ(s.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(s.message(), "グラフを作成できません。");
}
