// The application shell driven as a user drives it: the main window's load and
// close sequences with the settings store, window geometry of the window base
// class, the message boxes, the splash, closing and geometry-deletion windows.
#include "app/dsf.h"
#include "app/endform.h"
#include "app/form1.h"
#include "app/rip.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "dataset/nymode.h"
#include "windowkit/AppSettings.h"
#include "windowkit/MessageBox.h"
#include "windowkit/QSettingsStore.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "MainWindowSupport.h"
#include "UiTestSupport.h"

#include <functional>
#include <memory>

namespace {

// A plain window of any kind, for the base-class rules.
class PlainWindow : public ZelWindow {
  public:
    explicit PlainWindow(const QString& name, QWidget* parent = nullptr) : ZelWindow(name, parent) {
        setDesignGeometry({1500, 1200, 4500, 3000});
    }
};
class TableWindow : public PlainWindow {
  public:
    TableWindow() : PlainWindow(QStringLiteral("XR1")) {}
};
class ChartWindow : public PlainWindow {
  public:
    ChartWindow() : PlainWindow(QStringLiteral("xrkanri")) {}
};

// A real message box as it was on the screen.
struct BoxSeen {
    bool shown = false;
    QString objectName, text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton, escapeButton;
    QWidget* parent = nullptr;
};

// Runs act on the next real message box once it is up.
void whenBoxShown(std::function<void(QMessageBox*)> act) {
    uitest::whenModal<QMessageBox>(std::move(act));
}

// Answers the next real message box with the given button, noting what it showed.
void answerNextBox(BoxSeen* seen, QMessageBox::StandardButton which) {
    whenBoxShown([=](QMessageBox* box) {
        seen->shown = true;
        seen->objectName = box->objectName();
        seen->text = box->text();
        seen->title = box->windowTitle();
        seen->icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen->buttons << b->text();
        seen->buttons.sort();
        if (box->defaultButton()) seen->defaultButton = box->defaultButton()->text();
        if (box->escapeButton()) seen->escapeButton = box->escapeButton()->text();
        seen->parent = box->parentWidget();
        box->button(which)->click();
    });
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using uitest::flushDeletes;

} // namespace

class TestShell : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;
    zel::SettingsStore* m_store = nullptr;
    QString iniPath() const { return m_main.configFolder() + QStringLiteral("/ZEL/ZEL.ini"); }
    QSizeF screen() const { return ZelWindow::screenTwips(); }
    // A store where the current version closed last with the given geometry.
    void storeMainGeometry(const QString& l, const QString& t, const QString& w, const QString& h) {
        m_store->write("Setting", "zel_ver", "100");
        m_store->write("Setting", "left", l.toStdString());
        m_store->write("Setting", "top", t.toStdString());
        m_store->write("Setting", "width", w.toStdString());
        m_store->write("Setting", "height", h.toStdString());
    }
    // Closes the main window (OK to any question) and removes the closing window.
    void closeMain(form1& f) {
        f.close();
        QVERIFY(!f.isVisible());
        QPointer<endform> e = ZelWindow::findOpen<endform>();
        QVERIFY(e);
        delete e.data();
    }

  private slots:
    void initTestCase() { m_main.useOwnHome(); }
    void init() { m_store = &m_main.freshStore(uitest::MainWindowFixture::Store::File); }
    void cleanup() {
        ZelWindow::closeAll();
        flushDeletes();
        QVERIFY(ZelWindow::openWindows().isEmpty());
    }

    void storeLivesInTheXdgConfigFolder() {
        QCOMPARE(zel::QSettingsStore::defaultPath(), iniPath());
        m_store->write("Setting", "left", " 1234");
        m_store->write("graph3d", "Rotation", "20");
        zel::QSettingsStore again;
        QCOMPARE(again.read("Setting", "left", ""), std::string(" 1234"));
        QCOMPARE(again.readNumber("Setting", "left", 0), 1234.0);
        m_store->write("Setting", "name", "a,b ファイル");
        QCOMPARE(zel::QSettingsStore().read("Setting", "name", ""), std::string("a,b ファイル"));
        m_store->deleteSection("Setting");
        m_store->deleteSection("NoSuchSection");
        m_store->deleteSection("");
        QVERIFY(!zel::QSettingsStore().contains("Setting", "left"));
        QCOMPARE(zel::QSettingsStore().read("graph3d", "Rotation", ""), std::string("20"));
    }

