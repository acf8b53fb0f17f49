// Tests of the chart model: the fill rule, clear codes, the redraw reset, the cursor and
// the recorded actions.
#include "components/chart/ChartModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zel;

namespace {

ChartModel shaped(int series, int points) {
    ChartModel m;
    EXPECT_TRUE(m.setSeriesCount(series));
    EXPECT_TRUE(m.setPointCount(points));
    return m;
}

} // namespace

TEST(ChartModelFill, ValueAfterLastPointLandsOnPointOneOfNextSeries) {
    ChartModel m = shaped(3, 4);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    // The multi-series fill of the variable graph: series chosen once, point set each time.
    for (int s = 1; s <= 3; ++s)
        for (int i = 1; i <= 4; ++i) {
            ASSERT_TRUE(m.setCurrentPoint(i));
            ASSERT_TRUE(m.setPointValue(s * 10 + i));
        }
    for (int s = 1; s <= 3; ++s)
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(m.value(s, i), s * 10 + i) << s << "," << i;
}

TEST(ChartModelFill, CursorAdvancesAndStopsAtTheEnd) {
    ChartModel m = shaped(2, 2);
    EXPECT_TRUE(m.setPointValue(1));
    EXPECT_EQ(m.currentPoint(), 2);
    EXPECT_TRUE(m.setPointValue(2));
    EXPECT_EQ(m.currentSeries(), 2);
    EXPECT_EQ(m.currentPoint(), 1);
    EXPECT_TRUE(m.setPointValue(3));
    EXPECT_TRUE(m.setPointValue(4));
    // Full: a further value is refused and overwrites nothing.
    EXPECT_FALSE(m.setPointValue(99));
    EXPECT_EQ(m.value(2, 2), 4);
    EXPECT_EQ(m.value(1, 1), 1);
    EXPECT_EQ(m.currentSeries(), 2);
    // Selecting a point again reopens writing, and the extra lands on the last series.
    EXPECT_TRUE(m.setCurrentPoint(1));
    m.setPointExtra(1);
    EXPECT_EQ(m.extra(2, 1), 1);
    EXPECT_EQ(m.extra(1, 1), 0);
    // A point with no reading of its own is drawn, but neither counted nor labelled.
    EXPECT_TRUE(m.isPlotted(2, 1));
    EXPECT_FALSE(m.isReading(2, 1));
    EXPECT_TRUE(m.isReading(1, 1));
    EXPECT_TRUE(m.isUnlabelled(1));
    EXPECT_FALSE(m.isUnlabelled(2));
}

TEST(ChartModelFill, ReadingAndSideArraysDoNotAdvance) {
    ChartModel m = shaped(1, 3);
    m.setCurrentPoint(2);
    m.setPointValue(5);
    m.setCurrentPoint(2);
    EXPECT_EQ(m.pointValue(), 5);
    m.setPointXPos(1.5);
    m.setPointZPos(2.5);
    m.setPointText("t");
    EXPECT_EQ(m.currentPoint(), 2);
    EXPECT_EQ(m.xPos(1, 2), 1.5);
    EXPECT_EQ(m.zPos(1, 2), 2.5);
    EXPECT_EQ(m.text(1, 2), "t");
    EXPECT_TRUE(m.hasXPositions());
}

TEST(ChartModelCursor, RefusesOutOfRangeAndClampsOnShrink) {
    ChartModel m = shaped(4, 10);
    EXPECT_FALSE(m.setCurrentSeries(5));
    EXPECT_FALSE(m.setCurrentPoint(0));
    EXPECT_FALSE(m.setCurrentPoint(11));
    EXPECT_TRUE(m.setCurrentSeries(4));
    EXPECT_TRUE(m.setCurrentPoint(10));
    EXPECT_TRUE(m.setPointCount(3));
    EXPECT_TRUE(m.setSeriesCount(2));
    EXPECT_EQ(m.currentSeries(), 2);
    EXPECT_EQ(m.currentPoint(), 3);
}

