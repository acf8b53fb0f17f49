// The analysis and window tables, and the graph command's checks read from them.
#include "common/Analyses.h"

namespace zel {

namespace {

using enum WindowId;
using enum WindowKind;

constexpr bool kAnalysis = true;
constexpr bool kStays = false;

// In the order of the enumeration (checked below).
constexpr std::array<WindowDescriptor, kWindowCount> kWindows{{
    {bunform, "bunform", "bu", Dialog, kAnalysis},
    {dobun, "dobun", "do", TableWindow, kAnalysis},
    {gantog, "gantog", "g", GraphWindow, kAnalysis},
    {gyoudel, "gyoudel", "gd", Dialog, kStays},
    {gantol, "gantol", "gl", Dialog, kAnalysis},
    {grids, "grids", "gr", Dialog, kStays},
    {gyousou, "gyousou", "gs", Dialog, kStays},
    {hakohg, "hakohg", "h", GraphWindow, kAnalysis},
    {hensi1, "hensi1", "ha", Dialog, kAnalysis},
    {hensi2, "hensi2", "hb", Dialog, kAnalysis},
    {hensi2so, "hensi2so", "hbs", Dialog, kAnalysis},
    {hensi3, "hensi3", "hc", Dialog, kAnalysis},
    {henhenf, "henhenf", "he", Dialog, kStays},
    {hakoh, "hakoh", "hh", TableWindow, kAnalysis},
    {hakohso, "hakohso", "hhs", TableWindow, kAnalysis},
    {hensuub, "hensuub", "hsb", Dialog, kStays},
    {hensuup, "hensuup", "hsp", Dialog, kStays},
    {inmode, "inmode", "im", Dialog, kStays},
    {kanri1, "kanri1", "k", GraphWindow, kAnalysis},
    {kaibun, "kaibun", "kb", TableWindow, kStays},
    {kgenin, "kgenin", "kg", Dialog, kAnalysis},
    {kaityo, "kaityo", "kh", TableWindow, kStays},
    {kikaku, "kikaku", "ki", Dialog, kAnalysis},
    {ketten, "ketten", "kt", Dialog, kAnalysis},
    {LoadForm, "LoadForm", "lf", Dialog, kStays},
    {masukuf, "masukuf", "ma", Dialog, kStays},
    {MEMORIH, "MEMORIH", "me", Dialog, kAnalysis},
    {nymode, "nymode", "ny", Dialog, kStays},
    {oresen, "oresen", "o", GraphWindow, kAnalysis},
    {okikaku, "okikaku", "ok", Dialog, kStays},
    {pkanri, "pkanri", "p", GraphWindow, kAnalysis},
    {pare1, "pare1", "pa", Dialog, kAnalysis},
    {pareko, "pareko", "pk", TableWindow, kAnalysis},
    {parekos, "parekos", "pl", Dialog, kAnalysis},
    {pareno, "pareno", "pn", Dialog, kAnalysis},
    {p1, "p1", "pp", TableWindow, kAnalysis},
    {phensi2, "phensi2", "ps", Dialog, kAnalysis},
    {xrskanri, "xrskanri", "r", GraphWindow, kAnalysis},
    {retudel, "retudel", "red", Dialog, kStays},
    {retusou, "retusou", "res", Dialog, kStays},
    {rgset, "rgset", "rg", Dialog, kStays},
    {rot, "rot", "ro", Dialog, kStays},
    {rsanpu, "rsanpu", "rs", GraphWindow, kAnalysis},
    {sanpuzu, "sanpuzu", "s", GraphWindow, kAnalysis},
    {saveform, "saveform", "sf", Dialog, kStays},
    {SIYOU, "SIYOU", "sj", Dialog, kStays},
    {sinkform, "sinkform", "sk", Dialog, kStays},
    {sanpuset, "sanpuset", "ss", Dialog, kAnalysis},
    {TAKOJI, "TAKOJI", "ta", Dialog, kAnalysis},
    {toukei, "toukei", "tj", Dialog, kStays},
    {titlef, "titlef", "tt", Dialog, kAnalysis},
    {tydata, "tydata", "ty", Dialog, kStays},
    {verj, "verj", "vj", Dialog, kStays},
    {xrkanri, "xrkanri", "x", GraphWindow, kAnalysis},
    {xrshensi, "xrshensi", "xa", Dialog, kAnalysis},
    {xrkase, "xrkase", "xk", TableWindow, kAnalysis},
    {xrload, "xrload", "xl", Dialog, kAnalysis},
    {XR1, "XR1", "xr", TableWindow, kAnalysis},
    {XRS1, "XRS1", "xs", TableWindow, kAnalysis},
    {youko, "youko", "y", GraphWindow, kAnalysis},
}};

// Row i of a table describes the enumerator of value i.
template <class Row, std::size_t N> constexpr bool inEnumOrder(const std::array<Row, N>& rows) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].id) != i) return false;
    return true;
}
static_assert(inEnumOrder(kWindows), "the window table follows the order of WindowId");

