// The roots where rounding is hardest. The expected texts were worked out
// beforehand with integer square roots to 60 digits; the exact model checks
// every text and double again.
#include <array>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <calc/calculation.h>
#include <calc/root_comparison.h>
#include <calc/rounded_root.h>
#include <calc/wide_unsigned.h>
#include "exact_root_model.h"

namespace {

using tests::PrintTo;

struct QuadraticCase {
    std::int32_t a, b, c;
    std::string_view x1, x2;
    std::string name = tests::spelled(a, b, c);
};

void expectRoots(const QuadraticCase& expected)
{
    const calc::SolveOutcome outcome = calc::solveEquation({expected.a, expected.b, expected.c});
    const auto& roots = std::get<calc::QuadraticRoots>(outcome);
    EXPECT_EQ(roots.x1Text, expected.x1);
    EXPECT_EQ(roots.x2Text, expected.x2);
    const model::Root x1{expected.a, expected.b, expected.c, 0};
    const model::Root x2{expected.a, expected.b, expected.c, 1};
    EXPECT_TRUE(model::showsRoundedRoot(x1, roots.x1Text));
    EXPECT_TRUE(model::showsRoundedRoot(x2, roots.x2Text));
    EXPECT_TRUE(model::isNearestDouble(x1, roots.x1));
    EXPECT_TRUE(model::isNearestDouble(x2, roots.x2));
}

class HardQuadratic : public testing::TestWithParam<QuadraticCase> {};

TEST_P(HardQuadratic, ShowsTheRoundedRoots)
{
    expectRoots(GetParam());
}

// Found by searching a = 1..150, b = 0..999, c = -99..999 for roots whose
// approximation could not decide; the comment gives how far the digits after
// the 15th lie from a half, in units of the 15th digit, for the root concerned.
const std::array nearAHalf = {
    QuadraticCase{37, 468, 832, "-2.13975843611634", "-10.5088902125323"},      // x1: -1.3e-9
    QuadraticCase{37, -468, 832, "10.5088902125323", "2.13975843611634"},       // x2: -1.3e-9
    QuadraticCase{37, 346, 161, "-0.491109787467696", "-8.86024156388366"},     // x2: +1.3e-9
    QuadraticCase{-37, -346, -161, "-8.86024156388366", "-0.491109787467696"},  // x1: +1.3e-9
    QuadraticCase{122, 949, 893, "-1.0951848789563", "-6.68350364563386"},      // x1: -2.3e-9
    QuadraticCase{122, 759, 228, "-0.316496354366141", "-5.9048151210437"},     // x2: +2.3e-9
    QuadraticCase{17, 396, 896, "-2.53947424331204", "-20.7546434037468"},      // x1: -2.9e-9
    QuadraticCase{148, 788, 401, "-0.569879218058172", "-4.75444510626615"},    // x1: -6.6e-9
    QuadraticCase{63, 599, 857, "-1.75446170178949", "-7.75347480614702"},      // x1: +7.7e-9
    QuadraticCase{134, 556, 177, "-0.347438077675819", "-3.80181565366746"},    // x2: -9.3e-9
    QuadraticCase{9, 480, 407, "-0.861843689384127", "-52.4714896439492"},      // x1: -8.1e-8
};

// The same search, for roots next to the midpoint between two doubles (in units in the last place).
const std::array nearABinaryMidpoint = {
    QuadraticCase{7, 69, -93, "1.20139844184758", "-11.0585412989904"},      // x2: -2.4e-6
    QuadraticCase{143, 429, 81, "-0.202476808081477", "-2.79752319191852"},  // x2: -5.2e-7
    QuadraticCase{127, 1, -1888, "3.85172859384957", "-3.8596026095976"},    // x1: +2.4e-7
    QuadraticCase{209, 3, -101, "0.688024446890025", "-0.702378513875671"},  // x1: -5.1e-7
    QuadraticCase{1067, 1, -63, "0.242521660284859", "-0.243458867407633"},  // x2: -1.1e-7
};

INSTANTIATE_TEST_SUITE_P(NearAHalf, HardQuadratic, testing::ValuesIn(nearAHalf), tests::caseName);
INSTANTIATE_TEST_SUITE_P(NearABinaryMidpoint, HardQuadratic, testing::ValuesIn(nearABinaryMidpoint), tests::caseName);

// b² much larger than 4|ac|: -b + √d and -b - √d differ by orders of magnitude.
INSTANTIATE_TEST_SUITE_P(Cancellation, HardQuadratic,
                         testing::Values(QuadraticCase{1, 999, 1, "-0.00100100200400902", "-998.998998997996"},
                                         QuadraticCase{1, -999, 1, "998.998998997996", "0.00100100200400902"},
                                         QuadraticCase{1, 46340, 1, "-2.15796288404333E-05", "-46339.9999784204"},
                                         QuadraticCase{-1, -46340, 1, "-46340.0000215796", "2.15796288203349E-05"},
                                         QuadraticCase{3, -46339, 2, "15446.3332901731", "4.31601891622263E-05"},
                                         QuadraticCase{999, -999, -1, "1.001000000999", "-0.00100000099900299"},
                                         QuadraticCase{-99, 999, -1, "0.00100110031830118", "10.0899079905908"}),
                         tests::caseName);

INSTANTIATE_TEST_SUITE_P(DoubleRoots, HardQuadratic,
                         testing::Values(QuadraticCase{4, 4, 1, "-0.5", "-0.5"},
                                         QuadraticCase{9, 6, 1, "-0.333333333333333", "-0.333333333333333"},
                                         QuadraticCase{49, -14, 1, "0.142857142857143", "0.142857142857143"},
                                         QuadraticCase{1, 46340, 536848900, "-23170", "-23170"},
                                         QuadraticCase{-536870912, 0, 0, "0", "0"}),
                         tests::caseName);

// Rational roots, among them exact ties at the 16th digit: 11 / 2^20 =
// 1.049041748046875E-05 goes up to the even 8, 13 / 2^20 = 1.239776611328125E-05
// stays on the even 2.
INSTANTIATE_TEST_SUITE_P(PerfectSquares, HardQuadratic,
                         testing::Values(QuadraticCase{6, -5, 1, "0.5", "0.333333333333333"},
                                         QuadraticCase{7, 1, 0, "0", "-0.142857142857143"},
                                         QuadraticCase{999, -998, -1, "1", "-0.001001001001001"},
                                         QuadraticCase{1048576, -11, 0, "1.04904174804688E-05", "0"},
                                         QuadraticCase{1048576, -13, 0, "1.23977661132812E-05", "0"}),
                         tests::caseName);

// Either side of 1E-04, where the layout turns to an exponent. (No root reaches
// 1E+15: the largest, of the linear equations, is 2^31.)
INSTANTIATE_TEST_SUITE_P(NearTheLayoutSwitch, HardQuadratic,
                         testing::Values(QuadraticCase{1, 10000, -1, "9.9999999E-05", "-10000.0001"},
                                         QuadraticCase{1, -10000, 1, "9999.9999", "0.000100000001"},
                                         QuadraticCase{-1, 9999, 1, "-0.0001000099999998", "9999.00010001"}),
                         tests::caseName);

// Coefficients at the limits of the discriminant's checks.
INSTANTIATE_TEST_SUITE_P(
    LargestCoefficients, HardQuadratic,
    testing::Values(QuadraticCase{1, 46340, -22011, "0.474984341602832", "-46340.4749843416"},
                    QuadraticCase{1, -46340, -22011, "46340.4749843416", "-0.474984341602832"},
                    QuadraticCase{536870911, 1, -1, "4.31574416028221E-05", "-4.31593042479748E-05"},
                    QuadraticCase{536870911, 46340, 0, "0", "-8.63149763761367E-05"},
                    QuadraticCase{-536870912, 1, 0, "0", "1.86264514923096E-09"},
                    QuadraticCase{-536870912, -46340, 0, "-8.63149762153625E-05", "0"},
                    QuadraticCase{1, 0, -536870911, "23170.4749843416", "-23170.4749843416"},
                    QuadraticCase{536870911, 0, -1, "4.31583729153499E-05", "-4.31583729153499E-05"},
                    QuadraticCase{134217727, -46340, 3, "0.000258939622717561", "8.63202847162759E-05"}),
    tests::caseName);

// Those rows were chosen because the approximation leaves them open.
TEST(NearBoundaries, TakeTheExactComparison)
{
    if constexpr (FLT_EVAL_METHOD != 0)
        GTEST_SKIP() << "the x87 unit's wider intermediates decide some of these rows without it; "
                        "the roots they show are checked above";
    auto expectExactComparisons = [](const auto& rows) {
        for (const QuadraticCase& row : rows) {
            const std::uint64_t before = calc::exactComparisonsOnThisThread();
            calc::solveEquation({row.a, row.b, row.c});
            EXPECT_GT(calc::exactComparisonsOnThisThread(), before) << row.a << ", " << row.b << ", " << row.c;
        }
    };
    expectExactComparisons(nearAHalf);
    expectExactComparisons(nearABinaryMidpoint);
}

struct LinearCase {
    std::int32_t b, c;
    std::string_view root;
    std::string name = tests::spelled(b, c);
};

class HardLinear : public testing::TestWithParam<LinearCase> {};

TEST_P(HardLinear, ShowsTheRoundedRoot)
{
    const calc::SolveOutcome outcome = calc::solveEquation({0, GetParam().b, GetParam().c});
    const auto& linear = std::get<calc::LinearRoot>(outcome);
    EXPECT_EQ(linear.rootText, GetParam().root);
    const model::Root root{0, GetParam().b, GetParam().c};
    EXPECT_TRUE(model::showsRoundedRoot(root, linear.rootText));
    EXPECT_TRUE(model::isNearestDouble(root, linear.root));
}

INSTANTIATE_TEST_SUITE_P(
    Values, HardLinear,
    testing::Values(LinearCase{109, 1, "-0.0091743119266055"}, LinearCase{7, -22, "3.14285714285714"},
                    LinearCase{10000, -1, "0.0001"}, LinearCase{10001, -1, "9.99900009999E-05"},
                    LinearCase{9999, -1, "0.0001000100010001"}, LinearCase{1048576, -11, "1.04904174804688E-05"},
                    LinearCase{1048576, -13, "1.23977661132812E-05"}, LinearCase{1, -2147483648, "2147483648"},
                    LinearCase{-1, -2147483648, "-2147483648"}, LinearCase{2147483647, 1, "-4.6566128752458E-10"},
                    LinearCase{-2147483648, 2147483647, "0.999999999534339"}),
    tests::caseName);

struct Triple {
    std::int32_t a, b, c, d;
};

// Coefficients of any size the discriminant's checks let through, with a ≠ 0 and d >= 0:
// |a| of random bit length, and c as large as 4·a·c allows.
Triple randomTriple(std::mt19937_64& random)
{
    for (;;) {
        const int aBits = static_cast<int>(random() % 30);
        const auto a = static_cast<std::int32_t>(static_cast<std::int64_t>(random() % (std::uint64_t{2} << aBits)) -
                                                 (std::int64_t{1} << aBits));
        const auto b = static_cast<std::int32_t>(static_cast<std::int64_t>(random() % 92681) - 46340);
        if (a == 0)
            continue;
        const std::int64_t cLimit = 536870911 / std::abs(std::int64_t{a});
        const auto c = static_cast<std::int32_t>(
            static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(2 * cLimit + 1)) - cLimit);
        const std::int64_t d = std::int64_t{b} * b - 4 * std::int64_t{a} * c;
        if (d >= 0 && d <= 2147483647)
            return {a, b, c, static_cast<std::int32_t>(d)};
    }
}

