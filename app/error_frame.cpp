#include "error_frame.h"

#include "form.h"

#include <calc/conversions.h>
#include <calc/run_time_error.h>

#include <cstdio>
#include <new>

namespace app {
namespace {

ErrorReport reportOf(int number, std::string_view description)
{
    return {number, "运行时错误 '" + calc::formatInteger(number) + "':\n\n" + std::string(description), {}};
}

// Building the report may itself run out of memory; the number alone then has to do.
std::optional<ErrorReport> safeReport(const FrameError& error) noexcept
{
    try {
        return reportOf(error.number, error.description);
    } catch (...) {
        return ErrorReport{error.number, {}, {}};
    }
}

std::optional<ErrorReport> safeReport(const calc::RunTimeError& error, CauseDescriber describe) noexcept
{
    try {
        return errorReport(error, describe);
    } catch (...) {
        return ErrorReport{error.number(), {}, {}};
    }
}

}  // namespace

ErrorReport errorReport(const calc::RunTimeError& error, CauseDescriber describe)
{
    ErrorReport report = reportOf(error.number(), error.description());
    const CauseNote cause = describe ? describe(error) : CauseNote{};
    if (!cause.sentence.empty())
        report.text += "\n\n" + cause.sentence;
    report.causeControl = cause.control;
    return report;
}

std::optional<ErrorReport> runInErrorFrame(const std::function<void()>& handler, CauseDescriber describe) noexcept
{
    try {
        handler();
        return std::nullopt;
    } catch (const calc::RunTimeError& error) {
        return safeReport(error, describe);
    } catch (const InvalidPropertyValue&) {
        return safeReport(invalidPropertyValue);
    } catch (const std::bad_alloc&) {
        return safeReport(outOfMemory);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Tarvo: internal error: %s\n", error.what());
        return safeReport(internalError);
    } catch (...) {
        return safeReport(internalError);
    }
}

}  // namespace app
