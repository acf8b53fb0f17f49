// The run rules in the control-chart windows, driven as a user drives them:
// the options menu's "判定ルールの設定(&J)" on all four windows (and the access
// keys of the options menus it and the capability extend), the dialog's texts
// and defaults, the choice kept in the settings store, the flags on the chart
// models after each drawing, and a rule switched off taking its flags away.
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartWindow.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/RunRulesDialog.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"
#include "analysis/histogram/youko.h"
#include "components/chart/ChartView.h"
#include "dataset/Dataset.h"
#include "presentation/GraphWindow.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QtTest>

#include "AnalysisWindows.h"
#include "UiTestSupport.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

using uitest::button;
using uitest::findAction;

namespace {

using Flags = std::vector<std::pair<int, std::string>>;

// One column of values (or rows of a sample), labelled a, b, c ...
zel::Dataset makeDataset(const std::vector<std::vector<double>>& rows) {
    zel::Dataset d;
    d.resize(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    d.reserveValues();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            d.setValue(static_cast<int>(i + 1), static_cast<int>(j + 1), rows[i][j]);
        d.setLabel(static_cast<int>(i + 1), std::string(1, static_cast<char>('a' + i % 26)));
    }
    for (int j = 1; j <= d.variableCount(); ++j)
        d.setName(j, "v" + std::to_string(j));
    return d;
}

const QStringList kRuleTexts = {
    "1  管理限界の外に出た点",
    "2  中心線の同じ側に9点連続",
    "3  6点連続して上昇または下降",
    "4  14点連続して交互に上下",
    "5  連続3点中2点が同じ側の2σを超えた",
    "6  連続5点中4点が同じ側の1σを超えた",
    "7  15点連続して中心線から1σ以内",
    "8  8点連続して中心線から1σを超えた（両側）",
};

QCheckBox* ruleBox(QWidget* dialog, int rule) {
    return dialog->findChild<QCheckBox*>(QStringLiteral("Check%1").arg(rule));
}

// Chooses the window's "判定ルールの設定(&J)" and answers the dialog with body,
// from inside its own loop; the body must close it.
void chooseRules(QWidget* window, const std::function<void(QWidget*)>& body) {
    QAction* item = findAction(window, QStringLiteral("rulesset"));
    QVERIFY(item);
    uitest::withModal(body, [item] { item->trigger(); });
}

// The flags of the chart's model on every series: (series, point, text).
std::vector<std::tuple<int, int, std::string>> allFlags(QWidget* window, int chart) {
    auto* graph = qobject_cast<GraphWindow*>(window);
    std::vector<std::tuple<int, int, std::string>> out;
    if (!graph) return out;
    const zel::ChartModel& m = graph->chart(chart)->model();
    for (int s = 1; s <= m.seriesCount(); ++s)
        for (const auto& [point, text] : m.signalsOf(s))
            out.emplace_back(s, point, text);
    return out;
}

// The window of this kind over three small samples of its own: "xrkanri",
// "xrskanri", "pkanri", "kanri1", or the histogram "youko".
ZelWindow* openChartWindow(uitest::FakeContext& ctx, const QString& kind) {
    if (kind == QStringLiteral("youko")) return uitest::openYouko(ctx, 1);
    zel::Workspace& ws = ctx.ws;
    if (kind == QStringLiteral("xrkanri")) {
        ws.dataset = makeDataset({{10, 12}, {11, 15}, {9, 10}});
        ws.chartData = zel::computeXbarR(ws.dataset).value();
        return openXrkanri(ctx);
    }
    if (kind == QStringLiteral("xrskanri")) {
        ws.dataset = makeDataset({{1}, {3}, {2}});
        ws.chartData = zel::collectXRs(ws.dataset, 1).value();
        zel::computeXRsLines(ws.chartData);
        return openXrskanri(ctx);
    }
    if (kind == QStringLiteral("pkanri")) {
        ws.dataset = makeDataset({{500, 31}, {800, 42}, {650, 39}});
        ws.chartData = zel::collectPPn(ws.dataset, 1, 2).value();
        zel::computePPnLines(ws.chartData);
        zel::fillPPnPlotted(ws.chartData);
        return openPkanri(ctx);
    }
    if (kind == QStringLiteral("kanri1")) {
        ws.dataset = makeDataset({{2}, {4}, {6}});
        ws.chartData = zel::computeDefectCount(ws.dataset, 1).value();
        return openKanri1(ctx);
    }
    return nullptr;
}

std::vector<std::tuple<int, int, std::string>> onSeries(int series, const Flags& flags) {
    std::vector<std::tuple<int, int, std::string>> out;
    for (const auto& [point, text] : flags)
        out.emplace_back(series, point, text);
    return out;
}

} // namespace

