// Tests of the title table, the per-analysis default titles and suffixes, the
// title application onto chart models, and the grid-line settings.
#include "components/chart/ChartModel.h"
#include "presentation/GraphSettings.h"
#include "presentation/TitleTable.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace zel;

namespace {

// The analysis of a list name (nothing for a name that is not one).
std::optional<AnalysisId> id(const std::string& listName) {
    return findAnalysis(listName);
}

TitleInput typed(const std::string& top, const std::string& bottom = "", const std::string& left = "",
                 const std::string& right = "") {
    TitleInput in;
    in[0].text = top;
    in[1].text = bottom;
    in[2].text = left;
    in[3].text = right;
    return in;
}

struct Charts {
    ChartModel a, b;
    std::vector<ChartModel*> one() { return {&a}; }
    std::vector<ChartModel*> two() { return {&a, &b}; }
};

} // namespace

TEST(TitleTable, ResetAndStoredForms) {
    TitleTable t;
    t.setText(TitleRow::Top, "abc");
    t.setText(TitleRow::Left, TitleTable::kNoTitle);
    t.setOrientation(TitleRow::Left, 0);
    t.setRedrawFlag(false);
    EXPECT_EQ(t.orientation(TitleRow::Left), 0);
    EXPECT_FALSE(t.redrawFlag());

    const TitleInput in = t.asInput();
    EXPECT_FALSE(in[0].none);
    EXPECT_EQ(in[0].text, "abc");
    EXPECT_TRUE(in[2].none);
    EXPECT_EQ(in[2].text, "");

    t.reset();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(t.text(static_cast<TitleRow>(i)), "");
        EXPECT_EQ(t.second(static_cast<TitleRow>(i)), "1");
    }
    EXPECT_TRUE(t.redrawFlag());
    EXPECT_EQ(t.orientation(TitleRow::Left), 1);
    EXPECT_EQ(t.orientation(TitleRow::Right), 1);
}

TEST(TitleApply, ControlChartSuffixesAndDefaultsPerChart) {
    TitleTable t;
    Charts c;
    EXPECT_TRUE(applyTitles(t, typed("T"), id("Xbar-R 管理図"), {}, c.two()));
    EXPECT_EQ(c.a.titleTop(), "T(平均値)");
    EXPECT_EQ(c.b.titleTop(), "T(範囲)");
    EXPECT_EQ(t.text(TitleRow::Top), "T"); // the table keeps the text without suffix

    applyTitles(t, typed(""), id("Xbar-R 管理図"), {}, c.two());
    EXPECT_EQ(c.a.titleTop(), "平均値　Ｘbar");
    EXPECT_EQ(c.b.titleTop(), "範囲　Ｒ");

    applyTitles(t, typed("Q"), id("P-Pn 管理図"), {}, c.two());
    EXPECT_EQ(c.a.titleTop(), "Q(不良率)");
    EXPECT_EQ(c.b.titleTop(), "Q(不良個数)");
    applyTitles(t, typed(""), id("X-Rs 管理図"), {}, c.two());
    EXPECT_EQ(c.a.titleTop(), "測定値　Ｘ");
    EXPECT_EQ(c.b.titleTop(), "移動範囲　Ｒs");
    applyTitles(t, typed("K"), id("欠点数データ"), {}, c.one());
    EXPECT_EQ(c.a.titleTop(), "K(欠点数データ)");
}

TEST(TitleApply, NoTitleEmptiesBothChartsAndStoresBlank) {
    TitleTable t;
    Charts c;
    c.a.setTitleTop("old");
    c.b.setTitleTop("old");
    TitleInput in = typed("ignored", "B");
    in[0].none = true;
    applyTitles(t, in, id("X-Rs 管理図"), {}, c.two());
    EXPECT_EQ(c.a.titleTop(), "");
    EXPECT_EQ(c.b.titleTop(), "");
    EXPECT_EQ(t.text(TitleRow::Top), " ");
    // Rows 1..3 go to both charts alike.
    EXPECT_EQ(c.a.titleBottom(), "B");
    EXPECT_EQ(c.b.titleBottom(), "B");
    // Reopening shows the check.
    EXPECT_TRUE(t.asInput()[0].none);
}

