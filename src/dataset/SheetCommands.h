// The File menu's spreadsheet commands: "インポート(&I)..." reads a CSV or XLSX
// file through its preview into a new, unsaved dataset; "エクスポート(&X)..."
// writes what the sheet holds as CSV (UTF-8 or code page 932), TSV or XLSX.
#pragma once

#include "dataset/CsvFile.h"
#include "dataset/SheetFile.h"

#include <QString>
#include <QStringList>

class MainContext;

namespace SheetCommands {

// The file dialogs' filters, in their order.
QStringList importFilters();
QStringList exportFilters();

// What an export filter writes and the ending a name without one gets.
struct ExportKind {
    zel::SheetFormat format = zel::SheetFormat::Csv;
    zel::CsvWriteOptions csv;
    QString suffix;
};
ExportKind exportKind(const QString& filter);

void importSheet(MainContext& ctx); // "インポート(&I)..."
void exportSheet(MainContext& ctx); // "エクスポート(&X)..."

// The import from the chosen file on: the reading, the preview and, on its OK,
// the new dataset. A file whose ending names no format is read as the chosen
// filter's. True when the dataset was replaced.
bool importFile(MainContext& ctx, const QString& path, const QString& filter);
// The export to the chosen file on: the name's ending made the chosen format's
// (one without an ending or with another format's), the overwrite question,
// then the writing. True when the file was written.
bool exportFile(MainContext& ctx, const QString& path, const QString& filter);

} // namespace SheetCommands
