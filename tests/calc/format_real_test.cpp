#include <clocale>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <calc/format_real.h>

namespace {

using tests::PrintTo;

struct RealCase {
    double value;
    std::string_view text;
    std::string name = tests::spelled(text);
};

class FormatReal : public testing::TestWithParam<RealCase> {};

TEST_P(FormatReal, WritesFifteenSignificantDigits)
{
    EXPECT_EQ(calc::formatReal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatReal,
    testing::Values(RealCase{2.0, "2"}, RealCase{-1.0, "-1"}, RealCase{1.4142135623730951, "1.4142135623731"},
                    RealCase{1.0 / 3.0, "0.333333333333333"}, RealCase{-2.0 / 3.0, "-0.666666666666667"},
                    RealCase{0.25, "0.25"}, RealCase{100.0, "100"}, RealCase{1e15, "1E+15"},
                    RealCase{1234567890123456.0, "1.23456789012346E+15"}, RealCase{5e-10, "5E-10"},
                    RealCase{1e-5, "1E-05"}, RealCase{1e-4, "0.0001"}, RealCase{999999999999999.0, "999999999999999"},
                    RealCase{999999999999999.5, "1E+15", "999999999999999Point5"}, RealCase{0.0, "0"},
                    RealCase{-0.0, "0", "minus0"}, RealCase{1e300, "1E+300"}, RealCase{-2.5e-300, "-2.5E-300"}),
    tests::caseName);

// Qt sets the process locale from the environment; a comma locale must not leak in.
TEST(FormatRealConversion, IgnoresTheProcessLocale)
{
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) == nullptr)
            continue;
        EXPECT_EQ(calc::formatReal(0.5), "0.5") << name;
        EXPECT_EQ(calc::formatReal(-1234567.25), "-1234567.25") << name;
        EXPECT_EQ(calc::formatReal(1e20), "1E+20") << name;
        std::setlocale(LC_ALL, "C");
        return;
    }
    GTEST_SKIP() << "neither de_DE.UTF-8 nor fr_FR.UTF-8 is generated on this machine";
}

}  // namespace
