// The one-variable dialog.
#include "analysis/hensi1.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "app/MainContext.h"
#include "app/Workspace.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

hensi1::hensi1(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("hensi1"), parent), m_context(context) {
    setWindowTitle(titleText());
    m_prompt = new QLabel(promptText(), this);
    m_prompt->setObjectName(QStringLiteral("Label1"));
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("Combo1"));
    m_list->setEditable(false);
    const zel::Dataset& ds = context.workspace().dataset;
    for (int j = 1; j <= ds.variableCount(); ++j)
        m_list->addItem(QString::fromStdString(ds.name(j)));
    m_list->addItem(QString::fromUtf8(zel::kAllDataEntry));
    m_list->setCurrentIndex(0);

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
