// The one-, two- or three-variable kind dialog.
#include "analysis/VariableCountDialog.h"

#include "analysis/AnalysisLaunch.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The variable dialog of each option: option i + 1 needs i + 1 variables.
constexpr std::array<zel::WindowId, 3> kVariableDialogs{zel::WindowId::hensi1, zel::WindowId::hensi2,
                                                        zel::WindowId::hensi3};
} // namespace

VariableCountDialog::VariableCountDialog(MainContext& context, zel::WindowId window, const QString& caption,
                                         const QStringList& options, QWidget* parent)
    : ZelWindow(window, parent), m_context(context) {
    setWindowTitle(caption);
    const int variables = context.workspace().dataset.variableCount();
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < static_cast<int>(m_options.size()); ++i) {
        auto* option = new QRadioButton(options.at(i), this);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setEnabled(i == 0 || variables >= i + 1);
        layout->addWidget(option);
        m_options[static_cast<std::size_t>(i)] = option;
    }
    m_options.front()->setChecked(true);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(300, 170);
}

void VariableCountDialog::onOk() {
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (!m_options[i]->isChecked()) continue;
        if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(kVariableDialogs[i])) open(m_context);
        break;
    }
    close();
}
