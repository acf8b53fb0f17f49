// The pie and 3-D chart families and the chart gallery: slice sizes and separation read
// back from the pixels, the 3-D projection and its hit testing, rotation, monochrome output.
#include "analysis/control/ControlChartGallery.h"
#include "analysis/control/RunRules.h"
#include "analysis/control/XbarR.h"
#include "analysis/histogram/CapabilityOverlay.h"
#include "analysis/histogram/HistogramFill.h"
#include "analysis/histogram/HistogramGallery.h"
#include "analysis/statistics/StatisticsGallery.h"
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/PiePainter.h"
#include "components/chart/Projection3D.h"
#include "components/chart/SeriesStyle.h"
#include "components/chart/ThreeDAreaPainter.h"
#include "components/chart/ThreeDBarPainter.h"
#include "components/chart/ThreeDPainters.h"
#include "components/chart/ThreeDScatterPainter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

ChartFrame frameFor(const QRectF& plot, bool mono = false) {
    ChartFrame f;
    f.plot = plot;
    f.font = QFont(QStringLiteral("IPAGothic"));
    f.font.setPixelSize(12);
    f.unit = 1.0;
    f.monochrome = mono;
    return f;
}

QImage paintWith(const ChartPainter& painter, const zel::ChartModel& m, const ChartFrame& f, QSize size) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    painter.paint(p, m, f);
    return img;
}

void fill(zel::ChartModel& m, const std::vector<double>& values) {
    m.setSeriesCount(1);
    m.setPointCount(static_cast<int>(values.size()));
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (double v : values)
        m.setPointValue(v);
}

bool near(QColor a, QColor b, int tol = 6) {
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
           std::abs(a.blue() - b.blue()) <= tol;
}

// Point at a clock angle (degrees clockwise from twelve o'clock) and radius from c.
QPoint atClock(QPointF c, double clockDeg, double radius) {
    const double a = (clockDeg - 90.0) * kDeg;
    return QPoint(static_cast<int>(std::lround(c.x() + radius * std::cos(a))),
                  static_cast<int>(std::lround(c.y() + radius * std::sin(a))));
}

// The first background pixel met walking out from c at a clock angle.
double rimDistance(const QImage& img, QPointF c, double clockDeg) {
    for (double r = 1; r < 400; r += 0.5) {
        const QPoint pt = atClock(c, clockDeg, r);
        if (!img.rect().contains(pt)) return r;
        if (img.pixelColor(pt) == QColor(Qt::white)) return r;
    }
    return 400;
}

int countColourPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue()) ++n;
        }
    return n;
}

int differingPixels(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

void scatterModel(zel::ChartModel& m) {
    // Points on the corners and middle of a 0..10 cube, so that the box coordinates are
    // value / 10.
    const double pts[][3] = {{0, 0, 0},  {10, 10, 10}, {10, 0, 0}, {0, 10, 0},
                             {0, 0, 10}, {5, 5, 5},    {2, 8, 6}};
    m.setSeriesCount(1);
    m.setPointCount(7);
    m.setCurrentSeries(1);
    for (int i = 0; i < 7; ++i) {
        m.setCurrentPoint(i + 1);
        m.setPointValue(pts[i][1]);
        m.setCurrentPoint(i + 1);
        m.setPointXPos(pts[i][0]);
        m.setPointZPos(pts[i][2]);
    }
    m.setChartType(21);
    m.setChartStyle(0);
}

} // namespace

class TestChart3D : public QObject {
    Q_OBJECT
  private slots:
    void pieSlicesAreProportionalToTheValues();
    void separatedSliceMovesOutwards();
    void pieHitTestFindsTheSliceUnderThePointer();
    void threeDPieIsTurnedByTheRotation();
    void pieLabelsNeverOverlap();
    void scatterPointsLandWhereTheProjectionPutsThem();
    void barHitTestFindsTheBarAndRotationChangesThePicture();
    void barsTooManyForTheAxisShareTheirPlaces();
    void monochromeHasNoColouredPixels();
    void boxAxisTextsNeverOverlapEvenEdgeOn();
    void seriesRowsKeepTheirNamesSeenLevel();
    void areaEndTurnedAwayIsHidden();
    void galleryWritesImagesAndIndex();
    void galleryReportsAnUnwritableFolder();
    void galleryControlChartsComeFromTheComputations();
    void galleryHistogramsAndStatisticsComeFromTheComputations();
    void galleryHistogramAndTablePicturesAreDrawn();
    void galleryRulePicturesCarryTheFlagsOfTheirLines();
    void galleryCapabilityPicturesCarryTheLimitsAndTheCurve();
};

