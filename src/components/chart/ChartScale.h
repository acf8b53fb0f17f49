// Scale maths of the chart: linear and logarithmic value <-> device maps, nice tick steps
// (1, 2, 5 x 10^n), axis ranges (automatic, from zero, fixed) and tick label texts.
#pragma once

#include <string>
#include <vector>

namespace zel {

// Maps the value range [v0, v1] onto the device range [d0, d1] (either may run backwards,
// as a Y axis does on screen). A degenerate value range maps everything to the middle.
class LinearMap {
  public:
    LinearMap() = default;
    LinearMap(double v0, double v1, double d0, double d1);
    double toDevice(double value) const;
    double toValue(double device) const;

  private:
    double m_v0 = 0.0, m_v1 = 1.0, m_d0 = 0.0, m_d1 = 1.0;
    double m_factor = 1.0; // device units per value unit; 0 for a degenerate range
};

// Logarithmic map of [v0, v1] (both > 0) onto [d0, d1]. Values of 0 or less sit at the
// low end of the axis rather than producing infinities.
class LogMap {
  public:
    LogMap(double v0, double v1, double d0, double d1);
    double toDevice(double value) const;
    double toValue(double device) const;

  private:
    double m_logV0, m_logV1;
    LinearMap m_linear;
};

// The smallest step of the form 1, 2 or 5 x 10^n that divides range into at most
// maxIntervals intervals (maxIntervals below 1 counts as 1). 1 for a range of 0 or less.
double niceStep(double range, int maxIntervals);

enum class AxisMode { Automatic = 0, AutomaticFromZero = 1, Fixed = 2 };

struct AxisRequest {
    AxisMode mode = AxisMode::Automatic;
    double fixedMin = 0.0;
    double fixedMax = 0.0;
    int ticks = 0; // intervals on a fixed axis (0: nice steps)
    bool logarithmic = false;
    int targetIntervals = 5; // for automatic axes
};

struct AxisScale {
    double min = 0.0;
    double max = 1.0;
    double step = 0.2; // 0 on a logarithmic axis
    bool logarithmic = false;
    std::vector<double> ticks;       // values of the tick marks, ascending
    std::vector<std::string> labels; // one text per tick
};

struct AxisSettings; // components/chart/ChartModel.h

// What an axis's settings on the chart ask for: the scale code as the mode
// (codes outside 0..2 held to the nearest), the fixed ends and intervals, and
// targetIntervals for an automatic axis. Neither logarithmic nor held.
AxisRequest axisRequest(const AxisSettings& settings, int targetIntervals);

// The axis for data spanning [dataMin, dataMax] (take statistics lines in before the
// call). Automatic axes round outward to the step; fixed axes keep their ends exactly and
// honour the requested interval count. Degenerate, reversed and non-finite inputs give a
// usable axis.
AxisScale computeAxis(double dataMin, double dataMax, const AxisRequest& request);

// The text of a tick value, with the rounding noise of the step removed.
std::string tickLabel(double value, double step);
// The text of a tick on a fixed axis divided evenly, whose step is rarely round:
// the same number of decimals on every tick, two significant digits of the step.
std::string fixedTickLabel(double value, double step);

} // namespace zel
