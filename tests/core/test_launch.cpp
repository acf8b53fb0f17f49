// Tests of the graph command's checks: the order of the checks, each refusal's
// text, the window each analysis opens, and the two fixed name lists.
#include "analysis/Launch.h"
#include "common/Analyses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace zel;

namespace {
const std::string kTooFew = "解析を行うには、データを２つ以上選択してください。";
}

TEST(LaunchLists, AnalysisNamesInListOrder) {
    const auto& names = analysisNames();
    EXPECT_EQ(names[0], "変数別グラフ");
    EXPECT_EQ(names[3], "散布図");
    EXPECT_EQ(names[7], "Xbar-R 管理図");
    EXPECT_EQ(names[8], "P-Pn 管理図");
    EXPECT_EQ(names[9], "欠点数データ");
    EXPECT_EQ(names[10], "X-Rs 管理図");
    EXPECT_EQ(names[12], "層別ヒストグラム");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 13u);
}

TEST(LaunchLists, ClosedWindowsExcludeTheOnesThatStayOpen) {
    const auto& w = analysisWindowNames();
    EXPECT_EQ(std::set<std::string>(w.begin(), w.end()).size(), 37u);
    for (const char* stays :
         {"hensuub", "hensuup", "kaityo", "kaibun", "okikaku", "toukei", "grids", "rgset"})
        EXPECT_EQ(std::count(w.begin(), w.end(), stays), 0) << stays;
    for (const char* closes : {"XR1", "xrkanri", "xrload", "kgenin", "titlef", "MEMORIH", "TAKOJI"})
        EXPECT_EQ(std::count(w.begin(), w.end(), closes), 1) << closes;
}

TEST(LaunchDecision, TooFewSamplesRefusesEveryAnalysisFirst) {
    for (const auto& name : analysisNames()) {
        // K = 11 would also fail the Xbar-R check; the sample count is checked first.
        const LaunchDecision d = graphCommandDecision(name, 11, 1);
        EXPECT_EQ(d.refusal, kTooFew) << name;
        EXPECT_EQ(d.window, "") << name;
    }
    EXPECT_EQ(graphCommandDecision("立体散布図", 1, 0).refusal, kTooFew);
}

TEST(LaunchDecision, OpensTheFirstWindowOfEachAnalysis) {
    const std::pair<const char*, const char*> expected[] = {
        {"変数別グラフ", "hensuub"}, {"ヒストグラム", "hensuup"},      {"パレート図", "parekos"},
        {"変数別統計量", "hakoh"},   {"立体散布図", "hensi3"},         {"ガントチャート", "gantol"},
        {"Xbar-R 管理図", "XR1"},    {"P-Pn 管理図", "phensi2"},       {"欠点数データ", "ketten"},
        {"X-Rs 管理図", "xrshensi"}, {"層別統計量グラフ", "hensi2so"}, {"層別ヒストグラム", "hensi2so"},
    };
    for (const auto& [name, window] : expected) {
        const LaunchDecision d = graphCommandDecision(name, 3, 5);
        EXPECT_EQ(d.refusal, "") << name;
        EXPECT_EQ(d.window, window) << name;
    }
    EXPECT_EQ(graphCommandDecision("どれでもない", 3, 5).window, "");
    EXPECT_EQ(graphCommandDecision("どれでもない", 3, 5).refusal, "");
}

