// The analysis-of-variance and regression-line tables of the scatter regression.
#include "analysis/scatter/RegressionTables.h"

#include "common/NumberText.h"

#include <cmath>
#include <cstddef>
#include <optional>

namespace zel {

namespace {

// Column widths in characters: the row headings, then f, S, V, F0, S', ρ, p.
constexpr int kAnovaWidths[anovacolumns::kCount + 1] = {16, 5, 16, 16, 10, 16, 8, 10};
constexpr int kLineHeadingWidth = 16;
constexpr int kLineColumnWidth = 32;
constexpr double kPercent = 100.0;

void fillAnovaBlock(ResultTable& t, int heading, const Regression& reg) {
    using namespace anovacolumns;
    const int rowR = heading + anovarows::kRegression - anovarows::kHeading;
    const int rowE = heading + anovarows::kResidual - anovarows::kHeading;
    const int rowT = heading + anovarows::kTotal - anovarows::kHeading;

    t.setNumber(rowR, kS, reg.sr);
    t.setNumber(rowE, kS, reg.se);
    t.setNumber(rowT, kS, reg.st);

    t.setNumber(rowR, kF, reg.phi1);
    t.setNumber(rowE, kF, reg.n - 2);
    t.setNumber(rowT, kF, reg.n - 1);

    // φ1 = 1: the regression's mean square is SR itself.
    t.setNumber(rowR, kV, reg.sr);
    if (reg.ve) t.setNumber(rowE, kV, *reg.ve);

    if (reg.f0) t.setText(rowR, kF0, fRatioText(*reg.f0, reg.level));
    if (reg.p) t.setNumber(rowR, kP, *reg.p);

    if (reg.ve) {
        const double sPrimeR = reg.sr - *reg.ve;
        const double sPrimeE = reg.se + *reg.ve;
        t.setNumber(rowR, kSPrime, sPrimeR);
        t.setNumber(rowE, kSPrime, sPrimeE);
        // ST > 0: a Y without spread is refused before any table is made.
        t.setNumber(rowR, kRho, sPrimeR / reg.st * kPercent);
        t.setNumber(rowE, kRho, sPrimeE / reg.st * kPercent);
    }
    t.setNumber(rowT, kSPrime, reg.st);
    t.setNumber(rowT, kRho, kPercent);
}

const Regression* seriesAt(const RegressionResults& results, int series) {
    const std::size_t i = static_cast<std::size_t>(series - 1);
    return i < results.series.size() ? &results.series[i] : nullptr;
}

} // namespace

int anovaHeadingRow(int series) {
    return (series - 1) * anovarows::kPerSeries + anovarows::kHeading;
}

std::string fRatioText(double f0, Significance level) {
    return formatPattern(f0, kFRatioPattern) + significanceMark(level);
}

std::string pValueText(double p) {
    const double smallestShown = std::pow(10.0, -kPValueDecimals);
    // Half the last place rounds up to it; anything below reads as zero.
    if (p < smallestShown / 2) return kTinyPText;
    return decimalsText(p, kPValueDecimals);
}

ResultTable anovaTable(const RegressionResults& results) {
    using namespace anovacolumns;
    ResultTable t;
    const int blocks = results.seriesCount < 0 ? 0 : results.seriesCount;
    t.resize(blocks * anovarows::kPerSeries, kCount);
    t.columnHeadings = {" Source", " f", " S", " V", " F0", " S'", "ρ(%)", "p値"};
    t.columnWidths.assign(std::begin(kAnovaWidths), std::end(kAnovaWidths));
    for (int s = 1; s <= blocks; ++s) {
        const int heading = anovaHeadingRow(s);
        const auto row = [heading](int r) {
            return static_cast<std::size_t>(heading + r - anovarows::kHeading);
        };
        t.rowHeadings[row(anovarows::kHeading)] = "変数" + std::to_string(s);
        t.rowHeadings[row(anovarows::kRegression)] = "回帰（Ｒ）";
        t.rowHeadings[row(anovarows::kResidual)] = "残差（ｅ）";
        t.rowHeadings[row(anovarows::kTotal)] = "計（Ｔ）";
        if (const Regression* reg = seriesAt(results, s)) fillAnovaBlock(t, heading, *reg);
    }
    return t;
}

std::string regressionEquation(std::string_view aText, std::string_view bText) {
    if (aText.empty() || bText.empty()) return {};
    std::string eq = "Y=(";
    eq += aText;
    eq += ")+(";
    eq += bText;
    eq += ")X";
    return eq;
}

ResultTable regressionLineTable(const RegressionResults& results, int decimals) {
    ResultTable t;
    const int columns = results.seriesCount < 0 ? 0 : results.seriesCount;
    t.resize(linerows::kCount, columns, kLineColumnWidth);
    t.columnWidths[0] = kLineHeadingWidth;
    for (int s = 1; s <= columns; ++s)
        t.columnHeadings[static_cast<std::size_t>(s)] = "変数" + signedNumberText(s);
    t.rowHeadings[linerows::kR] = "相関係数ｒ";
    t.rowHeadings[linerows::kA] = "切片ａ";
    t.rowHeadings[linerows::kB] = "方向計数ｂ";
    t.rowHeadings[linerows::kEquation] = "回帰方程式";
    for (int s = 1; s <= columns; ++s) {
        const Regression* reg = seriesAt(results, s);
        if (!reg) continue;
        t.setNumber(linerows::kR, s, reg->r);
        t.setNumber(linerows::kA, s, reg->a);
        t.setNumber(linerows::kB, s, reg->b);
        t.setText(linerows::kEquation, s,
                  regressionEquation(decimalsText(reg->a, decimals), decimalsText(reg->b, decimals)));
    }
    return t;
}

} // namespace zel
