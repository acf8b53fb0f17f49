// The Xbar-R computation: subgroup means and ranges, control lines and the table.
#include "analysis/control/XbarR.h"

#include <string>

namespace zel {

XbarRCoefficients xbarRCoefficients(int n) {
    static const XbarRCoefficients kTable[] = {
        {1.88, 0.0, 3.267},    // n = 2
        {1.023, 0.0, 2.575},   // 3
        {0.729, 0.0, 2.282},   // 4
        {0.577, 0.0, 2.115},   // 5
        {0.483, 0.0, 2.004},   // 6
        {0.419, 0.076, 1.924}, // 7
        {0.373, 0.136, 1.864}, // 8
        {0.337, 0.184, 1.816}, // 9
        {0.308, 0.223, 1.777}, // 10
    };
    if (n < 2 || n > 10) return {};
    return kTable[n - 2];
}

Result<ChartDataSet> computeXbarR(const Dataset& data) {
    ChartDataSet cds;
    const int k = data.variableCount();
    cds.n = k;
    for (int s = 1; s <= data.sampleCount(); ++s) {
        if (data.mask(s) != 0) continue;
        std::vector<double> row(static_cast<std::size_t>(k));
        for (int j = 1; j <= k; ++j)
            row[static_cast<std::size_t>(j - 1)] = data.value(s, j);
        cds.x.push_back(std::move(row));
        cds.labels.push_back(data.label(s));
        cds.samples.push_back(s);
    }
    cds.m = static_cast<int>(cds.x.size());

    for (const auto& row : cds.x) {
        double sum = 0.0;
        double lo = row.empty() ? 0.0 : row[0];
        double hi = lo;
        for (std::size_t j = 0; j < row.size(); ++j) {
            sum += row[j];
            if (j > 0) {
                if (row[j] < lo) lo = row[j];
                if (row[j] > hi) hi = row[j];
            }
        }
        const double mean = k > 0 ? sum / k : 0.0;
        cds.mean.push_back(mean);
        cds.low.push_back(lo);
        cds.high.push_back(hi);
        cds.range.push_back(hi - lo);
        cds.sumOfMeans += mean;
        cds.sumOfRanges += hi - lo;
    }

    if (cds.m > 0) {
        const double xbarbar = cds.sumOfMeans / cds.m;
        const double rbar = cds.sumOfRanges / cds.m;
        const XbarRCoefficients c = xbarRCoefficients(k);
        cds.lines[0] = {xbarbar, xbarbar + c.a2 * rbar, xbarbar - c.a2 * rbar};
        cds.lines[1] = {rbar, c.d4 * rbar, c.d3 * rbar};
    }
    if (Status finite = checkFiniteResults(cds); !finite) return finite;
    return cds;
}

ResultTable xbarRTable(const ChartDataSet& cds) {
    ResultTable t;
    const int m = cds.m;
    const int n = cds.n;
    t.resize(m + 4, n + 2);
    for (int j = 1; j <= n; ++j)
        t.columnHeadings[static_cast<std::size_t>(j)] = "ﾃﾞｰﾀNO." + std::to_string(j);
    t.columnHeadings[static_cast<std::size_t>(n + 1)] = "標本平均";
    t.columnHeadings[static_cast<std::size_t>(n + 2)] = "標本範囲";

    for (int i = 1; i <= m; ++i) {
        const auto ix = static_cast<std::size_t>(i - 1);
        t.rowHeadings[static_cast<std::size_t>(i)] = ix < cds.labels.size() ? cds.labels[ix] : std::string();
        for (int j = 1; j <= n; ++j)
            if (ix < cds.x.size() && static_cast<std::size_t>(j - 1) < cds.x[ix].size())
                t.setNumber(i, j, cds.x[ix][static_cast<std::size_t>(j - 1)]);
        if (ix < cds.mean.size()) t.setNumber(i, n + 1, cds.mean[ix]);
        if (ix < cds.range.size()) t.setNumber(i, n + 2, cds.range[ix]);
    }
    const char* heads[4] = {"計", "平均", "UCL", "LCL"};
    const double meanColumn[4] = {cds.sumOfMeans, cds.lines[0][0], cds.lines[0][1], cds.lines[0][2]};
    const double rangeColumn[4] = {cds.sumOfRanges, cds.lines[1][0], cds.lines[1][1], cds.lines[1][2]};
    for (int r = 0; r < 4; ++r) {
        t.rowHeadings[static_cast<std::size_t>(m + 1 + r)] = heads[r];
        t.setNumber(m + 1 + r, n + 1, meanColumn[r]);
        t.setNumber(m + 1 + r, n + 2, rangeColumn[r]);
    }
    return t;
}

} // namespace zel
