#pragma once

#include <app/runtime.h>
#include <app/win32/win32_toolkit.h>
#include <app/win32/win32_window.h>

#include <string_view>

namespace program {

// Tarvo's windows on the Win32 backend, on a thread app::win32::prepareProgram
// has prepared. The message loop ends when the last window closes.
class Win32Program {
public:
    Win32Program();

    // Shows the start-up window, the main window, and returns it.
    app::win32::Win32Window& start();

    // The open instance of the window named `windowName`, or nullptr.
    app::win32::Win32Window* openWindow(std::string_view windowName) const;

private:
    app::win32::Win32Toolkit toolkit_;
    app::Runtime runtime_;
};

}  // namespace program
