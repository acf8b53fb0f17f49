// Tests of the in-memory dataset and of splitting the start-up path.
#include "dataset/Dataset.h"
#include "dataset/StartupPath.h"

#include <gtest/gtest.h>

using namespace zel;

TEST(Dataset, StartsWithTheInitialCountsAndNoDataset) {
    Dataset ds;
    EXPECT_EQ(ds.sampleCount(), 18);
    EXPECT_EQ(ds.variableCount(), 9);
    EXPECT_FALSE(ds.exists());
    EXPECT_EQ(ds.usedSampleCount(), 18);
    EXPECT_EQ(ds.value(18, 9), 0.0);
    EXPECT_TRUE(ds.storedValues().empty());
}

TEST(Dataset, ValuesAreStoredLazily) {
    Dataset ds;
    ds.resize(4, 3);
    ds.setValue(2, 2, 0.0); // a zero beyond storage needs no storage
    EXPECT_TRUE(ds.storedValues().empty());
    ds.setValue(2, 2, 7.5);
    EXPECT_EQ(ds.storedValues().size(), 5u); // (2-1)*3 + 2
    EXPECT_EQ(ds.value(2, 2), 7.5);
    EXPECT_EQ(ds.value(4, 3), 0.0);
    ds.setValue(4, 3, -1);
    EXPECT_EQ(ds.value(4, 3), -1.0);
    EXPECT_EQ(ds.value(2, 2), 7.5);
    ds.reserveValues();
    EXPECT_EQ(ds.storedValues().size(), 12u);
    EXPECT_EQ(ds.value(2, 2), 7.5);
}

TEST(Dataset, OutOfRangeIndicesAreHarmless) {
    Dataset ds;
    ds.resize(2, 2);
    ds.setValue(0, 1, 5);
    ds.setValue(3, 1, 5);
    ds.setValue(1, 3, 5);
    EXPECT_TRUE(ds.storedValues().empty());
    EXPECT_EQ(ds.value(-1, 1), 0.0);
    ds.setName(3, "x");
    ds.setName(0, "x");
    ds.setLabel(3, "x");
    ds.setMask(-5, 1);
    EXPECT_EQ(ds.name(3), "");
    EXPECT_EQ(ds.name(0), "");
    EXPECT_EQ(ds.label(0), "");
    EXPECT_EQ(ds.mask(3), 0);
    EXPECT_EQ(ds.usedSampleCount(), 2);
}

TEST(Dataset, ResizeClearsEverythingAndClampsCounts) {
    Dataset ds;
    ds.resize(3, 2);
    ds.setName(1, "a");
    ds.setMask(2, 1);
    ds.setLabel(3, "c");
    ds.setValue(1, 1, 4);
    EXPECT_EQ(ds.usedSampleCount(), 2);
    ds.resize(3, 2);
    EXPECT_EQ(ds.name(1), "");
    EXPECT_EQ(ds.mask(2), 0);
    EXPECT_EQ(ds.label(3), "");
    EXPECT_EQ(ds.value(1, 1), 0.0);
    ds.resize(-1, 40000);
    EXPECT_EQ(ds.sampleCount(), 0);
    EXPECT_EQ(ds.variableCount(), Dataset::kMaxCount);
    EXPECT_EQ(ds.usedSampleCount(), 0);
}

TEST(Dataset, SetBaseGivesTheThreePaths) {
    Dataset ds;
    ds.setBase("/data/lot1");
    EXPECT_TRUE(ds.exists());
    EXPECT_EQ(ds.valuesPath, "/data/lot1.QCS");
    EXPECT_EQ(ds.namesPath, "/data/lot1.QCN");
    EXPECT_EQ(ds.limitsPath, "/data/lot1.QCK");
}

TEST(StartupPath, SplitsTheArgument) {
    auto p = parseStartupPath("/home/qc/data/lot1.QCS");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->drive, "/h");
    EXPECT_EQ(p->folder, "/home/qc/data");
    EXPECT_EQ(p->fileName, "lot1"); // the name the save dialog offers
    EXPECT_EQ(p->valuesPath, "/home/qc/data/lot1.QCS");
    EXPECT_EQ(p->namesPath, "/home/qc/data/lot1.QCN");
    EXPECT_EQ(p->limitsPath, "/home/qc/data/lot1.QCK");
    EXPECT_EQ(p->basePath, "/home/qc/data/lot1");

    p = parseStartupPath("/home/qc/寸法.QCK"); // any of the three extensions
    ASSERT_TRUE(p);
    EXPECT_EQ(p->namesPath, "/home/qc/寸法.QCN");
    EXPECT_EQ(p->basePath, "/home/qc/寸法");
}

TEST(StartupPath, RootFolderAndOddArguments) {
    auto p = parseStartupPath("/lot.QCN");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->folder, "/");
    EXPECT_EQ(p->fileName, "lot");
    EXPECT_EQ(p->basePath, "/lot");

    EXPECT_FALSE(parseStartupPath("lot.QCN")); // no folder: nothing is opened
    EXPECT_FALSE(parseStartupPath(""));

    p = parseStartupPath("/a"); // too short for an extension: no base
    ASSERT_TRUE(p);
    EXPECT_EQ(p->basePath, "");
    EXPECT_EQ(p->valuesPath, "/S");
}
