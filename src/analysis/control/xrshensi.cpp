// xrshensi: the X-Rs variable dialog.
#include "analysis/control/xrshensi.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XRS1.h"
#include "analysis/control/XRs.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

xrshensi::xrshensi(MainContext& context, QWidget* parent)
    : VariableDialog(context,
                     {zel::WindowId::xrshensi, {}, QString::fromUtf8(zel::kXbarEntry), QSize(380, 150)},
                     parent) {}

void xrshensi::ok() {
    zel::Workspace& ws = context().workspace();
    // The values and the table's computation; data that cannot be charted
    // opens nothing and the dialog stays open.
    zel::Result<zel::ChartDataSet> values = zel::collectXRs(ws.dataset, positions().front());
    zel::Status computed = values ? zel::computeXRsLines(*values) : values.status();
    if (!computed) {
        MessageBox::refusal(this, QString::fromStdString(computed.message()), XRS1::captionText());
        return;
    }
    ws.chartData = std::move(*values);
    // A table window still open from before shows other values: it makes way
    // for one computed from these.
    ZelWindow::closeWindows({zel::WindowId::XRS1});
    ZelWindow::open<XRS1>(context());
    close();
}

ZelWindow* openXrshensi(MainContext& context) {
    return ZelWindow::open<xrshensi>(context);
}
