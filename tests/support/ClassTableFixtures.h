// The class table the histogram tests count by hand. Classes [0,1) [1,2)
// [2,3) [3,4] over 0..4:
//   A = 0 1 1 2 3 3 3  -> 1 2 1 3, mean 13/7
//   B = 1 2 2 4        -> 0 1 2 1, mean 9/4
//   C = 0.5 3.5        -> 1 0 0 1, mean 2
#pragma once

#include "analysis/histogram/ClassTable.h"

#include <vector>

namespace fixtures {

inline const std::vector<double> kClassesA{0, 1, 1, 2, 3, 3, 3};
inline const std::vector<double> kClassesB{1, 2, 2, 4};
inline const std::vector<double> kClassesC{0.5, 3.5};

// The first `series` of A, B, C counted in the four classes over 0..4.
inline zel::ClassTable fourClassTable(int series) {
    std::vector<zel::SeriesView> views{{"A", kClassesA}, {"B", kClassesB}, {"C", kClassesC}};
    views.resize(static_cast<std::size_t>(series));
    return zel::buildClassTable(views, {4, 0, 4});
}

} // namespace fixtures
