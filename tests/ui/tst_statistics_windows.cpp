// Tests of the statistics windows driven as a user drives them: the table of
// statistics by variable hakoh, its comparison graph hakohg with its kinds,
// clicks and menus, the stratification dialog hensi2so with its refusals, the
// stratified table hakohso and the graph of its strata.
#include "analysis/AnalysisLaunch.h"
#include "analysis/statistics/ComparisonGraph.h"
#include "analysis/statistics/Stratification.h"
#include "analysis/statistics/VariableStatistics.h"
#include "analysis/statistics/hakoh.h"
#include "analysis/statistics/hakohg.h"
#include "analysis/statistics/hakohso.h"
#include "analysis/statistics/hensi2so.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

using uitest::FakeContext;
using uitest::fillDataset;
using uitest::findAction;
using uitest::items;
using uitest::lineText;
using uitest::MessageBoxRecorder;
using uitest::openWindow;
using uitest::shown;
using uitest::shownRow;

namespace {

QStringList headings(const DataGrid& g) {
    QStringList out;
    for (int c = 0; c <= g.columnCount(); ++c)
        out << g.text(c, 0);
    return out;
}

// A menu or menu item of the window by its name.
bool hasNamed(QWidget* window, const char* name) {
    return findAction(window, QString::fromLatin1(name)) ||
           window->findChild<QObject*>(QString::fromLatin1(name));
}

} // namespace

