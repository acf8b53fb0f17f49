// Tests of the three-dimensional scatter driven as a user drives it: the
// graph command refuses fewer than three variables and otherwise opens hensi3
// with its Y, X and Z captions and checks; its "OK" opens rsanpu with the
// default titles, the panel, the three kinds and the click texts; "メニュー画面へ"
// closes it with the variable dialogs.
#include "analysis/AnalysisLaunch.h"
#include "analysis/control/ControlChartGallery.h"
#include "analysis/scatter/Scatter3DGallery.h"
#include "analysis/scatter/rsanpu.h"
#include "components/chart/Box3DScene.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"
#include "components/chart/ThreeDScatterPainter.h"
#include "dataset/Dataset.h"
#include "presentation/GraphWindow.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <algorithm>
#include <cmath>
#include <memory>

using uitest::answerBox;
using uitest::FakeContext;
using uitest::fillDataset;
using uitest::findAction;
using uitest::labelText;
using uitest::lineText;
using uitest::SeenBox;

namespace {

QComboBox* list(QWidget* dialog, int i) {
    return dialog->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(i));
}

ChartFrame frameOf(const QRectF& plot) {
    ChartFrame f;
    f.plot = plot;
    f.font = QFont(QStringLiteral("IPAGothic"));
    f.font.setPixelSize(12);
    f.unit = 1.0;
    return f;
}

// The gallery's heat treatment (hardness, 820..870 ℃, 20..60 min), filled as rsanpu fills it.
zel::ChartModel heatChart(zel::Scatter3DKind kind) {
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < 30; ++i)
        rows.push_back({40.0 + 0.1 * i, 820.0 + 10.0 * (i / 5), 20.0 + 10.0 * (i % 5)});
    zel::Dataset ds;
    fillDataset(ds, rows, {"硬さ", "焼入温度", "保持時間"});
    zel::ChartModel m;
    m.redrawReset(zel::ViewAngles{});
    zel::fillScatter3DChart(m, zel::buildAnalysisSet(ds, {1, 2, 3}).value(), kind);
    return m;
}

// n points on a helix wound round the box, so that consecutive points lie far
// apart on the screen and the joined line crosses itself many times.
zel::ChartModel helix(int n, zel::Scatter3DKind kind) {
    zel::AnalysisSet set;
    set.seriesCount = 3;
    set.n = n;
    set.names = {"y", "x", "z"};
    set.values.assign(3, {});
    for (int i = 0; i < n; ++i) {
        const double t = 0.37 * i;
        set.values[0].push_back(i);
        set.values[1].push_back(std::cos(t));
        set.values[2].push_back(std::sin(t));
    }
    zel::ChartModel m;
    m.redrawReset(zel::ViewAngles{30, 30, 20});
    zel::fillScatter3DChart(m, set, kind);
    return m;
}

QImage painted(const zel::ChartModel& m, const ChartFrame& f) {
    QImage img(f.plot.toRect().size() + QSize(80, 80), QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    ThreeDScatterPainter().paint(p, m, f);
    return img;
}

// Does the picture differ from the other one within a pixel of at?
bool inkedAt(const QImage& a, const QImage& b, QPointF at) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(qRound(at.x()) + dx, qRound(at.y()) + dy);
            if (a.rect().contains(q) && a.pixel(q) != b.pixel(q)) return true;
        }
    return false;
}

QStringList textsOf(const std::vector<Box3DScene::AxisText>& texts) {
    QStringList out;
    for (const auto& t : texts)
        out << t.text;
    return out;
}

void clickOk(QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::processEvents();
}

} // namespace

