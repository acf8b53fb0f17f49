// ketten: the defect-count variable dialog.
#include "analysis/control/ketten.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/DefectCount.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

ketten::ketten(MainContext& context, QWidget* parent)
    : VariableDialog(context, {zel::WindowId::ketten, {}, {}, QSize(380, 150)}, parent) {}

void ketten::ok() {
    zel::Workspace& ws = context().workspace();
    zel::Result<zel::ChartDataSet> counts = zel::computeDefectCount(ws.dataset, positions().front());
    if (!counts) {
        // A negative mean count or counts whose sum overflows have no control
        // lines: nothing opens and the dialog stays open.
        MessageBox::refusal(this, QString::fromStdString(counts.status().message()), messageTitle());
        return;
    }
    ws.chartData = std::move(*counts);
    if (currentAnalysis(context()) == zel::AnalysisId::DefectCount) openKanri1(context());
    close();
}

ZelWindow* openKetten(MainContext& context) {
    return ZelWindow::open<ketten>(context);
}
