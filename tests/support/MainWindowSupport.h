// The main window form1 driven as a user drives it: an analysis chosen in its
// list and the graph command given from the Analysis menu.
#pragma once

#include "app/form1.h"

#include "UiTestSupport.h"

#include <QComboBox>
#include <QMenu>
#include <QtTest>

namespace uitest {

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
inline void graphCommand(form1& f) {
    emit f.analysisMenu()->aboutToShow();
    findAction(&f, QStringLiteral("BUNSAN"))->trigger();
    QCoreApplication::processEvents();
}

} // namespace uitest
