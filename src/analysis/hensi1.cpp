// The one-variable dialog.
#include "analysis/hensi1.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/VariableLists.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

hensi1::hensi1(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("hensi1"), parent), m_context(context) {
    setWindowTitle(titleText());
    m_prompt = new QLabel(promptText(), this);
    m_prompt->setObjectName(QStringLiteral("Label1"));
    m_list = ::variableList(context.workspace().dataset, QStringLiteral("Combo1"), this);
    m_list->addItem(QString::fromUtf8(zel::kAllDataEntry));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_list);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { ok(); }));
}

void hensi1::ok() {
    // List position K + 1 is "全データ".
    AnalysisLaunch::buildSetAndContinue(m_context, this, objectName(), {m_list->currentIndex() + 1});
}