constexpr std::string_view kXbarRSize = "標本の大きさは２から１０に設定して下さい。";
constexpr std::string_view kPPnSize = "標本の大きさは２以上に設定して下さい。";
constexpr std::string_view kScatterVariables = "散布図を作成するには２つ以上の変数が必要です。";
constexpr std::string_view kScatter3DVariables = "立体散布図を作成するには３つ以上の変数が必要です。";
constexpr std::string_view kGanttVariables =
    "ガントチャートを作成するには最低２つの変数（一つのプロジェクトの開始時間と終了時間）が必要です。";
constexpr std::string_view kStratifiedVariables =
    "層別グラフを作成するには最低２つの変数（層別因子と解析変数）が必要です。";

constexpr int kAny = 32767;

// Any variable count: the window opens.
constexpr LaunchRule opens(WindowId w) {
    return {0, kAny, {}, w, kAny, w};
}
// At least min variables, else the refusal.
constexpr LaunchRule needs(int min, std::string_view refusal, WindowId w) {
    return {min, kAny, refusal, w, kAny, w};
}
// From min to max variables, else the refusal.
constexpr LaunchRule between(int min, int max, std::string_view refusal, WindowId w) {
    return {min, max, refusal, w, kAny, w};
}
// More than moreThan variables open w instead.
constexpr LaunchRule orWhenMore(LaunchRule r, int moreThan, WindowId w) {
    r.moreThan = moreThan;
    r.firstWhenMore = w;
    return r;
}

// The titles of a graph window with one chart; an empty top row shows top ("" for none).
constexpr AnalysisTitleRule oneChart(WindowId w, std::string_view top) {
    AnalysisTitleRule r{w};
    if (!top.empty()) {
        r.topSource = DefaultTitleSource::Fixed;
        r.topDefaults = {top, {}};
    }
    return r;
}
// The titles of a control-chart window with two charts: per chart, the top
// title of an empty row and the suffix of a typed one.
constexpr AnalysisTitleRule twoCharts(WindowId w, std::array<std::string_view, 2> tops,
                                      std::array<std::string_view, 2> suffixes) {
    AnalysisTitleRule r{w, 2, DefaultTitleSource::Fixed, tops, suffixes};
    return r;
}
constexpr AnalysisTitleRule withSuffix(AnalysisTitleRule r, std::string_view suffix) {
    r.topSuffixes = {suffix, {}};
    return r;
}
// An empty bottom row shows the window's name under the chart (selected variable 1 of
// the title context: the histogram's series name for the kinds that show it).
constexpr AnalysisTitleRule nameBelow(AnalysisTitleRule r) {
    r.bottomSource = DefaultTitleSource::Variable1;
    return r;
}
// The window applies the titles inside its own redraw, with the redraw flag cleared.
constexpr AnalysisTitleRule redrawnWithFlag(AnalysisTitleRule r) {
    r.redrawOnlyWithFlag = true;
    return r;
}
// The 3-D view dialog's "保存" leaves the window to its next redraw.
constexpr AnalysisTitleRule noViewCommand(AnalysisTitleRule r) {
    r.viewCommand = false;
    return r;
}
// The grid-line dialog's "OK" leaves the window to its next redraw.
constexpr AnalysisTitleRule noGridCommand(AnalysisTitleRule r) {
    r.gridCommand = false;
    return r;
}

using enum AnalysisId;
using enum DefaultTitleSource;

// In list order, which is the order of the enumeration (checked below). The
// last column is the graph window and its default titles.
constexpr std::array<AnalysisDescriptor, kAnalysisCount> kAnalyses{{
    {VariableGraph, "変数別グラフ", "variable-graph", opens(hensuub),
     redrawnWithFlag(nameBelow(oneChart(oresen, "")))},
    {Histogram, "ヒストグラム", "histogram", opens(hensuup), nameBelow(oneChart(youko, "ヒストグラム"))},
    {Pareto, "パレート図", "pareto", opens(parekos), redrawnWithFlag(oneChart(oresen, ""))},
    {Scatter, "散布図", "scatter", orWhenMore(needs(2, kScatterVariables, hensi2), 2, sanpuset),
     AnalysisTitleRule{.window = sanpuzu,
                       .topSource = ScatterKind,
                       .bottomSource = ScatterBottom,
                       .leftSource = ScatterLeft,
                       .redrawOnlyWithFlag = true,
                       .viewCommand = false}},
    {VariableStatistics, "変数別統計量", "variable-stats", opens(hakoh),
     noViewCommand(oneChart(hakohg, "変数別統計量"))},
    {Scatter3D, "立体散布図", "scatter-3d", needs(3, kScatter3DVariables, hensi3),
     AnalysisTitleRule{.window = rsanpu,
                       .topSource = Fixed,
                       .topDefaults = {"立体散布図"},
                       .bottomSource = Variable2,
                       .leftSource = Variable1,
                       .rightSource = Variable3}},
    {Gantt, "ガントチャート", "gantt", needs(2, kGanttVariables, gantol),
     noViewCommand(oneChart(gantog, "ガントチャート"))},
    {XbarR, "Xbar-R 管理図", "xbar-r", between(2, 10, kXbarRSize, XR1),
     twoCharts(xrkanri, {"平均値　Ｘbar", "範囲　Ｒ"}, {"(平均値)", "(範囲)"})},
    {PPn, "P-Pn 管理図", "p-pn", needs(2, kPPnSize, phensi2),
     twoCharts(pkanri, {"不良率　Ｐ", "不良個数　Ｐｎ"}, {"(不良率)", "(不良個数)"})},
    {DefectCount, "欠点数データ", "defects", opens(ketten),
     withSuffix(oneChart(kanri1, "欠点数データ"), "(欠点数データ)")},
    {XRs, "X-Rs 管理図", "x-rs", needs(1, kXRsVariables, xrshensi),
     twoCharts(xrskanri, {"測定値　Ｘ", "移動範囲　Ｒs"}, {"(Ｘ)", "(Ｒs)"})},
    {StratifiedStatistics, "層別統計量グラフ", "stratified-stats", needs(2, kStratifiedVariables, hensi2so),
     noGridCommand(noViewCommand(oneChart(hakohg, "層別統計量グラフ")))},
    // No title rule: the histogram window it opens shows typed titles only, and the
    // title, grid-line and 3-D view dialogs leave that window to its next redraw.
    {StratifiedHistogram, "層別ヒストグラム", "stratified-histogram",
     needs(2, kStratifiedVariables, hensi2so), std::nullopt},
}};

