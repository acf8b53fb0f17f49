// The headless report of an analysis.
#include "app/ReportCommand.h"

#include "analysis/ReportEntry.h"
#include "analysis/control/XR1.h"
#include "analysis/control/XRS1.h"
#include "analysis/control/p1.h"
#include "analysis/histogram/dobun.h"
#include "analysis/pareto/pareko.h"
#include "analysis/scatter/kaibun.h"
#include "analysis/scatter/kaityo.h"
#include "analysis/statistics/hakoh.h"
#include "analysis/statistics/hakohso.h"
#include "app/CommandLine.h"
#include "common/NumberText.h"
#include "common/ResultTable.h"
#include "components/chart/ChartExport.h"
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"
#include "dataset/DatasetFile.h"
#include "dataset/StartupPath.h"
#include "presentation/GraphSettings.h"
#include "presentation/ReportDocument.h"
#include "presentation/TitleTable.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/WindowGeometry.h"
#include "windowkit/ZelWindow.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The size the charts are drawn at (logical pixels; PDF pages get the same size).
const QSize kChartSize(960, 600);

// A failure with the exit status it ends the command with.
struct Failure {
    int exitCode = ReportCommand::kExitRefused;
    std::string message;
};

// Everything the report writes, built in memory first.
struct ReportFiles {
    std::vector<std::pair<QString, QByteArray>> files; // name in DIR, content
    // What the analysis writes beside the dataset once the files are ready.
    std::function<zel::Status(const zel::Dataset&)> besideDataset;
};

// A --var value: a variable name first, then the list's extra entry where
// offered (K + 1), then a 1-based number.
std::optional<int> resolveVariable(const zel::Dataset& ds, const std::string& text,
                                   std::string_view extraEntry) {
    for (int j = 1; j <= ds.variableCount(); ++j)
        if (ds.name(j) == text) return j;
    if (!extraEntry.empty() && text == extraEntry) return ds.variableCount() + 1;
    const auto number = zel::strictInteger(text);
    if (number && *number >= 1 && *number <= ds.variableCount()) return *number;
    return std::nullopt;
}

// The variable list positions of the analysis's dialog: the given ones, and
// the dialog's preselection for the rest (or, where the count of --var picks
// the dialog, at least the first list).
std::optional<Failure> resolveVariables(const zel::ReportEntry& entry, const zel::CommandLine& cl,
                                        const zel::Dataset& ds, std::vector<int>& positions) {
    const std::size_t wanted = static_cast<std::size_t>(entry.variables);
    const std::size_t given = cl.reportVariables.size();
    if (given > wanted) {
        if (wanted == 0)
            return Failure{ReportCommand::kExitRefused,
                           std::string(zel::analysis(entry.analysis).listName) +
                               "はすべての変数を使うため --var は指定できません。"};
        return Failure{ReportCommand::kExitRefused,
                       "--var が多すぎます（この解析では " + std::to_string(wanted) + " つまで）。"};
    }
    const std::size_t lists = entry.seriesAsGiven ? std::max<std::size_t>(given, 1) : wanted;
    for (std::size_t i = 0; i < lists; ++i) {
        if (i < given) {
            // Only the single list holds the extra entry.
            const std::string_view extra = lists == 1 ? entry.extraEntry : std::string_view();
            const auto v = resolveVariable(ds, cl.reportVariables[i], extra);
            if (!v) {
                if (!entry.extraEntry.empty() && cl.reportVariables[i] == entry.extraEntry)
                    return Failure{ReportCommand::kExitRefused,
                                   std::string(entry.extraEntry) +
                                       " は --var を 1 つだけ指定するときに使えます。"};
                return Failure{ReportCommand::kExitRefused, "変数が見つかりません: " + cl.reportVariables[i]};
            }
            positions.push_back(*v);
        } else {
            positions.push_back(static_cast<int>(i) + 1);
        }
    }
    return std::nullopt;
}

// The caption of a table's window: the table's heading in the one-file report,
// as the window's title bar shows it.
QString tableCaption(zel::WindowId window) {
    using W = zel::WindowId;
    switch (window) {
    case W::XR1:
        return XR1::captionText();
    case W::XRS1:
        return XRS1::captionText();
    case W::p1:
        return p1::captionText();
    case W::dobun:
        return dobun::captionText();
    case W::pareko:
        return pareko::captionText();
    case W::kaibun:
        return kaibun::captionText();
    case W::kaityo:
        return kaityo::captionText();
    case W::hakoh:
        return hakoh::captionText();
    case W::hakohso:
        return hakohso::captionText();
    default:
        return windowName(window);
    }
}

