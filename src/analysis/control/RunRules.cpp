// The eight run rules: one pass per rule over the points of a chart.
#include "analysis/control/RunRules.h"

#include <cmath>

namespace zel {
namespace {

constexpr std::array<std::string_view, kRunRuleCount> kExplanations{
    "管理限界の外に出た点",
    "中心線の同じ側に9点連続",
    "6点連続して上昇または下降",
    "14点連続して交互に上下",
    "連続3点中2点が同じ側の2σを超えた",
    "連続5点中4点が同じ側の1σを超えた",
    "15点連続して中心線から1σ以内",
    "8点連続して中心線から1σを超えた（両側）",
};

// What the rules read of one point.
struct Point {
    bool counted = false; // a counted point with a finite value
    bool zone = false;    // takes part in the zone rules (5 to 8)
    double value = 0, cl = 0, ucl = 0, lcl = 0, sigma = 0;
};

double lineAt(const std::vector<double>& perPoint, std::size_t i, double constant) {
    return i < perPoint.size() ? perPoint[i] : constant;
}

int signOf(double d) {
    return d > 0 ? 1 : (d < 0 ? -1 : 0);
}

std::vector<Point> pointsOf(const RunRuleInput& in) {
    std::vector<Point> points(in.values.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        Point& p = points[i];
        p.value = in.values[i];
        p.counted = i >= in.firstPoint && std::isfinite(p.value);
        p.cl = lineAt(in.centre, i, in.lines[0]);
        p.ucl = lineAt(in.upper, i, in.lines[1]);
        p.lcl = lineAt(in.lower, i, in.lines[2]);
        p.sigma = (p.ucl - p.cl) / 3.0;
        p.zone =
            p.counted && std::isfinite(p.cl) && std::isfinite(p.ucl) && std::isfinite(p.sigma) && p.sigma > 0;
    }
    return points;
}

// Marks rule `rule` on point i.
void mark(std::vector<std::uint8_t>& flags, std::size_t i, RunRule rule) {
    flags[i] = static_cast<std::uint8_t>(flags[i] | (1u << (static_cast<int>(rule) - 1)));
}

void beyondLimits(const std::vector<Point>& pts, std::vector<std::uint8_t>& flags) {
    for (std::size_t i = 0; i < pts.size(); ++i)
        if (pts[i].counted && (pts[i].value > pts[i].ucl || pts[i].value < pts[i].lcl))
            mark(flags, i, RunRule::BeyondLimits);
}

void sameSide(const std::vector<Point>& pts, std::vector<std::uint8_t>& flags) {
    int run = 0, previous = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point& p = pts[i];
        const int side = p.counted && std::isfinite(p.cl) ? signOf(p.value - p.cl) : 0;
        run = side == 0 ? 0 : (side == previous ? run + 1 : 1);
        previous = side;
        if (run >= kSameSideRun) mark(flags, i, RunRule::SameSide);
    }
}

// Rules 3 and 4 on the steps between consecutive counted points.
void steps(const std::vector<Point>& pts, const RuleSet& rules, std::vector<std::uint8_t>& flags) {
    int trend = 0, alternating = 0, previous = 0; // runs in steps
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const bool step = i > 0 && pts[i].counted && pts[i - 1].counted;
        const int d = step ? signOf(pts[i].value - pts[i - 1].value) : 0;
        trend = d == 0 ? 0 : (d == previous ? trend + 1 : 1);
        alternating = d == 0 ? 0 : (d == -previous ? alternating + 1 : 1);
        previous = d;
        if (rules.contains(RunRule::Trend) && trend >= kTrendRun - 1) mark(flags, i, RunRule::Trend);
        if (rules.contains(RunRule::Alternating) && alternating >= kAlternatingRun - 1)
            mark(flags, i, RunRule::Alternating);
    }
}

// Rules 5 and 6: `needed` of the last `window` zone points strictly beyond
// k σ on the side of point i, point i among them.
void kOfWindow(const std::vector<Point>& pts, double k, int window, int needed, RunRule rule,
               std::vector<std::uint8_t>& flags) {
    const auto sideOf = [&](const Point& p) {
        if (p.value > p.cl + k * p.sigma) return 1;
        if (p.value < p.cl - k * p.sigma) return -1;
        return 0;
    };
    std::size_t start = 0; // the first point of the current stretch of zone points
    for (std::size_t i = 0; i < pts.size(); ++i) {
        if (!pts[i].zone) {
            start = i + 1;
            continue;
        }
        const int side = sideOf(pts[i]);
        if (side == 0) continue;
        const std::size_t from = i + 1 >= start + static_cast<std::size_t>(window)
                                     ? i + 1 - static_cast<std::size_t>(window)
                                     : start;
        int count = 0;
        for (std::size_t j = from; j <= i; ++j)
            if (sideOf(pts[j]) == side) ++count;
        if (count >= needed) mark(flags, i, rule);
    }
}

// Rules 7 and 8: runs of zone points within / beyond 1σ.
void oneSigmaRuns(const std::vector<Point>& pts, const RuleSet& rules, std::vector<std::uint8_t>& flags) {
    int within = 0, beyond = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point& p = pts[i];
        const double distance = std::fabs(p.value - p.cl);
        within = p.zone && distance < p.sigma ? within + 1 : 0;
        beyond = p.zone && distance > p.sigma ? beyond + 1 : 0;
        if (rules.contains(RunRule::WithinOneSigma) && within >= kWithinOneSigmaRun)
            mark(flags, i, RunRule::WithinOneSigma);
        if (rules.contains(RunRule::BeyondOneSigma) && beyond >= kBeyondOneSigmaRun)
            mark(flags, i, RunRule::BeyondOneSigma);
    }
}

} // namespace

