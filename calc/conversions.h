#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The conversions every number of the program passes through, with formatReal
// (format_real.h), which rounds a root for formatFifteenDigits. None of them
// depends on the process locale: the decimal separator is always the full
// stop and the minus sign the hyphen-minus. Texts are UTF-8.
namespace calc {

// Converts a coefficient text to a 32-bit signed integer.
//
// Blanks (spaces and tabs) around the number are ignored. The number is
//   [+|-] digits-with-at-most-one-full-stop [E|e [+|-] digits]
// with at least one digit before the exponent, or &H followed by hexadecimal
// digits, or &O followed by octal digits (prefix letters in either case, no
// sign before the prefix). Hexadecimal and octal digits are read as a 32-bit
// two's-complement pattern: &HFFFFFFFF is -1.
//
// A decimal value is rounded half to even on its exact decimal value, never on
// a binary approximation: "2.5" gives 2, "3.5" gives 4, "2.5000000000000001"
// gives 3. Texts of any length are accepted, in time linear in their length.
//
// Throws RunTimeError: TypeMismatch when the text is not such a number (empty
// text, blanks only, any non-ASCII character), Overflow when the rounded value,
// or a hexadecimal or octal pattern, does not fit in 32 bits.
std::int32_t parseCoefficient(std::string_view text);

// The decimal digits of the value, with a leading minus sign when negative.
// No blanks, no grouping: -2147483648 gives "-2147483648". Never fails.
std::string formatInteger(std::int32_t value);

// A decimal already rounded to 15 significant digits:
// significand · 10^(exponent - 14) with 10^14 <= significand < 10^15, or zero
// when the significand is 0.
struct FifteenDigits {
    bool negative = false;
    std::uint64_t significand = 0;
    int exponent = 0;
};

// Writes such a decimal as the program shows roots: trailing zeros of the
// fraction and a bare full stop are dropped. Magnitudes from 1E-04 up to but
// excluding 1E+15 are positional ("0.333333333333333", "100"); others use an
// exponent with a capital E, its sign and at least two digits ("1E+15",
// "1.23456789012346E+15", "5E-10"). Zero is "0" whatever its sign.
std::string formatFifteenDigits(const FifteenDigits& value);

}  // namespace calc
