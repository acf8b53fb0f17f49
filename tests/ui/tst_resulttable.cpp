// Tests of the result-table-window frame driven as a user drives it: buttons and
// menus with their texts and names, a computed table shown with the decimal-places
// spin box, "すべて選択" then "コピー", the grid's pop-up menu, the resize rules,
// printing with the table recipe, and "終了" acting as "OK".
#include "common/NumberText.h"
#include "common/ResultTable.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "presentation/GridPrinting.h"
#include "presentation/ResultTableWindow.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestSupport.h"

#include <memory>

using uitest::shown;

using uitest::findAction;

namespace {

using uitest::FakeContext;

ResultTableSpec xr1Spec() {
    ResultTableSpec s;
    s.window = zel::WindowId::XR1;
    s.caption = QStringLiteral("Xbar-R管理図");
    s.gridName = QStringLiteral("grid1");
    s.fileMenuName = QStringLiteral("xbrfile");
    s.printItemName = QStringLiteral("xbrprint");
    s.endItemName = QStringLiteral("xbrend");
    s.editMenuName = QStringLiteral("xbrhen");
    s.copyItemName = QStringLiteral("xbrcopy");
    s.selectItemName = QStringLiteral("xbrsubete");
    s.layout = ResultTableLayout::ControlChart;
    return s;
}

// A control-chart table: three subgroups, two option buttons; "OK" is counted.
class SampleTable : public ResultTableWindow {
  public:
    explicit SampleTable(MainContext& ctx, ResultTableSpec design = xr1Spec())
        : ResultTableWindow(ctx, design) {
        DataGrid& g = grid();
        g.setColumnCount(2);
        g.setRowCount(3);
        g.setText(1, 0, QStringLiteral("平均値"));
        g.setText(2, 0, QStringLiteral("範囲"));
        for (int r = 1; r <= 3; ++r) {
            g.setText(0, r, QString::number(r));
            g.setText(1, r, QString::number(r * 1.5));
            g.setText(2, r, QString::number(r * 2));
        }
        option1 = new QRadioButton(QStringLiteral("新規"), client());
        option2 = new QRadioButton(QStringLiteral("既存"), client());
        option1->setGeometry(20, 300, 80, 20);
        option2->setGeometry(20, 330, 80, 20);
        setOptionButtons(option1, option2);
    }
    int oks = 0;
    QRadioButton* option1 = nullptr;
    QRadioButton* option2 = nullptr;

  protected:
    void ok() override { ++oks; }
};

int px(double twips) {
    return zel::Twips::toPixels(twips);
}

// A table that is not a control-chart table: two number columns, a total row
// with a text cell, widths of its own.
zel::ResultTable sampleResult() {
    zel::ResultTable t;
    t.resize(3, 2, 10);
    t.columnHeadings = {"", "下限", "度数"};
    t.rowHeadings = {"", "NO.1", "NO.2", "計"};
    t.columnWidths = {6, 9, 11};
    t.setNumber(1, 1, 1.25);
    t.setNumber(1, 2, 3);
    t.setNumber(2, 1, 2.5);
    t.setNumber(2, 2, 4.125);
    t.setText(3, 1, "－");
    t.setNumber(3, 2, 1.0 / 3.0);
    return t;
}

// A regression-style table window asking the frame for the spin box.
ResultTableSpec spinSpec() {
    ResultTableSpec s = xr1Spec();
    s.window = zel::WindowId::kaityo;
    s.gridName = QStringLiteral("Spread1");
    s.layout = ResultTableLayout::Regression;
    s.hasCancel = false;
    s.decimalSpin = true;
    return s;
}

} // namespace

class TestResultTable : public QObject {
    Q_OBJECT
  private slots:
    void init() { ctx = uitest::freshContext({}); }
    void cleanup() {
        GridPrinting::setPdfPathProvider({});
        uitest::closeWindows(ctx);
    }

