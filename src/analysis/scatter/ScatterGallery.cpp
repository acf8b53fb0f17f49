// The gallery's scatter diagrams: a built-in dataset through the real
// computation and fill.
#include "analysis/scatter/ScatterGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Regression.h"
#include "analysis/scatter/ScatterFill.h"

#include <cmath>
#include <string>
#include <vector>

using zel::AnalysisSet;
using zel::ChartModel;
using zel::ScatterKind;

namespace {

// 30 hardened pins: the quench temperature (℃) set in steps of 3 ℃ from
// 800 ℃, the temperature read at the furnace floor (some 12 ℃ lower, to
// 1 ℃), and the hardness (HRC) measured to 0.1. Hardness rises with the
// temperature and levels off towards the top of the range.
const zel::Dataset& pins() {
    static const zel::Dataset ds = [] {
        constexpr int kPins = 30;
        const std::vector<double> noise = galleryMeasurements(kPins, 0.0, 0.6, 20241208, 0.1);
        const std::vector<double> floor = galleryMeasurements(kPins, -12.0, 4.0, 20241209, 1.0);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < kPins; ++i) {
            const double t = 800.0 + 3.0 * i;
            const double d = t - 800.0;
            const double hardness = 48.0 + 0.24 * d - 0.0016 * d * d + noise[static_cast<std::size_t>(i)];
            rows.push_back({std::round(hardness * 10.0) / 10.0, t, t + floor[static_cast<std::size_t>(i)]});
        }
        return galleryDataset(rows, {"硬度(HRC)", "焼入れ温度(℃)", "炉床温度(℃)"});
    }();
    return ds;
}

AnalysisSet analysisSet(const std::vector<int>& positions) {
    return zel::buildAnalysisSet(pins(), positions).value();
}

// The degree typed into the degree dialog for the curve.
constexpr int kCurveDegree = 2;

// sanpuzu's redraw of a kind: the regression, the fill, then the titles.
void drawScatter(ChartModel& m, const AnalysisSet& set, ScatterKind kind) {
    zel::Result<std::vector<zel::Regression>> regressions = zel::computeRegressions(set);
    if (!regressions) return;
    m.redrawReset(m.viewAngles());
    if (!zel::fillScatterChart(m, set, *regressions, kind, zel::scatterOptions(set, true, kCurveDegree)))
        return;
    finishGalleryChart(m, zel::AnalysisId::Scatter, zel::scatterTitleContext(set, kind));
}

} // namespace

std::vector<ChartGalleryEntry> scatterGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, std::vector<int> positions, ScatterKind kind,
                   bool mono = false) {
        e.push_back({file, QString::fromUtf8(caption), mono,
                     [positions, kind](ChartModel& m) { drawScatter(m, analysisSet(positions), kind); }, {}});
    };
    add("86_scatter_plain", "散布図：散布図（焼入れ温度と硬度）", {1, 2}, ScatterKind::Scatter);
    add("87_scatter_line", "散布図：回帰直線", {1, 2}, ScatterKind::RegressionLine);
    add("88_scatter_line_two", "散布図：回帰直線（Ｘ２変数・凡例）", {1, 2, 3}, ScatterKind::RegressionLine);
    add("89_scatter_residuals", "散布図：残差プロット", {1, 2}, ScatterKind::Residuals);
    add("90_scatter_time_residuals", "散布図：時系列残差プロット", {1, 2}, ScatterKind::TimeResiduals);
    add("91_scatter_curve", "散布図：回帰曲線（２次）", {1, 2}, ScatterKind::RegressionCurve);
    add("92_scatter_line_mono", "散布図：回帰直線（モノクロ）", {1, 2, 3}, ScatterKind::RegressionLine, true);
    return e;
}
