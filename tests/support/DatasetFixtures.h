// A dataset filled for a test: rows of values, the variable names and the
// sample labels, some samples masked. Pure C++ over zelcore.
#pragma once

#include "dataset/Dataset.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace uitest {

// The label that masks its sample.
inline const std::string kMaskedLabel = "masked";

// Five samples of three variables for the histogram's settings: A 0 .. 10,
// B 1 .. 9, C all 6.
inline const std::vector<std::vector<double>> kRangeRows{
    {0, 1, 6}, {2.5, 2, 6}, {5, 3, 6}, {7.5, 4, 6}, {10, 9, 6}};

// Fills the dataset row by row. Variables without a name in names are called
// A, B, C ...; samples without a label in labels are labelled s1, s2 ...; a
// sample labelled kMaskedLabel is masked.
inline void fillDataset(zel::Dataset& ds, const std::vector<std::vector<double>>& rows,
                        const std::vector<std::string>& names = {},
                        const std::vector<std::string>& labels = {}) {
    const int k = rows.empty() ? static_cast<int>(names.size()) : static_cast<int>(rows.front().size());
    ds.resize(static_cast<int>(rows.size()), k);
    for (int j = 1; j <= k; ++j) {
        const auto at = static_cast<std::size_t>(j - 1);
        ds.setName(j, at < names.size() ? names[at] : std::string(1, static_cast<char>('A' + j - 1)));
    }
    for (int i = 1; i <= static_cast<int>(rows.size()); ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        for (int j = 1; j <= k; ++j)
            ds.setValue(i, j, rows[at][static_cast<std::size_t>(j - 1)]);
        ds.setLabel(i, at < labels.size() ? labels[at] : "s" + std::to_string(i));
        if (at < labels.size() && labels[at] == kMaskedLabel) ds.setMask(i, 1);
    }
}

// n samples of k variables named v1, v2 ..., labelled s1, s2 ..., the value at
// (i, j) i * 10 + j; the samples in masked masked.
inline void fillNumbered(zel::Dataset& ds, int n, int k, std::initializer_list<int> masked = {}) {
    ds.resize(n, k);
    for (int j = 1; j <= k; ++j)
        ds.setName(j, "v" + std::to_string(j));
    for (int i = 1; i <= n; ++i) {
        ds.setLabel(i, "s" + std::to_string(i));
        for (int j = 1; j <= k; ++j)
            ds.setValue(i, j, i * 10 + j);
    }
    for (int i : masked)
        ds.setMask(i, 1);
}

// A dataset of the rows, its samples labelled S1, S2 ..., its variables unnamed.
inline zel::Dataset labelledRows(const std::vector<std::vector<double>>& rows) {
    zel::Dataset ds;
    ds.resize(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ds.setLabel(static_cast<int>(i + 1), "S" + std::to_string(i + 1));
        for (std::size_t j = 0; j < rows[i].size(); ++j)
            ds.setValue(static_cast<int>(i + 1), static_cast<int>(j + 1), rows[i][j]);
    }
    return ds;
}

} // namespace uitest
