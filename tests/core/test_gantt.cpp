// The Gantt chart's data: project names into the names file, the set, the fill
// of both kinds, the clicks, the tasks that run backwards and the report.
#include "analysis/AnalysisSet.h"
#include "analysis/ReportEntry.h"
#include "analysis/gantt/GanttChart.h"
#include "analysis/gantt/GanttReports.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace zel;
namespace fs = std::filesystem;

namespace {

using fixtures::readBytes;
using fixtures::writeBytes;

// Three projects over three points in time (two tasks each); project 2 is
// masked, project 3's second task ends before it starts.
Dataset schedule() {
    Dataset ds;
    ds.resize(3, 3);
    const double times[3][3] = {{3, 8, 10}, {1, 2, 3}, {0, 6, 4}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            ds.setValue(i, j, times[i - 1][j - 1]);
    ds.setName(1, "着手");
    ds.setName(2, "設計完了");
    ds.setName(3, "完成");
    ds.setMask(2, 1);
    ds.setLabel(1, "金型");
    ds.setLabel(2, "治具");
    ds.setLabel(3, "設備");
    return ds;
}

class GanttNamesFile : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fixtures::freshTestFolder("zel_gantt_");
        m_ds = schedule();
        m_ds.setBase((m_dir / "plan").string());
        writeBytes(m_ds.namesPath, "old names");
        writeBytes(m_ds.valuesPath, "values stay");
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
    Dataset m_ds;
};

} // namespace

TEST(GanttClick, TaskStartEndDurationAndProjectOfABar) {
    Dataset ds;
    ds.resize(1, 2);
    ds.setValue(1, 1, 3);
    ds.setValue(1, 2, 8);
    ds.setLabel(1, "A");
    const AnalysisSet set = ganttAnalysisSet(ds);
    // The bar of task 1 (series 2): 3 to 8.
    const auto bar = ganttClick(set, 2, 1);
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->task, 1);
    EXPECT_EQ(bar->start, 3.0);
    EXPECT_EQ(bar->end, 8.0);
    EXPECT_EQ(bar->duration, 5.0);
    const GanttReadout r = ganttReadout(*bar);
    EXPECT_EQ(r.task, " 1");
    EXPECT_EQ(r.start, " 3");
    EXPECT_EQ(r.end, " 8");
    EXPECT_EQ(r.duration, " 5");
    EXPECT_EQ(r.project, "A");
    // Series 1 is task 0 from 0 to the start.
    const GanttReadout first = ganttReadout(*ganttClick(set, 1, 1));
    EXPECT_EQ(first.task, " 0");
    EXPECT_EQ(first.start, " 0");
    EXPECT_EQ(first.end, " 3");
    EXPECT_EQ(first.duration, " 3");
    // Nothing outside the series and projects.
    EXPECT_FALSE(ganttClick(set, 0, 1));
    EXPECT_FALSE(ganttClick(set, 3, 1));
    EXPECT_FALSE(ganttClick(set, 2, 0));
    EXPECT_FALSE(ganttClick(set, 2, 2));
}

TEST(GanttClick, AnEndBeforeItsStartGivesANegativeDurationAndIsListed) {
    const AnalysisSet set = ganttAnalysisSet(schedule());
    // Row 2 is sample 3 (sample 2 is masked): 0, 6, 4.
    const GanttReadout r = ganttReadout(*ganttClick(set, 3, 2));
    EXPECT_EQ(r.task, " 2");
    EXPECT_EQ(r.start, " 6");
    EXPECT_EQ(r.end, " 4");
    EXPECT_EQ(r.duration, "-2");
    EXPECT_EQ(r.project, "設備");
    const std::vector<NegativeTask> back = negativeTasks(set);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].point, 2);
    EXPECT_EQ(back[0].task, 2);
    EXPECT_EQ(back[0].duration, -2.0);
    EXPECT_EQ(negativeTaskList(set), "設備 作業2");
    // Two of them, one on a project without a name.
    Dataset ds = schedule();
    ds.setValue(1, 2, 1);
    ds.setLabel(1, "");
    EXPECT_EQ(negativeTaskList(ganttAnalysisSet(ds)), "NO.1 作業1、設備 作業2");
    EXPECT_EQ(negativeTaskList(ganttAnalysisSet(Dataset())), "");
}

