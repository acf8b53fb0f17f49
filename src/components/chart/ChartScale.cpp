// Scale maths of the chart: maps, nice steps, axis ranges and tick labels.
#include "components/chart/ChartScale.h"

#include "common/NumberText.h"
#include "components/chart/ChartModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace zel {

namespace {

constexpr int kMaxFixedTicks = 2000;
constexpr int kMaxDecadeTicks = 12;

// Widens a constant (or numerically constant) range into a usable one.
void widenDegenerate(double& lo, double& hi, bool fromZero) {
    const double tol = std::max(std::fabs(lo), std::fabs(hi)) * 1e-12;
    if (hi - lo > tol) return;
    const double c = 0.5 * (lo + hi);
    if (c == 0.0) {
        lo = fromZero ? 0.0 : -1.0;
        hi = 1.0;
        return;
    }
    const double half = std::fabs(c) * 0.1;
    lo = c - half;
    hi = c + half;
}

void addNiceTicks(AxisScale& a, double step) {
    const double k0 = std::ceil(a.min / step - 1e-9);
    const double k1 = std::floor(a.max / step + 1e-9);
    for (double k = k0; k <= k1 && a.ticks.size() < static_cast<std::size_t>(kMaxFixedTicks) + 1; k += 1.0)
        a.ticks.push_back(k * step);
}

AxisScale logAxis(double lo, double hi, const AxisRequest& r) {
    AxisScale a;
    a.logarithmic = true;
    a.step = 0.0;
    bool fixed = r.mode == AxisMode::Fixed && std::isfinite(r.fixedMin) && std::isfinite(r.fixedMax) &&
                 r.fixedMin > 0.0 && r.fixedMax > 0.0 && r.fixedMin != r.fixedMax;
    if (fixed) {
        a.min = std::min(r.fixedMin, r.fixedMax);
        a.max = std::max(r.fixedMin, r.fixedMax);
    } else {
        if (!std::isfinite(hi) || hi <= 0.0) hi = 10.0;
        if (!std::isfinite(lo) || lo <= 0.0 || lo > hi) lo = hi / 10.0;
        int e0 = static_cast<int>(std::floor(std::log10(lo) + 1e-12));
        int e1 = static_cast<int>(std::ceil(std::log10(hi) - 1e-12));
        if (e1 <= e0) e1 = e0 + 1;
        a.min = std::pow(10.0, e0);
        a.max = std::pow(10.0, e1);
    }
    const int e0 = static_cast<int>(std::ceil(std::log10(a.min) - 1e-12));
    const int e1 = static_cast<int>(std::floor(std::log10(a.max) + 1e-12));
    const int every = std::max(1, (e1 - e0 + kMaxDecadeTicks - 1) / kMaxDecadeTicks);
    for (int e = e0; e <= e1; e += every)
        a.ticks.push_back(std::pow(10.0, e));
    if (fixed) {
        if (a.ticks.empty() || a.ticks.front() > a.min) a.ticks.insert(a.ticks.begin(), a.min);
        if (a.ticks.back() < a.max) a.ticks.push_back(a.max);
    }
    for (double t : a.ticks)
        a.labels.push_back(generalNumberText(t));
    return a;
}

} // namespace

LinearMap::LinearMap(double v0, double v1, double d0, double d1) : m_v0(v0), m_v1(v1), m_d0(d0), m_d1(d1) {
    const double span = v1 - v0;
    m_factor = (span != 0.0 && std::isfinite(span)) ? (d1 - d0) / span : 0.0;
}

double LinearMap::toDevice(double value) const {
    if (m_factor == 0.0) return 0.5 * (m_d0 + m_d1);
    return m_d0 + (value - m_v0) * m_factor;
}

double LinearMap::toValue(double device) const {
    if (m_factor == 0.0) return 0.5 * (m_v0 + m_v1);
    return m_v0 + (device - m_d0) / m_factor;
}

LogMap::LogMap(double v0, double v1, double d0, double d1)
    : m_logV0(std::log10(v0 > 0.0 ? v0 : 1.0)), m_logV1(std::log10(v1 > 0.0 ? v1 : 10.0)),
      m_linear(m_logV0, m_logV1, d0, d1) {}

double LogMap::toDevice(double value) const {
    const double low = std::min(m_logV0, m_logV1);
    return m_linear.toDevice(value > 0.0 ? std::log10(value) : low);
}

double LogMap::toValue(double device) const {
    return std::pow(10.0, m_linear.toValue(device));
}

double niceStep(double range, int maxIntervals) {
    if (!(range > 0.0) || !std::isfinite(range)) return 1.0;
    const double raw = range / std::max(1, maxIntervals);
    const double e = std::floor(std::log10(raw));
    const double base = std::pow(10.0, e);
    const double f = raw / base;
    double nice;
    if (f <= 1.0 + 1e-9)
        nice = 1.0;
    else if (f <= 2.0 + 1e-9)
        nice = 2.0;
    else if (f <= 5.0 + 1e-9)
        nice = 5.0;
    else
        nice = 10.0;
    return nice * base;
}

