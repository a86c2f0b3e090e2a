#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// From three coefficient texts to exactly what the main window shows.
namespace calc {

struct Coefficients {
    std::int32_t a = 0;
    std::int32_t b = 0;
    std::int32_t c = 0;
};

// a != 0 and b*b - 4*a*c >= 0. x1 takes +sqrt(d), x2 takes -sqrt(d).
struct QuadraticRoots {
    std::int32_t discriminant = 0;
    std::int32_t b = 0;
    std::int32_t twoA = 0;
    double x1 = 0.0;
    double x2 = 0.0;
    std::string discriminantText;
    std::string bText;
    std::string twoAText;
    std::string x1Text;
    std::string x2Text;
};

// a == 0 and b != 0: the single root -c / b.
struct LinearRoot {
    double root = 0.0;
    std::string rootText;
};

// a == b == c == 0.
struct AnyRealNumber {
    static constexpr std::string_view message = "方程根为任意实数";
};

// a == b == 0 and c != 0.
struct NoSolution {
    static constexpr std::string_view message = "方程无解";
};

// a != 0 and b*b - 4*a*c < 0.
struct NoRealRoots {
    static constexpr std::string_view message = "方程无实根";
};

// The kind of a result is the alternative it holds.
using SolveOutcome = std::variant<QuadraticRoots, LinearRoot, AnyRealNumber, NoSolution, NoRealRoots>;

// Solves a*x^2 + b*x + c = 0. The discriminant is computed in 32-bit integers
// in the order p = 4*a, q = p*c, r = b*b, d = r - q; the first of these whose
// exact result leaves the 32-bit range throws RunTimeError Overflow.
// The roots x1 = (-b + sqrt(d)) / 2a, x2 = (-b - sqrt(d)) / 2a and -c / b are
// taken from their exact values, the same in every floating-point environment:
// each double is the one nearest the root, and each root text is the root
// itself rounded half to even to 15 significant digits in formatFifteenDigits'
// layout (which is not always formatReal of that double). A zero root is +0 and "0".
// A zero divisor or a negative discriminant under the square root would throw
// RunTimeError FloatingPointFault; with the checks above neither can occur.
SolveOutcome solveEquation(Coefficients coefficients);

// Parses a, then b, then c with parseCoefficient and solves. The first text
// that fails ends the call with its RunTimeError, whose cause names the
// coefficient and its text; later texts are not read. An Overflow while
// solving comes from the discriminant and says so.
SolveOutcome calculate(std::string_view a, std::string_view b, std::string_view c);

}  // namespace calc
