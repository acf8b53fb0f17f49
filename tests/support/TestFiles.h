// A folder of the running GoogleTest test's own under the temporary folder,
// and the bytes of the files it reads and writes (FileBytes.h).
#pragma once

#include <gtest/gtest.h>

#include "FileBytes.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fixtures {

// What the file readers report, word for word.
inline const std::string kEof = "ファイルの終わり以降を読み込もうとしました。";
inline const std::string kMissing = "ファイルが見つかりません。";
inline const std::string kType = "型が一致しません。";

// <temporary folder>/<prefix><test name>_<process id>, emptied and made.
inline std::filesystem::path freshTestFolder(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / (prefix + info->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace fixtures