// The table as its window shows it: the headings and the shown text of each
// cell, numbers with the decimal places.
reportdoc::ShownTable shownTable(const zel::ReportTable& shown) {
    const zel::ResultTable& t = shown.table;
    reportdoc::ShownTable out{tableCaption(shown.window), {}};
    QStringList headings;
    for (int c = 0; c <= t.columns; ++c)
        headings << (c < static_cast<int>(t.columnHeadings.size())
                         ? QString::fromStdString(t.columnHeadings[static_cast<std::size_t>(c)])
                         : QString());
    out.rows.push_back(headings);
    for (int r = 1; r <= t.rows; ++r) {
        QStringList row;
        row << (r < static_cast<int>(t.rowHeadings.size())
                    ? QString::fromStdString(t.rowHeadings[static_cast<std::size_t>(r)])
                    : QString());
        for (int c = 1; c <= t.columns; ++c) {
            const zel::ResultCell& cell = t.at(r, c);
            const std::optional<std::string> own =
                cell.number && shown.shownNumber ? shown.shownNumber(c, *cell.number) : std::nullopt;
            if (own)
                row << QString::fromStdString(*own);
            else if (cell.number)
                row << QString::fromStdString(zel::decimalsText(*cell.number, shown.decimals));
            else
                row << QString::fromStdString(cell.text);
        }
        out.rows.push_back(row);
    }
    return out;
}

// <window>.txt: the shown table, tab-separated.
QByteArray shownTableText(const reportdoc::ShownTable& table) {
    QString text;
    for (const QStringList& row : table.rows)
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text.toUtf8();
}

// Runs the analysis into out; a failure leaves nothing written.
std::optional<Failure> buildReport(const zel::CommandLine& cl, ReportFiles& out, zel::Dataset& ds) {
    // The dataset, from any of its three file names.
    const std::string& arg = cl.dataset;
    const bool datasetName =
        arg.size() > 4 && (arg.ends_with(".QCS") || arg.ends_with(".QCN") || arg.ends_with(".QCK"));
    if (!datasetName)
        return Failure{ReportCommand::kExitRefused,
                       "データセットは .QCS, .QCN または .QCK のファイル名で指定してください: " + arg};
    const std::string absolute =
        std::filesystem::absolute(std::filesystem::path(arg)).lexically_normal().string();
    const auto path = zel::parseStartupPath(absolute);
    if (!path || path->basePath.empty())
        return Failure{ReportCommand::kExitRefused, "データセットのパスが正しくありません: " + arg};
    const zel::DatasetReadResult read = zel::readDataset(path->namesPath, path->valuesPath, ds);
    if (!read.status) return Failure{ReportCommand::kExitRefused, read.status.message()};
    ds.setBase(path->basePath);

    // The launch's checks.
    const zel::ReportEntry* entry = cl.reportAnalysis ? zel::reportEntry(*cl.reportAnalysis) : nullptr;
    if (!entry) return Failure{ReportCommand::kExitRefused, "この解析は出力できません。"};
    const zel::Launch launch = zel::decideLaunch(entry->analysis, ds.variableCount(), ds.usedSampleCount());
    if (!launch.refusal.empty()) return Failure{ReportCommand::kExitRefused, std::string(launch.refusal)};

    const auto refused = [](const zel::Status& status) {
        return Failure{ReportCommand::kExitRefused, status.message()};
    };
    if (const zel::Status checked = entry->checkSettings(cl.reportSettings); !checked)
        return refused(checked);
    std::vector<int> positions;
    if (auto f = resolveVariables(*entry, cl, ds, positions)) return f;

    // The analysis's computation; it refuses data it cannot compute (a result
    // beyond the range of the numbers, no variable to chart): then nothing is written.
    zel::Result<zel::ReportOutput> computed = entry->run({ds, positions, cl.reportSettings});
    if (!computed) return refused(computed.status());
    zel::ReportOutput& report = computed.value();
    out.besideDataset = std::move(report.besideDataset);
    for (const zel::ReportTable& t : report.tables) {
        const QString name = windowName(t.window);
        out.files.emplace_back(name + QStringLiteral(".csv"),
                               QByteArray::fromStdString(zel::resultTableCsv(t.table)));
        out.files.emplace_back(name + QStringLiteral(".txt"), shownTableText(shownTable(t)));
    }

    // The charts titled and drawn as their window does: the stored graph
    // settings, and the analysis's default titles, since the launch resets the titles.
    std::vector<zel::ChartModel>& models = report.charts;
    std::vector<zel::ChartModel*> charts;
    for (zel::ChartModel& m : models)
        charts.push_back(&m);
    const zel::SettingsStore& store = zel::appSettings();
    zel::TitleTable titles;
    zel::applyChartSettings(charts, {zel::readGridSettings(store), zel::readViewAngles(store)}, titles,
                            entry->analysis, report.titleContext);

    // The two charts of a window stand one above the other with one plot-area left edge.
    std::vector<const zel::ChartModel*> drawn;
    for (const zel::ChartModel& m : models)
        drawn.push_back(&m);
    const chartexport::FileInsets insets = chartexport::sharedFileInsets(drawn, kChartSize);
    static constexpr std::pair<chartexport::Format, const char*> kChartFiles[] = {
        {chartexport::Format::Png, ".png"},
        {chartexport::Format::Svg, ".svg"},
        {chartexport::Format::Pdf, ".pdf"}};
    const QString chartWindow = windowName(entry->chartWindow);
    for (std::size_t i = 0; i < models.size(); ++i) {
        models[i].setAction(static_cast<int>(zel::ChartActionCode::Draw));
        const QString base = chartWindow + QStringLiteral("-Graph%1").arg(i + 1);
        for (const auto& [format, suffix] : kChartFiles)
            out.files.emplace_back(
                base + QLatin1String(suffix),
                chartexport::bytes(models[i], format, kChartSize,
                                   ChartRenderer::Options{false, 1.0, insets.forFormat(format)}));
    }
    const std::string& summary = report.summary;
    out.files.emplace_back(QStringLiteral("summary.txt"), QByteArray::fromStdString(summary));
    // The one-file document of everything above.
    if (cl.reportFormat != zel::CommandLine::ReportFormat::None) {
        reportdoc::Document doc;
        doc.title = analysisListName(entry->analysis);
        doc.datasetName = QFileInfo(QString::fromStdString(ds.basePath)).fileName();
        doc.datasetPath = QString::fromStdString(ds.valuesPath);
        doc.made = QDateTime::currentDateTime();
        QStringList variables;
        for (int p : positions)
            variables << (p <= ds.variableCount()
                              ? QString::fromStdString(ds.name(p))
                              : QString::fromUtf8(entry->extraEntry.data(),
                                                  static_cast<qsizetype>(entry->extraEntry.size())));
        doc.settings.emplace_back(QStringLiteral("変数"), variables.isEmpty()
                                                              ? QStringLiteral("すべての変数")
                                                              : variables.join(QStringLiteral("、")));
        for (const auto& [key, value] : cl.reportSettings)
            doc.settings.emplace_back(QString::fromStdString(key), QString::fromStdString(value));
        for (const zel::ReportTable& t : report.tables)
            doc.tables.push_back(shownTable(t));
        doc.charts = drawn;
        const bool pdf = cl.reportFormat == zel::CommandLine::ReportFormat::Pdf;
        out.files.emplace_back(pdf ? QStringLiteral("report.pdf") : QStringLiteral("report.html"),
                               reportdoc::bytes(doc, pdf ? reportdoc::Format::Pdf : reportdoc::Format::Html));
    }
    for (const auto& [name, bytes] : out.files)
        if (bytes.isEmpty())
            return Failure{ReportCommand::kExitWriteFailed, name.toStdString() + " を作成できませんでした。"};
    // The analysis's further files, as it made them (an empty one included).
    for (const auto& [name, content] : report.files)
        out.files.emplace_back(QString::fromStdString(name), QByteArray::fromStdString(content));
    return std::nullopt;
}