TEST(ChartModelShape, ReshapeKeepsValuesByPlaceAndRefusesHugeShapes) {
    ChartModel m = shaped(2, 3);
    for (int v = 1; v <= 6; ++v)
        m.setPointValue(v);
    m.setCurrentSeries(2);
    m.setCurrentPoint(3);
    m.setPointText("x");
    EXPECT_TRUE(m.setPointCount(5));
    EXPECT_EQ(m.value(1, 3), 3);
    EXPECT_EQ(m.value(2, 1), 4);
    EXPECT_EQ(m.value(2, 3), 6);
    EXPECT_EQ(m.value(2, 5), 0);
    EXPECT_EQ(m.text(2, 3), "x");
    EXPECT_TRUE(m.setPointCount(2));
    EXPECT_EQ(m.text(2, 3), "");
    EXPECT_EQ(m.value(2, 2), 5);

    EXPECT_FALSE(m.setSeriesCount(0));
    EXPECT_FALSE(m.setPointCount(32768));
    EXPECT_FALSE(m.setSeriesCount(32767) && m.setPointCount(32767));
    EXPECT_LE(static_cast<long long>(m.seriesCount()) * m.pointCount(), ChartModel::kMaxCells);
}

TEST(ChartModelShape, ThirtyTwoThousandPointsFillInOrder) {
    ChartModel m = shaped(1, 32767);
    for (int i = 1; i <= 32767; ++i) {
        m.setCurrentPoint(i);
        m.setPointValue(i * 0.5);
    }
    EXPECT_EQ(m.value(1, 32767), 32767 * 0.5);
    EXPECT_EQ(m.values().size(), 32767u);
}

TEST(ChartModelClear, CodesClearTheirOwnArrayOnly) {
    ChartModel m = shaped(2, 3);
    m.setPointValue(7);
    m.setCurrentPoint(1);
    m.setPointXPos(3);
    m.setPointZPos(4);
    m.setPointPattern(4);
    m.setPointText("a");
    m.setPointExtra(1);
    m.setPointLabelAt(2, "L2");
    m.setLegendAt(2, "S2");
    m.setPointSeparatedAt(3, 1);
    m.setCurrentPoint(2);
    m.setOverlayValue(5);
    m.setOverlayXPos(6);

    EXPECT_TRUE(m.clearArray(4));
    EXPECT_EQ(m.pointLabelAt(2), "");
    EXPECT_EQ(m.legendAt(2), "S2");
    EXPECT_TRUE(m.clearArray(5));
    EXPECT_EQ(m.legendAt(2), "");
    EXPECT_EQ(m.value(1, 1), 7);
    EXPECT_TRUE(m.clearArray(1));
    EXPECT_EQ(m.value(1, 1), 0);
    EXPECT_EQ(m.xPos(1, 1), 3);
    EXPECT_TRUE(m.clearArray(2));
    EXPECT_FALSE(m.hasXPositions());
    EXPECT_EQ(m.patternAt(1), 4);
    EXPECT_TRUE(m.clearArray(3));
    EXPECT_EQ(m.patternAt(1), 0);
    EXPECT_TRUE(m.clearArray(6));
    EXPECT_EQ(m.pointSeparatedAt(3), 0);
    EXPECT_TRUE(m.clearArray(7));
    EXPECT_FALSE(m.hasZPositions());
    EXPECT_TRUE(m.clearArray(8));
    EXPECT_EQ(m.text(1, 1), "");
    EXPECT_EQ(m.extra(1, 1), 1);
    EXPECT_TRUE(m.clearArray(9));
    EXPECT_EQ(m.extra(1, 1), 0);
    EXPECT_EQ(m.overlayValueAt(2), 5);
    EXPECT_TRUE(m.clearArray(23));
    EXPECT_TRUE(std::isnan(m.overlayValueAt(2)));
    EXPECT_TRUE(std::isnan(m.overlayXPosAt(2)));
    EXPECT_FALSE(m.clearArray(0));
    EXPECT_FALSE(m.clearArray(10));
}

TEST(ChartModelClear, ClearingValuesReopensAFullChart) {
    ChartModel m = shaped(1, 1);
    EXPECT_TRUE(m.setPointValue(1));
    EXPECT_FALSE(m.setPointValue(2));
    m.clearArray(1);
    EXPECT_TRUE(m.setPointValue(3));
    EXPECT_EQ(m.value(1, 1), 3);
}

