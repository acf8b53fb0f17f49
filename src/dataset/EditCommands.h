// The dialogs that change the dataset's structure, names, masks and labels and
// rewrite its files at once.
#pragma once

#include <QString>

class DataGrid;
class MainContext;
class QWidget;
namespace zel {
class Dataset;
}

namespace EditCommands {

void insertRows(MainContext& ctx);      // `gyousou`, modal
void deleteRows(MainContext& ctx);      // `gyoudel`, modal
void insertColumns(MainContext& ctx);   // `retusou`, modal
void deleteColumns(MainContext& ctx);   // `retudel`, modal
void renameVariables(MainContext& ctx); // `henhenf`, modeless
void maskData(MainContext& ctx);        // `masukuf`, modeless
// `parekos`, modeless. fromOptionMenu sets the data-label flag to 1 first.
void dataLabels(MainContext& ctx, bool fromOptionMenu);

// The common end of the insert and delete dialogs: the sheet is rebuilt from
// the dataset, then both dataset files are written at once. A failed write is
// shown (exclamation icon, the dialog's title) over `dialog`; returns whether
// the files were written. The unsaved and save-in-place flags stay as they are.
bool rebuildAndSave(MainContext& ctx, QWidget* dialog, const QString& title);

// The sheet's colours after the masks changed: the block of all data cells
// white, then every masked sample's row yellow across columns 1..K.
void recolourSheet(DataGrid& grid, const zel::Dataset& ds);

// A one-column grid `grid1` of check boxes, one per sample: rows headed "NO." + r,
// the column headed `heading`, every box captioned `caption` and unchecked; the
// heading column 8 and the check column 16 characters wide.
DataGrid* sampleCheckGrid(QWidget* parent, int samples, const QString& heading, const QString& caption);

} // namespace EditCommands
