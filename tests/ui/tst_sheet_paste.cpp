// A block copied from a spreadsheet program pasted into the data sheet and into
// the data-label dialog: the clipboard text such a program leaves (tabs between
// cells, CR LF after every row, a trailing tab for a blank last cell, blank
// cells, Japanese text), what reaches the dataset and what the cells show.
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/EditCommands.h"
#include "dataset/parekos.h"
#include "windowkit/ZelWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "UiTestSupport.h"

#include <memory>

class TestSheetPaste : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<uitest::FakeContext> m_ctx;
    zel::Dataset& ds() { return m_ctx->ws.dataset; }
    DataGrid& grid() { return m_ctx->grid(); }

    // 3 samples x 3 variables, every value 9 and every label "旧".
    void fillNines() {
        ds().resize(3, 3);
        for (int i = 1; i <= 3; ++i) {
            ds().setLabel(i, "旧");
            for (int j = 1; j <= 3; ++j)
                ds().setValue(i, j, 9);
        }
        m_ctx->sheet().setUp();
        m_ctx->sheet().fill();
    }
    void pasteAt(DataGrid& g, int col, int row, const QString& clip) {
        QApplication::clipboard()->setText(clip);
        g.setBlockMode(false);
        g.setCurrentCol(col);
        g.setCurrentRow(row);
        g.doAction(DataGrid::Action::Paste);
    }

  private slots:
    void init() {
        m_ctx = uitest::freshContext(QString());
        grid().resize(600, 400);
        grid().show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid()));
    }
    void cleanup() { uitest::closeWindows(m_ctx); }

    void blankCellsAndJapaneseReachTheDataSheet() {
        fillNines();
        // Row 1: Japanese, a number, a blank last cell (the trailing tab);
        // row 2: a blank first cell.
        pasteAt(grid(), 1, 1, QStringLiteral("ロット１\t1.5\t\r\n\t2\t3\r\n"));
        QCOMPARE(uitest::shownRow(grid(), 1), (QStringList{"ロット１", "1.5", ""}));
        QCOMPARE(uitest::shownRow(grid(), 2), (QStringList{"", "2", "3"}));
        // A text is no number: 0, as typing it would store; a blank cell 0.
        QCOMPARE(ds().value(1, 1), 0.0);
        QCOMPARE(ds().value(1, 2), 1.5);
        QCOMPARE(ds().value(1, 3), 0.0);
        QCOMPARE(ds().value(2, 1), 0.0);
        QCOMPARE(ds().value(2, 3), 3.0);
        // Only the two rows pasted: the third keeps its values.
        QCOMPARE(uitest::shownRow(grid(), 3), (QStringList{"9", "9", "9"}));
        QCOMPARE(ds().unsaved, std::int16_t(1));
        // The pasted block, trailing blank cell included, is selected.
        QCOMPARE(grid().selectionModel()->selectedIndexes().size(), 6);
    }

    void aBlockCopiedFromTheSheetPastesBackAsItWas() {
        fillNines();
        pasteAt(grid(), 1, 1, QStringLiteral("1\t\t-2.5\r\n"));
        grid().setBlockMode(false);
        grid().setCurrentCol(1);
        grid().setCurrentRow(1);
        grid().setBlockCol2(3);
        grid().setBlockRow2(1);
        grid().doAction(DataGrid::Action::SelectBlock);
        m_ctx->sheet().copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t\t-2.5\r\n"));
        pasteAt(grid(), 1, 3, QApplication::clipboard()->text());
        QCOMPARE(uitest::shownRow(grid(), 3), (QStringList{"1", "", "-2.5"}));
        QCOMPARE(ds().value(3, 2), 0.0);
        QCOMPARE(ds().value(3, 3), -2.5);
    }

    void japaneseAndBlankLabelsReachTheLabelDialog() {
        fillNines();
        EditCommands::dataLabels(*m_ctx, false);
        QPointer<parekos> d = ZelWindow::findOpen<parekos>();
        QVERIFY(d);
        // A label column copied with its blank cell in the middle.
        pasteAt(*d->grid(), 1, 1, QStringLiteral("検査　Ａ\r\n\r\nﾛｯﾄ2\r\n"));
        QCOMPARE(uitest::shownColumn(*d->grid(), 1), (QStringList{"検査　Ａ", "", "ﾛｯﾄ2"}));
        QPushButton* ok = nullptr;
        for (QPushButton* b : d->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("OK")) ok = b;
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(!d || !d->isVisible());
        QCOMPARE(ds().label(1), std::string("検査　Ａ"));
        QCOMPARE(ds().label(2), std::string());
        QCOMPARE(ds().label(3), std::string("ﾛｯﾄ2"));
    }
};

QTEST_MAIN(TestSheetPaste)
#include "tst_sheet_paste.moc"
