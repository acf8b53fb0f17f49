// Tests of the four control-chart windows driven as a user drives them: the
// panel boxes and kind lists, point clicks, kind changes, the menus, the lot
// limits of the p chart and the entered limits of the defect-count chart.
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/DefectCount.h"
#include "analysis/control/PChart.h"
#include "analysis/control/XRs.h"
#include "analysis/control/XbarR.h"
#include "common/NumberText.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "presentation/GraphWindow.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "AnalysisWindows.h"
#include "ChartPictureSupport.h"
#include "ChartPoints.h"
#include "UiTestSupport.h"

#include <functional>
#include <memory>

using uitest::answerLimits;
using uitest::elementPixel;
using uitest::FakeContext;
using uitest::findAction;
using uitest::items;

namespace {

// rows of values, one label per row; a row whose label starts with '-' is masked.
zel::Dataset makeDataset(const std::vector<std::vector<double>>& rows,
                         const std::vector<std::string>& labels) {
    zel::Dataset d;
    d.resize(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    d.reserveValues();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            d.setValue(static_cast<int>(i + 1), static_cast<int>(j + 1), rows[i][j]);
        d.setLabel(static_cast<int>(i + 1), labels[i]);
        if (!labels[i].empty() && labels[i][0] == '-') d.setMask(static_cast<int>(i + 1), 1);
    }
    for (int j = 1; j <= d.variableCount(); ++j)
        d.setName(j, "v" + std::to_string(j));
    return d;
}

template <class T> T* child(QWidget* window, const QString& name) {
    return window->findChild<T*>(name);
}

const QStringList kKinds = {"円グラフ",       "立体円グラフ",       "棒グラフ",     "立体棒グラフ",
                            "棒グラフ（横）", "立体棒グラフ（横）", "折れ線グラフ", "エリアグラフ",
                            "帯グラフ",       "立体エリアグラフ"};

// Runs `body` on each modal widget as it comes up, polling until `count` have been
// handled or a second has passed.
void handleModals(int count, const std::function<void(QWidget*, int)>& body, int* handled) {
    *handled = 0;
    auto poll = std::make_shared<std::function<void(int)>>();
    *poll = [=](int tries) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->property("handledByTest").isNull()) {
            modal->setProperty("handledByTest", true);
            body(modal, *handled);
            ++*handled;
        }
        if (*handled < count && tries < 100) QTimer::singleShot(10, [poll, tries] { (*poll)(tries + 1); });
    };
    QTimer::singleShot(0, [poll] { (*poll)(0); });
}

} // namespace

class TestControlCharts : public QObject {
    Q_OBJECT
  private slots:
    void init() { ctx = uitest::freshContext({}); }
    void cleanup() { uitest::closeWindows(ctx); }

