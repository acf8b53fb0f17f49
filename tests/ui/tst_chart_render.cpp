// Tests of the chart renderer drawing into images: axes and fixed scales, control lines,
// bars, statistics lines, hit testing, crowded category labels and monochrome output.
#include "components/chart/ChartExport.h"
#include "components/chart/ChartLayout.h"
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/LinePainter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const QSize kSize(800, 500);

QImage renderOf(const zel::ChartModel& m, bool mono = false, QSize size = kSize) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    ChartRenderer::render(m, &p, QRectF(QPointF(0, 0), QSizeF(size)), {mono, 1.0});
    p.end();
    return image;
}

ChartLayout layoutOf(const zel::ChartModel& m, QSize size = kSize) {
    return ChartRenderer::layoutFor(m, QRectF(QPointF(0, 0), QSizeF(size)), {false, 1.0});
}

void fill(zel::ChartModel& m, int series, const std::vector<double>& values) {
    m.setCurrentSeries(series);
    m.setCurrentPoint(1);
    for (double v : values)
        m.setPointValue(v);
}

// Gives series 1..n the roles in order.
void setRoles(zel::ChartModel& m, std::initializer_list<zel::SeriesRole> roles) {
    int s = 1;
    for (zel::SeriesRole r : roles)
        m.setSeriesRole(s++, r);
}

// CL, UCL, LCL, then the data: the order of the control-chart windows.
void setLinesFirst(zel::ChartModel& m) {
    using R = zel::SeriesRole;
    setRoles(m, {R::CentreLine, R::UpperLimit, R::LowerLimit, R::Data});
}

// The mean chart of an Xbar-R chart as its window builds it: CL, UCL, LCL, then the data,
// fixed axis from the lower to the upper bound in 4 divisions.
zel::ChartModel controlChart() {
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    m.setSeriesCount(4);
    m.setPointCount(8);
    const std::vector<double> data{10.2, 11.5, 9.1, 12.8, 10.0, 8.4, 11.1, 10.6};
    fill(m, 1, std::vector<double>(8, 10.5));
    fill(m, 2, std::vector<double>(8, 14.0));
    fill(m, 3, std::vector<double>(8, 7.0));
    fill(m, 4, data);
    setLinesFirst(m);
    m.setYAxisScale(2);
    m.setYAxisMax(14.0);
    m.setYAxisMin(7.0);
    m.setYAxisTicks(4);
    m.setStatLines(5);
    m.setTitleTop("Xbar-R管理図(平均値)");
    for (int i = 1; i <= 8; ++i)
        m.setPointLabelAt(i, "第" + std::to_string(i) + "群");
    return m;
}

bool isWhite(QRgb c) {
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}
bool isReddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110;
}
// The red of the control limits, not the darkened orange of a series' markers.
bool isControlRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
}

QByteArray svgOf(const zel::ChartModel& m, QSize size = kSize) {
    return chartexport::bytes(m, chartexport::Format::Svg, size, {false, 1.0});
}

int colourPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) ++n;
        }
    return n;
}

} // namespace

class TestChartRender : public QObject {
    Q_OBJECT
  private slots:
    void sticksStandOnTheBaseAndMeanMarkersStandApart();
    void fixedScaleKeepsItsEndsAndPutsControlLinesOnTheirRows();
    void controlLinesFollowTheSeriesRoles();
    void seriesShapedLikeLimitsDrawAsData();
    void controlLinesStepWithTheLotAndAreNamedAtTheRight();
    void denseStepLinesCoverTheirColumnsAndGrowWithThePlotNotTheLots();
    void aCrowdedCumulativeLineGrowsWithThePlotNotTheItems();
    void statisticsLinesOfAControlChartAreNamedInGrey();
    void barsReachTheirValues();
    void statisticsLinesOfAPlainLineChartAreNamed();
    void barsTouchWithoutAGap();
    void aBandKeepsItsWidthOnSteepSegments();
    void whiskerCapsOnTheAxisEndsStayVisible();
    void statisticsLinesAreDrawnOnlyWhenAsked();
    void hitTestFindsTheDrawnPoint();
    void crowdedLabelsNeverOverlap();
    void monochromeOutputHasNoColour();
    void everyTwoDimensionalKindDrawsInsideThePlot();
    void lineSeriesWithoutXPositionsShareThoseOfTheFirst();
    void signalPointsStandOutInColourAndInMonochrome();
    void signalTextsStandBesideTheirPointsClearOfTheLines();
    void crowdedSignalTextsNeverOverlap();
    void signalTextsOfPointsOnThePlotEdgesStayShown();
    void referenceLinesStandAtTheirValueOnEitherClassAxis();
    void theCurvePassesThroughItsPointsOverTheBarsAndCanBeHidden();
    void referenceLinesBeyondTheClassesWidenTheAxisToShowThem();
};

void TestChartRender::sticksStandOnTheBaseAndMeanMarkersStandApart() {
    // The histogram's "棒グラフ－平均値": counts as sticks over the class mids, the mean
    // marker (overlay on the left axis, sticks with triangles) among them.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(zel::chartstyles::kLineSticks);
    m.setPointCount(3);
    fill(m, 1, {2, 8, 5});
    m.setYAxisScale(2);
    m.setYAxisMax(10);
    m.setYAxisMin(0);
    m.setOverlayMode(zel::overlaymodes::kLeftAxis);
    const int options[] = {0, 3, 1, 5, 12};
    for (int i = 0; i < 5; ++i)
        m.setOverlayOption(i + 1, options[i]);
    m.setCurrentPoint(1);
    m.setOverlayXPos(2.5); // halfway between points 2 and 3
    m.setOverlayValue(9);
    const ChartLayout l = layoutOf(m);
    const QImage img = renderOf(m);
    const auto inkNear = [&](double x, double value, auto&& isIt) {
        const int y = static_cast<int>(std::lround(l.valuePos(value)));
        for (int dx = -2; dx <= 2; ++dx)
            if (isIt(img.pixel(static_cast<int>(std::lround(x)) + dx, y))) return true;
        return false;
    };
    const auto series = [](QRgb c) { return qBlue(c) > 120 && qRed(c) < 100; };
    // Each count stands on a stick from 0: ink halfway up, none above the value.
    QVERIFY(inkNear(l.categoryPos(2), 4, series));
    QVERIFY(inkNear(l.categoryPos(1), 1, series));
    QVERIFY(!inkNear(l.categoryPos(1), 5, [](QRgb c) { return !isWhite(c); }));
    // The mean marker is not one more stick of the series: it takes the mark ink.
    const double mean = l.plot().left() + 2.0 * l.slotWidth();
    QVERIFY(inkNear(mean, 5, isReddish));
    QVERIFY(!inkNear(mean, 5, series));
}

void TestChartRender::fixedScaleKeepsItsEndsAndPutsControlLinesOnTheirRows() {
    const auto m = controlChart();
    const auto l = layoutOf(m);
    QCOMPARE(l.valueAxis().min, 7.0);
    QCOMPARE(l.valueAxis().max, 14.0);
    QCOMPARE(static_cast<int>(l.valueAxis().ticks.size()), 5);
    QVERIFY(std::abs(l.valuePos(14.0) - l.plot().top()) < 0.01);
    QVERIFY(std::abs(l.valuePos(7.0) - l.plot().bottom()) < 0.01);
    QVERIFY(l.plot().width() > 500 && l.plot().height() > 300);
    // The three constant series are the control lines, the data is not.
    QVERIFY(l.controlLine(1) == SeriesStyle::ControlLine::Centre);
    QVERIFY(l.controlLine(2) == SeriesStyle::ControlLine::Upper);
    QVERIFY(l.controlLine(3) == SeriesStyle::ControlLine::Lower);
    QVERIFY(!l.controlLine(4));

    const QImage img = renderOf(m);
    // The UCL (red, dashed) crosses the plot on the row of 14 within a pixel: look along
    // a stretch of columns for red pixels and check their rows.
    const double uclRow = l.valuePos(14.0);
    const double lclRow = l.valuePos(7.0);
    for (double row : {uclRow, lclRow}) {
        int found = 0;
        for (int x = static_cast<int>(l.plot().left()) + 10; x < static_cast<int>(l.plot().right()) - 60; ++x)
            for (int y = static_cast<int>(row) - 3; y <= static_cast<int>(row) + 3; ++y)
                if (isReddish(img.pixel(x, y))) {
                    QVERIFY2(std::abs(y - row) <= 1.5, qPrintable(QString("row %1 vs %2").arg(y).arg(row)));
                    ++found;
                }
        QVERIFY(found > 50);
    }
    // A row halfway between CL and UCL carries no red.
    const int mid = static_cast<int>(l.valuePos(12.25));
    for (int x = static_cast<int>(l.plot().left()) + 10; x < static_cast<int>(l.plot().right()) - 10; ++x)
        QVERIFY(!isReddish(img.pixel(x, mid)));
}

