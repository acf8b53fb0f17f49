// Tests of the histogram window youko driven as a user drives it: its opening
// kind and panel, the kind list and the menus with their checks and enabling,
// point clicks, the separation with its messages and pop-up, the names under
// the chart or in the legends, the classification dialog kikaku and the scale
// dialog MEMORIH through their buttons.
#include "analysis/histogram/HistogramFill.h"
#include "analysis/histogram/MEMORIH.h"
#include "analysis/histogram/kikaku.h"
#include "analysis/histogram/youko.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "presentation/GraphWindow.h"
#include "presentation/GridPrinting.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "AnalysisWindows.h"
#include "ChartPoints.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::elementPixel;
using uitest::FakeContext;
using uitest::findAction;
using uitest::lineText;
using uitest::menuEnabled;
using uitest::signedText;
using uitest::withModal;

namespace {

// The kind list as the window must offer it: the kind table, whose texts and
// codes the core tests check.
QStringList kindTable() {
    QStringList names;
    for (const zel::HistogramKind& k : zel::histogramKinds())
        names << QString::fromUtf8(k.name.data(), static_cast<qsizetype>(k.name.size()));
    return names;
}

} // namespace

class TestHistogramWindow : public QObject {
    Q_OBJECT
  private slots:
    // The class table of ClassTableFixtures.h: A = 0 1 1 2 3 3 3 counts
    // 1 2 1 3 (mean 13/7), B = 1 2 2 4 counts 0 1 2 1 (mean 9/4).
    void init() { ctx = uitest::freshContext(QStringLiteral("ヒストグラム")); }
    void cleanup() { uitest::closeWindows(ctx); }

