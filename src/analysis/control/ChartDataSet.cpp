// The check that every computed number of the chart data set is finite.
#include "analysis/control/ChartDataSet.h"

#include <algorithm>
#include <cmath>

namespace zel {
namespace {

template <class Range> bool allFinite(const Range& values) {
    return std::all_of(std::begin(values), std::end(values), [](double v) { return std::isfinite(v); });
}

} // namespace

Status checkFiniteResults(const ChartDataSet& cds) {
    bool finite = allFinite(cds.mean) && allFinite(cds.low) && allFinite(cds.high) && allFinite(cds.range) &&
                  std::isfinite(cds.sumOfMeans) && std::isfinite(cds.sumOfRanges);
    for (const auto& row : cds.x)
        finite = finite && allFinite(row);
    for (const auto& row : cds.pTable)
        finite = finite && allFinite(row);
    for (const auto& row : cds.lines)
        finite = finite && allFinite(row);
    for (const auto& row : cds.loadedLines)
        finite = finite && allFinite(row);
    finite = finite && allFinite(cds.plottedP) && allFinite(cds.plottedD);
    return finite ? Status::ok() : Status::invalidArgument(kResultOutOfRange);
}

} // namespace zel
