// The two-variable dialog.
#include "analysis/hensi2.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/hensi1.h"
#include "app/MainContext.h"
#include "app/MessageBox.h"
#include "app/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kScatter = QStringLiteral("散布図");
}

hensi2::hensi2(MainContext& context, QWidget* parent)
    : ZelWindow(QStringLiteral("hensi2"), parent), m_context(context) {
    setWindowTitle(hensi1::titleText());
    auto* prompt = new QLabel(hensi1::promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));

    const bool scatter = context.currentAnalysisName() == kScatter;
    const std::array<QString, 2> captions = {
        scatter ? QStringLiteral("Ｙ軸・・・") : QStringLiteral("変数１・・・"),
        scatter ? QStringLiteral("Ｘ軸・・・") : QStringLiteral("変数２・・・")};
    const zel::Dataset& ds = context.workspace().dataset;
    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(captions[static_cast<std::size_t>(i)], this);
        caption->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("Combo%1").arg(i + 1));
        list->setEditable(false);
        for (int j = 1; j <= ds.variableCount(); ++j)
            list->addItem(QString::fromStdString(ds.name(j)));
        // Variables 1 and 2 are preselected (the launch guarantees two of them).
        list->setCurrentIndex(std::min(i, list->count() - 1));
        grid->addWidget(caption, i, 0);
        grid->addWidget(list, i, 1);
        m_lists[static_cast<std::size_t>(i)] = list;
    }

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
