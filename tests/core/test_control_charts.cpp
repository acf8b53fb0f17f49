// Tests of the control-chart computations, worked out by hand: Xbar-R for
// n = 2, 5 and 10, X-Rs (one variable and "Xbar"), P-Pn with equal and unequal
// lot sizes and without defectives, the defect-count chart, the table layouts
// and the CSV form of a table.
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"
#include "common/NumberText.h"
#include "common/ResultTable.h"

#include <gtest/gtest.h>

#include "DatasetFixtures.h"

#include <cmath>
#include <limits>

using namespace zel;

namespace {

using uitest::labelledRows;

void expectLines(const ControlLines& l, std::array<double, 3> first, std::array<double, 3> second) {
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(l[0][c], first[c], 1e-9) << "L(0," << c << ")";
        EXPECT_NEAR(l[1][c], second[c], 1e-9) << "L(1," << c << ")";
    }
}

double num(const ResultTable& t, int r, int c) {
    return t.at(r, c).number.value_or(std::nan(""));
}

} // namespace

TEST(XbarRCoefficientsTest, TableValues) {
    EXPECT_DOUBLE_EQ(xbarRCoefficients(2).a2, 1.88);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(2).d4, 3.267);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(3).d4, 2.575);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(6).d3, 0.0);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(7).d3, 0.076);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(10).a2, 0.308);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(10).d3, 0.223);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(1).a2, 0.0);
    EXPECT_DOUBLE_EQ(xbarRCoefficients(11).d4, 0.0);
}

TEST(XbarRTest, SubgroupsOfTwoWithAMaskedSample) {
    // (1,3) mean 2 range 2; (100,200) masked; (2,6) mean 4 range 4; (4,4) mean 4 range 0.
    Dataset ds = labelledRows({{1, 3}, {100, 200}, {2, 6}, {4, 4}});
    ds.setMask(2, 1);
    const ChartDataSet c = computeXbarR(ds).value();
    EXPECT_EQ(c.m, 3);
    EXPECT_EQ(c.n, 2);
    EXPECT_EQ(c.labels, (std::vector<std::string>{"S1", "S3", "S4"}));
    EXPECT_EQ(c.mean, (std::vector<double>{2, 4, 4}));
    EXPECT_EQ(c.low, (std::vector<double>{1, 2, 4}));
    EXPECT_EQ(c.high, (std::vector<double>{3, 6, 4}));
    EXPECT_EQ(c.range, (std::vector<double>{2, 4, 0}));
    EXPECT_DOUBLE_EQ(c.sumOfMeans, 10.0);
    EXPECT_DOUBLE_EQ(c.sumOfRanges, 6.0);
    // Xbarbar = 10/3, Rbar = 2: 10/3 +- 1.88 * 2 = 10/3 +- 3.76; R: 2, 3.267 * 2 = 6.534, 0.
    expectLines(c.lines, {10.0 / 3, 10.0 / 3 + 3.76, 10.0 / 3 - 3.76}, {2, 6.534, 0});
}

TEST(XbarRTest, SubgroupsOfFive) {
    // Sums 60, 50, 70: means 12, 10, 14; ranges 14-10 = 4, 12-8 = 4, 17-11 = 6.
    const ChartDataSet c =
        computeXbarR(labelledRows({{10, 12, 11, 13, 14}, {9, 11, 10, 12, 8}, {15, 13, 14, 11, 17}})).value();
    EXPECT_EQ(c.mean, (std::vector<double>{12, 10, 14}));
    EXPECT_EQ(c.range, (std::vector<double>{4, 4, 6}));
    // Xbarbar = 12, Rbar = 14/3; A2 = 0.577: 0.577 * 14/3 = 2.692667; D4 = 2.115: 9.87.
    const double rbar = 14.0 / 3;
    expectLines(c.lines, {12, 12 + 0.577 * rbar, 12 - 0.577 * rbar}, {rbar, 9.87, 0});
    EXPECT_NEAR(c.lines[0][1], 14.6926667, 1e-6);
}

