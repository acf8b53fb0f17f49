// The kind dialog of the variable count.
#include "analysis/VariableCountDialog.h"

#include "analysis/AnalysisLaunch.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {
// The variables a variable dialog picks.
int variablesOf(zel::WindowId dialog) {
    switch (dialog) {
    case zel::WindowId::hensi3:
        return 3;
    case zel::WindowId::hensi2:
        return 2;
    default:
        return 1;
    }
}
} // namespace

VariableCountDialog::VariableCountDialog(MainContext& context, zel::WindowId window, const QString& caption,
                                         const QStringList& options, std::vector<zel::WindowId> dialogs,
                                         QWidget* parent)
    : ZelWindow(window, parent), m_context(context), m_dialogs(std::move(dialogs)) {
    setWindowTitle(caption);
    const int variables = context.workspace().dataset.variableCount();
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < m_dialogs.size(); ++i) {
        const int at = static_cast<int>(i);
        auto* option = new QRadioButton(at < options.size() ? options.at(at) : QString(), this);
        option->setObjectName(QStringLiteral("Option%1").arg(at + 1));
        option->setEnabled(i == 0 || variables >= variablesOf(m_dialogs[i]));
        layout->addWidget(option);
        m_options.push_back(option);
    }
    m_options.front()->setChecked(true);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(300, 170);
}

void VariableCountDialog::onOk() {
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (!m_options[i]->isChecked()) continue;
        if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(m_dialogs[i])) open(m_context);
        break;
    }
    close();
}
