// Where the benchmarks keep their files, and the datasets several of them
// share: a folder of their own under the temporary folder, a dataset named by
// an environment variable, and the format's limit dataset.
#pragma once

#include "dataset/Dataset.h"
#include "dataset/DatasetFile.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

namespace bench {

// <temporary folder>/<name>, made when missing.
inline std::filesystem::path workDir(const char* name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(dir);
    return dir;
}

// The dataset base (without .QCN/.QCS) that the environment variable names, if any.
inline std::optional<std::string> baseFromEnvironment(const char* variable) {
    const char* env = std::getenv(variable);
    if (!env || !*env) return std::nullopt;
    std::string base = env;
    if (base.size() > 4 && (base.ends_with(".QCN") || base.ends_with(".QCS"))) base.resize(base.size() - 4);
    return base;
}

// Writes the dataset as dir/name.QCN and .QCS and returns its base; a benchmark
// without its data cannot run, so a failure ends the program.
inline std::string writeBenchDataset(const zel::Dataset& ds, const std::filesystem::path& dir,
                                     const char* name) {
    const std::string base = (dir / name).string();
    if (!zel::writeDataset(ds, base).isOk()) std::abort();
    return base;
}

// The dataset base that the environment variable names, else the base that
// make writes.
template <class Make> std::string baseFromEnvironmentOr(const char* variable, Make make) {
    if (std::optional<std::string> base = baseFromEnvironment(variable)) return *base;
    return make();
}

// The limit dataset that ZEL_BENCH_DATASET names (bench/make_limit_dataset.py),
// else 32767 samples of 100 measurements with three places written into dir.
inline std::string limitDataset(const std::filesystem::path& dir) {
    return baseFromEnvironmentOr("ZEL_BENCH_DATASET", [&dir] {
        zel::Dataset ds;
        const int n = zel::Dataset::kMaxCount;
        ds.resize(n, 100);
        ds.reserveValues();
        std::mt19937 rng(20240101);
        std::normal_distribution<double> noise(50.0, 5.0);
        for (int j = 1; j <= 100; ++j)
            ds.setName(j, "測定値" + std::to_string(j));
        for (int i = 1; i <= n; ++i) {
            ds.setLabel(i, std::to_string(i));
            for (int j = 1; j <= 100; ++j)
                ds.setValue(i, j, std::round(noise(rng) * 1000.0) / 1000.0);
        }
        return writeBenchDataset(ds, dir, "limit");
    });
}

// The limit dataset of a benchmark program, found or written into dir on the
// first call.
inline const std::string& limitDatasetOnce(const std::filesystem::path& dir) {
    static const std::string base = limitDataset(dir);
    return base;
}

} // namespace bench
