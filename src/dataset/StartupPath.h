// Splitting the dataset path given on the command line into drive, folder, file
// name and the three file paths.
#pragma once

#include <optional>
#include <string>

namespace zel {

struct StartupPath {
    std::string drive;                             // the first two characters of the argument
    std::string folder;                            // the text before the last '/'
    std::string fileName;                          // the text after it, without its ending
    std::string valuesPath, namesPath, limitsPath; // the argument with its last character S, N, K
    std::string basePath;                          // namesPath without its last four characters
};

// Nothing when the argument has no '/' (nothing is opened then).
std::optional<StartupPath> parseStartupPath(const std::string& argument);

} // namespace zel
