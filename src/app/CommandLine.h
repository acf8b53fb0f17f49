// The command line of zel32: `zel32 [DATASET]`, `zel32 --convert IN OUT`,
// `zel32 --chart-gallery DIR`, the headless `zel32 --report=ID ... DATASET`,
// `--help`, `--version`.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zel {

struct CommandLine {
    enum class Mode { Gui, Convert, Help, Version, ChartGallery, Report, Error };
    Mode mode = Mode::Gui;
    std::string dataset;               // Gui: the dataset path, taken unchanged ("" = none)
    std::string convertIn, convertOut; // Convert
    std::string screenshot;            // Gui: save a picture of the screen here, then end
    std::string galleryDir;            // ChartGallery: the folder to write the pictures into
    std::string error;                 // Error: what was wrong

    // Report: the analysis name as the analysis list shows it ("Xbar-R 管理図" ...),
    // the --var values in their order (names or 1-based numbers, resolved against
    // the dataset later), the --set pairs in their order, and the output folder.
    // The dataset path is in `dataset`.
    std::string reportAnalysis;
    std::vector<std::string> reportVariables;
    std::vector<std::pair<std::string, std::string>> reportSettings;
    std::string reportOutput;
};

// The analysis a report ID names: "xbar-r", "x-rs", "p-pn", "defects" (any
// letter case) or the analysis list's own names. "" for anything else.
std::string reportAnalysisFor(const std::string& id);
// The keys --set accepts.
bool isReportSettingKey(const std::string& key);

// Parses the arguments after the program name. "--" ends the options: what
// follows is the dataset path even when it starts with "-".
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string usageText();
std::string versionMessage(); // "zel32 1.0.0"

// Exit status of a command line that stops before the program starts.
inline constexpr int kExitUsage = 2;

} // namespace zel
