// A dataset filled for a window test: rows of values, the variable names and
// the sample labels, some samples masked.
#pragma once

#include "dataset/Dataset.h"

#include <string>
#include <vector>

namespace uitest {

// The label that masks its sample.
inline const std::string kMaskedLabel = "masked";

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

} // namespace uitest