TEST(GanttSet, UnmaskedSamplesInOrderWithEveryVariable) {
    const AnalysisSet set = ganttAnalysisSet(schedule());
    EXPECT_EQ(set.seriesCount, 3);
    EXPECT_EQ(set.n, 2);
    EXPECT_EQ(set.variables, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(set.names, (std::vector<std::string>{"着手", "設計完了", "完成"}));
    EXPECT_EQ(set.labels, (std::vector<std::string>{"金型", "設備"}));
    EXPECT_EQ(set.values[0], (std::vector<double>{3, 0}));
    EXPECT_EQ(set.values[1], (std::vector<double>{8, 6}));
    EXPECT_EQ(set.values[2], (std::vector<double>{10, 4}));
}

TEST(GanttFill, RawTimesSeriesAfterSeriesWithLegendsLabelsAndKind) {
    const AnalysisSet set = ganttAnalysisSet(schedule());
    ChartModel m;
    m.setStatLines(1);
    m.setXAxisMax(5);
    ASSERT_TRUE(fillGanttChart(m, set, GanttKind::Plain, true));
    EXPECT_EQ(m.seriesCount(), 3);
    EXPECT_EQ(m.pointCount(), 2);
    EXPECT_EQ(m.values(), (std::vector<double>{3, 0, 8, 6, 10, 4}));
    EXPECT_EQ(m.chartType(), ChartType::Gantt);
    EXPECT_EQ(m.chartStyle(), chartstyles::kGanttPlain);
    EXPECT_EQ(m.legendAt(1), "着手");
    EXPECT_EQ(m.legendAt(3), "完成");
    EXPECT_EQ(m.pointLabelAt(1), "金型");
    EXPECT_EQ(m.pointLabelAt(2), "設備");
    EXPECT_EQ(m.statLines(), 0);
    EXPECT_EQ(m.currentSeries(), 1);
    EXPECT_EQ(m.currentPoint(), 1);
    // "（間隔あり）" and "非表示".
    ASSERT_TRUE(fillGanttChart(m, set, GanttKind::Gaps, false));
    EXPECT_EQ(m.chartStyle(), chartstyles::kGanttGaps);
    EXPECT_EQ(m.legendAt(1), "");
    EXPECT_EQ(m.legendAt(2), "");
    EXPECT_EQ(m.pointLabelAt(2), "設備");
}

TEST(GanttFill, RefusesWhatItCannotDrawAndLeavesTheChart) {
    ChartModel m;
    m.setSeriesCount(2);
    m.setPointValue(7);
    AnalysisSet none = ganttAnalysisSet(Dataset()); // no samples
    none.n = 0;
    EXPECT_FALSE(fillGanttChart(m, none, GanttKind::Plain, true));
    Dataset one;
    one.resize(2, 1);
    EXPECT_FALSE(fillGanttChart(m, ganttAnalysisSet(one), GanttKind::Plain, true)); // one variable
    EXPECT_EQ(m.seriesCount(), 2);
    EXPECT_EQ(m.value(1, 1), 7.0);
}

TEST(GanttKinds, ListAndNames) {
    EXPECT_EQ(ganttKindList(), (std::vector<std::string>{"ガントチャート", "（間隔あり）"}));
    EXPECT_EQ(findGanttKind("ガントチャート"), GanttKind::Plain);
    EXPECT_EQ(findGanttKind("（間隔あり）"), GanttKind::Gaps);
    EXPECT_FALSE(findGanttKind("間隔あり"));
}

TEST_F(GanttNamesFile, NamesBecomeLabelsAndTheNamesFileIsRewrittenAlone) {
    ASSERT_TRUE(storeProjectNames(m_ds, {"A案", "", "C案"}).isOk());
    EXPECT_EQ(m_ds.label(1), "A案");
    EXPECT_EQ(m_ds.label(2), ""); // masked samples keep what was typed too
    EXPECT_EQ(m_ds.label(3), "C案");
    EXPECT_EQ(readBytes(m_ds.namesPath), namesFileBytes(m_ds).value());
    EXPECT_EQ(readBytes(m_ds.valuesPath), "values stay");
    EXPECT_FALSE(fs::exists(temporaryPathFor(m_ds.namesPath)));
    // The labels read back as typed.
    Dataset back;
    writeBytes(m_ds.valuesPath, valuesFileBytes(m_ds));
    ASSERT_TRUE(readDataset(m_ds.namesPath, m_ds.valuesPath, back).status.isOk());
    EXPECT_EQ(back.label(1), "A案");
    EXPECT_EQ(back.label(2), "");
    EXPECT_EQ(back.label(3), "C案");
}

TEST_F(GanttNamesFile, ANameTheFileCannotHoldChangesNothing) {
    const Status s = storeProjectNames(m_ds, {"A", "\xF0\x9F\x98\x80", "C"}); // an emoji
    EXPECT_EQ(s.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(m_ds.label(1), "金型");
    EXPECT_EQ(m_ds.label(2), "治具");
    EXPECT_EQ(readBytes(m_ds.namesPath), "old names");
    // A count other than the samples' changes nothing either.
    EXPECT_FALSE(storeProjectNames(m_ds, {"A", "B"}).isOk());
    EXPECT_EQ(m_ds.label(1), "金型");
}

TEST_F(GanttNamesFile, AFailedWriteKeepsTheOldFileAndTheNewLabels) {
    fs::create_directories(temporaryPathFor(m_ds.namesPath));
    EXPECT_FALSE(storeProjectNames(m_ds, {"A", "B", "C"}).isOk());
    EXPECT_EQ(readBytes(m_ds.namesPath), "old names");
    EXPECT_EQ(m_ds.label(3), "C");
    // A dataset without files only takes the labels.
    Dataset unsaved = schedule();
    EXPECT_TRUE(storeProjectNames(unsaved, {"x", "y", "z"}).isOk());
    EXPECT_EQ(unsaved.label(2), "y");
}

TEST(GanttReport, SummaryPerUnmaskedProjectAndTheChart) {
    Dataset ds = schedule();
    ds.setValue(1, 3, 10.5);
    const ReportEntry* entry = reportEntry(AnalysisId::Gantt);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->chartWindow, WindowId::gantog);
    EXPECT_EQ(entry->variables, 0);
    const ReportSettings settings{{"kind", "（間隔あり）"}};
    ASSERT_TRUE(entry->checkSettings(settings).isOk());
    const Result<ReportOutput> out = entry->run({ds, {}, settings});
    ASSERT_TRUE(out);
    EXPECT_EQ(out.value().summary, "start 金型 3\nend 金型 10.5\ntasks 金型 2\n"
                                   "start 設備 0\nend 設備 4\ntasks 設備 2\n");
    ASSERT_EQ(out.value().charts.size(), 1u);
    EXPECT_EQ(out.value().charts[0].chartStyle(), chartstyles::kGanttGaps);
    EXPECT_EQ(out.value().charts[0].pointCount(), 2);
    const ReportSettings bad{{"kind", "棒グラフ"}};
    EXPECT_FALSE(entry->checkSettings(bad).isOk());
    EXPECT_FALSE(entry->run({ds, {}, bad}));
}