TEST(ChartModelReset, RedrawResetClearsTextsAndSwitchesAndSetsAngles) {
    ChartModel m = shaped(2, 2);
    m.setPointLabelAt(1, "a");
    m.setLegendAt(1, "b");
    m.setStatLines(5);
    m.setResetSwitchOne(1);
    m.setResetSwitchTwo(0);
    m.setYAxisScale(2);
    m.setOverlayMode(2);
    m.setPointValue(4);
    m.redrawReset(ViewAngles{30, 50, 20});
    EXPECT_EQ(m.pointLabelAt(1), "");
    EXPECT_EQ(m.legendAt(1), "");
    EXPECT_EQ(m.statLines(), 0);
    EXPECT_EQ(m.resetSwitchOne(), 0);
    EXPECT_EQ(m.resetSwitchTwo(), 1);
    EXPECT_EQ(m.yAxisScale(), 0);
    EXPECT_EQ(m.overlayMode(), 0);
    EXPECT_EQ(m.rotation3D(), 30);
    EXPECT_EQ(m.perspective3D(), 50);
    EXPECT_EQ(m.elevation3D(), 20);
    EXPECT_EQ(m.value(1, 1), 4); // values stay
}

TEST(ChartModelReset, ControlChartResetKeepsFixedAxisAndOverlay) {
    ChartModel m;
    m.setYAxisScale(2);
    m.setYAxisMax(10);
    m.setOverlayMode(1);
    m.setStatLines(5);
    m.redrawReset(ViewAngles{}, true);
    EXPECT_EQ(m.yAxisScale(), 2);
    EXPECT_EQ(m.yAxisMax(), 10);
    EXPECT_EQ(m.overlayMode(), 1);
    EXPECT_EQ(m.statLines(), 0);
}

TEST(ChartModelAxes, YPropertiesAddressTheSelectedAxis) {
    ChartModel m;
    m.setYAxisScale(2);
    m.setYAxisMax(250);
    m.setYAxisTicks(10);
    ASSERT_TRUE(m.setYAxisSelect(1));
    m.setYAxisScale(2);
    m.setYAxisMax(100);
    m.setYAxisMin(0);
    EXPECT_EQ(m.leftAxis().max, 250);
    EXPECT_EQ(m.leftAxis().ticks, 10);
    EXPECT_EQ(m.rightAxis().max, 100);
    EXPECT_EQ(m.rightAxis().scale, 2);
    EXPECT_FALSE(m.setYAxisSelect(2));
    EXPECT_FALSE(m.setYAxisScale(3));
    EXPECT_EQ(m.yAxisScale(), 2);
}

TEST(ChartModelProperties, InvalidCodesAreRefusedAndAnglesClamped) {
    ChartModel m;
    EXPECT_TRUE(m.setChartType(21));
    EXPECT_EQ(m.chartType(), ChartType::Scatter3D);
    EXPECT_FALSE(m.setChartType(10));
    EXPECT_EQ(m.chartType(), ChartType::Scatter3D);
    EXPECT_TRUE(isThreeDimensional(ChartType::Bar3D));
    EXPECT_FALSE(isThreeDimensional(ChartType::Band));
    EXPECT_FALSE(m.setGridLines(4));
    EXPECT_FALSE(m.setGridLineStyle(5));
    EXPECT_TRUE(m.setGridLineStyle(4));
    EXPECT_FALSE(m.setStatLines(16));
    EXPECT_FALSE(m.setFitDegree(0));
    EXPECT_TRUE(m.setFitDegree(6));
    EXPECT_FALSE(m.setOverlayOption(6, 1));
    const int pareto[5] = {0, 5, 3, 13, 12};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(m.setOverlayOption(i + 1, pareto[i]));
    EXPECT_EQ(m.overlayKind(), 5);
    EXPECT_EQ(m.overlaySymbol(), 13);
    m.setViewAngles(ViewAngles{200, -5, 99});
    EXPECT_EQ(m.rotation3D(), 90);
    EXPECT_EQ(m.perspective3D(), 0);
    EXPECT_EQ(m.elevation3D(), 60);
    EXPECT_FALSE(m.setPointLabelAt(0, "x"));
    EXPECT_FALSE(m.setLegendAt(32768, "x"));
}

