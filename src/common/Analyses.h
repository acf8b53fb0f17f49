// The program's analyses and windows, described once. Everything that lists,
// checks or names an analysis or a window (the analysis list and the graph
// command's checks, the windows the Analysis menu closes, the openers, the
// report command and its help, the default titles, the geometry keys) reads
// these two tables.
// Code names an analysis or a window by its enumerator, so that a misspelt
// name does not compile; the texts only appear at the edges (the list the
// user picks from, the command line).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zel {

// Every window that records its geometry, by the object name it carries.
enum class WindowId : std::uint8_t {
    bunform, dobun, gantog, gyoudel, gantol, grids, gyousou, hakohg, hensi1, hensi2,
    hensi2so, hensi3, henhenf, hakoh, hakohso, hensuub, hensuup, inmode, kanri1, kaibun,
    kgenin, kaityo, kikaku, ketten, LoadForm, masukuf, MEMORIH, nymode, oresen, okikaku,
    pkanri, pare1, pareko, parekos, pareno, p1, phensi2, xrskanri, retudel, retusou,
    rgset, rot, rsanpu, sanpuzu, saveform, SIYOU, sinkform, sanpuset, TAKOJI, toukei,
    titlef, tydata, verj, xrkanri, xrshensi, xrkase, xrload, XR1, XRS1, youko,
};
inline constexpr std::size_t kWindowCount = static_cast<std::size_t>(WindowId::youko) + 1;

// Graph windows default to a share of the screen; the others keep their own
// design geometry.
enum class WindowKind : std::uint8_t { Dialog, TableWindow, GraphWindow };

struct WindowDescriptor {
    WindowId id;
    std::string_view name;   // the object name ("XR1")
    std::string_view suffix; // geometry keys left_<suffix>, top_<suffix> ...
    WindowKind kind;
    bool analysisWindow;     // closed first by the Analysis menu, button 7 and the pop-up menu
};

// The analyses in the order of the analysis list (the first is selected at start-up).
enum class AnalysisId : std::uint8_t {
    VariableGraph, Histogram, Pareto, Scatter, VariableStatistics, Scatter3D, Gantt,
    XbarR, PPn, DefectCount, XRs, StratifiedStatistics, StratifiedHistogram,
};
inline constexpr std::size_t kAnalysisCount = static_cast<std::size_t>(AnalysisId::StratifiedHistogram) + 1;

// The graph command's check on the variable count K, made after the sample
// check: below minVariables or above maxVariables the refusal is shown;
// otherwise first opens, or firstWhenMore when K exceeds moreThan.
struct LaunchRule {
    int minVariables;
    int maxVariables;
    std::string_view refusal;
    WindowId first;
    int moreThan;
    WindowId firstWhenMore;
};

// Where a default title (the title of a row the user left empty) comes from.
enum class DefaultTitleSource : std::uint8_t {
    None,          // no default: the title is emptied
    Fixed,         // the rule's fixed text (per chart for the top row)
    Variable1,     // name of selected variable 1
    Variable2,     // name of selected variable 2
    Variable3,     // name of selected variable 3
    ScatterKind,   // the scatter window's kind list text
    ScatterBottom, // X variable name / "時系列" / unchanged with two X variables
    ScatterLeft,   // Y variable name / "残差"
};

// An analysis's graph window and its titles: the chart(s) that take them, the
// default of each row, the suffixes a typed top title gets, and how the
// window's presentation commands treat it.
struct AnalysisTitleRule {
    WindowId window;    // the graph window whose charts take the titles
    int chartCount = 1; // 2 for the two-chart control-chart windows
    DefaultTitleSource topSource = DefaultTitleSource::None;
    std::array<std::string_view, 2> topDefaults{}; // per chart, for DefaultTitleSource::Fixed
    std::array<std::string_view, 2> topSuffixes{}; // appended to a typed top title, per chart
    DefaultTitleSource bottomSource = DefaultTitleSource::None;
    DefaultTitleSource leftSource = DefaultTitleSource::None;
    DefaultTitleSource rightSource = DefaultTitleSource::None;
    bool redrawOnlyWithFlag = false; // redraws only while the title table's redraw flag is "1"
    bool gridCommand = true;         // the grid-line dialog redraws this window at once
    bool viewCommand = true;         // the 3-D view dialog's "保存" redraws it at once
};

struct AnalysisDescriptor {
    AnalysisId id;
    std::string_view listName; // the name in the analysis list ("Xbar-R 管理図")
    std::string_view reportId; // the --report ID ("xbar-r"), empty while it has none
    LaunchRule launch;
    // Nothing for an analysis without default titles: no window is found for it
    // when the title, grid-line or 3-D view dialog applies its settings.
    std::optional<AnalysisTitleRule> titles;
};

// The graph command refuses fewer than two unmasked samples first, whatever the analysis.
inline constexpr std::string_view kTooFewSamples = "解析を行うには、データを２つ以上選択してください。";
// X-Rs on a dataset without variables: the launch and the computation refuse it alike.
// The entry after the variables in the X-Rs variable list: the mean of every
// variable of each sample (list position K + 1).
inline constexpr const char* kXbarEntry = "Xbar";

inline constexpr std::string_view kXRsVariables = "X-Rs 管理図を作成するには１つ以上の変数が必要です。";

std::span<const WindowDescriptor, kWindowCount> windowTable();
const WindowDescriptor& window(WindowId id);
std::optional<WindowId> findWindow(std::string_view name);

std::span<const AnalysisDescriptor, kAnalysisCount> analysisTable();
const AnalysisDescriptor& analysis(AnalysisId id);
// By the name in the analysis list, or by report ID; nothing for an unknown text.
std::optional<AnalysisId> findAnalysis(std::string_view listName);
std::optional<AnalysisId> findReport(std::string_view reportId);
// The title rule of an analysis, or null for none (or for no analysis).
const AnalysisTitleRule* findTitleRule(std::optional<AnalysisId> id);
// The graph window of an analysis (the window its title rule names), if it has one.
std::optional<WindowId> graphWindow(AnalysisId id);

// The graph command's decision for K variables and n unmasked samples: the
// refusal's text, or the first window.
struct Launch {
    std::string_view refusal; // empty when the analysis may start
    std::optional<WindowId> window;
};
Launch decideLaunch(AnalysisId id, int variables, int usedSamples);

// Every window the graph command may open first for the analysis (one or two).
std::array<std::optional<WindowId>, 2> firstWindows(AnalysisId id);

} // namespace zel
