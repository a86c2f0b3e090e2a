#include "rounded_root.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "root_comparison.h"
#include "run_time_error.h"
#include "wide_unsigned.h"

// A root's magnitude |x| takes one of three exact forms:
//   ratio  n / m               a linear root, or a quadratic one when d is a perfect square
//   large  (J + τ) / (2^16·|a|)  the quadratic root whose terms -b and ±√d have the same sign
//   small  2^16·|c| / (J + τ)    the other one, 2c / (-b ∓ √d), so that nothing cancels
// Here √d·2^15 = S + τ, with S found exactly in 64-bit integers and only the
// fraction τ in [0, 1) a double, and J = |b|·2^15 + S < 2^32.
//
// Rounding scales |x| by a power of two (for the nearest double) or of ten
// (for the 15 digits) and compares the scaled value with the boundary between
// two candidates. Exact long division gives its integer part, a few double
// operations on τ its fraction; only when that fraction lies within its error
// bound of the boundary does compareRoot decide, exactly. A ratio needs no
// such help: its division is exact throughout.
//
// Widths: a numerator is below 2^46 (2^16·|c| <= 2^45), a scale at most 2^91
// or 10^25 (roots lie between 2^-31 and 2^31), a divisor below 2^32. Scaled
// values stay below 2^61 (for the double) or 10^16 (for the digits), so each
// dividend, a scaled value times the divisor (and 2^16 for the large form),
// stays below 2^106: well inside the 160 bits of the numerator-scale product.
namespace calc {
namespace {

thread_local std::uint64_t exactComparisons = 0;

constexpr int rootScaleBits = 15;  // d < 2^31, so d·2^30 and S² fit in 64 bits and J in 32

// The fraction's error, relative to the size of its double part plus one:
// τ is within 5 rounding errors of its value and every later operation adds
// at most two more (any rounding mode), 19 units of 2^-53 at worst.
constexpr double relativeError = 0x1p-48;

constexpr std::uint64_t tenTo14 = 100'000'000'000'000;
constexpr std::uint64_t tenTo15 = 1'000'000'000'000'000;

constexpr std::array<WideUnsigned<3>, 26> powersOfTen = [] {
    std::array<WideUnsigned<3>, 26> powers{};
    powers[0].limb[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k)
        powers[k] = narrowed<3>(powers[k - 1] * WideUnsigned<1>{{10}});
    return powers;
}();

constexpr std::array<double, 26> powersOfTenApproximately = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                                             1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17,
                                                             1e18, 1e19, 1e20, 1e21, 1e22, 1e23, 1e24, 1e25};

// The decades the roots can start in, from 1E-11 to 1E+10.
constexpr std::array<double, 22> decadeStarts = {1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1,
                                                 1e0,   1e1,   1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10};

int bitWidth(std::uint64_t x)
{
    return static_cast<int>(std::bit_width(x));
}

enum class Form { Ratio, Large, Small };

struct Magnitude {
    Form form = Form::Ratio;
    std::uint64_t numerator = 0;  // n, J or 2^16·|c|
    std::uint32_t divisor = 0;    // m, |a| or J
    double tau = 0.0;
    QuadraticRoot root;  // the exact root behind the large and small forms