void TestChart3D::pieSlicesAreProportionalToTheValues() {
    // 1 : 2 : 3 : 6 of 12 = 30, 60, 90 and 180 degrees clockwise from twelve o'clock.
    zel::ChartModel m;
    fill(m, {1, 2, 3, 6});
    m.setChartType(1);
    const QRectF plot(0, 0, 500, 500);
    const QImage img = paintWith(piePainter(), m, frameFor(plot), QSize(500, 500));
    const QPointF c = plot.center();
    const double mids[] = {15, 60, 135, 270};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(near(img.pixelColor(atClock(c, mids[i], 60)), SeriesStyle::colour(i + 1)),
                 qPrintable(QStringLiteral("slice %1").arg(i + 1)));
    // The boundaries: just either side of 30 and 90 degrees, and the whole left half.
    QVERIFY(near(img.pixelColor(atClock(c, 27, 80)), SeriesStyle::colour(1)));
    QVERIFY(near(img.pixelColor(atClock(c, 33, 80)), SeriesStyle::colour(2)));
    QVERIFY(near(img.pixelColor(atClock(c, 87, 80)), SeriesStyle::colour(2)));
    QVERIFY(near(img.pixelColor(atClock(c, 93, 80)), SeriesStyle::colour(3)));
    QVERIFY(near(img.pixelColor(atClock(c, 177, 80)), SeriesStyle::colour(3)));
    QVERIFY(near(img.pixelColor(atClock(c, 183, 80)), SeriesStyle::colour(4)));
    QVERIFY(near(img.pixelColor(atClock(c, 357, 80)), SeriesStyle::colour(4)));

    // Values of 0 or less take no slice: the others share the whole pie.
    zel::ChartModel z;
    fill(z, {0, -5, 1, 1});
    z.setChartType(1);
    const QImage img2 = paintWith(piePainter(), z, frameFor(plot), QSize(500, 500));
    QVERIFY(near(img2.pixelColor(atClock(c, 90, 60)), SeriesStyle::colour(3)));
    QVERIFY(near(img2.pixelColor(atClock(c, 270, 60)), SeriesStyle::colour(4)));
}

void TestChart3D::separatedSliceMovesOutwards() {
    zel::ChartModel m;
    fill(m, {1, 1, 1, 1});
    m.setChartType(1);
    const QRectF plot(0, 0, 500, 500);
    const QPointF c = plot.center();
    const QImage before = paintWith(piePainter(), m, frameFor(plot), QSize(500, 500));
    const double rim = rimDistance(before, c, 45);
    QVERIFY(rim > 50);
    m.setPointSeparatedAt(1, 1);
    const QImage after = paintWith(piePainter(), m, frameFor(plot), QSize(500, 500));
    // Beyond the old rim along the slice's middle the slice now shows; the others stay.
    QVERIFY(after.pixelColor(atClock(c, 45, rim + 8)) != QColor(Qt::white));
    QVERIFY(near(after.pixelColor(atClock(c, 45, rim + 4)), SeriesStyle::colour(1)));
    QCOMPARE(rimDistance(after, c, 135), rimDistance(before, c, 135));
    // The tip has left the centre: just outside the centre on its middle is background.
    QCOMPARE(after.pixelColor(atClock(c, 45, 3)), QColor(Qt::white));
    // Putting it back restores the picture.
    m.setPointSeparatedAt(1, 0);
    QCOMPARE(paintWith(piePainter(), m, frameFor(plot), QSize(500, 500)), before);
}

void TestChart3D::pieHitTestFindsTheSliceUnderThePointer() {
    zel::ChartModel m;
    fill(m, {5, 3, 2});
    m.setChartType(1);
    const ChartFrame f = frameFor(QRectF(0, 0, 500, 500));
    const QPointF c(250, 250);
    // 5/10 from 0 to 180, 3/10 to 288, 2/10 to 360.
    auto hit = piePainter().hitTest(m, f, atClock(c, 90, 60));
    QVERIFY(hit);
    QCOMPARE(hit->point, 1);
    QCOMPARE(hit->series, 1);
    QCOMPARE(piePainter().hitTest(m, f, atClock(c, 230, 60))->point, 2);
    QCOMPARE(piePainter().hitTest(m, f, atClock(c, 330, 60))->point, 3);
    QVERIFY(!piePainter().hitTest(m, f, QPointF(2, 2)));
    // Through the renderer: the point at the plot's slice of the same chart.
    m.setChartType(2);
    const QRectF target(0, 0, 800, 600);
    bool found[4] = {false, false, false, false};
    for (int y = 0; y < 600; y += 6)
        for (int x = 0; x < 800; x += 6)
            if (auto h = ChartRenderer::hitTest(m, target, QPointF(x, y))) {
                QCOMPARE(h->series, 1);
                QVERIFY(h->point >= 1 && h->point <= 3);
                found[h->point] = true;
            }
    QVERIFY(found[1] && found[2] && found[3]);
}

void TestChart3D::threeDPieIsTurnedByTheRotation() {
    zel::ChartModel m;
    fill(m, {1, 1});
    m.setChartType(2);
    const ChartFrame f = frameFor(QRectF(0, 0, 600, 500));
    m.setViewAngles({0, 30, 30});
    const auto flat = PiePainter::layout(m, f, true);
    QCOMPARE(flat.size(), std::size_t{1});
    QCOMPARE(flat[0].slices.size(), std::size_t{2});
    QCOMPARE(flat[0].slices[0].start, -90.0);
    QVERIFY(flat[0].ry < flat[0].rx); // tilted
    QVERIFY(flat[0].thickness > 0);   // with a side
    m.setViewAngles({40, 30, 30});
    QCOMPARE(PiePainter::layout(m, f, true)[0].slices[0].start, -50.0);
    // More elevation looks more from above: a rounder top.
    m.setViewAngles({40, 30, 60});
    QVERIFY(PiePainter::layout(m, f, true)[0].ry > flat[0].ry);
}

