// The least-squares line, its analysis of variance and the F-table lookup.
#include "analysis/scatter/Regression.h"

#include "analysis/control/ChartDataSet.h"

#include <boost/math/distributions/fisher_f.hpp>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zel {

namespace {

struct FTableRow {
    int phi2; // lower end of the band
    FCriticalValues values;
};

// Upper points of F(1, phi2), rows in increasing phi2.
constexpr FTableRow kFTable[] = {
    {1, {161.0, 4052.0}}, {2, {18.51, 98.49}}, {3, {10.13, 34.12}},  {4, {7.71, 21.20}},
    {5, {6.61, 16.26}},   {6, {5.99, 13.74}},  {7, {5.59, 12.25}},   {8, {5.32, 11.26}},
    {9, {5.12, 10.56}},   {10, {4.96, 10.04}}, {11, {4.84, 9.65}},   {12, {4.75, 9.33}},
    {13, {4.67, 9.07}},   {14, {4.60, 8.86}},  {15, {4.54, 8.68}},   {16, {4.49, 8.53}},
    {17, {4.45, 8.40}},   {18, {4.41, 8.28}},  {19, {4.38, 8.18}},   {20, {4.35, 8.10}},
    {21, {4.32, 8.02}},   {22, {4.30, 7.94}},  {23, {4.28, 7.88}},   {24, {4.26, 7.82}},
    {25, {4.24, 7.77}},   {26, {4.22, 7.72}},  {27, {4.21, 7.68}},   {28, {4.20, 7.64}},
    {29, {4.18, 7.60}},   {30, {4.17, 7.56}},  {32, {4.15, 7.50}},   {34, {4.13, 7.44}},
    {36, {4.11, 7.39}},   {38, {4.10, 7.35}},  {40, {4.08, 7.31}},   {42, {4.07, 7.27}},
    {44, {4.06, 7.24}},   {46, {4.05, 7.21}},  {48, {4.04, 7.19}},   {50, {4.03, 7.17}},
    {55, {4.02, 7.12}},   {60, {4.00, 7.08}},  {65, {3.99, 7.04}},   {70, {3.98, 7.01}},
    {80, {3.96, 6.96}},   {100, {3.94, 6.90}}, {125, {3.92, 6.84}},  {150, {3.91, 6.81}},
    {200, {3.89, 6.76}},  {400, {3.86, 6.70}}, {1000, {3.85, 6.66}}, {10000, {3.84, 6.64}},
};

double mean(const std::vector<double>& v) {
    double sum = 0.0;
    for (double value : v)
        sum += value;
    return sum / static_cast<double>(v.size());
}

bool allEqual(const std::vector<double>& v) {
    for (double value : v)
        if (value != v.front()) return false;
    return true;
}

} // namespace

FCriticalValues fCriticalValues(int phi2) {
    FCriticalValues found;
    for (const FTableRow& row : kFTable) {
        if (row.phi2 > phi2) break;
        found = row.values;
    }
    return found;
}

Significance fSignificance(double f0, int phi2) {
    const FCriticalValues c = fCriticalValues(phi2);
    if (phi2 < 1) return Significance::None;
    if (f0 > c.onePercent) return Significance::OnePercent;
    if (f0 > c.fivePercent) return Significance::FivePercent;
    return Significance::None;
}

const char* significanceMark(Significance level) {
    switch (level) {
    case Significance::FivePercent:
        return " * ";
    case Significance::OnePercent:
        return " **";
    case Significance::None:
        break;
    }
    return "   ";
}

Result<Regression> computeRegression(const std::vector<double>& y, const std::vector<double>& x) {
    if (y.size() != x.size()) return Status::invalidArgument(kRegressionBadData);
    if (y.size() < 2) return Status::invalidArgument(kRegressionTooFewSamples);
    if (allEqual(y) || allEqual(x)) return Status::invalidArgument(kRegressionBadData);

    const double meanY = mean(y);
    const double meanX = mean(x);
    double syy = 0.0;
    double sxx = 0.0;
    double sxy = 0.0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double dy = y[i] - meanY;
        const double dx = x[i] - meanX;
        syy += dy * dy;
        sxx += dx * dx;
        sxy += dx * dy;
    }
    if (!std::isfinite(syy) || !std::isfinite(sxx) || !std::isfinite(sxy))
        return Status::invalidArgument(kResultOutOfRange);
    // Spread lost below the precision of the numbers counts as no spread.
    if (!(syy > 0.0) || !(sxx > 0.0)) return Status::invalidArgument(kRegressionBadData);

    Regression reg;
    reg.n = static_cast<int>(y.size());
    reg.b = sxy / sxx;
    reg.a = meanY - reg.b * meanX;
    reg.r = sxy / (std::sqrt(sxx) * std::sqrt(syy));
    reg.sr = sxy * (sxy / sxx);
    reg.st = syy;
    // SE from the residuals themselves: Syy - SR would cancel nearly all its
    // digits when the points lie close to the line.
    double se = 0.0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double e = (y[i] - meanY) - reg.b * (x[i] - meanX);
        se += e * e;
    }
    reg.se = se;
    reg.phi2 = reg.n - 2;
    if (reg.phi2 >= 1) {
        const double ve = reg.se / reg.phi2;
        reg.ve = ve;
        reg.sigma = std::sqrt(ve);
        if (reg.se > 0.0) {
            reg.f0 = reg.sr / ve;
            reg.level = fSignificance(*reg.f0, reg.phi2);
            if (std::isfinite(*reg.f0)) reg.p = fUpperTail(*reg.f0, reg.phi1, reg.phi2);
        }
    }
    if (!std::isfinite(reg.a) || !std::isfinite(reg.b) || !std::isfinite(reg.r) || !std::isfinite(reg.sr) ||
        (reg.f0 && !std::isfinite(*reg.f0)))
        return Status::invalidArgument(kResultOutOfRange);
    return reg;
}

double fUpperTail(double f0, int phi1, int phi2) {
    const boost::math::fisher_f_distribution<double> f(phi1, phi2);
    return boost::math::cdf(boost::math::complement(f, std::max(f0, 0.0)));
}

Result<std::vector<Regression>> computeRegressions(const AnalysisSet& set) {
    std::vector<Regression> all;
    if (set.values.empty()) return Status::invalidArgument(kRegressionTooFewSamples);
    for (std::size_t s = 1; s < set.values.size(); ++s) {
        Result<Regression> one = computeRegression(set.values.front(), set.values[s]);
        if (!one) return one.status();
        all.push_back(*one);
    }
    return all;
}

Status computeRegressionResults(const AnalysisSet& set, RegressionResults& out) {
    out = RegressionResults{std::max(0, static_cast<int>(set.values.size()) - 1), set.n, {}};
    Result<std::vector<Regression>> computed = computeRegressions(set);
    if (!computed) return computed.status();
    out.series = std::move(computed.value());
    return Status::ok();
}

} // namespace zel
