// Shared pieces of the window tests: a main-window stand-in with a real
// workspace and data sheet, a plain window kind, deferred deletes run now, a
// watch for other modal dialogs, and what a window's boxes, lists, labels and
// menus show. Message boxes: MessageBoxRecorder.h; chart clicks: ChartPoints.h.
#pragma once

#include "analysis/AnalysisLaunch.h"
#include "common/NumberText.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "dataset/Dataset.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MainContext.h"
#include "windowkit/Workspace.h"
#include "windowkit/ZelWindow.h"

#include "FileBytes.h"
#include "MessageBoxRecorder.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>

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

// The back colours of the grids' cells: a plain one, and a masked sample's.
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);

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

// A window test's start: settings in memory and a fresh stand-in with the
// analysis chosen.
inline std::unique_ptr<FakeContext> freshContext(const QString& analysis) {
    zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
    auto ctx = std::make_unique<FakeContext>();
    ctx->analysis = analysis;
    return ctx;
}

// A window test's end: every window closed and deleted, then the stand-in or
// main window that owned them, and what its going leaves.
template <class Owner> void closeWindows(std::unique_ptr<Owner>& owner) {
    ZelWindow::closeAll();
    flushDeletes();
    owner.reset();
    flushDeletes();
}

// The window the launcher opens for id over what ctx holds, of type T, its
// first events handled; nullptr when there is no such window.
template <class T> T* openFrom(MainContext& ctx, zel::WindowId id) {
    const AnalysisLaunch::Opener opener = AnalysisLaunch::opener(id);
    auto* w = opener ? qobject_cast<T*>(opener(ctx)) : nullptr;
    if (w) QCoreApplication::processEvents();
    return w;
}

// The open window id as a T, or nullptr.
template <class T> T* openWindow(zel::WindowId id) {
    return qobject_cast<T*>(ZelWindow::find(id));
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

// Whether the menu or menu entry of this object name can be chosen.
inline bool menuEnabled(QWidget* window, const char* name) {
    if (auto* menu = window->findChild<QMenu*>(QString::fromLatin1(name)))
        return menu->menuAction()->isEnabled();
    QAction* action = findAction(window, QString::fromLatin1(name));
    return action && action->isEnabled();
}

// A menu's entries in their order: the object names (a submenu's own) and the texts.
struct MenuEntries {
    QStringList names;
    QStringList texts;
};
inline MenuEntries menuEntries(const QMenu* menu) {
    MenuEntries out;
    for (QAction* a : menu->actions()) {
        out.names << (a->menu() ? a->menu()->objectName() : a->objectName());
        out.texts << a->text();
    }
    return out;
}

// The text of the window's line edit of this object name, or "<no name>".
inline QString lineText(QWidget* window, const char* name) {
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    return box ? box->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// The text of the window's label of this object name.
inline QString labelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// A number as the panels show it, with the place of its sign.
inline QString signedText(double v) {
    return QString::fromStdString(zel::signedNumberText(v));
}

// The texts of the labels Label1 .. Label<count>.
inline QStringList numberedLabels(QWidget* window, int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i) {
        auto* label = window->findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
        out << (label ? label->text() : QStringLiteral("<no Label%1>").arg(i));
    }
    return out;
}

// The entries of a list box.
inline QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

// The window's push button of this object name, or nullptr.
inline QPushButton* button(QWidget* window, const QString& name) {
    return window->findChild<QPushButton*>(name);
}

// The first child of type T that shows this text, or nullptr.
template <class T> T* findByText(QWidget* parent, const QString& text) {
    for (T* w : parent->findChildren<T*>())
        if (w->text() == text) return w;
    return nullptr;
}

// Ticks or clears the check boxes of column col in these rows, as the cursor
// and the check key do.
inline void setChecks(DataGrid* grid, int col, std::initializer_list<int> rows, bool checked) {
    for (int row : rows) {
        grid->setCurrentCol(col);
        grid->setCurrentRow(row);
        grid->setCheckValue(checked);
    }
}

// Makes data cell (col, row) the grid's current cell and gives the grid the
// focus, its window active, as a user's click on the cell does.
inline void focusCell(DataGrid* grid, int col, int row) {
    grid->activateWindow();
    grid->setFocus();
    grid->setBlockMode(false);
    grid->setCurrentCol(col);
    grid->setCurrentRow(row);
}

// Selects data cell (col, row) alone and clears it with the Delete key.
inline void deleteCell(DataGrid* grid, int col, int row) {
    focusCell(grid, col, row);
    grid->setBlockCol2(col);
    grid->setBlockRow2(row);
    grid->doAction(DataGrid::Action::SelectBlock);
    QTest::keyClick(grid, Qt::Key_Delete);
}

// Types the text into data cell (col, row) as a user does: the keys go to
// whichever widget has the focus (the grid, then the editor it opens), then
// Return. replaceCellText clears the cell first.
inline void typeIntoCell(DataGrid* grid, int col, int row, const QString& text) {
    focusCell(grid, col, row);
    const auto target = [grid]() -> QWidget* {
        return QApplication::focusWidget() ? QApplication::focusWidget() : grid;
    };
    for (const QChar ch : text)
        QTest::keyClick(target(), ch.toLatin1());
    QTest::keyClick(target(), Qt::Key_Return);
}
inline void replaceCellText(DataGrid* grid, int col, int row, const QString& text) {
    deleteCell(grid, col, row);
    typeIntoCell(grid, col, row, text);
}

// The bytes of a file, and a file written with these bytes, by its path.
inline std::string readBytes(const QString& path) {
    return fixtures::readBytes(path.toStdString());
}
inline void writeBytes(const QString& path, const std::string& bytes) {
    fixtures::writeBytes(path.toStdString(), bytes);
}

// The centre of a data cell (1-based) in the grid's viewport, scrolled into view.
inline QPoint cellCentre(DataGrid& g, int col, int row) {
    const QModelIndex idx = g.model()->index(row - 1, col - 1);
    g.scrollTo(idx);
    return g.visualRect(idx).center();
}

// Runs body on the modal dialog that trigger opens (a dialog with its own event
// loop: the body runs from inside it); the body must close it. A dialog the
// body left open (say, after a failed check) is closed, so that the test ends,
// and fails the test.
inline void withModal(const std::function<void(QWidget*)>& body, const std::function<void()>& trigger) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        body(modal);
        ran = true;
        if (modal && modal->isVisible()) {
            modal->close();
            QFAIL("the dialog was left open");
        }
    });
    trigger();
    QVERIFY(ran);
}

// Replaces the text of the window's line edit of this object name as a user
// does: select all, Delete, type.
inline void retype(QWidget* window, const char* name, const QString& text) {
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(box, name);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace uitest
