// Window geometry in the settings store: twips, keys, defaults, the
// normal-state rule, the main window's size rule and the version rule.
#include "common/Analyses.h"
#include "windowkit/AppSettings.h"
#include "windowkit/WindowGeometry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace zel;

TEST(Twips, ConvertsAtFifteenPerPixel) {
    EXPECT_EQ(Twips::toPixels(15), 1);
    EXPECT_EQ(Twips::toPixels(540), 36);
    EXPECT_EQ(Twips::toPixels(7), 0);
    EXPECT_EQ(Twips::toPixels(8), 1);
    EXPECT_EQ(Twips::toPixels(-15), -1);
    EXPECT_DOUBLE_EQ(Twips::fromPixels(1024), 15360);
}

TEST(WindowTable, HoldsEveryWindowOnceWithTenGraphWindows) {
    const auto table = windowTable();
    EXPECT_EQ(table.size(), 60u);
    std::set<std::string_view> windows, suffixes, graphs, closedByAnalysisMenu;
    for (const auto& row : table) {
        EXPECT_FALSE(row.name.empty());
        EXPECT_FALSE(row.suffix.empty());
        EXPECT_EQ(findWindow(row.name), row.id);
        windows.insert(row.name);
        suffixes.insert(row.suffix);
        if (row.kind == WindowKind::GraphWindow) graphs.insert(row.name);
        if (row.analysisWindow) closedByAnalysisMenu.insert(row.name);
    }
    EXPECT_EQ(windows.size(), table.size());
    EXPECT_EQ(suffixes.size(), table.size());
    EXPECT_EQ(graphs, (std::set<std::string_view>{"gantog", "hakohg", "kanri1", "oresen", "pkanri",
                                                  "xrskanri", "rsanpu", "sanpuzu", "xrkanri", "youko"}));
    EXPECT_EQ(closedByAnalysisMenu.size(), 37u);
}

TEST(WindowSuffixTable, FindsSuffixesByWindowName) {
    EXPECT_EQ(findWindowSuffix("nymode")->suffix, "ny");
    EXPECT_EQ(findWindowSuffix("XR1")->suffix, "xr");
    EXPECT_EQ(findWindowSuffix("hensi2so")->suffix, "hbs");
    EXPECT_EQ(findWindowSuffix("verj")->suffix, "vj");
    EXPECT_TRUE(findWindowSuffix("sanpuzu")->graph);
    EXPECT_FALSE(findWindowSuffix("sanpuset")->graph);
    // Names are case-sensitive, and the splash, closing and deletion windows record nothing.
    EXPECT_FALSE(findWindowSuffix("xr1"));
    EXPECT_FALSE(findWindowSuffix("rip"));
    EXPECT_FALSE(findWindowSuffix("endform"));
    EXPECT_FALSE(findWindowSuffix("dsf"));
    EXPECT_FALSE(findWindowSuffix(""));
}

TEST(GeometryKeys, MainWindowHasNoSuffix) {
    EXPECT_EQ(geometryKey("left", ""), "left");
    EXPECT_EQ(geometryKey("height", "res"), "height_res");
}

TEST(GeometryDefaults, AreSharesOfTheScreen) {
    EXPECT_EQ(mainWindowDefaults(15360, 11520), (TwipsRect{3072, 2304, 9216, 6912}));
    EXPECT_EQ(graphWindowDefaults(15360, 11520), (TwipsRect{1536, 1152, 12288, 9216}));
}

TEST(GeometryStore, WritesSignedNumberTextAndReadsItBack) {
    MemorySettingsStore store;
    writeGeometry(store, "xr", {1234, -15, 4800.5, 0});
    EXPECT_EQ(store.read("Setting", "left_xr", ""), " 1234");
    EXPECT_EQ(store.read("Setting", "top_xr", ""), "-15");
    EXPECT_EQ(store.read("Setting", "width_xr", ""), " 4800.5");
    EXPECT_EQ(store.read("Setting", "height_xr", ""), " 0");
    EXPECT_EQ(readGeometry(store, "xr", {1, 2, 3, 4}), (TwipsRect{1234, -15, 4800.5, 4}));
}

TEST(GeometryStore, MissingOrUnreadableValuesGiveTheDefaults) {
    MemorySettingsStore store;
    store.write("Setting", "left_ny", "abc");
    store.write("Setting", "top_ny", " 300");
    EXPECT_EQ(readGeometry(store, "ny", {10, 20, 30, 40}), (TwipsRect{10, 300, 30, 40}));
}

TEST(GeometryStore, SizesOfNothingOrLessGiveTheDefaults) {
    MemorySettingsStore store;
    writeGeometry(store, "ny", {-30, -45, 0, -600});
    EXPECT_EQ(readGeometry(store, "ny", {10, 20, 30, 40}), (TwipsRect{-30, -45, 30, 40}));
}

