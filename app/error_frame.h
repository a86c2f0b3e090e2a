#pragma once

#include <functional>

namespace calc {
class RunTimeError;
}

namespace app {

// Called once the user has dismissed the report of a calc::RunTimeError.
using AfterReport = std::function<void(const calc::RunTimeError&)>;

// Runs one event handler to its end or to its first error. A calc::RunTimeError
// that leaves the handler goes to the run-time error report and then to
// `afterReport`, when given; running out of memory or any other exception is
// reported as an internal error. Either way the handler's locals are released
// on the way out and the program keeps running: nothing crosses back into
// Qt's event dispatch.
void runInErrorFrame(const std::function<void()>& handler, const AfterReport& afterReport = {}) noexcept;

}  // namespace app
