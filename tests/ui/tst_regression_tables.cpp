// Tests of the regression table windows driven as a user drives them: the
// analysis of variance kaibun and the regression line kaityo opened through
// their openers over the workspace's regression, their captions, headings,
// coloured rows and shown texts, the decimals spin boxes, the equations
// rewritten from the shown cells, a second opener call refreshing an open
// window, the refused computation and "OK".
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/scatter/Regression.h"
#include "analysis/scatter/kaibun.h"
#include "analysis/scatter/kaityo.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <memory>
#include <vector>

using uitest::columnHeadings;
using uitest::FakeContext;
using uitest::fillDataset;
using uitest::findAction;
using uitest::openFrom;
using uitest::rowHeadings;
using uitest::shown;
using uitest::shownColumn;
using uitest::shownRow;

namespace {

const QColor kHeadingRowColor(64, 128, 128);

// The regression of the scatter window over the chosen variables (1-based
// dataset columns, Y first), stored where it leaves it.
void computeInto(zel::Workspace& ws, const std::vector<int>& variables) {
    zel::Result<zel::AnalysisSet> set = zel::buildAnalysisSet(ws.dataset, variables);
    QVERIFY(set.isOk());
    zel::Result<std::vector<zel::Regression>> all = zel::computeRegressions(*set);
    QVERIFY(all.isOk());
    ws.regression.seriesCount = set->seriesCount - 1;
    ws.regression.n = set->n;
    ws.regression.series = *all;
}

QStringList menuTexts(const QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << a->text();
    return out;
}

} // namespace

