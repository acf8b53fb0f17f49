// The regression of the scatter diagram: the least-squares line Y = a + bX of
// Y on one X, its correlation coefficient, the residual standard deviation,
// the analysis of variance (SR, SE, ST) and the F test of the regression
// against the printed F table for one numerator degree of freedom.
//
// Two mends of the textbook formulas, both equal to them in exact arithmetic:
// - the sums Sxx, Syy and Sxy are taken about the means (two passes), so that
//   data far from zero (1e8 + small changes) keep their digits;
// - the residual standard deviation is sqrt(SE / (n - 2)) rather than
//   sqrt((1 - r^2) Syy / (n - 2)), with SE summed from the residuals about
//   the line rather than taken as Syy - SR: both keep their digits when r is
//   near 1, where 1 - r^2 and Syy - SR cancel.
#pragma once

#include "analysis/AnalysisSet.h"
#include "common/Status.h"

#include <optional>
#include <vector>

namespace zel {

// Refusal of a Y or an X without spread (every value equal).
inline constexpr const char* kRegressionBadData = "データが間違っています。";
// Refusal of fewer than two samples: no line goes through one point.
inline constexpr const char* kRegressionTooFewSamples = "散布図を作成するには２つ以上のサンプルが必要です。";

// Significance of the F test: none, 5 % or 1 % (the stored codes 0, 1, 2).
enum class Significance { None = 0, FivePercent = 1, OnePercent = 2 };

// The upper 5 % and 1 % points of F(1, phi2) from the printed table. Past 30
// the table lists bands of phi2; a band uses the row at its lower end (31
// reads the row of 30, 10000 and more the last row). phi2 < 1 gives zeros.
struct FCriticalValues {
    double fivePercent = 0.0;
    double onePercent = 0.0;
};
FCriticalValues fCriticalValues(int phi2);

// The level of f0 against the table row of phi2. Comparisons are strict: an
// F0 equal to a table value does not pass it.
Significance fSignificance(double f0, int phi2);

// The mark written after F0: "   " (none), " * " (5 %), " **" (1 %).
const char* significanceMark(Significance level);

struct Regression {
    int n = 0;
    double r = 0.0;     // correlation coefficient
    double a = 0.0;     // intercept
    double b = 0.0;     // slope
    double sigma = 0.0; // residual standard deviation; 0 when n = 2
    double sr = 0.0;    // regression sum of squares Sxy^2 / Sxx
    double se = 0.0;    // residual sum of squares (ST - SR, summed from the residuals)
    double st = 0.0;    // total sum of squares Syy
    int phi1 = 1;       // degrees of freedom of the F test
    int phi2 = 0;       // n - 2
    // Residual mean square SE / (n - 2). Absent when n = 2: there are no
    // residual degrees of freedom, so the cells built from it (V of the
    // residual row, S' of both rows and their shares) have no value and
    // are left empty, and sigma stays 0.
    std::optional<double> ve;
    // F0 = SR / Ve, present only when SE > 0 and n > 2 (a perfect fit or
    // n = 2 has no F ratio and no mark).
    std::optional<double> f0;
    Significance level = Significance::None;
    // The exact upper-tail probability of F0 under F(1, n - 2), present with F0.
    // It stands beside the table's marks; the marks stay those of the table.
    std::optional<double> p;
};

// The upper-tail probability P(F > f0) of the F distribution with phi1 and
// phi2 degrees of freedom (f0 >= 0, phi1 and phi2 >= 1).
double fUpperTail(double f0, int phi1, int phi2);

// The regression of y on x (equal lengths, sample order). Refuses fewer than
// two samples (kRegressionTooFewSamples), a constant y or x or unequal lengths
// (kRegressionBadData), and sums beyond the range of the numbers
// (kResultOutOfRange).
Result<Regression> computeRegression(const std::vector<double>& y, const std::vector<double>& x);

// The last regression computation of the scatter window, which its two table
// windows show. Refused or not yet run: `series` is empty while seriesCount
// still gives the number of blocks (the tables show their headings, no values).
struct RegressionResults {
    int seriesCount = 0; // number of X variables: 1 or 2
    int n = 0;           // unmasked samples
    std::vector<Regression> series;
};

// The computation of the set into `out`, as the scatter window keeps it: the
// series count and n always, the regressions when none is refused. Returns
// the refusal of computeRegressions (out.series then stays empty).
Status computeRegressionResults(const AnalysisSet& set, RegressionResults& out);

// One regression per X of the set (series 1 is Y, series 2.. the X's), in
// order. The first refusal stops the whole computation.
Result<std::vector<Regression>> computeRegressions(const AnalysisSet& set);

} // namespace zel
