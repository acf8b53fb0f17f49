// Tests of the end of every redraw: the grid lines, the 3-D angles and the
// titles put onto the charts of a window, whoever redraws them.
#include "analysis/control/ControlChartFill.h"
#include "components/chart/ChartModel.h"
#include "presentation/GraphSettings.h"
#include "presentation/TitleTable.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zel;

namespace {

const ChartSettings kSettings{{gridlines::kBoth, gridlinestyles::kDashDot}, ViewAngles{-40, 70, 25}};

ControlChartInput meanInput() {
    ControlChartInput in;
    in.values = {2, 4, 9};
    in.labels = {"a", "b", "c"};
    in.lines = {5, 8, 1};
    return in;
}

} // namespace

TEST(ChartSettings, EveryChartOfAWindowTakesTheSettingsAndItsOwnTitle) {
    ChartModel mean, range;
    fillControlChart(mean, meanInput());
    fillControlChart(range, meanInput());
    std::vector<ChartModel*> charts{&mean, &range};
    TitleTable titles;
    applyChartSettings(charts, kSettings, titles, AnalysisId::XbarR, {});
    for (const ChartModel* m : charts) {
        EXPECT_EQ(m->gridLines(), gridlines::kBoth);
        EXPECT_EQ(m->gridLineStyle(), gridlinestyles::kDashDot);
        EXPECT_EQ(m->rotation3D(), -40);
        EXPECT_EQ(m->perspective3D(), 70);
        EXPECT_EQ(m->elevation3D(), 25);
    }
    // The top title per chart, the others alike.
    EXPECT_EQ(mean.titleTop(), "平均値　Ｘbar");
    EXPECT_EQ(range.titleTop(), "範囲　Ｒ");
    // The data are the fill's: the settings change no value, kind or axis.
    EXPECT_EQ(mean.seriesCount(), 4);
    EXPECT_EQ(mean.yAxisScale(), axisscales::kFixed);
    EXPECT_EQ(mean.yAxisMax(), 9.0);
}

TEST(ChartSettings, TypedTitlesAndTheRedrawFlagAfterwards) {
    ChartModel chart;
    std::vector<ChartModel*> charts{&chart};
    TitleTable titles;
    titles.setText(TitleRow::Top, "ロット 12");
    titles.setText(TitleRow::Left, TitleTable::kNoTitle);
    // A flag left "0" by an interrupted redraw does not stay so.
    titles.setRedrawFlag(false);
    applyChartSettings(charts, kSettings, titles, AnalysisId::DefectCount, {});
    EXPECT_EQ(chart.titleTop(), "ロット 12(欠点数データ)");
    EXPECT_EQ(chart.titleLeft(), "");
    EXPECT_TRUE(titles.redrawFlag());
    // No analysis: the typed texts as they stand.
    applyChartSettings(charts, kSettings, titles, std::nullopt, {});
    EXPECT_EQ(chart.titleTop(), "ロット 12");
}

TEST(ChartSettings, ARefillKeepsTheSettingsOfTheLastRedraw) {
    // A kind change refills one chart between redraws; it must not lose the
    // window's grid lines or angles.
    ChartModel chart;
    std::vector<ChartModel*> charts{&chart};
    TitleTable titles;
    applyChartSettings(charts, kSettings, titles, AnalysisId::XRs, {});
    ControlChartInput in = meanInput();
    in.kind = "立体棒グラフ";
    chart.redrawReset(chart.viewAngles(), true);
    ASSERT_TRUE(fillControlChart(chart, in));
    EXPECT_EQ(chart.chartType(), ChartType::Bar3D);
    EXPECT_EQ(chart.gridLines(), gridlines::kBoth);
    EXPECT_EQ(chart.rotation3D(), -40);
    EXPECT_EQ(chart.titleTop(), "測定値　Ｘ");
}
