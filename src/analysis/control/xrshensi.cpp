// xrshensi: the X-Rs variable dialog.
#include "analysis/control/xrshensi.h"

#include "analysis/VariableLists.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XRS1.h"
#include "analysis/control/XRs.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

xrshensi::xrshensi(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("xrshensi"), parent), m_context(context) {
    setWindowTitle(captionText());
    const zel::Dataset& ds = context.workspace().dataset;

    auto* prompt = new QLabel(promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    m_combo = ::variableList(ds, QStringLiteral("Combo1"), this);
    m_combo->addItem(QString::fromUtf8(zel::kXbarEntry));
    prompt->setBuddy(m_combo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_combo);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(380, 150);
}

void xrshensi::onOk() {
    zel::Workspace& ws = m_context.workspace();
    // The values and the table's computation; data that cannot be charted
    // opens nothing and the dialog stays open.
    zel::Result<zel::ChartDataSet> values = zel::collectXRs(ws.dataset, m_combo->currentIndex() + 1);
    zel::Status computed = values ? zel::computeXRsLines(*values) : values.status();
    if (!computed) {
        MessageBox::refusal(this, QString::fromStdString(computed.message()), XRS1::captionText());
        return;
    }
    ws.chartData = std::move(*values);
    // A table window still open from before shows other values: it makes way
    // for one computed from these.
    ZelWindow::closeWindows({QStringLiteral("XRS1")});
    ZelWindow::open<XRS1>(m_context);
    close();
}

ZelWindow* openXrshensi(MainContext& context) {
    return ZelWindow::open<xrshensi>(context);
}
