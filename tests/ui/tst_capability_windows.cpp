// The process capability in the histogram window, driven as a user drives it:
// "規格値の設定(&S)" at the end of the options menu, the limits dialog on the
// limits in use, the lines and the fitted curve on the chart, the curve switch,
// the capability panel, and refused limits that leave everything as it was.
#include "analysis/CapabilityPanel.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XbarR.h"
#include "analysis/control/xrkanri.h"
#include "analysis/histogram/youko.h"
#include "components/chart/ChartView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "AnalysisWindows.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::button;
using uitest::FakeContext;
using uitest::findAction;
using uitest::typeSpecificationLimits;
using uitest::withModal;

namespace {

// "規格値の設定(&S)" from the menu, answered with the two limits and "OK".
void setLimits(QWidget* w, const QString& upper, const QString& lower) {
    withModal(
        [&](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("規格値の設定"));
            typeSpecificationLimits(d, upper, lower);
            button(d, QStringLiteral("Command1"))->click();
        },
        [&] { findAction(w, "kikakuti")->trigger(); });
}

std::vector<std::string> lineTexts(const zel::ChartModel& m) {
    std::vector<std::string> out;
    for (const zel::ReferenceLine& r : m.referenceLines())
        out.push_back(r.label + "@" + QString::number(r.x).toStdString());
    return out;
}

// Series A = 0 1 1 2 3 3 3 against 0.5 .. 3.5, its within σ 0.5 / 1.128.
const QString kPanelA = QStringLiteral("n=7\n平均=1.85714\nσ（全体）=1.21499\nσ（群内）=0.443262\n"
                                       "Cp=1.13\nCpk=1.02\nCpu=1.24\nCpl=1.02\nPp=0.41\nPpk=0.37\n"
                                       "実測ppm=142857.1\n推定ppm=220158.3");

// Every row of the panel whole on one line and in sight: no name wrapped or
// cut short, no value cut, each row inside the panel's viewport, and the
// panel inside the area that shows it.
void checkRowsWhole(const CapabilityPanel* panel, const QWidget* area) {
    QVERIFY(panel->isVisible() && panel->rowCount() > 0);
    const QRect shown(panel->mapTo(area, QPoint(0, 0)), panel->size());
    QVERIFY2(area->rect().contains(shown), qPrintable(QStringLiteral("panel %1,%2 %3x%4 in %5x%6")
                                                          .arg(shown.x())
                                                          .arg(shown.y())
                                                          .arg(shown.width())
                                                          .arg(shown.height())
                                                          .arg(area->width())
                                                          .arg(area->height())));
    const auto* view = static_cast<const QAbstractItemView*>(panel);
    QVERIFY(panel->columnWidth(0) >= view->sizeHintForColumn(0));
    QVERIFY(panel->columnWidth(1) >= view->sizeHintForColumn(1));
    const int line = panel->fontMetrics().lineSpacing();
    for (int r = 0; r < panel->rowCount(); ++r) {
        const QByteArray name = panel->item(r, 0)->text().toUtf8();
        QVERIFY2(panel->rowHeight(r) < 2 * line, name.constData());
        for (int c = 0; c < 2; ++c)
            QVERIFY2(panel->viewport()->rect().contains(panel->visualItemRect(panel->item(r, c))),
                     name.constData());
    }
}

// The panel as read: "name=value" a row.
QString panelText(youko* w) {
    return w->capabilityBox()->rowsText();
}

} // namespace

class TestCapabilityWindows : public QObject {
    Q_OBJECT
  private slots:
    void init() { ctx = uitest::freshContext(QStringLiteral("ヒストグラム")); }
    void cleanup() { uitest::closeWindows(ctx); }

    void histogramMenuEndsWithTheLimitsAndTheCurveSwitch() {
        youko* w = uitest::openYouko(*ctx, 2);
        const uitest::MenuEntries entries = uitest::menuEntries(w->findChild<QMenu*>("gore"));
        QCOMPARE(entries.names.mid(entries.names.size() - 3),
                 QStringList({"pagriset", "kikakuti", "seikibunpu"}));
        QCOMPARE(entries.texts.mid(entries.texts.size() - 2),
                 QStringList({"規格値の設定(&S)", "正規分布曲線の表示(&N)"}));
        QAction* curve = findAction(w, "seikibunpu");
        QVERIFY(curve->isCheckable() && curve->isChecked());
        // Nothing to switch before limits are set.
        QVERIFY(!curve->isEnabled());
        QVERIFY(!w->capabilityBox()->isVisible());
        QVERIFY(w->chart()->model().referenceLines().empty());
    }

