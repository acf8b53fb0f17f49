// Tests of the eight run rules: each on a series that just completes its
// pattern and one that just misses it, ties with CL and between values,
// per-point limits, points outside the zone rules, the skipped first point
// and the rule-list text.
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/RunRules.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"

#include <gtest/gtest.h>

#include "DatasetFixtures.h"

#include <limits>
#include <utility>

using namespace zel;

namespace {

// CL 0, UCL 3, LCL −3: σ = 1.
RunRuleInput unitInput(std::vector<double> values) {
    RunRuleInput in;
    in.values = std::move(values);
    in.lines = {0, 3, -3};
    return in;
}

RuleSet only(RunRule rule) {
    RuleSet s;
    s.add(rule);
    return s;
}

// The 1-based points the one rule flags.
std::vector<int> flagged(const RunRuleInput& in, RunRule rule) {
    std::vector<int> points;
    for (const RuleSignal& s : evaluateRunRules(in, only(rule))) {
        EXPECT_EQ(s.rules, std::vector<int>{static_cast<int>(rule)});
        points.push_back(s.point);
    }
    return points;
}

std::vector<int> flagged(std::vector<double> values, RunRule rule) {
    return flagged(unitInput(std::move(values)), rule);
}

// n values alternating a, −a, a, ... (alternate sides of CL).
std::vector<double> alternating(int n, double a) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.push_back(i % 2 == 0 ? a : -a);
    return v;
}

std::vector<double> repeated(int n, double a) {
    return std::vector<double>(static_cast<std::size_t>(n), a);
}

std::vector<double> joined(std::vector<double> a, const std::vector<double>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

using V = std::vector<int>;

} // namespace

TEST(RunRules, Rule1StrictlyBeyondEitherLimit) {
    EXPECT_EQ(flagged({3.0, -3.0, 3.0001, -3.0001, 0}, RunRule::BeyondLimits), (V{3, 4}));
}

TEST(RunRules, Rule2NinePointsOnOneSideAndACentreTieBreaksTheRun) {
    EXPECT_EQ(flagged(repeated(10, 0.5), RunRule::SameSide), (V{9, 10}));
    EXPECT_EQ(flagged(repeated(10, -0.5), RunRule::SameSide), (V{9, 10}));
    // Eight above, one exactly on CL, eight above: no run of nine.
    EXPECT_EQ(flagged(joined(joined(repeated(8, 0.5), {0.0}), repeated(8, 0.5)), RunRule::SameSide), V{});
    // Eight above, then one below: the side changed.
    EXPECT_EQ(flagged(joined(repeated(8, 0.5), {-0.5}), RunRule::SameSide), V{});
}

TEST(RunRules, Rule3CountsSixPointsAndEqualValuesBreakTheTrend) {
    EXPECT_EQ(flagged({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7}, RunRule::Trend), (V{6, 7}));
    EXPECT_EQ(flagged({0.6, 0.5, 0.4, 0.3, 0.2, 0.1}, RunRule::Trend), (V{6}));
    // Five points are four steps.
    EXPECT_EQ(flagged({0.1, 0.2, 0.3, 0.4, 0.5}, RunRule::Trend), V{});
    // An equal pair in the middle: runs of three and four points.
    EXPECT_EQ(flagged({0.1, 0.2, 0.3, 0.3, 0.4, 0.5, 0.6}, RunRule::Trend), V{});
    // Up five steps but turning down on the last one.
    EXPECT_EQ(flagged({0.1, 0.2, 0.3, 0.4, 0.5, 0.4}, RunRule::Trend), V{});
}

TEST(RunRules, Rule4FourteenPointsAlternating) {
    EXPECT_EQ(flagged(alternating(15, 0.5), RunRule::Alternating), (V{14, 15}));
    EXPECT_EQ(flagged(alternating(13, 0.5), RunRule::Alternating), V{});
    // An equal pair breaks the alternation: 14 values, 13 steps, one of them flat.
    std::vector<double> tie = alternating(14, 0.5);
    tie[7] = tie[6];
    EXPECT_EQ(flagged(tie, RunRule::Alternating), V{});
    // Two steps the same way in the middle.
    std::vector<double> same = alternating(14, 0.5);
    same[7] = 0.7; // 0.5 → 0.7 goes up after an up step from −0.5
    EXPECT_EQ(flagged(same, RunRule::Alternating), V{});
}

