// The chart component's property set: series data with the fill rule, chart kind and
// style, axes, overlay, titles, grid lines, 3-D view angles, colours and the requested
// actions. Pure data; the renderer and the chart widget read it, the widget performs
// the actions it records.
//
// Property table (codes as the analyses use them; codes marked * are this component's own
// choice):
//
// | Property            | Values                                                                    |
// |---------------------|---------------------------------------------------------------------------|
// | SeriesCount         | 1..32767 (series count x point count at most kMaxCells)                  |
// | PointCount          | 1..32767                                                                  |
// | CurrentSeries/Point | 1-based cursor; writing PointValue advances it (fill rule below)          |
// | PointValue          | real at the cursor; written after the last point of a series it lands on  |
// |                     | point 1 of the next series; after the last point of the last series a     |
// |                     | further value is refused (nothing is overwritten)                         |
// | PointXPos/PointZPos | real at the cursor: x (scatter 9, 3-D scatter 21, line plots with x), z   |
// | PointLabel          | category label of the current point (same array as PointLabelAt)         |
// | PointText           | text drawn at the point of the current series (pie slice texts)           |
// | PointExtra*         | 0 normal, 1 no reading of its own: drawn at its value and joined like the |
// |                     | others, but its category label stays empty and the statistics lines leave |
// |                     | it out (the first moving range of the X-Rs chart, 0 by definition)        |
// | PointPattern        | per point: 0 plain, 4 marked (classification data)                        |
// | PointSignal*        | text at the point of the current series that flags it as a signal (the    |
// |                     | rule numbers, "1,5"); empty unflags it. Line kinds draw a flagged point   |
// |                     | in the signal colour (a filled diamond in monochrome) with the text       |
// |                     | beside it. Flags belong to the drawing: the redraw reset and ClearArray   |
// |                     | 25 clear them, ClearArray 1 (values only) leaves them, a smaller shape    |
// |                     | drops those outside it                                                    |
// | PointLabelAt(i)     | category label of point i                                                 |
// | LegendAt(s)         | legend text of series s                                                   |
// | SeriesRole(s)*      | what series s is: data (the default), centre line, upper/lower control    |
// |                     | limit, upper/lower specification limit, statistics line. Line charts      |
// |                     | style and name a series by its role alone, never by the shape of its      |
// |                     | values. Roles belong to the drawing: the redraw reset and ClearArray 24   |
// |                     | set every series back to data, series removed by SeriesCount lose theirs, |
// |                     | ClearArray 1 (values only) leaves them                                    |
// | PointSeparatedAt(i) | 1 pulls slice/bar i out, 0 puts it back                                   |
// | ClearArray          | 1 values, 2* x positions, 3* point patterns, 4 point labels, 5 legends,   |
// |                     | 6* separations, 7* z positions, 8* point texts, 9* point extras,          |
// |                     | 23* overlay values and x positions, 24* series roles (all back to data),  |
// |                     | 25* signal flags, 26* reference lines, 27* curve points                   |
// | ReferenceLine*      | addReferenceLine(x, text): a labelled vertical line at x across the plot  |
// |                     | of an upright bar or line chart (the specification limits on a            |
// |                     | histogram). x counts along the x direction: on a numeric x axis in its    |
// |                     | own values, on a category axis in slots, point p's slot spanning          |
// |                     | p - 0.5 .. p + 0.5 (classAxisPosition maps a value through the class      |
// |                     | boundaries of a histogram's bars). Lines off the axis are not drawn       |
// | CurvePoint*         | addCurvePoint(x, y): a smooth curve through the points, over the data,    |
// |                     | y on the left axis, x as for reference lines (a fitted density over a     |
// |                     | histogram). CurveShown 1 draws it, 0 hides it and keeps its points        |
// |                     | Reference lines and curve points belong to the drawing: the redraw reset  |
// |                     | clears them (and ClearArray 26 / 27); CurveShown stays as set             |
// | ChartType           | 1 pie, 2 3-D pie, 3 bar, 4 3-D bar, 5 Gantt, 6 line, 7 logarithmic,       |
// |                     | 8 area, 9 scatter, 13 band, 14 3-D area, 17 statistics by variable,       |
// |                     | 21 3-D scatter, 22 time series                                            |
// | ChartStyle          | pie 0 plain, 4 labelled slices; bar 0 vertical, 1 horizontal, 2 stacked,  |
// |                     | 3 stacked horizontal, 6 series along z, 7 series along z horizontal;      |
// |                     | line 1 lines only, 3 symbols only (residuals, bar-mean kind), 5 lines     |
// |                     | with symbols; area/3-D area 0 stacked, 1 overlapping; band 0; scatter     |
// |                     | 0 markers, 3 markers with fitted curve; 17 style 2 box figure of seven   |
// |                     | sets; 21 style 0 markers, 1 with drop lines, 2 joined by lines;           |
// |                     | Gantt 0 plain bars, 1 bars with gaps                                      |
// | BarGap*             | -1 automatic (single bars fill 62% of their category, groups 80%);       |
// |                     | 0..90 percent of each category left empty between neighbouring bars; 0   |
// |                     | lets the bars of a histogram touch. The redraw reset sets -1 again       |
// | StatLines           | sum of 1 mean, 2 maximum and minimum, 4 +-1/2/3 standard deviations,      |
// |                     | 8 least-squares trend line; per series                                   |
// | FitDegree           | 1..kMaxFitDegree; polynomial of scatter style 3                           |
// | FitParameter1*      | 12: the curve spans the data's x range; 0: the whole x axis               |
// | FitParameter2*      | curve segments in tens (12 -> 120 segments); below 1 counts as 12         |
// | YAxisSelect         | 0 left, 1 right axis: YAxisScale/Max/Min/Ticks address the selected axis  |
// | YAxisScale          | 0 automatic, 1* automatic including zero, 2 fixed                        |
// | YAxisMax/Min/Ticks  | fixed range; ticks = number of intervals (0: chosen automatically)        |
// | XAxisScale/Max/Min/ | as the Y axis, for charts with numeric x (scatter, bar-mean kinds)        |
// | XAxisTicks          |                                                                           |
// | OverlayMode         | 0 off, 1* overlay on the left axis placed by OverlayXPos (histogram mean |
// |                     | markers), 2* overlay on the right axis at the categories (Pareto line)    |
// | OverlayValue/XPos   | per point of the overlay (unset points are not drawn)                     |
// | Overlay options*    | set in order 1..5: 1 base (0 axis minimum), 2 kind (3 sticks, 5 line with |
// |                     | symbols), 3 colour index, 4 symbol (5 triangle, 13 filled circle), 5      |
// |                     | symbol size in pixels. Histogram: 0,3,1,5,12; Pareto: 0,5,3,13,12         |
// | TitleTop/Bottom/    | texts; TitleLeftStyle/TitleRightStyle 0 horizontal, 1 vertical            |
// | Left/Right          |                                                                           |
// | GridLines           | 0 none, 1 horizontal, 2 vertical, 3 both                                  |
// | GridLineStyle       | 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot                  |
// | Rotation3D          | -90..90 degrees (default 15)                                              |
// | Perspective3D       | 0..100 (0 parallel; default 30)                                           |
// | Elevation3D         | -30..60 degrees (default 0)                                               |
// | ScreenColor         | 1 colour, 0 monochrome on screen and in copies                           |
// | PrintColor          | 1 colour, 0 monochrome when printing                                     |
// | HitReporting        | 1 clicks are reported as HotHit(series, point)                           |
// | HitKind*            | pointer action of the last report: 1 left press, 2 double click,          |
// |                     | 3 right press (the data-separation pop-up)                                |
// | ResetSwitchOne*     | 1 keeps the automatic value-axis range held by the last draw made with 0 |
// |                     | (new values then draw against the same axis); the reset sets 0           |
// | ResetSwitchTwo*     | 1 every repaint renders afresh; 0 repaints between draws reuse the       |
// |                     | picture of the last draw (Action 2 always renders); the reset sets 1     |
// | Action              | 2 draw, 3 prepare a copy, 4 copy the prepared picture to the clipboard,   |
// |                     | 5 print, 8 commit the current point label to the time axis (type 22)     |
#pragma once

