// The File menu's dataset commands.
#include "dataset/FileCommands.h"

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

namespace {
const QString kUnsavedQuestion =
    QStringLiteral("このファイルは保存されていません。このまま実行してもよろしいですか？");
const QString kUnsavedTitle = QStringLiteral("ファイルの保存");
const QString kSaveTitle = QStringLiteral("データの保存");
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