TEST(ChartModelActions, ActionsCarryTheColourInForceWhenRequested) {
    ChartModel m;
    m.setScreenColor(0);
    EXPECT_TRUE(m.setAction(3));
    EXPECT_TRUE(m.setAction(4));
    m.setScreenColor(1);
    m.setPrintColor(0);
    EXPECT_TRUE(m.setAction(5));
    EXPECT_TRUE(m.setAction(2));
    EXPECT_FALSE(m.setAction(7));
    const auto actions = m.takeActions();
    ASSERT_EQ(actions.size(), 4u);
    EXPECT_EQ(actions[0].code, ChartActionCode::PrepareCopy);
    EXPECT_FALSE(actions[0].screenColor);
    EXPECT_FALSE(actions[1].screenColor);
    EXPECT_EQ(actions[2].code, ChartActionCode::Print);
    EXPECT_FALSE(actions[2].printColor);
    EXPECT_EQ(actions[3].code, ChartActionCode::Draw);
    EXPECT_EQ(m.drawCount(), 1);
    EXPECT_TRUE(m.takeActions().empty());
}

TEST(ChartModelActions, HandlerRunsAtOnceAndTimeLabelCarriesTheLabel) {
    ChartModel m;
    m.setPointCount(3);
    std::vector<ChartAction> seen;
    m.setActionHandler([&seen](const ChartAction& a) { seen.push_back(a); });
    m.setCurrentPoint(2);
    m.setPointLabel("10:00");
    m.setAction(8);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, ChartActionCode::TimeLabel);
    EXPECT_EQ(seen[0].point, 2);
    EXPECT_EQ(seen[0].label, "10:00");
    EXPECT_TRUE(m.takeActions().empty());
}

TEST(ChartModelSample, SampleDataFillsThreeSeries) {
    ChartModel m;
    m.loadSampleData();
    EXPECT_EQ(m.seriesCount(), 3);
    EXPECT_EQ(m.pointCount(), 5);
    EXPECT_EQ(m.value(1, 1), 20);
    EXPECT_EQ(m.value(3, 5), 30);
    EXPECT_EQ(m.zPos(3, 1), 3);
    EXPECT_EQ(m.legendAt(2), "2");
}

TEST(ChartModelRoles, EverySeriesIsDataUntilGivenARole) {
    ChartModel m = shaped(4, 3);
    for (int s = 0; s <= 5; ++s)
        EXPECT_EQ(m.seriesRole(s), SeriesRole::Data) << s;
    EXPECT_TRUE(m.setSeriesRole(2, SeriesRole::UpperLimit));
    EXPECT_TRUE(m.setSeriesRole(4, SeriesRole::StatisticLine));
    EXPECT_FALSE(m.setSeriesRole(0, SeriesRole::CentreLine));
    EXPECT_FALSE(m.setSeriesRole(5, SeriesRole::CentreLine));
    EXPECT_EQ(m.seriesRole(1), SeriesRole::Data);
    EXPECT_EQ(m.seriesRole(2), SeriesRole::UpperLimit);
    EXPECT_EQ(m.seriesRole(3), SeriesRole::Data);
    EXPECT_EQ(m.seriesRole(4), SeriesRole::StatisticLine);
    EXPECT_EQ(m.seriesRole(5), SeriesRole::Data);

    EXPECT_FALSE(isControlLineRole(SeriesRole::Data));
    EXPECT_FALSE(isControlLineRole(SeriesRole::StatisticLine));
    for (SeriesRole r : {SeriesRole::CentreLine, SeriesRole::UpperLimit, SeriesRole::LowerLimit,
                         SeriesRole::UpperSpecLimit, SeriesRole::LowerSpecLimit})
        EXPECT_TRUE(isControlLineRole(r));
}