#include "components/chart/ViewAngles.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zel {

enum class ChartType {
    Pie = 1,
    Pie3D = 2,
    Bar = 3,
    Bar3D = 4,
    Gantt = 5,
    Line = 6,
    Logarithmic = 7,
    Area = 8,
    Scatter = 9,
    Band = 13,
    Area3D = 14,
    StatsByVariable = 17,
    Scatter3D = 21,
    TimeSeries = 22,
};

// True for the codes listed in ChartType.
bool isChartTypeCode(int code);
// The 3-D kinds: 3-D pie, 3-D bar, 3-D area, 3-D scatter.
bool isThreeDimensional(ChartType type);

// Bits of StatLines.
namespace statlines {
constexpr int kMean = 1;
constexpr int kMaxMin = 2;
constexpr int kSigma = 4;
constexpr int kTrend = 8;
constexpr int kAll = 15;
} // namespace statlines

// Codes of PointExtra.
namespace pointextras {
constexpr int kNormal = 0;
constexpr int kNoReading = 1; // drawn and joined, unlabelled, left out of the statistics lines
} // namespace pointextras

// Codes of GridLines (bits: 1 horizontal, 2 vertical).
namespace gridlines {
constexpr int kNone = 0;
constexpr int kHorizontal = 1;
constexpr int kVertical = 2;
constexpr int kBoth = 3;
} // namespace gridlines