void TestChartRender::controlLinesFollowTheSeriesRoles() {
    using CL = SeriesStyle::ControlLine;
    using R = zel::SeriesRole;
    const std::vector<double> data{10.2, 11.5, 9.1, 12.8, 10.0, 8.4, 11.1, 10.6};
    auto model = [&](const std::vector<std::vector<double>>& series, int scale) {
        zel::ChartModel m;
        m.setChartType(6);
        m.setChartStyle(5);
        m.setSeriesCount(static_cast<int>(series.size()));
        m.setPointCount(8);
        for (std::size_t s = 0; s < series.size(); ++s)
            fill(m, static_cast<int>(s) + 1, series[s]);
        m.setYAxisScale(scale);
        return m;
    };
    const std::vector<double> cl(8, 10.5), ucl(8, 14.0), lcl(8, 7.0), mid(8, 10.5);
    {
        // Lines first, data last, on an automatic axis: control lines without statistics
        // lines of their own; the data keeps its mean line and the first look.
        auto m = model({cl, ucl, lcl, data}, 0);
        setLinesFirst(m);
        m.setStatLines(5);
        const auto l = layoutOf(m);
        QVERIFY(l.controlLine(1) == CL::Centre);
        QVERIFY(l.controlLine(2) == CL::Upper);
        QVERIFY(l.controlLine(3) == CL::Lower);
        QVERIFY(!l.controlLine(4));
        QVERIFY(l.isControlChart());
        QCOMPARE(l.lookOf(4), 1);
        QVERIFY(!l.statLines().empty());
        for (const auto& st : l.statLines())
            QCOMPARE(st.series, 4);
    }
    {
        // Entered limits: counts, upper, lower, then the midpoint; the entered upper
        // and lower limits draw and are named as the control limits.
        auto m = model({data, ucl, lcl, mid}, 2);
        setRoles(m, {R::Data, R::UpperSpecLimit, R::LowerSpecLimit, R::CentreLine});
        const auto l = layoutOf(m);
        QVERIFY(!l.controlLine(1));
        QVERIFY(l.controlLine(2) == CL::Upper);
        QVERIFY(l.controlLine(3) == CL::Lower);
        QVERIFY(l.controlLine(4) == CL::Centre);
        QStringList names;
        for (const auto& n : l.edgeNames())
            names << n.text;
        QVERIFY2(names.contains(QStringLiteral("UCL")) && names.contains(QStringLiteral("LCL")) &&
                     names.contains(QStringLiteral("CL")),
                 qPrintable(names.join(',')));
    }
    {
        // A statistics-line series is neither data (no look, no statistics lines of its
        // own) nor a control line.
        auto m = model({data, ucl}, 0);
        setRoles(m, {R::Data, R::StatisticLine});
        m.setStatLines(1);
        const auto l = layoutOf(m);
        QVERIFY(!l.controlLine(2));
        QVERIFY(!l.isControlChart());
        QVERIFY(l.roleOf(2) == R::StatisticLine);
        QCOMPARE(l.statLines().size(), std::size_t(1));
        QCOMPARE(l.statLines().front().series, 1);
        // Drawn as a thin grey dashed line: grey on its row, no colour of a series look.
        const QImage img = renderOf(m);
        const int row = static_cast<int>(std::lround(l.valuePos(14.0)));
        int grey = 0, coloured = 0;
        for (int x = static_cast<int>(l.plot().left()) + 3; x < static_cast<int>(l.plot().right()) - 3; ++x) {
            const QColor c = img.pixelColor(x, row);
            const int hi = std::max({c.red(), c.green(), c.blue()});
            const int lo = std::min({c.red(), c.green(), c.blue()});
            if (hi > 235) continue;
            (hi - lo < 30 ? grey : coloured) += 1;
        }
        QVERIFY2(grey > 100 && coloured == 0,
                 qPrintable(QString("%1 grey, %2 coloured").arg(grey).arg(coloured)));
    }
    {
        // Roles are honoured by the line kinds only: a bar chart draws every series as data.
        auto m = model({cl, ucl, lcl, data}, 2);
        setLinesFirst(m);
        m.setChartType(3);
        const auto l = layoutOf(m);
        for (int s = 1; s <= 4; ++s)
            QVERIFY(!l.controlLine(s));
    }
}

void TestChartRender::seriesShapedLikeLimitsDrawAsData() {
    // A line graph of four variables: one varying, three constant at the levels a control
    // chart would have, on a fixed axis, in the order of the control-chart windows and in
    // that of the defect-count window. Without roles they are all data: no red dashes, no
    // control-line names, each series its own look.
    for (const auto& order : {std::vector<int>{0, 1, 2, 3}, std::vector<int>{3, 0, 1, 2}}) {
        const std::vector<std::vector<double>> shapes{std::vector<double>(8, 10.5),
                                                      std::vector<double>(8, 14.0),
                                                      std::vector<double>(8, 7.0),
                                                      {10.2, 11.5, 9.1, 12.8, 10.0, 8.4, 11.1, 10.6}};
        zel::ChartModel m;
        m.setChartType(6);
        m.setChartStyle(5);
        m.setSeriesCount(4);
        m.setPointCount(8);
        for (int s = 0; s < 4; ++s)
            fill(m, s + 1, shapes[static_cast<std::size_t>(order[static_cast<std::size_t>(s)])]);
        m.setYAxisScale(2);
        m.setYAxisMax(15.0);
        m.setYAxisMin(6.0);
        m.setYAxisTicks(3);
        m.setStatLines(1);
        const auto l = layoutOf(m);
        QVERIFY(!l.isControlChart());
        for (int s = 1; s <= 4; ++s) {
            QVERIFY(!l.controlLine(s));
            QCOMPARE(l.lookOf(s), s);
        }
        for (const auto& n : l.edgeNames())
            QVERIFY2(n.text != QStringLiteral("UCL") && n.text != QStringLiteral("CL") &&
                         n.text != QStringLiteral("LCL"),
                     qPrintable(n.text));
        // Every series keeps its statistics line (the mean), which a control line would not.
        QCOMPARE(static_cast<int>(l.statLines().size()), 4);
        // The level of 14 is drawn solid in its series' look, with no limit red on its row.
        const QImage img = renderOf(m);
        const double row = l.valuePos(14.0);
        int red = 0, inked = 0, columns = 0;
        for (int x = static_cast<int>(l.plot().left()) + 3; x < static_cast<int>(l.plot().right()) - 3; ++x) {
            ++columns;
            bool any = false;
            for (int y = static_cast<int>(row) - 1; y <= static_cast<int>(row) + 1; ++y) {
                if (isControlRed(img.pixel(x, y))) ++red;
                any = any || !isWhite(img.pixel(x, y));
            }
            if (any) ++inked;
        }
        QCOMPARE(red, 0);
        QVERIFY2(inked > columns * 97 / 100, qPrintable(QString("%1 of %2").arg(inked).arg(columns)));
        // Beside the plot's right edge, where control-line names stand, nothing is drawn.
        for (int x = static_cast<int>(l.plot().right()) + 3; x < static_cast<int>(l.plot().right()) + 30; ++x)
            for (int y = static_cast<int>(l.plot().top()); y < static_cast<int>(l.plot().bottom()); ++y)
                QVERIFY(x >= img.width() || isWhite(img.pixel(x, y)));
    }
}

