// The frame shared by the insert-rows and insert-columns dialogs.
#include "dataset/InsertDialog.h"

#include "common/NumberText.h"
#include "dataset/Dataset.h"
#include "dataset/EditCommands.h"
#include "windowkit/MainContext.h"
#include "windowkit/MessageBox.h"
#include "windowkit/Workspace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

InsertDialog::InsertDialog(const QString& name, const Texts& texts, int last, Insert insert, MainContext& ctx,
                           QWidget* parent)
    : ZelWindow(name, parent), m_ctx(ctx), m_texts(texts), m_last(last), m_insert(std::move(insert)) {
    setWindowTitle(QString::fromUtf8(texts.caption));

    auto* countLabel = new QLabel(QString::fromUtf8(texts.countLabel), this);
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("spinCount"));
    m_count->setRange(1, 100);
    m_count->setValue(1);
    countLabel->setBuddy(m_count);

    auto* positionLabel = new QLabel(QString::fromUtf8(texts.positionLabel), this);
    m_position = new QSpinBox(this);
    m_position->setObjectName(QStringLiteral("spinPosition"));
    m_position->setRange(0, last);
    m_position->setValue(last);
    positionLabel->setBuddy(m_position);

    auto* lastLabel = new QLabel(QString::fromUtf8(texts.lastLabel), this);
    auto* lastValue = new QLabel(QString::fromStdString(zel::generalNumberText(last)), this);
    lastValue->setObjectName(QString::fromUtf8(texts.lastName));

    auto* fields = new QGridLayout;
    fields->addWidget(countLabel, 0, 0);
    fields->addWidget(m_count, 0, 1);
    fields->addWidget(positionLabel, 1, 0);
    fields->addWidget(m_position, 1, 1);
    fields->addWidget(lastLabel, 2, 0, Qt::AlignRight);
    fields->addWidget(lastValue, 2, 1);

    auto* buttons = okCancelRow([this] { onOk(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void InsertDialog::onOk() {
    const QString title = QString::fromUtf8(m_texts.caption);
    zel::Dataset& ds = m_ctx.workspace().dataset;
    if (m_last + m_count->value() > zel::Dataset::kMaxCount) {
        MessageBox::refusal(this, QString::fromUtf8(m_texts.tooMany), title);
        return;
    }
    const zel::Status s = m_insert(ds, m_count->value(), m_position->value());
    if (!s) {
        MessageBox::refusal(this, QString::fromStdString(s.message()), title);
        return;
    }
    EditCommands::rebuildAndSave(m_ctx, this, title);
    accept();
}
