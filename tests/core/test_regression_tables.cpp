// Tests of the regression tables: a hand-worked two-X analysis of variance
// cell by cell, the F ratio's text and marks, n = 2, a perfect fit, a refused
// computation, the regression-line table with its equations, the p cells and
// the CSV of both tables.
#include "analysis/scatter/RegressionTables.h"

#include "analysis/AnalysisSet.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace zel;

namespace {

RegressionResults regressionsOf(const std::vector<std::vector<double>>& values) {
    AnalysisSet set;
    set.seriesCount = static_cast<int>(values.size());
    set.n = static_cast<int>(values.front().size());
    set.values = values;
    Result<std::vector<Regression>> all = computeRegressions(set);
    EXPECT_TRUE(all.isOk()) << all.status().message();
    RegressionResults results;
    results.seriesCount = set.seriesCount - 1;
    results.n = set.n;
    if (all.isOk()) results.series = *all;
    return results;
}

// Y = 1 2 3 4 6, X1 = 1..5, X2 = 5 3 4 1 2.
RegressionResults twoSeries() {
    return regressionsOf({{1, 2, 3, 4, 6}, {1, 2, 3, 4, 5}, {5, 3, 4, 1, 2}});
}

void expectNumber(const ResultTable& t, int row, int column, double expected) {
    const ResultCell& cell = t.at(row, column);
    ASSERT_TRUE(cell.number.has_value()) << "row " << row << ", column " << column;
    EXPECT_NEAR(*cell.number, expected, 1e-12 * std::max(1.0, std::abs(expected)))
        << "row " << row << ", column " << column;
}

void expectEmpty(const ResultTable& t, int row, int column) {
    EXPECT_TRUE(t.at(row, column).isEmpty()) << "row " << row << ", column " << column;
}

std::vector<std::string> csvLines(const std::string& csv) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    return lines;
}

} // namespace

// Series 1 (X1): means 3 and 3.2; dx = -2 -1 0 1 2, dy = -2.2 -1.2 -0.2 0.8 2.8.
// Sxx = 10, Syy = ST = 14.8, Sxy = 12; SR = 14.4, SE = 0.4, Ve = 0.4 / 3.
// F0 = 14.4 / (0.4 / 3) = 108 > 34.12, the 1 % point of F(1, 3).
// S'R = 14.4 - 0.4 / 3 = 42.8 / 3, ρR = 42.8 / 3 / 14.8 x 100;
// S'E = 0.4 + 0.4 / 3 = 1.6 / 3, ρE = 1.6 / 3 / 14.8 x 100.
// F(1, 3) is the square of Student's t with 3 degrees of freedom, whose
// two-sided tail at t is 1 - (2 / π)(θ + sin θ cos θ) with tan θ = t / √3:
// t = √108 gives tan θ = 6 and sin θ cos θ = 6 / 37.
TEST(RegressionTablesTest, AnovaOfTwoSeriesCellByCell) {
    const ResultTable t = anovaTable(twoSeries());
    ASSERT_EQ(t.rows, 8);
    ASSERT_EQ(t.columns, 7);
    EXPECT_EQ(t.columnHeadings,
              (std::vector<std::string>{" Source", " f", " S", " V", " F0", " S'", "ρ(%)", "p値"}));
    EXPECT_EQ(t.columnWidths, (std::vector<int>{16, 5, 16, 16, 10, 16, 8, 10}));
    EXPECT_EQ(t.rowHeadings, (std::vector<std::string>{"", "変数1", "回帰（Ｒ）", "残差（ｅ）", "計（Ｔ）",
                                                       "変数2", "回帰（Ｒ）", "残差（ｅ）", "計（Ｔ）"}));
    EXPECT_EQ(anovaHeadingRow(1), 1);
    EXPECT_EQ(anovaHeadingRow(2), 5);

    using namespace anovacolumns;
    for (int c = 1; c <= kCount; ++c) {
        expectEmpty(t, 1, c);
        expectEmpty(t, 5, c);
    }
    // Regression row.
    expectNumber(t, 2, kF, 1);
    expectNumber(t, 2, kS, 14.4);
    expectNumber(t, 2, kV, 14.4);
    EXPECT_EQ(t.at(2, kF0).text, "108.00 **");
    EXPECT_FALSE(t.at(2, kF0).number.has_value());
    expectNumber(t, 2, kSPrime, 42.8 / 3);
    expectNumber(t, 2, kRho, 42.8 / 3 / 14.8 * 100);
    expectNumber(t, 2, kP, 1 - 2 / std::numbers::pi * (std::atan(6.0) + 6.0 / 37));
    // Residual row.
    expectNumber(t, 3, kF, 3);
    expectNumber(t, 3, kS, 0.4);
    expectNumber(t, 3, kV, 0.4 / 3);
    expectEmpty(t, 3, kF0);
    expectNumber(t, 3, kSPrime, 1.6 / 3);
    expectNumber(t, 3, kRho, 1.6 / 3 / 14.8 * 100);
    expectEmpty(t, 3, kP);
    // Total row.
    expectNumber(t, 4, kF, 4);
    expectNumber(t, 4, kS, 14.8);
    expectEmpty(t, 4, kV);
    expectEmpty(t, 4, kF0);
    expectNumber(t, 4, kSPrime, 14.8);
    expectNumber(t, 4, kRho, 100);
    expectEmpty(t, 4, kP);

    // Series 2 (X2): dx = 2 0 1 -2 -1, Sxx = 10, Sxy = -9; SR = 8.1, SE = 6.7,
    // F0 = 8.1 / (6.7 / 3) = 3.6268..., below 10.13: no mark.
    expectNumber(t, 6, kS, 8.1);
    expectNumber(t, 7, kS, 6.7);
    expectNumber(t, 8, kS, 14.8);
    EXPECT_EQ(t.at(6, kF0).text, "3.63   ");
    // The shares of the regression and the residual make up the total.
    EXPECT_NEAR(*t.at(6, kRho).number + *t.at(7, kRho).number, 100.0, 1e-12);
}