TEST(SolveEquation, RandomCoefficientsOfAnySize)
{
    std::mt19937_64 random(1208);
    for (int i = 0; i < 20'000; ++i) {
        const Triple t = randomTriple(random);
        const calc::SolveOutcome outcome = calc::solveEquation({t.a, t.b, t.c});
        const auto& roots = std::get<calc::QuadraticRoots>(outcome);
        const model::Root x1{t.a, t.b, t.c, 0};
        const model::Root x2{t.a, t.b, t.c, 1};
        ASSERT_TRUE(model::showsRoundedRoot(x1, roots.x1Text));
        ASSERT_TRUE(model::showsRoundedRoot(x2, roots.x2Text));
        ASSERT_TRUE(model::isNearestDouble(x1, roots.x1));
        ASSERT_TRUE(model::isNearestDouble(x2, roots.x2));

        const auto b = static_cast<std::int32_t>(static_cast<std::uint32_t>(random()));
        const auto c = static_cast<std::int32_t>(static_cast<std::uint32_t>(random()));
        if (b == 0)
            continue;
        const calc::SolveOutcome linearOutcome = calc::solveEquation({0, b, c});
        const auto& linear = std::get<calc::LinearRoot>(linearOutcome);
        ASSERT_TRUE(model::showsRoundedRoot(model::Root{0, b, c}, linear.rootText));
        ASSERT_TRUE(model::isNearestDouble(model::Root{0, b, c}, linear.root));
    }
}