std::string_view runRuleExplanation(RunRule rule) {
    return kExplanations[static_cast<std::size_t>(static_cast<int>(rule) - 1)];
}

RuleSet RuleSet::defaults() {
    RuleSet s;
    for (RunRule r : {RunRule::BeyondLimits, RunRule::SameSide, RunRule::Trend, RunRule::Alternating})
        s.add(r);
    return s;
}

RuleSet RuleSet::all() {
    RuleSet s;
    for (int r = 1; r <= kRunRuleCount; ++r)
        s.add(static_cast<RunRule>(r));
    return s;
}

Result<RuleSet> parseRuleSet(std::string_view text) {
    if (text == kAllRulesText) return RuleSet::all();
    const Status refused = Status::invalidArgument(
        "判定ルールは 1 から 8 の番号をカンマで区切って（例: 1,2,5）、または all で指定してください: " +
        std::string(text));
    RuleSet s;
    std::size_t at = 0;
    while (true) {
        const std::size_t comma = text.find(',', at);
        const std::string_view item =
            text.substr(at, comma == std::string_view::npos ? text.npos : comma - at);
        if (item.size() != 1 || item[0] < '1' || item[0] > '0' + kRunRuleCount) return refused;
        const auto rule = static_cast<RunRule>(item[0] - '0');
        if (s.contains(rule)) return refused;
        s.add(rule);
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
    return s;
}

std::vector<RuleSignal> evaluateRunRules(const RunRuleInput& input, const RuleSet& rules) {
    const std::vector<Point> pts = pointsOf(input);
    std::vector<std::uint8_t> flags(pts.size(), 0);
    if (rules.contains(RunRule::BeyondLimits)) beyondLimits(pts, flags);
    if (rules.contains(RunRule::SameSide)) sameSide(pts, flags);
    if (rules.contains(RunRule::Trend) || rules.contains(RunRule::Alternating)) steps(pts, rules, flags);
    if (rules.contains(RunRule::TwoOfThreeBeyond2))
        kOfWindow(pts, 2.0, kBeyond2Window, kBeyond2Needed, RunRule::TwoOfThreeBeyond2, flags);
    if (rules.contains(RunRule::FourOfFiveBeyond1))
        kOfWindow(pts, 1.0, kBeyond1Window, kBeyond1Needed, RunRule::FourOfFiveBeyond1, flags);
    if (rules.contains(RunRule::WithinOneSigma) || rules.contains(RunRule::BeyondOneSigma))
        oneSigmaRuns(pts, rules, flags);

    std::vector<RuleSignal> signals;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i] == 0) continue;
        RuleSignal& s = signals.emplace_back();
        s.point = static_cast<int>(i) + 1;
        for (int r = 1; r <= kRunRuleCount; ++r)
            if ((flags[i] >> (r - 1)) & 1u) s.rules.push_back(r);
    }
    return signals;
}

std::string joinedRuleNumbers(const std::vector<int>& rules, char separator) {
    std::string text;
    for (int r : rules) {
        if (!text.empty()) text += separator;
        text += std::to_string(r);
    }
    return text;
}

RunRuleInput controlRunRuleInput(const ControlChartInput& chart) {
    RunRuleInput in;
    in.values = chart.values;
    in.lines = chart.lines;
    in.centre = chart.pointCentre;
    in.upper = chart.pointUpper;
    in.lower = chart.pointLower;
    in.firstPoint = chart.role == ControlChartRole::MovingRange ? 1 : 0;
    return in;
}

std::vector<std::pair<int, std::string>> controlChartFlags(const ControlChartInput& chart,
                                                           const RuleSet& rules) {
    std::vector<std::pair<int, std::string>> flags;
    if (rules.empty()) return flags;
    for (const RuleSignal& s : evaluateRunRules(controlRunRuleInput(chart), rules))
        flags.emplace_back(s.point, joinedRuleNumbers(s.rules, ','));
    return flags;
}

int controlDataSeries(const ChartModel& model) {
    int series = 1;
    while (series < model.seriesCount() && model.seriesRole(series) != SeriesRole::Data)
        ++series;
    return series;
}

void flagRunRules(ChartModel& model, const ControlChartInput& chart, const RuleSet& rules) {
    if (!model.setCurrentSeries(controlDataSeries(model))) return;
    for (const auto& [point, text] : controlChartFlags(chart, rules))
        if (model.setCurrentPoint(point)) model.setPointSignal(text);
}

std::string FlaggedPoint::explanation() const {
    std::string text;
    for (int rule : rules) {
        if (!text.empty()) text += "／";
        text += std::to_string(rule) + ": " + std::string(runRuleExplanation(static_cast<RunRule>(rule)));
    }
    return text;
}

std::vector<FlaggedPoint> flaggedPoints(const std::vector<ControlChartInput>& charts, const RuleSet& rules) {
    std::vector<FlaggedPoint> out;
    if (rules.empty()) return out;
    for (std::size_t c = 0; c < charts.size(); ++c)
        for (RuleSignal& s : evaluateRunRules(controlRunRuleInput(charts[c]), rules)) {
            const auto i = static_cast<std::size_t>(s.point - 1);
            out.push_back({static_cast<int>(c) + 1, s.point,
                           i < charts[c].labels.size() ? charts[c].labels[i] : std::string(),
                           std::move(s.rules)});
        }
    return out;
}

} // namespace zel
