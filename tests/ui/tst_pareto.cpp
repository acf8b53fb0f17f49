// The Pareto chain driven through the main window as a user drives it: the
// data-label dialog opened from the Option menu or by the graph command, the
// item value dialog pare1 with "合計" and its refusal, the table window pareko
// with its columns as shown, the item count dialog pareno with its lines, and
// every ｷｬﾝｾﾙ. The variable graph window is a stand-in that records its opening.
#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/pareto/Pareto.h"
#include "analysis/pareto/ParetoGallery.h"
#include "analysis/pareto/pare1.h"
#include "analysis/pareto/pareko.h"
#include "analysis/pareto/pareno.h"
#include "analysis/vargraph/oresen.h"
#include "app/form1.h"
#include "components/chart/ChartView.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/parekos.h"
#include "windowkit/AppSettings.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "DatasetFixtures.h"
#include "MainWindowSupport.h"
#include "UiTestSupport.h"

#include <memory>

using uitest::findAction;
using uitest::flushDeletes;
using uitest::items;
using uitest::MessageBoxRecorder;
using uitest::openWindow;
using uitest::shownColumn;

namespace {

// The window's push button with this caption, or nullptr.
QPushButton* captioned(QWidget* window, const QString& caption) {
    return uitest::findByText<QPushButton>(window, caption);
}

QStringList labelTexts(QWidget* window) {
    QStringList out;
    for (const QLabel* l : window->findChildren<QLabel*>())
        out << l->text();
    return out;
}

} // namespace

class TestPareto : public QObject {
    Q_OBJECT

  private:
    uitest::MainWindowFixture m_main;

    form1& f() { return m_main.window(); }
    zel::Workspace& ws() { return f().workspace(); }

    void choose(const QString& analysis) { uitest::chooseAnalysis(f(), analysis); }
    void graphCommand() { uitest::graphCommand(f()); }
    void labelsFromOptionMenu() {
        findAction(&f(), QStringLiteral("datal"))->trigger();
        QCoreApplication::processEvents();
    }
    void press(QWidget* window, const QString& caption) {
        QPushButton* b = captioned(window, caption);
        QVERIFY2(b, qPrintable(caption));
        b->click();
        QCoreApplication::processEvents();
    }
    // The graph command's data-label dialog confirmed, and pare1 with list entry `entry` confirmed.
    pareko* table(int entry = 0) {
        graphCommand();
        auto* labels = openWindow<parekos>(zel::WindowId::parekos);
        if (!labels) return nullptr;
        captioned(labels, QStringLiteral("OK"))->click();
        auto* dialog = openWindow<pare1>(zel::WindowId::pare1);
        if (!dialog) return nullptr;
        dialog->variableList()->setCurrentIndex(entry);
        captioned(dialog, QStringLiteral("OK"))->click();
        QCoreApplication::processEvents();
        return openWindow<pareko>(zel::WindowId::pareko);
    }

  private slots:
    void initTestCase() {
        m_main.useOwnHome();
        m_main.installStore(uitest::MainWindowFixture::Store::Memory);
        m_main.newDataFolder();
    }

    void init() {
        // Every window of the chain is there, the graph window included.
        QVERIFY(AnalysisLaunch::isAvailable(QStringLiteral("パレート図")));
        m_main.start();
        // Items A..D: 件数 5, 20, 10, 15 and 手直し 1, 1, 12, 0; a masked sample of 100.
        uitest::fillDataset(ws().dataset, {{5, 1}, {20, 1}, {100, 100}, {10, 12}, {15, 0}},
                            {"件数", "手直し"}, {"A", "B", uitest::kMaskedLabel, "C", "D"});
        ws().dataset.setBase(m_main.dataPath(QStringLiteral("lot")).toStdString());
        f().setDatasetName(QString::fromStdString(ws().dataset.basePath));
        choose(QStringLiteral("パレート図"));
    }

    void cleanup() { m_main.stop(); }

    void labelsFromTheOptionMenuOpenNoAnalysisDialog() {
        labelsFromOptionMenu();
        QCOMPARE(ws().dataLabelFlag, std::int16_t(1));
        QPointer<parekos> labels = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(labels);
        labels->grid()->setText(1, 1, QStringLiteral("キズ"));
        press(labels, QStringLiteral("OK"));
        flushDeletes();
        QVERIFY(!labels);
        QCOMPARE(ws().dataset.label(1), std::string("キズ"));
        QVERIFY(!ZelWindow::find(zel::WindowId::pare1));
        QCOMPARE(ws().dataLabelFlag, std::int16_t(0));

        // Cancelled from the Option menu, then the graph command: its OK goes on.
        labelsFromOptionMenu();
        press(openWindow<parekos>(zel::WindowId::parekos), QStringLiteral("ｷｬﾝｾﾙ"));
        QCOMPARE(ws().dataLabelFlag, std::int16_t(0));
        graphCommand();
        QCOMPARE(ws().dataLabelFlag, std::int16_t(0));
        press(openWindow<parekos>(zel::WindowId::parekos), QStringLiteral("OK"));
        QVERIFY(openWindow<pare1>(zel::WindowId::pare1));
    }

