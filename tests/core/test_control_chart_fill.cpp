// Tests of how a control chart is filled: the kind table, series order, the
// fixed axis bounds, ticks, labels, the Rs chart's point numbers and placeholder,
// the P-Pn varying lines and the defect-count chart with entered limits.
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"

#include <gtest/gtest.h>

#include "ChartModelReadings.h"
#include "DatasetFixtures.h"

using namespace zel;

namespace {

using uitest::labelledRows;

using fixtures::pointLabels;
using fixtures::seriesValues;

ControlChartInput meanInput() {
    ControlChartInput in;
    in.role = ControlChartRole::Mean;
    in.values = {2, 4, 9};
    in.labels = {"a", "b", "c"};
    in.lines = {5, 8, 1}; // the value 9 lies above the UCL
    return in;
}

} // namespace

TEST(ControlChartKinds, TableMapsTheTenNames) {
    const auto& kinds = controlChartKinds();
    const std::pair<ChartType, int> expected[10] = {
        {ChartType::Pie, 4},  {ChartType::Pie3D, 4},  {ChartType::Bar, 0},  {ChartType::Bar3D, 0},
        {ChartType::Bar, 1},  {ChartType::Bar3D, 1},  {ChartType::Line, 5}, {ChartType::Area, 0},
        {ChartType::Band, 0}, {ChartType::Area3D, 0},
    };
    EXPECT_EQ(kinds[0], "円グラフ");
    EXPECT_EQ(kinds[4], "棒グラフ（横）");
    EXPECT_EQ(kinds[6], "折れ線グラフ");
    EXPECT_EQ(kinds[9], "立体エリアグラフ");
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        ChartModel model;
        ControlChartInput in = meanInput();
        in.kind = kinds[i];
        ASSERT_TRUE(fillControlChart(model, in)) << kinds[i];
        EXPECT_EQ(model.chartType(), expected[i].first) << kinds[i];
        EXPECT_EQ(model.chartStyle(), expected[i].second) << kinds[i];
        EXPECT_EQ(model.seriesCount(), i == 6 ? 4 : 1) << kinds[i];
        EXPECT_EQ(pointLabels(model), (std::vector<std::string>{"a", "b", "c"})) << kinds[i];
    }
}

