// Building the Stratified set with hensi2so's checks, the per-stratum figures
// of hakohso and the series of the stratified histogram.
#include "analysis/statistics/Stratification.h"

#include "common/NumberText.h"

namespace zel {
namespace {

constexpr int kStratumHeadingWidth = 10;

bool validCode(int code) { return code >= 1 && code <= kStratumCodes; }

} // namespace

std::string stratificationRefusalTitle(const Status& status) {
    struct Pair {
        const char* message;
        const char* title;
    };
    static constexpr Pair kPairs[] = {
        {kStratifySameVariable, kStratifySameVariableTitle},
        {kStratumCodeOutOfRange, kStratumCodeOutOfRangeTitle},
        {kStratumOfOneValue, kStratumOfOneValueTitle},
    };
    if (status.isOk()) return {};
    for (const Pair& p : kPairs)
        if (status.message() == p.message) return p.title;
    return {};
}

std::string StratifiedSet::stratumName(int code) const {
    if (!validCode(code)) return {};
    const int at = first[static_cast<std::size_t>(code)];
    if (at < 1 || static_cast<std::size_t>(at) > labels.size()) return {};
    return labels[static_cast<std::size_t>(at - 1)];
}

int StratifiedSet::seriesOfCode(int code) const {
    for (std::size_t a = 0; a < seriesCodes.size(); ++a)
        if (seriesCodes[a] == code) return static_cast<int>(a) + 1;
    return 0;
}

Result<StratifiedSet> buildStratifiedSet(const Dataset& data, int factorPosition, int analysisPosition) {
    const int k = data.variableCount();
    if (factorPosition < 1 || factorPosition > k || analysisPosition < 1 || analysisPosition > k)
        return Status::invalidArgument("変数の指定が正しくありません。");
    if (factorPosition == analysisPosition) return Status::invalidArgument(kStratifySameVariable);

    StratifiedSet set;
    set.factorVariable = factorPosition;
    set.analysisVariable = analysisPosition;
    set.names = {data.name(factorPosition), data.name(analysisPosition)};
    set.n = data.usedSampleCount();
    set.values.reserve(static_cast<std::size_t>(set.n));
    set.labels.reserve(static_cast<std::size_t>(set.n));
    set.codes.reserve(static_cast<std::size_t>(set.n));
    for (int i = 1; i <= data.sampleCount(); ++i) {
        if (data.mask(i) != 0) continue;
        // Compared as a real first: a value however large (or not a number)
        // never reaches the integer conversion.
        const double rounded = roundHalfEven(data.value(i, factorPosition));
        if (!(rounded >= 1.0 && rounded <= static_cast<double>(kStratumCodes)))
            return Status::invalidArgument(kStratumCodeOutOfRange);
        set.codes.push_back(static_cast<int>(rounded));
        set.values.push_back(data.value(i, analysisPosition));
        set.labels.push_back(data.label(i));
    }
    for (int code : set.codes)
        ++set.count[static_cast<std::size_t>(code)];
    for (int c = 1; c <= kStratumCodes; ++c)
        if (set.count[static_cast<std::size_t>(c)] == 1) return Status::invalidArgument(kStratumOfOneValue);

    for (std::size_t i = 0; i < set.codes.size(); ++i) {
        const auto c = static_cast<std::size_t>(set.codes[i]);
        if (set.strata[c].empty()) {
            set.strata[c].reserve(static_cast<std::size_t>(set.count[c]));
            set.first[c] = static_cast<int>(i) + 1;
        }
        set.strata[c].push_back(set.values[i]);
    }
    for (int c = 1; c <= kStratumCodes; ++c)
        if (set.count[static_cast<std::size_t>(c)] >= kMinStratumValues) set.seriesCodes.push_back(c);
    return set;
}

std::vector<StratumStatistics> stratumStatistics(const StratifiedSet& set) {
    std::vector<StratumStatistics> out;
    out.reserve(set.seriesCodes.size());
    for (int code : set.seriesCodes)
        out.push_back({code, set.stratumName(code), seriesFigures(set.strata[static_cast<std::size_t>(code)])});
    return out;
}

ResultTable stratifiedStatisticsTable(const std::vector<StratumStatistics>& strata) {
    std::vector<StatisticsRow> rows;
    rows.reserve(strata.size());
    for (const StratumStatistics& s : strata)
        rows.push_back({std::to_string(s.code), s.name, s.figures});
    return statisticsTable(kStratumNumberHeading, kStratumHeadingWidth, rows);
}

AnalysisSet stratifiedHistogramSeries(const StratifiedSet& set) {
    AnalysisSet out;
    out.seriesCount = set.seriesCount();
    out.n = set.n;
    out.labels = set.labels;
    for (int code : set.seriesCodes) {
        const auto& values = set.strata[static_cast<std::size_t>(code)];
        out.names.push_back(set.stratumName(code));
        out.values.push_back(values);
        out.stats.push_back(seriesStatistics(values));
    }
    return out;
}

} // namespace zel
