// The chart component's property set: storage, the fill rule, clears and resets.
#include "components/chart/ChartModel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zel {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <class T> T readAt(const std::vector<T>& a, int index1, T fallback) {
    if (index1 < 1 || static_cast<std::size_t>(index1) > a.size()) return fallback;
    return a[static_cast<std::size_t>(index1 - 1)];
}

template <class T> void writeAt(std::vector<T>& a, int index1, T v, T fill) {
    if (static_cast<std::size_t>(index1) > a.size()) a.resize(static_cast<std::size_t>(index1), fill);
    a[static_cast<std::size_t>(index1 - 1)] = std::move(v);
}

} // namespace

bool isChartTypeCode(int code) {
    switch (code) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 13:
    case 14:
    case 17:
    case 21:
    case 22:
        return true;
    default:
        return false;
    }
}

bool isThreeDimensional(ChartType type) {
    return type == ChartType::Pie3D || type == ChartType::Bar3D || type == ChartType::Area3D ||
           type == ChartType::Scatter3D;
}

ChartModel::ChartModel() : m_values(1, 0.0) {}

template <class T> void ChartModel::reshapeArray(std::vector<T>& a, int series, int points) const {
    if (a.empty()) return;
    std::vector<T> out(static_cast<std::size_t>(series) * static_cast<std::size_t>(points), T{});
    const int keepS = std::min(series, m_seriesCount);
    const int keepP = std::min(points, m_pointCount);
    for (int s = 1; s <= keepS; ++s) {
        const auto from = a.begin() + static_cast<std::ptrdiff_t>(cellIndex(s, 1));
        std::copy(from, from + keepP,
                  out.begin() + static_cast<std::ptrdiff_t>((s - 1) * static_cast<std::size_t>(points)));
    }
    a.swap(out);
}

bool isControlLineRole(SeriesRole role) {
    return role != SeriesRole::Data && role != SeriesRole::StatisticLine;
}

SeriesRole ChartModel::seriesRole(int series) const {
    if (series < 1 || static_cast<std::size_t>(series) > m_roles.size()) return SeriesRole::Data;
    return m_roles[static_cast<std::size_t>(series - 1)];
}

bool ChartModel::setSeriesRole(int series, SeriesRole role) {
    if (series < 1 || series > m_seriesCount) return false;
    if (m_roles.size() < static_cast<std::size_t>(series))
        m_roles.resize(static_cast<std::size_t>(series), SeriesRole::Data);
    m_roles[static_cast<std::size_t>(series - 1)] = role;
    return true;
}

bool ChartModel::shapeFits(std::int64_t series, std::int64_t points) {
    return series >= 1 && series <= kMaxCount && points >= 1 && points <= kMaxCount &&
           series * points <= kMaxCells;
}

bool ChartModel::reshape(int series, int points) {
    if (!shapeFits(series, points)) return false;
    if (series == m_seriesCount && points == m_pointCount) return true;
    reshapeArray(m_values, series, points);
    reshapeArray(m_xPos, series, points);
    reshapeArray(m_zPos, series, points);
    reshapeArray(m_extra, series, points);
    if (m_roles.size() > static_cast<std::size_t>(series)) m_roles.resize(static_cast<std::size_t>(series));
    for (auto* keyed : {&m_texts, &m_signals})
        for (auto it = keyed->begin(); it != keyed->end();) {
            const int s = static_cast<int>(it->first >> 16);
            const int p = static_cast<int>(it->first & 0xFFFF);
            it = (s > series || p > points) ? keyed->erase(it) : std::next(it);
        }
    m_seriesCount = series;
    m_pointCount = points;
    m_currentSeries = std::min(m_currentSeries, series);
    m_currentPoint = std::min(m_currentPoint, points);
    m_full = false;
    return true;
}

bool ChartModel::setSeriesCount(int count) {
    return reshape(count, m_pointCount);
}
bool ChartModel::setPointCount(int count) {
    return reshape(m_seriesCount, count);
}

bool ChartModel::setFreshShape(int series, int points) {
    if (!shapeFits(series, points)) return false;
    reshape(1, 1);
    reshape(series, points);
    setCurrentSeries(1);
    setCurrentPoint(1);
    return true;
}

bool ChartModel::setCurrentSeries(int series) {
    if (series < 1 || series > m_seriesCount) return false;
    m_currentSeries = series;
    m_full = false;
    return true;
}

bool ChartModel::setCurrentPoint(int point) {
    if (point < 1 || point > m_pointCount) return false;
    m_currentPoint = point;
    m_full = false;
    return true;
}

