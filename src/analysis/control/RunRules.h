// The eight run rules (tests for special causes) of a control chart, on the
// plotted values and the chart's lines. The zone width σ of a point is
// (UCL − CL) / 3 of that point, so charts whose limits vary per point (the
// P-Pn charts) are judged against each point's own lines.
//
// Counting:
// - every rule flags the point that completes its pattern; a longer run flags
//   each further point too;
// - a point exactly on CL breaks the runs of rule 2;
// - two equal consecutive values break the runs of rules 3 and 4; rule 3
//   counts points (six points are five steps), rule 4 likewise (fourteen points);
// - rules 5 and 6 count the points strictly beyond 2σ / 1σ on one side within
//   the last three / five points; the flagged point is itself beyond on that
//   side. At the start of the counted points the window is the points there are
//   (two points both beyond 2σ on one side complete rule 5);
// - a point whose σ is not positive, or whose CL or UCL is not finite, takes
//   part in no zone rule (5 to 8): it is never flagged by them and no window or
//   run of theirs reaches across it. A point whose CL is not finite also breaks
//   rule 2's runs. Rule 1 compares with the point's own UCL and LCL only.
// - a value that is not finite breaks every run and is flagged by no rule;
// - points before the first counted one (the Rs chart's empty first point)
//   take part in nothing.
// Every rule is one pass over the points.
#pragma once

#include "analysis/control/ControlChartFill.h"
#include "common/Status.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

enum class RunRule : int {
    BeyondLimits = 1,      // a point beyond a control limit
    SameSide = 2,          // nine points on one side of CL
    Trend = 3,             // six points steadily up or down
    Alternating = 4,       // fourteen points alternating up and down
    TwoOfThreeBeyond2 = 5, // two of three beyond 2σ, one side
    FourOfFiveBeyond1 = 6, // four of five beyond 1σ, one side
    WithinOneSigma = 7,    // fifteen points within 1σ
    BeyondOneSigma = 8,    // eight points beyond 1σ, either side
};
inline constexpr int kRunRuleCount = 8;

// The run lengths and windows of the rules.
inline constexpr int kSameSideRun = 9;
inline constexpr int kTrendRun = 6;
inline constexpr int kAlternatingRun = 14;
inline constexpr int kBeyond2Window = 3, kBeyond2Needed = 2;
inline constexpr int kBeyond1Window = 5, kBeyond1Needed = 4;
inline constexpr int kWithinOneSigmaRun = 15;
inline constexpr int kBeyondOneSigmaRun = 8;

// The one-line Japanese explanation of a rule ("管理限界の外に出た点" ...).
std::string_view runRuleExplanation(RunRule rule);

// Which rules are judged.
class RuleSet {
  public:
    RuleSet() = default;
    static RuleSet defaults(); // rules 1 to 4
    static RuleSet all();
    bool contains(RunRule rule) const { return (m_bits >> bit(rule)) & 1u; }
    void add(RunRule rule) { m_bits = static_cast<std::uint8_t>(m_bits | (1u << bit(rule))); }
    bool empty() const { return m_bits == 0; }
    bool operator==(const RuleSet&) const = default;

  private:
    static unsigned bit(RunRule rule) { return static_cast<unsigned>(static_cast<int>(rule) - 1); }
    std::uint8_t m_bits = 0;
};

// The default rules' text "1,2,3,4" and the word for every rule.
inline constexpr const char* kDefaultRulesText = "1,2,3,4";
inline constexpr const char* kAllRulesText = "all";
// "1,2,5" (rule numbers 1 to 8 separated by commas, each once, any order) or
// "all". Anything else is refused with a Japanese message naming the text.
Result<RuleSet> parseRuleSet(std::string_view text);

struct RunRuleInput {
    std::vector<double> values;
    // The constant lines CL, UCL, LCL, for points without per-point lines.
    std::array<double, 3> lines{};
    // Per-point CL, UCL, LCL; each may be empty (then the constant line holds).
    std::vector<double> centre;
    std::vector<double> upper;
    std::vector<double> lower;
    // The 0-based index of the first point that counts (1 for the Rs chart).
    std::size_t firstPoint = 0;
};

struct RuleSignal {
    int point = 0;          // 1-based
    std::vector<int> rules; // the broken rules' numbers, ascending
    bool operator==(const RuleSignal&) const = default;
};

// The flagged points in point order.
std::vector<RuleSignal> evaluateRunRules(const RunRuleInput& input, const RuleSet& rules);

// "1+5" (or "1,5" with a comma as separator).
std::string joinedRuleNumbers(const std::vector<int>& rules, char separator = '+');

// What the rules read of a control chart as it is filled: its values and its
// control lines (the per-point ones of the P-Pn charts where the chart draws
// them). The rules judge the values against the control lines whatever the
// kind, so a bar or pie drawing of the same data is judged alike, and
// "規格の入力" (specification limits drawn instead) is judged against the
// control lines too. The Rs chart counts from its second point: its first
// moving range is no reading.
RunRuleInput controlRunRuleInput(const ControlChartInput& chart);

// The flags a control chart shows: each flagged point (1-based) with its rule
// numbers joined by commas ("1,5"), in point order.
std::vector<std::pair<int, std::string>> controlChartFlags(const ControlChartInput& chart,
                                                           const RuleSet& rules);

// The series of a filled control chart that carries its values: the first data
// series (after CL, UCL and LCL on the line kind; series 1 on the other kinds).
int controlDataSeries(const ChartModel& model);

// Flags the points of a filled chart's data series that break the rules, with
// their rule numbers ("1,5") beside them. The drawing's reset clears the flags,
// so the window and the gallery call this after the fill.
void flagRunRules(ChartModel& model, const ControlChartInput& chart, const RuleSet& rules);

// A flagged point of a control-chart window, as its list and its report name it.
struct FlaggedPoint {
    int chart = 0;          // 1-based: Graph1, Graph2
    int point = 0;          // 1-based
    std::string label;      // the point's data label ("" where it has none)
    std::vector<int> rules; // ascending
    // The broken rules' explanations, one after the other: "1: 管理限界の外に出た点／5: ...".
    std::string explanation() const;
    bool operator==(const FlaggedPoint&) const = default;
};

// Every flagged point of the charts, chart by chart in point order.
std::vector<FlaggedPoint> flaggedPoints(const std::vector<ControlChartInput>& charts, const RuleSet& rules);

} // namespace zel