// Codes of GridLineStyle.
namespace gridlinestyles {
constexpr int kSolid = 0;
constexpr int kDashed = 1;
constexpr int kDotted = 2;
constexpr int kDashDot = 3;
constexpr int kDashDotDot = 4;
} // namespace gridlinestyles

// Codes of YAxisScale and XAxisScale.
namespace axisscales {
constexpr int kAutomatic = 0;
constexpr int kAutomaticWithZero = 1;
constexpr int kFixed = 2;
} // namespace axisscales

// Codes of OverlayMode.
namespace overlaymodes {
constexpr int kOff = 0;
constexpr int kLeftAxis = 1;  // placed by OverlayXPos (histogram mean markers)
constexpr int kRightAxis = 2; // at the categories (the Pareto line)
} // namespace overlaymodes

// Codes of ChartStyle, by chart type.
namespace chartstyles {
constexpr int kPiePlain = 0;
constexpr int kPieLabelled = 4;
constexpr int kBarVertical = 0;
constexpr int kBarHorizontal = 1;
constexpr int kBarStacked = 2;
constexpr int kBarStackedHorizontal = 3;
constexpr int kBarAlongZ = 6;           // 3-D bar: series one behind the other
constexpr int kBarAlongZHorizontal = 7; // 3-D bar
constexpr int kLineOnly = 1;
constexpr int kLineSticks = 3; // each value a symbol on a stick from the base, not joined
constexpr int kLineWithSymbols = 5;
constexpr int kAreaStacked = 0;
constexpr int kAreaOverlapping = 1;
constexpr int kBand = 0;
constexpr int kScatterMarkers = 0;
constexpr int kScatterFittedCurve = 3;
constexpr int kStatsBoxFigure = 2;
constexpr int kScatter3DMarkers = 0;
constexpr int kScatter3DDropLines = 1;
constexpr int kScatter3DJoined = 2;
constexpr int kGanttPlain = 0;
constexpr int kGanttGaps = 1;
} // namespace chartstyles

// Codes of ClearArray.
namespace clearcodes {
constexpr int kValues = 1;
constexpr int kXPositions = 2;
constexpr int kPatterns = 3;
constexpr int kPointLabels = 4;
constexpr int kLegends = 5;
constexpr int kSeparations = 6;
constexpr int kZPositions = 7;
constexpr int kPointTexts = 8;
constexpr int kExtras = 9;
constexpr int kSignals = 25;
constexpr int kReferenceLines = 26;
constexpr int kCurve = 27;
constexpr int kOverlay = 23;
constexpr int kRoles = 24;
} // namespace clearcodes

// What a series is, for the renderer: it styles and names series by role only.
enum class SeriesRole {
    Data,           // the readings: series look, markers, statistics lines
    CentreLine,     // CL
    UpperLimit,     // UCL
    LowerLimit,     // LCL
    UpperSpecLimit, // an entered upper limit, drawn as UCL is
    LowerSpecLimit, // an entered lower limit, drawn as LCL is
    StatisticLine,  // a reference computed from the data (a 3-sigma line, say): thin grey, unnamed
};

