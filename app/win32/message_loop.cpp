#include "message_loop.h"

#include "window.h"

#include <windows.h>

namespace app::win32 {

int runMessageLoop()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (top != nullptr && Window::isProgramWindow(top) && IsDialogMessageW(top, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace app::win32
