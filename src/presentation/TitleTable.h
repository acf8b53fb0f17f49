// The shared title table (top, bottom, left and right chart titles with their
// show and orientation settings), the per-analysis default titles and top-title
// suffixes, and the application of the titles onto the chart models of the
// current analysis's window. The per-analysis rules are a table keyed by the
// analysis name, so that each analysis brings its own row.
#pragma once

#include "common/Analyses.h"

#include "components/chart/ChartModel.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zel {

enum class TitleRow { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// What one row of the title dialog (or the stored table) asks for.
struct TitleRowInput {
    bool none = false; // "タイトルなし"
    std::string text;  // the box's text ("" = the default title)
};
using TitleInput = std::array<TitleRowInput, 4>;

class TitleTable {
  public:
    static constexpr int kRows = 4;
    // The stored text meaning "no title at all".
    static constexpr const char* kNoTitle = " ";

    TitleTable() { reset(); }

    // The launch of an analysis: every text "" and every second column "1".
    void reset();

    const std::string& text(TitleRow row) const { return m_text[index(row)]; }
    void setText(TitleRow row, const std::string& text) { m_text[index(row)] = text; }
    const std::string& second(TitleRow row) const { return m_second[index(row)]; }
    void setSecond(TitleRow row, const std::string& value) { m_second[index(row)] = value; }

    // Row 0's second column: "1", or "0" while a graph window applies titles
    // inside its own redraw.
    bool redrawFlag() const { return m_second[0] != "0"; }
    void setRedrawFlag(bool on) { m_second[0] = on ? "1" : "0"; }

    // Orientation of the left and right titles: 0 horizontal, 1 vertical. A
    // stored text other than "0" reads as vertical.
    int orientation(TitleRow row) const;
    void setOrientation(TitleRow row, int orientation);

    // The stored texts as dialog input: " " checks "タイトルなし".
    TitleInput asInput() const;

  private:
    static std::size_t index(TitleRow row) { return static_cast<std::size_t>(row); }
    std::array<std::string, kRows> m_text;
    std::array<std::string, kRows> m_second;
};

// Where a default title comes from.
enum class DefaultTitleSource {
    None,          // no default: the title is emptied
    Fixed,         // the rule's fixed text (per chart for the top row)
    Variable1,     // name of selected variable 1
    Variable2,     // name of selected variable 2
    Variable3,     // name of selected variable 3
    ScatterKind,   // the scatter window's kind list text
    ScatterBottom, // X variable name / "時系列" / unchanged with two X variables
    ScatterLeft,   // Y variable name / "残差"
};

// One analysis's title rules.
struct AnalysisTitleRule {
    AnalysisId analysis = AnalysisId::VariableGraph;
    WindowId window = WindowId::oresen; // the analysis's graph window
    int chartCount = 1;   // 2 for the two-chart control-chart windows
    DefaultTitleSource topSource = DefaultTitleSource::None;
    std::array<std::string, 2> topDefaults; // per chart, for DefaultTitleSource::Fixed
    std::array<std::string, 2> topSuffixes; // appended to a typed top title, per chart
    DefaultTitleSource bottomSource = DefaultTitleSource::None;
    DefaultTitleSource leftSource = DefaultTitleSource::None;
    DefaultTitleSource rightSource = DefaultTitleSource::None;
    bool redrawOnlyWithFlag = false; // redraws only while the redraw flag is "1"
    bool gridCommand = true;         // the grid-line dialog redraws this window at once
    bool viewCommand = true;         // the 3-D view dialog's "保存" redraws it at once
};

// The rules of every analysis known so far; an analysis adds its row with
// registerTitleRule (a row for the same analysis replaces the old one).
std::span<const AnalysisTitleRule> titleRules();
void registerTitleRule(const AnalysisTitleRule& rule);
// The rule of an analysis, or nothing for an analysis (or none) without one.
std::optional<AnalysisTitleRule> findTitleRule(std::optional<AnalysisId> analysis);

// What the defaults depend on besides the analysis: the analysis window's
// selected variable names and, for the scatter diagram, its kind list text and
// X variable count.
struct TitleContext {
    std::vector<std::string> variableNames; // selected variables 1, 2, 3 ...
    std::string kindText;      // "回帰直線", "残差プロット", "時系列残差プロット" ...
    std::string xVariableName; // scatter diagram: the (first) X variable
    std::string yVariableName; // scatter diagram: the Y variable
    int xVariableCount = 1;
};

// Applies the titles row by row to the charts (two-chart windows get rows 1..3
// alike on both charts, the top row per chart), storing each row's text into
// the table. Returns whether the charts are to be redrawn now.
bool applyTitles(TitleTable& table, const TitleInput& input, std::optional<AnalysisId> analysis,
                 const TitleContext& context, std::span<ChartModel* const> charts);

} // namespace zel
