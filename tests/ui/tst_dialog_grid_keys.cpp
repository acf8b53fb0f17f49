// Enter and Tab in the grids of windows that have a default button: a grid
// that leaves Enter to its window lets "OK" answer an Enter pressed outside an
// edit, while an Enter inside an edit only stores it; a grid that keeps Enter
// (the data sheet) never passes it on. Tab that ends an edit goes on to the
// next control where Tab does not move through the cells; F2 and a double
// click add to a cell's text. Then the data-label
// dialog, the Pareto table window and the other dialogs with grids, driven by
// keys as a user does.
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/control/xrkase.h"
#include "analysis/gantt/gantol.h"
#include "analysis/histogram/HistogramFill.h"
#include "analysis/pareto/Pareto.h"
#include "analysis/pareto/pareko.h"
#include "analysis/pareto/pareno.h"
#include "analysis/vargraph/okikaku.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/EditCommands.h"
#include "dataset/parekos.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <memory>
#include <string>

namespace {

// A dialog with a two-column grid above a default "OK" and a second button.
struct GridDialog {
    GridDialog() {
        grid = new DataGrid(&dialog);
        grid->setColumnCount(2);
        grid->setRowCount(3);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        other = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &dialog);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++oks; });
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(ok);
        buttons->addWidget(other);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(grid);
        layout->addLayout(buttons);
        dialog.resize(400, 300);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        grid->setFocus();
    }
    // Keys as they arrive from the keyboard: at the widget with the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    QDialog dialog;
    DataGrid* grid = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* other = nullptr;
    int oks = 0;
};

// Gives the window the focus on its grid, as a user's click into it does.
DataGrid* focusGrid(QWidget* window) {
    auto* grid = window->findChild<DataGrid*>();
    if (!grid) return nullptr;
    QApplication::setActiveWindow(window);
    grid->setFocus();
    return grid;
}

void press(Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
}

} // namespace

