// The bundled sample datasets: they read completely, hold what the README
// promises, and a rewrite gives the same bytes.
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "FileBytes.h"

#include <fstream>
#include <sstream>
#include <string>

using namespace zel;

namespace {

struct Example {
    const char* base;
    int samples;
    int variables;
    int masked;
};

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, ReadCompletelyAndRewriteByteForByte) {
    const Example e = GetParam();
    const std::string base = std::string(ZEL_EXAMPLES_DIR) + "/" + e.base;
    Dataset ds;
    const DatasetReadResult r = readDataset(base + ".QCN", base + ".QCS", ds);
    ASSERT_TRUE(r.status.isOk()) << r.status.message();
    EXPECT_EQ(ds.sampleCount(), e.samples);
    EXPECT_EQ(ds.variableCount(), e.variables);
    EXPECT_EQ(r.valuesRead, static_cast<std::size_t>(e.samples) * e.variables);
    EXPECT_EQ(ds.sampleCount() - ds.usedSampleCount(), e.masked);
    for (int j = 1; j <= ds.variableCount(); ++j)
        EXPECT_FALSE(ds.name(j).empty()) << "variable " << j;

    const Result<std::string> names = namesFileBytes(ds);
    ASSERT_TRUE(names.isOk());
    EXPECT_EQ(*names, fixtures::readBytes(base + ".QCN"));
    EXPECT_EQ(valuesFileBytes(ds), fixtures::readBytes(base + ".QCS"));
}

INSTANTIATE_TEST_SUITE_P(Bundled, Examples,
                         ::testing::Values(Example{"shaft_diameter", 25, 5, 0},
                                           Example{"hardening_masked", 12, 3, 2}));

TEST(Examples, ShaftDiameterHasJapaneseNamesAndLabels) {
    const std::string base = std::string(ZEL_EXAMPLES_DIR) + "/shaft_diameter";
    Dataset ds;
    ASSERT_TRUE(readDataset(base + ".QCN", base + ".QCS", ds).status.isOk());
    EXPECT_EQ(ds.name(1), "外径1");
    EXPECT_EQ(ds.label(1), "4月1日午前");
    EXPECT_NEAR(ds.value(1, 1), 25.0, 0.05);
}

} // namespace
