// Statistics by variable: the table window hakoh summarises every variable of
// the data sheet (count, maximum, minimum, mean, variance, standard deviation
// and sum). The stratified table hakohso has the same columns with one row per
// stratum, so the figures and the table shape are shared here.
#pragma once

#include "analysis/AnalysisSet.h"
#include "common/ResultTable.h"
#include "common/Status.h"
#include "dataset/Dataset.h"

#include <array>
#include <string>
#include <vector>

namespace zel {

// The figures of one row of a statistics table.
struct SeriesFigures {
    int count = 0;
    double max = 0.0; // starts from the first value; 0 without values
    double min = 0.0;
    double mean = 0.0;
    double variance = 0.0; // divides by count - 1, computed in two passes
    double sd = 0.0;
    double sum = 0.0;
};

// The figures of one series, in value order.
SeriesFigures seriesFigures(const std::vector<double>& values);

// hakoh's data: the Analysis set of every variable in column order (the
// series names are the variable names) and the figures of each series.
struct VariableStatistics {
    AnalysisSet set;
    std::vector<SeriesFigures> figures; // one per series
};

// Builds the set from every variable of the unmasked samples. A dataset
// without variables gives an empty set (no series) rather than a refusal.
VariableStatistics computeVariableStatistics(const Dataset& data);

// How a column of a statistics table shows its cells.
enum class StatisticsCell {
    Header,      // the heading column
    Text,        // the name
    WholeNumber, // the count
    Numeric,     // a figure with fixed decimals
};

struct StatisticsColumnFormat {
    StatisticsCell cell = StatisticsCell::Numeric;
    int decimals = 0;   // shown places of a numeric column
    double min = 0.0;   // the range the cell accepts and shows
    double max = 0.0;
};

// Columns 0 (the heading column) to 8 of hakoh and hakohso.
inline constexpr int kStatisticsColumns = 8;
inline constexpr int kStatisticsDecimals = 4;
inline constexpr double kStatisticsCellLimit = 99999999.0;
const std::array<StatisticsColumnFormat, kStatisticsColumns + 1>& statisticsColumnFormats();

// Headings of hakoh's and hakohso's heading column.
inline constexpr const char* kVariableNumberHeading = "変数no.";
inline constexpr const char* kStratumNumberHeading = "層別 no.";

// One table row: its heading (column 0), its name (column 1) and its figures.
struct StatisticsRow {
    std::string heading;
    std::string name;
    SeriesFigures figures;
};

// The 8-column table both windows show, with the heading column titled
// cornerHeading and headingWidth characters wide.
ResultTable statisticsTable(const std::string& cornerHeading, int headingWidth,
                            const std::vector<StatisticsRow>& rows);

// The hakoh grid: one row per variable, headed "NO." and its row number.
ResultTable variableStatisticsTable(const VariableStatistics& stats);

} // namespace zel
