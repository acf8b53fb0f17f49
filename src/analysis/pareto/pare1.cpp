// pare1: the Pareto item value dialog.
#include "analysis/pareto/pare1.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/pareto/Pareto.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

// List position K + 1 is "合計".
pare1::pare1(MainContext& context, QWidget* parent)
    : VariableDialog(context, {zel::WindowId::pare1, {}, QString::fromUtf8(zel::kParetoTotalEntry), {}},
                     parent) {}

void pare1::ok() {
    zel::Workspace& ws = context().workspace();
    zel::Result<zel::AnalysisSet> set = zel::buildParetoSet(ws.dataset, positions().front());
    if (!set) {
        MessageBox::refusal(this, QString::fromStdString(set.status().message()),
                            AnalysisLaunch::variablesTitle());
        return;
    }
    if (const zel::Status sum = zel::checkParetoSum(set.value()); !sum) {
        MessageBox::refusal(this, QString::fromStdString(sum.message()), refusalTitle());
        return;
    }
    ws.analysisSet = std::move(set.value());
    // A table still open from before shows other items: it makes way for these.
    ZelWindow::closeWindows({zel::WindowId::pareko});
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::pareko)) open(context());
    close();
}

ZelWindow* openPare1(MainContext& context) {
    return ZelWindow::open<pare1>(context);
}