    // Xbar-R, n = 2: means 11, 13, 9.5, 12 (X-double-bar 11.375), ranges 2, 4, 1, 0
    // (R-bar 1.75); A2 = 1.88, D4 = 3.267, D3 = 0. The masked sample is left out.
    void xrkanriPanelKindsAndClicks() {
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        ctx->ws.dataset =
            makeDataset({{10, 12}, {11, 15}, {100, 300}, {9, 10}, {12, 12}}, {"A", "B", "-masked", "C", "D"});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        ZelWindow* w = openXrkanri(*ctx);
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("xrkanri"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Xbar-R管理図"));
        QVERIFY(QTest::qWaitForWindowExposed(w));

        // The six boxes in signed number text.
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QStringLiteral(" 11.375"));
        QCOMPARE(child<QLineEdit>(w, "Text2")->text(), QStringLiteral(" 14.665"));
        QCOMPARE(child<QLineEdit>(w, "Text3")->text(), QStringLiteral(" 8.085"));
        QCOMPARE(child<QLineEdit>(w, "Textcl")->text(), QStringLiteral(" 1.75"));
        QCOMPARE(child<QLineEdit>(w, "Textucl")->text(), QStringLiteral(" 5.71725"));
        QCOMPARE(child<QLineEdit>(w, "Textlcl")->text(), QStringLiteral(" 0"));
        QVERIFY(child<QLineEdit>(w, "Textpoint")->text().isEmpty());
        QVERIFY(child<QLineEdit>(w, "Text8")->text().isEmpty());
        // The panel captions of both charts.
        for (const char* name : {"Label2", "Label11"})
            QCOMPARE(child<QLabel>(w, name)->text(), QStringLiteral("データ値"));
        for (const char* name : {"Label3", "Label9"})
            QCOMPARE(child<QLabel>(w, name)->text(), QStringLiteral("CL"));
        for (const char* name : {"Label5", "Label8"})
            QCOMPARE(child<QLabel>(w, name)->text(), QStringLiteral("UCL"));
        for (const char* name : {"Label6", "Label7"})
            QCOMPARE(child<QLabel>(w, name)->text(), QStringLiteral("LCL"));
        for (const char* name : {"Label4", "Label12"})
            QCOMPARE(child<QLabel>(w, name)->text(), QStringLiteral("グラフ種類"));

        // Both kind lists: the ten kinds, the line chart chosen, nothing to type.
        for (const char* name : {"graphs", "Combo1"}) {
            auto* list = child<QComboBox>(w, name);
            QVERIFY(list);
            QCOMPARE(items(list), kKinds);
            QCOMPARE(list->currentText(), QStringLiteral("折れ線グラフ"));
            QVERIFY(!list->isEditable());
        }

        // The line kind: CL, UCL, LCL, then the four means, on a fixed axis from the
        // lowest of values and LCL to the highest of values and UCL, in 4 divisions.
        auto* g1 = child<ChartView>(w, "Graph1");
        auto* g2 = child<ChartView>(w, "Graph2");
        const zel::ChartModel& mean = g1->model();
        QCOMPARE(mean.chartType(), zel::ChartType::Line);
        QCOMPARE(mean.seriesCount(), 4);
        QCOMPARE(mean.pointCount(), 4);
        QCOMPARE(mean.value(4, 2), 13.0);
        QCOMPARE(mean.value(1, 3), 11.375);
        QCOMPARE(mean.yAxisScale(), 2);
        QCOMPARE(mean.yAxisMax(), mean.value(2, 1));
        QCOMPARE(mean.yAxisMin(), mean.value(3, 1));
        QCOMPARE(mean.yAxisTicks(), 4);
        QCOMPARE(mean.pointLabelAt(3), std::string("C"));
        QCOMPARE(mean.hitReporting(), 1);
        QCOMPARE(g2->model().yAxisMin(), 0.0);
        QCOMPARE(mean.titleTop(), std::string("平均値　Ｘbar"));
        QCOMPARE(g2->model().titleTop(), std::string("範囲　Ｒ"));

        // A click on the second mean shows it and draws the mean chart again; a click
        // on the range chart's UCL line shows the line's value.
        const int meanDraws = mean.drawCount();
        const int rangeDraws = g2->model().drawCount();
        QVERIFY(uitest::clickPoint(g1, 4, 2));
        QCOMPARE(child<QLineEdit>(w, "Textpoint")->text(), QStringLiteral(" 13"));
        QVERIFY(mean.drawCount() > meanDraws);
        QCOMPARE(g2->model().drawCount(), rangeDraws);
        QVERIFY(uitest::clickPoint(g2, 2, 3));
        QCOMPARE(child<QLineEdit>(w, "Text8")->text(), QStringLiteral(" 5.71725"));
        QCOMPARE(child<QLineEdit>(w, "Textpoint")->text(), QStringLiteral(" 13"));

        // Another kind redraws that chart alone; the fixed axis stays in force.
        const int before = mean.drawCount();
        const int other = g2->model().drawCount();
        auto* graphs = child<QComboBox>(w, "graphs");
        graphs->setCurrentText(QStringLiteral("棒グラフ（横）"));
        QCOMPARE(mean.chartType(), zel::ChartType::Bar);
        QCOMPARE(mean.chartStyle(), 1);
        QCOMPARE(mean.seriesCount(), 1);
        QCOMPARE(mean.yAxisScale(), 2);
        QVERIFY(mean.drawCount() > before);
        QCOMPARE(g2->model().drawCount(), other);
        QCOMPARE(g2->model().chartType(), zel::ChartType::Line);
        child<QComboBox>(w, "Combo1")->setCurrentText(QStringLiteral("立体エリアグラフ"));
        QCOMPARE(g2->model().chartType(), zel::ChartType::Area3D);
        // A resize keeps each chart's kind.
        w->resize(w->width() + 40, w->height() + 40);
        QCoreApplication::processEvents();
        QCOMPARE(mean.chartType(), zel::ChartType::Bar);
        QCOMPARE(g2->model().chartType(), zel::ChartType::Area3D);
    }

