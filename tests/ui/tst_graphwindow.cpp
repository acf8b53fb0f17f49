// Tests of the graph-window frame driven as a user drives it: its menus, the
// title dialog, the grid-line dialog, the 3-D view dialog, monochrome copy,
// "メニュー画面へ" and the single-chart layout rule.
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "presentation/GraphWindow.h"
#include "presentation/TitleTable.h"
#include "presentation/rgset.h"
#include "presentation/titlef.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "UiTestSupport.h"

#include <functional>
#include <memory>

using uitest::FakeContext;

using uitest::findAction;
using uitest::withModal;

namespace {

// A histogram-like window: one coloured bar series.
class SampleGraph : public GraphWindow {
  public:
    static GraphWindowSpec sampleDesign() {
        GraphWindowSpec s;
        s.window = zel::WindowId::youko;
        s.caption = QStringLiteral("ヒストグラム");
        s.optionsName = QStringLiteral("gore");
        s.titlesName = QStringLiteral("titles");
        s.viewName = QStringLiteral("pasitens");
        s.gridName = QStringLiteral("pagriset");
        s.alsoCloses = {zel::WindowId::dobun};
        return s;
    }
    explicit SampleGraph(MainContext& ctx) : GraphWindow(ctx, sampleDesign()) {
        panel = new QLabel(QStringLiteral("級数"), client());
        panel->move(600, 40);
        addPanelControl(panel);
    }
    int fills = 0;
    QLabel* panel = nullptr;

  protected:
    std::optional<ChartFill> chartFill(int) override {
        return [this](zel::ChartModel& m) {
            ++fills;
            m.setChartType(static_cast<int>(zel::ChartType::Bar));
            m.setSeriesCount(1);
            m.setPointCount(5);
            m.setCurrentSeries(1);
            m.setCurrentPoint(1);
            for (double v : {3.0, 5.0, 2.0, 7.0, 4.0})
                m.setPointValue(v);
        };
    }
};

// A two-chart control-chart window.
class SampleControlChart : public GraphWindow {
  public:
    static GraphWindowSpec sampleDesign() {
        GraphWindowSpec s;
        s.window = zel::WindowId::xrkanri;
        s.caption = QStringLiteral("Xbar-R 管理図");
        s.chartCount = 2;
        s.printColourName = QStringLiteral("gcolor");
        s.optionsName = QStringLiteral("xrbop");
        s.titlesName = QStringLiteral("xrbti");
        s.viewName = QStringLiteral("xrsitens");
        s.gridName = QStringLiteral("xrgriset");
        s.copyItemNames = {QStringLiteral("gx"), QStringLiteral("gr")};
        s.monoCopyItemNames = {QStringLiteral("gxm"), QStringLiteral("grm")};
        s.copyItemCaptions = {QStringLiteral("Ｘbar管理図"), QStringLiteral("Ｒ管理図")};
        s.controlChart = true;
        return s;
    }
    explicit SampleControlChart(MainContext& ctx) : GraphWindow(ctx, sampleDesign()) {}
};

bool hasColour(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) return true;
        }
    return false;
}

} // namespace

class TestGraphWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() { ctx = uitest::freshContext(QStringLiteral("ヒストグラム")); }
    void cleanup() { uitest::closeWindows(ctx); }

    void menusCarryTheCommonCaptions() {
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        QStringList top;
        for (QAction* a : w->menuBar()->actions())
            top << a->text();
        QCOMPARE(top, QStringList({"印刷(&P)", "編集(&E)", "オプション(&O)", "終了(&E)"}));
        const QList<std::pair<QString, QString>> items = {{"fcolor", "カラー(&C)"},
                                                          {"fmono", "モノクロ(&M)"},
                                                          {"gcopy", "コピー(&C)"},
                                                          {"gcopym", "モノクロコピー(&M)"},
                                                          {"titles", "タイトルの設定(&T)"},
                                                          {"pasitens", "３Ｄグラフの視点設定(&R)"},
                                                          {"pagriset", "グリッド線の設定(&G)"},
                                                          {"GOMENU", "メニュー画面へ(&M)"}};
        for (const auto& [name, text] : items) {
            QAction* a = findAction(w, name);
            QVERIFY2(a, qPrintable(name));
            QCOMPARE(a->text(), text);
        }
        // Two-chart windows copy per chart through submenus.
        auto* two = ZelWindow::open<SampleControlChart>(*ctx);
        QVERIFY(findAction(two, "gcolor"));
        QVERIFY(findAction(two, "gx") && findAction(two, "gr") && findAction(two, "gxm") &&
                findAction(two, "grm"));
        QVERIFY(two->findChild<QMenu*>("gcopy"));
        QVERIFY(two->findChild<QMenu*>("gcopym"));
    }

    void opensWithDefaultTitleAndGraphSettings() {
        zel::appSettings().write("graph", "gridstyle", "2");
        zel::appSettings().write("graph", "gridline", "3");
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        QCOMPARE(w->chart()->model().titleTop(), std::string("ヒストグラム"));
        QCOMPARE(w->chart()->model().gridLines(), 2);
        QCOMPARE(w->chart()->model().gridLineStyle(), 3);
        // The settings are read again at every redraw.
        zel::appSettings().write("graph", "gridstyle", "1");
        w->redraw();
        QCOMPARE(w->chart()->model().gridLines(), 1);
    }

    void titleDialogShowsAndAppliesTitles() {
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        withModal(
            [](QWidget* m) {
                QCOMPARE(m->objectName(), QString("titlef"));
                QCOMPARE(m->windowTitle(), QString("タイトルの設定"));
                const QStringList labels = {"タイトル（上）の設定", "タイトル（下）の設定",
                                            "タイトル（左）の設定", "タイトル（右）の設定"};
                for (int i = 0; i < 4; ++i) {
                    QCOMPARE(m->findChild<QLabel*>(QString("Label1(%1)").arg(i))->text(), labels[i]);
                    QCOMPARE(m->findChild<QCheckBox*>(QString("Check1(%1)").arg(i))->text(),
                             QString("タイトルなし"));
                    QVERIFY(m->findChild<QLineEdit*>(QString("Text1(%1)").arg(i))->text().isEmpty());
                }
                auto* left = m->findChild<QComboBox*>("Combo2(0)");
                QCOMPARE(left->count(), 2);
                QCOMPARE(left->itemText(0), QString("水平"));
                QCOMPARE(left->itemText(1), QString("垂直"));
                QCOMPARE(left->currentIndex(), 1);
                QCOMPARE(m->findChild<QComboBox*>("Combo2(1)")->currentIndex(), 1);
                QCOMPARE(m->findChild<QPushButton*>("Command1")->text(), QString("変更"));
                QCOMPARE(m->findChild<QPushButton*>("Command2")->text(), QString("ｷｬﾝｾﾙ"));
                m->findChild<QLineEdit*>("Text1(0)")
                    ->insert(QStringLiteral("上の題")); // typed through the input method
                m->findChild<QLineEdit*>("Text1(2)")->insert(QStringLiteral("左の題"));
                left->setCurrentIndex(0);
                m->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "titles")->trigger(); });
        const zel::ChartModel& model = w->chart()->model();
        QCOMPARE(model.titleTop(), std::string("上の題"));
        QCOMPARE(model.titleLeft(), std::string("左の題"));
        QCOMPARE(model.titleLeftStyle(), 0);
        QCOMPARE(ctx->ws.titles.text(zel::TitleRow::Top), std::string("上の題"));

        // "タイトルなし" stores " " and empties the title; reopening shows it checked.
        withModal(
            [](QWidget* m) {
                QCOMPARE(m->findChild<QLineEdit*>("Text1(0)")->text(), QString("上の題"));
                QCOMPARE(m->findChild<QComboBox*>("Combo2(0)")->currentIndex(), 0);
                m->findChild<QCheckBox*>("Check1(0)")->setChecked(true);
                m->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "titles")->trigger(); });
        QCOMPARE(model.titleTop(), std::string());
        QCOMPARE(ctx->ws.titles.text(zel::TitleRow::Top), std::string(" "));
        withModal(
            [](QWidget* m) {
                QVERIFY(m->findChild<QCheckBox*>("Check1(0)")->isChecked());
                QVERIFY(m->findChild<QLineEdit*>("Text1(0)")->text().isEmpty());
                // "ｷｬﾝｾﾙ" stores nothing.
                m->findChild<QCheckBox*>("Check1(0)")->setChecked(false);
                m->findChild<QPushButton*>("Command2")->click();
            },
            [&] { findAction(w, "titles")->trigger(); });
        QCOMPARE(ctx->ws.titles.text(zel::TitleRow::Top), std::string(" "));
        QCOMPARE(model.titleTop(), std::string());
    }

    void titlesGoToTheCurrentAnalysisWindow() {
        auto* hist = ZelWindow::open<SampleGraph>(*ctx);
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        auto* xr = ZelWindow::open<SampleControlChart>(*ctx);
        QCOMPARE(xr->chart(0)->model().titleTop(), std::string("平均値　Ｘbar"));
        QCOMPARE(xr->chart(1)->model().titleTop(), std::string("範囲　Ｒ"));
        const int drawsBefore = xr->chart(0)->model().drawCount();
        // The dialog is opened from the histogram window, yet acts on the current analysis.
        withModal(
            [](QWidget* m) {
                QTest::keyClicks(m->findChild<QLineEdit*>("Text1(0)"), "T");
                m->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(hist, "titles")->trigger(); });
        QCOMPARE(xr->chart(0)->model().titleTop(), std::string("T(平均値)"));
        QCOMPARE(xr->chart(1)->model().titleTop(), std::string("T(範囲)"));
        QVERIFY(xr->chart(0)->model().drawCount() > drawsBefore);
        QCOMPARE(hist->chart()->model().titleTop(), std::string("ヒストグラム"));
    }

    void gridDialogStoresAndRedrawsTheCurrentWindow() {
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        const int drawsBefore = w->chart()->model().drawCount();
        withModal(
            [](QWidget* m) {
                QCOMPARE(m->objectName(), QString("grids"));
                QCOMPARE(m->windowTitle(), QString("グラフの設定"));
                QCOMPARE(m->findChild<QCheckBox*>("Check1")->text(), QString("横グリッドの表示"));
                QCOMPARE(m->findChild<QCheckBox*>("Check2")->text(), QString("縦グリッドの表示"));
                const QStringList kinds = {"実線", "破線", "点線", "一点鎖線", "二点鎖線"};
                for (int i = 0; i < 5; ++i)
                    QCOMPARE(m->findChild<QRadioButton*>(QString("Option%1").arg(i + 1))->text(), kinds[i]);
                QVERIFY(m->findChild<QRadioButton*>("Option1")->isChecked());
                QVERIFY(!m->findChild<QCheckBox*>("Check1")->isChecked());
                m->findChild<QCheckBox*>("Check1")->setChecked(true);
                m->findChild<QCheckBox*>("Check2")->setChecked(true);
                m->findChild<QRadioButton*>("Option3")->setChecked(true);
                m->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "pagriset")->trigger(); });
        QCOMPARE(QString::fromStdString(zel::appSettings().read("graph", "gridstyle", "")), QString("3"));
        QCOMPARE(QString::fromStdString(zel::appSettings().read("graph", "gridline", "")), QString("2"));
        QCOMPARE(w->chart()->model().gridLines(), 3);
        QCOMPARE(w->chart()->model().gridLineStyle(), 2);
        QVERIFY(w->chart()->model().drawCount() > drawsBefore);

        // Reopening shows the stored settings; both boxes off stores 0.
        withModal(
            [](QWidget* m) {
                QVERIFY(m->findChild<QCheckBox*>("Check1")->isChecked());
                QVERIFY(m->findChild<QCheckBox*>("Check2")->isChecked());
                QVERIFY(m->findChild<QRadioButton*>("Option3")->isChecked());
                m->findChild<QCheckBox*>("Check1")->setChecked(false);
                m->findChild<QCheckBox*>("Check2")->setChecked(false);
                m->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(w, "pagriset")->trigger(); });
        QCOMPARE(QString::fromStdString(zel::appSettings().read("graph", "gridstyle", "")), QString("0"));
        QCOMPARE(w->chart()->model().gridLines(), 0);
    }

    void gridDialogFromAnotherWindowOnlyStoresForIt() {
        auto* hist = ZelWindow::open<SampleGraph>(*ctx);
        ctx->analysis = QStringLiteral("Xbar-R 管理図");
        auto* xr = ZelWindow::open<SampleControlChart>(*ctx);
        withModal(
            [](QWidget* m) {
                m->findChild<QCheckBox*>("Check1")->setChecked(true);
                m->findChild<QPushButton*>("Command1")->click();
            },
            [&] { findAction(hist, "pagriset")->trigger(); });
        QCOMPARE(xr->chart(0)->model().gridLines(), 1);
        QCOMPARE(xr->chart(1)->model().gridLines(), 1);
        QCOMPARE(hist->chart()->model().gridLines(), 0); // until its next redraw
        hist->redraw();
        QCOMPARE(hist->chart()->model().gridLines(), 1);
    }

    void viewDialogPreviewDefaultsAndSave() {
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        findAction(w, "pasitens")->trigger();
        auto* dlg = ZelWindow::findOpen<rgset>();
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), QString("立体グラフの設定"));
        // The chart was a 2-D bar: the preview shows "立体棒グラフ".
        auto* kinds = dlg->findChild<QComboBox*>("graphsr");
        QCOMPARE(kinds->count(), 8);
        QCOMPARE(kinds->currentText(), QString("立体棒グラフ"));
        QCOMPARE(kinds->itemText(7), QString("帯グラフ"));
        zel::ChartModel& preview = dlg->preview()->model();
        QCOMPARE(int(preview.chartType()), 4);
        kinds->setCurrentIndex(4); // "Ｚ軸立体棒（横）"
        QCOMPARE(int(preview.chartType()), 4);
        QCOMPARE(preview.chartStyle(), 7);

        auto* rot = dlg->findChild<QScrollBar*>("HScroll1");
        auto* per = dlg->findChild<QScrollBar*>("HScroll2");
        auto* ele = dlg->findChild<QScrollBar*>("VScroll1");
        QCOMPARE(rot->minimum(), -90);
        QCOMPARE(rot->maximum(), 90);
        QCOMPARE(ele->minimum(), -30);
        QCOMPARE(ele->maximum(), 60);
        QCOMPARE(rot->value(), 15);
        rot->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(preview.rotation3D(), 25);
        per->setValue(70);
        ele->setValue(-20);
        QCOMPARE(preview.perspective3D(), 70);
        QCOMPARE(preview.elevation3D(), -20);

        dlg->findChild<QPushButton*>("Command3")->click(); // デフォルト
        QCOMPARE(rot->value(), 15);
        QCOMPARE(per->value(), 30);
        QCOMPARE(ele->value(), 0);
        QCOMPARE(preview.rotation3D(), 15);
        QCOMPARE(preview.perspective3D(), 30);

        // Opening again brings the same dialog forward unchanged.
        rot->setValue(-45);
        ViewSettings::open(*ctx);
        QCOMPARE(ZelWindow::findOpen<rgset>(), dlg);
        QCOMPARE(rot->value(), -45);

        dlg->findChild<QPushButton*>("Command1")->click(); // 保存
        QCOMPARE(ctx->ws.view3d.rotation, std::int16_t(-45));
        QCOMPARE(QString::fromStdString(zel::appSettings().read("graph3d", "Rotation", "")), QString("-45"));
        QCOMPARE(QString::fromStdString(zel::appSettings().read("graph3d", "Perspective", "")),
                 QString("30"));
        QCOMPARE(QString::fromStdString(zel::appSettings().read("graph3d", "Elevation", "")), QString("0"));
        QCOMPARE(w->chart()->model().rotation3D(), -45);
        QVERIFY(!ZelWindow::findOpen<rgset>());
    }

    void viewDialogCancelChangesNothing() {
        ViewSettings::open(*ctx);
        auto* dlg = ZelWindow::findOpen<rgset>();
        QVERIFY(dlg);
        dlg->findChild<QScrollBar*>("HScroll1")->setValue(80);
        dlg->findChild<QPushButton*>("Command3")->click();
        dlg->findChild<QPushButton*>("Command2")->click();
        QCOMPARE(ctx->ws.view3d.rotation, std::int16_t(15));
        QVERIFY(!zel::appSettings().contains("graph3d", "Rotation"));
    }

    void monochromeCopyLeavesTheScreenInColour() {
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        findAction(w, "gcopy")->trigger();
        QImage colour = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
        QVERIFY(!colour.isNull());
        QVERIFY(hasColour(colour));
        findAction(w, "gcopym")->trigger();
        QImage mono = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
        QVERIFY(!mono.isNull());
        QVERIFY(!hasColour(mono));
        QCOMPARE(w->chart()->model().screenColor(), 1);
        QVERIFY(hasColour(w->chart()->grab().toImage()));
    }

    void menuScreenClosesTheListedWindows() {
        QPointer<ZelWindow> dobun = ZelWindow::open<ZelWindow>(QStringLiteral("dobun"));
        QPointer<GraphWindow> w = ZelWindow::open<SampleGraph>(*ctx);
        findAction(w, "GOMENU")->trigger();
        QVERIFY(!ZelWindow::find("youko"));
        QVERIFY(!ZelWindow::find("dobun"));
    }

    void singleChartLayoutRule() {
        auto* w = ZelWindow::open<SampleGraph>(*ctx);
        w->showNormal();
        w->resize(900, 600);
        QTRY_COMPARE(w->client()->width(), 900);
        const double sw = w->client()->width() * 15.0;
        const double sh = w->client()->height() * 15.0;
        const QRect g = w->chart()->geometry();
        QCOMPARE(g.topLeft(), QPoint(7, 7));
        QCOMPARE(g.width(), zel::Twips::toPixels(sw - 2300));
        QCOMPARE(g.height(), zel::Twips::toPixels(sh - 200));
        QCOMPARE(w->panel->x(), zel::Twips::toPixels(sw - 2080));
        QCOMPARE(w->panel->y(), 40);
        // Too narrow: the chart keeps its width, the panel stays put.
        const int width = g.width();
        const int panelX = w->panel->x();
        w->resize(170, 600);
        QTRY_COMPARE(w->client()->width(), 170);
        QCOMPARE(w->chart()->width(), width);
        QCOMPARE(w->panel->x(), panelX);
    }

  private:
    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestGraphWindow)
#include "tst_graphwindow.moc"
