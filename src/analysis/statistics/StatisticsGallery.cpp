// The gallery's comparison graphs: built-in datasets through the real computations and fill.
#include "analysis/statistics/StatisticsGallery.h"

#include "analysis/AnalysisGallery.h"
#include "analysis/statistics/ComparisonGraph.h"
#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"

#include <string>
#include <vector>

using zel::AnalysisId;
using zel::ChartModel;
using zel::ComparisonKind;
using zel::ComparisonSource;

namespace {

// Hardness (HRC, read to 0.1) of 30 pins from each of five furnaces; furnace 4
// runs wider and furnace 5 has one soft pin.
const zel::Dataset& furnaces() {
    static const zel::Dataset ds = [] {
        const double means[] = {52.0, 53.1, 51.4, 52.6, 52.2};
        const double sds[] = {0.8, 0.7, 0.9, 1.6, 0.8};
        std::vector<std::vector<double>> columns;
        for (std::size_t k = 0; k < 5; ++k)
            columns.push_back(galleryMeasurements(30, means[k], sds[k], 70 + static_cast<unsigned>(k), 0.1));
        columns[4][17] = 47.9;
        return galleryColumns(columns, {"1号炉", "2号炉", "3号炉", "4号炉", "5号炉"});
    }();
    return ds;
}

// Hardness of 60 pins by shift: the factor "直" (1..3) and the hardness. Each
// pin's data label names its shift, so the strata are named after the shifts.
const zel::Dataset& shifts() {
    static const zel::Dataset ds = [] {
        const double means[] = {52.4, 52.0, 50.9};
        const double sds[] = {0.7, 0.9, 1.3};
        std::vector<std::vector<double>> values;
        for (std::size_t s = 0; s < 3; ++s)
            values.push_back(galleryMeasurements(20, means[s], sds[s], 90 + static_cast<unsigned>(s), 0.1));
        // The shifts take turns, five pins each.
        return galleryStrata(values, {"1直", "2直", "3直"}, 5, "直", "硬度(HRC)");
    }();
    return ds;
}

ComparisonSource byVariable() {
    return zel::variableComparison(zel::computeVariableStatistics(furnaces()));
}

ComparisonSource byStratum() {
    const zel::StratifiedSet set = zel::buildStratifiedSet(shifts(), 1, 2).value();
    return zel::stratifiedComparison(set, zel::stratumStatistics(set));
}

// hakohg's redraw of a kind, then the analysis's default titles.
void drawComparison(ChartModel& m, const ComparisonSource& source, ComparisonKind kind, AnalysisId analysis) {
    m.redrawReset(m.viewAngles());
    if (!zel::fillComparisonChart(m, source, kind)) return;
    finishGalleryChart(m, analysis);
}

} // namespace

std::vector<ChartGalleryEntry> statisticsGalleryEntries() {
    std::vector<ChartGalleryEntry> e;
    auto add = [&](const char* file, const char* caption, ComparisonSource (*source)(), ComparisonKind kind,
                   AnalysisId analysis) {
        e.push_back({file,
                     QString::fromUtf8(caption),
                     false,
                     [=](ChartModel& m) { drawComparison(m, source(), kind, analysis); },
                     {}});
    };
    add("62_stats_figure", "変数別統計量（平均値±標準偏差、ひげは最大・最小）", byVariable,
        ComparisonKind::Statistics, AnalysisId::VariableStatistics);
    add("63_stats_raw", "変数別統計量：生データプロット", byVariable, ComparisonKind::RawData,
        AnalysisId::VariableStatistics);
    add("64_strata_figure", "層別統計量グラフ：変数別統計量（３直）", byStratum, ComparisonKind::Statistics,
        AnalysisId::StratifiedStatistics);
    add("65_strata_data", "層別統計量グラフ：層別データプロット", byStratum, ComparisonKind::StratifiedData,
        AnalysisId::StratifiedStatistics);
    return e;
}
