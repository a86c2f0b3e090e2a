#include "exact_root_model.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model {

ExactInteger::ExactInteger(std::int64_t value) : negative_(value < 0)
{
    std::uint64_t magnitude = negative_ ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    for (; magnitude > 0; magnitude /= limbBase)
        limbs_[static_cast<std::size_t>(size_++)] = static_cast<std::uint32_t>(magnitude % limbBase);
}

ExactInteger ExactInteger::powerOfTen(int exponent)
{
    ExactInteger result;
    result.size_ = exponent / 9 + 1;
    std::uint32_t limb = 1;
    for (int i = 0; i < exponent % 9; ++i)
        limb *= 10;
    result.limbs_[static_cast<std::size_t>(exponent / 9)] = limb;
    return result;
}

ExactInteger ExactInteger::powerOfTwo(int exponent)
{
    ExactInteger result(1);
    for (; exponent >= 30; exponent -= 30)
        result = result * ExactInteger(std::int64_t{1} << 30);
    return result * ExactInteger(std::int64_t{1} << exponent);
}

int ExactInteger::sign() const
{
    return size_ == 0 ? 0 : negative_ ? -1 : 1;
}

ExactInteger ExactInteger::operator-() const
{
    ExactInteger result = *this;
    result.negative_ = size_ != 0 && !negative_;
    return result;
}

int ExactInteger::compareMagnitude(const ExactInteger& other) const
{
    if (size_ != other.size_)
        return size_ < other.size_ ? -1 : 1;
    for (auto i = static_cast<std::size_t>(size_); i-- > 0;)
        if (limbs_[i] != other.limbs_[i])
            return limbs_[i] < other.limbs_[i] ? -1 : 1;
    return 0;
}

ExactInteger operator+(const ExactInteger& x, const ExactInteger& y)
{
    if (x.size_ == 0)
        return y;
    if (y.size_ == 0)
        return x;
    ExactInteger result;
    if (x.negative_ == y.negative_) {
        result.negative_ = x.negative_;
        std::uint32_t carry = 0;
        for (int i = 0; i < std::max(x.size_, y.size_) || carry != 0; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::uint32_t sum = x.limbs_[k] + y.limbs_[k] + carry;  // limbs past size_ are 0
            carry = sum >= ExactInteger::limbBase ? 1 : 0;
            result.limbs_[k] = sum - carry * ExactInteger::limbBase;
            result.size_ = i + 1;
        }
        return result;
    }
    const int order = x.compareMagnitude(y);
    if (order == 0)
        return result;
    const ExactInteger& larger = order > 0 ? x : y;
    const ExactInteger& smaller = order > 0 ? y : x;
    result.negative_ = larger.negative_;
    std::uint32_t borrow = 0;
    for (int i = 0; i < larger.size_; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::uint32_t subtrahend = smaller.limbs_[k] + borrow;
        borrow = larger.limbs_[k] < subtrahend ? 1 : 0;
        result.limbs_[k] = larger.limbs_[k] + borrow * ExactInteger::limbBase - subtrahend;
        if (result.limbs_[k] != 0)
            result.size_ = i + 1;
    }
    return result;
}

ExactInteger operator*(const ExactInteger& x, const ExactInteger& y)
{
    ExactInteger result;
    if (x.size_ == 0 || y.size_ == 0)
        return result;
    for (int i = 0; i < x.size_; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < y.size_ || carry != 0; ++j) {
            const auto k = static_cast<std::size_t>(i + j);
            const std::uint64_t term = j < y.size_ ? std::uint64_t{x.limbs_[static_cast<std::size_t>(i)]} *
                                                         y.limbs_[static_cast<std::size_t>(j)]
                                                   : 0;
            const std::uint64_t sum = term + result.limbs_[k] + carry;
            result.limbs_[k] = static_cast<std::uint32_t>(sum % ExactInteger::limbBase);
            carry = sum / ExactInteger::limbBase;
            result.size_ = std::max(result.size_, i + j + 1);
        }
    }
    while (result.size_ > 0 && result.limbs_[static_cast<std::size_t>(result.size_ - 1)] == 0)
        --result.size_;
    result.negative_ = x.negative_ != y.negative_;
    return result;
}

int Root::compare(const ExactInteger& numerator, const ExactInteger& denominator) const
{
    const ExactInteger& m = numerator;
    const ExactInteger& s = denominator;
    if (a == 0)
        return (ExactInteger(-c) * s - ExactInteger(b) * m).sign() * (b > 0 ? 1 : -1);

    // s²·f(m) and the side of the vertex -b / 2a that m lies on, both signed by a.
    const int signA = a > 0 ? 1 : -1;
    const int aTimesF = (ExactInteger(a) * m * m + ExactInteger(b) * m * s + ExactInteger(c) * s * s).sign() * signA;
    const int pastVertex = (ExactInteger(2 * a) * m + ExactInteger(b) * s).sign() * signA;
    const bool largerRoot = (index == 0) == (a > 0);  // x1 takes +√d
    // On the root's own side of the vertex, a·f(m) has the sign of m - x for the
    // larger root and of x - m for the smaller one.
    if (largerRoot)
        return pastVertex < 0 ? 1 : -aTimesF;
    return pastVertex > 0 ? -1 : aTimesF;
}

