#include "window.h"

#include "accessibility.h"
#include "button.h"
#include "dpi.h"
#include "label.h"
#include "text_box.h"
#include "utf16.h"
#include "window_dpi.h"

#include <app/spoken_text.h>

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace app::win32 {
namespace {

constexpr wchar_t windowClassName[] = L"TarvoWindow";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD windowExStyle = WS_EX_CONTROLPARENT;
constexpr wchar_t programIconName[] = L"IDI_TARVO";  // the icon group of tarvo.rc
constexpr int firstControlId = 100;                  // clear of IDOK and IDCANCEL, which the dialog keys send

int liveWindows = 0;

RECT pixelBounds(const ControlDescription& control, unsigned dpi)
{
    const int left = twipsToPixels(control.left, dpi);
    const int top = twipsToPixels(control.top, dpi);
    return {left, top, left + twipsToPixels(control.width, dpi), top + twipsToPixels(control.height, dpi)};
}

}  // namespace

struct Window::Control {
    Control(const ControlDescription& described, int controlId) : description(described), id(controlId) {}

    const ControlDescription& description;
    int id = 0;
    HWND handle = nullptr;
    std::unique_ptr<Label> label;
    std::unique_ptr<TextBox> textBox;
    std::function<void()> onClick;  // buttons; text boxes keep their own
};

std::unique_ptr<Window> Window::create(const WindowDescription& description)
{
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), programIconName);
        windowClass.hIconSm =
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), programIconName, IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = windowClassName;
        return RegisterClassExW(&windowClass);
    }();
    if (registered == 0)
        throw std::runtime_error("cannot register the window class");
    // Owned from the start: a creation that fails after WM_NCCREATE detaches
    // the object again on WM_NCDESTROY, and one whose build throws destroys the window.
    std::unique_ptr<Window> window(new Window(description));
    if (CreateWindowExW(windowExStyle, windowClassName, toUtf16(description.caption).c_str(), windowStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                        GetModuleHandleW(nullptr), window.get()) == nullptr)
        throw std::runtime_error("cannot create a window");
    window->build();
    return window;
}

Window::Window(const WindowDescription& description) : description_(description) {}

void Window::build()
{
    dpi_ = windowDpi(handle_);
    fitFrame(nullptr);
    buildControls();
    applyFonts();
    stackControls();
    announcer_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, handle_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (announcer_ == nullptr)
        throw std::runtime_error("cannot create a window's announcer");
    makeLiveRegion(announcer_);
    if (isNotice(description_)) {
        presentAsDialog(handle_);
        annotate(handle_, {}, noticeText(description_));
    }
}

Window::~Window()
{
    if (handle_ != nullptr)
        DestroyWindow(handle_);
}

int Window::openWindowCount()
{
    return liveWindows;
}

bool Window::isProgramWindow(HWND handle)
{
    wchar_t className[std::size(windowClassName) + 1]{};
    return GetClassNameW(handle, className, static_cast<int>(std::size(className))) > 0 &&
           std::wstring_view(className) == windowClassName;
}

