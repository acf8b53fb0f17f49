// The analysis list, the analysis windows that the Analysis menu closes, and the
// checks the graph command makes before it opens an analysis's first window.
#include "analysis/Launch.h"

#include "analysis/control/XRs.h"

namespace zel {
namespace {

constexpr const char* kTooFewSamples = "解析を行うには、データを２つ以上選択してください。";
constexpr const char* kXbarRSize = "標本の大きさは２から１０に設定して下さい。";
constexpr const char* kPPnSize = "標本の大きさは２以上に設定して下さい。";
constexpr const char* kScatterVariables = "散布図を作成するには２つ以上の変数が必要です。";
constexpr const char* kScatter3DVariables = "立体散布図を作成するには３つ以上の変数が必要です。";
constexpr const char* kGanttVariables =
    "ガントチャートを作成するには最低２つの変数（一つのプロジェクトの開始時間と終了時間）が必要です。";
constexpr const char* kStratifiedVariables =
    "層別グラフを作成するには最低２つの変数（層別因子と解析変数）が必要です。";

LaunchDecision refuse(const char* message) {
    return {message, {}};
}
LaunchDecision open(const char* window) {
    return {{}, window};
}

} // namespace

const std::array<std::string, 13>& analysisNames() {
    static const std::array<std::string, 13> names = {
        "変数別グラフ", "ヒストグラム",     "パレート図",       "散布図",      "変数別統計量",
        "立体散布図",   "ガントチャート",   "Xbar-R 管理図",    "P-Pn 管理図", "欠点数データ",
        "X-Rs 管理図",  "層別統計量グラフ", "層別ヒストグラム",
    };
    return names;
}

const std::array<std::string, 37>& analysisWindowNames() {
    static const std::array<std::string, 37> names = {
        "bunform", "dobun",  "hensi1",  "hensi2so", "hakohso", "hensi2",   "hensi3",   "kanri1",
        "ketten",  "kgenin", "kikaku",  "MEMORIH",  "oresen",  "p1",       "pare1",    "pareko",
        "parekos", "pareno", "phensi2", "pkanri",   "rsanpu",  "sanpuset", "sanpuzu",  "TAKOJI",
        "titlef",  "XR1",    "xrkanri", "xrkase",   "xrload",  "XRS1",     "xrshensi", "xrskanri",
        "youko",   "hakoh",  "hakohg",  "gantog",   "gantol",
    };
    return names;
}

LaunchDecision graphCommandDecision(const std::string& analysis, int variables, int usedSamples) {
    const int k = variables;
    if (usedSamples < 2) return refuse(kTooFewSamples);

    if (analysis == "ヒストグラム") return open("hensuup");
    if (analysis == "変数別グラフ") return open("hensuub");
    if (analysis == "Xbar-R 管理図") return (k < 2 || k > 10) ? refuse(kXbarRSize) : open("XR1");
    if (analysis == "P-Pn 管理図") return k < 2 ? refuse(kPPnSize) : open("phensi2");
    if (analysis == "欠点数データ") return open("ketten");
    if (analysis == "散布図") {
        if (k < 2) return refuse(kScatterVariables);
        return k > 2 ? open("sanpuset") : open("hensi2");
    }
    if (analysis == "立体散布図") return k < 3 ? refuse(kScatter3DVariables) : open("hensi3");
    if (analysis == "パレート図") return open("parekos");
    if (analysis == "X-Rs 管理図") return k < 1 ? refuse(kXRsNoVariables) : open("xrshensi");
    if (analysis == "変数別統計量") return open("hakoh");
    if (analysis == "ガントチャート") return k < 2 ? refuse(kGanttVariables) : open("gantol");
    if (analysis == "層別ヒストグラム" || analysis == "層別統計量グラフ")
        return k < 2 ? refuse(kStratifiedVariables) : open("hensi2so");
    return {};
}

} // namespace zel
