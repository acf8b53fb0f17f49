// The menu bar and client area of a frame window.
#include "windowkit/MenuFrame.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace MenuFrame {

Parts install(QWidget* window) {
    Parts parts;
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    parts.menuBar = new QMenuBar(window);
    layout->setMenuBar(parts.menuBar);
    parts.client = new QWidget(window);
    parts.client->setObjectName(QStringLiteral("client"));
    layout->addWidget(parts.client);
    return parts;
}

QMenu* addMenu(QMenuBar* bar, const QString& text, const QString& objectName) {
    QMenu* menu = bar->addMenu(text);
    menu->setObjectName(objectName);
    return menu;
}

QMenu* addMenu(QMenu* menu, const QString& text, const QString& objectName) {
    QMenu* sub = menu->addMenu(text);
    sub->setObjectName(objectName);
    return sub;
}

QAction* addItem(QMenu* menu, const QString& text, const QString& objectName, const QKeySequence& shortcut) {
    QAction* item = menu->addAction(text);
    item->setObjectName(objectName);
    if (!shortcut.isEmpty()) item->setShortcut(shortcut);
    return item;
}

QAction* findItem(QMenu* menu, const QString& objectName) {
    for (QAction* a : menu->actions()) {
        if (a->objectName() == objectName) return a;
        if (const QMenu* sub = a->menu(); sub && sub->objectName() == objectName) return a;
    }
    return nullptr;
}

void moveBefore(QMenu* menu, QAction* item, QAction* before) {
    menu->removeAction(item);
    menu->insertAction(before, item);
}

} // namespace MenuFrame
