// libFuzzer target for the recovery file read at start-up. Whatever the bytes,
// the reader refuses them or gives a dataset within the limits whose bytes,
// written again, are exactly the input (the format has one spelling per state).
#include "dataset/RecoveryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zel::Result<zel::RecoveryState> read = zel::readRecoveryBytes(bytes);
    if (!read) {
        if (read.status().message().empty()) std::abort();
        return 0;
    }
    const zel::Dataset& ds = read->dataset;
    if (ds.sampleCount() > zel::Dataset::kMaxCount || ds.variableCount() > zel::Dataset::kMaxCount)
        std::abort();
    if (ds.storedValues().size() > std::size_t(ds.sampleCount()) * std::size_t(ds.variableCount()))
        std::abort();
    if (zel::recoveryFileBytes(ds, read->pid, read->writtenAt) != bytes) std::abort();
    return 0;
}
