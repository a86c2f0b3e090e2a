#include "text_box.h"

#include "clipboard.h"
#include "utf16.h"
#include "window_text.h"

#include <app/text.h>

#include <commctrl.h>
#include <imm.h>
#include <windowsx.h>

#include <stdexcept>
#include <string>

namespace app::win32 {
namespace {

// Messages after which the text, or the room to show it, may have changed.
bool changesTextOrRoom(UINT message)
{
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_SIZE:
        return true;
    default:
        return false;
    }
}

// A single-line box pastes the first line only.
std::wstring_view firstLine(std::wstring_view text)
{
    return text.substr(0, text.find_first_of(L"\r\n"));
}

}  // namespace

TextBox::TextBox(HWND parent, int id, const ControlDescription& description, RECT bounds)
    : maxLength_(description.maxLength)
{
    handle_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, toUtf16(description.text).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
                              bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr)
        throw std::runtime_error("cannot create a text box");
    // Numbers are typed straight in: an input method's candidates and
    // full-width forms have no place here.
    ImmAssociateContextEx(handle_, nullptr, 0);
    SetWindowSubclass(handle_, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

TextBox::~TextBox()
{
    RemoveWindowSubclass(handle_, subclassProc, 0);
}

std::wstring_view TextBox::fitting(std::wstring_view inserted) const
{
    if (maxLength_ <= 0)
        return inserted;
    DWORD start = 0;
    DWORD end = 0;
    DefSubclassProc(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return inserted.substr(0, fittingUnits(unitsOf(windowText(handle_)), start, end, unitsOf(inserted), maxLength_));
}

// What fits goes in as one replacement of the selection, which the box can
// undo; an edit of which nothing fits is refused before it happens, so that
// undo still takes back the edit before it.
LRESULT TextBox::editWithinLimit(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR: {
        const auto typed = static_cast<wchar_t>(wParam);
        if (typed >= L' ' && fitting(std::wstring_view(&typed, 1)).empty())
            return 0;
        break;
    }
    case WM_PASTE: {
        const std::wstring pasted = clipboardText(handle_);
        const std::wstring fits(fitting(firstLine(pasted)));
        if (!fits.empty())
            DefSubclassProc(handle_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fits.c_str()));
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0)
            return SendMessageW(handle_, WM_PASTE, 0, 0);  // the box would paste by itself, whole
        break;
    case EM_REPLACESEL:
        if (lParam != 0) {
            const std::wstring fits(fitting(reinterpret_cast<const wchar_t*>(lParam)));
            return DefSubclassProc(handle_, message, wParam, reinterpret_cast<LPARAM>(fits.c_str()));
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(handle_, message, wParam, lParam);
}

// A text the box can show whole is shown from its first character: the view
// scrolled along while a longer text was typed, and stays there otherwise.
void TextBox::showFromFirstCharacter()
{
    if (DefSubclassProc(handle_, EM_GETFIRSTVISIBLELINE, 0, 0) == 0 || !fitsWhole())
        return;
    DWORD start = 0;
    DWORD end = 0;
    DefSubclassProc(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    DefSubclassProc(handle_, EM_SETSEL, 0, 0);
    DefSubclassProc(handle_, EM_SCROLLCARET, 0, 0);
    DefSubclassProc(handle_, EM_SETSEL, start, static_cast<LPARAM>(end));
}

bool TextBox::fitsWhole() const
{
    const std::wstring text = windowText(handle_);
    RECT area{};
    GetClientRect(handle_, &area);
    HDC dc = GetDC(handle_);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(handle_, dc);
    return size.cx <= area.right;
}

void TextBox::onLeftButtonUp(LPARAM lParam)
{
    RECT area{};
    GetClientRect(handle_, &area);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (onClick_ && PtInRect(&area, at))
        onClick_();
}

LRESULT TextBox::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = editWithinLimit(message, wParam, lParam);
    if (message == WM_SETFONT)  // a new font brings margins too wide for three of its digits
        DefSubclassProc(handle_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    if (changesTextOrRoom(message))
        showFromFirstCharacter();
    if (message == WM_LBUTTONUP)
        onLeftButtonUp(lParam);
    return result;
}

LRESULT CALLBACK TextBox::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self)
{
    (void)window;
    return reinterpret_cast<TextBox*>(self)->handle(message, wParam, lParam);
}

}  // namespace app::win32
