// The data-printing command: opens the window `inmode` (one instance).
#include "dataset/DataPrintCommand.h"

#include "dataset/DataSheet.h"
#include "dataset/inmode.h"
#include "windowkit/MainContext.h"
#include "windowkit/ZelWindow.h"

namespace DataPrintCommand {

void open(MainContext& ctx) {
    ctx.sheet().commitEdit();
    ZelWindow::open<inmode>(ctx, ctx.mainWindow());
}

} // namespace DataPrintCommand
