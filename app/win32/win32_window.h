#pragma once

#include <app/toolkit.h>
#include <app/window_description.h>

#include <windows.h>

#include <memory>

namespace app::win32 {

class Window;

// A window of the Win32 backend as the shell and the handlers see it: the
// controls' operations as messages to their windows, and the clicks and the
// close reported to the shell. Destroying it destroys the window.
class Win32Window final : public NativeWindow {
public:
    Win32Window(const WindowDescription& description, WindowEvents& events, Shell& shell);
    ~Win32Window() override;

    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    std::string text(TextBoxRef box) const override;
    void setText(TextBoxRef box, std::string_view text) override;
    void setSelStart(TextBoxRef box, int start) override;
    void setSelLength(TextBoxRef box, int length) override;
    void setCaption(LabelRef label, std::string_view caption) override;
    void announce(std::string_view text) override;
    Shell& shell() override { return shell_; }

    void show() override;
    void focus(TextBoxRef box) override;

    // The window itself, for tests and tools that drive it as a user would.
    Window& window() const { return *window_; }

private:
    HWND control(std::string_view name) const;

    Shell& shell_;
    std::unique_ptr<Window> window_;
    bool discarded_ = false;  // being destroyed by the shell, which needs no word of it
};

}  // namespace app::win32
