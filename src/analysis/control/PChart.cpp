// The P-Pn computation: lot validity, totals and averages, the lot table with
// each lot's own limits, the control lines and the table.
#include "analysis/control/PChart.h"

#include <cmath>
#include <string>

namespace zel {

Result<ChartDataSet> collectPPn(const Dataset& data, int sizeVariable, int defectVariable) {
    if (sizeVariable == defectVariable) return Status::invalidArgument(kPSameVariable);
    const int k = data.variableCount();
    if (sizeVariable < 1 || sizeVariable > k || defectVariable < 1 || defectVariable > k)
        return Status::invalidArgument(kNoSuchVariable);
    ChartDataSet cds;
    cds.n = 2;
    for (int s = 1; s <= data.sampleCount(); ++s) {
        if (data.mask(s) != 0) continue;
        const double size = data.value(s, sizeVariable);
        const double defectives = data.value(s, defectVariable);
        // Written so that a value that is not a number fails the check too.
        const bool valid = size >= defectives && size > 0.0 && defectives >= 0.0;
        if (!valid) return Status::invalidArgument(kPInvalidLot);
        cds.x.push_back({size, defectives});
        cds.labels.push_back(data.label(s));
        cds.samples.push_back(s);
    }
    cds.m = static_cast<int>(cds.x.size());
    return cds;
}

Status computePPnLines(ChartDataSet& cds) {
    const int m = cds.m;
    cds.x.resize(static_cast<std::size_t>(m));
    double total[2] = {0.0, 0.0};
    for (const auto& lot : cds.x) {
        total[0] += lot[0];
        total[1] += lot[1];
    }
    const double mm = m > 0 ? static_cast<double>(m) : 1.0;
    cds.x.push_back({total[0], total[1]});
    cds.x.push_back({total[0] / mm, total[1] / mm});

    const double pbar = total[0] != 0.0 ? total[1] / total[0] : 0.0;
    cds.pTable.assign(static_cast<std::size_t>(m) + 3, {0.0, 0.0, 0.0, 0.0, 0.0});
    cds.pTable[0][0] = pbar;
    for (int i = 1; i <= m + 2; ++i) {
        const double n = cds.x[static_cast<std::size_t>(i - 1)][0];
        const double d = cds.x[static_cast<std::size_t>(i - 1)][1];
        auto& row = cds.pTable[static_cast<std::size_t>(i)];
        row[0] = n != 0.0 ? d / n : 0.0;
        // The factors under each root in the order they are written: the last
        // of the 15 digits depends on it.
        const double pSpread = n > 0.0 ? 3.0 * std::sqrt(pbar * (1.0 - pbar) / n) : 0.0;
        const double pnSpread = n > 0.0 ? 3.0 * std::sqrt(pbar * n * (1.0 - pbar)) : 0.0;
        row[1] = pbar + pSpread;
        row[2] = pbar - pSpread;
        if (row[2] < 0.0) row[2] = 0.0;
        row[3] = pbar * n + pnSpread;
        row[4] = pbar * n - pnSpread;
        if (row[4] < 0.0) row[4] = 0.0;
    }
    const auto avg = static_cast<std::size_t>(m) + 2;
    cds.pTable[avg][0] = cds.pTable[avg - 1][0];

    cds.lines[0] = {cds.pTable[avg][0], cds.pTable[avg][1], cds.pTable[avg][2]};
    cds.lines[1] = {cds.x[avg - 1][1], cds.pTable[avg][3], cds.pTable[avg][4]};
    return checkFiniteResults(cds);
}

void fillPPnPlotted(ChartDataSet& cds) {
    cds.plottedP.clear();
    cds.plottedD.clear();
    for (int i = 1; i <= cds.m; ++i) {
        const auto ix = static_cast<std::size_t>(i);
        cds.plottedP.push_back(ix < cds.pTable.size() ? cds.pTable[ix][0] : 0.0);
        cds.plottedD.push_back(ix - 1 < cds.x.size() ? cds.x[ix - 1][1] : 0.0);
    }
}

ResultTable pPnTable(const ChartDataSet& cds) {
    ResultTable t;
    const int m = cds.m;
    t.resize(m + 2, 7);
    const char* heads[8] = {"", "ﾃﾞｰﾀNO.1", "ﾃﾞｰﾀNO.2", "不良率", "P-UCL", "P-LCL", "Pn-UCL", "Pn-LCL"};
    for (int c = 1; c <= 7; ++c)
        t.columnHeadings[static_cast<std::size_t>(c)] = heads[c];
    for (int i = 1; i <= m + 2; ++i) {
        const auto ix = static_cast<std::size_t>(i);
        if (i <= m)
            t.rowHeadings[ix] = ix - 1 < cds.labels.size() ? cds.labels[ix - 1] : std::string();
        else
            t.rowHeadings[ix] = i == m + 1 ? "合計" : "平均";
        if (ix - 1 < cds.x.size()) {
            t.setNumber(i, 1, cds.x[ix - 1][0]);
            t.setNumber(i, 2, cds.x[ix - 1][1]);
        }
        if (ix < cds.pTable.size())
            for (int c = 0; c < 5; ++c)
                t.setNumber(i, 3 + c, cds.pTable[ix][static_cast<std::size_t>(c)]);
    }
    return t;
}

} // namespace zel
