// pareno: the Pareto item count dialog.
#include "analysis/pareto/pareno.h"

#include "analysis/AnalysisLaunch.h"
#include "analysis/AnalysisSet.h"
#include "analysis/pareto/Pareto.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"

#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

QString pareno::keptText(int kept) {
    return QStringLiteral("上位") + QString::number(kept) + QStringLiteral("項目を使用します。");
}

QString pareno::restText(int rest) {
    return QStringLiteral("残り") + QString::number(rest) + QStringLiteral("項目は「その他」としてまとめて表示します。");
}

pareno::pareno(MainContext& context, QWidget* parent)
    : ZelWindow(zel::WindowId::pareno, parent), m_context(context),
      m_items(context.workspace().paretoItems.count()) {
    setWindowTitle(captionText());
    setModal(true);

    auto* prompt = new QLabel(promptText(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    m_spin = new QSpinBox(this);
    m_spin->setObjectName(QStringLiteral("Spin1"));
    m_spin->setRange(std::min(zel::kParetoMinKept, m_items), m_items);
    m_spin->setValue(m_items);
    prompt->setBuddy(m_spin);
    m_kept = new QLabel(this);
    m_kept->setObjectName(QStringLiteral("Label2"));
    m_rest = new QLabel(this);
    m_rest->setObjectName(QStringLiteral("Label3"));
    connect(m_spin, &QSpinBox::valueChanged, this, &pareno::showCounts);
    showCounts(m_spin->value());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_spin);
    layout->addWidget(m_kept);
    layout->addWidget(m_rest);
    layout->addStretch(1);
    layout->addLayout(okCancelRow([this] { ok(); }));
    setDesignGeometry({2400, 2400, 5600, 2900});
}

void pareno::showCounts(int kept) {
    m_kept->setText(keptText(kept));
    m_rest->setText(restText(m_items - kept));
}

void pareno::ok() {
    zel::Workspace& ws = m_context.workspace();
    ws.paretoItems = zel::keepTopItems(ws.paretoItems, m_spin->value());
    zel::storeParetoItems(ws.analysisSet, ws.paretoItems);
    accept();
    ZelWindow::closeWindows({zel::WindowId::parekos});
    if (const AnalysisLaunch::Opener open = AnalysisLaunch::opener(zel::WindowId::oresen)) open(m_context);
}

ZelWindow* openPareno(MainContext& context) {
    ZelWindow::openModal<pareno>(context, ZelWindow::find(zel::WindowId::pareko));
    return nullptr;
}
