// The degree dialog of the fitted curve.
#include "analysis/scatter/TAKOJI.h"

#include "analysis/scatter/ScatterFill.h"
#include "components/chart/ChartModel.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

static_assert(TAKOJI::kMaxDegree == zel::ChartModel::kMaxFitDegree);

TAKOJI::TAKOJI(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::TAKOJI, parent), m_context(context) {
    setWindowTitle(captionText());
    setModal(true);
    std::int16_t& stored = context.workspace().polynomialDegree;
    stored = static_cast<std::int16_t>(zel::shownPolynomialDegree(stored));

    auto* prompt = new QLabel(promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    m_degree = new QSpinBox(this);
    m_degree->setObjectName(QStringLiteral("Text1"));
    m_degree->setRange(kMinDegree, kMaxDegree);
    m_degree->setValue(stored);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAKOJI::onOk);

    auto* row = new QHBoxLayout;
    row->addWidget(m_degree);
    row->addStretch(1);
    row->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(row);
    setDesignGeometry({2400, 2400, 5200, 1500});
    m_degree->setFocus();
}

void TAKOJI::onOk() {
    m_context.workspace().polynomialDegree = static_cast<std::int16_t>(m_degree->value());
    accept();
}

int TAKOJI::ask(MainContext& context, QWidget* parent) {
    if (ZelWindow::openModal<TAKOJI>(context, parent) == QDialog::Accepted)
        return context.workspace().polynomialDegree;
    return zel::kScatterDefaultDegree;
}
