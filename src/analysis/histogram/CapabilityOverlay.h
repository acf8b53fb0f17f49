// The process capability of the histogram window: the upper and lower limits as
// labelled lines over the classes, the fitted normal curve of series 1 scaled
// to its counts, and the texts of the capability panel.
#pragma once

#include "analysis/Capability.h"
#include "analysis/histogram/ClassTable.h"
#include "analysis/histogram/HistogramFill.h"
#include "components/chart/ChartModel.h"

#include <string>
#include <vector>

namespace zel {

inline constexpr const char* kUpperLimitLineText = "上限規格";
inline constexpr const char* kLowerLimitLineText = "下限規格";

// Points of the fitted curve across the classes (steps + 1 points).
inline constexpr int kCapabilityCurveSteps = 96;

// Does the kind draw the classes upright along x with counts on the left axis
// (bars, stacked bars, lines, the two mean kinds, areas)? Only those carry the
// limits and the curve: pies, horizontal and 3-D kinds and the band have no
// such axis.
bool hasClassAxis(const HistogramKind& kind);

// The capability of series 1 of the table against the limits, its within σ
// from the moving ranges of its values in sample order.
Result<Capability> histogramCapability(const ClassTable& table, const SpecificationLimits& limits);

// Requests the limits and the curve on a model the histogram fill has filled
// (after the redraw reset, which clears them): the line "上限規格" / "下限規格"
// at each limit given, and the normal density of the capability's mean and
// overall σ as n × class width × density across the classes and out to a limit
// beyond them, shown when curveOn. Nothing for a
// kind without a class axis, without a limit, or (the curve) without an overall
// σ above zero. Positions on a category axis go through the class boundaries.
void drawCapability(ChartModel& model, const ClassTable& table, const HistogramKind& kind,
                    const SpecificationLimits& limits, const Capability& capability, bool curveOn);

// One line of the capability panel: the name and the value as shown, and the
// name written out where the shown one is short (the row's tool tip).
struct CapabilityRow {
    std::string name;
    std::string value;
    std::string longName;
};

// The panel's lines, each only when it is defined, in the order n, "平均",
// "σ（全体）", "σ（群内）", Cp, Cpk, Cpu, Cpl, Pp, Ppk, "実測ppm", "推定ppm".
// The names are short enough for one line of the narrow panel beside the
// histogram. Mean and σ show six significant digits, the indices two
// decimals, the ppm one.
std::vector<CapabilityRow> capabilityRows(const Capability& capability);

} // namespace zel