    void limitsDrawLinesCurveAndPanelOnEveryRedraw() {
        youko* w = uitest::openYouko(*ctx, 2);
        w->show();
        setLimits(w, QStringLiteral("3.5"), QStringLiteral("0.5"));
        QCOMPARE(w->limits().upper, std::optional<double>(3.5));
        QCOMPARE(w->limits().lower, std::optional<double>(0.5));
        const zel::ChartModel& m = w->chart()->model();
        // Two series open on "Ｚ軸立体棒": no class axis, so no lines; the panel is series 1's.
        QCOMPARE(w->kindList()->currentText(), QStringLiteral("Ｚ軸立体棒"));
        QVERIFY(m.referenceLines().empty());
        QVERIFY(w->capabilityBox()->isVisible());
        QCOMPARE(panelText(w), kPanelA);
        QVERIFY(findAction(w, "seikibunpu")->isEnabled());

        w->kindList()->setCurrentText(QStringLiteral("棒グラフ"));
        QCOMPARE(lineTexts(m), (std::vector<std::string>{"上限規格@4", "下限規格@1"}));
        QCOMPARE(m.curvePoints().size(), std::size_t(97));
        QVERIFY(m.drawsCurve());
        // Series 1's curve: 7 values, class width 1, at most about 7 / (σ √(2π)).
        double top = 0;
        for (const zel::CurvePoint& p : m.curvePoints())
            top = std::max(top, p.y);
        QVERIFY(qAbs(top - 7.0 / (std::sqrt(31.0 / 21.0) * std::sqrt(2 * M_PI))) < 0.01);

        // The switch hides the curve and keeps the lines; a new kind keeps it off.
        findAction(w, "seikibunpu")->trigger();
        QVERIFY(!findAction(w, "seikibunpu")->isChecked());
        QVERIFY(!m.drawsCurve());
        QCOMPARE(lineTexts(m).size(), std::size_t(2));
        w->kindList()->setCurrentText(QStringLiteral("棒グラフ－平均値"));
        QCOMPARE(lineTexts(m), (std::vector<std::string>{"上限規格@3.5", "下限規格@0.5"}));
        QVERIFY(!m.drawsCurve());
        findAction(w, "seikibunpu")->trigger();
        QVERIFY(m.drawsCurve());
        w->kindList()->setCurrentText(QStringLiteral("円グラフ"));
        QVERIFY(m.referenceLines().empty() && !m.drawsCurve());
    }

    void refusedLimitsLeaveEverythingAsItWas() {
        youko* w = uitest::openYouko(*ctx, 1);
        w->show();
        setLimits(w, QStringLiteral("3.5"), QStringLiteral("0.5"));
        const zel::ChartModel& m = w->chart()->model();
        const std::vector<std::string> before = lineTexts(m);
        QCOMPARE(before.size(), std::size_t(2));
        // Reversed: refused with its box, the dialog stays open; then cancelled.
        uitest::SeenBox box;
        withModal(
            [&](QWidget* d) {
                typeSpecificationLimits(d, QStringLiteral("0.5"), QStringLiteral("3.5"));
                box = uitest::answerBox([&] { button(d, QStringLiteral("Command1"))->click(); });
                QVERIFY(d->isVisible());
                button(d, QStringLiteral("Command2"))->click();
            },
            [&] { findAction(w, "kikakuti")->trigger(); });
        QCOMPARE(box.text, QStringLiteral("下限規格が上限規格より大きくなっています。"));
        QCOMPARE(w->limits().upper, std::optional<double>(3.5));
        QCOMPARE(lineTexts(m), before);
        QCOMPARE(panelText(w), kPanelA);

        // Both emptied: the limits are gone, and with them lines, curve and panel.
        setLimits(w, QString(), QString());
        QVERIFY(m.referenceLines().empty() && m.curvePoints().empty());
        QVERIFY(!w->capabilityBox()->isVisible());
        QVERIFY(!findAction(w, "seikibunpu")->isEnabled());

        // One limit only: its line, and the indices of that side.
        setLimits(w, QString(), QStringLiteral("0.5"));
        QCOMPARE(lineTexts(m), (std::vector<std::string>{"下限規格@1"}));
        const QString panel = panelText(w);
        QVERIFY(panel.contains(QStringLiteral("\nCpl=1.02\n")));
        QVERIFY(!panel.contains(QStringLiteral("Cpu")) && !panel.contains(QStringLiteral("Cp=")));
    }

