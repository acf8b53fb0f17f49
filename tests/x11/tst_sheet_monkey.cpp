// Random typing into the data sheet of the main window, on the real X11
// platform: several hundred keys (digits, letters, arrows, page keys, Tab,
// Enter, Escape, Shift, Ctrl, copy, cut, paste) and clicks on cells, from a
// fixed seed so that a failure can be replayed. The program must still run at
// the end, every value must be a number, and what it saves must read back.
#include "app/form1.h"
#include "common/SettingsStore.h"
#include "components/grid/DataGrid.h"
#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"
#include "windowkit/AppSettings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>

#include "MainWindowSupport.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <cmath>
#include <random>

namespace {

constexpr unsigned kSeed = 20261209;
constexpr int kActions = 600;

// The keys a user may press while working in the sheet, as xdotool names them.
const QStringList kKeys = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "period", "minus", "plus", "e", "E", "a", "Z", "x",
    "BackSpace", "Delete", "Up", "Down", "Left", "Right", "Page_Up", "Page_Down", "Home", "End", "Tab",
    "shift+Tab", "Return", "KP_Enter", "Escape", "shift", "ctrl", "shift+Down", "shift+Right", "ctrl+c",
    "ctrl+x", "ctrl+v", "ctrl+a"};

} // namespace

class TestSheetMonkey : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
        zel::installAppSettings(std::make_unique<zel::MemorySettingsStore>());
    }

    void randomKeysAndClicksInTheSheet() {
        QTemporaryDir dir;
        QVERIFY(uitest::copyDatasetFiles(QStringLiteral(ZEL_EXAMPLES_DIR "/shaft_diameter"),
                                         dir.path() + QStringLiteral("/shaft")));
        form1 f(dir.path() + QStringLiteral("/shaft.QCS"));
        QVERIFY(x11input::activate(&f));
        DataGrid& sheet = f.grid();
        const zel::Dataset& ds = f.workspace().dataset;
        const int n = ds.sampleCount();
        const int k = ds.variableCount();
        QVERIFY(n > 0 && k > 0);

        std::mt19937 random(kSeed);
        auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
        QStringList batch;
        auto flush = [&] {
            if (batch.isEmpty()) return;
            QVERIFY2(x11input::keys(batch), qPrintable(batch.join(' ')));
            batch.clear();
        };
        for (int i = 0; i < kActions; ++i) {
            if (pick(10) == 0) {
                // A click on a cell that is on screen brings the focus back to the sheet.
                flush();
                const QModelIndex top = sheet.indexAt(QPoint(1, 1));
                const int row = std::min(n - 1, std::max(0, top.row()) + pick(8));
                const QRect cell = sheet.visualRect(sheet.model()->index(row, pick(k)));
                if (sheet.isVisible() && cell.isValid())
                    QVERIFY(x11input::click(sheet.viewport(), cell.center()));
                // A box or a dialog that a key brought up is answered with Escape.
                if (QApplication::activeModalWidget()) QVERIFY(x11input::keys({QStringLiteral("Escape")}));
                QVERIFY(x11input::activate(&f));
            } else {
                batch << kKeys.at(pick(int(kKeys.size())));
                if (batch.size() == 25) flush();
            }
        }
        flush();
        if (sheet.isEditing()) QVERIFY(x11input::keys({QStringLiteral("Return")}));

        // Still running, the dataset whole and every value a number.
        QVERIFY(f.isVisible());
        QCOMPARE(ds.sampleCount(), n);
        QCOMPARE(ds.variableCount(), k);
        QCOMPARE(sheet.rowCount(), n);
        QCOMPARE(sheet.columnCount(), k);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= k; ++j)
                QVERIFY2(std::isfinite(ds.value(i, j)), qPrintable(QStringLiteral("%1,%2").arg(i).arg(j)));

        // Saved in place, the files read back with the same values.
        f.workspace().dataset.saveInPlace = 1;
        uitest::SeenBox notice = uitest::answerBox([&] { f.findChild<QAction*>(QStringLiteral("HOZON"))->trigger(); });
        QVERIFY(notice.seen);
        zel::Dataset back;
        const zel::DatasetReadResult read = zel::readDataset(ds.namesPath, ds.valuesPath, back);
        QVERIFY2(read.status.isOk(), read.status.message().c_str());
        QCOMPARE(back.sampleCount(), n);
        QCOMPARE(back.variableCount(), k);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= k; ++j)
                QCOMPARE(back.value(i, j), ds.value(i, j));

        // The program still closes normally.
        f.workspace().dataset.unsaved = 0;
        f.close();
        QVERIFY(!f.isVisible());
        ZelWindow::closeAll();
        uitest::flushDeletes();
    }
};

QTEST_MAIN(TestSheetMonkey)
#include "tst_sheet_monkey.moc"
