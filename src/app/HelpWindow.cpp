// The help viewer.
#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const kCaption = "ZEL ヘルプ";
const char* const kContents = "目次(&C)";
const char* const kBack = "戻る(&B)";
const char* const kForward = "進む(&F)";
const char* const kClose = "閉じる";

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : ZelWindow(QStringLiteral("HelpWindow"), parent) {
    setWindowTitle(QString::fromUtf8(kCaption));
    setDesignGeometry({1200, 900, 9000, 7500});

    auto* contents = new QPushButton(QString::fromUtf8(kContents), this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    m_back = new QPushButton(QString::fromUtf8(kBack), this);
    m_back->setObjectName(QStringLiteral("cmdBack"));
    m_back->setEnabled(false);
    m_forward = new QPushButton(QString::fromUtf8(kForward), this);
    m_forward->setObjectName(QStringLiteral("cmdForward"));
    m_forward->setEnabled(false);
    auto* close = new QPushButton(QString::fromUtf8(kClose), this);
    close->setObjectName(QStringLiteral("cmdClose"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addStretch(1);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    connect(contents, &QPushButton::clicked, this, [this] { showPage(contentsUrl()); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void HelpWindow::showPage(const QUrl& url) {
    if (m_browser->source() != url) m_browser->setSource(url);
}

HelpWindow* HelpWindow::showContents(QWidget* parent) {
    HelpWindow* w = ZelWindow::open<HelpWindow>(parent);
    w->showPage(contentsUrl());
    return w;
}

HelpWindow* HelpWindow::showUsage(QWidget* parent) {
    HelpWindow* w = ZelWindow::open<HelpWindow>(parent);
    w->showPage(usageUrl());
    return w;
}
