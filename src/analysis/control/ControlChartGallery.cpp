// The gallery's control charts: built-in datasets through the real computations and fill.
#include "analysis/control/ControlChartGallery.h"

#include "analysis/AnalysisGallery.h"

#include "analysis/control/ControlChartFill.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/RunRules.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"
#include "analysis/gantt/GanttGallery.h"
#include "analysis/histogram/HistogramGallery.h"
#include "analysis/pareto/ParetoGallery.h"
#include "analysis/scatter/ScatterGallery.h"
#include "analysis/scatter/Scatter3DGallery.h"
#include "analysis/statistics/StatisticsGallery.h"
#include "analysis/vargraph/VariableGraphGallery.h"
#include "dataset/Dataset.h"

#include <algorithm>
#include <random>
#include <string>

using zel::ChartModel;
using zel::ControlChartInput;
using zel::Dataset;

namespace {

// Measurements of a machined shaft diameter (mm): 25 subgroups of 5, with a small
// shift late on.
const Dataset& shaft() {
    static const Dataset ds = [] {
        std::mt19937 rng(20240611);
        std::normal_distribution<double> d(10.0, 0.05);
        std::vector<std::vector<double>> rows(25, std::vector<double>(5));
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (double& v : rows[i])
                v = d(rng) + (i >= 18 ? 0.03 : 0.0);
        return galleryDataset(rows, {"軸径1", "軸径2", "軸径3", "軸径4", "軸径5"});
    }();
    return ds;
}

// Hardness readings (HRC), one per sample.
const Dataset& hardness() {
    static const Dataset ds = [] {
        std::mt19937 rng(7);
        std::normal_distribution<double> d(52.0, 1.2);
        std::vector<std::vector<double>> rows(30, std::vector<double>(1));
        for (auto& r : rows)
            r[0] = d(rng);
        return galleryDataset(rows, {"硬度"});
    }();
    return ds;
}

// Lots of different sizes with their defectives: the p chart's limits step with the size.
const Dataset& lots() {
    static const Dataset ds = [] {
        std::mt19937 rng(11);
        std::uniform_int_distribution<int> size(150, 260);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < 25; ++i) {
            const int n = size(rng);
            std::binomial_distribution<int> d(n, 0.04);
            rows.push_back({static_cast<double>(n), static_cast<double>(d(rng))});
        }
        return galleryDataset(rows, {"検査数", "不良数"});
    }();
    return ds;
}

// Defects counted on 25 samples, one of them out of control.
const Dataset& defects() {
    static const Dataset ds = [] {
        std::mt19937 rng(13);
        std::poisson_distribution<int> d(6.0);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < 25; ++i)
            rows.push_back({static_cast<double>(d(rng))});
        rows[16][0] = 17;
        return galleryDataset(rows, {"欠点数"});
    }();
    return ds;
}

// The run rules' pictures: shaft diameters (mm) of 25 subgroups of 5 whose
// process moved up 0.022 mm after the tool change before subgroup 14, with
// subgroup 21 turned from a bar of harder stock; and lots of 60 to 320 pieces
// whose defective rate rose from 3.5 % to 8 % from lot 14 on, with lot 9 bad.
const Dataset& shaftAfterToolChange() {
    static const Dataset ds = [] {
        constexpr std::size_t kChange = 13;
        constexpr std::size_t kBadBar = 20;
        std::mt19937 rng(20241015);
        std::normal_distribution<double> d(10.0, 0.02);
        std::vector<std::vector<double>> rows(25, std::vector<double>(5));
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (double& v : rows[i])
                v = d(rng) + (i >= kChange ? 0.022 : 0.0) + (i == kBadBar ? 0.025 : 0.0);
        return galleryDataset(rows, {"軸径1", "軸径2", "軸径3", "軸径4", "軸径5"});
    }();
    return ds;
}

const Dataset& lotsAfterChange() {
    static const Dataset ds = [] {
        constexpr int kChange = 13;
        constexpr int kBadLot = 8;
        std::mt19937 rng(17);
        std::uniform_int_distribution<int> size(60, 320);
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < 25; ++i) {
            const int n = size(rng);
            const double p = i == kBadLot ? 0.12 : i >= kChange ? 0.08 : 0.035;
            std::binomial_distribution<int> d(n, p);
            rows.push_back({static_cast<double>(n), static_cast<double>(d(rng))});
        }
        return galleryDataset(rows, {"検査数", "不良数"});
    }();
    return ds;
}

// The chart data sets as the table windows leave them for the chart windows.
zel::ChartDataSet xbarR() {
    return zel::computeXbarR(shaft()).value();
}

zel::ChartDataSet xRs() {
    zel::ChartDataSet cds = zel::collectXRs(hardness(), 1).value();
    zel::computeXRsLines(cds);
    return cds;
}

zel::ChartDataSet pPn() {
    zel::ChartDataSet cds = zel::collectPPn(lots(), 1, 2).value();
    zel::computePPnLines(cds);
    zel::fillPPnPlotted(cds);
    return cds;
}

zel::ChartDataSet shiftedXbarR() {
    return zel::computeXbarR(shaftAfterToolChange()).value();
}

zel::ChartDataSet shiftedPPn() {
    zel::ChartDataSet cds = zel::collectPPn(lotsAfterChange(), 1, 2).value();
    zel::computePPnLines(cds);
    zel::fillPPnPlotted(cds);
    return cds;
}

