// The records the main window's module owns for the whole run: the dataset and
// the shared start values and flags that other windows read. Later analyses add
// their shared records (analysis set, chart data set, titles) here.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/control/ChartDataSet.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"

#include <array>
#include <cstdint>

namespace zel {

struct View3D {
    std::int16_t rotation = 15;
    std::int16_t perspective = 30;
    std::int16_t elevation = 0;
};

// The print margins in millimetres, shared by every print while the program runs.
struct PrintMargins {
    std::int16_t top = 0;
    std::int16_t bottom = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
};

struct Workspace {
    Dataset dataset;
    View3D view3d;
    // The four statistics-line switches of the variable graphs.
    std::array<std::int16_t, 4> statLineSwitches{1, 1, 0, 0};
    std::int16_t rememberedGraphType = 0;
    std::int16_t rememberedGraphStyle = 0;
    std::int16_t dataLabelFlag = 0;
    PrintMargins printMargins;
    // The four chart titles, reset by every analysis launch.
    TitleTable titles;
    // What the variable dialogs pick for the histogram, scatter and variable graphs.
    AnalysisSet analysisSet;
    // What a control-chart table window hands to its chart window.
    ChartDataSet chartData;
    // The limits dialog's last answer.
    EnteredLimits enteredLimits;
};

} // namespace zel
