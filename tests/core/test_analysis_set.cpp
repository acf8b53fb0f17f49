// Tests of the Analysis set: series building from unmasked samples, "全データ",
// refusals of bad list positions, and the stable variance.
#include "analysis/AnalysisSet.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zel;

namespace {

// 5 samples x 3 variables; value = 10 * sample + variable; sample 2 masked.
Dataset sample() {
    Dataset ds;
    ds.resize(5, 3);
    for (int v = 1; v <= 3; ++v)
        ds.setName(v, "V" + std::to_string(v));
    for (int i = 1; i <= 5; ++i) {
        ds.setLabel(i, "L" + std::to_string(i));
        for (int v = 1; v <= 3; ++v)
            ds.setValue(i, v, 10.0 * i + v);
    }
    ds.setMask(2, 1);
    return ds;
}

// The one-pass formula, as a reference for ordinary data.
double onePassVariance(const std::vector<double>& v) {
    double s1 = 0, s2 = 0;
    for (double x : v) {
        s1 += x;
        s2 += x * x;
    }
    const double n = static_cast<double>(v.size());
    return (s2 - s1 * s1 / n) / (n - 1);
}

bool sameTo12Digits(double a, double b) {
    return std::fabs(a - b) <= 5e-12 * std::fabs(b);
}

} // namespace

TEST(AnalysisSetBuild, TwoSeriesSkipMaskedSamplesWithoutGaps) {
    const auto r = buildAnalysisSet(sample(), {3, 1});
    ASSERT_TRUE(r.isOk());
    const AnalysisSet& s = *r;
    EXPECT_EQ(s.seriesCount, 2);
    EXPECT_EQ(s.variables, (std::vector<int>{3, 1}));
    EXPECT_EQ(s.names, (std::vector<std::string>{"V3", "V1"}));
    EXPECT_EQ(s.n, 4);
    EXPECT_EQ(s.values[0], (std::vector<double>{13, 33, 43, 53}));
    EXPECT_EQ(s.values[1], (std::vector<double>{11, 31, 41, 51}));
    EXPECT_EQ(s.labels, (std::vector<std::string>{"L1", "L3", "L4", "L5"}));
    ASSERT_EQ(s.stats.size(), 2u);
    // V1: 11 + 31 + 41 + 51 = 134, squares 121 + 961 + 1681 + 2601 = 5364.
    EXPECT_DOUBLE_EQ(s.stats[1].s1, 134.0);
    EXPECT_DOUBLE_EQ(s.stats[1].s2, 5364.0);
    EXPECT_DOUBLE_EQ(s.stats[1].mean, 33.5);
    // Deviations -22.5, -2.5, 7.5, 17.5: squares 506.25 + 6.25 + 56.25 + 306.25 = 875; / 3.
    EXPECT_NEAR(s.stats[1].variance, 875.0 / 3.0, 1e-12);
    EXPECT_NEAR(s.stats[1].sd, std::sqrt(875.0 / 3.0), 1e-12);
}

TEST(AnalysisSetBuild, AllDataGoesSampleBySampleWithPositionLabels) {
    Dataset ds = sample();
    ds.setMask(2, 0);
    ds.setMask(5, 1); // 4 unmasked samples x 3 variables
    const auto r = buildAnalysisSet(ds, {4});
    ASSERT_TRUE(r.isOk());
    EXPECT_EQ(r->seriesCount, 1);
    EXPECT_TRUE(r->variables.empty());
    EXPECT_EQ(r->names, (std::vector<std::string>{"全データ"}));
    EXPECT_EQ(r->n, 12);
    EXPECT_EQ(r->values[0], (std::vector<double>{11, 12, 13, 21, 22, 23, 31, 32, 33, 41, 42, 43}));
    ASSERT_EQ(r->labels.size(), 12u);
    EXPECT_EQ(r->labels.front(), "1");
    EXPECT_EQ(r->labels[9], "10");
    EXPECT_EQ(r->labels.back(), "12");
}

TEST(AnalysisSetBuild, RefusesPositionsOutsideTheList) {
    const Dataset ds = sample();
    EXPECT_EQ(buildAnalysisSet(ds, {}).status().code(), StatusCode::InvalidArgument);
    EXPECT_EQ(buildAnalysisSet(ds, {0}).status().code(), StatusCode::InvalidArgument);
    EXPECT_EQ(buildAnalysisSet(ds, {5}).status().code(), StatusCode::InvalidArgument);
    // "全データ" exists only in the one-variable list.
    EXPECT_EQ(buildAnalysisSet(ds, {1, 4}).status().code(), StatusCode::InvalidArgument);
    EXPECT_TRUE(buildAnalysisSet(ds, {1, 2, 3}).isOk());
}

TEST(SeriesStatisticsTest, LargeOffsetKeepsItsDigits) {
    // Deviations from the mean 10000000.2 are -0.1, 0, 0.1: variance 0.02 / 2 = 0.01.
    // The one-pass formula subtracts two numbers near 3e14 and keeps no digit of it.
    const std::vector<double> v = {10000000.1, 10000000.2, 10000000.3};
    const SeriesStatistics st = seriesStatistics(v);
    EXPECT_NEAR(st.variance, 0.01, 1e-9);
    EXPECT_NEAR(st.sd, 0.1, 1e-8);
    EXPECT_NEAR(st.mean, 10000000.2, 1e-7);
    EXPECT_GT(std::fabs(onePassVariance(v) - 0.01), 1e-4); // the fault that is avoided
    EXPECT_DOUBLE_EQ(st.s1, 10000000.1 + 10000000.2 + 10000000.3);
}

TEST(SeriesStatisticsTest, AgreesWithOnePassOnOrdinaryData) {
    const std::vector<std::vector<double>> sets = {
        {2.5, 3.1, 4.7, 1.9, 3.3},
        {-12.25, 7.5, 0.125, 3, 99.75, -40},
        {1e-3, 2e-3, 4e-3},
        {12.4, 19.8, 3.1, 7.0, 15.5, 9.25, 1.0},
    };
    for (const auto& v : sets) {
        const SeriesStatistics st = seriesStatistics(v);
        EXPECT_TRUE(sameTo12Digits(st.variance, onePassVariance(v))) << st.variance;
    }
}

TEST(SeriesStatisticsTest, ShortSeries) {
    EXPECT_DOUBLE_EQ(seriesStatistics({}).mean, 0.0);
    const SeriesStatistics one = seriesStatistics({7.0});
    EXPECT_DOUBLE_EQ(one.mean, 7.0);
    EXPECT_DOUBLE_EQ(one.variance, 0.0);
    const SeriesStatistics same = seriesStatistics({0.3, 0.3, 0.3});
    EXPECT_DOUBLE_EQ(same.variance, 0.0);
    EXPECT_DOUBLE_EQ(same.sd, 0.0);
}