void TestChart3D::pieLabelsNeverOverlap() {
    // A histogram as a pie: thin classes side by side at twelve o'clock, long range labels.
    zel::ChartModel m;
    fill(m, {0, 4, 6, 21, 26, 21, 15, 6, 1, 1, 2, 0});
    for (int i = 1; i <= m.pointCount(); ++i)
        m.setPointLabelAt(i, "10.0" + std::to_string(i % 10) + "～10.0" + std::to_string((i + 1) % 10));
    for (const bool threeD : {false, true}) {
        m.setChartType(threeD ? 2 : 1);
        const ChartFrame f = frameFor(QRectF(0, 40, 1000, 600));
        const auto pies = PiePainter::layout(m, f, threeD);
        QCOMPARE(pies.size(), std::size_t{1});
        int shown = 0;
        const auto& slices = pies[0].slices;
        for (std::size_t i = 0; i < slices.size(); ++i) {
            if (slices[i].labelRect.isEmpty()) continue;
            ++shown;
            // Inside the plot, with its leader ending at the label's side.
            QVERIFY(f.plot.contains(slices[i].labelRect));
            const QRectF& r = slices[i].labelRect;
            QVERIFY(std::abs(slices[i].leaderTo.x() - r.left()) < 4 ||
                    std::abs(slices[i].leaderTo.x() - r.right()) < 4);
            for (std::size_t j = i + 1; j < slices.size(); ++j)
                QVERIFY2(!r.intersects(slices[j].labelRect),
                         qPrintable(QStringLiteral("%1 / %2").arg(slices[i].label, slices[j].label)));
        }
        QCOMPARE(shown, 10); // every slice but the two empty classes
    }
}

void TestChart3D::scatterPointsLandWhereTheProjectionPutsThem() {
    zel::ChartModel m;
    scatterModel(m);
    m.setViewAngles({35, 40, 25});
    const ChartFrame f = frameFor(QRectF(20, 30, 700, 500));
    const auto l = ThreeDScatterPainter::layout(m, f);
    QCOMPARE(l.points.size(), std::size_t{7});
    // The device positions are one scale-and-shift of Projection3D's output (box 1 x 0.8 x 1).
    const zel::Projection3D pr(m.viewAngles(), 1.0, 0.8, 1.0);
    const double coords[][3] = {{0, 0, 0}, {1, 1, 1},       {1, 0, 0},      {0, 1, 0},
                                {0, 0, 1}, {0.5, 0.5, 0.5}, {0.2, 0.8, 0.6}};
    const zel::Projected p0 = pr.project(0, 0, 0), p1 = pr.project(1, 1, 1);
    const QPointF d0 = l.points[0].device, d1 = l.points[1].device;
    const double sx = (d1.x() - d0.x()) / (p1.x - p0.x), sy = (d1.y() - d0.y()) / (p1.y - p0.y);
    QVERIFY(sx > 0);
    QVERIFY(sy < 0); // y up in the projection, down on the device
    for (int i = 2; i < 7; ++i) {
        const zel::Projected pj = pr.project(coords[i][0], coords[i][1], coords[i][2]);
        QVERIFY(std::abs(d0.x() + (pj.x - p0.x) * sx - l.points[i].device.x()) < 0.01);
        QVERIFY(std::abs(d0.y() + (pj.y - p0.y) * sy - l.points[i].device.y()) < 0.01);
    }
    // The marker is drawn there, and a click there finds the point.
    const QImage img = paintWith(scatter3DPainter(), m, f, QSize(760, 560));
    for (int i = 0; i < 7; ++i) {
        const QPointF d = l.points[i].device;
        QVERIFY(f.plot.contains(d));
        QVERIFY2(near(img.pixelColor(d.toPoint()), SeriesStyle::colour(1), 40),
                 qPrintable(QString::number(i)));
        const auto hit = scatter3DPainter().hitTest(m, f, d + QPointF(2, -1));
        QVERIFY(hit);
        QCOMPARE(hit->point, i + 1);
    }
    QVERIFY(!scatter3DPainter().hitTest(m, f, QPointF(25, 35)));
    // A different view moves the points.
    m.setViewAngles({-35, 40, 25});
    const auto turned = ThreeDScatterPainter::layout(m, f);
    QVERIFY(QLineF(turned.points[4].device, l.points[4].device).length() > 20);
}

