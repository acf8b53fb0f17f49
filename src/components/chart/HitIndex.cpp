// Uniform-grid hit index: points bucketed by cell (counting sort), queries visit only the
// cells the search circle touches.
#include "components/chart/HitIndex.h"

#include <algorithm>
#include <cmath>

namespace zel {

namespace {
constexpr long kMaxCellsPerSide = 4096;
}

void HitIndex::clear() {
    m_points.clear();
    m_order.clear();
    m_cellStart.clear();
    m_cols = m_rows = 0;
}

void HitIndex::build(std::vector<HitPoint> points, double cellSize) {
    clear();
    std::vector<HitPoint> pts;
    std::vector<std::size_t> order;
    pts.reserve(points.size());
    order.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::isfinite(points[i].x) && std::isfinite(points[i].y)) {
            pts.push_back(points[i]);
            order.push_back(i);
        }
    }
    if (pts.empty()) return;

    double minX = pts[0].x, maxX = pts[0].x, minY = pts[0].y, maxY = pts[0].y;
    for (const HitPoint& p : pts) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const double w = maxX - minX, h = maxY - minY;
    if (!(cellSize > 0.0) || !std::isfinite(cellSize)) {
        const double area = std::max(w, 1.0) * std::max(h, 1.0);
        cellSize = std::sqrt(2.0 * area / static_cast<double>(pts.size()));
    }
    // Every point must fall in its true cell (queries rely on it), so the grid is never
    // cut short: the cell grows instead.
    cellSize = std::max({cellSize, w / (kMaxCellsPerSide - 2), h / (kMaxCellsPerSide - 2), 1e-9});
    m_minX = minX;
    m_minY = minY;
    m_cell = cellSize;
    // Keep the grid in proportion to the points, whatever cell size was asked for.
    const double maxCells = std::max(1024.0, 4.0 * static_cast<double>(pts.size()));
    while ((std::floor(w / cellSize) + 1) * (std::floor(h / cellSize) + 1) > maxCells)
        cellSize *= 2.0;
    m_cols = std::min(kMaxCellsPerSide, static_cast<long>(w / cellSize) + 1);
    m_rows = std::min(kMaxCellsPerSide, static_cast<long>(h / cellSize) + 1);

    auto cellOf = [this](const HitPoint& p) {
        const long cx = std::clamp(static_cast<long>((p.x - m_minX) / m_cell), 0L, m_cols - 1);
        const long cy = std::clamp(static_cast<long>((p.y - m_minY) / m_cell), 0L, m_rows - 1);
        return static_cast<std::size_t>(cy * m_cols + cx);
    };
    const std::size_t cells = static_cast<std::size_t>(m_cols * m_rows);
    m_cellStart.assign(cells + 1, 0);
    for (const HitPoint& p : pts)
        ++m_cellStart[cellOf(p) + 1];
    for (std::size_t c = 0; c < cells; ++c)
        m_cellStart[c + 1] += m_cellStart[c];
    std::vector<std::size_t> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    m_points.resize(pts.size());
    m_order.resize(pts.size());
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const std::size_t at = fill[cellOf(pts[i])]++;
        m_points[at] = pts[i];
        m_order[at] = order[i];
    }
}

std::optional<Hit> HitIndex::nearest(double x, double y, double radius) const {
    if (m_points.empty() || !(radius >= 0.0) || !std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    const double fx0 = std::floor((x - radius - m_minX) / m_cell);
    const double fx1 = std::floor((x + radius - m_minX) / m_cell);
    const double fy0 = std::floor((y - radius - m_minY) / m_cell);
    const double fy1 = std::floor((y + radius - m_minY) / m_cell);
    if (fx1 < 0 || fy1 < 0 || fx0 >= static_cast<double>(m_cols) || fy0 >= static_cast<double>(m_rows))
        return std::nullopt;
    const long cx0 = static_cast<long>(std::max(fx0, 0.0));
    const long cx1 = static_cast<long>(std::min(fx1, static_cast<double>(m_cols - 1)));
    const long cy0 = static_cast<long>(std::max(fy0, 0.0));
    const long cy1 = static_cast<long>(std::min(fy1, static_cast<double>(m_rows - 1)));

    const double r2 = radius * radius;
    double best = 0.0;
    std::size_t bestAt = 0;
    bool found = false;
    for (long cy = cy0; cy <= cy1; ++cy) {
        for (long cx = cx0; cx <= cx1; ++cx) {
            const std::size_t c = static_cast<std::size_t>(cy * m_cols + cx);
            for (std::size_t i = m_cellStart[c]; i < m_cellStart[c + 1]; ++i) {
                const double dx = m_points[i].x - x, dy = m_points[i].y - y;
                const double d2 = dx * dx + dy * dy;
                if (d2 > r2) continue;
                if (!found || d2 < best || (d2 == best && m_order[i] > m_order[bestAt])) {
                    best = d2;
                    bestAt = i;
                    found = true;
                }
            }
        }
    }
    if (!found) return std::nullopt;
    return Hit{m_points[bestAt].series, m_points[bestAt].point, std::sqrt(best)};
}

} // namespace zel