class TestStatisticsWindows : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("変数別統計量"));
        // Variable "長さ" 2, 4, 6 (the masked 100 left out); a variable named
        // like a number, 1, 2, 4.
        fillDataset(ctx->ws.dataset, {{2, 1}, {100, 100}, {4, 2}, {6, 4}}, {"長さ", "12"},
                    {"a", "masked", "b", "c"});
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void theLaunchOpensHakohAndEveryStatisticsAnalysisIsSelectable() {
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("変数別統計量")));
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("層別統計量グラフ")));
        AnalysisLaunch::runGraphCommand(*ctx);
        auto* w = openWindow<hakoh>(zel::WindowId::hakoh);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("変数別統計量"));

        ctx->analysis = QStringLiteral("層別統計量グラフ");
        AnalysisLaunch::runGraphCommand(*ctx);
        auto* dialog = openWindow<hensi2so>(zel::WindowId::hensi2so);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("解析に使用する変数の指定"));
    }

    void hakohShowsEveryVariableOfTheUnmaskedSamples() {
        auto* w = qobject_cast<hakoh*>(openHakoh(*ctx));
        QVERIFY(w);
        w->show();
        const DataGrid& g = w->grid();
        QCOMPARE(g.objectName(), QString("Spread1"));
        QCOMPARE(g.columnCount(), 8);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(headings(g), QStringList({"変数no.", "変数名", "データ数", "ＭＡＸ", "ＭＩＮ", "平均値",
                                           "分　散", "標準偏差", "合　計"}));
        QCOMPARE(g.text(0, 1), QString("NO.1"));
        QCOMPARE(g.text(0, 2), QString("NO.2"));
        // Names stay as typed, counts are whole numbers, figures have four places.
        QCOMPARE(shownRow(g, 1),
                 QStringList({"長さ", "3", "6.0000", "2.0000", "4.0000", "4.0000", "2.0000", "12.0000"}));
        QCOMPARE(shownRow(g, 2),
                 QStringList({"12", "3", "4.0000", "1.0000", "2.3333", "2.3333", "1.5275", "7.0000"}));
        // The frame's buttons and menus under their names.
        QCOMPARE(w->okButton()->text(), QString("OK"));
        QCOMPARE(w->cancelButton()->text(), QString("ｷｬﾝｾﾙ"));
        for (const char* name : {"hkfile", "hkprint", "hkend", "hkedit", "hkcopy", "hksubete"})
            QVERIFY2(hasNamed(w, name), name);
    }

    void hakohOkHandsItsFiguresToTheGraphAndCloses() {
        // The graph of an earlier stratified analysis is still open.
        zel::Dataset strata;
        fillDataset(strata, {{1, 1}, {1, 2}}, {"因子", "値"}, {"a", "b"});
        ctx->ws.stratifiedSet = zel::buildStratifiedSet(strata, 1, 2).value();
        ctx->analysis = QStringLiteral("層別統計量グラフ");
        QVERIFY(openHakohg(*ctx));
        ctx->analysis = QStringLiteral("変数別統計量");

        auto* w = qobject_cast<hakoh*>(openHakoh(*ctx));
        QVERIFY(w);
        w->show();
        QTest::mouseClick(w->okButton(), Qt::LeftButton);
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::hakoh));
        auto* g = openWindow<hakohg>(zel::WindowId::hakohg);
        QVERIFY(g);
        QCOMPARE(g->windowTitle(), QString("変数の比較"));
        QVERIFY(!g->stratified());
        QCOMPARE(ctx->ws.variableStatistics.figures.size(), std::size_t(2));
        QCOMPARE(ctx->ws.variableStatistics.figures[0].mean, 4.0);
    }

    void hakohgDrawsOneFigurePerVariableAndReadsAClick() {
        ctx->ws.variableStatistics = zel::computeVariableStatistics(ctx->ws.dataset);
        auto* g = qobject_cast<hakohg*>(openHakohg(*ctx));
        QVERIFY(g);
        g->resize(900, 600);
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QVERIFY(!g->stratified());
        QCOMPARE(items(g->kindList()), QStringList({"変数別統計量", "生データプロット"}));
        QCOMPARE(g->kindList()->currentText(), QString("変数別統計量"));
        QCOMPARE(g->kindList()->objectName(), QString("graphs"));
        // The captions of the panel.
        QStringList captions;
        for (const QLabel* l : g->findChildren<QLabel*>())
            captions << l->text();
        for (const char* c : {"グラフ種類", "変数ナンバー", "ＭＡＸデータ", "ＭＩＮデータ", "平均", "分散",
                              "標準偏差", "データ数"})
            QVERIFY2(captions.contains(QString::fromUtf8(c)), c);

        const zel::ChartModel& m = g->chart(0)->model();
        QCOMPARE(g->chart(0)->objectName(), QString("Graph1"));
        QCOMPARE(m.chartType(), zel::ChartType(17));
        QCOMPARE(m.chartStyle(), 2);
        QCOMPARE(m.seriesCount(), 7);
        QCOMPARE(m.pointCount(), 2);
        QCOMPARE(m.pointLabelAt(1), std::string("長さ"));
        QCOMPARE(m.pointLabelAt(2), std::string("12"));
        QCOMPARE(m.hitReporting(), 1);

        // On opening the fields show the first variable, as signed number texts
        // (a space for the plus sign).
        QCOMPARE(lineText(g, "Textset"), QString(" 1"));
        QCOMPARE(lineText(g, "maxtxt"), QString(" 6"));
        QCOMPARE(lineText(g, "mintxt"), QString(" 2"));
        QCOMPARE(lineText(g, "Text1"), QString(" 4"));
        QCOMPARE(lineText(g, "Text2"), QString(" 4"));
        QCOMPARE(lineText(g, "Text3"), QString(" 2"));
        QCOMPARE(lineText(g, "Text4"), QString(" 3"));

        QVERIFY(uitest::clickPoint(g->chart(0), 0, 2, 2));
        QCOMPARE(lineText(g, "Textset"), QString(" 2"));
        QCOMPARE(lineText(g, "maxtxt"), QString(" 4"));
        QCOMPARE(lineText(g, "mintxt"), QString(" 1"));
        QCOMPARE(lineText(g, "Text4"), QString(" 3"));
        QCOMPARE(m.currentPoint(), 2);

        // The raw values: one chart series per sample, one point per variable.
        g->kindList()->setCurrentText(QStringLiteral("生データプロット"));
        QCOMPARE(m.chartType(), zel::ChartType(6));
        QCOMPARE(m.seriesCount(), 3);
        QCOMPARE(m.pointCount(), 2);
        QVERIFY(uitest::clickPoint(g->chart(0), 0, 1, 2));
        QCOMPARE(lineText(g, "Textset"), QString(" 1"));
        QCOMPARE(lineText(g, "Text1"), QString(" 4"));
    }

    void hakohgMenusAndTheReturnToTheMenuScreen() {
        ctx->ws.variableStatistics = zel::computeVariableStatistics(ctx->ws.dataset);
        openHakoh(*ctx)->show();
        auto* g = qobject_cast<hakohg*>(openHakohg(*ctx));
        QVERIFY(g);
        g->show();
        for (const char* name : {"INSATU", "fcolor", "fmono", "ghen", "gcopy", "gcopym", "oreop", "titles",
                                 "hgriset", "ENDF", "GOMENU"})
            QVERIFY2(hasNamed(g, name), name);
        // No 3-D view item in this window.
        QVERIFY(!findAction(g, QStringLiteral("orsitens")));
        for (QAction* a : g->findChildren<QAction*>())
            QVERIFY(a->text() != QStringLiteral("３Ｄグラフの視点設定(&R)"));

        findAction(g, QStringLiteral("GOMENU"))->trigger();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::hakohg));
        QVERIFY(!ZelWindow::find(zel::WindowId::hakoh));
    }

    void hensi2soShowsItsTextsAndPreselectsTwoVariables() {
        ctx->analysis = QStringLiteral("層別統計量グラフ");
        auto* d = qobject_cast<hensi2so*>(openHensi2so(*ctx));
        QVERIFY(d);
        QStringList texts;
        for (const char* name :
             {"Label1", "Label2", "Label4", "Label3", "Label5", "Label6", "Label7", "Label8"}) {
            auto* l = d->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(l, name);
            texts << l->text();
        }
        QCOMPARE(texts, QStringList({"層別因子として使用する変数を指定してください。", "層別因子・・・",
                                     "解析に使用する変数を指定してください。", "解析変数・・・",
                                     "※　層別因子として使用できるデータは、１～５の整数です。",
                                     "※　この解析変数を層別因子の番号により層別して", "解析に使用します。",
                                     "※　層別された最初のデータラベルを変数名として使用します。"}));
        QCOMPARE(d->factorList()->objectName(), QString("Combo1"));
        QCOMPARE(d->analysisList()->objectName(), QString("Combo2"));
        QCOMPARE(items(d->factorList()), QStringList({"長さ", "12"}));
        QCOMPARE(d->factorList()->currentIndex(), 0);
        QCOMPARE(d->analysisList()->currentIndex(), 1);
        QCOMPARE(d->findChild<QPushButton*>("Command2")->text(), QString("ｷｬﾝｾﾙ"));
    }

    void hensi2soRefusesInOrderAndStaysOpen() {
        ctx->analysis = QStringLiteral("層別統計量グラフ");
        // Factor: 1, 0.5 (rounds to 0), 2, 2; the value 1 once for code 1 once the
        // 0.5 is mended.
        fillDataset(ctx->ws.dataset, {{1, 10}, {0.5, 20}, {2, 1}, {2, 2}}, {"因子", "値"},
                    {"a", "b", "c", "d"});
        auto* d = qobject_cast<hensi2so*>(openHensi2so(*ctx));
        QVERIFY(d);
        d->show();
        QPushButton* ok = d->findChild<QPushButton*>("Command1");
        QVERIFY(ok);
        MessageBoxRecorder boxes;

        d->analysisList()->setCurrentIndex(0);
        QTest::mouseClick(ok, Qt::LeftButton);
        uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QString("層別変数と解析変数が同じです｡"));
        QCOMPARE(box.title, QString("変数の指定"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(ZelWindow::find(zel::WindowId::hensi2so));

        d->analysisList()->setCurrentIndex(1);
        QTest::mouseClick(ok, Qt::LeftButton);
        box = boxes.take();
        QCOMPARE(box.text, QString("層別因子として使用できるデータは１～５の整数です。"));
        QCOMPARE(box.title, QString("層別因子"));
        QVERIFY(ZelWindow::find(zel::WindowId::hensi2so));

        ctx->ws.dataset.setValue(2, 1, 1.5); // rounds to 2: code 1 now holds one value
        QTest::mouseClick(ok, Qt::LeftButton);
        box = boxes.take();
        QCOMPARE(box.text, QString("一つのグループのデータは「２」以上にして下さい。"));
        QCOMPARE(box.title, QString("層別統計量グラフ"));
        QVERIFY(ZelWindow::find(zel::WindowId::hensi2so));
        QVERIFY(!ZelWindow::find(zel::WindowId::hakohso));
        QCOMPARE(boxes.count(), 0);
    }

    void hensi2soOpensHakohsoWithOneRowPerStratum() {
        ctx->analysis = QStringLiteral("層別統計量グラフ");
        fillDataset(ctx->ws.dataset, {{1, 10}, {2, 1}, {1, 20}, {2.5, 2}, {1.5, 3}, {7, 99}}, {"因子", "値"},
                    {"一組", "二組", "x", "y", "z", "masked"});
        auto* d = qobject_cast<hensi2so*>(openHensi2so(*ctx));
        QVERIFY(d);
        d->show();
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::hensi2so));
        QCOMPARE(ctx->ws.stratifiedSet.seriesCount(), 2);

        auto* t = openWindow<hakohso>(zel::WindowId::hakohso);
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QString("層別統計量"));
        const DataGrid& g = t->grid();
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(headings(g).first(), QString("層別 no."));
        QCOMPARE(g.text(0, 1), QString("1"));
        QCOMPARE(g.text(0, 2), QString("2"));
        QCOMPARE(shownRow(g, 1),
                 QStringList({"一組", "2", "20.0000", "10.0000", "15.0000", "50.0000", "7.0711", "30.0000"}));
        QCOMPARE(shownRow(g, 2),
                 QStringList({"二組", "3", "3.0000", "1.0000", "2.0000", "1.0000", "1.0000", "6.0000"}));
        for (const char* name : {"hkfile", "hkprint", "hkend", "hkedit", "hkcopy", "hksubete"})
            QVERIFY2(hasNamed(t, name), name);
    }

    void hakohsoOkOpensTheGraphOfTheStrata() {
        // The graph and the table of an earlier analysis are still open.
        ctx->ws.variableStatistics = zel::computeVariableStatistics(ctx->ws.dataset);
        QVERIFY(openHakohg(*ctx));
        ctx->analysis = QStringLiteral("層別統計量グラフ");
        fillDataset(ctx->ws.dataset, {{1, 10}, {3, 1}, {1, 20}, {3, 2}, {3, 3}, {1, 5}}, {"因子", "値"},
                    {"一組", "三組", "x", "y", "z", "w"});
        auto* d = qobject_cast<hensi2so*>(openHensi2so(*ctx));
        QVERIFY(d);
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(openWindow<hakohso>(zel::WindowId::hakohso));
        fillDataset(ctx->ws.dataset, {{1, 10}, {3, 1}, {1, 20}, {3, 2}, {3, 3}}, {"因子", "値"},
                    {"一組", "三組", "x", "y", "z"});
        d = qobject_cast<hensi2so*>(openHensi2so(*ctx));
        QVERIFY(d);
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        uitest::flushDeletes();
        auto* t = openWindow<hakohso>(zel::WindowId::hakohso);
        QVERIFY(t);
        QCOMPARE(t->grid().text(0, 2), QString("3"));
        // The table shows the set just built: two values in stratum 1.
        QCOMPARE(shown(t->grid(), 2, 1), QString("2"));
        QTest::mouseClick(t->okButton(), Qt::LeftButton);
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::hakohso));

        auto* g = openWindow<hakohg>(zel::WindowId::hakohg);
        QVERIFY(g);
        g->resize(900, 600);
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QVERIFY(g->stratified());
        QCOMPARE(items(g->kindList()), QStringList({"変数別統計量", "層別データプロット"}));
        const zel::ChartModel& m = g->chart(0)->model();
        QCOMPARE(m.pointCount(), 2);
        QCOMPARE(m.pointLabelAt(1), std::string("一組"));
        QCOMPARE(m.pointLabelAt(2), std::string("三組"));
        QVERIFY(uitest::clickPoint(g->chart(0), 0, 2, 2));
        QCOMPARE(lineText(g, "Textset"), QString(" 2"));
        QCOMPARE(lineText(g, "Text4"), QString(" 3"));
        QCOMPARE(lineText(g, "Text1"), QString(" 2"));

        // Every value at its stratum's place: a click on value 3 (code 1) reads
        // stratum 1, on value 5 (code 3) stratum 2.
        g->kindList()->setCurrentText(QStringLiteral("層別データプロット"));
        QCOMPARE(m.chartType(), zel::ChartType(9));
        QCOMPARE(m.pointCount(), 5);
        QVERIFY(uitest::clickPoint(g->chart(0), 0, 3, 2));
        QCOMPARE(lineText(g, "Textset"), QString(" 1"));
        QCOMPARE(lineText(g, "Text4"), QString(" 2"));
        QCOMPARE(lineText(g, "Text1"), QString(" 15"));
        QVERIFY(uitest::clickPoint(g->chart(0), 0, 5, 2));
        QCOMPARE(lineText(g, "Textset"), QString(" 2"));
        QCOMPARE(lineText(g, "maxtxt"), QString(" 3"));
    }

    void hensi2soLeadsTheStratifiedHistogramToItsSettingsDialog() {
        ctx->analysis = QStringLiteral("層別ヒストグラム");
        fillDataset(ctx->ws.dataset, {{1, 10}, {1, 20}, {2, 1}, {2, 2}}, {"因子", "値"},
                    {"a", "b", "c", "d"});
        const AnalysisLaunch::Opener before = AnalysisLaunch::opener(zel::WindowId::bunform);
        int opened = 0;
        AnalysisLaunch::registerOpener(zel::WindowId::bunform, [&opened](MainContext&) -> ZelWindow* {
            ++opened;
            return nullptr;
        });
        auto* d = qobject_cast<hensi2so*>(openHensi2so(*ctx));
        QVERIFY(d);
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        AnalysisLaunch::registerOpener(zel::WindowId::bunform, before);
        QCOMPARE(opened, 1);
        QVERIFY(!ZelWindow::find(zel::WindowId::hakohso));
        QCOMPARE(ctx->ws.stratifiedSet.seriesCount(), 2);
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestStatisticsWindows)
#include "tst_statistics_windows.moc"
