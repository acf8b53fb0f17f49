// Tests of the Gantt chart windows driven as a user drives them: the graph
// command opens the project name window gantol, whose OK stores the names as
// data labels (and in the names file at once) and opens the chart window
// gantog with its two kinds, legend menu and click texts; a task that ends
// before it starts is drawn and listed.
#include "analysis/AnalysisLaunch.h"
#include "analysis/control/ControlChartGallery.h"
#include "analysis/gantt/GanttGallery.h"
#include "analysis/gantt/gantog.h"
#include "analysis/gantt/gantol.h"
#include "components/chart/ChartRenderer.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ChartPoints.h"
#include "DatasetFixtures.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <memory>
#include <optional>

using uitest::FakeContext;
using uitest::fillDataset;
using uitest::findAction;
using uitest::kWhite;
using uitest::kYellow;
using uitest::lineText;

namespace {

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

QImage rendered(const zel::ChartModel& model, bool mono) {
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    ChartRenderer::render(model, &p, QRectF(0, 0, 600, 400), ChartRenderer::Options(mono, 1.0));
    return image;
}

} // namespace

class TestGantt : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        ctx = uitest::freshContext(QStringLiteral("ガントチャート"));
        // Three projects, two points in time; the second is masked, the third
        // ends before it starts.
        fillDataset(ctx->ws.dataset, {{3, 8}, {1, 2}, {5, 2}}, {"start", "end"}, {"a", "masked", "c"});
        QVERIFY(dir.isValid());
        ctx->ws.dataset.setBase(dir.filePath(QStringLiteral("plan")).toStdString());
        QVERIFY(zel::writeDataset(ctx->ws.dataset, ctx->ws.dataset.basePath).isOk());
    }
    void cleanup() { uitest::closeWindows(ctx); }

    void theGraphCommandOpensTheProjectNameWindow() {
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("ガントチャート")));
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<gantol> w = ZelWindow::findOpen<gantol>();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("ガントチャート"));
        auto* prompt = w->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(prompt);
        QCOMPARE(prompt->text(), QStringLiteral("プロジェクトの名前を入力して下さい。"));
        DataGrid* g = w->grid();
        QCOMPARE(g->objectName(), QStringLiteral("grid1"));
        QCOMPARE(g->rowCount(), 3); // masked samples included
        QCOMPARE(g->columnCount(), 1);
        QCOMPARE(g->text(0, 0), QStringLiteral("no."));
        QCOMPARE(g->text(1, 0), QStringLiteral("データ名"));
        QCOMPARE(g->text(0, 3), QStringLiteral("NO.3"));
        QCOMPARE(g->text(1, 1), QStringLiteral("a"));
        QCOMPARE(g->text(1, 2), QStringLiteral("masked"));
        QCOMPARE(g->backColor(1, 1), kWhite);
        QCOMPARE(g->backColor(1, 2), kYellow);
        QCOMPARE(g->backColor(1, 3), kWhite);

        // ｷｬﾝｾﾙ stores nothing and opens nothing.
        uitest::replaceCellText(g, 1, 1, QStringLiteral("X"));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        QTRY_VERIFY(!w || !w->isVisible());
        QCOMPARE(ctx->ws.dataset.label(1), std::string("a"));
        QVERIFY(!ZelWindow::findOpen<gantog>());
    }

    void okStoresTheNamesInTheNamesFileAndOpensTheChart() {
        QFile values(QString::fromStdString(ctx->ws.dataset.valuesPath));
        QVERIFY(values.open(QIODevice::ReadOnly));
        const QByteArray valuesBefore = values.readAll();
        values.close();

        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<gantol> w = ZelWindow::findOpen<gantol>();
        QVERIFY(w);
        uitest::replaceCellText(w->grid(), 1, 1, QStringLiteral("P1"));
        uitest::replaceCellText(w->grid(), 1, 2, QStringLiteral("P2"));
        uitest::replaceCellText(w->grid(), 1, 3, QStringLiteral("P3"));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QTRY_VERIFY(!w || !w->isVisible());

        // The labels, in the dataset and in its names file at once.
        const zel::Dataset& ds = ctx->ws.dataset;
        QCOMPARE(ds.label(1), std::string("P1"));
        QCOMPARE(ds.label(2), std::string("P2"));
        zel::Dataset back;
        QVERIFY(zel::readDataset(ds.namesPath, ds.valuesPath, back).status.isOk());
        QCOMPARE(back.label(1), std::string("P1"));
        QCOMPARE(back.label(2), std::string("P2"));
        QCOMPARE(back.label(3), std::string("P3"));
        QVERIFY(values.open(QIODevice::ReadOnly));
        QCOMPARE(values.readAll(), valuesBefore);
        QVERIFY(!QFile::exists(QString::fromStdString(zel::temporaryPathFor(ds.namesPath))));

        QPointer<gantog> g = ZelWindow::findOpen<gantog>();
        QVERIFY(g);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QCOMPARE(g->windowTitle(), QStringLiteral("グラフ"));
        const zel::ChartModel& m = g->chart()->model();
        QCOMPARE(m.chartType(), zel::ChartType::Gantt);
        QCOMPARE(m.chartStyle(), zel::chartstyles::kGanttPlain);
        QCOMPARE(m.seriesCount(), 2);
        QCOMPARE(m.pointCount(), 2); // the masked project has no row
        QCOMPARE(m.pointLabelAt(1), std::string("P1"));
        QCOMPARE(m.pointLabelAt(2), std::string("P3"));
        QCOMPARE(m.titleTop(), std::string("ガントチャート"));
    }

    void theChartWindowKindsLegendAndClicks() {
        AnalysisLaunch::runGraphCommand(*ctx);
        QPointer<gantol> w = ZelWindow::findOpen<gantol>();
        QVERIFY(w);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QPointer<gantog> g = ZelWindow::findOpen<gantog>();
        QVERIFY(g);
        g->resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(g));
        QCoreApplication::processEvents();

        QComboBox* kinds = g->kindList();
        QCOMPARE(kinds->objectName(), QStringLiteral("graphs"));
        QCOMPARE(kinds->count(), 2);
        QCOMPARE(kinds->itemText(0), QStringLiteral("ガントチャート"));
        QCOMPARE(kinds->itemText(1), QStringLiteral("（間隔あり）"));
        QCOMPARE(kinds->currentText(), QStringLiteral("ガントチャート"));
        for (const char* caption :
             {"作業ナンバー", "開始位置データ", "終了位置データ", "期間データ", "プロジェクト名"}) {
            bool found = false;
            for (QLabel* l : g->findChildren<QLabel*>())
                found = found || l->text() == QString::fromUtf8(caption);
            QVERIFY2(found, caption);
        }
        // The task that runs backwards is listed at once.
        QCOMPARE(lineText(g, "Text4"), QStringLiteral("c 作業1"));

        // Project a: one task from 3 to 8.
        ChartView* view = g->chart();
        QVERIFY(uitest::clickPoint(view, 2, 1, 2));
        QCOMPARE(lineText(g, "Textset"), QStringLiteral(" 1"));
        QCOMPARE(lineText(g, "Textpoint"), QStringLiteral(" 3"));
        QCOMPARE(lineText(g, "Text1"), QStringLiteral(" 8"));
        QCOMPARE(lineText(g, "Text2"), QStringLiteral(" 5"));
        QCOMPARE(lineText(g, "Text3"), QStringLiteral("a"));
        // Project c: from 5 back to 2, still drawn and clickable.
        QVERIFY(uitest::clickPoint(view, 2, 2, 2));
        QCOMPARE(lineText(g, "Textpoint"), QStringLiteral(" 5"));
        QCOMPARE(lineText(g, "Text1"), QStringLiteral(" 2"));
        QCOMPARE(lineText(g, "Text2"), QStringLiteral("-3"));
        QCOMPARE(lineText(g, "Text3"), QStringLiteral("c"));
        // A report on series 1 is task 0 from 0.
        g->onHit(1, 1);
        QCOMPARE(lineText(g, "Textset"), QStringLiteral(" 0"));
        QCOMPARE(lineText(g, "Textpoint"), QStringLiteral(" 0"));
        QCOMPARE(lineText(g, "Text1"), QStringLiteral(" 3"));
        QCOMPARE(lineText(g, "Text2"), QStringLiteral(" 3"));

        kinds->setCurrentIndex(1);
        QCOMPARE(view->model().chartStyle(), zel::chartstyles::kGanttGaps);
        QVERIFY(uitest::clickPoint(view, 2, 1, 2));

        // The legend: shown at start, hidden with "非表示".
        QAction* show = findAction(g, QStringLiteral("OHSURU"));
        QAction* hide = findAction(g, QStringLiteral("OHSINAI"));
        QVERIFY(show && hide);
        QVERIFY(show->isChecked());
        QCOMPARE(view->model().legendAt(1), std::string("start"));
        hide->trigger();
        QVERIFY(hide->isChecked() && !show->isChecked());
        QCOMPARE(view->model().legendAt(1), std::string());
        QCOMPARE(view->model().chartStyle(), zel::chartstyles::kGanttGaps);
        show->trigger();
        QCOMPARE(view->model().legendAt(1), std::string("start"));
        QAction* scale = findAction(g, QStringLiteral("memoris"));
        QVERIFY(scale && !scale->isEnabled());
        QCOMPARE(scale->text(), QStringLiteral("最大最小値指定(&M)"));

        findAction(g, QStringLiteral("GOMENU"))->trigger();
        QTRY_VERIFY(!g || !g->isVisible());
    }

    void aTaskThatEndsBeforeItStartsIsDrawnVisibly() {
        zel::ChartModel forward, backward;
        for (auto [model, end] : {std::pair{&forward, 9.0}, std::pair{&backward, 1.0}}) {
            model->setSeriesCount(2);
            model->setPointCount(1);
            model->setPointValue(5);
            model->setPointValue(end);
            model->setChartType(static_cast<int>(zel::ChartType::Gantt));
        }
        for (const bool mono : {false, true}) {
            const QImage f = rendered(forward, mono), b = rendered(backward, mono);
            // Its mark (dashed outline, arrow head, duration) is black, which no
            // coloured bar and no text uses.
            if (!mono)
                QVERIFY2(
                    pixelsOf(b, Qt::black) > pixelsOf(f, Qt::black) + 200,
                    qPrintable(
                        QStringLiteral("%1 / %2").arg(pixelsOf(b, Qt::black)).arg(pixelsOf(f, Qt::black))));
            // The bar is there, and its click names the series that ends it.
            std::optional<ChartHit> hit;
            for (int x = 0; x < 600 && !hit; x += 2)
                hit = ChartRenderer::hitTest(backward, QRectF(0, 0, 600, 400), QPointF(x, 200),
                                             ChartRenderer::Options(mono, 1.0));
            QVERIFY(hit);
            QCOMPARE(hit->series, 2);
            QCOMPARE(hit->point, 1);
        }
    }

    void theGalleryDrawsTheScheduleInBothKindsAndInMonochrome() {
        const std::vector<ChartGalleryEntry> entries = ganttGalleryEntries();
        QCOMPARE(entries.size(), std::size_t(4));
        const QStringList all = chartGalleryFiles();
        int mono = 0;
        for (const ChartGalleryEntry& e : entries) {
            QVERIFY2(all.contains(e.file + QStringLiteral(".png")), qPrintable(e.file));
            mono += e.monochrome ? 1 : 0;
            zel::ChartModel m;
            e.fill(m);
            QCOMPARE(m.chartType(), zel::ChartType::Gantt);
            QCOMPARE(m.chartStyle(), e.file.contains(QStringLiteral("gaps")) ? zel::chartstyles::kGanttGaps
                                                                             : zel::chartstyles::kGanttPlain);
            QCOMPARE(m.titleTop(), std::string("ガントチャート"));
            QCOMPARE(m.pointCount(), 6);
            QCOMPARE(m.pointLabelAt(3), std::string("検査治具"));
            // The inspection jig's evaluation runs backwards: 36 to 33.
            QCOMPARE(m.value(3, 3), 36.0);
            QCOMPARE(m.value(4, 3), 33.0);
        }
        QCOMPARE(mono, 2);
    }

  private:
    std::unique_ptr<FakeContext> ctx;
    QTemporaryDir dir;
};

QTEST_MAIN(TestGantt)
#include "tst_gantt.moc"