TEST(RunRules, Rule5TwoOfThreeBeyondTwoSigmaOnOneSide) {
    EXPECT_EQ(flagged({0, 2.5, 0, 2.5}, RunRule::TwoOfThreeBeyond2), (V{4}));
    EXPECT_EQ(flagged({0, -2.5, -2.5}, RunRule::TwoOfThreeBeyond2), (V{3}));
    // Three points apart: never two in a window of three.
    EXPECT_EQ(flagged({2.5, 0, 0, 2.5}, RunRule::TwoOfThreeBeyond2), V{});
    // Opposite sides.
    EXPECT_EQ(flagged({0, 2.5, -2.5}, RunRule::TwoOfThreeBeyond2), V{});
    // Exactly at 2σ is not beyond it.
    EXPECT_EQ(flagged({0, 2.5, 2.0}, RunRule::TwoOfThreeBeyond2), V{});
    // The point completing the pattern is itself beyond: the trailing 0 is not flagged.
    EXPECT_EQ(flagged({0, 2.5, 2.5, 0}, RunRule::TwoOfThreeBeyond2), (V{3}));
    // At the start the window is the points there are.
    EXPECT_EQ(flagged({2.5, 2.5}, RunRule::TwoOfThreeBeyond2), (V{2}));
}

TEST(RunRules, Rule6FourOfFiveBeyondOneSigmaOnOneSide) {
    EXPECT_EQ(flagged({0, 1.5, 1.5, 0, 1.5, 1.5}, RunRule::FourOfFiveBeyond1), (V{6}));
    EXPECT_EQ(flagged({0, 1.5, 0, 1.5, 0, 1.5, 1.5}, RunRule::FourOfFiveBeyond1), V{});
    EXPECT_EQ(flagged({0, 1.5, 1.5, 1.0, 1.5, 1.5}, RunRule::FourOfFiveBeyond1), (V{6}));
    EXPECT_EQ(flagged({0, 1.5, 1.5, 1.0, 1.5, 1.0}, RunRule::FourOfFiveBeyond1), V{});
    EXPECT_EQ(flagged({0, -1.5, -1.5, 1.5, -1.5, 1.5}, RunRule::FourOfFiveBeyond1), V{});
}

TEST(RunRules, Rule7FifteenWithinOneSigmaOnEitherSideCentreIncluded) {
    std::vector<double> within = alternating(15, 0.9);
    within[4] = 0.0; // on CL is within
    EXPECT_EQ(flagged(within, RunRule::WithinOneSigma), (V{15}));
    // Exactly 1σ away is not within.
    EXPECT_EQ(
        flagged(joined(joined(alternating(14, 0.9), {1.0}), alternating(14, 0.9)), RunRule::WithinOneSigma),
        V{});
}

TEST(RunRules, Rule8EightBeyondOneSigmaOnEitherSide) {
    EXPECT_EQ(flagged(alternating(9, 1.5), RunRule::BeyondOneSigma), (V{8, 9}));
    EXPECT_EQ(
        flagged(joined(joined(alternating(7, 1.5), {-1.0}), alternating(7, 1.5)), RunRule::BeyondOneSigma),
        V{});
}

TEST(RunRules, OnePointBreaksSeveralRulesInAscendingOrder) {
    const std::vector<RuleSignal> got = evaluateRunRules(unitInput({0, 2.5, 3.5}), RuleSet::all());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].point, 3);
    EXPECT_EQ(got[0].rules, (V{1, 5}));
    EXPECT_EQ(joinedRuleNumbers(got[0].rules), "1+5");
}

