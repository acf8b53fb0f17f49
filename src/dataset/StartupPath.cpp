// Splitting the start-up argument into the dataset's paths.
#include "dataset/StartupPath.h"

#include "dataset/FileDialogRules.h"

namespace zel {

std::optional<StartupPath> parseStartupPath(const std::string& arg) {
    const auto slash = arg.rfind('/');
    if (slash == std::string::npos || arg.empty()) return std::nullopt;
    StartupPath p;
    p.drive = arg.substr(0, 2);
    p.folder = arg.substr(0, slash);
    // The name the save dialog offers: the dataset's name, without the ending.
    p.fileName = datasetName(arg.substr(slash + 1));
    // A file in the root folder: the folder keeps its separator.
    if (p.folder.empty()) p.folder.assign(1, '/');
    const std::string stem = arg.substr(0, arg.size() - 1);
    p.valuesPath = stem + "S";
    p.namesPath = stem + "N";
    p.limitsPath = stem + "K";
    p.basePath = p.namesPath.size() >= 4 ? p.namesPath.substr(0, p.namesPath.size() - 4) : std::string();
    return p;
}

} // namespace zel
