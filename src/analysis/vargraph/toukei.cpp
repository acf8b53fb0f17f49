// The statistics-line dialog.
#include "analysis/vargraph/toukei.h"

#include "analysis/vargraph/VariableGraphFill.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

toukei::toukei(MainContext& context, Apply apply, QWidget* parent)
    : ZelWindow(zel::WindowId::toukei, parent), m_context(context), m_apply(std::move(apply)) {
    setWindowTitle(captionText());
    setModal(true);
    auto* frame = new QGroupBox(frameText(), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* boxes = new QVBoxLayout(frame);
    const QStringList texts = checkTexts();
    const zel::StatLineSwitches& switches = context.workspace().statLineSwitches;
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        auto* box = new QCheckBox(texts.at(static_cast<int>(i)), frame);
        box->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        box->setChecked(switches[i] != 0);
        boxes->addWidget(box);
        m_checks[i] = box;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancelRow([this] { ok(); }));
    resize(300, 220);
}

void toukei::ok() {
    zel::StatLineSwitches& switches = m_context.workspace().statLineSwitches;
    for (std::size_t i = 0; i < m_checks.size(); ++i)
        switches[i] = m_checks[i]->isChecked() ? 1 : 0;
    if (m_apply) m_apply(zel::statLinesCode(switches));
    accept();
}
