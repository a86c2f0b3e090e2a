#pragma once

#include <app/runtime.h>
#include <program/identity.h>
#include <ui/project.h>

#include <string_view>

namespace program {

// Tarvo's windows on one toolkit backend: the toolkit, and the shell over the
// project's windows. The backend's event loop ends when the last window closes.
// A template so that each program hands out its own backend's windows.
template <typename Toolkit, typename Window>
class Program {
public:
    Program() : runtime_(toolkit_, ui::projectWindows(), identity.name) {}

    // Shows the start-up window, the main window, and returns it.
    Window& start()
    {
        runtime_.showWindow(ui::startupWindow);
        return *openWindow(ui::startupWindow);
    }

    // The open instance of the window named `windowName`, or nullptr.
    // Throws std::bad_cast should the toolkit ever make another kind of window.
    Window* openWindow(std::string_view windowName) const
    {
        app::NativeWindow* open = runtime_.openWindow(windowName);
        return open == nullptr ? nullptr : &dynamic_cast<Window&>(*open);
    }

private:
    Toolkit toolkit_;
    app::Runtime runtime_;
};

}  // namespace program
