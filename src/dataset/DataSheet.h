// DataSheet: binds the main window's grid `grid1` to the dataset. It fills the
// sheet from the dataset, turns the user's cell edits into values, and carries
// the sheet's clipboard and selection commands.
#pragma once

#include "common/Status.h"

#include <QObject>

#include <cstddef>
#include <optional>
#include <string>

class DataGrid;
class QString;
namespace zel {
class Dataset;
}

// The heading of row r of the sheet and of the dialogs that list the samples
// or the variables one a row: "NO." and the number.
QString rowHeadingText(int r);

// The samples' colours over columns 1..columns: every sample's row white, the
// row of a sample an analysis leaves out (any non-zero mask) yellow. The
// active cell is left where the last block began.
void colourSampleRows(DataGrid& grid, const zel::Dataset& ds, int columns);

class DataSheet : public QObject {
    Q_OBJECT
  public:
    DataSheet(DataGrid* grid, zel::Dataset& dataset, QObject* parent = nullptr);
    // Takes the sheet's text provider back from the grid when the grid outlives it.
    ~DataSheet() override;

    DataGrid* grid() const { return m_grid; }
    zel::Dataset& dataset() const { return m_dataset; }

    // Start-up set-up: row-heading column 8 characters, every cell right-aligned.
    void setUp();

    // Puts the whole dataset into the sheet: counts, row headings "NO." + r,
    // variable names, white background with masked rows yellow, and the values
    // as general number text; active cell (1, 1).
    void fill();
    // Only the structure (counts, headings, colours); value cells show empty
    // until setShownValueCount() says how many values (row-major) are shown.
    void fillStructure();
    void setShownValueCount(std::size_t count);
    // How many values (row-major) the sheet shows.
    std::size_t shownValueCount() const { return m_shownValues; }

    // Reads the dataset's files into the dataset and fills the sheet, keeping what
    // was read when the reading fails. Returns the reading's status.
    zel::Status load(const std::string& namesPath, const std::string& valuesPath);

    // The column-width slider: every column becomes this many characters wide.
    void setColumnWidthChars(int chars);

    // Stores a value still open in the sheet's editor, as Enter would. Every
    // command that reads or writes the dataset calls this first: a menu, a
    // shortcut or a toolbar button does not take the focus from the editor.
    void commitEdit();

    // Edit commands.
    void copy();
    void cut();
    void paste();
    void selectAll(); // columns 1..K, rows 1..N, never the headings

    // The row of sample `sample` (columns 1..K) selected and scrolled into
    // view, as a click on its chart point asks; false for no such sample.
    bool selectSampleRow(int sample);
    // The sample whose row the selection lies in when it lies in one row of
    // samples; nothing for no selection or one over several rows.
    std::optional<int> selectedSample() const;

  signals:
    // A cell edit reached the dataset (the unsaved flag is now 1).
    void edited(int col, int row);

  private:
    void onCellChanged(int col, int row);
    void installTextProvider();
    // The value of (col, row) is shown (read, and within the counts).
    bool isShown(int col, int row) const;
    void setActiveCell(int col, int row);

    DataGrid* m_grid;
    zel::Dataset& m_dataset;
    std::size_t m_shownValues = 0;
};
