// The graph settings in the settings store: grid lines and their style (section
// "graph", read at every redraw) and the 3-D view angles (section "graph3d"),
// and how every redraw puts them and the titles onto a window's charts.
#pragma once

#include "common/Analyses.h"
#include "common/SettingsStore.h"
#include "components/chart/ChartModel.h"
#include "presentation/TitleTable.h"

#include <optional>
#include <span>

namespace zel {

struct GridSettings {
    int lines = gridlines::kNone;        // "gridstyle": the GridLines code
    int style = gridlinestyles::kSolid; // "gridline": the GridLineStyle code

    bool horizontal() const { return (lines & gridlines::kHorizontal) != 0; }
    bool vertical() const { return (lines & gridlines::kVertical) != 0; }
    static int linesFromChecks(bool horizontal, bool vertical) {
        return (horizontal ? gridlines::kHorizontal : 0) | (vertical ? gridlines::kVertical : 0);
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
void writeViewAngles(SettingsStore& store, const ViewAngles& angles);

// What a redraw puts onto every chart of a window after the window's data: the
// grid lines of the "graph" settings and the shared 3-D angles.
struct ChartSettings {
    GridSettings grid;
    ViewAngles angles;
};

// The end of every redraw, the same in the graph windows, the report command and
// the gallery: the grid lines and the 3-D angles onto each chart, then the
// titles of the table with the analysis's defaults (applyTitles, with the
// table's redraw flag "0" meanwhile and "1" afterwards).
void applyChartSettings(std::span<ChartModel* const> charts, const ChartSettings& settings, TitleTable& titles,
                        std::optional<AnalysisId> analysis, const TitleContext& context);

} // namespace zel
