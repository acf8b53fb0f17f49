// Benchmarks of reading and saving a dataset at the format's limit (32767 samples
// x 100 variables). ZEL_BENCH_DATASET names the dataset to read (its base, or
// either file); without it the data is made here, like bench/make_limit_dataset.py.
#include "dataset/DatasetFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

zel::Dataset makeLimitDataset() {
    zel::Dataset ds;
    const int n = zel::Dataset::kMaxCount, k = 100;
    ds.resize(n, k);
    const char* kinds[] = {"外径", "内径", "重量", "厚さ", "ｻﾝﾌﾟﾙ", "温度", "抵抗値"};
    for (int j = 1; j <= k; ++j) {
        std::string name = kinds[(j - 1) % 7];
        name += std::to_string(j);
        ds.setName(j, name);
    }
    for (int i = 1; i <= n; ++i) {
        ds.setMask(i, i % 97 == 1 ? 1 : 0);
        std::string label;
        if (i % 5 != 1) label = "ロット" + std::to_string(i);
        ds.setLabel(i, label);
    }
    ds.reserveValues();
    std::mt19937 rng(20240101);
    const double centres[] = {12.345, 0.5, -0.5, 3.0, 250.0, 0.02};
    std::vector<double> centre(k);
    for (int j = 0; j < k; ++j)
        centre[j] = centres[rng() % 6];
    std::normal_distribution<double> noise(0.0, 1.0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= k; ++j) {
            const double c = centre[j - 1];
            const double v = c + noise(rng) * (std::abs(c) * 0.05 + 0.01);
            ds.setValue(i, j, std::round(v * 1000.0) / 1000.0);
        }
    return ds;
}

// The base of the dataset to read: the given one, or one written once into a temporary folder.
const std::string& datasetBase() {
    static const std::string base = [] {
        if (const char* env = std::getenv("ZEL_BENCH_DATASET"); env && *env) {
            std::string b = env;
            if (b.size() > 4 && (b.ends_with(".QCN") || b.ends_with(".QCS"))) b.resize(b.size() - 4);
            return b;
        }
        const fs::path dir = fs::temp_directory_path() / "zel_bench_dataset";
        fs::create_directories(dir);
        const std::string b = (dir / "limit").string();
        if (!zel::writeDataset(makeLimitDataset(), b).isOk()) std::abort();
        return b;
    }();
    return base;
}

void BM_ReadLimitDataset(benchmark::State& state) {
    const std::string base = datasetBase();
    for (auto _ : state) {
        zel::Dataset ds;
        const auto r = zel::readDataset(base + ".QCN", base + ".QCS", ds);
        if (!r.status.isOk()) {
            state.SkipWithError(r.status.message().c_str());
            break;
        }
        benchmark::DoNotOptimize(ds.storedValues().data());
        state.counters["values"] = static_cast<double>(r.valuesRead);
    }
}
BENCHMARK(BM_ReadLimitDataset)->Unit(benchmark::kMillisecond);

void BM_SaveLimitDataset(benchmark::State& state) {
    zel::Dataset ds;
    const std::string base = datasetBase();
    if (!zel::readDataset(base + ".QCN", base + ".QCS", ds).status.isOk()) {
        state.SkipWithError("cannot read the dataset");
        return;
    }
    const fs::path dir = fs::temp_directory_path() / "zel_bench_save";
    fs::create_directories(dir);
    const std::string out = (dir / "saved").string();
    for (auto _ : state) {
        const zel::Status s = zel::writeDataset(ds, out);
        if (!s.isOk()) {
            state.SkipWithError(s.message().c_str());
            break;
        }
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_SaveLimitDataset)->Unit(benchmark::kMillisecond);

void BM_ValuesFileBytes(benchmark::State& state) {
    zel::Dataset ds;
    const std::string base = datasetBase();
    if (!zel::readDataset(base + ".QCN", base + ".QCS", ds).status.isOk()) {
        state.SkipWithError("cannot read the dataset");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(zel::valuesFileBytes(ds).size());
}
BENCHMARK(BM_ValuesFileBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
