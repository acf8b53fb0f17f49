// The main window form1 as a test starts it and drives it as a user does: a
// settings and state home of the test's own, the settings store, a data
// folder, the shown window, the program ended and started again; the menu
// entries chosen by object name or found by text; an analysis chosen in its
// list and the graph command given from the Analysis menu.
#pragma once

#include "app/endform.h"
#include "app/form1.h"
#include "windowkit/AppSettings.h"
#include "windowkit/QSettingsStore.h"
#include "windowkit/ZelWindow.h"

#include "UiTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <initializer_list>
#include <memory>

namespace uitest {

// Copies the dataset files of the base path `from` (no ending) with these
// endings to the base path `to`; false when one of them was not copied.
inline bool copyDatasetFiles(const QString& from, const QString& to,
                             std::initializer_list<const char*> endings = {".QCN", ".QCS"}) {
    for (const char* ending : endings)
        if (!QFile::copy(from + QLatin1String(ending), to + QLatin1String(ending))) return false;
    return true;
}

// The main window of a test and everything around it. A test class holds one:
// useOwnHome() from initTestCase, installStore() where the test wants a fresh
// store, start() from init or from the test, stop() from cleanup.
class MainWindowFixture {
  public:
    // The stored settings: the program's INI file under the home, or memory only.
    enum class Store { File, Memory };

    // $XDG_CONFIG_HOME and $XDG_STATE_HOME go to folders config/ and state/
    // of a temporary home, so that no settings or recovery file of the user's
    // is read or written.
    void useOwnHome() {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", configFolder().toUtf8());
        qputenv("XDG_STATE_HOME", stateFolder().toUtf8());
    }
    QString configFolder() const { return homePath(QStringLiteral("config")); }
    QString stateFolder() const { return homePath(QStringLiteral("state")); }
    QString homePath(const QString& name) const { return m_home.filePath(name); }

    // Installs a store of this kind as the program's (a file store reads the
    // file that is there) and gives it back.
    zel::SettingsStore& installStore(Store kind) {
        m_store = kind;
        if (kind == Store::File) return zel::installAppSettings(std::make_unique<zel::QSettingsStore>());
        return zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
    }
    // The settings of an earlier test forgotten: the file removed, a store installed.
    zel::SettingsStore& freshStore(Store kind) {
        QFile::remove(zel::QSettingsStore::defaultPath());
        return installStore(kind);
    }

    // A fresh, empty folder for the test's datasets; current too when asked.
    void newDataFolder(bool makeCurrent = false) {
        m_data = std::make_unique<QTemporaryDir>();
        QVERIFY(m_data->isValid());
        if (makeCurrent) QDir::setCurrent(m_data->path());
    }
    QString dataFolder() const { return m_data->path(); }
    QString dataPath(const QString& name) const { return m_data->filePath(name); }

    // The main window made with the start-up argument (a dataset), shown.
    void start(const QString& argument = QString()) {
        m_window = std::make_unique<form1>(argument);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    form1& window() { return *m_window; }

    // Every window closed and deleted, then the main window.
    void stop() {
        if (!m_window) return;
        closeWindows(m_window);
    }
    // The end of a test: the windows, then the data folder.
    void tearDown() {
        stop();
        m_data.reset();
    }

    // The program ends through its window (its closing window thrown away) and
    // starts again with the argument, its store read anew from the file.
    void restart(const QString& argument = QString()) {
        m_window->close();
        delete ZelWindow::findOpen<endform>();
        m_window.reset();
        flushDeletes();
        installStore(m_store);
        start(argument);
    }

  private:
    QTemporaryDir m_home;
    Store m_store = Store::File;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<form1> m_window;
};

// Chooses the entry of this object name from the window's menu, the menu
// opened first as a user opens it; fails the test when there is no such entry
// or it cannot be chosen.
inline void chooseFromMenu(QWidget* window, QMenu* menu, const QString& name) {
    emit menu->aboutToShow();
    QAction* a = findAction(window, name);
    QVERIFY2(a, qPrintable(name));
    QVERIFY2(a->isEnabled(), qPrintable(name));
    a->trigger();
    QCoreApplication::processEvents();
}

// The menu's entry showing this text, or nullptr.
inline QAction* entryByText(const QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

// Chooses the analysis in the main window's list.
inline void chooseAnalysis(form1& f, const QString& analysis) {
    auto* list = f.findChild<QComboBox*>(QStringLiteral("Combo1"));
    QVERIFY(list);
    const int index = list->findText(analysis);
    QVERIFY2(index >= 0, qPrintable(analysis));
    list->setCurrentIndex(index);
    QCOMPARE(f.currentAnalysisName(), analysis);
}

// "グラフの作成" from the Analysis menu, the menu opened first as a user opens it.
// The command does nothing while it cannot be chosen, as the menu's entry.
inline void graphCommand(form1& f) {
    emit f.analysisMenu()->aboutToShow();
    findAction(&f, QStringLiteral("BUNSAN"))->trigger();
    QCoreApplication::processEvents();
}

} // namespace uitest
