// The Xbar-R window's capability: every measurement subgroup by subgroup and
// the within σ R̄ / d2(n). Subgroups (10 12) (11 15) (9 10) (12 12): R̄ = 7 / 4,
// d2(2) = 1.128, mean 91 / 8, sample variance 23.875 / 7.
#include "analysis/control/XbarRCapability.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel {
namespace {

ChartDataSet fourPairs() {
    ChartDataSet d;
    d.m = 4;
    d.n = 2;
    d.x = {{10, 12}, {11, 15}, {9, 10}, {12, 12}};
    d.sumOfRanges = 7.0;
    return d;
}

TEST(XbarRCapability, UsesEveryValueAndTheMeanRangeOverD2) {
    const Result<Capability> c = xbarRCapability(fourPairs(), {16.0, 7.0, std::nullopt});
    ASSERT_TRUE(c.isOk());
    EXPECT_EQ(c.value().n, 8);
    EXPECT_NEAR(*c.value().mean, 11.375, 1e-12);
    EXPECT_NEAR(*c.value().sigmaOverall, std::sqrt(23.875 / 7.0), 1e-12);
    EXPECT_NEAR(*c.value().sigmaWithin, 1.75 / 1.128, 1e-12);
    // Cp = 9 / (6 x 1.75 / 1.128); Cpk the lower side, 4.375 / (3 x 1.75 / 1.128).
    EXPECT_NEAR(*c.value().cp, 9.0 * 1.128 / 10.5, 1e-12);
    EXPECT_NEAR(*c.value().cpk, 4.375 * 1.128 / 5.25, 1e-12);
}

TEST(XbarRCapability, NoSubgroupsNoWithinSigmaAndReversedLimitsRefused) {
    ChartDataSet empty;
    const Result<Capability> c = xbarRCapability(empty, {1.0, std::nullopt, std::nullopt});
    ASSERT_TRUE(c.isOk());
    EXPECT_EQ(c.value().n, 0);
    EXPECT_FALSE(c.value().sigmaWithin);
    EXPECT_FALSE(c.value().cpu);
    EXPECT_FALSE(xbarRCapability(fourPairs(), {7.0, 16.0, std::nullopt}).isOk());
}

} // namespace
} // namespace zel
