// Keys and clicks of the Gantt chart windows on the real X11 platform: a
// project name typed into gantol's grid and OK clicked, then clicks on task
// bars of gantog, one of them a task that runs backwards. The keys and clicks
// come through the X server as a user's do (tests/support/X11Input.h).
#include "analysis/AnalysisLaunch.h"
#include "analysis/gantt/gantog.h"
#include "analysis/gantt/gantol.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>
#include <optional>

using uitest::FakeContext;
using uitest::lineText;

class TestGanttInput : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }
    void init() {
        ctx = uitest::freshContext(QStringLiteral("ガントチャート"));
        uitest::fillDataset(ctx->ws.dataset, {{3, 8}, {5, 2}}, {"start", "end"}, {"a", "b"});
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void aNameTypedAndBarsClicked() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<gantol> w = ZelWindow::findOpen<gantol>();
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        w->grid()->setFocus();
        // The first name's cell is current: typing replaces it, Return stores it.
        QVERIFY(x11input::type(QStringLiteral("P1")));
        QVERIFY(x11input::keys({QStringLiteral("Return")}));
        QCOMPARE(w->grid()->text(1, 1), QStringLiteral("P1"));
        QPushButton* ok = w->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(x11input::click(ok, ok->rect().center()));
        QTRY_VERIFY(ZelWindow::findOpen<gantog>());
        QCOMPARE(ctx->ws.dataset.label(1), std::string("P1"));

        QPointer<gantog> g = ZelWindow::findOpen<gantog>();
        g->resize(900, 600);
        QVERIFY(x11input::activate(g));
        ChartView* view = g->chart();
        QVERIFY(x11input::clickPoint(view, 2, 1));
        QTRY_COMPARE(lineText(g, "Text2"), QStringLiteral(" 5"));
        QCOMPARE(lineText(g, "Textset"), QStringLiteral(" 1"));
        QCOMPARE(lineText(g, "Textpoint"), QStringLiteral(" 3"));
        QCOMPARE(lineText(g, "Text1"), QStringLiteral(" 8"));
        QCOMPARE(lineText(g, "Text3"), QStringLiteral("P1"));
        // The task that runs backwards answers a click as well.
        QVERIFY(x11input::clickPoint(view, 2, 2));
        QTRY_COMPARE(lineText(g, "Text2"), QStringLiteral("-3"));
        QCOMPARE(lineText(g, "Text3"), QStringLiteral("b"));
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestGanttInput)
#include "tst_gantt_input.moc"
