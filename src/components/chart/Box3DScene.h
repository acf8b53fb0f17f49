// The box of the 3-D chart kinds (3-D bar, 3-D area, 3-D scatter): the projection of box
// coordinates (0..1 on each axis) into the plot area, the three axes with their ticks and
// texts, the back walls and floor with grid lines, and shaded cuboids and faces drawn
// with painter's ordering. The painters place their data in box coordinates and let the
// scene do the drawing.
#pragma once

#include "components/chart/ChartPainter.h"
#include "components/chart/ChartScale.h"
#include "components/chart/Projection3D.h"

#include <QBrush>
#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <vector>

class QPainter;

// One axis of the box: tick positions in box coordinates (0..1) with their texts.
struct Box3DAxis {
    std::vector<double> positions;
    std::vector<QString> texts;
    bool gridLines = true; // grid lines at the ticks on the walls when the model asks for them
    // Named rows (the series along the depth): every row keeps its name, a text
    // that would crowd another one is lifted above it instead of being left out.
    bool namedRows = false;

    // A numeric axis from a computed scale.
    static Box3DAxis numeric(const zel::AxisScale& scale);
    // Categories 1..count centred in equal slots; labels are thinned out to at most maxLabels.
    static Box3DAxis categories(const std::vector<QString>& labels, int maxLabels);
    // The series one behind the other along the depth, each with its name.
    static Box3DAxis seriesRows(const std::vector<QString>& names);
    // Maps a value of a numeric scale into 0..1 (clamped).
    static double toBox(const zel::AxisScale& scale, double value);
};

// How a face is filled: a colour or grey, optionally with hatching drawn over it.
struct Box3DFill {
    QColor colour;
    QBrush hatch; // Qt::NoBrush for none
    bool marked = false;
};

// Texts of the categories (point labels, else the point numbers) and of the series (legend
// texts, else the series numbers; none for a lone series without a legend text).
std::vector<QString> box3DCategoryLabels(const zel::ChartModel& model);
std::vector<QString> box3DSeriesLabels(const zel::ChartModel& model);
// The intervals an automatic axis of the box aims at.
constexpr int kBoxAxisIntervals = 5;
// The value axis over [lo, hi] as the model's Y axis settings ask (left axis).
zel::AxisScale box3DValueScale(const zel::ChartModel& model, double lo, double hi);

class Box3DScene {
  public:
    // The box's proportions (width, height, depth) and the three axes. The axes' texts are
    // measured to reserve room around the box inside the plot area.
    Box3DScene(const zel::ChartModel& model, const ChartFrame& frame, double boxWidth, double boxHeight,
               double boxDepth, Box3DAxis xAxis, Box3DAxis yAxis, Box3DAxis zAxis);

    QPointF toDevice(double x, double y, double z) const { return device(m_projection.project(x, y, z)); }
    double depth(double x, double y, double z) const { return m_projection.project(x, y, z).depth; }
    QPointF device(const zel::Projected& p) const { return QPointF(m_transform.x(p), m_transform.y(p)); }
    const zel::Projection3D& projection() const { return m_projection; }
    const ChartFrame& frame() const { return m_frame; }
    bool monochrome() const { return m_frame.monochrome; }

    // The walls behind the data and the floor, with grid lines from the model's GridLines.
    void drawWalls(QPainter& p) const;
    // One tick text as drawn: the tick's index on its axis, the text and its box.
    struct AxisText {
        std::size_t tick = 0;
        QString text;
        QRectF rect;
        Qt::Alignment align;
    };
    // The tick texts of an axis (0 categories or x, 1 values, 2 depth) that are drawn: a
    // text whose box would overlap one already kept is left out, so that an axis seen
    // nearly edge-on does not pile its texts on each other.
    std::vector<AxisText> axisTexts(int axis) const;
    // The axis texts along the box's outer edges.
    void drawAxisTexts(QPainter& p) const;

    // A shaded cuboid; only the faces turned towards the eye are drawn.
    void drawCuboid(QPainter& p, double x0, double x1, double y0, double y1, double z0, double z1,
                    const Box3DFill& fill) const;
    // A flat face in box coordinates, shaded by the way it faces the light.
    void drawFace(QPainter& p, const std::vector<zel::Projected>& corners, const Box3DFill& fill,
                  double shade) const;

    // The fill of a series (colour) or of the series' grey and hatching (monochrome).
    Box3DFill seriesFill(int series, bool marked = false) const;
    // Twice the signed area of the projected polygon (y up): > 0 when a face whose corners
    // run as the box's faces do is turned towards the eye.
    static double signedArea(const std::vector<zel::Projected>& corners);

  private:
    void fitBox();
    // The device point of a tick on the edge that carries the axis's texts.
    QPointF tickPoint(int axis, double position) const;
    QPolygonF polygon(const std::vector<zel::Projected>& corners) const;

    const zel::ChartModel& m_model;
    ChartFrame m_frame;
    zel::Projection3D m_projection;
    zel::DeviceTransform m_transform;
    Box3DAxis m_axes[3];
};
