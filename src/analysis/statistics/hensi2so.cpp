// hensi2so: the stratification dialog.
#include "analysis/statistics/hensi2so.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/VariableLists.h"
#include "analysis/statistics/Stratification.h"
#include "common/Analyses.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

hensi2so::hensi2so(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::hensi2so, parent), m_context(context) {
    setWindowTitle(titleText());
    const zel::Dataset& ds = context.workspace().dataset;
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(label(factorPromptText(), QStringLiteral("Label1"), this));
    auto* factorRow = new QGridLayout;
    QLabel* factorCaption = label(factorCaptionText(), QStringLiteral("Label2"), this);
    m_factor = variableList(ds, QStringLiteral("Combo1"), this, 0);
    factorCaption->setBuddy(m_factor);
    factorRow->addWidget(factorCaption, 0, 0);
    factorRow->addWidget(m_factor, 0, 1);
    factorRow->setColumnStretch(1, 1);
    layout->addLayout(factorRow);

    layout->addWidget(label(analysisPromptText(), QStringLiteral("Label4"), this));
    auto* variableRow = new QGridLayout;
    QLabel* variableCaption = label(analysisCaptionText(), QStringLiteral("Label3"), this);
    m_variable = variableList(ds, QStringLiteral("Combo2"), this, 1);
    variableCaption->setBuddy(m_variable);
    variableRow->addWidget(variableCaption, 0, 0);
    variableRow->addWidget(m_variable, 0, 1);
    variableRow->setColumnStretch(1, 1);
    layout->addLayout(variableRow);

    layout->addWidget(label(codeNoteText(), QStringLiteral("Label5"), this));
    layout->addWidget(label(splitNoteText(), QStringLiteral("Label6"), this));
    layout->addWidget(label(splitNoteSecondText(), QStringLiteral("Label7"), this));
    layout->addWidget(label(nameNoteText(), QStringLiteral("Label8"), this));
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { ok(); }));
}

void hensi2so::ok() {
    zel::Workspace& ws = m_context.workspace();
    zel::Result<zel::StratifiedSet> set =
        zel::buildStratifiedSet(ws.dataset, m_factor->currentIndex() + 1, m_variable->currentIndex() + 1);
    if (!set) {
        const std::string title = zel::stratificationRefusalTitle(set.status());
        MessageBox::refusal(this, QString::fromStdString(set.status().message()),
                            title.empty() ? titleText() : QString::fromStdString(title));
        return;
    }
    ws.stratifiedSet = std::move(set.value());
    // hakohso for "層別統計量グラフ", bunform for "層別ヒストグラム".
    const std::optional<zel::AnalysisId> analysis = currentAnalysis(m_context);
    const std::optional<zel::WindowId> next =
        analysis ? AnalysisLaunch::nextWindowAfterVariables(zel::WindowId::hensi2so, *analysis) : std::nullopt;
    if (const AnalysisLaunch::Opener open = next ? AnalysisLaunch::opener(*next) : AnalysisLaunch::Opener()) {
        // A window still open from before shows another set: it makes way for this one.
        ZelWindow::closeWindows({*next});
        open(m_context);
    }
    close();
}

ZelWindow* openHensi2so(MainContext& context) {
    return ZelWindow::open<hensi2so>(context, context.mainWindow());
}
