#include "root_comparison.h"

#include <compare>
#include <cstdint>

namespace calc {
namespace {

std::uint32_t magnitude(std::int32_t value)
{
    return static_cast<std::uint32_t>(value < 0 ? -std::int64_t{value} : std::int64_t{value});
}

int signOf(std::strong_ordering order)
{
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace

int compareRoot(const QuadraticRoot& root, bool negativeBoundary, std::uint64_t numerator,
                const WideUnsigned<3>& denominator)
{
    // With m = ±numerator / denominator,
    //   x - m = (denominator·(sign·√d - b) - 2a·(±numerator)) / (2a·denominator),
    // so its sign is sign(a)·sign(sign·√d·denominator - t), t = b·denominator + 2a·(±numerator).
    const WideUnsigned<4> bTerm = WideUnsigned<1>{{magnitude(root.b)}} * denominator;
    const WideUnsigned<3> aTerm = WideUnsigned<1>{{2 * magnitude(root.a)}} * WideUnsigned<2>::fromUint64(numerator);
    const bool bTermNegative = root.b < 0;
    const bool aTermNegative = (root.a < 0) != negativeBoundary;

    WideUnsigned<5> t;
    bool tNegative = bTermNegative;
    if (bTermNegative == aTermNegative) {
        t = bTerm + aTerm;
    } else if (bTerm >= aTerm) {
        t = widened<5>(bTerm - aTerm);
    } else {
        t = widened<5>(aTerm - bTerm);
        tNegative = aTermNegative;
    }
    const bool tIsZero = t == WideUnsigned<1>{};

    // √d·denominator against |t| through their squares, once the signs leave it open.
    auto rootAgainstT = [&] {
        const WideUnsigned<7> radicand = WideUnsigned<1>{{magnitude(root.discriminant)}} * (denominator * denominator);
        return signOf(radicand <=> t * t);
    };
    int difference = 0;  // the sign of sign·√d·denominator - t
    if (root.sign > 0)
        difference = tNegative && !tIsZero ? 1 : rootAgainstT();
    else
        difference = !tNegative && !tIsZero ? -1 : -rootAgainstT();
    return root.a > 0 ? difference : -difference;
}

}  // namespace calc
