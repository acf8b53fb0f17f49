// The three-variable dialog.
#include "analysis/hensi3.h"

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

namespace {

// The captions Label2..Label4 of the three lists for an analysis.
std::array<QString, 3> captionsFor(std::optional<zel::AnalysisId> analysis) {
    if (analysis == zel::AnalysisId::Scatter)
        return {QStringLiteral("Ｙ軸・・・"), QStringLiteral("Ｘ軸・・・"), QStringLiteral("Ｘ軸・・・")};
    if (analysis == zel::AnalysisId::Scatter3D)
        return {QStringLiteral("Ｙ軸・・・"), QStringLiteral("Ｘ軸・・・"), QStringLiteral("Ｚ軸・・・")};
    return {QStringLiteral("変数１・・・"), QStringLiteral("変数２・・・"), QStringLiteral("変数３・・・")};
}

} // namespace

hensi3::hensi3(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("hensi3"), parent), m_context(context) {
    setWindowTitle(hensi1::titleText());
    auto* prompt = new QLabel(hensi1::promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));

    const std::array<QString, 3> captions = captionsFor(currentAnalysis(context));
    const zel::Dataset& ds = context.workspace().dataset;
    auto* grid = new QGridLayout;
    // Variables 1, 2 and 3 are preselected.
    const std::vector<QComboBox*> lists = addVariableRows(grid, ds, captions, this);
    std::copy(lists.begin(), lists.end(), m_lists.begin());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { ok(); }));
}

void hensi3::ok() {
    const std::vector<int> positions = {m_lists[0]->currentIndex() + 1, m_lists[1]->currentIndex() + 1,
                                        m_lists[2]->currentIndex() + 1};
    const QString same = AnalysisLaunch::sameVariableMessage(positions);
    if (!same.isEmpty()) {
        MessageBox::refusal(this, same, AnalysisLaunch::variablesTitle());
        return;
    }
    AnalysisLaunch::buildSetAndContinue(m_context, this, objectName(), positions);
}
