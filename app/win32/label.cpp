#include "label.h"

#include "accessibility.h"
#include "caption_layout.h"
#include "clipboard.h"
#include "utf16.h"
#include "window_text.h"

#include <app/spoken_text.h>

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace app::win32 {
namespace {

constexpr double namedFaceAscent = 0.86;             // em
constexpr double namedFaceLineStep = 1.15;           // em
constexpr COLORREF textOnBackColour = RGB(0, 0, 0);  // a fixed light back needs a fixed dark text
constexpr int tooltipWidth = 400;                    // pixels; wider tips break their lines
constexpr UINT copyCommand = 1;

struct Line {
    std::wstring_view text;
    int baseline = 0;
};

struct Layout {
    std::vector<Line> lines;  // only those that start inside the label
    bool cutOff = false;
};

// Lays the caption out in the font selected into `dc`.
Layout layOut(HDC dc, std::wstring_view caption, int width, int height)
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const double em = metrics.tmHeight - metrics.tmInternalLeading;
    auto measure = [dc](std::wstring_view text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    Layout layout;
    double baseline = namedFaceAscent * em;
    for (const std::wstring_view line : breakCaption(caption, width, measure)) {
        const int top = static_cast<int>(std::lround(baseline - namedFaceAscent * em));
        if (top >= height) {
            layout.cutOff = true;
            break;
        }
        if (measure(line) > width)
            layout.cutOff = true;
        layout.lines.push_back({line, static_cast<int>(std::lround(baseline))});
        baseline += namedFaceLineStep * em;
    }
    return layout;
}

class FontInDc {
public:
    FontInDc(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    FontInDc(const FontInDc&) = delete;
    FontInDc& operator=(const FontInDc&) = delete;
    ~FontInDc() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

HFONT fontOf(HWND window)
{
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

}  // namespace

Label::Label(HWND parent, int id, const ControlDescription& description)
    : description_(description), backColour_(description.backColour)
{
    handle_ = CreateWindowExW(0, WC_STATICW, toUtf16(description.text).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_OWNERDRAW | SS_NOTIFY, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr)
        throw std::runtime_error("cannot create a label");
    SetWindowSubclass(handle_, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

Label::~Label()
{
    RemoveWindowSubclass(handle_, subclassProc, 0);
    if (tooltip_ != nullptr)
        DestroyWindow(tooltip_);
}

bool Label::isCutOff() const
{
    RECT area{};
    GetClientRect(handle_, &area);
    HDC dc = GetDC(handle_);
    bool cutOff = false;
    {
        const FontInDc selected(dc, fontOf(handle_));
        cutOff = layOut(dc, windowText(handle_), area.right, area.bottom).cutOff;
    }
    ReleaseDC(handle_, dc);
    return cutOff;
}

void Label::paint(const DRAWITEMSTRUCT& item) const
{
    const RECT area = item.rcItem;
    const COLORREF back =
        backColour_ ? RGB(backColour_->red, backColour_->green, backColour_->blue) : GetSysColor(COLOR_BTNFACE);
    SetBkColor(item.hDC, back);
    ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);  // fills the back

    const FontInDc selected(item.hDC, fontOf(handle_));
    SetTextColor(item.hDC, backColour_ ? textOnBackColour : GetSysColor(COLOR_BTNTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextAlign(item.hDC, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    const std::wstring caption = windowText(handle_);
    for (const auto& [text, baseline] : layOut(item.hDC, caption, area.right - area.left, area.bottom - area.top).lines)
        ExtTextOutW(item.hDC, area.left, area.top + baseline, ETO_CLIPPED, &area, text.data(),
                    static_cast<UINT>(text.size()), nullptr);
}

void Label::refresh()
{
    if (!description_.accessibleName.empty())
        annotate(handle_, spokenName(description_, toUtf8(windowText(handle_))), {});
    updateTooltip();
    InvalidateRect(handle_, nullptr, TRUE);
}

void Label::updateTooltip()
{
    if (!backColour_)
        return;
    const std::wstring caption = windowText(handle_);
    const bool cutOff = isCutOff();
    if (tooltip_ == nullptr && !cutOff)
        return;
    if (tooltip_ == nullptr) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(handle_),
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        if (tooltip_ == nullptr)
            return;  // the caption still shows what fits
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, tooltipWidth);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(handle_);
        tool.uId = reinterpret_cast<UINT_PTR>(handle_);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(handle_);
    tool.uId = reinterpret_cast<UINT_PTR>(handle_);
    tool.lpszText = const_cast<wchar_t*>(cutOff ? caption.c_str() : L"");
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_ACTIVATE, cutOff ? TRUE : FALSE, 0);
}

// At the mouse (labels never have the focus); greyed on an empty caption.
void Label::showCopyMenu(LPARAM at) const
{
    const std::wstring caption = windowText(handle_);
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return;
    AppendMenuW(menu, MF_STRING | (caption.empty() ? MF_GRAYED : MF_ENABLED), copyCommand, L"复制");
    const auto chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, GET_X_LPARAM(at),
                                         GET_Y_LPARAM(at), 0, GetParent(handle_), nullptr));
    DestroyMenu(menu);
    if (chosen == copyCommand)
        copyToClipboard(handle_, caption);
}

LRESULT CALLBACK Label::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* label = reinterpret_cast<Label*>(self);
    if (message == WM_CONTEXTMENU && label->description_.copyable) {
        label->showCopyMenu(lParam);
        return 0;
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SETTEXT || message == WM_SETFONT)
        label->refresh();
    return result;
}

}  // namespace app::win32
