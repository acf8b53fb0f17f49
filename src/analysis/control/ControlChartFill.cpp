// Filling one control chart: values, fixed axis bounds, chart kind, control-line
// series with their roles and point labels, the same way for every control-chart window.
#include "analysis/control/ControlChartFill.h"

#include "common/NamedRows.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zel {
namespace {

struct Kind {
    const char* name;
    ChartType type;
    int style;
};

using namespace chartstyles;

constexpr Kind kKinds[10] = {
    {"円グラフ", ChartType::Pie, kPieLabelled},
    {"立体円グラフ", ChartType::Pie3D, kPieLabelled},
    {"棒グラフ", ChartType::Bar, kBarVertical},
    {"立体棒グラフ", ChartType::Bar3D, kBarVertical},
    {"棒グラフ（横）", ChartType::Bar, kBarHorizontal},
    {"立体棒グラフ（横）", ChartType::Bar3D, kBarHorizontal},
    {"折れ線グラフ", ChartType::Line, kLineWithSymbols},
    {"エリアグラフ", ChartType::Area, kAreaStacked},
    {"帯グラフ", ChartType::Band, kBand},
    {"立体エリアグラフ", ChartType::Area3D, kAreaStacked},
};

// The statistics lines of a control chart's data: the mean and the sigma lines.
constexpr int kControlStatLines = statlines::kMean | statlines::kSigma;

const Kind* findKind(const std::string& name) {
    return findNamedRow(kKinds, name);
}

double at(const std::vector<double>& v, std::size_t i, double fallback) {
    return i < v.size() ? v[i] : fallback;
}

std::string labelAt(const std::vector<std::string>& labels, std::size_t i) {
    return i < labels.size() ? labels[i] : std::string();
}

// Writes one series of m points at the cursor (the fill rule moves on to the next series).
template <class F> void writeSeries(ChartModel& model, int m, F valueOf) {
    for (int i = 0; i < m; ++i)
        model.setPointValue(valueOf(static_cast<std::size_t>(i)));
}

// Series 1..4 in the order they were written.
void setRoles(ChartModel& model, const std::array<SeriesRole, 4>& roles) {
    for (std::size_t i = 0; i < roles.size(); ++i)
        model.setSeriesRole(static_cast<int>(i) + 1, roles[i]);
}

} // namespace

const std::array<std::string, 10>& controlChartKinds() {
    static const std::array<std::string, 10> names = [] {
        std::array<std::string, 10> a;
        for (std::size_t i = 0; i < a.size(); ++i)
            a[i] = kKinds[i].name;
        return a;
    }();
    return names;
}