namespace {

// A shown number: significand · 10^(exponent - 14), 10^14 <= significand < 10^15, or zero.
struct Shown {
    bool negative = false;
    std::int64_t significand = 0;
    int exponent = 0;
};

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Reads a text under the layout rules, or says what breaks them.
std::optional<Shown> readShown(std::string_view text, std::string& why)
{
    if (text == "0")
        return Shown{};
    Shown shown;
    if (!text.empty() && text.front() == '-') {
        shown.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : mantissa.substr(point + 1);
    if (!allDigits(integer) || (point != std::string_view::npos && (!allDigits(fraction) || fraction.back() == '0'))) {
        why = "malformed mantissa";
        return std::nullopt;
    }
    if (integer.size() > 1 && integer.front() == '0') {
        why = "leading zero";
        return std::nullopt;
    }
    std::string digits = std::string(integer) + std::string(fraction);
    int scale = -static_cast<int>(fraction.size());  // value = digits · 10^scale
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        why = "a zero that is not \"0\"";
        return std::nullopt;
    }
    digits.erase(0, firstNonZero);
    while (digits.back() == '0') {
        digits.pop_back();
        ++scale;
    }
    if (digits.size() > 15) {
        why = "more than 15 significant digits";
        return std::nullopt;
    }
    shown.significand = std::stoll(digits + std::string(15 - digits.size(), '0'));
    const int mantissaExponent = scale + static_cast<int>(digits.size()) - 1;

    if (e == std::string_view::npos) {
        shown.exponent = mantissaExponent;
        if (shown.exponent < -4 || shown.exponent >= 15) {
            why = "positional outside 1E-04 .. 1E+15";
            return std::nullopt;
        }
        return shown;
    }
    const std::string_view exponentText = text.substr(e + 1);
    if (integer.size() != 1 || integer == "0" || exponentText.size() < 3 ||
        (exponentText[0] != '+' && exponentText[0] != '-') || !allDigits(exponentText.substr(1)) ||
        (exponentText.size() > 3 && exponentText[1] == '0')) {
        why = "malformed exponent form";
        return std::nullopt;
    }
    const int written = std::stoi(std::string(exponentText.substr(1)));
    shown.exponent = mantissaExponent + (exponentText[0] == '-' ? -written : written);
    if (shown.exponent >= -4 && shown.exponent < 15) {
        why = "exponent form inside 1E-04 .. 1E+15";
        return std::nullopt;
    }
    return shown;
}

testing::AssertionResult failure(const Root& root, std::string_view what)
{
    return testing::AssertionFailure() << "x" << root.index + 1 << " of " << root.a << ", " << root.b << ", " << root.c
                                       << ": " << what;
}

// Whether the root lies in a candidate's cell, from its signs against the cell's
// ends; a root on an end is a tie, which goes to the even candidate.
bool within(int aboveLower, int belowUpper, bool evenCandidate)
{
    if (aboveLower < 0 || belowUpper > 0)
        return false;
    return (aboveLower != 0 && belowUpper != 0) || evenCandidate;
}

}  // namespace

testing::AssertionResult showsRoundedRoot(const Root& root, std::string_view text)
{
    std::string why;
    const std::optional<Shown> shown = readShown(text, why);
    if (!shown)
        return failure(root, "\"" + std::string(text) + "\": " + why);
    if (shown->significand == 0) {
        if (root.compare(ExactInteger(0), ExactInteger(1)) == 0)
            return testing::AssertionSuccess();
        return failure(root, "shows 0 for a root that is not 0");
    }
    // The cell of the significand in units of 10^(exponent - 14) / 20: half a unit either
    // side, and below 10^14 only half a unit of the decade beneath.
    const ExactInteger unit = ExactInteger(20) * ExactInteger::powerOfTen(14 - shown->exponent);
    const std::int64_t twenty = 20 * shown->significand;
    ExactInteger lower(twenty - (shown->significand == 100'000'000'000'000 ? 1 : 10));
    ExactInteger upper(twenty + 10);
    if (shown->negative) {
        const ExactInteger negatedLower = -lower;
        lower = -upper;
        upper = negatedLower;
    }
    const int aboveLower = root.compare(lower, unit);
    const int belowUpper = root.compare(upper, unit);
    if (within(aboveLower, belowUpper, shown->significand % 2 == 0))
        return testing::AssertionSuccess();
    return failure(root, "\"" + std::string(text) + "\" is not the root rounded to 15 digits (against the cell: " +
                             std::to_string(aboveLower) + ", " + std::to_string(belowUpper) + ")");
}

testing::AssertionResult isNearestDouble(const Root& root, double value)
{
    if (value == 0.0) {
        if (std::signbit(value))
            return failure(root, "negative zero");
        if (root.compare(ExactInteger(0), ExactInteger(1)) == 0)
            return testing::AssertionSuccess();
        return failure(root, "0 for a root that is not 0");
    }
    // |value| = significand · 2^exponent, 2^52 <= significand < 2^53, and the
    // midpoints to its neighbours in units of 2^(exponent - 2).
    int binaryExponent = 0;
    const double fraction = std::frexp(std::abs(value), &binaryExponent);
    const auto significand = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    const int exponent = binaryExponent - 53;
    const ExactInteger unit = ExactInteger::powerOfTwo(2 - exponent);
    ExactInteger lower(4 * significand - (significand == std::int64_t{1} << 52 ? 1 : 2));
    ExactInteger upper(4 * significand + 2);
    if (value < 0) {
        const ExactInteger negatedLower = -lower;
        lower = -upper;
        upper = negatedLower;
    }
    const int aboveLower = root.compare(lower, unit);
    const int belowUpper = root.compare(upper, unit);
    if (within(aboveLower, belowUpper, significand % 2 == 0))
        return testing::AssertionSuccess();
    return failure(root, (value < 0 ? "-" : "") + std::to_string(significand) + "·2^" + std::to_string(exponent) +
                             " is not the nearest double (against its midpoints: " + std::to_string(aboveLower) + ", " +
                             std::to_string(belowUpper) + ")");
}

}  // namespace model