TEST(RunRules, DefaultSetJudgesOnlyTheFirstFour) {
    // Two of three beyond 2σ and eight beyond 1σ, none of rules 1 to 4.
    const RunRuleInput in = unitInput(alternating(8, 2.5));
    EXPECT_TRUE(evaluateRunRules(in, RuleSet::defaults()).empty());
    EXPECT_FALSE(evaluateRunRules(in, RuleSet::all()).empty());
}

TEST(RunRules, PerPointLimitsJudgeEachPointAgainstItsOwnLines) {
    RunRuleInput in;
    in.values = {0.30, 0.30, 0.22, 0.22};
    in.lines = {0.1, 0.2, 0.0}; // not used: every point has its own lines
    in.centre = {0.1, 0.1, 0.1, 0.1};
    in.upper = {0.25, 0.35, 0.25, 0.4};
    in.lower = {0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(flagged(in, RunRule::BeyondLimits), (V{1}));
    // 2σ of the points: 0.1 + 2 x 0.05 = 0.2, 0.1 + 2 x 0.0833 = 0.267, 0.2, 0.3.
    EXPECT_EQ(flagged(in, RunRule::TwoOfThreeBeyond2), (V{2, 3}));
}

TEST(RunRules, PointsWithoutAZoneTakePartInNoZoneRule) {
    // Point 5 has UCL on CL (σ = 0): it still breaks rule 1, but breaks the
    // run of rule 8 and is never flagged by rules 5 to 8.
    RunRuleInput in = unitInput(joined(joined(alternating(4, 1.5), {1.5}), alternating(4, 1.5)));
    in.upper = std::vector<double>(in.values.size(), 3.0);
    in.upper[4] = 0.0;
    EXPECT_EQ(flagged(in, RunRule::BeyondOneSigma), V{});
    EXPECT_EQ(flagged(in, RunRule::BeyondLimits), (V{5}));
    // Without it the nine points make a run.
    in.upper[4] = 3.0;
    EXPECT_EQ(flagged(in, RunRule::BeyondOneSigma), (V{8, 9}));
    // A window of rule 6 does not reach across a point without a zone either.
    RunRuleInput cut = unitInput({1.5, 1.5, 0, 1.5, 1.5});
    cut.upper = {3, 3, 3, 3, 3};
    cut.upper[2] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(flagged(cut, RunRule::FourOfFiveBeyond1), V{});
}

TEST(RunRules, PointsBeforeTheFirstCountedOneTakePartInNothing) {
    RunRuleInput in = unitInput({-5, 0.1, 0.2, 0.3, 0.4, 0.5});
    EXPECT_EQ(flagged(in, RunRule::BeyondLimits), (V{1}));
    EXPECT_EQ(flagged(in, RunRule::Trend), (V{6}));
    in.firstPoint = 1;
    EXPECT_EQ(flagged(in, RunRule::BeyondLimits), V{});
    EXPECT_EQ(flagged(in, RunRule::Trend), V{});
}

TEST(RunRules, ExplanationsAreOneLineEach) {
    EXPECT_EQ(runRuleExplanation(RunRule::BeyondLimits), "管理限界の外に出た点");
    for (int r = 1; r <= kRunRuleCount; ++r) {
        const std::string_view text = runRuleExplanation(static_cast<RunRule>(r));
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find('\n'), std::string_view::npos);
    }
}

TEST(RunRuleText, ReadsNumbersAndAll) {
    const Result<RuleSet> some = parseRuleSet("5,1,2");
    ASSERT_TRUE(some);
    RuleSet expected;
    for (RunRule r : {RunRule::BeyondLimits, RunRule::SameSide, RunRule::TwoOfThreeBeyond2})
        expected.add(r);
    EXPECT_EQ(some.value(), expected);
    ASSERT_TRUE(parseRuleSet("all"));
    EXPECT_EQ(parseRuleSet("all").value(), RuleSet::all());
    ASSERT_TRUE(parseRuleSet(kDefaultRulesText));
    EXPECT_EQ(parseRuleSet(kDefaultRulesText).value(), RuleSet::defaults());
    ASSERT_TRUE(parseRuleSet("8"));
}

