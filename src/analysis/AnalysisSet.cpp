// Building the Analysis set from the open dataset and the per-series statistics.
#include "analysis/AnalysisSet.h"

#include <cmath>

namespace zel {

SeriesStatistics seriesStatistics(const std::vector<double>& values) {
    SeriesStatistics st;
    const std::size_t n = values.size();
    for (double v : values) {
        st.s1 += v;
        st.s2 += v * v;
    }
    if (n == 0) return st;
    st.mean = st.s1 / static_cast<double>(n);
    if (n < 2) return st;
    // Second pass over the deviations from the mean. The sum of the deviations
    // (zero in exact arithmetic) corrects the rounding left in the mean.
    double sumDev = 0.0;
    double sumDev2 = 0.0;
    for (double v : values) {
        const double d = v - st.mean;
        sumDev += d;
        sumDev2 += d * d;
    }
    const double nn = static_cast<double>(n);
    double variance = (sumDev2 - sumDev * sumDev / nn) / (nn - 1.0);
    if (variance < 0.0) variance = 0.0;
    st.variance = variance;
    st.sd = std::sqrt(variance);
    return st;
}

Result<AnalysisSet> buildAnalysisSet(const Dataset& data, const std::vector<int>& listPositions) {
    const int k = data.variableCount();
    const int samples = data.sampleCount();
    if (listPositions.empty()) return Status::invalidArgument("変数が指定されていません。");
    const bool allData = listPositions.size() == 1 && listPositions[0] == k + 1 && k > 0;
    if (!allData) {
        for (int p : listPositions)
            if (p < 1 || p > k) return Status::invalidArgument("変数の指定が正しくありません。");
    }

    AnalysisSet set;
    set.seriesCount = static_cast<int>(listPositions.size());
    const int used = data.usedSampleCount();

    if (allData) {
        set.names.push_back(kAllDataEntry);
        set.n = used * k;
        set.values.resize(1);
        set.values[0].reserve(static_cast<std::size_t>(set.n));
        set.labels.reserve(static_cast<std::size_t>(set.n));
        for (int i = 1; i <= samples; ++i) {
            if (data.mask(i) != 0) continue;
            for (int j = 1; j <= k; ++j) {
                set.values[0].push_back(data.value(i, j));
                set.labels.push_back(std::to_string(set.values[0].size()));
                set.samples.push_back(i);
            }
        }
    } else {
        set.variables = listPositions;
        set.n = used;
        set.values.resize(listPositions.size());
        for (std::size_t s = 0; s < listPositions.size(); ++s) {
            set.names.push_back(data.name(listPositions[s]));
            set.values[s].reserve(static_cast<std::size_t>(used));
        }
        set.labels.reserve(static_cast<std::size_t>(used));
        for (int i = 1; i <= samples; ++i) {
            if (data.mask(i) != 0) continue;
            for (std::size_t s = 0; s < listPositions.size(); ++s)
                set.values[s].push_back(data.value(i, listPositions[s]));
            set.labels.push_back(data.label(i));
            set.samples.push_back(i);
        }
    }
    for (const auto& series : set.values)
        set.stats.push_back(seriesStatistics(series));
    return set;
}

std::string sameVariableMessage(const std::vector<int>& positions) {
    if (positions.size() < 2) return {};
    if (positions[0] == positions[1]) return "変数１と変数２が同じです｡";
    if (positions.size() < 3) return {};
    if (positions[1] == positions[2]) return "変数２と変数３が同じです｡";
    if (positions[0] == positions[2]) return "変数１と変数３が同じです｡";
    return {};
}

} // namespace zel
