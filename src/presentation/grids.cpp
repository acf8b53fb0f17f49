// The grid-line dialog.
#include "presentation/grids.h"

#include "presentation/GraphSettings.h"
#include "presentation/GraphWindow.h"
#include "presentation/TitleTable.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const kOptionTexts[5] = {"実線", "破線", "点線", "一点鎖線", "二点鎖線"};
}

grids::grids(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::grids, parent), m_context(context) {
    setWindowTitle(QStringLiteral("グラフの設定"));
    setModal(true);

    auto* show = new QGroupBox(QStringLiteral("グリッド線の表示"), this);
    show->setObjectName(QStringLiteral("Frame1"));
    m_horizontal = new QCheckBox(QStringLiteral("横グリッドの表示"), show);
    m_horizontal->setObjectName(QStringLiteral("Check1"));
    m_vertical = new QCheckBox(QStringLiteral("縦グリッドの表示"), show);
    m_vertical->setObjectName(QStringLiteral("Check2"));
    auto* showLayout = new QVBoxLayout(show);
    showLayout->addWidget(m_horizontal);
    showLayout->addWidget(m_vertical);

    auto* kind = new QGroupBox(QStringLiteral("グリッド線の種類"), this);
    kind->setObjectName(QStringLiteral("Frame2"));
    auto* kindLayout = new QVBoxLayout(kind);
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kOptionTexts[i]), kind);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        kindLayout->addWidget(option);
        m_options[static_cast<std::size_t>(i)] = option;
    }

    // Opening: the stored settings.
    const zel::GridSettings stored = zel::readGridSettings(zel::appSettings());
    m_horizontal->setChecked(stored.horizontal());
    m_vertical->setChecked(stored.vertical());
    m_options[static_cast<std::size_t>(stored.style)]->setChecked(true);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(okButton, &QPushButton::clicked, this, &grids::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* frames = new QHBoxLayout;
    frames->addWidget(show);
    frames->addWidget(kind);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(frames);
    outer->addLayout(buttons);
}

void grids::ok() {
    zel::GridSettings settings;
    settings.lines = zel::GridSettings::linesFromChecks(m_horizontal->isChecked(), m_vertical->isChecked());
    for (std::size_t i = 0; i < m_options.size(); ++i)
        if (m_options[i]->isChecked()) settings.style = static_cast<int>(i);
    zel::writeGridSettings(zel::appSettings(), settings);

    // The current analysis's window takes them at once; the others at their next redraw.
    const std::optional<zel::AnalysisId> analysis = currentAnalysis(m_context);
    const zel::AnalysisTitleRule* rule = zel::findTitleRule(analysis);
    if (rule && rule->gridCommand) {
        if (GraphWindow* window = GraphWindow::forAnalysis(analysis)) {
            window->applySettingsAndDraw();
        }
    }
    accept();
}
