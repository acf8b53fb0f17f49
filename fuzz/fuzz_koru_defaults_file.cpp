// libFuzzer target: the hypertext label's defaults-file reader. Whatever the
// file holds, the values read are ones the control accepts, and writing them
// back and reading again gives the same values.
#include "korutext/KoruDefaultsFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    zel::koru::KoruDefaultsFile file = zel::koru::KoruDefaultsFile::parse(text);
    const zel::koru::KoruDefaultValues v = file.read();
    if (v.tabWidth <= 0 || !zel::koru::isValidKoruColour(v.backColor) ||
        !zel::koru::isValidKoruColour(v.foreColor))
        std::abort();
    zel::koru::KoruExchangeValues x;
    x.values = v;
    file.write(x);
    const zel::koru::KoruDefaultValues back = zel::koru::KoruDefaultsFile::parse(file.text()).read();
    if (!(back == v)) std::abort();
    (void)zel::koru::KoruDefaultsFile::parseReal(text);
    return 0;
}