void Window::buildControls()
{
    int id = firstControlId;
    for (const ControlDescription& description : description_.controls) {
        auto control = std::make_unique<Control>(description, id++);
        const RECT bounds = pixelBounds(description, dpi_);
        switch (description.kind) {
        case ControlKind::Label:
            control->label = std::make_unique<Label>(handle_, control->id, description);
            control->handle = control->label->handle();
            SetWindowPos(control->handle, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                         bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case ControlKind::TextBox:
            control->textBox = std::make_unique<TextBox>(handle_, control->id, description, bounds);
            control->handle = control->textBox->handle();
            break;
        case ControlKind::Button:
            control->handle = createButton(handle_, control->id, description, bounds);
            break;
        }
        annotate(control->handle, spokenName(description, description.text), description.accessibleDescription);
        if (description.drawnOnly)
            hideFromScreenReaders(control->handle);
        byName_.emplace(std::string(description.name), control.get());
        controls_.push_back(std::move(control));
    }
}

// The children lie in the window's reading order, which screen readers
// follow; its boxes and buttons come there in their Tab order, which the
// dialog keys follow. The table's stacking (labels beneath boxes and buttons,
// later labels above earlier ones) is kept in the painting: each label leaves
// out what lies above it.
void Window::stackControls()
{
    HWND above = HWND_TOP;
    for (const ControlDescription* described : inReadingOrder(description_)) {
        const HWND handle = find(described->name).handle;
        SetWindowPos(handle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = handle;
    }
    const auto overlap = [](const ControlDescription& one, const ControlDescription& other) {
        return one.left < other.left + other.width && other.left < one.left + one.width &&
               one.top < other.top + other.height && other.top < one.top + one.height;
    };
    for (auto label = controls_.begin(); label != controls_.end(); ++label) {
        if (!(*label)->label)
            continue;
        std::vector<HWND> coveredBy;
        for (auto other = controls_.begin(); other != controls_.end(); ++other) {
            const bool stackedAbove = !(*other)->label || other > label;
            if (other != label && stackedAbove && overlap((*label)->description, (*other)->description))
                coveredBy.push_back((*other)->handle);
        }
        (*label)->label->setCoveredBy(std::move(coveredBy));
    }
    const auto first = std::ranges::min_element(controls_, {}, [](const auto& control) {
        const int order = control->description.focusOrder;
        return order < 0 ? std::numeric_limits<int>::max() : order;
    });
    focused_ = first == controls_.end() || (*first)->description.focusOrder < 0 ? nullptr : (*first)->handle;
}

void Window::layOut()
{
    for (const auto& control : controls_) {
        const RECT bounds = pixelBounds(control->description, dpi_);
        SetWindowPos(control->handle, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::applyFonts()
{
    std::vector<std::pair<FontDescription, Font>> made;
    auto fontFor = [&](const FontDescription& wanted) {
        const auto same = [&](const auto& entry) {
            const FontDescription& font = entry.first;
            return font.face == wanted.face && font.points == wanted.points && font.bold == wanted.bold &&
                   font.italic == wanted.italic;
        };
        auto found = std::ranges::find_if(made, same);
        if (found == made.end()) {
            made.emplace_back(wanted, Font(wanted, dpi_));
            found = std::prev(made.end());
        }
        return found->second.handle();
    };
    for (const auto& control : controls_) {
        if (control->label)
            control->label->setDpi(dpi_);
        const HFONT font = fontFor(control->description.font.value_or(windowDefaultFont));
        SendMessageW(control->handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // The controls hold the new fonts; the old ones can go.
    fonts_ = std::move(made);
}

void Window::fitFrame(const RECT* suggested)
{
    const int clientWidth = twipsToPixels(description_.clientWidth, dpi_);
    const int clientHeight = twipsToPixels(description_.clientHeight, dpi_);
    RECT frame{0, 0, clientWidth, clientHeight};
    adjustToFrame(frame, windowStyle, windowExStyle, dpi_);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (suggested == nullptr)
        flags |= SWP_NOMOVE;
    const int x = suggested != nullptr ? suggested->left : 0;
    const int y = suggested != nullptr ? suggested->top : 0;
    SetWindowPos(handle_, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top, flags);

    // The frame may not yet be the one computed for this DPI (the system
    // rescales it on its own time): measure and make the client area exact.
    RECT client{};
    GetClientRect(handle_, &client);
    if (client.right == clientWidth && client.bottom == clientHeight)
        return;
    RECT window{};
    GetWindowRect(handle_, &window);
    SetWindowPos(handle_, nullptr, 0, 0, window.right - window.left + clientWidth - client.right,
                 window.bottom - window.top + clientHeight - client.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

Window::Control& Window::find(std::string_view controlName) const
{
    const auto found = byName_.find(controlName);
    if (found == byName_.end())
        throw std::out_of_range(std::string(description_.name) + " has no control " + std::string(controlName));
    return *found->second;
}

HWND Window::control(std::string_view controlName) const
{
    return find(controlName).handle;
}

void Window::onClick(std::string_view controlName, std::function<void()> callback)
{
    Control& control = find(controlName);
    switch (control.description.kind) {
    case ControlKind::TextBox:
        control.textBox->onClick(std::move(callback));
        return;
    case ControlKind::Button:
        control.onClick = std::move(callback);
        return;
    case ControlKind::Label:
        break;
    }
    throw std::out_of_range(std::string(description_.name) + "." + std::string(controlName) + " takes no clicks");
}

void Window::show()
{
    ShowWindow(handle_, IsIconic(handle_) ? SW_RESTORE : SW_SHOW);
    if (!shown_ && focused_ != nullptr)
        focusFirstControl();
    if (!shown_ && isNotice(description_))
        dialogOpened(handle_);
    shown_ = true;
    // Activation alone may leave the window behind another of the program's.
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(handle_);
}

// Selected as a Tab into it would: typing replaces the box's text.
void Window::focusFirstControl()
{
    SetFocus(focused_);
    if ((SendMessageW(focused_, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
        SendMessageW(focused_, EM_SETSEL, 0, -1);
}

void Window::announce(std::wstring_view text)
{
    SetWindowTextW(announcer_, std::wstring(text).c_str());
    liveRegionChanged(announcer_);
}

void Window::destroyed()
{
    for (const auto& control : controls_)
        clearAnnotations(control->handle);
    clearAnnotations(announcer_);
    clearAnnotations(handle_);
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Escape, through the dialog keys, closes a notice as its close button does.
        if (LOWORD(wParam) == IDCANCEL && lParam == 0 && isNotice(description_)) {
            SendMessageW(handle_, WM_CLOSE, 0, 0);
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            const int id = LOWORD(wParam);
            const auto found = std::ranges::find(controls_, id, [](const auto& control) { return control->id; });
            if (found != controls_.end() && (*found)->onClick)
                (*found)->onClick();
        }
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const auto found =
            std::ranges::find(controls_, static_cast<int>(item.CtlID), [](const auto& control) { return control->id; });
        if (found == controls_.end() || !(*found)->label)
            break;
        (*found)->label->paint(item);
        return TRUE;
    }
    case WM_DPICHANGED:
        // Followed on the system DPI's path too: Windows 8.1 sends it, and a
        // process it takes as per-monitor is never stretched.
        dpi_ = LOWORD(wParam);
        layOut();  // before the fonts, which redraw the labels at their new size and DPI
        applyFonts();
        fitFrame(reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(handle_, focus))
                focused_ = focus;
        } else if (focused_ != nullptr && !HIWORD(wParam)) {
            SetFocus(focused_);
            return 0;
        }
        break;
    case WM_DESTROY:
        destroyed();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        ++liveWindows;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        --liveWindows;
        // Out of the object first: the callback may delete it.
        if (const std::function<void()> closed = std::exchange(self->onClose_, nullptr))
            closed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

}  // namespace app::win32
