// Code page 932 through glibc's iconv "CP932", which maps 〜, −, ‖, ¢, £ and ¬
// one way as the Japanese Windows code page does.
#include "common/Cp932.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace zel {
namespace {

// One iconv descriptor per direction, opened on first use and kept.
class Converter {
  public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }
    void reset() const { iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

  private:
    iconv_t m_cd;
};

const Converter& toCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}
const Converter& fromCp932() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

// Length of the valid UTF-8 sequence at s (0 when it is not valid) and its code point.
std::size_t decodeUtf8(std::string_view s, char32_t& cp) {
    if (s.empty()) return 0;
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t len;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < len) return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

std::string codePointName(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

} // namespace

Result<std::string> utf8ToCp932(std::string_view utf8) {
    const Converter& conv = toCp932();
    if (!conv.valid()) return Status::ioError("シフトJISの変換表が見つかりません。");
    conv.reset();
    std::string out;
    out.resize(utf8.size() * 2 + 8);
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(conv.get(), &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            const std::size_t used = static_cast<std::size_t>(dst - out.data());
            out.resize(out.size() * 2);
            dst = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        // EILSEQ or EINVAL: a character that cannot be represented, or bad UTF-8.
        const std::string_view rest(in, inLeft);
        char32_t cp = 0;
        const std::size_t len = decodeUtf8(rest, cp);
        if (len == 0) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned char>(rest[0]));
            return Status::invalidArgument(std::string("文字列に正しくないバイト（") + buf +
                                           "）があります。");
        }
        return Status::invalidArgument("「" + std::string(rest.substr(0, len)) + "」（" + codePointName(cp) +
                                       "）はシフトJISで保存できない文字です。");
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return out;
}

std::string cp932ToUtf8(std::string_view bytes) {
    static constexpr char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD
    const Converter& conv = fromCp932();
    std::string out;
    if (!conv.valid()) {
        // No converter: keep ASCII and replace the rest.
        for (char c : bytes) {
            if (static_cast<unsigned char>(c) < 0x80)
                out.push_back(c);
            else
                out += kReplacement;
        }
        return out;
    }
    conv.reset();
    out.resize(bytes.size() * 3 / 2 + 8);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(conv.get(), &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
        const int err = errno;
        if (err == E2BIG || outLeft < 4) {
            const std::size_t used = static_cast<std::size_t>(dst - out.data());
            out.resize(out.size() * 2 + 8);
            dst = out.data() + used;
            outLeft = out.size() - used;
            if (err == E2BIG) continue;
        }
        // An invalid or incomplete sequence: one U+FFFD for its first byte, then go on.
        for (char c : std::string_view(kReplacement, 3))
            *dst++ = c;
        outLeft -= 3;
        ++in;
        --inLeft;
        conv.reset();
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return out;
}

} // namespace zel