void TestChartRender::controlLinesStepWithTheLotAndAreNamedAtTheRight() {
    // A p chart with lots of different sizes: the limits differ per lot.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    m.setSeriesCount(4);
    m.setPointCount(6);
    const std::vector<double> ucl{0.09, 0.09, 0.12, 0.12, 0.10, 0.10};
    const std::vector<double> lcl{0.01, 0.01, 0.0, 0.0, 0.005, 0.005};
    fill(m, 1, std::vector<double>(6, 0.05));
    fill(m, 2, ucl);
    fill(m, 3, lcl);
    fill(m, 4, {0.04, 0.06, 0.05, 0.03, 0.07, 0.05});
    setLinesFirst(m);
    m.setYAxisScale(2);
    m.setYAxisMax(0.12);
    m.setYAxisMin(0.0);
    m.setYAxisTicks(4);
    m.setStatLines(5);
    const auto l = layoutOf(m);
    QVERIFY(l.controlLine(2) == SeriesStyle::ControlLine::Upper);
    const QImage img = renderOf(m);
    // Over each lot's slot the UCL runs on that lot's row (away from the slot's ends).
    for (int pt = 1; pt <= 6; ++pt) {
        const double row = l.valuePos(ucl[static_cast<std::size_t>(pt - 1)]);
        const double c = l.categoryPos(pt);
        int onRow = 0;
        for (int x = static_cast<int>(c - l.slotWidth() * 0.35);
             x < static_cast<int>(c + l.slotWidth() * 0.35); ++x)
            for (int y = static_cast<int>(row) - 2; y <= static_cast<int>(row) + 2; ++y)
                if (isReddish(img.pixel(x, y))) ++onRow;
        QVERIFY2(onRow > 10, qPrintable(QString("lot %1: %2").arg(pt).arg(onRow)));
    }
    // The names stand beside the plot's right edge, each near its line's last value.
    auto redRightOfPlot = [&](double row) {
        int n = 0;
        for (int x = static_cast<int>(l.plot().right()) + 2; x < static_cast<int>(l.plot().right()) + 40; ++x)
            for (int y = static_cast<int>(row) - 8; y <= static_cast<int>(row) + 8; ++y)
                if (x < img.width() && isReddish(img.pixel(x, y))) ++n;
        return n;
    };
    QVERIFY(redRightOfPlot(l.valuePos(0.10)) > 5);
    QVERIFY(redRightOfPlot(l.valuePos(0.06)) == 0);

    // Monochrome: the centre line is solid, the limits dashed, the data keeps its markers.
    const std::vector<double> data{10.2, 11.5, 9.1, 12.8, 10.0, 8.4, 11.1, 10.6};
    auto x = controlChart();
    x.setYAxisMax(15.0); // the limits inside the frame, not on it
    x.setYAxisMin(6.0);
    const auto lx = layoutOf(x);
    const QImage mono = renderOf(x, true);
    auto darkShare = [&](double row) {
        int dark = 0, all = 0;
        for (int px = static_cast<int>(lx.plot().left()) + 2; px < static_cast<int>(lx.plot().right()) - 2;
             ++px) {
            ++all;
            bool any = false;
            for (int y = static_cast<int>(row) - 1; y <= static_cast<int>(row) + 1; ++y)
                any = any || qGray(mono.pixel(px, y)) < 100;
            if (any) ++dark;
        }
        return static_cast<double>(dark) / all;
    };
    QVERIFY2(darkShare(lx.valuePos(10.5)) > 0.97, qPrintable(QString::number(darkShare(lx.valuePos(10.5)))));
    const double dashed = darkShare(lx.valuePos(14.0));
    QVERIFY2(dashed > 0.4 && dashed < 0.85, qPrintable(QString::number(dashed)));
    // A marker covers a few pixels around the data point, not only the line through it.
    const QPointF p4 = lx.at(lx.categoryPos(4), lx.valuePos(data[3]));
    int inked = 0;
    for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy)
            if (!isWhite(mono.pixel(p4.toPoint() + QPoint(dx, dy)))) ++inked;
    QVERIFY2(inked > 30, qPrintable(QString::number(inked)));
}

// A p chart of many lots whose limits step at every lot in the first half (UCL 0.09 and
// 0.12 in turn) and stay at 0.10 in the second; the data are not numbers, so that
// only the control lines draw.
zel::ChartModel denseStepChart(int lots) {
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    m.setSeriesCount(4);
    m.setPointCount(lots);
    std::vector<double> ucl, lcl;
    for (int i = 0; i < lots; ++i) {
        const bool stepping = i < lots / 2;
        ucl.push_back(stepping ? (i % 2 ? 0.12 : 0.09) : 0.10);
        lcl.push_back(stepping ? (i % 2 ? 0.0 : 0.01) : 0.005);
    }
    fill(m, 1, std::vector<double>(static_cast<std::size_t>(lots), 0.05));
    fill(m, 2, ucl);
    fill(m, 3, lcl);
    fill(m, 4, std::vector<double>(static_cast<std::size_t>(lots), std::numeric_limits<double>::quiet_NaN()));
    setLinesFirst(m);
    m.setYAxisScale(2);
    m.setYAxisMax(0.13);
    m.setYAxisMin(-0.01);
    m.setYAxisTicks(4);
    return m;
}

void TestChartRender::denseStepLinesCoverTheirColumnsAndGrowWithThePlotNotTheLots() {
    const QSize size(400, 300);
    const zel::ChartModel m = denseStepChart(10000);
    const auto l = layoutOf(m, size);
    QVERIFY(l.controlLine(2) == SeriesStyle::ControlLine::Upper);
    QVERIFY(l.slotWidth() < 0.1);
    const QImage img = renderOf(m, false, size);
    const int top = static_cast<int>(std::lround(l.valuePos(0.12)));
    const int low = static_cast<int>(std::lround(l.valuePos(0.09)));
    const int level = static_cast<int>(std::lround(l.valuePos(0.10)));
    const int middle = static_cast<int>(std::lround(l.plot().left() + l.plot().width() / 2));
    auto redNear = [&](int x, int row) {
        return isReddish(img.pixel(x, row - 1)) || isReddish(img.pixel(x, row)) ||
               isReddish(img.pixel(x, row + 1));
    };
    // Where the UCL steps at every lot, each pixel column is red from 0.12 down to 0.09.
    for (int x = static_cast<int>(l.plot().left()) + 3; x < middle - 2; ++x)
        for (int y = top + 1; y < low; ++y)
            QVERIFY2(isReddish(img.pixel(x, y)), qPrintable(QString("column %1, row %2").arg(x).arg(y)));
    // Past the lot where it stops stepping, it is one line at 0.10 and nothing above or below.
    for (int x = middle + 2; x < static_cast<int>(l.plot().right()) - 3; ++x) {
        QVERIFY2(redNear(x, level), qPrintable(QString("column %1").arg(x)));
        QVERIFY(!redNear(x, top + 2));
        QVERIFY(!redNear(x, low - 2));
    }
    // The drawing grows with the plot's width, not with the number of lots: ten times
    // the lots on the same plot make hardly a larger vector file.
    const QByteArray few = svgOf(denseStepChart(1000), size);
    const QByteArray many = svgOf(m, size);
    QVERIFY2(many.size() < few.size() * 3 / 2,
             qPrintable(QString("%1 and %2 bytes").arg(few.size()).arg(many.size())));
}

// A Pareto chart of n equal items: touching bars, and with `line` the cumulative
// line on the right axis, 0..100.
zel::ChartModel crowdedPareto(int n, bool line) {
    zel::ChartModel m;
    m.setChartType(3);
    m.setChartStyle(0);
    m.setBarGap(0);
    m.setPointCount(n);
    fill(m, 1, std::vector<double>(static_cast<std::size_t>(n), 1.0));
    m.setYAxisScale(2);
    m.setYAxisMax(n);
    m.setYAxisMin(0);
    if (!line) return m;
    m.setOverlayMode(2);
    for (int i = 1; i <= n; ++i) {
        m.setCurrentPoint(i);
        m.setOverlayValue(100.0 * i / n);
    }
    m.setYAxisSelect(1);
    m.setYAxisScale(2);
    m.setYAxisMax(100);
    m.setYAxisMin(0);
    m.setYAxisSelect(0);
    return m;
}

void TestChartRender::aCrowdedCumulativeLineGrowsWithThePlotNotTheItems() {
    const QSize size(400, 300);
    // What the line adds to the vector file: ten times the items on the same plot
    // add hardly more, since a symbol per item would only smear the line.
    const auto lineBytes = [&](int n) {
        return svgOf(crowdedPareto(n, true), size).size() - svgOf(crowdedPareto(n, false), size).size();
    };
    const qsizetype few = lineBytes(1000);
    const qsizetype many = lineBytes(10000);
    QVERIFY2(many < few * 3 / 2, qPrintable(QString("%1 and %2 bytes").arg(few).arg(many)));
    // The line is still drawn: halfway along, it stands at 50 on the right axis.
    const zel::ChartModel m = crowdedPareto(10000, true);
    const auto l = layoutOf(m, size);
    const QImage img = renderOf(m, false, size);
    const int x = static_cast<int>(std::lround(l.plot().left() + l.plot().width() / 2));
    const int y = static_cast<int>(std::lround(l.rightPos(50.0)));
    int lineInk = 0;
    for (int dy = -2; dy <= 2; ++dy)
        lineInk += QColor(img.pixel(x, y + dy)) == QColor(img.pixel(x, y - 30)) ? 0 : 1;
    QVERIFY(lineInk > 0);
}