TEST(ChartModelRoles, ResetsAndClearsDoNotLetRolesLeakIntoTheNextChart) {
    auto withRoles = [] {
        ChartModel m = shaped(4, 3);
        m.setSeriesRole(1, SeriesRole::CentreLine);
        m.setSeriesRole(2, SeriesRole::UpperLimit);
        m.setSeriesRole(3, SeriesRole::LowerLimit);
        return m;
    };
    // The redraw reset, control chart or not, sets every series back to data.
    for (bool control : {false, true}) {
        ChartModel m = withRoles();
        m.redrawReset(ViewAngles{}, control);
        for (int s = 1; s <= 4; ++s)
            EXPECT_EQ(m.seriesRole(s), SeriesRole::Data) << control << s;
    }
    // Clearing the values leaves the roles; their own clear code drops them.
    ChartModel m = withRoles();
    EXPECT_TRUE(m.clearArray(clearcodes::kValues));
    EXPECT_EQ(m.seriesRole(2), SeriesRole::UpperLimit);
    EXPECT_TRUE(m.clearArray(clearcodes::kRoles));
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(m.seriesRole(s), SeriesRole::Data) << s;
    // A series removed takes its role with it: grown again it is data.
    m = withRoles();
    EXPECT_TRUE(m.setPointCount(5));
    EXPECT_EQ(m.seriesRole(3), SeriesRole::LowerLimit);
    EXPECT_TRUE(m.setSeriesCount(1));
    EXPECT_EQ(m.seriesRole(1), SeriesRole::CentreLine);
    EXPECT_TRUE(m.setSeriesCount(4));
    for (int s = 2; s <= 4; ++s)
        EXPECT_EQ(m.seriesRole(s), SeriesRole::Data) << s;
}

TEST(ChartModelProperties, BarGapRangeAndTheRedrawReset) {
    ChartModel m;
    EXPECT_EQ(m.barGap(), ChartModel::kAutomaticBarGap);
    EXPECT_TRUE(m.setBarGap(0));
    EXPECT_TRUE(m.setBarGap(ChartModel::kMaxBarGap));
    EXPECT_FALSE(m.setBarGap(-2));
    EXPECT_FALSE(m.setBarGap(ChartModel::kMaxBarGap + 1));
    EXPECT_EQ(m.barGap(), ChartModel::kMaxBarGap);
    // A gap belongs to the drawing that set it: the next one starts automatic.
    m.redrawReset(ViewAngles{});
    EXPECT_EQ(m.barGap(), ChartModel::kAutomaticBarGap);
}

TEST(ChartModelSignals, FlagsSitAtTheCursorAndAreListedPerSeriesInPointOrder) {
    ChartModel m = shaped(3, 40);
    const auto flag = [&m](int s, int p, const std::string& text) {
        ASSERT_TRUE(m.setCurrentSeries(s));
        ASSERT_TRUE(m.setCurrentPoint(p));
        m.setPointSignal(text);
    };
    flag(2, 30, "2");
    flag(2, 7, "1,5");
    flag(1, 40, "3");
    flag(3, 1, "4");
    // Flagging does not move the cursor, unlike a value.
    EXPECT_EQ(m.currentSeries(), 3);
    EXPECT_EQ(m.currentPoint(), 1);
    EXPECT_EQ(m.pointSignal(), "4");
    EXPECT_EQ(m.signalAt(2, 7), "1,5");
    EXPECT_EQ(m.signalAt(1, 7), "");
    EXPECT_EQ(m.signalAt(2, 41), "");
    using List = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(m.signalsOf(2), (List{{7, "1,5"}, {30, "2"}}));
    EXPECT_EQ(m.signalsOf(1), (List{{40, "3"}}));
    EXPECT_EQ(m.signalsOf(3), (List{{1, "4"}}));
    EXPECT_TRUE(m.signalsOf(4).empty());
    // An empty text unflags.
    flag(2, 7, "");
    EXPECT_EQ(m.signalsOf(2), (List{{30, "2"}}));
    // A smaller shape drops the flags outside it.
    EXPECT_TRUE(m.setPointCount(30));
    EXPECT_TRUE(m.signalsOf(1).empty());
    EXPECT_EQ(m.signalsOf(2), (List{{30, "2"}}));
    EXPECT_TRUE(m.setSeriesCount(2));
    EXPECT_TRUE(m.setSeriesCount(3));
    EXPECT_TRUE(m.signalsOf(3).empty());
}

