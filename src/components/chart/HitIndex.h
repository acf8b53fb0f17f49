// Hit testing of the chart's drawn points: a uniform grid over the device positions that
// finds the nearest point within a radius without visiting every point.
#pragma once

#include <optional>
#include <vector>

namespace zel {

struct HitPoint {
    double x = 0.0;
    double y = 0.0;
    int series = 0;
    int point = 0;
};

struct Hit {
    int series = 0;
    int point = 0;
    double distance = 0.0;
};

class HitIndex {
  public:
    // Builds the index; points with non-finite positions are left out. cellSize 0 picks a
    // size from the points' spread (about two points per cell).
    void build(std::vector<HitPoint> points, double cellSize = 0.0);
    void clear();
    std::size_t size() const { return m_points.size(); }

    // The nearest point within radius of (x, y). Of points at the same distance the one
    // added last wins, as it is drawn on top.
    std::optional<Hit> nearest(double x, double y, double radius) const;

  private:
    std::vector<HitPoint> m_points;       // sorted by cell
    std::vector<std::size_t> m_order;     // original insertion index of m_points[i]
    std::vector<std::size_t> m_cellStart; // m_cols * m_rows + 1 offsets into m_points
    double m_minX = 0.0, m_minY = 0.0, m_cell = 1.0;
    long m_cols = 0, m_rows = 0;
};

} // namespace zel
