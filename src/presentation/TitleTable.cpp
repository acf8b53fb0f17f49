// The title table, the per-analysis title rules and the title application.
#include "presentation/TitleTable.h"

#include <algorithm>

namespace zel {

namespace {

AnalysisTitleRule singleChart(AnalysisId analysis, WindowId window, std::string topDefault) {
    AnalysisTitleRule r;
    r.analysis = analysis;
    r.window = window;
    if (!topDefault.empty()) {
        r.topSource = DefaultTitleSource::Fixed;
        r.topDefaults = {topDefault, topDefault};
    }
    return r;
}

AnalysisTitleRule controlChart(AnalysisId analysis, WindowId window, std::array<std::string, 2> defaults,
                               std::array<std::string, 2> suffixes) {
    AnalysisTitleRule r;
    r.analysis = analysis;
    r.window = window;
    r.chartCount = 2;
    r.topSource = DefaultTitleSource::Fixed;
    r.topDefaults = std::move(defaults);
    r.topSuffixes = std::move(suffixes);
    return r;
}

std::vector<AnalysisTitleRule> builtInRules() {
    std::vector<AnalysisTitleRule> rules;
    rules.push_back(singleChart(AnalysisId::Histogram, WindowId::youko, "ヒストグラム"));
    for (AnalysisId id : {AnalysisId::VariableGraph, AnalysisId::Pareto}) {
        AnalysisTitleRule r = singleChart(id, WindowId::oresen, "");
        r.redrawOnlyWithFlag = true;
        rules.push_back(r);
    }
    {
        AnalysisTitleRule r = singleChart(AnalysisId::VariableStatistics, WindowId::hakohg, "変数別統計量");
        r.viewCommand = false; // hakohg has no 3-D view item
        rules.push_back(r);
    }
    {
        AnalysisTitleRule r = singleChart(AnalysisId::StratifiedStatistics, WindowId::hakohg, "層別統計量グラフ");
        r.gridCommand = false; // the grid-line dialog names only "変数別統計量" for hakohg
        r.viewCommand = false;
        rules.push_back(r);
    }
    {
        AnalysisTitleRule r = singleChart(AnalysisId::Gantt, WindowId::gantog, "ガントチャート");
        r.viewCommand = false;
        rules.push_back(r);
    }
    {
        AnalysisTitleRule r = singleChart(AnalysisId::DefectCount, WindowId::kanri1, "欠点数データ");
        r.topSuffixes = {"(欠点数データ)", "(欠点数データ)"};
        rules.push_back(r);
    }
    rules.push_back(
        controlChart(AnalysisId::XbarR, WindowId::xrkanri, {"平均値　Ｘbar", "範囲　Ｒ"}, {"(平均値)", "(範囲)"}));
    rules.push_back(
        controlChart(AnalysisId::PPn, WindowId::pkanri, {"不良率　Ｐ", "不良個数　Ｐｎ"}, {"(不良率)", "(不良個数)"}));
    rules.push_back(
        controlChart(AnalysisId::XRs, WindowId::xrskanri, {"測定値　Ｘ", "移動範囲　Ｒs"}, {"(Ｘ)", "(Ｒs)"}));
    {
        AnalysisTitleRule r;
        r.analysis = AnalysisId::Scatter;
        r.window = WindowId::sanpuzu;
        r.topSource = DefaultTitleSource::ScatterKind;
        r.bottomSource = DefaultTitleSource::ScatterBottom;
        r.leftSource = DefaultTitleSource::ScatterLeft;
        r.redrawOnlyWithFlag = true;
        r.viewCommand = false;
        rules.push_back(r);
    }
    {
        AnalysisTitleRule r = singleChart(AnalysisId::Scatter3D, WindowId::rsanpu, "立体散布図");
        r.bottomSource = DefaultTitleSource::Variable2;
        r.leftSource = DefaultTitleSource::Variable1;
        r.rightSource = DefaultTitleSource::Variable3;
        rules.push_back(r);
    }
    return rules;
}

std::vector<AnalysisTitleRule>& rulesStore() {
    static std::vector<AnalysisTitleRule> rules = builtInRules();
    return rules;
}

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
        return rule ? rule->topDefaults[static_cast<std::size_t>(chart)] : std::string();
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

std::span<const AnalysisTitleRule> titleRules() {
    return rulesStore();
}

void registerTitleRule(const AnalysisTitleRule& rule) {
    auto& rules = rulesStore();
    auto it = std::find_if(rules.begin(), rules.end(),
                           [&](const AnalysisTitleRule& r) { return r.analysis == rule.analysis; });
    if (it != rules.end())
        *it = rule;
    else
        rules.push_back(rule);
}

std::optional<AnalysisTitleRule> findTitleRule(std::optional<AnalysisId> analysis) {
    if (!analysis) return std::nullopt;
    for (const auto& r : rulesStore())
        if (r.analysis == analysis) return r;
    return std::nullopt;
}

bool applyTitles(TitleTable& table, const TitleInput& input, std::optional<AnalysisId> analysis,
                 const TitleContext& context, std::span<ChartModel* const> charts) {
    const std::optional<AnalysisTitleRule> found = findTitleRule(analysis);
    const AnalysisTitleRule* rule = found ? &*found : nullptr;
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
