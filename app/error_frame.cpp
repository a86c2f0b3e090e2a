#include "error_frame.h"

#include "form.h"

#include <calc/conversions.h>
#include <calc/run_time_error.h>

#include <array>
#include <cstdio>
#include <new>
#include <string_view>

namespace app {
namespace {

struct Described {
    int number;
    std::string_view description;
};

constexpr std::array descriptions{
    Described{5, "无效的过程调用或参数"},  // an invalid floating-point operation
    Described{6, "溢出"},
    Described{outOfMemoryErrorNumber, "内存不足"},
    Described{11, "除数为零"},
    Described{13, "类型不匹配"},
    Described{internalErrorNumber, "内部错误"},
    Described{invalidPropertyValueErrorNumber, "无效的属性值"},
};

// Building the report may itself run out of memory; the number alone then has to do.
std::optional<ErrorReport> reportOf(int number) noexcept
{
    try {
        return errorReport(number);
    } catch (...) {
        return ErrorReport{number, {}, {}};
    }
}

std::optional<ErrorReport> reportOf(const calc::RunTimeError& error, ErrorDescriber describe) noexcept
{
    try {
        return errorReport(error, describe);
    } catch (...) {
        return ErrorReport{error.number(), {}, {}};
    }
}

}  // namespace

std::string errorDescription(int number)
{
    for (const Described& entry : descriptions) {
        if (entry.number == number)
            return std::string(entry.description);
    }
    return "未知错误";
}

ErrorReport errorReport(int number)
{
    return {number, "运行时错误 '" + calc::formatInteger(number) + "':\n\n" + errorDescription(number), {}};
}

ErrorReport errorReport(const calc::RunTimeError& error, ErrorDescriber describe)
{
    ErrorReport report = errorReport(error.number());
    const ErrorSource source = describe ? describe(error) : ErrorSource{};
    if (!source.sentence.empty())
        report.text += "\n\n" + source.sentence;
    report.sourceControl = source.control;
    return report;
}

std::optional<ErrorReport> runInErrorFrame(const std::function<void()>& handler, ErrorDescriber describe) noexcept
{
    try {
        handler();
        return std::nullopt;
    } catch (const calc::RunTimeError& error) {
        return reportOf(error, describe);
    } catch (const InvalidPropertyValue&) {
        return reportOf(invalidPropertyValueErrorNumber);
    } catch (const std::bad_alloc&) {
        return reportOf(outOfMemoryErrorNumber);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Tarvo: internal error: %s\n", error.what());
        return reportOf(internalErrorNumber);
    } catch (...) {
        return reportOf(internalErrorNumber);
    }
}

}  // namespace app
