// Tests of the control charts' table windows and dialogs driven as a user drives
// them: XR1's table, decimal places and limits file; the saved-limits flow
// through xrload and xrkase; the X-Rs, P-Pn and defect-count variable dialogs;
// the limits dialog kgenin.
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlTableWindow.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/LimitsFile.h"
#include "analysis/control/PChart.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using uitest::button;
using uitest::columnHeadings;
using uitest::FakeContext;
using uitest::findAction;
using uitest::rowHeadings;
using uitest::shown;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

} // namespace

class TestControlTables : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("Xbar-R 管理図"));
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        base = dir->filePath(QStringLiteral("line7"));
        zel::Dataset& ds = ctx->ws.dataset;
        // Four subgroups of three; the masked one would change every number.
        uitest::fillDataset(ds, {{1, 2, 3}, {2, 4, 6}, {100, 100, 100}, {3, 3, 3}, {5, 1, 3}}, {},
                            {"a", "b", "masked", "c", "d"});
        ds.setBase(base.toStdString());
        ds.folder = dir->path().toStdString();
    }
    void cleanup() {
        uitest::closeWindows(ctx);
        dir.reset();
    }

    void xr1ShowsTheTableWithoutMaskedSamples() {
        auto* w = dynamic_cast<ControlTableWindow*>(openXR1(*ctx));
        QVERIFY(w);
        QCOMPARE(w->objectName(), QString("XR1"));
        QCOMPARE(w->windowTitle(), QString("Xbar-R管理図"));
        const DataGrid& g = w->grid();
        QCOMPARE(g.objectName(), QString("grid1"));
        QCOMPARE(columnHeadings(g),
                 QStringList({"ﾃﾞｰﾀNO.1", "ﾃﾞｰﾀNO.2", "ﾃﾞｰﾀNO.3", "標本平均", "標本範囲"}));
        QCOMPARE(rowHeadings(g), QStringList({"a", "b", "c", "d", "計", "平均", "UCL", "LCL"}));
        QCOMPARE(shown(g, 1, 2), QString("2.00"));
        QCOMPARE(shown(g, 4, 2), QString("4.00")); // mean of b
        QCOMPARE(shown(g, 5, 3), QString("0.00")); // range of c
        QCOMPARE(shown(g, 4, 5), QString("12.00"));
        QCOMPARE(shown(g, 5, 5), QString("10.00"));
        QCOMPARE(shown(g, 4, 6), QString("3.00"));
        QCOMPARE(shown(g, 5, 6), QString("2.50"));
        QCOMPARE(shown(g, 4, 7), QString("5.56"));
        QCOMPARE(shown(g, 5, 8), QString("0.00"));
        QCOMPARE(shown(g, 1, 5), QString()); // the measurement columns stay empty below
        QCOMPARE(g.columnWidthAt(0), 12.0);

        // The spin box, the options and the buttons.
        QCOMPARE(w->findChild<QLabel*>("Label1")->text(), QString("小数点以下表示桁数："));
        QSpinBox* spin = w->decimalSpin();
        QCOMPARE(spin->value(), 2);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 100);
        QCOMPARE(w->option1()->objectName(), QString("Option1"));
        QCOMPARE(w->option1()->text(), QString("このデータの管理線情報を使用する"));
        QCOMPARE(w->option2()->text(), QString("以前解析したデータの管理線情報を使用する"));
        QVERIFY(w->option1()->isChecked());
        QVERIFY(w->findChild<QMenu*>("xbrfile"));
        QVERIFY(w->findChild<QMenu*>("xbrhen"));
        for (const char* item : {"xbrprint", "xbrend", "xbrcopy", "xbrsubete"})
            QVERIFY2(findAction(w, item), item);

        // Opening again brings the same window forward without computing anew.
        ctx->ws.dataset.setValue(1, 1, 50);
        QCOMPARE(openXR1(*ctx), static_cast<ZelWindow*>(w));
        QCOMPARE(shown(w->grid(), 1, 1), QString("1.00"));
    }

    void cellsRoundTheValueAsItReads() {
        // Means 1.015 and 1.01, ranges 0.01 and 0.02: the binary 1.015 lies below the half.
        uitest::fillDataset(ctx->ws.dataset, {{1.01, 1.02}, {1.0, 1.02}}, {}, {"a", "b"});
        auto* w = dynamic_cast<ControlTableWindow*>(openXR1(*ctx));
        QVERIFY(w);
        const DataGrid& g = w->grid();
        QCOMPARE(shown(g, 3, 1), QString("1.02"));
        QCOMPARE(shown(g, 4, 4), QString("0.02")); // R-bar 0.015
        w->decimalSpin()->setValue(3);
        QCOMPARE(shown(g, 3, 1), QString("1.015"));
        w->decimalSpin()->setValue(0);
        QCOMPARE(shown(g, 1, 1), QString("1"));
    }

    void resultsBeyondTheNumbersOpenNoTable() {
        // Xbar-R: opening the table refuses; nothing opens and no limits file is written.
        uitest::fillDataset(ctx->ws.dataset, {{1e308, 1.5e308}, {-1e308, 1e308}}, {}, {"a", "b"});
        const QString outOfRange = QString::fromUtf8(zel::kResultOutOfRange);
        uitest::MessageBoxRecorder boxes;
        uitest::SeenBox box;
        QVERIFY(!openXR1(*ctx));
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("Xbar-R管理図"));
        QCOMPARE(box.text, outOfRange);
        QVERIFY(!ZelWindow::find("XR1"));

        // The variable dialogs refuse and stay open; their next window does not open.
        struct DialogCase {
            const char* analysis;
            std::vector<std::vector<double>> rows;
            ZelWindow* (*open)(MainContext&);
            const char* title;
            const char* dialog;
            const char* next;
        };
        const DialogCase cases[] = {
            {"X-Rs 管理図", {{1e308}, {-1e308}}, openXrshensi, "X-Rs管理図", "xrshensi", "XRS1"},   // range
                                                                                                    // 2E+308
            {"P-Pn 管理図", {{1e308, 1}, {1e308, 2}}, openPhensi2, "P-Pn 管理図", "phensi2", "p1"}, // total
                                                                                                    // size
            {"欠点数データ", {{1e308}, {1e308}}, openKetten, "変数の指定", "ketten", "kanri1"},     // the sum
        };
        for (const DialogCase& c : cases) {
            ctx->analysis = QString::fromUtf8(c.analysis);
            uitest::fillDataset(ctx->ws.dataset, c.rows, {}, {"a", "b"});
            ZelWindow* dlg = c.open(*ctx);
            button(dlg, "Command1")->click();
            QCOMPARE(boxes.count(), 1);
            box = boxes.take();
            QCOMPARE(box.title, QString::fromUtf8(c.title));
            QCOMPARE(box.text, outOfRange);
            QVERIFY(ZelWindow::find(QString::fromLatin1(c.dialog)));
            QVERIFY(!ZelWindow::find(QString::fromLatin1(c.next)));
            dlg->close();
        }

        QVERIFY(!QFile::exists(base + ".QCK"));
    }

    void decimalsApplyToEveryCellAtOnce() {
        auto* w = dynamic_cast<ControlTableWindow*>(openXR1(*ctx));
        QVERIFY(w);
        QTest::keyClick(w->decimalSpin(), Qt::Key_Down);
        QTest::keyClick(w->decimalSpin(), Qt::Key_Down);
        QCOMPARE(w->decimalSpin()->value(), 0);
        const DataGrid& g = w->grid();
        QCOMPARE(shown(g, 4, 7), QString("6")); // 5.5575
        QCOMPARE(shown(g, 4, 8), QString("0")); // 0.4425
        QCOMPARE(shown(g, 5, 7), QString("6")); // 6.4375
        QCOMPARE(shown(g, 4, 6), QString("3"));
        QCOMPARE(shown(g, 2, 2), QString("4"));
        // Headings and labels are untouched.
        QCOMPARE(g.text(4, 0), QString("標本平均"));
        QCOMPARE(g.text(0, 1), QString("a"));
        QCOMPARE(tableDecimals(zel::WindowId::XR1), 0);
        QTest::keyClick(w->decimalSpin(), Qt::Key_Up);
        QCOMPARE(shown(g, 4, 7), QString("5.6"));
        QCOMPARE(shown(g, 4, 8), QString("0.4"));
        QCOMPARE(shown(g, 5, 7), QString("6.4"));
        QCOMPARE(tableDecimals(zel::WindowId::XR1), 1);
        w->cancelButton()->click();
        QCOMPARE(tableDecimals(zel::WindowId::XR1), 2);
    }

    void xr1WritesTheLimitsFileBesideTheDataset() {
        // An old file is replaced.
        QVERIFY(writeBytes(base + ".QCK", "old\r\n"));
        QVERIFY(openXR1(*ctx));
        const QByteArray expected =
            base.toUtf8() + "\r\n 3 \r\n 5.5575 \r\n .4425 \r\n 2.5 \r\n 6.4375 \r\n 0 \r\n";
        QCOMPARE(readBytes(base + ".QCK"), expected);
        // Nothing else is left in the folder (no temporary file).
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"line7.QCK"}));
    }

    void aLimitsFileThatCannotBeWrittenIsSaidAndTheTableStays() {
        const QString missingFolder = dir->filePath("gone/line7");
        ctx->ws.dataset.setBase(missingFolder.toStdString());
        uitest::MessageBoxRecorder boxes;
        uitest::SeenBox box;
        auto* w = dynamic_cast<ControlTableWindow*>(openXR1(*ctx));
        QVERIFY(w);
        QTRY_COMPARE(boxes.count(), 1); // said once the window is up
        box = boxes.take();
        QCOMPARE(box.title, QString("Xbar-R管理図"));
        QVERIFY(box.text.startsWith("管理線情報ファイルを書き込めませんでした。"));
        QVERIFY(box.text.contains(missingFolder + ".QCK"));
        QVERIFY(!w->limitsWriteStatus());
        QVERIFY(ZelWindow::find("XR1"));
        QCOMPARE(shown(w->grid(), 4, 6), QString("3.00"));
    }

    void savedLimitsFlowThroughXrloadAndXrkase() {
        auto* w = dynamic_cast<ControlTableWindow*>(openXR1(*ctx));
        QVERIFY(w);
        QTest::keyClick(w->decimalSpin(), Qt::Key_Up); // 3 places
        QTest::mouseClick(w->option2(), Qt::LeftButton);
        QVERIFY(w->option2()->isChecked());
        const zel::ControlLines own = ctx->ws.chartData.lines;
        w->okButton()->click();

        QPointer<ZelWindow> load = ZelWindow::find("xrload");
        QVERIFY(load);
        QVERIFY(ZelWindow::find("XR1")); // stays open behind
        QCOMPARE(load->windowTitle(), QString("ファイルの呼出し..."));
        auto* check = load->findChild<QCheckBox*>("Check1");
        QCOMPARE(check->text(), QString("*.QCK"));
        QVERIFY(check->isChecked());
        QCOMPARE(qobject_cast<QGroupBox*>(check->parentWidget())->title(), QString("Extension"));
        QVERIFY(!load->findChild<QCheckBox*>("Check2")->isVisible());

        // The file list shows the limits files only, the dataset files not.
        QVERIFY(writeBytes(dir->filePath("line7.QCS"), "1 \r\n"));
        QVERIFY(writeBytes(dir->filePath("older.QCK"),
                           "/old/data\r\n 10 \r\n 13 \r\n 7 \r\n 2 \r\n 4.5 \r\n 0 \r\n"));
        QTest::mouseClick(check, Qt::LeftButton); // off: every file
        auto* files = load->findChild<QListWidget*>("File1");
        QCOMPARE(files->count(), 3);
        QTest::mouseClick(check, Qt::LeftButton); // on again
        QStringList listed;
        for (int i = 0; i < files->count(); ++i)
            listed << files->item(i)->text();
        QCOMPARE(listed, QStringList({"line7.QCK", "older.QCK"}));

        // A missing file is said and the dialog stays open.
        auto* name = load->findChild<QLineEdit*>("Text1");
        name->setText("nothere");
        uitest::MessageBoxRecorder boxes;
        uitest::SeenBox box;
        button(load, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("データの呼出し"));
        QVERIFY(!box.text.isEmpty());
        QVERIFY(ZelWindow::find("xrload"));
        QVERIFY(!ZelWindow::find("xrkase"));

        // A file that is not a limits file likewise.
        QVERIFY(writeBytes(dir->filePath("short.QCK"), "/x\r\n 1 \r\n 2 \r\n"));
        name->setText("short");
        button(load, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("データの呼出し"));
        QVERIFY(ZelWindow::find("xrload"));

        // A click on a file names it; OK reads it and hands over to xrkase.
        QListWidgetItem* older = files->findItems("older.QCK", Qt::MatchExactly).value(0);
        QVERIFY(older);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(older).center());
        QCOMPARE(name->text(), QString("older"));
        button(load, "Command1")->click();
        QTRY_VERIFY(!ZelWindow::find("xrload"));
        ZelWindow* kase = ZelWindow::find("xrkase");
        QVERIFY(kase);
        QCOMPARE(kase->windowTitle(), QString("管理線情報"));
        QCOMPARE(kase->findChild<QLabel*>("Label1")->text(),
                 QString("この管理線データを使用して管理図を作成します。"));
        auto* g = kase->findChild<DataGrid*>("grid1");
        QCOMPARE(columnHeadings(*g), QStringList({"平均値管理線", "範囲管理線"}));
        QCOMPARE(rowHeadings(*g), QStringList({"CL", "UCL", "LCL"}));
        QCOMPARE(g->text(1, 1), QString(" 10"));
        QCOMPARE(g->text(2, 2), QString(" 4.5"));
        QCOMPARE(shown(*g, 1, 2), QString("13.000")); // XR1's three places
        QCOMPARE(shown(*g, 2, 3), QString("0.000"));
        QCOMPARE(g->columnWidthAt(1), 16.0);

        // ｷｬﾝｾﾙ: the table window is usable as before and nothing is taken over.
        button(kase, "Command2")->click();
        QTRY_VERIFY(!ZelWindow::find("xrkase"));
        QVERIFY(ZelWindow::find("XR1"));
        QCOMPARE(ctx->ws.chartData.lines, own);
        QVERIFY(!ZelWindow::find("xrkanri"));

        // OK again runs the flow again; this time the lines are taken over.
        w->okButton()->click();
        load = ZelWindow::find("xrload");
        QVERIFY(load);
        load->findChild<QLineEdit*>("Text1")->setText("older");
        button(load, "Command1")->click();
        kase = ZelWindow::find("xrkase");
        QVERIFY(kase);
        button(kase, "Command1")->click();
        QTRY_VERIFY(!ZelWindow::find("xrkase"));
        QVERIFY(ZelWindow::find("xrkanri"));
        QTRY_VERIFY(!ZelWindow::find("XR1"));
        const zel::ControlLines expected{{{10, 13, 7}, {2, 4.5, 0}}};
        QCOMPARE(ctx->ws.chartData.lines, expected);
    }

    void okWithThisDataOpensTheChartAndClosesTheTable() {
        auto* w = dynamic_cast<ControlTableWindow*>(openXR1(*ctx));
        QVERIFY(w);
        const zel::ControlLines own = ctx->ws.chartData.lines;
        findAction(w, "xbrend")->trigger(); // "終了" acts as "OK"
        QVERIFY(ZelWindow::find("xrkanri"));
        QTRY_VERIFY(!ZelWindow::find("XR1"));
        QVERIFY(!ZelWindow::find("xrload"));
        QCOMPARE(ctx->ws.chartData.lines, own);
    }

    void xrshensiWithXbarOpensXrs1() {
        ctx->analysis = QStringLiteral("X-Rs 管理図");
        zel::Dataset& ds = ctx->ws.dataset;
        uitest::fillDataset(ds, {{1, 3}, {9, 9}, {4, 8}, {2, 2}}, {}, {"p", "masked", "q", "r"});
        ds.setBase(base.toStdString());
        ZelWindow* dlg = openXrshensi(*ctx);
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QString("解析に使用する変数の指定"));
        QCOMPARE(dlg->findChild<QLabel*>("Label1")->text(),
                 QString("解析に使用する変数を指定してください。"));
        auto* combo = dlg->findChild<QComboBox*>("Combo1");
        QCOMPARE(uitest::items(combo), QStringList({"A", "B", "Xbar"}));
        QCOMPARE(combo->currentIndex(), 0);
        combo->setCurrentIndex(2);
        button(dlg, "Command1")->click();
        QTRY_VERIFY(!ZelWindow::find("xrshensi"));
        auto* w = dynamic_cast<ControlTableWindow*>(ZelWindow::find("XRS1"));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("X-Rs管理図"));
        QVERIFY(w->findChild<QMenu*>("xrsfile"));
        QVERIFY(w->findChild<QMenu*>("xrsedit"));
        for (const char* item : {"xrsprint", "xrsend", "xrscopy", "xrssubete"})
            QVERIFY2(findAction(w, item), item);
        const DataGrid& g = w->grid();
        QCOMPARE(columnHeadings(g), QStringList({"測定値Ｘ", "移動範囲　Ｒs"}));
        QCOMPARE(rowHeadings(g), QStringList({"p", "q", "r", "計", "平均", "UCL", "LCL"}));
        // Means 2, 6, 2; moving ranges 0, 4, 4.
        QCOMPARE(shown(g, 1, 1), QString("2.00"));
        QCOMPARE(shown(g, 1, 2), QString("6.00"));
        QCOMPARE(shown(g, 2, 1), QString("0.00"));
        QCOMPARE(shown(g, 2, 3), QString("4.00"));
        QCOMPARE(shown(g, 2, 5), QString("4.00")); // R-bar-s over m - 1 values
        QVERIFY(QFile::exists(base + ".QCK"));

        // The Cancel of the dialog changes nothing.
        w->cancelButton()->click();
        QTRY_VERIFY(!ZelWindow::find("XRS1"));
        dlg = openXrshensi(*ctx);
        button(dlg, "Command2")->click();
        QTRY_VERIFY(!ZelWindow::find("xrshensi"));
        QVERIFY(!ZelWindow::find("XRS1"));
    }

    void phensi2RefusesTheSameVariableAndInvalidLots() {
        ctx->analysis = QStringLiteral("P-Pn 管理図");
        zel::Dataset& ds = ctx->ws.dataset;
        uitest::fillDataset(ds, {{50, 2}, {40, 41}, {60, 3}}, {}, {"L1", "L2", "L3"});
        ds.setBase(base.toStdString());
        ZelWindow* dlg = openPhensi2(*ctx);
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QString("解析に使用する変数の指定"));
        QCOMPARE(dlg->findChild<QLabel*>("Label2")->text(),
                 QString("サンプルサイズに対応する変数を指定してください。"));
        QCOMPARE(dlg->findChild<QLabel*>("Label1")->text(),
                 QString("不良個数に対応する変数を指定してください。"));
        auto* sizes = dlg->findChild<QComboBox*>("Combo1");
        auto* defects = dlg->findChild<QComboBox*>("Combo2");
        QCOMPARE(sizes->currentIndex(), 0);
        QCOMPARE(defects->currentIndex(), 1);

        uitest::MessageBoxRecorder boxes;
        uitest::SeenBox box;
        defects->setCurrentIndex(0);
        button(dlg, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("変数の指定"));
        QCOMPARE(box.text, QString("独立変数と従属変数が同じです｡"));
        QVERIFY(ZelWindow::find("phensi2"));

        // Lot L2 has more defectives than its size.
        defects->setCurrentIndex(1);
        button(dlg, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("変数の指定"));
        QCOMPARE(
            box.text,
            QString("不良個数がサンプルサイズより大きい、またはサンプルサイズがゼロのデータがあります。"));
        QVERIFY(ZelWindow::find("phensi2"));
        QVERIFY(!ZelWindow::find("p1"));

        // With L2 masked the lots are valid and the table opens.
        ds.setMask(2, 1);
        button(dlg, "Command1")->click();
        QTRY_VERIFY(!ZelWindow::find("phensi2"));
        auto* w = dynamic_cast<ControlTableWindow*>(ZelWindow::find("p1"));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("P-Pn 管理図"));
        QVERIFY(w->findChild<QMenu*>("pfile"));
        QVERIFY(w->findChild<QMenu*>("pedit"));
        for (const char* item : {"pprint", "pend", "pcopy", "psubete"})
            QVERIFY2(findAction(w, item), item);
        const DataGrid& g = w->grid();
        QCOMPARE(columnHeadings(g),
                 QStringList({"ﾃﾞｰﾀNO.1", "ﾃﾞｰﾀNO.2", "不良率", "P-UCL", "P-LCL", "Pn-UCL", "Pn-LCL"}));
        QCOMPARE(rowHeadings(g), QStringList({"L1", "L3", "合計", "平均"}));
        QCOMPARE(shown(g, 1, 3), QString("110.00"));
        QCOMPARE(shown(g, 3, 1), QString("0.04"));

        // "OK" fills the plotted values before the chart window opens.
        w->okButton()->click();
        QVERIFY(ZelWindow::find("pkanri"));
        QTRY_VERIFY(!ZelWindow::find("p1"));
        QCOMPARE(ctx->ws.chartData.plottedD, std::vector<double>({2, 3}));
        QCOMPARE(ctx->ws.chartData.plottedP, std::vector<double>({2.0 / 50, 3.0 / 60}));
    }

    void savedLimitsForPPnHaveItsHeadings() {
        ctx->analysis = QStringLiteral("P-Pn 管理図");
        zel::Dataset& ds = ctx->ws.dataset;
        uitest::fillDataset(ds, {{50, 2}, {60, 3}}, {}, {"L1", "L2"});
        ds.setBase(base.toStdString());
        ZelWindow* dlg = openPhensi2(*ctx);
        button(dlg, "Command1")->click();
        // The table's own limits file, just written, is read back.
        ZelWindow* kase = loadSavedLimitsFromP1(QStringLiteral("line7"));
        QVERIFY(kase);
        auto* g = kase->findChild<DataGrid*>("grid1");
        QCOMPARE(columnHeadings(*g), QStringList({"不良率管理線", "不良個数管理線"}));
        // The file holds 15 significant digits.
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c) {
                const double written = ctx->ws.chartData.lines[r][c];
                const double read = ctx->ws.chartData.loadedLines[r][c];
                QVERIFY(std::fabs(read - written) <= 1e-13 * std::max(1.0, std::fabs(written)));
            }
        button(kase, "Command1")->click();
        QVERIFY(ZelWindow::find("pkanri"));
        QTRY_VERIFY(!ZelWindow::find("p1"));
        // p1's "OK" filled the plotted values on this path too.
        QCOMPARE(ctx->ws.chartData.plottedD, std::vector<double>({2, 3}));
    }

    void savedLinesThatOverflowThePnChartAreRefused() {
        // Lots of 1E+10 and a loaded p-bar of 1E+300: the pn chart's centre line overflows.
        ctx->analysis = QStringLiteral("P-Pn 管理図");
        uitest::fillDataset(ctx->ws.dataset, {{1e10, 1}, {1e10, 2}}, {}, {"L1", "L2"});
        ctx->ws.dataset.setBase(base.toStdString());
        QVERIFY(zel::writeLimitsFile(dir->filePath("huge.QCK").toStdString(), "/old",
                                     {{{{1e300, 2e300, 0}}, {{1, 2, 0}}}})
                    .isOk());
        button(openPhensi2(*ctx), "Command1")->click();
        ZelWindow* kase = loadSavedLimitsFromP1(QStringLiteral("huge"));
        QVERIFY(kase);
        uitest::MessageBoxRecorder boxes;
        uitest::SeenBox box;
        button(kase, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("管理線情報"));
        QCOMPARE(box.text, QString::fromUtf8(zel::kResultOutOfRange));
        QVERIFY(!ZelWindow::find("pkanri"));
        QVERIFY(ZelWindow::find("xrkase"));
        QVERIFY(ZelWindow::find("p1"));
    }

    void kettenRefusesANegativeMeanCount() {
        ctx->analysis = QStringLiteral("欠点数データ");
        zel::Dataset& ds = ctx->ws.dataset;
        uitest::fillDataset(ds, {{3, -9}, {4, -1}, {2, 5}}, {}, {"s1", "s2", "s3"});
        ds.setBase(base.toStdString());
        ZelWindow* dlg = openKetten(*ctx);
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QString("解析に使用する変数の指定"));
        QCOMPARE(dlg->findChild<QLabel*>("Label1")->text(),
                 QString("解析に使用する変数を指定してください。"));
        auto* combo = dlg->findChild<QComboBox*>("Combo1");
        QCOMPARE(combo->count(), 2);
        combo->setCurrentIndex(1);
        uitest::MessageBoxRecorder boxes;
        uitest::SeenBox box;
        button(dlg, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, QString("変数の指定"));
        QCOMPARE(box.text, QString::fromUtf8(zel::kNegativeMeanCount));
        QVERIFY(ZelWindow::find("ketten"));
        QVERIFY(!ZelWindow::find("kanri1"));

        // The first variable is fine: the chart opens and the dialog closes.
        combo->setCurrentIndex(0);
        button(dlg, "Command1")->click();
        QTRY_VERIFY(!ZelWindow::find("ketten"));
        QVERIFY(ZelWindow::find("kanri1"));
        QCOMPARE(ctx->ws.chartData.lines[0][0], 3.0);
    }

    void kettenOpensTheChartOnlyForItsAnalysis() {
        ctx->analysis = QStringLiteral("ヒストグラム");
        ZelWindow* dlg = openKetten(*ctx);
        button(dlg, "Command1")->click();
        QTRY_VERIFY(!ZelWindow::find("ketten"));
        QVERIFY(!ZelWindow::find("kanri1"));
        QCOMPARE(ctx->ws.chartData.m, 4);
    }

    void kgeninAnswersAndCancels() {
        // OK without typing gives 0 and 0.
        ctx->ws.enteredLimits = {7, 5, true};
        zel::EnteredLimits got;
        const auto ask = [&] { got = askEnteredLimits(*ctx, nullptr); };
        QString caption;
        uitest::withModal(
            [&](QWidget* d) {
                caption = d->windowTitle();
                QCOMPARE(d->objectName(), QString("kgenin"));
                QCOMPARE(d->findChild<QLabel*>("Label1")->text(), QString("上方規格"));
                QCOMPARE(d->findChild<QLabel*>("Label2")->text(), QString("下方規格"));
                QCOMPARE(d->findChild<QLineEdit*>("Text1")->text(), QString());
                button(d, "Command1")->click();
            },
            ask);
        QCOMPARE(caption, QString("管理限界"));
        QCOMPARE(got.upper, 0.0);
        QCOMPARE(got.lower, 0.0);
        QVERIFY(!got.cancelled);

        // Typed values are read leniently.
        uitest::withModal(
            [&](QWidget* d) {
                QTest::keyClicks(d->findChild<QLineEdit*>("Text1"), " 1 2.5x");
                QTest::keyClicks(d->findChild<QLineEdit*>("Text2"), "-3");
                button(d, "Command1")->click();
            },
            ask);
        QCOMPARE(got.upper, 12.5);
        QCOMPARE(got.lower, -3.0);
        QVERIFY(!got.cancelled);
        QCOMPARE(ctx->ws.enteredLimits.upper, 12.5);

        // ｷｬﾝｾﾙ sets the cancelled flag; typed text is not taken.
        uitest::withModal(
            [&](QWidget* d) {
                QTest::keyClicks(d->findChild<QLineEdit*>("Text1"), "9");
                button(d, "Command2")->click();
            },
            ask);
        QVERIFY(got.cancelled);
        QCOMPARE(got.upper, 0.0);
        QVERIFY(ctx->ws.enteredLimits.cancelled);

        // Closing it by the close box is a cancel as well.
        uitest::withModal([](QWidget* d) { d->close(); }, ask);
        QVERIFY(got.cancelled);
    }

  private:
    // p1 (open) with its saved-limits option and "OK", then xrload with the
    // limits file name: the xrkase it opens, or nullptr.
    ZelWindow* loadSavedLimitsFromP1(const QString& name) {
        auto* w = dynamic_cast<ControlTableWindow*>(ZelWindow::find("p1"));
        if (!w) return nullptr;
        QTest::mouseClick(w->option2(), Qt::LeftButton);
        w->okButton()->click();
        ZelWindow* load = ZelWindow::find("xrload");
        if (!load) return nullptr;
        load->findChild<QLineEdit*>("Text1")->setText(name);
        button(load, "Command1")->click();
        return ZelWindow::find("xrkase");
    }

    std::unique_ptr<FakeContext> ctx;
    std::unique_ptr<QTemporaryDir> dir;
    QString base;
};

QTEST_MAIN(TestControlTables)
#include "tst_control_tables.moc"
