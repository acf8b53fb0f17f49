// Tests of the data sheet: filling the grid from the dataset, cell edits typed
// through the grid reaching the dataset, the clipboard and select-all commands,
// loading dataset files that break off, and a sheet of the largest size.
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "UiTestSupport.h"

#include <fstream>
#include <memory>
#include <string>

using uitest::kWhite;
using uitest::kYellow;
using uitest::writeBytes;

namespace {

// A small dataset: 3 samples x 2 variables, sample 2 masked.
void makeSmall(zel::Dataset& ds) {
    ds.resize(3, 2);
    ds.setName(1, "長さ");
    ds.setName(2, "weight");
    ds.setMask(2, 1);
    ds.setValue(1, 1, 0.5);
    ds.setValue(1, 2, -3);
    ds.setValue(2, 1, 1e15);
    ds.setValue(2, 2, 12);
    ds.setValue(3, 1, 1.5e-5);
    ds.setValue(3, 2, 0);
}

} // namespace

class TestDataSheet : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<DataGrid> m_grid;
    std::unique_ptr<zel::Dataset> m_ds;
    std::unique_ptr<DataSheet> m_sheet;

    // The grid's own cell entry as a user types it (UiTestSupport.h).
    void typeInto(int col, int row, const QString& text) { uitest::typeIntoCell(m_grid.get(), col, row, text); }
    void deleteCell(int col, int row) { uitest::deleteCell(m_grid.get(), col, row); }

  private slots:
    void init() {
        m_grid = std::make_unique<DataGrid>();
        m_grid->resize(600, 400);
        m_ds = std::make_unique<zel::Dataset>();
        m_sheet = std::make_unique<DataSheet>(m_grid.get(), *m_ds);
        m_sheet->setUp();
        m_grid->show();
        m_grid->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    }

    void cleanup() {
        m_sheet.reset();
        m_grid.reset();
        m_ds.reset();
    }

    void setUpWidthsAndAlignment() {
        // The design grid before any dataset: 9 x 18.
        m_grid->setColumnCount(9);
        m_grid->setRowCount(18);
        QCOMPARE(m_grid->columnWidthAt(0), 8.0);
        m_sheet->setColumnWidthChars(12);
        QCOMPARE(m_grid->columnWidthAt(1), 12.0);
        QCOMPARE(m_grid->columnWidthAt(9), 12.0);
        QCOMPARE(m_grid->columnWidthAt(0), 8.0); // the row headings keep their width
        auto alignment = [this](int col, int row) {
            const QModelIndex cell = m_grid->model()->index(row - 1, col - 1);
            return Qt::Alignment(m_grid->model()->data(cell, Qt::TextAlignmentRole).toInt());
        };
        QVERIFY(alignment(1, 1) & Qt::AlignRight);
        QVERIFY(alignment(9, 18) & Qt::AlignRight);
        // Set once, it holds for every sheet filled later, whatever its size.
        m_ds->resize(40, 12);
        m_sheet->fill();
        QVERIFY(alignment(12, 40) & Qt::AlignRight);
    }

    void fillShowsHeadingsNamesAndNumberTexts() {
        makeSmall(*m_ds);
        m_sheet->fill();
        QCOMPARE(m_grid->columnCount(), 2);
        QCOMPARE(m_grid->rowCount(), 3);
        QCOMPARE(m_grid->text(0, 1), QStringLiteral("NO.1"));
        QCOMPARE(m_grid->text(0, 3), QStringLiteral("NO.3"));
        QCOMPARE(m_grid->text(1, 0), QStringLiteral("長さ"));
        QCOMPARE(m_grid->text(2, 0), QStringLiteral("weight"));
        QCOMPARE(m_grid->text(1, 1), QStringLiteral("0.5"));
        QCOMPARE(m_grid->text(2, 1), QStringLiteral("-3"));
        QCOMPARE(m_grid->text(1, 2), QStringLiteral("1E+15"));
        QCOMPARE(m_grid->text(2, 2), QStringLiteral("12"));
        QCOMPARE(m_grid->text(1, 3), QStringLiteral("1.5E-05"));
        QCOMPARE(m_grid->text(2, 3), QStringLiteral("0"));
        QCOMPARE(m_grid->currentCol(), 1);
        QCOMPARE(m_grid->currentRow(), 1);

        // A refill after a structural change shows the new dataset, not old texts.
        typeInto(1, 1, QStringLiteral("abc"));
        m_ds->resize(2, 3);
        m_ds->setValue(1, 1, 7);
        m_sheet->fill();
        QCOMPARE(m_grid->columnCount(), 3);
        QCOMPARE(m_grid->rowCount(), 2);
        QCOMPARE(m_grid->text(1, 1), QStringLiteral("7"));
        QCOMPARE(m_grid->text(3, 2), QStringLiteral("0"));
        QCOMPARE(m_grid->text(1, 0), QString());
    }

    void maskedRowsAreYellowAfterEveryFill() {
        makeSmall(*m_ds);
        m_sheet->fill();
        for (int c = 1; c <= 2; ++c) {
            QCOMPARE(m_grid->backColor(c, 1), kWhite);
            QCOMPARE(m_grid->backColor(c, 2), kYellow);
            QCOMPARE(m_grid->backColor(c, 3), kWhite);
        }
        QVERIFY(m_grid->backColor(0, 2) != kYellow);
        QVERIFY(m_grid->backColor(1, 0) != kYellow);

        // Masks change and the sheet is filled again: the old row turns white.
        m_ds->setMask(2, 0);
        m_ds->setMask(3, 1);
        m_sheet->fill();
        for (int c = 1; c <= 2; ++c) {
            QCOMPARE(m_grid->backColor(c, 2), kWhite);
            QCOMPARE(m_grid->backColor(c, 3), kYellow);
        }
        QVERIFY(m_grid->backColor(0, 3) != kYellow);

        // Every sample left out of the analyses is marked, whatever the flag.
        m_ds->setMask(1, 2);
        m_sheet->fill();
        QCOMPARE(m_grid->backColor(2, 1), kYellow);
    }

    void typedEditsReachTheDataset() {
        makeSmall(*m_ds);
        m_sheet->fill();
        QCOMPARE(m_ds->unsaved, std::int16_t(0));
        QSignalSpy edited(m_sheet.get(), &DataSheet::edited);

        m_grid->setReplaceMode(true);
        typeInto(2, 1, QStringLiteral("abc"));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.at(0).at(0).toInt(), 2);
        QCOMPARE(edited.at(0).at(1).toInt(), 1);
        QCOMPARE(m_ds->value(1, 2), 0.0);
        QCOMPARE(m_grid->text(2, 1), QStringLiteral("abc")); // shown as typed
        QCOMPARE(m_ds->unsaved, std::int16_t(1));

        typeInto(1, 3, QStringLiteral("1.5abc"));
        QCOMPARE(m_ds->value(3, 1), 1.5);
        QCOMPARE(m_grid->text(1, 3), QStringLiteral("1.5abc"));
        QCOMPARE(m_grid->currentCol(), 1);
        QCOMPARE(m_grid->currentRow(), 3);

        typeInto(2, 2, QStringLiteral("-2.25"));
        QCOMPARE(m_ds->value(2, 2), -2.25);
        QCOMPARE(m_grid->text(2, 2), QStringLiteral("-2.25"));
        // Other values are untouched.
        QCOMPARE(m_ds->value(1, 1), 0.5);
        QCOMPARE(m_ds->value(2, 1), 1e15);
    }

    void clearingACellStoresZeroAndShowsEmpty() {
        makeSmall(*m_ds);
        m_sheet->fill();
        deleteCell(1, 1);
        QCOMPARE(m_ds->value(1, 1), 0.0);
        QCOMPARE(m_grid->text(1, 1), QString());
        QCOMPARE(m_ds->unsaved, std::int16_t(1));
        // Filling again (as reopening does) shows the stored 0.
        m_sheet->fill();
        QCOMPARE(m_grid->text(1, 1), QStringLiteral("0"));
    }

    void pasteReachesTheDataset() {
        makeSmall(*m_ds);
        m_sheet->fill();
        QSignalSpy edited(m_sheet.get(), &DataSheet::edited);
        QApplication::clipboard()->setText(QStringLiteral("4\t5.5\r\nx\t-1E+15\r\n"));
        m_grid->setBlockMode(false);
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(2);
        m_sheet->paste();
        QCOMPARE(edited.count(), 4);
        QCOMPARE(m_ds->value(2, 1), 4.0);
        QCOMPARE(m_ds->value(2, 2), 5.5);
        QCOMPARE(m_ds->value(3, 1), 0.0);
        QCOMPARE(m_ds->value(3, 2), -1e15);
        QCOMPARE(m_ds->value(1, 1), 0.5); // above the paste: untouched
        QCOMPARE(m_grid->text(1, 3), QStringLiteral("x"));
        QCOMPARE(m_grid->text(2, 3), QStringLiteral("-1E+15"));
        QCOMPARE(m_ds->unsaved, std::int16_t(1));
    }

    void pasteClippedAtTheSheetEdge() {
        makeSmall(*m_ds);
        m_sheet->fill();
        QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\t5\t6\n"));
        m_grid->setBlockMode(false);
        m_grid->setCurrentCol(2);
        m_grid->setCurrentRow(3);
        m_sheet->paste();
        QCOMPARE(m_ds->value(3, 2), 1.0);
        QCOMPARE(m_ds->value(3, 1), 1.5e-5); // left of the paste: untouched
        QCOMPARE(m_ds->value(2, 2), 12.0);
        QCOMPARE(m_grid->text(2, 3), QStringLiteral("1"));
    }

    void cutZeroesTheValues() {
        makeSmall(*m_ds);
        m_sheet->fill();
        m_grid->setBlockMode(false);
        m_grid->setCurrentCol(1);
        m_grid->setCurrentRow(1);
        m_grid->setBlockCol2(2);
        m_grid->setBlockRow2(1);
        m_grid->doAction(DataGrid::Action::SelectBlock);
        m_sheet->cut();
        QCOMPARE(m_ds->value(1, 1), 0.0);
        QCOMPARE(m_ds->value(1, 2), 0.0);
        QCOMPARE(m_ds->value(2, 1), 1e15);
        QCOMPARE(m_grid->text(1, 1), QString());
        QCOMPARE(m_grid->text(2, 1), QString());
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("0.5\t-3")));
        QCOMPARE(m_ds->unsaved, std::int16_t(1));
    }

    void copyLeavesTheDatasetAlone() {
        makeSmall(*m_ds);
        m_sheet->fill();
        m_sheet->selectAll();
        m_sheet->copy();
        const QString text = QApplication::clipboard()->text();
        QVERIFY(text.startsWith(QStringLiteral("0.5\t-3")));
        QVERIFY(text.contains(QStringLiteral("1E+15\t12")));
        QVERIFY(!text.contains(QStringLiteral("NO.")));
        QCOMPARE(m_ds->unsaved, std::int16_t(0));
        QCOMPARE(m_ds->value(1, 1), 0.5);
    }

    void selectAllCoversExactlyTheData() {
        makeSmall(*m_ds);
        m_sheet->fill();
        m_sheet->selectAll();
        QCOMPARE(m_grid->selectedBlock(), QRect(1, 1, 2, 3));
        QCOMPARE(m_grid->selectionModel()->selectedIndexes().size(), 6);

        m_ds->resize(5, 4);
        m_sheet->fill();
        m_sheet->selectAll();
        QCOMPARE(m_grid->selectedBlock(), QRect(1, 1, 4, 5));
        QCOMPARE(m_grid->selectionModel()->selectedIndexes().size(), 20);
    }

    void loadWithMissingValuesFile() {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("A"));
        writeBytes(base + ".QCN", " 2  3 \r\nx\r\ny\r\nz\r\n 0 \r\n 1 \r\nla\r\nlb\r\n");
        const zel::Status status =
            m_sheet->load((base + ".QCN").toStdString(), (base + ".QCS").toStdString());
        QVERIFY(!status.isOk());
        QVERIFY(!status.message().empty());
        QCOMPARE(m_ds->sampleCount(), 2);
        QCOMPARE(m_ds->variableCount(), 3);
        QCOMPARE(m_grid->columnCount(), 3);
        QCOMPARE(m_grid->rowCount(), 2);
        QCOMPARE(m_grid->text(3, 0), QStringLiteral("z"));
        QCOMPARE(m_grid->text(0, 2), QStringLiteral("NO.2"));
        QCOMPARE(m_ds->label(2), std::string("lb"));
        for (int c = 1; c <= 3; ++c) {
            QCOMPARE(m_grid->text(c, 1), QString());
            QCOMPARE(m_grid->text(c, 2), QString());
            QCOMPARE(m_grid->backColor(c, 2), kYellow);
            QCOMPARE(m_grid->backColor(c, 1), kWhite);
        }
        QCOMPARE(m_sheet->shownValueCount(), std::size_t(0));
    }

    void loadWithShortValuesFileShowsWhatWasRead() {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("B"));
        writeBytes(base + ".QCN", " 2  2 \r\np\r\nq\r\n 0 \r\n 0 \r\n\r\n\r\n");
        writeBytes(base + ".QCS", " 1  .5  -2 ");
        const zel::Status status =
            m_sheet->load((base + ".QCN").toStdString(), (base + ".QCS").toStdString());
        QVERIFY(!status.isOk());
        QCOMPARE(m_grid->text(1, 1), QStringLiteral("1"));
        QCOMPARE(m_grid->text(2, 1), QStringLiteral("0.5"));
        QCOMPARE(m_grid->text(1, 2), QStringLiteral("-2"));
        QCOMPARE(m_grid->text(2, 2), QString());
        // An edit of the value that was never read reaches its place and shows as typed.
        typeInto(2, 2, QStringLiteral("8"));
        QCOMPARE(m_ds->value(2, 2), 8.0);
        QCOMPARE(m_grid->text(2, 2), QStringLiteral("8"));
    }

    void loadWithNamesFileBrokenMidway() {
        // The previous dataset is laid out differently: 3 x 2.
        makeSmall(*m_ds);
        m_sheet->fill();
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("C"));
        // The header promises 20 samples of 4 variables but the masks stop after 5.
        writeBytes(base + ".QCN", " 20  4 \r\na\r\nb\r\nc\r\nd\r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 1 \r\n");
        writeBytes(base + ".QCS", std::string(" 1 ") + std::string(79 * 3, ' '));
        const zel::Status status =
            m_sheet->load((base + ".QCN").toStdString(), (base + ".QCS").toStdString());
        QVERIFY(!status.isOk());
        QCOMPARE(m_ds->sampleCount(), 20);
        QCOMPARE(m_ds->variableCount(), 4);
        // The sheet follows the dataset as it now is.
        QCOMPARE(m_grid->columnCount(), 4);
        QCOMPARE(m_grid->rowCount(), 20);
        QCOMPARE(m_grid->text(4, 0), QStringLiteral("d"));
        QCOMPARE(m_grid->text(0, 20), QStringLiteral("NO.20"));
        QCOMPARE(m_grid->backColor(4, 2), kYellow);
        QCOMPARE(m_grid->backColor(4, 5), kYellow);
        QCOMPARE(m_grid->backColor(4, 6), kWhite);
        QCOMPARE(m_grid->text(1, 1), QString()); // no value was read
        // An edit lands on the value it shows.
        typeInto(3, 2, QStringLiteral("9"));
        QCOMPARE(m_ds->value(2, 3), 9.0);
        QVERIFY(m_ds->storedValues().size() >= 7);
        QCOMPARE(m_ds->storedValues()[(2 - 1) * 4 + (3 - 1)], 9.0); // row-major with K = 4
    }

    void loadWithMissingNamesFileKeepsTheSheet() {
        makeSmall(*m_ds);
        m_sheet->fill();
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("none"));
        const zel::Status status =
            m_sheet->load((base + ".QCN").toStdString(), (base + ".QCS").toStdString());
        QVERIFY(!status.isOk());
        QCOMPARE(m_grid->columnCount(), m_ds->variableCount());
        QCOMPARE(m_grid->rowCount(), m_ds->sampleCount());
    }

    void loadOfACompleteDataset() {
        QTemporaryDir dir;
        const QString base = dir.filePath(QStringLiteral("D"));
        writeBytes(base + ".QCN", " 2  2 \r\np\r\nq\r\n 0 \r\n 1 \r\n\r\nx\r\n");
        writeBytes(base + ".QCS", " 1  .5 \r\n-2 ,3E+15 ");
        const zel::Status status =
            m_sheet->load((base + ".QCN").toStdString(), (base + ".QCS").toStdString());
        QVERIFY2(status.isOk(), status.message().c_str());
        QCOMPARE(m_grid->text(2, 2), QStringLiteral("3E+15"));
        QCOMPARE(m_grid->text(1, 2), QStringLiteral("-2"));
        QCOMPARE(m_grid->backColor(1, 2), kYellow);
        QCOMPARE(m_grid->currentCol(), 1);
        QCOMPARE(m_grid->currentRow(), 1);
    }

    void gridOutlivingTheSheetShowsNoValues() {
        makeSmall(*m_ds);
        m_sheet->fill();
        m_sheet.reset();
        m_ds.reset();
        QCOMPARE(m_grid->text(1, 1), QString());
        QCOMPARE(m_grid->text(0, 1), QStringLiteral("NO.1"));
        m_grid->viewport()->repaint();
    }

    void largestSheetFillsAndEditsAtTheLastRow() {
        const int n = zel::Dataset::kMaxCount;
        const int k = 100;
        m_ds->resize(n, k);
        m_ds->reserveValues();
        for (int i = 1; i <= n; ++i)
            m_ds->setValue(i, k, i * 0.25);
        for (int i = 1; i <= n; i += 1000)
            m_ds->setMask(i, 1);
        m_sheet->fill();
        QCOMPARE(m_grid->rowCount(), n);
        QCOMPARE(m_grid->columnCount(), k);
        QCOMPARE(m_grid->text(0, n), QStringLiteral("NO.32767"));
        QCOMPARE(m_grid->text(k, n), QStringLiteral("8191.75"));
        QCOMPARE(m_grid->text(1, n), QStringLiteral("0"));
        QCOMPARE(m_grid->backColor(50, 1001), kYellow);
        QCOMPARE(m_grid->backColor(50, 1002), kWhite);

        m_grid->setReplaceMode(true);
        typeInto(k, n, QStringLiteral("42"));
        QCOMPARE(m_ds->value(n, k), 42.0);
        QCOMPARE(m_grid->text(k, n), QStringLiteral("42"));
        QCOMPARE(m_ds->unsaved, std::int16_t(1));

        m_sheet->selectAll();
        QCOMPARE(m_grid->selectedBlock(), QRect(1, 1, k, n));
    }
};

QTEST_MAIN(TestDataSheet)
#include "tst_datasheet.moc"