void TestChartRender::statisticsLinesOfAControlChartAreNamedInGrey() {
    // CL 26, UCL 30, LCL 0; the data's mean 12 and deviation 2√3 put the mean and the
    // sigma lines well apart from the control lines.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    m.setSeriesCount(4);
    m.setPointCount(10);
    fill(m, 1, std::vector<double>(10, 26.0));
    fill(m, 2, std::vector<double>(10, 30.0));
    fill(m, 3, std::vector<double>(10, 0.0));
    fill(m, 4, {9, 15, 12, 6, 18, 12, 9, 15, 12, 12});
    setLinesFirst(m);
    m.setYAxisScale(2);
    m.setYAxisMax(30.0);
    m.setYAxisMin(0.0);
    m.setYAxisTicks(4);
    m.setStatLines(5);
    const double sigma = 2 * std::sqrt(3.0);
    const auto l = layoutOf(m);
    const QImage img = renderOf(m);
    // Beside the right edge at each line's row: a name in grey, neither black nor coloured.
    auto greyName = [&](double value, const char* what) {
        const int row = static_cast<int>(std::lround(l.valuePos(value)));
        int ink = 0;
        for (int x = static_cast<int>(l.plot().right()) + 2;
             x < std::min(img.width(), static_cast<int>(l.plot().right()) + 45); ++x)
            for (int y = row - 9; y <= row + 9; ++y) {
                const QColor c = img.pixelColor(x, y);
                const int hi = std::max({c.red(), c.green(), c.blue()});
                const int lo = std::min({c.red(), c.green(), c.blue()});
                if (hi > 235) continue;
                ++ink;
                QVERIFY2(hi - lo < 30 && lo > 100,
                         qPrintable(QString("%1: %2 at %3, %4").arg(what, c.name()).arg(x).arg(y)));
            }
        QVERIFY2(ink > 8, qPrintable(QString("%1: %2 pixels").arg(what).arg(ink)));
    };
    greyName(12.0, "mean");
    greyName(12.0 + sigma, "+1 sigma");
    greyName(12.0 - sigma, "-1 sigma");
    // The names are the texts a reader sees: 平均, +σ and −σ (a minus sign, U+2212).
    const QString svg = QString::fromUtf8(svgOf(m));
    for (const QString& name : {QStringLiteral("平均"), QStringLiteral("+σ"), QStringLiteral("\u2212σ"),
                                QStringLiteral("CL"), QStringLiteral("UCL"), QStringLiteral("LCL")})
        QVERIFY2(svg.contains(QStringLiteral(">") + name + QStringLiteral("<")), qPrintable(name));
}

void TestChartRender::statisticsLinesOfAPlainLineChartAreNamed() {
    // A line chart of readings (no control lines) with every statistics line:
    // each is named at its right end (the names read the same in monochrome),
    // and no two names overlap where lines end close together.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    m.setPointCount(6);
    fill(m, 1, {1, 5, 2, 6, 3, 7});
    m.setStatLines(zel::statlines::kAll);
    m.setYAxisScale(2);
    m.setYAxisMax(20);
    m.setYAxisMin(-10);
    {
        const auto l = layoutOf(m);
        QStringList names;
        for (const auto& n : l.edgeNames())
            names << n.text;
        names.sort();
        QStringList expected = {"平均", "最大", "最小",    "傾き",     "+σ",
                                "+2σ",  "+3σ",  "\u2212σ", "\u22122σ", "\u22123σ"};
        expected.sort();
        QCOMPARE(names, expected);
        // No two names overlap.
        for (std::size_t i = 0; i < l.edgeNames().size(); ++i)
            for (std::size_t j = i + 1; j < l.edgeNames().size(); ++j)
                QVERIFY(!l.edgeNames()[i].rect.intersects(l.edgeNames()[j].rect));
    }
    const QString svg = QString::fromUtf8(svgOf(m));
    for (const QString& name : {QStringLiteral("最大"), QStringLiteral("最小")})
        QVERIFY2(svg.contains(QStringLiteral(">") + name + QStringLiteral("<")), qPrintable(name));

    // Over a scatter the same line is the regression line of Y on X.
    m.setChartType(9);
    m.setChartStyle(0);
    m.setStatLines(zel::statlines::kTrend);
    const auto scatter = layoutOf(m);
    QStringList names;
    for (const auto& n : scatter.edgeNames())
        names << n.text;
    QCOMPARE(names, QStringList{"回帰直線"});
}

void TestChartRender::barsReachTheirValues() {
    zel::ChartModel m;
    m.setChartType(3);
    m.setChartStyle(0);
    m.setPointCount(3);
    fill(m, 1, {10, 20, 5});
    m.setYAxisScale(2);
    m.setYAxisMax(20);
    m.setYAxisMin(0);
    m.setYAxisTicks(4);
    const auto l = layoutOf(m);
    const QImage img = renderOf(m);
    const double values[] = {10, 20, 5};
    for (int p = 1; p <= 3; ++p) {
        const int x = static_cast<int>(l.categoryPos(p));
        int top = -1;
        for (int y = static_cast<int>(l.plot().top()) + 1; y < static_cast<int>(l.plot().bottom()) - 1; ++y)
            if (!isWhite(img.pixel(x, y))) {
                top = y;
                break;
            }
        QVERIFY(top >= 0);
        const double expected = l.valuePos(values[p - 1]);
        QVERIFY2(std::abs(top - expected) <= 1.5,
                 qPrintable(QString("bar %1 top %2 expected %3").arg(p).arg(top).arg(expected)));
        // Filled down to the axis.
        QVERIFY(!isWhite(img.pixel(x, static_cast<int>(l.plot().bottom()) - 3)));
    }
    // Horizontal bars: the value runs to the right.
    m.setChartStyle(1);
    const auto lh = layoutOf(m);
    QVERIFY(lh.horizontal());
    const QImage himg = renderOf(m);
    const int y = static_cast<int>(lh.categoryPos(1));
    int right = -1;
    for (int x = static_cast<int>(lh.plot().right()) - 2; x > static_cast<int>(lh.plot().left()); --x)
        if (!isWhite(himg.pixel(x, y))) {
            right = x;
            break;
        }
    QVERIFY2(std::abs(right - lh.valuePos(10)) <= 1.5,
             qPrintable(QString("%1 vs %2").arg(right).arg(lh.valuePos(10))));
    // Stacked: the axis takes the sums.
    m.setChartStyle(2);
    m.setSeriesCount(2);
    fill(m, 2, {30, 1, 1});
    m.setYAxisScale(0);
    QVERIFY(layoutOf(m).valueAxis().max >= 40.0);
}

void TestChartRender::barsTouchWithoutAGap() {
    // Halfway between two neighbouring bars, at half their height: white paper
    // with the automatic spacing, bar with no gap (a histogram's classes).
    zel::ChartModel m;
    m.setChartType(static_cast<int>(zel::ChartType::Bar));
    m.setChartStyle(zel::chartstyles::kBarVertical);
    m.setPointCount(4);
    fill(m, 1, {10, 10, 10, 10});
    m.setYAxisScale(zel::axisscales::kFixed);
    m.setYAxisMax(20);
    m.setYAxisMin(0);
    const auto between = [&](const QImage& img, const ChartLayout& l) {
        const int x = static_cast<int>((l.categoryPos(2) + l.categoryPos(3)) / 2);
        return img.pixel(x, static_cast<int>(l.valuePos(5)));
    };
    QVERIFY(isWhite(between(renderOf(m), layoutOf(m))));
    QVERIFY(m.setBarGap(0));
    QVERIFY(!isWhite(between(renderOf(m), layoutOf(m))));
}

void TestChartRender::aBandKeepsItsWidthOnSteepSegments() {
    // A band that climbs the whole plot between two points and then runs flat:
    // across its steep part it is as wide as across its flat part, not a hairline.
    // Measured from the first to the last inked pixel, since a monochrome band
    // may be white inside its outline.
    zel::ChartModel m;
    m.setChartType(static_cast<int>(zel::ChartType::Band));
    m.setChartStyle(zel::chartstyles::kBand);
    m.setPointCount(3);
    fill(m, 1, {0, 100, 100});
    m.setYAxisScale(zel::axisscales::kFixed);
    m.setYAxisMax(110);
    m.setYAxisMin(-10);
    const auto l = layoutOf(m);
    const QRect plot = l.plot().toRect().adjusted(2, 2, -2, -2);
    for (const bool mono : {false, true}) {
        const QImage img = renderOf(m, mono);
        const auto span = [&](QPoint from, QPoint step, int count) {
            int first = -1, last = -1;
            for (int i = 0; i < count; ++i)
                if (!isWhite(img.pixel(from + step * i))) {
                    if (first < 0) first = i;
                    last = i;
                }
            return first < 0 ? 0 : last - first + 1;
        };
        // Across the steep part, along the row halfway up; across the flat
        // part, down the column halfway between points 2 and 3.
        const int across = span({plot.left(), static_cast<int>(l.valuePos(50))}, {1, 0}, plot.width());
        const int down = span({static_cast<int>((l.categoryPos(2) + l.categoryPos(3)) / 2), plot.top()},
                              {0, 1}, plot.height());
        QVERIFY2(down >= 8, qPrintable(QString("flat part %1 px, mono %2").arg(down).arg(mono)));
        QVERIFY2(across >= down - 1,
                 qPrintable(
                     QString("steep part %1 px, flat part %2 px, mono %3").arg(across).arg(down).arg(mono)));
    }
}

