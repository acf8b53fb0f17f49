// The P-Pn analysis: lots with their sizes and numbers of defectives, the
// fraction defective and the limits of each lot from its own size.
#pragma once

#include "common/ResultTable.h"
#include "analysis/control/ChartDataSet.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

namespace zel {

// The dialog's messages (title "変数の指定").
inline constexpr const char* kPSameVariable = "独立変数と従属変数が同じです｡";
inline constexpr const char* kPInvalidLot =
    "不良個数がサンプルサイズより大きい、またはサンプルサイズがゼロのデータがあります。";

// phensi2's "OK": the two 1-based variables. Refuses the same variable twice
// and the first invalid lot (size <= 0, defectives < 0 or above the size) with
// the messages above. Fills m, n = 2, X(i, 1..2) for the lots and labels.
Result<ChartDataSet> collectPPn(const Dataset& data, int sizeVariable, int defectVariable);

// The table computation on opening p1: totals and averages (X rows m + 1 and
// m + 2), the lot table P and L. Each root is taken of its factors multiplied
// in the written order: p-bar x (1 - p-bar) / n for the p chart, p-bar x n x
// (1 - p-bar) for the pn chart. Refuses (kResultOutOfRange) when a total or a
// limit overflows.
Status computePPnLines(ChartDataSet& cds);

// p1's "OK": copies p(i) = P(i, 1) and d(i) = X(i, 2) into the plotted values.
void fillPPnPlotted(ChartDataSet& cds);

// The p1 grid: 7 columns, m + 2 rows.
ResultTable pPnTable(const ChartDataSet& cds);

} // namespace zel