class TestDialogGridKeys : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>()); }

    void cleanup() {
        ZelWindow::closeAll();
        uitest::flushDeletes();
    }

    // By default the grid keeps Enter: it applies the Enter action and the
    // default button never hears of it.
    void aGridKeepsEnterUnlessItLeavesItToItsWindow() {
        GridDialog d;
        QVERIFY(!d.grid->enterToWindow());
        d.key(Qt::Key_Return);
        d.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(d.oks, 0);
        d.grid->setEnterAction(DataGrid::EnterAction::MoveRight);
        d.key(Qt::Key_Return);
        QCOMPARE(d.oks, 0);
        QCOMPARE(d.grid->currentCol(), 2);
        QCOMPARE(d.grid->currentRow(), 1);
    }

    // Left to the window: Enter in an edit stores it and applies the Enter
    // action; the next Enter, with no edit open, is "OK", from the keypad too.
    void enterOutsideAnEditIsTheDefaultButton() {
        GridDialog d;
        d.grid->setEnterToWindow(true);
        QVERIFY(d.grid->enterToWindow());
        d.type(QStringLiteral("12"));
        QVERIFY(d.grid->isEditing());
        d.key(Qt::Key_Return);
        QVERIFY(!d.grid->isEditing());
        QCOMPARE(d.grid->text(1, 1), QStringLiteral("12"));
        QCOMPARE(d.grid->currentCol(), 1);
        QCOMPARE(d.oks, 0);
        d.key(Qt::Key_Return);
        QCOMPARE(d.oks, 1);
        d.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(d.oks, 2);

        d.grid->setEnterAction(DataGrid::EnterAction::MoveRight);
        d.type(QStringLiteral("x"));
        d.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(d.grid->text(1, 1), QStringLiteral("x"));
        QCOMPARE(d.grid->currentCol(), 2);
        QCOMPARE(d.oks, 2);
        // Escape in an edit drops it and leaves the dialog alone.
        d.type(QStringLiteral("y"));
        d.key(Qt::Key_Escape);
        QVERIFY(!d.grid->isEditing());
        QCOMPARE(d.grid->text(2, 1), QString());
        QVERIFY(d.dialog.isVisible());
    }

    // Tab and Shift+Tab that end an edit store it and go on as they do
    // without one: to the next or previous control, or to the next cell in a
    // grid that moves through its cells with Tab.
    void tabFromAnEditGoesOnToTheButtons() {
        GridDialog d;
        d.grid->setTabKeyNavigation(false);
        d.type(QStringLiteral("7"));
        d.key(Qt::Key_Tab);
        QVERIFY(!d.grid->isEditing());
        QCOMPARE(d.grid->text(1, 1), QStringLiteral("7"));
        QCOMPARE(QApplication::focusWidget(), d.ok);
        d.key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), d.grid);
        d.type(QStringLiteral("8"));
        d.key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(d.grid->text(1, 1), QStringLiteral("8"));
        QCOMPARE(QApplication::focusWidget(), d.other);

        GridDialog cells;
        QVERIFY(cells.grid->tabKeyNavigation());
        cells.type(QStringLiteral("9"));
        cells.key(Qt::Key_Tab);
        QCOMPARE(cells.grid->text(1, 1), QStringLiteral("9"));
        QCOMPARE(QApplication::focusWidget(), cells.grid);
        QCOMPARE(cells.grid->currentCol(), 2);
    }

    // F2 and a double click open the text as it stands with the caret at its
    // end, so that what is typed is added; typing onto the cell replaces it.
    void f2AndDoubleClickAddToTheText() {
        GridDialog d;
        d.grid->setText(1, 1, QStringLiteral("lot"));
        d.grid->setText(2, 1, QStringLiteral("7"));
        d.key(Qt::Key_F2);
        QVERIFY(d.grid->isEditing());
        d.type(QStringLiteral("s"));
        d.key(Qt::Key_Return);
        QCOMPARE(d.grid->text(1, 1), QStringLiteral("lots"));
        const QPoint at = d.grid->visualRect(d.grid->model()->index(0, 1)).center();
        QTest::mouseClick(d.grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(d.grid->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(d.grid->isEditing());
        d.type(QStringLiteral("5"));
        d.key(Qt::Key_Return);
        QCOMPARE(d.grid->text(2, 1), QStringLiteral("75"));
        d.type(QStringLiteral("8"));
        d.key(Qt::Key_Return);
        QCOMPARE(d.grid->text(2, 1), QStringLiteral("8"));
    }

    // The data-label dialog by keys: Enter stores the typed label and the
    // dialog stays; the next Enter is "OK", which stores the labels and goes
    // on to the Pareto analysis. Tab leaves the grid for "OK".
    void theDataLabelDialogTakesEnterAsOk() {
        uitest::FakeContext ctx;
        uitest::fillDataset(ctx.ws.dataset, {{5}, {20}, {10}}, {"件数"}, {"a", "b", "c"});
        ctx.analysis = QStringLiteral("パレート図");
        AnalysisLaunch::runGraphCommand(ctx);
        QPointer<parekos> w = qobject_cast<parekos*>(ZelWindow::find(zel::WindowId::parekos));
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QApplication::setActiveWindow(w);
        DataGrid* grid = w->grid();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        // Half-width katakana arrive as text without a key code.
        for (const QChar c : QStringLiteral("ｷｽﾞ"))
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(grid->text(1, 2), QStringLiteral("ｷｽﾞ"));
        QVERIFY(w->isVisible());
        QCOMPARE(ctx.ws.dataset.label(2), std::string("b"));
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), grid);
        QTest::keyClick(grid, Qt::Key_Return);
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(ctx.ws.dataset.label(2), std::string("ｷｽﾞ"));
        QCOMPARE(ctx.paretoOpened, 1);
    }

    // Enter in the Pareto table's grid is its "OK": it asks for the item count.
    void enterInTheParetoTableAsksForTheItemCount() {
        uitest::FakeContext ctx;
        uitest::fillDataset(ctx.ws.dataset, {{5}, {20}, {10}}, {"件数"}, {"A", "B", "C"});
        ctx.ws.analysisSet = zel::buildParetoSet(ctx.ws.dataset, 1).value();
        QPointer<pareko> table = qobject_cast<pareko*>(openPareko(ctx));
        QVERIFY(table);
        QVERIFY(QTest::qWaitForWindowExposed(table));
        QApplication::setActiveWindow(table);
        table->grid().setFocus();
        QTest::keyClick(&table->grid(), Qt::Key_Down);
        QCOMPARE(table->grid().currentRow(), 2);
        QString asked;
        uitest::withModal(
            [&](QWidget* modal) {
                auto* d = qobject_cast<pareno*>(modal);
                QVERIFY(d);
                asked = d->windowTitle();
                d->reject();
            },
            [&] { QTest::keyClick(&table->grid(), Qt::Key_Return); });
        QCOMPARE(asked, QStringLiteral("パレート図"));
        uitest::flushDeletes();
        QVERIFY(!table);
    }

    // Every other dialog with a grid and an "OK" takes Enter outside an edit
    // the same way: the mask and variable-name dialogs, the row and column
    // deletions, and the saved-limits confirmation.
    void enterInTheOtherDialogGridsIsOk() {
        uitest::FakeContext ctx;
        uitest::fillDataset(ctx.ws.dataset, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {"x", "y", "z"});

        EditCommands::maskData(ctx);
        QPointer<ZelWindow> w = ZelWindow::find(zel::WindowId::masukuf);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(focusGrid(w));
        press(Qt::Key_Space);
        press(Qt::Key_Return);
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(ctx.ws.dataset.mask(1), std::int16_t(1));

        EditCommands::renameVariables(ctx);
        w = ZelWindow::find(zel::WindowId::henhenf);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        DataGrid* names = focusGrid(w);
        QVERIFY(names);
        QTest::keyClicks(names, QStringLiteral("len"));
        press(Qt::Key_Return);
        QVERIFY(w);
        QCOMPARE(ctx.ws.dataset.name(1), std::string("x"));
        press(Qt::Key_Return);
        uitest::flushDeletes();
        QVERIFY(!w);
        QCOMPARE(ctx.ws.dataset.name(1), std::string("len"));

        // The deletions are modal: the third row, then the second column.
        uitest::withModal(
            [](QWidget* modal) {
                QVERIFY(focusGrid(modal));
                press(Qt::Key_Down);
                press(Qt::Key_Down);
                press(Qt::Key_Space);
                press(Qt::Key_Return);
            },
            [&] { EditCommands::deleteRows(ctx); });
        QCOMPARE(ctx.ws.dataset.sampleCount(), 2);
        uitest::withModal(
            [](QWidget* modal) {
                QVERIFY(focusGrid(modal));
                press(Qt::Key_Right);
                press(Qt::Key_Space);
                press(Qt::Key_Return);
            },
            [&] { EditCommands::deleteColumns(ctx); });
        QCOMPARE(ctx.ws.dataset.variableCount(), 2);
        QCOMPARE(ctx.ws.dataset.name(2), std::string("z"));

        w = ZelWindow::open<xrkase>(ctx, zel::AnalysisId::XbarR);
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(focusGrid(w));
        press(Qt::Key_Return);
        uitest::flushDeletes();
        QVERIFY(!w);
    }

    // The classification dialog of the graphs and the Gantt task names: the
    // same rule.
    void enterInTheGraphDialogGridsIsOk() {
        uitest::FakeContext ctx;
        uitest::fillDataset(ctx.ws.dataset, {{1, 2}, {4, 5}, {7, 8}}, {"x", "y"});
        ctx.ws.analysisSet = zel::buildAnalysisSet(ctx.ws.dataset, {1}).value();
        ctx.ws.classFlags.assign(3, zel::classflags::kNone);
        QPointer<okikaku> classification = new okikaku(ctx);
        classification->show();
        QVERIFY(QTest::qWaitForWindowExposed(classification));
        QVERIFY(focusGrid(classification));
        press(Qt::Key_Space);
        press(Qt::Key_Return);
        uitest::flushDeletes();
        QVERIFY(!classification || !classification->isVisible());
        QCOMPARE(ctx.ws.classFlags.front(), zel::classflags::kMarked);

        QPointer<ZelWindow> names = openGantol(ctx);
        QVERIFY(names);
        QVERIFY(QTest::qWaitForWindowExposed(names));
        DataGrid* grid = focusGrid(names);
        QVERIFY(grid);
        QTest::keyClicks(grid, QStringLiteral("cut"));
        press(Qt::Key_Return);
        QVERIFY(names);
        press(Qt::Key_Return);
        uitest::flushDeletes();
        QVERIFY(!names);
        QCOMPARE(ctx.ws.dataset.label(1), std::string("cut"));
    }
};

QTEST_MAIN(TestDialogGridKeys)
#include "tst_dialog_grid_keys.moc"
