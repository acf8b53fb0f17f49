// zel32: the desktop program, and the headless --convert and --report commands.
#include "analysis/control/ControlChartGallery.h"
#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "app/ReportCommand.h"
#include "dataset/Convert.h"
#include "dataset/XlsxReader.h"
#include "windowkit/AppSettings.h"
#include "windowkit/QSettingsStore.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

// Draws the chart gallery; needs no display (falls back to the offscreen platform).
int runChartGallery(int argc, char** argv, const std::string& dir) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A widget application: the printed tables are drawn through their grids.
    QApplication app(argc, argv);
    const int rc = writeChartGallery(QString::fromLocal8Bit(dir.c_str()));
    if (rc != 0) std::cerr << "zel32: グラフ見本を書き出せませんでした: " << dir << '\n';
    return rc;
}

// Runs a control chart without windows; needs no display (the offscreen
// platform serves when none is named).
int runReport(int argc, char** argv, const zel::CommandLine& cl) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("ZEL"));
    // The user's grid-line and 3-D view settings; the report only reads them.
    zel::installAppSettings(std::make_unique<zel::QSettingsStore>());
    return ReportCommand::run(cl, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const zel::CommandLine cl = zel::parseCommandLine(args);
    switch (cl.mode) {
    case zel::CommandLine::Mode::Help:
        std::cout << zel::usageText();
        return 0;
    case zel::CommandLine::Mode::Version:
        std::cout << zel::versionMessage() << '\n';
        return 0;
    case zel::CommandLine::Mode::Error:
        std::cerr << "zel32: " << cl.error << '\n' << zel::usageText();
        return zel::kExitUsage;
    case zel::CommandLine::Mode::Convert:
        return zel::runConvert(cl.convertIn, cl.convertOut, std::cerr, &zel::xlsxToDataset);
    case zel::CommandLine::Mode::ChartGallery:
        return runChartGallery(argc, argv, cl.galleryDir);
    case zel::CommandLine::Mode::Report:
        return runReport(argc, argv, cl);
    case zel::CommandLine::Mode::ReportList:
        std::cout << zel::reportListText();
        return 0;
    case zel::CommandLine::Mode::Gui:
        break;
    }
    // The open moves the current folder to the dataset's: fix the picture's path first.
    const std::string screenshot =
        cl.screenshot.empty() ? std::string() : std::filesystem::absolute(cl.screenshot).string();
    return ProgramStart::run(argc, argv, cl.dataset, screenshot);
}
