// The three-dimensional scatter's data: its kinds, the fill of Y, X and Z from
// the Analysis set (masked samples left out), the sets it refuses, the click
// texts, the default-title names and the report entry.
#include "analysis/AnalysisSet.h"
#include "analysis/ReportEntry.h"
#include "analysis/scatter/Scatter3DFill.h"
#include "dataset/Dataset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zel;

namespace {

// Four samples of three variables; sample 3 is masked.
Dataset pieces() {
    Dataset ds;
    ds.resize(4, 3);
    const double v[4][3] = {{41.5, 820, 20}, {-2.25, 830, 30}, {99, 99, 99}, {43, 840, 25}};
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 3; ++j)
            ds.setValue(i, j, v[i - 1][j - 1]);
    ds.setName(1, "硬さ");
    ds.setName(2, "温度");
    ds.setName(3, "時間");
    ds.setMask(3, 1);
    return ds;
}

AnalysisSet setOf(const Dataset& ds, std::vector<int> positions = {1, 2, 3}) {
    Result<AnalysisSet> set = buildAnalysisSet(ds, positions);
    EXPECT_TRUE(set);
    return set.value();
}

} // namespace

TEST(Scatter3DKinds, ListOrderTextsAndStyles) {
    EXPECT_EQ(scatter3DKindList(),
              (std::vector<std::string>{"立体散布図", "立体散布図（縦棒）", "立体散布図（線）"}));
    EXPECT_EQ(findScatter3DKind("立体散布図"), Scatter3DKind::Markers);
    EXPECT_EQ(findScatter3DKind("立体散布図（縦棒）"), Scatter3DKind::DropLines);
    EXPECT_EQ(findScatter3DKind("立体散布図（線）"), Scatter3DKind::Joined);
    EXPECT_FALSE(findScatter3DKind("散布図"));
    EXPECT_FALSE(findScatter3DKind(""));
    EXPECT_EQ(scatter3DStyle(Scatter3DKind::Markers), 0);
    EXPECT_EQ(scatter3DStyle(Scatter3DKind::DropLines), 1);
    EXPECT_EQ(scatter3DStyle(Scatter3DKind::Joined), 2);
}

TEST(Scatter3DFill, OneSeriesOfYWithXAndZPositionsOfTheUnmaskedSamples) {
    const AnalysisSet set = setOf(pieces());
    ChartModel m;
    ASSERT_TRUE(fillScatter3DChart(m, set, Scatter3DKind::DropLines));
    EXPECT_EQ(m.chartType(), ChartType::Scatter3D);
    EXPECT_EQ(m.chartStyle(), chartstyles::kScatter3DDropLines);
    EXPECT_EQ(m.seriesCount(), 1);
    ASSERT_EQ(m.pointCount(), 3);
    const double y[] = {41.5, -2.25, 43}, x[] = {820, 830, 840}, z[] = {20, 30, 25};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(m.value(1, i), y[i - 1]) << i;
        EXPECT_EQ(m.xPos(1, i), x[i - 1]) << i;
        EXPECT_EQ(m.zPos(1, i), z[i - 1]) << i;
    }
    EXPECT_EQ(m.currentSeries(), 1);
    EXPECT_EQ(m.currentPoint(), 1);

    // Another kind: the same points, only the style differs.
    ChartModel joined;
    ASSERT_TRUE(fillScatter3DChart(joined, set, Scatter3DKind::Joined));
    EXPECT_EQ(joined.chartStyle(), chartstyles::kScatter3DJoined);
    EXPECT_EQ(joined.values(), m.values());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(joined.xPos(1, i), m.xPos(1, i));
        EXPECT_EQ(joined.zPos(1, i), m.zPos(1, i));
    }

    // Variables in another order swap the axes.
    const AnalysisSet swapped = setOf(pieces(), {3, 1, 2});
    ChartModel s;
    ASSERT_TRUE(fillScatter3DChart(s, swapped, Scatter3DKind::Markers));
    EXPECT_EQ(s.value(1, 2), 30.0);
    EXPECT_EQ(s.xPos(1, 2), -2.25);
    EXPECT_EQ(s.zPos(1, 2), 830.0);
}

TEST(Scatter3DFill, AFillReplacesALargerEarlierOne) {
    ChartModel m;
    m.setFreshShape(4, 50);
    m.setPointXPos(7);
    m.setPointZPos(8);
    ASSERT_TRUE(fillScatter3DChart(m, setOf(pieces()), Scatter3DKind::Markers));
    EXPECT_EQ(m.seriesCount(), 1);
    EXPECT_EQ(m.pointCount(), 3);
    EXPECT_EQ(m.xPos(1, 1), 820.0);
    EXPECT_EQ(m.zPos(1, 1), 20.0);
}

