// The link between the charts and the data sheet: a click on a chart point
// selects its sample's row in the sheet and scrolls to it; the sheet's pop-up
// item "グラフで表示" brings the chart forward with the selected row's point
// chosen as a click would choose it.
#include "analysis/AnalysisSet.h"
#include "analysis/control/RunRules.h"
#include "analysis/gantt/GanttChart.h"
#include "analysis/gantt/gantog.h"
#include "analysis/scatter/rsanpu.h"
#include "analysis/scatter/sanpuzu.h"
#include "analysis/vargraph/oresen.h"
#include "common/NumberText.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "ChartPoints.h"
#include "SheetChartSupport.h"
#include "UiTestSupport.h"

#include <cmath>
#include <memory>

namespace {

QString valueText(int sample) {
    return QString::fromStdString(zel::signedNumberText(sample * 10 + 1));
}

// Opens the sheet's pop-up as the right button's release does and runs `body`
// on the menu while it is shown; body chooses an item or closes the menu.
void withSheetPopup(form1& f, const std::function<void(QMenu*)>& body) {
    bool seen = false;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        seen = true;
        body(menu);
        if (menu->isVisible()) menu->close();
    });
    emit f.grid().mouseUp(Qt::RightButton, f.grid().mapToGlobal(QPoint(40, 40)));
    QVERIFY(seen);
}

void choose(QMenu* menu, QAction* item) {
    menu->setActiveAction(item);
    QTest::keyClick(menu, Qt::Key_Return);
}

} // namespace

