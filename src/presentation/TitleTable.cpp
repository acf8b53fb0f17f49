// The title table and the title application.
#include "presentation/TitleTable.h"

#include <algorithm>

namespace zel {

namespace {

std::string variableName(const TitleContext& context, std::size_t i) {
    return i < context.variableNames.size() ? context.variableNames[i] : std::string();
}

// The default title of a row, or nothing when the chart's title is to stay as it is.
std::optional<std::string> defaultTitle(DefaultTitleSource source, const AnalysisTitleRule* rule, int chart,
                                        const TitleContext& context) {
    switch (source) {
    case DefaultTitleSource::None:
        return std::string();
    case DefaultTitleSource::Fixed:
        return rule ? std::string(rule->topDefaults[static_cast<std::size_t>(chart)]) : std::string();
    case DefaultTitleSource::Variable1:
        return variableName(context, 0);
    case DefaultTitleSource::Variable2:
        return variableName(context, 1);
    case DefaultTitleSource::Variable3:
        return variableName(context, 2);
    case DefaultTitleSource::ScatterKind:
        return context.kindText;
    case DefaultTitleSource::ScatterBottom:
        if (context.xVariableCount >= 2) return std::nullopt;
        if (context.kindText == "時系列残差プロット") return std::string("時系列");
        return context.xVariableName;
    case DefaultTitleSource::ScatterLeft:
        if (context.kindText == "残差プロット" || context.kindText == "時系列残差プロット")
            return std::string("残差");
        return context.yVariableName;
    }
    return std::string();
}

void setTitle(ChartModel& chart, TitleRow row, const std::string& text) {
    switch (row) {
    case TitleRow::Top:
        chart.setTitleTop(text);
        break;
    case TitleRow::Bottom:
        chart.setTitleBottom(text);
        break;
    case TitleRow::Left:
        chart.setTitleLeft(text);
        break;
    case TitleRow::Right:
        chart.setTitleRight(text);
        break;
    }
}

void setOrientation(ChartModel& chart, TitleRow row, int orientation) {
    if (row == TitleRow::Left) chart.setTitleLeftStyle(orientation);
    if (row == TitleRow::Right) chart.setTitleRightStyle(orientation);
}

} // namespace

void TitleTable::reset() {
    m_text.fill(std::string());
    m_second.fill(std::string("1"));
}

int TitleTable::orientation(TitleRow row) const {
    return m_second[index(row)] == "0" ? 0 : 1;
}

void TitleTable::setOrientation(TitleRow row, int orientation) {
    m_second[index(row)] = orientation == 0 ? "0" : "1";
}

TitleInput TitleTable::asInput() const {
    TitleInput input;
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        if (m_text[i] == kNoTitle)
            input[i].none = true;
        else
            input[i].text = m_text[i];
    }
    return input;
}

bool applyTitles(TitleTable& table, const TitleInput& input, std::optional<AnalysisId> analysis,
                 const TitleContext& context, std::span<ChartModel* const> charts) {
    const AnalysisTitleRule* rule = findTitleRule(analysis);
    const int ruleCharts = rule ? rule->chartCount : 1;
    const int chartCount = std::min(static_cast<int>(charts.size()), std::max(ruleCharts, 1));

    for (int i = 0; i < TitleTable::kRows; ++i) {
        const auto row = static_cast<TitleRow>(i);
        const TitleRowInput& in = input[static_cast<std::size_t>(i)];
        const bool sideRow = row == TitleRow::Left || row == TitleRow::Right;
        if (in.none) {
            table.setText(row, TitleTable::kNoTitle);
            for (int c = 0; c < chartCount; ++c)
                setTitle(*charts[c], row, std::string());
            continue;
        }
        if (!in.text.empty()) {
            table.setText(row, in.text);
            for (int c = 0; c < chartCount; ++c) {
                if (sideRow) setOrientation(*charts[c], row, table.orientation(row));
                std::string title = in.text;
                if (row == TitleRow::Top && rule) title += rule->topSuffixes[static_cast<std::size_t>(c)];
                setTitle(*charts[c], row, title);
            }
            continue;
        }
        table.setText(row, std::string());
        DefaultTitleSource source = DefaultTitleSource::None;
        if (rule) {
            switch (row) {
            case TitleRow::Top:
                source = rule->topSource;
                break;
            case TitleRow::Bottom:
                source = rule->bottomSource;
                break;
            case TitleRow::Left:
                source = rule->leftSource;
                break;
            case TitleRow::Right:
                source = rule->rightSource;
                break;
            }
        }
        for (int c = 0; c < chartCount; ++c) {
            const std::optional<std::string> title = defaultTitle(source, rule, c, context);
            if (!title) continue;
            if (source == DefaultTitleSource::ScatterLeft)
                setOrientation(*charts[c], row, table.orientation(row));
            setTitle(*charts[c], row, *title);
        }
    }
    return !(rule && rule->redrawOnlyWithFlag) || table.redrawFlag();
}

} // namespace zel
