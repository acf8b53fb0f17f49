// The File menu's recent datasets driven as a user drives them: datasets opened
// through "開く(&L)..." and saved through "保存(&S)...", the numbered entries
// above "終了(&E)", choosing one, a file that is gone, and the list kept in the
// settings store from one run to the next.
#include "app/form1.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/LoadForm.h"
#include "dataset/saveform.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "DatasetFixtures.h"
#include "MainWindowSupport.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <memory>

namespace {

const QString kMissingText = QStringLiteral("ファイルが見つかりません。履歴から削除しました。");
const QString kUnsavedText =
    QStringLiteral("このファイルは保存されていません。このまま実行してもよろしいですか？");

// A dataset of one sample and one variable whose value tells it apart.
void writeDataset(const QString& base, double value) {
    zel::Dataset ds;
    uitest::fillDataset(ds, {{value}}, {"長さ"}, {"1"});
    QVERIFY(zel::writeDataset(ds, base.toStdString()).isOk());
}

void typeName(QWidget* dialog, const QString& text) {
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QVERIFY(field);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    // Japanese comes through the input method, as one piece of text.
    field->insert(text);
}

void clickOk(QWidget* dialog) {
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

// The texts of the File menu's entries between its separator and "終了(&E)".
QStringList recentTexts(form1& f) {
    QStringList texts;
    const QList<QAction*> actions = f.fileMenu()->actions();
    const auto first = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
        return a->objectName() == QStringLiteral("SEPARATER");
    });
    for (auto it = first + 1; it != actions.end() && !(*it)->isSeparator(); ++it)
        texts << (*it)->text();
    return texts;
}

