// The capability --set values and summary lines of the report command.
#include "analysis/CapabilityReport.h"

#include "common/NumberText.h"

#include <utility>

namespace zel {

Result<SpecificationLimits> readSpecificationSettings(const ReportSettings& settings) {
    SpecificationLimits limits;
    for (const auto& [key, value] : settings) {
        std::optional<double>* field = key == "usl"      ? &limits.upper
                                       : key == "lsl"    ? &limits.lower
                                       : key == "target" ? &limits.target
                                                         : nullptr;
        if (!field) continue;
        *field = strictNumber(value);
        if (!*field) return Status::invalidArgument(key + "= には数値を指定してください: " + value);
    }
    if (const Status checked = checkSpecificationLimits(limits); !checked) return checked;
    return limits;
}

std::string capabilitySummary(const Capability& c) {
    const std::pair<const char*, const std::optional<double>*> lines[] = {
        {"Cp", &c.cp},
        {"Cpk", &c.cpk},
        {"Cpu", &c.cpu},
        {"Cpl", &c.cpl},
        {"Pp", &c.pp},
        {"Ppk", &c.ppk},
        {"ppm-observed", &c.ppmObserved},
        {"ppm-expected", &c.ppmExpected},
        {"sigma-within", &c.sigmaWithin},
        {"sigma-overall", &c.sigmaOverall},
    };
    std::string summary;
    for (const auto& [name, value] : lines)
        if (*value) summary += std::string(name) + " 1 " + generalNumberText(**value) + "\n";
    return summary;
}

Result<std::string> capabilitySummary(const std::vector<double>& values, const SpecificationLimits& limits,
                                      std::optional<double> sigmaWithin) {
    if (!limits.hasLimit()) return std::string();
    const Result<Capability> computed = computeCapability(values, limits, sigmaWithin);
    if (!computed) return computed.status();
    return capabilitySummary(computed.value());
}

} // namespace zel