TEST(Scatter3DFill, RefusesSetsWithoutPointsOrThreeSeriesAndLeavesTheChart) {
    ChartModel m;
    ASSERT_TRUE(fillScatter3DChart(m, setOf(pieces()), Scatter3DKind::Joined));
    const std::vector<double> before = m.values();

    AnalysisSet empty = setOf(pieces());
    empty.n = 0;
    for (auto& v : empty.values)
        v.clear();
    AnalysisSet two = setOf(pieces(), {1, 2});
    AnalysisSet shortSeries = setOf(pieces());
    shortSeries.values[2].pop_back(); // Z lacks its last value
    for (const AnalysisSet* bad : {&empty, &two, &shortSeries}) {
        EXPECT_FALSE(canFillScatter3D(*bad));
        EXPECT_FALSE(fillScatter3DChart(m, *bad, Scatter3DKind::Markers));
        EXPECT_EQ(m.values(), before);
        EXPECT_EQ(m.chartStyle(), chartstyles::kScatter3DJoined);
    }

    // A single sample is drawn: one point.
    Dataset one = pieces();
    one.setMask(1, 1);
    one.setMask(2, 1);
    ChartModel single;
    ASSERT_TRUE(fillScatter3DChart(single, setOf(one), Scatter3DKind::DropLines));
    EXPECT_EQ(single.pointCount(), 1);
    EXPECT_EQ(single.value(1, 1), 43.0);
    EXPECT_EQ(single.zPos(1, 1), 25.0);
}

TEST(Scatter3DReadout, SeriesTheChartsYAndTheSamplesXAndZAsSignedNumberTexts) {
    const AnalysisSet set = setOf(pieces());
    const auto r = scatter3DReadout(set, 1, 2, -2.25);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->series, " 1");
    EXPECT_EQ(r->y, "-2.25");
    EXPECT_EQ(r->x, " 830");
    EXPECT_EQ(r->z, " 30");
    // Y is what the chart holds for the point, not read from the set again.
    EXPECT_EQ(scatter3DReadout(set, 1, 3, 0.5)->y, " .5");
    EXPECT_EQ(scatter3DReadout(set, 1, 3, 0.5)->x, " 840");
    EXPECT_FALSE(scatter3DReadout(set, 1, 0, 1.0));
    EXPECT_FALSE(scatter3DReadout(set, 1, 4, 1.0));
    EXPECT_FALSE(scatter3DReadout(set, 0, 1, 1.0));
}

TEST(Scatter3DTitles, TheVariableNamesInDialogOrder) {
    EXPECT_EQ(scatter3DTitleContext(setOf(pieces(), {2, 3, 1})).variableNames,
              (std::vector<std::string>{"温度", "時間", "硬さ"}));
}

TEST(Scatter3DReport, ChartSummaryKindAndRefusals) {
    const Dataset ds = pieces();
    const ReportEntry* entry = reportEntry(AnalysisId::Scatter3D);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->chartWindow, WindowId::rsanpu);
    EXPECT_EQ(entry->variables, 3);
    EXPECT_FALSE(entry->seriesAsGiven);
    EXPECT_EQ(std::string(analysis(AnalysisId::Scatter3D).reportId), "scatter-3d");

    const ReportSettings none;
    const Result<ReportOutput> out = entry->run({ds, {1, 2, 3}, none});
    ASSERT_TRUE(out);
    EXPECT_EQ(out.value().summary, "n 3\n"
                                   "min Y -2.25\nmax Y 43\nmean Y 27.4166666666667\n"
                                   "min X 820\nmax X 840\nmean X 830\n"
                                   "min Z 20\nmax Z 30\nmean Z 25\n");
    ASSERT_EQ(out.value().charts.size(), 1u);
    const ChartModel& chart = out.value().charts[0];
    EXPECT_EQ(chart.chartType(), ChartType::Scatter3D);
    EXPECT_EQ(chart.chartStyle(), chartstyles::kScatter3DMarkers);
    EXPECT_EQ(chart.zPos(1, 3), 25.0);
    EXPECT_EQ(out.value().titleContext.variableNames, (std::vector<std::string>{"硬さ", "温度", "時間"}));

    const ReportSettings line{{"kind", "立体散布図（線）"}};
    ASSERT_TRUE(entry->checkSettings(line).isOk());
    EXPECT_EQ(entry->run({ds, {1, 2, 3}, line}).value().charts[0].chartStyle(),
              chartstyles::kScatter3DJoined);

    const ReportSettings bad{{"kind", "回帰直線"}};
    EXPECT_FALSE(entry->checkSettings(bad).isOk());
    EXPECT_FALSE(entry->run({ds, {1, 2, 3}, bad}));
    // hensi3's checks, in its order.
    const Result<ReportOutput> same = entry->run({ds, {1, 3, 3}, none});
    ASSERT_FALSE(same);
    EXPECT_EQ(same.status().message(), "変数２と変数３が同じです｡");
    EXPECT_EQ(entry->run({ds, {2, 2, 2}, none}).status().message(), "変数１と変数２が同じです｡");
}