void TestChart3D::barsTooManyForTheAxisShareTheirPlaces() {
    // 20000 values of 1 and 2 with one tall value and one below the base: far
    // more bars than the axis has pixels. Each drawn bar stands for the highest
    // (or lowest) value of its neighbours, so the tall and the negative one show.
    zel::ChartModel m;
    m.setSeriesCount(1);
    const int n = 20000;
    m.setPointCount(n);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (int i = 1; i <= n; ++i)
        m.setPointValue(i == 12345 ? 9.0 : i == 777 ? -4.0 : 1.0 + i % 2);
    m.setChartType(4);
    for (int style : {0, 1, 6, 7}) {
        m.setChartStyle(style);
        const auto l = ThreeDBarPainter::layout(m, frameFor(QRectF(0, 0, 700, 500)));
        QVERIFY2(l.bars.size() < 1400, qPrintable(QString::number(l.bars.size())));
        bool tall = false, negative = false;
        for (const auto& b : l.bars) {
            tall = tall || b.point == 12345;
            negative = negative || b.point == 777;
            QVERIFY(b.point == 12345 || b.point == 777 || b.point % 2 == 1);
        }
        QVERIFY(tall);
        QVERIFY(negative);
    }
    // Few values: a bar each, as before.
    m.setPointCount(30);
    m.setChartStyle(0);
    QCOMPARE(ThreeDBarPainter::layout(m, frameFor(QRectF(0, 0, 700, 500))).bars.size(), std::size_t{30});
}

