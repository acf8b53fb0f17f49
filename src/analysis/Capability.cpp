// Process capability: the indices, the parts per million outside the limits
// and the within σ of subgroup ranges and of moving ranges.
#include "analysis/Capability.h"

#include "analysis/AnalysisSet.h"
#include "common/NumberText.h"

#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <array>
#include <cmath>

namespace zel {

namespace {

constexpr int kSmallestSubgroup = 2;
constexpr std::array<double, 9> kD2 = {1.128, 1.693, 2.059, 2.326, 2.534, 2.704, 2.847, 2.970, 3.078};
constexpr double kPartsPerMillion = 1e6;

// A result that is not finite (an overflow on extreme values) is no result.
std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// σ that an index can divide by.
bool usable(const std::optional<double>& sigma) {
    return sigma && std::isfinite(*sigma) && *sigma > 0.0;
}

std::optional<double> smaller(const std::optional<double>& a, const std::optional<double>& b) {
    if (a && b) return std::min(*a, *b);
    return a ? a : b;
}

// The index pair of one σ: the upper and lower one-sided indices, their
// smaller one, and the two-sided index.
struct Indices {
    std::optional<double> upper, lower, smaller, both;
};

Indices indicesOf(double mean, const std::optional<double>& sigma, const SpecificationLimits& limits) {
    Indices ix;
    if (!usable(sigma)) return ix;
    if (limits.upper) ix.upper = finite((*limits.upper - mean) / (3.0 * *sigma));
    if (limits.lower) ix.lower = finite((mean - *limits.lower) / (3.0 * *sigma));
    if (limits.upper && limits.lower) ix.both = finite((*limits.upper - *limits.lower) / (6.0 * *sigma));
    ix.smaller = smaller(ix.upper, ix.lower);
    return ix;
}

double ppmObserved(const std::vector<double>& values, const SpecificationLimits& limits) {
    const auto outside = std::ranges::count_if(values, [&](double v) {
        return (limits.upper && v > *limits.upper) || (limits.lower && v < *limits.lower);
    });
    return static_cast<double>(outside) / static_cast<double>(values.size()) * kPartsPerMillion;
}

double ppmExpected(double mean, double sigma, const SpecificationLimits& limits) {
    const boost::math::normal_distribution<double> normal(mean, sigma);
    double outside = 0.0;
    if (limits.upper) outside += boost::math::cdf(boost::math::complement(normal, *limits.upper));
    if (limits.lower) outside += boost::math::cdf(normal, *limits.lower);
    return outside * kPartsPerMillion;
}

} // namespace

Status checkSpecificationLimits(const SpecificationLimits& limits) {
    for (const auto& v : {limits.upper, limits.lower, limits.target})
        if (v && !std::isfinite(*v)) return Status::invalidArgument(kSpecificationNotFinite);
    if (limits.upper && limits.lower) {
        if (*limits.lower > *limits.upper) return Status::invalidArgument(kSpecificationReversed);
        if (*limits.lower == *limits.upper) return Status::invalidArgument(kSpecificationEqual);
    }
    if (limits.target && !limits.hasLimit()) return Status::invalidArgument(kTargetWithoutLimit);
    if (limits.target && ((limits.upper && *limits.target > *limits.upper) ||
                          (limits.lower && *limits.target < *limits.lower)))
        return Status::invalidArgument(kTargetOutsideSpecification);
    return Status::ok();
}

Result<SpecificationLimits> specificationFromTexts(const std::string& upper, const std::string& lower,
                                                   const std::string& target) {
    SpecificationLimits limits;
    const std::pair<const std::string*, std::optional<double>*> fields[] = {
        {&upper, &limits.upper}, {&lower, &limits.lower}, {&target, &limits.target}};
    const char* const names[] = {"上限規格", "下限規格", "目標値"};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const std::string& text = *fields[i].first;
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos) continue; // left empty
        *fields[i].second = strictNumber(text.substr(start));
        if (!*fields[i].second)
            return Status::invalidArgument(std::string(names[i]) + "には数値を入力してください。");
    }
    if (const Status checked = checkSpecificationLimits(limits); !checked) return checked;
    return limits;
}

std::optional<double> d2Constant(int subgroupSize) {
    const int i = subgroupSize - kSmallestSubgroup;
    if (i < 0 || i >= static_cast<int>(kD2.size())) return std::nullopt;
    return kD2[static_cast<std::size_t>(i)];
}

std::optional<double> withinSigmaFromRanges(double meanRange, int subgroupSize) {
    const std::optional<double> d2 = d2Constant(subgroupSize);
    if (!d2) return std::nullopt;
    return finite(meanRange / *d2);
}

std::optional<double> withinSigmaFromMovingRanges(const std::vector<double>& values) {
    if (values.size() < 2) return std::nullopt;
    double sum = 0.0;
    for (std::size_t i = 1; i < values.size(); ++i)
        sum += std::abs(values[i] - values[i - 1]);
    const double meanMovingRange = sum / static_cast<double>(values.size() - 1);
    return withinSigmaFromRanges(meanMovingRange, kSmallestSubgroup);
}

Result<Capability> computeCapability(const std::vector<double>& values, const SpecificationLimits& limits,
                                     std::optional<double> sigmaWithin) {
    if (const Status checked = checkSpecificationLimits(limits); !checked) return checked;
    Capability c;
    c.n = static_cast<int>(values.size());
    c.sigmaWithin = sigmaWithin;
    if (values.empty()) return c;

    const SeriesStatistics st = seriesStatistics(values);
    c.mean = finite(st.mean);
    if (c.n >= 2) c.sigmaOverall = finite(st.sd);
    if (limits.hasLimit()) c.ppmObserved = ppmObserved(values, limits);
    if (!c.mean) return c;

    const Indices within = indicesOf(*c.mean, c.sigmaWithin, limits);
    c.cpu = within.upper;
    c.cpl = within.lower;
    c.cpk = within.smaller;
    c.cp = within.both;
    const Indices overall = indicesOf(*c.mean, c.sigmaOverall, limits);
    c.ppk = overall.smaller;
    c.pp = overall.both;
    if (limits.hasLimit() && usable(c.sigmaOverall))
        c.ppmExpected = finite(ppmExpected(*c.mean, *c.sigmaOverall, limits));
    return c;
}

} // namespace zel