// Writes the files into a temporary folder inside dir, then the file beside
// the dataset, then moves the files into dir: a failure before the move leaves dir as it was.
std::optional<Failure> writeReport(const ReportFiles& out, const zel::Dataset& ds,
                                   const std::string& dirText) {
    const QString dir = QString::fromStdString(dirText);
    if (!QDir().mkpath(dir))
        return Failure{ReportCommand::kExitWriteFailed, "出力フォルダを作成できません: " + dirText};
    QTemporaryDir staging(QDir(dir).filePath(QStringLiteral(".zel-report-XXXXXX")));
    if (!staging.isValid())
        return Failure{ReportCommand::kExitWriteFailed, "出力フォルダに書き込めません: " + dirText};
    for (const auto& [name, bytes] : out.files) {
        QFile file(staging.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
            return Failure{ReportCommand::kExitWriteFailed,
                           "書き込めません: " + QDir(dir).filePath(name).toStdString()};
    }
    if (out.besideDataset) {
        const zel::Status written = out.besideDataset(ds);
        if (!written) return Failure{ReportCommand::kExitWriteFailed, written.message()};
    }
    for (const auto& [name, bytes] : out.files) {
        std::error_code ec;
        std::filesystem::rename(staging.filePath(name).toStdString(), QDir(dir).filePath(name).toStdString(),
                                ec);
        if (ec)
            return Failure{ReportCommand::kExitWriteFailed,
                           "書き込めません: " + QDir(dir).filePath(name).toStdString() + " (" + ec.message() +
                               ")"};
    }
    return std::nullopt;
}

} // namespace

int ReportCommand::run(const zel::CommandLine& commandLine, std::ostream& err) {
    zel::Dataset ds;
    ReportFiles out;
    std::optional<Failure> failure = buildReport(commandLine, out, ds);
    if (!failure) failure = writeReport(out, ds, commandLine.reportOutput);
    if (failure) {
        err << failure->message << '\n';
        return failure->exitCode;
    }
    return kExitOk;
}
