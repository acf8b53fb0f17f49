// The gallery's Gantt charts: a development schedule through the real set and fill.
#include "analysis/gantt/GanttGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/AnalysisSet.h"
#include "analysis/gantt/GanttChart.h"

#include <string>
#include <vector>

using zel::AnalysisId;
using zel::ChartModel;
using zel::GanttKind;

namespace {

// Six projects of a plant's development plan, in working days from the plan's
// start: when design, prototyping, evaluation and production preparation begin,
// and when the project is done. The tool jig's evaluation was entered as ending
// on day 33, before its prototyping (day 36) ended: a task that runs backwards.
const zel::Dataset& schedule() {
    static const zel::Dataset ds =
        galleryDataset({{0, 12, 25, 34, 45},
                        {5, 15, 30, 38, 52},
                        {10, 18, 36, 33, 47},
                        {14, 24, 32, 44, 60},
                        {20, 26, 40, 49, 58},
                        {28, 35, 46, 55, 66}},
                       {"設計開始", "試作開始", "評価開始", "量産準備開始", "完了"},
                       {"新型ポンプ", "金型更新", "検査治具", "組立ライン", "塗装設備", "包装工程"});
    return ds;
}

void drawGantt(ChartModel& m, GanttKind kind) {
    // gantol's OK (the names as typed stay the labels) and gantog's redraw.
    const zel::AnalysisSet set = zel::ganttAnalysisSet(schedule());
    if (!zel::fillGanttChart(m, set, kind, true)) return;
    finishGalleryChart(m, AnalysisId::Gantt);
}

} // namespace

std::vector<ChartGalleryEntry> ganttGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, GanttKind kind, bool mono) {
        e.push_back({file, QString::fromUtf8(caption), mono, [=](ChartModel& m) { drawGantt(m, kind); }, {}});
    };
    add("66_gantt_schedule", "ガントチャート：開発日程（検査治具の評価が逆行）", GanttKind::Plain, false);
    add("67_gantt_schedule_gaps", "ガントチャート（間隔あり）：開発日程", GanttKind::Gaps, false);
    add("68_gantt_schedule_mono", "ガントチャート：開発日程（モノクロ）", GanttKind::Plain, true);
    add("69_gantt_schedule_gaps_mono", "ガントチャート（間隔あり）：開発日程（モノクロ）", GanttKind::Gaps,
        true);
    return e;
}
