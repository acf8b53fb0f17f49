// Tests of the process capability: the indices of a textbook example and of a
// series worked out by hand, one-sided limits, no spread, the d2 table, values
// on the limits and the expected parts per million against table values.
#include "analysis/Capability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zel;

namespace {

SpecificationLimits limits(std::optional<double> upper, std::optional<double> lower,
                           std::optional<double> target = std::nullopt) {
    return {upper, lower, target};
}

Capability capabilityOf(const std::vector<double>& values, const SpecificationLimits& given,
                        std::optional<double> sigmaWithin) {
    const Result<Capability> c = computeCapability(values, given, sigmaWithin);
    EXPECT_TRUE(c) << c.status().message();
    return c ? c.value() : Capability{};
}

void expectNear(const std::optional<double>& actual, double expected, double tolerance, const char* name) {
    ASSERT_TRUE(actual.has_value()) << name;
    EXPECT_NEAR(*actual, expected, tolerance) << name;
}

} // namespace

TEST(CapabilityTest, D2TableForSubgroupsOfTwoToTen) {
    const double d2[] = {1.128, 1.693, 2.059, 2.326, 2.534, 2.704, 2.847, 2.970, 3.078};
    for (int n = 2; n <= 10; ++n)
        EXPECT_EQ(d2Constant(n), d2[n - 2]) << "n = " << n;
    EXPECT_FALSE(d2Constant(1));
    EXPECT_FALSE(d2Constant(11));
    EXPECT_FALSE(d2Constant(0));
    // R̄ / d2(n), and no σ where the table has no entry.
    expectNear(withinSigmaFromRanges(2.326, 5), 1.0, 1e-12, "R/d2(5)");
    expectNear(withinSigmaFromRanges(6.156, 10), 2.0, 1e-12, "R/d2(10)");
    EXPECT_FALSE(withinSigmaFromRanges(1.0, 11));
    EXPECT_FALSE(withinSigmaFromRanges(1.0, 1));
}

TEST(CapabilityTest, MovingRangesInSampleOrder) {
    // |Δ| = 2, 4, 3: MR̄ = 3, σ = 3 / 1.128. The order matters, sorted it would be 1, 1, 7.
    expectNear(withinSigmaFromMovingRanges({1, 3, -1, 2}), 3.0 / 1.128, 1e-12, "MR/d2(2)");
    expectNear(withinSigmaFromMovingRanges({5, 5, 5}), 0.0, 0.0, "no moving range");
    EXPECT_FALSE(withinSigmaFromMovingRanges({4}));
    EXPECT_FALSE(withinSigmaFromMovingRanges({}));
}

TEST(CapabilityTest, TextbookExamples) {
    // A textbook example: USL 20, LSL 8, mean 16, σ 2 gives Cp = 1, Cpu = 2/3,
    // Cpl = 4/3, Cpk = 2/3. The values 14, 16, 18 have that mean and sample σ.
    const Capability c = capabilityOf({14, 16, 18}, limits(20, 8), 2.0);
    EXPECT_EQ(c.n, 3);
    expectNear(c.mean, 16, 1e-12, "mean");
    expectNear(c.sigmaOverall, 2, 1e-12, "sigma overall");
    expectNear(c.sigmaWithin, 2, 0, "sigma within");
    expectNear(c.cp, 1, 1e-12, "Cp");
    expectNear(c.cpu, 2.0 / 3, 1e-12, "Cpu");
    expectNear(c.cpl, 4.0 / 3, 1e-12, "Cpl");
    expectNear(c.cpk, 2.0 / 3, 1e-12, "Cpk");
    expectNear(c.pp, 1, 1e-12, "Pp");
    expectNear(c.ppk, 2.0 / 3, 1e-12, "Ppk");
    expectNear(c.ppmObserved, 0, 0, "ppm observed");
    // Normal table: Φ(−2) = 0.0227501, Φ(−4) = 0.0000317.
    expectNear(c.ppmExpected, 22750.1 + 31.7, 0.1, "ppm expected");

    // Another textbook example: subgroups of five with R̄ = 0.32521 between
    // the limits 1.00 and 2.00; σ = R̄ / d2 = 0.1398 and Cp = 1.192 as published.
    const std::optional<double> within = withinSigmaFromRanges(0.32521, 5);
    expectNear(within, 0.1398, 5e-5, "R/d2");
    const Capability flow = capabilityOf({1.4, 1.6112}, limits(2.00, 1.00), within);
    expectNear(flow.cp, 1.192, 5e-4, "Cp");
    // Mean 1.5056, nearer the upper limit: Cpk = 0.4944 / (3 × 0.13982) = 1.1787.
    expectNear(flow.cpk, 1.1787, 5e-4, "Cpk");
}

