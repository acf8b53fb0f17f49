// The program's message boxes: a refusal (exclamation icon, OK), a
// confirmation (question icon, OK and Cancel, Cancel the default) and a plain
// notice (no icon, OK).
#pragma once

#include <QString>

class QWidget;

class MessageBox {
  public:
    // Texts of the two buttons.
    static QString okText() { return QStringLiteral("OK"); }
    static QString cancelText() { return QStringLiteral("キャンセル"); }

    static void refusal(QWidget* parent, const QString& text, const QString& title);
    // True when the user chose OK.
    static bool confirm(QWidget* parent, const QString& text, const QString& title);
    static void info(QWidget* parent, const QString& text, const QString& title);
};
