#include "error_frame.h"

#include "error_report.h"

#include <calc/run_time_error.h>

#include <QtGlobal>

#include <new>

namespace app {
namespace {

// The report itself may fail, e.g. when memory is short; then stderr has to do.
void reportSafely(int number) noexcept
{
    try {
        reportError(number);
    } catch (...) {
        qCritical("Tarvo: run-time error %d could not be reported", number);
    }
}

}  // namespace

void runInErrorFrame(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const calc::RunTimeError& error) {
        reportSafely(error.number());
    } catch (const std::bad_alloc&) {
        reportSafely(outOfMemoryErrorNumber);
    } catch (const std::exception& error) {
        qCritical("Tarvo: internal error: %s", error.what());
        reportSafely(internalErrorNumber);
    } catch (...) {
        reportSafely(internalErrorNumber);
    }
}

}  // namespace app
