#pragma once

namespace app::win32 {

// Prepares the thread for the windows: COM for the accessibility service and
// the common controls of the current visual style.
void prepareProgram();

}  // namespace app::win32
