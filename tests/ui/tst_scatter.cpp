// Tests of the scatter analysis driven as a user drives it: the launch through
// the X-count dialog sanpuset and the variable dialogs, the scatter window
// sanpuzu with its panel, kinds, menus, legends and point clicks, the degree
// dialog TAKOJI at every drawing of "回帰曲線", the refusals, the regression
// kept for the tables, and the windows that open and close with it.
#include "analysis/control/ControlChartGallery.h"
#include "analysis/scatter/Regression.h"
#include "analysis/scatter/ScatterFill.h"
#include "analysis/scatter/ScatterGallery.h"
#include "analysis/scatter/TAKOJI.h"
#include "analysis/scatter/sanpuset.h"
#include "analysis/scatter/sanpuzu.h"
#include "components/chart/ChartView.h"
#include "presentation/GraphWindow.h"
#include "windowkit/AppSettings.h"

#include "presentation/ResultTableWindow.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <QtTest>

#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "MessageBoxRecorder.h"
#include "ScatterWindows.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::FakeContext;
using uitest::findAction;
using uitest::labelText;
using uitest::lineText;
using uitest::signedText;

namespace {

std::vector<zel::Regression> expectedRegressions(const zel::AnalysisSet& set) {
    zel::Result<std::vector<zel::Regression>> r = zel::computeRegressions(set);
    return r.isOk() ? *r : std::vector<zel::Regression>{};
}

// The degree dialogs answered so far, and how.
struct DegreeAnswers {
    int shown = 0;
    QList<int> seen; // the degree each showed
};

// Answers the next degree dialog: types degree and presses "OK", or (degree
// 0) closes it by its close box.
void answerDegree(DegreeAnswers& answers, int degree) {
    uitest::whenModal<TAKOJI>([&answers, degree](TAKOJI* d) {
        ++answers.shown;
        answers.seen << d->degreeBox()->value();
        if (degree == 0) {
            d->close();
            return;
        }
        d->degreeBox()->setValue(degree);
        QTest::mouseClick(uitest::button(d, QStringLiteral("Command1")), Qt::LeftButton);
    });
}

} // namespace