TEST(TitleApply, SideTitlesTakeTheStoredOrientation) {
    TitleTable t;
    Charts c;
    applyTitles(t, typed("", "", "L", "R"), id("ヒストグラム"), {}, c.one());
    EXPECT_EQ(c.a.titleTop(), "ヒストグラム");
    EXPECT_EQ(c.a.titleLeft(), "L");
    EXPECT_EQ(c.a.titleLeftStyle(), 1); // vertical unless "水平" was chosen
    t.setOrientation(TitleRow::Left, 0);
    t.setOrientation(TitleRow::Right, 0);
    applyTitles(t, typed("", "", "L", "R"), id("ヒストグラム"), {}, c.one());
    EXPECT_EQ(c.a.titleLeftStyle(), 0);
    EXPECT_EQ(c.a.titleRightStyle(), 0);
    // Empty side rows without a default empty the titles.
    applyTitles(t, typed(""), id("ヒストグラム"), {}, c.one());
    EXPECT_EQ(c.a.titleLeft(), "");
    EXPECT_EQ(c.a.titleRight(), "");
}

TEST(TitleApply, DefaultsBySingleChartAnalysis) {
    struct Case {
        const char* analysis;
        const char* top;
    } cases[] = {{"ヒストグラム", "ヒストグラム"},
                 {"変数別グラフ", ""},
                 {"パレート図", ""},
                 {"変数別統計量", "変数別統計量"},
                 {"層別統計量グラフ", "層別統計量グラフ"},
                 {"ガントチャート", "ガントチャート"},
                 {"欠点数データ", "欠点数データ"},
                 {"立体散布図", "立体散布図"},
                 {"未登録の分析", ""}};
    for (const Case& k : cases) {
        TitleTable t;
        Charts c;
        c.a.setTitleTop("stale");
        applyTitles(t, typed(""), id(k.analysis), {}, c.one());
        EXPECT_EQ(c.a.titleTop(), k.top) << k.analysis;
        applyTitles(t, typed("T"), id(k.analysis), {}, c.one());
        if (std::string(k.analysis) != "欠点数データ") {
            EXPECT_EQ(c.a.titleTop(), "T") << k.analysis;
        }
    }
}

TEST(TitleApply, ThreeDScatterNamesTheVariables) {
    TitleTable t;
    Charts c;
    TitleContext ctx;
    ctx.variableNames = {"v1", "v2", "v3"};
    applyTitles(t, typed(""), id("立体散布図"), ctx, c.one());
    EXPECT_EQ(c.a.titleBottom(), "v2");
    EXPECT_EQ(c.a.titleLeft(), "v1");
    EXPECT_EQ(c.a.titleRight(), "v3");
}

TEST(TitleApply, ScatterDefaultsFollowTheKindList) {
    TitleTable t;
    Charts c;
    TitleContext ctx;
    ctx.kindText = "回帰直線";
    ctx.xVariableName = "X";
    ctx.yVariableName = "Y";
    t.setOrientation(TitleRow::Left, 0);
    applyTitles(t, typed(""), id("散布図"), ctx, c.one());
    EXPECT_EQ(c.a.titleTop(), "回帰直線");
    EXPECT_EQ(c.a.titleBottom(), "X");
    EXPECT_EQ(c.a.titleLeft(), "Y");
    EXPECT_EQ(c.a.titleLeftStyle(), 0); // the default left title takes the stored orientation

    ctx.kindText = "残差プロット";
    applyTitles(t, typed(""), id("散布図"), ctx, c.one());
    EXPECT_EQ(c.a.titleLeft(), "残差");
    EXPECT_EQ(c.a.titleBottom(), "X");
    ctx.kindText = "時系列残差プロット";
    applyTitles(t, typed(""), id("散布図"), ctx, c.one());
    EXPECT_EQ(c.a.titleLeft(), "残差");
    EXPECT_EQ(c.a.titleBottom(), "時系列");

    // Two X variables: an empty bottom row leaves the chart's bottom title alone.
    ctx.xVariableCount = 2;
    c.a.setTitleBottom("kept");
    applyTitles(t, typed(""), id("散布図"), ctx, c.one());
    EXPECT_EQ(c.a.titleBottom(), "kept");
}

TEST(TitleApply, RedrawFlagOnlyMattersForItsThreeAnalyses) {
    TitleTable t;
    Charts c;
    t.setRedrawFlag(false);
    for (const char* a : {"散布図", "変数別グラフ", "パレート図"})
        EXPECT_FALSE(applyTitles(t, typed(""), id(a), {}, c.one()));
    for (const char* a : {"ヒストグラム", "立体散布図", "ガントチャート"})
        EXPECT_TRUE(applyTitles(t, typed(""), id(a), {}, c.one()));
    t.setRedrawFlag(true);
    EXPECT_TRUE(applyTitles(t, typed(""), id("散布図"), {}, c.one()));
}

TEST(TitleApply, StoresTextsWithoutAnyChart) {
    TitleTable t;
    TitleInput in = typed("top", "", "left");
    in[3].none = true;
    applyTitles(t, in, id("Xbar-R 管理図"), {}, {});
    EXPECT_EQ(t.text(TitleRow::Top), "top");
    EXPECT_EQ(t.text(TitleRow::Bottom), "");
    EXPECT_EQ(t.text(TitleRow::Left), "left");
    EXPECT_EQ(t.text(TitleRow::Right), " ");
}

