// The defect-count computation: the counts, c-bar and its control lines.
#include "analysis/control/DefectCount.h"

#include <cmath>

namespace zel {

Result<ChartDataSet> computeDefectCount(const Dataset& data, int variable) {
    if (variable < 1 || variable > data.variableCount()) return Status::invalidArgument(kNoSuchVariable);
    ChartDataSet cds;
    cds.n = 1;
    for (int s = 1; s <= data.sampleCount(); ++s) {
        if (data.mask(s) != 0) continue;
        const double v = data.value(s, variable);
        cds.x.push_back({v});
        cds.mean.push_back(v);
        cds.labels.push_back(data.label(s));
        cds.samples.push_back(s);
        cds.sumOfMeans += v;
    }
    cds.m = static_cast<int>(cds.x.size());
    const double cbar = cds.m > 0 ? cds.sumOfMeans / cds.m : 0.0;
    // A sum that overflows is said as such, before its sign is looked at.
    if (!std::isfinite(cbar)) return Status::invalidArgument(kResultOutOfRange);
    if (cbar < 0.0) return Status::invalidArgument(kNegativeMeanCount);
    const double spread = 3.0 * std::sqrt(cbar);
    const double lower = cbar - spread;
    cds.lines[0] = {cbar, spread + cbar, lower >= 0.0 ? lower : 0.0};
    if (Status finite = checkFiniteResults(cds); !finite) return finite;
    return cds;
}

} // namespace zel