bool fillControlChart(ChartModel& model, const ControlChartInput& input) {
    const bool enteredKind = input.kind == kEnteredLimitsKind;
    if (enteredKind &&
        (!input.entered || input.entered->cancelled || input.entered->upper < input.entered->lower))
        return false;
    const Kind* kind = enteredKind ? nullptr : findKind(input.kind);
    const int m = static_cast<int>(std::min<std::size_t>(input.values.size(), ChartModel::kMaxCount));
    const int points = m > 0 ? m : 1;
    const auto& lines = input.lines; // CL, UCL, LCL

    // 1-2: clear, one series of m points.
    model.clearArray(clearcodes::kValues);
    model.clearArray(clearcodes::kPointTexts);
    model.clearArray(clearcodes::kExtras);
    model.setCurrentSeries(1);
    model.setCurrentPoint(1);
    model.setSeriesCount(1);
    model.setPointCount(points);

    // 3: the values, and the axis bounds around them and the limits.
    double upper = -std::numeric_limits<double>::infinity();
    double lower = std::numeric_limits<double>::infinity();
    if (enteredKind) upper = lower = lines[0]; // the entered-limits chart starts at c-bar
    for (int i = 1; i <= m; ++i) {
        const double v = input.values[static_cast<std::size_t>(i - 1)];
        model.setCurrentPoint(i);
        model.setPointValue(v);
        if (v > upper) upper = v;
        if (v < lower) lower = v;
    }
    if (enteredKind) {
        upper = std::max(upper, input.entered->upper);
        lower = std::min(lower, input.entered->lower);
    } else {
        const std::vector<double>& ups = !input.rangeUpper.empty() ? input.rangeUpper : input.pointUpper;
        const std::vector<double>& lows = !input.rangeLower.empty() ? input.rangeLower : input.pointLower;
        if (ups.empty()) {
            if (lines[1] > upper) upper = lines[1];
        } else {
            for (int i = 0; i < m; ++i)
                upper = std::max(upper, at(ups, static_cast<std::size_t>(i), upper));
        }
        if (lows.empty()) {
            if (lines[2] < lower) lower = lines[2];
        } else {
            for (int i = 0; i < m; ++i)
                lower = std::min(lower, at(lows, static_cast<std::size_t>(i), lower));
        }
    }
    if (!(upper >= lower)) upper = lower = lines[0]; // no values at all

    // 4: the redraw reset that keeps the fixed Y scale, the overlay and the angles.
    model.redrawReset(model.viewAngles(), true);

    const auto value = [&](std::size_t i) { return input.values[i]; };
    const auto centre = [&](std::size_t i) { return at(input.pointCentre, i, lines[0]); };
    const auto ucl = [&](std::size_t i) { return at(input.pointUpper, i, lines[1]); };
    const auto lcl = [&](std::size_t i) { return at(input.pointLower, i, lines[2]); };

    if (enteredKind) {
        model.setSeriesCount(4);
        model.setPointCount(points);
        model.setYAxisScale(axisscales::kFixed);
        model.setChartType(static_cast<int>(ChartType::Line));
        model.setChartStyle(kLineWithSymbols);
        model.setStatLines(kControlStatLines);
        model.setYAxisMax(upper);
        model.setYAxisMin(lower);
        model.setCurrentSeries(1);
        model.setCurrentPoint(1);
        writeSeries(model, m, value);
        const std::array<double, 3> drawn = drawnControlLines(input);
        writeSeries(model, m, [&](std::size_t) { return drawn[1]; });
        writeSeries(model, m, [&](std::size_t) { return drawn[2]; });
        writeSeries(model, m, [&](std::size_t) { return drawn[0]; });
        setRoles(model, {SeriesRole::Data, SeriesRole::UpperSpecLimit, SeriesRole::LowerSpecLimit,
                         SeriesRole::CentreLine});
        for (int i = 1; i <= m; ++i)
            model.setPointLabelAt(i, labelAt(input.labels, static_cast<std::size_t>(i - 1)));
        return true;
    }
    if (!kind) return false;

    // 5: the kind; the line kind draws the control lines as series.
    model.setChartType(static_cast<int>(kind->type));
    model.setChartStyle(kind->style);
    const bool line = kind->type == ChartType::Line;
    if (line) {
        model.setSeriesCount(4);
        model.setPointCount(points);
        model.setYAxisScale(axisscales::kFixed);
        model.setYAxisMax(upper);
        model.setYAxisMin(lower);
        model.setYAxisTicks(4);
        model.setStatLines(input.role == ControlChartRole::Counts ? 0 : kControlStatLines);
        model.setCurrentSeries(1);
        model.setCurrentPoint(1);
        if (input.role == ControlChartRole::Counts) {
            writeSeries(model, m, value);
            writeSeries(model, m, centre);
            writeSeries(model, m, ucl);
            writeSeries(model, m, lcl);
            setRoles(model, {SeriesRole::Data, SeriesRole::CentreLine, SeriesRole::UpperLimit,
                             SeriesRole::LowerLimit});
        } else {
            writeSeries(model, m, centre);
            writeSeries(model, m, ucl);
            writeSeries(model, m, lcl);
            writeSeries(model, m, value);
            setRoles(model, {SeriesRole::CentreLine, SeriesRole::UpperLimit, SeriesRole::LowerLimit,
                             SeriesRole::Data});
        }
        if (input.role == ControlChartRole::MovingRange) {
            // The first moving range is 0 by definition, not a reading: drawn at
            // 0 as in every other kind, with an empty label, and left out of
            // the chart's statistics lines.
            model.setCurrentPoint(1);
            model.setPointExtra(pointextras::kNoReading);
        }
    }

    // 6: point labels; the Rs chart numbers its points instead.
    if (input.role == ControlChartRole::MovingRange) {
        switch (kind->type) {
        case ChartType::Pie:
        case ChartType::Pie3D:
            model.setCurrentSeries(1);
            for (int i = 1; i <= m; ++i) {
                model.setCurrentPoint(i);
                model.setPointText(std::to_string(i));
            }
            break;
        case ChartType::Bar:
        case ChartType::Bar3D:
            break;
        default:
            for (int i = 1; i <= m; ++i)
                model.setPointLabelAt(i, std::to_string(i));
            break;
        }
    } else {
        for (int i = 1; i <= m; ++i)
            model.setPointLabelAt(i, labelAt(input.labels, static_cast<std::size_t>(i - 1)));
    }
    return true;
}