class TestScatter : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("散布図"));
        uitest::fillScatterDataset(*ctx);
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void launchPathsByVariableCount() {
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("散布図")));
        // Two variables: hensi2 at once, its lists labelled for Y and X.
        uitest::fillScatterDataset(*ctx, {{2, 1}, {4, 2}, {5, 3}});
        AnalysisLaunch::runGraphCommand(*ctx);
        QVERIFY(!ZelWindow::find(zel::WindowId::sanpuset));
        ZelWindow* two = ZelWindow::find(zel::WindowId::hensi2);
        QVERIFY(two);
        QCOMPARE(labelText(two, "Label2"), QString("Ｙ軸・・・"));
        QCOMPARE(labelText(two, "Label3"), QString("Ｘ軸・・・"));
        ZelWindow::closeAll();
        uitest::flushDeletes();

        // More: sanpuset with its two options and buttons.
        uitest::fillScatterDataset(*ctx);
        AnalysisLaunch::runGraphCommand(*ctx);
        auto* count = uitest::openWindow<sanpuset>(zel::WindowId::sanpuset);
        QVERIFY(count);
        QVERIFY(!ZelWindow::find(zel::WindowId::hensi2));
        QCOMPARE(count->windowTitle(), QString("従属変数の指定"));
        QCOMPARE(count->option(0)->text(), QString("Ｙ軸（変数１）－Ｘ軸（変数１）"));
        QCOMPARE(count->option(1)->text(), QString("Ｙ軸（変数１）－Ｘ軸（変数２）"));
        QVERIFY(count->option(0)->isChecked() && count->option(1)->isEnabled());
        QVERIFY(!count->findChild<QRadioButton*>(QStringLiteral("Option3")));
        QCOMPARE(uitest::button(count, QStringLiteral("Command1"))->text(), QString("OK"));
        QCOMPARE(uitest::button(count, QStringLiteral("Command2"))->text(), QString("ｷｬﾝｾﾙ"));
        // "ｷｬﾝｾﾙ" opens nothing.
        uitest::press(count, "Command2");
        uitest::flushDeletes();
        QVERIFY(ZelWindow::openWindows().isEmpty());

        // Option1: hensi2.
        AnalysisLaunch::runGraphCommand(*ctx);
        uitest::press(ZelWindow::find(zel::WindowId::sanpuset), "Command1");
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::sanpuset));
        QVERIFY(ZelWindow::find(zel::WindowId::hensi2));
        QVERIFY(!ZelWindow::find(zel::WindowId::hensi3));
        ZelWindow::closeAll();
        uitest::flushDeletes();

        // Option2: hensi3, labelled Y, X, X.
        AnalysisLaunch::runGraphCommand(*ctx);
        count = uitest::openWindow<sanpuset>(zel::WindowId::sanpuset);
        count->option(1)->setChecked(true);
        uitest::press(count, "Command1");
        uitest::flushDeletes();
        ZelWindow* three = ZelWindow::find(zel::WindowId::hensi3);
        QVERIFY(three);
        QVERIFY(!ZelWindow::find(zel::WindowId::hensi2));
        QCOMPARE(labelText(three, "Label2"), QString("Ｙ軸・・・"));
        QCOMPARE(labelText(three, "Label3"), QString("Ｘ軸・・・"));
        QCOMPARE(labelText(three, "Label4"), QString("Ｘ軸・・・"));
    }

    void opensWithPanelKindsMenusAndTheStoredRegression() {
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("散布図"));
        QCOMPARE(w->objectName(), QString("sanpuzu"));
        const QStringList labels = {"Label1", "Label2", "Label9", "Label3", "Label5",
                                    "Label6", "Label8", "Label7", "Label4"};
        const QStringList captions = {
            "変数ナンバー", "データ値（Ｙ）", "データ値（Ｘ）",          "相関係数",  "切片　ａ",
            "方向係数　ｂ", "標準偏差　σ",    "回帰方程式 Ｙ＝ａ＋ｂＸ", "グラフ種類"};
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(labelText(w, qPrintable(labels[i])), captions[i]);
        QCOMPARE(uitest::items(w->kindList()),
                 QStringList({"散布図", "回帰直線", "残差プロット", "時系列残差プロット", "回帰曲線"}));
        QCOMPARE(w->kindList()->objectName(), QString("graphs"));
        QCOMPARE(w->kindList()->currentText(), QString("回帰直線"));

        // The computation is kept for the tables and series 1 is in the panel.
        const zel::RegressionResults& kept = ctx->ws.regression;
        const std::vector<zel::Regression> want = expectedRegressions(ctx->ws.analysisSet);
        QCOMPARE(kept.seriesCount, 1);
        QCOMPARE(kept.n, 5);
        QCOMPARE(kept.series.size(), std::size_t(1));
        QCOMPARE(kept.series[0].a, want[0].a);
        QCOMPARE(kept.series[0].b, want[0].b);
        QCOMPARE(kept.series[0].f0, want[0].f0);
        QCOMPARE(lineText(w, "Textset"), QString(" 1"));
        QCOMPARE(lineText(w, "Text1"), signedText(want[0].r));
        QCOMPARE(lineText(w, "Text2"), signedText(want[0].a));
        QCOMPARE(lineText(w, "Text3"), signedText(want[0].b));
        QCOMPARE(lineText(w, "Text4"), signedText(want[0].sigma));
        QCOMPARE(lineText(w, "Textpoint"), QString());
        QCOMPARE(lineText(w, "Text5"), QString());

        // The chart: the least-squares line of Y on X, with the kind's titles.
        const zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.chartType(), zel::ChartType::Scatter);
        QCOMPARE(m.statLines(), zel::statlines::kTrend);
        QCOMPARE(m.hitReporting(), 1);
        QCOMPARE(m.titleTop(), std::string("回帰直線"));
        QCOMPARE(m.titleBottom(), std::string("温度"));
        QCOMPARE(m.titleLeft(), std::string("収量"));
        w->kindList()->setCurrentText(QStringLiteral("時系列残差プロット"));
        QCOMPARE(m.chartType(), zel::ChartType::Line);
        QCOMPARE(m.titleTop(), std::string("時系列残差プロット"));
        QCOMPARE(m.titleBottom(), std::string("時系列"));
        QCOMPARE(m.titleLeft(), std::string("残差"));

        QMenu* options = w->findChild<QMenu*>(QStringLiteral("sanop"));
        QVERIFY(options);
        const uitest::MenuEntries entries = uitest::menuEntries(options);
        QCOMPARE(entries.names, QStringList({"skaibun", "skaitj", "santai", "YJTAI", "XJTAI", "sgriset"}));
        QCOMPARE(entries.texts, QStringList({"分散分析表(&A)", "回帰直線情報(&K)", "タイトルの設定(&T)",
                                             "Ｙ軸タイトル", "凡例", "グリッド線の設定(&G)"}));
        QCOMPARE(uitest::menuEntries(w->findChild<QMenu*>("YJTAI")).names, QStringList({"YSURU", "YSINAI"}));
        QCOMPARE(uitest::menuEntries(w->findChild<QMenu*>("XJTAI")).names, QStringList({"XSURU", "XSINAI"}));
        for (const char* item : {"YSURU", "YSINAI", "XSURU", "XSINAI"})
            QCOMPARE(findAction(w, item)->text(),
                     QString(item[1] == 'S' && item[2] == 'U' ? "表示" : "非表示"));
        QVERIFY(findAction(w, "YSURU")->isChecked() && !findAction(w, "YSINAI")->isChecked());
        QVERIFY(findAction(w, "XSURU")->isChecked() && !findAction(w, "XSINAI")->isChecked());
        QCOMPARE(findAction(w, "GOMENU")->text(), QString("メニュー画面へ(&M)"));
        QCOMPARE(w->menuBar()->findChild<QMenu*>("INSATU")->title(), QString("印刷(&P)"));
    }

    void legendsForTwoXOnlyWhileShown() {
        sanpuzu* w = uitest::openScatter(*ctx, 2);
        QVERIFY(w);
        const zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.seriesCount(), 2);
        QCOMPARE(ctx->ws.regression.seriesCount, 2);
        QCOMPARE(ctx->ws.regression.series.size(), std::size_t(2));
        QCOMPARE(m.legendAt(1), std::string("温度"));
        QCOMPARE(m.legendAt(2), std::string("圧力"));
        findAction(w, "XSINAI")->trigger();
        QVERIFY(!findAction(w, "XSURU")->isChecked() && findAction(w, "XSINAI")->isChecked());
        QCOMPARE(m.legendAt(1), std::string());
        QCOMPARE(m.legendAt(2), std::string());
        findAction(w, "XSURU")->trigger();
        QVERIFY(findAction(w, "XSURU")->isChecked() && !findAction(w, "XSINAI")->isChecked());
        QCOMPARE(m.legendAt(2), std::string("圧力"));
        w->close();
        uitest::flushDeletes();

        // One X: no legend even with "表示".
        sanpuzu* one = uitest::openScatter(*ctx, 1);
        QVERIFY(one && findAction(one, "XSURU")->isChecked());
        QCOMPARE(one->chart()->model().legendAt(1), std::string());
    }

    void yTitleMenuOnlyTogglesAndRedraws() {
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        zel::ChartModel& m = w->chart()->model();
        for (const char* item : {"YSINAI", "YSURU"}) {
            m.setChartType(static_cast<int>(zel::ChartType::Bar)); // undone by a redraw
            findAction(w, item)->trigger();
            QCOMPARE(findAction(w, "YSINAI")->isChecked(), item == std::string("YSINAI"));
            QCOMPARE(findAction(w, "YSURU")->isChecked(), item == std::string("YSURU"));
            QCOMPARE(m.chartType(), zel::ChartType::Scatter);
            QCOMPARE(m.titleLeft(), std::string("収量"));
        }
    }

    void degreeDialogAtEveryDrawingOfTheCurve() {
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        const zel::ChartModel& m = w->chart()->model();
        DegreeAnswers answers;

        // Choosing the kind: the dialog shows 2 while none is stored; OK 4.
        answerDegree(answers, 4);
        w->kindList()->setCurrentText(QStringLiteral("回帰曲線"));
        QCOMPARE(answers.shown, 1);
        QCOMPARE(answers.seen.last(), 2);
        QCOMPARE(m.chartType(), zel::ChartType::Scatter);
        QCOMPARE(m.chartStyle(), zel::chartstyles::kScatterFittedCurve);
        QCOMPARE(m.fitDegree(), 4);
        QCOMPARE(ctx->ws.polynomialDegree, std::int16_t(4));

        // A resize: asked again with 4; the close box draws degree 2 and keeps 4.
        answerDegree(answers, 0);
        w->resize(w->width() + 40, w->height() + 30);
        QTRY_COMPARE(answers.shown, 2);
        QCOMPARE(answers.seen.last(), 4);
        QTRY_COMPARE(m.fitDegree(), 2);
        QCOMPARE(ctx->ws.polynomialDegree, std::int16_t(4));

        // Both show/hide menus.
        answerDegree(answers, 3);
        findAction(w, "YSINAI")->trigger();
        QCOMPARE(answers.shown, 3);
        QCOMPARE(m.fitDegree(), 3);
        answerDegree(answers, 5);
        findAction(w, "XSINAI")->trigger();
        QCOMPARE(answers.shown, 4);
        QCOMPARE(answers.seen.last(), 3);
        QCOMPARE(m.fitDegree(), 5);

        // Another kind asks nothing.
        w->kindList()->setCurrentText(QStringLiteral("散布図"));
        QCOMPARE(answers.shown, 4);
        QCOMPARE(m.chartStyle(), zel::chartstyles::kScatterMarkers);
    }

    void resizeWhileTheDegreeDialogIsUpAsksOnce() {
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        zel::ChartModel& m = w->chart()->model();
        m.setFitDegree(9); // a drawing of the curve under the dialog would change it
        int dialogs = 0;
        int openWhileUp = 0;
        uitest::whenModal<TAKOJI>([&](TAKOJI* d) {
            ++dialogs;
            // The window is resized under the dialog: no second dialog and no
            // drawing come; the chart waits for the answer.
            w->resize(w->width() + 60, w->height() + 60);
            QCoreApplication::processEvents();
            QTest::qWait(50);
            for (ZelWindow* open : ZelWindow::openWindows())
                openWhileUp += qobject_cast<TAKOJI*>(open) ? 1 : 0;
            QCOMPARE(QApplication::activeModalWidget(), d);
            QCOMPARE(m.chartStyle(), zel::chartstyles::kScatterMarkers);
            QCOMPARE(m.fitDegree(), 9);
            d->degreeBox()->setValue(6);
            QTest::mouseClick(uitest::button(d, QStringLiteral("Command1")), Qt::LeftButton);
        });
        w->kindList()->setCurrentText(QStringLiteral("回帰曲線"));
        QCOMPARE(dialogs, 1);
        QCOMPARE(openWhileUp, 1);
        QCOMPARE(m.fitDegree(), 6);
        QCOMPARE(m.chartStyle(), zel::chartstyles::kScatterFittedCurve);
        QTest::qWait(100);
        QCOMPARE(dialogs, 1);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void degreeDialogTexts() {
        TAKOJI d(*ctx);
        QCOMPARE(d.windowTitle(), QString("多項式の次数設定"));
        QCOMPARE(labelText(&d, "Label1"), QString("回帰曲線に使用する多項式の次数を設定します。"));
        QCOMPARE(d.degreeBox()->value(), 2);
        QCOMPARE(d.degreeBox()->minimum(), 1);
        QCOMPARE(d.degreeBox()->maximum(), zel::ChartModel::kMaxFitDegree);
        QCOMPARE(uitest::button(&d, QStringLiteral("Command1"))->text(), QString("OK"));
        QCOMPARE(d.findChildren<QPushButton*>().size(), 1);
    }

    void constantYIsRefusedAndTheWindowStillOpens() {
        uitest::fillScatterDataset(*ctx, {{3, 1}, {3, 2}, {3, 4}});
        uitest::MessageBoxRecorder boxes;
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        QVERIFY(w);
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QString("データが間違っています。"));
        QCOMPARE(box.title, QString("散布図"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QCOMPARE(ctx->ws.regression.seriesCount, 1);
        QCOMPARE(ctx->ws.regression.n, 3);
        QVERIFY(ctx->ws.regression.series.empty());
        QCOMPARE(lineText(w, "Text1"), QString());
        QCOMPARE(w->chart()->model().pointCount(), 3);
        // Each rerun from the menu refuses again.
        findAction(w, "skaibun")->trigger();
        QCOMPARE(boxes.take().text, QString("データが間違っています。"));
        QVERIFY(ctx->ws.regression.series.empty());
    }

    void fewerThanTwoSamplesAreRefused() {
        uitest::fillScatterDataset(*ctx, {{2, 1}, {4, 2}, {5, 3}});
        ctx->analysis = QStringLiteral("散布図");
        AnalysisLaunch::runGraphCommand(*ctx);
        ZelWindow* two = ZelWindow::find(zel::WindowId::hensi2);
        QVERIFY(two);
        // Masked while the dialog is open: one sample is left.
        ctx->ws.dataset.setMask(2, 1);
        ctx->ws.dataset.setMask(3, 1);
        const uitest::SeenBox box = uitest::answerBox([&] { uitest::press(two, "Command1"); });
        QCOMPARE(box.text, QString("散布図を作成するには２つ以上のサンプルが必要です。"));
        QCOMPARE(box.title, QString("散布図"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::sanpuzu));
    }

    void pointClickFillsThePanel() {
        sanpuzu* w = uitest::openScatter(*ctx, 2);
        const std::vector<zel::Regression> want = expectedRegressions(ctx->ws.analysisSet);
        QVERIFY(uitest::clickPoint(w->chart(), 2, 4));
        QCOMPARE(lineText(w, "Textset"), QString(" 2"));
        QCOMPARE(lineText(w, "Textpoint"), signedText(4));
        QCOMPARE(lineText(w, "Text5"), signedText(1));
        QCOMPARE(lineText(w, "Text1"), signedText(want[1].r));
        QCOMPARE(lineText(w, "Text2"), signedText(want[1].a));
        QCOMPARE(lineText(w, "Text3"), signedText(want[1].b));
        QCOMPARE(lineText(w, "Text4"), signedText(want[1].sigma));

        // On a residual plot the value is the residual; X stays the X value.
        w->kindList()->setCurrentText(QStringLiteral("残差プロット"));
        QVERIFY(uitest::clickPoint(w->chart(), 1, 3));
        QCOMPARE(lineText(w, "Textset"), QString(" 1"));
        QCOMPARE(lineText(w, "Textpoint"), signedText(w->chart()->model().value(1, 3)));
        QCOMPARE(lineText(w, "Textpoint"), signedText(5 - (want[0].b * 3 + want[0].a)));
        QCOMPARE(lineText(w, "Text5"), signedText(3));
        QCOMPARE(lineText(w, "Text1"), signedText(want[0].r));
    }

    void tablesOpenRefillAndCloseWithTheWindow() {
        uitest::TableStandIns tables;
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        QVERIFY(ZelWindow::find(zel::WindowId::kaibun) && ZelWindow::find(zel::WindowId::kaityo));
        QCOMPARE(tables.calls[zel::WindowId::kaibun], 1);
        QCOMPARE(tables.calls[zel::WindowId::kaityo], 1);

        // "分散分析表(&A)" reruns over the set as it is now.
        ctx->ws.analysisSet.values[0][0] = 9;
        findAction(w, "skaibun")->trigger();
        QCOMPARE(ctx->ws.regression.series[0].b, expectedRegressions(ctx->ws.analysisSet)[0].b);
        QCOMPARE(lineText(w, "Text3"), signedText(ctx->ws.regression.series[0].b));
        QCOMPARE(tables.calls[zel::WindowId::kaibun], 2);
        QCOMPARE(tables.calls[zel::WindowId::kaityo], 2);
        // Without the line table open, only the other is opened.
        ZelWindow::find(zel::WindowId::kaityo)->close();
        uitest::flushDeletes();
        findAction(w, "skaibun")->trigger();
        QCOMPARE(tables.calls[zel::WindowId::kaibun], 3);
        QCOMPARE(tables.calls[zel::WindowId::kaityo], 2);
        QVERIFY(!ZelWindow::find(zel::WindowId::kaityo));
        // "回帰直線情報(&K)" the other way round.
        findAction(w, "skaitj")->trigger();
        QCOMPARE(tables.calls[zel::WindowId::kaibun], 4);
        QCOMPARE(tables.calls[zel::WindowId::kaityo], 3);

        // The close box closes both tables.
        w->close();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::kaibun));
        QVERIFY(!ZelWindow::find(zel::WindowId::kaityo));
    }

    // The real tables beside the window: one block and one column per X, and
    // a rerun from the menu shows the set as it is now.
    void theTablesShowEveryXAndFollowAReRun() {
        sanpuzu* w = uitest::openScatter(*ctx, 2);
        auto* anova = qobject_cast<ResultTableWindow*>(ZelWindow::find(zel::WindowId::kaibun));
        auto* line = qobject_cast<ResultTableWindow*>(ZelWindow::find(zel::WindowId::kaityo));
        QVERIFY(anova && line);
        QCOMPARE(anova->windowTitle(), QString("回帰分析－分散分析表"));
        QCOMPARE(line->windowTitle(), QString("回帰直線"));
        QCOMPARE(anova->grid().rowCount(), 8);
        QCOMPARE(anova->grid().text(0, 1), QString("変数1"));
        QCOMPARE(anova->grid().text(0, 5), QString("変数2"));
        QCOMPARE(line->grid().columnCount(), 2);
        QCOMPARE(line->grid().text(1, 0), QString("変数 1"));
        QCOMPARE(line->grid().text(2, 0), QString("変数 2"));
        const QString before = line->grid().text(1, 4);
        QVERIFY(before.startsWith(QStringLiteral("Y=(")));

        ctx->ws.analysisSet.values[0][0] = 9;
        findAction(w, "skaitj")->trigger();
        QVERIFY(line->grid().text(1, 4) != before);
        QCOMPARE(ZelWindow::find(zel::WindowId::kaityo), line);

        w->close();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::kaibun));
        QVERIFY(!ZelWindow::find(zel::WindowId::kaityo));
    }

    void menuScreenClosesTablesAndDialogs() {
        uitest::TableStandIns tables;
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        for (const char* name : {"hensi1", "hensi2", "hensi3", "dobun", "youko"})
            (new uitest::PlainWindow(QString::fromLatin1(name)))->show();
        findAction(w, "GOMENU")->trigger();
        uitest::flushDeletes();
        for (zel::WindowId gone :
             {zel::WindowId::sanpuzu, zel::WindowId::kaibun, zel::WindowId::kaityo, zel::WindowId::hensi1,
              zel::WindowId::hensi2, zel::WindowId::hensi3, zel::WindowId::dobun})
            QVERIFY2(!ZelWindow::find(gone), qPrintable(windowName(gone)));
        QVERIFY(ZelWindow::find(zel::WindowId::youko));
    }

    void layoutFollowsTheWindowSize() {
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        w->resize(900, 600);
        QTRY_COMPARE(w->client()->width(), 900);
        QWidget* client = w->client();
        const double sw = zel::Twips::fromPixels(client->width());
        const double sh = zel::Twips::fromPixels(client->height());
        QCOMPARE(w->chart()->geometry().topLeft(), QPoint(zel::px(100), zel::px(100)));
        QCOMPARE(w->chart()->width(), zel::px(sw - 2300));
        QCOMPARE(w->chart()->height(), zel::px(sh - 200));
        for (const char* name : {"Label1", "Textset", "Label7", "Label4"})
            QCOMPARE(w->findChild<QWidget*>(QString::fromLatin1(name))->x(), zel::px(sw - 2080));
        QCOMPARE(w->kindList()->x(), zel::px(sw - 2080));

        // Closed in the normal state, it records its place under its own keys.
        w->close();
        uitest::flushDeletes();
        for (const char* key : {"left_s", "top_s", "width_s", "height_s"})
            QVERIFY2(zel::appSettings().contains("Setting", key), key);
    }

    void galleryDrawsEveryKindThroughTheFill() {
        const std::vector<ChartGalleryEntry> entries = scatterGalleryEntries();
        const QStringList all = chartGalleryFiles();
        QSet<int> kinds;
        int mono = 0;
        int withLegends = 0;
        for (const ChartGalleryEntry& e : entries) {
            QVERIFY2(all.contains(e.file + QStringLiteral(".png")), qPrintable(e.file));
            mono += e.monochrome ? 1 : 0;
            zel::ChartModel m;
            e.fill(m);
            QVERIFY2(m.pointCount() == 30, qPrintable(e.file));
            // The kind is the one its top title names, with that kind's codes.
            const zel::ScatterKindRow* kind = zel::findScatterKind(m.titleTop());
            QVERIFY2(kind, qPrintable(e.file));
            kinds.insert(static_cast<int>(kind->kind));
            QCOMPARE(m.chartType(), kind->type);
            QCOMPARE(m.chartStyle(), kind->style);
            QCOMPARE(m.statLines(), kind->statLines);
            if (m.seriesCount() == 2) {
                ++withLegends;
                QCOMPARE(m.legendAt(1), std::string("焼入れ温度(℃)"));
                QCOMPARE(m.legendAt(2), std::string("炉床温度(℃)"));
            }
        }
        QCOMPARE(kinds.size(), int(zel::kScatterKindCount));
        QCOMPARE(mono, 1);
        QVERIFY(withLegends >= 1);
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestScatter)
#include "tst_scatter.moc"
