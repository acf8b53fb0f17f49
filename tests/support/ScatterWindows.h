// The scatter analysis opened as a user opens it: a dataset of Y and two X
// variables, the graph command for "散布図", the X-count dialog and the
// variable dialog's "OK"; and stand-ins for the two table windows that count
// how often their openers ran.
#pragma once

#include "analysis/AnalysisLaunch.h"
#include "analysis/scatter/sanpuzu.h"

#include "DatasetFixtures.h"
#include "UiTestSupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <map>
#include <string>
#include <vector>

namespace uitest {

// Y = 収量 2 4 5 4 5 against 温度 1..5 and 圧力 5 3 4 1 2.
inline const std::vector<std::vector<double>> kScatterRows{{2, 1, 5}, {4, 2, 3}, {5, 3, 4}, {4, 4, 1}, {5, 5, 2}};
inline const std::vector<std::string> kScatterNames{"収量", "温度", "圧力"};

// The dataset of the rows (variables as kScatterNames, cut to the rows' width).
inline void fillScatterDataset(FakeContext& ctx, const std::vector<std::vector<double>>& rows = kScatterRows) {
    fillDataset(ctx.ws.dataset, rows, kScatterNames);
}

// Presses the push button of this object name.
inline void press(QWidget* window, const char* name) {
    QPushButton* b = button(window, QString::fromLatin1(name));
    QVERIFY2(b, name);
    QTest::mouseClick(b, Qt::LeftButton);
}

// The graph command for "散布図" over the dataset, then for more than two
// variables the option of sanpuset for xCount, then "OK" of the variable
// dialog on its preselected variables (Y = variable 1, X = 2 and 3).
inline sanpuzu* openScatter(FakeContext& ctx, int xCount) {
    ctx.analysis = QStringLiteral("散布図");
    AnalysisLaunch::runGraphCommand(ctx);
    if (ZelWindow* count = ZelWindow::find(zel::WindowId::sanpuset)) {
        auto* option = count->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(xCount));
        if (!option) return nullptr;
        option->setChecked(true);
        press(count, "Command1");
        flushDeletes();
    }
    ZelWindow* dialog = ZelWindow::find(xCount == 1 ? zel::WindowId::hensi2 : zel::WindowId::hensi3);
    if (!dialog) return nullptr;
    press(dialog, "Command1");
    flushDeletes();
    return openWindow<sanpuzu>(zel::WindowId::sanpuzu);
}

// Stand-ins for the analysis of variance and regression line tables: each
// opener call opens (or raises) a plain window and is counted. The openers
// before them come back when the stand-ins go.
class TableStandIns {
  public:
    TableStandIns() {
        for (zel::WindowId w : {zel::WindowId::kaibun, zel::WindowId::kaityo}) {
            m_before[w] = AnalysisLaunch::opener(w);
            AnalysisLaunch::registerOpener(w, [this, w](MainContext&) -> ZelWindow* {
                ++calls[w];
                if (ZelWindow* open = ZelWindow::find(w)) {
                    open->bringForward();
                    return open;
                }
                auto* table = new PlainWindow(windowName(w));
                table->show();
                return table;
            });
        }
    }
    ~TableStandIns() {
        for (auto& [w, open] : m_before)
            AnalysisLaunch::registerOpener(w, open);
    }
    TableStandIns(const TableStandIns&) = delete;
    TableStandIns& operator=(const TableStandIns&) = delete;

    std::map<zel::WindowId, int> calls;

  private:
    std::map<zel::WindowId, AnalysisLaunch::Opener> m_before;
};

} // namespace uitest
