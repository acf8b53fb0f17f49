// dobun: the frequency table window.
#include "analysis/histogram/dobun.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/histogram/FrequencyTable.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

// The window's names and captions. The spin box formats the boundary and
// mid-value columns only; the counts stay whole numbers.
const ResultTableSpec kDesign{
    .window = zel::WindowId::dobun,
    .caption = dobun::captionText(),
    .gridName = QStringLiteral("Spread1"),
    .fileMenuName = QStringLiteral("dofile"),
    .printItemName = QStringLiteral("doprin"),
    .endItemName = QStringLiteral("doend"),
    .editMenuName = QStringLiteral("doedit"),
    .copyItemName = QStringLiteral("docopy"),
    .selectItemName = QStringLiteral("dosubete"),
    .layout = ResultTableLayout::Frequency,
    .decimalSpin = true,
    .decimalCaption = dobun::decimalsCaption(),
    .decimalMaximum = dobun::kMaxDecimals,
    .decimalFirstColumn = 1,
    .decimalLastColumn = zel::kFrequencyCountColumn - 1,
};

} // namespace

dobun::dobun(MainContext& context, QWidget* parent) : ResultTableWindow(context, kDesign, parent) {
    // bunform counted the classes just before.
    showTable(zel::frequencyTable(context.workspace().classTable));
}

void dobun::fillGrid(DataGrid& grid, const zel::ClassTable& table, int decimals) {
    ResultTableWindow::fillGrid(grid, kDesign, zel::frequencyTable(table), decimals);
}

void dobun::ok() {
    zel::Workspace& ws = context().workspace();
    ws.classLabels = zel::classLabelTexts(ws.classTable, decimals());
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::youko)) open(context());
}
