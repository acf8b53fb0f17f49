// "レポートの保存..." of the analysis windows, chosen as a user chooses it: the
// chart window's "印刷(&P)" menu and the table window's "ﾌｧｲﾙ(&F)" menu ask
// for a file name and write that window's content as one report PDF.
#include "components/grid/DataGrid.h"
#include "presentation/GraphWindow.h"
#include "presentation/ResultTableWindow.h"
#include "windowkit/Workspace.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "AnalysisWindows.h"
#include "ChartPictureSupport.h"
#include "DatasetFixtures.h"
#include "UiTestSupport.h"

using namespace uitest;

namespace {

const QString kSaveItem = QStringLiteral("レポートの保存(&R)...");

QMenu* menuTitled(QWidget* window, const QString& title) {
    for (QMenu* m : window->findChildren<QMenu*>())
        if (m->title() == title) return m;
    return nullptr;
}

// Chooses the item and answers the file dialog with name (typed without .pdf).
void saveReportAs(QMenu* menu, const QString& path, const QString& proposed = QString()) {
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == kSaveItem) item = a;
    QVERIFY(item);
    withModal(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("レポートの保存"));
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("PDF (*.pdf)")});
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            if (!proposed.isEmpty()) {
                // Beside the dataset, named after it and the analysis.
                QCOMPARE(dialog->directory().absolutePath(), QFileInfo(proposed).absolutePath());
                QCOMPARE(name->text(), QFileInfo(proposed).fileName());
            }
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        },
        [&] { item->trigger(); });
}

} // namespace

class TestReportSave : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeContext> ctx;
    QTemporaryDir dir;

  private slots:
    void cleanup() { closeWindows(ctx); }

    // The histogram window: its chart, under the analysis's name and the dataset.
    void chartWindowSavesItsChart() {
        ctx = freshContext(QStringLiteral("ヒストグラム"));
        ctx->ws.dataset.setBase(dir.filePath(QStringLiteral("軸径")).toStdString());
        youko* w = openYouko(*ctx, 1);
        QVERIFY(w);
        QMenu* print = menuTitled(w, GraphWindow::printMenuText());
        QVERIFY(print);
        QCOMPARE(menuEntries(print).texts,
                 (QStringList{QStringLiteral("カラー(&C)"), QStringLiteral("モノクロ(&M)"), kSaveItem}));
        saveReportAs(print, dir.filePath(QStringLiteral("ヒスト")));
        const QString pdf = dir.filePath(QStringLiteral("ヒスト.pdf"));
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(pdfPageCount(pdf), 1);
        const QString text = pdfText(pdf);
        for (const QString& s : {QStringLiteral("ヒストグラム"), QStringLiteral("軸径"),
                                 QStringLiteral("軸径.QCS"), QStringLiteral("グラフ")})
            QVERIFY2(text.contains(s), qPrintable(s));
    }

    // The Xbar-R table window: its table as the grid shows it.
    void tableWindowSavesItsTable() {
        ctx = freshContext(QStringLiteral("Xbar-R 管理図"));
        fillDataset(ctx->ws.dataset, {{1.5, 3}, {2, 6.25}, {4, 4}}, {"外径1", "外径2"});
        ctx->ws.dataset.setBase(dir.filePath(QStringLiteral("外径")).toStdString());
        auto* w = openWithSet<ResultTableWindow>(*ctx, zel::WindowId::XR1, {1, 2});
        QVERIFY(w);
        QMenu* file = menuTitled(w, ResultTableWindow::fileMenuText());
        QVERIFY(file);
        QCOMPARE(menuEntries(file).texts,
                 (QStringList{QStringLiteral("印刷(&P)"), kSaveItem, QStringLiteral("終了(&E)")}));
        saveReportAs(file, dir.filePath(QStringLiteral("表")),
                     dir.filePath(QStringLiteral("外径_Xbar-R 管理図.pdf")));
        const QString pdf = dir.filePath(QStringLiteral("表.pdf"));
        QVERIFY(QFile::exists(pdf));
        const QString text = pdfText(pdf);
        for (const QString& s :
             {QStringLiteral("Xbar-R 管理図"), QStringLiteral("外径"), QStringLiteral("外径.QCS")})
            QVERIFY2(text.contains(s), qPrintable(s));
        QStringList shownCells = columnHeadings(w->grid()) + rowHeadings(w->grid());
        for (int r = 1; r <= w->grid().rowCount(); ++r)
            shownCells += shownRow(w->grid(), r);
        shownCells.removeAll(QString());
        QVERIFY(shownCells.size() > 10);
        for (const QString& s : shownCells)
            QVERIFY2(text.contains(s), qPrintable(s));
        // A cancelled dialog writes nothing.
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        QAction* item = findAction(w, QStringLiteral("reportsave"));
        QVERIFY(item);
        withModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); }, [&] { item->trigger(); });
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    }
};

QTEST_MAIN(TestReportSave)
#include "tst_report_save.moc"
