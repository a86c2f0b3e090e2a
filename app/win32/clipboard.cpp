#include "clipboard.h"

#include <algorithm>

namespace app::win32 {

std::wstring clipboardText(HWND owner)
{
    if (!OpenClipboard(owner))
        return {};
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data)); units != nullptr) {
            text = units;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void copyToClipboard(HWND owner, std::wstring_view text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr)
        return;
    if (auto* units = static_cast<wchar_t*>(GlobalLock(memory)); units != nullptr) {
        *std::ranges::copy(text, units).out = L'\0';
        GlobalUnlock(memory);
        if (OpenClipboard(owner)) {
            EmptyClipboard();
            if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr)
                memory = nullptr;  // the clipboard's now
            CloseClipboard();
        }
    }
    if (memory != nullptr)
        GlobalFree(memory);
}

}  // namespace app::win32
