// The figures of the statistics tables and the tables hakoh and hakohso show.
#include "analysis/statistics/VariableStatistics.h"

#include "common/NumberText.h"

#include <numeric>

namespace zel {
namespace {

constexpr const char* kColumnHeadings[kStatisticsColumns] = {
    "変数名", "データ数", "ＭＡＸ", "ＭＩＮ", "平均値", "分　散", "標準偏差", "合　計",
};
// Widths in characters of columns 1..8.
constexpr int kColumnWidths[kStatisticsColumns] = {14, 10, 14, 14, 14, 14, 14, 14};

constexpr int kVariableHeadingWidth = 8;

} // namespace

SeriesFigures seriesFigures(const std::vector<double>& values) {
    SeriesFigures f;
    f.count = static_cast<int>(values.size());
    if (values.empty()) return f;
    f.max = f.min = values.front();
    for (double v : values) {
        if (v > f.max) f.max = v;
        if (v < f.min) f.min = v;
    }
    const SeriesStatistics st = seriesStatistics(values);
    f.mean = st.mean;
    f.variance = st.variance;
    f.sd = st.sd;
    f.sum = st.s1;
    return f;
}

VariableStatistics computeVariableStatistics(const Dataset& data) {
    VariableStatistics out;
    const int k = data.variableCount();
    if (k < 1) {
        out.set.n = data.usedSampleCount();
        return out;
    }
    std::vector<int> all(static_cast<std::size_t>(k));
    std::iota(all.begin(), all.end(), 1);
    // Every position lies in 1..K, and K positions never read as "全データ".
    Result<AnalysisSet> built = buildAnalysisSet(data, all);
    if (!built.isOk()) return out;
    out.set = std::move(built.value());
    out.figures.reserve(out.set.values.size());
    for (const auto& series : out.set.values)
        out.figures.push_back(seriesFigures(series));
    return out;
}

const std::array<StatisticsColumnFormat, kStatisticsColumns + 1>& statisticsColumnFormats() {
    static const std::array<StatisticsColumnFormat, kStatisticsColumns + 1> formats = [] {
        std::array<StatisticsColumnFormat, kStatisticsColumns + 1> a{};
        a[0] = {StatisticsCell::Header, 0, 0.0, 0.0};
        a[1] = {StatisticsCell::Text, 0, 0.0, 0.0};
        a[2] = {StatisticsCell::WholeNumber, 0, -kStatisticsCellLimit, kStatisticsCellLimit};
        for (std::size_t c = 3; c < a.size(); ++c)
            a[c] = {StatisticsCell::Numeric, kStatisticsDecimals, -kStatisticsCellLimit, kStatisticsCellLimit};
        return a;
    }();
    return formats;
}

ResultTable statisticsTable(const std::string& cornerHeading, int headingWidth,
                            const std::vector<StatisticsRow>& rows) {
    ResultTable t;
    t.resize(static_cast<int>(rows.size()), kStatisticsColumns);
    t.columnHeadings[0] = cornerHeading;
    t.columnWidths[0] = headingWidth;
    for (int c = 1; c <= kStatisticsColumns; ++c) {
        t.columnHeadings[static_cast<std::size_t>(c)] = kColumnHeadings[c - 1];
        t.columnWidths[static_cast<std::size_t>(c)] = kColumnWidths[c - 1];
    }
    for (int r = 1; r <= t.rows; ++r) {
        const StatisticsRow& row = rows[static_cast<std::size_t>(r - 1)];
        const SeriesFigures& f = row.figures;
        t.rowHeadings[static_cast<std::size_t>(r)] = row.heading;
        t.setText(r, 1, row.name);
        t.setNumber(r, 2, f.count);
        t.setNumber(r, 3, f.max);
        t.setNumber(r, 4, f.min);
        t.setNumber(r, 5, f.mean);
        t.setNumber(r, 6, f.variance);
        t.setNumber(r, 7, f.sd);
        t.setNumber(r, 8, f.sum);
    }
    return t;
}

ResultTable variableStatisticsTable(const VariableStatistics& stats) {
    std::vector<StatisticsRow> rows;
    rows.reserve(stats.figures.size());
    for (std::size_t k = 0; k < stats.figures.size(); ++k) {
        const std::string name = k < stats.set.names.size() ? stats.set.names[k] : std::string();
        rows.push_back({rowHeading(static_cast<int>(k) + 1), name, stats.figures[k]});
    }
    return statisticsTable(kVariableNumberHeading, kVariableHeadingWidth, rows);
}

} // namespace zel
