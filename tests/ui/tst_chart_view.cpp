// Tests of the chart widget: clicks reported as HotHit with the pointer action, copies to
// the clipboard in colour and monochrome (the screen stays in colour), files written as
// PNG, SVG and PDF, printing to a named PDF, and the time-label action.
#include "components/chart/ChartLayout.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void fillLine(zel::ChartModel& m) {
    m.setChartType(6);
    m.setChartStyle(5);
    m.setSeriesCount(2);
    m.setPointCount(5);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    for (double v : {3.0, 5.0, 4.0, 6.0, 2.0, 1.0, 2.0, 3.0, 2.0, 4.0})
        m.setPointValue(v);
    m.setTitleTop("不良個数の推移");
}

int colourPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            n += (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c)) ? 1 : 0;
        }
    return n;
}

QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestChartView : public QObject {
    Q_OBJECT
  private slots:
    void clicksOnPointsAreReportedWithTheirKind();
    void copyPutsAnImageAndSvgOnTheClipboard();
    void monochromeCopyLeavesTheScreenInColour();
    void savesPngSvgAndPdf();
    void printsToTheNamedPdf();
    void timeLabelActionPutsTheLabelOnTheAxis();
    void resetSwitchesHoldTheAxisAndThePicture();
};

void TestChartView::clicksOnPointsAreReportedWithTheirKind() {
    ChartView view;
    view.resize(640, 420);
    fillLine(view.model());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &ChartView::HotHit);
    const auto l = ChartRenderer::layoutFor(view.model(), QRectF(view.rect()), {false, 1.0});
    const QPoint onPoint = l.at(l.categoryPos(4), l.valuePos(2.0)).toPoint(); // series 2, point 4
    // Off: nothing reported.
    QTest::mouseClick(&view, Qt::LeftButton, {}, onPoint);
    QCOMPARE(spy.count(), 0);

    view.model().setHitReporting(1);
    QTest::mouseClick(&view, Qt::LeftButton, {}, onPoint + QPoint(2, 1));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(spy.at(0).at(1).toInt(), 4);
    QCOMPARE(view.model().hitKind(), 1);

    QTest::mouseClick(&view, Qt::RightButton, {}, onPoint);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(view.model().hitKind(), 3);

    QTest::mouseDClick(&view, Qt::LeftButton, {}, onPoint);
    QVERIFY(spy.count() >= 3);
    QCOMPARE(view.model().hitKind(), 2);

    // Empty plot area: no report.
    const int before = spy.count();
    QTest::mouseClick(&view, Qt::LeftButton, {}, l.at(l.categoryPos(1), l.valuePos(6.0)).toPoint());
    QCOMPARE(spy.count(), before);
}

void TestChartView::copyPutsAnImageAndSvgOnTheClipboard() {
    ChartView view;
    view.resize(500, 320);
    fillLine(view.model());
    QApplication::clipboard()->clear();
    view.model().setAction(3);
    view.model().setAction(4);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasImage());
    const QImage img = qvariant_cast<QImage>(mime->imageData());
    QCOMPARE(img.size(), QSize(500, 320));
    QVERIFY(colourPixels(img) > 100);
    const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(QString::fromUtf8(svg).contains(QStringLiteral("不良個数の推移")));
}

void TestChartView::monochromeCopyLeavesTheScreenInColour() {
    ChartView view;
    view.resize(500, 320);
    fillLine(view.model());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // As the windows copy in monochrome: ScreenColor 0, Action 3, Action 4, ScreenColor 1.
    view.model().setScreenColor(0);
    view.model().setAction(3);
    view.model().setAction(4);
    view.model().setScreenColor(1);
    const QImage copied = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    QVERIFY(!copied.isNull());
    QCOMPARE(colourPixels(copied.convertToFormat(QImage::Format_ARGB32)), 0);
    const QImage screen = view.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(colourPixels(screen) > 100);

    // The widget's own call does the same.
    view.copyToClipboard(true);
    QCOMPARE(colourPixels(qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData())
                              .convertToFormat(QImage::Format_ARGB32)),
             0);
    QCOMPARE(view.model().screenColor(), 1);
}

