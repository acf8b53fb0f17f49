// The recovery file of the largest dataset (32767 samples x 100 variables),
// written every half minute while the data is unsaved: its bytes, the whole
// atomic write (temporary file flushed to the disk, then renamed), and the
// reading at the next start. ZEL_BENCH_DATASET names another dataset.
#include "dataset/RecoveryFile.h"

#include "BenchDatasets.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

const zel::Dataset& limit() {
    static const zel::Dataset ds = [] {
        zel::Dataset read;
        const std::string base = bench::limitDatasetOnce(bench::workDir("zel_bench_recovery"));
        if (!zel::readDataset(base + ".QCN", base + ".QCS", read).status.isOk()) std::abort();
        read.setBase(base);
        return read;
    }();
    return ds;
}

std::string recoveryPath() {
    return (bench::workDir("zel_bench_recovery") / zel::recoveryFileName(::getpid())).string();
}

void BM_RecoveryBytes(benchmark::State& state) {
    const zel::Dataset& ds = limit();
    for (auto _ : state)
        benchmark::DoNotOptimize(zel::recoveryFileBytes(ds, 1, 2));
}
BENCHMARK(BM_RecoveryBytes)->Unit(benchmark::kMillisecond);

void BM_RecoveryWrite(benchmark::State& state) {
    const zel::Dataset& ds = limit();
    const std::string path = recoveryPath();
    for (auto _ : state)
        if (!zel::writeRecoveryFile(path, ds, 1, 2)) state.SkipWithError("write failed");
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond);

void BM_RecoveryRead(benchmark::State& state) {
    const std::string path = recoveryPath();
    if (!zel::writeRecoveryFile(path, limit(), 1, 2)) std::abort();
    for (auto _ : state) {
        auto read = zel::readRecoveryFile(path);
        if (!read) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_RecoveryRead)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
