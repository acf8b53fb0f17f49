// phensi2: the P-Pn variable dialog.
#include "analysis/control/phensi2.h"

#include "analysis/VariableLists.h"
#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/PChart.h"
#include "analysis/control/p1.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

phensi2::phensi2(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::phensi2, parent), m_context(context) {
    setWindowTitle(captionText());
    const zel::Dataset& ds = context.workspace().dataset;

    auto* sizePrompt = new QLabel(sizePromptText(), this);
    sizePrompt->setObjectName(QStringLiteral("Label2"));
    m_size = ::variableList(ds, QStringLiteral("Combo1"), this, 0);
    auto* defectPrompt = new QLabel(defectPromptText(), this);
    defectPrompt->setObjectName(QStringLiteral("Label1"));
    m_defects = ::variableList(ds, QStringLiteral("Combo2"), this, 1);
    sizePrompt->setBuddy(m_size);
    defectPrompt->setBuddy(m_defects);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sizePrompt);
    layout->addWidget(m_size);
    layout->addSpacing(8);
    layout->addWidget(defectPrompt);
    layout->addWidget(m_defects);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(420, 210);
}

void phensi2::onOk() {
    zel::Workspace& ws = m_context.workspace();
    zel::Result<zel::ChartDataSet> lots =
        zel::collectPPn(ws.dataset, m_size->currentIndex() + 1, m_defects->currentIndex() + 1);
    if (!lots) {
        MessageBox::refusal(this, QString::fromStdString(lots.status().message()), messageTitle());
        return;
    }
    // The table's computation; lots it cannot compute open nothing.
    if (const zel::Status computed = zel::computePPnLines(*lots); !computed) {
        MessageBox::refusal(this, QString::fromStdString(computed.message()), p1::captionText());
        return;
    }
    ws.chartData = std::move(*lots);
    // A table window still open from before shows other lots: it makes way for
    // one computed from these.
    ZelWindow::closeWindows({zel::WindowId::p1});
    ZelWindow::open<p1>(m_context);
    close();
}

ZelWindow* openPhensi2(MainContext& context) {
    return ZelWindow::open<phensi2>(context);
}
