// The variable-dialog frame.
#include "analysis/VariableDialog.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/VariableLists.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

VariableDialog::VariableDialog(MainContext& context, const Design& design, QWidget* parent)
    : ZelWindow(design.window, parent), m_context(context) {
    setWindowTitle(titleText());
    const zel::Dataset& ds = context.workspace().dataset;

    auto* prompt = new QLabel(promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    if (design.captions.empty()) {
        QComboBox* list = ::variableList(ds, QStringLiteral("Combo1"), this);
        if (!design.extraEntry.isEmpty()) list->addItem(design.extraEntry);
        prompt->setBuddy(list);
        layout->addWidget(list);
        m_lists.push_back(list);
    } else {
        auto* grid = new QGridLayout;
        m_lists = addVariableRows(grid, ds, design.captions, this);
        layout->addLayout(grid);
    }
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { ok(); }));
    if (design.size.isValid()) resize(design.size);
}

QComboBox* VariableDialog::variableList(int i) const {
    return i >= 0 && i < listCount() ? m_lists[static_cast<std::size_t>(i)] : nullptr;
}

std::vector<int> VariableDialog::positions() const {
    std::vector<int> chosen;
    for (const QComboBox* list : m_lists)
        chosen.push_back(list->currentIndex() + 1);
    return chosen;
}

bool VariableDialog::refuseSameVariables() {
    const QString same = AnalysisLaunch::sameVariableMessage(positions());
    if (same.isEmpty()) return false;
    MessageBox::refusal(this, same, AnalysisLaunch::variablesTitle());
    return true;
}

void VariableDialog::buildAnalysisSetAndContinue() {
    if (refuseSameVariables()) return;
    AnalysisLaunch::buildSetAndContinue(m_context, this, objectName(), positions());
}