class TestRegressionTables : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("散布図"));
        // Y = 1 2 3 4 6, X1 = 1..5, X2 = 5 3 4 1 2; the masked sample is left out.
        fillDataset(ctx->ws.dataset, {{1, 1, 5}, {9, 9, 9}, {2, 2, 3}, {3, 3, 4}, {4, 4, 1}, {6, 5, 2}},
                    {"収量", "温度", "圧力"}, {"a", "masked", "b", "c", "d", "e"});
        ctx->ws.dataset.setMask(2, 1);
        computeInto(ctx->ws, {1, 2, 3});
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void kaibunShowsOneColouredBlockPerSeries() {
        auto* w = openFrom<kaibun>(*ctx, zel::WindowId::kaibun);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("回帰分析－分散分析表"));
        const DataGrid& g = w->grid();
        QCOMPARE(g.objectName(), QString("Spread1"));
        QCOMPARE(g.rowCount(), 8);
        QCOMPARE(g.text(0, 0), QString(" Source"));
        QCOMPARE(columnHeadings(g), QStringList({" f", " S", " V", " F0", " S'", "ρ(%)", "p値"}));
        QCOMPARE(rowHeadings(g), QStringList({"変数1", "回帰（Ｒ）", "残差（ｅ）", "計（Ｔ）", "変数2",
                                              "回帰（Ｒ）", "残差（ｅ）", "計（Ｔ）"}));
        for (int c = 1; c <= g.columnCount(); ++c) {
            QCOMPARE(g.backColor(c, 1), kHeadingRowColor);
            QCOMPARE(g.backColor(c, 5), kHeadingRowColor);
            QVERIFY(g.backColor(c, 2) != kHeadingRowColor);
            QVERIFY(g.backColor(c, 8) != kHeadingRowColor);
        }
        // Every column is in sight when the window first opens.
        QVERIFY(g.horizontalHeader()->length() <= g.viewport()->width());
        QCOMPARE(shownRow(g, 1), QStringList({"", "", "", "", "", "", ""}));
        QCOMPARE(shownRow(g, 2),
                 QStringList({"1", "14.40", "14.40", "108.00 **", "14.27", "96.40", "0.0019"}));
        QCOMPARE(shownRow(g, 3), QStringList({"3", "0.40", "0.13", "", "0.53", "3.60", ""}));
        QCOMPARE(shownRow(g, 4), QStringList({"4", "14.80", "", "", "14.80", "100.00", ""}));
        QCOMPARE(shownRow(g, 6), QStringList({"1", "8.10", "8.10", "3.63   ", "5.87", "39.64", "0.1530"}));

        // The frame: "OK" and "印刷" only, the decimals spin box, the two menus.
        QCOMPARE(w->okButton()->text(), QString("OK"));
        QCOMPARE(w->okButton()->objectName(), QString("Command1"));
        QVERIFY(!w->cancelButton());
        QCOMPARE(w->printButton()->objectName(), QString("Command3"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QString("小数点以下表示桁数"));
        for (const char* name : {"doprin", "doend", "docopy", "dosubete"})
            QVERIFY2(findAction(w, QString::fromLatin1(name)), name);
        QCOMPARE(menuTexts(w->editMenu()), QStringList({"コピー(&C)", "すべて選択(&A)"}));
    }

    void kaibunDecimalsChangeSVAndSPrimeOnly() {
        auto* w = openFrom<kaibun>(*ctx, zel::WindowId::kaibun);
        QVERIFY(w);
        w->decimalSpin()->setValue(4);
        const DataGrid& g = w->grid();
        QCOMPARE(shownRow(g, 2),
                 QStringList({"1", "14.4000", "14.4000", "108.00 **", "14.2667", "96.40", "0.0019"}));
        QCOMPARE(shownRow(g, 3), QStringList({"3", "0.4000", "0.1333", "", "0.5333", "3.60", ""}));
        QCOMPARE(shownRow(g, 6),
                 QStringList({"1", "8.1000", "8.1000", "3.63   ", "5.8667", "39.64", "0.1530"}));
        w->decimalSpin()->setValue(0);
        QCOMPARE(shownRow(g, 2), QStringList({"1", "14", "14", "108.00 **", "14", "96.40", "0.0019"}));
    }

    void kaityoShowsOneColumnPerSeriesWithItsEquation() {
        auto* w = openFrom<kaityo>(*ctx, zel::WindowId::kaityo);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("回帰直線"));
        const DataGrid& g = w->grid();
        QCOMPARE(g.objectName(), QString("Spread1"));
        QCOMPARE(g.columnCount(), 2);
        QCOMPARE(columnHeadings(g), QStringList({"変数 1", "変数 2"}));
        QCOMPARE(rowHeadings(g), QStringList({"相関係数ｒ", "切片ａ", "方向計数ｂ", "回帰方程式"}));
        QCOMPARE(shownColumn(g, 1), QStringList({"0.99", "-0.40", "1.20", "Y=(-0.40)+(1.20)X"}));
        QCOMPARE(shownColumn(g, 2), QStringList({"-0.74", "5.90", "-0.90", "Y=(5.90)+(-0.90)X"}));
        QVERIFY(!w->cancelButton());
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QString("小数点以下表示桁数"));
        for (const char* name : {"doprin", "doend", "docopy", "dosubete"})
            QVERIFY2(findAction(w, QString::fromLatin1(name)), name);
    }

    void changingTheDecimalsRewritesTheEquations() {
        auto* w = openFrom<kaityo>(*ctx, zel::WindowId::kaityo);
        QVERIFY(w);
        const DataGrid& g = w->grid();
        w->decimalSpin()->setValue(3);
        QCOMPARE(shownColumn(g, 1), QStringList({"0.986", "-0.400", "1.200", "Y=(-0.400)+(1.200)X"}));
        QCOMPARE(shownColumn(g, 2), QStringList({"-0.740", "5.900", "-0.900", "Y=(5.900)+(-0.900)X"}));
        w->decimalSpin()->setValue(0);
        QCOMPARE(shownColumn(g, 1), QStringList({"1", "-0", "1", "Y=(-0)+(1)X"}));
        QCOMPARE(shownColumn(g, 2), QStringList({"-1", "6", "-1", "Y=(6)+(-1)X"}));
    }

    void becomingActiveRewritesTheEquations() {
        auto* w = openFrom<kaityo>(*ctx, zel::WindowId::kaityo);
        auto* other = openFrom<kaibun>(*ctx, zel::WindowId::kaibun);
        QVERIFY(w && other);
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        // Something else wrote over the equation while the window was behind.
        w->grid().setText(1, 4, QStringLiteral("?"));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(shown(w->grid(), 1, 4), QString("Y=(-0.40)+(1.20)X"));
    }

    void aSecondOpenerCallRefillsTheOpenWindows() {
        auto* anova = openFrom<kaibun>(*ctx, zel::WindowId::kaibun);
        auto* line = openFrom<kaityo>(*ctx, zel::WindowId::kaityo);
        QVERIFY(anova && line);
        line->decimalSpin()->setValue(1);
        // The scatter window recomputes with Y = 収量 and X = 圧力 alone.
        computeInto(ctx->ws, {1, 3});
        QCOMPARE(openFrom<kaibun>(*ctx, zel::WindowId::kaibun), anova);
        QCOMPARE(openFrom<kaityo>(*ctx, zel::WindowId::kaityo), line);
        QCOMPARE(anova->grid().rowCount(), 4);
        QCOMPARE(rowHeadings(anova->grid()), QStringList({"変数1", "回帰（Ｒ）", "残差（ｅ）", "計（Ｔ）"}));
        QCOMPARE(shownRow(anova->grid(), 2),
                 QStringList({"1", "8.10", "8.10", "3.63   ", "5.87", "39.64", "0.1530"}));
        QCOMPARE(line->grid().columnCount(), 1);
        QCOMPARE(columnHeadings(line->grid()), QStringList({"変数 1"}));
        // The new table keeps the window's decimals.
        QCOMPARE(shownColumn(line->grid(), 1), QStringList({"-0.7", "5.9", "-0.9", "Y=(5.9)+(-0.9)X"}));
    }

    void aRefusedComputationShowsHeadingsWithoutValues() {
        ctx->ws.regression.series.clear();
        auto* anova = openFrom<kaibun>(*ctx, zel::WindowId::kaibun);
        auto* line = openFrom<kaityo>(*ctx, zel::WindowId::kaityo);
        QVERIFY(anova && line);
        QCOMPARE(anova->grid().rowCount(), 8);
        QCOMPARE(anova->grid().backColor(1, 5), kHeadingRowColor);
        for (int r = 1; r <= 8; ++r)
            QCOMPARE(shownRow(anova->grid(), r), QStringList({"", "", "", "", "", "", ""}));
        QCOMPARE(columnHeadings(line->grid()), QStringList({"変数 1", "変数 2"}));
        QCOMPARE(shownColumn(line->grid(), 2), QStringList({"", "", "", ""}));
        line->decimalSpin()->setValue(3);
        QCOMPARE(shown(line->grid(), 1, 4), QString());
    }

    void okAndTheEndItemClose() {
        auto* anova = openFrom<kaibun>(*ctx, zel::WindowId::kaibun);
        auto* line = openFrom<kaityo>(*ctx, zel::WindowId::kaityo);
        QVERIFY(anova && line);
        QTest::mouseClick(anova->okButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!ZelWindow::find(zel::WindowId::kaibun));
        QVERIFY(ZelWindow::find(zel::WindowId::kaityo));
        findAction(line, QStringLiteral("doend"))->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!ZelWindow::find(zel::WindowId::kaityo));
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestRegressionTables)
#include "tst_regression_tables.moc"
