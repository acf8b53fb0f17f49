// Texts of the dialogs shown whole at their opening size: the column-delete
// dialog's headings, the data-label dialog's corner and column heading, and
// the names in the file dialogs' file list.
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XR1.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/FileDialogBase.h"
#include "dataset/LoadForm.h"
#include "dataset/parekos.h"
#include "dataset/retudel.h"
#include "dataset/saveform.h"
#include "dataset/sinkform.h"
#include "windowkit/ZelWindow.h"

#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "TextFit.h"
#include "UiTestSupport.h"

#include <memory>
#include <string>

namespace {

// A dataset whose variable names and labels are given.
void fill(zel::Dataset& ds, const std::vector<std::string>& names, const std::vector<std::string>& labels) {
    ds.resize(static_cast<int>(labels.size()), static_cast<int>(names.size()));
    for (std::size_t j = 0; j < names.size(); ++j)
        ds.setName(static_cast<int>(j + 1), names[j]);
    for (std::size_t i = 0; i < labels.size(); ++i)
        ds.setLabel(static_cast<int>(i + 1), labels[i]);
}

template <class T> std::unique_ptr<T> shown(uitest::FakeContext& ctx) {
    auto w = std::make_unique<T>(ctx);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
    return w;
}

} // namespace

class TestClippedTexts : public QObject {
    Q_OBJECT

    std::unique_ptr<uitest::FakeContext> m_ctx;

  private slots:
    void init() { m_ctx = std::make_unique<uitest::FakeContext>(); }

    void cleanup() {
        ZelWindow::closeAll();
        uitest::flushDeletes();
        m_ctx.reset();
    }

    void columnDeleteHeadingsShowWholeTexts() {
        fill(m_ctx->ws.dataset, {"外径1", "外径の測定値（ミリメートル）", "v3"}, {"1", "2"});
        auto d = shown<retudel>(*m_ctx);
        QVERIFY(d);
        DataGrid* g = d->grid();
        QCOMPARE(g->text(0, 1), QStringLiteral("削除する列"));
        QVERIFY2(textfit::headingColumnShows(g, g->text(0, 1)), "the row heading is cut off");
        for (int c = 1; c <= 3; ++c)
            QVERIFY2(textfit::columnHeadingShows(g, c), qPrintable(g->text(c, 0)));
        // Short names keep the 12 characters every column has.
        QCOMPARE(g->columnWidthAt(1), 12.0);
        QVERIFY(g->columnWidthAt(2) > 12.0);
        QVERIFY(g->columnWidthAt(0) >= 12.0);
        // All three columns are in sight at once.
        QCOMPARE(g->horizontalScrollBar()->maximum(), 0);
    }

    void dataLabelCornerFitsAndTheColumnHasNoLetter() {
        fill(m_ctx->ws.dataset, {"v1"}, {"4月1日午前", "4月1日午後"});
        auto d = shown<parekos>(*m_ctx);
        QVERIFY(d);
        DataGrid* g = d->grid();
        QCOMPARE(g->text(0, 0), QStringLiteral("データラベル"));
        QVERIFY2(textfit::headingColumnShows(g, g->text(0, 0)), "the corner text is cut off");
        QVERIFY(textfit::headingColumnShows(g, QStringLiteral("NO.2")));
        QCOMPARE(textfit::shownColumnHeading(g, 1), QString());
        QCOMPARE(g->columnWidthAt(1), 24.0);
    }

    void controlTableWidensForLongLabels() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        zel::Dataset& ds = m_ctx->ws.dataset;
        fill(ds, {"x1", "x2"}, {"1", "2026年4月16日午前 第2直", "3"});
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 2; ++j)
                ds.setValue(i, j, i + j / 10.0);
        ds.setBase(dir.filePath(QStringLiteral("lots")).toStdString());
        // Opened as the variable dialog opens it: the table computes as it opens.
        QPointer<XR1> t = qobject_cast<XR1*>(openXR1(*m_ctx));
        QVERIFY(t);
        QVERIFY(QTest::qWaitForWindowExposed(t));
        DataGrid& g = t->grid();
        QCOMPARE(g.text(0, 2), QStringLiteral("2026年4月16日午前 第2直"));
        QVERIFY2(textfit::headingColumnShows(&g, g.text(0, 2)), "a data label is cut off");
        for (int c = 1; c <= g.columnCount(); ++c)
            QVERIFY2(textfit::columnHeadingShows(&g, c), qPrintable(g.text(c, 0)));
        // Short labels keep the table's 12 characters.
        m_ctx->ws.dataset.setLabel(2, "2");
        t->close();
        uitest::flushDeletes();
        QVERIFY(!t);
        t = qobject_cast<XR1*>(openXR1(*m_ctx));
        QVERIFY(t);
        QCOMPARE(t->grid().columnWidthAt(0), 12.0);
    }

    void fileListsShowWholeNames_data() {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("open") << QStringLiteral("LoadForm");
        QTest::newRow("save") << QStringLiteral("saveform");
        QTest::newRow("new") << QStringLiteral("sinkform");
    }

    void fileListsShowWholeNames() {
        QFETCH(QString, dialog);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList names{QStringLiteral("hardening_masked.QCS"), QStringLiteral("shaft_diameter.QCS"),
                                QStringLiteral("ロット別_外径データ.QCS")};
        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        m_ctx->ws.dataset.folder = dir.path().toStdString();

        std::unique_ptr<FileDialogBase> d;
        if (dialog == QLatin1String("LoadForm")) d = shown<LoadForm>(*m_ctx);
        if (dialog == QLatin1String("saveform")) d = shown<saveform>(*m_ctx);
        if (dialog == QLatin1String("sinkform")) d = shown<sinkform>(*m_ctx);
        QVERIFY(d);
        auto* list = d->findChild<QListWidget*>(QStringLiteral("File1"));
        QVERIFY(list);
        QCOMPARE(d->listedFiles(), names);
        QCOMPARE(textfit::cutItems(list), QStringList());

        // A name too long for any sensible width scrolls instead.
        const QString longName = QString(70, QLatin1Char('x')) + QStringLiteral(".QCS");
        QFile f(dir.filePath(longName));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        d->refreshFiles();
        QCoreApplication::processEvents();
        QCOMPARE(textfit::cutItems(list), QStringList{longName});
        QVERIFY(textfit::scrollsSideways(list));
        QVERIFY(list->minimumWidth() < textfit::advance(list, longName));
    }
};

QTEST_MAIN(TestClippedTexts)
#include "tst_clipped_texts.moc"
