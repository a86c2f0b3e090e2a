#pragma once

#include <cstdint>

#include "wide_unsigned.h"

// The exact test behind the root rounding, for the rare root that its
// approximation leaves too close to a rounding boundary.
namespace calc {

// The root (-b + sign·√d) / (2a) of a·x² + b·x + c, a != 0, d = b² - 4ac >= 0,
// with a, b and d as they passed the discriminant's checks: |a| < 2^29,
// |b| <= 46340, 0 <= d < 2^31.
struct QuadraticRoot {
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t discriminant = 0;
    int sign = 1;  // +1 for x1, -1 for x2
};

// The sign (-1, 0, +1) of x - m, where m = ±numerator / denominator and the
// minus is taken when negativeBoundary. Needs numerator < 2^64 and
// denominator < 2^94 (a power of ten up to 2·10^25 or a power of two up to
// 2^93 here): then |b·denominator + 2a·numerator| < 2^110, whose square and
// d·denominator² stay below 2^220.
int compareRoot(const QuadraticRoot& root, bool negativeBoundary, std::uint64_t numerator,
                const WideUnsigned<3>& denominator);

}  // namespace calc
