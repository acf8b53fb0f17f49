// The program's message boxes.
#include "windowkit/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <utility>

namespace {

MessageBox::Answerer& answerer() {
    static MessageBox::Answerer installed;
    return installed;
}

MessageBox::Answer show(QWidget* parent, MessageBox::Kind kind, const QString& text, const QString& title,
                        const QString& first = {}, const QString& second = {}) {
    if (const MessageBox::Answerer answer = answerer())
        return answer({kind, text, title, parent, first, second});

    const bool withCancel = kind == MessageBox::Kind::Confirm;
    const QMessageBox::Icon icon = kind == MessageBox::Kind::Refusal   ? QMessageBox::Warning
                                   : kind == MessageBox::Kind::Confirm ? QMessageBox::Question
                                                                       : QMessageBox::NoIcon;
    QMessageBox box(icon, title, text, withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("zelMessageBox"));
    box.button(QMessageBox::Ok)->setText(MessageBox::okText());
    if (!first.isEmpty()) {
        // Named choices: the first is the default and what closing the box means.
        box.button(QMessageBox::Ok)->setText(first);
        box.button(QMessageBox::Cancel)->setText(second);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    } else if (withCancel) {
        box.button(QMessageBox::Cancel)->setText(MessageBox::cancelText());
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MessageBox::Answer::Ok : MessageBox::Answer::Cancel;
}

} // namespace

void MessageBox::refusal(QWidget* parent, const QString& text, const QString& title) {
    show(parent, Kind::Refusal, text, title);
}

bool MessageBox::confirm(QWidget* parent, const QString& text, const QString& title) {
    return show(parent, Kind::Confirm, text, title) == Answer::Ok;
}

void MessageBox::info(QWidget* parent, const QString& text, const QString& title) {
    show(parent, Kind::Info, text, title);
}

bool MessageBox::choose(QWidget* parent, const QString& text, const QString& title, const QString& first,
                        const QString& second) {
    return show(parent, Kind::Confirm, text, title, first, second) == Answer::Ok;
}

MessageBox::Answerer MessageBox::setAnswerer(Answerer next) {
    return std::exchange(answerer(), std::move(next));
}
