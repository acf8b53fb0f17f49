// The analysis list, the windows the Analysis menu closes and the graph
// command's decision, read from the analysis and window tables.
#include "analysis/Launch.h"

#include "common/Analyses.h"

namespace zel {

std::vector<std::string> analysisNames() {
    std::vector<std::string> names;
    for (const AnalysisDescriptor& a : analysisTable())
        names.emplace_back(a.listName);
    return names;
}

std::vector<std::string> analysisWindowNames() {
    std::vector<std::string> names;
    for (const WindowDescriptor& w : windowTable())
        if (w.analysisWindow) names.emplace_back(w.name);
    return names;
}

LaunchDecision graphCommandDecision(const std::string& name, int variables, int usedSamples) {
    const std::optional<AnalysisId> id = findAnalysis(name);
    if (!id) return {};
    const Launch launch = decideLaunch(*id, variables, usedSamples);
    return {std::string(launch.refusal), launch.window ? std::string(window(*launch.window).name) : std::string()};
}

} // namespace zel
