// Keys and clicks of the variable graph window oresen on the real X11 platform:
// point clicks and the separation pop-up, the kind list stepped through by its
// keys, and the classification dialog okikaku by keys and clicks. The keys come
// through the X server as a user's do (tests/support/X11Input.h).
#include "analysis/vargraph/VariableGraphFill.h"
#include "analysis/vargraph/okikaku.h"
#include "analysis/vargraph/oresen.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include "AnalysisWindows.h"
#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>

using uitest::cellCentre;
using uitest::FakeContext;
using uitest::lineText;
using x11input::clickPoint;

using x11input::focused;

class TestVariableGraphInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }

    void init() {
        ctx = uitest::freshContext(QStringLiteral("変数別グラフ"));
        uitest::fillDataset(ctx->ws.dataset, {{1, 8}, {4, 2}, {2, 6}, {6, 3}, {3, 9}});
    }

    void cleanup() { uitest::closeWindows(ctx); }

    // A left click shows the point; a right click on the line pops the
    // separation menu up, where Down and Enter choose "分離する".
    void pointClicksAndTheSeparationPopUp() {
        oresen* w = open({1, 2});
        QVERIFY(w);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        ChartView* g = w->chart();
        QVERIFY(clickPoint(g, 2, 3));
        QCOMPARE(w->lastPoint(), 3);
        QCOMPARE(lineText(w, "Textset"), QString(" 2"));
        QCOMPARE(lineText(w, "Textpoint"), QString(" 6"));
        QVERIFY(clickPoint(g, 1, 4, 3));
        QCOMPARE(w->lastPoint(), 4);
        QTRY_VERIFY(w->separationMenu()->isVisible());
        KEYS("Down", "Return");
        QTRY_VERIFY(!w->separationMenu()->isVisible());
        QCOMPARE(g->model().pointSeparatedAt(4), 1);
        // A bar pops nothing up.
        w->kindList()->setCurrentText(QStringLiteral("棒グラフ"));
        QVERIFY(clickPoint(g, 1, 2, 3));
        QCOMPARE(w->lastPoint(), 2);
        QVERIFY(!QApplication::activePopupWidget());
    }

    // The kind list by its keys: each kind drawn in turn; "規格の入力" asks for
    // its limits, and Escape there keeps the drawing.
    void kindListByKeyboard() {
        oresen* w = open({1});
        QVERIFY(w);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        QComboBox* kinds = w->kindList();
        kinds->setFocus();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(kinds));
        KEYS("Home");
        const std::vector<std::string_view> list = zel::variableGraphKindList(1, false);
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            if (i > 0) KEYS("Down");
            QCOMPARE(kinds->currentText().toStdString(), std::string(list[i]));
            const zel::VariableGraphKind* k = zel::findVariableGraphKind(list[i]);
            const zel::ChartModel& m = w->chart()->model();
            QCOMPARE(m.chartType(), k->type);
            QCOMPARE(m.chartStyle(), k->style);
            QCOMPARE(uitest::findAction(w, "okubusi")->isEnabled(),
                     zel::variableGraphMenuState(*k, 1).classification);
        }
        const std::vector<double> before = w->chart()->model().values();
        bool asked = false;
        uitest::whenModal<QDialog>([&](QDialog* d) {
            QCOMPARE(d->objectName(), QString("kgenin"));
            QVERIFY(x11input::activate(d));
            KEYS("Escape");
            asked = true;
        });
        KEYS("Down");
        QTRY_VERIFY(asked);
        QCOMPARE(kinds->currentText(), QString("規格の入力"));
        QCOMPARE(w->chart()->model().values(), before);
    }

    // okikaku by keys and clicks: arrows and Space tick boxes, a click ticks
    // another, Tab leaves the grid for "OK", Enter presses it.
    void okikakuByKeysAndClicks() {
        oresen* w = open({1});
        QVERIFY(w);
        w->resize(900, 600);
        w->kindList()->setCurrentText(QStringLiteral("棒グラフ"));
        QVERIFY(x11input::activate(w));
        bool ran = false;
        uitest::whenModal<okikaku>([&](okikaku* d) {
            const auto endAnyway = qScopeGuard([d] {
                if (d->isVisible()) d->reject();
            });
            QVERIFY(x11input::activate(d));
            auto* grid = d->findChild<DataGrid*>(QStringLiteral("Spread1"));
            QCOMPARE(focused(), static_cast<QWidget*>(grid));
            KEYS("Down", "space");
            QVERIFY(grid->isChecked(1, 2));
            QVERIFY(x11input::click(grid->viewport(), cellCentre(*grid, 1, 4)));
            QVERIFY(grid->isChecked(1, 4));
            KEYS("Tab");
            QCOMPARE(focused(),
                     static_cast<QWidget*>(d->findChild<QPushButton*>(QStringLiteral("Command1"))));
            KEYS("Return");
            ran = true;
        });
        KEYS("alt+o", "k");
        QTRY_VERIFY(ran);
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{0, 1, 0, 1, 0}));
        QCOMPARE(w->chart()->model().patternAt(4), 4);
    }

  private:
    oresen* open(const std::vector<int>& variables) {
        return uitest::openWithSet<oresen>(*ctx, zel::WindowId::oresen, variables);
    }

    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestVariableGraphInput)
#include "tst_variable_graph_input.moc"
