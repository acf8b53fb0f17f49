// Process capability: how the spread of measured values sits between the
// upper and lower specification limits. Shared by the histogram of one
// variable and the Xbar-R chart; each gives its own within-subgroup σ.
//
// Every index is optional: it is absent, not zero or infinite, when it cannot
// be computed.
// - Cp and Pp need both limits; Cpu and Cpl need their own limit; Cpk (Ppk) is
//   the smaller of Cpu and Cpl (of the overall-σ pair) that exist, so with one
//   limit it is that side's index.
// - The within-σ indices (Cp, Cpk, Cpu, Cpl) need a within σ above zero; the
//   overall-σ indices (Pp, Ppk) and the expected ppm need at least two values
//   with an overall σ above zero.
// - A value exactly on a limit lies inside it.
#pragma once

#include "common/Status.h"

#include <optional>
#include <string>
#include <vector>

namespace zel {

// The limits as entered: either limit, and the target, may be left out.
struct SpecificationLimits {
    std::optional<double> upper;
    std::optional<double> lower;
    std::optional<double> target;

    bool hasLimit() const { return upper.has_value() || lower.has_value(); }
};

inline constexpr const char* kSpecificationReversed = "下限規格が上限規格より大きくなっています。";
// Two equal limits leave no width to hold any spread: every index would be zero or worse.
inline constexpr const char* kSpecificationEqual = "上限規格と下限規格が同じ値です。";
inline constexpr const char* kTargetOutsideSpecification = "目標値が規格の範囲外です。";
inline constexpr const char* kTargetWithoutLimit = "目標値は上限規格か下限規格と一緒に指定してください。";
inline constexpr const char* kSpecificationNotFinite = "規格値には数値を指定してください。";

// Ok when the limits can be used: finite, the lower one below the upper one,
// and a target (if given) beside at least one limit and within the limits
// given (on a limit counts as within). Neither a limit nor a target (nothing
// set) is ok.
Status checkSpecificationLimits(const SpecificationLimits& limits);

// The limits as typed into the three fields of the limits dialog: a field
// left empty (or blank) is unset; any other text must be one number, or the
// field is refused ("上限規格には数値を入力してください。"). The limits read are
// then checked as checkSpecificationLimits checks them.
Result<SpecificationLimits> specificationFromTexts(const std::string& upper, const std::string& lower,
                                                   const std::string& target);

// d2, the mean range of n normal values in units of σ, to three decimals, for
// subgroup sizes 2 to 10; other sizes have no entry here.
std::optional<double> d2Constant(int subgroupSize);

// Within σ of subgroups of the size from their mean range R̄: R̄ / d2(n).
// Absent where d2 has no entry.
std::optional<double> withinSigmaFromRanges(double meanRange, int subgroupSize);

// Within σ of single values in sample order from their mean moving range:
// MR̄ / d2(2), MR̄ the mean of |x(i) − x(i−1)|. Absent below two values.
std::optional<double> withinSigmaFromMovingRanges(const std::vector<double>& values);

struct Capability {
    int n = 0;
    std::optional<double> mean;         // absent without values
    std::optional<double> sigmaOverall; // sample standard deviation (n − 1); absent below two values
    std::optional<double> sigmaWithin;  // as given
    std::optional<double> cp;
    std::optional<double> cpk;
    std::optional<double> cpu;
    std::optional<double> cpl;
    std::optional<double> pp;
    std::optional<double> ppk;
    // Parts per million outside the limits: counted among the values, and
    // expected from the normal distribution of the mean and overall σ.
    std::optional<double> ppmObserved;
    std::optional<double> ppmExpected;
};

// The capability of the values against the limits, with the within σ the
// caller computed (absent when it has none). Refuses the limits that
// checkSpecificationLimits refuses.
Result<Capability> computeCapability(const std::vector<double>& values, const SpecificationLimits& limits,
                                     std::optional<double> sigmaWithin);

} // namespace zel
