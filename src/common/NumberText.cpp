// Number texts: general and signed number texts, numbers shown with a fixed
// number of decimals, fixed display patterns, the lenient parse of typed
// numbers and rounding of halves to even.
//
// Non-finite values never come out of the program's own parsing; if one reaches
// a number text anyway it is written as 0 (" 0" in signed form), because the
// program has no text for "no number" and a file must stay readable.
#include "common/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace zel {
namespace {

// A finite, non-zero magnitude as its significant digits (no trailing zeros,
// at most 15) and the decimal exponent of the first digit: value = d.ddd x 10^exp.
struct Decimal {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

// Splits the scientific text "d.ddde+XX" made by std::to_chars into digits and exponent.
void splitScientific(const char* first, const char* last, Decimal& d) {
    d.count = 0;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    int exp = 0;
    if (p != last) {
        ++p;
        if (p != last && *p == '+') ++p;
        std::from_chars(p, last, exp);
    }
    d.exponent = exp;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
}

// The magnitude rounded to 15 significant digits.
Decimal toDecimal(double magnitude) {
    Decimal d;
    // Fast path for values with few decimals (most measurements): the smallest k
    // for which m = v * 10^k is an integer of at most 15 digits with m / 10^k == v.
    // Such a decimal reads back as v and has at most 15 digits, so it is v rounded
    // to 15 digits. Both m and 10^k are exact doubles, so the check is exact.
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (magnitude >= 1e-7 && magnitude < 1e15) {
        for (int k = 0; k <= 22; ++k) {
            const double m = std::round(magnitude * kPow10[k]);
            if (m >= 1e15) break;
            if (m / kPow10[k] == magnitude) {
                char ibuf[24];
                const auto r = std::to_chars(ibuf, ibuf + sizeof ibuf, static_cast<unsigned long long>(m));
                int len = static_cast<int>(r.ptr - ibuf);
                d.exponent = len - 1 - k;
                while (len > 1 && ibuf[len - 1] == '0')
                    --len;
                for (int i = 0; i < len; ++i)
                    d.digits[i] = ibuf[i];
                d.count = len;
                return d;
            }
        }
    }
    char buf[64];
    // The shortest text that reads back as the same double: when it needs no more
    // than 15 digits it is also the value rounded to 15 digits (for normal values,
    // whose precision is finer than 15 digits; not for subnormal ones).
    std::to_chars_result r{};
    if (magnitude >= std::numeric_limits<double>::min()) {
        r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
        splitScientific(buf, r.ptr, d);
        if (d.count <= 15) return d;
    }
    r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    splitScientific(buf, r.ptr, d);
    // The largest doubles round up to 1.79769313486232E+308, which lies beyond
    // the range of double and could not be read back: they keep the digit below.
    static constexpr char kBeyondMax[] = "179769313486232";
    if (d.exponent == 308 && d.count == 15 && std::equal(d.digits, d.digits + 15, kBeyondMax))
        d.digits[14] = '1';
    return d;
}

// Writes the text of a magnitude without its sign. leadingZero: "0.5" rather than ".5".
char* writeMagnitude(char* out, const Decimal& d, bool leadingZero) {
    const int n = d.count;
    const int e = d.exponent;
    if (e >= 15 || e < -4) {
        *out++ = d.digits[0];
        if (n > 1) {
            *out++ = '.';
            for (int i = 1; i < n; ++i)
                *out++ = d.digits[i];
        }
        *out++ = 'E';
        *out++ = e < 0 ? '-' : '+';
        const int a = std::abs(e);
        if (a < 10) *out++ = '0';
        out = std::to_chars(out, out + 8, a).ptr;
    } else if (e >= 0) {
        for (int i = 0; i <= e; ++i)
            *out++ = i < n ? d.digits[i] : '0';
        if (n > e + 1) {
            *out++ = '.';
            for (int i = e + 1; i < n; ++i)
                *out++ = d.digits[i];
        }
    } else {
        if (leadingZero) *out++ = '0';
        *out++ = '.';
        for (int i = 0; i < -e - 1; ++i)
            *out++ = '0';
        for (int i = 0; i < n; ++i)
            *out++ = d.digits[i];
    }
    return out;
}

bool isIgnorable(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

char* writeGeneralNumberText(char* out, double value) {
    if (!std::isfinite(value) || value == 0.0) {
        *out++ = '0';
        return out;
    }
    if (value < 0) *out++ = '-';
    return writeMagnitude(out, toDecimal(std::fabs(value)), true);
}

char* writeSignedNumberText(char* out, double value) {
    if (!std::isfinite(value) || value == 0.0) {
        *out++ = ' ';
        *out++ = '0';
        return out;
    }
    *out++ = value < 0 ? '-' : ' ';
    return writeMagnitude(out, toDecimal(std::fabs(value)), false);
}

std::string generalNumberText(double value) {
    char buf[kNumberTextMax];
    return std::string(buf, writeGeneralNumberText(buf, value));
}

std::string rowHeading(int n) {
    return "NO." + std::to_string(n);
}

std::string signedNumberText(double value) {
    char buf[kNumberTextMax];
    return std::string(buf, writeSignedNumberText(buf, value));
}

namespace {

// The shown form of a value with a fixed number of decimals: the digits of its
// general number text (15 significant digits), so that 1.015 rounds as the user
// reads it, not as the binary value lies, rounded half away from zero to maxFrac
// decimals. Trailing zeros beyond minFrac go; at least minInt integer digits
// stay. keepPoint: a point follows even when no decimals do (a pattern "0.").
// signedZero: a negative value that rounds to zero keeps its minus sign.
std::string fixedText(double value, int minInt, int minFrac, int maxFrac, bool keepPoint, bool signedZero) {
    if (!std::isfinite(value)) value = 0.0;
    std::string intDigits, fracDigits;
    if (value != 0.0) {
        const Decimal d = toDecimal(std::fabs(value));
        const int n = d.count;
        if (d.exponent >= 0) {
            for (int i = 0; i <= d.exponent; ++i)
                intDigits.push_back(i < n ? d.digits[i] : '0');
            if (n > d.exponent + 1) fracDigits.assign(d.digits + d.exponent + 1, d.digits + n);
        } else {
            fracDigits.assign(static_cast<std::size_t>(-d.exponent - 1), '0');
            fracDigits.append(d.digits, d.digits + n);
        }
    }
    // Round half away from zero to maxFrac decimals.
    if (static_cast<int>(fracDigits.size()) > maxFrac) {
        const bool up = fracDigits[static_cast<std::size_t>(maxFrac)] >= '5';
        fracDigits.resize(static_cast<std::size_t>(maxFrac));
        if (up) {
            std::string all = intDigits + fracDigits;
            int i = static_cast<int>(all.size()) - 1;
            for (; i >= 0; --i) {
                if (all[i] == '9') {
                    all[i] = '0';
                } else {
                    ++all[i];
                    break;
                }
            }
            if (i < 0) {
                all.insert(all.begin(), '1');
                intDigits.insert(intDigits.begin(), '0'); // one more integer digit
            }
            intDigits = all.substr(0, intDigits.size());
            fracDigits = all.substr(intDigits.size());
        }
    }
    while (static_cast<int>(fracDigits.size()) > minFrac && fracDigits.back() == '0')
        fracDigits.pop_back();
    while (static_cast<int>(fracDigits.size()) < minFrac)
        fracDigits.push_back('0');
    // Integer digits: no leading zeros beyond the minimum.
    std::size_t lead = 0;
    while (lead < intDigits.size() && intDigits[lead] == '0')
        ++lead;
    intDigits.erase(0, lead);
    if (static_cast<int>(intDigits.size()) < minInt)
        intDigits.insert(0, static_cast<std::size_t>(minInt) - intDigits.size(), '0');

    const bool nonZero = intDigits.find_first_not_of('0') != std::string::npos ||
                         fracDigits.find_first_not_of('0') != std::string::npos;
    std::string out;
    if (value < 0 && (nonZero || signedZero)) out.push_back('-');
    out += intDigits;
    if (!fracDigits.empty()) {
        out.push_back('.');
        out += fracDigits;
    } else if (keepPoint) {
        out.push_back('.');
    }
    if (out.empty() || out == "-") out.assign(1, '0');
    return out;
}

} // namespace

std::string decimalsText(double value, int decimals) {
    const int d = decimals < 0 ? 0 : (decimals > kMaxShownDecimals ? kMaxShownDecimals : decimals);
    return fixedText(value, 1, d, d, false, true);
}

std::string formatPattern(double value, std::string_view pattern) {
    // The pattern: digits before the point ('0' always shown), digits after it
    // ('0' always shown, '#' only when not a trailing zero).
    const auto point = pattern.find('.');
    const std::string_view intPart = pattern.substr(0, point);
    const std::string_view fracPart =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    int minInt = 0, minFrac = 0, maxFrac = 0;
    for (char c : intPart)
        if (c == '0') ++minInt;
    for (char c : fracPart) {
        if (c == '0') {
            ++minFrac;
            ++maxFrac;
        } else if (c == '#') {
            ++maxFrac;
        }
    }
    return fixedText(value, minInt, minFrac, maxFrac, point != std::string_view::npos && maxFrac == 0, false);
}

double lenientParse(std::string_view text) {
    // Collect the longest prefix (ignoring blanks and line breaks) that forms a number.
    std::string num;
    std::size_t i = 0;
    auto next = [&]() -> int {
        while (i < text.size() && isIgnorable(text[i]))
            ++i;
        return i < text.size() ? static_cast<unsigned char>(text[i]) : -1;
    };
    int c = next();
    if (c == '+' || c == '-') {
        if (c == '-') num.push_back('-');
        ++i;
        c = next();
    }
    bool anyDigit = false;
    while (c >= 0 && isDigit(static_cast<char>(c))) {
        num.push_back(static_cast<char>(c));
        anyDigit = true;
        ++i;
        c = next();
    }
    if (c == '.') {
        num.push_back('.');
        ++i;
        c = next();
        while (c >= 0 && isDigit(static_cast<char>(c))) {
            num.push_back(static_cast<char>(c));
            anyDigit = true;
            ++i;
            c = next();
        }
    }
    if (!anyDigit) return 0.0;
    if (c == 'E' || c == 'e') {
        // An exponent counts only when a digit follows (after an optional sign).
        const std::size_t save = i;
        ++i;
        std::string exp = "e";
        int d = next();
        if (d == '+' || d == '-') {
            if (d == '-') exp.push_back('-');
            ++i;
            d = next();
        }
        if (d >= 0 && isDigit(static_cast<char>(d))) {
            while (d >= 0 && isDigit(static_cast<char>(d))) {
                exp.push_back(static_cast<char>(d));
                ++i;
                d = next();
            }
            num += exp;
        } else {
            i = save;
        }
    }
    double v = 0.0;
    const auto r = std::from_chars(num.data(), num.data() + num.size(), v);
    if (r.ec != std::errc()) return 0.0; // out of the range of double: no number rather than infinity
    return v == 0.0 ? 0.0 : v;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double r = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return r;
}

std::optional<double> strictNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0') return std::nullopt;
    return v;
}

std::optional<int> strictInteger(const std::string& text) {
    const std::optional<double> v = strictNumber(text);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9) return std::nullopt;
    return static_cast<int>(*v);
}

} // namespace zel
