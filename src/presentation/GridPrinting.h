// Printing of any DataGrid: page header and footer markup ("/c" centres what
// follows, "/n" starts a new line, "/P" is the page number), border, margins,
// pagination over rows and columns with the headings repeated on every page, and
// the abort dialog. Prints to the printer chosen in the printer set-up, or, where
// no printer is installed, to a PDF file that the user names.
#pragma once

#include <QString>

class DataGrid;
class QPrinter;
class QWidget;

namespace zel {
struct PrintMargins;
}

namespace GridPrinting {

// The printer every print of the program uses (the printer set-up changes it).
QPrinter& sharedPrinter();

// Installs the printing handler on a grid, so that its print action prints.
void install(DataGrid& grid);

// The result-table print recipe: abort message, job name "ZEL DATA", header
// "/c ZEL_DATA /n file name《" + basePath + "》/n", footer "/c Page _/P", border on,
// the margins multiplied by marginScale (1 for tables, 56.7 for the data print),
// then the grid's print action.
void printWithRecipe(DataGrid& grid, const QString& basePath, const zel::PrintMargins& margins,
                     double marginScale);

} // namespace GridPrinting
