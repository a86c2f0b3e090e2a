#include "startup.h"

#include "window_instances.h"

#include <ui/info/form2.h>
#include <ui/info/form3.h>
#include <ui/main/form1_description.h>

#include <commctrl.h>
#include <objbase.h>

namespace app::win32 {

void prepareProgram()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
}

Window& showMainWindow()
{
    return showSingleInstance(ui::main::form1Description(), [](Window& form1) {
        form1.onClick("Command2", [] { showSingleInstance(ui::info::form2()); });
        form1.onClick("Command4", [] { showSingleInstance(ui::info::form3()); });
    });
}

}  // namespace app::win32