TEST(TitleRules, ReadFromTheAnalysisTable) {
    ASSERT_TRUE(findTitleRule(AnalysisId::VariableGraph));
    EXPECT_EQ(findTitleRule(AnalysisId::VariableGraph)->window, WindowId::oresen);
    EXPECT_EQ(findTitleRule(AnalysisId::Pareto)->window, WindowId::oresen);
    EXPECT_EQ(findTitleRule(AnalysisId::StratifiedStatistics)->window, WindowId::hakohg);
    EXPECT_EQ(findTitleRule(AnalysisId::PPn)->chartCount, 2);
    EXPECT_EQ(findTitleRule(AnalysisId::XRs), &*analysis(AnalysisId::XRs).titles);
    EXPECT_FALSE(findTitleRule(std::nullopt));
    EXPECT_FALSE(findTitleRule(AnalysisId::StratifiedHistogram));

    // Without a rule a typed title goes on the chart as typed and an empty row empties it.
    TitleTable t;
    Charts c;
    c.a.setTitleTop("stale");
    EXPECT_TRUE(applyTitles(t, typed("T"), AnalysisId::StratifiedHistogram, {}, c.two()));
    EXPECT_EQ(c.a.titleTop(), "T");
    EXPECT_EQ(c.b.titleTop(), ""); // one chart only
    applyTitles(t, typed(""), AnalysisId::StratifiedHistogram, {}, c.one());
    EXPECT_EQ(c.a.titleTop(), "");
}

TEST(TitleRules, WindowsTheGridAndViewDialogsRedrawAtOnce) {
    // The grid-line dialog's "OK" redraws the current analysis's window for all
    // but the stratified statistics; the 3-D view dialog's "保存" only for these.
    const std::set<AnalysisId> view = {
        AnalysisId::Scatter3D,   AnalysisId::VariableGraph, AnalysisId::Pareto, AnalysisId::Histogram,
        AnalysisId::DefectCount, AnalysisId::PPn,           AnalysisId::XbarR,  AnalysisId::XRs};
    for (const AnalysisDescriptor& a : analysisTable()) {
        const AnalysisTitleRule* rule = findTitleRule(a.id);
        if (!rule) continue;
        EXPECT_EQ(rule->gridCommand, a.id != AnalysisId::StratifiedStatistics) << a.listName;
        EXPECT_EQ(rule->viewCommand, view.count(a.id) == 1) << a.listName;
    }
}

TEST(GraphSettings, GridSettingsRoundTripAndBadValues) {
    MemorySettingsStore store;
    GridSettings s = readGridSettings(store);
    EXPECT_EQ(s.lines, 0);
    EXPECT_EQ(s.style, 0);
    writeGridSettings(store, {3, 4});
    EXPECT_EQ(store.read("graph", "gridstyle", ""), "3");
    EXPECT_EQ(store.read("graph", "gridline", ""), "4");
    s = readGridSettings(store);
    EXPECT_TRUE(s.horizontal());
    EXPECT_TRUE(s.vertical());
    store.write("graph", "gridstyle", "9");
    store.write("graph", "gridline", "x");
    s = readGridSettings(store);
    EXPECT_EQ(s.lines, 0);
    EXPECT_EQ(s.style, 0);
    EXPECT_EQ(GridSettings::linesFromChecks(false, false), 0);
    EXPECT_EQ(GridSettings::linesFromChecks(true, false), 1);
    EXPECT_EQ(GridSettings::linesFromChecks(false, true), 2);
    EXPECT_EQ(GridSettings::linesFromChecks(true, true), 3);

    // The view angles: the chart's defaults until written, then what was written.
    const ViewAngles fresh = readViewAngles(store);
    EXPECT_EQ(fresh.rotation, 15);
    EXPECT_EQ(fresh.perspective, 30);
    EXPECT_EQ(fresh.elevation, 0);
    writeViewAngles(store, ViewAngles{-90, 100, 60});
    EXPECT_EQ(store.read("graph3d", "Rotation", ""), "-90");
    EXPECT_EQ(store.read("graph3d", "Perspective", ""), "100");
    EXPECT_EQ(store.read("graph3d", "Elevation", ""), "60");
    const ViewAngles written = readViewAngles(store);
    EXPECT_EQ(written.rotation, -90);
    EXPECT_EQ(written.perspective, 100);
    EXPECT_EQ(written.elevation, 60);
    store.write("graph3d", "Rotation", "abc"); // unreadable: the default
    EXPECT_EQ(readViewAngles(store).rotation, 15);
}
