#pragma once

#include <functional>

namespace app::win32 {

// Runs one callback to its end or to its first error. A calc::RunTimeError
// goes to the run-time error report, as does running out of memory or any
// other exception, as an internal error. The program keeps running: nothing
// crosses back into the system's message dispatch.
void runInErrorFrame(const std::function<void()>& callback) noexcept;

}  // namespace app::win32
