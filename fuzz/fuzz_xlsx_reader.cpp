// libFuzzer target for the workbook reader: any input must either read into a
// dataset within the limits or fail and leave the dataset alone; what was read
// must write out as CSV and read back the same.
#include "dataset/CsvFile.h"
#include "dataset/Dataset.h"
#include "dataset/XlsxReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zel::Dataset ds;
    ds.resize(1, 1);
    ds.setName(1, "sentinel");
    zel::XlsxReadInfo info;
    const zel::Status s = zel::xlsxToDataset(bytes, ds, std::nullopt, info);
    if (!s.isOk()) {
        if (ds.sampleCount() != 1 || ds.variableCount() != 1 || ds.name(1) != "sentinel")
            std::abort(); // a failed read changed the dataset
        if (s.message().empty()) std::abort();
        return 0;
    }
    if (ds.sampleCount() < 1 || ds.sampleCount() > zel::Dataset::kMaxCount || ds.variableCount() < 1 ||
        ds.variableCount() > zel::kMaxSheetVariables ||
        info.rowNumbers.size() != static_cast<std::size_t>(ds.sampleCount()) + 1)
        std::abort();
    const std::string csv = zel::datasetToCsv(ds);
    zel::Dataset back;
    if (!zel::csvToDataset(csv, back).isOk() || zel::datasetToCsv(back) != csv) std::abort();
    return 0;
}