void TestChart3D::barHitTestFindsTheBarAndRotationChangesThePicture() {
    zel::ChartModel m;
    m.setSeriesCount(2);
    m.setPointCount(4);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (double v : {3.0, 5.0, 2.0, 4.0, 1.0, 6.0, 2.5, 3.5})
        m.setPointValue(v);
    m.setChartType(4);
    for (int style : {0, 6, 1, 7}) {
        m.setChartStyle(style);
        const ChartFrame f = frameFor(QRectF(0, 0, 700, 500));
        const auto l = ThreeDBarPainter::layout(m, f);
        QCOMPARE(l.bars.size(), std::size_t{8});
        const bool alongZ = style == 6 || style == 7;
        for (const auto& b : l.bars) {
            // Rows further back are partly hidden by the front row.
            if (alongZ && b.series != 1) continue;
            // The middle of the bar's near face.
            const double zNear =
                l.scene->depth(0.5, 0.5, b.z0) < l.scene->depth(0.5, 0.5, b.z1) ? b.z0 : b.z1;
            const QPointF c = l.scene->toDevice((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, zNear);
            const auto hit = bar3DPainter().hitTest(m, f, c);
            QVERIFY(hit);
            QCOMPARE(hit->series, b.series);
            QCOMPARE(hit->point, b.point);
        }
        // Taller values make taller bars (vertical styles) or longer ones (horizontal).
        const bool horizontal = style == 1 || style == 7;
        auto extent = [&](int s, int p) {
            for (const auto& b : l.bars)
                if (b.series == s && b.point == p) return horizontal ? b.x1 - b.x0 : b.y1 - b.y0;
            return -1.0;
        };
        QVERIFY(std::abs(extent(2, 2) / extent(1, 3) - 3.0) < 1e-9); // 6 against 2
    }
    m.setChartStyle(6);
    const QRectF target(0, 0, 700, 500);
    auto render = [&](int rotation) {
        m.setViewAngles({rotation, 30, 20});
        QImage img(700, 500, QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        ChartRenderer::render(m, &p, target);
        return img;
    };
    const QImage a = render(15), b = render(-40), a2 = render(15);
    QCOMPARE(differingPixels(a, a2), 0);
    QVERIFY(differingPixels(a, b) > 5000);
}

void TestChart3D::monochromeHasNoColouredPixels() {
    struct Kind {
        int type, style;
    };
    const Kind kinds[] = {{1, 4},  {2, 4},  {4, 0},  {4, 6},  {4, 7},
                          {14, 1}, {14, 0}, {21, 0}, {21, 1}, {21, 2}};
    for (const Kind& k : kinds) {
        zel::ChartModel m;
        m.loadSampleData();
        if (k.type == 21) {
            m.setCurrentSeries(1);
            for (int i = 1; i <= m.pointCount(); ++i) {
                m.setCurrentPoint(i);
                m.setPointXPos(i * 1.5);
                m.setPointZPos(10 - i);
            }
        }
        m.setChartType(k.type);
        m.setChartStyle(k.style);
        m.setTitleTop("見本");
        for (int s = 1; s <= m.seriesCount(); ++s)
            m.setLegendAt(s, "系列" + std::to_string(s));
        m.setCurrentPoint(2);
        m.setPointPattern(4);
        m.setPointSeparatedAt(1, 1);
        for (bool mono : {false, true}) {
            QImage img(600, 420, QImage::Format_ARGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, true);
            ChartRenderer::Options o;
            o.monochrome = mono;
            ChartRenderer::render(m, &p, QRectF(0, 0, 600, 420), o);
            p.end();
            const int coloured = countColourPixels(img);
            const QString what = QStringLiteral("type %1 style %2").arg(k.type).arg(k.style);
            if (mono)
                QVERIFY2(coloured == 0, qPrintable(what + QStringLiteral(": %1 coloured").arg(coloured)));
            else
                QVERIFY2(coloured > 1000, qPrintable(what));
        }
    }
}

void TestChart3D::boxAxisTextsNeverOverlapEvenEdgeOn() {
    // Many ticks on every axis, seen from views that turn the depth or the width axis
    // nearly edge-on: no two texts of an axis may overlap, yet every axis keeps some.
    zel::ChartModel m;
    scatterModel(m);
    m.setXAxisScale(2);
    m.setXAxisMin(0);
    m.setXAxisMax(1000);
    m.setXAxisTicks(20);
    m.setYAxisScale(2);
    m.setYAxisMin(0);
    m.setYAxisMax(1000);
    m.setYAxisTicks(20);
    const ChartFrame f = frameFor(QRectF(0, 0, 520, 380));
    for (const zel::ViewAngles view : {zel::ViewAngles{5, 30, 0}, zel::ViewAngles{-5, 30, 10},
                                       zel::ViewAngles{85, 30, 20}, zel::ViewAngles{15, 30, 0}}) {
        m.setViewAngles(view);
        const auto lv = ThreeDScatterPainter::layout(m, f);
        for (int axis = 0; axis < 3; ++axis) {
            const auto texts = lv.scene->axisTexts(axis);
            QVERIFY2(!texts.empty(), qPrintable(QString("axis %1 rot %2").arg(axis).arg(view.rotation)));
            for (std::size_t i = 0; i < texts.size(); ++i)
                for (std::size_t j = i + 1; j < texts.size(); ++j)
                    QVERIFY2(!texts[i].rect.intersects(texts[j].rect),
                             qPrintable(QString("axis %1 rot %2: '%3' and '%4'")
                                            .arg(axis)
                                            .arg(view.rotation)
                                            .arg(texts[i].text, texts[j].text)));
        }
    }
    // Seen nearly edge-on the depth axis must drop texts; seen openly it keeps more.
    m.setViewAngles({5, 30, 0});
    const auto edgeOn = ThreeDScatterPainter::layout(m, f).scene->axisTexts(2);
    m.setViewAngles({60, 30, 20});
    const auto open = ThreeDScatterPainter::layout(m, f).scene->axisTexts(2);
    QVERIFY2(edgeOn.size() < open.size(),
             qPrintable(QString("%1 vs %2").arg(edgeOn.size()).arg(open.size())));
}

void TestChart3D::seriesRowsKeepTheirNamesSeenLevel() {
    // Three series one behind the other, seen level (elevation 0): the rows lie
    // almost on one line, yet each keeps its name, clear of every other text,
    // and the long category texts at the box's corners stay inside the plot.
    zel::ChartModel m;
    m.setSeriesCount(3);
    m.setPointCount(10);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (int i = 0; i < 30; ++i)
        m.setPointValue(i % 7);
    for (int p = 1; p <= 10; ++p)
        m.setPointLabelAt(p, "24.99" + std::to_string(p) + "～25.00" + std::to_string(p));
    for (int s = 1; s <= 3; ++s)
        m.setLegendAt(s, "外径" + std::to_string(s));
    m.setChartType(static_cast<int>(zel::ChartType::Bar3D));
    m.setChartStyle(zel::chartstyles::kBarAlongZ);
    m.setViewAngles({15, 30, 0});
    const QRectF plot(0, 0, 700, 420);
    const auto l = ThreeDBarPainter::layout(m, frameFor(plot));
    // The zero counts (every seventh value) leave no bar.
    QCOMPARE(l.bars.size(), std::size_t{30 - 5});
    const auto rows = l.scene->axisTexts(2);
    QStringList names;
    for (const auto& t : rows)
        names << t.text;
    QCOMPARE(names, (QStringList{"外径1", "外径2", "外径3"}));
    // Without legend texts the rows are numbered, unless there is only one.
    zel::ChartModel numbered = m;
    for (int s = 1; s <= 3; ++s)
        numbered.setLegendAt(s, "");
    QCOMPARE(ThreeDBarPainter::layout(numbered, frameFor(plot)).scene->axisTexts(2).size(), std::size_t{3});
    numbered.setSeriesCount(1);
    QVERIFY(ThreeDBarPainter::layout(numbered, frameFor(plot)).scene->axisTexts(2).empty());
    std::vector<std::pair<QString, QRectF>> all;
    for (int axis = 0; axis < 3; ++axis)
        for (const auto& t : l.scene->axisTexts(axis)) {
            QVERIFY2(plot.contains(t.rect), qPrintable(t.text));
            all.emplace_back(t.text, t.rect);
        }
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            QVERIFY2(!all[i].second.intersects(all[j].second),
                     qPrintable(all[i].first + " / " + all[j].first));
}

void TestChart3D::areaEndTurnedAwayIsHidden() {
    // A slab that starts high and falls to 0, seen from the right: its left end
    // is turned away and must not show over the falling top strip.
    zel::ChartModel m;
    m.setSeriesCount(1);
    m.setPointCount(4);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (double v : {4.0, 0.0, 0.0, 0.0})
        m.setPointValue(v);
    m.setChartType(static_cast<int>(zel::ChartType::Area3D));
    m.setChartStyle(zel::chartstyles::kAreaOverlapping);
    m.setViewAngles({15, 30, 0});
    const QImage img = paintWith(ThreeDAreaPainter(), m, frameFor(QRectF(0, 0, 600, 400)), QSize(600, 400));
    // The end faces are drawn at 80 % of the series colour.
    const QRgb endShade = SeriesStyle::colour(1).darker(125).rgb();
    int endPixels = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == endShade) ++endPixels;
    // Where the end and the strip share an edge a stray pixel may remain; the
    // face itself covers hundreds.
    QVERIFY2(endPixels < 20, qPrintable(QString::number(endPixels)));
}

void TestChart3D::galleryWritesImagesAndIndex() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dir = tmp.filePath(QStringLiteral("見本/gallery"));
    QCOMPARE(writeChartGallery(dir), 0);
    const QStringList files = chartGalleryFiles();
    QVERIFY(files.size() >= 40);
    // Each picture has a number of its own, so the index reads in one order.
    QSet<QString> numbers;
    for (const QString& f : files) {
        const QString number = f.section(QLatin1Char('_'), 0, 0);
        QVERIFY2(!numbers.contains(number), qPrintable(f));
        numbers.insert(number);
    }
    QCOMPARE(QDir(dir).entryList({QStringLiteral("*.png")}, QDir::Files).size(), files.size());
    QFile index(QDir(dir).filePath(QStringLiteral("index.html")));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    for (const QString& f : files) {
        QVERIFY2(html.contains(QStringLiteral("src=\"%1\"").arg(f)), qPrintable(f));
        const QImage img(QDir(dir).filePath(f));
        QCOMPARE(img.size(), QSize(1000, 700));
        // Something was drawn: plenty of pixels differ from the background.
        int ink = 0;
        for (int y = 0; y < img.height(); y += 4)
            for (int x = 0; x < img.width(); x += 4)
                if (img.pixel(x, y) != qRgb(255, 255, 255)) ++ink;
        QVERIFY2(ink > 300, qPrintable(f));
    }
    for (const char* caption :
         {"立体散布図（縦棒）", "Ｚ軸立体棒（横）", "パレート図", "ガントチャート", "モノクロ"})
        QVERIFY(html.contains(QString::fromUtf8(caption)));
}

