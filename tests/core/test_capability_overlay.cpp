// The histogram's process capability: which kinds carry the limits and the
// curve, where the lines and the curve points land on the class axis, and the
// texts of the capability panel. Series A = 0 1 1 2 3 3 3 in four classes of
// width 1 over 0..4: mean 13/7, sample variance 31/21, moving ranges
// 1 0 1 1 0 0 (MR̄ = 0.5).
#include "analysis/histogram/CapabilityOverlay.h"

#include "ClassTableFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zel {
namespace {

const HistogramKind& kindNamed(const char* name) {
    const HistogramKind* kind = findHistogramKind(name);
    EXPECT_NE(kind, nullptr) << name;
    return *kind;
}

// The histogram filled as the window fills it, then the capability drawn.
ChartModel drawn(const char* kindName, const SpecificationLimits& limits, bool curveOn, int series = 1) {
    const ClassTable table = fixtures::fourClassTable(series);
    ChartModel model;
    HistogramInput in;
    in.kind = kindName;
    EXPECT_TRUE(fillHistogram(model, table, classLabelTexts(table, 2), {}, in));
    const Result<Capability> c = histogramCapability(table, limits);
    EXPECT_TRUE(c.isOk());
    drawCapability(model, table, kindNamed(kindName), limits, c.value(), curveOn);
    return model;
}

TEST(CapabilityOverlay, OnlyUprightKindsWithClassesAlongXHaveAClassAxis) {
    std::vector<std::string> with;
    for (const HistogramKind& k : histogramKinds())
        if (hasClassAxis(k)) with.emplace_back(k.name);
    EXPECT_EQ(with, (std::vector<std::string>{"棒グラフ", "積層型", "折れ線グラフ", "棒グラフ－平均値",
                                              "折れ線－平均値", "エリアグラフ", "エリアグラフ（積層）"}));
}

TEST(CapabilityOverlay, SeriesOneCapabilityUsesItsMovingRangesInSampleOrder) {
    const Result<Capability> c = histogramCapability(fixtures::fourClassTable(2), {3.5, 0.5, std::nullopt});
    ASSERT_TRUE(c.isOk());
    EXPECT_EQ(c.value().n, 7);
    EXPECT_NEAR(*c.value().mean, 13.0 / 7.0, 1e-12);
    EXPECT_NEAR(*c.value().sigmaOverall, std::sqrt(31.0 / 21.0), 1e-12);
    EXPECT_NEAR(*c.value().sigmaWithin, 0.5 / 1.128, 1e-12);
    // Reversed limits are refused as the dialog refuses them.
    EXPECT_FALSE(histogramCapability(fixtures::fourClassTable(1), {0.5, 3.5, std::nullopt}).isOk());
}

TEST(CapabilityOverlay, LinesAndCurveLieOnTheClassSlotsOfACategoryAxis) {
    const ChartModel m = drawn("棒グラフ", {3.5, 0.5, std::nullopt}, true);
    // Class p spans slot p - 0.5 .. p + 0.5: 3.5 is the middle of class 4, 0.5 of class 1.
    ASSERT_EQ(m.referenceLines().size(), 2u);
    EXPECT_DOUBLE_EQ(m.referenceLines()[0].x, 4.0);
    EXPECT_EQ(m.referenceLines()[0].label, "上限規格");
    EXPECT_DOUBLE_EQ(m.referenceLines()[1].x, 1.0);
    EXPECT_EQ(m.referenceLines()[1].label, "下限規格");

    ASSERT_EQ(m.curvePoints().size(), static_cast<std::size_t>(kCapabilityCurveSteps + 1));
    EXPECT_EQ(m.curveShown(), 1);
    EXPECT_DOUBLE_EQ(m.curvePoints().front().x, 0.5);
    EXPECT_DOUBLE_EQ(m.curvePoints().back().x, 4.5);
    // x = 2 (the middle point): 7 values x width 1 x the normal density there.
    const double var = 31.0 / 21.0, d = 2.0 - 13.0 / 7.0;
    const double expected = 7.0 * std::exp(-d * d / (2 * var)) / std::sqrt(2 * std::numbers::pi * var);
    const CurvePoint& mid = m.curvePoints()[kCapabilityCurveSteps / 2];
    EXPECT_DOUBLE_EQ(mid.x, 2.5);
    EXPECT_NEAR(mid.y, expected, 1e-12);
    EXPECT_NEAR(expected, 2.28263, 1e-5);
}

TEST(CapabilityOverlay, TheCurveRunsOnOutToALimitBeyondTheClasses) {
    // -1 is one class width below the classes (slot -0.5), 6 three above (slot 6.5).
    const ChartModel m = drawn("棒グラフ", {6.0, -1.0, std::nullopt}, true);
    ASSERT_EQ(m.referenceLines().size(), 2u);
    EXPECT_DOUBLE_EQ(m.referenceLines()[0].x, 6.5);
    EXPECT_DOUBLE_EQ(m.referenceLines()[1].x, -0.5);
    ASSERT_EQ(m.curvePoints().size(), static_cast<std::size_t>(kCapabilityCurveSteps + 1));
    EXPECT_DOUBLE_EQ(m.curvePoints().front().x, -0.5);
    EXPECT_DOUBLE_EQ(m.curvePoints().back().x, 6.5);
    // Still scaled by the classes' width: x = 2.5 (the middle step) at slot 3.
    const double var = 31.0 / 21.0, d = 2.5 - 13.0 / 7.0;
    const CurvePoint& mid = m.curvePoints()[kCapabilityCurveSteps / 2];
    EXPECT_DOUBLE_EQ(mid.x, 3.0);
    EXPECT_NEAR(mid.y, 7.0 * std::exp(-d * d / (2 * var)) / std::sqrt(2 * std::numbers::pi * var), 1e-12);
}

TEST(CapabilityOverlay, MeanKindsPlaceThemAtTheValuesOfTheirNumericAxis) {
    const ChartModel m = drawn("棒グラフ－平均値", {std::nullopt, 0.5, std::nullopt}, false);
    ASSERT_EQ(m.referenceLines().size(), 1u);
    EXPECT_DOUBLE_EQ(m.referenceLines()[0].x, 0.5);
    EXPECT_EQ(m.referenceLines()[0].label, "下限規格");
    // Switched off: kept but not drawn.
    EXPECT_EQ(m.curveShown(), 0);
    EXPECT_FALSE(m.drawsCurve());
    ASSERT_FALSE(m.curvePoints().empty());
    EXPECT_DOUBLE_EQ(m.curvePoints().front().x, 0.0);
    EXPECT_DOUBLE_EQ(m.curvePoints().back().x, 4.0);
}

TEST(CapabilityOverlay, NothingWithoutALimitOrAClassAxisAndNoCurveWithoutSpread) {
    EXPECT_TRUE(drawn("棒グラフ", {}, true).referenceLines().empty());
    EXPECT_TRUE(drawn("棒グラフ", {}, true).curvePoints().empty());
    for (const char* kind : {"円グラフ", "棒グラフ（横）", "立体棒グラフ", "帯グラフ"}) {
        const ChartModel m = drawn(kind, {3.5, 0.5, std::nullopt}, true);
        EXPECT_TRUE(m.referenceLines().empty()) << kind;
        EXPECT_TRUE(m.curvePoints().empty()) << kind;
    }
    // All values equal: the lines, but no curve.
    const std::vector<double> same{2, 2, 2};
    const std::vector<SeriesView> views{{"S", same}};
    const ClassTable table = buildClassTable(views, {4, 0, 4});
    ChartModel m;
    ASSERT_TRUE(fillHistogram(m, table, classLabelTexts(table, 2), {}, {}));
    const SpecificationLimits limits{3.0, 1.0, std::nullopt};
    drawCapability(m, table, kindNamed("棒グラフ"), limits, histogramCapability(table, limits).value(), true);
    EXPECT_EQ(m.referenceLines().size(), 2u);
    EXPECT_TRUE(m.curvePoints().empty());
}

TEST(CapabilityOverlay, DrawingAgainReplacesTheEarlierLinesAndCurve) {
    ChartModel m = drawn("棒グラフ", {3.5, 0.5, std::nullopt}, true);
    const ClassTable table = fixtures::fourClassTable(1);
    const SpecificationLimits upper{3.0, std::nullopt, std::nullopt};
    drawCapability(m, table, kindNamed("棒グラフ"), upper, histogramCapability(table, upper).value(), true);
    ASSERT_EQ(m.referenceLines().size(), 1u);
    EXPECT_DOUBLE_EQ(m.referenceLines()[0].x, 3.5);
    EXPECT_EQ(m.curvePoints().size(), static_cast<std::size_t>(kCapabilityCurveSteps + 1));
}

TEST(CapabilityOverlay, PanelRowsShowTheDefinedValuesInOrder) {
    Capability c;
    c.n = 7;
    c.mean = 13.0 / 7.0;
    c.sigmaOverall = std::sqrt(31.0 / 21.0);
    c.sigmaWithin = 0.5 / 1.128;
    c.cp = 1.128;
    c.cpk = 1.015;
    c.cpu = 1.2354;
    c.cpl = 1.015;
    c.pp = 0.41153;
    c.ppk = 0.37233;
    c.ppmObserved = 1e6 / 7.0;
    c.ppmExpected = 220160.45;
    const auto texts = [](const std::vector<CapabilityRow>& rows) {
        std::vector<std::string> out;
        for (const CapabilityRow& r : rows)
            out.push_back(r.name + "=" + r.value);
        return out;
    };
    EXPECT_EQ(texts(capabilityRows(c)),
              (std::vector<std::string>{"n=7", "平均=1.85714", "σ（全体）=1.21499", "σ（群内）=0.443262",
                                        "Cp=1.13", "Cpk=1.02", "Cpu=1.24", "Cpl=1.02", "Pp=0.41", "Ppk=0.37",
                                        "実測ppm=142857.1", "推定ppm=220160.5"}));
    // The short names carry the name written out (the panel's tool tip).
    std::vector<std::string> longNames;
    for (const CapabilityRow& r : capabilityRows(c))
        if (!r.longName.empty()) longNames.push_back(r.name + "=" + r.longName);
    EXPECT_EQ(longNames, (std::vector<std::string>{"σ（全体）=全体の標準偏差", "σ（群内）=群内の標準偏差",
                                                   "実測ppm=規格外れの割合（実測）ppm",
                                                   "推定ppm=規格外れの割合（正規分布による推定）ppm"}));
    // One limit and no within σ: only what is defined.
    Capability one;
    one.n = 1;
    one.mean = 2.5;
    one.ppmObserved = 0.0;
    EXPECT_EQ(texts(capabilityRows(one)), (std::vector<std::string>{"n=1", "平均=2.5", "実測ppm=0.0"}));
}

} // namespace
} // namespace zel