// The roles drawn as control lines (every role but data and statistics line).
bool isControlLineRole(SeriesRole role);

// A labelled vertical line across the plot, at x along the x direction.
struct ReferenceLine {
    double x = 0.0;
    std::string label;
};

// A point of the overlaid curve, in the units of the x direction and the left axis.
struct CurvePoint {
    double x = 0.0;
    double y = 0.0;
};

// Where a value lies on a category axis whose slots are classes: bounds holds the
// class boundaries b0 < b1 < ... < bk, slot p spans p - 0.5 .. p + 0.5 and class p
// covers b(p-1) .. b(p), so b(p-1) maps to p - 0.5 and a value inside a class to its
// share of the slot. Beyond the ends the end classes' widths carry on. NaN for fewer
// than two bounds or a value that is not finite.
double classAxisPosition(const std::vector<double>& bounds, double value);

enum class ChartActionCode { Draw = 2, PrepareCopy = 3, Copy = 4, Print = 5, TimeLabel = 8 };

// One requested action with the colour switches in force when it was requested, so that
// "ScreenColor 0, Action 3, Action 4, ScreenColor 1" copies in monochrome even when the
// widget performs the actions later.
struct ChartAction {
    ChartActionCode code = ChartActionCode::Draw;
    bool screenColor = true;
    bool printColor = true;
    int point = 0;     // the current point (Action 8)
    std::string label; // the current point's label (Action 8)
};

// One value axis or the x axis.
struct AxisSettings {
    int scale = 0; // 0 automatic, 1 automatic including zero, 2 fixed
    double max = 0.0;
    double min = 0.0;
    int ticks = 0;
};

class ChartModel {
  public:
    static constexpr int kMaxCount = 32767;
    static constexpr std::int64_t kMaxCells = 4 * 1024 * 1024;
    static constexpr int kMaxFitDegree = 10;
    static constexpr int kOverlayOptionCount = 5;

    ChartModel();

    // ---- data shape and cursor ----
    int seriesCount() const { return m_seriesCount; }
    int pointCount() const { return m_pointCount; }
    // Whether a chart of series x points may exist: each count in 1..kMaxCount
    // and no more than kMaxCells cells.
    static bool shapeFits(std::int64_t series, std::int64_t points);
    // Change the shape; values keep their (series, point) places, new cells are 0.
    // Refused (false, nothing changes) when the new shape does not fit.
    bool setSeriesCount(int count);
    bool setPointCount(int count);
    // The shape of a fill that writes every value anew: it passes through 1 x 1,
    // so that no step on the way holds more cells than the chart allows (only
    // the value at (1, 1) survives it), and leaves the cursor at (1, 1).
    // Refused (false, nothing changes) when the new shape does not fit.
    bool setFreshShape(int series, int points);
    int currentSeries() const { return m_currentSeries; }
    int currentPoint() const { return m_currentPoint; }
    bool setCurrentSeries(int series); // refused outside 1..seriesCount
    bool setCurrentPoint(int point);   // refused outside 1..pointCount

    // ---- per (series, point) data at the cursor ----
    double pointValue() const { return value(m_currentSeries, m_currentPoint); }
    // Writes at the cursor and advances it; false when the data is full.
    bool setPointValue(double v);
    double pointXPos() const { return xPos(m_currentSeries, m_currentPoint); }
    void setPointXPos(double x);
    double pointZPos() const { return zPos(m_currentSeries, m_currentPoint); }
    void setPointZPos(double z);
    std::string pointText() const { return text(m_currentSeries, m_currentPoint); }
    void setPointText(const std::string& text);
    int pointExtra() const { return extra(m_currentSeries, m_currentPoint); }
    void setPointExtra(int extra);
    std::string pointSignal() const { return signalAt(m_currentSeries, m_currentPoint); }
    // Flags the point at the cursor with the text (empty: unflagged).
    void setPointSignal(const std::string& text);