    void emptyStoreStartsAtTheDefaults() {
        form1 f;
        QVERIFY(!m_store->contains("Setting", "zel_ver"));
        const QSizeF s = screen();
        QCOMPARE(ZelWindow::twipsGeometryOf(&f), (zel::mainWindowDefaults(s.width(), s.height())));
        QCOMPARE(f.windowState(), Qt::WindowNoState);
        QCOMPARE(f.windowTitle(), QStringLiteral("ZEL"));
        QCOMPARE(f.versionText(), std::string("100"));
        QVERIFY(f.helpFilePath().endsWith(QStringLiteral("/ZEL32.hlp")));
        // The shared start values.
        const zel::Workspace& w = f.workspace();
        QCOMPARE(w.view3d.rotation, 15);
        QCOMPARE(w.view3d.perspective, 30);
        QCOMPARE(w.view3d.elevation, 0);
        QCOMPARE(w.dataset.sampleCount(), 18);
        QCOMPARE(w.dataset.variableCount(), 9);
        QCOMPARE(w.dataset.unsaved, 0);
        // The sheet before any dataset: 9 x 18, empty, disabled.
        QCOMPARE(f.grid().columnCount(), 9);
        QCOMPARE(f.grid().rowCount(), 18);
        QCOMPARE(f.grid().text(1, 1), QString());
        QVERIFY(!f.grid().isEnabled());
        QCOMPARE(f.hintText(), QStringLiteral("※　ファイルの新規作成　または　呼び出しを行います。"));
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("ファイル名 …"));
        QCOMPARE(f.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->value(), 8);
        f.show();
        closeMain(f);
        QCOMPARE(m_store->read("Setting", "zel_ver", ""), std::string("100"));
        QCOMPARE(m_store->read("Setting", "windowstate", ""), std::string("0"));
    }

    void graph3dAnglesAreRead() {
        m_store->write("graph3d", "Rotation", " 45");
        m_store->write("graph3d", "Perspective", "60");
        m_store->write("graph3d", "Elevation", "-10");
        form1 f;
        QCOMPARE(f.workspace().view3d.rotation, 45);
        QCOMPARE(f.workspace().view3d.perspective, 60);
        QCOMPARE(f.workspace().view3d.elevation, -10);
    }

    void versionChangeSendsEveryWindowBackToItsDefaultsOnce() {
        m_store->write("Setting", "zel_ver", "099");
        m_store->write("Setting", "left", " 900");
        m_store->write("Setting", "width", " 9000");
        m_store->write("Setting", "left_xr", " 3000");
        m_store->write("Setting", "width_x", " 3000");
        form1 f;
        const QSizeF s = screen();
        QCOMPARE(ZelWindow::twipsGeometryOf(&f), (zel::mainWindowDefaults(s.width(), s.height())));
        QVERIFY(!m_store->contains("Setting", "left_xr"));
        auto* table = ZelWindow::open<TableWindow>();
        QCOMPARE(table->twipsGeometry(), (zel::TwipsRect{1500, 1200, 4500, 3000}));
        auto* chart = ZelWindow::open<ChartWindow>();
        QCOMPARE(chart->twipsGeometry(), (zel::graphWindowDefaults(s.width(), s.height())));
        f.show();
        closeMain(f);
        QCOMPARE(m_store->read("Setting", "zel_ver", ""), std::string("100"));
        // The windows closed by the main window recorded their geometry.
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 1500"));
        // The next start keeps everything.
        form1 again;
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 1500"));
    }

    void closingMaximisedKeepsTheNormalGeometry() {
        storeMainGeometry(" 1500", " 1200", " 8010", " 6000");
        {
            form1 f;
            QCOMPARE(ZelWindow::twipsGeometryOf(&f), (zel::TwipsRect{1500, 1200, 8010, 6000}));
            f.showMaximized();
            QVERIFY(f.windowState() & Qt::WindowMaximized);
            closeMain(f);
        }
        QCOMPARE(m_store->read("Setting", "windowstate", ""), std::string("2"));
        QCOMPARE(m_store->read("Setting", "left", ""), std::string(" 1500"));
        QCOMPARE(m_store->read("Setting", "width", ""), std::string(" 8010"));
        form1 next;
        QVERIFY(next.windowState() & Qt::WindowMaximized);
    }

    void closingMinimisedStoresStateOne() {
        storeMainGeometry(" 1500", " 1200", " 8000", " 6000");
        {
            form1 f;
            f.show();
            f.showMinimized();
            closeMain(f);
        }
        QCOMPARE(m_store->read("Setting", "windowstate", ""), std::string("1"));
        QCOMPARE(m_store->read("Setting", "height", ""), std::string(" 6000"));
        form1 next;
        QVERIFY(next.windowState() & Qt::WindowMinimized);
    }

    void sizeRuleNeedsMoreThan7000By4000() {
        storeMainGeometry(" 1500", " 1200", " 8000", " 6000");
        {
            form1 f;
            f.show();
            // 465 x 334 pixels: 6975 x 5010 twips, not wider than 7000.
            ZelWindow::setTwipsGeometryOf(&f, {300, 300, 6975, 5010});
            closeMain(f);
        }
        QCOMPARE(m_store->read("Setting", "width", ""), std::string(" 8000"));
        QCOMPARE(m_store->read("Setting", "windowstate", ""), std::string("0"));
        {
            form1 f;
            f.show();
            ZelWindow::setTwipsGeometryOf(&f, {300, 450, 7500, 4500});
            closeMain(f);
        }
        QCOMPARE(m_store->read("Setting", "left", ""), std::string(" 300"));
        QCOMPARE(m_store->read("Setting", "top", ""), std::string(" 450"));
        QCOMPARE(m_store->read("Setting", "width", ""), std::string(" 7500"));
        QCOMPARE(m_store->read("Setting", "height", ""), std::string(" 4500"));
    }

    void cancelInTheCloseQuestionChangesNothing() {
        form1 f;
        f.show();
        f.setDatasetName(QStringLiteral("/tmp/lot"));
        f.workspace().dataset.basePath = "/tmp/lot";
        f.workspace().dataset.unsaved = 1;
        QPointer<TableWindow> table = ZelWindow::open<TableWindow>();
        const QByteArray before = fileBytes(iniPath());

        uitest::MessageBoxRecorder boxes;
        boxes.plan(MessageBox::Answer::Cancel);
        f.close();
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox seen = boxes.take();
        QCOMPARE(seen.text, QStringLiteral("このファイルは保存されていません。終了してもよろしいですか？"));
        QCOMPARE(seen.title, QStringLiteral("ファイルの保存"));
        QCOMPARE(seen.kind, MessageBox::Kind::Confirm);
        QCOMPARE(seen.parent.data(), &f);
        QVERIFY(f.isVisible());
        QCOMPARE(f.workspace().dataset.unsaved, 1);
        QVERIFY(table && table->isVisible());
        QCOMPARE(fileBytes(iniPath()), before);
        QVERIFY(!ZelWindow::findOpen<endform>());

        // OK goes through the whole sequence.
        closeMain(f);
        QCOMPARE(boxes.take().text, seen.text);
        QCOMPARE(f.workspace().dataset.unsaved, 0);
        flushDeletes();
        QVERIFY(!table);
        QCOMPARE(m_store->read("Setting", "zel_ver", ""), std::string("100"));
    }

    void noQuestionWithoutAnUnsavedDataset() {
        form1 f;
        f.show();
        f.workspace().dataset.unsaved = 1; // no base path: nothing to lose
        closeMain(f);
        QCOMPARE(f.workspace().dataset.unsaved, 0);
    }

    void windowGeometryIsRecordedOnlyInTheNormalState() {
        QPointer<TableWindow> w = ZelWindow::open<TableWindow>();
        QCOMPARE(w->objectName(), QStringLiteral("XR1"));
        QCOMPARE(w->geometrySuffix(), QStringLiteral("xr"));
        w->setTwipsGeometry({600, 750, 6000, 4500});
        w->close();
        flushDeletes();
        QVERIFY(!w);
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 600"));
        QCOMPARE(m_store->read("Setting", "top_xr", ""), std::string(" 750"));
        QCOMPARE(m_store->read("Setting", "width_xr", ""), std::string(" 6000"));
        QCOMPARE(m_store->read("Setting", "height_xr", ""), std::string(" 4500"));

        // Reopened where it was.
        w = ZelWindow::open<TableWindow>();
        QCOMPARE(w->twipsGeometry(), (zel::TwipsRect{600, 750, 6000, 4500}));
        // Maximised or minimised, nothing is written.
        w->showMaximized();
        w->close();
        w = ZelWindow::open<TableWindow>();
        w->showMinimized();
        w->reject(); // a dialog's own ending counts as closing too
        flushDeletes();
        QVERIFY(!w);
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 600"));

        // accept() records like the close box.
        w = ZelWindow::open<TableWindow>();
        w->setTwipsGeometry({900, 750, 6000, 4500});
        w->accept();
        flushDeletes();
        QVERIFY(!w);
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 900"));
    }

    void aDialogWithoutDesignFirstOpensOverItsOwner() {
        // Not in the top left corner of the screen: over the window it came from,
        // and where the user left it from then on.
        QWidget owner;
        owner.setGeometry(300, 200, 600, 400);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QPointer<ZelWindow> dialog = new ZelWindow(zel::WindowId::kgenin, &owner);
        dialog->resize(200, 100);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY2((dialog->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("dialog centre %1,%2")
                                .arg(dialog->frameGeometry().center().x())
                                .arg(dialog->frameGeometry().center().y())));
        dialog->move(40, 30);
        dialog->close();
        flushDeletes();
        dialog = new ZelWindow(zel::WindowId::kgenin, &owner);
        dialog->show();
        QCOMPARE(dialog->frameGeometry().topLeft(), QPoint(40, 30));
        dialog->close();
        flushDeletes();
    }

    void windowsWithoutSuffixRecordNothing() {
        auto* w = new PlainWindow(QStringLiteral("dsf"));
        w->show();
        w->close();
        flushDeletes();
        QVERIFY(!m_store->contains("Setting", "left_"));
        QVERIFY(!m_store->contains("Setting", "left"));
    }

    void oneInstancePerKind() {
        TableWindow* a = ZelWindow::open<TableWindow>();
        a->showMinimized();
        TableWindow* b = ZelWindow::open<TableWindow>();
        QCOMPARE(a, b);
        QVERIFY(!(b->windowState() & Qt::WindowMinimized));
        QCOMPARE(ZelWindow::openWindows().size(), 1);
        QCOMPARE(ZelWindow::find(QStringLiteral("XR1")), a);
        ChartWindow* c = ZelWindow::open<ChartWindow>();
        QCOMPARE(ZelWindow::openWindows().size(), 2);
        // Closing by name leaves the others open; a closing window is not found.
        ZelWindow::closeWindows({QStringLiteral("XR1"), QStringLiteral("nosuch")});
        QVERIFY(!ZelWindow::find(QStringLiteral("XR1")));
        QCOMPARE(ZelWindow::find(QStringLiteral("xrkanri")), c);
        TableWindow* d = ZelWindow::open<TableWindow>();
        QVERIFY(d != nullptr);
        QCOMPARE(ZelWindow::openWindows().size(), 2);
        // A modal window opened twice runs once.
        QCOMPARE(ZelWindow::openModal<TableWindow>(), int(QDialog::Rejected));
        QCOMPARE(ZelWindow::openWindows().size(), 2);
    }

    void modalWindowRunsAndGoesAway() {
        int result = 0;
        uitest::withModal(
            [](QWidget* modal) {
                auto* w = qobject_cast<ZelWindow*>(modal);
                QVERIFY(w);
                w->accept();
            },
            [&] { result = ZelWindow::openModal<TableWindow>(); });
        QCOMPARE(result, int(QDialog::Accepted));
        flushDeletes();
        QVERIFY(!ZelWindow::find(QStringLiteral("XR1")));
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 1500"));
    }

    void geometryDeletionYes() {
        m_store->write("Setting", "left_xr", " 10");
        m_store->write("graph3d", "Rotation", "20");
        QPointer<dsf> d = ZelWindow::open<dsf>();
        QCOMPARE(d->windowTitle(), QStringLiteral("レジストリ情報"));
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("記録されたウインドウの位置サイズ情報を削除します。"));
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("よろしいですか？"));
        auto* yes = d->findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(yes->text(), QStringLiteral("はい"));
        QTest::mouseClick(yes, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!d);
        QVERIFY(!m_store->contains("Setting", "left_xr"));
        QCOMPARE(m_store->read("graph3d", "Rotation", ""), std::string("20"));
        QVERIFY(!m_store->contains("Setting", "left_dsf"));
    }

    void geometryDeletionNo() {
        m_store->write("Setting", "left_xr", " 150");
        QPointer<dsf> d = ZelWindow::open<dsf>();
        auto* no = d->findChild<QPushButton*>(QStringLiteral("Command2"));
        QCOMPARE(no->text(), QStringLiteral("いいえ"));
        QTest::mouseClick(no, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!d);
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 150"));
        // An open window writes its geometry again after a deletion.
        auto* w = ZelWindow::open<TableWindow>();
        auto* yes = ZelWindow::open<dsf>()->findChild<QPushButton*>(QStringLiteral("Command1"));
        QTest::mouseClick(yes, Qt::LeftButton);
        QVERIFY(!m_store->contains("Setting", "left_xr"));
        w->close();
        QCOMPARE(m_store->read("Setting", "left_xr", ""), std::string(" 150"));
    }

    void resizeRule() {
        form1 f;
        f.show();
        f.resize(700, 500);
        QCoreApplication::processEvents();
        auto* client = f.centralWidget();
        const int innerW = client->width(), innerH = client->height();
        const int outerW = f.frameGeometry().width();
        auto px = [](double twips) { return zel::Twips::toPixels(twips); };
        QCOMPARE(f.grid().width(), px(outerW * 15 - 150));
        // The first toolbar button is 23 points high.
        const int buttonH = f.toolbarButton(0)->height();
        QCOMPARE(buttonH, qRound(23 * 96 / 72.0));
        QCOMPARE(f.grid().height(), px(innerH * 15 - 255 - 510 - (buttonH * 15 + 130)));
        auto* right = f.findChild<QWidget*>(QStringLiteral("rightPanel"));
        QCOMPARE(right->width(), px(innerW * 15 - 2625));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("Label3"))->width(), px(innerW * 15 - 1170));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("Label2"))->width(), px(right->width() * 15 - 1890));
        // The rows sit where the layout puts them.
        QCOMPARE(right->geometry(), QRect(px(2610), px(540), right->width(), px(510)));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("leftPanel"))->geometry(),
                 QRect(0, px(540), px(2625), px(510)));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("HScroll1"))->geometry(),
                 QRect(0, px(1080), px(1170), px(255)));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("Label2"))->x(), px(1890));

        // A window too small for a positive value leaves that value alone.
        const QSize sheetBefore = f.grid().size();
        f.resize(120, 60);
        QCoreApplication::processEvents();
        QCOMPARE(f.grid().height(), sheetBefore.height());
        QCOMPARE(f.grid().width(), px(f.frameGeometry().width() * 15 - 150));
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("rightPanel"))->width(), right->width());
    }

    void startupOpenWithAMissingValuesFile() {
        QTemporaryDir dir;
        QVERIFY(uitest::copyDatasetFiles(QStringLiteral(ZEL_TEST_DATA_DIR "/lot"),
                                         dir.path() + QStringLiteral("/lot"), {".QCN"}));
        const QString arg = dir.path() + QStringLiteral("/lot.QCS");
        uitest::MessageBoxRecorder boxes;
        form1 f(arg);
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox seen = boxes.take();
        QCOMPARE(seen.title, QStringLiteral("データの呼出し"));
        QCOMPARE(seen.kind, MessageBox::Kind::Refusal);
        QVERIFY(!seen.text.isEmpty());

        const zel::Dataset& ds = f.workspace().dataset;
        const std::string base = (dir.path() + QStringLiteral("/lot")).toStdString();
        QCOMPARE(ds.basePath, base);
        QCOMPARE(ds.valuesPath, base + ".QCS");
        QCOMPARE(ds.namesPath, base + ".QCN");
        QCOMPARE(ds.limitsPath, base + ".QCK");
        QCOMPARE(ds.folder, dir.path().toStdString());
        QCOMPARE(ds.fileName, std::string("lot")); // the save dialog offers the name, not a file
        QCOMPARE(ds.drive, dir.path().left(2).toStdString());
        QCOMPARE(ds.saveInPlace, 0);
        QCOMPARE(ds.sampleCount(), 3);
        QCOMPARE(ds.variableCount(), 2);
        QCOMPARE(ds.name(1), std::string("外径"));
        QCOMPARE(ds.mask(2), 1);
        QCOMPARE(ds.label(3), std::string("第３ロット"));
        // The sheet structure is built; the dataset state is entered.
        QCOMPARE(f.grid().columnCount(), 2);
        QCOMPARE(f.grid().rowCount(), 3);
        QCOMPARE(f.grid().text(2, 0), QStringLiteral("重量"));
        QCOMPARE(f.grid().text(0, 1), QStringLiteral("NO.1"));
        QCOMPARE(f.grid().currentCol(), 1);
        QCOMPARE(f.grid().currentRow(), 1);
        QVERIFY(f.grid().isEnabled());
        QCOMPARE(f.datasetName(), QString::fromStdString(base));
        QCOMPARE(f.windowTitle(), QStringLiteral("[ZEL] ") + QString::fromStdString(base));
        QCOMPARE(f.hintText(), QStringLiteral("※　データの解析を行います。"));
        QVERIFY(f.findChild<QAction*>(QStringLiteral("COPPY"))->isEnabled());
    }

    void startupOpenOfACompleteDataset() {
        QTemporaryDir dir;
        QVERIFY(uitest::copyDatasetFiles(QStringLiteral(ZEL_TEST_DATA_DIR "/lot"),
                                         dir.path() + QStringLiteral("/lot")));
        uitest::MessageBoxRecorder boxes;
        form1 f(dir.path() + QStringLiteral("/lot.QCN"));
        QCoreApplication::processEvents();
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(f.workspace().dataset.value(1, 1), 12.5);
        QCOMPARE(f.grid().text(1, 1), QStringLiteral("12.5"));
        // A name relative to the current folder opens the same files, and the
        // folder change of the open does not break the relative path.
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QFileInfo(dir.path()).path()));
        const QString relative = QFileInfo(dir.path()).fileName() + QStringLiteral("/lot.QCS");
        form1 g(relative);
        QDir::setCurrent(before);
        QVERIFY(g.findChild<QAction*>(QStringLiteral("COPPY"))->isEnabled());
        QCOMPARE(g.datasetName(), dir.path() + QStringLiteral("/lot"));
        QCOMPARE(g.workspace().dataset.value(1, 1), 12.5);
    }

    // A value still in the sheet's editor (no Enter yet) reaches every command:
    // the save, the close question and the graph command. And Save after an
    // open from the command line offers the dataset's name and rewrites its
    // own files, also when the user types the name with its ending.
    void commandsTakeTheValueInTheEditorAndSaveKeepsTheFiles() {
        QTemporaryDir dir;
        QVERIFY(uitest::copyDatasetFiles(QStringLiteral(ZEL_TEST_DATA_DIR "/lot"),
                                         dir.path() + QStringLiteral("/lot")));
        form1 f(dir.path() + QStringLiteral("/lot.QCS"));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const std::string base = (dir.path() + QStringLiteral("/lot")).toStdString();
        auto typeWithoutEnter = [&](int col, int row, char key) {
            f.grid().setFocus();
            f.grid().setCurrentCol(col);
            f.grid().setCurrentRow(row);
            QTest::keyClick(&f.grid(), key);
            QVERIFY(f.grid().isEditing());
        };
        auto saveThroughTheDialog = [&](const QString& typedName) {
            f.findChild<QAction*>(QStringLiteral("HOZON"))->trigger();
            QPointer<ZelWindow> save = ZelWindow::find(QStringLiteral("saveform"));
            QVERIFY(save);
            auto* name = save->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QCOMPARE(name->text(), QStringLiteral("lot"));
            if (!typedName.isEmpty()) name->setText(typedName);
            uitest::MessageBoxRecorder boxes;
            QTest::mouseClick(save->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.take().text, QStringLiteral("このファイルはすでに存在します。上書きしますか？"));
            flushDeletes();
            QVERIFY(!save);
        };
        auto readBack = [&] {
            zel::Dataset back;
            const zel::DatasetReadResult r = zel::readDataset(base + ".QCN", base + ".QCS", back);
            if (!r.status.isOk()) qWarning("%s", r.status.message().c_str());
            return back;
        };

        typeWithoutEnter(1, 1, '5');
        saveThroughTheDialog(QString());
        QCOMPARE(readBack().value(1, 1), 5.0);
        QCOMPARE(f.workspace().dataset.basePath, base);
        QCOMPARE(f.workspace().dataset.fileName, std::string("lot"));

        typeWithoutEnter(1, 3, '6');
        saveThroughTheDialog(QStringLiteral("lot.qcs"));
        QCOMPARE(readBack().value(3, 1), 6.0);
        QCOMPARE(f.workspace().dataset.basePath, base);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"lot.QCN", "lot.QCS"}));

        // The graph command reads the dataset with the new value.
        typeWithoutEnter(2, 1, '9');
        {
            uitest::MessageBoxRecorder noBoxes; // the dataset suits the analysis
            f.findChild<QAction*>(QStringLiteral("BUNSAN"))->trigger();
        }
        QVERIFY(!f.grid().isEditing());
        QCOMPARE(f.workspace().dataset.value(1, 2), 9.0);
        ZelWindow::closeAll();
        flushDeletes();

        // Closing asks about the unsaved value that was still being typed.
        typeWithoutEnter(2, 2, '7');
        uitest::MessageBoxRecorder boxes;
        boxes.plan(MessageBox::Answer::Cancel);
        f.close();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.take().text, QStringLiteral("このファイルは保存されていません。終了してもよろしいですか？"));
        QVERIFY(f.isVisible());
        QCOMPARE(f.workspace().dataset.value(2, 2), 7.0);
        closeMain(f);
        QCOMPARE(boxes.take().kind, MessageBox::Kind::Confirm);
    }

    void menusAndCommandStates() {
        form1 f;
        auto action = [&](const char* name) { return f.findChild<QAction*>(QString::fromLatin1(name)); };
        QCOMPARE(f.fileMenu()->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
        QCOMPARE(f.editMenu()->title(), QStringLiteral("編集(&E)"));
        QCOMPARE(f.optionMenu()->title(), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
        QCOMPARE(action("SYUURYOU")->text(), QStringLiteral("終了(&E)"));
        QCOMPARE(action("COPPY")->text(), QStringLiteral("コピー(&C)"));
        QCOMPARE(action("COPPY")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(action("HARITUKE")->text(), QStringLiteral("貼り付け(&P)"));
        QCOMPARE(action("HARITUKE")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
        QCOMPARE(action("KIRITORI")->text(), QStringLiteral("切り取り(&T)"));
        QCOMPARE(action("msubes")->text(), QStringLiteral("すべて選択(&A)"));
        QCOMPARE(action("tugi")->text(), QStringLiteral("グラフの作成(&G)"));
        QVERIFY(action("esepa")->isSeparator());
        QCOMPARE(action("N_MODE")->text(), QStringLiteral("入力モードの設定(&M)"));
        // Before a dataset: copy, paste, cut greyed; select-all and the rest work.
        QVERIFY(!action("COPPY")->isEnabled());
        QVERIFY(!action("HARITUKE")->isEnabled());
        QVERIFY(!action("KIRITORI")->isEnabled());
        QVERIFY(action("msubes")->isEnabled());
        QVERIFY(action("N_MODE")->isEnabled());
        QVERIFY(!action("esepa")->isVisible());
        QVERIFY(!action("tugi")->isVisible());
        action("msubes")->trigger();
        QCOMPARE(f.grid().selectedBlock(), QRect(1, 1, 9, 18));

        // An empty name changes nothing.
        f.setDatasetName(QString());
        QVERIFY(!action("COPPY")->isEnabled());
        f.setDatasetName(QStringLiteral("/data/lot"));
        QVERIFY(action("COPPY")->isEnabled());
        QVERIFY(action("HARITUKE")->isEnabled());
        QVERIFY(action("KIRITORI")->isEnabled());
        QVERIFY(f.grid().isEnabled());
        QCOMPARE(f.windowTitle(), QStringLiteral("[ZEL] /data/lot"));
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("/data/lot"));
    }

    void openingAMenuClosesItsWindows() {
        form1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.findChild<QAction*>(QStringLiteral("N_MODE"))->trigger();
        QPointer<ZelWindow> ny = ZelWindow::find(QStringLiteral("nymode"));
        QVERIFY(ny);
        QCOMPARE(ny->parentWidget(), &f);
        // Again: the same dialog comes forward.
        f.findChild<QAction*>(QStringLiteral("N_MODE"))->trigger();
        QCOMPARE(ZelWindow::find(QStringLiteral("nymode")), ny.data());
        auto* table = ZelWindow::open<TableWindow>();
        f.optionMenu()->popup(f.mapToGlobal(QPoint(10, 10)));
        f.optionMenu()->hide();
        flushDeletes();
        QVERIFY(!ny);
        QCOMPARE(ZelWindow::find(QStringLiteral("XR1")), table);
        QVERIFY(f.windowsClosedBy(f.fileMenu()).contains(QStringLiteral("inmode")));
        QCOMPARE(f.windowsClosedBy(f.editMenu()).size(), 4);
        // Later menus add to the lists through the same mechanism.
        f.closeOnOpening(f.fileMenu(), {QStringLiteral("XR1")});
        f.fileMenu()->popup(f.mapToGlobal(QPoint(10, 10)));
        f.fileMenu()->hide();
        QVERIFY(!ZelWindow::find(QStringLiteral("XR1")));
    }

    void sheetPopupMenu() {
        form1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.setDatasetName(QStringLiteral("/data/lot"));
        f.setAnalysisWindowNames({QStringLiteral("XR1")});
        auto* esepa = f.findChild<QAction*>(QStringLiteral("esepa"));
        auto* tugi = f.findChild<QAction*>(QStringLiteral("tugi"));
        ZelWindow::open<TableWindow>();
        ZelWindow::open<PlainWindow>(QStringLiteral("gyousou"));
        ZelWindow::open<ChartWindow>(); // not in the analysis list given here
        QSignalSpy graph(&f, &form1::graphCommandRequested);

        bool seenVisible = false;
        QMenu* seenMenu = nullptr;
        QTimer::singleShot(50, [&] {
            seenMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            seenVisible = esepa->isVisible() && tugi->isVisible();
            if (seenMenu) seenMenu->close();
        });
        emit f.grid().mouseUp(Qt::RightButton, f.mapToGlobal(QPoint(50, 50)));
        QCOMPARE(seenMenu, f.editMenu());
        QVERIFY(seenVisible);
        QVERIFY(!esepa->isVisible());
        QVERIFY(!tugi->isVisible());
        flushDeletes();
        QVERIFY(!ZelWindow::find(QStringLiteral("XR1")));
        QVERIFY(!ZelWindow::find(QStringLiteral("gyousou")));
        QVERIFY(ZelWindow::find(QStringLiteral("xrkanri")));
        QCOMPARE(graph.count(), 0);

        // Choosing "グラフの作成(&G)" gives the graph command and hides the items again.
        QTimer::singleShot(50, [&] {
            if (auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                m->setActiveAction(tugi);
                QTest::keyClick(m, Qt::Key_Return);
            }
        });
        emit f.grid().mouseUp(Qt::RightButton, f.mapToGlobal(QPoint(50, 50)));
        QTRY_COMPARE(graph.count(), 1);
        QVERIFY(!tugi->isVisible());

        // Other buttons only hide them.
        esepa->setVisible(true);
        tugi->setVisible(true);
        emit f.grid().mouseUp(Qt::LeftButton, f.mapToGlobal(QPoint(50, 50)));
        QVERIFY(!esepa->isVisible());
        QVERIFY(!tugi->isVisible());
        QVERIFY(ZelWindow::find(QStringLiteral("xrkanri")));
    }

    void columnWidthSlider() {
        form1 f;
        f.setDatasetName(QStringLiteral("/data/lot"));
        auto* slider = f.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        QCOMPARE(slider->minimum(), 2);
        QCOMPARE(slider->maximum(), 20);
        QCOMPARE(f.grid().columnWidthAt(1), 8.0);
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the right arrow
        QCOMPARE(slider->value(), 9);
        QCOMPARE(f.grid().columnWidthAt(1), 9.0);
        QCOMPARE(f.grid().columnWidthAt(9), 9.0);
        QCOMPARE(f.grid().columnWidthAt(0), 8.0);
        slider->setValue(20);
        QCOMPARE(f.grid().columnWidthAt(5), 20.0);
    }

    void mouseOverTheBackgroundForgetsTheButton() {
        form1 f;
        f.show();
        QSignalSpy hide(&f, &form1::popupCaptionHideRequested);
        f.setRememberedButtonIndex(3);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 700), QPointF(5, 700), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f.centralWidget(), &move);
        QCOMPARE(f.rememberedButtonIndex(), -1);
        QCOMPARE(hide.count(), 1);
        // Over the sheet: the caption hides, the index stays.
        f.setRememberedButtonIndex(4);
        emit f.grid().mouseMoved(QPoint(3, 3));
        QCOMPARE(hide.count(), 2);
        QCOMPARE(f.rememberedButtonIndex(), 4);
    }

    void exitCommandClosesTheMainWindow() {
        form1 f;
        f.show();
        f.findChild<QAction*>(QStringLiteral("SYUURYOU"))->trigger();
        QVERIFY(!f.isVisible());
        QVERIFY(ZelWindow::findOpen<endform>());
        delete ZelWindow::findOpen<endform>();
    }

    // The real boxes, shown on the screen: the one test that answers them as
    // a user does. The other window tests answer through MessageBoxRecorder.
    void messageBoxKinds() {
        QWidget owner;
        owner.show();
        BoxSeen refusal;
        answerNextBox(&refusal, QMessageBox::Ok);
        MessageBox::refusal(&owner, QStringLiteral("だめです"), QStringLiteral("題"));
        QVERIFY(refusal.shown);
        QCOMPARE(refusal.objectName, QStringLiteral("zelMessageBox"));
        QCOMPARE(refusal.icon, QMessageBox::Warning);
        QCOMPARE(refusal.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(refusal.defaultButton, QStringLiteral("OK"));
        QCOMPARE(refusal.escapeButton, QStringLiteral("OK"));
        QCOMPARE(refusal.text, QStringLiteral("だめです"));
        QCOMPARE(refusal.title, QStringLiteral("題"));
        QCOMPARE(refusal.parent, &owner);

        BoxSeen ask;
        answerNextBox(&ask, QMessageBox::Ok);
        QVERIFY(MessageBox::confirm(nullptr, QStringLiteral("よろしいですか？"), QStringLiteral("題")));
        QCOMPARE(ask.objectName, QStringLiteral("zelMessageBox"));
        QCOMPARE(ask.icon, QMessageBox::Question);
        QCOMPARE(ask.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));
        QCOMPARE(ask.defaultButton, QStringLiteral("キャンセル"));
        QCOMPARE(ask.escapeButton, QStringLiteral("キャンセル"));
        QCOMPARE(ask.text, QStringLiteral("よろしいですか？"));
        QCOMPARE(ask.title, QStringLiteral("題"));
        BoxSeen cancel;
        answerNextBox(&cancel, QMessageBox::Cancel);
        QVERIFY(!MessageBox::confirm(nullptr, QStringLiteral("よろしいですか？"), QStringLiteral("題")));
        // Escape and Enter both keep the safe answer.
        whenBoxShown([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QVERIFY(!MessageBox::confirm(nullptr, QStringLiteral("a"), QStringLiteral("b")));
        whenBoxShown([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
        QVERIFY(!MessageBox::confirm(nullptr, QStringLiteral("a"), QStringLiteral("b")));

        BoxSeen info;
        answerNextBox(&info, QMessageBox::Ok);
        MessageBox::info(nullptr, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"),
                         QStringLiteral("ZEL"));
        QCOMPARE(info.objectName, QStringLiteral("zelMessageBox"));
        QCOMPARE(info.icon, QMessageBox::NoIcon);
        QCOMPARE(info.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(info.defaultButton, QStringLiteral("OK"));
        QCOMPARE(info.escapeButton, QStringLiteral("OK"));
        QCOMPARE(info.text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QCOMPARE(info.title, QStringLiteral("ZEL"));
    }

    // An answerer takes each box in place of the screen, and its answer is the
    // user's choice; removed again, the real boxes come back.
    void anAnswererStandsInForTheBoxes() {
        QWidget owner;
        QList<MessageBox::Shown> shown;
        QList<QWidget*> modalMeanwhile;
        MessageBox::Answer next = MessageBox::Answer::Cancel;
        const MessageBox::Answerer none = MessageBox::setAnswerer([&](const MessageBox::Shown& box) {
            shown.append(box);
            modalMeanwhile.append(QApplication::activeModalWidget());
            return next;
        });
        QVERIFY(!none); // the program runs without one
        MessageBox::refusal(&owner, QStringLiteral("だめです"), QStringLiteral("題1"));
        QVERIFY(!MessageBox::confirm(&owner, QStringLiteral("よろしいですか？"), QStringLiteral("題2")));
        next = MessageBox::Answer::Ok;
        QVERIFY(MessageBox::confirm(nullptr, QStringLiteral("続けますか？"), QStringLiteral("題3")));
        MessageBox::info(nullptr, QStringLiteral("お知らせ"), QStringLiteral("題4"));
        QVERIFY(MessageBox::setAnswerer(none)); // gives back the one it replaces

        QCOMPARE(shown.size(), 4);
        const QList<MessageBox::Kind> kinds{MessageBox::Kind::Refusal, MessageBox::Kind::Confirm,
                                            MessageBox::Kind::Confirm, MessageBox::Kind::Info};
        const QStringList texts{QStringLiteral("だめです"), QStringLiteral("よろしいですか？"),
                                QStringLiteral("続けますか？"), QStringLiteral("お知らせ")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(shown[i].kind, kinds[i]);
            QCOMPARE(shown[i].text, texts[i]);
            QCOMPARE(shown[i].title, QStringLiteral("題%1").arg(i + 1));
            QCOMPARE(shown[i].parent, i < 2 ? &owner : nullptr);
            QCOMPARE(modalMeanwhile[i], nullptr);
        }

        BoxSeen real;
        answerNextBox(&real, QMessageBox::Ok);
        MessageBox::refusal(nullptr, QStringLiteral("本物"), QStringLiteral("題"));
        QVERIFY(real.shown);
        QCOMPARE(real.text, QStringLiteral("本物"));
    }

    // The recorder of the window tests: confirmations take the planned
    // answers, then OK; a box nobody takes or a planned answer nobody asks
    // for fails the test, and so does a second box where one was expected.
    void recorderAnswersInTurnAndWantsEveryBoxTaken() {
        {
            uitest::MessageBoxRecorder boxes;
            boxes.plan(MessageBox::Answer::Cancel);
            MessageBox::refusal(nullptr, QStringLiteral("a"), QStringLiteral("題"));
            QVERIFY(!MessageBox::confirm(nullptr, QStringLiteral("b"), QStringLiteral("題")));
            QVERIFY(MessageBox::confirm(nullptr, QStringLiteral("c"), QStringLiteral("題")));
            QCOMPARE(boxes.count(), 3);
            const uitest::SeenBox first = boxes.take();
            QVERIFY(first.seen);
            QCOMPARE(first.kind, MessageBox::Kind::Refusal);
            QCOMPARE(first.text, QStringLiteral("a"));
            QCOMPARE(first.title, QStringLiteral("題"));
            const QList<uitest::SeenBox> rest = boxes.takeAll();
            QCOMPARE(rest.size(), 2);
            QCOMPARE(rest[0].answer, MessageBox::Answer::Cancel);
            QCOMPARE(rest[1].text, QStringLiteral("c"));
            QCOMPARE(rest[1].answer, MessageBox::Answer::Ok);
            QVERIFY(!boxes.take().seen);
        }
        {
            uitest::MessageBoxRecorder outer;
            {
                uitest::MessageBoxRecorder inner;
                MessageBox::info(nullptr, QStringLiteral("内"), QStringLiteral("題"));
                QCOMPARE(inner.take().text, QStringLiteral("内"));
            }
            MessageBox::info(nullptr, QStringLiteral("外"), QStringLiteral("題"));
            QCOMPARE(outer.take().text, QStringLiteral("外"));
        }
        QEXPECT_FAIL("", "a box left untaken", Continue);
        {
            uitest::MessageBoxRecorder boxes;
            MessageBox::info(nullptr, QStringLiteral("残り"), QStringLiteral("題"));
        }
        QEXPECT_FAIL("", "a planned answer left unused", Continue);
        {
            uitest::MessageBoxRecorder boxes;
            boxes.plan(MessageBox::Answer::Ok);
        }
        QEXPECT_FAIL("", "two boxes where one was expected", Continue);
        const uitest::SeenBox one = uitest::answerBox([] {
            MessageBox::refusal(nullptr, QStringLiteral("一"), QStringLiteral("題"));
            MessageBox::refusal(nullptr, QStringLiteral("二"), QStringLiteral("題"));
        });
        QCOMPARE(one.text, QStringLiteral("一"));
        // Gone with the last recorder: the real box shows again.
        BoxSeen real;
        answerNextBox(&real, QMessageBox::Ok);
        MessageBox::info(nullptr, QStringLiteral("本物"), QStringLiteral("題"));
        QVERIFY(real.shown);
    }

    void splashShowsTheVersionCentred() {
        QPointer<rip> r = new rip;
        QCOMPARE(r->versionText(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(r->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 1.0.0"));
        r->show();
        const QRect screenArea = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(r->frameGeometry().center().x() / 2, screenArea.center().x() / 2);
        QCOMPARE(r->frameGeometry().center().y() / 2, screenArea.center().y() / 2);
        const QImage picture = r->grab().toImage();
        QVERIFY(picture.pixelColor(5, 5) != picture.pixelColor(picture.width() - 5, picture.height() - 5));
        r->close();
        flushDeletes();
        QVERIFY(!r);
        QVERIFY(!m_store->contains("Setting", "left_"));
    }

    void closingWindowEndsTheProgramThroughItsTimer() {
        QPointer<endform> e = ZelWindow::open<endform>();
        QCOMPARE(e->windowTitle(), QStringLiteral("終了"));
        QCOMPARE(e->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("ＺＥＬを終了します．．"));
        const QRect screenArea = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(e->frameGeometry().center().x() - screenArea.center().x()) <= 1);
        QVERIFY(qAbs(e->frameGeometry().center().y() - screenArea.center().y()) <= 1);
        // The program's event loop runs until the closing window ends it; a
        // guard ends it with another status if nothing does.
        QElapsedTimer clock;
        clock.start();
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        guard.start(3000);
        const int status = QCoreApplication::exec();
        QCOMPARE(status, 0);
        QVERIFY(clock.elapsed() >= 90);
        QVERIFY(clock.elapsed() < 3000);
        delete e.data();
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
