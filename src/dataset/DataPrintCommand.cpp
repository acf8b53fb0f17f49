// The data-printing command: opens the window `inmode` (one instance).
#include "dataset/DataPrintCommand.h"

#include "app/MainContext.h"
#include "dataset/DataSheet.h"
#include "app/ZelWindow.h"
#include "dataset/inmode.h"

namespace DataPrintCommand {

void open(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::open<inmode>(ctx, ctx.mainWindow());
}

} // namespace DataPrintCommand