void TestChartRender::whiskerCapsOnTheAxisEndsStayVisible() {
    // The figures' axis runs exactly from the lowest minimum to the highest
    // maximum: the caps there must show inside the frame, not under it.
    zel::ChartModel m;
    m.setChartType(static_cast<int>(zel::ChartType::StatsByVariable));
    m.setChartStyle(zel::chartstyles::kStatsBoxFigure);
    m.setSeriesCount(7);
    m.setPointCount(1);
    const double sets[7] = {0, 3, 3, 5, 7, 7, 10}; // min, mean - sd (x2), mean, mean + sd (x2), max
    for (int s = 1; s <= 7; ++s)
        fill(m, s, {sets[s - 1]});
    m.setYAxisScale(zel::axisscales::kFixed);
    m.setYAxisMax(10);
    m.setYAxisMin(0);
    const ChartLayout l = layoutOf(m);
    const QImage img = renderOf(m);
    const int c = static_cast<int>(l.categoryPos(1));
    const int off = 4; // beside the whisker itself, on the cap
    for (int y : {static_cast<int>(l.plot().top()) + 2, static_cast<int>(l.plot().bottom()) - 3}) {
        bool ink = false;
        for (int dy = -1; dy <= 1; ++dy)
            ink = ink || !isWhite(img.pixel(c + off, y + dy));
        QVERIFY2(ink, qPrintable(QString("no cap near y %1").arg(y)));
    }
}

void TestChartRender::statisticsLinesAreDrawnOnlyWhenAsked() {
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(3); // sticks, not joined: any line across the plot is a statistics line
    m.setPointCount(6);
    fill(m, 1, {1, 9, 2, 8, 3, 7}); // mean 5
    m.setYAxisScale(2);
    m.setYAxisMax(10);
    m.setYAxisMin(0);
    m.setYAxisTicks(5);
    auto darkOnRow = [](const QImage& img, const ChartLayout& l, double value) {
        const int y = static_cast<int>(std::lround(l.valuePos(value)));
        int dark = 0;
        for (int x = static_cast<int>(l.plot().left()) + 3; x < static_cast<int>(l.plot().right()) - 3; ++x) {
            bool hit = false;
            for (int dy = -1; dy <= 1; ++dy)
                hit = hit || qGray(img.pixel(x, y + dy)) < 200;
            dark += hit ? 1 : 0;
        }
        return dark;
    };
    const auto l0 = layoutOf(m);
    QVERIFY(l0.statLines().empty());
    const int without = darkOnRow(renderOf(m), l0, 5.0);
    m.setStatLines(1);
    const auto l1 = layoutOf(m);
    QCOMPARE(static_cast<int>(l1.statLines().size()), 1);
    const int with = darkOnRow(renderOf(m), l1, 5.0);
    QVERIFY2(with > static_cast<int>(l1.plot().width() * 0.8), qPrintable(QString::number(with)));
    QVERIFY(without < l0.plot().width() * 0.2);
    // Max/min and sigma lines come with their own rows.
    m.setStatLines(2 + 4);
    const auto l2 = layoutOf(m);
    const QImage img2 = renderOf(m);
    QVERIFY(darkOnRow(img2, l2, 9.0) > l2.plot().width() * 0.5);
    QVERIFY(darkOnRow(img2, l2, 1.0) > l2.plot().width() * 0.5);
    int sigma = 0;
    for (const auto& s : l2.statLines())
        sigma += s.kind == zel::StatLineKind::Sigma ? 1 : 0;
    QCOMPARE(sigma, 6);
}

void TestChartRender::hitTestFindsTheDrawnPoint() {
    zel::ChartModel m;
    m.setChartType(9);
    m.setChartStyle(0);
    m.setSeriesCount(2);
    m.setPointCount(4);
    const double xs[2][4] = {{1, 2, 3, 4}, {1.5, 2.5, 3.5, 4.5}};
    const double ys[2][4] = {{3, 5, 4, 8}, {2, 6, 7, 1}};
    for (int s = 1; s <= 2; ++s)
        for (int p = 1; p <= 4; ++p) {
            m.setCurrentSeries(s);
            m.setCurrentPoint(p);
            m.setPointXPos(xs[s - 1][p - 1]);
            m.setPointValue(ys[s - 1][p - 1]);
        }
    const auto l = layoutOf(m);
    const QImage img = renderOf(m);
    const QPointF at(l.xPos(3.5), l.valuePos(7));
    QVERIFY(!isWhite(img.pixel(at.toPoint()))); // the marker is there
    const auto hit =
        ChartRenderer::hitTest(m, QRectF(QPointF(0, 0), QSizeF(kSize)), at + QPointF(2, -2), {false, 1.0});
    QVERIFY(hit.has_value());
    QCOMPARE(hit->series, 2);
    QCOMPARE(hit->point, 3);
    // Far from any point: nothing.
    QVERIFY(!ChartRenderer::hitTest(m, QRectF(QPointF(0, 0), QSizeF(kSize)),
                                    QPointF(l.xPos(1), l.valuePos(8)), {})
                 .has_value());

    // Bars are hit inside their rectangles.
    zel::ChartModel b;
    b.setChartType(3);
    b.setPointCount(3);
    fill(b, 1, {4, 8, 2});
    const auto lb = layoutOf(b);
    const auto bh = ChartRenderer::hitTest(b, QRectF(QPointF(0, 0), QSizeF(kSize)),
                                           QPointF(lb.categoryPos(2), lb.valuePos(6)), {});
    QVERIFY(bh && bh->point == 2 && bh->series == 1);
    QVERIFY(!ChartRenderer::hitTest(b, QRectF(QPointF(0, 0), QSizeF(kSize)),
                                    QPointF(lb.categoryPos(3), lb.valuePos(6)), {}));
}

void TestChartRender::crowdedLabelsNeverOverlap() {
    for (int count : {5, 40, 300, 5000}) {
        zel::ChartModel m;
        m.setChartType(6);
        m.setChartStyle(5);
        m.setPointCount(count);
        m.setCurrentSeries(1);
        m.setCurrentPoint(1);
        for (int i = 1; i <= count; ++i) {
            m.setPointValue(std::sin(i * 0.1));
            m.setPointLabelAt(i, "ロット" + std::to_string(i));
        }
        const auto l = layoutOf(m);
        const auto& labels = l.categoryLabels();
        QVERIFY(!labels.empty());
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QVERIFY(QRectF(QPointF(0, 0), QSizeF(kSize)).contains(labels[i].rect));
            QVERIFY(labels[i].rect.top() >= l.plot().bottom());
            for (std::size_t j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!labels[i].rect.intersects(labels[j].rect),
                         qPrintable(QString("%1 labels: %2 and %3 overlap").arg(count).arg(i).arg(j)));
        }
        if (count == 5) {
            QCOMPARE(static_cast<int>(labels.size()), 5);
            QVERIFY(!labels[0].upright);
            QCOMPARE(labels[2].text, QStringLiteral("ロット3"));
        } else {
            QVERIFY(labels[0].upright);
        }
        if (count >= 300) QVERIFY(static_cast<int>(labels.size()) < count);
    }
    // Horizontal bars: category labels down the left side, apart.
    zel::ChartModel h;
    h.setChartType(3);
    h.setChartStyle(1);
    h.setPointCount(200);
    for (int i = 1; i <= 200; ++i)
        h.setPointLabelAt(i, "品目" + std::to_string(i));
    const auto lh = layoutOf(h);
    const auto& hl = lh.categoryLabels();
    for (std::size_t i = 1; i < hl.size(); ++i)
        QVERIFY(!hl[i - 1].rect.intersects(hl[i].rect));
    QVERIFY(hl.front().rect.right() <= lh.plot().left());
}

