// The frequency table of a Class table and the class label texts.
#include "analysis/histogram/FrequencyTable.h"

#include "common/NumberText.h"

#include <cassert>

namespace zel {

ResultTable frequencyTable(const ClassTable& table) {
    ResultTable t;
    const int k = table.classes;
    const int series = table.seriesCount();
    t.resize(k, kFrequencyCountColumn - 1 + series, kFrequencyCountWidth);
    t.columnHeadings[0] = kFrequencyCorner;
    t.columnHeadings[1] = kFrequencyLower;
    t.columnHeadings[2] = kFrequencyUpper;
    t.columnHeadings[3] = kFrequencyMid;
    t.columnWidths[0] = kFrequencyHeadingWidth;
    for (int c = 1; c < kFrequencyCountColumn; ++c)
        t.columnWidths[static_cast<std::size_t>(c)] = kFrequencyNumberWidth;
    for (int s = 1; s <= series; ++s)
        t.columnHeadings[static_cast<std::size_t>(kFrequencyCountColumn - 1 + s)] =
            table.names[static_cast<std::size_t>(s - 1)];

    for (int row = 1; row <= k; ++row) {
        t.rowHeadings[static_cast<std::size_t>(row)] = kFrequencyRowPrefix + std::to_string(row);
        t.setNumber(row, 1, table.classLower(row));
        t.setNumber(row, 2, table.classUpper(row));
        t.setNumber(row, 3, table.classMid(row));
        for (int s = 1; s <= series; ++s)
            t.setText(row, kFrequencyCountColumn - 1 + s,
                      generalNumberText(static_cast<double>(table.count(row, s))));
    }
    return t;
}

std::string ClassLabelTexts::rangeLabel(int k) const {
    assert(k >= 1 && static_cast<std::size_t>(k) < bounds.size());
    return bounds[static_cast<std::size_t>(k - 1)] + kClassRangeSeparator +
           bounds[static_cast<std::size_t>(k)];
}

const std::string& ClassLabelTexts::midLabel(int k) const {
    assert(k >= 1 && static_cast<std::size_t>(k) <= mids.size());
    return mids[static_cast<std::size_t>(k - 1)];
}

ClassLabelTexts classLabelTexts(const ClassTable& table, int decimals) {
    // The cells the table shows: T(k-1) from column 1 of row k, T(K) from
    // column 2 of row K, M(k) from column 3 of row k.
    ClassLabelTexts texts;
    const int k = table.classes;
    texts.bounds.reserve(static_cast<std::size_t>(k) + 1);
    texts.mids.reserve(static_cast<std::size_t>(k));
    for (int row = 1; row <= k; ++row) {
        texts.bounds.push_back(decimalsText(table.classLower(row), decimals));
        texts.mids.push_back(decimalsText(table.classMid(row), decimals));
    }
    if (k > 0) texts.bounds.push_back(decimalsText(table.classUpper(k), decimals));
    return texts;
}

} // namespace zel
