// Real key presses and mouse clicks through the X server, for the tests that
// run on the X11 platform under Xvfb. QTest's key and mouse functions hand an
// event straight to a widget; these go the way a user's do: XTEST (through
// xdotool) into the X server, then the xcb platform plugin, the focus window
// and QApplication's propagation from the focus widget upwards.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QWidget>
#include <QtTest>

namespace x11input {

inline bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Lets the program handle what has arrived, for about the given time.
inline void settle(int ms = 60) {
    QTest::qWait(ms);
}

// Runs xdotool with the arguments while the program keeps handling its
// events, as a program does while a user types. False when xdotool failed.
inline bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForStarted(5000)) return false;
    QElapsedTimer clock;
    clock.start();
    while (p.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        p.waitForFinished(5);
    }
    settle();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Key names as xdotool knows them: "Down", "shift+Tab", "ctrl+v", "Return".
inline bool keys(const QStringList& names) {
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("15")} +
                   names);
}

// Types the text, with Shift for upper-case letters as a keyboard does. A text
// that starts with a minus sign is text too, not an option of xdotool.
inline bool type(const QString& text) {
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"),
                    QStringLiteral("--"), text});
}

// A click at a point of the widget; button 1 is the left, 3 the right button.
inline bool click(QWidget* w, QPoint local, int button = 1) {
    const QPoint g = w->mapToGlobal(local);
    // No --sync: xdotool would wait for a move that never comes when the
    // pointer already stands there.
    return xdotool({QStringLiteral("mousemove"), QString::number(g.x()), QString::number(g.y()),
                    QStringLiteral("click"), QString::number(button)});
}

// Shows the window and makes it the X server's focus window.
inline bool activate(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) return false;
    window->raise();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// A double click of the left button at a point of the widget.
inline bool doubleClick(QWidget* w, QPoint local) {
    const QPoint g = w->mapToGlobal(local);
    return xdotool({QStringLiteral("mousemove"), QString::number(g.x()), QString::number(g.y()),
                    QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                    QStringLiteral("1")});
}

// The widget with the keyboard focus, and a widget named for a failure message.
inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline QString describe(QWidget* w) {
    return w ? QStringLiteral("%1 \"%2\"")
                   .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
             : QStringLiteral("nothing");
}

// A modal dialog the test leaves early (a failed check) goes away, so that
// the key press that opened it returns.
inline void endModal(QDialog* d) {
    if (d->isVisible()) d->reject();
}

} // namespace x11input

// Keys and text through the X server, and the focus a key press should find.
// The X server may hand a newly shown window its focus a moment later.
#define KEYS(...) QVERIFY(x11input::keys({__VA_ARGS__}))
#define TYPE(text) QVERIFY(x11input::type(QStringLiteral(text)))
#define FOCUS_ON(w)                                                                                          \
    QTRY_VERIFY2_WITH_TIMEOUT(                                                                               \
        x11input::focused() == (w),                                                                          \
        qPrintable(QStringLiteral("focus on ") + x11input::describe(x11input::focused())), 3000)
