// The chart's layout on a target: rectangles of the titles, the legend, the axes and the
// plot area, the value, right and numeric x axes with their ticks, the category slots and
// their labels (thinned or turned upright when crowded, so that no two overlap), the
// statistics lines and the control lines (from the series roles). Built from the model,
// the target size and the font metrics; drawing and hit testing use the same instance.
#pragma once

#include "components/chart/ChartModel.h"
#include "components/chart/ChartPainter.h"
#include "components/chart/ChartScale.h"
#include "components/chart/ChartStats.h"
#include "components/chart/SeriesStyle.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

class ChartLayout {
  public:
    enum class Family { Pie, Bar, Line, Scatter, Gantt, Stats, ThreeD };

    // A drawn category or tick label: its text, the box it covers on the target and
    // whether it is turned upright (read from bottom to top).
    struct Label {
        QString text;
        QRectF rect;
        bool upright = false;
    };

    // A name beside the plot's right edge: a control line's (CL, UCL, LCL) in its
    // line's colour, or on a control chart a statistics line's ("平均", "+σ", "−σ" ...)
    // in grey.
    struct EdgeName {
        QString text;
        QRectF rect;
        QColor colour;
    };

    // insets: the least distances of the plot from the target's sides (charts that
    // stand one above the other share them).
    ChartLayout(const zel::ChartModel& model, const QRectF& target, const QFont& font, double unit,
                bool monochrome, PlotInsets insets = {});

    static Family familyOf(const zel::ChartModel& model);
    static bool isCartesian(Family family);

    Family family() const { return m_family; }
    double unit() const { return m_unit; }
    bool monochrome() const { return m_mono; }
    const QFont& font() const { return m_font; }
    const QRectF& target() const { return m_target; }
    const QRectF& plot() const { return m_plot; }
    const QRectF& titleTopRect() const { return m_titleTop; }
    const QRectF& titleBottomRect() const { return m_titleBottom; }
    const QRectF& titleLeftRect() const { return m_titleLeft; }
    const QRectF& titleRightRect() const { return m_titleRight; }
    const QRectF& legendRect() const { return m_legend; }

    // Categories run down the left side (horizontal bars, Gantt).
    bool horizontal() const { return m_horizontal; }
    // The category direction carries numbers (scatter, line plots with x positions).
    bool numericX() const { return m_numericX; }
    bool hasRightAxis() const { return m_hasRight; }
    const zel::AxisScale& valueAxis() const { return m_value; }
    const zel::AxisScale& rightAxis() const { return m_right; }
    const zel::AxisScale& xAxis() const { return m_x; }

    // Device coordinate of a value along the value axis (y on upright charts).
    double valuePos(double v) const;
    double rightPos(double v) const;
    // Device coordinate along the category direction: slot centre of a point, a numeric x.
    double categoryPos(int point) const;
    double slotWidth() const { return m_slot; }
    // The category range the plot spans, in slot counts: 0.5 .. points + 0.5, wider
    // on an upright chart whose reference lines or curve reach beyond the categories.
    double firstAlong() const { return m_alongLo; }
    double lastAlong() const { return m_alongHi; }
    // The slot count at a device coordinate along the categories (alongAt's inverse).
    double slotAt(double device) const;
    double xPos(double x) const;
    // The target point of (position along the categories, position along the values).
    QPointF at(double along, double across) const {
        return m_horizontal ? QPointF(across, along) : QPointF(along, across);
    }
    // The along-the-categories position of a point of a series: its x position on a
    // numeric axis, else its slot centre.
    double alongOf(const zel::ChartModel& model, int series, int point) const;
    // The position along the categories of an x: a numeric axis's value, else a slot
    // count (the centre of point p's slot at p), as overlays, trend and reference
    // lines and curves give it.
    double alongAt(double x) const;

