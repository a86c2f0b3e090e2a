#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <calc/format_real.h>

namespace {

// The C library rounds the exact binary value too; it is the reference here.
// The tests run in the "C" locale, so its decimal separator is the full stop.
std::string printfReference(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

std::vector<double> hardCases()
{
    std::vector<double> values = {DBL_MAX,
                                  DBL_MIN,
                                  DBL_TRUE_MIN,
                                  DBL_EPSILON,
                                  1e15,
                                  1e-4,
                                  1e-5,
                                  0.1,
                                  0.5,
                                  999999999999999.5,
                                  999999999999999.4,
                                  999999999999999.6,
                                  99999999999999.95,
                                  0.00009999999999999995,
                                  0.000099999999999999995};
    for (double anchor : {1e15, 1e-4, 1e-5, 1e16, 1.0, 1e14, 1e100, 1e-300}) {
        double below = anchor;
        double above = anchor;
        for (int step = 0; step < 64; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, INFINITY);
            values.push_back(below);
            values.push_back(above);
        }
    }
    std::mt19937_64 random(20261207);
    // Exact ties at the sixteenth significant digit: n + 0.5 with fifteen-digit n,
    // and sixteen-digit integers ending in 5.
    std::uniform_int_distribution<std::int64_t> fifteenDigits(100'000'000'000'000, 999'999'999'999'999);
    std::uniform_int_distribution<std::int64_t> sixteenDigits(100'000'000'000'000, 900'719'925'474'099);
    for (int i = 0; i < 20'000; ++i) {
        values.push_back(static_cast<double>(fifteenDigits(random)) + 0.5);
        values.push_back(static_cast<double>(sixteenDigits(random) * 10 + 5));
        values.push_back(std::ldexp(static_cast<double>(fifteenDigits(random)) + 0.5, -20));
    }
    std::uniform_int_distribution<std::uint64_t> mantissa(1, (std::uint64_t{1} << 52) - 1);
    for (int i = 0; i < 20'000; ++i)
        values.push_back(std::bit_cast<double>(mantissa(random)));  // subnormals
    return values;
}

TEST(FormatRealSweep, AgreesWithPrintfOnHardCases)
{
    for (double value : hardCases()) {
        for (double signedValue : {value, -value}) {
            ASSERT_EQ(calc::formatReal(signedValue), printfReference(signedValue)) << std::hexfloat << signedValue;
        }
    }
}

TEST(FormatRealSweep, AgreesWithPrintfOnAMillionRandomDoubles)
{
    std::mt19937_64 random(7);
    int compared = 0;
    while (compared < 1'000'000) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value) || value == 0.0)
            continue;
        ASSERT_EQ(calc::formatReal(value), printfReference(value)) << std::hexfloat << value;
        ++compared;
    }
}

TEST(FormatRealSweep, AgreesWithPrintfOnRootSizedValues)
{
    // Roots of the program lie between about 1e-9 and 1e10; sample that range densely.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-10.0, 11.0);
    for (int i = 0; i < 200'000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        ASSERT_EQ(calc::formatReal(value), printfReference(value)) << std::hexfloat << value;
    }
}

}  // namespace
