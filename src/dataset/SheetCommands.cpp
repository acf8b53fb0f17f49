// The spreadsheet import and export commands.
#include "dataset/SheetCommands.h"

#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/FileCommands.h"
#include "dataset/FileDialogRules.h"
#include "dataset/ImportDialog.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/WaitCursor.h"
#include "windowkit/Workspace.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <array>
#include <utility>

namespace {

const QString kImportTitle = QStringLiteral("インポート");
const QString kExportTitle = QStringLiteral("エクスポート");
const QString kOverwriteQuestion = QStringLiteral("このファイルはすでに存在します。上書きしますか？");

const QString kCsvFilter = QStringLiteral("CSV ファイル (*.csv *.tsv *.txt)");
const QString kXlsxFilter = QStringLiteral("XLSX ファイル (*.xlsx)");
const QString kAllFilter = QStringLiteral("すべてのファイル (*)");

struct ExportFilter {
    const char* text;
    zel::SheetFormat format;
    zel::CsvSeparator separator;
    zel::TextEncoding encoding;
    const char* suffix;
};
constexpr std::array<ExportFilter, 4> kExportFilters{{
    {"CSV (UTF-8) (*.csv)", zel::SheetFormat::Csv, zel::CsvSeparator::Comma, zel::TextEncoding::Utf8, "csv"},
    {"CSV (シフトJIS) (*.csv)", zel::SheetFormat::Csv, zel::CsvSeparator::Comma, zel::TextEncoding::Cp932,
     "csv"},
    {"TSV (*.tsv)", zel::SheetFormat::Csv, zel::CsvSeparator::Tab, zel::TextEncoding::Utf8, "tsv"},
    {"XLSX (*.xlsx)", zel::SheetFormat::Xlsx, zel::CsvSeparator::Comma, zel::TextEncoding::Utf8, "xlsx"},
}};

// A file dialog of the program's own (the same on every desktop, and one a
// test can answer).
QFileDialog* fileDialog(QWidget* parent, const QString& title, const QStringList& filters) {
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(filters);
    dialog->setLabelText(QFileDialog::Accept, MessageBox::okText());
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("ｷｬﾝｾﾙ"));
    return dialog;
}

// The folder a dialog starts in: the dataset's, else the current one.
QString startFolder(const zel::Dataset& ds) {
    const QString folder = QString::fromStdString(ds.folder);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

// The imported sheet becomes the dataset as an opened dataset does, but as a
// new one: named after the sheet, beside it, never saved yet.
void adopt(MainContext& ctx, zel::SheetImport&& in, const QString& path) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    const QString base = QDir(folder).filePath(file.completeBaseName());
    QDir::setCurrent(folder);
    zel::Dataset& ds = ctx.workspace().dataset;
    ds = std::move(in.dataset);
    ds.fileName = file.completeBaseName().toStdString();
    ds.setBase(base.toStdString());
    ds.drive = zel::driveText(folder.toStdString());
    ds.folder = folder.toStdString();
    // Saving goes through the save dialog, which asks before it replaces a
    // dataset of the same name.
    ds.saveInPlace = 0;
    ds.unsaved = 1;
    ctx.setDatasetName(base);
    ctx.sheet().fill();
    ctx.grid().setFocus();
}

// The name the export writes: a name without an ending, or with the offered
// ".csv" kept while another format was chosen, gets the format's ending; any
// other ending stays.
QString exportPath(const QString& path, const SheetCommands::ExportKind& kind) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().toLower();
    if (suffix.isEmpty()) return path + QLatin1Char('.') + kind.suffix;
    bool exportEnding = false;
    for (const ExportFilter& f : kExportFilters)
        exportEnding = exportEnding || suffix == QLatin1String(f.suffix);
    if (!exportEnding || suffix == kind.suffix) return path;
    return path.left(path.size() - file.suffix().size()) + kind.suffix;
}

// The format the name asks for: a typed ".xlsx" or ".tsv" that the chosen
// format does not have is the user's choice (the dialog only ever offers
// ".csv"); otherwise the chosen format.
SheetCommands::ExportKind exportKindFor(const QString& path, const SheetCommands::ExportKind& chosen) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == chosen.suffix || suffix == QLatin1String(kExportFilters.front().suffix)) return chosen;
    for (const ExportFilter& f : kExportFilters)
        if (suffix == QLatin1String(f.suffix)) return SheetCommands::exportKind(QString::fromUtf8(f.text));
    return chosen;
}

} // namespace