    void tabGoesThroughTheControlsAsTheyStand() {
        // From the first stop, Tab reaches each control in screen order.
        const auto chain = [](QWidget* w, const QStringList& names) {
            QStringList seen;
            QWidget* first = w->findChild<QWidget*>(names.first());
            for (QWidget* at = first; seen.size() < names.size();) {
                seen << at->objectName();
                QWidget* next = at->nextInFocusChain();
                while (!names.contains(next->objectName()) && next != first)
                    next = next->nextInFocusChain();
                if (next == first) break;
                at = next;
            }
            return seen;
        };
        auto* control = ZelWindow::open<SampleTable>(*ctx);
        QCOMPARE(chain(control, {"Command3", "grid1", "Command1", "Command2"}),
                 (QStringList{"Command3", "grid1", "Command1", "Command2"}));
        control->close();
        auto* regression = ZelWindow::open<SampleTable>(*ctx, spinSpec());
        QCOMPARE(chain(regression, {"Spread1", "Command3", "Spin1", "Command1"}),
                 (QStringList{"Spread1", "Command3", "Spin1", "Command1"}));
        // "印刷" comes first, yet Enter still answers "OK".
        auto* ok = regression->findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* print = regression->findChild<QPushButton*>(QStringLiteral("Command3"));
        QVERIFY(ok->isDefault());
        QVERIFY(!print->isDefault());
    }

    void buttonsAndMenusCarryTheirTexts() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        QCOMPARE(w->windowTitle(), QString("Xbar-R管理図"));
        QCOMPARE(w->grid().objectName(), QString("grid1"));
        QCOMPARE(w->okButton()->text(), QString("OK"));
        QCOMPARE(w->cancelButton()->text(), QString("ｷｬﾝｾﾙ"));
        QCOMPARE(w->printButton()->text(), QString("印刷"));
        QStringList top;
        for (QAction* a : w->menuBar()->actions())
            top << a->text();
        QCOMPARE(top, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)"}));
        QVERIFY(w->findChild<QMenu*>("xbrfile"));
        QCOMPARE(w->findChild<QMenu*>("xbrhen"), w->editMenu());
        QCOMPARE(findAction(w, "xbrprint")->text(), QString("印刷(&P)"));
        QCOMPARE(findAction(w, "xbrend")->text(), QString("終了(&E)"));
        QCOMPARE(findAction(w, "xbrcopy")->text(), QString("コピー(&C)"));
        QCOMPARE(findAction(w, "xbrsubete")->text(), QString("すべて選択(&A)"));