void TestChart3D::galleryReportsAnUnwritableFolder() {
    QTemporaryDir tmp;
    QFile blocker(tmp.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(writeChartGallery(tmp.filePath(QStringLiteral("file/sub"))) != 0);
}

void TestChart3D::galleryControlChartsComeFromTheComputations() {
    using R = zel::SeriesRole;
    const std::vector<ChartGalleryEntry> control = controlChartGalleryEntries();
    QStringList files;
    for (const ChartGalleryEntry& e : control) {
        files << e.file;
        zel::ChartModel m;
        e.fill(m);
        // Filled by the control-chart fill: every chart names its lines by role.
        int centre = 0, upper = 0, lower = 0, data = 0;
        for (int s = 1; s <= m.seriesCount(); ++s) {
            const R r = m.seriesRole(s);
            centre += r == R::CentreLine;
            upper += r == R::UpperLimit || r == R::UpperSpecLimit;
            lower += r == R::LowerLimit || r == R::LowerSpecLimit;
            data += r == R::Data;
        }
        QVERIFY2(centre == 1 && upper == 1 && lower == 1 && data == 1, qPrintable(e.file));
    }
    // The whole gallery takes them in file-name order.
    const QStringList all = chartGalleryFiles();
    for (const QString& f : files)
        QVERIFY2(all.contains(f + QStringLiteral(".png")), qPrintable(f));
    QStringList sorted = all;
    sorted.sort();
    QCOMPARE(all, sorted);
    // The R chart's UCL is the computation's: D4 of subgroups of five times R-bar.
    const auto r = std::find_if(control.begin(), control.end(),
                                [](const ChartGalleryEntry& e) { return e.file == QStringLiteral("02_r"); });
    QVERIFY(r != control.end());
    zel::ChartModel m;
    r->fill(m);
    QCOMPARE(m.seriesRole(1), R::CentreLine);
    QCOMPARE(m.seriesRole(2), R::UpperLimit);
    QCOMPARE(m.value(2, 1), zel::xbarRCoefficients(5).d4 * m.value(1, 1));
}

void TestChart3D::galleryHistogramsAndStatisticsComeFromTheComputations() {
    std::vector<ChartGalleryEntry> entries = histogramGalleryEntries();
    for (ChartGalleryEntry& e : statisticsGalleryEntries())
        entries.push_back(std::move(e));
    QVERIFY(entries.size() >= 10);
    const QStringList all = chartGalleryFiles();
    int tables = 0;
    for (const ChartGalleryEntry& e : entries) {
        QVERIFY2(all.contains(e.file + QStringLiteral(".png")), qPrintable(e.file));
        if (e.paint) {
            ++tables;
            continue;
        }
        zel::ChartModel m;
        e.fill(m);
        QVERIFY2(m.seriesCount() >= 1 && m.pointCount() >= 2, qPrintable(e.file));
        const zel::ChartType type = m.chartType();
        if (e.file.contains(QStringLiteral("hist"))) {
            // Every shaft of the dataset is counted in some class: the limits held the data.
            double counted = 0;
            for (int s = 1; s <= m.seriesCount(); ++s)
                for (int p = 1; p <= m.pointCount(); ++p)
                    counted += m.value(s, p);
            QVERIFY2(counted == (e.file.contains(QStringLiteral("strata")) ? 120 : 100 * m.seriesCount()),
                     qPrintable(QStringLiteral("%1: %2").arg(e.file).arg(counted)));
        } else {
            // The comparison graph's kinds as the window draws them, with its default title.
            QVERIFY2(type == zel::ChartType::StatsByVariable || type == zel::ChartType::Line ||
                         type == zel::ChartType::Scatter,
                     qPrintable(e.file));
            QVERIFY2(!m.titleTop().empty(), qPrintable(e.file));
        }
    }
    QCOMPARE(tables, 1);

    const auto entry = [&](const char* file) {
        zel::ChartModel m;
        for (const ChartGalleryEntry& e : entries)
            if (e.file == QLatin1String(file)) e.fill(m);
        return m;
    };
    // The histogram's default titles: its name on top, the series name below one series.
    const zel::ChartModel bar = entry("53_hist_bar");
    QCOMPARE(bar.titleTop(), std::string("ヒストグラム"));
    QCOMPARE(bar.titleBottom(), std::string("軸径(mm)"));
    QCOMPARE(bar.pointLabelAt(1), std::string("9.95～9.96"));
    // The classified classes carry the mark, the others are plain.
    const zel::ChartModel marked = entry("54_hist_classified");
    QCOMPARE(marked.patternAt(1), zel::kMarkedPattern);
    QCOMPARE(marked.patternAt(5), 0);
    // Two and three machines, one series each, named in the legend.
    QCOMPARE(entry("55_hist_z2").seriesCount(), 2);
    const zel::ChartModel three = entry("56_hist_z3");
    QCOMPARE(three.seriesCount(), 3);
    QCOMPARE(three.legendAt(3), std::string("3号機"));
    // The mean kind carries its markers on the numeric class axis.
    QVERIFY(entry("57_hist_bar_mean").overlayMode() != zel::overlaymodes::kOff);
    // The strata are named after the data label of their first sample.
    QCOMPARE(entry("60_hist_strata").legendAt(2), std::string("Bライン"));
    QCOMPARE(entry("65_strata_data").chartType(), zel::ChartType::Scatter);
}

void TestChart3D::galleryHistogramAndTablePicturesAreDrawn() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    std::vector<ChartGalleryEntry> entries;
    for (ChartGalleryEntry& e : histogramGalleryEntries())
        if (e.file == QStringLiteral("53_hist_bar") || e.file == QStringLiteral("61_frequency_table"))
            entries.push_back(std::move(e));
    QCOMPARE(entries.size(), std::size_t(2));
    QCOMPARE(writeChartGallery(tmp.path(), entries), 0);
    const auto share = [](const QImage& img, auto&& isIt) {
        int hits = 0, all = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2, ++all)
                if (isIt(QColor(img.pixel(x, y)))) ++hits;
        return static_cast<double>(hits) / all;
    };
    // The histogram's bars: a good part of the picture in the first series' colour.
    const QImage bars(tmp.filePath(QStringLiteral("53_hist_bar.png")));
    QCOMPARE(bars.size(), QSize(1000, 700));
    const QColor barColour = SeriesStyle::colour(1);
    const double barShare = share(bars, [&](QColor c) { return near(c, barColour, 20); });
    QVERIFY2(barShare > 0.10, qPrintable(QString::number(barShare)));
    // The printed table: its heading band and its cell texts, not an empty page.
    const QImage table(tmp.filePath(QStringLiteral("61_frequency_table.png")));
    QCOMPARE(table.size(), QSize(1000, 700));
    const double band = share(table, [](QColor c) { return near(c, QColor(228, 228, 228), 2); });
    const double ink = share(table, [](QColor c) { return c.lightness() < 100; });
    QVERIFY2(band > 0.02, qPrintable(QString::number(band)));
    QVERIFY2(ink > 0.005, qPrintable(QString::number(ink)));
}

