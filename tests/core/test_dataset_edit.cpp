// Tests of the structure edits (rows and columns inserted and deleted with the
// rebuilding rules) and of the names-file-only write.
#include "dataset/DatasetEdit.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "DatasetFixtures.h"
#include "TestFiles.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// N x K dataset whose value (i, j) is i * 10 + j, names "v" + j, labels "s" + i,
// sample 2 masked.
// DatasetFixtures.h's numbered dataset, sample 2 masked where there is one.
zel::Dataset makeDataset(int n, int k) {
    zel::Dataset ds;
    uitest::fillNumbered(ds, n, k);
    if (n >= 2) ds.setMask(2, 1);
    return ds;
}

} // namespace

TEST(DatasetEditRows, InsertAtTopLabelsNewRowsAndShiftsOldOnes) {
    zel::Dataset ds = makeDataset(3, 2);
    ds.setBase("/tmp/x");
    ds.unsaved = 1;
    ds.saveInPlace = 1;
    ASSERT_TRUE(zel::insertRows(ds, 2, 0).isOk());
    ASSERT_EQ(ds.sampleCount(), 5);
    ASSERT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.label(1), "(1)");
    EXPECT_EQ(ds.label(2), "(2)");
    EXPECT_EQ(ds.label(3), "s1");
    EXPECT_EQ(ds.label(5), "s3");
    EXPECT_EQ(ds.mask(1), 0);
    EXPECT_EQ(ds.mask(2), 0);
    EXPECT_EQ(ds.mask(4), 1); // the masked old sample 2 stays masked
    EXPECT_EQ(ds.value(1, 1), 0.0);
    EXPECT_EQ(ds.value(2, 2), 0.0);
    EXPECT_EQ(ds.value(3, 1), 11.0);
    EXPECT_EQ(ds.value(5, 2), 32.0);
    EXPECT_EQ(ds.name(2), "v2");
    // Where the dataset lives and its flags are not the edit's business.
    EXPECT_EQ(ds.basePath, "/tmp/x");
    EXPECT_EQ(ds.unsaved, 1);
    EXPECT_EQ(ds.saveInPlace, 1);
}

TEST(DatasetEditRows, InsertInTheMiddleAndAtTheEnd) {
    zel::Dataset ds = makeDataset(3, 2);
    ASSERT_TRUE(zel::insertRows(ds, 1, 2).isOk());
    EXPECT_EQ(ds.label(2), "s2");
    EXPECT_EQ(ds.label(3), "(3)");
    EXPECT_EQ(ds.label(4), "s3");
    EXPECT_EQ(ds.value(4, 1), 31.0);
    ASSERT_TRUE(zel::insertRows(ds, 3, 4).isOk());
    EXPECT_EQ(ds.sampleCount(), 7);
    EXPECT_EQ(ds.label(5), "(5)");
    EXPECT_EQ(ds.label(7), "(7)");
    EXPECT_EQ(ds.value(4, 2), 32.0);
    EXPECT_EQ(ds.value(7, 2), 0.0);
}

TEST(DatasetEditRows, InsertBeyondTheLimitOrOutOfRangeChangesNothing) {
    zel::Dataset ds = makeDataset(3, 2);
    ds.resize(32700, 1);
    ds.setValue(32700, 1, 5);
    EXPECT_FALSE(zel::insertRows(ds, 68, 0).isOk());
    EXPECT_EQ(ds.sampleCount(), 32700);
    EXPECT_EQ(ds.value(32700, 1), 5.0);
    EXPECT_EQ(zel::insertRows(ds, 68, 0).message(), "行数が32767を超えるため挿入できません。");
    ASSERT_TRUE(zel::insertRows(ds, 67, 32700).isOk());
    EXPECT_EQ(ds.sampleCount(), 32767);
    EXPECT_EQ(ds.label(32767), "(32767)");

    zel::Dataset small = makeDataset(3, 2);
    EXPECT_FALSE(zel::insertRows(small, 0, 0).isOk());
    EXPECT_FALSE(zel::insertRows(small, 1, 4).isOk());
    EXPECT_FALSE(zel::insertRows(small, 1, -1).isOk());
    EXPECT_EQ(small.sampleCount(), 3);
    EXPECT_EQ(small.label(1), "s1");
}

TEST(DatasetEditRows, DeleteKeepsUncheckedSamplesInOrder) {
    zel::Dataset ds = makeDataset(4, 2);
    ds.setMask(4, 1);
    ASSERT_TRUE(zel::deleteRows(ds, {true, false, true, false}).isOk());
    ASSERT_EQ(ds.sampleCount(), 2);
    EXPECT_EQ(ds.label(1), "s2");
    EXPECT_EQ(ds.label(2), "s4");
    EXPECT_EQ(ds.mask(1), 1);
    EXPECT_EQ(ds.mask(2), 1);
    EXPECT_EQ(ds.value(1, 1), 21.0);
    EXPECT_EQ(ds.value(2, 2), 42.0);
}

TEST(DatasetEditRows, DeletingEveryRowIsRefusedAndNothingCheckedChangesNothing) {
    zel::Dataset ds = makeDataset(3, 2);
    const zel::Status s = zel::deleteRows(ds, {true, true, true});
    EXPECT_FALSE(s.isOk());
    EXPECT_EQ(s.message(), "すべての行を削除することはできません。");
    EXPECT_EQ(ds.sampleCount(), 3);
    EXPECT_EQ(ds.value(3, 2), 32.0);

    ASSERT_TRUE(zel::deleteRows(ds, {}).isOk());
    EXPECT_EQ(ds.sampleCount(), 3);
    EXPECT_EQ(ds.label(3), "s3");
    EXPECT_EQ(ds.mask(2), 1);
    EXPECT_EQ(ds.value(3, 2), 32.0);

    // Every row but one goes.
    ASSERT_TRUE(zel::deleteRows(ds, {true, false, true}).isOk());
    EXPECT_EQ(ds.sampleCount(), 1);
    EXPECT_EQ(ds.label(1), "s2");
}

