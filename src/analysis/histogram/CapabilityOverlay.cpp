// The limit lines, the fitted curve and the panel texts of the
// histogram window's process capability.
#include "analysis/histogram/CapabilityOverlay.h"

#include "common/NumberText.h"

#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zel {

namespace {

constexpr int kSignificantDigits = 6;
constexpr int kIndexDecimals = 2;
constexpr int kPpmDecimals = 1;

std::string significantText(double value) {
    char buf[kNumberTextMax];
    std::snprintf(buf, sizeof buf, "%.*g", kSignificantDigits, value);
    return generalNumberText(std::strtod(buf, nullptr));
}

} // namespace

bool hasClassAxis(const HistogramKind& kind) {
    switch (kind.type) {
    case ChartType::Bar:
        return kind.style == chartstyles::kBarVertical || kind.style == chartstyles::kBarStacked;
    case ChartType::Line:
    case ChartType::Area:
        return true;
    default:
        return false;
    }
}

Result<Capability> histogramCapability(const ClassTable& table, const SpecificationLimits& limits) {
    const std::vector<double> none;
    const std::vector<double>& values = table.values.empty() ? none : table.values.front();
    return computeCapability(values, limits, withinSigmaFromMovingRanges(values));
}

void drawCapability(ChartModel& model, const ClassTable& table, const HistogramKind& kind,
                    const SpecificationLimits& limits, const Capability& capability, bool curveOn) {
    model.clearArray(clearcodes::kReferenceLines);
    model.clearArray(clearcodes::kCurve);
    if (!limits.hasLimit() || !hasClassAxis(kind) || table.classes < 1 ||
        table.bounds.size() != static_cast<std::size_t>(table.classes) + 1)
        return;
    // The mean kinds have a numeric class axis; the others count classes in slots.
    const auto along = [&](double x) { return kind.mean ? x : classAxisPosition(table.bounds, x); };
    if (limits.upper) model.addReferenceLine(along(*limits.upper), kUpperLimitLineText);
    if (limits.lower) model.addReferenceLine(along(*limits.lower), kLowerLimitLineText);

    model.setCurveShown(curveOn ? 1 : 0);
    if (!capability.mean || !capability.sigmaOverall || *capability.sigmaOverall <= 0.0) return;
    const boost::math::normal_distribution<double> fitted(*capability.mean, *capability.sigmaOverall);
    // Across the classes, and on out to a limit beyond them.
    const double first = std::min(table.bounds.front(), limits.lower.value_or(table.bounds.front()));
    const double span = std::max(table.bounds.back(), limits.upper.value_or(table.bounds.back())) - first;
    const double scale = capability.n * (table.bounds.back() - table.bounds.front()) / table.classes;
    for (int i = 0; i <= kCapabilityCurveSteps; ++i) {
        const double x = first + span * i / kCapabilityCurveSteps;
        model.addCurvePoint(along(x), scale * boost::math::pdf(fitted, x));
    }
}

std::vector<CapabilityRow> capabilityRows(const Capability& c) {
    std::vector<CapabilityRow> rows{{"n", std::to_string(c.n), ""}};
    const auto add = [&](const char* name, const std::optional<double>& value, auto text,
                         const char* longName = "") {
        if (value) rows.push_back({name, text(*value), longName});
    };
    const auto index = [](double v) { return decimalsText(v, kIndexDecimals); };
    const auto ppm = [](double v) { return decimalsText(v, kPpmDecimals); };
    add("平均", c.mean, significantText);
    add("σ（全体）", c.sigmaOverall, significantText, "全体の標準偏差");
    add("σ（群内）", c.sigmaWithin, significantText, "群内の標準偏差");
    add("Cp", c.cp, index);
    add("Cpk", c.cpk, index);
    add("Cpu", c.cpu, index);
    add("Cpl", c.cpl, index);
    add("Pp", c.pp, index);
    add("Ppk", c.ppk, index);
    add("実測ppm", c.ppmObserved, ppm, "規格外れの割合（実測）ppm");
    add("推定ppm", c.ppmExpected, ppm, "規格外れの割合（正規分布による推定）ppm");
    return rows;
}

} // namespace zel
