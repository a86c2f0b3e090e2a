#pragma once

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>

// Unsigned integers of a fixed number of 32-bit limbs, for the exact steps of
// the root rounding. Only 64-bit intermediates are used, so this builds the
// same on 32-bit targets, which have no 128-bit integer type. A product is as
// wide as its factors together and a sum one limb wider than its wider term,
// so no operation can overflow: the widths are checked by the compiler.
namespace calc {

template <std::size_t Limbs>
struct WideUnsigned {
    std::array<std::uint32_t, Limbs> limb{};  // least significant first

    static constexpr WideUnsigned fromUint64(std::uint64_t value) requires(Limbs >= 2)
    {
        WideUnsigned result;
        result.limb[0] = static_cast<std::uint32_t>(value);
        result.limb[1] = static_cast<std::uint32_t>(value >> 32);
        return result;
    }

    static constexpr WideUnsigned powerOfTwo(int exponent)
    {
        WideUnsigned result;
        result.limb[static_cast<std::size_t>(exponent / 32)] = std::uint32_t{1} << (exponent % 32);
        return result;
    }

    // The low 64 bits.
    constexpr std::uint64_t low64() const requires(Limbs >= 2) { return std::uint64_t{limb[1]} << 32 | limb[0]; }
};

template <std::size_t To, std::size_t From>
constexpr WideUnsigned<To> widened(const WideUnsigned<From>& x) requires(To >= From)
{
    WideUnsigned<To> result;
    std::copy(x.limb.begin(), x.limb.end(), result.limb.begin());
    return result;
}

// The low limbs of x, for a value known to fit in them.
template <std::size_t To, std::size_t From>
constexpr WideUnsigned<To> narrowed(const WideUnsigned<From>& x) requires(To <= From)
{
    WideUnsigned<To> result;
    std::copy(x.limb.begin(), x.limb.begin() + To, result.limb.begin());
    return result;
}

template <std::size_t M, std::size_t N>
constexpr std::strong_ordering operator<=>(const WideUnsigned<M>& x, const WideUnsigned<N>& y)
{
    constexpr std::size_t width = std::max(M, N);
    const WideUnsigned<width> wx = widened<width>(x);
    const WideUnsigned<width> wy = widened<width>(y);
    for (std::size_t i = width; i-- > 0;)
        if (wx.limb[i] != wy.limb[i])
            return wx.limb[i] <=> wy.limb[i];
    return std::strong_ordering::equal;
}

template <std::size_t M, std::size_t N>
constexpr bool operator==(const WideUnsigned<M>& x, const WideUnsigned<N>& y)
{
    return (x <=> y) == 0;
}

template <std::size_t M, std::size_t N>
constexpr WideUnsigned<M + N> operator*(const WideUnsigned<M>& x, const WideUnsigned<N>& y)
{
    WideUnsigned<M + N> product;
    for (std::size_t i = 0; i < M; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < N; ++j) {
            // At most (2^32 - 1)^2 + 2 * (2^32 - 1) = 2^64 - 1: no overflow.
            const std::uint64_t t = std::uint64_t{x.limb[i]} * y.limb[j] + product.limb[i + j] + carry;
            product.limb[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product.limb[i + N] = static_cast<std::uint32_t>(carry);
    }
    return product;
}

template <std::size_t M, std::size_t N>
constexpr WideUnsigned<std::max(M, N) + 1> operator+(const WideUnsigned<M>& x, const WideUnsigned<N>& y)
{
    constexpr std::size_t width = std::max(M, N) + 1;
    const WideUnsigned<width> wx = widened<width>(x);
    const WideUnsigned<width> wy = widened<width>(y);
    WideUnsigned<width> sum;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::uint64_t t = std::uint64_t{wx.limb[i]} + wy.limb[i] + carry;
        sum.limb[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    return sum;
}

// x - y for x >= y.
template <std::size_t M, std::size_t N>
constexpr WideUnsigned<std::max(M, N)> operator-(const WideUnsigned<M>& x, const WideUnsigned<N>& y)
{
    constexpr std::size_t width = std::max(M, N);
    const WideUnsigned<width> wx = widened<width>(x);
    const WideUnsigned<width> wy = widened<width>(y);
    WideUnsigned<width> difference;
    std::uint32_t borrow = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::uint64_t subtrahend = std::uint64_t{wy.limb[i]} + borrow;
        borrow = wx.limb[i] < subtrahend ? 1 : 0;
        difference.limb[i] = static_cast<std::uint32_t>((std::uint64_t{borrow} << 32) + wx.limb[i] - subtrahend);
    }
    return difference;
}

template <std::size_t N>
struct WideQuotient {
    WideUnsigned<N> quotient;
    std::uint32_t remainder = 0;
};

// Long division by a non-zero 32-bit divisor.
template <std::size_t N>
constexpr WideQuotient<N> divide(const WideUnsigned<N>& dividend, std::uint32_t divisor)
{
    WideQuotient<N> result;
    std::size_t top = N;  // leading zero limbs leave zero limbs in the quotient
    while (top > 0 && dividend.limb[top - 1] == 0)
        --top;
    std::uint64_t remainder = 0;
    for (std::size_t i = top; i-- > 0;) {
        const std::uint64_t part = remainder << 32 | dividend.limb[i];  // remainder < divisor, so part / divisor < 2^32
        result.quotient.limb[i] = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    result.remainder = static_cast<std::uint32_t>(remainder);
    return result;
}

// x / 2^bits, rounded down, for 0 <= bits < 32.
template <std::size_t N>
constexpr WideUnsigned<N> shiftedRight(const WideUnsigned<N>& x, int bits)
{
    if (bits == 0)
        return x;
    WideUnsigned<N> result;
    for (std::size_t i = 0; i < N; ++i) {
        const std::uint32_t above = i + 1 < N ? x.limb[i + 1] : 0;
        result.limb[i] = x.limb[i] >> bits | above << (32 - bits);
    }
    return result;
}

}  // namespace calc
