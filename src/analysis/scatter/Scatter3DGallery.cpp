// The gallery's 3-D scatters: a heat treatment through the real set and fill.
#include "analysis/scatter/Scatter3DGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Scatter3DFill.h"

#include <cmath>
#include <string>
#include <vector>

using zel::AnalysisId;
using zel::ChartModel;
using zel::Scatter3DKind;

namespace {

// Thirty test pieces quenched at 820 to 870 ℃ and held 20 to 60 minutes, in the
// order they were treated (temperature by temperature): the hardness (HRC)
// rises with the temperature and falls off with a long hold, plus the scatter
// of the hardness tester. Variables: hardness (Y), temperature (X), hold (Z).
const zel::Dataset& heatTreatment() {
    static const zel::Dataset ds = [] {
        const std::vector<double> noise = galleryMeasurements(30, 0.0, 0.6, 14, 0.1);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < 30; ++i) {
            const double temperature = 820.0 + 10.0 * (i / 5);
            const double hold = 20.0 + 10.0 * (i % 5);
            const double hardness = 40.0 + 0.12 * (temperature - 820.0) -
                                    0.0025 * (hold - 30.0) * (hold - 30.0) +
                                    noise[static_cast<std::size_t>(i)];
            rows.push_back({std::round(hardness * 10.0) / 10.0, temperature, hold});
        }
        return galleryDataset(rows, {"硬さ", "焼入温度", "保持時間"});
    }();
    return ds;
}

void drawScatter3D(ChartModel& m, Scatter3DKind kind) {
    // hensi3 on variables 1, 2, 3 and rsanpu's redraw.
    const zel::Result<zel::AnalysisSet> set = zel::buildAnalysisSet(heatTreatment(), {1, 2, 3});
    if (!set || !zel::fillScatter3DChart(m, set.value(), kind)) return;
    finishGalleryChart(m, AnalysisId::Scatter3D, zel::scatter3DTitleContext(set.value()));
}

} // namespace

std::vector<ChartGalleryEntry> scatter3DGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, Scatter3DKind kind, bool mono) {
        e.push_back(
            {file, QString::fromUtf8(caption), mono, [=](ChartModel& m) { drawScatter3D(m, kind); }, {}});
    };
    add("93_rsanpu_heat", "立体散布図：焼入れの硬さ・温度・保持時間", Scatter3DKind::Markers, false);
    add("94_rsanpu_heat_drop", "立体散布図（縦棒）：焼入れ", Scatter3DKind::DropLines, false);
    add("95_rsanpu_heat_line", "立体散布図（線）：焼入れ（処理順）", Scatter3DKind::Joined, false);
    add("96_rsanpu_heat_drop_mono", "立体散布図（縦棒）：焼入れ（モノクロ）", Scatter3DKind::DropLines, true);
    return e;
}
