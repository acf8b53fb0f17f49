// Recovery of unsaved work, driven as a user drives it: a typed value goes to
// the recovery file on the timer, a save or the end of the program removes it,
// and the next start offers what a crash left, with its exact texts. Last, the
// program, started as zel32 starts, is killed (SIGKILL) while it holds unsaved
// changes, and the next start restores them.
#include "app/Recovery.h"
#include "app/endform.h"
#include "app/form1.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/RecoveryFile.h"
#include "dataset/saveform.h"
#include "windowkit/ZelWindow.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "DatasetFixtures.h"
#include "MainWindowSupport.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <csignal>
#include <memory>

#include <unistd.h>

namespace {

const QString kCloseText = QStringLiteral("このファイルは保存されていません。終了してもよろしいですか？");
const QString kQuestionTitle = QStringLiteral("データの復元");

// Two samples of two variables, values 1 2 / 3 4.
void writeDataset(const QString& base) {
    zel::Dataset ds;
    uitest::fillDataset(ds, {{1, 2}, {3, 4}}, {"軸径", "長さ"}, {"A", "B"});
    QVERIFY(zel::writeDataset(ds, base.toStdString()).isOk());
}

// What a crash left: a file of pid written at the given time.
zel::Dataset leftDataset(const QString& base, double first) {
    zel::Dataset ds;
    ds.resize(3, 1);
    ds.setName(1, "外径");
    ds.setLabel(2, "第2組");
    ds.setMask(3, 1);
    ds.setValue(1, 1, first);
    ds.setValue(2, 1, 0.1);
    ds.setValue(3, 1, -7);
    ds.fileName = QFileInfo(base).fileName().toStdString();
    ds.folder = QFileInfo(base).absolutePath().toStdString();
    ds.setBase(base.toStdString());
    return ds;
}

// Every box with its buttons: the recorder keeps no button texts.
struct SeenQuestion {
    QString text, title, first, second;
};

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;

    form1& f() { return m_main.window(); }
    QString stateFolder() const { return m_main.stateFolder() + QStringLiteral("/zel"); }
    QString fileOf(qint64 pid) const {
        return QDir(stateFolder()).filePath(QString::fromStdString(zel::recoveryFileName(pid)));
    }
    QString ownFile() const { return fileOf(QCoreApplication::applicationPid()); }
    // A file left by a program that no longer runs as zel32 (this test's parent):
    // the dataset at base with first as its first value, written at the given time.
    zel::Status leaveGoneProgramsFile(const QString& base, double first, qint64 writtenAt = 0) const {
        return zel::writeRecoveryFile(fileOf(::getppid()).toStdString(), leftDataset(base, first),
                                      ::getppid(), writtenAt);
    }
    QString base() const { return m_main.dataPath(QStringLiteral("shaft_diameter")); }

    void start(const QString& argument = QString()) { m_main.start(argument); }
    void stop() { m_main.stop(); }
    // Runs the start-up offer, answering every question with restore (or not),
    // and gives back what each question showed.
    QList<SeenQuestion> offer(QList<bool> answers) {
        QList<SeenQuestion> seen;
        const MessageBox::Answerer before =
            MessageBox::setAnswerer([&seen, &answers](const MessageBox::Shown& box) {
                seen.append({box.text, box.title, box.okButton, box.cancelButton});
                const bool restore = answers.isEmpty() ? false : answers.takeFirst();
                return restore ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel;
            });
        f().recovery().offerRestore();
        MessageBox::setAnswerer(before);
        return seen;
    }

  private slots:
    void initTestCase() { m_main.useOwnHome(); }
    void init() {
        m_main.installStore(uitest::MainWindowFixture::Store::File);
        QDir(stateFolder()).removeRecursively();
        m_main.newDataFolder();
        writeDataset(base());
    }
    void cleanup() { m_main.tearDown(); }

