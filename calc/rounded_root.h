#pragma once

#include <array>
#include <cstdint>

#include "conversions.h"

// The roots as the program shows them, taken from their exact values: a root
// is the number (-b ± √d) / (2a) or -c / b, not whatever double arithmetic
// makes of it.
namespace calc {

struct RoundedRoot {
    double value = 0.0;    // the double nearest the root; +0 for a zero root
    FifteenDigits digits;  // the root rounded half to even to 15 significant digits
};

// x1 = (-b + √d) / (2a), then x2 = (-b - √d) / (2a), for a != 0 and
// d = b² - 4ac >= 0 as it passed the discriminant's checks (so |a| < 2^29,
// |b| <= 46340, |c| <= 2^29, d < 2^31). A zero a or a negative d would throw
// RunTimeError FloatingPointFault; neither passes those checks.
std::array<RoundedRoot, 2> roundedQuadraticRoots(std::int32_t a, std::int32_t b, std::int32_t c,
                                                 std::int32_t discriminant);

// -c / b for any 32-bit b and c; b == 0 throws RunTimeError FloatingPointFault.
RoundedRoot roundedLinearRoot(std::int32_t b, std::int32_t c);

// How many exact comparisons the roundings on this thread have needed: those
// run only where an approximation lies too close to a rounding boundary.
// For tests and measurements; counting costs nothing on the common path.
std::uint64_t exactComparisonsOnThisThread();

}  // namespace calc