namespace {

std::vector<zel::ChartModel> galleryModels() {
    std::vector<zel::ChartModel> out;
    auto base = [](int type, int style, int series, int points) {
        zel::ChartModel m;
        m.setChartType(type);
        m.setChartStyle(style);
        m.setSeriesCount(series);
        m.setPointCount(points);
        m.setCurrentSeries(1);
        m.setCurrentPoint(1);
        for (int s = 1; s <= series; ++s)
            for (int p = 1; p <= points; ++p)
                m.setPointValue(3 + s + std::fmod(p * 7.3 + s * 3.1, 5.0));
        for (int s = 1; s <= series; ++s)
            m.setLegendAt(s, "系列" + std::to_string(s));
        m.setTitleTop("グラフ");
        m.setTitleLeft("値");
        m.setTitleBottom("番号");
        m.setGridLines(3);
        m.setGridLineStyle(1);
        return m;
    };
    out.push_back(base(3, 0, 3, 6));
    out.push_back(base(3, 2, 3, 6));
    out.push_back(base(3, 3, 3, 6));
    out.push_back(base(6, 5, 3, 12));
    out.back().setStatLines(15);
    out.push_back(base(7, 5, 2, 12));
    out.push_back(base(8, 0, 3, 8));
    out.push_back(base(8, 1, 3, 8));
    out.push_back(base(13, 0, 2, 8));
    out.push_back(base(22, 5, 1, 10));
    out.push_back(base(5, 1, 4, 5));
    zel::ChartModel sc = base(9, 3, 2, 10);
    for (int s = 1; s <= 2; ++s)
        for (int p = 1; p <= 10; ++p) {
            sc.setCurrentSeries(s);
            sc.setCurrentPoint(p);
            sc.setPointXPos(p * 1.5);
        }
    sc.setStatLines(8);
    sc.setPointPattern(4);
    out.push_back(sc);
    // Statistics by variable: seven sets per variable.
    zel::ChartModel st = base(17, 2, 7, 3);
    st.setCurrentSeries(1);
    st.setCurrentPoint(1);
    const double sets[7] = {1, 3, 3, 5, 7, 7, 9};
    for (int s = 0; s < 7; ++s)
        for (int p = 1; p <= 3; ++p)
            st.setPointValue(sets[s] + p);
    out.push_back(st);
    // Pareto: bars with the cumulative line on the right axis.
    zel::ChartModel pa = base(3, 0, 1, 5);
    pa.setOverlayMode(2);
    for (int i = 1; i <= 5; ++i) {
        pa.setCurrentPoint(i);
        pa.setOverlayValue(20.0 * i);
    }
    pa.setYAxisSelect(1);
    pa.setYAxisScale(2);
    pa.setYAxisMax(100);
    pa.setYAxisMin(0);
    pa.setYAxisTicks(10);
    pa.setYAxisSelect(0);
    pa.setPointPattern(4);
    out.push_back(pa);
    out.push_back(controlChart());
    // The histogram's bar-mean kind: counts at the class mids on a fixed class axis, the
    // series means as sticks with triangles.
    zel::ChartModel hm = base(6, 3, 2, 8);
    hm.setXAxisScale(2);
    hm.setXAxisTicks(8);
    hm.setXAxisMin(10);
    hm.setXAxisMax(26);
    hm.setCurrentSeries(1);
    for (int k = 1; k <= 8; ++k) {
        hm.setCurrentPoint(k);
        hm.setPointXPos(11 + 2 * (k - 1));
    }
    hm.setOverlayMode(1);
    for (int i = 1; i <= 5; ++i)
        hm.setOverlayOption(i, std::vector<int>{0, 3, 1, 5, 12}[static_cast<std::size_t>(i - 1)]);
    for (int k = 1; k <= 8; ++k) {
        hm.setCurrentPoint(k);
        hm.setOverlayXPos(k == 1 ? 17.5 : 16.2);
        hm.setOverlayValue(k == 1 ? 8 * 0.8 : 8 * 0.9);
    }
    out.push_back(hm);
    // A crowded time axis: the labels stand upright and thin out.
    zel::ChartModel ts = base(22, 1, 1, 150);
    for (int i = 1; i <= 150; ++i)
        ts.setPointLabelAt(i, "4月" + std::to_string(i % 30 + 1) + "日");
    out.push_back(ts);
    return out;
}

} // namespace

void TestChartRender::monochromeOutputHasNoColour() {
    // ZEL_CHART_PNG_DIR, when set, receives every picture for a look by eye.
    const QString dir = qEnvironmentVariable("ZEL_CHART_PNG_DIR");
    int index = 0;
    for (const auto& m : galleryModels()) {
        const QImage colour = renderOf(m, false);
        if (!dir.isEmpty()) {
            colour.save(QString("%1/chart%2.png").arg(dir).arg(index));
            renderOf(m, true).save(QString("%1/chart%2m.png").arg(dir).arg(index));
        }
        ++index;
        QVERIFY2(colourPixels(colour) > 100,
                 qPrintable(QString("type %1").arg(static_cast<int>(m.chartType()))));
        const QImage mono = renderOf(m, true);
        QVERIFY2(
            colourPixels(mono) == 0,
            qPrintable(QString("type %1 style %2").arg(static_cast<int>(m.chartType())).arg(m.chartStyle())));
        // Something is drawn in the plot in monochrome too.
        const auto l = layoutOf(m);
        int ink = 0;
        for (int y = static_cast<int>(l.plot().top()) + 2; y < static_cast<int>(l.plot().bottom()) - 2;
             y += 2)
            for (int x = static_cast<int>(l.plot().left()) + 2; x < static_cast<int>(l.plot().right()) - 2;
                 x += 2)
                ink += qGray(mono.pixel(x, y)) < 235 ? 1 : 0;
        QVERIFY(ink > 20);
    }
}

void TestChartRender::everyTwoDimensionalKindDrawsInsideThePlot() {
    // Nothing the painters draw spills beyond the target, whatever the kind; the right
    // axis of the Pareto chart runs 0..100 as set.
    for (const auto& m : galleryModels()) {
        QImage img(QSize(900, 600), QImage::Format_ARGB32);
        img.fill(Qt::blue);
        QPainter p(&img);
        ChartRenderer::render(m, &p, QRectF(100, 100, 700, 400), {false, 1.0});
        p.end();
        QCOMPARE(img.pixel(50, 50), QColor(Qt::blue).rgb());
        QCOMPARE(img.pixel(850, 550), QColor(Qt::blue).rgb());
        QCOMPARE(img.pixel(450, 95), QColor(Qt::blue).rgb());
        if (m.overlayMode() == 2) {
            const auto l = layoutOf(m);
            QVERIFY(l.hasRightAxis());
            QCOMPARE(l.rightAxis().min, 0.0);
            QCOMPARE(l.rightAxis().max, 100.0);
            QCOMPARE(static_cast<int>(l.rightAxis().ticks.size()), 11);
        }
    }
}

void TestChartRender::lineSeriesWithoutXPositionsShareThoseOfTheFirst() {
    // The histogram writes the class mids for series 1 only; series 2 stands on them too,
    // and a click on its point reports series 2.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(3);
    m.setSeriesCount(2);
    m.setPointCount(4);
    fill(m, 1, {1, 2, 3, 4});
    fill(m, 2, {5, 6, 7, 8});
    m.setCurrentSeries(1);
    for (int k = 1; k <= 4; ++k) {
        m.setCurrentPoint(k);
        m.setPointXPos(10.0 + 2 * k);
    }
    m.setXAxisScale(2);
    m.setXAxisMin(10);
    m.setXAxisMax(20);
    m.setXAxisTicks(5);
    const auto l = layoutOf(m);
    QVERIFY(l.numericX());
    QCOMPARE(l.xAxis().min, 10.0);
    QCOMPARE(l.xAxis().max, 20.0);
    QCOMPARE(l.xSeriesOf(2), 1);
    QCOMPARE(l.alongOf(m, 2, 3), l.xPos(16.0));
    const auto hit = ChartRenderer::hitTest(m, QRectF(QPointF(0, 0), QSizeF(kSize)),
                                            QPointF(l.xPos(16.0), l.valuePos(7)), {});
    QVERIFY(hit && hit->series == 2 && hit->point == 3);
    // A series with x positions of its own keeps them.
    m.setCurrentSeries(2);
    m.setCurrentPoint(1);
    m.setPointXPos(19);
    QCOMPARE(layoutOf(m).xSeriesOf(2), 2);
}

// The mean chart with point 4 (12.8, above its neighbours) and point 6 (8.4, below
// them) flagged.
zel::ChartModel flaggedControlChart() {
    zel::ChartModel m = controlChart();
    m.setCurrentSeries(4);
    m.setCurrentPoint(4);
    m.setPointSignal("1,5");
    m.setCurrentPoint(6);
    m.setPointSignal("2");
    return m;
}

void TestChartRender::signalPointsStandOutInColourAndInMonochrome() {
    const zel::ChartModel m = flaggedControlChart();
    const auto l = layoutOf(m);
    const QPointF flagged(l.categoryPos(4), l.valuePos(12.8));
    const QPointF plain(l.categoryPos(2), l.valuePos(11.5)); // also above its neighbours
    const auto isSignalRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 50 && qBlue(c) < 50; };
    const QImage colour = renderOf(m);
    QVERIFY(isSignalRed(colour.pixel(flagged.toPoint())));
    QVERIFY(!isSignalRed(colour.pixel(plain.toPoint())));
    // Larger than a data marker: its tip stands 5 pixels above the point, where the
    // lines (running down from a peak) leave the plain point's surroundings white.
    const QPoint tip(0, -5);
    QVERIFY(isSignalRed(colour.pixel(flagged.toPoint() + tip)));
    QVERIFY(isWhite(colour.pixel(plain.toPoint() + tip)));
    // Without colour the shape tells it.
    const QImage mono = renderOf(m, true);
    QCOMPARE(qGray(mono.pixel(flagged.toPoint() + tip)) < 60, true);
    QVERIFY(isWhite(mono.pixel(plain.toPoint() + tip)));
    // Every file carries the texts; a flagged point is hit as any other.
    const QByteArray svg = svgOf(m);
    QVERIFY(svg.contains(">1,5<"));
    QVERIFY(svg.contains(">2<"));
    const auto hit =
        ChartRenderer::hitTest(m, QRectF(QPointF(0, 0), QSizeF(kSize)), flagged + QPointF(2, 2), {});
    QVERIFY(hit && hit->series == 4 && hit->point == 4);
}

