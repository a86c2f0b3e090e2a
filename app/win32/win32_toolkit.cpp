#include "win32_toolkit.h"

#include "message_box.h"
#include "win32_window.h"

#include <windows.h>

namespace app::win32 {

std::unique_ptr<NativeWindow> Win32Toolkit::createWindow(const WindowDescription& description, WindowEvents& events,
                                                         Shell& shell)
{
    return std::make_unique<Win32Window>(description, events, shell);
}

MessageBoxAnswer Win32Toolkit::showMessageBox(const MessageBoxRequest& request)
{
    return win32::showMessageBox(request);
}

void Win32Toolkit::showErrorReport(std::string_view title, std::string_view text)
{
    win32::showErrorReport(title, text);
}

void Win32Toolkit::quit()
{
    PostQuitMessage(0);
}

}  // namespace app::win32