namespace {

// The picture of the gallery entries with the given file, filled afresh.
zel::ChartModel galleryPicture(const std::vector<ChartGalleryEntry>& entries, const char* file,
                               bool* monochrome = nullptr) {
    zel::ChartModel m;
    for (const ChartGalleryEntry& e : entries)
        if (e.file == QLatin1String(file)) {
            e.fill(m);
            if (monochrome) *monochrome = e.monochrome;
        }
    return m;
}

// The rules judged anew on what a filled control chart shows: its data series
// against its CL, UCL and LCL series point by point.
std::vector<std::pair<int, std::string>> judgedAgain(const zel::ChartModel& m, const zel::RuleSet& rules) {
    zel::RunRuleInput in;
    for (int s = 1; s <= m.seriesCount(); ++s) {
        std::vector<double> values;
        for (int p = 1; p <= m.pointCount(); ++p)
            values.push_back(m.value(s, p));
        switch (m.seriesRole(s)) {
        case zel::SeriesRole::CentreLine:
            in.centre = values;
            break;
        case zel::SeriesRole::UpperLimit:
            in.upper = values;
            break;
        case zel::SeriesRole::LowerLimit:
            in.lower = values;
            break;
        default:
            in.values = values;
            break;
        }
    }
    std::vector<std::pair<int, std::string>> flags;
    for (const zel::RuleSignal& r : zel::evaluateRunRules(in, rules))
        flags.emplace_back(r.point, zel::joinedRuleNumbers(r.rules, ','));
    return flags;
}

// Every rule number of the flags.
QSet<int> flaggedRules(const std::vector<std::pair<int, std::string>>& flags) {
    QSet<int> rules;
    for (const auto& [point, text] : flags)
        for (const QString& n : QString::fromStdString(text).split(QLatin1Char(',')))
            rules.insert(n.toInt());
    return rules;
}

} // namespace

