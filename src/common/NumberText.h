// Number texts shared by every window and file: the general number text, the
// signed number text of the files, numbers with fixed decimals, fixed display
// patterns, the lenient parse of typed numbers and rounding of halves to even.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Shortest decimal text with up to 15 significant digits: "0.5", "12", "-3",
// "1E+15", "1.5E-05". Exponent form from 1E+15 upwards and below 1E-04 in magnitude.
std::string generalNumberText(double value);

// The heading of numbered row n of a sheet, a dialog's grid or a result table:
// "NO." and the number ("NO.12").
std::string rowHeading(int n);

// As generalNumberText, but a value of 0 or more gets one leading blank in place
// of the sign, and a magnitude below 1 has no digit before the point:
// 0.5 -> " .5", -0.25 -> "-.25", 3 -> " 3". No trailing blank.
std::string signedNumberText(double value);

// The same texts written into a buffer of at least kNumberTextMax characters,
// for writers of many numbers; they return the end of the text (no terminator).
constexpr int kNumberTextMax = 32;
char* writeGeneralNumberText(char* out, double value);
char* writeSignedNumberText(char* out, double value);

// The text every grid cell and every table the program shows uses for a number
// with a fixed count of decimals (0 to kMaxShownDecimals; more count as the
// maximum): the value's general number text rounded half away from zero, as a
// spreadsheet rounds, so that 1.015 shows as "1.02" and -1.015 as "-1.02",
// although the binary value lies just below 1.015. A negative value that rounds
// to zero keeps its sign, so that the reader sees it was below zero ("-0.00"
// for -0.001); a value that is not finite shows as 0.
constexpr int kMaxShownDecimals = 15;
std::string decimalsText(double value, int decimals);

// A fixed display pattern such as "###0.00" or "#######0.00": '0' is a digit that
// is always shown, '#' a digit shown only when significant, '.' the decimal point.
// Digits beyond the pattern's integer part are still shown; the fraction is
// rounded half away from zero to the pattern's decimals.
std::string formatPattern(double value, std::string_view pattern);

// Lenient parse of a typed number: blanks, tabs, CR and LF anywhere are ignored,
// reading stops at the first character that cannot continue a number, and a text
// without a number gives 0. "1.5abc" -> 1.5, "abc" -> 0, " 1 2 " -> 12.
double lenientParse(std::string_view text);

// Strict parse of an option's value: the whole text must be one finite decimal
// number, with blanks or tabs allowed only after it. "2.5" -> 2.5; "", "2x",
// "1e999" and "nan" -> nothing.
std::optional<double> strictNumber(const std::string& text);
// The same for a whole number of at most 1e9 in size: "3" -> 3; "3.5" -> nothing.
std::optional<int> strictInteger(const std::string& text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

} // namespace zel
