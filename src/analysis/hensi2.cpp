// The two-variable dialog.
#include "analysis/hensi2.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/VariableLists.h"
#include "analysis/hensi1.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

hensi2::hensi2(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("hensi2"), parent), m_context(context) {
    setWindowTitle(hensi1::titleText());
    auto* prompt = new QLabel(hensi1::promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));

    const bool scatter = currentAnalysis(context) == zel::AnalysisId::Scatter;
    const std::array<QString, 2> captions = {
        scatter ? QStringLiteral("Ｙ軸・・・") : QStringLiteral("変数１・・・"),
        scatter ? QStringLiteral("Ｘ軸・・・") : QStringLiteral("変数２・・・")};
    const zel::Dataset& ds = context.workspace().dataset;
    auto* grid = new QGridLayout;
    // Variables 1 and 2 are preselected (the launch guarantees two of them).
    const std::vector<QComboBox*> lists = addVariableRows(grid, ds, captions, this);
    std::copy(lists.begin(), lists.end(), m_lists.begin());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { ok(); }));
}

void hensi2::ok() {
    const std::vector<int> positions = {m_lists[0]->currentIndex() + 1, m_lists[1]->currentIndex() + 1};
    const QString same = AnalysisLaunch::sameVariableMessage(positions);
    if (!same.isEmpty()) {
        MessageBox::refusal(this, same, AnalysisLaunch::variablesTitle());
        return;
    }
    AnalysisLaunch::buildSetAndContinue(m_context, this, objectName(), positions);
}
