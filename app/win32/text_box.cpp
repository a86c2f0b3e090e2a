#include "text_box.h"

#include "character_limit.h"
#include "utf16.h"
#include "window_text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>
#include <string>

namespace app::win32 {
namespace {

// Messages by which the user puts text into the box.
bool insertsText(UINT message)
{
    return message == WM_CHAR || message == WM_PASTE || message == WM_IME_CHAR || message == WM_UNDO ||
           message == EM_UNDO || message == EM_REPLACESEL;
}

}  // namespace

TextBox::TextBox(HWND parent, int id, const ControlDescription& description, RECT bounds)
    : maxLength_(description.maxLength)
{
    handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, toUtf16(description.text).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL,
                              bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr)
        throw std::runtime_error("cannot create a text box");
    SetWindowSubclass(handle_, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TextBox::~TextBox()
{
    RemoveWindowSubclass(handle_, subclassProc, 0);
}

void TextBox::enforceLimit()
{
    DWORD caret = 0;
    SendMessageW(handle_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const std::wstring text = windowText(handle_);
    const LimitedText limited = limitCharacters(text, caret, maxLength_);
    if (limited.text == text)
        return;
    DefSubclassProc(handle_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(limited.text.c_str()));
    DefSubclassProc(handle_, EM_SETSEL, limited.caret, static_cast<LPARAM>(limited.caret));
}

LRESULT TextBox::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
    if (maxLength_ > 0 && insertsText(message))
        enforceLimit();
    if (message == WM_LBUTTONUP && onClick_) {
        RECT area{};
        GetClientRect(handle_, &area);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&area, at))
            onClick_();
    }
    return result;
}

LRESULT CALLBACK TextBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self)
{
    (void)window;
    return reinterpret_cast<TextBox*>(self)->handle(message, wParam, lParam);
}

}  // namespace app::win32
