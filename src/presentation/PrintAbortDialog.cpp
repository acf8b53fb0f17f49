// The dialog shown while a grid prints.
#include "presentation/PrintAbortDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const kCancel = "ｷｬﾝｾﾙ";
const char* const kProgress = "%1 / %2 ページ";
} // namespace

PrintAbortDialog::PrintAbortDialog(const QString& message, const QString& jobName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("printAbort"));
    setWindowTitle(jobName);
    setModal(true);
    m_message = new QLabel(message, this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(320);
    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAlignment(Qt::AlignCenter);
    m_cancel = new QPushButton(QString::fromUtf8(kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PrintAbortDialog::setPage(int page, int pageCount) {
    m_progress->setText(QString::fromUtf8(kProgress).arg(page).arg(pageCount));
}

void PrintAbortDialog::reject() {
    m_cancelled = true;
}
