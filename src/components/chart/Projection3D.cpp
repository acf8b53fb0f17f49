// The 3-D view of the chart: rotation about the vertical axis, elevation about the
// horizontal screen axis, then a central projection (or a parallel one).
#include "components/chart/Projection3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zel {

Projection3D::Projection3D(const ViewAngles& view, double boxWidth, double boxHeight, double boxDepth)
    : m_w(boxWidth > 0.0 ? boxWidth : 1.0), m_h(boxHeight > 0.0 ? boxHeight : 1.0),
      m_d(boxDepth > 0.0 ? boxDepth : 1.0) {
    const double deg = std::numbers::pi / 180.0;
    const double r = std::clamp(view.rotation, -90, 90) * deg;
    const double e = std::clamp(view.elevation, -30, 60) * deg;
    m_cosR = std::cos(r);
    m_sinR = std::sin(r);
    m_cosE = std::cos(e);
    m_sinE = std::sin(e);
    const int p = std::clamp(view.perspective, 0, 100);
    // The eye stands 1.5 box diagonals away at the strongest perspective and recedes as
    // the perspective weakens; 0 is parallel.
    const double diag = std::sqrt(m_w * m_w + m_h * m_h + m_d * m_d);
    m_eye = p == 0 ? 0.0 : diag * (0.9 + 60.0 / p);

    bool first = true;
    for (int i = 0; i < 8; ++i) {
        const Projected c = project(i & 1, (i >> 1) & 1, (i >> 2) & 1);
        if (first) {
            m_minX = m_maxX = c.x;
            m_minY = m_maxY = c.y;
            first = false;
        }
        m_minX = std::min(m_minX, c.x);
        m_maxX = std::max(m_maxX, c.x);
        m_minY = std::min(m_minY, c.y);
        m_maxY = std::max(m_maxY, c.y);
    }
}

Projected Projection3D::project(double x, double y, double z) const {
    const double wx = (x - 0.5) * m_w;
    const double wy = (y - 0.5) * m_h;
    const double wz = (z - 0.5) * m_d;
    // Turn about the vertical axis.
    const double rx = wx * m_cosR + wz * m_sinR;
    const double rz = -wx * m_sinR + wz * m_cosR;
    // Lift the eye: far points rise.
    const double ey = wy * m_cosE + rz * m_sinE;
    const double ez = -wy * m_sinE + rz * m_cosE;
    Projected out{rx, ey, ez};
    if (m_eye > 0.0) {
        const double dist = std::max(m_eye + ez, m_eye * 1e-3);
        const double s = m_eye / dist;
        out.x *= s;
        out.y *= s;
    }
    return out;
}

DeviceTransform Projection3D::fitTo(double left, double top, double width, double height,
                                    bool keepAspect) const {
    DeviceTransform t;
    const double spanX = m_maxX - m_minX;
    const double spanY = m_maxY - m_minY;
    t.scaleX = spanX > 1e-12 ? width / spanX : 1.0;
    t.scaleY = spanY > 1e-12 ? height / spanY : 1.0;
    if (keepAspect) t.scaleX = t.scaleY = std::min(t.scaleX, t.scaleY);
    // Centre the box's projected bounds in the rectangle.
    t.offsetX = left + 0.5 * width - 0.5 * (m_minX + m_maxX) * t.scaleX;
    t.offsetY = top + 0.5 * height + 0.5 * (m_minY + m_maxY) * t.scaleY;
    return t;
}

} // namespace zel
