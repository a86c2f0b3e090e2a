// Every text a coefficient box can hold, over the characters that matter to the
// number grammar, checked against a model of that grammar written separately
// from the parser: regular expressions and exact integer arithmetic.
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include <calc/calculation.h>
#include <calc/run_time_error.h>

namespace {

using calc::ErrorKind;
using calc::RunTimeError;

using ModelResult = std::variant<std::int64_t, ErrorKind>;

std::int64_t powerOfTen(std::int64_t exponent)
{
    std::int64_t result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

ModelResult modelValue(const std::string& raw)
{
    static const std::regex blanks("^[ \t]*(.*?)[ \t]*$");
    static const std::regex hex("^&[hH]([0-9a-fA-F]+)$");
    static const std::regex octal("^&[oO]([0-7]+)$");
    static const std::regex decimal("^([+-]?)([0-9]*)(?:\\.([0-9]*))?(?:[eE]([+-]?[0-9]+))?$");

    std::smatch m;
    std::regex_match(raw, m, blanks);
    const std::string text = m[1];
    if (std::regex_match(text, m, hex))
        return std::int64_t{static_cast<std::int32_t>(std::stoul(m[1], nullptr, 16))};
    if (std::regex_match(text, m, octal))
        return std::int64_t{static_cast<std::int32_t>(std::stoul(m[1], nullptr, 8))};
    if (!std::regex_match(text, m, decimal) || m[2].length() + m[3].length() == 0)
        return ErrorKind::TypeMismatch;

    const std::string digits = m[2].str() + m[3].str();
    const std::int64_t mantissa = std::stoll(digits);
    const std::int64_t scale = (m[4].matched ? std::stoll(m[4]) : 0) - m[3].length();
    std::int64_t magnitude = 0;
    if (scale >= 0) {
        magnitude = mantissa * powerOfTen(scale);
    } else {
        const std::int64_t divisor = powerOfTen(-scale);
        magnitude = mantissa / divisor;
        const std::int64_t twiceRemainder = 2 * (mantissa % divisor);
        if (twiceRemainder > divisor || (twiceRemainder == divisor && magnitude % 2 == 1))
            ++magnitude;
    }
    const std::int64_t value = m[1] == "-" ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return ErrorKind::Overflow;
    return value;
}

// What a calculation shows, as one comparable text.
template <typename Solve>
std::string shown(Solve solve)
{
    try {
        const calc::SolveOutcome outcome = solve();
        if (const auto* q = std::get_if<calc::QuadraticRoots>(&outcome))
            return "Q " + q->discriminantText + " " + q->bText + " " + q->twoAText + " " + q->x1Text + " " + q->x2Text;
        if (const auto* l = std::get_if<calc::LinearRoot>(&outcome))
            return "L " + l->rootText;
        return "M " + std::to_string(outcome.index());
    } catch (const RunTimeError& e) {
        return "E " + std::to_string(e.number());
    }
}

std::vector<std::string> allShortTexts()
{
    const std::string alphabet = "0123456789+-.eE&HhOoAaFf x";
    std::vector<std::string> texts = {""};
    for (std::size_t begin = 0, length = 1; length <= 3; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t i = begin; i < end; ++i)
            for (char c : alphabet)
                texts.push_back(texts[i] + c);
        begin = end;
    }
    return texts;
}

TEST(ShortTexts, ParseAsTheGrammarSaysInEveryBox)
{
    const std::vector<std::string> texts = allShortTexts();
    ASSERT_EQ(texts.size(), 1u + 26u + 26u * 26u + 26u * 26u * 26u);
    int numbers = 0;
    for (const std::string& text : texts) {
        const ModelResult model = modelValue(text);
        if (std::holds_alternative<std::int64_t>(model))
            ++numbers;
        auto expected = [&](int position) {
            return shown([&] {
                if (const auto* kind = std::get_if<ErrorKind>(&model))
                    throw *kind == ErrorKind::Overflow ? RunTimeError::overflow() : RunTimeError::typeMismatch();
                calc::Coefficients coefficients{1, 1, 1};
                const auto value = static_cast<std::int32_t>(std::get<std::int64_t>(model));
                (position == 0 ? coefficients.a : position == 1 ? coefficients.b : coefficients.c) = value;
                return calc::solveEquation(coefficients);
            });
        };
        ASSERT_EQ(shown([&] { return calc::calculate(text, "1", "1"); }), expected(0)) << "a = \"" << text << '"';
        ASSERT_EQ(shown([&] { return calc::calculate("1", text, "1"); }), expected(1)) << "b = \"" << text << '"';
        ASSERT_EQ(shown([&] { return calc::calculate("1", "1", text); }), expected(2)) << "c = \"" << text << '"';
    }
    EXPECT_GT(numbers, 1000);  // the alphabet reaches a good share of numbers, not only errors
}

}  // namespace
