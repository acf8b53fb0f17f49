// The defect-count analysis: counts of defects per sample against c-bar and
// c-bar +- 3 sqrt(c-bar).
#pragma once

#include "analysis/control/ChartDataSet.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

namespace zel {

// A negative mean count has no square root: the data is refused (title "変数の指定").
inline constexpr const char* kNegativeMeanCount =
    "欠点数の平均が負になるため、管理線を計算できません。欠点数には０以上の値を入力してください。";

// ketten's "OK" with the 1-based variable: m, n = 1, X(i, 1) (also in mean,
// the plotted values), labels, sumOfMeans and row 0 of L (c-bar in L(0,0)).
// Row 1 of L stays 0. Refuses a sum or a limit that overflows
// (kResultOutOfRange) and a negative mean count (kNegativeMeanCount).
Result<ChartDataSet> computeDefectCount(const Dataset& data, int variable);

} // namespace zel
