// The 3-D scatter's kinds, its fill from the Analysis set, its click texts,
// title names and report summary.
#include "analysis/scatter/Scatter3DFill.h"

#include "common/NamedRows.h"
#include "common/NumberText.h"

#include <algorithm>
#include <array>

namespace zel {
namespace {

struct KindRow {
    const char* name;
    Scatter3DKind kind;
    int style;
};

// In list order.
constexpr std::array<KindRow, 3> kKinds{{
    {kScatter3DMarkersKind, Scatter3DKind::Markers, chartstyles::kScatter3DMarkers},
    {kScatter3DDropLinesKind, Scatter3DKind::DropLines, chartstyles::kScatter3DDropLines},
    {kScatter3DJoinedKind, Scatter3DKind::Joined, chartstyles::kScatter3DJoined},
}};

// Series s (1-based: 1 Y, 2 X, 3 Z) of the set.
const std::vector<double>& series(const AnalysisSet& set, int s) {
    return set.values[static_cast<std::size_t>(s - 1)];
}

bool holdsThreeSeries(const AnalysisSet& set) {
    if (set.seriesCount < kScatter3DSeries || static_cast<int>(set.values.size()) < kScatter3DSeries)
        return false;
    for (int s = 1; s <= kScatter3DSeries; ++s)
        if (static_cast<int>(series(set, s).size()) < set.n) return false;
    return true;
}

// The role letters of series 1, 2, 3 in the summary.
constexpr std::array<const char*, kScatter3DSeries> kRoles{"Y", "X", "Z"};

} // namespace

std::vector<std::string> scatter3DKindList() {
    std::vector<std::string> out;
    for (const KindRow& row : kKinds)
        out.emplace_back(row.name);
    return out;
}

std::optional<Scatter3DKind> findScatter3DKind(std::string_view name) {
    const KindRow* row = findNamedRow(kKinds, name);
    return row ? std::optional(row->kind) : std::nullopt;
}

int scatter3DStyle(Scatter3DKind kind) {
    for (const KindRow& row : kKinds)
        if (row.kind == kind) return row.style;
    return chartstyles::kScatter3DMarkers;
}

bool canFillScatter3D(const AnalysisSet& set) {
    return set.n >= 1 && holdsThreeSeries(set) && ChartModel::shapeFits(1, set.n);
}

bool fillScatter3DChart(ChartModel& model, const AnalysisSet& set, Scatter3DKind kind) {
    if (!canFillScatter3D(set)) return false;
    const int n = set.n;
    // The values Y of the one series, point after point.
    model.clearArray(clearcodes::kValues);
    model.clearArray(clearcodes::kXPositions);
    model.clearArray(clearcodes::kZPositions);
    model.setFreshShape(1, n);
    const std::vector<double>& y = series(set, 1);
    for (int i = 0; i < n; ++i)
        model.setPointValue(y[static_cast<std::size_t>(i)]);
    model.setChartType(static_cast<int>(ChartType::Scatter3D));
    model.setChartStyle(scatter3DStyle(kind));
    // Then X across and Z in depth.
    model.setCurrentSeries(1);
    const std::vector<double>& x = series(set, 2);
    for (int i = 1; i <= n; ++i) {
        model.setCurrentPoint(i);
        model.setPointXPos(x[static_cast<std::size_t>(i - 1)]);
    }
    const std::vector<double>& z = series(set, 3);
    for (int i = 1; i <= n; ++i) {
        model.setCurrentPoint(i);
        model.setPointZPos(z[static_cast<std::size_t>(i - 1)]);
    }
    model.setCurrentPoint(1);
    return true;
}

std::optional<Scatter3DReadout> scatter3DReadout(const AnalysisSet& set, int series, int point,
                                                 double chartValue) {
    if (series < 1 || point < 1 || point > set.n || !holdsThreeSeries(set)) return std::nullopt;
    const auto i = static_cast<std::size_t>(point - 1);
    return Scatter3DReadout{signedNumberText(series), signedNumberText(chartValue),
                            signedNumberText(zel::series(set, 2)[i]),
                            signedNumberText(zel::series(set, 3)[i])};
}

TitleContext scatter3DTitleContext(const AnalysisSet& set) {
    TitleContext context;
    context.variableNames = set.names;
    return context;
}

std::string scatter3DSummary(const AnalysisSet& set) {
    std::string out = "n " + std::to_string(set.n) + "\n";
    if (set.n < 1 || !holdsThreeSeries(set)) return out;
    for (int s = 1; s <= kScatter3DSeries; ++s) {
        const std::vector<double>& v = series(set, s);
        const auto end = v.begin() + set.n;
        const auto [lo, hi] = std::minmax_element(v.begin(), end);
        const std::string role = std::string(" ") + kRoles[static_cast<std::size_t>(s - 1)] + " ";
        const double mean = static_cast<std::size_t>(s - 1) < set.stats.size()
                                ? set.stats[static_cast<std::size_t>(s - 1)].mean
                                : seriesStatistics(std::vector<double>(v.begin(), end)).mean;
        out += "min" + role + generalNumberText(*lo) + "\n";
        out += "max" + role + generalNumberText(*hi) + "\n";
        out += "mean" + role + generalNumberText(mean) + "\n";
    }
    return out;
}

} // namespace zel
