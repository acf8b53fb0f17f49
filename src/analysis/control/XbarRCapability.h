// The process capability of the Xbar-R measurements: every value subgroup by
// subgroup, the within σ R̄ / d2(n) of the data's own ranges.
#pragma once

#include "analysis/Capability.h"
#include "analysis/control/ChartDataSet.h"

namespace zel {

Result<Capability> xbarRCapability(const ChartDataSet& data, const SpecificationLimits& limits);

} // namespace zel
