// Per-series statistics of the chart data and the statistics lines that StatLines asks
// for: mean, maximum and minimum, +-1/2/3 standard deviations and the least-squares trend.
// Placeholder points (PointExtra 1) and non-finite values are left out.
#pragma once

#include "components/chart/ChartModel.h"

#include <vector>

namespace zel {

struct SeriesStats {
    int count = 0;
    double mean = 0.0;
    double max = 0.0;
    double min = 0.0;
    double stdDev = 0.0; // divisor n - 1; 0 with fewer than 2 values
};

SeriesStats seriesStats(const ChartModel& model, int series);

// The x of a point as the statistics see it: PointXPos when x positions were written,
// else the point number.
double statX(const ChartModel& model, int series, int point);

enum class StatLineKind { Mean, Max, Min, Sigma, Trend };

struct StatLine {
    StatLineKind kind = StatLineKind::Mean;
    int series = 1;
    int sigmas = 0;     // Sigma lines: -3..-1 and 1..3
    double value = 0.0; // the level of a horizontal line
    double slope = 0.0; // Trend: y = intercept + slope * x, drawn from x0 to x1
    double intercept = 0.0;
    double x0 = 0.0, x1 = 0.0;
    double valueAt(double x) const { return kind == StatLineKind::Trend ? intercept + slope * x : value; }
};

// The lines of model.statLines() for every series. A series without values has none;
// sigma lines are left out where the deviation is 0 (they would sit on the mean), trend
// lines where x has no spread.
std::vector<StatLine> statisticsLines(const ChartModel& model);

struct ValueExtent {
    bool valid = false;
    double min = 0.0;
    double max = 0.0;
};

// The range of the plotted values of every series together with the given lines (trend
// lines at both ends), for automatic axes.
ValueExtent valueExtent(const ChartModel& model, const std::vector<StatLine>& lines);

} // namespace zel
