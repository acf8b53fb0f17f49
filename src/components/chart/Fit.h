// Least-squares fits for the chart: the straight line (trend and regression lines) and the
// polynomial curve of the scatter chart. The polynomial is solved by Householder QR on
// centred and scaled x, never through the normal equations, so x values such as
// 1e4 .. 1e4 + 10 fit as well as 0 .. 10.
#pragma once

#include <span>
#include <vector>

namespace zel {

struct LineFit {
    bool ok = false; // false with fewer than 2 points or no spread in x
    int n = 0;       // points used (non-finite pairs are skipped)
    double slope = 0.0;
    double intercept = 0.0;
    double r = 0.0; // correlation coefficient; 0 when y has no spread
    double evaluate(double x) const { return intercept + slope * x; }
};

LineFit fitLine(std::span<const double> xs, std::span<const double> ys);

struct PolynomialFit {
    bool ok = false;
    int n = 0; // points used
    int requestedDegree = 0;
    int degree = 0;      // the degree fitted: lowered when there are too few distinct x
    double centre = 0.0; // t = (x - centre) / scale
    double scale = 1.0;
    std::vector<double> centredCoefficients; // in t, constant term first
    std::vector<double> coefficients;        // in the original x, constant term first
    double rSquared = 0.0;                   // 1 - SSE / SST (1 when y has no spread)
    double residualStdDev = 0.0;             // sqrt(SSE / (n - degree - 1)), 0 without freedom
    // Evaluates in the centred form, which keeps its accuracy far from x = 0.
    double evaluate(double x) const;
};

PolynomialFit fitPolynomial(std::span<const double> xs, std::span<const double> ys, int degree);

} // namespace zel
