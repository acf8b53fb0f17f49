// Tests of the variable graphs driven as a user drives them: the graph command
// through hensuub and the variable dialogs to oresen, the kind lists by series
// count, the menus with their enabling, the legend choice, "３σ線" and
// "規格の入力" through kgenin, the statistics-line dialog toukei, the
// classification dialog okikaku, the scale dialog MEMORIH, point clicks and the
// separation with its messages.
#include "analysis/AnalysisLaunch.h"
#include "analysis/vargraph/hensuub.h"
#include "analysis/vargraph/oresen.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalysisWindows.h"
#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::answerLimits;
using uitest::elementPixel;
using uitest::FakeContext;
using uitest::findAction;
using uitest::lineText;
using uitest::menuEnabled;
using uitest::withModal;

class TestVariableGraph : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("変数別グラフ"));
        // A = 1..10, B = 10..1, C alternating; one masked sample in between.
        std::vector<std::vector<double>> rows;
        std::vector<std::string> labels;
        for (int i = 1; i <= 10; ++i) {
            rows.push_back({double(i), double(11 - i), i % 2 == 0 ? 20.0 : -5.0});
            labels.push_back("L" + std::to_string(i));
            if (i == 3) {
                rows.push_back({100, 100, 100});
                labels.push_back(uitest::kMaskedLabel);
            }
        }
        uitest::fillDataset(ctx->ws.dataset, rows, {"A", "B", "C"}, labels);
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void graphCommandLeadsThroughHensuubToOresen() {
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("変数別グラフ")));
        AnalysisLaunch::runGraphCommand(*ctx);
        auto* kind = qobject_cast<hensuub*>(ZelWindow::find(zel::WindowId::hensuub));
        QVERIFY(kind);
        QCOMPARE(kind->windowTitle(), QString("変数別グラフ"));
        QCOMPARE(kind->option(0)->text(), QString("１変数グラフ"));
        QCOMPARE(kind->option(1)->text(), QString("２変数グラフ"));
        QCOMPARE(kind->option(2)->text(), QString("３変数グラフ"));
        QVERIFY(kind->option(0)->isChecked());
        QVERIFY(kind->option(1)->isEnabled() && kind->option(2)->isEnabled());
        kind->option(1)->setChecked(true);
        kind->findChild<QPushButton*>("Command1")->click();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::hensuub));
        QWidget* dialog = ZelWindow::find(zel::WindowId::hensi2);
        QVERIFY(dialog);
        auto lists = dialog->findChildren<QComboBox*>();
        QVERIFY(lists.size() >= 2);
        dialog->findChild<QComboBox*>("Combo1")->setCurrentIndex(0);
        dialog->findChild<QComboBox*>("Combo2")->setCurrentIndex(1);
        dialog->findChild<QPushButton*>("Command1")->click();
        uitest::flushDeletes();

        auto* w = qobject_cast<oresen*>(ZelWindow::find(zel::WindowId::oresen));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("グラフ"));
        // Two series: the kind list ends with the stacked areas; the line opens.
        QCOMPARE(uitest::items(w->kindList()).size(), 17);
        QCOMPARE(uitest::items(w->kindList()).mid(14),
                 QStringList({"対数グラフ", "エリアグラフ（積層）", "立体エリアグラフ（積層）"}));
        QCOMPARE(w->kindList()->currentText(), QString("折れ線グラフ"));
        const zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.chartType(), zel::ChartType::Line);
        QCOMPARE(m.seriesCount(), 2);
        QCOMPARE(m.pointCount(), 10); // the masked sample left out
        QCOMPARE(m.value(2, 1), 10.0);
        QCOMPARE(m.statLines(), 5);
        QCOMPARE(m.legendAt(2), std::string("B"));
        QCOMPARE(m.pointLabelAt(4), std::string("L4"));
        QCOMPARE(m.hitReporting(), 1);
        QCOMPARE(ctx->ws.classFlags, std::vector<std::int16_t>(10, 2));
        QCOMPARE(uitest::numberedLabels(w, 6),
                 QStringList({"変数ナンバー", "データ値", "平均", "分散", "標準偏差", "グラフ種類"}));
        QCOMPARE(lineText(w, "Textset"), QString(" 1"));
        QCOMPARE(lineText(w, "Text1"), QString(" 5.5"));
        QCOMPARE(lineText(w, "Text3"), uitest::signedText(ctx->ws.analysisSet.stats[0].sd));

        // Two series as bars: the legend with both names, no classification.
        w->kindList()->setCurrentText("棒グラフ");
        QCOMPARE(m.legendAt(1), std::string("A"));
        QCOMPARE(m.legendAt(2), std::string("B"));
        QVERIFY(!menuEnabled(w, "okubusi"));
        // A kind name longer than the list box reads whole in its tool tip.
        w->kindList()->setCurrentText("立体エリアグラフ（積層）");
        QCOMPARE(w->kindList()->toolTip(), QString("立体エリアグラフ（積層）"));

        // "メニュー画面へ" closes the window.
        findAction(w, "GOMENU")->trigger();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::oresen));
    }

    void fewerVariablesDisableTheOptions() {
        uitest::fillDataset(ctx->ws.dataset, {{1, 2}, {3, 4}, {5, 6}});
        AnalysisLaunch::runGraphCommand(*ctx);
        auto* kind = qobject_cast<hensuub*>(ZelWindow::find(zel::WindowId::hensuub));
        QVERIFY(kind);
        QVERIFY(kind->option(1)->isEnabled());
        QVERIFY(!kind->option(2)->isEnabled());
        kind->close();
        uitest::flushDeletes();
        uitest::fillDataset(ctx->ws.dataset, {{1}, {3}, {5}});
        AnalysisLaunch::runGraphCommand(*ctx);
        kind = qobject_cast<hensuub*>(ZelWindow::find(zel::WindowId::hensuub));
        QVERIFY(!kind->option(1)->isEnabled() && !kind->option(2)->isEnabled());
    }

    void menusAndEnablingByKind() {
        oresen* w = open({1});
        QCOMPARE(uitest::items(w->kindList()).mid(15), QStringList({"３σ線", "規格の入力"}));
        QMenu* options = w->findChild<QMenu*>("oreop");
        QVERIFY(options);
        const uitest::MenuEntries entries = uitest::menuEntries(options);
        QCOMPARE(entries.names, QStringList({"memoris", "titles", "OHANREI", "orsitens", "ortoukei",
                                             "ogriset", "oretui", "okubusi"}));
        QCOMPARE(entries.texts,
                 QStringList({"最大最小値指定(&M)", "タイトルの設定(&T)", "凡例(&H)",
                              "３Ｄグラフの視点設定(&R)", "統計情報線の設定(&S)", "グリッド線の設定(&G)",
                              "データの分離", "区分データの指定(&K)"}));
        QCOMPARE(findAction(w, "OHSURU")->text(), QString("表示"));
        QCOMPARE(findAction(w, "OHSINAI")->text(), QString("非表示"));
        QVERIFY(findAction(w, "OHSURU")->isChecked() && !findAction(w, "OHSINAI")->isChecked());
        QCOMPARE(findAction(w, "obunari")->text(), QString("分離する"));
        QCOMPARE(findAction(w, "obunnasi")->text(), QString("分離しない"));

        // The line: statistics and separation; no classification.
        QVERIFY(menuEnabled(w, "memoris") && menuEnabled(w, "ortoukei") && menuEnabled(w, "oretui"));
        QVERIFY(!menuEnabled(w, "okubusi"));
        zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.legendAt(1), std::string("A"));
        findAction(w, "OHSINAI")->trigger();
        QVERIFY(!findAction(w, "OHSURU")->isChecked() && findAction(w, "OHSINAI")->isChecked());
        QCOMPARE(m.legendAt(1), std::string());
        findAction(w, "OHSURU")->trigger();
        QCOMPARE(m.legendAt(1), std::string("A"));
        // Pies: no scale dialog; classification and separation.
        w->kindList()->setCurrentText("立体円グラフ");
        QVERIFY(!menuEnabled(w, "memoris") && menuEnabled(w, "okubusi") && menuEnabled(w, "oretui"));
        QVERIFY(!menuEnabled(w, "ortoukei"));
        QCOMPARE(m.titleBottom(), std::string("A"));
        // One series as bars: classification only.
        w->kindList()->setCurrentText("棒グラフ（横）");
        QVERIFY(menuEnabled(w, "memoris") && menuEnabled(w, "okubusi") && !menuEnabled(w, "oretui"));

        // "３σ線": the axis from m - 3 sd to m + 3 sd.
        w->kindList()->setCurrentText("３σ線");
        QCOMPARE(m.seriesCount(), 3);
        QCOMPARE(m.statLines(), 5);
        QVERIFY(qAbs(m.yAxisMax() - 14.58295) < 1e-5);
        QVERIFY(qAbs(m.yAxisMin() + 3.58295) < 1e-5);
        QVERIFY(qAbs(m.value(3, 7) + 3.58295) < 1e-5);
        QVERIFY(!menuEnabled(w, "ortoukei") && menuEnabled(w, "memoris"));
    }

    void enteredLimitsThroughKgenin() {
        oresen* w = open({1});
        zel::ChartModel& m = w->chart()->model();
        const std::vector<double> before = m.values();
        // Cancelled: the chart keeps its drawing.
        withModal([](QWidget* d) { answerLimits(d, nullptr, nullptr); },
                  [&] { w->kindList()->setCurrentText("規格の入力"); });
        QCOMPARE(m.values(), before);
        QCOMPARE(m.seriesCount(), 1);
        // Upper below lower: the message, no redraw.
        w->kindList()->setCurrentIndex(0);
        const int draws = m.drawCount();
        uitest::MessageBoxRecorder boxes;
        withModal([](QWidget* d) { answerLimits(d, "2", "8"); },
                  [&] { w->kindList()->setCurrentText("規格の入力"); });
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QString("UCLとLCLのデータを確認してください。"));
        QCOMPARE(box.title, QString("管理限界"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QCOMPARE(m.drawCount(), draws);
        // 8 and 2 over 1..10: the axis 1..10, the midpoint 5.
        w->kindList()->setCurrentIndex(0);
        withModal([](QWidget* d) { answerLimits(d, "8", "2"); },
                  [&] { w->kindList()->setCurrentText("規格の入力"); });
        QCOMPARE(m.seriesCount(), 4);
        QCOMPARE(m.value(2, 1), 8.0);
        QCOMPARE(m.value(3, 5), 2.0);
        QCOMPARE(m.value(4, 10), 5.0);
        QCOMPARE(m.yAxisMax(), 10.0);
        QCOMPARE(m.yAxisMin(), 1.0);
        QCOMPARE(w->bounds().upper, 10.0);
    }

    void statisticsLineDialogSetsTheSwitchesForTheRun() {
        oresen* w = open({1});
        zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.statLines(), 5);
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->objectName(), QString("toukei"));
                QCOMPARE(d->windowTitle(), QString("統計情報"));
                QCOMPARE(d->findChild<QGroupBox*>("Frame1")->title(), QString("統計情報の表示　"));
                const QStringList texts = {"平均値の表示", "標準偏差の表示", "最大値・最小値の表示",
                                           "データの傾きの表示"};
                const bool states[] = {true, true, false, false};
                for (int i = 0; i < 4; ++i) {
                    auto* box = d->findChild<QCheckBox*>(QString("Check%1").arg(i + 1));
                    QCOMPARE(box->text(), texts[i]);
                    QCOMPARE(box->isChecked(), states[i]);
                    box->setChecked(i == 3);
                }
                QCOMPARE(d->findChild<QPushButton*>("Command2")->text(), QString("ｷｬﾝｾﾙ"));
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "ortoukei")->trigger(); });
        QCOMPARE(m.statLines(), 8);
        QCOMPARE(ctx->ws.statLineSwitches, (std::array<std::int16_t, 4>{0, 0, 0, 1}));
        // ｷｬﾝｾﾙ changes nothing.
        withModal(
            [](QWidget* d) {
                d->findChild<QCheckBox*>("Check1")->setChecked(true);
                d->findChild<QPushButton*>("Command2")->click();
            },
            [&] { findAction(w, "ortoukei")->trigger(); });
        QCOMPARE(m.statLines(), 8);
        // All cleared: 0. The switches outlive the window.
        withModal(
            [](QWidget* d) {
                d->findChild<QCheckBox*>("Check4")->setChecked(false);
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "ortoukei")->trigger(); });
        QCOMPARE(m.statLines(), 0);
        w->close();
        uitest::flushDeletes();
        ctx->ws.statLineSwitches = {1, 0, 1, 0};
        QCOMPARE(open({1})->chart()->model().statLines(), 3);
    }

    void classificationDialogMarksSamples() {
        oresen* w = open({1});
        w->kindList()->setCurrentText("棒グラフ");
        zel::ChartModel& m = w->chart()->model();
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->objectName(), QString("okikaku"));
                QCOMPARE(d->windowTitle(), QString("区分データの指定"));
                auto* grid = d->findChild<DataGrid*>("Spread1");
                QCOMPARE(grid->rowCount(), 10);
                const QStringList heads = {"データ", "区分データ", "ラベル", "データ値"};
                for (int c = 0; c < 4; ++c)
                    QCOMPARE(grid->text(c, 0), heads[c]);
                QCOMPARE(grid->text(0, 4), QString("NO.4"));
                QCOMPARE(grid->text(2, 4), QString("L4"));
                QCOMPARE(grid->text(3, 4), QString("4"));
                QCOMPARE(grid->columnWidthAt(2), 22.0);
                QVERIFY(!grid->isChecked(1, 1));
                QCOMPARE(d->findChild<QPushButton*>("Command3")->text(), QString("印刷"));
                uitest::setChecks(grid, 1, {2, 5}, true);
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "okubusi")->trigger(); });
        std::vector<std::int16_t> flags(10, 0);
        flags[1] = flags[4] = 1;
        QCOMPARE(ctx->ws.classFlags, flags);
        QCOMPARE(m.patternAt(2), 4);
        QCOMPARE(m.patternAt(5), 4);
        QCOMPARE(m.patternAt(1), 0);
        // Reopened it shows the flags; none checked: no classification, no marks.
        withModal(
            [](QWidget* d) {
                auto* grid = d->findChild<DataGrid*>("Spread1");
                QVERIFY(grid->isChecked(1, 2) && grid->isChecked(1, 5) && !grid->isChecked(1, 3));
                uitest::setChecks(grid, 1, {2, 5}, false);
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "okubusi")->trigger(); });
        QCOMPARE(ctx->ws.classFlags, std::vector<std::int16_t>(10, 2));
        QCOMPARE(m.patternAt(2), 0);
    }

    void scaleDialogStartsFromTheBounds() {
        oresen* w = open({1, 3});
        zel::ChartModel& m = w->chart()->model();
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->objectName(), QString("MEMORIH"));
                QCOMPARE(d->findChild<QLineEdit*>("Text1")->text(), QString("20.00"));
                QCOMPARE(d->findChild<QLineEdit*>("Text2")->text(), QString("-5.00"));
                d->findChild<QLineEdit*>("Text1")->setText("30");
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "memoris")->trigger(); });
        QCOMPARE(m.yAxisScale(), zel::axisscales::kFixed);
        QCOMPARE(m.yAxisMax(), 30.0);
        QCOMPARE(m.yAxisMin(), -5.0);
    }

    void pointClicksAndSeparation() {
        oresen* w = open({1});
        w->resize(900, 600);
        QCoreApplication::processEvents();
        ChartView* g = w->chart();
        w->kindList()->setCurrentText("３σ線");
        // Without a click: the two refusals.
        uitest::separationNeedsAPoint(w, "obunari", "obunnasi");
        if (QTest::currentTestFailed()) return;

        // A click on a 3-sigma line only remembers the point.
        QTest::mouseClick(g, Qt::LeftButton, {}, elementPixel(g, 2, 6));
        QCOMPARE(w->lastPoint(), 6);
        QCOMPARE(lineText(w, "Textset"), QString(" 1"));
        QCOMPARE(lineText(w, "Textpoint"), QString());

        // On the line: the value and the series' statistics.
        w->kindList()->setCurrentText("折れ線グラフ");
        QTest::mouseClick(g, Qt::LeftButton, {}, elementPixel(g, 1, 7));
        QCOMPARE(w->lastPoint(), 7);
        QCOMPARE(lineText(w, "Textpoint"), QString(" 7"));
        QCOMPARE(lineText(w, "Text1"), QString(" 5.5"));
        uitest::MessageBoxRecorder none;
        findAction(w, "obunari")->trigger();
        QCOMPARE(g->model().pointSeparatedAt(7), 1);
        findAction(w, "obunnasi")->trigger();
        QCOMPARE(g->model().pointSeparatedAt(7), 0);
        QCOMPARE(none.count(), 0);
    }

  private:
    // The window over the variables (1-based) as the variable dialogs open it.
    oresen* open(const std::vector<int>& variables) {
        return uitest::openWithSet<oresen>(*ctx, zel::WindowId::oresen, variables);
    }

    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestVariableGraph)
#include "tst_variable_graph.moc"