TEST(ControlChartFillLine, SeriesOrderAxisAndLabels) {
    ChartModel model;
    // The redraw's grid lines and angles stay as they are: the fill takes data only.
    model.setGridLines(gridlines::kBoth);
    model.setGridLineStyle(gridlinestyles::kDotted);
    model.setViewAngles({40, 30, 0});
    ControlChartInput in = meanInput();
    ASSERT_TRUE(fillControlChart(model, in));
    EXPECT_EQ(model.seriesCount(), 4);
    EXPECT_EQ(model.pointCount(), 3);
    EXPECT_EQ(seriesValues(model, 1), (std::vector<double>{5, 5, 5}));
    EXPECT_EQ(seriesValues(model, 2), (std::vector<double>{8, 8, 8}));
    EXPECT_EQ(seriesValues(model, 3), (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(seriesValues(model, 4), (std::vector<double>{2, 4, 9}));
    // max(values, UCL) = 9, min(values, LCL) = 1, no margin, 4 divisions.
    EXPECT_EQ(model.yAxisScale(), 2);
    EXPECT_EQ(model.yAxisMax(), 9.0);
    EXPECT_EQ(model.yAxisMin(), 1.0);
    EXPECT_EQ(model.yAxisTicks(), 4);
    EXPECT_EQ(model.statLines(), 5);
    EXPECT_EQ(model.gridLines(), 3);
    EXPECT_EQ(model.gridLineStyle(), 2);
    EXPECT_EQ(model.rotation3D(), 40);
    EXPECT_EQ(pointLabels(model), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ControlChartFillLine, FixedAxisSurvivesAKindChangeAndUnknownKinds) {
    ChartModel model;
    ASSERT_TRUE(fillControlChart(model, meanInput()));
    ControlChartInput bar = meanInput();
    bar.kind = "棒グラフ";
    bar.values = {3, 3, 3};
    ASSERT_TRUE(fillControlChart(model, bar));
    EXPECT_EQ(model.seriesCount(), 1);
    EXPECT_EQ(seriesValues(model, 1), (std::vector<double>{3, 3, 3}));
    EXPECT_EQ(model.yAxisScale(), 2); // the reset keeps the Y scale of control charts
    EXPECT_EQ(model.yAxisMax(), 9.0);
    EXPECT_EQ(model.statLines(), 0);

    ControlChartInput unknown = meanInput();
    unknown.kind = "ドーナツ";
    unknown.values = {7, 6, 5};
    EXPECT_FALSE(fillControlChart(model, unknown));
    EXPECT_EQ(seriesValues(model, 1), (std::vector<double>{7, 6, 5}));
}

TEST(ControlChartFillLine, XbarRRangeChartLowerBoundIsZero) {
    const ChartDataSet c = computeXbarR(labelledRows({{1, 3}, {2, 6}, {4, 4}})).value();
    ChartModel model;
    ASSERT_TRUE(fillControlChart(model, xbarRInput(c, 1)));
    EXPECT_EQ(seriesValues(model, 4), (std::vector<double>{2, 4, 0}));
    EXPECT_EQ(seriesValues(model, 3), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(model.yAxisMin(), 0.0);
    EXPECT_DOUBLE_EQ(model.yAxisMax(), 6.534); // UCL 3.267 * 2 above the largest range 4
    ChartModel mean;
    ASSERT_TRUE(fillControlChart(mean, xbarRInput(c, 0)));
    EXPECT_EQ(seriesValues(mean, 4), (std::vector<double>{2, 4, 4}));
    EXPECT_EQ(pointLabels(mean), (std::vector<std::string>{"S1", "S2", "S3"}));
}

TEST(ControlChartFillRs, PointNumbersAndTheFirstPointAtZero) {
    ChartDataSet c = collectXRs(labelledRows({{5}, {7}, {4}}), 1).value();
    ASSERT_TRUE(computeXRsLines(c).isOk());
    ChartModel model;
    ASSERT_TRUE(fillControlChart(model, xRsInput(c, 1)));
    EXPECT_EQ(seriesValues(model, 4), (std::vector<double>{0, 2, 3}));
    EXPECT_EQ(pointLabels(model), (std::vector<std::string>{"1", "2", "3"}));
    // The line kind shows the 0 of point 1 as the other kinds do, with an empty
    // label, and its statistics lines leave that 0 out.
    for (int s = 1; s <= 4; ++s)
        EXPECT_TRUE(model.isPlotted(s, 1)) << "series " << s;
    EXPECT_EQ(model.extra(4, 1), 1);
    EXPECT_FALSE(model.isReading(4, 1));
    EXPECT_TRUE(model.isUnlabelled(1));
    EXPECT_FALSE(model.isUnlabelled(2));
    EXPECT_EQ(model.text(4, 1), "");
    EXPECT_EQ(model.yAxisMin(), 0.0);

    ControlChartInput pie = xRsInput(c, 1);
    pie.kind = "立体円グラフ";
    ASSERT_TRUE(fillControlChart(model, pie));
    EXPECT_EQ(model.text(1, 2), "2");
    EXPECT_EQ(model.text(1, 3), "3");
    EXPECT_TRUE(model.isPlotted(1, 1)); // a pie plots all three slices
    EXPECT_FALSE(model.isUnlabelled(1));
    EXPECT_EQ(model.pointLabelAt(1), "");

    ControlChartInput bar = xRsInput(c, 1);
    bar.kind = "立体棒グラフ（横）";
    ASSERT_TRUE(fillControlChart(model, bar));
    EXPECT_EQ(model.text(1, 2), "");
    EXPECT_EQ(model.pointLabelAt(2), "");

    ControlChartInput area = xRsInput(c, 1);
    area.kind = "エリアグラフ";
    ASSERT_TRUE(fillControlChart(model, area));
    EXPECT_EQ(pointLabels(model), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(model.isPlotted(1, 1));

    // The X chart keeps the data labels.
    ChartModel x;
    ASSERT_TRUE(fillControlChart(x, xRsInput(c, 0)));
    EXPECT_EQ(pointLabels(x), (std::vector<std::string>{"S1", "S2", "S3"}));
    EXPECT_EQ(x.extra(4, 1), 0);
}

TEST(ControlChartFillPPn, VaryingLinesAndAxisFromLotLimits) {
    // Lots (50, 1), (200, 9): pbar 0.04; P-UCL 0.1231384 and 0.0815692, lows 0.
    auto r = collectPPn(labelledRows({{50, 1}, {200, 9}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    ASSERT_TRUE(computePPnLines(c).isOk());
    fillPPnPlotted(c);

    ChartModel p;
    ASSERT_TRUE(fillControlChart(p, pPnInput(c, 0, true)));
    EXPECT_EQ(seriesValues(p, 1), (std::vector<double>{0.04, 0.04}));
    EXPECT_EQ(seriesValues(p, 2), (std::vector<double>{c.pTable[1][1], c.pTable[2][1]}));
    EXPECT_EQ(seriesValues(p, 3), (std::vector<double>{0, 0}));
    EXPECT_EQ(seriesValues(p, 4), (std::vector<double>{0.02, 0.045}));
    EXPECT_DOUBLE_EQ(p.yAxisMax(), c.pTable[1][1]);
    EXPECT_EQ(p.yAxisMin(), 0.0);

    // Not showing "P-Pn 管理図": constant lines, but the axis still spans the lots' limits.
    ChartModel q;
    ASSERT_TRUE(fillControlChart(q, pPnInput(c, 0, false)));
    EXPECT_EQ(seriesValues(q, 2), (std::vector<double>{c.lines[0][1], c.lines[0][1]}));
    EXPECT_DOUBLE_EQ(q.yAxisMax(), c.pTable[1][1]);

    // pn chart: centre pbar x n(i) = 2 and 8, the lots' Pn limits, then d(i).
    ChartModel pn;
    ASSERT_TRUE(fillControlChart(pn, pPnInput(c, 1, false)));
    EXPECT_EQ(seriesValues(pn, 1), (std::vector<double>{2, 8}));
    EXPECT_EQ(seriesValues(pn, 2), (std::vector<double>{c.pTable[1][3], c.pTable[2][3]}));
    EXPECT_EQ(seriesValues(pn, 4), (std::vector<double>{1, 9}));
    EXPECT_DOUBLE_EQ(pn.yAxisMax(), c.pTable[2][3]);
    EXPECT_EQ(pointLabels(pn), (std::vector<std::string>{"S1", "S2"}));

    // A loaded pbar moves the centre lines only.
    c.lines[0][0] = 0.1;
    ChartModel loaded;
    ASSERT_TRUE(fillControlChart(loaded, pPnInput(c, 1, true)));
    EXPECT_EQ(seriesValues(loaded, 1), (std::vector<double>{5, 20}));
    EXPECT_EQ(seriesValues(loaded, 2), (std::vector<double>{c.pTable[1][3], c.pTable[2][3]}));
}

TEST(ControlChartFillDefects, CountsComeFirst) {
    const auto c = computeDefectCount(labelledRows({{2}, {4}, {3}, {5}, {1}}), 1);
    ASSERT_TRUE(c.isOk());
    ChartModel model;
    ASSERT_TRUE(fillControlChart(model, defectInput(*c)));
    EXPECT_EQ(seriesValues(model, 1), (std::vector<double>{2, 4, 3, 5, 1}));
    EXPECT_EQ(seriesValues(model, 2), std::vector<double>(5, 3.0));
    EXPECT_EQ(seriesValues(model, 4), std::vector<double>(5, 0.0));
    EXPECT_EQ(model.statLines(), 0);
    EXPECT_EQ(model.chartStyle(), 5);
    EXPECT_DOUBLE_EQ(model.yAxisMax(), c->lines[0][1]);
    EXPECT_EQ(model.yAxisMin(), 0.0);
}

TEST(ControlChartFillDefects, EnteredLimits) {
    const auto c = computeDefectCount(labelledRows({{2}, {4}, {3}, {5}, {1}}), 1); // cbar 3
    ChartModel model;
    ControlChartInput in = defectInput(*c);
    in.kind = kEnteredLimitsKind;
    in.entered = EnteredLimits{4.5, 2.5, false};
    ASSERT_TRUE(fillControlChart(model, in));
    EXPECT_EQ(model.seriesCount(), 4);
    EXPECT_EQ(model.chartType(), ChartType::Line);
    EXPECT_EQ(model.chartStyle(), 5);
    EXPECT_EQ(model.statLines(), 5);
    EXPECT_EQ(seriesValues(model, 1), (std::vector<double>{2, 4, 3, 5, 1}));
    EXPECT_EQ(seriesValues(model, 2), std::vector<double>(5, 4.5));
    EXPECT_EQ(seriesValues(model, 3), std::vector<double>(5, 2.5));
    EXPECT_EQ(seriesValues(model, 4), std::vector<double>(5, 3.5));
    EXPECT_EQ(model.yAxisMax(), 5.0); // the counts reach above the entered upper limit
    EXPECT_EQ(model.yAxisMin(), 1.0);
    EXPECT_EQ(pointLabels(model), (std::vector<std::string>{"S1", "S2", "S3", "S4", "S5"}));
    // The constant lines drawn are the entered ones with their midpoint, not cbar's.
    EXPECT_EQ(drawnControlLines(in), (std::array<double, 3>{3.5, 4.5, 2.5}));
    ControlChartInput computed = in;
    computed.kind = kLineKind;
    EXPECT_EQ(drawnControlLines(computed), c->lines[0]);
    // Limits near the largest number have a midpoint all the same.
    ControlChartInput huge = in;
    huge.entered = EnteredLimits{1.5e308, 1.2e308, false};
    EXPECT_EQ(drawnControlLines(huge)[0], 1.35e308);

    // Bounds start at cbar: with counts all equal to cbar the limits decide.
    ControlChartInput flat = in;
    flat.values = {3, 3};
    flat.entered = EnteredLimits{10, -2, false};
    ASSERT_TRUE(fillControlChart(model, flat));
    EXPECT_EQ(model.yAxisMax(), 10.0);
    EXPECT_EQ(model.yAxisMin(), -2.0);
    EXPECT_EQ(seriesValues(model, 4), std::vector<double>(2, 4.0));

    // Equal limits are accepted; the midpoint coincides with them.
    ControlChartInput equal = in;
    equal.entered = EnteredLimits{4, 4, false};
    ASSERT_TRUE(fillControlChart(model, equal));
    EXPECT_EQ(seriesValues(model, 4), std::vector<double>(5, 4.0));
}

TEST(ControlChartFillDefects, CancelledOrCrossedLimitsLeaveTheChart) {
    const auto c = computeDefectCount(labelledRows({{2}, {4}}), 1);
    ChartModel model;
    ASSERT_TRUE(fillControlChart(model, defectInput(*c)));
    const std::vector<double> before = model.values();
    ControlChartInput in = defectInput(*c);
    in.kind = kEnteredLimitsKind;
    in.entered = EnteredLimits{0, 0, true};
    EXPECT_FALSE(fillControlChart(model, in));
    in.entered = EnteredLimits{1, 2, false}; // upper below lower
    EXPECT_FALSE(fillControlChart(model, in));
    in.entered.reset();
    EXPECT_FALSE(fillControlChart(model, in));
    EXPECT_EQ(model.values(), before);
    EXPECT_EQ(model.seriesCount(), 4);
}

TEST(ControlChartFillPPn, LoadedLinesThatOverflowAreNotDrawn) {
    // Lots of 1E+10; a p-bar of 1E+300 loaded from an earlier file puts the pn chart's
    // centre line at 1E+310, beyond the numbers. The data's own lines draw.
    auto r = collectPPn(labelledRows({{1e10, 1}, {1e10, 2}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    ASSERT_TRUE(computePPnLines(c).isOk());
    EXPECT_TRUE(checkFiniteInput(pPnInput(c, 0, true)).isOk());
    EXPECT_TRUE(checkFiniteInput(pPnInput(c, 1, true)).isOk());
    c.lines = {{{1e300, 2e300, 0}, {1, 2, 0}}};
    EXPECT_TRUE(checkFiniteInput(pPnInput(c, 0, true)).isOk());
    EXPECT_EQ(checkFiniteInput(pPnInput(c, 1, true)).message(), kResultOutOfRange);
}

TEST(ControlChartFillRoles, EveryKindSetsItsRolesAndNoneLeaksIntoTheNext) {
    using R = SeriesRole;
    auto roles = [](const ChartModel& m) {
        std::vector<R> out;
        for (int s = 1; s <= m.seriesCount(); ++s)
            out.push_back(m.seriesRole(s));
        return out;
    };
    const std::vector<R> linesFirst{R::CentreLine, R::UpperLimit, R::LowerLimit, R::Data};
    ChartModel model;
    for (ControlChartRole role : {ControlChartRole::Mean, ControlChartRole::Range,
                                  ControlChartRole::MovingRange, ControlChartRole::P, ControlChartRole::Pn}) {
        ControlChartInput in = meanInput();
        in.role = role;
        ASSERT_TRUE(fillControlChart(model, in));
        EXPECT_EQ(roles(model), linesFirst) << static_cast<int>(role);
    }
    const auto c = computeDefectCount(labelledRows({{2}, {4}, {3}, {5}, {1}}), 1);
    ASSERT_TRUE(c.isOk());
    ASSERT_TRUE(fillControlChart(model, defectInput(*c)));
    EXPECT_EQ(roles(model), (std::vector<R>{R::Data, R::CentreLine, R::UpperLimit, R::LowerLimit}));
    // Entered limits are specification limits around their midpoint.
    ControlChartInput entered = defectInput(*c);
    entered.kind = kEnteredLimitsKind;
    entered.entered = EnteredLimits{4.5, 2.5, false};
    ASSERT_TRUE(fillControlChart(model, entered));
    EXPECT_EQ(roles(model), (std::vector<R>{R::Data, R::UpperSpecLimit, R::LowerSpecLimit, R::CentreLine}));
    // Refused limits leave the chart, roles included, as it was.
    entered.entered = EnteredLimits{1, 2, false};
    EXPECT_FALSE(fillControlChart(model, entered));
    EXPECT_EQ(roles(model)[1], R::UpperSpecLimit);

    // Every other kind draws its one series as data, whatever the line kind left.
    for (const std::string& kind : controlChartKinds()) {
        if (kind == kLineKind) continue;
        ASSERT_TRUE(fillControlChart(model, meanInput()));
        ControlChartInput in = meanInput();
        in.kind = kind;
        ASSERT_TRUE(fillControlChart(model, in));
        EXPECT_EQ(roles(model), std::vector<R>(static_cast<std::size_t>(model.seriesCount()), R::Data))
            << kind;
    }
}