void TestChartView::savesPngSvgAndPdf() {
    QTemporaryDir dir;
    ChartView view;
    fillLine(view.model());
    view.model().setTitleTop("Xbar-R管理図(平均値)");
    const QString png = dir.filePath("c.png"), svg = dir.filePath("c.svg"), pdf = dir.filePath("c.pdf");
    QVERIFY(view.saveTo(png, QSize(700, 450), false));
    QCOMPARE(QImage(png).size(), QSize(700, 450));
    QVERIFY(view.saveTo(svg, QSize(700, 450), true));
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(f.readAll());
    QVERIFY(svgText.contains(QStringLiteral("Xbar-R管理図(平均値)")));
    QVERIFY(view.saveTo(pdf, QSize(700, 450), false));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Xbar-R管理図(平均値)")), qPrintable(text));
    // An unwritable place fails.
    QVERIFY(!view.saveTo(dir.filePath("no/such/dir/c.png"), QSize(100, 100), false));
    QVERIFY(!view.saveTo(dir.filePath("no/such/dir/c.pdf"), QSize(100, 100), false));
}

void TestChartView::printsToTheNamedPdf() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("print.pdf");
    ChartView::setPdfPathProvider([&] { return pdf; });
    ChartView view;
    fillLine(view.model());
    view.model().setTitleTop("欠点数データ");
    view.model().setPrintColor(0);
    view.model().setAction(5);
    QVERIFY(view.lastPrintOk());
    QVERIFY(pdfText(pdf).contains(QStringLiteral("欠点数データ")));
    // An empty answer cancels: nothing is written.
    ChartView::setPdfPathProvider([] { return QString(); });
    view.print(false);
    QVERIFY(!view.lastPrintOk());
    ChartView::setPdfPathProvider({});
}

void TestChartView::timeLabelActionPutsTheLabelOnTheAxis() {
    ChartView view;
    auto& m = view.model();
    m.setChartType(22);
    m.setChartStyle(5);
    m.setPointCount(3);
    for (int p = 1; p <= 3; ++p) {
        m.setCurrentPoint(p);
        m.setPointValue(p * 2.0);
        m.setCurrentPoint(p);
        m.setPointLabel(std::to_string(p) + "月");
        m.setAction(8);
    }
    const auto l = ChartRenderer::layoutFor(m, QRectF(0, 0, 600, 400), {});
    QCOMPARE(static_cast<int>(l.categoryLabels().size()), 3);
    QCOMPARE(l.categoryLabels()[1].text, QStringLiteral("2月"));
}

QTEST_MAIN(TestChartView)
#include "tst_chart_view.moc"

void TestChartView::resetSwitchesHoldTheAxisAndThePicture() {
    ChartView view;
    view.resize(600, 400);
    zel::ChartModel& m = view.model();
    fillLine(m);
    m.setAction(2); // a draw with switch one 0 holds its automatic range
    const auto first = ChartRenderer::layoutFor(m, QRectF(view.rect())).valueAxis();
    QVERIFY(m.hasHeldValueRange());

    // Switch one 1: larger values draw against the held axis.
    m.setResetSwitchOne(1);
    m.setCurrentSeries(1);
    m.setCurrentPoint(1);
    m.setPointValue(60.0);
    m.setAction(2);
    auto held = ChartRenderer::layoutFor(m, QRectF(view.rect())).valueAxis();
    QCOMPARE(held.min, first.min);
    QCOMPARE(held.max, first.max);
    // The redraw reset gives the axis back to the data.
    m.redrawReset(zel::ViewAngles{}, false);
    QCOMPARE(m.resetSwitchOne(), 0);
    m.setAction(2);
    held = ChartRenderer::layoutFor(m, QRectF(view.rect())).valueAxis();
    QVERIFY(held.max >= 60.0);

    // Switch two 0: repaints between draws show the last draw's picture; a draw renders anew.
    m.setResetSwitchTwo(0);
    const QImage drawn = view.grab().toImage();
    m.setTitleTop("別のタイトル");
    QCOMPARE(view.grab().toImage(), drawn);
    m.setAction(2);
    QVERIFY(view.grab().toImage() != drawn);
    m.setResetSwitchTwo(1);
    m.setTitleTop("さらに別のタイトル");
    QVERIFY(view.grab().toImage() != drawn);
}