    // The twips layout of the two-chart windows: charts at 120, the second one at
    // (SH + 120) / 2, widths SW - 2250, heights (SH - 320) / 2, the panels at SW - 2050
    // with the second panel following the second chart.
    void twoChartLayout() {
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        ctx->ws.dataset = makeDataset({{1, 2}, {2, 4}, {3, 3}}, {"a", "b", "c"});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        ZelWindow* w = openXrkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->resize(900, 600);
        QWidget* client = child<QWidget>(w, "client");
        QTRY_COMPARE(w->width(), 900);
        QCoreApplication::processEvents();
        const double sw = zel::Twips::fromPixels(client->width());
        const double sh = zel::Twips::fromPixels(client->height());
        auto px = [](double t) { return zel::Twips::toPixels(t); };
        const QRect g1 = child<QWidget>(w, "Graph1")->geometry();
        const QRect g2 = child<QWidget>(w, "Graph2")->geometry();
        QCOMPARE(g1, QRect(px(120), px(120), px(sw - 2250), px((sh - 320) / 2)));
        QCOMPARE(g2, QRect(px(120), px((sh + 120) / 2), px(sw - 2250), px((sh - 320) / 2)));
        QCOMPARE(child<QWidget>(w, "Label2")->pos(), QPoint(px(sw - 2050), px(120)));
        QCOMPARE(child<QWidget>(w, "graphs")->pos(), QPoint(px(sw - 2050), px(2550)));
        QCOMPARE(child<QWidget>(w, "Label11")->pos(), QPoint(px(sw - 2050), px((sh + 120) / 2)));
        QCOMPARE(child<QWidget>(w, "Combo1")->pos(), QPoint(px(sw - 2050), px((sh + 120) / 2 + 2430)));
        QCOMPARE(child<QWidget>(w, "Textlcl")->width(), px(2000));
    }

