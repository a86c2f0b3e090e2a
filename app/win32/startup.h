#pragma once

namespace app::win32 {

class Window;

// Prepares the thread for the windows: COM for the accessibility service and
// the common controls of the current visual style.
void prepareProgram();

// Shows the main window, whose Help and About buttons show their windows.
Window& showMainWindow();

}  // namespace app::win32