    void aTypedValueIsWrittenOnTheTimerAndASaveRemovesIt() {
        start(base() + QStringLiteral(".QCS"));
        QCOMPARE(f().recovery().interval(), 30000);
        QCOMPARE(f().recovery().folder(), stateFolder());
        f().recovery().setInterval(50);
        // Nothing unsaved: no file, however long it runs.
        QTest::qWait(200);
        QVERIFY(!QFile::exists(ownFile()));

        uitest::typeIntoCell(&f().grid(), 2, 1, QStringLiteral("7.25"));
        QCOMPARE(f().workspace().dataset.unsaved, 1);
        QTRY_VERIFY(QFile::exists(ownFile()));
        const auto written = zel::readRecoveryFile(ownFile().toStdString());
        QVERIFY2(written, written.status().message().c_str());
        QCOMPARE(written->pid, QCoreApplication::applicationPid());
        QVERIFY(qAbs(written->writtenAt - QDateTime::currentSecsSinceEpoch()) < 10);
        QCOMPARE(written->dataset.value(1, 2), 7.25);
        QCOMPARE(written->dataset.value(2, 2), 4.0);
        QCOMPARE(written->dataset.name(1), std::string("軸径"));
        QCOMPARE(QString::fromStdString(written->dataset.basePath), base());
        // Only the file: its temporary went into it.
        QCOMPARE(QDir(stateFolder()).entryList(QDir::Files).size(), 1);

        // "保存(&S)..." with the offered name, over the old files.
        f().recovery().setInterval(30000);
        uitest::chooseFromMenu(&f(), f().fileMenu(), QStringLiteral("HOZON"));
        QPointer<saveform> save = ZelWindow::findOpen<saveform>();
        QVERIFY(save);
        {
            uitest::MessageBoxRecorder boxes;
            QTest::mouseClick(save->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
            QCOMPARE(boxes.take().text, QStringLiteral("このファイルはすでに存在します。上書きしますか？"));
        }
        QTRY_VERIFY(!save);
        QCOMPARE(f().workspace().dataset.unsaved, 0);
        // Gone at once, not at the next tick.
        QVERIFY(!QFile::exists(ownFile()));
    }

    void theEndOfTheProgramRemovesItAndACancelledEndKeepsIt() {
        start(base() + QStringLiteral(".QCS"));
        f().recovery().setInterval(50);
        uitest::typeIntoCell(&f().grid(), 1, 2, QStringLiteral("9"));
        QTRY_VERIFY(QFile::exists(ownFile()));
        {
            uitest::MessageBoxRecorder boxes;
            boxes.plan(MessageBox::Answer::Cancel);
            f().close();
            QCOMPARE(boxes.take().text, kCloseText);
        }
        QVERIFY(f().isVisible());
        QVERIFY(QFile::exists(ownFile()));
        {
            uitest::MessageBoxRecorder boxes;
            f().close();
            QCOMPARE(boxes.take().text, kCloseText);
        }
        QVERIFY(!QFile::exists(ownFile()));
        delete ZelWindow::findOpen<endform>();
    }

    void theNextStartOffersWhatWasLeftNewestFirst() {
        // Two programs that ended without saving (the parent of this test runs,
        // but not as zel32; the pid of this test is an earlier program's).
        QDir().mkpath(stateFolder());
        const QString older = m_main.dataPath(QStringLiteral("寸法"));
        const qint64 olderTime = QDateTime(QDate(2026, 12, 10), QTime(3, 12)).toSecsSinceEpoch();
        QVERIFY(leaveGoneProgramsFile(older, 5.5, olderTime));
        QVERIFY(zel::writeRecoveryFile(ownFile().toStdString(), leftDataset(base(), 6.5),
                                       QCoreApplication::applicationPid(), olderTime + 3600));
        start();

        // The newer is discarded, the older restored.
        const QList<SeenQuestion> seen = offer({false, true});
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].text,
                 QStringLiteral("前回、保存されていない変更が残ったまま終了しました。\n\nデータ: "
                                "shaft_diameter\n時刻: 2026-12-10 04:12\n\n復元しますか？"));
        QCOMPARE(seen[0].title, kQuestionTitle);
        QCOMPARE(seen[0].first, QStringLiteral("復元"));
        QCOMPARE(seen[0].second, QStringLiteral("破棄"));
        QCOMPARE(seen[1].text,
                 QStringLiteral("前回、保存されていない変更が残ったまま終了しました。\n\nデータ: "
                                "寸法\n時刻: 2026-12-10 03:12\n\n復元しますか？"));