class TestSheetChart : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;
    form1& f() { return m_main.window(); }

  private slots:
    void initTestCase() {
        m_main.useOwnHome();
        m_main.installStore(uitest::MainWindowFixture::Store::File);
    }
    void init() {
        m_main.start();
        uitest::fillLinkSheet(f());
    }
    void cleanup() { m_main.stop(); }

    // A click on point 30 of either chart selects sample 32's row (samples 3
    // and 7 are not on the charts) and scrolls the sheet to it; the panel
    // still shows the point's value.
    void chartClickSelectsTheSampleRow() {
        GraphWindow* w = uitest::openLinkChart(f());
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(!uitest::rowVisible(f().grid(), 32));
        QVERIFY(uitest::clickPoint(w->chart(0), zel::controlDataSeries(w->chart(0)->model()), 30, 2));
        QCOMPARE(f().sheet().selectedSample(), std::optional<int>(32));
        QCOMPARE(f().grid().selectedBlock(), QRect(QPoint(1, 32), QPoint(1, 32)));
        QVERIFY(uitest::rowVisible(f().grid(), 32));
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Textpoint"))->text(), valueText(32));

        // The moving-range chart's points are the same samples.
        QVERIFY(uitest::clickPoint(w->chart(1), zel::controlDataSeries(w->chart(1)->model()), 4, 2));
        QCOMPARE(f().sheet().selectedSample(), std::optional<int>(5));
        QVERIFY(uitest::rowVisible(f().grid(), 5));
    }

    // "グラフで表示" on a row: the chart window stays open through the pop-up,
    // comes forward, and the row's point is chosen (the panel shows its value).
    void popupShowsTheRowInTheChart() {
        QPointer<GraphWindow> w = uitest::openLinkChart(f());
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(f().sheet().selectSampleRow(150));
        QAction* item = f().findChild<QAction*>(QStringLiteral("showInChart"));
        QVERIFY(item);
        withSheetPopup(f(), [&](QMenu* menu) {
            QVERIFY(menu->actions().contains(item));
            QCOMPARE(item->text(), QStringLiteral("グラフで表示"));
            QVERIFY(item->isEnabled());
            choose(menu, item);
        });
        uitest::flushDeletes();
        QVERIFY(w);
        QCOMPARE(GraphWindow::lastActive(), w.data());
        QCOMPARE(w->chart(0)->model().currentPoint(), 148);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Textpoint"))->text(), valueText(150));
        QVERIFY(!f().editMenu()->actions().contains(item));
        // The point is ringed on the screen until the next click on the chart.
        ChartView* view = w->chart(0);
        const auto ringed = view->highlightedPoint();
        QVERIFY(ringed && ringed->second == 148);
        const std::optional<QPointF> centre = ChartRenderer::pointCentre(
            view->model(), QRectF(view->rect()), ringed->first, ringed->second, view->renderOptions());
        QVERIFY(centre);
        const auto orangeOnRing = [&] {
            const QImage img = view->grab().toImage();
            int orange = 0;
            for (int a = 0; a < 360; a += 15) {
                const QPointF at =
                    *centre + 11.0 * QPointF(std::cos(a * M_PI / 180), std::sin(a * M_PI / 180));
                const QRgb c = img.pixel(at.toPoint());
                orange += qRed(c) > 220 && qGreen(c) > 100 && qGreen(c) < 180 && qBlue(c) < 80 ? 1 : 0;
            }
            return orange;
        };
        QVERIFY(orangeOnRing() > 12);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!view->highlightedPoint());
        QCOMPARE(orangeOnRing(), 0);

        // A masked row has no point: the item is there but disabled, and the
        // pop-up closes the chart window as it closes every analysis window.
        QVERIFY(f().sheet().selectSampleRow(7));
        withSheetPopup(f(), [&](QMenu* menu) {
            QVERIFY(menu->actions().contains(item));
            QVERIFY(!item->isEnabled());
        });
        uitest::flushDeletes();
        QVERIFY(!w);

        // Without a chart window the pop-up has no such item.
        withSheetPopup(f(), [&](QMenu* menu) { QVERIFY(!menu->actions().contains(item)); });
    }

    // The charts over the Analysis set: the variable graph, the scatter
    // diagrams and the Gantt chart (a bar is a project, a sample) link point
    // 30 to sample 32 and back.
    void analysisSetChartsLinkTheirSamples_data() {
        QTest::addColumn<QString>("analysis");
        QTest::addColumn<int>("variables");
        QTest::addColumn<int>("series"); // the series clicked (a Gantt chart's task 1 from 0 has no bar)
        QTest::newRow("oresen") << QStringLiteral("変数別グラフ") << 1 << 1;
        QTest::newRow("sanpuzu") << QStringLiteral("散布図") << 2 << 1;
        QTest::newRow("rsanpu") << QStringLiteral("立体散布図") << 3 << 1;
        QTest::newRow("gantog") << QStringLiteral("ガントチャート") << 2 << 2;
    }
    void analysisSetChartsLinkTheirSamples() {
        QFETCH(QString, analysis);
        QFETCH(int, variables);
        QFETCH(int, series);
        uitest::fillLinkSheet(f(), 40, variables);
        uitest::chooseAnalysis(f(), analysis);
        const zel::Dataset& ds = f().workspace().dataset;
        std::vector<int> positions;
        for (int j = 1; j <= variables; ++j)
            positions.push_back(j);
        GraphWindow* w = nullptr;
        if (QTest::currentDataTag() == QByteArray("gantog")) {
            f().workspace().analysisSet = zel::ganttAnalysisSet(ds);
            w = qobject_cast<GraphWindow*>(openGantog(f()));
        } else {
            f().workspace().analysisSet = zel::buildAnalysisSet(ds, positions).value();
            if (variables == 1) w = qobject_cast<GraphWindow*>(openOresen(f()));
            if (variables == 2) w = qobject_cast<GraphWindow*>(openSanpuzu(f()));
            if (variables == 3) w = qobject_cast<GraphWindow*>(openRsanpu(f()));
        }
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(uitest::clickPoint(w->chart(0), series, 30, 2));
        QCOMPARE(f().sheet().selectedSample(), std::optional<int>(32));

        QVERIFY(f().sheet().selectSampleRow(12));
        QAction* item = f().findChild<QAction*>(QStringLiteral("showInChart"));
        withSheetPopup(f(), [&](QMenu* menu) {
            QVERIFY(menu->actions().contains(item));
            QVERIFY(item->isEnabled());
            choose(menu, item);
        });
        QVERIFY(w->isVisible());
        QCOMPARE(w->chart(0)->model().currentPoint(), 10);
    }

    // Two chart windows open: the item acts on the one activated last.
    void popupActsOnTheLastActivatedChart() {
        QPointer<GraphWindow> control = uitest::openLinkChart(f());
        QVERIFY(control);
        f().workspace().analysisSet = zel::buildAnalysisSet(f().workspace().dataset, {1}).value();
        QPointer<GraphWindow> graph = qobject_cast<GraphWindow*>(openOresen(f()));
        QVERIFY(graph);
        QVERIFY(QTest::qWaitForWindowExposed(graph));
        QCOMPARE(GraphWindow::lastActive(), graph.data());
        control->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(control));
        QCOMPARE(GraphWindow::lastActive(), control.data());

        QVERIFY(f().sheet().selectSampleRow(150));
        QAction* item = f().findChild<QAction*>(QStringLiteral("showInChart"));
        withSheetPopup(f(), [&](QMenu* menu) {
            QVERIFY(menu->actions().contains(item));
            choose(menu, item);
        });
        QVERIFY(control);
        QCOMPARE(control->chart(0)->model().currentPoint(), 148);
        QVERIFY(graph->chart(0)->model().currentPoint() != 148);

        // A dismissed pop-up closes only the windows it always closes: the
        // variable graph (not among them here) stays open although it was the
        // chart the item offered; the X-Rs chart closes.
        graph->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(graph));
        QVERIFY(f().sheet().selectSampleRow(7));
        withSheetPopup(f(), [&](QMenu* menu) {
            QVERIFY(menu->actions().contains(item));
            QVERIFY(!item->isEnabled());
        });
        uitest::flushDeletes();
        QVERIFY(graph);
        QVERIFY(graph->isVisible());
        QVERIFY(!control);
    }

    // Several rows selected: no item either.
    void popupNeedsOneRow() {
        GraphWindow* w = uitest::openLinkChart(f());
        QVERIFY(w);
        f().sheet().selectAll();
        QCOMPARE(f().sheet().selectedSample(), std::nullopt);
        QAction* item = f().findChild<QAction*>(QStringLiteral("showInChart"));
        withSheetPopup(f(), [&](QMenu* menu) { QVERIFY(!menu->actions().contains(item)); });
    }
};

QTEST_MAIN(TestSheetChart)
#include "tst_sheet_chart.moc"