AxisRequest axisRequest(const AxisSettings& settings, int targetIntervals) {
    AxisRequest r;
    r.mode = static_cast<AxisMode>(std::clamp(settings.scale, 0, 2));
    r.fixedMin = settings.min;
    r.fixedMax = settings.max;
    r.ticks = settings.ticks;
    r.targetIntervals = targetIntervals;
    return r;
}

AxisScale computeAxis(double dataMin, double dataMax, const AxisRequest& r) {
    if (r.logarithmic) return logAxis(dataMin, dataMax, r);

    const bool fromZero = r.mode == AxisMode::AutomaticFromZero;
    const int target = std::max(1, r.targetIntervals);
    AxisScale a;

    if (r.mode == AxisMode::Fixed && std::isfinite(r.fixedMin) && std::isfinite(r.fixedMax)) {
        double lo = std::min(r.fixedMin, r.fixedMax);
        double hi = std::max(r.fixedMin, r.fixedMax);
        widenDegenerate(lo, hi, false);
        a.min = lo;
        a.max = hi;
        if (r.ticks > 0 && r.ticks <= kMaxFixedTicks) {
            a.step = (hi - lo) / r.ticks;
            for (int i = 0; i < r.ticks; ++i)
                a.ticks.push_back(lo + i * a.step);
            a.ticks.push_back(hi);
        } else {
            a.step = niceStep(hi - lo, target);
            addNiceTicks(a, a.step);
        }
    } else {
        double lo = dataMin, hi = dataMax;
        if (!std::isfinite(lo) && !std::isfinite(hi)) {
            lo = 0.0;
            hi = 1.0;
        } else if (!std::isfinite(lo)) {
            lo = hi;
        } else if (!std::isfinite(hi)) {
            hi = lo;
        }
        if (lo > hi) std::swap(lo, hi);
        if (fromZero) {
            lo = std::min(lo, 0.0);
            hi = std::max(hi, 0.0);
        }
        widenDegenerate(lo, hi, fromZero);
        const double step = niceStep(hi - lo, target);
        double mn = std::floor(lo / step) * step;
        double mx = std::ceil(hi / step) * step;
        if (mn > lo) mn -= step;
        if (mx < hi) mx += step;
        a.min = mn;
        a.max = mx;
        a.step = step;
        addNiceTicks(a, step);
    }
    const bool evenFixed = r.mode == AxisMode::Fixed && r.ticks > 0 && r.ticks <= kMaxFixedTicks &&
                           std::isfinite(r.fixedMin) && std::isfinite(r.fixedMax);
    for (double t : a.ticks)
        a.labels.push_back(evenFixed ? fixedTickLabel(t, a.step) : tickLabel(t, a.step));
    return a;
}

std::string fixedTickLabel(double value, double step) {
    if (!std::isfinite(value)) return generalNumberText(value);
    if (!(std::isfinite(step) && step > 0.0)) return tickLabel(value, step);
    if (std::fabs(value) < step * 1e-9) value = 0.0;
    // Two significant digits of the step: enough to tell neighbouring ticks apart,
    // few enough to read ("10.075" rather than "10.0752198").
    int decimals = std::clamp(1 - static_cast<int>(std::floor(std::log10(step))), 0, 12);
    // A step of three significant digits keeps the third, so that no tick reads
    // other than it stands: 187.5 on a 62.5 step, not "188".
    const double shortScale = std::pow(10.0, decimals + 1);
    const bool exactAtTwo =
        std::fabs(std::round(step * shortScale / 10) / (shortScale / 10) - step) <= step * 1e-9;
    if (!exactAtTwo && std::fabs(std::round(step * shortScale) / shortScale - step) <= step * 1e-9)
        ++decimals;
    if (std::fabs(value) >= 1e15) return generalNumberText(value);
    // Rounded as every table rounds: a tick at 1.015 reads "1.02".
    std::string text = decimalsText(value, decimals);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1); // "-0.00"
    return text;
}

std::string tickLabel(double value, double step) {
    if (std::isfinite(step) && step > 0.0 && std::isfinite(value)) {
        if (std::fabs(value) < step * 1e-9) return generalNumberText(0.0);
        // The fewest decimals that give the tick's value to well within the step:
        // 12.25 on a 1.75 step keeps both decimals, 0.30000000000000004 becomes 0.3.
        const double tolerance = step * 1e-6;
        for (int dec = 0; dec <= 15; ++dec) {
            const double scale = std::pow(10.0, dec);
            if (std::fabs(value) * scale >= 1e15) break;
            const double rounded = std::round(value * scale) / scale;
            if (std::fabs(rounded - value) <= tolerance) {
                value = rounded;
                break;
            }
        }
    }
    return generalNumberText(value);
}

} // namespace zel
