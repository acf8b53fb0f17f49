// Grid-line and 3-D view settings in the settings store.
#include "presentation/GraphSettings.h"

#include "windowkit/WindowGeometry.h"

#include <cmath>
#include <string>

namespace zel {

namespace {
int readCode(const SettingsStore& store, const char* key, int max) {
    const double v = store.readNumber(kGraphSection, key, 0);
    if (!std::isfinite(v)) return 0;
    const long code = std::lround(v);
    return code < 0 || code > max ? 0 : static_cast<int>(code);
}
} // namespace

GridSettings readGridSettings(const SettingsStore& store) {
    return {readCode(store, "gridstyle", gridlines::kBoth), readCode(store, "gridline", gridlinestyles::kDashDotDot)};
}

void writeGridSettings(SettingsStore& store, const GridSettings& settings) {
    store.write(kGraphSection, "gridstyle", std::to_string(settings.lines));
    store.write(kGraphSection, "gridline", std::to_string(settings.style));
}

ViewAngles readViewAngles(const SettingsStore& store) {
    const ViewAngles defaults;
    return {readShort(store, kGraph3DSection, "Rotation", defaults.rotation),
            readShort(store, kGraph3DSection, "Perspective", defaults.perspective),
            readShort(store, kGraph3DSection, "Elevation", defaults.elevation)};
}

void writeViewAngles(SettingsStore& store, const ViewAngles& angles) {
    store.write(kGraph3DSection, "Rotation", std::to_string(angles.rotation));
    store.write(kGraph3DSection, "Perspective", std::to_string(angles.perspective));
    store.write(kGraph3DSection, "Elevation", std::to_string(angles.elevation));
}

void applyChartSettings(std::span<ChartModel* const> charts, const ChartSettings& settings, TitleTable& titles,
                        std::optional<AnalysisId> analysis, const TitleContext& context) {
    for (ChartModel* chart : charts) {
        chart->setGridLines(settings.grid.lines);
        chart->setGridLineStyle(settings.grid.style);
        chart->setViewAngles(settings.angles);
    }
    titles.setRedrawFlag(false);
    applyTitles(titles, titles.asInput(), analysis, context, charts);
    titles.setRedrawFlag(true);
}

} // namespace zel