TEST(XbarRTest, SubgroupsOfTenUseD3) {
    // 1..10: mean 5.5, range 9; 2,4..20: mean 11, range 18. Xbarbar 8.25, Rbar 13.5.
    // A2 0.308 * 13.5 = 4.158; D4 1.777 * 13.5 = 23.9895; D3 0.223 * 13.5 = 3.0105.
    const ChartDataSet c =
        computeXbarR(labelledRows({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}}))
            .value();
    expectLines(c.lines, {8.25, 12.408, 4.092}, {13.5, 23.9895, 3.0105});
}

TEST(XbarRTest, ConstantDataGivesEqualLines) {
    const ChartDataSet c = computeXbarR(labelledRows({{5, 5, 5}, {5, 5, 5}})).value();
    expectLines(c.lines, {5, 5, 5}, {0, 0, 0});
}

TEST(XbarRTest, TableLayout) {
    const ChartDataSet c = computeXbarR(labelledRows({{1, 3}, {2, 6}, {4, 4}})).value();
    const ResultTable t = xbarRTable(c);
    EXPECT_EQ(t.rows, 7);
    EXPECT_EQ(t.columns, 4);
    EXPECT_EQ(t.columnHeadings,
              (std::vector<std::string>{"", "ﾃﾞｰﾀNO.1", "ﾃﾞｰﾀNO.2", "標本平均", "標本範囲"}));
    EXPECT_EQ(t.rowHeadings, (std::vector<std::string>{"", "S1", "S2", "S3", "計", "平均", "UCL", "LCL"}));
    EXPECT_EQ(t.columnWidths, (std::vector<int>(5, 12)));
    EXPECT_EQ(num(t, 2, 2), 6.0);
    EXPECT_EQ(num(t, 2, 3), 4.0);
    EXPECT_EQ(num(t, 2, 4), 4.0);
    EXPECT_EQ(num(t, 4, 3), 10.0); // 計
    EXPECT_EQ(num(t, 4, 4), 6.0);
    EXPECT_NEAR(num(t, 6, 3), 10.0 / 3 + 3.76, 1e-12); // UCL
    EXPECT_EQ(num(t, 7, 4), 0.0);                      // LCL of R
    for (int r = 4; r <= 7; ++r)
        for (int col = 1; col <= 2; ++col)
            EXPECT_TRUE(t.at(r, col).isEmpty()) << r << "," << col;
}

TEST(XRsTest, OneVariableMovingRanges) {
    // X = 5, 7, 4, 4, 6 (sample 3 with 100 masked). Rs = 0, 2, 3, 0, 2: sum 7 over m - 1 = 4
    // -> 1.75. Xbar = 26 / 5 = 5.2; 5.2 +- 2.66 * 1.75 = 5.2 +- 4.655; 3.267 * 1.75 = 5.71725.
    Dataset ds = labelledRows({{5, 0}, {7, 0}, {100, 0}, {4, 0}, {4, 0}, {6, 0}});
    ds.setMask(3, 1);
    ChartDataSet c = collectXRs(ds, 1).value();
    EXPECT_EQ(c.m, 5);
    EXPECT_EQ(c.n, 1);
    EXPECT_EQ(c.mean, (std::vector<double>{5, 7, 4, 4, 6}));
    EXPECT_EQ(c.labels, (std::vector<std::string>{"S1", "S2", "S4", "S5", "S6"}));
    EXPECT_DOUBLE_EQ(c.sumOfMeans, 26.0);
    ASSERT_TRUE(computeXRsLines(c).isOk());
    EXPECT_EQ(c.range, (std::vector<double>{0, 2, 3, 0, 2}));
    EXPECT_DOUBLE_EQ(c.sumOfRanges, 7.0);
    expectLines(c.lines, {5.2, 9.855, 0.545}, {1.75, 5.71725, 0});
}

