// The main window with a long sheet of samples (some masked) and the X-Rs
// chart window over them, for the tests of the chart <-> sheet link.
#pragma once

#include "analysis/control/ChartDataSet.h"
#include "analysis/control/ControlWindows.h"
#include "analysis/control/XRs.h"
#include "app/form1.h"
#include "components/grid/DataGrid.h"
#include "dataset/DataSheet.h"
#include "presentation/GraphWindow.h"

#include "DatasetFixtures.h"
#include "MainWindowSupport.h"

#include <QAbstractItemModel>
#include <QtTest>

namespace uitest {

// n samples of k variables, the value of sample i and variable j being
// i * 10 + j; samples 3 and 7 masked, so that point p of the charts is sample
// p + 2 from point 6 on.
inline constexpr int kLinkSamples = 200;

inline void fillLinkSheet(form1& f, int n = kLinkSamples, int k = 1) {
    fillNumbered(f.workspace().dataset, n, k, {3, 7});
    f.sheet().fill();
    f.setDatasetName(QStringLiteral("/data/lot"));
    f.setAnalysisWindowNames({QStringLiteral("XRS1"), QStringLiteral("xrskanri")});
}

// The X-Rs chart window over the sheet, as its table window's "OK" opens it.
inline GraphWindow* openLinkChart(form1& f) {
    chooseAnalysis(f, QStringLiteral("X-Rs 管理図"));
    zel::Result<zel::ChartDataSet> cds = zel::collectXRs(f.workspace().dataset, 1);
    if (!cds.isOk()) return nullptr;
    f.workspace().chartData = std::move(cds.value());
    if (!zel::computeXRsLines(f.workspace().chartData).isOk()) return nullptr;
    return qobject_cast<GraphWindow*>(openXrskanri(f));
}

// Whether the row of the sample lies within the sheet's visible area.
inline bool rowVisible(DataGrid& grid, int sample) {
    const QRect cell = grid.visualRect(grid.model()->index(sample - 1, 0));
    return cell.isValid() && grid.viewport()->rect().intersects(cell);
}

} // namespace uitest
