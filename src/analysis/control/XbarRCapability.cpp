// The capability of the Xbar-R window's measurements.
#include "analysis/control/XbarRCapability.h"

namespace zel {

Result<Capability> xbarRCapability(const ChartDataSet& data, const SpecificationLimits& limits) {
    std::vector<double> values;
    for (const std::vector<double>& subgroup : data.x)
        values.insert(values.end(), subgroup.begin(), subgroup.end());
    const std::optional<double> within =
        data.m > 0 ? withinSigmaFromRanges(data.sumOfRanges / data.m, data.n) : std::nullopt;
    return computeCapability(values, limits, within);
}

} // namespace zel