TEST(XRsTest, XbarEntryChartsSampleMeans) {
    // Means (1+3)/2 = 2, (4+6)/2 = 5, (2+2)/2 = 2; sum 9, Xbar 3. Rs 0, 3, 3 -> 6 / 2 = 3.
    // 3 +- 2.66 * 3 = 3 +- 7.98; 3.267 * 3 = 9.801.
    ChartDataSet c = collectXRs(labelledRows({{1, 3}, {4, 6}, {2, 2}}), 3).value();
    EXPECT_EQ(c.mean, (std::vector<double>{2, 5, 2}));
    EXPECT_DOUBLE_EQ(c.sumOfMeans, 9.0);
    ASSERT_TRUE(computeXRsLines(c).isOk());
    expectLines(c.lines, {3, 10.98, -4.98}, {3, 9.801, 0});
    // With one variable "Xbar" is that variable unchanged.
    Dataset one = labelledRows({{1.5}, {2.5}});
    EXPECT_EQ(collectXRs(one, 2).value().mean, (std::vector<double>{1.5, 2.5}));
    EXPECT_EQ(collectXRs(one, 3).status().message(), kNoSuchVariable); // outside the list
}

TEST(XRsTest, TwoSamplesAndTable) {
    ChartDataSet c = collectXRs(labelledRows({{3}, {8}}), 1).value();
    ASSERT_TRUE(computeXRsLines(c).isOk());
    EXPECT_EQ(c.range, (std::vector<double>{0, 5}));
    EXPECT_DOUBLE_EQ(c.lines[1][0], 5.0); // one moving range: Rsbar equals it
    const ResultTable t = xRsTable(c);
    EXPECT_EQ(t.rows, 6);
    EXPECT_EQ(t.columns, 2);
    EXPECT_EQ(t.columnHeadings, (std::vector<std::string>{"", "測定値Ｘ", "移動範囲　Ｒs"}));
    EXPECT_EQ(t.rowHeadings, (std::vector<std::string>{"", "S1", "S2", "計", "平均", "UCL", "LCL"}));
    EXPECT_EQ(num(t, 1, 2), 0.0);
    EXPECT_EQ(num(t, 3, 1), 11.0);
    EXPECT_EQ(num(t, 3, 2), 5.0);
    EXPECT_EQ(num(t, 4, 1), 5.5);
    EXPECT_NEAR(num(t, 5, 1), 5.5 + 2.66 * 5, 1e-12);
    EXPECT_EQ(num(t, 6, 2), 0.0);
}