    // |x| lies strictly between 2^(bits - 1) and 2^(bits + 1).
    int bits() const
    {
        const int denominatorBits = bitWidth(divisor) + (form == Form::Large ? 16 : 0);
        return bitWidth(numerator) - denominatorBits;
    }
};

struct Scale {
    WideUnsigned<3> exact;
    double approximately = 0.0;
};

Scale binaryScale(int exponent)
{
    return {WideUnsigned<3>::powerOfTwo(exponent), std::ldexp(1.0, exponent)};
}

Scale decimalScale(int exponent)
{
    const auto k = static_cast<std::size_t>(exponent);
    return {powersOfTen[k], powersOfTenApproximately[k]};
}

// |x|·scale = whole + fraction, 0 <= fraction < 1, up to error (0 for a ratio).
struct Scaled {
    std::uint64_t whole = 0;
    double fraction = 0.0;
    double error = 0.0;
};

// Adds the double part g of a scaled irrational root to its exact integer part.
Scaled settled(std::uint64_t whole, double g)
{
    const double below = std::floor(g);
    return {whole + static_cast<std::uint64_t>(static_cast<std::int64_t>(below)), g - below,
            relativeError * (std::abs(g) + 1.0)};
}

Scaled scaled(const Magnitude& x, const Scale& scale)
{
    const auto division = divide(WideUnsigned<2>::fromUint64(x.numerator) * scale.exact, x.divisor);
    const double remainder = static_cast<double>(division.remainder);
    const double divisor = static_cast<double>(x.divisor);
    if (x.form == Form::Ratio)
        return {division.quotient.low64(), remainder / divisor, 0.0};
    if (x.form == Form::Large) {
        // (J + τ)·scale / (2^16·|a|) = (q + (r + τ·scale) / |a|) / 2^16
        const auto low16 = static_cast<double>(division.quotient.limb[0] & 0xFFFF);
        const double g = (low16 + (remainder + x.tau * scale.approximately) / divisor) / 65536.0;
        return settled(shiftedRight(division.quotient, 16).low64(), g);
    }
    // 2^16·|c|·scale / (J + τ) = (q + r/J)·(1 - h), h = τ / (J + τ)
    const double h = x.tau / (divisor + x.tau);
    const double tail = remainder / divisor;
    const std::uint64_t q = division.quotient.low64();
    return settled(q, tail - (static_cast<double>(q) + tail) * h);
}

// The sign of |x|·scale - twiceBoundary / 2, where v is |x|·scale.
int side(const Magnitude& x, bool negative, const Scale& scale, const Scaled& v, std::uint64_t twiceBoundary)
{
    // v.error stays below 1, so v lies within (whole - 1, whole + 2).
    const std::uint64_t twiceWhole = 2 * v.whole;
    if (twiceBoundary > twiceWhole + 4)
        return -1;
    if (twiceBoundary + 4 < twiceWhole)
        return 1;
    const auto twiceDistance = static_cast<std::int64_t>(twiceWhole - twiceBoundary);  // small here
    const double difference = 0.5 * static_cast<double>(twiceDistance) + v.fraction;
    if (difference > v.error)
        return 1;
    if (difference < -v.error)
        return -1;
    if (v.error == 0.0)
        return 0;  // a ratio exactly on the boundary

    ++exactComparisons;
    const int order = compareRoot(x.root, negative, twiceBoundary, narrowed<3>(scale.exact + scale.exact));
    return negative ? -order : order;
}

// Scaled to 60 or 61 bits, rounded to 53 in integers: the same in every
// floating-point environment.
double nearestDouble(const Magnitude& x, bool negative)
{
    const int exponent = 60 - x.bits();
    const Scale scale = binaryScale(exponent);
    const Scaled v = scaled(x, scale);
    const int dropped = bitWidth(v.whole) - 53;
    std::uint64_t kept = v.whole >> dropped;
    const int up = side(x, negative, scale, v, (2 * kept + 1) << dropped);
    if (up > 0 || (up == 0 && kept % 2 == 1))
        ++kept;
    const double magnitude = std::ldexp(static_cast<double>(kept), dropped - exponent);
    return negative ? -magnitude : magnitude;
}

FifteenDigits fifteenDigits(const Magnitude& x, bool negative, double nearest)
{
    // The decade of the nearest double, which is the root's unless that double
    // lies across a power of ten from it: then one step corrects it.
    int exponent = static_cast<int>(std::upper_bound(decadeStarts.begin(), decadeStarts.end(), std::abs(nearest)) -
                                    decadeStarts.begin()) -
                   12;
    Scale scale = decimalScale(14 - exponent);
    Scaled y = scaled(x, scale);
    const int step = side(x, negative, scale, y, 2 * tenTo15) >= 0  ? 1
                     : side(x, negative, scale, y, 2 * tenTo14) < 0 ? -1
                                                                    : 0;
    if (step != 0) {
        exponent += step;
        scale = decimalScale(14 - exponent);
        y = scaled(x, scale);
    }
    const int up = side(x, negative, scale, y, 2 * y.whole + 1);
    std::uint64_t significand = y.whole;
    if (up > 0 || (up == 0 && significand % 2 == 1))
        ++significand;
    if (significand == tenTo15)
        return {negative, tenTo14, exponent + 1};
    return {negative, significand, exponent};
}

RoundedRoot rounded(const Magnitude& x, bool negative)
{
    const double nearest = nearestDouble(x, negative);
    return {nearest, fifteenDigits(x, negative, nearest)};
}

std::uint64_t magnitudeOf(std::int64_t value)
{
    return static_cast<std::uint64_t>(value < 0 ? -value : value);
}

// numerator / denominator, both of magnitude at most 2^31.
RoundedRoot roundedRatio(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        throw RunTimeError::floatingPoint(FloatingPointCondition::DivisionByZero);
    if (numerator == 0)
        return {};
    Magnitude x;
    x.numerator = magnitudeOf(numerator);
    x.divisor = static_cast<std::uint32_t>(magnitudeOf(denominator));
    return rounded(x, (numerator < 0) != (denominator < 0));
}

// √d·2^15 = whole + fraction, the whole part exact.
struct ScaledSquareRoot {
    std::uint64_t whole = 0;
    double fraction = 0.0;
    bool exact = false;
};

ScaledSquareRoot scaledSquareRoot(std::int32_t d)
{
    if (d < 0)
        throw RunTimeError::floatingPoint(FloatingPointCondition::InvalidOperation);
    const double root = std::ldexp(std::sqrt(static_cast<double>(d)), rootScaleBits);
    const std::uint64_t radicand = static_cast<std::uint64_t>(d) << (2 * rootScaleBits);
    auto whole = static_cast<std::uint64_t>(root);  // within one of the floor
    while (whole * whole > radicand)
        --whole;
    while ((whole + 1) * (whole + 1) <= radicand)
        ++whole;
    // √radicand - whole = remainder / (whole + √radicand)
    const std::uint64_t remainder = radicand - whole * whole;
    if (remainder == 0)
        return {whole, 0.0, true};
    return {whole, static_cast<double>(remainder) / (static_cast<double>(whole) + root), false};
}

RoundedRoot quadraticRoot(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, const ScaledSquareRoot& root,
                          int sign)
{
    if (root.exact) {
        const auto rootOfD = static_cast<std::int64_t>(root.whole >> rootScaleBits);
        return roundedRatio(-std::int64_t{b} + sign * rootOfD, 2 * std::int64_t{a});
    }

    const std::uint64_t j = (magnitudeOf(b) << rootScaleBits) + root.whole;
    Magnitude x;
    x.tau = root.fraction;
    x.root = {a, b, d, sign};
    bool negative = false;
    if (sign * std::int64_t{b} <= 0) {  // -b and sign·√d add up
        x.form = Form::Large;
        x.numerator = j;
        x.divisor = static_cast<std::uint32_t>(magnitudeOf(a));
        negative = (sign > 0) != (a > 0);
    } else {  // they would cancel; c != 0, or d would be the square b²
        x.form = Form::Small;
        x.numerator = magnitudeOf(c) << 16;
        x.divisor = static_cast<std::uint32_t>(j);
        negative = (sign > 0) == (c > 0);
    }
    return rounded(x, negative);
}

}  // namespace

std::array<RoundedRoot, 2> roundedQuadraticRoots(std::int32_t a, std::int32_t b, std::int32_t c,
                                                 std::int32_t discriminant)
{
    if (a == 0)
        throw RunTimeError::floatingPoint(FloatingPointCondition::DivisionByZero);
    const ScaledSquareRoot root = scaledSquareRoot(discriminant);
    return {quadraticRoot(a, b, c, discriminant, root, 1), quadraticRoot(a, b, c, discriminant, root, -1)};
}

RoundedRoot roundedLinearRoot(std::int32_t b, std::int32_t c)
{
    return roundedRatio(-std::int64_t{c}, b);
}

std::uint64_t exactComparisonsOnThisThread()
{
    return exactComparisons;
}

}  // namespace calc