        // A regression table has no "ｷｬﾝｾﾙ"; its "OK" and "終了" close it.
        ResultTableSpec s = xr1Spec();
        s.window = zel::WindowId::kaibun;
        s.caption = QStringLiteral("回帰分析－分散分析表");
        s.gridName = QStringLiteral("Spread1");
        s.endItemName = QStringLiteral("doend");
        s.layout = ResultTableLayout::Regression;
        s.hasCancel = false;
        QPointer<ResultTableWindow> k = new ResultTableWindow(*ctx, s);
        k->show();
        QVERIFY(!k->cancelButton());
        QVERIFY(!k->findChild<QPushButton*>("Command2"));
        findAction(k, "doend")->trigger();
        QVERIFY(!ZelWindow::find("kaibun"));
    }

    void endItemActsAsOkAndCancelCloses() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        findAction(w, "xbrend")->trigger();
        w->okButton()->click();
        QCOMPARE(w->oks, 2);
        QVERIFY(ZelWindow::find("XR1"));
        w->cancelButton()->click();
        QVERIFY(!ZelWindow::find("XR1"));
    }

    void selectAllThenCopyGivesTheWholeTable() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        QApplication::clipboard()->clear();
        findAction(w, "xbrsubete")->trigger();
        findAction(w, "xbrcopy")->trigger();
        const QString expected = QStringLiteral("\t平均値\t範囲\r\n"
                                                "1\t1.5\t2\r\n"
                                                "2\t3\t4\r\n"
                                                "3\t4.5\t6\r\n");
        QCOMPARE(QApplication::clipboard()->text(), expected);

        // A block the user selects afterwards copies just that block.
        w->grid().setCurrentCol(2);
        w->grid().setCurrentRow(2);
        w->grid().setBlockCol2(2);
        w->grid().setBlockRow2(3);
        w->grid().doAction(DataGrid::Action::SelectBlock);
        findAction(w, "xbrcopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4\r\n6\r\n"));
    }

    void cellsDoNotTakeTypingPasteOrDelete() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        DataGrid& g = w->grid();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QSignalSpy changed(&g, &DataGrid::cellChanged);
        g.setFocus();
        g.setCurrentCol(1);
        g.setCurrentRow(2);
        QTest::keyClicks(&g, QStringLiteral("99"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!g.isEditing());
        QTest::keyClick(&g, Qt::Key_F2);
        QVERIFY(!g.isEditing());
        const QRect cell = g.visualRect(g.model()->index(1, 0));
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(!g.isEditing());
        QApplication::clipboard()->setText(QStringLiteral("7\t8"));
        QTest::keyClick(&g, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&g, Qt::Key_Delete);
        QTest::keyClick(&g, Qt::Key_X, Qt::ControlModifier); // copies, clears nothing
        QCOMPARE(g.text(1, 2), QStringLiteral("3"));
        QCOMPARE(g.text(2, 2), QStringLiteral("4"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3\r\n"));
        // Selecting and copying still work.
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.visualRect(g.model()->index(2, 0)).center());
        QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4.5\r\n"));
    }

    void rightReleaseOverTheGridOpensTheEditMenu() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QWidget* viewport = w->grid().viewport();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!w->editMenu()->isVisible());
        QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(20, 20));
        QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(20, 20));
        QTRY_VERIFY(w->editMenu()->isVisible());
        QStringList items;
        for (QAction* a : w->editMenu()->actions())
            items << a->text();
        QCOMPARE(items, QStringList({"コピー(&C)", "すべて選択(&A)"}));
        w->editMenu()->close();
    }

    void controlTableLayoutRule() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        w->showNormal();
        w->resize(700, 500);
        QTRY_COMPARE(w->client()->width(), 700);
        const double sw = w->client()->width() * 15.0;
        const double sh = w->client()->height() * 15.0;
        QCOMPARE(w->grid().geometry(), QRect(px(100), px(600), px(sw - 200), px(sh - 1400)));
        QCOMPARE(w->okButton()->pos(), QPoint(px(sw - 2600), px(sh - 600)));
        QCOMPARE(w->cancelButton()->pos(), QPoint(px(sw - 1270), px(sh - 600)));
        QCOMPARE(w->option1->y(), px(sh - 800));
        QCOMPARE(w->option2->y(), px(sh - 400));
        // "印刷" keeps its place above the grid.
        QCOMPARE(w->printButton()->pos(), QPoint(px(100), px(100)));

        // Narrower than 5000 twips and too low for the grid: everything stays.
        const QPoint ok = w->okButton()->pos();
        const QRect grid = w->grid().geometry();
        w->resize(300, 120);
        QTRY_COMPARE(w->client()->width(), 300);
        QCOMPARE(w->okButton()->pos(), ok);
        QCOMPARE(w->grid().height(), grid.height());
        QCOMPARE(w->grid().width(), px(300 * 15.0 - 200));
    }

    void statisticsLayoutMovesThePrintButtonToo() {
        ResultTableSpec s = xr1Spec();
        s.window = zel::WindowId::hakoh;
        s.gridName = QStringLiteral("Spread1");
        s.layout = ResultTableLayout::Statistics;
        auto* w = new ResultTableWindow(*ctx, s);
        w->show();
        w->showNormal();
        w->resize(600, 420);
        QTRY_COMPARE(w->client()->width(), 600);
        const double sw = w->client()->width() * 15.0;
        const double sh = w->client()->height() * 15.0;
        QCOMPARE(w->grid().geometry(), QRect(px(100), px(100), px(sw - 200), px(sh - 800)));
        QCOMPARE(w->okButton()->pos(), QPoint(px(sw - 2600), px(sh - 600)));
        QCOMPARE(w->printButton()->y(), px(sh - 600));
    }

    void aTableWithTheSpinBoxShowsAndReformatsEveryCell() {
        auto* w = new ResultTableWindow(*ctx, spinSpec());
        w->show();
        w->showTable(sampleResult());
        const DataGrid& g = w->grid();
        QCOMPARE(g.columnCount(), 2);
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(g.text(2, 0), QString("度数"));
        QCOMPARE(g.text(0, 3), QString("計"));
        QCOMPARE(g.columnWidthAt(2), 11.0);
        const QStringList twoPlaces = {"1.25", "3.00", "2.50", "4.13", "－", "0.33"};
        const QStringList noPlaces = {"1", "3", "3", "4", "－", "0"};
        auto everyCell = [&] {
            QStringList cells;
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 2; ++c)
                    cells << shown(g, c, r);
            return cells;
        };
        QCOMPARE(everyCell(), twoPlaces);
        // The cell stores the number in full.
        QCOMPARE(g.text(2, 3), QString::fromStdString(zel::generalNumberText(1.0 / 3.0)));

        QSpinBox* spin = w->findChild<QSpinBox*>("Spin1");
        QVERIFY(spin);
        QCOMPARE(w->decimalSpin(), spin);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 100);
        auto* label = w->findChild<QLabel*>("Label1");
        QVERIFY(label);
        QCOMPARE(label->buddy(), spin);

        // The user's cell stays current while the places change.
        w->grid().setCurrentCol(2);
        w->grid().setCurrentRow(3);
        QTest::keyClick(spin, Qt::Key_Down);
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(w->decimals(), 0);
        QCOMPARE(everyCell(), noPlaces);
        QCOMPARE(g.currentCol(), 2);
        QCOMPARE(g.currentRow(), 3);

        // The spin box and its label ride the bottom row with "OK" and "印刷".
        w->showNormal();
        w->resize(640, 420);
        QTRY_COMPARE(w->client()->width(), 640);
        const double sh = w->client()->height() * 15.0;
        QCOMPARE(spin->y(), px(sh - 600));
        QCOMPARE(w->okButton()->y(), px(sh - 600));
        QCOMPARE(label->y(), px(sh - 570));
        QVERIFY(label->geometry().right() < spin->x());
        QVERIFY(w->printButton()->geometry().right() < label->x());
    }

    void aTableWithoutTheSpinBoxShowsTheInitialPlaces() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        QVERIFY(!w->decimalSpin());
        QVERIFY(!w->findChild<QSpinBox*>());
        QCOMPARE(w->decimals(), 2);
        w->showTable(sampleResult());
        QCOMPARE(shown(w->grid(), 2, 2), QString("4.13"));
        QCOMPARE(w->grid().text(1, 0), QString("下限"));
    }

    void closingRecordsTheGeometry() {
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        w->cancelButton()->click();
        QVERIFY(zel::appSettings().contains("Setting", "left_xr"));
        QVERIFY(zel::appSettings().contains("Setting", "height_xr"));
    }

    void printsWithTheTableRecipe() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("table.pdf");
        GridPrinting::setPdfPathProvider([pdf] { return pdf; });
        ctx->ws.dataset.setBase("/data/kanri");
        auto* w = ZelWindow::open<SampleTable>(*ctx);
        w->printButton()->click();
        QVERIFY(QFileInfo::exists(pdf));
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(20000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains("ZEL_DATA"), qPrintable(text));
        QVERIFY2(text.contains("file name《/data/kanri》"), qPrintable(text));
        QVERIFY2(text.contains("Page _1"), qPrintable(text));
        QVERIFY2(text.contains("平均値"), qPrintable(text));
        // The menu item prints the same way.
        QFile::remove(pdf);
        findAction(w, "xbrprint")->trigger();
        QVERIFY(QFileInfo::exists(pdf));
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestResultTable)
#include "tst_resulttable.moc"
