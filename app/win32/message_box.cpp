#include "message_box.h"

#include "utf16.h"

#include <app/error_text.h>

#include <windows.h>

#include <string>

namespace app::win32 {

void showMessageBox(std::string_view prompt)
{
    // No owner and MB_TASKMODAL: every window of the program waits for the box.
    MessageBoxW(nullptr, toUtf16(prompt).c_str(), L"提示", MB_YESNO | MB_TASKMODAL);
}

void showErrorReport(int number) noexcept
{
    try {
        MessageBoxW(nullptr, toUtf16(runTimeErrorReport(number)).c_str(), toUtf16(errorReportTitle).c_str(),
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        OutputDebugStringW(L"Tarvo: a run-time error could not be reported\n");
    }
}

}  // namespace app::win32
