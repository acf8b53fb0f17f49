// The comparison graph's data and how it fills the chart.
#include "analysis/statistics/ComparisonGraph.h"

#include "common/NumberText.h"

#include <cstdint>

namespace zel {
namespace {

// The value axis of the two plots of raw values: the largest and the smallest value.
struct Extent {
    bool any = false;
    ValueAxis axis;
    void take(double v) {
        if (!any) {
            axis.top = axis.bottom = v;
            any = true;
        }
        if (v > axis.top) axis.top = v;
        if (v < axis.bottom) axis.bottom = v;
    }
};

void setFixedValueAxis(ChartModel& model, const ValueAxis& axis) {
    model.setYAxisScale(axisscales::kFixed);
    model.setYAxisMax(axis.top);
    model.setYAxisMin(axis.bottom);
}

// Both value kinds divide the fixed axis into four.
constexpr int kValueAxisTicks = 4;

} // namespace

ComparisonSource variableComparison(const VariableStatistics& stats) {
    ComparisonSource s;
    s.values = stats.set.values;
    for (std::size_t k = 0; k < stats.figures.size(); ++k)
        s.series.push_back({k < stats.set.names.size() ? stats.set.names[k] : std::string(), stats.figures[k]});
    return s;
}

ComparisonSource stratifiedComparison(const StratifiedSet& set, const std::vector<StratumStatistics>& strata) {
    ComparisonSource s;
    s.stratified = true;
    for (const StratumStatistics& st : strata)
        s.series.push_back({st.name, st.figures});
    s.pooledValues = set.values;
    s.pooledSeries.reserve(set.codes.size());
    for (int code : set.codes) {
        int position = 0;
        for (std::size_t a = 0; a < strata.size(); ++a)
            if (strata[a].code == code) position = static_cast<int>(a) + 1;
        s.pooledSeries.push_back(position);
    }
    return s;
}

std::vector<std::string> comparisonKindList(bool stratified) {
    return {kStatisticsFigureKind, stratified ? kStratifiedDataKind : kRawDataKind};
}

std::optional<ComparisonKind> findComparisonKind(std::string_view name, bool stratified) {
    if (name == kStatisticsFigureKind) return ComparisonKind::Statistics;
    if (!stratified && name == kRawDataKind) return ComparisonKind::RawData;
    if (stratified && name == kStratifiedDataKind) return ComparisonKind::StratifiedData;
    return std::nullopt;
}

FigureSets figureSets(const SeriesFigures& f) {
    const double low = f.mean - f.sd;
    const double high = f.mean + f.sd;
    return {f.min < low ? f.min : low, low, low, f.mean, high, high, f.max > high ? f.max : high};
}

StatisticsFigures statisticsFigures(const ComparisonSource& source) {
    StatisticsFigures out;
    if (source.series.empty()) return out;
    out.axis.top = source.series.front().figures.max;
    out.axis.bottom = source.series.front().figures.min;
    for (const ComparisonSeries& s : source.series) {
        const SeriesFigures& f = s.figures;
        if (f.max > out.axis.top) out.axis.top = f.max;
        if (f.mean + f.sd > out.axis.top) out.axis.top = f.mean + f.sd;
        if (f.min < out.axis.bottom) out.axis.bottom = f.min;
        if (f.mean - f.sd < out.axis.bottom) out.axis.bottom = f.mean - f.sd;
        out.figures.push_back(figureSets(f));
        out.labels.push_back(s.name);
    }
    return out;
}

RawDataPlot rawDataPlot(const ComparisonSource& source) {
    RawDataPlot out;
    if (source.stratified || source.values.empty()) return out;
    out.pointCount = static_cast<int>(source.values.size());
    std::size_t n = source.values.front().size();
    for (const auto& v : source.values)
        if (v.size() < n) n = v.size();
    out.seriesCount = static_cast<int>(n);
    out.values.reserve(n * source.values.size());
    Extent extent;
    for (std::size_t i = 0; i < n; ++i)
        for (const auto& v : source.values) {
            out.values.push_back(v[i]);
            extent.take(v[i]);
        }
    out.axis = extent.axis;
    for (const ComparisonSeries& s : source.series)
        out.labels.push_back(s.name);
    return out;
}

StratifiedDataPlot stratifiedDataPlot(const ComparisonSource& source) {
    StratifiedDataPlot out;
    if (!source.stratified) return out;
    out.positions = static_cast<int>(source.series.size());
    out.values = source.pooledValues;
    out.xPositions.reserve(out.values.size());
    Extent extent;
    for (std::size_t i = 0; i < out.values.size(); ++i) {
        out.xPositions.push_back(i < source.pooledSeries.size() ? source.pooledSeries[i] : 0);
        extent.take(out.values[i]);
    }
    out.axis = extent.axis;
    return out;
}

bool fillComparisonChart(ChartModel& model, const ComparisonSource& source, ComparisonKind kind) {
    StatisticsFigures figures;
    RawDataPlot raw;
    StratifiedDataPlot strat;
    switch (kind) {
    case ComparisonKind::Statistics:
        figures = statisticsFigures(source);
        if (!ChartModel::shapeFits(kFigureSets, static_cast<std::int64_t>(figures.figures.size())))
            return false;
        break;
    case ComparisonKind::RawData:
        if (source.stratified) return false;
        raw = rawDataPlot(source);
        if (!ChartModel::shapeFits(raw.seriesCount, raw.pointCount)) return false;
        break;
    case ComparisonKind::StratifiedData:
        if (!source.stratified) return false;
        strat = stratifiedDataPlot(source);
        if (!ChartModel::shapeFits(1, static_cast<std::int64_t>(strat.values.size())) || strat.positions < 1)
            return false;
        break;
    }

    // The redraw's reset, then a clean sheet of values.
    model.redrawReset(model.viewAngles());
    model.clearArray(clearcodes::kValues);
    model.clearArray(clearcodes::kXPositions);
    model.clearArray(clearcodes::kExtras);

    switch (kind) {
    case ComparisonKind::Statistics: {
        const int points = static_cast<int>(figures.figures.size());
        model.setFreshShape(kFigureSets, points);
        for (int set = 0; set < kFigureSets; ++set)
            for (const FigureSets& f : figures.figures)
                model.setPointValue(f[static_cast<std::size_t>(set)]);
        setFixedValueAxis(model, figures.axis);
        model.setChartType(static_cast<int>(ChartType::StatsByVariable));
        model.setChartStyle(chartstyles::kStatsBoxFigure);
        model.setYAxisTicks(kValueAxisTicks);
        for (int p = 1; p <= points; ++p)
            model.setPointLabelAt(p, figures.labels[static_cast<std::size_t>(p - 1)]);
        break;
    }
    case ComparisonKind::RawData: {
        model.setFreshShape(raw.seriesCount, raw.pointCount);
        for (double v : raw.values)
            model.setPointValue(v);
        setFixedValueAxis(model, raw.axis);
        model.setChartType(static_cast<int>(ChartType::Line));
        model.setChartStyle(chartstyles::kLineOnly);
        model.setYAxisTicks(kValueAxisTicks);
        for (int p = 1; p <= raw.pointCount && static_cast<std::size_t>(p) <= raw.labels.size(); ++p)
            model.setPointLabelAt(p, raw.labels[static_cast<std::size_t>(p - 1)]);
        break;
    }
    case ComparisonKind::StratifiedData: {
        const int n = static_cast<int>(strat.values.size());
        model.setChartType(static_cast<int>(ChartType::Scatter));
        model.setChartStyle(chartstyles::kScatterMarkers);
        model.setStatLines(0);
        model.setFreshShape(1, n);
        for (int i = 1; i <= n; ++i) {
            model.setCurrentPoint(i);
            model.setPointXPos(strat.xPositions[static_cast<std::size_t>(i - 1)]);
            model.setPointValue(strat.values[static_cast<std::size_t>(i - 1)]);
        }
        setFixedValueAxis(model, strat.axis);
        model.setXAxisScale(axisscales::kFixed);
        model.setXAxisTicks(strat.positions);
        model.setXAxisMax(strat.positions);
        model.setXAxisMin(0.0);
        break;
    }
    }
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    return true;
}

int clickedComparisonSeries(const ComparisonSource& source, ComparisonKind kind, int point) {
    int series = point;
    if (kind == ComparisonKind::StratifiedData) {
        if (point < 1 || static_cast<std::size_t>(point) > source.pooledSeries.size()) return 0;
        series = source.pooledSeries[static_cast<std::size_t>(point - 1)];
    }
    return series >= 1 && static_cast<std::size_t>(series) <= source.series.size() ? series : 0;
}

std::optional<ComparisonReadout> comparisonReadout(const ComparisonSource& source, int series) {
    if (series < 1 || static_cast<std::size_t>(series) > source.series.size()) return std::nullopt;
    const SeriesFigures& f = source.series[static_cast<std::size_t>(series - 1)].figures;
    return ComparisonReadout{signedNumberText(series), signedNumberText(f.max), signedNumberText(f.min),
                             signedNumberText(f.mean), signedNumberText(f.variance), signedNumberText(f.sd),
                             signedNumberText(f.count)};
}

} // namespace zel
