// p1: the P-Pn table window.
#include "analysis/control/p1.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/PChart.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

// The window's names and captions.
const ResultTableSpec kDesign{
    .window = zel::WindowId::p1,
    .caption = p1::captionText(),
    .gridName = QStringLiteral("grid1"),
    .fileMenuName = QStringLiteral("pfile"),
    .printItemName = QStringLiteral("pprint"),
    .endItemName = QStringLiteral("pend"),
    .editMenuName = QStringLiteral("pedit"),
    .copyItemName = QStringLiteral("pcopy"),
    .selectItemName = QStringLiteral("psubete"),
    .layout = ResultTableLayout::PChart,
};

} // namespace

p1::p1(MainContext& context, QWidget* parent) : ControlTableWindow(context, kDesign, zel::AnalysisId::PPn, parent) {
    // phensi2 computed the lot table and the lines just before.
    showTableAndWriteLimits(zel::pPnTable(context.workspace().chartData));
}

void p1::prepareForChart() {
    zel::fillPPnPlotted(context().workspace().chartData);
}

void p1::openChartWindow() {
    openPkanri(context());
}
