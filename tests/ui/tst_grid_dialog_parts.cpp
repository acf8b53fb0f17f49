// Tests of what the dialogs around a grid share with the data sheet: the
// samples' colours and the prompt-grid-buttons layout.
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "windowkit/ZelWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

class GridDialog : public ZelWindow {
  public:
    GridDialog() : ZelWindow(QStringLiteral("gridtest")) {
        prompt = new QLabel(QStringLiteral("変数名を変更します。"), this);
        grid = new DataGrid(this);
        stack = layOutGridDialog(prompt, grid, [this] { ++oks; });
    }
    QLabel* prompt = nullptr;
    DataGrid* grid = nullptr;
    QVBoxLayout* stack = nullptr;
    int oks = 0;
};

} // namespace

class TestGridDialogParts : public QObject {
    Q_OBJECT
  private slots:
    void maskedSamplesYellowOverTheGivenColumns() {
        zel::Dataset ds;
        ds.resize(4, 3);
        ds.setMask(2, 1);
        ds.setMask(4, -1); // any non-zero mask
        DataGrid grid;
        grid.setColumnCount(3);
        grid.setRowCount(4);
        // Grey all over first, so that the cells it leaves alone show.
        const QColor grey(192, 192, 192);
        grid.setCurrentCol(1);
        grid.setCurrentRow(1);
        grid.setBlockCol2(3);
        grid.setBlockRow2(4);
        grid.setBlockMode(true);
        grid.setBackColor(grey);
        grid.setBlockMode(false);
        colourSampleRows(grid, ds, 2);
        for (int c = 1; c <= 2; ++c) {
            QCOMPARE(grid.backColor(c, 1), kWhite);
            QCOMPARE(grid.backColor(c, 2), kYellow);
            QCOMPARE(grid.backColor(c, 3), kWhite);
            QCOMPARE(grid.backColor(c, 4), kYellow);
        }
        // Column 3 keeps its colour; the headings take none.
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(grid.backColor(3, r), grey);
        QVERIFY(grid.backColor(0, 2) != kYellow);
        QVERIFY(!grid.blockMode());
    }

    void promptAboveGridAboveTheButtons() {
        GridDialog d;
        QCOMPARE(static_cast<QLayout*>(d.stack), d.layout());
        QCOMPARE(d.stack->count(), 3);
        QCOMPARE(d.stack->itemAt(0)->widget(), d.prompt);
        QCOMPARE(d.stack->itemAt(1)->widget(), d.grid);
        QCOMPARE(d.stack->stretch(1), 1);
        QCOMPARE(d.stack->stretch(0), 0);
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* cancel = d.findChild<QPushButton*>(QStringLiteral("Command2"));
        QVERIFY(ok && cancel);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
        QCOMPARE(d.stack->itemAt(2)->layout()->indexOf(ok), 1);
        ok->click();
        QCOMPARE(d.oks, 1);
    }
};

QTEST_MAIN(TestGridDialogParts)
#include "tst_grid_dialog_parts.moc"
