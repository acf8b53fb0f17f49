// Keys in the scatter window on the real X11 platform: the kind list stepped
// through by the arrow keys, each kind drawn as it comes, and the degree
// dialog of "回帰曲線" typed into, Enter for "OK" and Escape for its close box.
// The keys come through the X server as a user's do (tests/support/X11Input.h).
#include "analysis/scatter/ScatterFill.h"
#include "analysis/scatter/TAKOJI.h"
#include "analysis/scatter/sanpuzu.h"
#include "components/chart/ChartView.h"

#include <QApplication>
#include <QComboBox>
#include <QScopeGuard>
#include <QSpinBox>
#include <QtTest>

#include "ScatterWindows.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <memory>

using x11input::endModal;

class TestScatterInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }

    void init() {
        ctx = uitest::freshContext(QStringLiteral("散布図"));
        uitest::fillScatterDataset(*ctx);
    }

    void cleanup() { uitest::closeWindows(ctx); }

    // Home and Down through the kinds; the last one asks its degree, typed in
    // and confirmed with Enter.
    void kindListByKeyboard() {
        sanpuzu* w = uitest::openScatter(*ctx, 1);
        QVERIFY(w);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        QComboBox* kinds = w->kindList();
        QVERIFY(x11input::click(kinds, kinds->rect().center()));
        QTRY_VERIFY(QApplication::activePopupWidget());
        KEYS("Escape");
        QTRY_VERIFY(!QApplication::activePopupWidget());
        FOCUS_ON(kinds);
        KEYS("Home");
        const zel::ChartModel& m = w->chart()->model();
        bool asked = false;
        for (const zel::ScatterKindRow& k : zel::scatterKinds()) {
            if (k.fittedCurve) {
                uitest::whenModal<TAKOJI>([&](TAKOJI* d) {
                    const auto endAnyway = qScopeGuard([d] { endModal(d); });
                    QVERIFY(x11input::activate(d));
                    FOCUS_ON(d->degreeBox());
                    KEYS("ctrl+a");
                    TYPE("3");
                    KEYS("Return");
                    asked = true;
                });
            }
            if (k.kind != zel::ScatterKind::Scatter) KEYS("Down");
            QTRY_COMPARE(kinds->currentText().toStdString(), std::string(k.name));
            QCOMPARE(m.chartType(), k.type);
            QCOMPARE(m.chartStyle(), k.style);
            QCOMPARE(m.statLines(), k.statLines);
        }
        QVERIFY(asked);
        QCOMPARE(m.fitDegree(), 3);
        QCOMPARE(ctx->ws.polynomialDegree, std::int16_t(3));
    }

    // The degree typed and confirmed by Enter; on the next drawing Escape
    // (the close box) draws degree 2 and keeps the stored degree.
    void degreeDialogByKeyboard() {
        sanpuzu* w = uitest::openScatter(*ctx, 2);
        QVERIFY(w);
        w->resize(900, 600);
        QVERIFY(x11input::activate(w));
        const zel::ChartModel& m = w->chart()->model();
        int shown = -1;
        bool ran = false;
        uitest::whenModal<TAKOJI>([&](TAKOJI* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            FOCUS_ON(d->degreeBox());
            shown = d->degreeBox()->value();
            KEYS("Up", "Up");
            QCOMPARE(d->degreeBox()->value(), 4);
            KEYS("ctrl+a");
            TYPE("5");
            QCOMPARE(d->degreeBox()->value(), 5);
            KEYS("Return");
            ran = true;
        });
        w->kindList()->setCurrentText(QStringLiteral("回帰曲線"));
        QTRY_VERIFY(ran);
        QCOMPARE(shown, 2);
        QCOMPARE(m.fitDegree(), 5);
        QCOMPARE(ctx->ws.polynomialDegree, std::int16_t(5));

        QVERIFY(x11input::activate(w));
        ran = false;
        uitest::whenModal<TAKOJI>([&](TAKOJI* d) {
            const auto endAnyway = qScopeGuard([d] { endModal(d); });
            QVERIFY(x11input::activate(d));
            FOCUS_ON(d->degreeBox());
            shown = d->degreeBox()->value();
            KEYS("Up", "Escape");
            ran = true;
        });
        w->resize(960, 640);
        QTRY_VERIFY(ran);
        QCOMPARE(shown, 5);
        QTRY_COMPARE(m.fitDegree(), 2);
        QCOMPARE(ctx->ws.polynomialDegree, std::int16_t(5));
    }

  private:
    std::unique_ptr<uitest::FakeContext> ctx;
};

QTEST_MAIN(TestScatterInput)
#include "tst_scatter_input.moc"
