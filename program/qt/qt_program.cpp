#include "qt_program.h"

#include <ui/project.h>

namespace program {

QtProgram::QtProgram() : runtime_(toolkit_, ui::projectWindows()) {}

app::qt::QtWindow& QtProgram::start()
{
    runtime_.showWindow(ui::startupWindow);
    return *openWindow(ui::startupWindow);
}

app::qt::QtWindow* QtProgram::openWindow(std::string_view windowName) const
{
    // The Qt toolkit makes every window of this program.
    return static_cast<app::qt::QtWindow*>(runtime_.openWindow(windowName));
}

}  // namespace program
