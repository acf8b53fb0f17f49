// The recovery file: its bytes round-trip the whole dataset exactly, damaged
// files are refused with the position, and the folder, name and owner rules.
#include "dataset/RecoveryFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using zel::Dataset;

// A dataset with everything a recovery file keeps: Japanese names and labels,
// masks, values that text would round, and fewer stored values than N*K.
Dataset sampleDataset() {
    Dataset ds;
    ds.resize(4, 3);
    ds.setName(1, "軸径");
    ds.setName(2, "ﾛｯﾄ");
    ds.setName(3, "");
    ds.setLabel(1, "第1組\tA");
    ds.setLabel(3, "改行\r\nあり");
    ds.setMask(2, 1);
    ds.setMask(4, -3);
    ds.setValue(1, 1, 0.1);
    ds.setValue(1, 2, -1e-300);
    ds.setValue(2, 3, std::numeric_limits<double>::max());
    ds.setValue(3, 1, std::nextafter(1.0, 2.0));
    ds.storedValues().resize(8); // sample 3 stops after its second value
    ds.fileName = "shaft_diameter";
    ds.drive = "/:";
    ds.folder = "/home/品質/データ";
    ds.setBase("/home/品質/データ/shaft_diameter");
    return ds;
}

void expectSameDataset(const Dataset& a, const Dataset& b) {
    ASSERT_EQ(a.sampleCount(), b.sampleCount());
    ASSERT_EQ(a.variableCount(), b.variableCount());
    for (int j = 1; j <= a.variableCount(); ++j)
        EXPECT_EQ(a.name(j), b.name(j)) << j;
    for (int i = 1; i <= a.sampleCount(); ++i) {
        EXPECT_EQ(a.mask(i), b.mask(i)) << i;
        EXPECT_EQ(a.label(i), b.label(i)) << i;
    }
    ASSERT_EQ(a.storedValues().size(), b.storedValues().size());
    EXPECT_EQ(0, std::memcmp(a.storedValues().data(), b.storedValues().data(),
                             a.storedValues().size() * sizeof(double)));
    EXPECT_EQ(a.basePath, b.basePath);
    EXPECT_EQ(a.valuesPath, b.valuesPath);
    EXPECT_EQ(a.namesPath, b.namesPath);
    EXPECT_EQ(a.fileName, b.fileName);
    EXPECT_EQ(a.drive, b.drive);
    EXPECT_EQ(a.folder, b.folder);
}

TEST(RecoveryFileTest, BytesKeepTheWholeDatasetExactly) {
    const Dataset ds = sampleDataset();
    const zel::Result<zel::RecoveryState> back =
        zel::readRecoveryBytes(zel::recoveryFileBytes(ds, 4242, 1796871120));
    ASSERT_TRUE(back) << back.status().message();
    EXPECT_EQ(back->pid, 4242);
    EXPECT_EQ(back->writtenAt, 1796871120);
    expectSameDataset(ds, back->dataset);
    // Restored data never claims to be saved.
    EXPECT_EQ(back->dataset.unsaved, 0);
    EXPECT_EQ(back->dataset.saveInPlace, 0);

    // A dataset without files and without values comes back empty.
    Dataset empty;
    empty.resize(0, 0);
    const auto none = zel::readRecoveryBytes(zel::recoveryFileBytes(empty, 1, 0));
    ASSERT_TRUE(none) << none.status().message();
    EXPECT_FALSE(none->dataset.exists());
    EXPECT_EQ(none->dataset.sampleCount(), 0);
}

TEST(RecoveryFileTest, EveryCutShortFileIsRefusedWithItsPosition) {
    const std::string bytes = zel::recoveryFileBytes(sampleDataset(), 7, 9);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const auto read = zel::readRecoveryBytes(std::string_view(bytes).substr(0, length));
        ASSERT_FALSE(read) << length;
        EXPECT_EQ(read.status().code(), zel::StatusCode::CorruptInput);
        EXPECT_NE(read.status().message().find("復元ファイルが壊れています ("), std::string::npos);
    }
    const auto longer = zel::readRecoveryBytes(bytes + '\0');
    ASSERT_FALSE(longer);
    EXPECT_EQ(longer.status().message(), "復元ファイルが壊れています (" + std::to_string(bytes.size()) +
                                             " バイト目: 余分なバイトがあります)。");
}

// Offsets in the bytes of a dataset without files: magic 12, version 4, pid 8,
// time 8, four empty texts 16, then N and K.
constexpr std::size_t kVersionAt = 12;
constexpr std::size_t kCountsAt = 12 + 4 + 8 + 8 + 16;

template <class T> void patch(std::string& bytes, std::size_t at, T v) {
    std::memcpy(bytes.data() + at, &v, sizeof(T));
}