TEST(RegressionTablesTest, FRatioTextAndMarksAtTheTableValues) {
    // φ2 = 3: 10.13 and 34.12. A value equal to a table value does not pass it.
    EXPECT_EQ(fRatioText(10.13, fSignificance(10.13, 3)), "10.13   ");
    EXPECT_EQ(fRatioText(10.14, fSignificance(10.14, 3)), "10.14 * ");
    EXPECT_EQ(fRatioText(34.12, fSignificance(34.12, 3)), "34.12 * ");
    EXPECT_EQ(fRatioText(34.13, fSignificance(34.13, 3)), "34.13 **");
    EXPECT_EQ(fRatioText(9.5, Significance::OnePercent), "9.50 **");
    // "###0.00": one integer digit at least, no grouping, digits past four kept.
    EXPECT_EQ(fRatioText(0.004, Significance::None), "0.00   ");
    EXPECT_EQ(fRatioText(12345.678, Significance::OnePercent), "12345.68 **");
}

// Y = 1 3, X = 1 2: SR = ST = 2, SE = 0, no residual degrees of freedom.
TEST(RegressionTablesTest, TwoSamplesLeaveTheVeCellsEmpty) {
    const ResultTable t = anovaTable(regressionsOf({{1, 3}, {1, 2}}));
    ASSERT_EQ(t.rows, 4);
    using namespace anovacolumns;
    expectNumber(t, 2, kF, 1);
    expectNumber(t, 2, kS, 2);
    expectNumber(t, 2, kV, 2);
    expectNumber(t, 3, kF, 0);
    expectNumber(t, 3, kS, 0);
    expectNumber(t, 4, kF, 1);
    expectNumber(t, 4, kSPrime, 2);
    expectNumber(t, 4, kRho, 100);
    for (int row : {2, 3})
        for (int c : {kF0, kSPrime, kRho, kP})
            expectEmpty(t, row, c);
    expectEmpty(t, 3, kV);
    for (int c = 1; c <= kCount; ++c)
        EXPECT_FALSE(t.at(3, c).number && !std::isfinite(*t.at(3, c).number));
}

// Y = 2X on four points: SE = 0, Ve = 0, no F ratio; the regression takes the whole total.
TEST(RegressionTablesTest, PerfectFitHasNoFRatio) {
    const ResultTable t = anovaTable(regressionsOf({{2, 4, 6, 8}, {1, 2, 3, 4}}));
    using namespace anovacolumns;
    expectNumber(t, 2, kS, 20);
    expectNumber(t, 3, kS, 0);
    expectNumber(t, 3, kV, 0);
    expectEmpty(t, 2, kF0);
    expectEmpty(t, 2, kP);
    expectNumber(t, 2, kSPrime, 20);
    expectNumber(t, 2, kRho, 100);
    expectNumber(t, 3, kSPrime, 0);
    expectNumber(t, 3, kRho, 0);
}

TEST(RegressionTablesTest, RefusedComputationShowsHeadingsOnly) {
    RegressionResults refused;
    refused.seriesCount = 2;
    refused.n = 5;
    const ResultTable anova = anovaTable(refused);
    ASSERT_EQ(anova.rows, 8);
    EXPECT_EQ(anova.rowHeadings[5], "変数2");
    EXPECT_EQ(anova.rowHeadings[8], "計（Ｔ）");
    for (const ResultCell& cell : anova.cells)
        EXPECT_TRUE(cell.isEmpty());

    const ResultTable line = regressionLineTable(refused, 2);
    ASSERT_EQ(line.columns, 2);
    EXPECT_EQ(line.columnHeadings[2], "変数 2");
    for (const ResultCell& cell : line.cells)
        EXPECT_TRUE(cell.isEmpty());

    // Nothing computed yet: no blocks at all.
    EXPECT_EQ(anovaTable(RegressionResults{}).rows, 0);
    EXPECT_EQ(regressionLineTable(RegressionResults{}, 2).columns, 0);
}

