// XR1: the Xbar-R table window.
#include "analysis/control/XR1.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XbarR.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

namespace {

// The window's names and captions.
const ResultTableSpec kDesign{
    .window = zel::WindowId::XR1,
    .caption = XR1::captionText(),
    .gridName = QStringLiteral("grid1"),
    .fileMenuName = QStringLiteral("xbrfile"),
    .printItemName = QStringLiteral("xbrprint"),
    .endItemName = QStringLiteral("xbrend"),
    .editMenuName = QStringLiteral("xbrhen"),
    .copyItemName = QStringLiteral("xbrcopy"),
    .selectItemName = QStringLiteral("xbrsubete"),
    .layout = ResultTableLayout::ControlChart,
};

} // namespace

XR1::XR1(MainContext& context, QWidget* parent)
    : ControlTableWindow(context, kDesign, zel::AnalysisId::XbarR, parent) {
    // openXR1 computed the chart data set just before.
    showTableAndWriteLimits(zel::xbarRTable(context.workspace().chartData));
}

void XR1::openChartWindow() {
    openXrkanri(context());
}

ZelWindow* openXR1(MainContext& context) {
    if (XR1* open = ZelWindow::findOpen<XR1>()) {
        open->bringForward();
        return open;
    }
    // The table computes as it opens; data it cannot compute opens nothing.
    zel::Workspace& ws = context.workspace();
    zel::Result<zel::ChartDataSet> computed = zel::computeXbarR(ws.dataset);
    if (!computed) {
        MessageBox::refusal(context.mainWindow(), QString::fromStdString(computed.status().message()),
                            XR1::captionText());
        return nullptr;
    }
    ws.chartData = std::move(*computed);
    return ZelWindow::open<XR1>(context);
}
