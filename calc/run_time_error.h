#pragma once

#include <exception>
#include <string>

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

// Raised, never returned, by the conversions and the solver. Nothing in calc
// catches it; the program's shell reports it.
class RunTimeError : public std::exception {
public:
    static RunTimeError typeMismatch();
    static RunTimeError overflow();
    static RunTimeError floatingPoint(FloatingPointCondition condition);

    ErrorKind kind() const noexcept { return kind_; }
    // 13 for TypeMismatch, 6 for Overflow, the condition's number otherwise.
    int number() const noexcept { return number_; }
    // An ASCII description for logs and test output, not for the user.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    RunTimeError(ErrorKind kind, int number, std::string what);

    ErrorKind kind_;
    int number_;
    std::string what_;
};

}  // namespace calc
