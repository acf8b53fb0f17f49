// XRS1: the X-Rs table window.
#include "analysis/control/XRS1.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XRs.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

namespace {

// The window's names and captions.
const ResultTableSpec kDesign{
    .window = zel::WindowId::XRS1,
    .caption = XRS1::captionText(),
    .gridName = QStringLiteral("grid1"),
    .fileMenuName = QStringLiteral("xrsfile"),
    .printItemName = QStringLiteral("xrsprint"),
    .endItemName = QStringLiteral("xrsend"),
    .editMenuName = QStringLiteral("xrsedit"),
    .copyItemName = QStringLiteral("xrscopy"),
    .selectItemName = QStringLiteral("xrssubete"),
    .layout = ResultTableLayout::ControlChart,
};

} // namespace

XRS1::XRS1(MainContext& context, QWidget* parent)
    : ControlTableWindow(context, kDesign, zel::AnalysisId::XRs, parent) {
    // xrshensi computed the moving ranges and the lines just before.
    showTableAndWriteLimits(zel::xRsTable(context.workspace().chartData));
}

void XRS1::openChartWindow() {
    openXrskanri(context());
}