TEST(RunRuleText, RefusesAnythingElseNamingTheText) {
    for (const char* bad :
         {"", "0", "9", "1,,2", "1,2,", ",1", "1,1", " 1", "1 ,2", "12", "ALL", "1;2", "x"}) {
        const Result<RuleSet> r = parseRuleSet(bad);
        ASSERT_FALSE(r) << bad;
        EXPECT_EQ(r.status().code(), StatusCode::InvalidArgument);
        EXPECT_NE(r.status().message().find("判定ルール"), std::string::npos);
        EXPECT_TRUE(r.status().message().ends_with(std::string(": ") + bad)) << r.status().message();
    }
}

namespace {

std::vector<RuleSignal> signalsOf(const ControlChartInput& chart,
                                  const RuleSet& rules = RuleSet::defaults()) {
    return evaluateRunRules(controlRunRuleInput(chart), rules);
}

} // namespace

TEST(ControlChartRunRules, XbarRChartsTakeTheirOwnRowOfLines) {
    // Means 2, 4, 4 and ranges 2, 4, 0, each chart with its own row of L.
    const ChartDataSet c = computeXbarR(uitest::labelledRows({{1, 3}, {2, 6}, {4, 4}})).value();
    const RunRuleInput mean = controlRunRuleInput(xbarRInput(c, 0));
    EXPECT_EQ(mean.values, c.mean);
    EXPECT_EQ(mean.lines, c.lines[0]);
    EXPECT_EQ(mean.firstPoint, 0u);
    const RunRuleInput range = controlRunRuleInput(xbarRInput(c, 1));
    EXPECT_EQ(range.values, c.range);
    EXPECT_EQ(range.lines, c.lines[1]);
    EXPECT_TRUE(range.centre.empty() && range.upper.empty() && range.lower.empty());
}

TEST(ControlChartRunRules, TheRsChartStartsAtItsSecondPoint) {
    // X 0, 1, 3, 6, 10, 15: six points rising (rule 3), the last above the UCL
    // 5.833 + 2.66 x 3 = 13.81. Rs 0, 1, 2, 3, 4, 5 would be six rising points
    // too, but the first moving range is no reading.
    ChartDataSet c = collectXRs(uitest::labelledRows({{0}, {1}, {3}, {6}, {10}, {15}}), 1).value();
    ASSERT_TRUE(computeXRsLines(c).isOk());
    EXPECT_EQ(signalsOf(xRsInput(c, 0)), (std::vector<RuleSignal>{{6, {1, 3}}}));
    EXPECT_EQ(controlRunRuleInput(xRsInput(c, 1)).firstPoint, 1u);
    EXPECT_TRUE(signalsOf(xRsInput(c, 1)).empty());
}

TEST(ControlChartRunRules, ChartFlagsJoinTheRuleNumbersWithCommas) {
    // The rising X 0, 1, 3, 6, 10, 15 of the Rs test: point 6 breaks rules 1 and 3.
    ChartDataSet c = collectXRs(uitest::labelledRows({{0}, {1}, {3}, {6}, {10}, {15}}), 1).value();
    ASSERT_TRUE(computeXRsLines(c).isOk());
    using Flags = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(controlChartFlags(xRsInput(c, 0), RuleSet::defaults()), (Flags{{6, "1,3"}}));
    EXPECT_EQ(controlChartFlags(xRsInput(c, 0), parseRuleSet("3").value()), (Flags{{6, "3"}}));
    EXPECT_TRUE(controlChartFlags(xRsInput(c, 0), RuleSet{}).empty());
    EXPECT_TRUE(controlChartFlags(xRsInput(c, 1), RuleSet::all()).empty());
}

