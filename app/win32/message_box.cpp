#include "message_box.h"

#include "utf16.h"

#include <windows.h>

namespace app::win32 {

MessageBoxAnswer showMessageBox(const MessageBoxRequest& request)
{
    // No owner and MB_TASKMODAL: every window of the program waits for the box.
    const int answer =
        MessageBoxW(nullptr, toUtf16(request.prompt).c_str(), toUtf16(request.title).c_str(), MB_YESNO | MB_TASKMODAL);
    return answer == IDYES ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
}

void showErrorReport(std::string_view title, std::string_view text) noexcept
{
    try {
        MessageBoxW(nullptr, toUtf16(text).c_str(), toUtf16(title).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        OutputDebugStringW(L"A run-time error could not be reported\n");
    }
}

}  // namespace app::win32
