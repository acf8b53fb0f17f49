// Printing of any DataGrid: page header and footer markup ("/c" centres what
// follows, "/n" starts a new line, "/P" is the page number), border, margins,
// pagination over rows and columns with the headings repeated on every page, and
// the abort dialog. Prints to the printer chosen in the printer set-up, or, where
// no printer is installed, to a PDF file that the user names.
#pragma once

#include <QString>

#include <functional>

class DataGrid;
class QPagedPaintDevice;
class QPaintDevice;
class QWidget;

namespace zel {
struct PrintMargins;
}

namespace GridPrinting {

// Installs the printing handler on a grid, so that its print action prints.
void install(DataGrid& grid);

// The result-table print recipe into the grid's print settings: abort message, job
// name "ZEL DATA", header "/c ZEL_DATA /n file name《" + basePath + "》/n" (the path's
// slashes doubled so that they print as they stand), footer "/c Page _/P", border on,
// the margins multiplied by marginScale (1 for tables, 56.7 for the data print).
void applyRecipe(DataGrid& grid, const QString& basePath, const zel::PrintMargins& margins,
                 double marginScale);

// The recipe, then the grid's print action.
void printWithRecipe(DataGrid& grid, const QString& basePath, const zel::PrintMargins& margins,
                     double marginScale);

enum class Outcome { Printed, Cancelled, Failed };

// Prints the grid with its print settings to the shared printer, or to a PDF
// file when no printer is installed (or a PDF path provider is set). A failure
// is reported to the user in a message box.
Outcome print(DataGrid& grid);

// Answers the PDF file-name question instead of the file dialog; an empty answer
// cancels the print. While a provider is set every print goes to PDF. An empty
// function restores the dialog. The environment variable ZEL_PRINT_PDF, when
// set, names the PDF file in the same way.
void setPdfPathProvider(std::function<QString()> provider);

// Draws every page of the grid on a paged device (a QPrinter or a QPdfWriter)
// that has not been painted yet. `keepGoing`, when given, is asked before each
// page after the first with the number of the next page; false stops there.
// Returns the number of pages drawn, or -1 when the device could not be opened.
int renderPages(DataGrid& grid, QPagedPaintDevice& device,
                const std::function<bool(int page, int pageCount)>& keepGoing = {});

// Draws one page of the grid as it prints onto any paint device (an image of the
// printed page), its size and resolution taken for the paper. Returns the number of
// pages the table takes, or -1 when the device could not be painted or the page
// does not exist.
int renderPage(DataGrid& grid, QPaintDevice& device, int page = 1);

// The outcome of the last print (for the windows' tests).
Outcome lastOutcome();

} // namespace GridPrinting