TEST(ChartModelSignals, FlagsBelongToTheDrawingNotToTheValues) {
    auto flagged = [] {
        ChartModel m = shaped(2, 5);
        m.setCurrentSeries(1);
        m.setCurrentPoint(3);
        m.setPointSignal("1");
        return m;
    };
    // The redraw reset, control chart or not, drops the flags of the last draw.
    for (bool control : {false, true}) {
        ChartModel m = flagged();
        m.redrawReset(ViewAngles{}, control);
        EXPECT_FALSE(m.hasSignals()) << control;
    }
    // Clearing values or point texts leaves them; their own code clears them alone.
    ChartModel m = flagged();
    m.setPointText("t");
    EXPECT_TRUE(m.clearArray(clearcodes::kValues));
    EXPECT_TRUE(m.clearArray(clearcodes::kPointTexts));
    EXPECT_EQ(m.signalAt(1, 3), "1");
    EXPECT_TRUE(m.clearArray(clearcodes::kSignals));
    EXPECT_FALSE(m.hasSignals());
    EXPECT_EQ(m.signalAt(1, 3), "");
}

TEST(ChartModelReferences, ValuesLandInTheirClassSlotByTheirShareOfTheClass) {
    // Classes 10..12, 12..16, 16..17: slots 1, 2, 3 (slot p spans p - 0.5 .. p + 0.5).
    const std::vector<double> bounds{10, 12, 16, 17};
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 10), 0.5);
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 11), 1.0);
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 12), 1.5); // a boundary: between the bars
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 13), 1.75);
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 15), 2.25);
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 16.5), 3.0);
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 17), 3.5);
    // Beyond the ends the end classes' widths carry on.
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 9), 0.0);
    EXPECT_DOUBLE_EQ(classAxisPosition(bounds, 18), 4.5);
    EXPECT_TRUE(std::isnan(classAxisPosition({10}, 10)));
    EXPECT_TRUE(std::isnan(classAxisPosition(bounds, std::nan(""))));
}

TEST(ChartModelReferences, LinesAndCurveBelongToTheDrawingAndTheSwitchStays) {
    ChartModel m;
    EXPECT_TRUE(m.addReferenceLine(12.5, "上限規格"));
    EXPECT_TRUE(m.addReferenceLine(7.5, "下限規格"));
    EXPECT_FALSE(m.addReferenceLine(std::nan(""), "x"));
    ASSERT_EQ(m.referenceLines().size(), 2u);
    EXPECT_EQ(m.referenceLines()[0].label, "上限規格");
    EXPECT_DOUBLE_EQ(m.referenceLines()[1].x, 7.5);
    EXPECT_TRUE(m.addCurvePoint(1, 2));
    EXPECT_FALSE(m.drawsCurve()); // one point is no curve
    EXPECT_TRUE(m.addCurvePoint(2, 3));
    EXPECT_FALSE(m.addCurvePoint(3, std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(m.drawsCurve());
    m.setCurveShown(0);
    EXPECT_FALSE(m.drawsCurve());
    EXPECT_EQ(m.curvePoints().size(), 2u);
    // Clearing one leaves the other; the redraw reset clears both, not the switch.
    EXPECT_TRUE(m.clearArray(clearcodes::kReferenceLines));
    EXPECT_TRUE(m.referenceLines().empty());
    EXPECT_EQ(m.curvePoints().size(), 2u);
    EXPECT_TRUE(m.clearArray(clearcodes::kCurve));
    EXPECT_TRUE(m.curvePoints().empty());
    m.addReferenceLine(1, "a");
    m.addCurvePoint(1, 1);
    m.redrawReset(ViewAngles{});
    EXPECT_TRUE(m.referenceLines().empty());
    EXPECT_TRUE(m.curvePoints().empty());
    EXPECT_EQ(m.curveShown(), 0);
}
