// MenuFrame: the menu bar of a window and the area under it. A frame window
// (the graph and result-table windows) gets a menu bar across its top and one
// client widget, "client", that fills the rest without margins; its controls
// are placed in the client in twips. Menus and items carry the object names
// the windows are known by ("INSATU", "xbrprint" ...).
//
//     const MenuFrame::Parts frame = MenuFrame::install(this);
//     QMenu* file = MenuFrame::addMenu(frame.menuBar, QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("xbrfile"));
//     connect(MenuFrame::addItem(file, QStringLiteral("印刷(&P)"), QStringLiteral("xbrprint")),
//             &QAction::triggered, this, &MyWindow::print);
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace MenuFrame {

struct Parts {
    QMenuBar* menuBar = nullptr;
    QWidget* client = nullptr; // objectName "client"
};

// Lays the window out as a menu bar over its client area. The window must not
// have a layout yet.
Parts install(QWidget* window);

// A menu on the bar, or a submenu of a menu, with its object name.
QMenu* addMenu(QMenuBar* bar, const QString& text, const QString& objectName);
QMenu* addMenu(QMenu* menu, const QString& text, const QString& objectName);

// An item at the end of a menu, with its object name and an optional shortcut.
QAction* addItem(QMenu* menu, const QString& text, const QString& objectName,
                 const QKeySequence& shortcut = QKeySequence());

// The item (or submenu action) of a menu with the object name, or nullptr.
QAction* findItem(QMenu* menu, const QString& objectName);
// Moves an item (or submenu action) of the menu to stand before `before`;
// with before nullptr it goes to the end.
void moveBefore(QMenu* menu, QAction* item, QAction* before);

} // namespace MenuFrame