static_assert(inEnumOrder(kAnalyses), "the analysis table follows the order of AnalysisId");

// A title rule names a graph window of the window table, has a top default and a
// suffix for no chart beyond its count, and agrees on that count with every
// other analysis drawing into the same window.
constexpr bool titleRulesFit() {
    for (const AnalysisDescriptor& a : kAnalyses) {
        if (!a.titles) continue;
        const AnalysisTitleRule& r = *a.titles;
        if (kWindows[static_cast<std::size_t>(r.window)].kind != GraphWindow) return false;
        if (r.chartCount < 1 || r.chartCount > 2) return false;
        if (r.chartCount == 1 && (!r.topDefaults[1].empty() || !r.topSuffixes[1].empty())) return false;
        if (r.topSource == DefaultTitleSource::Fixed)
            for (int c = 0; c < r.chartCount; ++c)
                if (r.topDefaults[static_cast<std::size_t>(c)].empty()) return false;
        for (const AnalysisDescriptor& b : kAnalyses)
            if (b.titles && b.titles->window == r.window && b.titles->chartCount != r.chartCount)
                return false;
    }
    return true;
}
static_assert(titleRulesFit(), "every title rule fits its graph window");

} // namespace

std::span<const WindowDescriptor, kWindowCount> windowTable() {
    return kWindows;
}

const WindowDescriptor& window(WindowId id) {
    return kWindows[static_cast<std::size_t>(id)];
}

std::optional<WindowId> findWindow(std::string_view name) {
    for (const WindowDescriptor& w : kWindows)
        if (w.name == name) return w.id;
    return std::nullopt;
}

std::span<const AnalysisDescriptor, kAnalysisCount> analysisTable() {
    return kAnalyses;
}

const AnalysisDescriptor& analysis(AnalysisId id) {
    return kAnalyses[static_cast<std::size_t>(id)];
}

std::optional<AnalysisId> findAnalysis(std::string_view listName) {
    for (const AnalysisDescriptor& a : kAnalyses)
        if (a.listName == listName) return a.id;
    return std::nullopt;
}

std::optional<AnalysisId> findReport(std::string_view reportId) {
    if (reportId.empty()) return std::nullopt;
    for (const AnalysisDescriptor& a : kAnalyses)
        if (a.reportId == reportId) return a.id;
    return std::nullopt;
}

std::optional<WindowId> graphWindow(AnalysisId id) {
    const std::optional<AnalysisTitleRule>& titles = analysis(id).titles;
    return titles ? std::optional<WindowId>(titles->window) : std::nullopt;
}

const AnalysisTitleRule* findTitleRule(std::optional<AnalysisId> id) {
    if (!id) return nullptr;
    const std::optional<AnalysisTitleRule>& titles = analysis(*id).titles;
    return titles ? &*titles : nullptr;
}

Launch decideLaunch(AnalysisId id, int variables, int usedSamples) {
    if (usedSamples < 2) return {kTooFewSamples, std::nullopt};
    const LaunchRule& r = analysis(id).launch;
    if (variables < r.minVariables || variables > r.maxVariables) return {r.refusal, std::nullopt};
    return {{}, variables > r.moreThan ? r.firstWhenMore : r.first};
}

std::array<std::optional<WindowId>, 2> firstWindows(AnalysisId id) {
    const LaunchRule& r = analysis(id).launch;
    if (r.firstWhenMore == r.first) return {r.first, std::nullopt};
    return {r.first, r.firstWhenMore};
}

} // namespace zel
