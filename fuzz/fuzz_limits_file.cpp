// libFuzzer target for the limits-file reader: any input either fails with one
// of the three read descriptions or gives six finite numbers that write out and
// read back to the same file.
#include "analysis/control/LimitsFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zel::Result<zel::ControlLines> r = zel::parseLimitsFile(bytes);
    if (!r.isOk()) {
        const std::string& m = r.status().message();
        if (m != "ファイルの終わり以降を読み込もうとしました。" && m != "型が一致しません。") std::abort();
        return 0;
    }
    for (const auto& row : *r)
        for (double v : row)
            if (!std::isfinite(v)) std::abort();
    // Written once, the numbers read back to text that writes out unchanged.
    const zel::Result<std::string> once = zel::limitsFileBytes("base", *r);
    if (!once.isOk()) std::abort();
    const zel::Result<zel::ControlLines> back = zel::parseLimitsFile(*once);
    if (!back.isOk()) std::abort();
    const zel::Result<std::string> twice = zel::limitsFileBytes("base", *back);
    if (!twice.isOk() || *twice != *once) std::abort();
    return 0;
}
