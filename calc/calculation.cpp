#include "calculation.h"

#include <cstdint>
#include <limits>

#include "conversions.h"
#include "rounded_root.h"
#include "run_time_error.h"

namespace calc {
namespace {

std::int32_t checkedMultiply(std::int32_t x, std::int32_t y)
{
    const std::int64_t product = std::int64_t{x} * std::int64_t{y};
    if (product < std::numeric_limits<std::int32_t>::min() || product > std::numeric_limits<std::int32_t>::max())
        throw RunTimeError::overflow();
    return static_cast<std::int32_t>(product);
}

std::int32_t checkedSubtract(std::int32_t x, std::int32_t y)
{
    const std::int64_t difference = std::int64_t{x} - std::int64_t{y};
    if (difference < std::numeric_limits<std::int32_t>::min() || difference > std::numeric_limits<std::int32_t>::max())
        throw RunTimeError::overflow();
    return static_cast<std::int32_t>(difference);
}

QuadraticRoots quadraticRoots(std::int32_t discriminant, std::int32_t a, std::int32_t b, std::int32_t c)
{
    const std::int32_t twoA = checkedMultiply(2, a);
    const auto [x1, x2] = roundedQuadraticRoots(a, b, c, discriminant);
    return {discriminant,
            b,
            twoA,
            x1.value,
            x2.value,
            formatInteger(discriminant),
            formatInteger(b),
            formatInteger(twoA),
            formatFifteenDigits(x1.digits),
            formatFifteenDigits(x2.digits)};
}

}  // namespace

SolveOutcome solveEquation(Coefficients coefficients)
{
    const auto [a, b, c] = coefficients;
    if (a != 0) {
        const std::int32_t p = checkedMultiply(4, a);
        const std::int32_t q = checkedMultiply(p, c);
        const std::int32_t r = checkedMultiply(b, b);
        const std::int32_t d = checkedSubtract(r, q);
        if (d < 0)
            return NoRealRoots{};
        return quadraticRoots(d, a, b, c);
    }
    if (b == 0) {
        if (c == 0)
            return AnyRealNumber{};
        return NoSolution{};
    }
    const RoundedRoot root = roundedLinearRoot(b, c);
    return LinearRoot{root.value, formatFifteenDigits(root.digits)};
}

SolveOutcome calculate(std::string_view a, std::string_view b, std::string_view c)
{
    const auto parse = [](Coefficient coefficient, std::string_view text) {
        try {
            return parseCoefficient(text);
        } catch (const RunTimeError& error) {
            throw error.from(CoefficientText{coefficient, std::string(text)});
        }
    };
    Coefficients coefficients;
    coefficients.a = parse(Coefficient::A, a);
    coefficients.b = parse(Coefficient::B, b);
    coefficients.c = parse(Coefficient::C, c);
    try {
        return solveEquation(coefficients);
    } catch (const RunTimeError& error) {
        if (error.kind() != ErrorKind::Overflow)
            throw;
        throw error.from(DiscriminantRange{});  // the solver's only integer arithmetic that can overflow
    }
}

}  // namespace calc
