#pragma once

#include <string_view>

namespace app::win32 {

// The system's message box titled "提示" with Yes and No and no icon, modal to
// the whole program; waits until the user answers or closes it. The answer
// carries no meaning.
void showMessageBox(std::string_view prompt);

// The report of an error that ended a handler: the system's box with the
// error's number and Chinese description, modal to the whole program. Never
// throws: when the report cannot be shown, the error goes to the debugger's log.
void showErrorReport(int number) noexcept;

}  // namespace app::win32
