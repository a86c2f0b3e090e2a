#pragma once

#include "runtime_window.h"
#include "window_description.h"

#include <functional>
#include <memory>
#include <string_view>

// The single instance of each window, program-wide, reached by window name.
namespace app {

using WindowFactory = std::function<std::unique_ptr<RuntimeWindow>()>;

// Shows the one instance of the window named `name`: creates it with `create`
// when none is open, then shows it modeless without an owner, restores it when
// minimised and brings it to the front. Closing the window discards the instance; the next call creates
// it afresh.
RuntimeWindow& showSingleInstance(std::string_view name, const WindowFactory& create);

// The same for a window without handlers, built straight from its description.
RuntimeWindow& showSingleInstance(const WindowDescription& description);

// The open instance of the window named `name`, or nullptr.
RuntimeWindow* openInstance(std::string_view name);

}  // namespace app
