#include "run_time_error.h"

#include <string>
#include <utility>

namespace calc {

namespace {

constexpr std::string_view overflowDescription = "溢出";

std::string_view describe(FloatingPointCondition condition)
{
    switch (condition) {
    case FloatingPointCondition::InvalidOperation:
        return "无效的过程调用或参数";
    case FloatingPointCondition::Overflow:
        return overflowDescription;
    case FloatingPointCondition::DivisionByZero:
        return "除数为零";
    }
    return {};
}

}  // namespace

RunTimeError::RunTimeError(ErrorKind kind, int number, std::string_view description, std::string what)
    : kind_(kind), number_(number), description_(description), what_(std::move(what))
{
}

RunTimeError RunTimeError::typeMismatch()
{
    return {ErrorKind::TypeMismatch, 13, "类型不匹配", "type mismatch (error 13)"};
}

RunTimeError RunTimeError::overflow()
{
    return {ErrorKind::Overflow, 6, overflowDescription, "overflow (error 6)"};
}

RunTimeError RunTimeError::from(ErrorCause cause) const
{
    RunTimeError error = *this;
    error.cause_ = std::move(cause);
    return error;
}

RunTimeError RunTimeError::floatingPoint(FloatingPointCondition condition)
{
    const int number = static_cast<int>(condition);
    return {ErrorKind::FloatingPointFault, number, describe(condition),
            "floating-point fault (error " + std::to_string(number) + ")"};
}

}  // namespace calc
