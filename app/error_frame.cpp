#include "error_frame.h"

#include "error_report.h"

#include <calc/run_time_error.h>

#include <QtGlobal>

#include <new>

namespace app {
namespace {

// The report itself may fail, e.g. when memory is short; then stderr has to do.
void reportSafely(const std::function<void()>& report, int number) noexcept
{
    try {
        report();
    } catch (...) {
        qCritical("Tarvo: run-time error %d could not be reported", number);
    }
}

}  // namespace

void runInErrorFrame(const std::function<void()>& handler, const AfterReport& afterReport) noexcept
{
    try {
        handler();
    } catch (const calc::RunTimeError& error) {
        reportSafely(
            [&] {
                reportRunTimeError(error);
                if (afterReport)
                    afterReport(error);
            },
            error.number());
    } catch (const std::bad_alloc&) {
        reportSafely([] { reportError(outOfMemoryErrorNumber); }, outOfMemoryErrorNumber);
    } catch (const std::exception& error) {
        qCritical("Tarvo: internal error: %s", error.what());
        reportSafely([] { reportError(internalErrorNumber); }, internalErrorNumber);
    } catch (...) {
        reportSafely([] { reportError(internalErrorNumber); }, internalErrorNumber);
    }
}

}  // namespace app