    // The histogram's panel at the window's size on opening, then in a window
    // made low: the window keeps the panel whole while it shows, and may be
    // made low again once the limits are gone.
    void histogramPanelRowsOnOneLineInAnyWindowHeight() {
        youko* w = uitest::openYouko(*ctx, 1);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        setLimits(w, QStringLiteral("3.5"), QStringLiteral("0.5"));
        QCOMPARE(w->capabilityBox()->rowCount(), 12);
        checkRowsWhole(w->capabilityBox(), w->client());
        QCOMPARE(w->capabilityBox()->item(11, 0)->toolTip(),
                 QStringLiteral("規格外れの割合（正規分布による推定）ppm"));

        constexpr int kLow = 300;
        w->resize(w->width(), kLow);
        QCoreApplication::processEvents();
        QVERIFY(w->height() > kLow);
        checkRowsWhole(w->capabilityBox(), w->client());

        setLimits(w, QString(), QString());
        w->resize(w->width(), kLow);
        QCoreApplication::processEvents();
        QCOMPARE(w->height(), kLow);
        // Limits set in the low window make it grow to the panel.
        setLimits(w, QStringLiteral("3.5"), QString());
        QCoreApplication::processEvents();
        checkRowsWhole(w->capabilityBox(), w->client());
    }

    // Xbar-R, n = 2, the masked sample left out: 10 12 | 11 15 | 9 10 | 12 12,
    // R-bar 1.75, within σ 1.75 / 1.128.
    void xbarRPanelWithoutLinesOnTheCharts() {
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        zel::Dataset& d = ctx->ws.dataset;
        const std::vector<std::vector<double>> rows{{10, 12}, {11, 15}, {100, 300}, {9, 10}, {12, 12}};
        d.resize(5, 2);
        d.reserveValues();
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 2; ++j)
                d.setValue(i, j, rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]);
        d.setMask(3, 1);
        ctx->ws.chartData = zel::computeXbarR(d).value();
        auto* w = qobject_cast<xrkanri*>(openXrkanri(*ctx));
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const uitest::MenuEntries entries =
            uitest::menuEntries(w->findChild<QMenu*>(QStringLiteral("xrbop")));
        QCOMPARE(entries.names.last(), QStringLiteral("kikakuti"));
        QCOMPARE(entries.texts.last(), QStringLiteral("規格値の設定(&S)"));
        QVERIFY(!w->capabilityWindow()->isVisible());

        setLimits(w, QStringLiteral("16"), QStringLiteral("7"));
        QVERIFY(w->capabilityWindow()->isVisible());
        QCOMPARE(w->capabilityWindow()->windowTitle(), QStringLiteral("工程能力"));
        checkRowsWhole(w->capabilityBox(), w->capabilityWindow());
        QCOMPARE(w->capabilityBox()->rowsText(),
                 QStringLiteral("n=8\n平均=11.375\nσ（全体）=1.84681\nσ（群内）=1.55142\nCp=0.97\n"
                                "Cpk=0.94\nCpu=0.99\nCpl=0.94\nPp=0.81\nPpk=0.79\n実測ppm=0.0\n"
                                "推定ppm=15053.8"));
        for (int i = 0; i < 2; ++i) {
            QVERIFY(w->chart(i)->model().referenceLines().empty());
            QVERIFY(w->chart(i)->model().curvePoints().empty());
        }

        // Reversed limits refused: the panel as it was.
        uitest::SeenBox box;
        withModal(
            [&](QWidget* dlg) {
                typeSpecificationLimits(dlg, QStringLiteral("7"), QStringLiteral("16"));
                box = uitest::answerBox([&] { button(dlg, QStringLiteral("Command1"))->click(); });
                button(dlg, QStringLiteral("Command2"))->click();
            },
            [&] { findAction(w, "kikakuti")->trigger(); });
        QCOMPARE(box.text, QStringLiteral("下限規格が上限規格より大きくなっています。"));
        QCOMPARE(w->limits().upper, std::optional<double>(16));
        QVERIFY(w->capabilityBox()->rowsText().startsWith(QStringLiteral("n=8\n")));

        // Upper only: that side's indices; no limit: the panel goes.
        setLimits(w, QStringLiteral("16"), QString());
        QVERIFY(w->capabilityBox()->rowsText().contains(QStringLiteral("\nCpk=0.99\nCpu=0.99\nPpk=")));
        setLimits(w, QString(), QString());
        QVERIFY(!w->capabilityWindow()->isVisible());
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestCapabilityWindows)
#include "tst_capability_windows.moc"