class TestRunRulesWindows : public QObject {
    Q_OBJECT
  private slots:
    void init() { ctx = uitest::freshContext({}); }
    void cleanup() { uitest::closeWindows(ctx); }

    // Every control-chart window has the item after the items it always had.
    void theItemOnEveryWindow() {
        const auto check = [](ZelWindow* w, const char* optionsName) {
            QVERIFY(w);
            auto* options = w->findChild<QMenu*>(QString::fromLatin1(optionsName));
            QVERIFY2(options, optionsName);
            const QList<QAction*> items = options->actions();
            QAction* rules = nullptr;
            for (QAction* a : items)
                if (a->objectName() == QStringLiteral("rulesset")) rules = a;
            QVERIFY(rules);
            QCOMPARE(rules->text(), QStringLiteral("判定ルールの設定(&J)"));
            // Only the other added item may follow it: the Xbar-R window's
            // specification limits.
            for (qsizetype i = items.indexOf(rules) + 1; i < items.size(); ++i)
                QCOMPARE(items[i]->objectName(), QStringLiteral("kikakuti"));
            ZelWindow::closeAll();
            uitest::flushDeletes();
        };
        check(openChartWindow(*ctx, QStringLiteral("xrkanri")), "xrbop");
        check(openChartWindow(*ctx, QStringLiteral("xrskanri")), "xrsop");
        check(openChartWindow(*ctx, QStringLiteral("pkanri")), "pkanop");
        check(openChartWindow(*ctx, QStringLiteral("kanri1")), "ketop");
    }