class TestScatter3D : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("立体散布図"));
        // Four samples of hardness, temperature and hold time; sample 3 is masked.
        fillDataset(ctx->ws.dataset, {{41.5, 820, 20}, {-2.25, 830, 30}, {99, 99, 99}, {43, 840, 25}},
                    {"硬さ", "温度", "時間"});
        ctx->ws.dataset.setMask(3, 1);
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void fewerThanThreeVariablesOrTwoSamplesAreRefused() {
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("立体散布図")));
        fillDataset(ctx->ws.dataset, {{1, 2}, {3, 4}}, {"a", "b"});
        SeenBox box = answerBox([&] { AnalysisLaunch::runGraphCommand(*ctx); });
        QCOMPARE(box.text, QStringLiteral("立体散布図を作成するには３つ以上の変数が必要です。"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(ZelWindow::openWindows().isEmpty());

        // One unmasked sample: nothing to scatter.
        fillDataset(ctx->ws.dataset, {{1, 2, 3}, {4, 5, 6}}, {"a", "b", "c"});
        ctx->ws.dataset.setMask(2, 1);
        box = answerBox([&] { AnalysisLaunch::runGraphCommand(*ctx); });
        QCOMPARE(box.text, QStringLiteral("解析を行うには、データを２つ以上選択してください。"));
        QVERIFY(ZelWindow::openWindows().isEmpty());
    }

    void hensi3AsksForYXAndZAndRefusesAVariableTwice() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<ZelWindow> dialog = ZelWindow::find(zel::WindowId::hensi3);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("解析に使用する変数の指定"));
        QCOMPARE(labelText(dialog, "Label1"), QStringLiteral("解析に使用する変数を指定してください。"));
        QCOMPARE(labelText(dialog, "Label2"), QStringLiteral("Ｙ軸・・・"));
        QCOMPARE(labelText(dialog, "Label3"), QStringLiteral("Ｘ軸・・・"));
        QCOMPARE(labelText(dialog, "Label4"), QStringLiteral("Ｚ軸・・・"));
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(list(dialog, i)->count(), 3);
            QCOMPARE(list(dialog, i)->currentIndex(), i - 1);
        }
        const struct {
            int y, x, z;
            const char* message;
        } same[] = {{0, 0, 0, "変数１と変数２が同じです｡"},
                    {0, 1, 1, "変数２と変数３が同じです｡"},
                    {2, 1, 2, "変数１と変数３が同じです｡"}};
        for (const auto& c : same) {
            list(dialog, 1)->setCurrentIndex(c.y);
            list(dialog, 2)->setCurrentIndex(c.x);
            list(dialog, 3)->setCurrentIndex(c.z);
            const SeenBox box = answerBox([&] { clickOk(dialog); });
            QCOMPARE(box.text, QString::fromUtf8(c.message));
            QCOMPARE(box.title, QStringLiteral("変数の指定"));
            QVERIFY(dialog && dialog->isVisible());
            QVERIFY(!ZelWindow::find(zel::WindowId::rsanpu));
        }
    }

    void okOpensTheWindowWithTitlesPanelAndMenus() {
        QPointer<rsanpu> w = launch(1, 0, 2); // Y 温度, X 硬さ, Z 時間
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("rsanpu"));
        QCOMPARE(w->windowTitle(), QStringLiteral("立体散布図"));
        const zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.titleTop(), std::string("立体散布図"));
        QCOMPARE(m.titleBottom(), std::string("硬さ"));
        QCOMPARE(m.titleLeft(), std::string("温度"));
        QCOMPARE(m.titleRight(), std::string("時間"));
        QCOMPARE(m.chartType(), zel::ChartType::Scatter3D);
        QCOMPARE(m.pointCount(), 3);
        QCOMPARE(m.value(1, 2), 830.0);
        QCOMPARE(m.xPos(1, 2), -2.25);
        QCOMPARE(m.zPos(1, 3), 25.0);
        QVERIFY(m.hitReporting() != 0);

        // The panel as designed: captions over their boxes, the kind list first.
        QCOMPARE(labelText(w, "Label1"), QStringLiteral("変数ナンバー"));
        QCOMPARE(labelText(w, "Label2"), QStringLiteral("データ値（Ｙ）"));
        QCOMPARE(labelText(w, "Label9"), QStringLiteral("データ値（Ｘ）"));
        QCOMPARE(labelText(w, "Label3"), QStringLiteral("データ値（Ｚ）"));
        QCOMPARE(labelText(w, "Label4"), QStringLiteral("グラフ種類"));
        for (const char* box : {"Textset", "Textpoint", "Text5", "Text1"})
            QVERIFY2(w->findChild<QLineEdit*>(QString::fromLatin1(box))->isReadOnly(), box);
        QCOMPARE(lineText(w, "Textset"), QStringLiteral(" 1"));
        QCOMPARE(lineText(w, "Textpoint"), QString());
        QComboBox* kinds = w->kindList();
        QCOMPARE(kinds->objectName(), QStringLiteral("graphs"));
        QVERIFY(!kinds->isEditable());
        QCOMPARE(uitest::items(kinds),
                 (QStringList{QStringLiteral("立体散布図"), QStringLiteral("立体散布図（縦棒）"),
                              QStringLiteral("立体散布図（線）")}));
        QCOMPARE(kinds->currentText(), QStringLiteral("立体散布図"));

        const struct {
            const char* name;
            const char* text;
        } items[] = {{"fcolor", "カラー(&C)"},
                     {"fmono", "モノクロ(&M)"},
                     {"gcopy", "コピー(&C)"},
                     {"gcopym", "モノクロコピー(&M)"},
                     {"santai", "タイトルの設定(&T)..."},
                     {"rssitens", "３Ｄグラフの視点設定(&R)"},
                     {"rsgriset", "グリッド線の設定(&G)"},
                     {"GOMENU", "メニュー画面へ(&M)"}};
        for (const auto& item : items) {
            QAction* a = findAction(w, QString::fromLatin1(item.name));
            QVERIFY2(a, item.name);
            QCOMPARE(a->text(), QString::fromUtf8(item.text));
        }
        QStringList menus;
        for (QAction* a : w->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("印刷(&P)"), QStringLiteral("編集(&E)"),
                                     QStringLiteral("オプション(&O)"), QStringLiteral("終了(&E)")}));
        QCOMPARE(w->optionsMenu()->objectName(), QStringLiteral("sanop"));
    }

    void clicksShowTheSeriesYXAndZ() {
        QPointer<rsanpu> w = launch(0, 1, 2);
        QVERIFY(w);
        w->resize(900, 600);
        QCoreApplication::processEvents();
        ChartView* view = w->chart();
        QVERIFY(uitest::clickPoint(view, 1, 2, 1));
        QCOMPARE(lineText(w, "Textset"), QStringLiteral(" 1"));
        QCOMPARE(lineText(w, "Textpoint"), QStringLiteral("-2.25"));
        QCOMPARE(lineText(w, "Text5"), QStringLiteral(" 830"));
        QCOMPARE(lineText(w, "Text1"), QStringLiteral(" 30"));
        QCOMPARE(view->model().currentPoint(), 2);
        // The third unmasked sample is the dataset's fourth.
        QVERIFY(uitest::clickPoint(view, 1, 3, 1));
        QCOMPARE(lineText(w, "Textpoint"), QStringLiteral(" 43"));
        QCOMPARE(lineText(w, "Text5"), QStringLiteral(" 840"));
        QCOMPARE(lineText(w, "Text1"), QStringLiteral(" 25"));
    }

    void aNewKindKeepsThePointsAndChangesTheStyle() {
        QPointer<rsanpu> w = launch(0, 1, 2);
        QVERIFY(w);
        const zel::ChartModel& m = w->chart()->model();
        const std::vector<double> values = m.values();
        QCOMPARE(m.chartStyle(), zel::chartstyles::kScatter3DMarkers);
        const int styles[] = {zel::chartstyles::kScatter3DDropLines, zel::chartstyles::kScatter3DJoined,
                              zel::chartstyles::kScatter3DMarkers};
        for (int i : {1, 2, 0}) {
            w->kindList()->setCurrentIndex(i);
            QCOMPARE(m.chartStyle(), styles[i == 0 ? 2 : i - 1]);
            QCOMPARE(m.chartType(), zel::ChartType::Scatter3D);
            QCOMPARE(m.values(), values);
            QCOMPARE(m.xPos(1, 3), 840.0);
            QCOMPARE(m.zPos(1, 3), 25.0);
            QCOMPARE(m.titleBottom(), std::string("温度"));
        }
    }

    void typedTitlesReplaceTheDefaults() {
        QPointer<rsanpu> w = launch(0, 1, 2);
        QVERIFY(w);
        zel::TitleInput input;
        input[0].text = "焼入れ試験";
        input[3].none = true;
        GraphWindow::applyTitlesToCurrent(*ctx, input);
        const zel::ChartModel& m = w->chart()->model();
        QCOMPARE(m.titleTop(), std::string("焼入れ試験"));
        QCOMPARE(m.titleBottom(), std::string("温度"));
        QCOMPARE(m.titleLeft(), std::string("硬さ"));
        QCOMPARE(m.titleRight(), std::string());
        // A new kind keeps them.
        w->kindList()->setCurrentIndex(1);
        QCOMPARE(m.titleTop(), std::string("焼入れ試験"));
        QCOMPARE(m.titleRight(), std::string());
    }

    void aSetWithoutPointsIsRefusedOnceAndKeepsTheDrawing() {
        QPointer<rsanpu> w = launch(0, 1, 2);
        QVERIFY(w);
        const zel::ChartModel& m = w->chart()->model();
        ctx->ws.analysisSet.n = 0;
        for (auto& v : ctx->ws.analysisSet.values)
            v.clear();
        uitest::MessageBoxRecorder boxes;
        w->kindList()->setCurrentIndex(1);
        w->redraw();
        QCOMPARE(boxes.count(), 1);
        const SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("グラフを作成できません。"));
        QCOMPARE(box.title, QStringLiteral("立体散布図"));
        QCOMPARE(m.pointCount(), 3);
        QCOMPARE(m.chartStyle(), zel::chartstyles::kScatter3DMarkers);
    }

    void theViewAndGridDialogsRedrawTheWindowAtOnce() {
        QPointer<rsanpu> w = launch(0, 1, 2);
        QVERIFY(w);
        const zel::ChartModel& m = w->chart()->model();
        // The 3-D view dialog previews the 3-D scatter; "保存" turns this chart.
        findAction(w, QStringLiteral("rssitens"))->trigger();
        QPointer<ZelWindow> view = ZelWindow::find(zel::WindowId::rgset);
        QVERIFY(view);
        QCOMPARE(view->findChild<QComboBox*>(QStringLiteral("graphsr"))->currentText(),
                 QStringLiteral("立体散布図"));
        view->findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(40);
        view->findChild<QScrollBar*>(QStringLiteral("VScroll1"))->setValue(25);
        view->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QTRY_VERIFY(!view || !view->isVisible());
        QCOMPARE(m.rotation3D(), 40);
        QCOMPARE(m.elevation3D(), 25);
        QCOMPARE(m.chartType(), zel::ChartType::Scatter3D);
        QCOMPARE(m.pointCount(), 3);

        // The grid-line dialog: both grids, dashed.
        uitest::withModal(
            [](QWidget* dialog) {
                dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
                dialog->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(true);
                dialog->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
                dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            },
            [&] { findAction(w, QStringLiteral("rsgriset"))->trigger(); });
        QCOMPARE(m.gridLines(), zel::gridlines::kBoth);
        QCOMPARE(m.gridLineStyle(), zel::gridlinestyles::kDashed);
        QCOMPARE(m.titleRight(), std::string("時間"));
    }

    void menuScreenClosesTheWindowAndTheVariableDialogs() {
        QPointer<rsanpu> w = launch(0, 1, 2);
        QVERIFY(w);
        QPointer<ZelWindow> dialog = AnalysisLaunch::opener(zel::WindowId::hensi3)(*ctx);
        QVERIFY(dialog && dialog->isVisible());
        findAction(w, QStringLiteral("GOMENU"))->trigger();
        QTRY_VERIFY(!w || !w->isVisible());
        QTRY_VERIFY(!dialog || !dialog->isVisible());
    }

    void theDepthAxisKeepsItsFirstValueBesideTheCornerText() {
        // Seen from the default angles the first hold time, 20, stands at the
        // floor's front corner right above the last temperature, 870.
        const zel::ChartModel m = heatChart(zel::Scatter3DKind::Markers);
        QCOMPARE(m.viewAngles().elevation, 0);
        for (const QRectF plot : {QRectF(60, 60, 880, 560), QRectF(40, 40, 520, 380)}) {
            const auto l = ThreeDScatterPainter::layout(m, frameOf(plot));
            const auto depth = l.scene->axisTexts(2);
            const auto across = l.scene->axisTexts(0);
            QVERIFY2(textsOf(depth).contains(QStringLiteral("20")), qPrintable(textsOf(depth).join(' ')));
            QVERIFY(textsOf(across).contains(QStringLiteral("870")));
            for (const auto& d : depth)
                for (const auto& a : across)
                    QVERIFY2(!d.rect.intersects(a.rect), qPrintable(d.text + " / " + a.text));
            // Still in the axis's order, below and left of the next value.
            const qsizetype first = textsOf(depth).indexOf(QStringLiteral("20"));
            const qsizetype next = textsOf(depth).indexOf(QStringLiteral("30"));
            QVERIFY(next > first);
            QVERIFY(depth[first].rect.top() > depth[next].rect.top());
            QVERIFY(depth[first].rect.left() < depth[next].rect.left());
        }
    }

    void linesJoinEveryPointInOrderAndDropToTheFloor() {
        // A few points and more than the many-points limit, where lines are
        // drawn in pieces and without smoothing.
        const ChartFrame f = frameOf(QRectF(40, 40, 700, 500));
        for (const int n : {75, 2100}) {
            const zel::ChartModel markers = helix(n, zel::Scatter3DKind::Markers);
            const QImage bare = painted(markers, f);
            const auto l = ThreeDScatterPainter::layout(markers, f);
            QCOMPARE(static_cast<int>(l.points.size()), n);
            // A place on a line counts where no marker covers it.
            const auto free = [&](QPointF at) {
                return std::ranges::none_of(l.points, [&](const ThreeDScatterPainter::Point& pt) {
                    return QLineF(pt.device, at).length() < 6.0;
                });
            };
            const QImage joined = painted(helix(n, zel::Scatter3DKind::Joined), f);
            int checked = 0;
            for (std::size_t i = 0; i + 1 < l.points.size(); ++i) {
                const QPointF mid = (l.points[i].device + l.points[i + 1].device) / 2;
                if (!free(mid)) continue;
                ++checked;
                QVERIFY2(inkedAt(joined, bare, mid),
                         qPrintable(QStringLiteral("n %1: %2 to %3").arg(n).arg(i + 1).arg(i + 2)));
            }
            QVERIFY(checked > n / 2);

            const QImage dropped = painted(helix(n, zel::Scatter3DKind::DropLines), f);
            checked = 0;
            for (const auto& pt : l.points) {
                // Just above the floor, under the point.
                const QPointF foot = l.scene->toDevice(pt.x, 0.0, pt.z) - QPointF(0, 2);
                if (pt.device.y() > foot.y() - 8 || !free(foot)) continue;
                ++checked;
                QVERIFY2(inkedAt(dropped, bare, foot),
                         qPrintable(QStringLiteral("n %1: point %2").arg(n).arg(pt.point)));
            }
            QVERIFY(checked > n / 4);
        }
    }

  private:
    // The graph command, then hensi3 on the given list positions and "OK".
    rsanpu* launch(int y, int x, int z) {
        AnalysisLaunch::runGraphCommand(*ctx);
        ZelWindow* dialog = ZelWindow::find(zel::WindowId::hensi3);
        if (!dialog) return nullptr;
        list(dialog, 1)->setCurrentIndex(y);
        list(dialog, 2)->setCurrentIndex(x);
        list(dialog, 3)->setCurrentIndex(z);
        clickOk(dialog);
        auto* w = ZelWindow::findOpen<rsanpu>();
        if (w && !QTest::qWaitForWindowExposed(w)) return nullptr;
        return w;
    }

    std::unique_ptr<FakeContext> ctx;
};

QTEST_MAIN(TestScatter3D)
#include "tst_scatter_3d.moc"
