// The scatter window's kind table and its fill.
#include "analysis/scatter/ScatterFill.h"

#include "common/NamedRows.h"

#include <algorithm>

namespace zel {
namespace {

using namespace chartstyles;
using enum ScatterKind;
using enum ScatterXPositions;

// The statistics lines of the residual plots: maximum and minimum, and the
// +-1/2/3 standard deviations.
constexpr int kResidualLines = statlines::kMaxMin | statlines::kSigma;

// In list order: name, kind, type, style, statistics lines, residuals, x
// positions, legends, fitted curve.
constexpr std::array<ScatterKindRow, kScatterKindCount> kKinds{{
    {"散布図", Scatter, ChartType::Scatter, kScatterMarkers, 0, false, XValues, true, false},
    {"回帰直線", RegressionLine, ChartType::Scatter, kScatterMarkers, statlines::kTrend, false, XValues, true,
     false},
    {"残差プロット", Residuals, ChartType::Line, kLineSticks, kResidualLines, true, XValues, false, false},
    {"時系列残差プロット", TimeResiduals, ChartType::Line, kLineSticks, kResidualLines, true, SampleNumbers,
     false, false},
    {"回帰曲線", RegressionCurve, ChartType::Scatter, kScatterFittedCurve, 0, false, XValues, true, true},
}};

} // namespace

const std::array<ScatterKindRow, kScatterKindCount>& scatterKinds() {
    return kKinds;
}

const ScatterKindRow* findScatterKind(std::string_view name) {
    return findNamedRow(kKinds, name);
}

const ScatterKindRow& scatterKind(ScatterKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

int shownPolynomialDegree(int stored) {
    return stored == 0 ? kScatterDefaultDegree : stored;
}

ScatterOptions scatterOptions(const AnalysisSet& set, bool showLegend, int fitDegree) {
    ScatterOptions o;
    o.showLegend = showLegend;
    o.fitDegree = fitDegree;
    for (std::size_t s = 1; s < set.names.size(); ++s)
        o.xNames.push_back(set.names[s]);
    return o;
}

bool fillScatterChart(ChartModel& model, const AnalysisSet& set, const std::vector<Regression>& regressions,
                      ScatterKind kind, const ScatterOptions& options) {
    const ScatterKindRow& row = scatterKind(kind);
    const int series = static_cast<int>(set.values.size()) - 1;
    const int n = set.n;
    if (series < 1 || n < 1) return false;
    for (const std::vector<double>& v : set.values)
        if (static_cast<int>(v.size()) < n) return false;
    if (!model.setFreshShape(series, n)) return false;

    // The values series after series by the fill rule (each write moves on),
    // then the x positions point by point.
    const std::vector<double>& y = set.values.front();
    const auto residual = [&](int s, std::size_t i) {
        const auto r = static_cast<std::size_t>(s - 1);
        const double a = r < regressions.size() ? regressions[r].a : 0.0;
        const double b = r < regressions.size() ? regressions[r].b : 0.0;
        return y[i] - (b * set.values[static_cast<std::size_t>(s)][i] + a);
    };
    for (int s = 1; s <= series; ++s)
        for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
            model.setPointValue(row.residuals ? residual(s, i) : y[i]);
    for (int s = 1; s <= series; ++s) {
        const std::vector<double>& x = set.values[static_cast<std::size_t>(s)];
        model.setCurrentSeries(s);
        for (int i = 1; i <= n; ++i) {
            model.setCurrentPoint(i);
            model.setPointXPos(row.positions == XValues ? x[static_cast<std::size_t>(i - 1)]
                                                        : static_cast<double>(i));
        }
    }
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);

    model.setChartType(static_cast<int>(row.type));
    model.setChartStyle(row.style);
    model.setStatLines(row.statLines);
    if (row.fittedCurve) {
        model.setFitDegree(options.fitDegree);
        model.setFitParameter1(kScatterFitParameter);
        model.setFitParameter2(kScatterFitParameter);
    }
    if (row.legends && options.showLegend && series >= 2)
        for (int s = 1; s <= series; ++s) {
            const auto i = static_cast<std::size_t>(s - 1);
            model.setLegendAt(s, i < options.xNames.size() ? options.xNames[i] : std::string());
        }
    return true;
}

TitleContext scatterTitleContext(const AnalysisSet& set, ScatterKind kind) {
    TitleContext c;
    c.variableNames = set.names;
    c.kindText = std::string(scatterKind(kind).name);
    if (!set.names.empty()) c.yVariableName = set.names.front();
    if (set.names.size() > 1) c.xVariableName = set.names[1];
    c.xVariableCount = std::max(1, static_cast<int>(set.names.size()) - 1);
    return c;
}

} // namespace zel