bool ChartModel::setPointValue(double v) {
    if (m_full) return false;
    m_values[cellIndex(m_currentSeries, m_currentPoint)] = v;
    if (m_currentPoint < m_pointCount) {
        ++m_currentPoint;
    } else if (m_currentSeries < m_seriesCount) {
        ++m_currentSeries;
        m_currentPoint = 1;
    } else {
        m_full = true;
    }
    return true;
}

void ChartModel::setPointXPos(double x) {
    if (m_xPos.empty()) m_xPos.assign(m_values.size(), 0.0);
    m_xPos[cellIndex(m_currentSeries, m_currentPoint)] = x;
}

void ChartModel::setPointZPos(double z) {
    if (m_zPos.empty()) m_zPos.assign(m_values.size(), 0.0);
    m_zPos[cellIndex(m_currentSeries, m_currentPoint)] = z;
}

void ChartModel::setPointText(const std::string& text) {
    if (text.empty())
        m_texts.erase(textKey(m_currentSeries, m_currentPoint));
    else
        m_texts[textKey(m_currentSeries, m_currentPoint)] = text;
}

void ChartModel::setPointSignal(const std::string& text) {
    if (text.empty())
        m_signals.erase(textKey(m_currentSeries, m_currentPoint));
    else
        m_signals[textKey(m_currentSeries, m_currentPoint)] = text;
}

void ChartModel::setPointExtra(int extra) {
    if (m_extra.empty()) {
        if (extra == 0) return;
        m_extra.assign(m_values.size(), pointextras::kNormal);
    }
    m_extra[cellIndex(m_currentSeries, m_currentPoint)] = extra;
}

void ChartModel::setPointPattern(int pattern) {
    writeAt(m_patterns, m_currentPoint, pattern, 0);
}

std::string ChartModel::pointLabelAt(int point) const {
    return readAt(m_pointLabels, point, std::string());
}

bool ChartModel::setPointLabelAt(int point, const std::string& label) {
    if (point < 1 || point > kMaxCount) return false;
    writeAt(m_pointLabels, point, label, std::string());
    return true;
}

int ChartModel::pointSeparatedAt(int point) const {
    return readAt(m_separated, point, 0);
}

bool ChartModel::setPointSeparatedAt(int point, int separated) {
    if (point < 1 || point > kMaxCount) return false;
    writeAt(m_separated, point, separated != 0 ? 1 : 0, 0);
    return true;
}

int ChartModel::patternAt(int point) const {
    return readAt(m_patterns, point, 0);
}

std::string ChartModel::legendAt(int series) const {
    return readAt(m_legends, series, std::string());
}

bool ChartModel::setLegendAt(int series, const std::string& legend) {
    if (series < 1 || series > kMaxCount) return false;
    writeAt(m_legends, series, legend, std::string());
    return true;
}

double ChartModel::value(int series, int point) const {
    return validCell(series, point) ? m_values[cellIndex(series, point)] : 0.0;
}

double ChartModel::xPos(int series, int point) const {
    return validCell(series, point) && !m_xPos.empty() ? m_xPos[cellIndex(series, point)] : 0.0;
}

double ChartModel::zPos(int series, int point) const {
    return validCell(series, point) && !m_zPos.empty() ? m_zPos[cellIndex(series, point)] : 0.0;
}

std::string ChartModel::text(int series, int point) const {
    if (!validCell(series, point)) return {};
    const auto it = m_texts.find(textKey(series, point));
    return it == m_texts.end() ? std::string() : it->second;
}

std::string ChartModel::signalAt(int series, int point) const {
    if (!validCell(series, point)) return {};
    const auto it = m_signals.find(textKey(series, point));
    return it == m_signals.end() ? std::string() : it->second;
}

std::vector<std::pair<int, std::string>> ChartModel::signalsOf(int series) const {
    std::vector<std::pair<int, std::string>> out;
    if (series < 1 || series > m_seriesCount) return out;
    const auto end = m_signals.lower_bound(textKey(series + 1, 0));
    for (auto it = m_signals.lower_bound(textKey(series, 0)); it != end; ++it)
        out.emplace_back(static_cast<int>(it->first & 0xFFFF), it->second);
    return out;
}

int ChartModel::extra(int series, int point) const {
    return validCell(series, point) && !m_extra.empty() ? m_extra[cellIndex(series, point)] : 0;
}

bool ChartModel::isPlotted(int series, int point) const {
    return validCell(series, point) && std::isfinite(m_values[cellIndex(series, point)]);
}

bool ChartModel::isReading(int series, int point) const {
    return isPlotted(series, point) && extra(series, point) != pointextras::kNoReading;
}

