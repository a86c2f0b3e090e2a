#include "button.h"

#include "utf16.h"

#include <commctrl.h>

#include <stdexcept>

namespace app::win32 {
namespace {

LRESULT CALLBACK neverDefault(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == BM_SETSTYLE && (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        wParam = (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_PUSHBUTTON;
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(button, neverDefault, 0);
    return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

HWND createButton(HWND parent, int id, const ControlDescription& description, const RECT& bounds)
{
    const HWND button =
        CreateWindowExW(0, WC_BUTTONW, toUtf16(description.text).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, bounds.left, bounds.top,
                        bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (button == nullptr)
        throw std::runtime_error("cannot create a button");
    SetWindowSubclass(button, neverDefault, 0, 0);
    return button;
}

}  // namespace app::win32
