// The chart <-> sheet link through the X server: a real click on a chart point
// selects its sample's row, and a real right-click on a sheet row opens the
// pop-up whose "グラフで表示" (clicked for real) chooses the row's point.
#include "analysis/control/RunRules.h"
#include "common/NumberText.h"
#include "components/chart/ChartView.h"
#include "windowkit/ZelWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include "ChartPoints.h"
#include "SheetChartSupport.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>

class TestSheetChartInput : public QObject {
    Q_OBJECT
  private:
    uitest::MainWindowFixture m_main;

  private slots:
    void initTestCase() {
        if (!x11input::onX11()) QSKIP("needs the X11 platform (xcb)");
        m_main.useOwnHome();
        m_main.installStore(uitest::MainWindowFixture::Store::File);
    }
    void cleanup() {
        ZelWindow::closeAll();
        uitest::flushDeletes();
    }

    void clickAndPopup() {
        form1 f;
        QVERIFY(x11input::activate(&f));
        uitest::fillLinkSheet(f);
        QPointer<GraphWindow> w = uitest::openLinkChart(f);
        QVERIFY(w);
        w->move(f.frameGeometry().right() + 20, 0);
        QVERIFY(x11input::activate(w));

        // A real left click on point 40 of the X chart: sample 42's row.
        QVERIFY(x11input::clickPoint(w->chart(0), zel::controlDataSeries(w->chart(0)->model()), 40));
        QTRY_COMPARE(f.sheet().selectedSample(), std::optional<int>(42));
        QVERIFY(uitest::rowVisible(f.grid(), 42));

        // A real click on the row of sample 10 (point 8), then the right button
        // there: the pop-up shows "グラフで表示", clicked for real.
        QVERIFY(x11input::activate(&f));
        f.grid().scrollToTop();
        const QPoint cell = uitest::cellCentre(f.grid(), 1, 10);
        QVERIFY(x11input::click(f.grid().viewport(), cell));
        QTRY_COMPARE(f.sheet().selectedSample(), std::optional<int>(10));
        QAction* item = f.findChild<QAction*>(QStringLiteral("showInChart"));
        QVERIFY(item);
        bool seen = false;
        bool enabled = false;
        // Waits for the pop-up (up to 5 s), then clicks the item through the X server.
        QTimer poll;
        int polls = 0;
        poll.setInterval(100);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu && ++polls < 50) return;
            poll.stop();
            if (!menu) return;
            seen = menu->actions().contains(item);
            enabled = item->isEnabled();
            if (seen && enabled) x11input::click(menu, menu->actionGeometry(item).center());
            if (menu->isVisible()) menu->close();
        });
        poll.start();
        QVERIFY(x11input::click(f.grid().viewport(), cell, 3));
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QVERIFY(seen);
        QVERIFY(enabled);
        uitest::flushDeletes();
        QVERIFY(w);
        QTRY_COMPARE(w->chart(0)->model().currentPoint(), 8);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Textpoint"))->text(),
                 QString::fromStdString(zel::signedNumberText(101)));
    }
};

QTEST_MAIN(TestSheetChartInput)
#include "tst_sheet_chart_input.moc"
