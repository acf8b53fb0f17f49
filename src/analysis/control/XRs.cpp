// The X-Rs computation: the individual values, their moving ranges, the control
// lines and the table.
#include "analysis/control/XRs.h"

namespace zel {

Result<ChartDataSet> collectXRs(const Dataset& data, int listPosition) {
    ChartDataSet cds;
    cds.n = 1;
    const int k = data.variableCount();
    if (k < 1) return Status::invalidArgument(kXRsNoVariables);
    if (listPosition < 1 || listPosition > k + 1) return Status::invalidArgument(kNoSuchVariable);
    const bool xbar = listPosition == k + 1;
    for (int s = 1; s <= data.sampleCount(); ++s) {
        if (data.mask(s) != 0) continue;
        double v = 0.0;
        if (xbar) {
            for (int j = 1; j <= k; ++j)
                v += data.value(s, j);
        } else {
            v = data.value(s, listPosition);
            cds.sumOfMeans += v;
        }
        cds.x.push_back({v});
        cds.labels.push_back(data.label(s));
        cds.samples.push_back(s);
    }
    if (xbar) {
        for (auto& row : cds.x) {
            row[0] /= k;
            cds.sumOfMeans += row[0];
        }
    }
    cds.m = static_cast<int>(cds.x.size());
    for (const auto& row : cds.x)
        cds.mean.push_back(row[0]);
    if (Status finite = checkFiniteResults(cds); !finite) return finite;
    return cds;
}

Status computeXRsLines(ChartDataSet& cds) {
    const int m = cds.m;
    cds.range.assign(static_cast<std::size_t>(m > 0 ? m : 0), 0.0);
    cds.sumOfRanges = 0.0;
    for (int i = 1; i < m; ++i) {
        const double a = cds.mean[static_cast<std::size_t>(i - 1)];
        const double b = cds.mean[static_cast<std::size_t>(i)];
        const double d = b - a;
        const double rs = d > 0 ? d : a - b;
        cds.range[static_cast<std::size_t>(i)] = rs;
        cds.sumOfRanges += rs;
    }
    const double xbar = m > 0 ? cds.sumOfMeans / m : 0.0;
    const double rsbar = m > 1 ? cds.sumOfRanges / (m - 1) : 0.0;
    cds.lines[0] = {xbar, xbar + 2.66 * rsbar, xbar - 2.66 * rsbar};
    cds.lines[1] = {rsbar, 3.267 * rsbar, 0.0};
    return checkFiniteResults(cds);
}

ResultTable xRsTable(const ChartDataSet& cds) {
    ResultTable t;
    const int m = cds.m;
    t.resize(m + 4, 2);
    t.columnHeadings[1] = "測定値Ｘ";
    t.columnHeadings[2] = "移動範囲　Ｒs";
    for (int i = 1; i <= m; ++i) {
        const auto ix = static_cast<std::size_t>(i - 1);
        t.rowHeadings[static_cast<std::size_t>(i)] = ix < cds.labels.size() ? cds.labels[ix] : std::string();
        if (ix < cds.mean.size()) t.setNumber(i, 1, cds.mean[ix]);
        t.setNumber(i, 2, ix < cds.range.size() ? cds.range[ix] : 0.0);
    }
    const char* heads[4] = {"計", "平均", "UCL", "LCL"};
    const double xColumn[4] = {cds.sumOfMeans, cds.lines[0][0], cds.lines[0][1], cds.lines[0][2]};
    const double rsColumn[4] = {cds.sumOfRanges, cds.lines[1][0], cds.lines[1][1], cds.lines[1][2]};
    for (int r = 0; r < 4; ++r) {
        t.rowHeadings[static_cast<std::size_t>(m + 1 + r)] = heads[r];
        t.setNumber(m + 1 + r, 1, xColumn[r]);
        t.setNumber(m + 1 + r, 2, rsColumn[r]);
    }
    return t;
}

} // namespace zel