TEST(DatasetEditColumns, InsertThreeAfterColumnTwoOfFive) {
    zel::Dataset ds = makeDataset(2, 5);
    ASSERT_TRUE(zel::insertColumns(ds, 3, 2).isOk());
    ASSERT_EQ(ds.variableCount(), 8);
    const std::vector<std::string> expected{"v1", "v2", "$3", "$4", "$5", "v3", "v4", "v5"};
    for (int j = 1; j <= 8; ++j)
        EXPECT_EQ(ds.name(j), expected[static_cast<std::size_t>(j - 1)]) << j;
    EXPECT_EQ(ds.value(1, 2), 12.0);
    EXPECT_EQ(ds.value(1, 3), 0.0);
    EXPECT_EQ(ds.value(1, 6), 13.0);
    EXPECT_EQ(ds.value(2, 8), 25.0);
    EXPECT_EQ(ds.label(2), "s2");
    EXPECT_EQ(ds.mask(2), 1);
}

TEST(DatasetEditColumns, InsertAtTheLeftAndBeyondTheLimit) {
    zel::Dataset ds = makeDataset(2, 2);
    ASSERT_TRUE(zel::insertColumns(ds, 1, 0).isOk());
    EXPECT_EQ(ds.name(1), "$1");
    EXPECT_EQ(ds.value(2, 3), 22.0);

    zel::Dataset wide;
    wide.resize(1, 32767);
    const zel::Status s = zel::insertColumns(wide, 1, 0);
    EXPECT_FALSE(s.isOk());
    EXPECT_EQ(s.message(), "列数が32767を超えるため挿入できません。");
    EXPECT_EQ(wide.variableCount(), 32767);
}

TEST(DatasetEditColumns, DeleteSomeAndRefuseAll) {
    zel::Dataset ds = makeDataset(2, 4);
    EXPECT_EQ(zel::deleteColumns(ds, {true, true, true, true}).message(),
              "すべての列を削除することはできません。");
    EXPECT_EQ(ds.variableCount(), 4);
    ASSERT_TRUE(zel::deleteColumns(ds, {false, true, false, true}).isOk());
    ASSERT_EQ(ds.variableCount(), 2);
    EXPECT_EQ(ds.name(1), "v1");
    EXPECT_EQ(ds.name(2), "v3");
    EXPECT_EQ(ds.value(1, 2), 13.0);
    EXPECT_EQ(ds.value(2, 1), 21.0);
    EXPECT_EQ(ds.value(2, 2), 23.0);
    EXPECT_EQ(ds.mask(2), 1);
}

TEST(DatasetEditValues, ShortValueStorageStaysShortAndReadsZero) {
    // A large dataset with only its first value written: an insert at the end
    // must not allocate storage for every value.
    zel::Dataset ds;
    ds.resize(30000, 100);
    ds.setValue(1, 1, 7);
    ASSERT_TRUE(zel::insertRows(ds, 100, 30000).isOk());
    EXPECT_LE(ds.storedValues().size(), 1u);
    EXPECT_EQ(ds.value(1, 1), 7.0);
    ASSERT_TRUE(zel::insertColumns(ds, 2, 0).isOk());
    EXPECT_EQ(ds.value(1, 3), 7.0);
    EXPECT_EQ(ds.value(1, 1), 0.0);
    EXPECT_EQ(ds.value(30100, 102), 0.0);
}

TEST(DatasetEditFiles, NamesFileWriteLeavesTheValuesFileAlone) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zel_edit_names_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string base = (dir / "d").string();
    zel::Dataset ds = makeDataset(2, 3);
    ASSERT_TRUE(zel::writeDataset(ds, base).isOk());
    const std::string valuesBefore = fixtures::readBytes(base + ".QCS");
    const auto timeBefore = std::filesystem::last_write_time(base + ".QCS");

    ds.setValue(1, 1, 99); // an unsaved value must not reach the disk
    ds.setLabel(1, "新");
    ds.setName(3, "重さ");
    ds.setMask(1, 1);
    ASSERT_TRUE(zel::writeNamesFile(ds, base + ".QCN").isOk());
    EXPECT_EQ(fixtures::readBytes(base + ".QCS"), valuesBefore);
    EXPECT_EQ(std::filesystem::last_write_time(base + ".QCS"), timeBefore);
    EXPECT_FALSE(std::filesystem::exists(zel::temporaryPathFor(base + ".QCN")));

    zel::Dataset back;
    ASSERT_TRUE(zel::readDataset(base + ".QCN", base + ".QCS", back).status.isOk());
    EXPECT_EQ(back.label(1), "新");
    EXPECT_EQ(back.name(3), "重さ");
    EXPECT_EQ(back.mask(1), 1);
    EXPECT_EQ(back.value(1, 1), 11.0);

    // A text code page 932 cannot hold is refused before the file is touched.
    const std::string namesBefore = fixtures::readBytes(base + ".QCN");
    ds.setLabel(2, "\xF0\x9F\x98\x80"); // an emoji
    EXPECT_FALSE(zel::writeNamesFile(ds, base + ".QCN").isOk());
    EXPECT_EQ(fixtures::readBytes(base + ".QCN"), namesBefore);

    // A folder that does not exist: an I/O failure, reported.
    const zel::Status missing = zel::writeNamesFile(back, (dir / "no" / "d.QCN").string());
    EXPECT_FALSE(missing.isOk());
    EXPECT_EQ(missing.code(), zel::StatusCode::IoError);
    std::filesystem::remove_all(dir);
}
