// ketten: the defect-count variable dialog.
#include "analysis/control/ketten.h"

#include "analysis/VariableLists.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/DefectCount.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

ketten::ketten(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("ketten"), parent), m_context(context) {
    setWindowTitle(captionText());
    const zel::Dataset& ds = context.workspace().dataset;

    auto* prompt = new QLabel(promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    m_combo = ::variableList(ds, QStringLiteral("Combo1"), this);
    prompt->setBuddy(m_combo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_combo);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(380, 150);
}

void ketten::onOk() {
    zel::Workspace& ws = m_context.workspace();
    zel::Result<zel::ChartDataSet> counts = zel::computeDefectCount(ws.dataset, m_combo->currentIndex() + 1);
    if (!counts) {
        // A negative mean count or counts whose sum overflows have no control
        // lines: nothing opens and the dialog stays open.
        MessageBox::refusal(this, QString::fromStdString(counts.status().message()), messageTitle());
        return;
    }
    ws.chartData = std::move(*counts);
    if (currentAnalysis(m_context) == zel::AnalysisId::DefectCount) openKanri1(m_context);
    close();
}

ZelWindow* openKetten(MainContext& context) {
    return ZelWindow::open<ketten>(context);
}
