#pragma once

#include <windows.h>

#include <string>

namespace app::win32 {

// The whole text of a window or control.
std::wstring windowText(HWND window);

}  // namespace app::win32
