#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <variant>

namespace calc {

// What went wrong, as the program reports it to the user.
enum class ErrorKind {
    TypeMismatch,        // a text that is not a number (error 13)
    Overflow,            // a value outside the 32-bit range (error 6)
    FloatingPointFault,  // a floating-point condition; its number says which
};

// The floating-point conditions the solver guards against, numbered as reported.
enum class FloatingPointCondition {
    InvalidOperation = 5,  // a square root of a negative number, a NaN
    Overflow = 6,          // a result too large for a double
    DivisionByZero = 11,
};

// The coefficients of a*x^2 + b*x + c, in the order calculate reads them.
enum class Coefficient { A, B, C };

// A coefficient whose text failed to convert.
struct CoefficientText {
    Coefficient coefficient = Coefficient::A;
    std::string text;  // as given, UTF-8

    friend bool operator==(const CoefficientText&, const CoefficientText&) = default;
};

// The discriminant b*b - 4*a*c, or a step of it, left the 32-bit range.
struct DiscriminantRange {
    friend bool operator==(const DiscriminantRange&, const DiscriminantRange&) = default;
};

// What caused an error, where calculate knows it; nothing otherwise.
using ErrorCause = std::variant<std::monostate, CoefficientText, DiscriminantRange>;

// Raised, never returned, by the conversions and the solver. calculate adds
// its cause on the way out; the program's shell reports it.
class RunTimeError : public std::exception {
public:
    static RunTimeError typeMismatch();
    static RunTimeError overflow();
    static RunTimeError floatingPoint(FloatingPointCondition condition);

    ErrorKind kind() const noexcept { return kind_; }
    // 13 for TypeMismatch, 6 for Overflow, the condition's number otherwise.
    int number() const noexcept { return number_; }
    // What the user is told the number means, UTF-8: "类型不匹配" for 13.
    std::string_view description() const noexcept { return description_; }
    const ErrorCause& cause() const noexcept { return cause_; }
    // An ASCII description for logs and test output, not for the user.
    const char* what() const noexcept override { return what_.c_str(); }

    // The same error, with `cause`.
    RunTimeError from(ErrorCause cause) const;

private:
    RunTimeError(ErrorKind kind, int number, std::string_view description, std::string what);

    ErrorKind kind_;
    int number_;
    std::string_view description_;
    ErrorCause cause_;
    std::string what_;
};

}  // namespace calc
