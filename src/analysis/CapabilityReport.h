// Process capability in the report command: the --set values usl=, lsl= and
// target=, and the summary lines of the capability of series 1.
#pragma once

#include "analysis/Capability.h"
#include "analysis/ReportEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace zel {

// The limits of usl=, lsl= and target=, checked as checkSpecificationLimits
// checks them; all unset when none is given.
Result<SpecificationLimits> readSpecificationSettings(const ReportSettings& settings);

// summary.txt's capability lines of series 1, "Cp 1 1.33" ..., in the order Cp,
// Cpk, Cpu, Cpl, Pp, Ppk, ppm-observed, ppm-expected, sigma-within,
// sigma-overall, each only when it is defined.
std::string capabilitySummary(const Capability& capability);
// The same for the values against the limits; empty when no limit is given.
Result<std::string> capabilitySummary(const std::vector<double>& values, const SpecificationLimits& limits,
                                      std::optional<double> sigmaWithin);

} // namespace zel
