// The records the main window's module owns for the whole run: the dataset and
// the shared start values and flags that other windows read. Later analyses add
// their shared records here.
//
// Every window sees this header, so it names the records of the dataset, the
// analyses and the titles without their headers: those records are made by the
// program (Workspace.cpp beside the main window) and reached through references,
// and a window that reads one includes that record's own header.
#pragma once

#include "components/chart/ViewAngles.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zel {

class Dataset;
class TitleTable;
struct AnalysisSet;
struct ChartDataSet;
struct ClassLabelTexts;
struct ClassTable;
struct EnteredLimits;
struct ParetoItems;
struct RegressionResults;
struct StratifiedSet;
struct VariableStatistics;

// The print margins in millimetres, shared by every print while the program runs.
struct PrintMargins {
    std::int16_t top = 0;
    std::int16_t bottom = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
};

struct Workspace {
    Workspace();
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // The dataset's base path (folder and name without extension; "" while no
    // dataset is open), for windows that show it without reading the dataset.
    const std::string& datasetBasePath() const;

private:
    struct Records;
    std::unique_ptr<Records> m_records;

public:
    Dataset& dataset;
    // The shared 3-D view angles every graph window draws with.
    ViewAngles view3d;
    // The four statistics-line switches of the variable graphs.
    std::array<std::int16_t, 4> statLineSwitches{1, 1, 0, 0};
    std::int16_t rememberedGraphType = 0;
    std::int16_t rememberedGraphStyle = 0;
    std::int16_t dataLabelFlag = 0;
    PrintMargins printMargins;
    // The four chart titles, reset by every analysis launch.
    TitleTable& titles;
    // What the variable dialogs pick for the histogram, scatter and variable graphs.
    AnalysisSet& analysisSet;
    // What a control-chart table window hands to its chart window.
    ChartDataSet& chartData;
    // The limits dialog's last answer.
    EnteredLimits& enteredLimits;
    // The histogram chain: the Class table the graph settings dialog builds,
    // the label texts the frequency table hands to the histogram, and the
    // classification flags F(1..K) (2 none, 1 marked, 0 unmarked).
    ClassTable& classTable;
    ClassLabelTexts& classLabels;
    std::vector<std::int16_t> classFlags;
    // The stratification dialog's set, for the stratified statistics and histogram.
    StratifiedSet& stratifiedSet;
    // What the statistics table hands to the comparison graph.
    VariableStatistics& variableStatistics;
    // The Pareto items in table order with their cumulative percents P(i):
    // ranked by the table window, folded by the item count dialog, drawn by the
    // variable graph window's kind "パレート図".
    ParetoItems& paretoItems;
    // The scatter window's last regression computation, shown by the analysis
    // of variance and regression line tables.
    RegressionResults& regression;
    // The degree of the scatter window's fitted curve that the degree dialog
    // TAKOJI last stored (0 while none was: the dialog then shows 2).
    std::int16_t polynomialDegree = 0;
};

} // namespace zel
