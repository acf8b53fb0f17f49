// Keys and clicks of the Gantt chart windows on the real X11 platform: a
// project name typed into gantol's grid and OK clicked, then clicks on task
// bars of gantog, one of them a task that runs backwards. The keys and clicks
// come through the X server as a user's do (tests/support/X11Input.h).
#include "analysis/AnalysisLaunch.h"
#include "analysis/gantt/gantog.h"
#include "analysis/gantt/gantol.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "DatasetFixtures.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>
#include <optional>

using uitest::FakeContext;

namespace {

QString field(QWidget* window, const char* name) {
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    return box ? box->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// A pixel where the chart draws the bar of the series and project, found the
// way the chart finds what a click hits; (-1, -1) when it draws none.
QPoint pixelOf(ChartView* view, int series, int point) {
    const QRectF target(view->rect());
    const ChartRenderer::Options options = view->renderOptions();
    for (int y = 2; y < view->height(); y += 4)
        for (int x = 2; x < view->width(); x += 4) {
            const std::optional<ChartHit> hit =
                ChartRenderer::hitTest(view->model(), target, QPointF(x, y), options);
            if (hit && hit->series == series && hit->point == point) return {x, y};
        }
    return {-1, -1};
}

bool clickBar(ChartView* view, int series, int point) {
    const QPoint at = pixelOf(view, series, point);
    return at.x() >= 0 && x11input::click(view, at);
}

} // namespace

class TestGanttInput : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }
    void init() {
        zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
        ctx = std::make_unique<FakeContext>();
        uitest::fillDataset(ctx->ws.dataset, {{3, 8}, {5, 2}}, {"start", "end"}, {"a", "b"});
        ctx->analysis = QStringLiteral("ガントチャート");
    }
    void cleanup() {
        ZelWindow::closeAll();
        uitest::flushDeletes();
        ctx.reset();
    }

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
        QVERIFY(clickBar(view, 2, 1));
        QTRY_COMPARE(field(g, "Text2"), QStringLiteral(" 5"));
        QCOMPARE(field(g, "Textset"), QStringLiteral(" 1"));
        QCOMPARE(field(g, "Textpoint"), QStringLiteral(" 3"));
        QCOMPARE(field(g, "Text1"), QStringLiteral(" 8"));
        QCOMPARE(field(g, "Text3"), QStringLiteral("P1"));
        // The task that runs backwards answers a click as well.
        QVERIFY(clickBar(view, 2, 2));
        QTRY_COMPARE(field(g, "Text2"), QStringLiteral("-3"));
        QCOMPARE(field(g, "Text3"), QStringLiteral("b"));
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestGanttInput)
#include "tst_gantt_input.moc"
