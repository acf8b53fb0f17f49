// The analysis list and the graph command's checks, by the names the user sees:
// the edge between the list of the main window and the analysis table
// (common/Analyses.h), which holds the names, the rules and the windows.
#pragma once

#include <string>
#include <vector>

namespace zel {

// The analysis list in its order (index 0 first, selected at start-up).
std::vector<std::string> analysisNames();

// The analysis windows that the Analysis menu, toolbar button 7 and the
// sheet's pop-up menu close first.
std::vector<std::string> analysisWindowNames();

struct LaunchDecision {
    // The refusal's message ("" when the analysis may start); title "データの入力".
    std::string refusal;
    // The object name of the window to open: "XR1", "hensi2", "sanpuset" ...
    // ("" when refused, or for a name that is not an analysis).
    std::string window;
};

// The graph command's checks in their order: n < 2 first, then the analysis's
// own check on K. analysis is the name shown in the list; K the variable count,
// n the number of unmasked samples.
LaunchDecision graphCommandDecision(const std::string& analysis, int variables, int usedSamples);

} // namespace zel
