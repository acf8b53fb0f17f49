// Tests of the histogram chain's dialogs and its frequency table, driven as a
// user drives them: the kind dialog hensuup, the graph settings dialog bunform
// with its two change rules and its limits check, and the frequency table dobun
// with its decimal places and the label texts its "OK" hands on.
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/histogram/FrequencyTable.h"
#include "analysis/histogram/bunform.h"
#include "analysis/histogram/dobun.h"
#include "analysis/histogram/hensuup.h"
#include "analysis/statistics/Stratification.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "AnalysisWindows.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <memory>
#include <vector>

using uitest::button;
using uitest::FakeContext;
using uitest::fillDataset;

using uitest::columnHeadings;
using uitest::rowHeadings;
using uitest::shown;
using uitest::shownColumn;

namespace {

// Replaces a field's text by typing.
void type(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}
void type(QSpinBox* spin, int value) {
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
}

QStringList qt(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& t : texts)
        out << QString::fromStdString(t);
    return out;
}

} // namespace

class TestHistogramSettings : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("ヒストグラム"));
        fillDataset(ctx->ws.dataset, uitest::kRangeRows);
        youkoOpened = 0;
        AnalysisLaunch::registerOpener(zel::WindowId::youko, [this](MainContext&) -> ZelWindow* {
            ++youkoOpened;
            return ZelWindow::open<uitest::PlainWindow>(QStringLiteral("youko"));
        });
    }
    void cleanup() {
        AnalysisLaunch::registerOpener(zel::WindowId::youko, {});
        uitest::closeWindows(ctx);
    }

    void hensuupOffersTheKindsTheVariablesAllow() {
        struct Case {
            int variables;
            bool two, three;
        };
        for (const Case c : {Case{1, false, false}, Case{2, true, false}, Case{3, true, true}}) {
            std::vector<std::vector<double>> rows;
            for (const auto& r : uitest::kRangeRows)
                rows.emplace_back(r.begin(), r.begin() + c.variables);
            fillDataset(ctx->ws.dataset, rows);
            ZelWindow* w = AnalysisLaunch::opener(zel::WindowId::hensuup)(*ctx);
            auto* dlg = dynamic_cast<hensuup*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QString("ヒストグラム"));
            QCOMPARE(dlg->option(0)->text(), QString("ヒストグラム"));
            QCOMPARE(dlg->option(1)->text(), QString("２変数ヒストグラム"));
            QCOMPARE(dlg->option(2)->text(), QString("３変数ヒストグラム"));
            QCOMPARE(dlg->option(2)->objectName(), QString("Option3"));
            QVERIFY(dlg->option(0)->isChecked());
            QVERIFY(dlg->option(0)->isEnabled());
            QCOMPARE(dlg->option(1)->isEnabled(), c.two);
            QCOMPARE(dlg->option(2)->isEnabled(), c.three);
            QCOMPARE(button(dlg, "Command2")->text(), QString("ｷｬﾝｾﾙ"));
            button(dlg, "Command2")->click();
            uitest::flushDeletes();
            QVERIFY(!ZelWindow::find(zel::WindowId::hensuup));
        }

        // Each option opens its variable dialog and the kind dialog closes.
        const zel::WindowId dialogs[] = {zel::WindowId::hensi1, zel::WindowId::hensi2, zel::WindowId::hensi3};
        for (int i = 0; i < 3; ++i) {
            auto* dlg = dynamic_cast<hensuup*>(AnalysisLaunch::opener(zel::WindowId::hensuup)(*ctx));
            QVERIFY(dlg);
            dlg->option(i)->click();
            QVERIFY(dlg->option(i)->isChecked());
            button(dlg, "Command1")->click();
            uitest::flushDeletes();
            QVERIFY(!ZelWindow::find(zel::WindowId::hensuup));
            for (int j = 0; j < 3; ++j)
                QCOMPARE(ZelWindow::find(dialogs[j]) != nullptr, i == j);
            ZelWindow::closeAll();
            uitest::flushDeletes();
        }
    }

    void theHistogramsAreOfferedOnceTheirWholeChainExists() {
        // youko has its stand-in; the stratification dialog leads to bunform as well.
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("ヒストグラム")));
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("層別ヒストグラム")));
        const AnalysisLaunch::Opener hensi2so = AnalysisLaunch::opener(zel::WindowId::hensi2so);
        AnalysisLaunch::registerOpener(zel::WindowId::hensi2so, {});
        QVERIFY(!AnalysisLaunch::isAvailable(QStringLiteral("層別ヒストグラム")));
        AnalysisLaunch::registerOpener(zel::WindowId::hensi2so, hensi2so);
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("層別ヒストグラム")));
        // Without the histogram window at the end of the chain neither is offered.
        AnalysisLaunch::registerOpener(zel::WindowId::youko, {});
        QVERIFY(!AnalysisLaunch::isAvailable(QStringLiteral("ヒストグラム")));
        QVERIFY(!AnalysisLaunch::isAvailable(QStringLiteral("層別ヒストグラム")));
        QCOMPARE(AnalysisLaunch::onwardWindows(zel::WindowId::hensuup, zel::AnalysisId::Histogram),
                 std::vector<zel::WindowId>(
                     {zel::WindowId::hensi1, zel::WindowId::hensi2, zel::WindowId::hensi3}));
        QCOMPARE(AnalysisLaunch::onwardWindows(zel::WindowId::hensi2, zel::AnalysisId::Histogram),
                 std::vector<zel::WindowId>{zel::WindowId::bunform});
    }

    void bunformOpensOnTheDataRange() {
        bunform* dlg = openBunform({1});
        QCOMPARE(dlg->windowTitle(), QString("グラフの設定"));
        QCOMPARE(dlg->findChild<QGroupBox*>("Frame1")->title(), QString("入力されたデータの情報"));
        QCOMPARE(dlg->findChild<QLabel*>("maxLabel")->text(), QString("max"));
        QCOMPARE(dlg->findChild<QLabel*>("minLabel")->text(), QString("min"));
        QCOMPARE(dlg->maxValue()->text(), QString("10"));
        QCOMPARE(dlg->minValue()->text(), QString("0"));
        QCOMPARE(dlg->upperBox()->text(), QString("10"));
        QCOMPARE(dlg->lowerBox()->text(), QString("0"));
        QCOMPARE(dlg->widthBox()->text(), QString("1"));
        QCOMPARE(dlg->classSpin()->value(), 10);
        QCOMPARE(dlg->classSpin()->minimum(), 2);
        QCOMPARE(dlg->classSpin()->maximum(), 100);
        QCOMPARE(dlg->classSpin()->singleStep(), 1);
        QCOMPARE(dlg->findChild<QLabel*>("Label1")->text(), QString("作成するグラフの上限値"));
        QCOMPARE(dlg->findChild<QLabel*>("Label2")->text(), QString("作成するグラフの下限値"));
        QCOMPARE(dlg->findChild<QLabel*>("Label3")->text(), QString("作成するグラフのクラス"));
        QCOMPARE(dlg->findChild<QLabel*>("Label4")->text(), QString("ｸﾗｽ"));
        QCOMPARE(dlg->findChild<QLabel*>("Label5")->text(), QString("区間の幅"));
        QCOMPARE(dlg->widthOption()->text(), QString("区間幅で調整"));
        QCOMPARE(dlg->upperOption()->text(), QString("上限値で調整"));
        QVERIFY(dlg->widthOption()->isChecked());
        QVERIFY(dlg->upperBox()->isEnabled());
        QVERIFY(!dlg->widthBox()->isEnabled());
        dlg->close();
        uitest::flushDeletes();

        // Over every series: B and C give 9 and 1.
        dlg = openBunform({2, 3});
        QCOMPARE(dlg->maxValue()->text(), QString("9"));
        QCOMPARE(dlg->minValue()->text(), QString("1"));
        QCOMPARE(dlg->widthBox()->text(), QString("0.8"));
        button(dlg, "Command2")->click();
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::bunform));
        QVERIFY(!ZelWindow::find(zel::WindowId::dobun));
    }

    void bunformKeepsTheFieldsInStep() {
        bunform* dlg = openBunform({1});
        // "区間幅で調整": the width follows the limits and the classes.
        type(dlg->upperBox(), "12");
        QCOMPARE(dlg->widthBox()->text(), QString("1.2"));
        type(dlg->lowerBox(), "2");
        QCOMPARE(dlg->widthBox()->text(), QString("1"));
        type(dlg->classSpin(), 4);
        QCOMPARE(dlg->classSpin()->value(), 4);
        QCOMPARE(dlg->widthBox()->text(), QString("2.5"));
        QCOMPARE(dlg->upperBox()->text(), QString("12"));
        // Unreadable text reads as 0.
        type(dlg->lowerBox(), "x");
        QCOMPARE(dlg->widthBox()->text(), QString("3"));

        // "上限値で調整": the upper limit follows the lower limit, the classes and the width.
        QTest::mouseClick(dlg->upperOption(), Qt::LeftButton);
        QVERIFY(dlg->upperOption()->isChecked());
        QVERIFY(!dlg->upperBox()->isEnabled());
        QVERIFY(dlg->widthBox()->isEnabled());
        QCOMPARE(dlg->upperBox()->text(), QString("12")); // choosing the option changes no field
        type(dlg->widthBox(), "0.5");
        type(dlg->lowerBox(), "3");
        QCOMPARE(dlg->upperBox()->text(), QString("5"));
        type(dlg->classSpin(), 10);
        QCOMPARE(dlg->upperBox()->text(), QString("8"));
        QCOMPARE(dlg->widthBox()->text(), QString("0.5"));

        // Back to the width rule: the width follows again.
        QTest::mouseClick(dlg->widthOption(), Qt::LeftButton);
        QVERIFY(dlg->upperBox()->isEnabled());
        QVERIFY(!dlg->widthBox()->isEnabled());
        type(dlg->lowerBox(), "0");
        QCOMPARE(dlg->widthBox()->text(), QString("0.8"));
        QCOMPARE(dlg->upperBox()->text(), QString("8"));
    }

    void bunformRefusesLimitsInsideTheData() {
        bunform* dlg = openBunform({1});
        uitest::MessageBoxRecorder boxes;
        const QString title = QStringLiteral("グラフの設定");
        const QString upperText = QStringLiteral(
            "グラフの上限値は入力されたデータの最大値よりも大きくなるよう設定を変更してください。");
        const QString lowerText = QStringLiteral(
            "グラフの下限値は入力されたデータの最小値よりも小きくなるよう設定を変更してください。");

        // Both limits inside the data: only the upper limit is named.
        type(dlg->upperBox(), "9.99");
        type(dlg->lowerBox(), "0.01");
        button(dlg, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        uitest::SeenBox box = boxes.take();
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, upperText);
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QCOMPARE(box.parent.data(), static_cast<QWidget*>(dlg));

        type(dlg->upperBox(), "10");
        button(dlg, "Command1")->click();
        QCOMPARE(boxes.count(), 1);
        box = boxes.take();
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, lowerText);
        QVERIFY(ZelWindow::find(zel::WindowId::bunform));
        QVERIFY(!ZelWindow::find(zel::WindowId::dobun));
        QCOMPARE(ctx->ws.classTable.classes, 0); // nothing was counted

        // Limits equal to the data pass: the classes are counted and dobun opens.
        type(dlg->lowerBox(), "0");
        button(dlg, "Command1")->click();
        QCOMPARE(boxes.count(), 0);
        uitest::flushDeletes();
        QVERIFY(!ZelWindow::find(zel::WindowId::bunform));
        QVERIFY(dynamic_cast<dobun*>(ZelWindow::find(zel::WindowId::dobun)));
        const zel::ClassTable& t = ctx->ws.classTable;
        QCOMPARE(t.classes, 10);
        QCOMPARE(t.seriesCount(), 1);
        QCOMPARE(t.bounds.front(), 0.0);
        QCOMPARE(t.bounds.back(), 10.0);
        QCOMPARE(t.count(10, 1), std::int64_t(1)); // the maximum lands in the last class
    }

    void aNewCountReplacesTheTableStillOpen() {
        // Counting again with other classes while the table of the last count is
        // still open shows the new classes, not the old table brought forward.
        QVERIFY(countAndOpenDobun({1}, 10));
        dobun* w = countAndOpenDobun({1}, 5);
        QVERIFY(w);
        QCOMPARE(w->grid().rowCount(), 5);
        QCOMPARE(rowHeadings(w->grid()).size(), 5);
    }

    void dobunShowsOneSeries() {
        dobun* w = countAndOpenDobun({1}, 10);
        QCOMPARE(w->windowTitle(), QString("度数分布表"));
        const DataGrid& g = w->grid();
        QCOMPARE(g.objectName(), QString("Spread1"));
        QCOMPARE(g.text(0, 0), QString("クラス"));
        QCOMPARE(columnHeadings(g), QStringList({"区間(以上）", "区間(未満）", "中心値", "A"}));
        QCOMPARE(rowHeadings(g), QStringList({"NO.1", "NO.2", "NO.3", "NO.4", "NO.5", "NO.6", "NO.7", "NO.8",
                                              "NO.9", "NO.10"}));
        QCOMPARE(shown(g, 1, 3), QString("2.00"));
        QCOMPARE(shown(g, 2, 3), QString("3.00"));
        QCOMPARE(shown(g, 3, 3), QString("2.50"));
        QCOMPARE(shown(g, 2, 10), QString("10.00"));
        QCOMPARE(shownColumn(g, 4), QStringList({"1", "0", "1", "0", "0", "1", "0", "1", "0", "1"}));
        QCOMPARE(g.columnWidthAt(0), 8.0);
        QCOMPARE(g.columnWidthAt(1), 16.0);
        QCOMPARE(g.columnWidthAt(3), 16.0);
        QCOMPARE(g.columnWidthAt(4), 8.0);

        // The spin box and the frame's buttons and menus.
        QCOMPARE(w->findChild<QLabel*>("Label1")->text(), QString("小数点以下表示桁数"));
        QCOMPARE(w->decimalSpin()->value(), 2);
        QCOMPARE(w->decimalSpin()->minimum(), 0);
        QCOMPARE(w->decimalSpin()->maximum(), 10);
        QCOMPARE(w->okButton()->text(), QString("OK"));
        QCOMPARE(w->cancelButton()->text(), QString("ｷｬﾝｾﾙ"));
        QCOMPARE(w->printButton()->text(), QString("印刷"));
        for (const char* menu : {"dofile", "doedit"})
            QVERIFY2(w->findChild<QMenu*>(menu), menu);
        for (const char* item : {"doprin", "doend", "docopy", "dosubete"}) {
            bool found = false;
            for (QAction* a : w->findChildren<QAction*>())
                found = found || a->objectName() == QLatin1String(item);
            QVERIFY2(found, item);
        }
    }

    void dobunShowsThreeSeries() {
        dobun* w = countAndOpenDobun({1, 2, 3}, 2);
        const DataGrid& g = w->grid();
        QCOMPARE(columnHeadings(g), QStringList({"区間(以上）", "区間(未満）", "中心値", "A", "B", "C"}));
        QCOMPARE(rowHeadings(g), QStringList({"NO.1", "NO.2"}));
        QCOMPARE(shownColumn(g, 1), QStringList({"0.00", "5.00"}));
        QCOMPARE(shownColumn(g, 2), QStringList({"5.00", "10.00"}));
        QCOMPARE(shownColumn(g, 3), QStringList({"2.50", "7.50"}));
        QCOMPARE(shownColumn(g, 4), QStringList({"2", "3"}));
        QCOMPARE(shownColumn(g, 5), QStringList({"4", "1"}));
        QCOMPARE(shownColumn(g, 6), QStringList({"0", "5"}));
        for (int c = 4; c <= 6; ++c)
            QCOMPARE(g.columnWidthAt(c), 8.0);
    }

    void dobunDecimalsFormatOnlyTheBoundaries() {
        dobun* w = countAndOpenDobun({1, 2, 3}, 2);
        const DataGrid& g = w->grid();
        QTest::keyClick(w->decimalSpin(), Qt::Key_Down);
        QCOMPARE(shownColumn(g, 1), QStringList({"0.0", "5.0"}));
        QCOMPARE(shownColumn(g, 3), QStringList({"2.5", "7.5"}));
        type(w->decimalSpin(), 0);
        QCOMPARE(shownColumn(g, 1), QStringList({"0", "5"}));
        QCOMPARE(shownColumn(g, 2), QStringList({"5", "10"}));
        QCOMPARE(shownColumn(g, 3), QStringList({"3", "8"})); // halves away from zero
        type(w->decimalSpin(), 4);
        QCOMPARE(shownColumn(g, 2), QStringList({"5.0000", "10.0000"}));
        // The counts stay whole numbers at any decimal places.
        QCOMPARE(shownColumn(g, 4), QStringList({"2", "3"}));
        QCOMPARE(shownColumn(g, 6), QStringList({"0", "5"}));
        // The spin box stops at 10 places.
        type(w->decimalSpin(), 12);
        QVERIFY(w->decimalSpin()->value() <= 10);
        // The numbers stay stored in full.
        QCOMPARE(g.text(3, 1), QString("2.5"));
    }

    void dobunOkHandsTheShownTextsToTheHistogram() {
        dobun* w = countAndOpenDobun({1, 2, 3}, 2);
        const DataGrid& g = w->grid();
        w->okButton()->click();
        QCOMPARE(youkoOpened, 1);
        QVERIFY(ZelWindow::find(zel::WindowId::dobun)); // the table stays open
        const zel::ClassLabelTexts& labels = ctx->ws.classLabels;
        QCOMPARE(qt(labels.bounds), QStringList({"0.00", "5.00", "10.00"}));
        QCOMPARE(qt(labels.mids), QStringList({"2.50", "7.50"}));
        QCOMPARE(QString::fromStdString(labels.rangeLabel(1)), QString("0.00～5.00"));
        QCOMPARE(qt(labels.bounds).mid(0, 2), shownColumn(g, 1));
        QCOMPARE(qt(labels.bounds).back(), shown(g, 2, 2));
        QCOMPARE(qt(labels.mids), shownColumn(g, 3));

        // At 0 places the labels read as the grid rounds; "終了(&E)" acts as "OK".
        type(w->decimalSpin(), 0);
        QAction* end = nullptr;
        for (QAction* a : w->findChildren<QAction*>())
            if (a->objectName() == QLatin1String("doend")) end = a;
        QVERIFY(end);
        end->trigger();
        QCOMPARE(qt(labels.bounds), QStringList({"0", "5", "10"}));
        QCOMPARE(qt(labels.mids), QStringList({"3", "8"}));
        QCOMPARE(qt(labels.mids), shownColumn(g, 3));
        QCOMPARE(QString::fromStdString(labels.rangeLabel(2)), QString("5～10"));
        QVERIFY(ZelWindow::find(zel::WindowId::dobun));

        // Without a histogram window nothing opens; the labels are written all the same.
        AnalysisLaunch::registerOpener(zel::WindowId::youko, {});
        ZelWindow::closeWindows({zel::WindowId::youko});
        youkoOpened = 0;
        type(w->decimalSpin(), 1);
        w->okButton()->click();
        QCOMPARE(youkoOpened, 0);
        QCOMPARE(qt(labels.mids), QStringList({"2.5", "7.5"}));
    }

    void stratifiedHistogramCountsTheStrata() {
        // Factor A (codes 1 and 3), values B; strata named after their first sample.
        fillDataset(ctx->ws.dataset, {{1, 10}, {3, 1}, {1, 20}, {3, 2}, {3, 3}});
        zel::Result<zel::StratifiedSet> set = zel::buildStratifiedSet(ctx->ws.dataset, 1, 2);
        QVERIFY(set);
        ctx->ws.stratifiedSet = std::move(set.value());
        ctx->ws.analysisSet = {}; // the stratified histogram does not read it
        ctx->analysis = QStringLiteral("層別ヒストグラム");
        auto* dlg = dynamic_cast<bunform*>(AnalysisLaunch::opener(zel::WindowId::bunform)(*ctx));
        QVERIFY(dlg);
        QCOMPARE(dlg->maxValue()->text(), QString("20"));
        QCOMPARE(dlg->minValue()->text(), QString("1"));
        QCOMPARE(dlg->widthBox()->text(), QString("1.9"));
        type(dlg->classSpin(), 2);
        button(dlg, "Command1")->click();
        uitest::flushDeletes();
        auto* w = dynamic_cast<dobun*>(ZelWindow::find(zel::WindowId::dobun));
        QVERIFY(w);
        const DataGrid& g = w->grid();
        QCOMPARE(columnHeadings(g), QStringList({"区間(以上）", "区間(未満）", "中心値", "s1", "s2"}));
        QCOMPARE(shownColumn(g, 4), QStringList({"1", "1"}));
        QCOMPARE(shownColumn(g, 5), QStringList({"3", "0"}));
    }

  private:
    // bunform over the Analysis set of the given list positions.
    bunform* openBunform(const std::vector<int>& positions) {
        return uitest::openWithSet<bunform>(*ctx, zel::WindowId::bunform, positions);
    }
    // bunform's "OK" with the data's range and the given classes.
    dobun* countAndOpenDobun(const std::vector<int>& positions, int classes) {
        bunform* dlg = openBunform(positions);
        if (!dlg) return nullptr;
        type(dlg->classSpin(), classes);
        button(dlg, "Command1")->click();
        uitest::flushDeletes();
        return dynamic_cast<dobun*>(ZelWindow::find(zel::WindowId::dobun));
    }

    std::unique_ptr<FakeContext> ctx;
    int youkoOpened = 0;
};

QTEST_MAIN(TestHistogramSettings)
#include "tst_histogram_settings.moc"
