// Analysis windows opened as the dialogs before them open them: over the
// Analysis set of some variables, or (the histogram youko) over the class
// table of ClassTableFixtures.h; and the dialogs and refusals that several
// graph windows share.
#pragma once

#include "analysis/AnalysisSet.h"
#include "analysis/histogram/FrequencyTable.h"
#include "analysis/histogram/youko.h"

#include "ClassTableFixtures.h"
#include "MessageBoxRecorder.h"
#include "UiTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <optional>
#include <vector>

namespace uitest {

// The window id of type T over the Analysis set of the variables (1-based
// list positions) of ctx's dataset; nullptr when the set or the window fails.
template <class T> T* openWithSet(FakeContext& ctx, zel::WindowId id, const std::vector<int>& variables) {
    zel::Result<zel::AnalysisSet> set = zel::buildAnalysisSet(ctx.ws.dataset, variables);
    if (!set) return nullptr;
    ctx.ws.analysisSet = std::move(set.value());
    return openFrom<T>(ctx, id);
}

// youko over the first `series` of A, B, C in four classes over 0..4, labelled
// at 2 decimals, as the frequency table opens it.
inline youko* openYouko(FakeContext& ctx, int series) {
    ctx.ws.classTable = fixtures::fourClassTable(series);
    ctx.ws.classLabels = zel::classLabelTexts(ctx.ws.classTable, 2);
    ctx.ws.classFlags.clear();
    return openFrom<youko>(ctx, zel::WindowId::youko);
}

// Types the specification limits into the dialog "規格値の設定" of the
// histogram and Xbar-R windows: upper and lower, and the target when given.
inline void typeSpecificationLimits(QWidget* dialog, const QString& upper, const QString& lower,
                                    const std::optional<QString>& target = std::nullopt) {
    retype(dialog, "Text1", upper);
    retype(dialog, "Text2", lower);
    if (target) retype(dialog, "Text3", *target);
}

// Answers the limits dialog kgenin with the two texts, or cancels it when
// upper is null.
inline void answerLimits(QWidget* dialog, const char* upper, const char* lower) {
    QCOMPARE(dialog->objectName(), QStringLiteral("kgenin"));
    if (!upper) {
        QTest::mouseClick(button(dialog, QStringLiteral("Command2")), Qt::LeftButton);
        return;
    }
    auto* t1 = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* t2 = dialog->findChild<QLineEdit*>(QStringLiteral("Text2"));
    QVERIFY(t1 && t2);
    t1->setText(QString::fromUtf8(upper));
    t2->setText(QString::fromUtf8(lower));
    QTest::mouseClick(button(dialog, QStringLiteral("Command1")), Qt::LeftButton);
}

// The separation entries (object names separate and undo) before a point is
// clicked: each refused with its message. The caller checks
// QTest::currentTestFailed() afterwards.
inline void separationNeedsAPoint(QWidget* window, const char* separate, const char* undo) {
    SeenBox box = answerBox([&] { findAction(window, QString::fromLatin1(separate))->trigger(); });
    QCOMPARE(box.title, QString("データの分離"));
    QCOMPARE(box.text, QString("分離するデータを指定してください"));
    QCOMPARE(box.kind, MessageBox::Kind::Refusal);
    box = answerBox([&] { findAction(window, QString::fromLatin1(undo))->trigger(); });
    QCOMPARE(box.title, QString("データの分離"));
    QCOMPARE(box.text, QString("分離を取り消すデータを指定してください"));
    QCOMPARE(box.kind, MessageBox::Kind::Refusal);
}

} // namespace uitest