QAction* recentItem(form1& f, const QString& text) {
    return uitest::entryByText(f.fileMenu(), text);
}

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;

    QString path(const QString& name) const { return m_main.dataPath(name); }
    form1& f() { return m_main.window(); }

    // "開く(&L)...", the name typed, OK.
    void openThroughDialog(const QString& name) {
        uitest::chooseFromMenu(&f(), f().fileMenu(), QStringLiteral("YOMIKOMI"));
        QPointer<LoadForm> load = ZelWindow::findOpen<LoadForm>();
        QVERIFY(load);
        typeName(load, name);
        // A box here would be a failure to open: the recorder fails the test.
        uitest::MessageBoxRecorder boxes;
        clickOk(load);
        QTRY_VERIFY(!load);
    }
    // Chooses the File menu's entry with this text.
    void choose(const QString& text) {
        emit f().fileMenu()->aboutToShow();
        QAction* item = recentItem(f(), text);
        QVERIFY2(item, qPrintable(text));
        item->trigger();
    }
    double firstValue() { return f().workspace().dataset.value(1, 1); }

  private slots:
    void initTestCase() { m_main.useOwnHome(); }
    void init() {
        m_main.freshStore(uitest::MainWindowFixture::Store::File);
        m_main.newDataFolder(true);
        m_main.start();
    }
    void cleanup() { m_main.tearDown(); }

    void openedDatasetsAreListedNewestFirstAboveExit() {
        // None yet: the menu has only its own entries.
        QCOMPARE(f().fileMenu()->actions().size(), 9);
        writeDataset(path(QStringLiteral("a")), 1);
        writeDataset(path(QStringLiteral("b")), 2);
        openThroughDialog(QStringLiteral("a"));
        openThroughDialog(QStringLiteral("b"));
        QCOMPARE(firstValue(), 2.0);
        QCOMPARE(recentTexts(f()), (QStringList{"&1 b.QCS", "&2 a.QCS"}));
        QStringList names;
        for (QAction* a : f().fileMenu()->actions())
            names << (a->isSeparator() ? QStringLiteral("-") + a->objectName() : a->objectName());
        QCOMPARE(names, (QStringList{"SINKI", "YOMIKOMI", "HOZON", "DATAIN", "PRINSET", "IMPORT", "EXPORT", "-SEPARATER",
                                     "recentFile1", "recentFile2", "-recentSeparator", "SYUURYOU"}));
        QAction* older = recentItem(f(), QStringLiteral("&2 a.QCS"));
        QCOMPARE(older->toolTip(), path(QStringLiteral("a.QCS")));
        QCOMPARE(older->statusTip(), path(QStringLiteral("a.QCS")));
        QCOMPARE(f().recentFiles(), (QStringList{path("b.QCS"), path("a.QCS")}));
        // Opening a listed dataset again moves it up; it is listed once.
        openThroughDialog(QStringLiteral("a"));
        QCOMPARE(recentTexts(f()), (QStringList{"&1 a.QCS", "&2 b.QCS"}));
    }

    void choosingAnEntryOpensItAsTheOpenDialogDoes() {
        writeDataset(path(QStringLiteral("a")), 1);
        writeDataset(path(QStringLiteral("寸法")), 2);
        openThroughDialog(QStringLiteral("寸法"));
        openThroughDialog(QStringLiteral("a"));
        QCOMPARE(recentTexts(f()), (QStringList{"&1 a.QCS", "&2 寸法.QCS"}));

        // Unsaved changes: the open's question comes first; Cancel keeps all.
        zel::Dataset& ds = f().workspace().dataset;
        ds.unsaved = 1;
        {
            uitest::MessageBoxRecorder boxes;
            boxes.plan(MessageBox::Answer::Cancel);
            choose(QStringLiteral("&2 寸法.QCS"));
            const uitest::SeenBox question = boxes.take();
            QCOMPARE(question.kind, MessageBox::Kind::Confirm);
            QCOMPARE(question.text, kUnsavedText);
            QCOMPARE(question.title, QStringLiteral("ファイルの保存"));
        }
        QCOMPARE(firstValue(), 1.0);
        QCOMPARE(ds.unsaved, 1);
        QCOMPARE(recentTexts(f()), (QStringList{"&1 a.QCS", "&2 寸法.QCS"}));
        // The open makes the dataset's folder current, wherever the program was.
        QDir::setCurrent(QDir::rootPath());
        {
            uitest::MessageBoxRecorder boxes;
            choose(QStringLiteral("&2 寸法.QCS"));
            QCOMPARE(boxes.take().text, kUnsavedText);
        }
        // Read as the open dialog reads: the name, the sheet, the folder.
        QCOMPARE(firstValue(), 2.0);
        QCOMPARE(ds.unsaved, 0);
        QCOMPARE(ds.saveInPlace, 0);
        QCOMPARE(f().datasetName(), path(QStringLiteral("寸法")));
        QCOMPARE(f().windowTitle(), QStringLiteral("[ZEL] ") + path(QStringLiteral("寸法")));
        QCOMPARE(QString::fromStdString(ds.valuesPath), path(QStringLiteral("寸法.QCS")));
        QCOMPARE(QString::fromStdString(ds.fileName), QStringLiteral("寸法"));
        QCOMPARE(QString::fromStdString(ds.folder), m_main.dataFolder());
        QCOMPARE(QDir::currentPath(), m_main.dataFolder());
        QCOMPARE(f().grid().text(1, 1), QStringLiteral("2"));
        QVERIFY(f().grid().isEnabled());
        QCOMPARE(recentTexts(f()), (QStringList{"&1 寸法.QCS", "&2 a.QCS"}));
    }

    void aMissingFileLeavesTheListWithAMessage() {
        writeDataset(path(QStringLiteral("a")), 1);
        writeDataset(path(QStringLiteral("b")), 2);
        openThroughDialog(QStringLiteral("a"));
        openThroughDialog(QStringLiteral("b"));
        QVERIFY(QFile::remove(path(QStringLiteral("a.QCS"))));
        f().workspace().dataset.unsaved = 1;
        {
            uitest::MessageBoxRecorder boxes;
            choose(QStringLiteral("&2 a.QCS"));
            // No unsaved question: nothing is opened.
            QCOMPARE(boxes.count(), 1);
            const uitest::SeenBox box = boxes.take();
            QCOMPARE(box.kind, MessageBox::Kind::Refusal);
            QCOMPARE(box.text, kMissingText + QLatin1Char('\n') + path(QStringLiteral("a.QCS")));
            QCOMPARE(box.title, QStringLiteral("データの呼出し"));
        }
        QCOMPARE(firstValue(), 2.0);
        QCOMPARE(f().workspace().dataset.unsaved, 1);
        QCOMPARE(recentTexts(f()), QStringList{"&1 b.QCS"});
        QCOMPARE(f().recentFiles(), QStringList{path("b.QCS")});

        // The last one gone too: the menu is back to its own entries.
        QVERIFY(QFile::remove(path(QStringLiteral("b.QCS"))));
        {
            uitest::MessageBoxRecorder boxes;
            choose(QStringLiteral("&1 b.QCS"));
            QCOMPARE(boxes.take().text, kMissingText + QLatin1Char('\n') + path(QStringLiteral("b.QCS")));
        }
        QCOMPARE(f().fileMenu()->actions().size(), 9);
        QVERIFY(f().recentFiles().isEmpty());
    }

    void savedStartedAndRestartedKeepsTheEightNewest() {
        for (int i = 1; i <= 9; ++i) {
            const QString name = QStringLiteral("d%1").arg(i);
            writeDataset(path(name), i);
            openThroughDialog(name);
        }
        QCOMPARE(recentTexts(f()).size(), 8);
        QCOMPARE(recentTexts(f()).front(), QStringLiteral("&1 d9.QCS"));
        QCOMPARE(recentTexts(f()).back(), QStringLiteral("&8 d2.QCS"));

        // "保存(&S)..." under a new name lists the saved dataset first.
        uitest::chooseFromMenu(&f(), f().fileMenu(), QStringLiteral("HOZON"));
        QPointer<saveform> save = ZelWindow::findOpen<saveform>();
        QVERIFY(save);
        typeName(save, QStringLiteral("写し, 1"));
        clickOk(save);
        QTRY_VERIFY(!save);
        QVERIFY(QFile::exists(path(QStringLiteral("写し, 1.QCS"))));
        const QStringList before = recentTexts(f());
        QCOMPARE(before.front(), QStringLiteral("&1 写し, 1.QCS"));
        QCOMPARE(before.back(), QStringLiteral("&8 d3.QCS"));

        // The next run shows the same list (Japanese and a comma kept through
        // the settings file), and choosing from it works.
        m_main.restart();
        QCOMPARE(recentTexts(f()), before);
        QCOMPARE(recentItem(f(), QStringLiteral("&1 写し, 1.QCS"))->toolTip(),
                 path(QStringLiteral("写し, 1.QCS")));
        QCOMPARE(recentItem(f(), QStringLiteral("&2 d9.QCS"))->toolTip(), path(QStringLiteral("d9.QCS")));
        choose(QStringLiteral("&3 d8.QCS"));
        QCOMPARE(firstValue(), 8.0);
        QCOMPARE(recentTexts(f()).mid(0, 3), (QStringList{"&1 d8.QCS", "&2 写し, 1.QCS", "&3 d9.QCS"}));

        // A dataset named when the program starts counts as opened.
        m_main.restart(path(QStringLiteral("d1.QCN")));
        QCOMPARE(firstValue(), 1.0);
        QCOMPARE(recentTexts(f()).front(), QStringLiteral("&1 d1.QCS"));
        QCOMPARE(recentTexts(f()).size(), 8);
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_recent_files.moc"