    // Every window with two charts gives both the same plot-area left and right edges,
    // however wide each chart's axis labels are, so that the points of one sample stand
    // one above the other: after opening, after a kind change and after a resize.
    void twoChartsShareThePlotEdges() {
        auto check = [](ZelWindow* w, const char* what) {
            auto* g1 = child<ChartView>(w, "Graph1");
            auto* g2 = child<ChartView>(w, "Graph2");
            QCoreApplication::processEvents();
            const uitest::PlotEdges e1 = uitest::plotEdges(g1->grab().toImage());
            const uitest::PlotEdges e2 = uitest::plotEdges(g2->grab().toImage());
            QVERIFY2(e1.left > 0 && e2.left > 0, what);
            QCOMPARE(g1->x(), g2->x());
            QVERIFY2(e1.left == e2.left,
                     qPrintable(QStringLiteral("%1: left %2 and %3").arg(what).arg(e1.left).arg(e2.left)));
            QVERIFY2(e1.right == e2.right,
                     qPrintable(QStringLiteral("%1: right %2 and %3").arg(what).arg(e1.right).arg(e2.right)));
            // The same sample stands at the same x in both, and a click there finds it.
            if (g2->model().chartType() == zel::ChartType::Line) {
                QCOMPARE(elementPixel(g1, 4, 2).x(), elementPixel(g2, 4, 2).x());
                QVERIFY(uitest::clickPoint(g2, 4, 2));
                QCOMPARE(child<QLineEdit>(w, "Text8")->text(),
                         QString::fromStdString(zel::signedNumberText(g2->model().value(4, 2))));
            }
        };

        // Xbar-R: means about 12345.6 over ranges below 2.
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        ctx->ws.dataset =
            makeDataset({{12345.61, 12345.02}, {12346.3, 12345.9}, {12344.8, 12345.5}, {12345.2, 12346.7}},
                        {"a", "b", "c", "d"});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        ZelWindow* w = openXrkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        check(w, "xrkanri");
        child<QComboBox>(w, "Combo1")->setCurrentText(QStringLiteral("棒グラフ"));
        check(w, "xrkanri, bars below");
        w->resize(w->width() + 120, w->height() + 40);
        QTRY_VERIFY(child<QWidget>(w, "Graph1")->width() > 0);
        check(w, "xrkanri, resized");
        ZelWindow::closeAll();
        QCoreApplication::processEvents();

        // X-Rs: values about 250000 over moving ranges below 10.
        ctx->analysis = QStringLiteral("X-Rs 管理図");
        ctx->ws.dataset =
            makeDataset({{250001.5}, {250007.25}, {249998}, {250003.125}}, {"p", "q", "r", "s"});
        ctx->ws.chartData = zel::collectXRs(ctx->ws.dataset, 1).value();
        zel::computeXRsLines(ctx->ws.chartData);
        w = openXrskanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        check(w, "xrskanri");
        ZelWindow::closeAll();
        QCoreApplication::processEvents();

        // P-Pn: fractions below 0.1 over counts in the hundreds.
        ctx->analysis = QStringLiteral("P-Pn 管理図");
        ctx->ws.dataset = makeDataset({{5000, 310}, {8000, 420}, {6500, 390}}, {"L1", "L2", "L3"});
        auto collected = zel::collectPPn(ctx->ws.dataset, 1, 2);
        QVERIFY(collected.isOk());
        ctx->ws.chartData = collected.value();
        zel::computePPnLines(ctx->ws.chartData);
        zel::fillPPnPlotted(ctx->ws.chartData);
        w = openPkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        check(w, "pkanri");
    }

