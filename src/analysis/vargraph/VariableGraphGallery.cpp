// The gallery's variable graphs: built-in datasets through the real Analysis set
// and fill, then the window's redraw end.
#include "analysis/vargraph/VariableGraphGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/AnalysisSet.h"
#include "analysis/vargraph/VariableGraphFill.h"

#include <string>
#include <vector>

using zel::AnalysisSet;
using zel::ChartModel;

namespace {

// The daily output (pieces) of three lines over 20 working days; the data
// labels are the dates.
const zel::Dataset& output() {
    static const zel::Dataset ds = [] {
        std::vector<double> a = galleryMeasurements(20, 120, 6, 71, 1);
        std::vector<std::string> labels;
        for (std::size_t i = 0; i < a.size(); ++i) {
            // A slow rise on line A over the month.
            a[i] += static_cast<double>(i) * 0.6;
            labels.push_back("6/" + std::to_string(i + 3));
        }
        return galleryColumns(
            {a, galleryMeasurements(20, 105, 8, 72, 1), galleryMeasurements(20, 90, 5, 73, 1)},
            {"Aライン", "Bライン", "Cライン"}, labels);
    }();
    return ds;
}

AnalysisSet analysisSet(const std::vector<int>& positions) {
    return zel::buildAnalysisSet(output(), positions).value();
}

// oresen's redraw of a kind, then the titles with series name 1 under the chart
// for the kinds that show it there.
void drawVariableGraph(ChartModel& m, const AnalysisSet& set, const zel::VariableGraphInput& input) {
    m.redrawReset(m.viewAngles());
    if (!zel::fillVariableGraph(m, set, {}, input)) return;
    zel::TitleContext context;
    context.variableNames = {zel::variableGraphBottomTitle(set, input)};
    finishGalleryChart(m, zel::AnalysisId::VariableGraph, context);
}

zel::VariableGraphInput kind(const char* name) {
    zel::VariableGraphInput in;
    in.kind = name;
    return in;
}

} // namespace

std::vector<ChartGalleryEntry> variableGraphGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, bool mono, std::function<void(ChartModel&)> fill) {
        e.push_back({file, QString::fromUtf8(caption), mono, std::move(fill), {}});
    };
    // Every statistics line the dialog offers.
    zel::VariableGraphInput all = kind("折れ線グラフ");
    all.switches = {1, 1, 1, 1};
    add("70_vargraph_line_stats", "変数別グラフ：折れ線グラフ（統計情報線：平均・標準偏差・最大最小・傾き）",
        false, [all](ChartModel& m) { drawVariableGraph(m, analysisSet({1}), all); });
    add("71_vargraph_line_stats_mono", "変数別グラフ：折れ線グラフ（統計情報線、モノクロ）", true,
        [all](ChartModel& m) { drawVariableGraph(m, analysisSet({1}), all); });
    add("72_vargraph_3sigma", "変数別グラフ：３σ線", false,
        [](ChartModel& m) { drawVariableGraph(m, analysisSet({2}), kind("３σ線")); });
    zel::VariableGraphInput limits = kind("規格の入力");
    limits.entered = zel::EnteredLimits{140, 110, false};
    add("73_vargraph_limits", "変数別グラフ：規格の入力（上限 140・下限 110）", false,
        [limits](ChartModel& m) { drawVariableGraph(m, analysisSet({1}), limits); });
    add("74_vargraph_bar3", "変数別グラフ：棒グラフ（３変数）", false, [](ChartModel& m) {
        drawVariableGraph(m, analysisSet({1, 2, 3}), kind("棒グラフ"));
    });
    add("75_vargraph_area3d", "変数別グラフ：立体エリアグラフ（積層、３変数）", false, [](ChartModel& m) {
        drawVariableGraph(m, analysisSet({1, 2, 3}), kind("立体エリアグラフ（積層）"));
    });
    add("78_vargraph_band", "変数別グラフ：帯グラフ（３変数）", false, [](ChartModel& m) {
        drawVariableGraph(m, analysisSet({1, 2, 3}), kind("帯グラフ"));
    });
    add("79_vargraph_band_mono", "変数別グラフ：帯グラフ（３変数、モノクロ）", true, [](ChartModel& m) {
        drawVariableGraph(m, analysisSet({1, 2, 3}), kind("帯グラフ"));
    });
    add("80_vargraph_bar3d_z_h", "変数別グラフ：Ｚ軸立体棒（横）（３変数）", false, [](ChartModel& m) {
        drawVariableGraph(m, analysisSet({1, 2, 3}), kind("Ｚ軸立体棒（横）"));
    });
    return e;
}
