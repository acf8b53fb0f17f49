// The editing commands of the data sheet: they open the structure, name, mask
// and data-label dialogs, and hold the common end of the structure edits
// (rebuild the sheet, write the dataset files at once).
#include "dataset/EditCommands.h"

#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/gyoudel.h"
#include "dataset/gyousou.h"
#include "dataset/henhenf.h"
#include "dataset/masukuf.h"
#include "dataset/parekos.h"
#include "dataset/retudel.h"
#include "dataset/retusou.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

namespace EditCommands {

void insertRows(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::openModal<gyousou>(ctx, ctx.mainWindow());
}

void deleteRows(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::openModal<gyoudel>(ctx, ctx.mainWindow());
}

void insertColumns(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::openModal<retusou>(ctx, ctx.mainWindow());
}

void deleteColumns(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::openModal<retudel>(ctx, ctx.mainWindow());
}

void renameVariables(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::open<henhenf>(ctx, ctx.mainWindow());
}

void maskData(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::open<masukuf>(ctx, ctx.mainWindow());
}

void dataLabels(MainContext& ctx, bool fromOptionMenu) {
    ctx.sheet().commitEdit();
    if (fromOptionMenu) ctx.workspace().dataLabelFlag = 1;
    ZelWindow::open<parekos>(ctx, ctx.mainWindow());
}

bool rebuildAndSave(MainContext& ctx, QWidget* dialog, const QString& title) {
    zel::Dataset& ds = ctx.workspace().dataset;
    // The rename, mask and label dialogs list the old rows and columns: they
    // close rather than write a list that no longer matches.
    ZelWindow::closeWindows({zel::WindowId::henhenf, zel::WindowId::masukuf, zel::WindowId::parekos});
    DataSheet& sheet = ctx.sheet();
    sheet.fill();
    // New columns take the width every column has.
    sheet.setColumnWidthChars(ctx.columnWidthChars());
    if (!ds.exists()) return true; // nowhere to write yet
    const zel::Status written = zel::writeDataset(ds, ds.basePath);
    if (!written) {
        MessageBox::refusal(dialog, QString::fromStdString(written.message()), title);
        return false;
    }
    return true;
}

void recolourSheet(DataGrid& grid, const zel::Dataset& ds) {
    const int activeCol = grid.currentCol();
    const int activeRow = grid.currentRow();
    colourSampleRows(grid, ds, ds.variableCount());
    grid.setCurrentCol(activeCol);
    grid.setCurrentRow(activeRow);
}

DataGrid* sampleCheckGrid(QWidget* parent, int samples, const QString& heading, const QString& caption) {
    auto* grid = new DataGrid(parent);
    grid->setObjectName(QStringLiteral("grid1"));
    grid->setEnterToWindow(true); // Enter outside an edit is "OK"
    grid->setColumnCount(1);
    grid->setRowCount(samples);
    grid->setText(1, 0, heading);
    for (int r = 1; r <= samples; ++r)
        grid->setText(0, r, rowHeadingText(r));
    grid->setColumnWidthAt(0, 8);
    grid->setColumnWidthAt(1, 16);
    if (samples > 0) {
        grid->setCurrentCol(1);
        grid->setCurrentRow(1);
        grid->setBlockCol2(1);
        grid->setBlockRow2(-1);
        grid->setBlockMode(true);
        grid->setCellType(DataGrid::CellType::CheckBox);
        grid->setCheckCaption(caption);
        grid->setCheckValue(false);
        grid->setBlockMode(false);
    }
    return grid;
}

} // namespace EditCommands
