// Recovery of unsaved work. While the open dataset has unsaved changes, its
// whole state goes every kIntervalMs to this program's recovery file
// (dataset/RecoveryFile.h); a save, a clean exit or a dataset without unsaved
// changes leaves none. On the next start, the files of programs that no longer
// run (a crash, a kill) are offered for restoring.
//
// Each running program writes only its own file (named after its process id),
// so a second program never takes over the file of one that still runs.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class MainContext;

class Recovery : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 30'000;
    // Only a process running under this name owns its recovery file.
    static constexpr const char* kProgramName = "zel32";

    // The folder comes from the environment ($XDG_STATE_HOME, $HOME).
    explicit Recovery(MainContext& ctx, QObject* parent = nullptr);
    // The program's own file goes with it: the program ended or the window closed.
    ~Recovery() override;

    QString folder() const { return m_folder; }
    QString ownFilePath() const;
    int interval() const { return m_timer.interval(); }
    void setInterval(int ms) { m_timer.setInterval(ms); }

    // The timer's work: writes the dataset while it has unsaved changes,
    // otherwise removes the file.
    void update();
    // A save, or the clean end: the file goes.
    void removeOwnFile();

    // At start: each file left by a program that no longer runs, newest first,
    // is offered ("復元" / "破棄"). Restoring one stops there (the others
    // stay for the next start); discarding removes it. A file that cannot be
    // read is named in a box and removed.
    void offerRestore();

    // The restore question for a dataset left at a time ("2026-12-10 03:12").
    static QString questionText(const QString& datasetName, const QString& time);

  private:
    MainContext& m_ctx;
    QString m_folder;
    QTimer m_timer;
    bool m_fileWritten = false;
    bool m_writeFailureShown = false;
};
