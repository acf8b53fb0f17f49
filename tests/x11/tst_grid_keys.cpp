// Keys pressed into open cell editors on the real X11 platform: the data sheet,
// the data-label dialog and the rename dialog. The keys come through the X
// server as a user's do, so an event that the editor does not use climbs up to
// the grid the way it does for a user (where it once bounced back and forth
// between the editor and the grid until the stack ran out).
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/EditCommands.h"
#include "dataset/henhenf.h"
#include "dataset/parekos.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "UiTestSupport.h"
#include "X11Input.h"

namespace {

QLineEdit* openEditor() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

} // namespace

class TestGridKeys : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<uitest::FakeContext> m_ctx;
    QTemporaryDir m_dir;

    zel::Dataset& ds() { return m_ctx->ws.dataset; }
    DataGrid* sheet() { return m_ctx->sheetWidget.get(); }

    // Clicks the cell and types the text into the editor that typing opens.
    void typeInCell(DataGrid* g, int col, int row, const QString& text) {
        QVERIFY(x11input::click(g->viewport(), uitest::cellCentre(*g, col, row)));
        QCOMPARE(g->currentCol(), col);
        QCOMPARE(g->currentRow(), row);
        QVERIFY(x11input::type(text));
        QVERIFY(g->isEditing());
        QLineEdit* editor = openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), text);
    }

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
        QVERIFY(m_dir.isValid());
    }

    void init() {
        m_ctx = std::make_unique<uitest::FakeContext>();
        zel::Dataset& d = ds();
        d.resize(60, 3);
        for (int j = 1; j <= 3; ++j)
            d.setName(j, "v" + std::to_string(j));
        for (int i = 1; i <= 60; ++i) {
            d.setLabel(i, "s" + std::to_string(i));
            for (int j = 1; j <= 3; ++j)
                d.setValue(i, j, i * 10 + j);
        }
        const std::string base = (m_dir.path() + QStringLiteral("/keys")).toStdString();
        d.setBase(base);
        QVERIFY(zel::writeDataset(d, base).isOk());
        sheet()->resize(500, 400);
        m_ctx->sheet().setUp();
        m_ctx->sheet().fill();
        QVERIFY(x11input::activate(sheet()));
    }

    void cleanup() {
        ZelWindow::closeAll();
        uitest::flushDeletes();
        m_ctx.reset();
    }

    // Each key that ends an edit stores the typed value and moves on; the
    // keys the editor keeps leave it open with its text.
    void keysPressedInTheSheetEditor_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("stillEditing");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row"); // 0: somewhere below the cell
        QTest::newRow("down") << "Down" << false << 2 << 6;
        QTest::newRow("up") << "Up" << false << 2 << 4;
        QTest::newRow("page down") << "Page_Down" << false << 2 << 0;
        QTest::newRow("tab") << "Tab" << false << 3 << 5;
        QTest::newRow("shift") << "shift" << true << 2 << 5;
        QTest::newRow("ctrl") << "ctrl" << true << 2 << 5;
        QTest::newRow("left") << "Left" << true << 2 << 5;
    }
    void keysPressedInTheSheetEditor() {
        QFETCH(QString, key);
        QFETCH(bool, stillEditing);
        QFETCH(int, col);
        QFETCH(int, row);
        typeInCell(sheet(), 2, 5, QStringLiteral("25"));
        QVERIFY(x11input::keys({key}));
        QCOMPARE(sheet()->isEditing(), stillEditing);
        if (stillEditing) {
            QCOMPARE(openEditor()->text(), QStringLiteral("25"));
            QCOMPARE(ds().value(5, 2), 52.0);
            QVERIFY(x11input::keys({QStringLiteral("Return")}));
        }
        QCOMPARE(ds().value(5, 2), 25.0);
        QCOMPARE(ds().unsaved, std::int16_t(1));
        QCOMPARE(sheet()->currentCol(), col);
        if (row > 0)
            QCOMPARE(sheet()->currentRow(), row);
        else
            QVERIFY(sheet()->currentRow() > 6);
    }

    void shiftedLettersAndPasteInsideTheEditor() {
        // An exponent typed with Shift, after the first character.
        typeInCell(sheet(), 1, 2, QStringLiteral("1E5"));
        QVERIFY(x11input::keys({QStringLiteral("Down")}));
        QCOMPARE(ds().value(2, 1), 100000.0);
        QCOMPARE(sheet()->text(1, 2), QStringLiteral("1E5"));

        // Ctrl+V inside the editor pastes into the editor's text, not the sheet.
        QApplication::clipboard()->setText(QStringLiteral("7"));
        typeInCell(sheet(), 1, 3, QStringLiteral("1"));
        QVERIFY(x11input::keys({QStringLiteral("ctrl+v")}));
        QVERIFY(sheet()->isEditing());
        QCOMPARE(openEditor()->text(), QStringLiteral("17"));
        QVERIFY(x11input::keys({QStringLiteral("Return")}));
        QCOMPARE(ds().value(3, 1), 17.0);
        QCOMPARE(ds().value(3, 2), 32.0); // the neighbour is untouched

        // Escape gives the cell back its text.
        typeInCell(sheet(), 1, 4, QStringLiteral("99"));
        QVERIFY(x11input::keys({QStringLiteral("Escape")}));
        QVERIFY(!sheet()->isEditing());
        QCOMPARE(ds().value(4, 1), 41.0);
        QCOMPARE(sheet()->text(1, 4), QStringLiteral("41"));
    }

    void textCellsOfTheLabelAndRenameDialogs() {
        EditCommands::dataLabels(*m_ctx, true);
        QPointer<parekos> labels = ZelWindow::findOpen<parekos>();
        QVERIFY(labels);
        QVERIFY(x11input::activate(labels));
        typeInCell(labels->grid(), 1, 2, QStringLiteral("Lot-A"));
        QVERIFY(x11input::keys({QStringLiteral("shift"), QStringLiteral("ctrl"), QStringLiteral("Down")}));
        QCOMPARE(labels->grid()->text(1, 2), QStringLiteral("Lot-A"));
        QCOMPARE(labels->grid()->currentRow(), 3);
        labels->close();
        uitest::flushDeletes();

        EditCommands::renameVariables(*m_ctx);
        QPointer<henhenf> rename = ZelWindow::findOpen<henhenf>();
        QVERIFY(rename);
        QVERIFY(x11input::activate(rename));
        typeInCell(rename->grid(), 1, 1, QStringLiteral("Len"));
        QVERIFY(x11input::keys({QStringLiteral("Page_Down"), QStringLiteral("Up")}));
        QCOMPARE(rename->grid()->text(1, 1), QStringLiteral("Len"));
        QVERIFY(!rename->grid()->isEditing());
    }
};

QTEST_MAIN(TestGridKeys)
#include "tst_grid_keys.moc"