    // "カラー" prints both charts as one job: without a printer the file name is asked
    // once, and the one PDF holds one page with both charts, their plot areas aligned.
    void printingTwoChartsMakesOnePdf() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("xrkanri.pdf"));
        int asked = 0;
        ChartView::setPdfPathProvider([&] {
            ++asked;
            return pdf;
        });
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        ctx->ws.dataset =
            makeDataset({{12345.61, 12345.02}, {12346.3, 12345.9}, {12344.8, 12345.5}}, {"a", "b", "c"});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        ZelWindow* w = openXrkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        findAction(w, "gcolor")->trigger();
        ChartView::setPdfPathProvider({});
        QCOMPARE(asked, 1);
        QVERIFY(QFile::exists(pdf));
        // With ZEL_KEEP_PRINTS naming a folder, the printed PDF is kept there to be looked at.
        if (const QString keep = qEnvironmentVariable("ZEL_KEEP_PRINTS"); !keep.isEmpty()) {
            QFile::remove(keep + QStringLiteral("/xrkanri.pdf"));
            QFile::copy(pdf, keep + QStringLiteral("/xrkanri.pdf"));
        }
        QCOMPARE(uitest::pdfPageCount(pdf), 1);
        // Both charts' titles are on the page (their first words: the text extracted
        // from the page may run a title into the labels beside it).
        const QRegularExpression blanks(QStringLiteral("\\s+"),
                                        QRegularExpression::UseUnicodePropertiesOption);
        const QString text = uitest::pdfText(pdf);
        for (const char* name : {"Graph1", "Graph2"}) {
            const QString title =
                QString::fromStdString(child<ChartView>(w, name)->model().titleTop()).split(blanks).first();
            QVERIFY(!title.isEmpty());
            QVERIFY2(text.contains(title), qPrintable(title + QStringLiteral(" in ") + text));
        }
        // One chart in the upper half of the page, one in the lower, with one frame's edges.
        const QImage page = uitest::pdfPage(pdf);
        QVERIFY(!page.isNull());
        const uitest::PlotEdges upper = uitest::plotEdges(page, 0, page.height() / 2, 0.25);
        const uitest::PlotEdges lower = uitest::plotEdges(page, page.height() / 2, page.height(), 0.25);
        QVERIFY(upper.left > 0 && lower.left > 0);
        QCOMPARE(upper.left, lower.left);
        QCOMPARE(upper.right, lower.right);
    }

    void xrkanriMenus() {
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        ctx->ws.dataset = makeDataset({{1, 2}, {2, 4}, {3, 3}}, {"a", "b", "c"});
        ctx->ws.chartData = zel::computeXbarR(ctx->ws.dataset).value();
        QPointer<ZelWindow> w = openXrkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QList<QPair<QString, QString>> expected = {{"gcolor", "カラー(&C)"},
                                                         {"fmono", "モノクロ(&M)"},
                                                         {"gx", "Ｘｂｅｒ管理図(&X)"},
                                                         {"gr", "Ｒ管理図(&R)"},
                                                         {"gxm", "Ｘｂｅｒ管理図(&X)"},
                                                         {"grm", "Ｒ管理図(&R)"},
                                                         {"xrbti", "タイトルの設定(&T)"},
                                                         {"xrsitens", "３Ｄグラフの視点設定(&R)"},
                                                         {"xrgriset", "グリッド線の設定(&G)"},
                                                         {"GOMENU", "メニュー画面へ(&M)"}};
        for (const auto& [name, text] : expected) {
            QAction* a = findAction(w, name);
            QVERIFY2(a, qPrintable(name));
            QCOMPARE(a->text(), text);
        }
        const QList<QPair<QString, QString>> menus = {
            {"INSATU", "印刷(&P)"},           {"ghen", "編集(&E)"},        {"gcopy", "コピー(&C)"},
            {"gcopym", "モノクロコピー(&M)"}, {"xrbop", "オプション(&O)"}, {"ENDF", "終了(&E)"}};
        for (const auto& [name, text] : menus) {
            auto* m = w->findChild<QMenu*>(name);
            QVERIFY2(m, qPrintable(name));
            QCOMPARE(m->title(), text);
        }
        // "Ｒ管理図" copies the range chart: the clipboard gets a picture of it.
        QApplication::clipboard()->clear();
        findAction(w, "gr")->trigger();
        const QImage copied = QApplication::clipboard()->image();
        QVERIFY(!copied.isNull());
        QCOMPARE(copied.size(), child<QWidget>(w, "Graph2")->size().expandedTo(QSize(320, 240)));
        // "メニュー画面へ" closes the window.
        findAction(w, "GOMENU")->trigger();
        QTRY_VERIFY(w.isNull() || !w->isVisible());
        QVERIFY(!ZelWindow::find(QStringLiteral("xrkanri")));
    }

    // X-Rs: the Rs chart numbers its points; a click shows the value without a redraw.
    void xrskanriMenusAndClick() {
        ctx->analysis = QStringLiteral("X-Rs 管理図");
        ctx->ws.dataset = makeDataset({{5}, {7}, {4}, {4}}, {"p", "q", "r", "s"});
        ctx->ws.chartData = zel::collectXRs(ctx->ws.dataset, 1).value();
        zel::computeXRsLines(ctx->ws.chartData);
        ZelWindow* w = openXrskanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("X-Rs管理図"));
        QCOMPARE(findAction(w, "gx")->text(), QStringLiteral("Ｘ管理図(&X)"));
        QCOMPARE(findAction(w, "grs")->text(), QStringLiteral("Ｒｓ管理図(&R)"));
        QCOMPARE(findAction(w, "grsm")->text(), QStringLiteral("Ｒｓ管理図(&R)"));
        QVERIFY(findAction(w, "gcolor"));
        QVERIFY(findAction(w, "xrstai") && findAction(w, "xssitens") && findAction(w, "xsgriset"));
        // X-bar 5, mean moving range (2 + 3 + 0) / 3.
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QStringLiteral(" 5"));
        QCOMPARE(child<QLineEdit>(w, "Textcl")->text(),
                 QString::fromStdString(zel::signedNumberText(5.0 / 3.0)));
        QCOMPARE(child<QLineEdit>(w, "Textlcl")->text(), QStringLiteral(" 0"));
        auto* g2 = child<ChartView>(w, "Graph2");
        QCOMPARE(g2->model().pointLabelAt(2), std::string("2"));
        QCOMPARE(child<ChartView>(w, "Graph1")->model().pointLabelAt(2), std::string("q"));
        const int draws = g2->model().drawCount();
        QVERIFY(uitest::clickPoint(g2, 4, 3));
        QCOMPARE(child<QLineEdit>(w, "Text8")->text(), QStringLiteral(" 3"));
        QCOMPARE(g2->model().drawCount(), draws);
    }

    // P-Pn: lots of 50, 100 and 200 with 5, 4 and 10 defectives (p-bar = 19 / 350).
    void pkanriLotLimits() {
        ctx->analysis = QStringLiteral("P-Pn 管理図");
        ctx->ws.dataset = makeDataset({{50, 5}, {100, 4}, {200, 10}}, {"L1", "L2", "L3"});
        auto collected = zel::collectPPn(ctx->ws.dataset, 1, 2);
        QVERIFY(collected.isOk());
        ctx->ws.chartData = collected.value();
        zel::computePPnLines(ctx->ws.chartData);
        zel::fillPPnPlotted(ctx->ws.chartData);
        const zel::ChartDataSet& cds = ctx->ws.chartData;
        ZelWindow* w = openPkanri(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("P-Pn 管理図"));
        QCOMPARE(findAction(w, "fcolor")->text(), QStringLiteral("カラー(&C)"));
        QCOMPARE(findAction(w, "gp")->text(), QStringLiteral("Ｐ管理図(&P)"));
        QCOMPARE(findAction(w, "gn")->text(), QStringLiteral("Ｐｎ管理図(&N)"));
        QCOMPARE(findAction(w, "gpm")->text(), QStringLiteral("Ｐ管理図(&P)"));
        QCOMPARE(findAction(w, "gnm")->text(), QStringLiteral("Ｐｎ管理図(&N)"));
        QVERIFY(findAction(w, "pktai") && findAction(w, "pksitens") && findAction(w, "pgriset"));
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(),
                 QString::fromStdString(zel::signedNumberText(19.0 / 350.0)));
        QVERIFY(child<QLineEdit>(w, "Text1")->text().startsWith(QStringLiteral(" .05")));

        // The p chart's limits follow each lot's size: wider for the small lot.
        auto* g1 = child<ChartView>(w, "Graph1");
        const zel::ChartModel& p = g1->model();
        QCOMPARE(p.seriesCount(), 4);
        for (int lot = 1; lot <= 3; ++lot) {
            QCOMPARE(p.value(2, lot), cds.pTable[static_cast<std::size_t>(lot)][1]);
            QCOMPARE(p.value(3, lot), cds.pTable[static_cast<std::size_t>(lot)][2]);
            QCOMPARE(p.value(4, lot), cds.plottedP[static_cast<std::size_t>(lot - 1)]);
        }
        QVERIFY(p.value(2, 1) > p.value(2, 3));
        // The pn chart's centre line is the lot's expected number of defectives.
        const zel::ChartModel& pn = child<ChartView>(w, "Graph2")->model();
        QCOMPARE(pn.value(1, 3), cds.lines[0][0] * 200);
        QCOMPARE(pn.value(4, 2), 4.0);

        // A click shows the value and does not redraw.
        const int draws = p.drawCount();
        QVERIFY(uitest::clickPoint(g1, 4, 1));
        QCOMPARE(child<QLineEdit>(w, "Textpoint")->text(), QStringLiteral(" .1"));
        QCOMPARE(p.drawCount(), draws);

        // With another analysis in the list the p chart draws the constant limits.
        ctx->analysis = QStringLiteral("ヒストグラム");
        child<QComboBox>(w, "graphs")->setCurrentText(QStringLiteral("棒グラフ"));
        child<QComboBox>(w, "graphs")->setCurrentText(QStringLiteral("折れ線グラフ"));
        for (int lot = 1; lot <= 3; ++lot) {
            QCOMPARE(p.value(2, lot), cds.lines[0][1]);
            QCOMPARE(p.value(3, lot), cds.lines[0][2]);
        }
    }

    // Defect counts 2, 4, 6, 4 (c-bar 4, UCL 10, LCL 0) and "規格の入力".
    void kanri1EnteredLimits() {
        ctx->analysis = QStringLiteral("欠点数データ");
        ctx->ws.dataset = makeDataset({{2}, {4}, {6}, {4}}, {"a", "b", "c", "d"});
        auto computed = zel::computeDefectCount(ctx->ws.dataset, 1);
        QVERIFY(computed.isOk());
        ctx->ws.chartData = computed.value();
        ZelWindow* w = openKanri1(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("欠点数データ"));
        QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QStringLiteral(" 4"));
        QCOMPARE(child<QLineEdit>(w, "Text2")->text(), QStringLiteral(" 10"));
        QCOMPARE(child<QLineEdit>(w, "Text3")->text(), QStringLiteral(" 0"));
        QVERIFY(!w->findChild<QWidget*>(QStringLiteral("Graph2")));
        for (const auto& [name, text] :
             QList<QPair<QString, QString>>{{"fcolor", "カラー(&C)"},
                                            {"fmono", "モノクロ(&M)"},
                                            {"gcopy", "コピー(&C)"},
                                            {"gcopym", "モノクロコピー(&M)"},
                                            {"ketai", "タイトルの設定(&T)"},
                                            {"kasitens", "３Ｄグラフの視点設定(&R)"},
                                            {"kgriset", "グリッド線の設定(&G)"},
                                            {"GOMENU", "メニュー画面へ(&M)"}}) {
            QVERIFY2(findAction(w, name), qPrintable(name));
            QCOMPARE(findAction(w, name)->text(), text);
        }
        QCOMPARE(w->findChild<QMenu*>(QStringLiteral("ketop"))->title(), QStringLiteral("オプション(&O)"));

        auto* graphs = child<QComboBox>(w, "graphs");
        QCOMPARE(graphs->count(), 11);
        QCOMPARE(items(graphs).mid(0, 10), kKinds);
        QCOMPARE(graphs->itemText(10), QStringLiteral("規格の入力"));
        QCOMPARE(graphs->currentText(), QStringLiteral("折れ線グラフ"));

        // The line kind: counts first, then CL, UCL, LCL.
        auto* g1 = child<ChartView>(w, "Graph1");
        const zel::ChartModel& m = g1->model();
        QCOMPARE(m.value(1, 3), 6.0);
        QCOMPARE(m.value(3, 1), 10.0);
        QCOMPARE(m.pointLabelAt(4), std::string("d"));
        const int drawsBefore = m.drawCount();
        QVERIFY(uitest::clickPoint(g1, 1, 3));
        QCOMPARE(child<QLineEdit>(w, "Textpoint")->text(), QStringLiteral(" 6"));
        QCOMPARE(m.drawCount(), drawsBefore);

        // Cancel keeps the previous drawing.
        const std::vector<double> before = m.values();
        int handled = 0;
        handleModals(
            1, [](QWidget* d, int) { answerLimits(d, nullptr, nullptr); }, &handled);
        graphs->setCurrentText(QStringLiteral("規格の入力"));
        QCOMPARE(handled, 1);
        QCOMPARE(m.values(), before);
        QCOMPARE(m.value(3, 1), 10.0);

        // Upper below lower: refused with the fixed message, nothing drawn.
        uitest::MessageBoxRecorder boxes;
        handleModals(
            1, [&](QWidget* d, int) { answerLimits(d, "3", "5"); }, &handled);
        graphs->setCurrentIndex(6);
        graphs->setCurrentText(QStringLiteral("規格の入力"));
        QTRY_COMPARE(handled, 1);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("UCLとLCLのデータを確認してください。"));
        QCOMPARE(box.title, QStringLiteral("管理限界"));
        QCOMPARE(m.values(), before);

        // Entered limits 9 and 1: counts, 9, 1 and the midpoint 5; the axis takes in
        // the limits. Equal limits are accepted as well.
        handleModals(
            1, [](QWidget* d, int) { answerLimits(d, "9", "1"); }, &handled);
        graphs->setCurrentIndex(6);
        graphs->setCurrentText(QStringLiteral("規格の入力"));
        QCOMPARE(handled, 1);
        QCOMPARE(m.chartType(), zel::ChartType::Line);
        QCOMPARE(m.seriesCount(), 4);
        QCOMPARE(m.value(1, 3), 6.0);
        QCOMPARE(m.value(2, 4), 9.0);
        QCOMPARE(m.value(3, 1), 1.0);
        QCOMPARE(m.value(4, 2), 5.0);
        QCOMPARE(m.yAxisMax(), 9.0);
        QCOMPARE(m.yAxisMin(), 1.0);

        // While it stays selected a resize asks again; a cancel there keeps the drawing.
        const std::vector<double> entered = m.values();
        handleModals(
            1, [](QWidget* d, int) { answerLimits(d, nullptr, nullptr); }, &handled);
        w->resize(w->width() + 30, w->height() + 20);
        QTRY_COMPARE(handled, 1);
        QCOMPARE(m.values(), entered);
        QCOMPARE(m.pointLabelAt(2), std::string("b"));
        handleModals(
            1, [](QWidget* d, int) { answerLimits(d, "4", "4"); }, &handled);
        w->resize(w->width() - 30, w->height() - 20);
        QTRY_COMPARE(handled, 1);
        QCOMPARE(m.value(2, 1), 4.0);
        QCOMPARE(m.value(4, 1), 4.0);
    }

    // The single-chart layout: chart at 100, width SW - 2300, height SH - 200, the
    // panel at SW - 2080 with its design places.
    void kanri1Layout() {
        ctx->analysis = QStringLiteral("欠点数データ");
        ctx->ws.dataset = makeDataset({{1}, {3}}, {"a", "b"});
        ctx->ws.chartData = zel::computeDefectCount(ctx->ws.dataset, 1).value();
        ZelWindow* w = openKanri1(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->resize(800, 500);
        QTRY_COMPARE(w->width(), 800);
        QCoreApplication::processEvents();
        QWidget* client = child<QWidget>(w, "client");
        const double sw = zel::Twips::fromPixels(client->width());
        const double sh = zel::Twips::fromPixels(client->height());
        auto px = [](double t) { return zel::Twips::toPixels(t); };
        QCOMPARE(child<QWidget>(w, "Graph1")->geometry(),
                 QRect(px(100), px(100), px(sw - 2300), px(sh - 200)));
        QCOMPARE(child<QWidget>(w, "Textpoint")->pos(), QPoint(px(sw - 2080), px(390)));
        QCOMPARE(child<QWidget>(w, "graphs")->pos(), QPoint(px(sw - 2080), px(2550)));
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestControlCharts)
#include "tst_control_charts.moc"
