// kgenin: the limits dialog, and the modal question the charts ask through it.
#include "analysis/control/kgenin.h"

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "common/NumberText.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

kgenin::kgenin(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::kgenin, parent), m_context(context) {
    setWindowTitle(captionText());
    // Opening starts from nothing entered.
    context.workspace().enteredLimits = zel::EnteredLimits{};

    auto* upperLabel = new QLabel(upperText(), this);
    upperLabel->setObjectName(QStringLiteral("Label1"));
    m_upper = new QLineEdit(this);
    m_upper->setObjectName(QStringLiteral("Text1"));
    upperLabel->setBuddy(m_upper);
    auto* lowerLabel = new QLabel(lowerText(), this);
    lowerLabel->setObjectName(QStringLiteral("Label2"));
    m_lower = new QLineEdit(this);
    m_lower->setObjectName(QStringLiteral("Text2"));
    lowerLabel->setBuddy(m_lower);

    auto* fields = new QFormLayout;
    fields->addRow(upperLabel, m_upper);
    fields->addRow(lowerLabel, m_lower);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { onOk(); }));
    resize(300, 140);
}

void kgenin::onOk() {
    zel::EnteredLimits& limits = m_context.workspace().enteredLimits;
    limits.upper = zel::lenientParse(m_upper->text().toStdString());
    limits.lower = zel::lenientParse(m_lower->text().toStdString());
    limits.cancelled = false;
    accept();
}

void kgenin::reject() {
    // "ｷｬﾝｾﾙ", Esc and the close box all leave the caller's drawing as it was.
    zel::EnteredLimits& limits = m_context.workspace().enteredLimits;
    limits.upper = 0.0;
    limits.lower = 0.0;
    limits.cancelled = true;
    ZelWindow::reject();
}

zel::EnteredLimits askEnteredLimits(MainContext& context, QWidget* parent) {
    zel::EnteredLimits& limits = context.workspace().enteredLimits;
    // Should the dialog be open already it is only brought forward: nothing was asked.
    limits = zel::EnteredLimits{0.0, 0.0, true};
    ZelWindow::openModal<kgenin>(context, parent);
    return limits;
}
