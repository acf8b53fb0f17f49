// Keys and focus in the limits dialog of the process capability on the real
// X11 platform: the fields in order by Tab, typed into, Enter as "OK" with a
// refusal that keeps the dialog and its focus, and Esc as "ｷｬﾝｾﾙ". The keys
// come through the X server as a user's do (tests/support/X11Input.h).
#include "analysis/CapabilityDialog.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"
#include "X11Input.h"

#include <optional>

using uitest::button;
using uitest::MessageBoxRecorder;

class TestCapabilityInput : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(x11input::onX11(), "runs on the X11 platform (xvfb-run, QT_QPA_PLATFORM=xcb)");
    }

    void fieldsTypedIntoAndEnterChecksThem() {
        QPointer<CapabilityDialog> dlg = new CapabilityDialog({10.5, 9.4, std::nullopt});
        std::optional<zel::SpecificationLimits> chosen;
        connect(dlg, &CapabilityDialog::chosen, this, [&](const zel::SpecificationLimits& l) { chosen = l; });
        QVERIFY(x11input::activate(dlg));
        FOCUS_ON(dlg->upperBox());
        KEYS("ctrl+a");
        TYPE("9");
        KEYS("Tab");
        FOCUS_ON(dlg->lowerBox());
        KEYS("Tab");
        FOCUS_ON(dlg->targetBox());
        TYPE("8.5");
        KEYS("Tab");
        FOCUS_ON(button(dlg, QStringLiteral("Command1")));
        KEYS("Tab");
        FOCUS_ON(button(dlg, QStringLiteral("Command2")));

        // Back in the target field, Enter is "OK": the limits reversed are refused,
        // the dialog stays with its focus where it was.
        KEYS("shift+Tab", "shift+Tab");
        FOCUS_ON(dlg->targetBox());
        MessageBoxRecorder boxes;
        KEYS("Return");
        QCOMPARE(boxes.count(), 1);
        const uitest::SeenBox box = boxes.take();
        QCOMPARE(box.title, QStringLiteral("規格値の設定"));
        QCOMPARE(box.text, QStringLiteral("下限規格が上限規格より大きくなっています。"));
        QVERIFY(dlg && dlg->isVisible());
        QVERIFY(!chosen);
        FOCUS_ON(dlg->targetBox());

        // The lower limit emptied by keys: one limit is enough.
        KEYS("shift+Tab");
        FOCUS_ON(dlg->lowerBox());
        KEYS("ctrl+a", "BackSpace");
        QCOMPARE(dlg->lowerBox()->text(), QString());
        KEYS("Return");
        QCOMPARE(boxes.count(), 0);
        QVERIFY(chosen);
        QCOMPARE(chosen->upper, std::optional<double>(9));
        QVERIFY(!chosen->lower);
        QCOMPARE(chosen->target, std::optional<double>(8.5));
        QTRY_VERIFY(!dlg);
    }

    void escapeCancels() {
        QPointer<CapabilityDialog> dlg = new CapabilityDialog({});
        bool chosen = false;
        connect(dlg, &CapabilityDialog::chosen, this, [&] { chosen = true; });
        QVERIFY(x11input::activate(dlg));
        FOCUS_ON(dlg->upperBox());
        TYPE("3");
        KEYS("Escape");
        QTRY_VERIFY(!dlg);
        QVERIFY(!chosen);
    }
};

QTEST_MAIN(TestCapabilityInput)
#include "tst_capability_input.moc"