TEST(LaunchDecision, VariableCountChecks) {
    EXPECT_EQ(graphCommandDecision("Xbar-R 管理図", 11, 5).refusal,
              "標本の大きさは２から１０に設定して下さい。");
    EXPECT_EQ(graphCommandDecision("Xbar-R 管理図", 1, 5).refusal,
              "標本の大きさは２から１０に設定して下さい。");
    EXPECT_EQ(graphCommandDecision("Xbar-R 管理図", 10, 2).window, "XR1");
    EXPECT_EQ(graphCommandDecision("Xbar-R 管理図", 2, 2).window, "XR1");
    EXPECT_EQ(graphCommandDecision("P-Pn 管理図", 1, 5).refusal, "標本の大きさは２以上に設定して下さい。");
    EXPECT_EQ(graphCommandDecision("P-Pn 管理図", 40, 5).window, "phensi2");
    // X-Rs needs one variable to chart (or to average for "Xbar").
    EXPECT_EQ(graphCommandDecision("X-Rs 管理図", 0, 5).refusal,
              "X-Rs 管理図を作成するには１つ以上の変数が必要です。");
    EXPECT_EQ(graphCommandDecision("X-Rs 管理図", 0, 5).window, "");

    EXPECT_EQ(graphCommandDecision("散布図", 1, 5).refusal, "散布図を作成するには２つ以上の変数が必要です。");
    EXPECT_EQ(graphCommandDecision("散布図", 2, 5).window, "hensi2");
    EXPECT_EQ(graphCommandDecision("散布図", 3, 5).window, "sanpuset");
    EXPECT_EQ(graphCommandDecision("立体散布図", 2, 5).refusal,
              "立体散布図を作成するには３つ以上の変数が必要です。");
    EXPECT_EQ(
        graphCommandDecision("ガントチャート", 1, 5).refusal,
        "ガントチャートを作成するには最低２つの変数（一つのプロジェクトの開始時間と終了時間）が必要です。");
    for (const char* so : {"層別ヒストグラム", "層別統計量グラフ"})
        EXPECT_EQ(graphCommandDecision(so, 1, 5).refusal,
                  "層別グラフを作成するには最低２つの変数（層別因子と解析変数）が必要です。");
    // Analyses without a variable check open with a single variable.
    for (const char* one :
         {"ヒストグラム", "変数別グラフ", "欠点数データ", "パレート図", "X-Rs 管理図", "変数別統計量"})
        EXPECT_NE(graphCommandDecision(one, 1, 2).window, "") << one;
}

TEST(AnalysisTable, ReportIdsAndNamesFindTheirAnalysis) {
    EXPECT_EQ(findReport("xbar-r"), AnalysisId::XbarR);
    EXPECT_EQ(findReport("x-rs"), AnalysisId::XRs);
    EXPECT_EQ(findReport("p-pn"), AnalysisId::PPn);
    EXPECT_EQ(findReport("defects"), AnalysisId::DefectCount);
    EXPECT_FALSE(findReport(""));
    EXPECT_FALSE(findReport("Xbar-R"));
    EXPECT_EQ(findAnalysis("X-Rs 管理図"), AnalysisId::XRs);
    EXPECT_FALSE(findAnalysis("X-Rs管理図"));
    // The scatter diagram is the one analysis whose first window depends on K.
    EXPECT_EQ(firstWindows(AnalysisId::Scatter),
              (std::array<std::optional<WindowId>, 2>{WindowId::hensi2, WindowId::sanpuset}));
    EXPECT_EQ(firstWindows(AnalysisId::XbarR),
              (std::array<std::optional<WindowId>, 2>{WindowId::XR1, std::nullopt}));
    EXPECT_EQ(decideLaunch(AnalysisId::Scatter, 3, 2).window, WindowId::sanpuset);
    EXPECT_EQ(decideLaunch(AnalysisId::Scatter, 2, 2).window, WindowId::hensi2);
}

TEST(AnalysisTable, EveryGraphWindowTakesTheTitlesOfAnAnalysis) {
    // A graph window that no title rule names is found by none of the title,
    // grid-line and 3-D view dialogs.
    for (const WindowDescriptor& w : windowTable()) {
        if (w.kind != WindowKind::GraphWindow) continue;
        const bool named =
            std::any_of(analysisTable().begin(), analysisTable().end(),
                        [&](const AnalysisDescriptor& a) { return a.titles && a.titles->window == w.id; });
        EXPECT_TRUE(named) << w.name;
    }
}
