// The Workspace: each one owns its own shared records, reached through the names
// the windows use, with the start values of a fresh run.
#include "analysis/AnalysisSet.h"
#include "analysis/control/ChartDataSet.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"
#include "windowkit/Workspace.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace zel;

// A copy would share the records of the original through its references.
static_assert(!std::is_copy_constructible_v<Workspace>);
static_assert(!std::is_copy_assignable_v<Workspace>);

TEST(Workspace, StartsWithTheValuesOfAFreshRun) {
    const Workspace ws;
    EXPECT_FALSE(ws.dataset.exists());
    EXPECT_EQ(ws.datasetBasePath(), "");
    EXPECT_EQ(ws.titles.second(TitleRow::Top), "1");
    EXPECT_EQ(ws.analysisSet.seriesCount, 0);
    EXPECT_EQ(ws.chartData.m, 0);
    EXPECT_FALSE(ws.enteredLimits.cancelled);
    EXPECT_EQ(ws.view3d.rotation, 15);
    EXPECT_EQ(ws.view3d.perspective, 30);
    EXPECT_EQ(ws.view3d.elevation, 0);
    EXPECT_EQ(ws.statLineSwitches[0], 1);
    EXPECT_EQ(ws.statLineSwitches[2], 0);
}

TEST(Workspace, EachWorkspaceOwnsItsRecords) {
    Workspace a;
    Workspace b;
    a.dataset.basePath = "/data/shaft";
    a.titles.setText(TitleRow::Left, "mm");
    a.analysisSet.seriesCount = 2;
    a.chartData.m = 25;
    a.enteredLimits.upper = 9.5;

    EXPECT_EQ(a.datasetBasePath(), "/data/shaft");
    EXPECT_EQ(a.titles.text(TitleRow::Left), "mm");
    EXPECT_EQ(a.analysisSet.seriesCount, 2);
    EXPECT_EQ(a.chartData.m, 25);
    EXPECT_DOUBLE_EQ(a.enteredLimits.upper, 9.5);

    EXPECT_EQ(b.datasetBasePath(), "");
    EXPECT_EQ(b.titles.text(TitleRow::Left), "");
    EXPECT_EQ(b.analysisSet.seriesCount, 0);
    EXPECT_EQ(b.chartData.m, 0);
    EXPECT_DOUBLE_EQ(b.enteredLimits.upper, 0.0);
}
