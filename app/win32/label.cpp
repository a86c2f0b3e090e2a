#include "label.h"

#include "accessibility.h"
#include "clipboard.h"
#include "dpi.h"
#include "utf16.h"
#include "window_text.h"

#include <app/spoken_text.h>
#include <app/text.h>

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace app::win32 {
namespace {

constexpr COLORREF textOnBackColour = RGB(0, 0, 0);  // a fixed light back needs a fixed dark text
constexpr int tooltipWidth = 400;                    // pixels; wider tips break their lines
constexpr UINT copyCommand = 1;

// Captions are measured in their font at this em, where hinting moves an
// advance by a negligible share: the unhinted advances, as the Qt backend has.
constexpr int measuringEm = 1024;  // pixels

FontDescription measuringFont(const FontDescription& font)
{
    FontDescription measuring = font;
    measuring.points = measuringEm * 72.0 / baseDpi;
    return measuring;
}

// The font's em in pixels at `dpi`, unrounded.
double emAt(const FontDescription& font, unsigned dpi)
{
    return font.points * dpi / 72.0;
}

// Lays the caption out in pixels at baseDpi, measured in the measuring font
// selected into `dc`.
CaptionLayout layOutInDc(HDC dc, std::wstring_view caption, const CaptionArea& area)
{
    const double scale = area.em / measuringEm;
    const auto widthOf = [dc, caption, scale](std::size_t begin, std::size_t end) {
        SIZE size{};
        GetTextExtentPoint32W(dc, caption.data() + begin, static_cast<int>(end - begin), &size);
        return size.cx * scale;
    };
    return layOutCaption(unitsOf(caption), area, widthOf);
}

// The distances between the origins of the characters of `text`, measured as
// the layout measures them in the measuring font selected into `dc`, and
// scaled to pixels: the character cells ExtTextOutW takes.
std::vector<INT> scaledAdvances(HDC dc, std::wstring_view text, double scale)
{
    std::vector<INT> advances(text.size());
    long before = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(i + 1), &extent);
        const long origin = std::lround(extent.cx * scale);
        advances[i] = static_cast<INT>(origin - before);
        before = origin;
    }
    return advances;
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
    : description_(description),
      font_(description.font.value_or(windowDefaultFont)),
      measuringFont_(measuringFont(font_), baseDpi),
      backColour_(description.backColour)
{
    handle_ = CreateWindowExW(0, WC_STATICW, toUtf16(description.text).c_str(),
                              WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr)
        throw std::runtime_error("cannot create a label");
    SetWindowSubclass(handle_, subclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Label::~Label()
{
    RemoveWindowSubclass(handle_, subclassProc, 0);
    if (tooltip_ != nullptr)
        DestroyWindow(tooltip_);
}

const Label& Label::of(HWND handle)
{
    const auto* label = reinterpret_cast<const Label*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (label == nullptr)
        throw std::invalid_argument("not a label");
    return *label;
}

CaptionLayout Label::layOut() const
{
    HDC dc = GetDC(handle_);
    CaptionLayout layout;
    {
        const FontInDc selected(dc, measuringFont_.handle());
        const CaptionArea area{static_cast<double>(twipsToPixels(description_.width, baseDpi)),
                               static_cast<double>(twipsToPixels(description_.height, baseDpi)), emAt(font_, baseDpi)};
        layout = layOutInDc(dc, windowText(handle_), area);
    }
    ReleaseDC(handle_, dc);
    return layout;
}

void Label::paint(const DRAWITEMSTRUCT& item) const
{
    const RECT area = item.rcItem;
    for (const HWND control : coveredBy_) {
        RECT covered{};
        GetWindowRect(control, &covered);
        MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&covered), 2);
        ExcludeClipRect(item.hDC, covered.left, covered.top, covered.right, covered.bottom);
    }
    const COLORREF back =
        backColour_ ? RGB(backColour_->red, backColour_->green, backColour_->blue) : GetSysColor(COLOR_BTNFACE);
    SetBkColor(item.hDC, back);
    ExtTextOutW(item.hDC, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);  // fills the back

    const std::wstring caption = windowText(handle_);
    const double scale = static_cast<double>(dpi_) / baseDpi;  // from the layout's pixels
    const CaptionLayout layout = layOut();
    std::vector<std::vector<INT>> advances;
    {
        const FontInDc measuring(item.hDC, measuringFont_.handle());
        for (const CaptionLine& line : layout.lines)
            advances.push_back(scaledAdvances(item.hDC,
                                              std::wstring_view(caption).substr(line.begin, line.end - line.begin),
                                              emAt(font_, dpi_) / measuringEm));
    }
    const FontInDc selected(item.hDC, fontOf(handle_));
    SetTextColor(item.hDC, backColour_ ? textOnBackColour : GetSysColor(COLOR_BTNTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextAlign(item.hDC, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const CaptionLine& line = layout.lines[i];
        ExtTextOutW(item.hDC, area.left, area.top + static_cast<int>(std::lround(line.baseline * scale)), ETO_CLIPPED,
                    &area, caption.data() + line.begin, static_cast<UINT>(line.end - line.begin), advances[i].data());
    }
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
    const std::wstring caption = windowText(handle_);
    const std::wstring tip = wideOf(captionTooltip(unitsOf(caption), source_, layOut()));
    if (tooltip_ == nullptr && tip.empty())
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
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_ACTIVATE, tip.empty() ? FALSE : TRUE, 0);
}

bool Label::isCoveredAt(POINT onScreen) const
{
    for (const HWND control : coveredBy_) {
        RECT covered{};
        GetWindowRect(control, &covered);
        if (PtInRect(&covered, onScreen))
            return true;
    }
    return false;
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
    if (message == WM_NCHITTEST && label->isCoveredAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return HTTRANSPARENT;  // to the control beneath, which the table stacks above
    if (message == WM_SETTEXT)  // the table's caption went in with the control
        label->source_ = CaptionSource::Handler;
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SETTEXT || message == WM_SETFONT)
        label->refresh();
    return result;
}

}  // namespace app::win32