bool ChartModel::isUnlabelled(int point) const {
    if (m_extra.empty()) return false;
    for (int s = 1; s <= seriesCount(); ++s)
        if (extra(s, point) == pointextras::kNoReading) return true;
    return false;
}

bool ChartModel::clearArray(int code) {
    switch (code) {
    case clearcodes::kValues:
        std::fill(m_values.begin(), m_values.end(), 0.0);
        m_full = false;
        return true;
    case clearcodes::kXPositions:
        m_xPos.clear();
        return true;
    case clearcodes::kPatterns:
        m_patterns.clear();
        return true;
    case clearcodes::kPointLabels:
        m_pointLabels.clear();
        return true;
    case clearcodes::kLegends:
        m_legends.clear();
        return true;
    case clearcodes::kSeparations:
        m_separated.clear();
        return true;
    case clearcodes::kZPositions:
        m_zPos.clear();
        return true;
    case clearcodes::kPointTexts:
        m_texts.clear();
        return true;
    case clearcodes::kExtras:
        m_extra.clear();
        return true;
    case clearcodes::kSignals:
        m_signals.clear();
        return true;
    case clearcodes::kReferenceLines:
        m_referenceLines.clear();
        return true;
    case clearcodes::kCurve:
        m_curve.clear();
        return true;
    case clearcodes::kRoles:
        m_roles.clear();
        return true;
    case clearcodes::kOverlay:
        m_overlayValues.clear();
        m_overlayXPos.clear();
        return true;
    default:
        return false;
    }
}

bool ChartModel::setChartType(int code) {
    if (!isChartTypeCode(code)) return false;
    m_chartType = static_cast<ChartType>(code);
    return true;
}

bool ChartModel::setStatLines(int bits) {
    if (bits < 0 || bits > statlines::kAll) return false;
    m_statLines = bits;
    return true;
}

bool ChartModel::setBarGap(int percent) {
    if (percent != kAutomaticBarGap && (percent < 0 || percent > kMaxBarGap)) return false;
    m_barGap = percent;
    return true;
}

bool ChartModel::setFitDegree(int degree) {
    if (degree < 1 || degree > kMaxFitDegree) return false;
    m_fitDegree = degree;
    return true;
}

bool ChartModel::setYAxisSelect(int axis) {
    if (axis != 0 && axis != 1) return false;
    m_yAxisSelect = axis;
    return true;
}

bool ChartModel::setYAxisScale(int scale) {
    if (scale < 0 || scale > 2) return false;
    m_yAxes[m_yAxisSelect].scale = scale;
    return true;
}

bool ChartModel::setYAxisTicks(int ticks) {
    if (ticks < 0 || ticks > kMaxCount) return false;
    m_yAxes[m_yAxisSelect].ticks = ticks;
    return true;
}

bool ChartModel::setXAxisScale(int scale) {
    if (scale < 0 || scale > 2) return false;
    m_xAxis.scale = scale;
    return true;
}

bool ChartModel::setXAxisTicks(int ticks) {
    if (ticks < 0 || ticks > kMaxCount) return false;
    m_xAxis.ticks = ticks;
    return true;
}

bool ChartModel::setOverlayMode(int mode) {
    if (mode < 0 || mode > 2) return false;
    m_overlayMode = mode;
    return true;
}

void ChartModel::setOverlayValue(double v) {
    writeAt(m_overlayValues, m_currentPoint, v, kNaN);
}
void ChartModel::setOverlayXPos(double x) {
    writeAt(m_overlayXPos, m_currentPoint, x, kNaN);
}
double ChartModel::overlayValueAt(int point) const {
    return readAt(m_overlayValues, point, kNaN);
}
double ChartModel::overlayXPosAt(int point) const {
    return readAt(m_overlayXPos, point, kNaN);
}

int ChartModel::overlayOption(int index) const {
    return index >= 1 && index <= kOverlayOptionCount ? m_overlayOptions[index - 1] : 0;
}

bool ChartModel::setOverlayOption(int index, int value) {
    if (index < 1 || index > kOverlayOptionCount) return false;
    m_overlayOptions[index - 1] = value;
    return true;
}

bool ChartModel::addReferenceLine(double x, const std::string& label) {
    if (!std::isfinite(x)) return false;
    m_referenceLines.push_back({x, label});
    return true;
}

bool ChartModel::addCurvePoint(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    m_curve.push_back({x, y});
    return true;
}

