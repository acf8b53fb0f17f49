// Least-squares line (centred sums) and polynomial (Householder QR on scaled x).
#include "components/chart/Fit.h"

#include <algorithm>
#include <cmath>

namespace zel {

namespace {

void finitePairs(std::span<const double> xs, std::span<const double> ys, std::vector<double>& x,
                 std::vector<double>& y) {
    const std::size_t n = std::min(xs.size(), ys.size());
    x.reserve(n);
    y.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (std::isfinite(xs[i]) && std::isfinite(ys[i])) {
            x.push_back(xs[i]);
            y.push_back(ys[i]);
        }
    }
}

} // namespace

LineFit fitLine(std::span<const double> xs, std::span<const double> ys) {
    std::vector<double> x, y;
    finitePairs(xs, ys, x, y);
    LineFit f;
    f.n = static_cast<int>(x.size());
    if (f.n < 2) return f;
    double mx = 0.0, my = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= f.n;
    my /= f.n;
    double sxx = 0.0, syy = 0.0, sxy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - mx, dy = y[i] - my;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    if (!(sxx > 0.0)) return f;
    f.ok = true;
    f.slope = sxy / sxx;
    f.intercept = my - f.slope * mx;
    f.r = syy > 0.0 ? std::clamp(sxy / std::sqrt(sxx * syy), -1.0, 1.0) : 0.0;
    return f;
}

double PolynomialFit::evaluate(double x) const {
    const double t = (x - centre) / scale;
    double v = 0.0;
    for (auto it = centredCoefficients.rbegin(); it != centredCoefficients.rend(); ++it)
        v = v * t + *it;
    return v;
}

PolynomialFit fitPolynomial(std::span<const double> xs, std::span<const double> ys, int degree) {
    std::vector<double> x, y;
    finitePairs(xs, ys, x, y);
    PolynomialFit f;
    f.requestedDegree = degree;
    f.n = static_cast<int>(x.size());
    if (f.n == 0 || degree < 0) return f;

    std::vector<double> sorted = x;
    std::sort(sorted.begin(), sorted.end());
    const int distinct = static_cast<int>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
    int d = std::min(degree, distinct - 1);

    const double lo = sorted.front(), hi = sorted[static_cast<std::size_t>(distinct - 1)];
    f.centre = 0.5 * (lo + hi);
    f.scale = hi > lo ? 0.5 * (hi - lo) : 1.0;

    const std::size_t n = x.size();
    std::vector<double> t(n);
    for (std::size_t i = 0; i < n; ++i)
        t[i] = (x[i] - f.centre) / f.scale;

    // Householder QR of the Vandermonde matrix in t (column-major), applied to y as well.
    // A column whose remaining norm vanishes means x cannot support that degree: lower it.
    std::vector<double> a, b, rdiag;
    for (;;) {
        const std::size_t m = static_cast<std::size_t>(d) + 1;
        a.assign(n * m, 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            double p = 1.0;
            for (std::size_t j = 0; j < m; ++j) {
                a[j * n + i] = p;
                p *= t[i];
            }
        }
        b = y;
        rdiag.assign(m, 0.0);
        bool deficient = false;
        for (std::size_t k = 0; k < m; ++k) {
            double norm = 0.0;
            for (std::size_t i = k; i < n; ++i)
                norm = std::hypot(norm, a[k * n + i]);
            double colScale = 0.0;
            for (std::size_t i = 0; i < n; ++i)
                colScale = std::max(colScale, std::fabs(a[k * n + i]));
            if (norm <= colScale * 1e-10 * std::sqrt(static_cast<double>(n))) {
                deficient = true;
                break;
            }
            const double alpha = a[k * n + k] > 0.0 ? -norm : norm;
            // v = column k below the diagonal minus alpha e_k, stored in place.
            a[k * n + k] -= alpha;
            double vnorm2 = 0.0;
            for (std::size_t i = k; i < n; ++i)
                vnorm2 += a[k * n + i] * a[k * n + i];
            for (std::size_t j = k + 1; j < m; ++j) {
                double s = 0.0;
                for (std::size_t i = k; i < n; ++i)
                    s += a[k * n + i] * a[j * n + i];
                s = 2.0 * s / vnorm2;
                for (std::size_t i = k; i < n; ++i)
                    a[j * n + i] -= s * a[k * n + i];
            }
            double s = 0.0;
            for (std::size_t i = k; i < n; ++i)
                s += a[k * n + i] * b[i];
            s = 2.0 * s / vnorm2;
            for (std::size_t i = k; i < n; ++i)
                b[i] -= s * a[k * n + i];
            rdiag[k] = alpha;
        }
        if (!deficient) break;
        if (d == 0) return f;
        --d;
    }

    const std::size_t m = static_cast<std::size_t>(d) + 1;
    std::vector<double> c(m, 0.0);
    for (std::size_t k = m; k-- > 0;) {
        double s = b[k];
        for (std::size_t j = k + 1; j < m; ++j)
            s -= a[j * n + k] * c[j];
        c[k] = s / rdiag[k];
    }
    f.degree = d;
    f.centredCoefficients = c;

    // Expand p((x - centre) / scale) into powers of x by Horner's rule on polynomials.
    const double u1 = 1.0 / f.scale, u0 = -f.centre / f.scale;
    std::vector<double> q{c[m - 1]};
    for (std::size_t k = m - 1; k-- > 0;) {
        std::vector<double> next(q.size() + 1, 0.0);
        for (std::size_t j = 0; j < q.size(); ++j) {
            next[j] += q[j] * u0;
            next[j + 1] += q[j] * u1;
        }
        next[0] += c[k];
        q.swap(next);
    }
    f.coefficients = q;

    double my = 0.0;
    for (double v : y)
        my += v;
    my /= static_cast<double>(n);
    double sse = 0.0, sst = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double e = y[i] - f.evaluate(x[i]);
        sse += e * e;
        sst += (y[i] - my) * (y[i] - my);
    }
    f.rSquared = sst > 0.0 ? std::clamp(1.0 - sse / sst, 0.0, 1.0) : 1.0;
    const int freedom = f.n - d - 1;
    f.residualStdDev = freedom > 0 ? std::sqrt(sse / freedom) : 0.0;
    f.ok = true;
    return f;
}

} // namespace zel
