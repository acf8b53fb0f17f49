// The File menu's dataset commands.
#include "dataset/FileCommands.h"

#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/FileDialogRules.h"
#include "dataset/LoadForm.h"
#include "dataset/rot.h"
#include "dataset/saveform.h"
#include "dataset/sinkform.h"
#include "dataset/tydata.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QDir>

namespace {
const QString kUnsavedQuestion =
    QStringLiteral("このファイルは保存されていません。このまま実行してもよろしいですか？");
const QString kUnsavedTitle = QStringLiteral("ファイルの保存");
const QString kSaveTitle = QStringLiteral("データの保存");
const QString kReadTitle = QStringLiteral("データの呼出し");
} // namespace

namespace FileCommands {

bool askUnsaved(MainContext& ctx) {
    zel::Dataset& ds = ctx.workspace().dataset;
    if (ds.exists() && ds.unsaved == 1 &&
        !MessageBox::confirm(ctx.mainWindow(), kUnsavedQuestion, kUnsavedTitle))
        return false;
    ds.unsaved = 0;
    return true;
}

void newDataset(MainContext& ctx) {
    ctx.sheet().commitEdit();
    if (!askUnsaved(ctx)) return;
    ZelWindow::open<sinkform>(ctx, ctx.mainWindow());
}

void openDataset(MainContext& ctx) {
    ctx.sheet().commitEdit();
    if (!askUnsaved(ctx)) return;
    ZelWindow::open<LoadForm>(ctx, ctx.mainWindow());
}

bool openFiles(MainContext& ctx, const QString& base, const std::string& fileName, const std::string& drive,
               const std::string& folder, QWidget* boxParent) {
    QDir::setCurrent(QString::fromStdString(folder));
    zel::Dataset& ds = ctx.workspace().dataset;
    ds.fileName = fileName;
    ds.setBase(base.toStdString());
    ctx.setDatasetName(base);

    const zel::Status status = ctx.sheet().load(ds.namesPath, ds.valuesPath);
    if (!status) {
        // What was read stays and the name is the new dataset's, but its files
        // are not what the sheet holds: a save must not go straight over them.
        ds.saveInPlace = 0;
        MessageBox::refusal(boxParent, QString::fromStdString(status.message()), kReadTitle);
        return false;
    }
    DataGrid& grid = ctx.grid();
    grid.setBlockMode(false);
    grid.setCurrentCol(1);
    grid.setCurrentRow(1);
    grid.setFocus();
    ds.saveInPlace = 0;
    ds.drive = drive;
    ds.folder = folder;
    ctx.datasetFileUsed(ds.valuesPath);
    return true;
}

void saveDataset(MainContext& ctx) {
    ctx.sheet().commitEdit();
    zel::Dataset& ds = ctx.workspace().dataset;
    if (ds.saveInPlace != 1) {
        ZelWindow::open<saveform>(ctx, ctx.mainWindow());
        return;
    }
    const zel::Status written = zel::writeDataset(ds, ds.basePath);
    if (!written) {
        // A failed save changes no flag and says so.
        MessageBox::refusal(ctx.mainWindow(), QString::fromStdString(written.message()), kSaveTitle);
        return;
    }
    ds.unsaved = 0;
    ds.saveInPlace = 0;
    ctx.datasetFileUsed(ds.valuesPath);
    MessageBox::refusal(ctx.mainWindow(), QString::fromStdString(zel::savedInPlaceNotice(ds.basePath)),
                        kSaveTitle);
}

void defineNewDataset(MainContext& ctx) {
    int samples = 0;
    int variables = 0;
    if (ZelWindow::openModal<tydata>(ctx, samples, variables, ctx.mainWindow()) != QDialog::Accepted) return;
    ZelWindow::openModal<rot>(ctx, samples, variables, ctx.mainWindow());
}

} // namespace FileCommands
