#include <clocale>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <calc/conversions.h>
#include <calc/run_time_error.h>

namespace {

using calc::ErrorKind;
using calc::RunTimeError;
using tests::PrintTo;

struct ParseCase {
    std::string_view text;
    std::optional<std::int32_t> value;  // none: the error below
    ErrorKind error = ErrorKind::TypeMismatch;
    std::string name = tests::spelled(text);
};

class ParseCoefficient : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCoefficient, GivesTheRoundedValueOrTheError)
{
    const ParseCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(calc::parseCoefficient(c.text), *c.value);
        return;
    }
    try {
        const std::int32_t value = calc::parseCoefficient(c.text);
        ADD_FAILURE() << "gave " << value;
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.kind(), c.error);
        EXPECT_EQ(e.number(), c.error == ErrorKind::Overflow ? 6 : 13);
    }
}

constexpr auto overflowKind = ErrorKind::Overflow;

INSTANTIATE_TEST_SUITE_P(Zeros, ParseCoefficient,
                         testing::Values(ParseCase{"0", 0}, ParseCase{"-0", 0}, ParseCase{"+0", 0}, ParseCase{" 0 ", 0},
                                         ParseCase{"\t0\t", 0}, ParseCase{"000", 0}, ParseCase{"0e99999", 0},
                                         ParseCase{"-0.0e-5", 0}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(PlainAndExponent, ParseCoefficient,
                         testing::Values(ParseCase{"999", 999}, ParseCase{"-99", -99}, ParseCase{"1e2", 100},
                                         ParseCase{"1E2", 100}, ParseCase{"2e9", 2000000000}, ParseCase{"1e+2", 100},
                                         ParseCase{"5e-1", 0}, ParseCase{"15e-1", 2}, ParseCase{"  12  ", 12},
                                         ParseCase{"1.", 1}, ParseCase{"2147483647", 2147483647},
                                         ParseCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                                         ParseCase{"0000000000000000000000042", 42},
                                         ParseCase{"0.000000000000000000000042e24", 42}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(HalfToEven, ParseCoefficient,
                         testing::Values(ParseCase{"2.5", 2}, ParseCase{"3.5", 4}, ParseCase{"-2.5", -2},
                                         ParseCase{"0.5", 0}, ParseCase{".5", 0}, ParseCase{"-.5", 0},
                                         ParseCase{"1.5", 2}, ParseCase{"1.6", 2}, ParseCase{"1.4999", 1},
                                         ParseCase{"2.5000000000000001", 3}, ParseCase{"2.4999999999999999999999", 2},
                                         ParseCase{"-2147483648.5", std::numeric_limits<std::int32_t>::min()},
                                         ParseCase{"2147483646.5", 2147483646}, ParseCase{"25e-1", 2},
                                         ParseCase{"35e-1", 4}, ParseCase{"1e-99999", 0}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(Prefixed, ParseCoefficient,
                         testing::Values(ParseCase{"&H1", 1}, ParseCase{"&HF", 15}, ParseCase{"&hff", 255},
                                         ParseCase{"&O7", 7}, ParseCase{"&o17", 15}, ParseCase{"&HFFFFFFFF", -1},
                                         ParseCase{"&H80000000", std::numeric_limits<std::int32_t>::min()},
                                         ParseCase{"&O37777777777", -1}, ParseCase{"&H0000000000001", 1},
                                         ParseCase{" &H1 ", 1}, ParseCase{"&H100000000", std::nullopt, overflowKind},
                                         ParseCase{"&O40000000000", std::nullopt, overflowKind},
                                         ParseCase{"&H", std::nullopt}, ParseCase{"&O", std::nullopt},
                                         ParseCase{"&O8", std::nullopt}, ParseCase{"&HG", std::nullopt},
                                         ParseCase{"-&H1", std::nullopt}, ParseCase{"+&H1", std::nullopt},
                                         ParseCase{"&B1", std::nullopt}, ParseCase{"&", std::nullopt},
                                         ParseCase{"& H1", std::nullopt}, ParseCase{"&H1.5", std::nullopt}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(TooLarge, ParseCoefficient,
                         testing::Values(ParseCase{"9e9", std::nullopt, overflowKind},
                                         ParseCase{"3e9", std::nullopt, overflowKind},
                                         ParseCase{"2147483647.5", std::nullopt, overflowKind},
                                         ParseCase{"-2147483649", std::nullopt, overflowKind},
                                         ParseCase{"-2147483648.51", std::nullopt, overflowKind},
                                         ParseCase{"1e999999999", std::nullopt, overflowKind},
                                         ParseCase{"1e99999999999999999999999", std::nullopt, overflowKind},
                                         ParseCase{"99999999999999999999", std::nullopt, overflowKind}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(
    NotANumber, ParseCoefficient,
    testing::Values(ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt}, ParseCase{"-", std::nullopt},
                    ParseCase{"+", std::nullopt}, ParseCase{".", std::nullopt}, ParseCase{"-.", std::nullopt},
                    ParseCase{"abc", std::nullopt}, ParseCase{"1e", std::nullopt}, ParseCase{"1e+", std::nullopt},
                    ParseCase{"e5", std::nullopt}, ParseCase{"1.2.3", std::nullopt}, ParseCase{"1 2", std::nullopt},
                    ParseCase{"- 1", std::nullopt}, ParseCase{"1-", std::nullopt}, ParseCase{"(1)", std::nullopt},
                    ParseCase{"1,000", std::nullopt}, ParseCase{"$1", std::nullopt}, ParseCase{"1d2", std::nullopt},
                    ParseCase{"\xEF\xBC\x91", std::nullopt},  // full-width 1
                    ParseCase{"1\xC2\xA0", std::nullopt},     // no-break space
                    ParseCase{"\n1", std::nullopt}, ParseCase{"9e9x", std::nullopt},
                    ParseCase{std::string_view("1\0", 2), std::nullopt}),
    tests::caseName);

TEST(ParseCoefficient, LongTextsAreExactAndQuick)
{
    const std::string zeros(1'000'000, '0');
    EXPECT_EQ(calc::parseCoefficient(zeros + "7"), 7);
    EXPECT_EQ(calc::parseCoefficient("0." + zeros + "1e1000005"), 10000);
    EXPECT_EQ(calc::parseCoefficient("2.5" + zeros + "1"), 3);
    EXPECT_EQ(calc::parseCoefficient("2.5" + zeros), 2);
    EXPECT_EQ(calc::parseCoefficient("1" + zeros + "e-1000000"), 1);
    EXPECT_THROW(calc::parseCoefficient("1" + zeros), RunTimeError);
}

struct IntegerCase {
    std::int32_t value;
    std::string_view text;
    std::string name = tests::spelled(value);
};

class FormatInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(FormatInteger, WritesPlainDigits)
{
    EXPECT_EQ(calc::formatInteger(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatInteger,
                         testing::Values(IntegerCase{0, "0"}, IntegerCase{7, "7"}, IntegerCase{-3, "-3"},
                                         IntegerCase{1000000, "1000000"},
                                         IntegerCase{std::numeric_limits<std::int32_t>::max(), "2147483647"},
                                         IntegerCase{std::numeric_limits<std::int32_t>::min(), "-2147483648"}),
                         tests::caseName);

// Qt sets the process locale from the environment; a comma locale must not leak in.
TEST(Conversions, IgnoreTheProcessLocale)
{
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) == nullptr)
            continue;
        EXPECT_EQ(calc::formatInteger(-1234567), "-1234567") << name;
        EXPECT_EQ(calc::formatFifteenDigits({true, 123456789012345, 2}), "-123.456789012345") << name;
        EXPECT_EQ(calc::parseCoefficient("2.5"), 2) << name;
        EXPECT_THROW(calc::parseCoefficient("2,5"), RunTimeError) << name;
        std::setlocale(LC_ALL, "C");
        return;
    }
    GTEST_SKIP() << "neither de_DE.UTF-8 nor fr_FR.UTF-8 is a locale of this C library here (Windows names "
                    "locales otherwise; on Linux, install-deps generates them)";
}

}  // namespace