TEST(RecoveryFileTest, DamagedFieldsAreRefused) {
    Dataset ds;
    ds.resize(2, 2);
    ds.setValue(2, 2, 5.0);
    const std::string good = zel::recoveryFileBytes(ds, 1, 2);
    ASSERT_TRUE(zel::readRecoveryBytes(good));
    const auto message = [](const std::string& bytes) {
        return zel::readRecoveryBytes(bytes).status().message();
    };

    std::string magic = good;
    magic[0] = 'X';
    EXPECT_EQ(message(magic), "復元ファイルが壊れています (0 バイト目: 見出しが違います)。");

    std::string version = good;
    patch<std::uint32_t>(version, kVersionAt, 2);
    EXPECT_EQ(message(version), "復元ファイルが壊れています (16 バイト目: 版 2 は読めません)。");

    for (std::int32_t bad : {-1, Dataset::kMaxCount + 1}) {
        std::string n = good;
        patch<std::int32_t>(n, kCountsAt, bad);
        EXPECT_EQ(message(n), "復元ファイルが壊れています (56 バイト目: データ数か変数の数が範囲外です)。");
        std::string k = good;
        patch<std::int32_t>(k, kCountsAt + 4, bad);
        EXPECT_EQ(message(k), "復元ファイルが壊れています (56 バイト目: データ数か変数の数が範囲外です)。");
    }

    // After N, K: two empty names, two masks, two empty labels, then the value count.
    const std::size_t countAt = kCountsAt + 8 + 8 + 4 + 8;
    std::string many = good;
    patch<std::uint64_t>(many, countAt, 5);
    EXPECT_NE(message(many).find("値の数がデータの大きさを超えています"), std::string::npos);
    std::string huge = good;
    patch<std::uint64_t>(huge, countAt, ~std::uint64_t(0));
    EXPECT_FALSE(zel::readRecoveryBytes(huge));

    std::string notANumber = good;
    patch<double>(notANumber, good.size() - 8, std::numeric_limits<double>::quiet_NaN());
    EXPECT_NE(message(notANumber).find("数でない値があります"), std::string::npos);
    std::string infinite = good;
    patch<double>(infinite, good.size() - 8, -std::numeric_limits<double>::infinity());
    EXPECT_NE(message(infinite).find("数でない値があります"), std::string::npos);

    // A text length that runs past the end.
    std::string text = good;
    patch<std::uint32_t>(text, kCountsAt - 4, 0xffffffffu);
    EXPECT_NE(message(text).find("途中で終わっています"), std::string::npos);
}

TEST(RecoveryFileTest, TheFileIsReplacedWholeAndReadBack) {
    const std::filesystem::path dir = fixtures::freshTestFolder("recovery_");
    const std::string path = (dir / zel::recoveryFileName(31)).string();
    Dataset ds = sampleDataset();
    ASSERT_TRUE(zel::writeRecoveryFile(path, ds, 31, 100));
    ds.setValue(1, 1, 2.5);
    ASSERT_TRUE(zel::writeRecoveryFile(path, ds, 31, 130));
    const auto back = zel::readRecoveryFile(path);
    ASSERT_TRUE(back) << back.status().message();
    EXPECT_EQ(back->writtenAt, 130);
    EXPECT_EQ(back->dataset.value(1, 1), 2.5);
    // Only the file itself is left: no temporary beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

    // A folder that is not there: refused, nothing written.
    EXPECT_FALSE(zel::writeRecoveryFile((dir / "missing" / "r.zel").string(), ds, 1, 1));
    EXPECT_FALSE(zel::readRecoveryFile((dir / "none.zel").string()));
    std::filesystem::remove_all(dir);
}

TEST(RecoveryFileTest, FolderNameAndOwner) {
    EXPECT_EQ(zel::recoveryFolder("/tmp/state", "/home/a"), "/tmp/state/zel");
    EXPECT_EQ(zel::recoveryFolder(nullptr, "/home/a"), "/home/a/.local/state/zel");
    EXPECT_EQ(zel::recoveryFolder("", "/home/a"), "/home/a/.local/state/zel");
    EXPECT_EQ(zel::recoveryFolder("relative/state", "/home/a"), "/home/a/.local/state/zel");
    EXPECT_EQ(zel::recoveryFolder(nullptr, nullptr), "");
    EXPECT_EQ(zel::recoveryFolder(nullptr, ""), "");

    EXPECT_EQ(zel::recoveryFileName(1234), "recovery-1234.zel");
    EXPECT_EQ(zel::recoveryFilePid("recovery-1234.zel"), 1234);
    for (const char* other :
         {"recovery-.zel", "recovery-0.zel", "recovery-012.zel", "recovery-12a.zel", "recovery--3.zel",
          "recovery-12.zel.tmp", "recovery-99999999999999999999.zel", "Recovery-12.zel", "x.zel"})
        EXPECT_FALSE(zel::recoveryFilePid(other)) << other;

    // This test program runs under its own name, not the program's.
    std::ifstream comm("/proc/self/comm");
    std::string self;
    std::getline(comm, self);
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(zel::isRunningProgram(::getpid(), self));
    EXPECT_FALSE(zel::isRunningProgram(::getpid(), "zel32"));
    EXPECT_FALSE(zel::isRunningProgram(0, self));
    EXPECT_FALSE(zel::isRunningProgram(-1, self));

    // A child that ended: a zombie until waited for, then gone. Neither runs.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::usleep(100'000);
    EXPECT_FALSE(zel::isRunningProgram(child, self));
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_FALSE(zel::isRunningProgram(child, self));
}

} // namespace
