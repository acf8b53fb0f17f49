// The limits dialog of the process capability, driven as a user drives it:
// its caption, labels and opening fields, limits typed and chosen, either or
// both left empty, every refusal with its box while the dialog stays open,
// and the cancel.
#include "analysis/CapabilityDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "AnalysisWindows.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <optional>

using uitest::button;
using uitest::labelText;
using uitest::lineText;
using uitest::retype;
using uitest::typeSpecificationLimits;

namespace {

// Asks the dialog on current, answering it with body from inside its own loop;
// the body must close it.
std::optional<zel::SpecificationLimits> ask(const zel::SpecificationLimits& current,
                                            const std::function<void(QWidget*)>& body) {
    std::optional<zel::SpecificationLimits> answer;
    uitest::withModal(body, [&] { answer = CapabilityDialog::ask(current); });
    return answer;
}

} // namespace

class TestCapabilityDialog : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheLimitsInUseAndGivesThemBack() {
        QString caption;
        const auto answer = ask({10.5, 9.4, std::nullopt}, [&](QWidget* d) {
            caption = d->windowTitle();
            QCOMPARE(labelText(d, "Label1"), QStringLiteral("上限規格"));
            QCOMPARE(labelText(d, "Label2"), QStringLiteral("下限規格"));
            QCOMPARE(labelText(d, "Label3"), QStringLiteral("目標値"));
            QCOMPARE(lineText(d, "Text1"), QStringLiteral("10.5"));
            QCOMPARE(lineText(d, "Text2"), QStringLiteral("9.4"));
            QCOMPARE(lineText(d, "Text3"), QString());
            QCOMPARE(button(d, QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
            QCOMPARE(button(d, QStringLiteral("Command2"))->text(), QStringLiteral("ｷｬﾝｾﾙ"));
            QTest::keyClick(d->findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_Return);
        });
        QCOMPARE(caption, QStringLiteral("規格値の設定"));
        QVERIFY(answer);
        QCOMPARE(answer->upper, std::optional<double>(10.5));
        QCOMPARE(answer->lower, std::optional<double>(9.4));
        QVERIFY(!answer->target);
    }

    void eitherLimitOrBothMayBeLeftEmpty() {
        const auto upperOnly = ask({10.5, 9.4, std::nullopt}, [](QWidget* d) {
            typeSpecificationLimits(d, QStringLiteral(" 12"), QString(), QStringLiteral("11.25"));
            button(d, QStringLiteral("Command1"))->click();
        });
        QVERIFY(upperOnly);
        QCOMPARE(upperOnly->upper, std::optional<double>(12));
        QVERIFY(!upperOnly->lower);
        QCOMPARE(upperOnly->target, std::optional<double>(11.25));

        const auto lowerOnly = ask({}, [](QWidget* d) {
            QCOMPARE(lineText(d, "Text1"), QString());
            retype(d, "Text2", QStringLiteral("-0.5"));
            button(d, QStringLiteral("Command1"))->click();
        });
        QVERIFY(lowerOnly);
        QVERIFY(!lowerOnly->upper);
        QCOMPARE(lowerOnly->lower, std::optional<double>(-0.5));

        // Both emptied: the limits are taken away.
        const auto none = ask({3, 1, 2}, [](QWidget* d) {
            QCOMPARE(lineText(d, "Text3"), QStringLiteral("2"));
            for (const char* field : {"Text1", "Text2", "Text3"})
                retype(d, field, QString());
            button(d, QStringLiteral("Command1"))->click();
        });
        QVERIFY(none);
        QVERIFY(!none->hasLimit());
        QVERIFY(!none->target);
    }

    void refusalsKeepTheDialogOpen() {
        QPointer<CapabilityDialog> dialog = new CapabilityDialog({});
        dialog->show();
        int chosen = 0;
        zel::SpecificationLimits last;
        connect(dialog, &CapabilityDialog::chosen, this, [&](const zel::SpecificationLimits& l) {
            ++chosen;
            last = l;
        });
        const auto refusedOk = [&](const char* upper, const char* lower, const char* target) {
            typeSpecificationLimits(dialog, QString::fromUtf8(upper), QString::fromUtf8(lower),
                                    QString::fromUtf8(target));
            const uitest::SeenBox box =
                uitest::answerBox([&] { button(dialog, QStringLiteral("Command1"))->click(); });
            [&] {
                QCOMPARE(box.kind, MessageBox::Kind::Refusal);
                QCOMPARE(box.title, QStringLiteral("規格値の設定"));
                QVERIFY(dialog && dialog->isVisible());
            }();
            return box.text;
        };
        QCOMPARE(refusedOk("1O", "", ""), QStringLiteral("上限規格には数値を入力してください。"));
        QCOMPARE(refusedOk("10", "x", ""), QStringLiteral("下限規格には数値を入力してください。"));
        QCOMPARE(refusedOk("10", "8", "9?"), QStringLiteral("目標値には数値を入力してください。"));
        QCOMPARE(refusedOk("8", "10", ""), QStringLiteral("下限規格が上限規格より大きくなっています。"));
        QCOMPARE(refusedOk("8", "8", ""), QStringLiteral("上限規格と下限規格が同じ値です。"));
        QCOMPARE(refusedOk("10", "8", "11"), QStringLiteral("目標値が規格の範囲外です。"));
        QCOMPARE(refusedOk("", "", "11"),
                 QStringLiteral("目標値は上限規格か下限規格と一緒に指定してください。"));
        QCOMPARE(chosen, 0);

        // Put right, it is taken and the dialog closes.
        typeSpecificationLimits(dialog, QStringLiteral("10"), QStringLiteral("8"), QStringLiteral("8"));
        button(dialog, QStringLiteral("Command1"))->click();
        QCOMPARE(chosen, 1);
        QCOMPARE(last.upper, std::optional<double>(10));
        QCOMPARE(last.lower, std::optional<double>(8));
        QCOMPARE(last.target, std::optional<double>(8));
        QTRY_VERIFY(!dialog);
    }

    void cancelAndTheCloseBoxChooseNothing() {
        const auto cancelled = ask({10.5, 9.4, std::nullopt}, [](QWidget* d) {
            retype(d, "Text1", QStringLiteral("20"));
            button(d, QStringLiteral("Command2"))->click();
        });
        QVERIFY(!cancelled);
        const auto closed = ask({}, [](QWidget* d) {
            retype(d, "Text1", QStringLiteral("20"));
            d->close();
        });
        QVERIFY(!closed);
        const auto escaped = ask({}, [](QWidget* d) {
            retype(d, "Text1", QStringLiteral("20"));
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QVERIFY(!escaped);
    }
};

QTEST_MAIN(TestCapabilityDialog)
#include "tst_capability_dialog.moc"
