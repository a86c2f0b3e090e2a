#include "project.h"

#include <ui/info/form2.h>
#include <ui/info/form3.h>
#include <ui/main/form1.h>

#include <array>

namespace ui {

std::span<const app::WindowClass> projectWindows()
{
    static const std::array windows{
        main::form1Class(),
        app::WindowClass{&info::form2Description, {}},
        app::WindowClass{&info::form3Description, {}},
    };
    return windows;
}

}  // namespace ui