TEST(PPnTest, EqualLotSizes) {
    // 4 lots of 100 with 2, 4, 6, 8 defectives: N 400, D 20, pbar 0.05.
    // Per lot: 3 sqrt(0.05 * 0.95 / 100) = 0.0653835 -> P-UCL 0.1153835, P-LCL < 0 -> 0;
    // pbar n = 5, 3 sqrt(4.75) = 6.538348 -> Pn-UCL 11.538348, Pn-LCL < 0 -> 0.
    auto r = collectPPn(labelledRows({{100, 2}, {100, 4}, {100, 6}, {100, 8}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    EXPECT_EQ(c.m, 4);
    EXPECT_EQ(c.n, 2);
    ASSERT_TRUE(computePPnLines(c).isOk());
    ASSERT_EQ(c.x.size(), 6u);
    EXPECT_EQ(c.x[4], (std::vector<double>{400, 20}));
    EXPECT_EQ(c.x[5], (std::vector<double>{100, 5}));
    ASSERT_EQ(c.pTable.size(), 7u);
    EXPECT_DOUBLE_EQ(c.pTable[0][0], 0.05);
    EXPECT_DOUBLE_EQ(c.pTable[3][0], 0.06);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(c.pTable[i][1], 0.1153834841531101, 1e-12);
        EXPECT_EQ(c.pTable[i][2], 0.0);
        EXPECT_NEAR(c.pTable[i][3], 11.538348415311011, 1e-9);
        EXPECT_EQ(c.pTable[i][4], 0.0);
    }
    // Totals row with n = 400: 0.0826917, 0.0173083, 33.076697, 6.923303.
    EXPECT_NEAR(c.pTable[5][1], 0.08269174207655505, 1e-12);
    EXPECT_NEAR(c.pTable[5][2], 0.017308257923444953, 1e-12);
    EXPECT_NEAR(c.pTable[5][3], 33.076696830622026, 1e-9);
    EXPECT_NEAR(c.pTable[5][4], 6.923303169377977, 1e-9);
    // The averages row equals every lot; the varying limits equal L.
    expectLines(c.lines, {0.05, 0.1153834841531101, 0}, {5, 11.538348415311011, 0});
    fillPPnPlotted(c);
    EXPECT_EQ(c.plottedP, (std::vector<double>{0.02, 0.04, 0.06, 0.08}));
    EXPECT_EQ(c.plottedD, (std::vector<double>{2, 4, 6, 8}));
}

TEST(PPnTest, UnequalLotSizes) {
    // (50, 1) and (200, 9): N 250, D 10, pbar 0.04; averages 125 and 5.
    // Lot 1: 0.04 + 3 sqrt(0.0384 / 50) = 0.1231384; pbar n = 2, 2 + 3 sqrt(1.92) = 6.156922.
    // Lot 2: 0.04 + 3 sqrt(0.0384 / 200) = 0.0815692; 8 + 3 sqrt(7.68) = 16.313844; lows < 0.
    // Averages (n 125): 0.0925814 and 5 + 3 sqrt(4.8) = 11.572671; lows < 0 -> 0.
    auto r = collectPPn(labelledRows({{50, 1}, {200, 9}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    ASSERT_TRUE(computePPnLines(c).isOk());
    EXPECT_DOUBLE_EQ(c.pTable[1][0], 0.02);
    EXPECT_DOUBLE_EQ(c.pTable[2][0], 0.045);
    EXPECT_NEAR(c.pTable[1][1], 0.1231384387633061, 1e-12);
    EXPECT_NEAR(c.pTable[1][3], 6.156921938165306, 1e-9);
    EXPECT_NEAR(c.pTable[2][1], 0.08156921938165305, 1e-12);
    EXPECT_NEAR(c.pTable[2][3], 16.313843876330612, 1e-9);
    EXPECT_EQ(c.pTable[2][2], 0.0);
    EXPECT_EQ(c.pTable[2][4], 0.0);
    EXPECT_NEAR(c.pTable[3][2], 0.0028193598764088, 1e-12); // totals (n 250) stay positive
    EXPECT_NEAR(c.pTable[3][4], 0.7048399691021991, 1e-9);
    EXPECT_DOUBLE_EQ(c.pTable[4][0], c.pTable[3][0]);
    expectLines(c.lines, {0.04, 0.09258136552049595, 0}, {5, 11.572670690061994, 0});

    const ResultTable t = pPnTable(c);
    EXPECT_EQ(t.rows, 4);
    EXPECT_EQ(t.columns, 7);
    EXPECT_EQ(t.columnHeadings, (std::vector<std::string>{"", "ﾃﾞｰﾀNO.1", "ﾃﾞｰﾀNO.2", "不良率", "P-UCL",
                                                          "P-LCL", "Pn-UCL", "Pn-LCL"}));
    EXPECT_EQ(t.rowHeadings, (std::vector<std::string>{"", "S1", "S2", "合計", "平均"}));
    EXPECT_EQ(num(t, 3, 1), 250.0);
    EXPECT_EQ(num(t, 4, 2), 5.0);
    EXPECT_EQ(num(t, 2, 3), 0.045);
    EXPECT_NEAR(num(t, 4, 4), 0.09258136552049595, 1e-12);
}

TEST(PPnTest, RootsTakeTheirFactorsInTheWrittenOrder) {
    // Lots (1, 0) and (5, 5): N 6, D 5, pbar 5/6; averages n 3 and d 2.5. Pn-LCL of the
    // averages row: 2.5 - 3 sqrt(5/6 x 3 x 1/6) = 2.5 - 3 sqrt(0.41666...) = 0.5635083268962919;
    // taken as sqrt(5/6 x 1/6 x 3) it ends in ...915 and its 15 digits in ...291.
    auto r = collectPPn(labelledRows({{1, 0}, {5, 5}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    ASSERT_TRUE(computePPnLines(c).isOk());
    EXPECT_EQ(signedNumberText(c.pTable[4][4]), " .563508326896292");
    EXPECT_EQ(signedNumberText(c.lines[1][2]), " .563508326896292");
    // Pn-UCL 2.5 + 1.936491673103708 and the p chart's 5/6 - 3 sqrt(5/6 x 1/6 / 3).
    EXPECT_EQ(generalNumberText(c.lines[1][1]), "4.43649167310371");
    EXPECT_EQ(generalNumberText(c.lines[0][2]), "0.187836108965431");
}

TEST(PPnTest, NoDefectivesAtAll) {
    auto r = collectPPn(labelledRows({{10, 0}, {20, 0}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    ASSERT_TRUE(computePPnLines(c).isOk());
    for (const auto& row : c.pTable)
        for (double v : row)
            EXPECT_EQ(v, 0.0);
    expectLines(c.lines, {0, 0, 0}, {0, 0, 0});
}

TEST(PPnTest, RefusesTheSameVariableAndInvalidLots) {
    const auto same = collectPPn(labelledRows({{10, 1}, {10, 2}}), 2, 2);
    EXPECT_EQ(same.status().message(), "独立変数と従属変数が同じです｡");
    const std::string invalid =
        "不良個数がサンプルサイズより大きい、またはサンプルサイズがゼロのデータがあります。";
    EXPECT_EQ(collectPPn(labelledRows({{10, 1}, {3, 4}}), 1, 2).status().message(), invalid);  // d > n
    EXPECT_EQ(collectPPn(labelledRows({{0, 0}, {3, 1}}), 1, 2).status().message(), invalid);   // n = 0
    EXPECT_EQ(collectPPn(labelledRows({{5, -1}, {3, 1}}), 1, 2).status().message(), invalid);  // d < 0
    EXPECT_EQ(collectPPn(labelledRows({{-5, -6}, {3, 1}}), 1, 2).status().message(), invalid); // n < 0
    EXPECT_EQ(collectPPn(labelledRows({{5, std::nan("")}, {3, 1}}), 1, 2).status().message(), invalid);
    // A masked invalid lot is not looked at; d = n is valid.
    Dataset ds = labelledRows({{10, 1}, {3, 4}, {4, 4}});
    ds.setMask(2, 1);
    const auto ok = collectPPn(ds, 1, 2);
    ASSERT_TRUE(ok.isOk());
    EXPECT_EQ(ok->m, 2);
    EXPECT_EQ(ok->labels, (std::vector<std::string>{"S1", "S3"}));
}

TEST(DefectCountTest, SmallMeanHasLowerLimitZero) {
    // 2 + 4 + 3 + 5 + 1 = 15, cbar 3: 3 + 3 sqrt(3) = 8.196152; 3 - 5.196 < 0 -> 0.
    const auto r = computeDefectCount(labelledRows({{2}, {4}, {3}, {5}, {1}}), 1);
    ASSERT_TRUE(r.isOk());
    EXPECT_EQ(r->m, 5);
    EXPECT_EQ(r->mean, (std::vector<double>{2, 4, 3, 5, 1}));
    EXPECT_DOUBLE_EQ(r->sumOfMeans, 15.0);
    expectLines(r->lines, {3, 8.196152422706632, 0}, {0, 0, 0});
}

TEST(DefectCountTest, MeanOfNineAndAbove) {
    // 8 + 10 + 9 = 27, cbar 9: 9 +- 3 * 3 -> UCL 18, LCL exactly 0.
    const auto nine = computeDefectCount(labelledRows({{8}, {10}, {9}}), 1);
    ASSERT_TRUE(nine.isOk());
    EXPECT_EQ(nine->lines[0][0], 9.0);
    EXPECT_EQ(nine->lines[0][1], 18.0);
    EXPECT_EQ(nine->lines[0][2], 0.0);
    // cbar 16: 16 +- 12.
    const auto sixteen = computeDefectCount(labelledRows({{15}, {17}}), 1);
    EXPECT_EQ(sixteen->lines[0][2], 4.0);
    EXPECT_EQ(sixteen->lines[0][1], 28.0);
    // All zero: every line 0.
    expectLines(computeDefectCount(labelledRows({{0}, {0}}), 1)->lines, {0, 0, 0}, {0, 0, 0});
}

TEST(DefectCountTest, NegativeMeanIsRefused) {
    const auto r = computeDefectCount(labelledRows({{-5}, {1}}), 1);
    EXPECT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), kNegativeMeanCount);
    EXPECT_FALSE(computeDefectCount(labelledRows({{1}, {1}}), 2).isOk());
}

TEST(ResultTableCsv, QuotingLineEndsAndFullPrecision) {
    ResultTable t;
    t.resize(2, 3);
    t.columnHeadings = {"項目", "a,b", "say \"hi\"", "平均"};
    t.rowHeadings = {"", "行\n1", "2"};
    t.setNumber(1, 1, 1.0 / 3);
    t.setText(1, 2, "x");
    t.setNumber(2, 3, -2.5e-7);
    EXPECT_EQ(resultTableCsv(t), "項目,\"a,b\",\"say \"\"hi\"\"\",平均\r\n"
                                 "\"行\n1\",0.333333333333333,x,\r\n"
                                 "2,,,-2.5E-07\r\n");
}

TEST(ControlChartOverflow, EveryComputationRefusesAResultBeyondTheNumbers) {
    // Xbar-R: 1E+308 + 1.5E+308 and the range 1E+308 - (-1E+308) are infinite.
    const auto xr = computeXbarR(labelledRows({{1e308, 1.5e308}, {-1e308, 1e308}}));
    ASSERT_FALSE(xr.isOk());
    EXPECT_EQ(xr.status().message(), kResultOutOfRange);
    // Only the range overflows: mean 0 of the second row is fine, its range is not.
    EXPECT_FALSE(computeXbarR(labelledRows({{1, 2}, {-1e308, 1e308}})).isOk());
    // Values near the edge of the range whose sums stay finite are computed.
    const auto edge = computeXbarR(labelledRows({{8e307, 8e307}, {8e307, 8e307}}));
    ASSERT_TRUE(edge.isOk());
    EXPECT_EQ(edge->lines[0][0], 8e307);

    // X-Rs: a moving range of 2E+308; the "Xbar" entry's sum of 2E+308.
    ChartDataSet xs = collectXRs(labelledRows({{1e308}, {-1e308}}), 1).value();
    EXPECT_EQ(computeXRsLines(xs).message(), kResultOutOfRange);
    EXPECT_EQ(collectXRs(labelledRows({{1e308, 1e308}, {1, 1}}), 3).status().message(), kResultOutOfRange);

    // P-Pn: the total size of two lots of 1E+308.
    ChartDataSet lots = collectPPn(labelledRows({{1e308, 1}, {1e308, 1}}), 1, 2).value();
    EXPECT_EQ(computePPnLines(lots).message(), kResultOutOfRange);

    // Defect counts: a sum beyond the numbers either way is said as such, not as a negative mean.
    EXPECT_EQ(computeDefectCount(labelledRows({{1e308}, {1e308}}), 1).status().message(), kResultOutOfRange);
    EXPECT_EQ(computeDefectCount(labelledRows({{-1e308}, {-1e308}}), 1).status().message(),
              kResultOutOfRange);
}

TEST(ControlChartOverflow, TheCheckLooksAtEveryComputedNumber) {
    ChartDataSet c;
    EXPECT_TRUE(checkFiniteResults(c).isOk());
    const double inf = std::numeric_limits<double>::infinity();
    const auto refused = [](const ChartDataSet& d) { return !checkFiniteResults(d).isOk(); };
    ChartDataSet d = c;
    d.x = {{1, inf}};
    EXPECT_TRUE(refused(d));
    d = c;
    d.mean = {std::nan("")};
    EXPECT_TRUE(refused(d));
    d = c;
    d.sumOfRanges = -inf;
    EXPECT_TRUE(refused(d));
    d = c;
    d.pTable = {{0, 0, 0, inf, 0}};
    EXPECT_TRUE(refused(d));
    d = c;
    d.lines[1][2] = std::nan("");
    EXPECT_TRUE(refused(d));
    d = c;
    d.plottedD = {inf};
    EXPECT_TRUE(refused(d));
}

TEST(XRsTest, ADatasetWithoutVariablesIsRefused) {
    Dataset none;
    none.resize(3, 0);
    const auto r = collectXRs(none, 1);
    ASSERT_FALSE(r.isOk());
    EXPECT_EQ(r.status().message(), kXRsNoVariables);
}
