// libFuzzer target: the hypertext label's stored property-set reader. A set it
// accepts must survive writing and reading again unchanged.
#include "korutext/KoruPropertySet.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto set = zel::koru::KoruPropertySet::read(data, size);
    if (!set) return 0;
    const auto again = zel::koru::KoruPropertySet::read(set->write());
    if (!again || !(*again == *set)) std::abort();
    (void)set->resolve({});
    return 0;
}