TEST(CapabilityTest, SeriesWorkedByHand) {
    // Mean 10, Σd² = 0.30, σ = √(0.30 / 9) = 1 / √30; |Δ| sum 2.5 over 9: MR̄ = 2.5 / 9.
    const std::vector<double> v = {9.8, 10.2, 10.0, 10.1, 9.9, 10.3, 9.7, 10.0, 10.1, 9.9};
    const std::optional<double> within = withinSigmaFromMovingRanges(v);
    expectNear(within, 2.5 / 9 / 1.128, 1e-12, "MR/d2(2)");
    const Capability c = capabilityOf(v, limits(10.5, 9.4), within);
    expectNear(c.mean, 10, 1e-12, "mean");
    expectNear(c.sigmaOverall, 1 / std::sqrt(30.0), 1e-12, "sigma overall");
    // Cp = 1.1 × 1.128 × 9 / (6 × 2.5), Cpu = 0.5 × 10.152 / 7.5, Cpl = 0.6 × 10.152 / 7.5.
    expectNear(c.cp, 0.74448, 1e-12, "Cp");
    expectNear(c.cpu, 0.6768, 1e-12, "Cpu");
    expectNear(c.cpl, 0.81216, 1e-12, "Cpl");
    expectNear(c.cpk, 0.6768, 1e-12, "Cpk");
    expectNear(c.pp, 1.1 * std::sqrt(30.0) / 6, 1e-12, "Pp");
    expectNear(c.ppk, 0.5 * std::sqrt(30.0) / 3, 1e-12, "Ppk");
    // Φ(−0.5√30) + Φ(−0.6√30) = Φ(−2.7386) + Φ(−3.2863) ≈ 0.003085 + 0.000507.
    expectNear(c.ppmExpected, 3592, 1.0, "ppm expected");
}

TEST(CapabilityTest, OneLimitLeavesOutTheTwoSidedIndices) {
    const std::vector<double> v = {14, 16, 18};
    const Capability upper = capabilityOf(v, limits(20, std::nullopt), 2.0);
    EXPECT_FALSE(upper.cp);
    EXPECT_FALSE(upper.pp);
    EXPECT_FALSE(upper.cpl);
    expectNear(upper.cpu, 2.0 / 3, 1e-12, "Cpu");
    expectNear(upper.cpk, 2.0 / 3, 1e-12, "Cpk of the upper side");
    expectNear(upper.ppk, 2.0 / 3, 1e-12, "Ppk of the upper side");
    expectNear(upper.ppmExpected, 22750.1, 0.1, "ppm expected above only");

    const Capability lower = capabilityOf(v, limits(std::nullopt, 8), 2.0);
    EXPECT_FALSE(lower.cp);
    EXPECT_FALSE(lower.pp);
    EXPECT_FALSE(lower.cpu);
    expectNear(lower.cpl, 4.0 / 3, 1e-12, "Cpl");
    expectNear(lower.cpk, 4.0 / 3, 1e-12, "Cpk of the lower side");
    expectNear(lower.ppmExpected, 31.7, 0.05, "ppm expected below only");

    // Without a limit only the spread is known.
    const Capability none = capabilityOf(v, limits(std::nullopt, std::nullopt), 2.0);
    EXPECT_FALSE(none.cpk);
    EXPECT_FALSE(none.ppk);
    EXPECT_FALSE(none.ppmObserved);
    EXPECT_FALSE(none.ppmExpected);
    expectNear(none.sigmaOverall, 2, 1e-12, "sigma overall");
}

TEST(CapabilityTest, NoSpreadOrTooFewValuesLeaveOutTheSigmaIndices) {
    // Equal values whose mean does not come out exactly in binary: still no spread.
    const Capability same = capabilityOf(std::vector<double>(7, 0.1), limits(1, -1), 0.0);
    expectNear(same.sigmaOverall, 0, 0, "sigma overall");
    for (const auto* index :
         {&same.cp, &same.cpk, &same.cpu, &same.cpl, &same.pp, &same.ppk, &same.ppmExpected})
        EXPECT_FALSE(*index);
    expectNear(same.ppmObserved, 0, 0, "ppm observed");

    // Spread overall but none within the subgroups: only the overall indices.
    const Capability noWithin = capabilityOf({14, 16, 18}, limits(20, 8), 0.0);
    EXPECT_FALSE(noWithin.cp);
    EXPECT_FALSE(noWithin.cpk);
    expectNear(noWithin.pp, 1, 1e-12, "Pp");
    const Capability unknownWithin = capabilityOf({14, 16, 18}, limits(20, 8), std::nullopt);
    EXPECT_FALSE(unknownWithin.cpu);
    expectNear(unknownWithin.ppk, 2.0 / 3, 1e-12, "Ppk");

    const Capability one = capabilityOf({21}, limits(20, 8), std::nullopt);
    EXPECT_EQ(one.n, 1);
    expectNear(one.mean, 21, 0, "mean");
    EXPECT_FALSE(one.sigmaOverall);
    EXPECT_FALSE(one.pp);
    EXPECT_FALSE(one.ppmExpected);
    expectNear(one.ppmObserved, 1e6, 0, "ppm observed");

    const Capability empty = capabilityOf({}, limits(20, 8), std::nullopt);
    EXPECT_EQ(empty.n, 0);
    EXPECT_FALSE(empty.mean);
    EXPECT_FALSE(empty.ppmObserved);
}

