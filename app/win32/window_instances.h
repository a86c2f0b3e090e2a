#pragma once

#include "window.h"

#include <app/window_description.h>

#include <functional>
#include <string_view>

// The single instance of each window, program-wide, reached by window name.
namespace app::win32 {

// Shows the one instance of the description's window: when none exists,
// creates it and lets `bind` attach its handlers; then shows it modeless with
// no owner, in front. Closing the window discards the instance; the next call
// creates it afresh.
Window& showSingleInstance(const WindowDescription& description,
                           const std::function<void(Window&)>& bind = {});

// The instance of the window named `name`, or nullptr.
Window* openInstance(std::string_view name);

}  // namespace app::win32
