// Tests of the scatter window's chart fill, worked out by hand: the kind table
// with its codes, the Y values and x positions of each kind, the residuals
// about each series' line (and about a = b = 0 when the computation was
// refused), the fitted curve's settings, the legend rule, the shapes refused,
// and that the line the chart draws for "回帰直線" is the computed a + bX.
#include "analysis/scatter/ScatterFill.h"

#include "components/chart/ChartStats.h"

#include <gtest/gtest.h>

#include "ChartModelReadings.h"

#include <cmath>
#include <string>
#include <vector>

using namespace zel;

namespace {

using fixtures::seriesValues;

// Y = 2 4 5 4 5 against X1 = 1..5 and X2 = 5 3 4 1 2.
// Series 1: means 3 and 4, Sxx = 10, Sxy = 6: b = 0.6, a = 2.2.
// Series 2: dx = 2 0 1 -2 -1, dy = -2 0 1 0 1, Sxy = -4: b = -0.4, a = 5.2.
AnalysisSet scatterSet(int xCount) {
    AnalysisSet set;
    set.seriesCount = xCount + 1;
    set.n = 5;
    set.names = {"収量", "温度", "圧力"};
    set.names.resize(static_cast<std::size_t>(xCount + 1));
    set.values = {{2, 4, 5, 4, 5}, {1, 2, 3, 4, 5}, {5, 3, 4, 1, 2}};
    set.values.resize(static_cast<std::size_t>(xCount + 1));
    set.labels = {"a", "b", "c", "d", "e"};
    for (const std::vector<double>& v : set.values)
        set.stats.push_back(seriesStatistics(v));
    return set;
}

std::vector<Regression> regressionsOf(const AnalysisSet& set) {
    Result<std::vector<Regression>> r = computeRegressions(set);
    EXPECT_TRUE(r.isOk()) << r.status().message();
    return r.isOk() ? *r : std::vector<Regression>{};
}

ChartModel filled(const AnalysisSet& set, ScatterKind kind, bool legend = true, int degree = 2) {
    ChartModel m;
    EXPECT_TRUE(fillScatterChart(m, set, regressionsOf(set), kind, scatterOptions(set, legend, degree)));
    return m;
}

std::vector<double> xPositions(const ChartModel& m, int series) {
    std::vector<double> out;
    for (int p = 1; p <= m.pointCount(); ++p)
        out.push_back(m.xPos(series, p));
    return out;
}

void expectNear(const std::vector<double>& got, const std::vector<double>& want, double tol = 1e-12) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(got[i], want[i], tol) << "at " << i;
}

} // namespace

TEST(ScatterFill, KindTableInListOrderWithCodes) {
    const std::vector<std::string> names = {"散布図", "回帰直線", "残差プロット", "時系列残差プロット", "回帰曲線"};
    const int types[] = {9, 9, 6, 6, 9};
    const int styles[] = {0, 0, 3, 3, 3};
    const int lines[] = {0, 8, 6, 6, 0};
    ASSERT_EQ(scatterKinds().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const ScatterKindRow& k = scatterKinds()[i];
        EXPECT_EQ(k.name, names[i]);
        EXPECT_EQ(static_cast<std::size_t>(k.kind), i);
        EXPECT_EQ(static_cast<int>(k.type), types[i]) << names[i];
        EXPECT_EQ(k.style, styles[i]) << names[i];
        EXPECT_EQ(k.statLines, lines[i]) << names[i];
        EXPECT_EQ(findScatterKind(names[i]), &k);
        EXPECT_EQ(&scatterKind(k.kind), &k);
    }
    EXPECT_EQ(findScatterKind("散布"), nullptr);
    EXPECT_EQ(scatterKind(kScatterInitialKind).name, "回帰直線");
    EXPECT_EQ(shownPolynomialDegree(0), 2);
    EXPECT_EQ(shownPolynomialDegree(5), 5);
}

TEST(ScatterFill, EveryKindWritesItsCodesAndYAgainstX) {
    const AnalysisSet set = scatterSet(2);
    for (const ScatterKindRow& k : scatterKinds()) {
        const ChartModel m = filled(set, k.kind);
        SCOPED_TRACE(std::string(k.name));
        EXPECT_EQ(m.seriesCount(), 2);
        EXPECT_EQ(m.pointCount(), 5);
        EXPECT_EQ(m.chartType(), k.type);
        EXPECT_EQ(m.chartStyle(), k.style);
        EXPECT_EQ(m.statLines(), k.statLines);
        if (k.residuals) continue;
        expectNear(seriesValues(m, 1), {2, 4, 5, 4, 5});
        expectNear(seriesValues(m, 2), {2, 4, 5, 4, 5});
        expectNear(xPositions(m, 1), {1, 2, 3, 4, 5});
        expectNear(xPositions(m, 2), {5, 3, 4, 1, 2});
    }
}

// e = y - (b x + a): series 1 (0.6, 2.2) -0.8 0.6 1.0 -0.6 -0.2;
// series 2 (-0.4, 5.2): 2 - 3.2, 4 - 4.0, 5 - 3.6, 4 - 4.8, 5 - 4.4.
TEST(ScatterFill, ResidualsAgainstXOrSampleNumber) {
    const AnalysisSet set = scatterSet(2);
    const ChartModel plot = filled(set, ScatterKind::Residuals);
    expectNear(seriesValues(plot, 1), {-0.8, 0.6, 1.0, -0.6, -0.2});
    expectNear(seriesValues(plot, 2), {-1.2, 0.0, 1.4, -0.8, 0.6});
    expectNear(xPositions(plot, 1), {1, 2, 3, 4, 5});
    expectNear(xPositions(plot, 2), {5, 3, 4, 1, 2});

    const ChartModel time = filled(set, ScatterKind::TimeResiduals);
    expectNear(seriesValues(time, 2), {-1.2, 0.0, 1.4, -0.8, 0.6});
    expectNear(xPositions(time, 1), {1, 2, 3, 4, 5});
    expectNear(xPositions(time, 2), {1, 2, 3, 4, 5});
}