TEST(CapabilityTest, ValuesOnTheLimitsAreInside) {
    // 1 below and 5 above; 2 and 4 lie on the limits.
    const std::vector<double> v = {1, 2, 3, 4, 5};
    expectNear(capabilityOf(v, limits(4, 2), std::nullopt).ppmObserved, 400000, 0, "both");
    expectNear(capabilityOf(v, limits(4, std::nullopt), std::nullopt).ppmObserved, 200000, 0, "upper");
    expectNear(capabilityOf(v, limits(std::nullopt, 1), std::nullopt).ppmObserved, 0, 0, "lower on 1");
    expectNear(capabilityOf({4, 4, 2, 2}, limits(4, 2), std::nullopt).ppmObserved, 0, 0, "all on");
}

TEST(CapabilityTest, LimitsThatCannotBeUsedAreRefused) {
    const auto refusal = [](const SpecificationLimits& given) {
        const Result<Capability> c = computeCapability({1, 2, 3}, given, 1.0);
        EXPECT_FALSE(c);
        EXPECT_EQ(checkSpecificationLimits(given).message(), c.status().message());
        return c.status().message();
    };
    EXPECT_EQ(refusal(limits(1, 2)), "下限規格が上限規格より大きくなっています。");
    EXPECT_EQ(refusal(limits(2, 2)), "上限規格と下限規格が同じ値です。");
    EXPECT_EQ(refusal(limits(4, 2, 5)), "目標値が規格の範囲外です。");
    EXPECT_EQ(refusal(limits(std::nullopt, 2, 1.5)), "目標値が規格の範囲外です。");
    EXPECT_EQ(refusal(limits(std::nullopt, std::nullopt, 7)),
              "目標値は上限規格か下限規格と一緒に指定してください。");
    EXPECT_EQ(refusal(limits(std::numeric_limits<double>::infinity(), 2)),
              "規格値には数値を指定してください。");
    EXPECT_EQ(refusal(limits(3, std::nullopt, std::nan(""))), "規格値には数値を指定してください。");
    // A target on a limit, one limit, and nothing at all are accepted.
    EXPECT_TRUE(checkSpecificationLimits(limits(4, 2, 4)));
    EXPECT_TRUE(checkSpecificationLimits(limits(std::nullopt, std::nullopt)));
    EXPECT_TRUE(checkSpecificationLimits(limits(std::nullopt, 2)));
}

TEST(CapabilityTest, TypedFieldsEmptyOrNumbers) {
    const Result<SpecificationLimits> both = specificationFromTexts("10.5", " 9.4 ", "");
    ASSERT_TRUE(both) << both.status().message();
    EXPECT_EQ(both->upper, 10.5);
    EXPECT_EQ(both->lower, 9.4);
    EXPECT_FALSE(both->target);
    const Result<SpecificationLimits> upper = specificationFromTexts("-2e1", "  ", "-25");
    ASSERT_TRUE(upper) << upper.status().message();
    EXPECT_EQ(upper->upper, -20);
    EXPECT_FALSE(upper->lower);
    EXPECT_EQ(upper->target, -25);
    const Result<SpecificationLimits> none = specificationFromTexts("", "", "");
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->hasLimit());

    const auto refusal = [](const std::string& u, const std::string& l, const std::string& t) {
        const Result<SpecificationLimits> r = specificationFromTexts(u, l, t);
        EXPECT_FALSE(r);
        return r.status().message();
    };
    EXPECT_EQ(refusal("1O", "", ""), "上限規格には数値を入力してください。");
    EXPECT_EQ(refusal("3", "1,5", ""), "下限規格には数値を入力してください。");
    EXPECT_EQ(refusal("3", "1", "abc"), "目標値には数値を入力してください。");
    EXPECT_EQ(refusal("1e999", "", ""), "上限規格には数値を入力してください。");
    EXPECT_EQ(refusal("1", "3", ""), "下限規格が上限規格より大きくなっています。");
    EXPECT_EQ(refusal("", "", "3"), "目標値は上限規格か下限規格と一緒に指定してください。");
}

TEST(CapabilityTest, ExtremeValuesGiveNoIndexRatherThanInfinity) {
    // The spread overflows: no overall σ, so no overall index.
    const double big = std::numeric_limits<double>::max();
    const Capability c = capabilityOf({-big, big, -big, big}, limits(1, -1), std::nullopt);
    EXPECT_FALSE(c.sigmaOverall && !std::isfinite(*c.sigmaOverall));
    EXPECT_FALSE(c.pp && !std::isfinite(*c.pp));
    EXPECT_FALSE(c.ppmExpected && !std::isfinite(*c.ppmExpected));
    expectNear(c.ppmObserved, 1e6, 0, "ppm observed");
}
