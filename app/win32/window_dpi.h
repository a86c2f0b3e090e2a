#pragma once

#include <windows.h>

// The DPI each window is laid out at. Windows 10 1607 and later tell every
// window its monitor's DPI; older ones have one, the screen's, read once at
// start-up. The functions of 1607 are looked up when first needed, so that
// Tarvo.exe starts on Windows 7.
namespace app::win32 {

// The DPI `window` is on now.
unsigned windowDpi(HWND window);

// Turns `client`, a client rectangle, into the window rectangle of a window
// with these styles at `dpi` (before 1607, at the screen's).
void adjustToFrame(RECT& client, DWORD style, DWORD exStyle, unsigned dpi);

}  // namespace app::win32
