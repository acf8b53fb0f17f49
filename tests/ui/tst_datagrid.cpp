// Tests of the spreadsheet grid: addressing, block formats, selection, the
// clipboard actions, typing, button and check-box cells, sizes, the text
// provider and a grid at the dataset's limit. Driven through keys and the mouse.
#include "components/grid/DataGrid.h"
#include "components/grid/GridModel.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using Cells = QList<QPair<int, int>>;

Cells changes(const QSignalSpy& spy) {
    Cells out;
    for (const QList<QVariant>& args : spy)
        out.append({args.at(0).toInt(), args.at(1).toInt()});
    return out;
}

std::unique_ptr<DataGrid> makeGrid(int cols, int rows) {
    auto g = std::make_unique<DataGrid>();
    g->setColumnCount(cols);
    g->setRowCount(rows);
    g->resize(700, 500);
    g->show();
    return g;
}

void fill(DataGrid& g) {
    for (int r = 1; r <= g.rowCount(); ++r)
        for (int c = 1; c <= g.columnCount(); ++c)
            g.setText(c, r, QStringLiteral("%1-%2").arg(c).arg(r));
}

void clickCell(DataGrid& g, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    const QModelIndex idx = g.gridModel()->index(row - 1, col - 1);
    QTest::mouseClick(g.viewport(), button, {}, g.visualRect(idx).center());
}

void selectBlock(DataGrid& g, int c1, int r1, int c2, int r2) {
    g.setBlockMode(false);
    g.setCurrentCol(c1);
    g.setCurrentRow(r1);
    g.setBlockCol2(c2);
    g.setBlockRow2(r2);
    g.doAction(DataGrid::Action::SelectBlock);
}

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT
  private slots:
    void init() { QApplication::clipboard()->clear(); }

    void minusOneAddressesEveryCellButNotTheHeadings();
    void blockFormatsLaterBlocksWin();
    void oneRowBlocksAtScale();
    void selectBlockLeavesExactlyThatBlock();
    void copyGivesTabSeparatedText();
    void pasteAtActiveCellClipsAndNotifies();
    void cutClearsAndNotifies();
    void typingReplaceAndAddModes();
    void enterActionStayAndMoveRight();
    void escapeAndDeleteKeys();
    void numericCells();
    void buttonCellClickEmitsButtonClicked();
    void checkBoxToggles();
    void widthsInCharactersHeightsInPoints();
    void textProviderAndStoredEmptyText();
    void mouseUpReportsEveryButton();
    void limitSizedGridIsLazy();
};

void TestDataGrid::minusOneAddressesEveryCellButNotTheHeadings() {
    auto g = makeGrid(3, 4);
    g->setText(0, 0, QStringLiteral("no."));
    for (int c = 1; c <= 3; ++c)
        g->setText(c, 0, QStringLiteral("変数%1").arg(c));
    for (int r = 1; r <= 4; ++r)
        g->setText(0, r, QStringLiteral("NO.%1").arg(r));

    g->setCurrentCol(-1);
    g->setCurrentRow(-1);
    g->setCellText(QStringLiteral("x"));
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(g->text(c, r), QStringLiteral("x"));
    QCOMPARE(g->text(0, 0), QStringLiteral("no."));
    QCOMPARE(g->text(2, 0), QStringLiteral("変数2"));
    QCOMPARE(g->text(0, 3), QStringLiteral("NO.3"));

    // One row, every column; one column, every row.
    g->setCurrentRow(2);
    g->setCellText(QStringLiteral("r2"));
    g->setCurrentCol(3);
    g->setCurrentRow(-1);
    g->setCellText(QStringLiteral("c3"));
    QCOMPARE(g->text(1, 2), QStringLiteral("r2"));
    QCOMPARE(g->text(3, 2), QStringLiteral("c3"));
    QCOMPARE(g->text(3, 4), QStringLiteral("c3"));
    QCOMPARE(g->text(1, 1), QStringLiteral("x"));
    QCOMPARE(g->text(0, 2), QStringLiteral("NO.2"));

    // -1 with the heading row or column writes nothing.
    g->setCurrentCol(-1);
    g->setCurrentRow(0);
    g->setCellText(QStringLiteral("h"));
    g->setCurrentCol(0);
    g->setCurrentRow(-1);
    g->setCellText(QStringLiteral("h"));
    QCOMPARE(g->text(1, 0), QStringLiteral("変数1"));
    QCOMPARE(g->text(0, 1), QStringLiteral("NO.1"));

    // Emptying everything at once.
    g->setCurrentCol(-1);
    g->setCurrentRow(-1);
    g->setCellText(QString());
    QCOMPARE(g->text(2, 3), QString());
    QCOMPARE(g->text(3, 0), QStringLiteral("変数3"));

    // The headings are what the header shows, and they survive count changes;
    // data cells beyond a shrunk edge are gone.
    g->setText(3, 4, QStringLiteral("last"));
    g->setRowCount(2);
    g->setColumnCount(2);
    g->setRowCount(4);
    g->setColumnCount(3);
    QCOMPARE(g->text(3, 4), QString());
    QCOMPARE(g->text(0, 4), QStringLiteral("NO.4"));
    QCOMPARE(g->text(3, 0), QStringLiteral("変数3"));
    QCOMPARE(g->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("変数3"));
    QCOMPARE(g->model()->headerData(3, Qt::Vertical).toString(), QStringLiteral("NO.4"));

    // Addressing a heading cell reads and writes it.
    g->setCurrentCol(2);
    g->setCurrentRow(0);
    QCOMPARE(g->cellText(), QStringLiteral("変数2"));
    g->setCellText(QStringLiteral("新"));
    QCOMPARE(g->text(2, 0), QStringLiteral("新"));
}

