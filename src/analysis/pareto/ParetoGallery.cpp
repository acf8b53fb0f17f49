// The gallery's Pareto charts: a built-in defect tally through the real
// computations and fill.
#include "analysis/pareto/ParetoGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/AnalysisSet.h"
#include "analysis/pareto/Pareto.h"

#include <string>
#include <vector>

namespace {

// One month of a press line's rejects, one row per cause in the order the
// inspection sheet lists them: 件数 (rejects, 150 in all) and 手直し (reworked parts).
const zel::Dataset& defects() {
    static const zel::Dataset ds = galleryDataset(
        {{14, 3}, {52, 9}, {8, 2}, {31, 4}, {5, 1}, {18, 6}, {4, 0}, {12, 2}, {6, 1}},
        {"件数", "手直し"},
        {"打痕", "キズ", "汚れ", "寸法不良", "錆", "バリ", "色むら", "変形", "欠け"});
    return ds;
}

// pare1 on 件数, pareko's ranking, pareno keeping the top six, then the kind.
void drawDefects(zel::ChartModel& m) {
    const zel::Result<zel::AnalysisSet> set = zel::buildParetoSet(defects(), 1);
    if (!set || !zel::checkParetoSum(set.value())) return;
    constexpr int kKept = 6;
    const zel::ParetoItems items = zel::keepTopItems(zel::rankParetoItems(set.value()), kKept);
    m.redrawReset(m.viewAngles());
    if (!zel::fillParetoChart(m, items)) return;
    finishGalleryChart(m, zel::AnalysisId::Pareto);
}

} // namespace

std::vector<ChartGalleryEntry> paretoGalleryEntries() {
    return {
        {"76_pareto_defects", QString::fromUtf8("パレート図：不良原因（上位６項目＋その他）"), false, drawDefects, {}},
        {"77_pareto_defects_mono", QString::fromUtf8("パレート図：不良原因（モノクロ）"), true, drawDefects, {}},
    };
}
