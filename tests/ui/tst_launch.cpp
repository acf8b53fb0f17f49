// The graph command as a user gives it from the main window: the analysis list
// and which of its entries can be chosen, the refusals and their order, the
// first windows of the control charts, the graph command given twice, and the
// Analysis menu closing the analysis windows and nothing else.
#include "analysis/AnalysisLaunch.h"
#include "analysis/Launch.h"
#include "analysis/control/ChartDataSet.h"
#include "app/form1.h"
#include "common/SettingsStore.h"
#include "dataset/Dataset.h"
#include "presentation/TitleTable.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MessageBox.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QStandardItemModel>
#include <QtTest>

#include "MainWindowSupport.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::answerBox;
using uitest::flushDeletes;
using uitest::PlainWindow;
using uitest::SeenBox;

namespace {

const QString kTooFewSamples = QStringLiteral("解析を行うには、データを２つ以上選択してください。");
const QString kXbarRSize = QStringLiteral("標本の大きさは２から１０に設定して下さい。");

} // namespace

class TestLaunch : public QObject {
    Q_OBJECT

  private:
    uitest::MainWindowFixture m_main;

    form1& f() { return m_main.window(); }
    QComboBox* analysisList() { return f().findChild<QComboBox*>(QStringLiteral("Combo1")); }
    QAction* graphItem() { return f().findChild<QAction*>(QStringLiteral("BUNSAN")); }

