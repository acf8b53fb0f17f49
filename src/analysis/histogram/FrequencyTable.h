// The frequency table `dobun` shows of a Class table, and the label texts its
// "OK" hands to the histogram: the boundaries and mid-values as the table shows
// them at its decimal places.
#pragma once

#include "analysis/histogram/ClassTable.h"
#include "common/ResultTable.h"

#include <string>
#include <vector>

namespace zel {

inline constexpr const char* kFrequencyCorner = "クラス";
inline constexpr const char* kFrequencyLower = "区間(以上）";
inline constexpr const char* kFrequencyUpper = "区間(未満）";
inline constexpr const char* kFrequencyMid = "中心値";
inline constexpr const char* kFrequencyRowPrefix = "NO.";
// Between the two boundary texts of a class label ("0.00～1.50").
inline constexpr const char* kClassRangeSeparator = "～";

// The decimal places of the boundary and mid-value columns: on opening, and the most.
inline constexpr int kFrequencyDecimals = 2;
inline constexpr int kFrequencyMaxDecimals = 10;

// The frequency table's columns: lower boundary, upper boundary, mid-value,
// then one count column per series.
inline constexpr int kFrequencyCountColumn = 4; // the first count column
inline constexpr int kFrequencyHeadingWidth = 8;
inline constexpr int kFrequencyNumberWidth = 16; // columns 1 to 3
inline constexpr int kFrequencyCountWidth = 8;   // the count columns (the grid's default width beyond 6)

// K rows headed "NO.1" ... "NO.K"; columns 1 to 3 hold B(k-1), B(k) and the
// mid-value as numbers, the count columns the general number text of the count
// (a whole number, whatever the decimal places of the boundaries).
ResultTable frequencyTable(const ClassTable& table);

// T(0..K) and M(1..K): the texts of the boundaries and mid-values as the table
// shows them with the given decimal places.
struct ClassLabelTexts {
    std::vector<std::string> bounds; // T(0..K)
    std::vector<std::string> mids;   // M(1..K), mids[k - 1]

    // T(k-1) + "～" + T(k) for class k = 1..K.
    std::string rangeLabel(int k) const;
    // M(k) for class k = 1..K.
    const std::string& midLabel(int k) const;
};

ClassLabelTexts classLabelTexts(const ClassTable& table, int decimals);

} // namespace zel
