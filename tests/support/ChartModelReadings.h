// What a filled chart model holds, point by point: a series' values, the point
// labels and the classification marks. Pure C++ over zelcore, for the fill
// tests and the window tests alike.
#pragma once

#include "components/chart/ChartModel.h"

#include <string>
#include <vector>

namespace fixtures {

inline std::vector<double> seriesValues(const zel::ChartModel& m, int series) {
    std::vector<double> out;
    for (int p = 1; p <= m.pointCount(); ++p)
        out.push_back(m.value(series, p));
    return out;
}

inline std::vector<std::string> pointLabels(const zel::ChartModel& m) {
    std::vector<std::string> out;
    for (int p = 1; p <= m.pointCount(); ++p)
        out.push_back(m.pointLabelAt(p));
    return out;
}

inline std::vector<int> patterns(const zel::ChartModel& m) {
    std::vector<int> out;
    for (int p = 1; p <= m.pointCount(); ++p)
        out.push_back(m.patternAt(p));
    return out;
}

} // namespace fixtures
