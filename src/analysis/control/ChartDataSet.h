// The chart data set: the one record that carries a control-chart analysis
// from its table window to its chart window (and to the saved-limits dialogs).
// A new analysis overwrites it. Indices in the comments are 1-based as in the
// tables; the vectors are 0-based (subgroup i is element i - 1).
#pragma once

#include "common/SamplePoints.h"
#include "common/Status.h"

#include <array>
#include <string>
#include <vector>

namespace zel {

// Rows: 0 = first chart (mean, X, p or count chart), 1 = second chart (range,
// Rs or pn chart). Columns: 0 = CL, 1 = UCL, 2 = LCL.
using ControlLines = std::array<std::array<double, 3>, 2>;

struct ChartDataSet {
    int m = 0; // subgroups (unmasked samples / lots)
    int n = 0; // subgroup size (Xbar-R: variables; X-Rs and defects: 1; P-Pn: 2)
    // X[i][j]: measurement j of subgroup i. Xbar-R: n values; X-Rs and defects:
    // one value; P-Pn: {size, defectives}, plus rows m (totals) and m + 1 (averages).
    std::vector<std::vector<double>> x;
    std::vector<std::string> labels; // data label of each subgroup's sample
    PointSamples samples;            // sample number of each subgroup (its point on the charts)

    // Xbar-R: subgroup mean and range with low/high. X-Rs: mean = X(i), range = Rs(i).
    std::vector<double> mean;
    std::vector<double> low;
    std::vector<double> high;
    std::vector<double> range;
    double sumOfMeans = 0.0;  // X-Rs: sum of X
    double sumOfRanges = 0.0; // X-Rs: sum of Rs

    // P-Pn lot table P(i, c): rows 0..m+1 (0 = p-bar row, then lots 1..m at
    // 1..m, totals at m + 1, averages at m + 2), so pTable has m + 3 rows of
    // five columns: [0] fraction, [1] P-UCL, [2] P-LCL, [3] Pn-UCL, [4] Pn-LCL.
    std::vector<std::array<double, 5>> pTable;
    // Plotted values of P-Pn, filled by p1's "OK": p(i) and d(i).
    std::vector<double> plottedP;
    std::vector<double> plottedD;

    ControlLines lines{};       // L
    ControlLines loadedLines{}; // filled by the saved-limits dialog
};

// The refusal of a variable number that names no variable of the dataset.
inline constexpr const char* kNoSuchVariable = "変数の指定が正しくありません。";

// The refusal of a computation whose result lies beyond the range of the
// numbers (an overflow): the windows show it, the report command ends with it.
inline constexpr const char* kResultOutOfRange =
    "計算結果が数値の範囲を超えたため、解析できません。データの値を確認してください。";

// Ok when every number of the record is finite: the measurements and the rows
// of totals and averages, the means, lows, highs, ranges and their sums, the
// lot table and both control-line tables. Otherwise kResultOutOfRange: a
// result that is not a number must never reach a table, a chart or a file.
Status checkFiniteResults(const ChartDataSet& cds);

// The entered limits of the limits dialog kgenin.
struct EnteredLimits {
    double upper = 0.0;
    double lower = 0.0;
    bool cancelled = false;
};

} // namespace zel
