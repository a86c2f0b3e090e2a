#pragma once

#include <functional>

namespace app {

// Runs one event handler to its end or to its first error. A calc::RunTimeError
// that leaves the handler goes to the run-time error report; so does running
// out of memory or any other exception, as an internal error. Either way the
// handler's locals are released on the way out and the program keeps running:
// nothing crosses back into Qt's event dispatch.
void runInErrorFrame(const std::function<void()>& handler) noexcept;

}  // namespace app
