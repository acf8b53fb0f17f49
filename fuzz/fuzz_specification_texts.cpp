// libFuzzer target for the specification limits typed into the limits dialog
// and given as usl=, lsl= and target=: any three texts either are refused with
// one of the known messages or give finite limits in order, and the capability
// of any values against them has only finite indices.
#include "analysis/Capability.h"
#include "analysis/CapabilityReport.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool knownRefusal(const std::string& m) {
    static const std::set<std::string> known = {"上限規格には数値を入力してください。",
                                                "下限規格には数値を入力してください。",
                                                "目標値には数値を入力してください。",
                                                zel::kSpecificationReversed,
                                                zel::kSpecificationEqual,
                                                zel::kTargetOutsideSpecification,
                                                zel::kTargetWithoutLimit,
                                                zel::kSpecificationNotFinite};
    return known.contains(m) || m.find("= には数値を指定してください: ") != std::string::npos;
}

void checkLimits(const zel::SpecificationLimits& l) {
    for (const auto& v : {l.upper, l.lower, l.target})
        if (v && !std::isfinite(*v)) std::abort();
    if (l.upper && l.lower && !(*l.lower < *l.upper)) std::abort();
    if (l.target && !l.hasLimit()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Three texts split at line ends; what follows a third line end is the data.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (parts.size() < 3) {
        const std::size_t end = bytes.find('\n', start);
        parts.emplace_back(bytes.substr(start, end == std::string_view::npos ? bytes.npos : end - start));
        if (end == std::string_view::npos) {
            start = bytes.size();
            break;
        }
        start = end + 1;
    }
    parts.resize(3);
    std::vector<double> values;
    for (std::size_t i = start; i + sizeof(double) <= bytes.size(); i += sizeof(double)) {
        double v;
        std::memcpy(&v, bytes.data() + i, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
    }

    const zel::Result<zel::SpecificationLimits> typed =
        zel::specificationFromTexts(parts[0], parts[1], parts[2]);
    const zel::ReportSettings settings = {{"usl", parts[0]}, {"lsl", parts[1]}, {"target", parts[2]}};
    const zel::Result<zel::SpecificationLimits> given = zel::readSpecificationSettings(settings);
    for (const auto* r : {&typed, &given}) {
        if (!r->isOk()) {
            if (!knownRefusal(r->status().message())) std::abort();
            continue;
        }
        checkLimits(r->value());
        const zel::Result<zel::Capability> c =
            zel::computeCapability(values, r->value(), zel::withinSigmaFromMovingRanges(values));
        if (!c.isOk()) std::abort();
        for (const auto& v : {c->mean, c->sigmaOverall, c->sigmaWithin, c->cp, c->cpk, c->cpu, c->cpl, c->pp,
                              c->ppk, c->ppmObserved, c->ppmExpected})
            if (v && !std::isfinite(*v)) std::abort();
        if (c->ppmObserved && (*c->ppmObserved < 0 || *c->ppmObserved > 1e6)) std::abort();
        if (c->ppmExpected && (*c->ppmExpected < 0 || *c->ppmExpected > 1e6 * (1 + 1e-12))) std::abort();
        const zel::Result<std::string> summary =
            zel::capabilitySummary(values, r->value(), zel::withinSigmaFromMovingRanges(values));
        if (!summary.isOk()) std::abort();
    }
    return 0;
}
