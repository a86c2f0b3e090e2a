#pragma once

#include <app/form.h>

#include <string_view>

namespace app::win32 {

// The system's message box with the request's prompt and title, Yes and No
// and no icon, modal to the whole program; waits until the user answers or
// closes it (which answers No).
MessageBoxAnswer showMessageBox(const MessageBoxRequest& request);

// The report of an error that ended a handler: the system's box titled
// `title` with `text`, modal to the whole program. Never throws: when the
// report cannot be shown, the error goes to the debugger's log.
void showErrorReport(std::string_view title, std::string_view text) noexcept;

}  // namespace app::win32
