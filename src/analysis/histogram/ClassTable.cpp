// Building the Class table: boundaries without drift and counting by direct
// index with a correction at the boundaries.
#include "analysis/histogram/ClassTable.h"

#include <algorithm>
#include <cassert>

namespace zel {

int clampClassCount(int classes) {
    return std::clamp(classes, kMinClasses, kMaxClasses);
}

std::int64_t ClassTable::count(int k, int s) const {
    assert(k >= 1 && k <= classes && s >= 1 && s <= seriesCount());
    return counts[static_cast<std::size_t>(s - 1)][static_cast<std::size_t>(k - 1)];
}

double ClassTable::classLower(int k) const {
    assert(k >= 1 && k <= classes);
    return bounds[static_cast<std::size_t>(k - 1)];
}

double ClassTable::classUpper(int k) const {
    assert(k >= 1 && k <= classes);
    return bounds[static_cast<std::size_t>(k)];
}

double ClassTable::classMid(int k) const {
    return (classLower(k) + classUpper(k)) / 2.0;
}

namespace {

// Finds the class of a value in O(1): the class the width points at, moved by
// a step where the value lies within the tolerance of a boundary.
class ClassLocator {
  public:
    ClassLocator(const std::vector<double>& bounds, double lower, double upper, int classes)
        : m_lower(lower), m_upper(upper), m_width((upper - lower) / classes), m_classes(classes),
          m_edges(static_cast<std::size_t>(classes)) {
        // A value from edge j - 1 up to (not including) edge j is in class j.
        const double tolerance = m_width > 0.0 ? m_width * kBoundaryTolerance : 0.0;
        for (int j = 0; j < classes; ++j)
            m_edges[static_cast<std::size_t>(j)] = bounds[static_cast<std::size_t>(j)] - tolerance;
    }

    // The class 1..K of x, or 0 when x is not counted.
    int classOf(double x) const {
        // While counting, the last class reaches up to U + 1. No class starts
        // there, so that end takes no tolerance; and U itself is always inside,
        // even where U + 1 rounds to U.
        if (!(x < m_upper + 1.0 || x <= m_upper)) return 0;
        const std::size_t last = static_cast<std::size_t>(m_classes) - 1;
        if (!(m_width > 0.0)) {
            // U = L (or U below L): every class but the last is empty.
            return x >= m_edges[last] ? m_classes : 0;
        }
        if (!(x >= m_edges[0])) return 0;
        const double t = (x - m_lower) / m_width;
        std::size_t j = 0;
        if (t >= static_cast<double>(m_classes))
            j = last;
        else if (t >= 1.0)
            j = static_cast<std::size_t>(t);
        while (j < last && x >= m_edges[j + 1])
            ++j;
        while (j > 0 && x < m_edges[j])
            --j;
        return static_cast<int>(j) + 1;
    }

  private:
    double m_lower;
    double m_upper;
    double m_width;
    int m_classes;
    std::vector<double> m_edges; // B(0..K-1) less the tolerance
};

ClassTable emptyTable(const ClassLimits& limits, std::size_t seriesCount) {
    ClassTable table;
    const int k = clampClassCount(limits.classes);
    table.classes = k;
    table.bounds.resize(static_cast<std::size_t>(k) + 1);
    const double span = limits.upper - limits.lower;
    table.bounds[0] = limits.lower;
    for (int j = 1; j < k; ++j)
        table.bounds[static_cast<std::size_t>(j)] = limits.lower + span * j / k;
    table.bounds[static_cast<std::size_t>(k)] = limits.upper;
    table.counts.assign(seriesCount, std::vector<std::int64_t>(static_cast<std::size_t>(k), 0));
    return table;
}

void countSeries(const ClassLocator& locator, std::span<const double> values,
                 std::vector<std::int64_t>& counts) {
    for (double x : values) {
        const int k = locator.classOf(x);
        if (k > 0) ++counts[static_cast<std::size_t>(k - 1)];
    }
}

} // namespace

ClassTable buildClassTable(std::span<const SeriesView> series, const ClassLimits& limits) {
    ClassTable table = emptyTable(limits, series.size());
    const ClassLocator locator(table.bounds, limits.lower, limits.upper, table.classes);
    for (std::size_t s = 0; s < series.size(); ++s) {
        countSeries(locator, series[s].values, table.counts[s]);
        table.names.emplace_back(series[s].name);
        table.sizes.push_back(static_cast<std::int64_t>(series[s].values.size()));
        table.values.emplace_back(series[s].values.begin(), series[s].values.end());
        table.stats.push_back(
            seriesStatistics(std::vector<double>(series[s].values.begin(), series[s].values.end())));
    }
    return table;
}

ClassTable buildClassTable(const AnalysisSet& set, const ClassLimits& limits) {
    ClassTable table = emptyTable(limits, set.values.size());
    const ClassLocator locator(table.bounds, limits.lower, limits.upper, table.classes);
    for (std::size_t s = 0; s < set.values.size(); ++s) {
        countSeries(locator, set.values[s], table.counts[s]);
        table.names.push_back(s < set.names.size() ? set.names[s] : std::string());
        table.sizes.push_back(static_cast<std::int64_t>(set.values[s].size()));
        table.values.push_back(set.values[s]);
        table.stats.push_back(s < set.stats.size() ? set.stats[s] : seriesStatistics(set.values[s]));
    }
    return table;
}

} // namespace zel
