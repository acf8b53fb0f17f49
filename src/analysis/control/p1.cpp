// p1: the P-Pn table window.
#include "analysis/control/p1.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/PChart.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

ResultTableSpec p1Design() {
    ResultTableSpec s;
    s.name = QStringLiteral("p1");
    s.caption = p1::captionText();
    s.gridName = QStringLiteral("grid1");
    s.fileMenuName = QStringLiteral("pfile");
    s.printItemName = QStringLiteral("pprint");
    s.endItemName = QStringLiteral("pend");
    s.editMenuName = QStringLiteral("pedit");
    s.copyItemName = QStringLiteral("pcopy");
    s.selectItemName = QStringLiteral("psubete");
    s.layout = ResultTableLayout::PChart;
    return s;
}

} // namespace

p1::p1(MainContext& context, QWidget* parent)
    : ControlTableWindow(context, p1Design(), analysisText(), parent) {
    // phensi2 computed the lot table and the lines just before.
    showTableAndWriteLimits(zel::pPnTable(context.workspace().chartData));
}

void p1::prepareForChart() {
    zel::fillPPnPlotted(context().workspace().chartData);
}

void p1::openChartWindow() {
    openPkanri(context());
}
