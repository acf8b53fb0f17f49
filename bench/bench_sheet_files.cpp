// Benchmarks of spreadsheet import and export at the dataset's limit (32767
// samples x 100 variables): reading an .xlsx workbook (target: at most 2 s) and a
// CSV file (at most 0.5 s), each from the file on disk, and writing both.
// ZEL_BENCH_DATASET names the dataset to use (bench/make_limit_dataset.py).
#include "BenchDatasets.h"

#include "dataset/CsvFile.h"
#include "dataset/XlsxReader.h"
#include "dataset/XlsxWriter.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const std::filesystem::path& dir() {
    static const std::filesystem::path d = bench::workDir("zel_bench_sheet_files");
    return d;
}

const zel::Dataset& limit() {
    static const zel::Dataset ds = [] {
        zel::Dataset d;
        const std::string base = bench::limitDatasetOnce(dir());
        if (!zel::readDataset(base + ".QCN", base + ".QCS", d).status.isOk()) std::abort();
        return d;
    }();
    return ds;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The limit dataset written once as a workbook and as CSV.
const std::string& xlsxPath() {
    static const std::string p = [] {
        const std::string path = (dir() / "limit.xlsx").string();
        if (!zel::writeXlsx(limit(), path).isOk()) std::abort();
        return path;
    }();
    return p;
}

const std::string& csvPath() {
    static const std::string p = [] {
        const std::string path = (dir() / "limit.csv").string();
        std::ofstream(path, std::ios::binary) << zel::datasetToCsv(limit());
        return path;
    }();
    return p;
}

void BM_ImportXlsxLimit(benchmark::State& state) {
    const std::string& path = xlsxPath();
    for (auto _ : state) {
        const std::string bytes = fileBytes(path);
        zel::Dataset ds;
        zel::XlsxReadInfo info;
        if (const zel::Status s = zel::xlsxToDataset(bytes, ds, std::nullopt, info); !s) {
            state.SkipWithError(s.message().c_str());
            break;
        }
        benchmark::DoNotOptimize(ds.storedValues().data());
    }
}
BENCHMARK(BM_ImportXlsxLimit)->Unit(benchmark::kMillisecond);

void BM_ImportCsvLimit(benchmark::State& state) {
    const std::string& path = csvPath();
    for (auto _ : state) {
        const std::string bytes = fileBytes(path);
        zel::Dataset ds;
        zel::CsvReadInfo info;
        if (const zel::Status s = zel::csvToDataset(bytes, ds, zel::CsvReadOptions{}, info); !s) {
            state.SkipWithError(s.message().c_str());
            break;
        }
        benchmark::DoNotOptimize(ds.storedValues().data());
    }
}
BENCHMARK(BM_ImportCsvLimit)->Unit(benchmark::kMillisecond);

void BM_ExportXlsxLimit(benchmark::State& state) {
    const std::string path = (dir() / "export.xlsx").string();
    const zel::Dataset& ds = limit();
    for (auto _ : state)
        if (const zel::Status s = zel::writeXlsx(ds, path); !s) {
            state.SkipWithError(s.message().c_str());
            break;
        }
}
BENCHMARK(BM_ExportXlsxLimit)->Unit(benchmark::kMillisecond);

void BM_ExportCsvLimit(benchmark::State& state) {
    const zel::Dataset& ds = limit();
    for (auto _ : state)
        benchmark::DoNotOptimize(zel::datasetToCsv(ds).size());
}
BENCHMARK(BM_ExportCsvLimit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
