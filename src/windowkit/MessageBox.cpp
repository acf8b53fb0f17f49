// The program's message boxes.
#include "windowkit/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

int run(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& title, bool withCancel) {
    QMessageBox box(icon, title, text, withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("zelMessageBox"));
    box.button(QMessageBox::Ok)->setText(MessageBox::okText());
    if (withCancel) {
        box.button(QMessageBox::Cancel)->setText(MessageBox::cancelText());
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    return box.exec();
}

} // namespace

void MessageBox::refusal(QWidget* parent, const QString& text, const QString& title) {
    run(parent, QMessageBox::Warning, text, title, false);
}

bool MessageBox::confirm(QWidget* parent, const QString& text, const QString& title) {
    return run(parent, QMessageBox::Question, text, title, true) == QMessageBox::Ok;
}

void MessageBox::info(QWidget* parent, const QString& text, const QString& title) {
    run(parent, QMessageBox::NoIcon, text, title, false);
}
