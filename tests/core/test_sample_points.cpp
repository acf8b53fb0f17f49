// Which sample each chart point stands for: the analyses leave masked samples
// out, so a point maps through the unmasked sample numbers, and back.
#include "analysis/AnalysisSet.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"
#include "analysis/gantt/GanttChart.h"
#include "common/SamplePoints.h"

#include "DatasetFixtures.h"

#include <gtest/gtest.h>

namespace {

using zel::PointSamples;

// Six samples of three variables, samples 2 and 5 masked.
zel::Dataset maskedSix() {
    zel::Dataset ds;
    uitest::fillNumbered(ds, 6, 3, {2, 5});
    return ds;
}

} // namespace

TEST(SamplePoints, PointsAndSamplesMapBothWaysAroundMaskedSamples) {
    // The points of a dataset whose samples 2 and 5 are masked.
    const PointSamples samples{1, 3, 4, 6};
    EXPECT_EQ(zel::sampleOfPoint(samples, 1), 1);
    EXPECT_EQ(zel::sampleOfPoint(samples, 2), 3);
    EXPECT_EQ(zel::sampleOfPoint(samples, 4), 6);
    EXPECT_EQ(zel::pointOfSample(samples, 3), 2);
    EXPECT_EQ(zel::pointOfSample(samples, 6), 4);
    // Masked samples and numbers outside the data have no point, and the
    // points outside 1..m no sample.
    for (int sample : {2, 5, 0, 7, -1})
        EXPECT_FALSE(zel::pointOfSample(samples, sample)) << sample;
    for (int point : {0, 5, -1})
        EXPECT_FALSE(zel::sampleOfPoint(samples, point)) << point;
    EXPECT_FALSE(zel::sampleOfPoint({}, 1));
}

TEST(SamplePoints, EveryControlChartKeepsTheSampleOfEachPoint) {
    const zel::Dataset ds = maskedSix();
    const PointSamples expected{1, 3, 4, 6};

    const zel::Result<zel::ChartDataSet> xbarR = zel::computeXbarR(ds);
    ASSERT_TRUE(xbarR.isOk());
    EXPECT_EQ(xbarR.value().samples, expected);

    const zel::Result<zel::ChartDataSet> xRs = zel::collectXRs(ds, 2);
    ASSERT_TRUE(xRs.isOk());
    EXPECT_EQ(xRs.value().samples, expected);
    // "Xbar" (the list's last entry) plots one point per sample too.
    const zel::Result<zel::ChartDataSet> xRsMeans = zel::collectXRs(ds, 4);
    ASSERT_TRUE(xRsMeans.isOk());
    EXPECT_EQ(xRsMeans.value().samples, expected);

    const zel::Result<zel::ChartDataSet> defects = zel::computeDefectCount(ds, 1);
    ASSERT_TRUE(defects.isOk());
    EXPECT_EQ(defects.value().samples, expected);

    // Lot size v3 (i * 10 + 3) above the defectives v1 (i * 10 + 1); the
    // lines' rows of totals and averages add no point.
    zel::Result<zel::ChartDataSet> lots = zel::collectPPn(ds, 3, 1);
    ASSERT_TRUE(lots.isOk());
    zel::ChartDataSet pPn = lots.value();
    ASSERT_TRUE(zel::computePPnLines(pPn).isOk());
    EXPECT_EQ(pPn.samples, expected);
    EXPECT_EQ(zel::sampleOfPoint(pPn.samples, pPn.m), 6);
}

TEST(SamplePoints, TheAnalysisSetsKeepTheSampleOfEachValue) {
    const zel::Dataset ds = maskedSix();
    const zel::Result<zel::AnalysisSet> two = zel::buildAnalysisSet(ds, {1, 3});
    ASSERT_TRUE(two.isOk());
    EXPECT_EQ(two.value().samples, (PointSamples{1, 3, 4, 6}));
    // The Gantt chart's projects are the unmasked samples too.
    EXPECT_EQ(zel::ganttAnalysisSet(ds).samples, (PointSamples{1, 3, 4, 6}));

    // "全データ": every variable of a sample one after the other, so the
    // values 4 to 6 are sample 3's and a sample's first point is its first value.
    const zel::Result<zel::AnalysisSet> all = zel::buildAnalysisSet(ds, {4});
    ASSERT_TRUE(all.isOk());
    EXPECT_EQ(all.value().samples, (PointSamples{1, 1, 1, 3, 3, 3, 4, 4, 4, 6, 6, 6}));
    EXPECT_EQ(zel::sampleOfPoint(all.value().samples, 5), 3);
    EXPECT_EQ(zel::pointOfSample(all.value().samples, 4), 7);
}