void TestDataGrid::blockFormatsLaterBlocksWin() {
    auto g = makeGrid(5, 6);
    const QColor white(255, 255, 255), yellow(255, 255, 0), red(255, 0, 0);
    QCOMPARE(g->backColor(3, 3), white);

    g->setCurrentCol(1);
    g->setCurrentRow(1);
    g->setBlockCol2(5);
    g->setBlockRow2(6);
    g->setBlockMode(true);
    g->setBackColor(white);
    g->setCurrentCol(1);
    g->setCurrentRow(3);
    g->setBlockCol2(-1); // last column
    g->setBlockRow2(3);
    g->setBackColor(yellow);
    g->setCurrentCol(2);
    g->setCurrentRow(2);
    g->setBlockCol2(3);
    g->setBlockRow2(4);
    g->setBackColor(red);
    g->setBlockMode(false);

    QCOMPARE(g->backColor(1, 3), yellow);
    QCOMPARE(g->backColor(5, 3), yellow);
    QCOMPARE(g->backColor(2, 3), red); // the later block wins
    QCOMPARE(g->backColor(3, 4), red);
    QCOMPARE(g->backColor(4, 4), white);
    QCOMPARE(g->backColor(1, 2), white);
    QVERIFY(g->backColor(0, 3) != yellow); // headings keep their own colour
    QVERIFY(g->backColor(2, 0) != red);

    // Block mode off: only the current cell; a later whole-block setting wins again.
    g->setCurrentCol(4);
    g->setCurrentRow(6);
    g->setBackColor(red);
    QCOMPARE(g->backColor(4, 6), red);
    QCOMPARE(g->backColor(5, 6), white);
    g->setCurrentCol(1);
    g->setCurrentRow(1);
    g->setBlockCol2(5);
    g->setBlockRow2(6);
    g->setBlockMode(true);
    g->setBackColor(white);
    g->setBlockMode(false);
    QCOMPARE(g->backColor(2, 3), white);
    QCOMPARE(g->backColor(4, 6), white);

    // Different settings do not undo each other: colour stays under a later alignment.
    g->setCurrentCol(2);
    g->setCurrentRow(2);
    g->setBackColor(yellow);
    g->setCurrentCol(-1);
    g->setCurrentRow(-1);
    g->setRightAligned(true);
    QCOMPARE(g->backColor(2, 2), yellow);
    const QModelIndex idx = g->gridModel()->index(1, 1);
    QCOMPARE(Qt::Alignment(g->model()->data(idx, Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
             Qt::Alignment(Qt::AlignRight));

    // -1 formats also cover rows added later.
    g->setBackColor(red);
    g->setRowCount(10);
    QCOMPARE(g->backColor(3, 9), red);
}

void TestDataGrid::oneRowBlocksAtScale() {
    auto g = makeGrid(100, 32767);
    const QColor white(255, 255, 255), yellow(255, 255, 0);
    auto sheetColours = [&] {
        g->setCurrentCol(1);
        g->setCurrentRow(1);
        g->setBlockCol2(100);
        g->setBlockRow2(32767);
        g->setBlockMode(true);
        g->setBackColor(white);
        g->setBlockMode(false);
        for (int r = 1; r <= 32767; r += 2) {
            g->setCurrentCol(1);
            g->setCurrentRow(r);
            g->setBlockCol2(100);
            g->setBlockRow2(r);
            g->setBlockMode(true);
            g->setBackColor(yellow);
            g->setBlockMode(false);
        }
    };
    sheetColours();
    QCOMPARE(g->backColor(1, 1), yellow);
    QCOMPARE(g->backColor(100, 32767), yellow);
    QCOMPARE(g->backColor(50, 2), white);
    QCOMPARE(g->backColor(50, 32766), white);
    const int entries = g->gridModel()->formatEntryCount();
    QCOMPARE(entries, 1 + 16384);

    // Filling the sheet again replaces the colours instead of piling them up.
    sheetColours();
    QCOMPARE(g->gridModel()->formatEntryCount(), entries);
    QCOMPARE(g->backColor(7, 32765), yellow);
    QCOMPARE(g->backColor(7, 32764), white);

    // A later whole-sheet block wins over every row block.
    g->setCurrentCol(1);
    g->setCurrentRow(1);
    g->setBlockCol2(-1);
    g->setBlockRow2(-1);
    g->setBlockMode(true);
    g->setBackColor(white);
    g->setBlockMode(false);
    QCOMPARE(g->backColor(1, 1), white);
    QCOMPARE(g->gridModel()->formatEntryCount(), 1);
    g->grab(); // paints with the formats
}

void TestDataGrid::selectBlockLeavesExactlyThatBlock() {
    auto g = makeGrid(6, 8);
    fill(*g);
    clickCell(*g, 5, 7); // an earlier selection of the user's
    QCOMPARE(g->selectedBlock(), QRect(5, 7, 1, 1));

    selectBlock(*g, 2, 3, 4, 5);
    QCOMPARE(g->selectedBlock(), QRect(QPoint(2, 3), QPoint(4, 5)));
    const QModelIndexList sel = g->selectionModel()->selectedIndexes();
    QCOMPARE(sel.size(), 9);
    for (const QModelIndex& i : sel) {
        QVERIFY(i.column() + 1 >= 2 && i.column() + 1 <= 4);
        QVERIFY(i.row() + 1 >= 3 && i.row() + 1 <= 5);
    }

    // -1 corner = the last column and row; the whole sheet never includes headings.
    selectBlock(*g, 1, 1, -1, -1);
    QCOMPARE(g->selectedBlock(), QRect(1, 1, 6, 8));
    QCOMPARE(g->selectionModel()->selectedIndexes().size(), 48);

    // A corner before the current cell still gives the same block.
    selectBlock(*g, 4, 5, 2, 3);
    QCOMPARE(g->selectedBlock(), QRect(QPoint(2, 3), QPoint(4, 5)));
}

void TestDataGrid::copyGivesTabSeparatedText() {
    auto g = makeGrid(4, 4);
    g->setText(1, 1, QStringLiteral("a"));
    g->setText(2, 1, QStringLiteral("測定"));
    g->setText(1, 2, QStringLiteral("x\ty"));
    g->setText(2, 2, QString());
    g->setCurrentCol(3);
    g->setCurrentRow(1);
    g->setCellType(DataGrid::CellType::Real);
    g->setDecimalPlaces(2);
    g->setText(3, 1, QStringLiteral("3.14159"));
    g->setText(3, 2, QStringLiteral("z"));

    selectBlock(*g, 1, 1, 3, 2);
    g->doAction(DataGrid::Action::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\t測定\t3.14\r\nx y\t\tz\r\n"));

    // Ctrl+C does the same for the selection the user made.
    QApplication::clipboard()->clear();
    g->setFocus();
    clickCell(*g, 1, 1);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      g->visualRect(g->gridModel()->index(0, 1)).center());
    QCOMPARE(g->selectedBlock(), QRect(1, 1, 2, 1));
    QTest::keyClick(g.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\t測定\r\n"));

    // The round trip of the text form.
    const QList<QStringList> rows{{"1", "", "3"}, {"", "5", ""}};
    QCOMPARE(DataGrid::fromTabSeparated(DataGrid::toTabSeparated(rows)), rows);
}

void TestDataGrid::pasteAtActiveCellClipsAndNotifies() {
    auto g = makeGrid(4, 3);
    fill(*g);
    QSignalSpy spy(g.get(), &DataGrid::cellChanged);

    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\t5\t6\n7\t8\t9\n"));
    clickCell(*g, 3, 2);
    g->doAction(DataGrid::Action::Paste);
    // Clipped at column 4 and row 3.
    QCOMPARE(changes(spy), (Cells{{3, 2}, {4, 2}, {3, 3}, {4, 3}}));
    QCOMPARE(g->text(3, 2), QStringLiteral("1"));
    QCOMPARE(g->text(4, 2), QStringLiteral("2"));
    QCOMPARE(g->text(3, 3), QStringLiteral("4"));
    QCOMPARE(g->text(4, 3), QStringLiteral("5"));
    QCOMPARE(g->text(2, 2), QStringLiteral("2-2"));
    QCOMPARE(g->text(4, 1), QStringLiteral("4-1"));
    QCOMPARE(g->selectedBlock(), QRect(QPoint(3, 2), QPoint(4, 3)));

    // CR LF rows, an empty field, and Ctrl+V; the handler may address other cells.
    spy.clear();
    connect(g.get(), &DataGrid::cellChanged, g.get(), [&g](int c, int r) {
        g->setCurrentCol(c);
        g->setCurrentRow(r);
    });
    QApplication::clipboard()->setText(QStringLiteral("p\t\r\nq\tr\r\n"));
    clickCell(*g, 1, 1);
    g->setFocus();
    QTest::keyClick(g.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(changes(spy), (Cells{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    QCOMPARE(g->text(1, 1), QStringLiteral("p"));
    QCOMPARE(g->text(2, 1), QString());
    QCOMPARE(g->text(1, 2), QStringLiteral("q"));
    QCOMPARE(g->text(2, 2), QStringLiteral("r"));
    QCOMPARE(g->currentIndex(), g->gridModel()->index(0, 0)); // the active cell stays

    // An empty clipboard changes nothing.
    spy.clear();
    QApplication::clipboard()->clear();
    g->doAction(DataGrid::Action::Paste);
    QCOMPARE(spy.count(), 0);
}

void TestDataGrid::cutClearsAndNotifies() {
    auto g = makeGrid(3, 3);
    g->setTextProvider([](int c, int r) { return QString::number(c * 10 + r); });
    QSignalSpy spy(g.get(), &DataGrid::cellChanged);
    selectBlock(*g, 2, 2, 3, 3);
    g->doAction(DataGrid::Action::Cut);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("22\t32\r\n23\t33\r\n"));
    QCOMPARE(changes(spy), (Cells{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
    QCOMPARE(g->text(2, 2), QString()); // cleared, though the provider has a value
    QCOMPARE(g->text(3, 3), QString());
    QCOMPARE(g->text(1, 3), QStringLiteral("13"));

    // Ctrl+X on the user's selection.
    spy.clear();
    g->setFocus();
    clickCell(*g, 1, 1);
    QTest::keyClick(g.get(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("11\r\n"));
    QCOMPARE(changes(spy), (Cells{{1, 1}}));
    QCOMPARE(g->text(1, 1), QString());
}

void TestDataGrid::typingReplaceAndAddModes() {
    auto g = makeGrid(3, 3);
    g->setText(1, 1, QStringLiteral("12"));
    g->setText(2, 1, QStringLiteral("ab"));
    QSignalSpy spy(g.get(), &DataGrid::cellChanged);
    g->setFocus();

    g->setReplaceMode(true);
    QVERIFY(g->replaceMode());
    clickCell(*g, 1, 1);
    QTest::keyClicks(g.get(), QStringLiteral("5.5"));
    QVERIFY(g->isEditing());
    QTest::keyClick(g.get(), Qt::Key_Return);
    QVERIFY(!g->isEditing());
    QCOMPARE(g->text(1, 1), QStringLiteral("5.5"));
    QCOMPARE(changes(spy), (Cells{{1, 1}}));

    g->setReplaceMode(false);
    QVERIFY(!g->replaceMode());
    spy.clear();
    clickCell(*g, 2, 1);
    QTest::keyClicks(g.get(), QStringLiteral("cd"));
    QTest::keyClick(g.get(), Qt::Key_Enter);
    QCOMPARE(g->text(2, 1), QStringLiteral("abcd"));
    QCOMPARE(changes(spy), (Cells{{2, 1}}));

    // Typing into an empty cell, through the viewport as the user's keys arrive.
    spy.clear();
    clickCell(*g, 3, 3);
    QTest::keyClicks(g->viewport(), QStringLiteral("x"));
    QTest::sendKeyEvent(QTest::Press, g->viewport(), Qt::Key_unknown, QStringLiteral("ｱ"), Qt::NoModifier);
    QTest::keyClick(g->viewport(), Qt::Key_Return);
    QCOMPARE(g->text(3, 3), QStringLiteral("xｱ"));
    QCOMPARE(changes(spy), (Cells{{3, 3}}));

    // Committing the same text is no change.
    spy.clear();
    g->setReplaceMode(true);
    clickCell(*g, 3, 3);
    QTest::keyClicks(g.get(), QStringLiteral("x"));
    QTest::sendKeyEvent(QTest::Press, g.get(), Qt::Key_unknown, QStringLiteral("ｱ"), Qt::NoModifier);
    QTest::keyClick(g.get(), Qt::Key_Return);
    QCOMPARE(spy.count(), 0);
}

void TestDataGrid::enterActionStayAndMoveRight() {
    auto g = makeGrid(3, 2);
    g->setFocus();
    QCOMPARE(g->enterAction(), DataGrid::EnterAction::Stay);
    clickCell(*g, 2, 1);
    QTest::keyClicks(g.get(), QStringLiteral("7"));
    QTest::keyClick(g.get(), Qt::Key_Return);
    QCOMPARE(g->currentIndex(), g->gridModel()->index(0, 1));
    QCOMPARE(g->currentCol(), 2);
    QCOMPARE(g->currentRow(), 1);

    g->setEnterAction(DataGrid::EnterAction::MoveRight);
    QCOMPARE(g->enterAction(), DataGrid::EnterAction::MoveRight);
    QTest::keyClicks(g.get(), QStringLiteral("8"));
    QTest::keyClick(g.get(), Qt::Key_Return);
    QCOMPARE(g->text(2, 1), QStringLiteral("8"));
    QCOMPARE(g->currentCol(), 3);
    QCOMPARE(g->currentRow(), 1);
    // At the row's end the next row's first cell follows.
    QTest::keyClicks(g.get(), QStringLiteral("9"));
    QTest::keyClick(g.get(), Qt::Key_Return);
    QCOMPARE(g->text(3, 1), QStringLiteral("9"));
    QCOMPARE(g->currentCol(), 1);
    QCOMPARE(g->currentRow(), 2);
    // Enter without an edit moves too; the last cell stays.
    QTest::keyClick(g.get(), Qt::Key_Return);
    QTest::keyClick(g.get(), Qt::Key_Return);
    QTest::keyClick(g.get(), Qt::Key_Return);
    QCOMPARE(g->currentCol(), 3);
    QCOMPARE(g->currentRow(), 2);
    QCOMPARE(g->selectedBlock(), QRect(3, 2, 1, 1));
}

void TestDataGrid::escapeAndDeleteKeys() {
    auto g = makeGrid(3, 3);
    fill(*g);
    QSignalSpy spy(g.get(), &DataGrid::cellChanged);
    g->setFocus();
    clickCell(*g, 1, 1);
    QTest::keyClicks(g.get(), QStringLiteral("zz"));
    QTest::keyClick(g.get(), Qt::Key_Escape);
    QVERIFY(!g->isEditing());
    QCOMPARE(g->text(1, 1), QStringLiteral("1-1"));
    QCOMPARE(spy.count(), 0);

    selectBlock(*g, 2, 2, 3, 2);
    QTest::keyClick(g.get(), Qt::Key_Delete);
    QCOMPARE(changes(spy), (Cells{{2, 2}, {3, 2}}));
    QCOMPARE(g->text(2, 2), QString());
    QCOMPARE(g->text(3, 2), QString());
    QCOMPARE(g->text(1, 2), QStringLiteral("1-2"));

    // Double click opens the editor on the existing text.
    spy.clear();
    const QPoint at = g->visualRect(g->gridModel()->index(2, 0)).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at); // the first click of the double click
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(g->isEditing());
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : g->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible()) editor = e;
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("1-3"));
}

void TestDataGrid::numericCells() {
    auto g = makeGrid(2, 2);
    g->setCurrentCol(1);
    g->setCurrentRow(-1);
    g->setCellType(DataGrid::CellType::Real);
    g->setDecimalPlaces(3);
    g->setCurrentCol(2);
    g->setCellType(DataGrid::CellType::Integer);
    g->setIntegerRange(0, 10);

    g->setText(1, 1, QStringLiteral("2.5"));
    const QModelIndex real = g->gridModel()->index(0, 0);
    QCOMPARE(g->model()->data(real).toString(), QStringLiteral("2.500"));
    QCOMPARE(g->text(1, 1), QStringLiteral("2.5"));

    QSignalSpy spy(g.get(), &DataGrid::cellChanged);
    g->setFocus();
    clickCell(*g, 2, 1);
    QTest::keyClicks(g.get(), QStringLiteral("99"));
    QTest::keyClick(g.get(), Qt::Key_Return);
    QCOMPARE(g->text(2, 1), QStringLiteral("10")); // limited to the range
    QCOMPARE(changes(spy), (Cells{{2, 1}}));

    // A paste of letters leaves a numeric cell alone; a real is accepted.
    spy.clear();
    QApplication::clipboard()->setText(QStringLiteral("abc\t-1.25\n"));
    clickCell(*g, 1, 2);
    g->doAction(DataGrid::Action::Paste);
    QCOMPARE(g->text(1, 2), QString());
    QCOMPARE(g->text(2, 2), QStringLiteral("0"));
    QCOMPARE(changes(spy), (Cells{{2, 2}}));
}

void TestDataGrid::buttonCellClickEmitsButtonClicked() {
    auto g = makeGrid(1, 1);
    g->setCurrentCol(1);
    g->setCurrentRow(1);
    g->setCellType(DataGrid::CellType::Button);
    QPixmap pm(16, 16);
    pm.fill(Qt::blue);
    g->setButtonPicture(pm);
    g->setButtonColors(QColor(192, 192, 192), QColor(128, 128, 128), QColor(255, 255, 255), QColor(0, 0, 0));
    g->setColumnWidthAt(1, 4);
    g->setRowHeightAt(1, 23);
    g->setHeadingsVisible(false);
    g->setScrollBarsVisible(false);
    g->setGridLinesVisible(false);
    g->setGridBackground(QColor(192, 192, 192));
    QVERIFY(!g->showGrid());
    QVERIFY(g->horizontalHeader()->isHidden());
    QCOMPARE(g->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The grid asks for exactly its one cell.
    QCOMPARE(g->sizeHint(), QSize(g->columnWidth(0) + 2 * g->frameWidth(), 31 + 2 * g->frameWidth()));

    QSignalSpy clicked(g.get(), &DataGrid::buttonClicked);
    QSignalSpy changed(g.get(), &DataGrid::cellChanged);
    QSignalSpy up(g.get(), &DataGrid::mouseUp);
    clickCell(*g, 1, 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    QCOMPARE(clicked.at(0).at(1).toInt(), 1);
    QCOMPARE(up.count(), 1);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!g->isEditing());
    // Keys and double clicks do not edit a button either.
    g->setFocus();
    QTest::keyClicks(g.get(), QStringLiteral("a"));
    QVERIFY(!g->isEditing());
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {},
                       g->visualRect(g->gridModel()->index(0, 0)).center());
    QVERIFY(!g->isEditing());
    QVERIFY(!g->grab().isNull());
}

void TestDataGrid::checkBoxToggles() {
    auto g = makeGrid(2, 2);
    g->setCurrentCol(2);
    g->setCurrentRow(2);
    g->setCellType(DataGrid::CellType::CheckBox);
    g->setCheckCaption(QStringLiteral("使用する"));
    g->setCheckValue(false);
    QVERIFY(!g->checkValue());
    QSignalSpy spy(g.get(), &DataGrid::cellChanged);
    clickCell(*g, 2, 2);
    QCOMPARE(changes(spy), (Cells{{2, 2}}));
    g->setCurrentCol(2);
    g->setCurrentRow(2);
    QVERIFY(g->checkValue());
    QCOMPARE(g->text(2, 2), QStringLiteral("1"));
    clickCell(*g, 2, 2);
    QVERIFY(!g->checkValue());
    QCOMPARE(spy.count(), 2);
    g->setFocus();
    QTest::keyClick(g.get(), Qt::Key_Space);
    QVERIFY(g->checkValue());
    QCOMPARE(spy.count(), 3);
    QVERIFY(!g->isEditing());
    g->setCheckValue(false);
    QCOMPARE(g->text(2, 2), QStringLiteral("0"));
}

void TestDataGrid::widthsInCharactersHeightsInPoints() {
    auto g = makeGrid(3, 3);
    const QStringList families = g->font().families();
    QVERIFY(families.contains(QStringLiteral("IPAGothic")));
    QVERIFY(families.contains(QStringLiteral("Noto Sans CJK JP")));
    const double digit = QFontMetricsF(g->font()).horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
    auto px = [digit](double chars) { return qRound(chars * digit + 6); };

    g->setColumnWidthAt(2, 10);
    QCOMPARE(g->columnWidth(1), px(10));
    QCOMPARE(g->columnWidthAt(2), 10.0);
    QVERIFY(g->columnWidth(1) > g->columnWidth(0));

    g->setColumnWidthAt(0, 8);
    QCOMPARE(g->verticalHeader()->width(), px(8));
    g->setColumnWidthAt(-1, 4);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(g->columnWidth(c), px(4));
    QCOMPARE(g->columnWidthAt(2), 4.0);
    QCOMPARE(g->columnWidthAt(0), 8.0); // the row-heading column keeps its width
    QCOMPARE(g->verticalHeader()->width(), px(8));
    // Columns added later take the common width.
    g->setColumnCount(5);
    QCOMPARE(g->columnWidth(4), px(4));

    g->setRowHeightAt(2, 23);
    QCOMPARE(g->rowHeight(1), 31); // 23 pt at 96 dpi
    QCOMPARE(g->rowHeightAt(2), 23.0);
    g->setRowHeightAt(-1, 15);
    QCOMPARE(g->rowHeight(0), 20);
    QCOMPARE(g->rowHeight(2), 20);
    g->setRowHeightAt(0, 18);
    QCOMPARE(g->horizontalHeader()->height(), 24);
}

void TestDataGrid::textProviderAndStoredEmptyText() {
    auto g = makeGrid(30, 30);
    int calls = 0;
    g->setTextProvider([&calls](int c, int r) {
        ++calls;
        return QStringLiteral("%1,%2").arg(c).arg(r);
    });
    QCOMPARE(g->text(3, 4), QStringLiteral("3,4"));
    g->setText(3, 4, QStringLiteral("typed"));
    QCOMPARE(g->text(3, 4), QStringLiteral("typed"));
    g->setText(3, 4, QString());
    QCOMPARE(g->text(3, 4), QString()); // stored empty, not the provider's text
    g->clearStoredText(3, 4);
    QCOMPARE(g->text(3, 4), QStringLiteral("3,4"));

    // A large cleared block keeps no text per cell but still shows empty.
    selectBlock(*g, 1, 1, 30, 30);
    g->setFocus();
    QTest::keyClick(g.get(), Qt::Key_Delete);
    QCOMPARE(g->text(17, 23), QString());
    g->setText(17, 23, QStringLiteral("new"));
    QCOMPARE(g->text(17, 23), QStringLiteral("new"));
    g->clearStoredText(5, 6);
    QCOMPARE(g->text(5, 6), QStringLiteral("5,6"));
    QCOMPARE(g->text(5, 7), QString());

    g->clearStoredTexts();
    QCOMPARE(g->text(17, 23), QStringLiteral("17,23"));
    QCOMPARE(g->text(5, 7), QStringLiteral("5,7"));
    g->setText(0, 2, QStringLiteral("NO.2"));
    g->clearStoredTexts();
    QCOMPARE(g->text(0, 2), QStringLiteral("NO.2"));

    // Cells outside the grid are never stored or asked for.
    calls = 0;
    g->setText(31, 1, QStringLiteral("out"));
    QCOMPARE(g->text(31, 1), QString());
    QCOMPARE(calls, 0);
}

void TestDataGrid::mouseUpReportsEveryButton() {
    auto g = makeGrid(3, 3);
    QSignalSpy up(g.get(), &DataGrid::mouseUp);
    selectBlock(*g, 1, 1, 2, 2);
    clickCell(*g, 2, 2, Qt::RightButton);
    QCOMPARE(up.count(), 1);
    QCOMPARE(up.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    const QPoint expected = g->viewport()->mapToGlobal(g->visualRect(g->gridModel()->index(1, 1)).center());
    QCOMPARE(up.at(0).at(1).toPoint(), expected);
    QCOMPARE(g->selectedBlock(), QRect(1, 1, 2, 2)); // a right click keeps the selection
    clickCell(*g, 3, 3, Qt::LeftButton);
    QCOMPARE(up.count(), 2);
    QCOMPARE(up.at(1).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QVERIFY(g->viewport()->hasMouseTracking());

    // Moves without a button report the position in the grid's own coordinates.
    QSignalSpy moved(g.get(), &DataGrid::mouseMoved);
    const QPoint inViewport(20, 15);
    QMouseEvent move(QEvent::MouseMove, inViewport, g->viewport()->mapToGlobal(inViewport), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &move);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toPoint(), g->viewport()->mapTo(g.get(), inViewport));
}

void TestDataGrid::limitSizedGridIsLazy() {
    DataGrid g;
    g.resize(1000, 700);
    int calls = 0;
    g.setColumnCount(100);
    g.setRowCount(32767);
    g.setTextProvider([&calls](int c, int r) {
        ++calls;
        return QString::number(c * 100000 + r);
    });
    for (int r = 1; r <= 32767; ++r)
        g.setText(0, r, QStringLiteral("NO.%1").arg(r));
    g.setColumnWidthAt(-1, 8);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.grab();
    QVERIFY(calls > 0);
    QVERIFY2(calls < 3000, qPrintable(QString::number(calls)));

    calls = 0;
    g.setCurrentCol(1);
    g.setCurrentRow(32767);
    g.scrollToBottom();
    g.grab();
    QVERIFY2(calls < 3000, qPrintable(QString::number(calls)));
    QCOMPARE(g.currentIndex(), g.gridModel()->index(32766, 0));

    QSignalSpy spy(&g, &DataGrid::cellChanged);
    calls = 0;
    g.setFocus();
    QTest::keyClicks(g.viewport(), QStringLiteral("42"));
    QTest::keyClick(g.viewport(), Qt::Key_Return);
    QCOMPARE(changes(spy), (Cells{{1, 32767}}));
    QCOMPARE(g.text(1, 32767), QStringLiteral("42"));
    QVERIFY2(calls < 100, qPrintable(QString::number(calls)));
    QCOMPARE(g.text(0, 32767), QStringLiteral("NO.32767"));

    // Selecting every cell stays one block.
    selectBlock(g, 1, 1, 100, 32767);
    QCOMPARE(g.selectedBlock(), QRect(1, 1, 100, 32767));
}

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
