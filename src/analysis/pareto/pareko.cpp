// pareko: the Pareto table window.
#include "analysis/pareto/pareko.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/pareto/Pareto.h"
#include "components/grid/DataGrid.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

// The name and the value are plain cells; the two percent columns show four places.
constexpr int kNameColumn = 1;
constexpr int kValueColumn = 2;
constexpr int kPercentColumn = 3;
constexpr int kCumulativeColumn = 4;

const ResultTableSpec kDesign{
    .window = zel::WindowId::pareko,
    .caption = QStringLiteral("パレート図"),
    .gridName = QStringLiteral("Spread1"),
    .fileMenuName = QStringLiteral("pafile"),
    .printItemName = QStringLiteral("paprint"),
    .endItemName = QStringLiteral("paend"),
    .editMenuName = QStringLiteral("paedit"),
    .copyItemName = QStringLiteral("pacopy"),
    .selectItemName = QStringLiteral("pasubete"),
    .layout = ResultTableLayout::Statistics,
};

void formatColumns(DataGrid& grid) {
    grid.setBlockMode(false);
    grid.setCurrentRow(-1);
    for (int c : {kNameColumn, kValueColumn}) {
        grid.setCurrentCol(c);
        grid.setCellType(DataGrid::CellType::Text);
    }
    for (int c : {kPercentColumn, kCumulativeColumn}) {
        grid.setCurrentCol(c);
        grid.setCellType(DataGrid::CellType::Real);
        grid.setDecimalPlaces(zel::kParetoPercentDecimals);
    }
    grid.setCurrentCol(1);
    grid.setCurrentRow(1);
}

} // namespace

pareko::pareko(MainContext& context, QWidget* parent) : ResultTableWindow(context, kDesign, parent) {
    zel::Workspace& ws = context.workspace();
    // The table now defines the order of the items.
    ws.paretoItems = zel::rankParetoItems(ws.analysisSet);
    zel::storeParetoItems(ws.analysisSet, ws.paretoItems);
    showTable(zel::paretoTable(ws.paretoItems));
    formatColumns(grid());
}

void pareko::ok() {
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::pareno)) open(context());
    close();
}

ZelWindow* openPareko(MainContext& context) {
    return ZelWindow::open<pareko>(context);
}