TEST(GeometryStore, ValuesAreSinglePrecision) {
    MemorySettingsStore store;
    store.write("Setting", "left", " 1234.56789");
    const TwipsRect r = readGeometry(store, "", {});
    EXPECT_EQ(r.left, static_cast<double>(1234.56789f));
    store.write("Setting", "top", " 1E+300");
    EXPECT_EQ(readGeometry(store, "", {0, 7, 0, 0}).top, 7);
}

TEST(GeometryStore, OnlyTheNormalStateIsRecorded) {
    MemorySettingsStore store;
    EXPECT_FALSE(recordGeometry(store, "ny", {1, 2, 3, 4}, WindowState::Minimized));
    EXPECT_FALSE(recordGeometry(store, "ny", {1, 2, 3, 4}, WindowState::Maximized));
    EXPECT_FALSE(store.contains("Setting", "left_ny"));
    EXPECT_TRUE(recordGeometry(store, "ny", {1, 2, 3, 4}, WindowState::Normal));
    EXPECT_EQ(store.read("Setting", "height_ny", ""), " 4");
}

TEST(MainWindowClose, SizeRuleNeedsBothDimensionsAboveTheLimitsInTheNormalState) {
    MemorySettingsStore store;
    writeGeometry(store, "", {1, 2, 8000, 6000});
    recordMainWindowClose(store, {100, 100, 7000, 5000}, WindowState::Normal, "100");
    EXPECT_EQ(store.read("Setting", "width", ""), " 8000"); // width not greater than 7000
    recordMainWindowClose(store, {100, 100, 9000, 4000}, WindowState::Normal, "100");
    EXPECT_EQ(store.read("Setting", "height", ""), " 6000"); // height not greater than 4000
    recordMainWindowClose(store, {100, 100, 9000, 6000}, WindowState::Maximized, "100");
    EXPECT_EQ(store.read("Setting", "width", ""), " 8000");
    EXPECT_EQ(store.read("Setting", "windowstate", ""), "2");
    recordMainWindowClose(store, {100, 100, 7001, 4001}, WindowState::Normal, "100");
    EXPECT_EQ((readGeometry(store, "", {})), (TwipsRect{100, 100, 7001, 4001}));
    EXPECT_EQ(store.read("Setting", "windowstate", ""), "0");
    EXPECT_EQ(store.read("Setting", "zel_ver", ""), "100");
}

TEST(MainWindowClose, StateIsReadBack) {
    MemorySettingsStore store;
    EXPECT_EQ(readWindowState(store), WindowState::Normal);
    store.write("Setting", "windowstate", "1");
    EXPECT_EQ(readWindowState(store), WindowState::Minimized);
    store.write("Setting", "windowstate", " 2");
    EXPECT_EQ(readWindowState(store), WindowState::Maximized);
    store.write("Setting", "windowstate", "7");
    EXPECT_EQ(readWindowState(store), WindowState::Normal);
}

TEST(ShortValues, AreRoundedAndOutOfRangeGivesTheDefault) {
    MemorySettingsStore store;
    EXPECT_EQ(readShort(store, "graph3d", "Rotation", 15), 15);
    store.write("graph3d", "Rotation", " 45");
    EXPECT_EQ(readShort(store, "graph3d", "Rotation", 15), 45);
    store.write("graph3d", "Rotation", "-2.5");
    EXPECT_EQ(readShort(store, "graph3d", "Rotation", 15), -2);
    store.write("graph3d", "Rotation", "40000");
    EXPECT_EQ(readShort(store, "graph3d", "Rotation", 15), 15);
}

TEST(Version, TextJoinsTheThreeNumbers) {
    EXPECT_EQ(versionText(1, 0, 3), "103");
    EXPECT_EQ(versionText(2, 10, 1), "2101");
    EXPECT_EQ(versionText(), "100");
    EXPECT_EQ(versionLabel(), "Version 1.0.0");
}

TEST(Version, ChangeDeletesTheSettingSectionOnly) {
    MemorySettingsStore store;
    // An empty store: the missing section is deleted without error.
    EXPECT_TRUE(applyVersionRule(store, "100"));
    store.write("Setting", "zel_ver", "100");
    store.write("Setting", "left_ny", " 10");
    store.write("graph3d", "Rotation", "20");
    EXPECT_FALSE(applyVersionRule(store, "100"));
    EXPECT_TRUE(store.contains("Setting", "left_ny"));
    EXPECT_TRUE(applyVersionRule(store, "101"));
    EXPECT_FALSE(store.contains("Setting", "left_ny"));
    EXPECT_FALSE(store.contains("Setting", "zel_ver"));
    EXPECT_EQ(store.read("graph3d", "Rotation", ""), "20");
}

TEST(AppSettings, InstallReplacesTheStore) {
    auto& a = installAppSettings(std::make_unique<MemorySettingsStore>());
    a.write("Setting", "k", "v");
    EXPECT_EQ(appSettings().read("Setting", "k", ""), "v");
    auto& b = installAppSettings(nullptr);
    EXPECT_EQ(&b, &appSettings());
    EXPECT_FALSE(appSettings().contains("Setting", "k"));
}
