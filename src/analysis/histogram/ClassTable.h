// The Class table of the histogram: K equal classes between a lower limit L and
// an upper limit U, their boundaries B(0..K) and the count of every series in
// every class, with the series' names, sizes and statistics that the frequency
// table and the histogram window show beside the counts.
//
// Boundaries are computed directly as L + k x (U - L) / K, never by adding the
// width K times, and a value that lies on a boundary (as exact decimal
// arithmetic places it) is counted in the class that starts there, even where
// binary floating point leaves it a hair below: every boundary is compared with
// a tolerance of a millionth of the class width.
#pragma once

#include "analysis/AnalysisSet.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// The range of the class count (the spin box "ｸﾗｽ") and its value on opening.
inline constexpr int kMinClasses = 2;
inline constexpr int kMaxClasses = 100;
inline constexpr int kInitialClasses = 10;

// A class count held in kMinClasses..kMaxClasses, as the spin box holds it.
int clampClassCount(int classes);

// The part of the class width below which a value still counts as lying on a
// boundary.
inline constexpr double kBoundaryTolerance = 1e-6;

// One series to count: its name and its values (not copied).
struct SeriesView {
    std::string_view name;
    std::span<const double> values;
};

// The limits the classes are built from: U, L and K.
struct ClassLimits {
    double upper = 0.0;
    double lower = 0.0;
    int classes = kInitialClasses;
};

struct ClassTable {
    int classes = 0; // K
    // B(0..K); bounds[K] is U (while counting the last class reaches up to U + 1).
    std::vector<double> bounds;
    // counts[s][k - 1]: values of series s (0-based) in class k (1-based).
    std::vector<std::vector<std::int64_t>> counts;
    std::vector<std::string> names;      // per series
    std::vector<std::int64_t> sizes;     // values per series, counted or not
    std::vector<SeriesStatistics> stats; // per series
    // values[s]: every value of series s as given, in sample order (the
    // process capability's moving ranges need the order).
    std::vector<std::vector<double>> values;

    int seriesCount() const { return static_cast<int>(counts.size()); }
    // C(k, s) with k = 1..K and s = 1..series count.
    std::int64_t count(int k, int s) const;
    // B(k - 1), B(k) and their middle for class k = 1..K, as the table shows them.
    double classLower(int k) const;
    double classUpper(int k) const;
    double classMid(int k) const;
};

// Counts every series into the classes of limits. K is clamped to 2..100.
// Class k (k < K) holds B(k-1) <= x < B(k), class K holds B(K-1) <= x < U + 1;
// with U = L every value from L up to L + 1 lands in class K. A value equal to
// U always lands in class K, even where U + 1 rounds to U. Values outside
// [L, U + 1) and values that are not finite are not counted. The statistics of
// each series come from seriesStatistics.
ClassTable buildClassTable(std::span<const SeriesView> series, const ClassLimits& limits);

// The same for the series of an Analysis set; its statistics are taken over.
ClassTable buildClassTable(const AnalysisSet& set, const ClassLimits& limits);

} // namespace zel
