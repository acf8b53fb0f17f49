// The 3-D view of the chart: projects points of the chart's box onto the plane from the
// rotation, perspective and elevation angles, with a depth for painter's ordering.
//
// Box coordinates run 0..1 on each axis: x across (categories, or the x values), y up (the
// values), z into the picture (series; z = 0 is the front face). Rotation turns the box
// about the vertical axis, elevation lifts the eye above the box (far points rise on
// screen), perspective 0 is a parallel projection and 100 the strongest perspective.
#pragma once

#include "components/chart/ChartModel.h"

namespace zel {

struct Projected {
    double x = 0.0; // projected, y up, centred on the box centre
    double y = 0.0;
    double depth = 0.0; // distance behind the box centre along the view; larger is farther
};

// Maps projected coordinates into a device rectangle (y down).
struct DeviceTransform {
    double scaleX = 1.0, scaleY = 1.0;
    double offsetX = 0.0, offsetY = 0.0;
    double x(const Projected& p) const { return offsetX + p.x * scaleX; }
    double y(const Projected& p) const { return offsetY - p.y * scaleY; }
};

class Projection3D {
  public:
    // boxWidth/Height/Depth give the box's proportions (the unit box is 1, 1, 1).
    explicit Projection3D(const ViewAngles& view, double boxWidth = 1.0, double boxHeight = 1.0,
                          double boxDepth = 1.0);

    Projected project(double x, double y, double z) const;

    // Bounds of the projected box corners.
    double minX() const { return m_minX; }
    double maxX() const { return m_maxX; }
    double minY() const { return m_minY; }
    double maxY() const { return m_maxY; }

    // The transform that fits the projected box into the rectangle; keepAspect scales both
    // directions alike and centres the picture.
    DeviceTransform fitTo(double left, double top, double width, double height, bool keepAspect) const;

    bool isParallel() const { return m_eye <= 0.0; }

  private:
    double m_w, m_h, m_d;
    double m_cosR, m_sinR, m_cosE, m_sinE;
    double m_eye = 0.0; // eye distance from the box centre; 0 for parallel
    double m_minX = 0.0, m_maxX = 0.0, m_minY = 0.0, m_maxY = 0.0;
};

} // namespace zel