    // ---- per point ----
    std::string pointLabel() const { return pointLabelAt(m_currentPoint); }
    void setPointLabel(const std::string& label) { setPointLabelAt(m_currentPoint, label); }
    int pointPattern() const { return patternAt(m_currentPoint); }
    void setPointPattern(int pattern);
    std::string pointLabelAt(int point) const;
    bool setPointLabelAt(int point, const std::string& label); // 1..kMaxCount
    int pointSeparatedAt(int point) const;
    bool setPointSeparatedAt(int point, int separated); // 1..kMaxCount
    int patternAt(int point) const;

    // ---- per series ----
    std::string legendAt(int series) const;
    bool setLegendAt(int series, const std::string& legend); // 1..kMaxCount
    SeriesRole seriesRole(int series) const;                 // data outside 1..seriesCount
    bool setSeriesRole(int series, SeriesRole role);         // refused outside 1..seriesCount

    // ---- indexed reads for the renderer (1-based; out of range reads 0 / empty) ----
    double value(int series, int point) const;
    double xPos(int series, int point) const;
    double zPos(int series, int point) const;
    std::string text(int series, int point) const;
    int extra(int series, int point) const;
    // The signal text of a point; empty when it is not flagged.
    std::string signalAt(int series, int point) const;
    // The flagged points of a series in point order: (point, text).
    std::vector<std::pair<int, std::string>> signalsOf(int series) const;
    bool hasSignals() const { return !m_signals.empty(); }
    bool hasXPositions() const { return !m_xPos.empty(); }
    bool hasZPositions() const { return !m_zPos.empty(); }
    // Is the point plotted (a finite value)?
    bool isPlotted(int series, int point) const;
    // Is it a reading that the statistics count (plotted, and not PointExtra 1)?
    bool isReading(int series, int point) const;
    // Does any series mark this point with PointExtra 1 (its label stays empty)?
    bool isUnlabelled(int point) const;
    // Flat storage, series after series, pointCount() values each.
    const std::vector<double>& values() const { return m_values; }

    bool clearArray(int code); // false for an unknown code

    // ---- kind ----
    ChartType chartType() const { return m_chartType; }
    bool setChartType(int code); // refused for unknown codes
    int chartStyle() const { return m_chartStyle; }
    void setChartStyle(int style) { m_chartStyle = style; }
    int statLines() const { return m_statLines; }
    bool setStatLines(int bits); // 0..15
    static constexpr int kAutomaticBarGap = -1;
    static constexpr int kMaxBarGap = 90;
    int barGap() const { return m_barGap; }
    bool setBarGap(int percent); // kAutomaticBarGap or 0..kMaxBarGap
    int fitDegree() const { return m_fitDegree; }
    bool setFitDegree(int degree); // 1..kMaxFitDegree
    int fitParameter1() const { return m_fitParameter1; }
    void setFitParameter1(int v) { m_fitParameter1 = v; }
    int fitParameter2() const { return m_fitParameter2; }
    void setFitParameter2(int v) { m_fitParameter2 = v; }

    // ---- axes; the Y properties address the axis chosen by YAxisSelect ----
    int yAxisSelect() const { return m_yAxisSelect; }
    bool setYAxisSelect(int axis); // 0 left, 1 right
    int yAxisScale() const { return m_yAxes[m_yAxisSelect].scale; }
    bool setYAxisScale(int scale); // 0..2
    double yAxisMax() const { return m_yAxes[m_yAxisSelect].max; }
    void setYAxisMax(double v) { m_yAxes[m_yAxisSelect].max = v; }
    double yAxisMin() const { return m_yAxes[m_yAxisSelect].min; }
    void setYAxisMin(double v) { m_yAxes[m_yAxisSelect].min = v; }
    int yAxisTicks() const { return m_yAxes[m_yAxisSelect].ticks; }
    bool setYAxisTicks(int ticks); // 0..kMaxCount
    const AxisSettings& leftAxis() const { return m_yAxes[0]; }
    const AxisSettings& rightAxis() const { return m_yAxes[1]; }
    int xAxisScale() const { return m_xAxis.scale; }
    bool setXAxisScale(int scale);
    double xAxisMax() const { return m_xAxis.max; }
    void setXAxisMax(double v) { m_xAxis.max = v; }
    double xAxisMin() const { return m_xAxis.min; }
    void setXAxisMin(double v) { m_xAxis.min = v; }
    int xAxisTicks() const { return m_xAxis.ticks; }
    bool setXAxisTicks(int ticks);
    const AxisSettings& xAxis() const { return m_xAxis; }

