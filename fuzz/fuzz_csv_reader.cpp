// libFuzzer target for the CSV reader, strict and with everything detected: any
// input must either parse into a dataset that writes out and reads back the same,
// or fail and leave the dataset alone.
#include "dataset/CsvFile.h"
#include "dataset/Dataset.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    zel::Dataset ds;
    ds.resize(1, 1);
    ds.setName(1, "sentinel");
    // With everything detected (encoding, separator, layout): the same rules.
    {
        zel::Dataset any;
        any.resize(1, 1);
        any.setName(1, "sentinel");
        zel::CsvReadInfo info;
        if (!zel::csvToDataset(csv, any, zel::CsvReadOptions{}, info).isOk()) {
            if (any.sampleCount() != 1 || any.variableCount() != 1 || any.name(1) != "sentinel") std::abort();
        } else {
            if (info.rowLines.size() != static_cast<std::size_t>(any.sampleCount()) + 1) std::abort();
            const std::string text = zel::datasetToCsv(any);
            zel::Dataset again;
            if (!zel::csvToDataset(text, again).isOk() || zel::datasetToCsv(again) != text) std::abort();
        }
    }
    const zel::Status s = zel::csvToDataset(csv, ds);
    if (!s.isOk()) {
        if (ds.sampleCount() != 1 || ds.variableCount() != 1 || ds.name(1) != "sentinel")
            std::abort(); // a failed read changed the dataset
        return 0;
    }
    if (ds.sampleCount() < 1 || ds.variableCount() < 1) std::abort();
    // Whatever was read writes out as CSV that reads back to the same text.
    const std::string again = zel::datasetToCsv(ds);
    zel::Dataset back;
    if (!zel::csvToDataset(again, back).isOk() || zel::datasetToCsv(back) != again) std::abort();
    return 0;
}