    // The options menus that the run rules and the process capability extend:
    // every item has an access key of its own (Alt and the letter reach one
    // item only), but for the histogram's submenus "凡例" and "データの分離",
    // which have none.
    void optionsMenuItemsHaveDistinctAccessKeys_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("withoutKey");
        QTest::newRow("youko") << "youko"
                               << "gore" << QStringList{"hishan", "ybun"};
        QTest::newRow("xrkanri") << "xrkanri"
                                 << "xrbop" << QStringList{};
        QTest::newRow("xrskanri") << "xrskanri"
                                  << "xrsop" << QStringList{};
        QTest::newRow("pkanri") << "pkanri"
                                << "pkanop" << QStringList{};
        QTest::newRow("kanri1") << "kanri1"
                                << "ketop" << QStringList{};
    }
    void optionsMenuItemsHaveDistinctAccessKeys() {
        QFETCH(QString, kind);
        QFETCH(QString, menu);
        QFETCH(QStringList, withoutKey);
        ctx->analysis = kind == QStringLiteral("youko") ? QStringLiteral("ヒストグラム") : QString();
        ZelWindow* w = openChartWindow(*ctx, kind);
        QVERIFY(w);
        auto* options = w->findChild<QMenu*>(menu);
        QVERIFY(options);
        const uitest::MenuEntries entries = uitest::menuEntries(options);
        QHash<QKeySequence, QString> taken;
        for (qsizetype i = 0; i < entries.texts.size(); ++i) {
            const QString& text = entries.texts[i];
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(key.isEmpty() == withoutKey.contains(entries.names[i]), qPrintable(text));
            if (key.isEmpty()) continue;
            QVERIFY2(!taken.contains(key), qPrintable(taken.value(key) + QStringLiteral(" / ") + text));
            taken.insert(key, text);
        }
    }

    // Defect counts 2, 3, 2, 3 ... (fourteen points) and 30: c-bar 65/15, UCL
    // 4.33 + 3 x 2.08 = 10.58, LCL 0. Points 9 to 14 close runs of nine below
    // CL (rule 2), point 14 closes fourteen alternating points (rule 4), point
    // 15 is beyond UCL (rule 1). Rule 3 finds no trend.
    void flagsFollowTheStoredChoice() {
        std::vector<std::vector<double>> rows;
        for (int i = 0; i < 14; ++i)
            rows.push_back({i % 2 == 0 ? 2.0 : 3.0});
        rows.push_back({30});
        ctx->ws.dataset = makeDataset(rows);
        ctx->ws.chartData = zel::computeDefectCount(ctx->ws.dataset, 1).value();
        ZelWindow* w = openKanri1(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(allFlags(w, 0),
                 onSeries(1, {{9, "2"}, {10, "2"}, {11, "2"}, {12, "2"}, {13, "2"}, {14, "2,4"}, {15, "1"}}));

        // The dialog: its caption, the eight rules, 1 to 4 ticked.
        QString caption;
        chooseRules(w, [&](QWidget* d) {
            caption = d->windowTitle();
            for (int r = 1; r <= 8; ++r) {
                QCheckBox* box = ruleBox(d, r);
                QVERIFY(box);
                QCOMPARE(box->text(), kRuleTexts[r - 1]);
                QCOMPARE(box->isChecked(), r <= 4);
            }
            QCOMPARE(button(d, QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
            QCOMPARE(button(d, QStringLiteral("Command2"))->text(), QStringLiteral("ｷｬﾝｾﾙ"));
            // Rule 2 off, cancelled: nothing changes.
            QTest::mouseClick(ruleBox(d, 2), Qt::LeftButton);
            QTest::mouseClick(button(d, QStringLiteral("Command2")), Qt::LeftButton);
        });
        QCOMPARE(caption, QStringLiteral("判定ルールの設定"));
        QVERIFY(!zel::appSettings().contains("rules", "set"));
        QCOMPARE(allFlags(w, 0).size(), std::size_t(7));

        // Rule 2 off, OK: stored, and the chart drawn again without its flags.
        chooseRules(w, [&](QWidget* d) {
            QVERIFY(ruleBox(d, 2)->isChecked());
            QTest::mouseClick(ruleBox(d, 2), Qt::LeftButton);
            QTest::mouseClick(button(d, QStringLiteral("Command1")), Qt::LeftButton);
        });
        QCOMPARE(zel::appSettings().read("rules", "set", ""), std::string("1,3,4"));
        QCOMPARE(allFlags(w, 0), onSeries(1, {{14, "4"}, {15, "1"}}));

        // The dialog opens on the stored choice; every rule off leaves no flag,
        // also after a new kind is drawn.
        chooseRules(w, [&](QWidget* d) {
            for (int r = 1; r <= 8; ++r) {
                QCOMPARE(ruleBox(d, r)->isChecked(), r == 1 || r == 3 || r == 4);
                if (ruleBox(d, r)->isChecked()) QTest::mouseClick(ruleBox(d, r), Qt::LeftButton);
            }
            QTest::mouseClick(button(d, QStringLiteral("Command1")), Qt::LeftButton);
        });
        QCOMPARE(zel::appSettings().read("rules", "set", "x"), std::string());
        QVERIFY(allFlags(w, 0).empty());
        auto* kinds = static_cast<ControlChartWindow*>(w)->kindList(0);
        kinds->setCurrentText(QStringLiteral("棒グラフ"));
        kinds->setCurrentText(QStringLiteral("折れ線グラフ"));
        QVERIFY(allFlags(w, 0).empty());

        // A choice stored before the window opens is judged at its first drawing.
        ZelWindow::closeAll();
        uitest::flushDeletes();
        zel::appSettings().write("rules", "set", "1,2");
        w = openKanri1(*ctx);
        QCOMPARE(allFlags(w, 0),
                 onSeries(1, {{9, "2"}, {10, "2"}, {11, "2"}, {12, "2"}, {13, "2"}, {14, "2"}, {15, "1"}}));
    }

    // Xbar-R, n = 2: means 11, 12, 11, 12, 31 over ranges of 2: X-double-bar
    // 15.4, UCL 15.4 + 1.88 x 2 = 19.16, LCL 11.64. Means 1, 3 and 5 are beyond
    // a limit (rule 1), 2 and 4 just inside; the R chart, all on CL, has none. The flags sit on the data
    // series (the fourth, after the lines), not on the lines.
    void flagsOnTheDataSeriesOfEachChart() {
        ctx->ws.dataset = makeDataset({{10, 12}, {11, 13}, {10, 12}, {11, 13}, {30, 32}});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        ZelWindow* w = openXrkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(allFlags(w, 0), onSeries(4, {{1, "1"}, {3, "1"}, {5, "1"}}));
        QVERIFY(allFlags(w, 1).empty());
    }

    // The list "異常判定" beside the same window: a line per flagged point with
    // its chart, point, label, rules and what they mean; a click on a line
    // selects the point as a click on the chart does.
    void theListNamesEveryFlaggedPointAndSelectsIt() {
        ctx->ws.dataset = makeDataset({{10, 12}, {11, 13}, {10, 12}, {11, 13}, {30, 32}});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        auto* w = qobject_cast<ControlChartWindow*>(openXrkanri(*ctx));
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        QWidget* listWindow = w->ruleListWindow();
        QVERIFY(listWindow->isVisible());
        QCOMPARE(listWindow->windowTitle(), QStringLiteral("異常判定"));
        // Beside the window, and on the screen even where the window leaves no room.
        QVERIFY(listWindow->geometry().left() > w->geometry().left());
        QVERIFY(w->screen()->availableGeometry().contains(listWindow->frameGeometry()));
        QTableWidget* list = w->ruleList();
        QStringList headings;
        for (int c = 0; c < list->columnCount(); ++c)
            headings << list->horizontalHeaderItem(c)->text();
        QCOMPARE(headings, (QStringList{"グラフ", "点", "ラベル", "ルール", "内容"}));
        QCOMPARE(list->rowCount(), 3);
        const auto row = [list](int r) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->item(r, c)->text();
            return cells;
        };
        QCOMPARE(row(0), (QStringList{"1", "1", "a", "1", "1: 管理限界の外に出た点"}));
        QCOMPARE(row(2), (QStringList{"1", "5", "e", "1", "1: 管理限界の外に出た点"}));

        // A click on the third line: point 5 of the Xbar chart, its mean in the panel.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2, 1)).center());
        QCOMPARE(w->chart(0)->model().currentSeries(), 4);
        QCOMPARE(w->chart(0)->model().currentPoint(), 5);
        QCOMPARE(w->valueBox(0)->text(), QStringLiteral(" 31"));
        // The redraw a click on this window makes keeps the list and its line.
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->currentRow(), 2);

        // With every rule switched off the list goes.
        storeRunRules(zel::appSettings(), zel::RuleSet{});
        w->redraw();
        QVERIFY(!listWindow->isVisible());
    }

  private:
    std::unique_ptr<uitest::FakeContext> ctx;
};

QTEST_MAIN(TestRunRulesWindows)
#include "tst_run_rules_windows.moc"
