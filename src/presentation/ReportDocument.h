// One-file reports: an analysis's tables and charts as one titled document, a
// paginated A4 PDF or a self-contained HTML page. The report command and the
// analysis windows' "レポートの保存..." both write through here, so the two
// documents look the same.
#pragma once

#include "components/chart/ChartModel.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class DataGrid;
class MainContext;
class QWidget;

namespace reportdoc {

// A table as its window shows it: row 0 holds the column headings, column 0
// the row headings, every cell the shown text.
struct ShownTable {
    QString heading;
    std::vector<QStringList> rows;
};

struct Document {
    QString title;       // the analysis's name
    QString datasetName; // the dataset's name and its file
    QString datasetPath;
    QDateTime made;
    // The settings the results were made with: name, value (none: no row).
    std::vector<std::pair<QString, QString>> settings;
    std::vector<ShownTable> tables;
    // Drawn one per block, each at the width of the text.
    std::vector<const zel::ChartModel*> charts;
};

enum class Format { Pdf, Html };

// The document as a file's bytes; empty when it could not be made.
QByteArray pdf(const Document& document);
QByteArray html(const Document& document);
QByteArray bytes(const Document& document, Format format);

// The pages of the PDF (the footer's "n / N" counts them).
int pdfPageCount(const Document& document);

// The document of an analysis window now: the current analysis's name (the
// window's caption when none is current) and the open dataset; the window adds
// its tables or charts.
Document windowDocument(MainContext& context, const QString& caption);
// A grid's cells as it shows them, headings included.
ShownTable gridTable(const QString& heading, const DataGrid& grid);

// The caption of the windows' menu item and of its file dialog.
inline QString saveItemText() {
    return QStringLiteral("レポートの保存(&R)...");
}

// The file name the save dialog proposes: "<dataset>_<title>.pdf", with the
// characters a file name cannot hold as "_".
QString proposedFileName(const Document& document);

// Asks for a PDF file name under parent (proposing one beside the dataset) and
// writes the document there. False
// when the user cancelled or the file could not be written; the latter is
// told in a message.
bool saveAsPdf(QWidget* parent, const Document& document);

} // namespace reportdoc
