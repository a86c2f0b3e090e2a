#include "startup.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace app::win32 {

void prepareProgram()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
}

}  // namespace app::win32