zel::ChartDataSet defectCounts() {
    return zel::computeDefectCount(defects(), 1).value();
}

// The window's redraw: the fill, the flags of the rules chosen in
// "判定ルールの設定" (none: no rule judged), then the gallery's grid lines
// (horizontal, dotted), the default 3-D angles and its titles, as if typed in
// the title dialog.
void draw(ChartModel& m, const ControlChartInput& input, const char* top, const char* left,
          const zel::RuleSet& rules = {}) {
    m.redrawReset(m.viewAngles(), true);
    if (zel::fillControlChart(m, input) && !rules.empty()) zel::flagRunRules(m, input, rules);
    zel::TitleTable titles;
    titles.setText(zel::TitleRow::Top, top);
    titles.setText(zel::TitleRow::Bottom, "群番号");
    titles.setText(zel::TitleRow::Left, left);
    finishGalleryChart(m, titles, std::nullopt);
}

} // namespace

std::vector<ChartGalleryEntry> controlChartGalleryEntries() {
    const auto xbar = [](ChartModel& m) {
        draw(m, zel::xbarRInput(xbarR(), 0), "Xbar 管理図（軸径）", "平均値 (mm)");
    };
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, std::function<void(ChartModel&)> fill,
                   bool mono = false) {
        e.push_back({file, QString::fromUtf8(caption), mono, std::move(fill), {}});
    };
    add("01_xbar", "Xbar-R 管理図：平均値", xbar);
    add("02_r", "Xbar-R 管理図：範囲",
        [](ChartModel& m) { draw(m, zel::xbarRInput(xbarR(), 1), "R 管理図（軸径）", "範囲 (mm)"); });
    add("03_x", "X-Rs 管理図：個々のデータ",
        [](ChartModel& m) { draw(m, zel::xRsInput(xRs(), 0), "X 管理図（硬度）", "硬度 (HRC)"); });
    add("04_rs", "X-Rs 管理図：移動範囲（第１点なし）",
        [](ChartModel& m) { draw(m, zel::xRsInput(xRs(), 1), "Rs 管理図（硬度）", "移動範囲"); });
    add("05_p", "P 管理図",
        [](ChartModel& m) { draw(m, zel::pPnInput(pPn(), 0, true), "P 管理図（不良率）", "不良率"); });
    add("06_c", "欠点数（C）管理図",
        [](ChartModel& m) { draw(m, zel::defectInput(defectCounts()), "C 管理図（欠点数）", "欠点数"); });
    add("29_limits", "規格の入力（上限 12・下限 2）", [](ChartModel& m) {
        ControlChartInput in = zel::defectInput(defectCounts());
        in.kind = zel::kEnteredLimitsKind;
        in.entered = zel::EnteredLimits{12.0, 2.0, false};
        draw(m, in, "規格の入力", "欠点数");
    });
    add("41_xbar_mono", "Xbar 管理図（モノクロ）", xbar, true);
    // The run rules on charts whose process changed.
    const auto shiftedMean = [](const zel::RuleSet& rules) {
        return [rules](ChartModel& m) {
            draw(m, zel::xbarRInput(shiftedXbarR(), 0), "Xbar 管理図（軸径・工具交換後）", "平均値 (mm)",
                 rules);
        };
    };
    const auto shiftedP = [](ChartModel& m) {
        draw(m, zel::pPnInput(shiftedPPn(), 0, true), "P 管理図（不良率・ロットごとの管理限界）", "不良率",
             zel::RuleSet::defaults());
    };
    add("97_xbar_rules", "Xbar 管理図：異常判定（判定ルール 1～4）", shiftedMean(zel::RuleSet::defaults()));
    add("98_xbar_rules_all", "Xbar 管理図：異常判定（判定ルール 1～8）", shiftedMean(zel::RuleSet::all()));
    add("99_xbar_rules_mono", "Xbar 管理図：異常判定（判定ルール 1～8、モノクロ）",
        shiftedMean(zel::RuleSet::all()), true);
    add("100_p_rules", "P 管理図：異常判定（ロットごとの管理限界、判定ルール 1～4）", shiftedP);
    add("101_p_rules_mono", "P 管理図：異常判定（ロットごとの管理限界、モノクロ）", shiftedP, true);
    return e;
}

std::vector<ChartGalleryEntry> chartGalleryEntries() {
    std::vector<ChartGalleryEntry> all = componentGalleryEntries();
    for (auto* entries : {controlChartGalleryEntries, histogramGalleryEntries, statisticsGalleryEntries,
                          ganttGalleryEntries,
                          variableGraphGalleryEntries,
                          paretoGalleryEntries,
                          // The scatter diagrams.
                          scatterGalleryEntries,
                          scatter3DGalleryEntries})
        for (ChartGalleryEntry& e : entries())
            all.push_back(std::move(e));
    std::stable_sort(all.begin(), all.end(),
                     [](const ChartGalleryEntry& a, const ChartGalleryEntry& b) { return a.file < b.file; });
    return all;
}

int writeChartGallery(const QString& dir) {
    return writeChartGallery(dir, chartGalleryEntries());
}

QStringList chartGalleryFiles() {
    QStringList out;
    for (const ChartGalleryEntry& e : chartGalleryEntries())
        out << e.file + QStringLiteral(".png");
    return out;
}
