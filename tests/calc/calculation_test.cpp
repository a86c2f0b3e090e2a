#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <variant>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <calc/calculation.h>
#include <calc/conversions.h>
#include <calc/rounded_root.h>
#include <calc/run_time_error.h>
#include "exact_root_model.h"

namespace {

using calc::Coefficient;
using calc::CoefficientText;
using calc::DiscriminantRange;
using calc::ErrorKind;
using calc::RunTimeError;
using tests::PrintTo;

struct QuadraticCase {
    std::string_view a, b, c;
    std::string_view discriminant, bText, twoA, x1, x2;
    std::string name = tests::spelled(a, b, c);
};

class Quadratic : public testing::TestWithParam<QuadraticCase> {};

TEST_P(Quadratic, FillsTheFormula)
{
    const QuadraticCase& expected = GetParam();
    const calc::SolveOutcome outcome = calc::calculate(expected.a, expected.b, expected.c);
    const auto* roots = std::get_if<calc::QuadraticRoots>(&outcome);
    ASSERT_NE(roots, nullptr);
    EXPECT_EQ(roots->discriminantText, expected.discriminant);
    EXPECT_EQ(roots->bText, expected.bText);
    EXPECT_EQ(roots->twoAText, expected.twoA);
    EXPECT_EQ(roots->x1Text, expected.x1);
    EXPECT_EQ(roots->x2Text, expected.x2);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Quadratic,
    testing::Values(QuadraticCase{"1", "-3", "2", "1", "-3", "2", "2", "1"},
                    QuadraticCase{"1", "2", "1", "0", "2", "2", "-1", "-1"},
                    QuadraticCase{"2", "0", "-8", "64", "0", "4", "2", "-2"},
                    QuadraticCase{"-1", "0", "4", "16", "0", "-2", "-2", "2"},
                    QuadraticCase{"1", "0", "-2", "8", "0", "2", "1.4142135623731", "-1.4142135623731"},
                    QuadraticCase{"1", "0", "0", "0", "0", "2", "0", "0"},  // roots of negative zero
                    QuadraticCase{"-1", "0", "0", "0", "0", "-2", "0", "0"},
                    QuadraticCase{"&H1", "1e1", "2.5", "92", "10", "2", "-0.20416847668728", "-9.79583152331272"}),
    tests::caseName);

struct LinearCase {
    std::string_view b, c, root;
    std::string name = tests::spelled(b, c);
};

class Linear : public testing::TestWithParam<LinearCase> {};

TEST_P(Linear, GivesTheSingleRoot)
{
    const calc::SolveOutcome outcome = calc::calculate("0", GetParam().b, GetParam().c);
    const auto* linear = std::get_if<calc::LinearRoot>(&outcome);
    ASSERT_NE(linear, nullptr);
    EXPECT_EQ(linear->rootText, GetParam().root);
}

INSTANTIATE_TEST_SUITE_P(Examples, Linear,
                         testing::Values(LinearCase{"2", "-4", "2"}, LinearCase{"2", "4", "-2"},
                                         LinearCase{"3", "1", "-0.333333333333333"}, LinearCase{"5", "0", "0"},
                                         LinearCase{"-5", "0", "0"}, LinearCase{"-1", "-2147483648", "-2147483648"},
                                         LinearCase{"-2147483648", "-2147483648", "-1"}),
                         tests::caseName);

struct MessageCase {
    std::string_view a, b, c, message;
    std::string name = tests::spelled(a, b, c);
};

class Message : public testing::TestWithParam<MessageCase> {};

TEST_P(Message, CarriesItsText)
{
    const calc::SolveOutcome outcome = calc::calculate(GetParam().a, GetParam().b, GetParam().c);
    const std::string_view message = std::visit(
        [](const auto& kind) -> std::string_view {
            if constexpr (requires { kind.message; })
                return kind.message;
            else
                return "(roots)";
        },
        outcome);
    EXPECT_EQ(message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Examples, Message,
                         testing::Values(MessageCase{"0", "0", "0", "方程根为任意实数"},
                                         MessageCase{"0", "0", "7", "方程无解"},
                                         MessageCase{"0", "0", "-7", "方程无解"},
                                         MessageCase{"1", "0", "1", "方程无实根"},
                                         MessageCase{"999", "999", "999", "方程无实根"}),
                         tests::caseName);

struct ErrorCase {
    std::string_view a, b, c;
    ErrorKind kind;
    calc::ErrorCause cause;
    std::string name = tests::spelled(a, b, c);
};

class Error : public testing::TestWithParam<ErrorCase> {};

TEST_P(Error, EndsTheCalculation)
{
    try {
        calc::calculate(GetParam().a, GetParam().b, GetParam().c);
        ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
        EXPECT_TRUE(e.cause() == GetParam().cause);
    }
}

// The first failing text decides: a later text that would fail differently is never read.
INSTANTIATE_TEST_SUITE_P(
    Examples, Error,
    testing::Values(ErrorCase{"1e9", "0", "0", ErrorKind::Overflow, DiscriminantRange{}},             // at 4·a
                    ErrorCase{"1", "2e9", "0", ErrorKind::Overflow, DiscriminantRange{}},             // at b·b
                    ErrorCase{"999", "0", "9e6", ErrorKind::Overflow, DiscriminantRange{}},           // at (4·a)·c
                    ErrorCase{"1", "46341", "-1", ErrorKind::Overflow, DiscriminantRange{}},          // at b·b
                    ErrorCase{"-1", "46340", "536870912", ErrorKind::Overflow, DiscriminantRange{}},  // r - q
                    ErrorCase{"1", "", "abc", ErrorKind::TypeMismatch, CoefficientText{Coefficient::B, ""}},
                    ErrorCase{"1", "", "9e9", ErrorKind::TypeMismatch, CoefficientText{Coefficient::B, ""}},
                    ErrorCase{"9e9", "x", "x", ErrorKind::Overflow, CoefficientText{Coefficient::A, "9e9"}},
                    ErrorCase{"x", "9e9", "9e9", ErrorKind::TypeMismatch, CoefficientText{Coefficient::A, "x"}},
                    ErrorCase{"0", "0", " x ", ErrorKind::TypeMismatch, CoefficientText{Coefficient::C, " x "}}),
    tests::caseName);

TEST(SolveEquation, TakesMinusBExactly)
{
    const calc::SolveOutcome outcome = calc::solveEquation({0, std::numeric_limits<std::int32_t>::min(), 1});
    EXPECT_EQ(std::get<calc::LinearRoot>(outcome).rootText, "4.65661287307739E-10");
}

// The kind follows from the discriminant, the integer texts are the formatted
// numbers, and each root's double and text agree with the exact model.
// Returns the number of roots.
int checkTriple(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const calc::SolveOutcome outcome = calc::solveEquation({a, b, c});
    const std::int64_t d = std::int64_t{b} * b - 4 * std::int64_t{a} * c;
    if (a == 0) {
        if (b == 0) {
            EXPECT_TRUE(c == 0 ? std::holds_alternative<calc::AnyRealNumber>(outcome)
                               : std::holds_alternative<calc::NoSolution>(outcome));
            return 0;
        }
        const auto& linear = std::get<calc::LinearRoot>(outcome);
        const model::Root root{a, b, c};
        EXPECT_TRUE(model::showsRoundedRoot(root, linear.rootText));
        EXPECT_TRUE(model::isNearestDouble(root, linear.root));
        return 1;
    }
    if (d < 0) {
        EXPECT_TRUE(std::holds_alternative<calc::NoRealRoots>(outcome)) << a << ", " << b << ", " << c;
        return 0;
    }
    const auto& roots = std::get<calc::QuadraticRoots>(outcome);
    EXPECT_EQ(roots.discriminant, d);
    EXPECT_EQ(roots.discriminantText, calc::formatInteger(static_cast<std::int32_t>(d)));
    EXPECT_EQ(roots.bText, calc::formatInteger(b));
    EXPECT_EQ(roots.twoAText, calc::formatInteger(2 * a));
    const model::Root x1{a, b, c, 0};
    const model::Root x2{a, b, c, 1};
    EXPECT_TRUE(model::showsRoundedRoot(x1, roots.x1Text));
    EXPECT_TRUE(model::showsRoundedRoot(x2, roots.x2Text));
    EXPECT_TRUE(model::isNearestDouble(x1, roots.x1));
    EXPECT_TRUE(model::isNearestDouble(x2, roots.x2));
    // x1 takes +√d, whatever the sign of a.
    EXPECT_GE((roots.x1 - roots.x2) * a, 0.0);
    return 2;
}

TEST(SolveEquation, EveryTripleOfSmallCoefficients)
{
    for (std::int32_t a = -30; a <= 30; ++a)
        for (std::int32_t b = -30; b <= 30; ++b)
            for (std::int32_t c = -30; c <= 30; ++c)
                checkTriple(a, b, c);
}

// Also says how often the rounding needed its exact comparison: rarely, or
// the approximations have become too coarse to be the common path.
TEST(SolveEquation, RandomTriplesOfBoxSizedCoefficients)
{
    std::mt19937 random(2052);
    std::uniform_int_distribution<std::int32_t> coefficient(-99, 999);
    const std::uint64_t before = calc::exactComparisonsOnThisThread();
    int roots = 0;
    for (int i = 0; i < 200'000; ++i) {
        const std::int32_t a = coefficient(random);  // drawn in order, the same sample with every compiler
        const std::int32_t b = coefficient(random);
        const std::int32_t c = coefficient(random);
        roots += checkTriple(a, b, c);
    }
    const std::uint64_t exact = calc::exactComparisonsOnThisThread() - before;
    std::cout << "[          ] " << exact << " exact comparisons for " << roots << " roots\n";
    EXPECT_LE(exact * 1000, static_cast<std::uint64_t>(roots));
}

}  // namespace
