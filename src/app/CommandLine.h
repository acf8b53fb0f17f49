// The command line of zel32: `zel32 [DATASET]`, `zel32 --convert IN OUT`,
// `zel32 --chart-gallery DIR`, the headless `zel32 --report=ID ... DATASET`,
// `--help`, `--version`.
#pragma once

#include "common/Analyses.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zel {

struct CommandLine {
    enum class Mode { Gui, Convert, Help, Version, ChartGallery, Report, ReportList, Error };
    Mode mode = Mode::Gui;
    std::string dataset;               // Gui: the dataset path, taken unchanged ("" = none)
    std::string convertIn, convertOut; // Convert
    std::string screenshot;            // Gui: save a picture of the screen here, then end
    std::string galleryDir;            // ChartGallery: the folder to write the pictures into
    std::string error;                 // Error: what was wrong

    // Report: the analysis, the --var values in their order (names or 1-based
    // numbers, resolved against the dataset later), the --set pairs in their
    // order, and the output folder. The dataset path is in `dataset`.
    std::optional<AnalysisId> reportAnalysis;
    std::vector<std::string> reportVariables;
    std::vector<std::pair<std::string, std::string>> reportSettings;
    std::string reportOutput;
    // --format: the one-file document written beside the other files.
    enum class ReportFormat { None, Pdf, Html };
    ReportFormat reportFormat = ReportFormat::None;
};

// The analysis a report ID names (any letter case: "xbar-r", "X-RS"), or the
// analysis list's own name of an analysis that can be reported. Nothing for
// anything else.
std::optional<AnalysisId> reportAnalysisFor(const std::string& id);
// `zel32 --report=list`: every report ID with its analysis and its options.
std::string reportListText();

// Parses the arguments after the program name. "--" ends the options: what
// follows is the dataset path even when it starts with "-".
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string usageText();
std::string versionMessage(); // "zel32 1.0.0"

// Exit status of a command line that stops before the program starts.
inline constexpr int kExitUsage = 2;

} // namespace zel
