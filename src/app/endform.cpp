// The closing window.
#include "app/endform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

endform::endform(QWidget* parent) : ZelWindow(QStringLiteral("endform"), parent) {
    setWindowTitle(captionText());
    auto* label = new QLabel(messageText(), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    resize(zel::Twips::toPixels(4200), zel::Twips::toPixels(1200));
    setCentredOnShow(true);

    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setSingleShot(true);
    timer->setInterval(100);
    connect(timer, &QTimer::timeout, this, &endform::endProgram);
    timer->start();
}

void endform::endProgram() {
    if (m_ended) return;
    m_ended = true;
    QCoreApplication::quit();
}
