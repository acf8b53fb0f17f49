// Keys, clicks and focus in the histogram chain and the statistics windows on
// the real X11 platform: the kind dialog and the variable dialog chosen by
// keyboard, the graph settings dialog typed into, the frequency table's grid
// and decimal places, the histogram's points, pop-up, kind list and
// classification dialog, the statistics table and graph, and the
// stratification dialog's refusals. The keys come through the X server as a
// user's do (tests/support/X11Input.h).
#include "analysis/AnalysisLaunch.h"
#include "analysis/hensi1.h"
#include "analysis/hensi2.h"
#include "analysis/histogram/HistogramFill.h"
#include "analysis/histogram/bunform.h"
#include "analysis/histogram/dobun.h"
#include "analysis/histogram/hensuup.h"
#include "analysis/histogram/kikaku.h"
#include "analysis/histogram/youko.h"
#include "analysis/statistics/VariableStatistics.h"
#include "analysis/statistics/hakoh.h"
#include "analysis/statistics/hakohg.h"
#include "analysis/statistics/hakohso.h"
#include "analysis/statistics/hensi2so.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QtTest>

#include "AnalysisWindows.h"
#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>
#include <vector>

using uitest::button;
using uitest::cellCentre;
using uitest::FakeContext;
using uitest::lineText;
using uitest::MessageBoxRecorder;
using uitest::openWindow;
using uitest::shown;
using uitest::shownColumn;
using uitest::signedText;
using x11input::clickPoint;

using x11input::endModal;
using x11input::focused;

namespace {

using uitest::fillDataset;

} // namespace

class TestHistogramInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }

    void init() {
        ctx = uitest::freshContext(QStringLiteral("ヒストグラム"));
        fillDataset(ctx->ws.dataset, uitest::kRangeRows);
    }

    void cleanup() { uitest::closeWindows(ctx); }

    // The kind dialog and the variable dialog by keyboard: arrows move through
    // the options and the variables, Enter is "OK".
    void kindAndVariableChosenByKeyboard() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<hensuup> kinds = openWindow<hensuup>(zel::WindowId::hensuup);
        QVERIFY(kinds);
        QVERIFY(x11input::activate(kinds));
        FOCUS_ON(kinds->option(0));
        KEYS("Down");
        QVERIFY(kinds->option(1)->isChecked());
        KEYS("Down");
        QVERIFY(kinds->option(2)->isChecked());
        KEYS("Up", "Up");
        QVERIFY(kinds->option(0)->isChecked());
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!kinds);

        QPointer<hensi1> vars = openWindow<hensi1>(zel::WindowId::hensi1);
        QVERIFY(vars);
        QVERIFY(x11input::activate(vars));
        QComboBox* list = vars->variableList();
        FOCUS_ON(list);
        KEYS("Down");
        QCOMPARE(list->currentText(), QString("B"));
        KEYS("End");
        QCOMPARE(list->currentText(), QString("全データ"));
        KEYS("Home", "Down");
        QCOMPARE(list->currentText(), QString("B"));
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!vars);
        QPointer<bunform> settings = openWindow<bunform>(zel::WindowId::bunform);
        QVERIFY(settings);
        QCOMPARE(settings->maxValue()->text(), QString("9"));
        QCOMPARE(settings->minValue()->text(), QString("1"));
        QVERIFY(x11input::activate(settings));
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(!settings);

        // Two variables: Tab from list to list; the same variable twice is refused.
        AnalysisLaunch::runGraphCommand(*ctx);
        kinds = openWindow<hensuup>(zel::WindowId::hensuup);
        QVERIFY(kinds);
        QVERIFY(x11input::activate(kinds));
        KEYS("Down", "Return");
        uitest::flushDeletes();
        QPointer<hensi2> two = openWindow<hensi2>(zel::WindowId::hensi2);
        QVERIFY(two);
        QVERIFY(x11input::activate(two));
        FOCUS_ON(two->variableList(0));
        KEYS("Tab");
        FOCUS_ON(two->variableList(1));
        MessageBoxRecorder boxes;
        KEYS("Up", "Return");
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QString("変数１と変数２が同じです｡"));
        QCOMPARE(box.title, QString("変数の指定"));
        QVERIFY(two);
        KEYS("Down", "Down", "Return");
        QCOMPARE(boxes.count(), 0);
        uitest::flushDeletes();
        QVERIFY(!two);
        settings = openWindow<bunform>(zel::WindowId::bunform);
        QVERIFY(settings);
        QCOMPARE(settings->maxValue()->text(), QString("10"));
        QCOMPARE(settings->minValue()->text(), QString("0"));
        QCOMPARE(ctx->ws.analysisSet.seriesCount, 2);
    }

    // The graph settings dialog typed into: Tab from field to field, the
    // class spin box by arrows and by typing, the options by arrows; the
    // dependent field follows each change, and Enter checks the limits.
    void bunformTypedInto() {
        bunform* dlg = openBunform({1});
        QVERIFY(dlg);
        QVERIFY(x11input::activate(dlg));
        FOCUS_ON(dlg->upperBox());
        KEYS("ctrl+a");
        QVERIFY(x11input::type(QStringLiteral("12")));
        QCOMPARE(dlg->upperBox()->text(), QString("12"));
        QCOMPARE(dlg->widthBox()->text(), QString("1.2"));
        KEYS("Tab");
        FOCUS_ON(dlg->lowerBox());
        QVERIFY(x11input::type(QStringLiteral("2")));
        QCOMPARE(dlg->lowerBox()->text(), QString("2"));
        QCOMPARE(dlg->widthBox()->text(), QString("1"));
        KEYS("Tab");
        FOCUS_ON(dlg->classSpin());
        KEYS("Up");
        QCOMPARE(dlg->classSpin()->value(), 11);
        KEYS("Down", "Down", "Down");
        QCOMPARE(dlg->classSpin()->value(), 8);
        QCOMPARE(dlg->widthBox()->text(), QString("1.25"));
        KEYS("ctrl+a");
        QVERIFY(x11input::type(QStringLiteral("4")));
        QCOMPARE(dlg->classSpin()->value(), 4);
        QCOMPARE(dlg->widthBox()->text(), QString("2.5"));
        QCOMPARE(dlg->upperBox()->text(), QString("12"));

        // The width field is disabled: Tab goes on to the options.
        KEYS("Tab");
        FOCUS_ON(dlg->widthOption());
        KEYS("Right");
        QVERIFY(dlg->upperOption()->isChecked());
        QVERIFY(!dlg->upperBox()->isEnabled());
        QVERIFY(dlg->widthBox()->isEnabled());
        KEYS("shift+Tab");
        FOCUS_ON(dlg->widthBox());
        QVERIFY(x11input::type(QStringLiteral("0.5")));
        QCOMPARE(dlg->upperBox()->text(), QString("4"));
        KEYS("shift+Tab");
        FOCUS_ON(dlg->classSpin());
        KEYS("Up", "Up");
        QCOMPARE(dlg->upperBox()->text(), QString("5"));

        // Enter is "OK": limits inside the data are refused, and the dialog keeps the focus.
        MessageBoxRecorder boxes;
        KEYS("Return");
        QCOMPARE(boxes.count(), 1);
        uitest::SeenBox box = boxes.take();
        QCOMPARE(box.title, QString("グラフの設定"));
        QCOMPARE(
            box.text,
            QString("グラフの上限値は入力されたデータの最大値よりも大きくなるよう設定を変更してください。"));
        QVERIFY(ZelWindow::find(zel::WindowId::bunform));
        QVERIFY(!ZelWindow::find(zel::WindowId::dobun));
        FOCUS_ON(dlg->classSpin());

        // Back to the width option by keyboard, then limits around the data.
        KEYS("Tab", "Tab");
        FOCUS_ON(dlg->upperOption());
        KEYS("Left");
        QVERIFY(dlg->widthOption()->isChecked());
        KEYS("shift+Tab", "shift+Tab", "shift+Tab");
        FOCUS_ON(dlg->upperBox());
        QVERIFY(x11input::type(QStringLiteral("10")));
        QCOMPARE(dlg->widthBox()->text(), QString("1.33333333333333"));
        KEYS("Return");
        box = boxes.take();
        QCOMPARE(
            box.text,
            QString("グラフの下限値は入力されたデータの最小値よりも小きくなるよう設定を変更してください。"));
        KEYS("Tab");
        QVERIFY(x11input::type(QStringLiteral("0")));
        KEYS("Return");
        QCOMPARE(boxes.count(), 0);
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::bunform));
        auto* table = openWindow<dobun>(zel::WindowId::dobun);
        QVERIFY(table);
        QCOMPARE(table->grid().rowCount(), 6);
    }

    // The frequency table: the arrow, Tab and page keys move through its grid,
    // the decimal places follow the spin box's keys, Ctrl+C copies what the
    // grid shows, and "OK" hands those texts to the histogram.
    void dobunKeysAndDecimals() {
        dobun* w = countAndOpenDobun({1, 2}, 30);
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        DataGrid& g = w->grid();
        FOCUS_ON(&g);
        QCOMPARE(g.currentCol(), 1);
        QCOMPARE(g.currentRow(), 1);
        KEYS("Down", "Down");
        QCOMPARE(g.currentRow(), 3);
        KEYS("Up");
        QCOMPARE(g.currentRow(), 2);
        KEYS("Right", "Right");
        QCOMPARE(g.currentCol(), 3);
        KEYS("Left");
        QCOMPARE(g.currentCol(), 2);
        KEYS("Page_Down");
        const int paged = g.currentRow();
        QVERIFY2(paged > 5, qPrintable(QString::number(paged)));
        KEYS("Page_Up");
        QVERIFY(g.currentRow() < paged);
        KEYS("ctrl+End");
        QCOMPARE(g.currentRow(), 30);
        KEYS("ctrl+Home");
        QCOMPARE(g.currentRow(), 1);
        // Typing into the read-only table changes nothing.
        QVERIFY(x11input::type(QStringLiteral("7")));
        QVERIFY(!g.isEditing());
        QCOMPARE(shown(g, g.currentCol(), 1), QString("0.00"));
        FOCUS_ON(&g);

        // Ctrl+C copies the shown texts of the block.
        KEYS("ctrl+Home", "shift+Down", "shift+Right");
        QApplication::clipboard()->clear();
        KEYS("ctrl+c");
        QCOMPARE(QApplication::clipboard()->text(), QString("0.00\t0.33\r\n0.33\t0.67\r\n"));

        // Tab leaves the grid for the bottom row, left to right: "印刷", the
        // spin box, "OK". The spin box's keys change the places of the
        // boundaries and mid-values.
        KEYS("Tab");
        QCOMPARE(focused()->objectName(), QString("Command3"));
        KEYS("Tab");
        FOCUS_ON(w->decimalSpin());
        KEYS("Tab");
        FOCUS_ON(w->okButton());
        KEYS("shift+Tab");
        FOCUS_ON(w->decimalSpin());
        KEYS("Up");
        QCOMPARE(w->decimalSpin()->value(), 3);
        QCOMPARE(shown(g, 2, 1), QString("0.333"));
        KEYS("Down", "Down");
        QCOMPARE(shown(g, 2, 1), QString("0.3"));
        QCOMPARE(shown(g, 3, 1), QString("0.2"));
        KEYS("ctrl+a");
        QVERIFY(x11input::type(QStringLiteral("0")));
        QCOMPARE(w->decimalSpin()->value(), 0);
        QCOMPARE(shownColumn(g, 2).mid(0, 3), QStringList({"0", "1", "1"}));
        QCOMPARE(shown(g, 4, 1), QString("1"));
        KEYS("ctrl+a");
        QVERIFY(x11input::type(QStringLiteral("15")));
        QVERIFY(w->decimalSpin()->value() <= dobun::kMaxDecimals);
        KEYS("ctrl+a");
        QVERIFY(x11input::type(QStringLiteral("1")));
        QCOMPARE(shown(g, 1, 2), QString("0.3"));

        // The copy follows the decimal places too.
        QVERIFY(x11input::click(g.viewport(), cellCentre(g, 1, 2)));
        FOCUS_ON(&g);
        KEYS("ctrl+c");
        QCOMPARE(QApplication::clipboard()->text(), QString("0.3\r\n"));

        // "OK": the histogram's labels are the texts the table shows now.
        QVERIFY(x11input::click(w->okButton(), w->okButton()->rect().center()));
        auto* h = openWindow<youko>(zel::WindowId::youko);
        QVERIFY(h);
        QVERIFY(ZelWindow::find(zel::WindowId::dobun));
        const zel::ChartModel& m = h->chart()->model();
        QCOMPARE(QString::fromStdString(m.pointLabelAt(2)), shown(g, 1, 2) + "～" + shown(g, 2, 2));
        QCOMPARE(QString::fromStdString(m.pointLabelAt(2)), QString("0.3～0.7"));
    }

    // A left click on a bar shows its series and count in the panel; a right
    // click on a point of a kind that separates pops the separation menu up,
    // whose entries the keyboard chooses.
    void youkoPointClicksAndTheSeparationPopUp() {
        youko* w = openYouko(2);
        QVERIFY(w);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        ChartView* g = w->chart();
        w->kindList()->setCurrentText(QStringLiteral("棒グラフ"));
        QVERIFY(clickPoint(g, 2, 3));
        QCOMPARE(w->lastPoint(), 3);
        QCOMPARE(lineText(w, "Textset"), QString(" 2"));
        QCOMPARE(lineText(w, "Textpoint"), QString(" 2"));
        QCOMPARE(lineText(w, "Text1"), signedText(2.25));
        QCOMPARE(lineText(w, "Text2"), signedText(ctx->ws.classTable.stats[1].variance));
        QCOMPARE(lineText(w, "Text3"), signedText(ctx->ws.classTable.stats[1].sd));
        QVERIFY(clickPoint(g, 1, 4));
        QCOMPARE(lineText(w, "Textset"), QString(" 1"));
        QCOMPARE(lineText(w, "Textpoint"), QString(" 3"));
        QCOMPARE(lineText(w, "Text1"), signedText(13.0 / 7.0));
        // A right click on a bar pops nothing up.
        QVERIFY(clickPoint(g, 1, 2, 3));
        QCOMPARE(w->lastPoint(), 2);
        QVERIFY(!w->separationMenu()->isVisible());
        QVERIFY(!QApplication::activePopupWidget());

        // A line: the right click pops the menu up; Down and Enter choose "分離する".
        w->kindList()->setCurrentText(QStringLiteral("折れ線グラフ"));
        zel::ChartModel& m = g->model();
        QVERIFY(clickPoint(g, 1, 3, 3));
        QCOMPARE(w->lastPoint(), 3);
        QTRY_VERIFY(w->separationMenu()->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(w->separationMenu()));
        KEYS("Down", "Return");
        QTRY_VERIFY(!w->separationMenu()->isVisible());
        QCOMPARE(m.pointSeparatedAt(3), 1);
        // Again, the second entry "分離しない"; Escape closes the menu alone.
        QVERIFY(clickPoint(g, 1, 3, 3));
        QTRY_VERIFY(w->separationMenu()->isVisible());
        KEYS("Escape");
        QTRY_VERIFY(!w->separationMenu()->isVisible());
        QVERIFY(w->isVisible());
        QCOMPARE(m.pointSeparatedAt(3), 1);
        QVERIFY(clickPoint(g, 1, 3, 3));
        QTRY_VERIFY(w->separationMenu()->isVisible());
        KEYS("Down", "Down", "Return");
        QTRY_VERIFY(!w->separationMenu()->isVisible());
        QCOMPARE(m.pointSeparatedAt(3), 0);
        // The same menu under "オプション(&O)" by keyboard, after its pop-ups.
        KEYS("alt+o", "Down", "Down", "Down", "Down", "Down");
        QMenu* options = w->optionsMenu();
        QTRY_VERIFY(options->isVisible());
        QCOMPARE(options->activeAction(), w->separationMenu()->menuAction());
        KEYS("Right", "Return");
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(m.pointSeparatedAt(3), 1);

        // A pie of one series: a right click on a slice.
        w->close();
        uitest::flushDeletes();
        w = openYouko(1);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        w->kindList()->setCurrentText(QStringLiteral("円グラフ"));
        g = w->chart();
        QVERIFY(clickPoint(g, 1, 2, 3));
        QCOMPARE(w->lastPoint(), 2);
        QTRY_VERIFY(w->separationMenu()->isVisible());
        KEYS("Down", "Return");
        QTRY_VERIFY(!w->separationMenu()->isVisible());
        QCOMPARE(g->model().pointSeparatedAt(2), 1);
    }

    // The kind list stepped through by its keys, each kind drawn in turn with
    // its menus enabled as the kind says.
    void youkoKindListByKeyboard() {
        for (int series : {1, 3}) {
            youko* w = openYouko(series);
            QVERIFY(w);
            w->resize(900, 600);
            QVERIFY(x11input::activate(w));
            QComboBox* kinds = w->kindList();
            // A click opens the list; Escape closes it and leaves the focus there.
            QVERIFY(x11input::click(kinds, kinds->rect().center()));
            QTRY_VERIFY(QApplication::activePopupWidget());
            KEYS("Escape");
            QTRY_VERIFY(!QApplication::activePopupWidget());
            FOCUS_ON(kinds);
            KEYS("Home");
            QCOMPARE(kinds->currentIndex(), 0);
            const auto& table = zel::histogramKinds();
            for (int i = 0; i < static_cast<int>(table.size()); ++i) {
                if (i > 0) KEYS("Down");
                const zel::HistogramKind& k = table[static_cast<std::size_t>(i)];
                QCOMPARE(kinds->currentIndex(), i);
                QCOMPARE(kinds->currentText().toStdString(), std::string(k.name));
                const zel::ChartModel& m = w->chart()->model();
                QCOMPARE(m.chartType(), k.type);
                QCOMPARE(m.chartStyle(), k.style);
                const zel::HistogramMenuState menus = zel::histogramMenuState(k, series);
                QCOMPARE(uitest::findAction(w, "kikakugs")->isEnabled(), menus.classification);
                QCOMPARE(uitest::findAction(w, "memorore")->isEnabled(), menus.scale);
                QVERIFY(w->isVisible());
                FOCUS_ON(kinds);
            }
            KEYS("Down");
            QCOMPARE(kinds->currentIndex(), static_cast<int>(table.size()) - 1);
            KEYS("Up");
            QCOMPARE(kinds->currentIndex(), static_cast<int>(table.size()) - 2);
            w->close();
            uitest::flushDeletes();
        }
    }

    // The classification dialog opened from the menu by keyboard (Alt+O, K):
    // the arrows move through the rows, Space ticks a box, a click ticks
    // another, Tab leaves the grid for "OK" and Enter presses it. Reopened, it
    // shows the marks, and Escape leaves them as they were.
    void kikakuByKeysAndClicks() {
        youko* w = openYouko(1);
        QVERIFY(w);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        const zel::ChartModel& m = w->chart()->model();
        bool ran = false;
        uitest::whenModal<kikaku>([&](kikaku* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            auto* grid = d->findChild<DataGrid*>(QStringLiteral("grid1"));
            FOCUS_ON(grid);
            QCOMPARE(grid->currentCol(), 1);
            QCOMPARE(grid->currentRow(), 1);
            KEYS("Down", "space");
            QVERIFY(grid->isChecked(1, 2));
            KEYS("space");
            QVERIFY(!grid->isChecked(1, 2));
            KEYS("space", "Down", "Down");
            QCOMPARE(grid->currentRow(), 4);
            QVERIFY(x11input::click(grid->viewport(), cellCentre(*grid, 1, 3)));
            QVERIFY(grid->isChecked(1, 3));
            KEYS("Tab");
            FOCUS_ON(button(d, "Command1"));
            KEYS("Return");
            ran = true;
        });
        KEYS("alt+o", "k");
        QTRY_VERIFY(ran);
        QVERIFY(!ZelWindow::find(zel::WindowId::kikaku));
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{0, 1, 1, 0}));
        QCOMPARE(m.patternAt(2), 4);
        QCOMPARE(m.patternAt(3), 4);
        QCOMPARE(m.patternAt(1), 0);

        // No window manager gives the histogram the focus back: the test does.
        QVERIFY(x11input::activate(w));
        ran = false;
        uitest::whenModal<kikaku>([&](kikaku* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            auto* grid = d->findChild<DataGrid*>(QStringLiteral("grid1"));
            QVERIFY(grid->isChecked(1, 2) && grid->isChecked(1, 3) && !grid->isChecked(1, 4));
            KEYS("space", "Escape");
            ran = true;
        });
        KEYS("alt+o", "k");
        QTRY_VERIFY(ran);
        QVERIFY(!ZelWindow::find(zel::WindowId::kikaku));
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{0, 1, 1, 0}));
        QVERIFY(w->isVisible());
    }

    // The scale dialog from the menu by keyboard (Alt+O, M): typed limits, and
    // Enter is "変更".
    void memorihTypedInto() {
        youko* w = openYouko(2);
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        const zel::ChartModel& m = w->chart()->model();
        bool ran = false;
        uitest::whenModal<QDialog>([&](QDialog* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QCOMPARE(d->objectName(), QString("MEMORIH"));
            QVERIFY(x11input::activate(d));
            auto* upper = d->findChild<QLineEdit*>(QStringLiteral("Text1"));
            auto* lower = d->findChild<QLineEdit*>(QStringLiteral("Text2"));
            FOCUS_ON(upper);
            QCOMPARE(upper->text(), QString("3.00"));
            KEYS("ctrl+a");
            QVERIFY(x11input::type(QStringLiteral("10")));
            KEYS("Tab");
            FOCUS_ON(lower);
            QVERIFY(x11input::type(QStringLiteral("-2")));
            KEYS("Return");
            ran = true;
        });
        KEYS("alt+o", "m");
        QTRY_VERIFY(ran);
        QVERIFY(!ZelWindow::find(zel::WindowId::MEMORIH));
        QCOMPARE(m.yAxisScale(), zel::axisscales::kFixed);
        QCOMPARE(m.yAxisMax(), 10.0);
        QCOMPARE(m.yAxisMin(), -2.0);
    }

    // Escape in a graph window closes nothing: the window has no "ｷｬﾝｾﾙ", and
    // it lives until the close box or "メニュー画面へ".
    void escapeKeepsTheGraphWindowsOpen() {
        youko* w = openYouko(1);
        QVERIFY(w);
        QPointer<youko> histogram = w;
        QVERIFY(x11input::activate(w));
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(histogram);
        // The first Escape closes the open kind list, the second nothing.
        QVERIFY(x11input::click(w->kindList(), w->kindList()->rect().center()));
        QTRY_VERIFY(QApplication::activePopupWidget());
        KEYS("Escape", "Escape");
        uitest::flushDeletes();
        QVERIFY(histogram);
        QVERIFY(histogram->isVisible());
        QVERIFY(ZelWindow::find(zel::WindowId::youko));

        ctx->ws.variableStatistics = zel::computeVariableStatistics(ctx->ws.dataset);
        ctx->analysis = QStringLiteral("変数別統計量");
        QPointer<hakohg> comparison = uitest::openFrom<hakohg>(*ctx, zel::WindowId::hakohg);
        QVERIFY(comparison);
        QVERIFY(x11input::activate(comparison));
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(comparison);
        QVERIFY(comparison->isVisible());
    }

    // The statistics table from "変数別統計量": the keys move through its grid
    // and copy; the comparison graph's kind list by keyboard, and a click on a
    // figure reads it out.
    void hakohAndHakohgByKeyboard() {
        fillDataset(ctx->ws.dataset, {{2, 1}, {100, 100}, {4, 2}, {6, 4}}, {"長さ", "12"},
                    {"a", uitest::kMaskedLabel, "b", "c"});
        ctx->analysis = QStringLiteral("変数別統計量");
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<hakoh> table = openWindow<hakoh>(zel::WindowId::hakoh);
        QVERIFY(table);
        QVERIFY(x11input::activate(table));
        DataGrid& g = table->grid();
        FOCUS_ON(&g);
        KEYS("Down");
        QCOMPARE(g.currentRow(), 2);
        KEYS("Right", "Right");
        QCOMPARE(g.currentCol(), 3);
        KEYS("ctrl+c");
        QCOMPARE(QApplication::clipboard()->text(), QString("4.0000\r\n"));
        KEYS("Page_Up", "shift+End");
        KEYS("ctrl+c");
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("6.0000\t2.0000\t4.0000\t4.0000\t2.0000\t12.0000\r\n"));
        KEYS("Page_Down", "End");
        QCOMPARE(g.currentRow(), 2);
        QCOMPARE(g.currentCol(), 8);
        QVERIFY(x11input::type(QStringLiteral("9")));
        QVERIFY(!g.isEditing());
        QCOMPARE(shown(g, 8, 2), QString("7.0000"));

        // The right button over a cell pops the edit menu up; its keys copy.
        QVERIFY(x11input::click(g.viewport(), cellCentre(g, 2, 1), 3));
        QTRY_VERIFY(table->editMenu()->isVisible());
        QApplication::clipboard()->clear();
        KEYS("Down", "Return");
        QTRY_VERIFY(!table->editMenu()->isVisible());
        QCOMPARE(QApplication::clipboard()->text(), QString("3\r\n"));

        // Tab reaches "印刷" and then "OK", and Enter presses it.
        KEYS("Tab");
        QCOMPARE(focused()->objectName(), QString("Command3"));
        KEYS("Tab");
        FOCUS_ON(table->okButton());
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!table);
        auto* graph = openWindow<hakohg>(zel::WindowId::hakohg);
        QVERIFY(graph);
        graph->resize(900, 600);
        QVERIFY(x11input::activate(graph));
        QComboBox* kinds = graph->kindList();
        FOCUS_ON(kinds);
        const zel::ChartModel& m = graph->chart(0)->model();
        QCOMPARE(m.chartType(), zel::ChartType(17));
        KEYS("Down");
        QCOMPARE(kinds->currentText(), QString("生データプロット"));
        QCOMPARE(m.chartType(), zel::ChartType(6));
        QCOMPARE(m.seriesCount(), 3);
        KEYS("Down");
        QCOMPARE(kinds->currentIndex(), 1);
        KEYS("Up");
        QCOMPARE(kinds->currentText(), QString("変数別統計量"));
        QCOMPARE(m.chartType(), zel::ChartType(17));
        FOCUS_ON(kinds);

        QVERIFY(clickPoint(graph->chart(0), 0, 2));
        QCOMPARE(lineText(graph, "Textset"), QString(" 2"));
        QCOMPARE(lineText(graph, "maxtxt"), QString(" 4"));
        QCOMPARE(lineText(graph, "mintxt"), QString(" 1"));
        QCOMPARE(lineText(graph, "Text4"), QString(" 3"));
    }

    // The stratification dialog driven by keyboard alone: its three refusals
    // in their order (same variable; a factor outside 1..5, even where a
    // stratum also has a single value; a stratum of one value), then a factor
    // that passes opens the stratified table.
    void hensi2soRefusalsByKeyboard() {
        QPointer<hensi2so> d = openStratification(QStringLiteral("層別統計量グラフ"));
        QVERIFY(d);
        QVERIFY(x11input::activate(d));
        QComboBox* factor = d->factorList();
        QComboBox* variable = d->analysisList();
        FOCUS_ON(factor);
        QCOMPARE(factor->currentText(), QString("A"));
        QCOMPARE(variable->currentText(), QString("B"));
        MessageBoxRecorder boxes;

        KEYS("Tab");
        FOCUS_ON(variable);
        KEYS("Up", "Return");
        QCOMPARE(variable->currentText(), QString("A"));
        uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QString("層別変数と解析変数が同じです｡"));
        QCOMPARE(box.title, QString("変数の指定"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QCOMPARE(boxes.count(), 0);

        KEYS("Down", "Down", "Return");
        QCOMPARE(variable->currentText(), QString("C"));
        box = boxes.take();
        QCOMPARE(box.text, QString("層別因子として使用できるデータは１～５の整数です。"));
        QCOMPARE(box.title, QString("層別因子"));

        KEYS("shift+Tab");
        FOCUS_ON(factor);
        KEYS("Down", "Return");
        QCOMPARE(factor->currentText(), QString("B"));
        box = boxes.take();
        QCOMPARE(box.text, QString("一つのグループのデータは「２」以上にして下さい。"));
        QCOMPARE(box.title, QString("層別統計量グラフ"));

        KEYS("Down", "Return");
        QCOMPARE(factor->currentText(), QString("C"));
        box = boxes.take();
        QCOMPARE(box.text, QString("層別変数と解析変数が同じです｡"));
        QVERIFY(d);
        QVERIFY(!ZelWindow::find(zel::WindowId::hakohso));
        FOCUS_ON(factor);

        KEYS("Down", "Return");
        QCOMPARE(boxes.count(), 0);
        uitest::flushDeletes();
        QVERIFY(!d);
        auto* strata = openWindow<hakohso>(zel::WindowId::hakohso);
        QVERIFY(strata);
        QCOMPARE(uitest::shownColumn(strata->grid(), 1), QStringList({"一組", "二組"}));
        QCOMPARE(uitest::shownColumn(strata->grid(), 2), QStringList({"2", "3"}));
    }

    // The stratified histogram from the keyboard alone: the stratification
    // dialog, the graph settings dialog and the frequency table each ended with
    // Enter; the histogram opens on the strata.
    void stratifiedHistogramByKeyboard() {
        // Factor D, values C.
        QPointer<hensi2so> d = openStratification(QStringLiteral("層別ヒストグラム"));
        QVERIFY(d);
        QVERIFY(x11input::activate(d));
        KEYS("Down", "Down", "Down", "Tab", "Down");
        QCOMPARE(d->factorList()->currentText(), QString("D"));
        QCOMPARE(d->analysisList()->currentText(), QString("C"));
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!d);

        QPointer<bunform> settings = openWindow<bunform>(zel::WindowId::bunform);
        QVERIFY(settings);
        QVERIFY(x11input::activate(settings));
        QCOMPARE(settings->maxValue()->text(), QString("20"));
        QCOMPARE(settings->minValue()->text(), QString("1"));
        KEYS("Tab", "Tab", "ctrl+a");
        QVERIFY(x11input::type(QStringLiteral("2")));
        QCOMPARE(settings->widthBox()->text(), QString("9.5"));
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!settings);

        auto* table = openWindow<dobun>(zel::WindowId::dobun);
        QVERIFY(table);
        QVERIFY(x11input::activate(table));
        QCOMPARE(uitest::columnHeadings(table->grid()),
                 QStringList({"区間(以上）", "区間(未満）", "中心値", "一組", "二組"}));
        QCOMPARE(shownColumn(table->grid(), 4), QStringList({"1", "1"}));
        QCOMPARE(shownColumn(table->grid(), 5), QStringList({"3", "0"}));
        // Past "印刷" and the spin box to "OK".
        KEYS("Tab", "Tab", "Tab");
        FOCUS_ON(table->okButton());
        KEYS("Return");
        auto* histogram = openWindow<youko>(zel::WindowId::youko);
        QVERIFY(histogram);
        QCOMPARE(histogram->kindList()->currentText(), QString("Ｚ軸立体棒"));
        QCOMPARE(histogram->chart()->model().legendAt(2), std::string("二組"));
        QCOMPARE(histogram->chart()->model().pointLabelAt(1), std::string("1.00～10.50"));
    }

  private:
    // youko over A, B, C of ClassTableFixtures.h: A = 0 1 1 2 3 3 3 counts
    // 1 2 1 3 (mean 13/7), B = 1 2 2 4 counts 0 1 2 1 (mean 9/4).
    youko* openYouko(int series) { return uitest::openYouko(*ctx, series); }

    // The stratification dialog of the analysis from the graph command, over
    // A: codes 1 0 2 2 3 (0.5 rounds to 0, code 3 once); B: codes 1 1 2 3 3
    // (code 2 once); C: the values; D: codes 1 1 2 2 2.
    hensi2so* openStratification(const QString& analysis) {
        fillDataset(ctx->ws.dataset,
                    {{1, 1, 10, 1}, {0.5, 1, 20, 1}, {2, 2, 1, 2}, {2, 3, 2, 2}, {3, 3, 3, 2}}, {},
                    {"一組", "x", "二組", "y", "z"});
        ctx->analysis = analysis;
        AnalysisLaunch::runGraphCommand(*ctx);
        return openWindow<hensi2so>(zel::WindowId::hensi2so);
    }

    // bunform's "OK" with the data's range and the given classes.
    dobun* countAndOpenDobun(const std::vector<int>& positions, int classes) {
        bunform* dlg = openBunform(positions);
        if (!dlg) return nullptr;
        dlg->classSpin()->setValue(classes);
        dlg->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        uitest::flushDeletes();
        return openWindow<dobun>(zel::WindowId::dobun);
    }

    bunform* openBunform(const std::vector<int>& positions) {
        return uitest::openWithSet<bunform>(*ctx, zel::WindowId::bunform, positions);
    }

    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestHistogramInput)
#include "tst_histogram_input.moc"
