// XRS1: the X-Rs table window.
#include "analysis/control/XRS1.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XRs.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

ResultTableSpec xrs1Design() {
    ResultTableSpec s;
    s.name = QStringLiteral("XRS1");
    s.caption = XRS1::captionText();
    s.gridName = QStringLiteral("grid1");
    s.fileMenuName = QStringLiteral("xrsfile");
    s.printItemName = QStringLiteral("xrsprint");
    s.endItemName = QStringLiteral("xrsend");
    s.editMenuName = QStringLiteral("xrsedit");
    s.copyItemName = QStringLiteral("xrscopy");
    s.selectItemName = QStringLiteral("xrssubete");
    s.layout = ResultTableLayout::ControlChart;
    return s;
}

} // namespace

XRS1::XRS1(MainContext& context, QWidget* parent)
    : ControlTableWindow(context, xrs1Design(), analysisText(), parent) {
    // xrshensi computed the moving ranges and the lines just before.
    showTableAndWriteLimits(zel::xRsTable(context.workspace().chartData));
}

void XRS1::openChartWindow() {
    openXrskanri(context());
}
