#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The clipboard's Unicode text, read and written on behalf of a window.
namespace app::win32 {

// Empty when the clipboard holds no text or another program holds it open.
std::wstring clipboardText(HWND owner);

// Does nothing when another program holds the clipboard open.
void copyToClipboard(HWND owner, std::wstring_view text);

}  // namespace app::win32
