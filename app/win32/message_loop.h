#pragma once

namespace app::win32 {

// Delivers the program's messages until the last window has closed, with the
// dialog keys (Tab, Shift+Tab, Space on a button) in every window. Returns the
// program's exit code.
int runMessageLoop();

}  // namespace app::win32