    const std::vector<Label>& categoryLabels() const { return m_catLabels; }
    const std::vector<Label>& valueLabels() const { return m_valueLabels; }
    const std::vector<zel::StatLine>& statLines() const { return m_statLines; }
    // The role of a series as drawn: its model role on line and time-series charts,
    // data on every other kind.
    zel::SeriesRole roleOf(int series) const;
    // The control line a series draws (centre line, control or specification limit),
    // from its role alone.
    std::optional<SeriesStyle::ControlLine> controlLine(int series) const;
    // CL, UCL and LCL are named beside the plot's right edge (upright charts without a
    // right axis), else just inside it.
    bool controlLabelsOutside() const;
    // True when some series draws as a control line.
    bool isControlChart() const;
    // The names of the control lines and of the statistics lines of a control chart,
    // where they are drawn; empty on other charts.
    const std::vector<EdgeName>& edgeNames() const { return m_edgeNames; }
    // The value a control line has at its right end (limits may vary from lot to lot).
    double controlValueAtEnd(const zel::ChartModel& model, int series) const;

    void paintBackground(QPainter& p) const;
    void paintTitles(QPainter& p, const zel::ChartModel& model) const;
    void paintLegend(QPainter& p, const zel::ChartModel& model) const;
    void paintGrid(QPainter& p, const zel::ChartModel& model) const;
    // The plot's frame (under the data, so that lines on the axis ends stay visible),
    // then the ticks and their labels.
    void paintFrame(QPainter& p) const;
    void paintAxes(QPainter& p) const;
    // The series whose colour, marker and dashes a series takes: control lines step
    // aside, so the data of a control chart draws as the first series.
    int lookOf(int series) const;
    // The series whose x positions a series is drawn at (itself, or series 1 for a line
    // series without x positions of its own).
    int xSeriesOf(int series) const;
    void paintStatLines(QPainter& p) const;
    void paintControlLabels(QPainter& p) const;

  private:
    void computeValueExtent(const zel::ChartModel& model, double& lo, double& hi, bool& valid) const;
    zel::AxisScale makeValueAxis(const zel::ChartModel& model, double length) const;
    void layoutCategoryLabels(const zel::ChartModel& model, double length, double& depth);
    void categoryRange(const zel::ChartModel& model);
    void placeCategoryLabels();
    void readRoles(const zel::ChartModel& model);
    QString labelOf(const zel::ChartModel& model, int point) const;
    // A name waiting for its place: the level it names and its order among names at
    // the same level (top to bottom: UCL, +3σ, +2σ, +σ, CL, 平均, −σ, −2σ, −3σ, LCL).
    struct PendingName {
        QString text;
        QColor colour;
        int rank = 0;
        bool below = false;   // inside the plot: under its line (LCL, −σ)
        bool control = false; // a control line, named even when its end lies beyond the axis
        double value = 0;     // the level: a control line's at its right end
    };
    std::vector<PendingName> pendingEdgeNames(const zel::ChartModel& model) const;
    void placeEdgeNames(const std::vector<PendingName>& names);

    Family m_family = Family::Bar;
    QRectF m_target, m_plot, m_titleTop, m_titleBottom, m_titleLeft, m_titleRight, m_legend;
    QFont m_font, m_titleFont;
    double m_unit = 1.0;
    bool m_mono = false;
    bool m_horizontal = false;
    bool m_numericX = false;
    bool m_hasRight = false;
    bool m_filledSwatch = false;
    int m_points = 1;
    double m_slot = 1.0;
    double m_alongLo = 0.5, m_alongHi = 1.5; // the category range, see firstAlong()
    zel::AxisScale m_value, m_right, m_x;
    double m_extentLo = 0, m_extentHi = 1; // the data's value range (with lines, overlay)
    bool m_extentValid = false;
    std::vector<zel::StatLine> m_statLines;
    std::vector<Label> m_catLabels, m_valueLabels;
    std::vector<int> m_legendSeries;
    std::vector<zel::SeriesRole> m_roles; // index series - 1
    std::vector<int> m_xSeries;           // index series - 1
    std::vector<int> m_look;              // index series - 1
    std::vector<EdgeName> m_edgeNames;

    // category label plan: every m_labelStep-th point, upright or not
    int m_labelStep = 1;
    bool m_labelsUpright = false;
    double m_labelExtent = 0; // widest label (upright: its length)
    std::vector<std::pair<int, QString>> m_planned;
};