    // ---- overlay ----
    int overlayMode() const { return m_overlayMode; }
    bool setOverlayMode(int mode); // 0..2
    double overlayValue() const { return overlayValueAt(m_currentPoint); }
    void setOverlayValue(double v);
    double overlayXPos() const { return overlayXPosAt(m_currentPoint); }
    void setOverlayXPos(double x);
    // NaN where the point has no overlay value / x position.
    double overlayValueAt(int point) const;
    double overlayXPosAt(int point) const;
    int overlayOption(int index) const;          // 1..5
    bool setOverlayOption(int index, int value); // 1..5
    int overlayBase() const { return m_overlayOptions[0]; }
    int overlayKind() const { return m_overlayOptions[1]; }
    int overlayColour() const { return m_overlayOptions[2]; }
    int overlaySymbol() const { return m_overlayOptions[3]; }
    int overlaySymbolSize() const { return m_overlayOptions[4]; }

    // ---- vertical reference lines and the overlaid curve ----
    // Both refused (false, nothing added) for a coordinate that is not finite.
    bool addReferenceLine(double x, const std::string& label);
    const std::vector<ReferenceLine>& referenceLines() const { return m_referenceLines; }
    bool addCurvePoint(double x, double y);
    const std::vector<CurvePoint>& curvePoints() const { return m_curve; }
    int curveShown() const { return m_curveShown; }
    void setCurveShown(int on) { m_curveShown = on != 0 ? 1 : 0; }
    // The curve is drawn: shown, with at least two points.
    bool drawsCurve() const { return m_curveShown != 0 && m_curve.size() >= 2; }

    // ---- look ----
    const std::string& titleTop() const { return m_titleTop; }
    void setTitleTop(const std::string& t) { m_titleTop = t; }
    const std::string& titleBottom() const { return m_titleBottom; }
    void setTitleBottom(const std::string& t) { m_titleBottom = t; }
    const std::string& titleLeft() const { return m_titleLeft; }
    void setTitleLeft(const std::string& t) { m_titleLeft = t; }
    const std::string& titleRight() const { return m_titleRight; }
    void setTitleRight(const std::string& t) { m_titleRight = t; }
    int titleLeftStyle() const { return m_titleLeftStyle; }
    bool setTitleLeftStyle(int style); // 0 horizontal, 1 vertical
    int titleRightStyle() const { return m_titleRightStyle; }
    bool setTitleRightStyle(int style);
    int gridLines() const { return m_gridLines; }
    bool setGridLines(int lines); // 0..3
    int gridLineStyle() const { return m_gridLineStyle; }
    bool setGridLineStyle(int style); // 0..4
    // The angles are clamped into their ranges.
    int rotation3D() const { return m_view.rotation; }
    void setRotation3D(int degrees);
    int perspective3D() const { return m_view.perspective; }
    void setPerspective3D(int value);
    int elevation3D() const { return m_view.elevation; }
    void setElevation3D(int degrees);
    ViewAngles viewAngles() const { return m_view; }
    void setViewAngles(const ViewAngles& view);
    int screenColor() const { return m_screenColor; }
    void setScreenColor(int on) { m_screenColor = on != 0 ? 1 : 0; }
    int printColor() const { return m_printColor; }
    void setPrintColor(int on) { m_printColor = on != 0 ? 1 : 0; }
    int hitReporting() const { return m_hitReporting; }
    void setHitReporting(int on) { m_hitReporting = on != 0 ? 1 : 0; }
    int hitKind() const { return m_hitKind; }
    void setHitKind(int kind) { m_hitKind = kind; }
    int resetSwitchOne() const { return m_resetSwitchOne; }
    void setResetSwitchOne(int v) { m_resetSwitchOne = v != 0 ? 1 : 0; }
    int resetSwitchTwo() const { return m_resetSwitchTwo; }
    void setResetSwitchTwo(int v) { m_resetSwitchTwo = v != 0 ? 1 : 0; }
    // The automatic value-axis range of the last draw made while ResetSwitchOne was 0.
    void holdValueRange(double min, double max);
    bool hasHeldValueRange() const { return m_heldValid; }
    double heldMin() const { return m_heldMin; }
    double heldMax() const { return m_heldMax; }