        // The restored dataset: its name and files, unsaved, saved through the dialog.
        const zel::Dataset& ds = f().workspace().dataset;
        QCOMPARE(f().datasetName(), older);
        QCOMPARE(QString::fromStdString(ds.valuesPath), older + QStringLiteral(".QCS"));
        QCOMPARE(ds.unsaved, 1);
        QCOMPARE(ds.saveInPlace, 0);
        QCOMPARE(uitest::shownColumn(f().grid(), 1), (QStringList{"5.5", "0.1", "-7"}));
        QCOMPARE(uitest::columnHeadings(f().grid()), QStringList{QStringLiteral("外径")});
        QCOMPARE(ds.label(2), std::string("第2組"));
        QCOMPARE(ds.mask(3), std::int16_t(1));
        QVERIFY(uitest::findAction(&f(), QStringLiteral("HOZON"))->isEnabled());
        // Both old files are gone; the restored data is this program's file now.
        QVERIFY(!QFile::exists(fileOf(::getppid())));
        const auto mine = zel::readRecoveryFile(ownFile().toStdString());
        QVERIFY(mine);
        QCOMPARE(mine->dataset.value(1, 1), 5.5);
        QCOMPARE(QDir(stateFolder()).entryList(QDir::Files).size(), 1);
    }

    // The box itself, as shown: its two buttons, and Escape keeps the work.
    void theShownQuestionRestoresUnlessDiscardIsChosen() {
        QDir().mkpath(stateFolder());
        QVERIFY(leaveGoneProgramsFile(base(), 8));
        start();
        uitest::withModal(
            [](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), kQuestionTitle);
                QVERIFY(box->text().startsWith(
                    QStringLiteral("前回、保存されていない変更が残ったまま終了しました。")));
                QStringList buttons;
                for (QAbstractButton* b : box->buttons())
                    buttons << b->text();
                buttons.sort();
                QCOMPARE(buttons, (QStringList{QStringLiteral("復元"), QStringLiteral("破棄")}));
                QCOMPARE(box->defaultButton()->text(), QStringLiteral("復元"));
                QTest::keyClick(box, Qt::Key_Escape);
            },
            [this] { f().recovery().offerRestore(); });
        QCOMPARE(f().workspace().dataset.value(1, 1), 8.0);
        QCOMPARE(f().workspace().dataset.unsaved, 1);
        stop();

        // Discard: the file goes and nothing is read.
        QVERIFY(leaveGoneProgramsFile(base(), 9));
        start();
        uitest::withModal(
            [](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QStringLiteral("破棄")) QTest::mouseClick(b, Qt::LeftButton);
            },
            [this] { f().recovery().offerRestore(); });
        QVERIFY(!f().workspace().dataset.exists());
        QVERIFY(!QFile::exists(fileOf(::getppid())));
    }

    void anUnreadableFileIsNamedAndRemovedAndNothingElseIsOffered() {
        QDir().mkpath(stateFolder());
        uitest::writeBytes(fileOf(::getppid()), "ZELRECOVERY\nab");
        // Files of other names are not the program's.
        uitest::writeBytes(QDir(stateFolder()).filePath(QStringLiteral("notes.txt")), "x");
        start();
        {
            uitest::MessageBoxRecorder boxes;
            f().recovery().offerRestore();
            const uitest::SeenBox box = boxes.take();
            QCOMPARE(box.kind, MessageBox::Kind::Refusal);
            QCOMPARE(box.title, kQuestionTitle);
            QCOMPARE(box.text,
                     QStringLiteral("復元ファイルを読めないため削除します。\n") + fileOf(::getppid()) +
                         QStringLiteral("\n復元ファイルが壊れています (12 バイト目: 版がありません)。"));
        }
        QVERIFY(!QFile::exists(fileOf(::getppid())));
        QVERIFY(QFile::exists(QDir(stateFolder()).filePath(QStringLiteral("notes.txt"))));
        QVERIFY(!f().workspace().dataset.exists());
    }

    // The program, killed while it holds unsaved changes: the recovery probe is
    // zel32's start with a short interval and a paste from the environment.
    void theFileSurvivesAKillAndTheNextStartRestoresIt() {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_main.stateFolder());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_main.homePath(QStringLiteral("config-killed")));
        env.insert(QStringLiteral("ZEL_TEST_RECOVERY_INTERVAL_MS"), QStringLiteral("100"));
        env.insert(QStringLiteral("ZEL_TEST_PASTE"), QStringLiteral("12.5\t-3"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(RECOVERY_PROBE_PATH), {base() + QStringLiteral(".QCS")});
        QVERIFY(program.waitForStarted());
        const QString file = fileOf(program.processId());
        const auto pastedValues = [&file] {
            const auto read = zel::readRecoveryFile(file.toStdString());
            return read && read->dataset.value(1, 1) == 12.5 && read->dataset.value(1, 2) == -3;
        };
        QTRY_VERIFY_WITH_TIMEOUT(pastedValues(), 30000);

        // While it runs, another program's start leaves its file alone.
        start();
        QCOMPARE(offer({true}).size(), 0);
        QVERIFY(QFile::exists(file));
        stop();

        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGKILL), 0);
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(file));

        start();
        const QList<SeenQuestion> seen = offer({true});
        QCOMPARE(seen.size(), 1);
        QVERIFY(seen[0].text.contains(QStringLiteral("データ: shaft_diameter\n")));
        const zel::Dataset& ds = f().workspace().dataset;
        QCOMPARE(f().datasetName(), base());
        QCOMPARE(ds.unsaved, 1);
        QCOMPARE(uitest::shownRow(f().grid(), 1), (QStringList{"12.5", "-3"}));
        QCOMPARE(uitest::shownRow(f().grid(), 2), (QStringList{"3", "4"}));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
