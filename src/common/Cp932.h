// Conversion between UTF-8 (used everywhere in memory) and code page 932
// (used by the dataset files), through iconv's "CP932".
#pragma once

#include "common/Status.h"

#include <string>
#include <string_view>

namespace zel {

// Converts UTF-8 text to code page 932. Fails with a Japanese message that names
// the first character code page 932 cannot represent.
Result<std::string> utf8ToCp932(std::string_view utf8);

// Converts code page 932 bytes to UTF-8. Never fails: a byte sequence that is not
// valid code page 932 becomes U+FFFD.
std::string cp932ToUtf8(std::string_view bytes);

} // namespace zel
