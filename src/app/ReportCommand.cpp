// The headless report of a control-chart analysis.
#include "app/ReportCommand.h"

#include "common/ResultTable.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlChartFill.h"
#include "analysis/control/ControlReports.h"
#include "analysis/control/LimitsFile.h"
#include "analysis/control/XRs.h"
#include "app/CommandLine.h"
#include "common/NumberText.h"
#include "components/chart/ChartExport.h"
#include "components/chart/ChartModel.h"
#include "components/chart/ChartRenderer.h"
#include "dataset/DatasetFile.h"
#include "dataset/StartupPath.h"
#include "presentation/GraphSettings.h"
#include "presentation/TitleTable.h"
#include "windowkit/AppSettings.h"
#include "windowkit/WindowGeometry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The defect-count chart's message for entered limits the wrong way round.
const std::string kLimitsReversed = "UCLとLCLのデータを確認してください。";

// The size the charts are drawn at (logical pixels; PDF pages get the same size).
const QSize kChartSize(960, 600);

// A failure with the exit status it ends the command with.
struct Failure {
    int exitCode = ReportCommand::kExitRefused;
    std::string message;
};

// The --set values, checked.
struct ReportSettings {
    std::string kind = zel::kLineKind;
    int decimals = 2;
    std::optional<std::string> limitsPath;
    std::optional<zel::EnteredLimits> entered;
};

// Everything the report writes, built in memory first.
struct ReportOutput {
    std::vector<std::pair<QString, QByteArray>> files; // name in DIR, content
    bool writesLimitsFile = false;
    zel::ControlLines fileLines{}; // the lines the table window writes beside the dataset
};

// A whole-text decimal number (surrounding blanks allowed), or nothing.
std::optional<double> strictNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0') return std::nullopt;
    return v;
}

std::optional<int> strictInteger(const std::string& text) {
    const auto v = strictNumber(text);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9) return std::nullopt;
    return static_cast<int>(*v);
}

