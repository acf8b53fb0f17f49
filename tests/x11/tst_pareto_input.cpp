// Keys and clicks of the Pareto chain on the real X11 platform, as a user who
// keeps to the keyboard goes through it: labels typed into the data-label
// dialog's grid (arrows, Enter, Escape, Tab to the buttons), the variable
// chosen in pare1 by arrows, the table window pareko moved through, the item
// count typed into pareno, and the graph window opening on the Pareto kind.
// The keys come through the X server as a user's do (tests/support/X11Input.h).
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/pareto/Pareto.h"
#include "analysis/pareto/pare1.h"
#include "analysis/pareto/pareko.h"
#include "analysis/pareto/pareno.h"
#include "analysis/vargraph/oresen.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/EditCommands.h"
#include "dataset/parekos.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QtTest>

#include "DatasetFixtures.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>
#include <string>
#include <vector>

using x11input::doubleClick;
using x11input::endModal;
using x11input::focused;

namespace {

// The main window stand-in, whose data-label dialog goes on to pare1 as the
// main window's does.
class ParetoContext : public uitest::FakeContext {
  public:
    void openParetoVariables() override {
        ++paretoOpened;
        openPare1(*this);
    }
};

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

QStringList labelTexts(QWidget* window) {
    QStringList out;
    for (const QLabel* l : window->findChildren<QLabel*>())
        out << l->text();
    return out;
}

std::vector<std::string> labels(const zel::Dataset& ds) {
    std::vector<std::string> out;
    for (int i = 1; i <= ds.sampleCount(); ++i)
        out.push_back(ds.label(i));
    return out;
}

template <class T> T* openWindow(zel::WindowId id) {
    return qobject_cast<T*>(ZelWindow::find(id));
}

} // namespace

class TestParetoInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }

    void init() {
        zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
        ctx = std::make_unique<ParetoContext>();
        // 件数 5, 20, 10, 15 of four items and a masked sample of 100.
        uitest::fillDataset(ctx->ws.dataset, {{5, 1}, {20, 1}, {100, 100}, {10, 12}, {15, 0}},
                            {"件数", "手直し"}, {"a", "b", uitest::kMaskedLabel, "c", "d"});
        ctx->analysis = QStringLiteral("パレート図");
    }

    void cleanup() {
        ZelWindow::closeAll();
        uitest::flushDeletes();
        ctx.reset();
    }

    // The labels typed into the grid: typing opens the cell, Enter stores it
    // and the cell stays, an arrow stores it and moves, Escape drops it and
    // leaves the dialog open, the arrows stop at the first and the last row,
    // Tab stores the edit and goes on to "OK", and Enter outside an edit
    // presses "OK", which stores the labels and opens pare1.
    void labelsTypedIntoTheGrid() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<parekos> w = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        DataGrid* grid = w->grid();
        FOCUS_ON(grid);
        QCOMPARE(grid->currentRow(), 1);
        KEYS("Up");
        QCOMPARE(grid->currentRow(), 1);

        TYPE("Dent");
        QVERIFY(grid->isEditing());
        KEYS("Return");
        QVERIFY(!grid->isEditing());
        QCOMPARE(grid->text(1, 1), QStringLiteral("Dent"));
        QCOMPARE(grid->currentRow(), 1);
        QVERIFY(w->isVisible());

        KEYS("Down");
        TYPE("Scratch");
        KEYS("Down");
        QCOMPARE(grid->text(1, 2), QStringLiteral("Scratch"));
        QCOMPARE(grid->currentRow(), 3);

        // The masked sample keeps its label; Escape drops an edit only.
        KEYS("Down");
        TYPE("Stain");
        KEYS("Escape");
        QVERIFY(!grid->isEditing());
        QCOMPARE(grid->text(1, 4), QStringLiteral("c"));
        QVERIFY(w->isVisible());
        FOCUS_ON(grid);
        TYPE("Stain");
        KEYS("Down");
        QCOMPARE(grid->text(1, 4), QStringLiteral("Stain"));
        QCOMPARE(grid->currentRow(), 5);
        KEYS("Down", "Down");
        QCOMPARE(grid->currentRow(), 5);

        TYPE("Crack");
        KEYS("Tab");
        QVERIFY(!grid->isEditing());
        QCOMPARE(grid->text(1, 5), QStringLiteral("Crack"));
        FOCUS_ON(button(w, "Command1"));
        KEYS("Tab");
        FOCUS_ON(button(w, "Command2"));
        KEYS("shift+Tab", "shift+Tab");
        FOCUS_ON(grid);
        QCOMPARE(grid->currentRow(), 5);
        // Nothing is stored before "OK".
        QCOMPARE(ctx->ws.dataset.label(5), std::string("d"));

        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(labels(ctx->ws.dataset),
                 (std::vector<std::string>{"Dent", "Scratch", uitest::kMaskedLabel, "Stain", "Crack"}));
        QCOMPARE(ctx->paretoOpened, 1);
        QCOMPARE(ctx->ws.dataLabelFlag, std::int16_t(0));
        QVERIFY(openWindow<pare1>(zel::WindowId::pare1));
    }

    // Escape without an open edit closes the data-label dialog: nothing is
    // stored and the analysis goes no further. A click on a cell and typing
    // edit it as the keys do; F2 and a double click add to a label.
    void escapeLeavesTheLabelsAsTheyWere() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<parekos> w = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        DataGrid* grid = w->grid();
        const QModelIndex second = grid->model()->index(1, 0);
        QVERIFY(x11input::click(grid->viewport(), grid->visualRect(second).center()));
        QCOMPARE(grid->currentRow(), 2);
        TYPE("Scratch");
        KEYS("Return");
        QCOMPARE(grid->text(1, 2), QStringLiteral("Scratch"));
        // F2 and a double click open the label as it stands, to add to it.
        KEYS("F2");
        QVERIFY(grid->isEditing());
        TYPE("es");
        KEYS("Return");
        QCOMPARE(grid->text(1, 2), QStringLiteral("Scratches"));
        const QModelIndex first = grid->model()->index(0, 0);
        QVERIFY(doubleClick(grid->viewport(), grid->visualRect(first).center()));
        QVERIFY(grid->isEditing());
        TYPE("1");
        KEYS("Return");
        QCOMPARE(grid->text(1, 1), QStringLiteral("a1"));
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(labels(ctx->ws.dataset),
                 (std::vector<std::string>{"a", "b", uitest::kMaskedLabel, "c", "d"}));
        QCOMPARE(ctx->paretoOpened, 0);
        QCOMPARE(ctx->ws.dataLabelFlag, std::int16_t(0));
        QVERIFY(!ZelWindow::find(zel::WindowId::pare1));
    }

    // Opened from the Option menu, Enter stores the labels and opens no
    // analysis dialog, even while the Pareto chart is the current analysis.
    void enterFromTheOptionMenuOnlyStoresTheLabels() {
        EditCommands::dataLabels(*ctx, true);
        QCOMPARE(ctx->ws.dataLabelFlag, std::int16_t(1));
        QPointer<parekos> w = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        FOCUS_ON(w->grid());
        KEYS("ctrl+End");
        QCOMPARE(w->grid()->currentRow(), 5);
        TYPE("Crack");
        KEYS("Return", "Return");
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(labels(ctx->ws.dataset),
                 (std::vector<std::string>{"a", "b", uitest::kMaskedLabel, "c", "Crack"}));
        QCOMPARE(ctx->paretoOpened, 0);
        QCOMPARE(ctx->ws.dataLabelFlag, std::int16_t(0));
        QVERIFY(!ZelWindow::find(zel::WindowId::pare1));
    }

    // The label dialog's edit menu by keys: "すべて選択" and Ctrl+C copy every
    // label, "切り取り" empties the cell, "張り付け" puts it elsewhere, and
    // Enter on the focused "ｷｬﾝｾﾙ" stores none of it.
    void theEditMenuByKeys() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<parekos> w = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(w);
        QVERIFY(x11input::activate(w));
        DataGrid* grid = w->grid();
        FOCUS_ON(grid);
        KEYS("alt+e", "a");
        QCOMPARE(grid->selectedBlock(), QRect(1, 1, 1, 5));
        QApplication::clipboard()->clear();
        KEYS("ctrl+c");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\r\nb\r\nmasked\r\nc\r\nd\r\n"));
        KEYS("Down");
        QCOMPARE(grid->currentRow(), 2);
        KEYS("alt+e", "t");
        QCOMPARE(grid->text(1, 2), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("b\r\n"));
        KEYS("Down", "Down", "alt+e", "p");
        QCOMPARE(grid->text(1, 4), QStringLiteral("b"));
        FOCUS_ON(grid);
        KEYS("Tab", "Tab");
        FOCUS_ON(button(w, "Command2"));
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(labels(ctx->ws.dataset),
                 (std::vector<std::string>{"a", "b", uitest::kMaskedLabel, "c", "d"}));
        QCOMPARE(ctx->paretoOpened, 0);
    }

    // From the labels to the graph by keys: the arrows choose the variable in
    // pare1 and Enter confirms it; in pareko the arrows stop at the table's
    // edges, typing changes nothing and Enter asks for the item count; in
    // pareno the arrows and typing set the count, and Enter folds the tail and
    // opens the graph, where Escape closes nothing.
    void fromTheLabelsToTheGraph() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<parekos> labelsDialog = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(labelsDialog);
        QVERIFY(x11input::activate(labelsDialog));
        QCOMPARE(labelsDialog->windowTitle(), QStringLiteral("データラベル"));
        QVERIFY(labelTexts(labelsDialog).contains(QStringLiteral("データラベルの名前を入力して下さい。")));
        QCOMPARE(labelsDialog->grid()->text(0, 0), QStringLiteral("データラベル"));
        QCOMPARE(labelsDialog->grid()->text(0, 5), QStringLiteral("NO.5"));
        TYPE("Dent");
        KEYS("Down");
        TYPE("Scratch");
        KEYS("Down", "Down");
        TYPE("Stain");
        KEYS("Down");
        TYPE("Crack");
        KEYS("Return", "Return");
        uitest::flushDeletes();
        QVERIFY(!labelsDialog);

        QPointer<pare1> variables = openWindow<pare1>(zel::WindowId::pare1);
        QVERIFY(variables);
        QVERIFY(x11input::activate(variables));
        QCOMPARE(variables->windowTitle(), QStringLiteral("解析に使用する変数の指定"));
        QComboBox* list = variables->variableList();
        FOCUS_ON(list);
        QCOMPARE(list->currentText(), QStringLiteral("件数"));
        KEYS("Down", "Down", "Down");
        QCOMPARE(list->currentText(), QStringLiteral("合計"));
        KEYS("Up", "Up", "Up");
        QCOMPARE(list->currentText(), QStringLiteral("件数"));
        KEYS("Return");
        uitest::flushDeletes();
        QVERIFY(!variables);

        QPointer<pareko> table = openWindow<pareko>(zel::WindowId::pareko);
        QVERIFY(table);
        QVERIFY(x11input::activate(table));
        QCOMPARE(table->windowTitle(), QStringLiteral("パレート図"));
        DataGrid& g = table->grid();
        FOCUS_ON(&g);
        QCOMPARE(uitest::shownColumn(g, 1), (QStringList{"Scratch", "Crack", "Stain", "Dent"}));
        QCOMPARE(g.currentCol(), 1);
        QCOMPARE(g.currentRow(), 1);
        KEYS("Up", "Left");
        QCOMPARE(g.currentCol(), 1);
        QCOMPARE(g.currentRow(), 1);
        KEYS("Down", "Down", "Down", "Down", "Down", "Right", "Right", "Right", "Right");
        QCOMPARE(g.currentCol(), 4);
        QCOMPARE(g.currentRow(), 4);
        TYPE("9");
        QVERIFY(!g.isEditing());
        QCOMPARE(uitest::shown(g, 4, 4), QStringLiteral("100.0000"));
        QApplication::clipboard()->clear();
        KEYS("ctrl+c");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("100.0000\r\n"));
        KEYS("ctrl+Home");
        QCOMPARE(g.currentCol(), 1);
        QCOMPARE(g.currentRow(), 1);
        // The right button over a cell pops the edit menu up; Down and Enter copy.
        const QModelIndex crack = g.model()->index(1, 0);
        QVERIFY(x11input::click(g.viewport(), g.visualRect(crack).center(), 3));
        QTRY_VERIFY(table->editMenu()->isVisible());
        KEYS("Down", "Return");
        QTRY_VERIFY(!table->editMenu()->isVisible());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Crack\r\n"));
        FOCUS_ON(&g);

        bool asked = false;
        uitest::whenModal<pareno>([&](pareno* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            QCOMPARE(d->windowTitle(), QStringLiteral("パレート図"));
            QSpinBox* spin = d->spin();
            FOCUS_ON(spin);
            QCOMPARE(spin->value(), 4);
            QCOMPARE(labelTexts(d), (QStringList{"パレート図に使用する項目数･･･", "上位4項目を使用します。",
                                                 "残り0項目は「その他」としてまとめて表示します。"}));
            KEYS("Up");
            QCOMPARE(spin->value(), 4);
            KEYS("Down", "Down", "Down");
            QCOMPARE(spin->value(), 2);
            QCOMPARE(labelTexts(d), (QStringList{"パレート図に使用する項目数･･･", "上位2項目を使用します。",
                                                 "残り2項目は「その他」としてまとめて表示します。"}));
            // A count below 2 is not taken: the lines keep showing the count OK applies.
            KEYS("ctrl+a");
            TYPE("1");
            QCOMPARE(spin->value(), 2);
            QVERIFY(labelTexts(d).contains(QStringLiteral("上位2項目を使用します。")));
            KEYS("ctrl+a");
            TYPE("3");
            QCOMPARE(spin->value(), 3);
            QCOMPARE(labelTexts(d), (QStringList{"パレート図に使用する項目数･･･", "上位3項目を使用します。",
                                                 "残り1項目は「その他」としてまとめて表示します。"}));
            asked = true;
            KEYS("Return");
        });
        // Enter in the table's grid is "OK".
        KEYS("Return");
        QTRY_VERIFY(asked);
        uitest::flushDeletes();
        QVERIFY(!table);
        QVERIFY(!ZelWindow::find(zel::WindowId::pareno));
        QCOMPARE(ctx->ws.paretoItems.names,
                 (std::vector<std::string>{"Scratch", "Crack", "Stain", "その他"}));
        QCOMPARE(ctx->ws.paretoItems.cumulative, (std::vector<double>{40, 70, 90, 100}));
        QCOMPARE(ctx->ws.analysisSet.values.at(0), (std::vector<double>{20, 15, 10, 5}));

        QPointer<oresen> graph = openWindow<oresen>(zel::WindowId::oresen);
        QVERIFY(graph);
        graph->resize(900, 600);
        QVERIFY(x11input::activate(graph));
        QCOMPARE(graph->kindList()->currentText(), QStringLiteral("パレート図"));
        const zel::ChartModel& m = graph->chart()->model();
        QCOMPARE(m.pointCount(), 4);
        QCOMPARE(m.pointLabelAt(1), std::string("Scratch"));
        QCOMPARE(m.pointLabelAt(4), std::string("その他"));
        QCOMPARE(m.overlayValueAt(4), 100.0);
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(graph);
        QVERIFY(graph->isVisible());
    }

    // A variable whose values sum to 0 is refused on Enter; the dialog keeps
    // the focus on its list, and the next variable goes on by keys.
    void aRefusedSumLeavesTheListToTheKeys() {
        ctx->ws.dataset.setValue(1, 2, -14); // 手直し: -14, 1, 12, 0
        QPointer<pare1> variables = qobject_cast<pare1*>(openPare1(*ctx));
        QVERIFY(variables);
        QVERIFY(x11input::activate(variables));
        QComboBox* list = variables->variableList();
        FOCUS_ON(list);
        uitest::MessageBoxRecorder boxes;
        KEYS("Down", "Return");
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("データを確認して下さい。"));
        QCOMPARE(box.title, QStringLiteral("データの入力"));
        QVERIFY(variables);
        QVERIFY(!ZelWindow::find(zel::WindowId::pareko));
        FOCUS_ON(list);
        KEYS("Down", "Return");
        uitest::flushDeletes();
        QVERIFY(!variables);
        QPointer<pareko> table = openWindow<pareko>(zel::WindowId::pareko);
        QVERIFY(table);
        QCOMPARE(uitest::shownColumn(table->grid(), 2), (QStringList{"22", "21", "15", "-9"}));
    }

    // Escape in the item count dialog is its ｷｬﾝｾﾙ: the table closes and no
    // graph opens. Escape in the table window is its ｷｬﾝｾﾙ, and in pare1 it
    // closes the dialog.
    void escapeEndsTheChainWithoutAGraph() {
        ctx->ws.dataLabelFlag = 0;
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<parekos> labelsDialog = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(labelsDialog);
        QVERIFY(x11input::activate(labelsDialog));
        KEYS("Return");
        uitest::flushDeletes();
        QPointer<pare1> variables = openWindow<pare1>(zel::WindowId::pare1);
        QVERIFY(variables);
        QVERIFY(x11input::activate(variables));
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(!variables);
        QVERIFY(!ZelWindow::find(zel::WindowId::pareko));

        variables = openPare1(*ctx) ? openWindow<pare1>(zel::WindowId::pare1) : nullptr;
        QVERIFY(variables);
        QVERIFY(x11input::activate(variables));
        KEYS("Return");
        uitest::flushDeletes();
        QPointer<pareko> table = openWindow<pareko>(zel::WindowId::pareko);
        QVERIFY(table);
        QVERIFY(x11input::activate(table));
        bool asked = false;
        uitest::whenModal<pareno>([&](pareno* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            asked = true;
            KEYS("Escape");
        });
        QPushButton* ok = button(table, "Command1");
        QVERIFY(x11input::click(ok, ok->rect().center()));
        QTRY_VERIFY(asked);
        uitest::flushDeletes();
        QVERIFY(!table);
        QVERIFY(!ZelWindow::find(zel::WindowId::oresen));
        QCOMPARE(ctx->ws.paretoItems.count(), 4);

        // "終了(&E)" of the file menu asks as "OK" does; Tab reaches pareno's ｷｬﾝｾﾙ.
        openPareko(*ctx);
        table = openWindow<pareko>(zel::WindowId::pareko);
        QVERIFY(table);
        QVERIFY(x11input::activate(table));
        asked = false;
        uitest::whenModal<pareno>([&](pareno* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            KEYS("Tab");
            FOCUS_ON(button(d, "Command1"));
            KEYS("Tab");
            FOCUS_ON(button(d, "Command2"));
            asked = true;
            KEYS("Return");
        });
        KEYS("alt+f", "e");
        QTRY_VERIFY(asked);
        uitest::flushDeletes();
        QVERIFY(!table);
        QVERIFY(!ZelWindow::find(zel::WindowId::oresen));

        openPareko(*ctx);
        table = openWindow<pareko>(zel::WindowId::pareko);
        QVERIFY(table);
        QVERIFY(x11input::activate(table));
        FOCUS_ON(&table->grid());
        KEYS("Escape");
        uitest::flushDeletes();
        QVERIFY(!table);
        QVERIFY(!ZelWindow::find(zel::WindowId::pareno));
        QVERIFY(!ZelWindow::find(zel::WindowId::oresen));
    }

  private:
    std::unique_ptr<ParetoContext> ctx;
};

QTEST_MAIN(TestParetoInput)
#include "tst_pareto_input.moc"
