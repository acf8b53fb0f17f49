// The command line of zel32: `zel32 [DATASET]`, `zel32 --convert IN OUT`,
// `zel32 --chart-gallery DIR`, `--help`, `--version`.
#pragma once

#include <string>
#include <vector>

namespace zel {

struct CommandLine {
    enum class Mode { Gui, Convert, Help, Version, ChartGallery, Error };
    Mode mode = Mode::Gui;
    std::string dataset;               // Gui: the dataset path, taken unchanged ("" = none)
    std::string convertIn, convertOut; // Convert
    std::string screenshot;            // Gui: save a picture of the screen here, then end
    std::string galleryDir;            // ChartGallery: the folder to write the pictures into
    std::string error;                 // Error: what was wrong
};

// Parses the arguments after the program name. "--" ends the options: what
// follows is the dataset path even when it starts with "-".
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string usageText();
std::string versionMessage(); // "zel32 1.0.0"

// Exit status of a command line that stops before the program starts.
inline constexpr int kExitUsage = 2;

} // namespace zel