namespace SheetCommands {

QStringList importFilters() {
    return {kCsvFilter, kXlsxFilter, kAllFilter};
}

QStringList exportFilters() {
    QStringList out;
    for (const ExportFilter& f : kExportFilters)
        out << QString::fromUtf8(f.text);
    return out;
}

ExportKind exportKind(const QString& filter) {
    const ExportFilter* chosen = &kExportFilters[0];
    for (const ExportFilter& f : kExportFilters)
        if (filter == QString::fromUtf8(f.text)) chosen = &f;
    ExportKind kind;
    kind.format = chosen->format;
    kind.csv.separator = chosen->separator;
    kind.csv.encoding = chosen->encoding;
    kind.suffix = QString::fromUtf8(chosen->suffix);
    return kind;
}

void importSheet(MainContext& ctx) {
    ctx.sheet().commitEdit();
    QFileDialog* dialog = fileDialog(ctx.mainWindow(), kImportTitle, importFilters());
    dialog->setObjectName(QStringLiteral("importFile"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setDirectory(startFolder(ctx.workspace().dataset));
    const bool chosen = dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
    const QString path = chosen ? dialog->selectedFiles().first() : QString();
    const QString filter = dialog->selectedNameFilter();
    delete dialog;
    if (chosen) importFile(ctx, path, filter);
}

bool importFile(MainContext& ctx, const QString& path, const QString& filter) {
    std::optional<zel::SheetFormat> format = zel::sheetFormatOf(path.toStdString());
    if (!format) format = filter == kXlsxFilter ? zel::SheetFormat::Xlsx : zel::SheetFormat::Csv;
    zel::SheetReadOptions options;
    options.format = format;
    zel::Result<zel::SheetImport> read = [&] {
        const WaitCursor busy;
        return zel::readSheetFile(path.toStdString(), options);
    }();
    if (!read) {
        MessageBox::refusal(ctx.mainWindow(), QString::fromStdString(read.status().message()), kImportTitle);
        return false;
    }
    ImportDialog preview(path, std::move(*read), format, ctx.mainWindow());
    if (preview.exec() != QDialog::Accepted) return false;
    // As opening a dataset: what the sheet holds unsaved is not dropped unasked.
    ctx.sheet().commitEdit();
    if (!FileCommands::askUnsaved(ctx)) return false;
    adopt(ctx, std::move(preview.reading()), path);
    return true;
}

void exportSheet(MainContext& ctx) {
    ctx.sheet().commitEdit();
    const zel::Dataset& ds = ctx.workspace().dataset;
    QFileDialog* dialog = fileDialog(ctx.mainWindow(), kExportTitle, exportFilters());
    dialog->setObjectName(QStringLiteral("exportFile"));
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // The question is the program's own, in its words.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setDirectory(startFolder(ds));
    dialog->selectFile(QString::fromStdString(ds.fileName) + QStringLiteral(".csv"));
    // The name's ending follows the chosen format.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(exportKind(filter).suffix);
    });
    dialog->setDefaultSuffix(exportKind(exportFilters().first()).suffix);
    const bool chosen = dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
    const QString path = chosen ? dialog->selectedFiles().first() : QString();
    const QString filter = dialog->selectedNameFilter();
    delete dialog;
    if (chosen) exportFile(ctx, path, filter);
}

bool exportFile(MainContext& ctx, const QString& path, const QString& filter) {
    ctx.sheet().commitEdit();
    const ExportKind kind = exportKindFor(path, exportKind(filter));
    const QString target = exportPath(path, kind);
    if (QFileInfo(target).isFile() &&
        !MessageBox::confirm(ctx.mainWindow(), kOverwriteQuestion, kExportTitle))
        return false;
    const zel::Status written = [&] {
        const WaitCursor busy;
        return zel::writeSheetFile(ctx.workspace().dataset, target.toStdString(), kind.format, kind.csv);
    }();
    if (!written) {
        MessageBox::refusal(ctx.mainWindow(), QString::fromStdString(written.message()), kExportTitle);
        return false;
    }
    return true;
}

} // namespace SheetCommands