    void opensOnBarForOneSeriesAndZBarForTwo() {
        youko* w = open(1);
        QCOMPARE(w->objectName(), QString("youko"));
        QCOMPARE(w->windowTitle(), QString("ヒストグラム"));
        QCOMPARE(uitest::items(w->kindList()), kindTable());
        QCOMPARE(w->kindList()->currentText(), QString("棒グラフ"));
        QCOMPARE(uitest::numberedLabels(w, 6),
                 QStringList({"変数ナンバー", "データ値", "平均", "分散", "標準偏差", "グラフ種類"}));
        QCOMPARE(lineText(w, "Textset"), QString(" 1"));
        QCOMPARE(lineText(w, "Text1"), signedText(13.0 / 7.0));
        const zel::SeriesStatistics& st = ctx->ws.classTable.stats[0];
        QCOMPARE(lineText(w, "Text2"), signedText(st.variance));
        QCOMPARE(lineText(w, "Text3"), signedText(st.sd));
        // A number longer than its box reads from its start, and whole in the tool tip.
        auto* sd = w->findChild<QLineEdit*>(QStringLiteral("Text3"));
        QCOMPARE(sd->cursorPosition(), 0);
        QCOMPARE(sd->toolTip(), signedText(st.sd));
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{2, 2, 2, 2}));
        const zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.chartType(), zel::ChartType::Bar);
        QCOMPARE(m.values(), (std::vector<double>{1, 2, 1, 3}));
        QCOMPARE(m.pointLabelAt(2), std::string("1.00～2.00"));
        QCOMPARE(m.titleTop(), std::string("ヒストグラム"));
        // One series: its name under the chart, no legend.
        QCOMPARE(m.titleBottom(), std::string("A"));
        QCOMPARE(m.legendAt(1), std::string());
        QCOMPARE(m.hitReporting(), 1);
        w->close();
        uitest::flushDeletes();

        youko* two = open(2);
        QCOMPARE(two->kindList()->currentText(), QString("Ｚ軸立体棒"));
        const zel::ChartModel& m2 = two->chart()->model();
        QCOMPARE(m2.chartType(), zel::ChartType::Bar3D);
        QCOMPARE(m2.chartStyle(), zel::chartstyles::kBarAlongZ);
        QCOMPARE(m2.titleBottom(), std::string());
        QCOMPARE(m2.legendAt(1), std::string("A"));
        QCOMPARE(m2.legendAt(2), std::string("B"));
    }

    void menusNamesChecksAndEnabling() {
        youko* w = open(1);
        QMenu* options = w->findChild<QMenu*>("gore");
        QVERIFY(options);
        const uitest::MenuEntries entries = uitest::menuEntries(options);
        QCOMPARE(entries.names, QStringList({"memorore", "titles", "hishan", "pasitens", "palabe", "ybun",
                                             "kikakugs", "pagriset", "kikakuti", "seikibunpu"}));
        QCOMPARE(entries.texts,
                 QStringList({"最大最小値指定(&M)", "タイトルの設定(&T)", "凡例", "３Ｄグラフの視点設定(&R)",
                              "ラベル表示(&L)", "データの分離", "区分データの指定(&K)",
                              "グリッド線の設定(&G)", "規格値の設定(&S)", "正規分布曲線の表示(&N)"}));
        QCOMPARE(findAction(w, "hanari")->text(), QString("表示"));
        QCOMPARE(findAction(w, "hannasi")->text(), QString("非表示"));
        QCOMPARE(findAction(w, "pahei")->text(), QString("区間の平均値"));
        QCOMPARE(findAction(w, "pajk")->text(), QString("区間の上限値と下限値"));
        QVERIFY(findAction(w, "hanari")->isChecked() && !findAction(w, "hannasi")->isChecked());
        QVERIFY(findAction(w, "pajk")->isChecked() && !findAction(w, "pahei")->isChecked());
        QCOMPARE(uitest::menuEntries(w->findChild<QMenu*>("ybun")).texts,
                 QStringList({"分離する", "分離しない"}));

        // Bar, one series: classification on, separation off.
        const auto enabled = [&](const char* name) { return menuEnabled(w, name); };
        QVERIFY(enabled("memorore") && enabled("kikakugs") && !enabled("ybun"));
        QVERIFY(enabled("hishan") && enabled("palabe"));

        // Labels: mid-values, then back to the ranges.
        zel::ChartModel& m = w->chart()->model();
        findAction(w, "pahei")->trigger();
        QVERIFY(findAction(w, "pahei")->isChecked() && !findAction(w, "pajk")->isChecked());
        QCOMPARE(m.pointLabelAt(1), std::string("0.50"));
        findAction(w, "pajk")->trigger();
        QVERIFY(!findAction(w, "pahei")->isChecked() && findAction(w, "pajk")->isChecked());
        QCOMPARE(m.pointLabelAt(1), std::string("0.00～1.00"));

        // "非表示": no name under the chart; "表示" brings it back.
        findAction(w, "hannasi")->trigger();
        QVERIFY(!findAction(w, "hanari")->isChecked() && findAction(w, "hannasi")->isChecked());
        QCOMPARE(m.titleBottom(), std::string());
        findAction(w, "hanari")->trigger();
        QCOMPARE(m.titleBottom(), std::string("A"));

        // Pie: scale off, classification and separation on.
        w->kindList()->setCurrentText("円グラフ");
        QCOMPARE(m.chartType(), zel::ChartType::Pie);
        QVERIFY(!enabled("memorore") && enabled("kikakugs") && enabled("ybun"));
        // Line: separation only; the name goes to the legend.
        w->kindList()->setCurrentText("折れ線グラフ");
        QVERIFY(enabled("memorore") && !enabled("kikakugs") && enabled("ybun"));
        QCOMPARE(m.titleBottom(), std::string());
        QCOMPARE(m.legendAt(1), std::string("A"));
        // Mean kind: legend and label menus off, numeric axis with the markers at the mean.
        w->kindList()->setCurrentText("棒グラフ－平均値");
        QVERIFY(!enabled("hishan") && !enabled("palabe") && !enabled("ybun") && !enabled("kikakugs"));
        QCOMPARE(m.xAxisScale(), zel::axisscales::kFixed);
        QCOMPARE(m.overlayValueAt(1), 2.7);
        QCOMPARE(m.overlayXPosAt(4), 13.0 / 7.0);
        w->kindList()->setCurrentText("棒グラフ");
        QVERIFY(enabled("hishan") && enabled("palabe") && enabled("memorore"));
        QCOMPARE(m.overlayMode(), zel::overlaymodes::kOff);

        // Two series: bar offers no classification.
        w->close();
        uitest::flushDeletes();
        youko* two = open(2);
        two->kindList()->setCurrentText("棒グラフ");
        QVERIFY(!findAction(two, "kikakugs")->isEnabled());

        // "メニュー画面へ" closes the window.
        findAction(two, "GOMENU")->trigger();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::youko));
    }

    void pointClicksShowTheSeriesAndSeparationNeedsOne() {
        youko* w = open(2);
        w->resize(900, 600);
        QCoreApplication::processEvents();
        ChartView* g = w->chart();
        w->kindList()->setCurrentText("棒グラフ");
        // Without a click: the two refusals.
        uitest::separationNeedsAPoint(w, "bunri", "bunrinasi");
        if (QTest::currentTestFailed()) return;

        // A click on series 2, class 3 (count 2).
        QTest::mouseClick(g, Qt::LeftButton, {}, elementPixel(g, 2, 3));
        QCOMPARE(w->lastPoint(), 3);
        QCOMPARE(lineText(w, "Textset"), QString(" 2"));
        QCOMPARE(lineText(w, "Textpoint"), QString(" 2"));
        QCOMPARE(lineText(w, "Text1"), signedText(2.25));
        QCOMPARE(lineText(w, "Text2"), signedText(ctx->ws.classTable.stats[1].variance));

        // Separation of the clicked point, and back.
        const int draws = g->model().drawCount();
        uitest::MessageBoxRecorder none;
        findAction(w, "bunri")->trigger();
        QCOMPARE(g->model().pointSeparatedAt(3), 1);
        QVERIFY(g->model().drawCount() > draws);
        findAction(w, "bunrinasi")->trigger();
        QCOMPARE(g->model().pointSeparatedAt(3), 0);

        // A right click pops the separation menu up only for pies and lines.
        QTest::mouseClick(g, Qt::RightButton, {}, elementPixel(g, 1, 4));
        QVERIFY(!w->separationMenu()->isVisible());
        w->kindList()->setCurrentText("折れ線グラフ");
        QTest::mouseClick(g, Qt::RightButton, {}, elementPixel(g, 1, 2));
        QCOMPARE(w->lastPoint(), 2);
        QTRY_VERIFY(w->separationMenu()->isVisible());
        w->separationMenu()->hide();
    }

    void classificationDialogMarksClasses() {
        youko* w = open(1);
        zel::ChartModel& m = w->chart()->model();
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->objectName(), QString("kikaku"));
                QCOMPARE(d->windowTitle(), QString("区分データの指定"));
                auto* grid = d->findChild<DataGrid*>("grid1");
                QCOMPARE(grid->rowCount(), 4);
                const QStringList heads = {"クラス", "区分データ", "区　間", "中心値", "度　数"};
                for (int c = 0; c < 5; ++c)
                    QCOMPARE(grid->text(c, 0), heads[c]);
                QCOMPARE(grid->text(0, 2), QString("NO.2"));
                QCOMPARE(grid->text(2, 2), QString("1.00～2.00"));
                QCOMPARE(grid->text(3, 2), QString("1.50"));
                QCOMPARE(grid->text(4, 4), QString("3"));
                QCOMPARE(grid->columnWidthAt(2), 22.0);
                QVERIFY(!grid->isChecked(1, 1));
                QCOMPARE(d->findChild<QPushButton*>("Command2")->text(), QString("ｷｬﾝｾﾙ"));
                QCOMPARE(d->findChild<QPushButton*>("Command3")->text(), QString("印刷"));
                uitest::setChecks(grid, 1, {2, 4}, true);
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "kikakugs")->trigger(); });
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{0, 1, 0, 1}));
        QCOMPARE(m.patternAt(2), 4);
        QCOMPARE(m.patternAt(4), 4);
        QCOMPARE(m.patternAt(1), 0);

        // Reopened: the boxes show the flags; "印刷" prints the grid; ｷｬﾝｾﾙ changes nothing.
        QTemporaryDir dir;
        const QString pdf = dir.path() + QStringLiteral("/kikaku.pdf");
        GridPrinting::setPdfPathProvider([pdf] { return pdf; });
        withModal(
            [](QWidget* d) {
                auto* grid = d->findChild<DataGrid*>("grid1");
                QVERIFY(grid->isChecked(1, 2) && grid->isChecked(1, 4) && !grid->isChecked(1, 3));
                d->findChild<QPushButton*>("Command3")->click();
                uitest::setChecks(grid, 1, {1}, true);
                d->findChild<QPushButton*>("Command2")->click();
            },
            [&] { findAction(w, "kikakugs")->trigger(); });
        GridPrinting::setPdfPathProvider({});
        QCOMPARE(GridPrinting::lastOutcome(), GridPrinting::Outcome::Printed);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{0, 1, 0, 1}));

        // No box checked: no classification, no marks.
        withModal(
            [](QWidget* d) {
                auto* grid = d->findChild<DataGrid*>("grid1");
                uitest::setChecks(grid, 1, {2, 4}, false);
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "kikakugs")->trigger(); });
        QCOMPARE(ctx->ws.classFlags, (std::vector<std::int16_t>{2, 2, 2, 2}));
        for (int p = 1; p <= 4; ++p)
            QCOMPARE(m.patternAt(p), 0);
    }

    void scaleDialogFixesTheValueAxis() {
        youko* w = open(2);
        zel::ChartModel& m = w->chart()->model();
        // The first opening shows the count extremes 0 and 3.
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->objectName(), QString("MEMORIH"));
                QCOMPARE(d->windowTitle(), QString("目盛の変更"));
                QCOMPARE(d->findChild<QGroupBox*>("Frame1")->title(),
                         QString("グラフの上限と下限を入力します"));
                QCOMPARE(d->findChild<QLabel*>("Label1")->text(), QString("上限："));
                QCOMPARE(d->findChild<QLabel*>("Label2")->text(), QString("下限："));
                QCOMPARE(d->findChild<QLineEdit*>("Text1")->text(), QString("3.00"));
                QCOMPARE(d->findChild<QLineEdit*>("Text2")->text(), QString("0.00"));
                d->findChild<QLineEdit*>("Text1")->setText(" 1 0x");
                d->findChild<QLineEdit*>("Text2")->setText("-2");
                QCOMPARE(d->findChild<QPushButton*>("Command1")->text(), QString("変更"));
                d->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "memorore")->trigger(); });
        QCOMPARE(m.yAxisSelect(), 0);
        QCOMPARE(m.yAxisScale(), zel::axisscales::kFixed);
        QCOMPARE(m.yAxisMax(), 10.0);
        QCOMPARE(m.yAxisMin(), -2.0);
        // Until the next redraw the dialog shows what was typed; ｷｬﾝｾﾙ keeps the axis.
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->findChild<QLineEdit*>("Text1")->text(), QString("10.00"));
                QCOMPARE(d->findChild<QLineEdit*>("Text2")->text(), QString("-2.00"));
                d->findChild<QLineEdit*>("Text1")->setText("99");
                d->findChild<QPushButton*>("Command2")->click();
            },
            [&] { findAction(w, "memorore")->trigger(); });
        QCOMPARE(m.yAxisMax(), 10.0);
        // A new kind redraws with the automatic axis and forgets the override.
        w->kindList()->setCurrentText("積層型");
        QCOMPARE(m.yAxisScale(), zel::axisscales::kAutomatic);
        withModal(
            [](QWidget* d) {
                QCOMPARE(d->findChild<QLineEdit*>("Text1")->text(), QString("3.00"));
                d->findChild<QPushButton*>("Command2")->click();
            },
            [&] { findAction(w, "memorore")->trigger(); });
    }

    void screenshotsOfSeveralKinds() {
        youko* w = open(3);
        w->resize(900, 560);
        QCoreApplication::processEvents();
        ctx->ws.classFlags = {0, 1, 0, 0};
        for (const char* kind :
             {"棒グラフ", "Ｚ軸立体棒", "棒グラフ－平均値", "円グラフ", "折れ線グラフ", "積層型（横）"}) {
            w->kindList()->setCurrentText(QString::fromUtf8(kind));
            QCoreApplication::processEvents();
            const QImage image = w->grab().toImage();
            QVERIFY(!image.isNull());
            image.save(QStringLiteral("/tmp/youko-%1.png").arg(w->kindList()->currentIndex()));
        }
        w->close();
        uitest::flushDeletes();
        // One series with a marked class: the name under the chart.
        youko* one = open(1);
        one->resize(900, 560);
        ctx->ws.classFlags = {0, 0, 1, 0};
        one->redraw();
        QCoreApplication::processEvents();
        QVERIFY(one->grab().toImage().save(QStringLiteral("/tmp/youko-one.png")));
    }

  private:
    youko* open(int series) { return uitest::openYouko(*ctx, series); }

    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestHistogramWindow)
#include "tst_histogram_window.moc"