bool isControlKind(const std::string& kind) {
    const auto& kinds = zel::controlChartKinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// "欠点数データ (defects)": the analyses that take entered limits.
std::string enteredLimitsAnalyses() {
    std::string names;
    for (const zel::ReportEntry& e : zel::reportEntries()) {
        if (!e.enteredLimits) continue;
        const zel::AnalysisDescriptor& a = zel::analysis(e.analysis);
        if (!names.empty()) names += "、";
        names += std::string(a.listName) + " (" + std::string(a.reportId) + ")";
    }
    return names;
}

std::optional<Failure> readSettings(const zel::ReportEntry& entry, const zel::CommandLine& cl,
                                    ReportSettings& s) {
    const std::string name(zel::analysis(entry.analysis).listName);
    bool kindGiven = false;
    std::optional<double> upper, lower;
    for (const auto& [key, value] : cl.reportSettings) {
        if (key == "kind") {
            s.kind = value;
            kindGiven = true;
        } else if (key == "decimals") {
            const auto d = strictInteger(value);
            if (!d || *d < 0 || *d > 100)
                return Failure{ReportCommand::kExitRefused,
                               "decimals= には 0 から 100 の整数を指定してください: " + value};
            s.decimals = *d;
        } else if (key == "limits") {
            if (value.empty())
                return Failure{ReportCommand::kExitRefused,
                               "limits= には限界線ファイル (.QCK) を指定してください。"};
            s.limitsPath = value;
        } else if (key == "upper" || key == "lower") {
            const auto v = strictNumber(value);
            if (!v)
                return Failure{ReportCommand::kExitRefused, key + "= には数値を指定してください: " + value};
            (key == "upper" ? upper : lower) = *v;
        }
    }
    if (s.limitsPath && !entry.savedLimits)
        return Failure{ReportCommand::kExitRefused, name + "には以前の管理線情報 (limits=) を使えません。"};
    if ((upper || lower) && !entry.enteredLimits)
        return Failure{ReportCommand::kExitRefused,
                       "upper= と lower= は" + enteredLimitsAnalyses() + "の規格の入力にだけ使えます。"};
    if ((upper || lower) && !kindGiven) s.kind = zel::kEnteredLimitsKind;
    if (s.kind == zel::kEnteredLimitsKind) {
        if (!entry.enteredLimits)
            return Failure{ReportCommand::kExitRefused,
                           "グラフの種類「" + s.kind + "」はこの解析にはありません。"};
        if (!upper || !lower)
            return Failure{ReportCommand::kExitRefused,
                           "規格の入力には upper= と lower= の両方を指定してください。"};
        // The same check the chart window makes on the limits dialog's answer.
        if (*upper < *lower) return Failure{ReportCommand::kExitRefused, kLimitsReversed};
        s.entered = zel::EnteredLimits{*upper, *lower, false};
    } else if (!isControlKind(s.kind)) {
        return Failure{ReportCommand::kExitRefused, "不明なグラフの種類です: " + s.kind};
    } else if (upper || lower) {
        return Failure{ReportCommand::kExitRefused,
                       "upper= と lower= はグラフの種類「規格の入力」で使います。"};
    }
    return std::nullopt;
}

// A --var value: a variable name first, then "Xbar" where offered (K + 1), then
// a 1-based number.
std::optional<int> resolveVariable(const zel::Dataset& ds, const std::string& text, bool xbarOffered) {
    for (int j = 1; j <= ds.variableCount(); ++j)
        if (ds.name(j) == text) return j;
    if (xbarOffered && text == zel::kXbarEntry) return ds.variableCount() + 1;
    const auto number = strictInteger(text);
    if (number && *number >= 1 && *number <= ds.variableCount()) return *number;
    return std::nullopt;
}

// The variable list positions of the analysis's dialog: the given ones, the
// dialog's preselection for the rest.
std::optional<Failure> resolveVariables(const zel::ReportEntry& entry, const zel::CommandLine& cl,
                                        const zel::Dataset& ds, std::vector<int>& positions) {
    const std::size_t wanted = static_cast<std::size_t>(entry.variables);
    if (cl.reportVariables.size() > wanted) {
        if (wanted == 0)
            return Failure{ReportCommand::kExitRefused, std::string(zel::analysis(entry.analysis).listName) +
                                                            "はすべての変数を使うため --var は指定できません。"};
        return Failure{ReportCommand::kExitRefused,
                       "--var が多すぎます（この解析では " + std::to_string(wanted) + " つまで）。"};
    }
    for (std::size_t i = 0; i < wanted; ++i) {
        if (i < cl.reportVariables.size()) {
            const auto v = resolveVariable(ds, cl.reportVariables[i], entry.meanOffered);
            if (!v)
                return Failure{ReportCommand::kExitRefused, "変数が見つかりません: " + cl.reportVariables[i]};
            positions.push_back(*v);
        } else {
            positions.push_back(static_cast<int>(i) + 1);
        }
    }
    return std::nullopt;
}

// The table as its window shows it: tab-separated, numbers with the decimal places.
QByteArray shownTableText(const zel::ResultTable& t, int decimals) {
    QString text;
    for (int c = 0; c <= t.columns; ++c) {
        if (c > 0) text += QLatin1Char('\t');
        if (c < static_cast<int>(t.columnHeadings.size()))
            text += QString::fromStdString(t.columnHeadings[static_cast<std::size_t>(c)]);
    }
    text += QLatin1Char('\n');
    for (int r = 1; r <= t.rows; ++r) {
        if (r < static_cast<int>(t.rowHeadings.size()))
            text += QString::fromStdString(t.rowHeadings[static_cast<std::size_t>(r)]);
        for (int c = 1; c <= t.columns; ++c) {
            text += QLatin1Char('\t');
            const zel::ResultCell& cell = t.at(r, c);
            if (cell.number)
                text += QString::fromStdString(zel::decimalsText(*cell.number, decimals));
            else
                text += QString::fromStdString(cell.text);
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

// Fills one chart with its data as its window's redraw does.
zel::ChartModel chartModel(const zel::ControlChartInput& input) {
    zel::ChartModel model;
    model.redrawReset(model.viewAngles(), true);
    zel::fillControlChart(model, input);
    return model;
}

// summary.txt: per chart the three constant lines it draws, "Graph1 CL 4" ...;
// with entered limits these are the midpoint, the upper and the lower limit.
std::string summaryText(const std::vector<zel::ControlChartInput>& inputs) {
    static const char* const names[3] = {"CL", "UCL", "LCL"};
    std::string summary;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::array<double, 3> lines = zel::drawnControlLines(inputs[i]);
        for (std::size_t c = 0; c < lines.size(); ++c)
            summary += "Graph" + std::to_string(i + 1) + " " + names[c] + " " +
                       zel::generalNumberText(lines[c]) + "\n";
    }
    return summary;
}

// Runs the analysis into out; a failure leaves nothing written.
std::optional<Failure> buildReport(const zel::CommandLine& cl, ReportOutput& out, zel::Dataset& ds) {
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

    ReportSettings settings;
    if (auto f = readSettings(*entry, cl, settings)) return f;
    std::vector<int> positions;
    if (auto f = resolveVariables(*entry, cl, ds, positions)) return f;

    // The computation of the dialog and the table window; it refuses data it
    // cannot compute (a result beyond the range of the numbers, no variable to
    // chart): then nothing is written.
    const auto refused = [](const zel::Status& status) {
        return Failure{ReportCommand::kExitRefused, status.message()};
    };
    zel::Result<zel::ChartDataSet> computed = entry->compute(ds, positions);
    if (!computed) return refused(computed.status());
    zel::ChartDataSet cds = std::move(computed.value());
    std::optional<zel::ResultTable> table;
    if (entry->table) table = entry->table(cds);
    const QString tableWindow =
        entry->tableWindow ? QString::fromUtf8(zel::window(*entry->tableWindow).name) : QString();
    const QString chartWindow = QString::fromUtf8(zel::window(entry->chartWindow).name);

    // The table windows write this data's lines beside the dataset.
    out.writesLimitsFile = table.has_value();
    out.fileLines = cds.lines;
    if (table) {
        out.files.emplace_back(tableWindow + QStringLiteral(".csv"),
                               QByteArray::fromStdString(zel::resultTableCsv(*table)));
        out.files.emplace_back(tableWindow + QStringLiteral(".txt"),
                               shownTableText(*table, settings.decimals));
    }

    // Lines of an earlier analysis, as the saved-limits dialogs load and confirm them.
    if (settings.limitsPath) {
        const zel::Result<zel::ControlLines> loaded = zel::readLimitsFile(*settings.limitsPath);
        if (!loaded)
            return Failure{ReportCommand::kExitRefused,
                           *settings.limitsPath + ": " + loaded.status().message()};
        cds.loadedLines = loaded.value();
        cds.lines = cds.loadedLines;
    }

    // The charts, each filled, titled and drawn as its window does.
    std::vector<zel::ControlChartInput> inputs = entry->charts(cds);
    // The chosen kind, and lines loaded or entered that the data would draw beyond the numbers.
    for (zel::ControlChartInput& input : inputs) {
        input.kind = settings.kind;
        input.entered = settings.entered;
        if (const zel::Status drawable = zel::checkFiniteInput(input); !drawable) return refused(drawable);
    }
    std::vector<zel::ChartModel> models;
    for (const zel::ControlChartInput& input : inputs)
        models.push_back(chartModel(input));
    std::vector<zel::ChartModel*> charts;
    for (zel::ChartModel& m : models)
        charts.push_back(&m);
    // The stored graph settings; the launch resets the titles, so every chart
    // gets its analysis's defaults.
    const zel::SettingsStore& store = zel::appSettings();
    zel::TitleTable titles;
    zel::applyChartSettings(charts, {zel::readGridSettings(store), zel::readViewAngles(store)}, titles,
                            entry->analysis, zel::TitleContext{});

    const std::string summary = summaryText(inputs);
    // The two charts of a window stand one above the other with one plot-area left edge.
    std::vector<const zel::ChartModel*> drawn;
    for (const zel::ChartModel& m : models)
        drawn.push_back(&m);
    const chartexport::FileInsets insets = chartexport::sharedFileInsets(drawn, kChartSize);
    static constexpr std::pair<chartexport::Format, const char*> kChartFiles[] = {
        {chartexport::Format::Png, ".png"}, {chartexport::Format::Svg, ".svg"}, {chartexport::Format::Pdf, ".pdf"}};
    for (std::size_t i = 0; i < models.size(); ++i) {
        models[i].setAction(static_cast<int>(zel::ChartActionCode::Draw));
        const QString base = chartWindow + QStringLiteral("-Graph%1").arg(i + 1);
        for (const auto& [format, suffix] : kChartFiles)
            out.files.emplace_back(base + QLatin1String(suffix),
                                   chartexport::bytes(models[i], format, kChartSize,
                                                      ChartRenderer::Options{false, 1.0, insets.forFormat(format)}));
    }
    out.files.emplace_back(QStringLiteral("summary.txt"), QByteArray::fromStdString(summary));
    for (const auto& [name, bytes] : out.files)
        if (bytes.isEmpty())
            return Failure{ReportCommand::kExitWriteFailed, name.toStdString() + " を作成できませんでした。"};
    return std::nullopt;
}

// Writes the files into a temporary folder inside dir, then the limits file,
// then moves the files into dir: a failure before the move leaves dir as it was.
std::optional<Failure> writeReport(const ReportOutput& out, const zel::Dataset& ds,
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
    if (out.writesLimitsFile) {
        const zel::Status written = zel::writeLimitsFile(ds.limitsPath, ds.basePath, out.fileLines);
        if (!written)
            return Failure{ReportCommand::kExitWriteFailed, ds.limitsPath + ": " + written.message()};
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
    ReportOutput out;
    std::optional<Failure> failure = buildReport(commandLine, out, ds);
    if (!failure) failure = writeReport(out, ds, commandLine.reportOutput);
    if (failure) {
        err << failure->message << '\n';
        return failure->exitCode;
    }
    return kExitOk;
}
