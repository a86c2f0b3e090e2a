#include "error_frame.h"

#include "form.h"

#include <calc/conversions.h>

#include <array>
#include <cstdio>
#include <new>
#include <string_view>
#include <type_traits>
#include <variant>

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

// By calc::Coefficient: A, B, C.
constexpr std::array<std::string_view, 3> coefficientNames{"a", "b", "c"};

// One sentence on what the error came from; empty when it is not known.
std::string sourceText(const calc::ErrorSource& source)
{
    return std::visit(
        [](const auto& from) -> std::string {
            using From = std::decay_t<decltype(from)>;
            if constexpr (std::is_same_v<From, calc::CoefficientText>)
                return "系数 " + std::string(coefficientNames.at(std::size_t(from.coefficient))) + " 的输入“" +
                       from.text + "”无法转换为整数。";
            else if constexpr (std::is_same_v<From, calc::DiscriminantRange>)
                return "判别式 b² − 4ac 超出了整数范围。";
            else
                return {};
        },
        source);
}

// Building the report may itself run out of memory; the number alone then has to do.
template <typename Error>
std::optional<ErrorReport> reportOf(const Error& error) noexcept
{
    try {
        return errorReport(error);
    } catch (...) {
        if constexpr (std::is_same_v<Error, int>)
            return ErrorReport{error, {}, {}};
        else
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

ErrorReport errorReport(const calc::RunTimeError& error)
{
    ErrorReport report = errorReport(error.number());
    if (const std::string source = sourceText(error.source()); !source.empty())
        report.text += "\n\n" + source;
    report.source = error.source();
    return report;
}

std::optional<ErrorReport> runInErrorFrame(const std::function<void()>& handler) noexcept
{
    try {
        handler();
        return std::nullopt;
    } catch (const calc::RunTimeError& error) {
        return reportOf(error);
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