void TestChartRender::signalTextsStandBesideTheirPointsClearOfTheLines() {
    const zel::ChartModel m = flaggedControlChart();
    const auto l = layoutOf(m);
    const std::vector<SignalMark> marks = signalMarks(m, l);
    QCOMPARE(marks.size(), std::size_t(2));
    QCOMPARE(marks[0].point, 4);
    QCOMPARE(marks[0].text, QStringLiteral("1,5"));
    QCOMPARE(marks[1].point, 6);
    // A peak's text above it, a trough's below it, each near its point, inside the plot.
    // A peak's text above it, a trough's below it, when nothing is in the way there.
    zel::ChartModel meanOnly = m;
    meanOnly.setStatLines(zel::statlines::kMean);
    const std::vector<SignalMark> free = signalMarks(meanOnly, layoutOf(meanOnly));
    QVERIFY(free[0].textRect.bottom() < free[0].centre.y() - free[0].size / 2);
    QVERIFY(std::abs(free[0].textRect.center().x() - free[0].centre.x()) < 1);
    QVERIFY(free[1].textRect.top() > free[1].centre.y() + free[1].size / 2);
    // With the sigma lines drawn, the +2σ line runs just above point 4: its text steps
    // aside. Each text stays near its point, inside the plot.
    QVERIFY(marks[0].textRect != free[0].textRect);
    for (const SignalMark& s : marks) {
        QVERIFY(!s.textRect.isEmpty());
        QVERIFY(l.plot().contains(s.textRect));
        QVERIFY(std::abs(s.textRect.center().x() - s.centre.x()) < l.slotWidth());
    }
    // The text covers nothing of the chart: where it stands the chart without flags is white,
    // and the chart with them has the signal colour there.
    zel::ChartModel bare = m;
    bare.clearArray(zel::clearcodes::kSignals);
    const QImage without = renderOf(bare);
    const QImage with = renderOf(m);
    for (const SignalMark& s : marks) {
        int inked = 0;
        const QRect r = s.textRect.toAlignedRect();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                QVERIFY2(isWhite(without.pixel(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (qRed(with.pixel(x, y)) > 150 && qGreen(with.pixel(x, y)) < 100) ++inked;
            }
        QVERIFY(inked > 10);
    }
    // On a plain line chart (no control lines) a flagged point draws the same way.
    zel::ChartModel plainLine;
    plainLine.setChartType(6);
    plainLine.setChartStyle(1);
    plainLine.setPointCount(5);
    fill(plainLine, 1, {1, 4, 2, 3, 2});
    plainLine.setCurrentPoint(2);
    plainLine.setPointSignal("7");
    const auto pl = layoutOf(plainLine);
    const auto plainMarks = signalMarks(plainLine, pl);
    QCOMPARE(plainMarks.size(), std::size_t(1));
    QVERIFY(!plainMarks[0].textRect.isEmpty());
    QVERIFY(renderOf(plainLine).pixel(plainMarks[0].centre.toPoint()) == qRgb(0xe0, 0x10, 0x10));
}

void TestChartRender::signalTextsOfPointsOnThePlotEdgesStayShown() {
    // Points beyond the limits often lie on the axis ends themselves, just past a
    // limit line, with the lines to their neighbours rising from them: an Xbar
    // chart of means 11, 12, 11, 12, 31 against CL 15.4, UCL 19.16, LCL 11.64 on
    // the fixed axis 11..31. Their rule numbers still show, inside the plot, over
    // no other text or marker.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    m.setSeriesCount(4);
    m.setPointCount(5);
    fill(m, 1, std::vector<double>(5, 15.4));
    fill(m, 2, std::vector<double>(5, 19.16));
    fill(m, 3, std::vector<double>(5, 11.64));
    fill(m, 4, {11, 12, 11, 12, 31});
    setLinesFirst(m);
    m.setYAxisScale(2);
    m.setYAxisMax(31);
    m.setYAxisMin(11);
    m.setCurrentSeries(4);
    for (int p : {1, 3, 5}) {
        m.setCurrentPoint(p);
        m.setPointSignal("1");
    }
    for (const QSize size : {QSize(800, 400), QSize(600, 300), kSize}) {
        const auto l = layoutOf(m, size);
        const std::vector<SignalMark> marks = signalMarks(m, l);
        QCOMPARE(marks.size(), std::size_t(3));
        for (const SignalMark& s : marks) {
            QVERIFY2(
                !s.textRect.isEmpty(),
                qPrintable(
                    QStringLiteral("point %1 at %2x%3").arg(s.point).arg(size.width()).arg(size.height())));
            QVERIFY(l.plot().contains(s.textRect));
            // Where it has to stand on a line it stands on a white box.
            if (s.point == 1 && size == QSize(800, 400)) QVERIFY(s.overLines);
            for (const SignalMark& t : marks) {
                const QRectF marker(t.centre - QPointF(t.size / 2, t.size / 2), QSizeF(t.size, t.size));
                QVERIFY(!s.textRect.intersects(marker));
                if (&t != &s) QVERIFY(!t.textRect.intersects(s.textRect));
            }
        }
    }
    // The ring of the point on the axis's top end is drawn whole, above the frame too.
    const auto l = layoutOf(m);
    const std::vector<SignalMark> marks = signalMarks(m, l);
    const SignalMark& top = marks.back();
    QCOMPARE(top.point, 5);
    const QImage img = renderOf(m);
    const auto isSignalRed = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110; };
    bool ringTop = false;
    const double r = top.size / 2 - 0.7;
    for (int dy = -2; dy <= 2; ++dy)
        ringTop =
            ringTop || isSignalRed(img.pixel(QPointF(top.centre.x(), top.centre.y() - r + dy).toPoint()));
    QVERIFY(top.centre.y() - r < l.plot().top() - 6);
    QVERIFY(ringTop);
}

void TestChartRender::crowdedSignalTextsNeverOverlap() {
    // 32767 readings on an X chart, every hundredth flagged.
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(5);
    const int n = zel::ChartModel::kMaxCount;
    m.setSeriesCount(4);
    m.setPointCount(n);
    std::vector<double> data(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        data[static_cast<std::size_t>(i)] = 10 + 3 * std::sin(i * 0.37) + (i % 100 == 0 ? 6 : 0);
    fill(m, 1, std::vector<double>(static_cast<std::size_t>(n), 10));
    fill(m, 2, std::vector<double>(static_cast<std::size_t>(n), 15));
    fill(m, 3, std::vector<double>(static_cast<std::size_t>(n), 5));
    fill(m, 4, data);
    setLinesFirst(m);
    m.setCurrentSeries(4);
    for (int p = 1; p <= n; p += 100) {
        m.setCurrentPoint(p);
        m.setPointSignal("1");
    }
    const auto l = layoutOf(m);
    const auto marks = signalMarks(m, l);
    QCOMPARE(marks.size(), std::size_t(328));
    std::vector<QRectF> placed;
    for (const SignalMark& s : marks) {
        if (s.textRect.isEmpty()) continue;
        QVERIFY(l.plot().contains(s.textRect));
        for (const QRectF& other : placed)
            QVERIFY(!other.intersects(s.textRect));
        for (const SignalMark& t : marks) // no text over a signal marker
            QVERIFY(!s.textRect.intersects(
                QRectF(t.centre - QPointF(t.size / 2, t.size / 2), QSizeF(t.size, t.size))));
        placed.push_back(s.textRect);
    }
    QVERIFY(!placed.empty());
}

// Classes 10..12, 12..16, 16..17 with counts 2, 8, 4.
const std::vector<double> kBounds{10, 12, 16, 17};

zel::ChartModel classBars() {
    zel::ChartModel m;
    m.setChartType(3);
    m.setPointCount(3);
    m.setBarGap(0);
    fill(m, 1, {2, 8, 4});
    return m;
}

// The same classes as sticks on a numeric class axis (the mean kinds).
zel::ChartModel classSticks() {
    zel::ChartModel m;
    m.setChartType(6);
    m.setChartStyle(zel::chartstyles::kLineSticks);
    m.setPointCount(3);
    fill(m, 1, {2, 8, 4});
    for (int p = 1; p <= 3; ++p) {
        m.setCurrentPoint(p);
        m.setPointXPos((kBounds[static_cast<std::size_t>(p - 1)] + kBounds[static_cast<std::size_t>(p)]) / 2);
    }
    m.setXAxisScale(zel::axisscales::kFixed);
    m.setXAxisMin(10);
    m.setXAxisMax(17);
    return m;
}

void TestChartRender::referenceLinesStandAtTheirValueOnEitherClassAxis() {
    const auto isLimitRed = [](QRgb c) { return qRed(c) > 170 && qGreen(c) < 80 && qBlue(c) < 80; };
    // 13 lies a quarter into the wide second class: on the bars' category axis a
    // quarter into the second bar, on the numeric axis at 13 itself.
    zel::ChartModel bars = classBars();
    QVERIFY(bars.addReferenceLine(zel::classAxisPosition(kBounds, 13), "上限規格"));
    QVERIFY(bars.addReferenceLine(zel::classAxisPosition(kBounds, 10.5), "下限規格"));
    zel::ChartModel sticks = classSticks();
    QVERIFY(sticks.addReferenceLine(13, "上限規格"));
    QVERIFY(sticks.addReferenceLine(10.5, "下限規格"));
    sticks.addReferenceLine(40, "外"); // off the axis: not drawn
    for (const zel::ChartModel* m : {&bars, &sticks}) {
        const auto l = layoutOf(*m);
        const double x = m == &bars ? l.plot().left() + 1.25 * l.slotWidth() : l.xPos(13);
        const QImage img = renderOf(*m);
        // Across the whole height, over the bar too, beside nothing else red.
        for (double y : {l.plot().top() + 0.4 * l.plot().height(), l.plot().bottom() - 5}) {
            const QPoint at = QPointF(x, y).toPoint();
            QVERIFY2(isLimitRed(img.pixel(at)) || isLimitRed(img.pixel(at + QPoint(1, 0))) ||
                         isLimitRed(img.pixel(at - QPoint(1, 0))),
                     qPrintable(QString::number(y)));
            QVERIFY(!isLimitRed(img.pixel(QPointF(x + 6, y).toPoint())));
            QVERIFY(!isLimitRed(img.pixel(QPointF(x - 6, y).toPoint())));
        }
        const QByteArray svg = svgOf(*m);
        QVERIFY(svg.contains(">上限規格<"));
        QVERIFY(svg.contains(">下限規格<"));
        QVERIFY(!svg.contains(">外<"));
        // In monochrome still there, without colour.
        const QImage mono = renderOf(*m, true);
        QCOMPARE(colourPixels(mono), 0);
        int dark = 0;
        for (int y = static_cast<int>(l.plot().top() + 40); y < static_cast<int>(l.plot().bottom()); ++y)
            dark += std::min({qGray(mono.pixel(static_cast<int>(x) - 1, y)),
                              qGray(mono.pixel(static_cast<int>(x), y)),
                              qGray(mono.pixel(static_cast<int>(x) + 1, y))}) < 128
                        ? 1
                        : 0;
        QVERIFY(dark > 20);
    }
}

void TestChartRender::theCurvePassesThroughItsPointsOverTheBarsAndCanBeHidden() {
    zel::ChartModel m = classBars();
    // Above the highest bar at the second class: the axis makes room for it.
    const std::vector<std::pair<double, double>> pts{{0.5, 1}, {1, 3}, {2, 11}, {3, 5}, {3.5, 2}};
    for (const auto& [x, y] : pts)
        QVERIFY(m.addCurvePoint(x, y));
    const auto l = layoutOf(m);
    QVERIFY(l.valueAxis().max >= 11);
    const QImage img = renderOf(m);
    // The curve's own dark grey, not the bars' blue outline.
    const auto isCurve = [](QRgb c) {
        const int hi = std::max({qRed(c), qGreen(c), qBlue(c)}),
                  lo = std::min({qRed(c), qGreen(c), qBlue(c)});
        return hi < 90 && hi - lo < 25;
    };
    for (const auto& [x, y] : pts) {
        const QPointF at(l.alongAt(x), l.valuePos(y));
        if (!l.plot().adjusted(2, 2, -2, -2).contains(at)) continue;
        QVERIFY2(isCurve(img.pixel(at.toPoint())), qPrintable(QStringLiteral("%1 %2").arg(x).arg(y)));
    }
    // Joined between them: a quarter of the way from the second to the third class
    // the curve runs above the second bar, below the top point.
    bool found = false;
    const int quarterX = static_cast<int>(std::lround(l.alongAt(2.25)));
    for (int y = static_cast<int>(l.valuePos(11)) + 3; y <= static_cast<int>(l.valuePos(8)) - 3; ++y)
        found = found || isCurve(img.pixel(quarterX, y));
    QVERIFY(found);
    // Hidden, the chart is the chart without a curve; shown again, it is back.
    zel::ChartModel hidden = m;
    hidden.setCurveShown(0);
    QCOMPARE(renderOf(hidden), renderOf(classBars()));
    hidden.setCurveShown(1);
    QCOMPARE(renderOf(hidden), img);
}

QTEST_MAIN(TestChartRender)
#include "tst_chart_render.moc"

void TestChartRender::referenceLinesBeyondTheClassesWidenTheAxisToShowThem() {
    const auto isLimitRed = [](QRgb c) { return qRed(c) > 170 && qGreen(c) < 80 && qBlue(c) < 80; };
    const auto redNear = [&](const QImage& img, double x, double y) {
        for (int dx = -1; dx <= 1; ++dx)
            if (isLimitRed(img.pixel(QPointF(x + dx, y).toPoint()))) return true;
        return false;
    };
    // Inside the classes the axis is the classes' own: 0.5 .. 3.5 slots.
    zel::ChartModel inside = classBars();
    QVERIFY(inside.addReferenceLine(zel::classAxisPosition(kBounds, 13), "上限規格"));
    QCOMPARE(layoutOf(inside).firstAlong(), 0.5);
    QCOMPARE(layoutOf(inside).lastAlong(), 3.5);

    // 8 lies one class width (of the first class) below 10: slot -0.5; 19 three widths
    // of the last class above 17: slot 5.5. Half a slot of room beyond each.
    zel::ChartModel bars = classBars();
    QVERIFY(bars.addReferenceLine(zel::classAxisPosition(kBounds, 8), "下限規格"));
    QVERIFY(bars.addReferenceLine(zel::classAxisPosition(kBounds, 19), "上限規格"));
    const ChartLayout l = layoutOf(bars);
    QCOMPARE(l.firstAlong(), -1.0);
    QCOMPARE(l.lastAlong(), 6.0);
    QVERIFY(qAbs(l.slotWidth() - l.plot().width() / 7) < 1e-9);
    // The bars and their labels move in together.
    QVERIFY(qAbs(l.categoryPos(1) - (l.plot().left() + 2 * l.slotWidth())) < 1e-9);
    QVERIFY(qAbs(l.slotAt(l.categoryPos(3)) - 3) < 1e-9);
    QCOMPARE(l.categoryLabels().size(), std::size_t{3});
    QVERIFY(qAbs(l.categoryLabels()[0].rect.center().x() - l.categoryPos(1)) < 1.0);
    const QImage img = renderOf(bars);
    const double y = l.plot().top() + 0.6 * l.plot().height();
    QVERIFY(redNear(img, l.alongAt(-0.5), y));
    QVERIFY(redNear(img, l.alongAt(5.5), y));
    const QByteArray svg = svgOf(bars);
    QVERIFY(svg.contains(">上限規格<"));
    QVERIFY(svg.contains(">下限規格<"));
    // A click on the middle bar still finds it.
    const auto hit = ChartRenderer::hitTest(bars, QRectF(QPointF(0, 0), QSizeF(kSize)),
                                            QPointF(l.categoryPos(2), l.valuePos(4)), {false, 1.0});
    QVERIFY(hit.has_value());
    QCOMPARE(hit->point, 2);

    // On an automatic numeric class axis the range takes them in, a little room beyond.
    zel::ChartModel sticks = classSticks();
    sticks.setXAxisScale(zel::axisscales::kAutomatic);
    QVERIFY(sticks.addReferenceLine(8, "下限規格"));
    QVERIFY(sticks.addReferenceLine(19, "上限規格"));
    const ChartLayout s = layoutOf(sticks);
    QVERIFY(s.xAxis().min < 8);
    QVERIFY(s.xAxis().max > 19);
    const QImage simg = renderOf(sticks);
    QVERIFY(redNear(simg, s.xPos(8), y));
    QVERIFY(redNear(simg, s.xPos(19), y));
}
