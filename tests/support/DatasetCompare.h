// Datasets for the file round trips and their comparison, field by field.
#pragma once

#include "dataset/Dataset.h"

#include <gtest/gtest.h>

namespace fixtures {

// Three samples of two variables with Japanese names (full- and half-width),
// labels with a full-width comma, a wave dash and an empty one, sample 2 masked,
// and values on both sides of the exponent thresholds.
inline zel::Dataset japaneseDataset() {
    zel::Dataset ds;
    ds.resize(3, 2);
    ds.setName(1, "長さ（mm）");
    ds.setName(2, "ﾊﾝｶｸ重量");
    ds.setLabel(1, "ロット１");
    ds.setLabel(2, "");
    ds.setLabel(3, "検査，再～");
    ds.setMask(2, 1);
    ds.setValue(1, 1, 0.5);
    ds.setValue(1, 2, -0.25);
    ds.setValue(2, 1, 1e15);
    ds.setValue(2, 2, 1.5e-5);
    ds.setValue(3, 1, 12);
    return ds;
}

// Counts, names, labels, masks and values equal; the first difference is
// reported and ends the comparison (a large dataset would report thousands).
inline void expectSameDataset(const zel::Dataset& actual, const zel::Dataset& expected) {
    ASSERT_EQ(actual.sampleCount(), expected.sampleCount());
    ASSERT_EQ(actual.variableCount(), expected.variableCount());
    for (int j = 1; j <= actual.variableCount(); ++j)
        ASSERT_EQ(actual.name(j), expected.name(j)) << "variable " << j;
    for (int i = 1; i <= actual.sampleCount(); ++i) {
        ASSERT_EQ(actual.label(i), expected.label(i)) << "sample " << i;
        ASSERT_EQ(actual.mask(i), expected.mask(i)) << "sample " << i;
        for (int j = 1; j <= actual.variableCount(); ++j)
            ASSERT_EQ(actual.value(i, j), expected.value(i, j)) << "sample " << i << ", variable " << j;
    }
}

// The dataset a reader is handed before a read that must fail: one value
// under one name, so that any change the failed read made shows.
inline zel::Dataset sentinelDataset() {
    zel::Dataset ds;
    ds.resize(1, 1);
    ds.setName(1, "元");
    ds.setValue(1, 1, 7);
    return ds;
}

// The sentinel as it was handed over.
inline void expectSentinelUntouched(const zel::Dataset& ds) {
    EXPECT_EQ(ds.sampleCount(), 1);
    EXPECT_EQ(ds.variableCount(), 1);
    EXPECT_EQ(ds.name(1), "元");
    EXPECT_EQ(ds.value(1, 1), 7);
}

} // namespace fixtures