TEST(ScatterFill, RefusedComputationLeavesResidualsAtTheYValues) {
    const AnalysisSet set = scatterSet(1);
    ChartModel m;
    ASSERT_TRUE(fillScatterChart(m, set, {}, ScatterKind::Residuals, scatterOptions(set, true, 2)));
    expectNear(seriesValues(m, 1), {2, 4, 5, 4, 5});
}

TEST(ScatterFill, FittedCurveTakesTheDegreeAndBothParameters) {
    const AnalysisSet set = scatterSet(1);
    const ChartModel curve = filled(set, ScatterKind::RegressionCurve, true, 4);
    EXPECT_EQ(curve.fitDegree(), 4);
    EXPECT_EQ(curve.fitParameter1(), 12);
    EXPECT_EQ(curve.fitParameter2(), 12);
    // The other kinds leave the chart's own fit settings alone.
    ChartModel line;
    line.setFitDegree(7);
    ASSERT_TRUE(fillScatterChart(line, set, regressionsOf(set), ScatterKind::RegressionLine,
                                 scatterOptions(set, true, 4)));
    EXPECT_EQ(line.fitDegree(), 7);
}

TEST(ScatterFill, LegendsOnlyForTwoXShownAndNotOnResiduals) {
    const AnalysisSet two = scatterSet(2);
    for (ScatterKind k : {ScatterKind::Scatter, ScatterKind::RegressionLine, ScatterKind::RegressionCurve}) {
        const ChartModel m = filled(two, k);
        EXPECT_EQ(m.legendAt(1), "温度");
        EXPECT_EQ(m.legendAt(2), "圧力");
        const ChartModel hidden = filled(two, k, false);
        EXPECT_EQ(hidden.legendAt(1), "");
        EXPECT_EQ(hidden.legendAt(2), "");
    }
    for (ScatterKind k : {ScatterKind::Residuals, ScatterKind::TimeResiduals})
        EXPECT_EQ(filled(two, k).legendAt(1), "");
    const AnalysisSet one = scatterSet(1);
    for (const ScatterKindRow& k : scatterKinds())
        EXPECT_EQ(filled(one, k.kind).legendAt(1), "") << k.name;
}

TEST(ScatterFill, SetsWithoutXOrSamplesAreRefused) {
    ChartModel m;
    m.setChartType(static_cast<int>(ChartType::Bar));
    AnalysisSet onlyY = scatterSet(1);
    onlyY.values.resize(1);
    EXPECT_FALSE(fillScatterChart(m, onlyY, {}, ScatterKind::Scatter, {}));
    AnalysisSet empty = scatterSet(1);
    empty.n = 0;
    EXPECT_FALSE(fillScatterChart(m, empty, {}, ScatterKind::Scatter, {}));
    AnalysisSet shortX = scatterSet(1);
    shortX.values[1].pop_back();
    EXPECT_FALSE(fillScatterChart(m, shortX, {}, ScatterKind::Scatter, {}));
    EXPECT_EQ(m.chartType(), ChartType::Bar);
}

// The chart draws its own least-squares line for "回帰直線": it must be the
// panel's Y = a + bX, also far from zero where textbook sums lose the digits.
TEST(ScatterFill, DrawnLineIsTheComputedLineWithALargeOffset) {
    AnalysisSet set;
    set.n = 8;
    set.names = {"Y", "X1", "X2"};
    set.values = {{3e7 + 0.31, 3e7 + 0.52, 3e7 + 0.49, 3e7 + 0.83, 3e7 + 0.97, 3e7 + 1.18, 3e7 + 1.11, 3e7 + 1.46},
                  {1e8 + 0.1, 1e8 + 0.2, 1e8 + 0.3, 1e8 + 0.4, 1e8 + 0.5, 1e8 + 0.6, 1e8 + 0.7, 1e8 + 0.8},
                  {-7.25, 1e-3, 4.5, 2.0, 9.75, 3.5, 12.0, 15.5}};
    set.seriesCount = 3;
    for (const std::vector<double>& v : set.values)
        set.stats.push_back(seriesStatistics(v));
    const std::vector<Regression> regs = regressionsOf(set);
    ASSERT_EQ(regs.size(), 2u);

    const ChartModel m = filled(set, ScatterKind::RegressionLine);
    int trends = 0;
    for (const StatLine& line : statisticsLines(m)) {
        if (line.kind != StatLineKind::Trend) continue;
        ++trends;
        const Regression& reg = regs[static_cast<std::size_t>(line.series - 1)];
        SCOPED_TRACE(line.series);
        EXPECT_NEAR(line.slope, reg.b, 1e-6 * std::abs(reg.b));
        // Compared where the points are: the intercepts at x = 0 lie 1e8 away.
        for (int p = 1; p <= m.pointCount(); ++p) {
            const double x = m.xPos(line.series, p);
            EXPECT_NEAR(line.valueAt(x), reg.a + reg.b * x, 1e-6);
        }
    }
    EXPECT_EQ(trends, 2);
}
