// The two tables of the scatter regression, built from its last computation:
// - the analysis of variance (kaibun): one block of four rows per series, a
//   heading row "変数s" and the rows of the regression, the residual and the
//   total, with f, S, V, the F ratio and its marks, S', the shares ρ(%) and
//   the exact p-value of the F ratio;
// - the regression line (kaityo): one column per series with r, a, b and the
//   equation Y=(a)+(b)X written from a and b as the table shows them.
// The windows show these tables and the report writes them as CSV: number
// cells keep their full value, the windows round them for display.
#pragma once

#include "analysis/scatter/Regression.h"
#include "common/ResultTable.h"

#include <string>
#include <string_view>

namespace zel {

// Data columns of the analysis-of-variance table.
namespace anovacolumns {
constexpr int kF = 1;      // degrees of freedom, whole numbers
constexpr int kS = 2;      // sums of squares, the window's decimals
constexpr int kV = 3;      // mean squares, the window's decimals
constexpr int kF0 = 4;     // the F ratio with its mark, a text
constexpr int kSPrime = 5; // pure sums of squares S', the window's decimals
constexpr int kRho = 6;    // shares ρ(%) of ST, kRhoDecimals places
constexpr int kP = 7;      // exact upper-tail probability of F0
constexpr int kCount = 7;
} // namespace anovacolumns

// Rows of each series' block in the analysis-of-variance table.
namespace anovarows {
constexpr int kHeading = 1;    // "変数s", a coloured row without values
constexpr int kRegression = 2; // "回帰（Ｒ）"
constexpr int kResidual = 3;   // "残差（ｅ）"
constexpr int kTotal = 4;      // "計（Ｔ）"
constexpr int kPerSeries = 4;
} // namespace anovarows

// Rows of the regression-line table.
namespace linerows {
constexpr int kR = 1;        // "相関係数ｒ"
constexpr int kA = 2;        // "切片ａ"
constexpr int kB = 3;        // "方向計数ｂ"
constexpr int kEquation = 4; // "回帰方程式"
constexpr int kCount = 4;
} // namespace linerows

// The places both table windows open with (their spin boxes' first value).
inline constexpr int kRegressionTableDecimals = 2;
// Decimal places of the ρ(%) column, whatever the window's spin box says.
inline constexpr int kRhoDecimals = 2;
// Decimal places a p-value is shown with; a smaller p shows as kTinyPText.
inline constexpr int kPValueDecimals = 4;
inline constexpr const char* kTinyPText = "<0.0001";
// The display pattern of the F ratio.
inline constexpr const char* kFRatioPattern = "###0.00";

// The table row of the heading row "変数s" of series s (1-based): 1, 5, 9 ...
// The windows colour these rows.
int anovaHeadingRow(int series);

// The F0 cell: F0 in "###0.00" followed directly by the mark of its level
// (9.5 at 1 % -> "9.50 **", 4.5 without significance -> "4.50   ").
std::string fRatioText(double f0, Significance level);

// The p cell as the window shows it: kPValueDecimals places, and kTinyPText
// for a p that would round to zero at those places, so that a highly
// significant regression never reads as a probability of exactly 0.
std::string pValueText(double p);

// The analysis-of-variance table: seriesCount blocks of four rows. Series
// without a computed regression (a refused computation) keep their headings
// and no values. With n = 2 there is no residual mean square Ve: the cells
// built from it (V of the residual row, S' and ρ of the regression and
// residual rows) stay empty, as do F0 and p. A perfect fit (SE = 0) has Ve =
// 0 and no F ratio.
ResultTable anovaTable(const RegressionResults& results);

// The equation of a line from the texts of a and b as shown:
// "Y=(" + a + ")+(" + b + ")X"; "-1.23" and "0.45" give "Y=(-1.23)+(0.45)X".
// Empty when either text is empty (a series without values).
std::string regressionEquation(std::string_view aText, std::string_view bText);

// The regression-line table: one column per series headed "変数 s", rows r,
// a, b as numbers and the equation written from a and b shown with the given
// decimal places (the decimals of the window's spin box).
ResultTable regressionLineTable(const RegressionResults& results, int decimals);

} // namespace zel