// What is shown, and the doubles, do not depend on the rounding mode.
TEST(SolveEquation, GivesTheSameRootsInEveryRoundingMode)
{
    auto shown = [](const Triple& t) {
        const calc::SolveOutcome outcome = calc::solveEquation({t.a, t.b, t.c});
        const auto& roots = std::get<calc::QuadraticRoots>(outcome);
        return std::make_tuple(roots.x1Text, roots.x2Text, roots.x1, roots.x2);
    };
    std::mt19937_64 random(1209);
    std::vector<Triple> triples(5'000);
    for (Triple& t : triples)
        t = randomTriple(random);
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        for (const Triple& t : triples) {
            const auto expected = shown(t);
            ASSERT_EQ(std::fesetround(mode), 0);
            const auto actual = shown(t);
            std::fesetround(FE_TONEAREST);
            ASSERT_EQ(actual, expected) << t.a << ", " << t.b << ", " << t.c << " in rounding mode " << mode;
        }
    }
}

// The exact comparison against the model right next to roots of every size:
// at a root's shown value and the two boundaries of its cell, at its double and
// the midpoints to that double's neighbours, and at the other root's shown value.
TEST(CompareRoot, AgreesWithTheModelNextToTheRoot)
{
    std::mt19937_64 random(1207);
    int compared = 0;
    while (compared < 300'000) {
        const Triple t = randomTriple(random);
        const std::int32_t a = t.a, b = t.b, c = t.c, d = t.d;
        const auto rounded = calc::roundedQuadraticRoots(a, b, c, d);
        for (int index : {0, 1}) {
            const calc::QuadraticRoot exact{a, b, d, index == 0 ? 1 : -1};
            const model::Root modelRoot{a, b, c, index};
            auto check = [&](bool negative, std::uint64_t numerator, const calc::WideUnsigned<3>& denominator,
                             const model::ExactInteger& modelDenominator) {
                const auto signedNumerator = model::ExactInteger(static_cast<std::int64_t>(numerator));
                const int expected = modelRoot.compare(negative ? -signedNumerator : signedNumerator, modelDenominator);
                ASSERT_EQ(calc::compareRoot(exact, negative, numerator, denominator), expected)
                    << a << ", " << b << ", " << c << " x" << index + 1 << " against " << (negative ? "-" : "")
                    << numerator;
                ++compared;
            };
            // In halves of a shown value's last digit, 10^(exponent - 14) ...
            auto checkNextToShown = [&](const calc::FifteenDigits& digits, std::initializer_list<int> offsets) {
                if (digits.significand == 0)
                    return;
                const int k = 14 - digits.exponent;
                calc::WideUnsigned<3> twiceTenToK;
                twiceTenToK.limb[0] = 2;
                for (int i = 0; i < k; ++i)
                    twiceTenToK = calc::narrowed<3>(twiceTenToK * calc::WideUnsigned<1>{{10}});
                const auto modelTwiceTenToK = model::ExactInteger(2) * model::ExactInteger::powerOfTen(k);
                for (int offset : offsets)
                    check(digits.negative, 2 * digits.significand + static_cast<std::uint64_t>(offset), twiceTenToK,
                          modelTwiceTenToK);
            };
            const calc::RoundedRoot& root = rounded[static_cast<std::size_t>(index)];
            checkNextToShown(root.digits, {-1, 0, 1});
            checkNextToShown(rounded[static_cast<std::size_t>(1 - index)].digits, {0});
            if (root.value == 0.0)
                continue;
            // ... and in halves of the double's last place, 2^(binaryExponent - 53).
            int binaryExponent = 0;
            const double fraction = std::frexp(std::abs(root.value), &binaryExponent);
            const auto twiceSignificand = 2 * static_cast<std::uint64_t>(std::ldexp(fraction, 53));
            const int scale = 54 - binaryExponent;
            for (std::uint64_t numerator : {twiceSignificand - 1, twiceSignificand, twiceSignificand + 1})
                check(root.value < 0, numerator, calc::WideUnsigned<3>::powerOfTwo(scale),
                      model::ExactInteger::powerOfTwo(scale));
        }
    }
}

}  // namespace