    // ---- actions ----
    // Records the action (false for an unknown code). With a handler installed the
    // handler runs at once; otherwise the action waits in the queue for takeActions().
    bool setAction(int code);
    std::vector<ChartAction> takeActions();
    void setActionHandler(std::function<void(const ChartAction&)> handler);
    int drawCount() const { return m_drawCount; }

    // ---- resets ----
    // The reset every redraw makes: clear point labels and legends, statistics lines off,
    // switch one 0, automatic Y scale and overlay off (left alone for control charts),
    // the shared 3-D angles, switch two 1, every series role back to data, no signal flags,
    // no reference lines and no curve points.
    void redrawReset(const ViewAngles& view, bool controlChart = false);

    // A small fixed data set (3 series x 5 points) for previews.
    void loadSampleData();

  private:
    std::size_t cellIndex(int series, int point) const {
        return static_cast<std::size_t>(series - 1) * static_cast<std::size_t>(m_pointCount) +
               static_cast<std::size_t>(point - 1);
    }
    bool validCell(int series, int point) const {
        return series >= 1 && series <= m_seriesCount && point >= 1 && point <= m_pointCount;
    }
    bool reshape(int series, int points);
    template <class T> void reshapeArray(std::vector<T>& a, int series, int points) const;
    static std::uint32_t textKey(int series, int point) {
        return (static_cast<std::uint32_t>(series) << 16) | static_cast<std::uint32_t>(point);
    }

    int m_seriesCount = 1;
    int m_pointCount = 1;
    int m_currentSeries = 1;
    int m_currentPoint = 1;
    bool m_full = false; // the last point of the last series has been written

    std::vector<double> m_values;
    std::vector<double> m_xPos; // empty until a position is written
    std::vector<double> m_zPos; // empty until a position is written
    std::vector<int> m_extra;   // empty until an extra is written
    std::map<std::uint32_t, std::string> m_texts;
    std::map<std::uint32_t, std::string> m_signals; // by textKey: series, then point
    std::vector<std::string> m_pointLabels;         // index point - 1
    std::vector<int> m_patterns;
    std::vector<int> m_separated;
    std::vector<std::string> m_legends; // index series - 1
    std::vector<SeriesRole> m_roles;    // index series - 1; empty until a role is set
    std::vector<double> m_overlayValues;
    std::vector<double> m_overlayXPos;
    std::vector<ReferenceLine> m_referenceLines;
    std::vector<CurvePoint> m_curve;
    int m_curveShown = 1;

    ChartType m_chartType = ChartType::Bar;
    int m_chartStyle = 0;
    int m_statLines = 0;
    int m_barGap = kAutomaticBarGap;
    int m_fitDegree = 2;
    int m_fitParameter1 = 12;
    int m_fitParameter2 = 12;

    int m_yAxisSelect = 0;
    AxisSettings m_yAxes[2];
    AxisSettings m_xAxis;

    int m_overlayMode = 0;
    int m_overlayOptions[kOverlayOptionCount] = {0, 5, 3, 13, 12};

    std::string m_titleTop, m_titleBottom, m_titleLeft, m_titleRight;
    int m_titleLeftStyle = 1;
    int m_titleRightStyle = 1;
    int m_gridLines = 0;
    int m_gridLineStyle = 0;
    ViewAngles m_view;
    int m_screenColor = 1;
    int m_printColor = 1;
    int m_hitReporting = 0;
    int m_hitKind = 0;
    int m_resetSwitchOne = 0;
    int m_resetSwitchTwo = 1;
    bool m_heldValid = false;
    double m_heldMin = 0.0;
    double m_heldMax = 0.0;

    std::vector<ChartAction> m_actions;
    std::function<void(const ChartAction&)> m_actionHandler;
    int m_drawCount = 0;
};

} // namespace zel
