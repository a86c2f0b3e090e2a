#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "run_time_error.h"

namespace calc {
namespace {

constexpr std::int64_t int32Max = 2147483647;
constexpr std::int64_t int32MinMagnitude = 2147483648;

// Exponents and lengths are clamped far beyond anything that changes the
// result, so that no arithmetic on them can overflow.
constexpr std::int64_t clamp = 1'000'000'000'000'000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::int64_t clampedSize(std::size_t n)
{
    return static_cast<std::int64_t>(std::min<std::uint64_t>(n, static_cast<std::uint64_t>(clamp)));
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int digitValue(char c, int base)
{
    int value = 36;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// &H… or &O…: the digits are a 32-bit two's-complement pattern.
std::int32_t parsePrefixed(std::string_view text)
{
    if (text.size() < 3)
        throw RunTimeError::typeMismatch();
    const char prefix = text[1];
    int base = 0;
    if (prefix == 'H' || prefix == 'h')
        base = 16;
    else if (prefix == 'O' || prefix == 'o')
        base = 8;
    else
        throw RunTimeError::typeMismatch();

    const std::string_view digits = text.substr(2);
    if (!std::all_of(digits.begin(), digits.end(), [base](char c) { return digitValue(c, base) >= 0; }))
        throw RunTimeError::typeMismatch();

    std::uint64_t pattern = 0;
    for (char c : digits) {
        pattern = pattern * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digitValue(c, base));
        if (pattern > 0xFFFF'FFFFu)
            throw RunTimeError::overflow();
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
}

// A decimal number split into its parts; the text has been checked against
// the grammar already.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;  // clamped to ±clamp
};

DecimalParts splitDecimal(std::string_view text)
{
    DecimalParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        parts.negative = text[i++] == '-';

    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    parts.integerDigits = text.substr(integerStart, i - integerStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        parts.fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        throw RunTimeError::typeMismatch();

    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i])) {
            parts.exponent = std::min(parts.exponent * 10 + (text[i] - '0'), clamp);
            ++i;
        }
        if (i == exponentStart)
            throw RunTimeError::typeMismatch();
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    if (i != text.size())
        throw RunTimeError::typeMismatch();
    return parts;
}

// The significant digits of integerDigits·fractionDigits, read as 0.d1d2… × 10^pointPosition.
class Significand {
public:
    explicit Significand(const DecimalParts& parts) : integer_(parts.integerDigits), fraction_(parts.fractionDigits)
    {
        while (!integer_.empty() && integer_.front() == '0')
            integer_.remove_prefix(1);
        if (integer_.empty()) {
            const std::size_t zeros = std::min(fraction_.find_first_not_of('0'), fraction_.size());
            fraction_.remove_prefix(zeros);
            leadingFractionZeros_ = clampedSize(zeros);
        }
        pointPosition_ = clampedSize(integer_.size()) - leadingFractionZeros_ + parts.exponent;
    }

    bool isZero() const { return integer_.empty() && fraction_.empty(); }
    std::int64_t pointPosition() const { return pointPosition_; }
    std::int64_t size() const { return clampedSize(integer_.size()) + clampedSize(fraction_.size()); }

    char digit(std::int64_t index) const
    {
        const auto n = static_cast<std::size_t>(index);
        return n < integer_.size() ? integer_[n] : fraction_[n - integer_.size()];
    }

    bool anyNonZeroFrom(std::int64_t index) const
    {
        for (std::int64_t k = std::max<std::int64_t>(index, 0); k < size(); ++k)
            if (digit(k) != '0')
                return true;
        return false;
    }

private:
    std::string_view integer_;
    std::string_view fraction_;
    std::int64_t leadingFractionZeros_ = 0;
    std::int64_t pointPosition_ = 0;
};

std::int32_t parseDecimal(std::string_view text)
{
    const DecimalParts parts = splitDecimal(text);
    const Significand digits(parts);
    if (digits.isZero())
        return 0;

    // The leading digit is non-zero, so the value is at least 10^(P-1).
    const std::int64_t point = digits.pointPosition();
    if (point > 10)
        throw RunTimeError::overflow();

    std::int64_t magnitude = 0;
    for (std::int64_t k = 0; k < point; ++k)
        magnitude = magnitude * 10 + (k < digits.size() ? digits.digit(k) - '0' : 0);

    // Round half to even on the exact decimal digits after the point.
    if (point >= 0 && point < digits.size()) {
        const char first = digits.digit(point);
        const bool above = first > '5' || (first == '5' && digits.anyNonZeroFrom(point + 1));
        const bool tie = first == '5' && !above;
        if (above || (tie && magnitude % 2 != 0))
            ++magnitude;
    }

    if (magnitude > (parts.negative ? int32MinMagnitude : int32Max))
        throw RunTimeError::overflow();
    return static_cast<std::int32_t>(parts.negative ? -magnitude : magnitude);
}

// Writes ±d.ddd × 10^exponent from its significant digits, which end in a
// non-zero digit: positional from 1E-04 up to but excluding 1E+15, otherwise
// with an exponent of at least two digits.
std::string layOut(bool negative, std::string_view digits, int exponent)
{
    const auto count = static_cast<int>(digits.size());
    std::array<char, 32> buffer{};  // at most "-0.0000" or "-d." + 14 digits + "E+308"
    char* out = buffer.data();
    if (negative)
        *out++ = '-';
    if (exponent < -4 || exponent >= 15) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits.begin() + 1, digits.end(), out);
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        if (std::abs(exponent) < 10)
            *out++ = '0';
        out = std::to_chars(out, buffer.data() + buffer.size(), std::abs(exponent)).ptr;
    } else if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(digits.begin(), digits.end(), out);
    } else if (const int integerDigits = exponent + 1; count <= integerDigits) {
        out = std::copy(digits.begin(), digits.end(), out);
        out = std::fill_n(out, integerDigits - count, '0');
    } else {
        out = std::copy(digits.begin(), digits.begin() + integerDigits, out);
        *out++ = '.';
        out = std::copy(digits.begin() + integerDigits, digits.end(), out);
    }
    return {buffer.data(), out};
}

std::string_view withoutTrailingZeros(std::string_view digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.remove_suffix(1);
    return digits;
}

}  // namespace

std::int32_t parseCoefficient(std::string_view text)
{
    if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        throw RunTimeError::typeMismatch();
    text = trimBlanks(text);
    if (text.empty())
        throw RunTimeError::typeMismatch();
    return text.front() == '&' ? parsePrefixed(text) : parseDecimal(text);
}

std::string formatInteger(std::int32_t value)
{
    std::array<char, 12> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string formatFifteenDigits(const FifteenDigits& value)
{
    if (value.significand == 0)
        return "0";
    std::array<char, 20> buffer{};
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value.significand).ptr;
    const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    return layOut(value.negative, withoutTrailingZeros(digits), value.exponent);
}

}  // namespace calc
