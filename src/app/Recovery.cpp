// Recovery of unsaved work: the timer's writes and the start-up offer.
#include "app/Recovery.h"

#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/RecoveryFile.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

namespace {
const QString kTitle = QStringLiteral("データの復元");
const QString kRestore = QStringLiteral("復元");
const QString kDiscard = QStringLiteral("破棄");
const QString kUnreadable = QStringLiteral("復元ファイルを読めないため削除します。");

std::int64_t ownPid() {
    return QCoreApplication::applicationPid();
}

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

struct LeftFile {
    QString path;
    zel::RecoveryState state;
};
} // namespace

Recovery::Recovery(MainContext& ctx, QObject* parent)
    : QObject(parent), m_ctx(ctx),
      m_folder(QFile::decodeName(
          zel::recoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")).c_str())) {
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::update);
    m_timer.start();
}

Recovery::~Recovery() {
    removeOwnFile();
}

QString Recovery::ownFilePath() const {
    if (m_folder.isEmpty()) return {};
    return QDir(m_folder).filePath(QString::fromStdString(zel::recoveryFileName(ownPid())));
}

void Recovery::update() {
    const zel::Dataset& ds = m_ctx.workspace().dataset;
    if (!ds.exists() || ds.unsaved != 1) {
        removeOwnFile();
        return;
    }
    if (m_folder.isEmpty()) return;
    // The model's values: a cell still in its editor is not taken over, as
    // committing it here would end the user's typing.
    QDir().mkpath(m_folder);
    const zel::Status written =
        zel::writeRecoveryFile(local(ownFilePath()), ds, ownPid(), QDateTime::currentSecsSinceEpoch());
    if (written) {
        m_fileWritten = true;
        m_writeFailureShown = false;
    } else if (!m_writeFailureShown) {
        // Said once per failing spell, on the terminal: a box every half minute
        // would stop the work it protects.
        std::cerr << "zel32: " << written.message() << '\n';
        m_writeFailureShown = true;
    }
}

void Recovery::removeOwnFile() {
    if (!m_fileWritten) return;
    QFile::remove(ownFilePath());
    m_fileWritten = false;
}

QString Recovery::questionText(const QString& datasetName, const QString& time) {
    return QStringLiteral("前回、保存されていない変更が残ったまま終了しました。\n\n"
                          "データ: %1\n時刻: %2\n\n復元しますか？")
        .arg(datasetName, time);
}

void Recovery::offerRestore() {
    if (m_folder.isEmpty()) return;
    const QDir dir(m_folder);
    std::vector<LeftFile> left;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        const std::optional<std::int64_t> pid = zel::recoveryFilePid(name.toStdString());
        if (!pid) continue;
        // A file of our own pid was left by an earlier process that had it.
        if (*pid != ownPid() && zel::isRunningProgram(*pid, kProgramName)) continue;
        const QString path = dir.filePath(name);
        zel::Result<zel::RecoveryState> read = zel::readRecoveryFile(local(path));
        if (!read) {
            MessageBox::refusal(m_ctx.mainWindow(),
                                kUnreadable + QLatin1Char('\n') + path + QLatin1Char('\n') +
                                    QString::fromStdString(read.status().message()),
                                kTitle);
            QFile::remove(path);
            continue;
        }
        left.push_back({path, std::move(*read)});
    }
    std::stable_sort(left.begin(), left.end(), [](const LeftFile& a, const LeftFile& b) {
        return a.state.writtenAt > b.state.writtenAt;
    });

    for (LeftFile& file : left) {
        zel::Dataset& restored = file.state.dataset;
        const QString name = QFileInfo(QString::fromStdString(restored.basePath)).fileName();
        const QString time =
            QDateTime::fromSecsSinceEpoch(file.state.writtenAt).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!MessageBox::choose(m_ctx.mainWindow(), questionText(name, time), kTitle, kRestore, kDiscard)) {
            QFile::remove(file.path);
            continue;
        }
        // The restored data is unsaved and goes through the save dialog, which
        // offers its old name: nothing is written over its files unasked.
        zel::Dataset& ds = m_ctx.workspace().dataset;
        ds = std::move(restored);
        ds.unsaved = 1;
        ds.saveInPlace = 0;
        if (!ds.folder.empty() && QFileInfo(QString::fromStdString(ds.folder)).isDir())
            QDir::setCurrent(QString::fromStdString(ds.folder));
        m_ctx.setDatasetName(QString::fromStdString(ds.basePath));
        m_ctx.sheet().fill();
        DataGrid& grid = m_ctx.grid();
        grid.setBlockMode(false);
        grid.setCurrentCol(1);
        grid.setCurrentRow(1);
        grid.setFocus();
        // Ours now: written under this program's pid before the old file goes.
        update();
        if (m_fileWritten && file.path != ownFilePath()) QFile::remove(file.path);
        return;
    }
}
