// The graph settings in the settings store: grid lines and their style (section
// "graph", read at every redraw) and the 3-D view angles (section "graph3d").
#pragma once

#include "common/SettingsStore.h"
#include "components/chart/ChartModel.h"

namespace zel {

struct GridSettings {
    int lines = 0; // "gridstyle": 0 none, 1 horizontal, 2 vertical, 3 both
    int style = 0; // "gridline": 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot

    bool horizontal() const { return lines == 1 || lines == 3; }
    bool vertical() const { return lines == 2 || lines == 3; }
    // 0 none, 1 only horizontal, 2 only vertical, 3 both.
    static int linesFromChecks(bool horizontal, bool vertical) {
        return (horizontal ? 1 : 0) + (vertical ? 2 : 0);
    }
};

inline constexpr const char* kGraphSection = "graph";
inline constexpr const char* kGraph3DSection = "graph3d";

// Reads "gridstyle" and "gridline"; a value that is missing, not a number or
// out of its range reads as 0.
GridSettings readGridSettings(const SettingsStore& store);
// Stores both as decimal integer texts.
void writeGridSettings(SettingsStore& store, const GridSettings& settings);

// Reads "Rotation", "Perspective" and "Elevation" under "graph3d" as 16-bit
// integers; a missing or unreadable value reads as the chart's default
// (ViewAngles: 15, 30, 0).
ViewAngles readViewAngles(const SettingsStore& store);
// Stores the three angles under "graph3d" as decimal integer texts.
void writeViewAngles(SettingsStore& store, int rotation, int perspective, int elevation);

} // namespace zel
