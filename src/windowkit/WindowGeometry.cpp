// Window geometry in the settings store: keys, defaults, the normal-state rule,
// the main window's size rule and the version rule.
#include "windowkit/WindowGeometry.h"

#include "ZelVersion.h"
#include "common/Analyses.h"
#include "common/NumberText.h"

#include <array>
#include <cmath>
#include <limits>

namespace zel {

namespace {


double readSingle(const SettingsStore& store, const std::string& key, double defaultValue) {
    // Geometry values are single-precision reals.
    const double v = store.readNumber(kSettingSection, key, defaultValue);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) return defaultValue;
    return static_cast<double>(static_cast<float>(v));
}

} // namespace

int Twips::toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

std::optional<WindowSuffix> findWindowSuffix(std::string_view name) {
    const std::optional<WindowId> id = findWindow(name);
    if (!id) return std::nullopt;
    const WindowDescriptor& w = window(*id);
    return WindowSuffix{w.name, w.suffix, w.kind == WindowKind::GraphWindow};
}

std::string geometryKey(std::string_view base, std::string_view suffix) {
    std::string key(base);
    if (!suffix.empty()) {
        key += '_';
        key += suffix;
    }
    return key;
}

TwipsRect graphWindowDefaults(double screenWidth, double screenHeight) {
    return {0.1 * screenWidth, 0.1 * screenHeight, 0.8 * screenWidth, 0.8 * screenHeight};
}

TwipsRect mainWindowDefaults(double screenWidth, double screenHeight) {
    return {0.2 * screenWidth, 0.2 * screenHeight, 0.6 * screenWidth, 0.6 * screenHeight};
}

TwipsRect readGeometry(const SettingsStore& store, std::string_view suffix, const TwipsRect& defaults) {
    TwipsRect r;
    r.left = readSingle(store, geometryKey("left", suffix), defaults.left);
    r.top = readSingle(store, geometryKey("top", suffix), defaults.top);
    r.width = readSingle(store, geometryKey("width", suffix), defaults.width);
    r.height = readSingle(store, geometryKey("height", suffix), defaults.height);
    // A size of nothing or less cannot be shown: such a value was not written
    // by a window and gives way to the default.
    if (r.width <= 0) r.width = defaults.width;
    if (r.height <= 0) r.height = defaults.height;
    return r;
}

void writeGeometry(SettingsStore& store, std::string_view suffix, const TwipsRect& rect) {
    store.write(kSettingSection, geometryKey("left", suffix), signedNumberText(rect.left));
    store.write(kSettingSection, geometryKey("top", suffix), signedNumberText(rect.top));
    store.write(kSettingSection, geometryKey("width", suffix), signedNumberText(rect.width));
    store.write(kSettingSection, geometryKey("height", suffix), signedNumberText(rect.height));
}

bool recordGeometry(SettingsStore& store, std::string_view suffix, const TwipsRect& rect, WindowState state) {
    if (state != WindowState::Normal) return false;
    writeGeometry(store, suffix, rect);
    return true;
}

int readShort(const SettingsStore& store, const std::string& section, const std::string& key,
              int defaultValue) {
    const double v = store.readNumber(section, key, defaultValue);
    if (!std::isfinite(v)) return defaultValue;
    const double r = roundHalfEven(v);
    if (r < std::numeric_limits<short>::min() || r > std::numeric_limits<short>::max()) return defaultValue;
    return static_cast<int>(r);
}

WindowState readWindowState(const SettingsStore& store) {
    switch (readShort(store, kSettingSection, "windowstate", 0)) {
    case 1:
        return WindowState::Minimized;
    case 2:
        return WindowState::Maximized;
    default:
        return WindowState::Normal;
    }
}

void recordMainWindowClose(SettingsStore& store, const TwipsRect& rect, WindowState state,
                           const std::string& v) {
    if (rect.width > 7000 && rect.height > 4000) recordGeometry(store, "", rect, state);
    store.write(kSettingSection, "windowstate", std::to_string(static_cast<int>(state)));
    store.write(kSettingSection, "zel_ver", v);
}

std::string versionText(int major, int minor, int revision) {
    return std::to_string(major) + std::to_string(minor) + std::to_string(revision);
}

std::string versionText() {
    return versionText(kVersionMajor, kVersionMinor, kVersionRevision);
}

std::string versionLabel() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

bool applyVersionRule(SettingsStore& store, const std::string& v) {
    if (store.read(kSettingSection, "zel_ver", std::string("000")) == v) return false;
    store.deleteSection(kSettingSection);
    return true;
}

} // namespace zel
