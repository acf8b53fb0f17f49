// Tests of the limits file: the exact bytes, the atomic write, reading back,
// line-end variants and malformed files with their failure descriptions.
#include "analysis/control/LimitsFile.h"
#include "dataset/DatasetFile.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <unistd.h>

using namespace zel;
namespace fs = std::filesystem;

namespace {

using fixtures::kEof;
using fixtures::kMissing;
using fixtures::kType;
using fixtures::readBytes;
using fixtures::writeBytes;

const ControlLines kLines = {{{12, 14.5, -0.5}, {4.5, 0.25, 0}}};
const std::string kNumberLines = " 12 \r\n 14.5 \r\n-.5 \r\n 4.5 \r\n .25 \r\n 0 \r\n";

class LimitsFileDir : public ::testing::Test {
  protected:
    void SetUp() override { m_dir = fixtures::freshTestFolder("zel_limits_"); }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

} // namespace

TEST(LimitsFileBytes, SevenLinesInCodePage932) {
    const auto b = limitsFileBytes("/data/品質", kLines);
    ASSERT_TRUE(b.isOk());
    // 品 = 95 69, 質 = 8E BF in code page 932.
    EXPECT_EQ(*b, std::string("/data/\x95\x69\x8E\xBF\r\n") + kNumberLines);
}

TEST(LimitsFileBytes, LongAndTinyNumbers) {
    const ControlLines l = {{{10.0 / 3, 1e15, -1.5e-5}, {123456789.125, -7, 0.0001}}};
    const auto b = limitsFileBytes("b", l);
    ASSERT_TRUE(b.isOk());
    EXPECT_EQ(*b, "b\r\n 3.33333333333333 \r\n 1E+15 \r\n-1.5E-05 \r\n 123456789.125 \r\n-7 \r\n .0001 \r\n");
}

TEST(LimitsFileBytes, RefusesAPathCodePage932CannotHold) {
    EXPECT_FALSE(limitsFileBytes("/data/\xF0\x9F\x98\x80", kLines).isOk()); // an emoji
}

TEST(LimitsFileParse, ReadsSixNumbersAndSkipsLineOne) {
    const auto r = parseLimitsFile("anything at all, even 1 2 3\r\n" + kNumberLines);
    ASSERT_TRUE(r.isOk());
    EXPECT_EQ(*r, kLines);
}

TEST(LimitsFileParse, AcceptsLfBlanksAndOtherNumberForms) {
    const auto r = parseLimitsFile("x\n  12\n\t14.5  \n-0.5\n+4.5\n2.5E-01\n0 \nextra line\n");
    ASSERT_TRUE(r.isOk());
    EXPECT_EQ(*r, kLines);
    // The last line without a line end.
    const auto noEnd = parseLimitsFile("x\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6");
    ASSERT_TRUE(noEnd.isOk());
    EXPECT_EQ((*noEnd)[1][2], 6.0);
}

TEST(LimitsFileParse, MalformedFilesFailWithTheirDescription) {
    EXPECT_EQ(parseLimitsFile("").status().message(), kEof);
    EXPECT_EQ(parseLimitsFile("path only\r\n").status().message(), kEof);
    EXPECT_EQ(parseLimitsFile("p\r\n1\r\n2\r\n3\r\n4\r\n5\r\n").status().message(), kEof);
    EXPECT_EQ(parseLimitsFile("p\r\n1\r\n2\r\nabc\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\n1\r\n2\r\n3x\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\n1\r\n\r\n3\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\n1 2\r\n2\r\n3\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\ninf\r\n2\r\n3\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\nnan\r\n2\r\n3\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\n1e999\r\n2\r\n3\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    EXPECT_EQ(parseLimitsFile("p\r\n0x10\r\n2\r\n3\r\n4\r\n5\r\n6\r\n").status().message(), kType);
    // Junk lines beyond any sensible length are refused without reading on.
    EXPECT_EQ(parseLimitsFile("p\r\n" + std::string(100000, '1') + "\r\n2\r\n3\r\n4\r\n5\r\n6\r\n")
                  .status()
                  .message(),
              kType);
    EXPECT_EQ(parseLimitsFile(std::string(100000, 'x') + "\r\n" + kNumberLines).status().message(), kType);
}

TEST_F(LimitsFileDir, WriteReplacesAtomicallyAndReadsBack) {
    const fs::path path = m_dir / "軸.QCK";
    writeBytes(path, "old content");
    ASSERT_TRUE(writeLimitsFile(path.string(), (m_dir / "軸").string(), kLines).isOk());
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes, *limitsFileBytes((m_dir / "軸").string(), kLines));
    EXPECT_FALSE(fs::exists(temporaryPathFor(path.string())));
    const auto back = readLimitsFile(path.string());
    ASSERT_TRUE(back.isOk());
    EXPECT_EQ(*back, kLines);
}

TEST_F(LimitsFileDir, ALineThatIsNotANumberWritesNothing) {
    // Infinity used to go out as " 0 ": a wrong limit that reads back as a true one.
    const fs::path path = m_dir / "huge.QCK";
    writeBytes(path, "old content");
    ControlLines lines = kLines;
    lines[0][0] = std::numeric_limits<double>::infinity();
    const Status s = writeLimitsFile(path.string(), "huge", lines);
    EXPECT_EQ(s.message(), kResultOutOfRange);
    EXPECT_EQ(readBytes(path), "old content");
    lines[0][0] = 12;
    lines[1][2] = std::nan("");
    EXPECT_FALSE(limitsFileBytes("b", lines).isOk());
    EXPECT_FALSE(writeLimitsFile((m_dir / "new.QCK").string(), "new", lines).isOk());
    EXPECT_FALSE(fs::exists(m_dir / "new.QCK"));
}

TEST_F(LimitsFileDir, FailedWriteLeavesTheOldFile) {
    const fs::path path = m_dir / "a.QCK";
    writeBytes(path, "old content");
    // A directory where the temporary file should go makes the write fail.
    fs::create_directories(temporaryPathFor(path.string()));
    const Status s = writeLimitsFile(path.string(), "a", kLines);
    EXPECT_FALSE(s.isOk());
    EXPECT_EQ(s.message().rfind("ファイルを保存できませんでした。", 0), 0u);
    EXPECT_EQ(readBytes(path), "old content");
    EXPECT_FALSE(writeLimitsFile((m_dir / "no" / "such" / "dir.QCK").string(), "a", kLines).isOk());
}

TEST_F(LimitsFileDir, ReadFailures) {
    const auto missing = readLimitsFile((m_dir / "none.QCK").string());
    EXPECT_EQ(missing.status().message(), kMissing + "\n" + (m_dir / "none.QCK").string());
    EXPECT_EQ(readLimitsFile(m_dir.string()).status().message().rfind(kMissing, 0), 0u); // a folder
    const fs::path shortFile = m_dir / "short.QCK";
    writeBytes(shortFile, "p\r\n1\r\n2\r\n");
    EXPECT_EQ(readLimitsFile(shortFile.string()).status().message(), kEof + "\n" + shortFile.string());
    const fs::path bad = m_dir / "bad.QCK";
    writeBytes(bad, "p\r\n1\r\n2\r\nX\r\n4\r\n5\r\n6\r\n");
    EXPECT_EQ(readLimitsFile(bad.string()).status().message(), kType + "\n" + bad.string());
}

TEST_F(LimitsFileDir, HugeFileIsReadOnlyAsFarAsNeeded) {
    const fs::path big = m_dir / "big.QCK";
    writeBytes(big, "p\r\n" + kNumberLines + std::string(4 * 1024 * 1024, 'z'));
    const auto r = readLimitsFile(big.string());
    ASSERT_TRUE(r.isOk());
    EXPECT_EQ(*r, kLines);
}
