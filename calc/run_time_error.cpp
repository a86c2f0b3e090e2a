#include "run_time_error.h"

#include <string>
#include <utility>

namespace calc {

RunTimeError::RunTimeError(ErrorKind kind, int number, std::string what)
    : kind_(kind), number_(number), what_(std::move(what))
{
}

RunTimeError RunTimeError::typeMismatch()
{
    return {ErrorKind::TypeMismatch, 13, "type mismatch (error 13)"};
}

RunTimeError RunTimeError::overflow()
{
    return {ErrorKind::Overflow, 6, "overflow (error 6)"};
}

RunTimeError RunTimeError::from(ErrorSource source) const
{
    RunTimeError error = *this;
    error.source_ = std::move(source);
    return error;
}

RunTimeError RunTimeError::floatingPoint(FloatingPointCondition condition)
{
    const int number = static_cast<int>(condition);
    return {ErrorKind::FloatingPointFault, number, "floating-point fault (error " + std::to_string(number) + ")"};
}

}  // namespace calc
