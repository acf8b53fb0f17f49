// Tests of the number texts, display patterns, the lenient parse and rounding.
#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

using namespace zel;

TEST(GeneralNumberText, PlainValues) {
    EXPECT_EQ(generalNumberText(0.5), "0.5");
    EXPECT_EQ(generalNumberText(12), "12");
    EXPECT_EQ(generalNumberText(-3), "-3");
    EXPECT_EQ(generalNumberText(0), "0");
    EXPECT_EQ(generalNumberText(-0.0), "0");
    EXPECT_EQ(generalNumberText(12.345), "12.345");
    EXPECT_EQ(generalNumberText(-0.25), "-0.25");
    EXPECT_EQ(generalNumberText(100), "100");
    EXPECT_EQ(generalNumberText(1234567.5), "1234567.5");
    EXPECT_EQ(generalNumberText(0.1 + 0.2), "0.3"); // 15 significant digits hide the binary error
}

TEST(GeneralNumberText, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(generalNumberText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(generalNumberText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(generalNumberText(-2.0 / 3.0), "-0.666666666666667");
    EXPECT_EQ(generalNumberText(123456789.123456789), "123456789.123457");
    // Rounding that carries into a new leading digit.
    EXPECT_EQ(generalNumberText(0.99999999999999999), "1");
    EXPECT_EQ(generalNumberText(9.9999999999999995), "10");
}

TEST(GeneralNumberText, ExponentThresholds) {
    EXPECT_EQ(generalNumberText(999999999999999.0), "999999999999999");
    EXPECT_EQ(generalNumberText(1e15), "1E+15");
    EXPECT_EQ(generalNumberText(-1e15), "-1E+15");
    EXPECT_EQ(generalNumberText(1.5e15), "1.5E+15");
    // Rounds up to 1E+15 only after rounding to 15 digits.
    EXPECT_EQ(generalNumberText(999999999999999.9), "1E+15");
    EXPECT_EQ(generalNumberText(0.0001), "0.0001");
    EXPECT_EQ(generalNumberText(-0.0001), "-0.0001");
    EXPECT_EQ(generalNumberText(0.00012), "0.00012");
    EXPECT_EQ(generalNumberText(0.00001), "1E-05");
    EXPECT_EQ(generalNumberText(0.000015), "1.5E-05");
    EXPECT_EQ(generalNumberText(-0.000015), "-1.5E-05");
    EXPECT_EQ(generalNumberText(-2.5e100), "-2.5E+100");
    EXPECT_EQ(generalNumberText(1e-100), "1E-100");
    EXPECT_EQ(generalNumberText(1.7976931348623157e308), "1.79769313486231E+308"); // see below
    EXPECT_EQ(generalNumberText(5e-324), "4.94065645841247E-324");
}

TEST(GeneralNumberText, NonFiniteValuesGiveZero) {
    EXPECT_EQ(generalNumberText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(generalNumberText(std::nan("")), "0");
    EXPECT_EQ(signedNumberText(-std::numeric_limits<double>::infinity()), " 0");
}

TEST(SignedNumberText, Examples) {
    EXPECT_EQ(signedNumberText(0.5), " .5");
    EXPECT_EQ(signedNumberText(-0.25), "-.25");
    EXPECT_EQ(signedNumberText(3), " 3");
    EXPECT_EQ(signedNumberText(0), " 0");
    EXPECT_EQ(signedNumberText(-0.0), " 0");
    EXPECT_EQ(signedNumberText(-3), "-3");
    EXPECT_EQ(signedNumberText(12.345), " 12.345");
    EXPECT_EQ(signedNumberText(0.0001), " .0001");
    EXPECT_EQ(signedNumberText(1e15), " 1E+15");
    EXPECT_EQ(signedNumberText(-0.000015), "-1.5E-05");
    EXPECT_EQ(signedNumberText(0.00001), " 1E-05");
    EXPECT_EQ(signedNumberText(1.5), " 1.5");
}

TEST(SignedNumberText, ReadsBackThroughTheLenientParse) {
    for (double v : {0.5, -0.25, 3.0, 12.345, -0.5, 1e15, 1.5e-5, -2.5e100, 123456.789012345})
        EXPECT_DOUBLE_EQ(lenientParse(signedNumberText(v)), v) << v;
}

TEST(DecimalsText, RoundsTheReadDigitsHalfAwayFromZero) {
    // The binary values lie just below the halves; the shown text rounds as they read.
    EXPECT_EQ(decimalsText(1.015, 2), "1.02");
    EXPECT_EQ(decimalsText(0.015, 2), "0.02");
    EXPECT_EQ(decimalsText(-1.015, 2), "-1.02");
    EXPECT_EQ(decimalsText(2.675, 2), "2.68");
    EXPECT_EQ(decimalsText(1.005, 2), "1.01");
    EXPECT_EQ(decimalsText(2.03 / 2, 2), "1.02"); // the mean of 1.01 and 1.02
    EXPECT_EQ(decimalsText(1.0149, 2), "1.01");
    // Zero and whole-number places; carries into a new digit.
    EXPECT_EQ(decimalsText(0, 2), "0.00");
    EXPECT_EQ(decimalsText(2.5, 0), "3");
    EXPECT_EQ(decimalsText(-2.5, 0), "-3");
    EXPECT_EQ(decimalsText(0.4, 0), "0");
    EXPECT_EQ(decimalsText(9.995, 2), "10.00");
    EXPECT_EQ(decimalsText(-0.001, 2), "-0.00"); // a negative value that rounds to zero
    EXPECT_EQ(decimalsText(-0.0, 2), "0.00");
    EXPECT_EQ(decimalsText(3, 3), "3.000");
    // Large and small magnitudes: the 15 digits, then zeros.
    EXPECT_EQ(decimalsText(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(decimalsText(1.23456789012345678e20, 0), "123456789012346000000");
    EXPECT_EQ(decimalsText(1.5e-7, 8), "0.00000015");
    // The places run from 0 to the maximum.
    EXPECT_EQ(kMaxShownDecimals, 15);
    EXPECT_EQ(decimalsText(0.1, 100), "0.100000000000000");
    EXPECT_EQ(decimalsText(1.6, -3), "2");
}

TEST(GeneralNumberText, TheLargestValuesReadBack) {
    // 1.7976931348623157E+308 to 15 digits would be 1.79769313486232E+308, beyond double.
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(generalNumberText(max), "1.79769313486231E+308");
    EXPECT_EQ(signedNumberText(-max), "-1.79769313486231E+308");
    EXPECT_TRUE(std::isfinite(lenientParse(generalNumberText(max))));
    EXPECT_EQ(generalNumberText(1.5e308), "1.5E+308");
    EXPECT_EQ(generalNumberText(1.79769313486231e308), "1.79769313486231E+308");
}

TEST(FormatPattern, FourDigitPattern) {
    EXPECT_EQ(formatPattern(3.14159, "###0.00"), "3.14");
    EXPECT_EQ(formatPattern(0, "###0.00"), "0.00");
    EXPECT_EQ(formatPattern(0.5, "###0.00"), "0.50");
    EXPECT_EQ(formatPattern(-2.5, "###0.00"), "-2.50");
    EXPECT_EQ(formatPattern(12.345, "###0.00"), "12.35"); // half away from zero, as read
    EXPECT_EQ(formatPattern(-12.345, "###0.00"), "-12.35");
    EXPECT_EQ(formatPattern(1.005, "###0.00"), "1.01");
    EXPECT_EQ(formatPattern(9.999, "###0.00"), "10.00");
    EXPECT_EQ(formatPattern(0.999, "###0.00"), "1.00");
    EXPECT_EQ(formatPattern(123456.789, "###0.00"), "123456.79"); // wider than the pattern
    EXPECT_EQ(formatPattern(-0.001, "###0.00"), "0.00");          // no minus sign on a zero
}

TEST(FormatPattern, EightDigitPattern) {
    EXPECT_EQ(formatPattern(1234.5, "#######0.00"), "1234.50");
    EXPECT_EQ(formatPattern(-0.125, "#######0.00"), "-0.13");
    EXPECT_EQ(formatPattern(99999999.995, "#######0.00"), "100000000.00");
    EXPECT_EQ(formatPattern(1e20, "#######0.00"), "100000000000000000000.00");
    EXPECT_EQ(formatPattern(1.5e-7, "#######0.00"), "0.00");
    EXPECT_EQ(formatPattern(0.005, "#######0.00"), "0.01");
}

TEST(FormatPattern, OtherPatterns) {
    EXPECT_EQ(formatPattern(7, "000"), "007");
    EXPECT_EQ(formatPattern(1234, "000"), "1234");
    EXPECT_EQ(formatPattern(2.5, "0"), "3");
    EXPECT_EQ(formatPattern(-2.5, "0"), "-3");
    EXPECT_EQ(formatPattern(1.5, "0.0#"), "1.5");
    EXPECT_EQ(formatPattern(1.257, "0.0#"), "1.26");
    EXPECT_EQ(formatPattern(0.25, "#.00"), ".25");
}

TEST(LenientParse, Examples) {
    EXPECT_DOUBLE_EQ(lenientParse("1.5abc"), 1.5);
    EXPECT_DOUBLE_EQ(lenientParse("abc"), 0);
    EXPECT_DOUBLE_EQ(lenientParse(""), 0);
    EXPECT_DOUBLE_EQ(lenientParse("1 2"), 12);
    EXPECT_DOUBLE_EQ(lenientParse(" 1 2 "), 12);
    EXPECT_DOUBLE_EQ(lenientParse("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(lenientParse("1e3"), 1000);
    EXPECT_DOUBLE_EQ(lenientParse("1E-2"), 0.01);
    EXPECT_DOUBLE_EQ(lenientParse("1e"), 1);
    EXPECT_DOUBLE_EQ(lenientParse("1e+"), 1);
    EXPECT_DOUBLE_EQ(lenientParse("1ex"), 1);
    EXPECT_DOUBLE_EQ(lenientParse("--1"), 0);
    EXPECT_DOUBLE_EQ(lenientParse("+5"), 5);
    EXPECT_DOUBLE_EQ(lenientParse("5."), 5);
    EXPECT_DOUBLE_EQ(lenientParse("."), 0);
    EXPECT_DOUBLE_EQ(lenientParse("-"), 0);
    EXPECT_DOUBLE_EQ(lenientParse("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(lenientParse("12-3"), 12);
}

TEST(LenientParse, BlanksTabsAndLineBreaksAnywhere) {
    EXPECT_DOUBLE_EQ(lenientParse("\t1\r\n2 . 5"), 12.5);
    EXPECT_DOUBLE_EQ(lenientParse("- 3"), -3);
    EXPECT_DOUBLE_EQ(lenientParse("1 e 2"), 100);
    EXPECT_DOUBLE_EQ(lenientParse("2E - 1"), 0.2);
}

TEST(LenientParse, OutOfRangeGivesZero) {
    EXPECT_EQ(lenientParse("1e400"), 0.0);
    EXPECT_EQ(lenientParse("-1e400"), 0.0);
    EXPECT_EQ(lenientParse("1e-400"), 0.0);
    EXPECT_EQ(lenientParse("inf"), 0.0);
    EXPECT_EQ(lenientParse("nan"), 0.0);
    EXPECT_FALSE(std::signbit(lenientParse("-0")));
    EXPECT_DOUBLE_EQ(lenientParse("1.7976931348623157e308"), 1.7976931348623157e308);
}

TEST(RoundHalfEven, Halves) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(2.4), 2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
    EXPECT_EQ(roundHalfEven(-2.6), -3);
    EXPECT_EQ(roundHalfEven(32767.5), 32768);
    EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497.0);
}

// The general number text must always be the value rounded to 15 significant
// digits, whichever way the digits were found; printf's "%.14e" is the reference.
TEST(GeneralNumberText, AgreesWithFifteenDigitRoundingOnManyValues) {
    std::mt19937_64 rng(7);
    auto reference = [](double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.14e", v);
        return lenientParse(buf);
    };
    for (int i = 0; i < 200000; ++i) {
        double v;
        switch (i % 4) {
        case 0: // few decimals, as typed
            v = static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000) / 1000.0;
            break;
        case 1: // any bits that make a finite value
            do {
                const std::uint64_t bits = rng();
                std::memcpy(&v, &bits, sizeof v);
            } while (!std::isfinite(v));
            break;
        case 2: // results of arithmetic
            v = static_cast<double>(rng() % 100000 + 1) / static_cast<double>(rng() % 997 + 1);
            break;
        default: // near the exponent thresholds
            v = std::ldexp(static_cast<double>(rng() % 1000000 + 1), static_cast<int>(rng() % 120) - 70);
            break;
        }
        const std::string text = generalNumberText(v);
        const double rounded = reference(v);
        ASSERT_EQ(lenientParse(text), rounded) << text << " for " << v;
        const bool exponentForm = text.find('E') != std::string::npos;
        const double a = std::fabs(rounded);
        ASSERT_EQ(exponentForm, a != 0.0 && (a < 1e-4 || a >= 1e15)) << text;
        const std::string mantissa = text.substr(0, text.find('E'));
        if (mantissa.find('.') != std::string::npos) {
            ASSERT_NE(mantissa.back(), '0') << text;
        }
    }
}

TEST(StrictNumber, WholeTextOrNothing) {
    EXPECT_EQ(strictNumber("2.5"), 2.5);
    EXPECT_EQ(strictNumber("-1e3 \t"), -1000.0);
    EXPECT_EQ(strictNumber(" 7"), 7.0); // strtod skips leading blanks
    for (const char* bad : {"", " ", "2x", "2 5", "1e999", "nan", "inf", "０"})
        EXPECT_FALSE(strictNumber(bad)) << bad;
    EXPECT_EQ(strictInteger("3"), 3);
    EXPECT_EQ(strictInteger("-0"), 0);
    EXPECT_EQ(strictInteger("1000000000"), 1000000000);
    for (const char* bad : {"3.5", "1e10", "x", ""})
        EXPECT_FALSE(strictInteger(bad)) << bad;
}
