#include "error_frame.h"

#include "message_box.h"

#include <app/error_text.h>
#include <calc/run_time_error.h>

#include <new>

namespace app::win32 {

void runInErrorFrame(const std::function<void()>& callback) noexcept
{
    try {
        callback();
    } catch (const calc::RunTimeError& error) {
        showErrorReport(error.number());
    } catch (const std::bad_alloc&) {
        showErrorReport(outOfMemoryErrorNumber);
    } catch (...) {
        showErrorReport(internalErrorNumber);
    }
}

}  // namespace app::win32
