#include "format_real.h"

#include "conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

// The windows show exactly rounded roots and never call this; only the tests
// and benchmarks link it.
namespace calc {
namespace {

// A positive value as d.ddd… × 10^exponent: its significant digits without the point.
struct Scientific {
    std::array<char, 17> digits{};
    int count = 0;
    int exponent = 0;
};

// Reads std::to_chars' scientific output, "d[.ddd]e±XX".
Scientific readScientific(const char* first, const char* last)
{
    Scientific result;
    const char* e = std::find(first, last, 'e');
    for (const char* c = first; c != e; ++c)
        if (*c != '.')
            result.digits[static_cast<std::size_t>(result.count++)] = *c;
    for (const char* c = e + 2; c != last; ++c)
        result.exponent = result.exponent * 10 + (*c - '0');
    if (e[1] == '-')
        result.exponent = -result.exponent;
    return result;
}

void roundUpLastDigit(Scientific& number)
{
    auto i = static_cast<std::size_t>(number.count);
    while (i > 0 && number.digits[i - 1] == '9')
        number.digits[--i] = '0';
    if (i > 0) {
        ++number.digits[i - 1];
    } else {  // 9.99… became 10.0…
        number.digits[0] = '1';
        ++number.exponent;
    }
}

// The exact value rounded half to even to 15 significant digits. The shortest
// digits that read back as the value are much quicker to get and decide the
// same rounding for a normal double: they lie within half an ulp of it, an ulp
// is below a unit in the 15th digit, and no 16-digit tie lies between them and
// the value, or a 16-digit text would have been shorter or closer. Only when
// they end on such a tie themselves, or for subnormals, is the exact path taken.
Scientific roundedToFifteenDigits(double magnitude)
{
    std::array<char, 32> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    if (magnitude >= std::numeric_limits<double>::min()) {
        const char* const end = std::to_chars(first, last, magnitude, std::chars_format::scientific).ptr;
        Scientific shortest = readScientific(first, end);
        if (shortest.count <= 15)
            return shortest;
        const char next = shortest.digits[15];
        if (shortest.count == 17 || next != '5') {
            shortest.count = 15;
            if (next >= '5')
                roundUpLastDigit(shortest);
            return shortest;
        }
    }
    return readScientific(first, std::to_chars(first, last, magnitude, std::chars_format::scientific, 14).ptr);
}

}  // namespace

std::string formatReal(double value)
{
    if (value == 0.0)
        return "0";  // negative zero too
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const Scientific rounded = roundedToFifteenDigits(std::abs(value));
    FifteenDigits decimal{value < 0, 0, rounded.exponent};
    for (std::size_t i = 0; i < 15; ++i) {
        const int digit = i < static_cast<std::size_t>(rounded.count) ? rounded.digits[i] - '0' : 0;
        decimal.significand = decimal.significand * 10 + static_cast<std::uint64_t>(digit);
    }
    return formatFifteenDigits(decimal);
}

}  // namespace calc
