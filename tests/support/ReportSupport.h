// Running the headless report as a user types it, and the files it reads and
// writes: shared by the report tests of every analysis.
#pragma once

#include "app/CommandLine.h"
#include "app/ReportCommand.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>
#include <QtTest>

#include <sstream>
#include <string>
#include <vector>

namespace uitest {

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines of a CSV file the report writes (CR LF line ends).
inline QStringList csvLines(const QString& path) {
    QStringList lines = QString::fromUtf8(readAll(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The files of a folder, hidden ones too, by name.
inline QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

struct ReportRun {
    int exitCode = -1;
    std::string err;
};

// Runs zel32 with these arguments (after the program name) in report mode.
inline ReportRun runReport(const QStringList& args) {
    std::vector<std::string> list;
    for (const QString& a : args)
        list.push_back(a.toStdString());
    const zel::CommandLine cl = zel::parseCommandLine(list);
    ReportRun run;
    if (cl.mode != zel::CommandLine::Mode::Report) {
        run.err = "not a report: " + cl.error;
        return run;
    }
    std::ostringstream err;
    run.exitCode = ReportCommand::run(cl, err);
    run.err = err.str();
    return run;
}

// Writes a dataset of the rows (one vector per sample, labelled a, b, c ...)
// under base and returns the path of its .QCS file.
inline QString writeReportDataset(const QString& base, const std::vector<std::string>& names,
                                  const std::vector<std::vector<double>>& rows,
                                  const std::vector<int>& masked = {}) {
    zel::Dataset ds;
    ds.resize(static_cast<int>(rows.size()), static_cast<int>(names.size()));
    for (std::size_t j = 0; j < names.size(); ++j)
        ds.setName(static_cast<int>(j) + 1, names[j]);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ds.setLabel(static_cast<int>(i) + 1, std::string(1, static_cast<char>('a' + i)));
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            ds.setValue(static_cast<int>(i) + 1, static_cast<int>(j) + 1, rows[i][j]);
    }
    for (int i : masked)
        ds.setMask(i, 1);
    const zel::Status st = zel::writeDataset(ds, base.toStdString());
    if (!st) qWarning("%s", st.message().c_str());
    return base + QStringLiteral(".QCS");
}

// A report test's temporary folder: the datasets written into it and the
// output folders of the runs.
class ReportFolder {
  public:
    bool isValid() const { return m_dir.isValid(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Writes the dataset as name.QCN and name.QCS here (see writeReportDataset)
    // and returns the path of its .QCS file.
    QString writeDataset(const QString& name, const std::vector<std::string>& names,
                         const std::vector<std::vector<double>>& rows,
                         const std::vector<int>& masked = {}) const {
        return writeReportDataset(path(name), names, rows, masked);
    }

    // Runs the report of args with --output= the folder `out` here and the
    // dataset last; the output folder's path goes to outDir.
    ReportRun run(const QString& out, QStringList args, const QString& dataset,
                  QString* outDir = nullptr) const {
        const QString folder = path(out);
        args << QStringLiteral("--output=") + folder << dataset;
        if (outDir) *outDir = folder;
        return runReport(args);
    }

  private:
    QTemporaryDir m_dir;
};

// A refused report: status 2, the message on stderr and no output folder.
inline void expectRefused(const ReportFolder& folder, const QStringList& args, const QString& dataset,
                          const std::string& message) {
    QString dir;
    const ReportRun run = folder.run(QStringLiteral("refused"), args, dataset, &dir);
    QCOMPARE(QString::fromStdString(run.err), QString::fromStdString(message + "\n"));
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFile::exists(dir));
}

// The summary.txt of an output folder.
inline QString summaryIn(const QString& out) {
    return QString::fromUtf8(readAll(out + QStringLiteral("/summary.txt")));
}

// A table file as the window shows it (tab-separated, LF line ends), line by line.
inline QStringList shownLines(const QString& path) {
    return QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'));
}

} // namespace uitest
