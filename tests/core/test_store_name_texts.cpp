// Tests of storing renamed variables and data labels: the texts change, the
// names file is rewritten alone, and a text the file cannot hold changes nothing.
#include "dataset/DatasetFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace zel;
using fixtures::readBytes;
using fixtures::writeBytes;
namespace fs = std::filesystem;

namespace {

// Two variables, three samples.
Dataset lengths() {
    Dataset ds;
    ds.resize(3, 2);
    ds.setName(1, "長さ");
    ds.setName(2, "幅");
    ds.setLabel(1, "a");
    ds.setLabel(2, "b");
    ds.setLabel(3, "c");
    return ds;
}

const char* const kEmoji = "\xF0\x9F\x98\x80"; // no code page 932 character

class StoredNameTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = fixtures::freshTestFolder("zel_names_");
        m_ds = lengths();
        m_ds.setBase((m_dir / "sheet").string());
        writeBytes(m_ds.namesPath, "old names");
        writeBytes(m_ds.valuesPath, "values stay");
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
    Dataset m_ds;
};

} // namespace

TEST_F(StoredNameTexts, VariableNamesChangeAndOnlyTheNamesFileIsWritten) {
    ASSERT_TRUE(storeNameTexts(m_ds, NameTexts::VariableNames, {"全長", ""}).isOk());
    EXPECT_EQ(m_ds.name(1), "全長");
    EXPECT_EQ(m_ds.name(2), "");
    EXPECT_EQ(m_ds.label(1), "a"); // the labels are left alone
    EXPECT_EQ(readBytes(m_ds.namesPath), namesFileBytes(m_ds).value());
    EXPECT_EQ(readBytes(m_ds.valuesPath), "values stay");
}

TEST_F(StoredNameTexts, ATextTheFileCannotHoldPutsEveryOldTextBack) {
    const Status names = storeNameTexts(m_ds, NameTexts::VariableNames, {"全長", kEmoji});
    EXPECT_EQ(names.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(m_ds.name(1), "長さ");
    EXPECT_EQ(m_ds.name(2), "幅");
    const Status labels = storeNameTexts(m_ds, NameTexts::DataLabels, {kEmoji, "y", "z"});
    EXPECT_EQ(labels.code(), StatusCode::InvalidArgument);
    EXPECT_EQ(m_ds.label(1), "a");
    EXPECT_EQ(m_ds.label(3), "c");
    EXPECT_EQ(readBytes(m_ds.namesPath), "old names");
}

TEST_F(StoredNameTexts, AFailedWriteKeepsTheNewTextsAndTheOldFile) {
    fs::create_directories(temporaryPathFor(m_ds.namesPath));
    const Status s = storeNameTexts(m_ds, NameTexts::VariableNames, {"全長", "全幅"});
    EXPECT_EQ(s.code(), StatusCode::IoError);
    EXPECT_EQ(m_ds.name(2), "全幅");
    EXPECT_EQ(readBytes(m_ds.namesPath), "old names");
}

TEST(StoredNameTextsWithoutFiles, OnlyTheTextsChangeAndAWrongCountIsRefused) {
    Dataset ds = lengths();
    EXPECT_TRUE(storeNameTexts(ds, NameTexts::VariableNames, {"p", kEmoji}).isOk());
    EXPECT_EQ(ds.name(2), kEmoji); // nothing to write yet: the save refuses it later
    EXPECT_FALSE(storeNameTexts(ds, NameTexts::VariableNames, {"p"}).isOk());
    EXPECT_FALSE(storeNameTexts(ds, NameTexts::DataLabels, {"x", "y"}).isOk());
    EXPECT_EQ(ds.name(1), "p");
    EXPECT_EQ(ds.label(2), "b");
}