TEST(RegressionTablesTest, RegressionLineTableAndEquations) {
    const ResultTable t = regressionLineTable(twoSeries(), 2);
    ASSERT_EQ(t.rows, 4);
    ASSERT_EQ(t.columns, 2);
    EXPECT_EQ(t.columnHeadings, (std::vector<std::string>{"", "変数 1", "変数 2"}));
    EXPECT_EQ(t.rowHeadings,
              (std::vector<std::string>{"", "相関係数ｒ", "切片ａ", "方向計数ｂ", "回帰方程式"}));
    EXPECT_EQ(t.columnWidths, (std::vector<int>{16, 32, 32}));
    // Series 1: b = 12 / 10, a = 3.2 - 1.2 x 3 = -0.4, r = 12 / √148.
    expectNumber(t, 1, 1, 12 / std::sqrt(148.0));
    expectNumber(t, 2, 1, -0.4);
    expectNumber(t, 3, 1, 1.2);
    EXPECT_EQ(t.at(4, 1).text, "Y=(-0.40)+(1.20)X");
    // Series 2: b = -0.9, a = 3.2 + 0.9 x 3 = 5.9.
    EXPECT_EQ(t.at(4, 2).text, "Y=(5.90)+(-0.90)X");
    EXPECT_EQ(regressionLineTable(twoSeries(), 0).at(4, 1).text, "Y=(-0)+(1)X");
    EXPECT_EQ(regressionLineTable(twoSeries(), 3).at(4, 2).text, "Y=(5.900)+(-0.900)X");
}

TEST(RegressionTablesTest, EquationFromShownTexts) {
    EXPECT_EQ(regressionEquation("-1.23", "0.45"), "Y=(-1.23)+(0.45)X");
    EXPECT_EQ(regressionEquation("-1.23", ""), "");
    EXPECT_EQ(regressionEquation("", "0.45"), "");
    // The texts as the grid rounds them: halves away from zero, a negative
    // value rounded to zero keeps its sign.
    EXPECT_EQ(regressionEquation(decimalsText(-1.235, 2), decimalsText(0.445, 2)), "Y=(-1.24)+(0.45)X");
    EXPECT_EQ(regressionEquation(decimalsText(2.5, 0), decimalsText(-0.001, 2)), "Y=(3)+(-0.00)X");
}

TEST(RegressionTablesTest, PValueTexts) {
    EXPECT_EQ(pValueText(0.0123456), "0.0123");
    EXPECT_EQ(pValueText(0.5), "0.5000");
    EXPECT_EQ(pValueText(1.0), "1.0000");
    EXPECT_EQ(pValueText(0.00005), "0.0001");
    // Would round to 0.0000: shown as below the last place instead.
    EXPECT_EQ(pValueText(0.0000499), "<0.0001");
    EXPECT_EQ(pValueText(1e-300), "<0.0001");
    EXPECT_EQ(pValueText(0.0), "<0.0001");
}

TEST(RegressionTablesTest, CsvKeepsFullValuesWithoutColour) {
    const RegressionResults results = twoSeries();
    const std::vector<std::string> anova = csvLines(resultTableCsv(anovaTable(results)));
    ASSERT_EQ(anova.size(), 9u);
    EXPECT_EQ(anova[0], " Source, f, S, V, F0, S',ρ(%),p値");
    EXPECT_EQ(anova[1], "変数1,,,,,,,");
    const double p = *results.series[0].p;
    EXPECT_EQ(anova[2], "回帰（Ｒ）,1,14.4,14.4,108.00 **," + generalNumberText(14.4 - 0.4 / 3) + "," +
                            generalNumberText((14.4 - 0.4 / 3) / 14.8 * 100) + "," + generalNumberText(p));
    EXPECT_EQ(anova[4], "計（Ｔ）,4,14.8,,,14.8,100,");
    EXPECT_EQ(anova[5], "変数2,,,,,,,");

    const std::vector<std::string> line = csvLines(resultTableCsv(regressionLineTable(results, 2)));
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[0], ",変数 1,変数 2");
    EXPECT_EQ(line[2], "切片ａ," + generalNumberText(results.series[0].a) + "," +
                           generalNumberText(results.series[1].a));
    EXPECT_NEAR(results.series[0].a, -0.4, 1e-12);
    EXPECT_EQ(line[4], "回帰方程式,Y=(-0.40)+(1.20)X,Y=(5.90)+(-0.90)X");
}