double classAxisPosition(const std::vector<double>& bounds, double value) {
    const std::size_t n = bounds.size();
    if (n < 2 || !std::isfinite(value)) return kNaN;
    // The class holding the value: the first upper boundary not below it; the end
    // classes for values beyond the ends.
    const auto upper = std::lower_bound(bounds.begin() + 1, bounds.end() - 1, value);
    const auto k = static_cast<std::size_t>(upper - bounds.begin()); // 1..n-1
    const double lo = bounds[k - 1], hi = bounds[k];
    const double share = hi > lo ? (value - lo) / (hi - lo) : 0.5;
    return static_cast<double>(k) - 0.5 + share;
}

bool ChartModel::setTitleLeftStyle(int style) {
    if (style != 0 && style != 1) return false;
    m_titleLeftStyle = style;
    return true;
}

bool ChartModel::setTitleRightStyle(int style) {
    if (style != 0 && style != 1) return false;
    m_titleRightStyle = style;
    return true;
}

bool ChartModel::setGridLines(int lines) {
    if (lines < 0 || lines > 3) return false;
    m_gridLines = lines;
    return true;
}

bool ChartModel::setGridLineStyle(int style) {
    if (style < 0 || style > 4) return false;
    m_gridLineStyle = style;
    return true;
}

void ChartModel::setRotation3D(int degrees) {
    m_view.rotation = std::clamp(degrees, -90, 90);
}
void ChartModel::setPerspective3D(int value) {
    m_view.perspective = std::clamp(value, 0, 100);
}
void ChartModel::setElevation3D(int degrees) {
    m_view.elevation = std::clamp(degrees, -30, 60);
}

void ChartModel::setViewAngles(const ViewAngles& view) {
    setRotation3D(view.rotation);
    setPerspective3D(view.perspective);
    setElevation3D(view.elevation);
}

bool ChartModel::setAction(int code) {
    ChartAction a;
    switch (code) {
    case 2:
        a.code = ChartActionCode::Draw;
        ++m_drawCount;
        break;
    case 3:
        a.code = ChartActionCode::PrepareCopy;
        break;
    case 4:
        a.code = ChartActionCode::Copy;
        break;
    case 5:
        a.code = ChartActionCode::Print;
        break;
    case 8:
        a.code = ChartActionCode::TimeLabel;
        a.point = m_currentPoint;
        a.label = pointLabel();
        break;
    default:
        return false;
    }
    a.screenColor = m_screenColor != 0;
    a.printColor = m_printColor != 0;
    if (m_actionHandler)
        m_actionHandler(a);
    else
        m_actions.push_back(std::move(a));
    return true;
}

std::vector<ChartAction> ChartModel::takeActions() {
    std::vector<ChartAction> out;
    out.swap(m_actions);
    return out;
}

void ChartModel::setActionHandler(std::function<void(const ChartAction&)> handler) {
    m_actionHandler = std::move(handler);
}

void ChartModel::redrawReset(const ViewAngles& view, bool controlChart) {
    clearArray(clearcodes::kPointLabels);
    clearArray(clearcodes::kLegends);
    clearArray(clearcodes::kRoles);
    clearArray(clearcodes::kSignals);
    clearArray(clearcodes::kReferenceLines);
    clearArray(clearcodes::kCurve);
    m_statLines = 0;
    m_barGap = kAutomaticBarGap;
    m_resetSwitchOne = 0;
    if (!controlChart) {
        setYAxisScale(0);
        m_overlayMode = 0;
    }
    setViewAngles(view);
    m_resetSwitchTwo = 1;
}

void ChartModel::loadSampleData() {
    static const double kSample[3][5] = {
        {20, 35, 30, 45, 40},
        {30, 25, 40, 30, 50},
        {15, 20, 25, 35, 30},
    };
    setSeriesCount(3);
    setPointCount(5);
    clearArray(clearcodes::kExtras);
    setCurrentSeries(1);
    setCurrentPoint(1);
    for (const auto& series : kSample)
        for (double v : series)
            setPointValue(v);
    for (int p = 1; p <= 5; ++p) {
        setCurrentPoint(p);
        for (int s = 1; s <= 3; ++s) {
            setCurrentSeries(s);
            setPointXPos(p);
            setPointZPos(s);
        }
        setPointLabelAt(p, std::to_string(p));
    }
    for (int s = 1; s <= 3; ++s)
        setLegendAt(s, std::to_string(s));
    setCurrentSeries(1);
    setCurrentPoint(1);
}

void ChartModel::holdValueRange(double min, double max) {
    m_heldValid = std::isfinite(min) && std::isfinite(max) && min < max;
    m_heldMin = min;
    m_heldMax = max;
}

} // namespace zel
