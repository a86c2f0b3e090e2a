#include "win32_program.h"

#include <ui/project.h>

namespace program {

Win32Program::Win32Program() : runtime_(toolkit_, ui::projectWindows()) {}

app::win32::Win32Window& Win32Program::start()
{
    runtime_.showWindow(ui::startupWindow);
    return *openWindow(ui::startupWindow);
}

app::win32::Win32Window* Win32Program::openWindow(std::string_view windowName) const
{
    // The Win32 toolkit makes every window of this program.
    return static_cast<app::win32::Win32Window*>(runtime_.openWindow(windowName));
}

}  // namespace program
