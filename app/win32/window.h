#pragma once

#include "fonts.h"

#include <app/window_description.h>

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace app::win32 {

class Label;
class TextBox;

// A top-level window built from its description: fixed size, its client area
// exactly the description's at the window's own DPI, laid out afresh when the
// DPI changes. Controls are reached by name; clicks and the window's closing
// run callbacks, which must not throw.
//
//     std::unique_ptr<Window> window = Window::create(description);
//     window->onClick("Command1", [] { ... });
//     SetWindowTextW(window->control("Label5"), L"2");
//     window->show();
//
// Destroying the object destroys the window. A window closed by the user (or
// by DestroyWindow) leaves the object behind, without a handle, for its owner
// to discard.
class Window {
public:
    // Builds the window hidden, with all its controls; throws
    // std::runtime_error, having destroyed whatever it made, when it cannot.
    static std::unique_ptr<Window> create(const WindowDescription& description);

    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return handle_; }
    unsigned dpi() const { return dpi_; }

    // The control's window; throws std::out_of_range for a name the window lacks.
    HWND control(std::string_view controlName) const;

    // Runs `callback` on each click of a button, or of a text box once the
    // click has placed the caret. One callback per control.
    void onClick(std::string_view controlName, std::function<void()> callback);

    // Runs `callback` once the window has been destroyed; it may delete this object.
    void onClose(std::function<void()> callback) { onClose_ = std::move(callback); }

    // Shows the window, restored when minimised, in front of the program's
    // other windows and active; the first showing focuses the first control
    // of the Tab order, a box with its text selected.
    void show();

    // Has a screen reader speak `text` once, without moving the focus.
    void announce(std::wstring_view text);

    // The number of windows that exist, shown or not.
    static int openWindowCount();

    // Whether `handle` is a top-level window made by create().
    static bool isProgramWindow(HWND handle);

private:
    struct Control;

    explicit Window(const WindowDescription& description);

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void build();
    void buildControls();
    void stackControls();
    void layOut();
    void applyFonts();
    void fitFrame(const RECT* suggested);
    Control& find(std::string_view controlName) const;
    void focusFirstControl();
    void destroyed();

    const WindowDescription& description_;
    HWND handle_ = nullptr;  // null until WM_NCCREATE and after WM_NCDESTROY
    unsigned dpi_ = 96;
    std::vector<std::unique_ptr<Control>> controls_;  // in the description's order
    std::map<std::string, Control*, std::less<>> byName_;
    std::vector<std::pair<FontDescription, Font>> fonts_;  // one per distinct font
    HWND focused_ = nullptr;                               // where the focus returns when the window is activated
    HWND announcer_ = nullptr;                             // a live region of no size
    bool shown_ = false;
    std::function<void()> onClose_;
};

}  // namespace app::win32
