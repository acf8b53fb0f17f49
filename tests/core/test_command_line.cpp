// The command line of zel32.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace zel;
using Mode = CommandLine::Mode;

TEST(CommandLine, DatasetArgumentIsTakenUnchanged) {
    EXPECT_EQ(parseCommandLine({}).mode, Mode::Gui);
    EXPECT_EQ(parseCommandLine({}).dataset, "");
    const auto c = parseCommandLine({"/home/u/データ/x.QCS"});
    EXPECT_EQ(c.mode, Mode::Gui);
    EXPECT_EQ(c.dataset, "/home/u/データ/x.QCS");
    EXPECT_EQ(parseCommandLine({"--", "-odd.QCS"}).dataset, "-odd.QCS");
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_EQ(parseCommandLine({"--help"}).mode, Mode::Help);
    EXPECT_EQ(parseCommandLine({"x.QCS", "--version"}).mode, Mode::Version);
    EXPECT_EQ(versionMessage(), "zel32 1.0.0");
    EXPECT_NE(usageText().find("--convert IN OUT"), std::string::npos);
}

TEST(CommandLine, ConvertTakesExactlyTwoFiles) {
    const auto c = parseCommandLine({"--convert", "a.QCS", "b.csv"});
    EXPECT_EQ(c.mode, Mode::Convert);
    EXPECT_EQ(c.convertIn, "a.QCS");
    EXPECT_EQ(c.convertOut, "b.csv");
    EXPECT_EQ(parseCommandLine({"--convert", "a.QCS"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--convert"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--convert", "a", "b", "c"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"x.QCS", "--convert", "a", "b"}).mode, Mode::Error);
}

TEST(CommandLine, UnknownOptionsAndExtraArgumentsAreErrors) {
    const auto c = parseCommandLine({"--frobnicate"});
    EXPECT_EQ(c.mode, Mode::Error);
    EXPECT_NE(c.error.find("--frobnicate"), std::string::npos);
    EXPECT_EQ(parseCommandLine({"-x"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"a.QCS", "b.QCS"}).mode, Mode::Error);
    EXPECT_EQ(kExitUsage, 2);
}

TEST(CommandLine, ScreenshotTakesAFileAndKeepsTheDataset) {
    const CommandLine c = parseCommandLine({"--screenshot", "/tmp/a.png", "/data/x.QCS"});
    EXPECT_EQ(c.mode, CommandLine::Mode::Gui);
    EXPECT_EQ(c.screenshot, "/tmp/a.png");
    EXPECT_EQ(c.dataset, "/data/x.QCS");
    EXPECT_EQ(parseCommandLine({"--screenshot"}).mode, CommandLine::Mode::Error);
}

TEST(CommandLine, ChartGalleryTakesOneFolder) {
    const CommandLine c = parseCommandLine({"--chart-gallery", "/tmp/見本"});
    EXPECT_EQ(c.mode, Mode::ChartGallery);
    EXPECT_EQ(c.galleryDir, "/tmp/見本");
    EXPECT_EQ(parseCommandLine({"--chart-gallery"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"--chart-gallery", "a", "b"}).mode, Mode::Error);
    EXPECT_EQ(parseCommandLine({"x.QCS", "--chart-gallery", "a"}).mode, Mode::Error);
    EXPECT_NE(usageText().find("--chart-gallery DIR"), std::string::npos);
}
