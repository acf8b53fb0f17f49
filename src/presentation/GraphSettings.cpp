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
    return {readCode(store, "gridstyle", 3), readCode(store, "gridline", 4)};
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

void writeViewAngles(SettingsStore& store, int rotation, int perspective, int elevation) {
    store.write(kGraph3DSection, "Rotation", std::to_string(rotation));
    store.write(kGraph3DSection, "Perspective", std::to_string(perspective));
    store.write(kGraph3DSection, "Elevation", std::to_string(elevation));
}

} // namespace zel
