// Shared pieces of the window tests: a main-window stand-in with a real
// workspace and data sheet, a plain window kind, deferred deletes run now, and
// a watch for other modal dialogs. Message boxes: MessageBoxRecorder.h.
#pragma once

#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

#include "MessageBoxRecorder.h"

#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace uitest {

class FakeContext : public MainContext {
  public:
    FakeContext() : sheetWidget(std::make_unique<DataGrid>()) {
        dataSheet = std::make_unique<DataSheet>(sheetWidget.get(), ws.dataset);
    }
    zel::Workspace& workspace() override { return ws; }
    DataSheet& sheet() override { return *dataSheet; }
    DataGrid& grid() override { return *sheetWidget; }
    QWidget* mainWindow() override { return nullptr; }
    void setDatasetName(const QString&) override {}
    void setHint(const QString&) override {}
    int columnWidthChars() const override { return 8; }
    QString currentAnalysisName() const override { return analysis; }
    void openParetoVariables() override { ++paretoOpened; }

    zel::Workspace ws;
    std::unique_ptr<DataGrid> sheetWidget;
    std::unique_ptr<DataSheet> dataSheet;
    QString analysis;
    int paretoOpened = 0; // the data-label dialog's continuation into the Pareto analysis
};


class PlainWindow : public ZelWindow {
  public:
    explicit PlainWindow(const QString& name) : ZelWindow(name) {
        setDesignGeometry({1500, 1200, 3000, 2000});
    }
};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs act on the next modal widget of type T once it is up. The returned watch
// deletes itself; it can be deleted earlier when no such widget came.
template <class T> QTimer* whenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w || !w->isVisible()) {
            if (++*tries > 300) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(w);
    });
    timer->start(10);
    return timer;
}

// What a grid shows in data cell (col, row), its decimal places and formats
// applied, and the shown texts and headings by row and column.
inline QString shown(const DataGrid& g, int col, int row) {
    return g.model()->index(row - 1, col - 1).data(Qt::DisplayRole).toString();
}
inline QStringList shownColumn(const DataGrid& g, int col) {
    QStringList out;
    for (int r = 1; r <= g.rowCount(); ++r)
        out << shown(g, col, r);
    return out;
}
inline QStringList shownRow(const DataGrid& g, int row) {
    QStringList out;
    for (int c = 1; c <= g.columnCount(); ++c)
        out << shown(g, c, row);
    return out;
}
inline QStringList columnHeadings(const DataGrid& g) {
    QStringList out;
    for (int c = 1; c <= g.columnCount(); ++c)
        out << g.text(c, 0);
    return out;
}
inline QStringList rowHeadings(const DataGrid& g) {
    QStringList out;
    for (int r = 1; r <= g.rowCount(); ++r)
        out << g.text(0, r);
    return out;
}

// The action of a window's menus with this object name, or nullptr.
inline QAction* findAction(QWidget* window, const QString& name) {
    for (QAction* a : window->findChildren<QAction*>())
        if (a->objectName() == name) return a;
    return nullptr;
}

// Runs body on the modal dialog that trigger opens (a dialog with its own event
// loop: the body runs from inside it).
inline void withModal(const std::function<void(QWidget*)>& body, const std::function<void()>& trigger) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        body(modal);
        ran = true;
    });
    trigger();
    QVERIFY(ran);
}

} // namespace uitest
