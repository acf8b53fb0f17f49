// The label-based pop-up caption, used when the KORU32 control cannot be loaded.
#include "app/LabelPopupCaption.h"

#include <QFont>
#include <QLabel>

LabelPopupCaption::LabelPopupCaption(QWidget* parent) : m_label(new QLabel(parent)) {
    m_label->setObjectName(QStringLiteral("Panel3D1"));
    m_label->setWordWrap(false);
    // A yellow box with a single black line around it, the text in dark cyan.
    m_label->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255,255,0); color: rgb(0,128,128);"
                                          " border: 1px solid black; padding: 1px 3px; }"));
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    font.setPointSize(9);
    m_label->setFont(font);
    m_label->hide();
    setText(QStringLiteral("  "));
}

LabelPopupCaption::~LabelPopupCaption() = default;

void LabelPopupCaption::setText(const QString& text) {
    m_label->setText(text);
    m_label->adjustSize();
}

QString LabelPopupCaption::text() const {
    return m_label->text();
}

void LabelPopupCaption::moveLeft(int x) {
    m_label->move(x, m_label->y());
}

void LabelPopupCaption::show() {
    m_label->show();
    m_label->raise();
}

void LabelPopupCaption::hide() {
    m_label->hide();
}

bool LabelPopupCaption::isShown() const {
    return !m_label->isHidden();
}

QWidget* LabelPopupCaption::widget() {
    return m_label;
}