TEST(ControlChartRunRules, PPnChartsJudgeEachLotAgainstTheLinesTheyDraw) {
    // Lots (200, 10), (200, 10), (20, 4): pbar 24/420. Lot 3's p 0.2 lies
    // below its own UCL (about 0.213, a small lot) but above the constant one.
    auto r = collectPPn(uitest::labelledRows({{200, 10}, {200, 10}, {20, 4}}), 1, 2);
    ASSERT_TRUE(r.isOk());
    ChartDataSet c = *r;
    ASSERT_TRUE(computePPnLines(c).isOk());
    fillPPnPlotted(c);
    ASSERT_LT(0.2, c.pTable[3][1]);
    ASSERT_GT(0.2, c.lines[0][1]);

    const ControlChartInput p = pPnInput(c, 0, true);
    const RunRuleInput pIn = controlRunRuleInput(p);
    EXPECT_EQ(pIn.upper, p.pointUpper);
    EXPECT_EQ(pIn.lower, p.pointLower);
    EXPECT_TRUE(signalsOf(p).empty());
    // The p chart drawing the constant lines is judged against them.
    EXPECT_EQ(signalsOf(pPnInput(c, 0, false)), (std::vector<RuleSignal>{{3, {1}}}));

    const ControlChartInput pn = pPnInput(c, 1, true);
    const RunRuleInput pnIn = controlRunRuleInput(pn);
    EXPECT_EQ(pnIn.centre, pn.pointCentre);
    EXPECT_EQ(pnIn.upper, pn.pointUpper);
    EXPECT_TRUE(signalsOf(pn).empty());
}

TEST(ControlChartRunRules, EnteredLimitsDoNotReplaceTheControlLines) {
    const auto c = computeDefectCount(uitest::labelledRows({{2}, {4}, {3}, {5}, {1}}), 1);
    ASSERT_TRUE(c.isOk());
    ControlChartInput in = defectInput(*c);
    in.kind = kEnteredLimitsKind;
    in.entered = EnteredLimits{4.5, 1.5, false}; // the counts 5 and 1 lie outside these
    EXPECT_EQ(controlRunRuleInput(in).lines, c->lines[0]);
    EXPECT_TRUE(signalsOf(in, RuleSet::all()).empty());
}

TEST(ControlChartRunRules, FlagsLandOnTheDataSeriesOfTheFilledChart) {
    // The rising X 0, 1, 3, 6, 10, 15: point 6 breaks rules 1 and 3. The line
    // kind draws CL, UCL and LCL first and the values as series 4; the bar
    // kind draws the values alone.
    ChartDataSet c = collectXRs(uitest::labelledRows({{0}, {1}, {3}, {6}, {10}, {15}}), 1).value();
    ASSERT_TRUE(computeXRsLines(c).isOk());
    using Flags = std::vector<std::pair<int, std::string>>;
    for (const auto& [kind, series] : {std::pair{kLineKind, 4}, std::pair{"棒グラフ", 1}}) {
        ControlChartInput in = xRsInput(c, 0);
        in.kind = kind;
        ChartModel m;
        ASSERT_TRUE(fillControlChart(m, in)) << kind;
        EXPECT_EQ(controlDataSeries(m), series) << kind;
        flagRunRules(m, in, RuleSet::defaults());
        EXPECT_EQ(m.signalsOf(series), (Flags{{6, "1,3"}})) << kind;
        for (int s = 1; s <= m.seriesCount(); ++s) {
            if (s == series) continue;
            EXPECT_TRUE(m.signalsOf(s).empty()) << kind << " " << s;
        }
    }
    // The defect-count chart draws its counts first, before its lines: the 17
    // among 2s lies above the UCL 4.5 + 3√4.5 ≈ 10.86.
    const auto d = computeDefectCount(uitest::labelledRows({{2}, {2}, {2}, {17}, {2}, {2}}), 1);
    ASSERT_TRUE(d.isOk());
    ChartModel counts;
    ASSERT_TRUE(fillControlChart(counts, defectInput(*d)));
    EXPECT_EQ(controlDataSeries(counts), 1);
    flagRunRules(counts, defectInput(*d), RuleSet::defaults());
    EXPECT_EQ(counts.signalsOf(1), (Flags{{4, "1"}}));
}
