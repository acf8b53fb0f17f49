// Window positions and sizes as the settings store keeps them: twips (15 to a
// logical pixel), the keys of every window's suffix, the defaults, the rule that
// only a window in the normal state records its geometry, and the version rule
// that makes every window forget its geometry after the program changed.
#pragma once

#include "common/SettingsStore.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zel {

// Twips to a logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// The one conversion between twips and logical pixels.
struct Twips {
    // Twips to the nearest whole pixel (halves away from zero).
    static int toPixels(double twips);
    static double fromPixels(double pixels) { return pixels * kTwipsPerPixel; }
};

// Short forms for laying windows out in twips: twips to whole pixels and back.
inline int px(double twips) {
    return Twips::toPixels(twips);
}
inline double twipsOf(int pixels) {
    return Twips::fromPixels(pixels);
}

// A window's position and outer size in twips.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipsRect&) const = default;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// One row of the window-suffix table.
struct WindowSuffix {
    std::string_view window; // the window's name (its objectName)
    std::string_view suffix; // keys left_<suffix>, top_<suffix>, ...
    bool graph;              // graph windows default to a share of the screen
};

// The section every window's geometry and the main window's state live in.
inline constexpr const char* kSettingSection = "Setting";

// The row of a window (from the window table, common/Analyses.h), or nothing
// for a window that records nothing.
std::optional<WindowSuffix> findWindowSuffix(std::string_view window);

// "left" for the main window (empty suffix), "left_" + suffix otherwise.
std::string geometryKey(std::string_view base, std::string_view suffix);

// Defaults: graph windows 0.1/0.1/0.8/0.8 of the screen, the main window
// 0.2/0.2/0.6/0.6; other windows keep their own design geometry.
TwipsRect graphWindowDefaults(double screenWidth, double screenHeight);
TwipsRect mainWindowDefaults(double screenWidth, double screenHeight);

// Reads left, top, width, height (in that order) with the given defaults. Each
// value is a single-precision real; a stored text that is not a number, and a
// width or height of 0 or less, gives the default.
TwipsRect readGeometry(const SettingsStore& store, std::string_view suffix, const TwipsRect& defaults);
// Writes the four values as signed number text (" 1234", "-15").
void writeGeometry(SettingsStore& store, std::string_view suffix, const TwipsRect& rect);
// The normal-state-only rule: writes only when the window is in the normal
// state. Returns whether anything was written.
bool recordGeometry(SettingsStore& store, std::string_view suffix, const TwipsRect& rect, WindowState state);

// The main window's stored state ("0", "1", "2"); anything else is normal.
WindowState readWindowState(const SettingsStore& store);
// The main window's close: the size rule (outer width > 7000, outer height
// > 4000, normal state: left/top/width/height written), then windowstate and
// zel_ver always.
void recordMainWindowClose(SettingsStore& store, const TwipsRect& rect, WindowState state,
                           const std::string& versionText);

// The version text: the decimal texts of major, minor and revision joined
// ("100" for 1.0.0, "103" for 1.0.3).
std::string versionText(int major, int minor, int revision);
// The running program's version text.
std::string versionText();
// "Version 1.0.0"
std::string versionLabel();

// The version rule: when the stored zel_ver (default "000") differs from v,
// the section "Setting" is deleted. Returns whether it was.
bool applyVersionRule(SettingsStore& store, const std::string& v);

// 16-bit integer of a stored number ("graph3d" angles, windowstate): rounded
// to the nearest integer, clamped to the 16-bit range.
int readShort(const SettingsStore& store, const std::string& section, const std::string& key,
              int defaultValue);

} // namespace zel