Status checkFiniteInput(const ControlChartInput& input) {
    const auto finite = [](const auto& values) {
        return std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); });
    };
    const bool ok = finite(input.values) && finite(input.lines) && finite(input.pointCentre) &&
                    finite(input.pointUpper) && finite(input.pointLower) && finite(input.rangeUpper) &&
                    finite(input.rangeLower) && finite(drawnControlLines(input));
    return ok ? Status::ok() : Status::invalidArgument(kResultOutOfRange);
}

std::array<double, 3> drawnControlLines(const ControlChartInput& input) {
    if (input.kind == kEnteredLimitsKind && input.entered && !input.entered->cancelled) {
        const EnteredLimits& e = *input.entered;
        // Halved before they are added: the same value as (upper + lower) x 0.5,
        // since halving a double is exact, without overflowing near the largest numbers.
        return {e.upper * 0.5 + e.lower * 0.5, e.upper, e.lower};
    }
    return input.lines;
}

ControlChartInput xbarRInput(const ChartDataSet& cds, int chart) {
    ControlChartInput in;
    in.role = chart == 0 ? ControlChartRole::Mean : ControlChartRole::Range;
    in.values = chart == 0 ? cds.mean : cds.range;
    in.labels = cds.labels;
    in.lines = cds.lines[chart == 0 ? 0 : 1];
    return in;
}

ControlChartInput xRsInput(const ChartDataSet& cds, int chart) {
    ControlChartInput in;
    in.role = chart == 0 ? ControlChartRole::Mean : ControlChartRole::MovingRange;
    in.values = chart == 0 ? cds.mean : cds.range;
    in.labels = cds.labels;
    in.lines = cds.lines[chart == 0 ? 0 : 1];
    return in;
}

ControlChartInput pPnInput(const ChartDataSet& cds, int chart, bool pPnShowing) {
    ControlChartInput in;
    in.labels = cds.labels;
    const auto m = static_cast<std::size_t>(cds.m > 0 ? cds.m : 0);
    const auto lot = [&](std::size_t i, std::size_t column) {
        return i + 1 < cds.pTable.size() ? cds.pTable[i + 1][column] : 0.0;
    };
    if (chart == 0) {
        in.role = ControlChartRole::P;
        in.lines = cds.lines[0];
        for (std::size_t i = 0; i < m; ++i) {
            in.values.push_back(i < cds.plottedP.size() ? cds.plottedP[i] : lot(i, 0));
            in.rangeUpper.push_back(lot(i, 1));
            in.rangeLower.push_back(lot(i, 2));
        }
        if (pPnShowing) {
            in.pointUpper = in.rangeUpper;
            in.pointLower = in.rangeLower;
        }
    } else {
        in.role = ControlChartRole::Pn;
        in.lines = cds.lines[1];
        for (std::size_t i = 0; i < m; ++i) {
            const double size = i < cds.x.size() ? cds.x[i][0] : 0.0;
            const double defectives = i < cds.x.size() && cds.x[i].size() > 1 ? cds.x[i][1] : 0.0;
            in.values.push_back(i < cds.plottedD.size() ? cds.plottedD[i] : defectives);
            in.pointCentre.push_back(cds.lines[0][0] * size);
            in.pointUpper.push_back(lot(i, 3));
            in.pointLower.push_back(lot(i, 4));
        }
        in.rangeUpper = in.pointUpper;
        in.rangeLower = in.pointLower;
    }
    return in;
}

ControlChartInput defectInput(const ChartDataSet& cds) {
    ControlChartInput in;
    in.role = ControlChartRole::Counts;
    for (const auto& row : cds.x)
        in.values.push_back(row.empty() ? 0.0 : row[0]);
    in.labels = cds.labels;
    in.lines = cds.lines[0];
    return in;
}

} // namespace zel
