// The shared title table (top, bottom, left and right chart titles with their
// show and orientation settings) and the application of the titles onto the
// chart models of the current analysis's window. Each analysis's default titles
// and top-title suffixes are its title rule in the analysis table
// (common/Analyses.h, findTitleRule).
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