    // A dataset of n samples by k variables (values i + j / 10) in the temporary folder.
    void setDataset(int n, int k) {
        zel::Dataset& ds = f().workspace().dataset;
        ds.resize(n, k);
        for (int j = 1; j <= k; ++j)
            ds.setName(j, "v" + std::to_string(j));
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= k; ++j)
                ds.setValue(i, j, i + j / 10.0 + (i * j % 3));
        ds.setBase(m_main.dataPath(QStringLiteral("lot")).toStdString());
        f().setDatasetName(QString::fromStdString(ds.basePath));
    }

    void choose(const QString& analysis) { uitest::chooseAnalysis(f(), analysis); }
    void graphCommand() { uitest::graphCommand(f()); }

  private slots:
    void initTestCase() {
        m_main.useOwnHome();
        m_main.installStore(uitest::MainWindowFixture::Store::Memory);
        m_main.newDataFolder();
    }

    void init() { m_main.start(); }

    void cleanup() { m_main.stop(); }

    void analysisListOffersTheAnalysesThatHaveWindows() {
        QComboBox* list = analysisList();
        QCOMPARE(list->count(), 13);
        for (int i = 0; i < 13; ++i)
            QCOMPARE(list->itemText(i),
                     QString::fromStdString(zel::analysisNames()[static_cast<std::size_t>(i)]));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->currentText(), QStringLiteral("変数別グラフ"));
        QVERIFY(!list->isEditable());

        auto* model = qobject_cast<QStandardItemModel*>(list->model());
        QVERIFY(model);
        const QStringList offered = {QStringLiteral("ヒストグラム"),     QStringLiteral("Xbar-R 管理図"),
                                     QStringLiteral("P-Pn 管理図"),      QStringLiteral("欠点数データ"),
                                     QStringLiteral("X-Rs 管理図"),      QStringLiteral("変数別統計量"),
                                     QStringLiteral("層別統計量グラフ"), QStringLiteral("層別ヒストグラム"),
                                     QStringLiteral("ガントチャート"),   QStringLiteral("変数別グラフ"),
                                     QStringLiteral("パレート図"),       QStringLiteral("散布図"),
                                     QStringLiteral("立体散布図")};
        for (int i = 0; i < 13; ++i) {
            const bool enabled = model->item(i)->flags().testFlag(Qt::ItemIsEnabled);
            QCOMPARE(enabled, offered.contains(list->itemText(i)));
        }
        // Analyses that open a variable dialog wait for the window after it.
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("ヒストグラム")));
        QVERIFY(AnalysisLaunch::isAvailable(
            QStringLiteral("層別ヒストグラム"))); // hensi2so, bunform, dobun, youko
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("立体散布図"))); // hensi3, rsanpu
        QCOMPARE(AnalysisLaunch::firstWindows(QStringLiteral("散布図")),
                 QStringList({QStringLiteral("hensi2"), QStringLiteral("sanpuset")}));
        QCOMPARE(AnalysisLaunch::firstWindows(QStringLiteral("Xbar-R 管理図")),
                 QStringList{QStringLiteral("XR1")});

        // The keys step over what cannot be chosen.
        setDataset(5, 3);
        list->setFocus();
        choose(QStringLiteral("Xbar-R 管理図"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("P-Pn 管理図"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("X-Rs 管理図"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("層別統計量グラフ"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("層別ヒストグラム"));
        QTest::keyClick(list, Qt::Key_Down); // the last one
        QCOMPARE(list->currentText(), QStringLiteral("層別ヒストグラム"));
    }

    void refusalsComeInTheirOrder() {
        // Eleven variables and all samples but one masked: the sample count is
        // refused first, before the Xbar-R check on the variables.
        setDataset(4, 11);
        zel::Dataset& ds = f().workspace().dataset;
        for (int i = 2; i <= 4; ++i)
            ds.setMask(i, 1);
        choose(QStringLiteral("Xbar-R 管理図"));
        f().workspace().titles.setText(zel::TitleRow::Top, "前の解析");
        f().workspace().titles.setSecond(zel::TitleRow::Left, "0");
        SeenBox box = answerBox([&] { graphCommand(); });
        QVERIFY(box.seen);
        QCOMPARE(box.text, kTooFewSamples);
        QCOMPARE(box.title, QStringLiteral("データの入力"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(!ZelWindow::find(QStringLiteral("XR1")));
        // The title table is reset all the same.
        QCOMPARE(f().workspace().titles.text(zel::TitleRow::Top), std::string());
        QCOMPARE(f().workspace().titles.second(zel::TitleRow::Left), std::string("1"));

        // The same refusal for every analysis, even those that would refuse K.
        choose(QStringLiteral("P-Pn 管理図"));
        QCOMPARE(answerBox([&] { graphCommand(); }).text, kTooFewSamples);
        choose(QStringLiteral("欠点数データ"));
        QCOMPARE(answerBox([&] { graphCommand(); }).text, kTooFewSamples);
        QVERIFY(!ZelWindow::find(QStringLiteral("ketten")));

        // Two samples in use: now K = 11 is refused.
        ds.setMask(3, 0);
        choose(QStringLiteral("Xbar-R 管理図"));
        box = answerBox([&] { graphCommand(); });
        QCOMPARE(box.text, kXbarRSize);
        QCOMPARE(box.title, QStringLiteral("データの入力"));
        QVERIFY(ZelWindow::openWindows().isEmpty());
    }

    void xbarRAcceptsTwoToTenVariables() {
        for (int k : {10, 2}) {
            setDataset(6, k);
            choose(QStringLiteral("Xbar-R 管理図"));
            const SeenBox box = answerBox([&] { graphCommand(); });
            QVERIFY2(!box.seen, qPrintable(box.text));
            ZelWindow* table = ZelWindow::find(QStringLiteral("XR1"));
            QVERIFY(table);
            QCOMPARE(table->windowTitle(), QStringLiteral("Xbar-R管理図"));
            // The table window has filled the chart data set from this dataset.
            QCOMPARE(f().workspace().chartData.n, k);
            QCOMPARE(f().workspace().chartData.m, 6);
            ZelWindow::closeAll();
            flushDeletes();
        }
    }

    void pPnNeedsTwoVariablesTheOthersOneVariable() {
        setDataset(3, 1);
        choose(QStringLiteral("P-Pn 管理図"));
        const SeenBox box = answerBox([&] { graphCommand(); });
        QCOMPARE(box.text, QStringLiteral("標本の大きさは２以上に設定して下さい。"));
        QVERIFY(!ZelWindow::find(QStringLiteral("phensi2")));

        choose(QStringLiteral("X-Rs 管理図"));
        QVERIFY(!answerBox([&] { graphCommand(); }).seen);
        QVERIFY(ZelWindow::find(QStringLiteral("xrshensi")));
        choose(QStringLiteral("欠点数データ"));
        QVERIFY(!answerBox([&] { graphCommand(); }).seen);
        QVERIFY(ZelWindow::find(QStringLiteral("ketten")));

        setDataset(3, 2);
        choose(QStringLiteral("P-Pn 管理図"));
        QVERIFY(!answerBox([&] { graphCommand(); }).seen);
        QVERIFY(ZelWindow::find(QStringLiteral("phensi2")));
    }

    void xRsNeedsAVariable() {
        setDataset(3, 0);
        QFile::remove(m_main.dataPath(QStringLiteral("lot.QCK"))); // left by the tests before
        choose(QStringLiteral("X-Rs 管理図"));
        const SeenBox box = answerBox([&] { graphCommand(); });
        QCOMPARE(box.text, QStringLiteral("X-Rs 管理図を作成するには１つ以上の変数が必要です。"));
        QCOMPARE(box.title, QStringLiteral("データの入力"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(ZelWindow::openWindows().isEmpty());
        QVERIFY(!QFile::exists(m_main.dataPath(QStringLiteral("lot.QCK"))));
    }

    void graphCommandTwiceBringsTheWindowForward() {
        setDataset(5, 4);
        choose(QStringLiteral("X-Rs 管理図"));
        // F6 and toolbar button 7 give the same command as the menu item.
        QTest::keyClick(&f(), Qt::Key_F6);
        QCoreApplication::processEvents();
        ZelWindow* first = ZelWindow::find(QStringLiteral("xrshensi"));
        QVERIFY(first);
        first->showMinimized();
        QCoreApplication::processEvents();
        graphItem()->trigger(); // without opening the menu
        QCoreApplication::processEvents();
        QCOMPARE(ZelWindow::find(QStringLiteral("xrshensi")), first);
        QVERIFY(!first->isMinimized());
        int count = 0;
        for (ZelWindow* w : ZelWindow::openWindows())
            if (w->objectName() == QLatin1String("xrshensi")) ++count;
        QCOMPARE(count, 1);
    }

    void analysisMenuClosesTheAnalysisWindowsOnly() {
        QStringList expected;
        for (const std::string& name : zel::analysisWindowNames())
            expected.append(QString::fromStdString(name));
        QCOMPARE(f().analysisWindowNames(), expected);
        QCOMPARE(expected.size(), 37);

        setDataset(5, 3);
        choose(QStringLiteral("Xbar-R 管理図"));
        graphCommand();
        QVERIFY(ZelWindow::find(QStringLiteral("XR1")));
        // A histogram window is an analysis window; the regression table is not.
        (new PlainWindow(QStringLiteral("youko")))->show();
        (new PlainWindow(QStringLiteral("kaityo")))->show();
        (new PlainWindow(QStringLiteral("hensuup")))->show();
        QCoreApplication::processEvents();

        emit f().analysisMenu()->aboutToShow();
        flushDeletes();
        QVERIFY(!ZelWindow::find(QStringLiteral("XR1")));
        QVERIFY(!ZelWindow::find(QStringLiteral("youko")));
        QVERIFY(ZelWindow::find(QStringLiteral("kaityo")));
        QVERIFY(ZelWindow::find(QStringLiteral("hensuup")));

        // Toolbar button 7 closes them before the command opens the first window again.
        (new PlainWindow(QStringLiteral("pkanri")))->show();
        f().runToolbarButton(7);
        flushDeletes();
        QVERIFY(!ZelWindow::find(QStringLiteral("pkanri")));
        QVERIFY(ZelWindow::find(QStringLiteral("XR1")));
        QVERIFY(ZelWindow::find(QStringLiteral("kaityo")));
    }

    void anAnalysisWithoutItsWindowsOpensNothing() {
        // The 3-D scatter without its window: hensi3 would lead nowhere.
        const AnalysisLaunch::Opener window = AnalysisLaunch::opener(zel::WindowId::rsanpu);
        AnalysisLaunch::registerOpener(zel::WindowId::rsanpu, {});
        setDataset(5, 3);
        analysisList()->setCurrentIndex(analysisList()->findText(QStringLiteral("立体散布図")));
        const SeenBox box = answerBox([&] { graphCommand(); });
        AnalysisLaunch::registerOpener(zel::WindowId::rsanpu, window);
        QVERIFY(!box.seen);
        QVERIFY(ZelWindow::openWindows().isEmpty());
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
