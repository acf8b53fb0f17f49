// The program's message boxes: a refusal (exclamation icon, OK), a
// confirmation (question icon, OK and Cancel, Cancel the default) and a plain
// notice (no icon, OK).
//
// Window tests answer the boxes without showing them: they install an
// answerer, which is given each box in turn and returns the button chosen.
// The program itself never installs one.
#pragma once

#include <QString>

#include <functional>

class QWidget;

class MessageBox {
  public:
    enum class Kind { Refusal, Confirm, Info };
    enum class Answer { Ok, Cancel };

    // One box as it would be shown.
    struct Shown {
        Kind kind = Kind::Info;
        QString text;
        QString title;
        QWidget* parent = nullptr;
        // A question's own button texts (empty: "OK" and "キャンセル").
        QString okButton;
        QString cancelButton;
    };
    using Answerer = std::function<Answer(const Shown&)>;

    // Texts of the two buttons.
    static QString okText() { return QStringLiteral("OK"); }
    static QString cancelText() { return QStringLiteral("キャンセル"); }

    static void refusal(QWidget* parent, const QString& text, const QString& title);
    // True when the user chose OK.
    static bool confirm(QWidget* parent, const QString& text, const QString& title);
    static void info(QWidget* parent, const QString& text, const QString& title);
    // A confirmation whose two buttons say what they do; the first is the
    // default, and closing the box chooses it too. True for the first.
    static bool choose(QWidget* parent, const QString& text, const QString& title, const QString& first,
                       const QString& second);

    // Boxes go to answerer instead of the screen until it is replaced; an
    // empty one brings the real boxes back. Returns the answerer it replaces.
    static Answerer setAnswerer(Answerer answerer);
};
