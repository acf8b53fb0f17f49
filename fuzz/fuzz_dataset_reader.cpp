// libFuzzer target for the dataset file reader. The input holds the names file,
// a zero byte, then the values file; without a zero byte the values file is
// missing. A dataset that reads through completely must also write and read
// back unchanged.
#include "dataset/DatasetFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto zero = input.find('\0');
    const std::string_view names = input.substr(0, zero);
    std::optional<std::string_view> values;
    if (zero != std::string_view::npos) values = input.substr(zero + 1);

    zel::Dataset ds;
    const zel::DatasetReadResult r = zel::readDatasetBytes(names, values, ds, "n", "v");
    // Storage never goes beyond what the values file can fill.
    if (!values && !ds.storedValues().empty()) std::abort();
    if (values && ds.storedValues().size() > values->size() + 1 && ds.storedValues().size() > r.valuesRead)
        std::abort();
    if (!r.status.isOk()) return 0;

    const zel::Result<std::string> namesOut = zel::namesFileBytes(ds);
    if (!namesOut) return 0; // a text that only came from invalid bytes (U+FFFD) cannot be written
    const std::string valuesOut = zel::valuesFileBytes(ds);
    zel::Dataset back;
    const zel::DatasetReadResult r2 = zel::readDatasetBytes(*namesOut, std::string_view(valuesOut), back);
    if (!r2.status.isOk() || back.sampleCount() != ds.sampleCount() ||
        back.variableCount() != ds.variableCount())
        std::abort();
    for (int j = 1; j <= ds.variableCount(); ++j)
        if (back.name(j) != ds.name(j)) std::abort();
    for (int i = 1; i <= ds.sampleCount(); ++i) {
        if (back.mask(i) != ds.mask(i) || back.label(i) != ds.label(i)) std::abort();
        for (int j = 1; j <= ds.variableCount(); ++j) {
            const double a = ds.value(i, j), b = back.value(i, j);
            // Values are written with 15 significant digits.
            if (a != b && std::abs(a - b) > 1e-14 * std::abs(a)) std::abort();
        }
    }
    return 0;
}