void TestChart3D::galleryRulePicturesCarryTheFlagsOfTheirLines() {
    const std::vector<ChartGalleryEntry> entries = controlChartGalleryEntries();
    using Flags = std::vector<std::pair<int, std::string>>;
    const auto flagsOf = [](const zel::ChartModel& m) { return m.signalsOf(zel::controlDataSeries(m)); };

    // The shifted shaft: rules 1 to 4 flag the point beyond the UCL and the run
    // above CL; all eight add a zone rule.
    const zel::ChartModel defaults = galleryPicture(entries, "97_xbar_rules");
    const Flags four = flagsOf(defaults);
    QCOMPARE(four, judgedAgain(defaults, zel::RuleSet::defaults()));
    QVERIFY(flaggedRules(four).contains(1) && flaggedRules(four).contains(2));
    const zel::ChartModel all = galleryPicture(entries, "98_xbar_rules_all");
    const Flags eight = flagsOf(all);
    QCOMPARE(eight, judgedAgain(all, zel::RuleSet::all()));
    QVERIFY(eight.size() > four.size());
    QVERIFY(!(flaggedRules(eight) - QSet<int>{1, 2, 3, 4}).isEmpty());
    bool mono = false;
    QCOMPARE(flagsOf(galleryPicture(entries, "99_xbar_rules_mono", &mono)), eight);
    QVERIFY(mono);

    // The p chart's lots of very different sizes: a point is flagged beyond its
    // own UCL though other lots' UCLs lie above it.
    const zel::ChartModel p = galleryPicture(entries, "100_p_rules");
    const Flags lots = flagsOf(p);
    QCOMPARE(lots, judgedAgain(p, zel::RuleSet::defaults()));
    int upper = 1;
    while (p.seriesRole(upper) != zel::SeriesRole::UpperLimit)
        ++upper;
    double highestUcl = 0;
    for (int i = 1; i <= p.pointCount(); ++i)
        highestUcl = std::max(highestUcl, p.value(upper, i));
    const auto ownLimit = std::find_if(lots.begin(), lots.end(), [&](const auto& flag) {
        return flag.second == "1" && p.value(zel::controlDataSeries(p), flag.first) < highestUcl;
    });
    QVERIFY(ownLimit != lots.end());
    QVERIFY(flaggedRules(lots).contains(2));
    QCOMPARE(flagsOf(galleryPicture(entries, "101_p_rules_mono", &mono)), lots);
    QVERIFY(mono);
}

void TestChart3D::galleryCapabilityPicturesCarryTheLimitsAndTheCurve() {
    const std::vector<ChartGalleryEntry> entries = histogramGalleryEntries();
    const auto lines = [](const zel::ChartModel& m) {
        QStringList out;
        for (const zel::ReferenceLine& l : m.referenceLines())
            out << QStringLiteral("%1@%2").arg(QString::fromStdString(l.label)).arg(l.x);
        return out;
    };
    // 10.00 ± 0.04 over ten classes 0.01 wide from 9.95: the limits on the
    // boundaries after class 1 and class 9 (slots 1..10 centred on the classes).
    const zel::ChartModel inside = galleryPicture(entries, "102_hist_capability");
    QCOMPARE(lines(inside), QStringList({QStringLiteral("上限規格@9.5"), QStringLiteral("下限規格@1.5")}));
    QVERIFY(inside.drawsCurve());
    QCOMPARE(inside.curvePoints().size(), std::size_t(zel::kCapabilityCurveSteps + 1));
    // The curve is the normal density scaled to the counts: its area over the
    // classes (one slot per class) is the 100 shafts less the tails beyond them.
    double area = 0;
    const std::vector<zel::CurvePoint>& curve = inside.curvePoints();
    for (std::size_t i = 1; i < curve.size(); ++i)
        area += (curve[i].x - curve[i - 1].x) * (curve[i].y + curve[i - 1].y) / 2;
    QVERIFY2(area > 95 && area < 100.5, qPrintable(QString::number(area)));
    bool mono = false;
    const zel::ChartModel monochrome = galleryPicture(entries, "103_hist_capability_mono", &mono);
    QVERIFY(mono);
    QCOMPARE(lines(monochrome), lines(inside));
    QVERIFY(monochrome.drawsCurve());

    // The roughness: the upper limit Ra 1.5 alone, on the boundary after class 12.
    const zel::ChartModel upper = galleryPicture(entries, "104_hist_capability_upper");
    QCOMPARE(lines(upper), QStringList({QStringLiteral("上限規格@12.5")}));
    QVERIFY(upper.drawsCurve());

    // 10.00 ± 0.06 lies a class width beyond either end of the classes.
    const zel::ChartModel outside = galleryPicture(entries, "105_hist_capability_outside");
    QCOMPARE(lines(outside), QStringList({QStringLiteral("上限規格@11.5"), QStringLiteral("下限規格@-0.5")}));
    QVERIFY(outside.drawsCurve());
}

QTEST_MAIN(TestChart3D)
#include "tst_chart_3d.moc"
