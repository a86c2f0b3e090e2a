#pragma once

// An exact model of the roots the program shows, written apart from the
// solver: decimal big integers, and each root placed against a boundary by
// the sign of a·m² + b·m + c there and the side of the vertex -b / 2a,
// rather than through the square root.
#include <array>
#include <cstdint>
#include <string_view>

#include <gtest/gtest.h>

namespace model {

// A signed integer in base 10^9.
class ExactInteger {
public:
    explicit ExactInteger(std::int64_t value = 0);
    static ExactInteger powerOfTen(int exponent);
    static ExactInteger powerOfTwo(int exponent);

    int sign() const;
    ExactInteger operator-() const;
    friend ExactInteger operator+(const ExactInteger& x, const ExactInteger& y);
    friend ExactInteger operator-(const ExactInteger& x, const ExactInteger& y) { return x + -y; }
    friend ExactInteger operator*(const ExactInteger& x, const ExactInteger& y);

private:
    static constexpr std::uint32_t limbBase = 1'000'000'000;
    static constexpr int capacity = 24;  // 216 digits

    // -1, 0 or 1 as |this| is below, equal to or above |other|.
    int compareMagnitude(const ExactInteger& other) const;

    bool negative_ = false;
    int size_ = 0;  // no leading zero limbs; 0 for zero
    std::array<std::uint32_t, capacity> limbs_{};
};

// A root of a·x² + b·x + c: x1 = (-b + √d) / 2a (index 0) or x2 (index 1);
// for a = 0 the root -c / b.
struct Root {
    std::int64_t a = 0;
    std::int64_t b = 0;
    std::int64_t c = 0;
    int index = 0;

    // The sign of x - numerator / denominator, denominator > 0.
    int compare(const ExactInteger& numerator, const ExactInteger& denominator) const;
};

// The text is the root rounded half to even to 15 significant digits, laid
// out positionally from 1E-04 up to but excluding 1E+15, with an exponent
// otherwise, without trailing zeros, and "0" for a zero root.
testing::AssertionResult showsRoundedRoot(const Root& root, std::string_view text);

// The value is the double nearest the root (a zero root is +0).
testing::AssertionResult isNearestDouble(const Root& root, double value);

}  // namespace model