    void theGraphCommandGoesOnToTheItemValueDialog() {
        graphCommand();
        QPointer<parekos> labels = openWindow<parekos>(zel::WindowId::parekos);
        QVERIFY(labels);
        QCOMPARE(labels->windowTitle(), QStringLiteral("データラベル"));
        press(labels, QStringLiteral("OK"));
        flushDeletes();
        QVERIFY(!labels);
        auto* dialog = openWindow<pare1>(zel::WindowId::pare1);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("解析に使用する変数の指定"));
        QVERIFY(labelTexts(dialog).contains(QStringLiteral("解析に使用する変数を指定してください。")));
        QCOMPARE(items(dialog->variableList()), (QStringList{"件数", "手直し", "合計"}));
        QCOMPARE(dialog->variableList()->currentIndex(), 0);
        // ｷｬﾝｾﾙ closes it and opens nothing.
        QPointer<pare1> guard = dialog;
        press(dialog, QStringLiteral("ｷｬﾝｾﾙ"));
        flushDeletes();
        QVERIFY(!guard);
        QVERIFY(!ZelWindow::find(zel::WindowId::pareko));
    }

    void aSumOfZeroOrLessIsRefusedAndTheDialogStays() {
        ws().dataset.setValue(1, 2, -14); // 手直し: -14, 1, 12, 0
        graphCommand();
        press(openWindow<parekos>(zel::WindowId::parekos), QStringLiteral("OK"));
        auto* dialog = openWindow<pare1>(zel::WindowId::pare1);
        QVERIFY(dialog);
        dialog->variableList()->setCurrentIndex(1);
        MessageBoxRecorder boxes;
        press(dialog, QStringLiteral("OK"));
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.text, QStringLiteral("データを確認して下さい。"));
        QCOMPARE(box.title, QStringLiteral("データの入力"));
        QCOMPARE(box.kind, MessageBox::Kind::Refusal);
        QVERIFY(ZelWindow::find(zel::WindowId::pare1));
        QVERIFY(!ZelWindow::find(zel::WindowId::pareko));
    }

    void theTableRanksTheItemsWithTheirPercents() {
        pareko* w = table();
        QVERIFY(w);
        QVERIFY(!ZelWindow::find(zel::WindowId::pare1));
        QCOMPARE(w->windowTitle(), QStringLiteral("パレート図"));
        const DataGrid& g = w->grid();
        QCOMPARE(g.objectName(), QStringLiteral("Spread1"));
        QCOMPARE(uitest::columnHeadings(g), (QStringList{"項　目", "データ", "％", "累積％"}));
        QCOMPARE(g.text(0, 0), QStringLiteral("項目no."));
        QCOMPARE(uitest::rowHeadings(g), (QStringList{"NO.1", "NO.2", "NO.3", "NO.4"}));
        QCOMPARE(shownColumn(g, 1), (QStringList{"B", "D", "C", "A"}));
        QCOMPARE(shownColumn(g, 2), (QStringList{"20", "15", "10", "5"}));
        QCOMPARE(shownColumn(g, 3), (QStringList{"40.0000", "30.0000", "20.0000", "10.0000"}));
        QCOMPARE(shownColumn(g, 4), (QStringList{"40.0000", "70.0000", "90.0000", "100.0000"}));
        for (const char* name : {"pafile", "paprint", "paend", "paedit", "pacopy", "pasubete"})
            QVERIFY2(findAction(w, QString::fromLatin1(name)) || w->findChild<QObject*>(name), name);
        // The Analysis set now holds the items in table order.
        QCOMPARE(ws().analysisSet.labels, (std::vector<std::string>{"B", "D", "C", "A"}));
        QCOMPARE(ws().paretoItems.cumulative, (std::vector<double>{40, 70, 90, 100}));
    }

    void theTotalOfEachSample() {
        pareko* w = table(2); // "合計": 6, 21, 22, 15
        QVERIFY(w);
        QCOMPARE(shownColumn(w->grid(), 1), (QStringList{"C", "B", "D", "A"}));
        QCOMPARE(shownColumn(w->grid(), 2), (QStringList{"22", "21", "15", "6"}));
        QCOMPARE(ws().analysisSet.names, std::vector<std::string>{"合計"});
    }

    void theItemCountFoldsTheTailAndOpensTheGraph() {
        QPointer<pareko> w = table();
        QVERIFY(w);
        uitest::withModal(
            [this](QWidget* modal) {
                auto* d = qobject_cast<pareno*>(modal);
                QVERIFY(d);
                QCOMPARE(d->windowTitle(), QStringLiteral("パレート図"));
                QCOMPARE(d->spin()->minimum(), 2);
                QCOMPARE(d->spin()->maximum(), 4);
                QCOMPARE(d->spin()->value(), 4);
                QCOMPARE(labelTexts(d),
                         (QStringList{"パレート図に使用する項目数･･･", "上位4項目を使用します。",
                                      "残り0項目は「その他」としてまとめて表示します。"}));
                d->spin()->setValue(2);
                QCOMPARE(labelTexts(d),
                         (QStringList{"パレート図に使用する項目数･･･", "上位2項目を使用します。",
                                      "残り2項目は「その他」としてまとめて表示します。"}));
                QVERIFY(!ZelWindow::find(zel::WindowId::oresen));
                captioned(d, QStringLiteral("OK"))->click();
            },
            [&] { captioned(w, QStringLiteral("OK"))->click(); });
        flushDeletes();
        QVERIFY(!w);
        // The graph window opens on the Pareto kind, appended to its list.
        auto* graph = qobject_cast<oresen*>(ZelWindow::find(zel::WindowId::oresen));
        QVERIFY(graph);
        auto* kinds = graph->findChild<QComboBox*>(QStringLiteral("graphs"));
        QCOMPARE(kinds->currentText(), QStringLiteral("パレート図"));
        QCOMPARE(kinds->itemText(kinds->count() - 1), QStringLiteral("パレート図"));
        const zel::ChartModel& m = graph->chart()->model();
        QCOMPARE(m.pointCount(), 3);
        QCOMPARE(m.pointLabelAt(3), std::string("その他"));
        QCOMPARE(m.value(1, 1), 20.0);
        QCOMPARE(m.overlayValueAt(1), 40.0);
        QCOMPARE(m.overlayValueAt(3), 100.0);
        QCOMPARE(ws().paretoItems.names, (std::vector<std::string>{"B", "D", "その他"}));
        QCOMPARE(ws().paretoItems.cumulative, (std::vector<double>{40, 70, 100}));
        QCOMPARE(ws().analysisSet.values.at(0), (std::vector<double>{20, 15, 15}));
        QCOMPARE(ws().analysisSet.n, 3);
    }

    void cancellingTheItemCountClosesTheTableWithoutAChart() {
        QPointer<pareko> w = table();
        QVERIFY(w);
        // "終了(&E)" asks as "OK" does.
        uitest::withModal([](QWidget* modal) { captioned(modal, QStringLiteral("ｷｬﾝｾﾙ"))->click(); },
                          [&] { findAction(w, QStringLiteral("paend"))->trigger(); });
        flushDeletes();
        QVERIFY(!w);
        QVERIFY(!ZelWindow::find(zel::WindowId::oresen));
        QCOMPARE(ws().paretoItems.count(), 4);

        // The table's own ｷｬﾝｾﾙ closes it without asking.
        w = table();
        QVERIFY(w);
        press(w, QStringLiteral("ｷｬﾝｾﾙ"));
        flushDeletes();
        QVERIFY(!w);
        QVERIFY(!ZelWindow::find(zel::WindowId::pareno));
        QVERIFY(!ZelWindow::find(zel::WindowId::oresen));
    }

    void theGalleryDrawsTheTallyThroughTheChain() {
        const std::vector<ChartGalleryEntry> entries = paretoGalleryEntries();
        QCOMPARE(entries.size(), std::size_t(2));
        QVERIFY(!entries[0].monochrome);
        QVERIFY(entries[1].monochrome);
        zel::ChartModel m;
        entries[0].fill(m);
        // The six largest causes of 150 rejects, then the other three folded.
        QCOMPARE(m.pointCount(), 7);
        QCOMPARE(m.pointLabelAt(1), std::string("キズ"));
        QCOMPARE(m.value(1, 1), 52.0);
        QCOMPARE(m.pointLabelAt(7), std::string("その他"));
        QCOMPARE(m.value(1, 7), 15.0);
        QCOMPARE(m.leftAxis().max, 150.0);
        QCOMPARE(m.overlayValueAt(7), 100.0);
    }
};

QTEST_MAIN(TestPareto)
#include "tst_pareto.moc"
