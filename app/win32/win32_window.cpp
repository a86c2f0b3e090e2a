#include "win32_window.h"

#include "utf16.h"
#include "window.h"
#include "window_text.h"

#include <app/form.h>
#include <app/text.h>

#include <string>

namespace app::win32 {

Win32Window::Win32Window(const WindowDescription& description, WindowEvents& events, Shell& shell)
    : shell_(shell), window_(Window::create(description))
{
    for (const ControlDescription& control : description.controls) {
        if (control.kind == ControlKind::Label)
            continue;
        const std::string_view name = control.name;
        window_->onClick(name, [&events, name] { events.clicked(name); });
    }
    window_->onClose([this, &events] {
        if (!discarded_)
            events.closed();  // may destroy this object: nothing follows
    });
}

Win32Window::~Win32Window()
{
    discarded_ = true;
    window_.reset();
}

HWND Win32Window::control(std::string_view name) const
{
    return window_->control(name);
}

std::string Win32Window::text(TextBoxRef box) const
{
    return toUtf8(windowText(control(box.name)));
}

void Win32Window::setText(TextBoxRef box, std::string_view text)
{
    SetWindowTextW(control(box.name), toUtf16(text).c_str());
}

void Win32Window::setSelStart(TextBoxRef box, int start)
{
    if (start < 0)
        throw InvalidPropertyValue("a selection cannot start before the text");
    const HWND edit = control(box.name);
    const auto caret = static_cast<WPARAM>(unitOffset(unitsOf(windowText(edit)), start));
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

void Win32Window::setSelLength(TextBoxRef box, int length)
{
    if (length < 0)
        throw InvalidPropertyValue("a selection cannot have a negative length");
    const HWND edit = control(box.name);
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const auto end = static_cast<LPARAM>(selectionEnd(unitsOf(windowText(edit)), start, length));
    SendMessageW(edit, EM_SETSEL, start, end);
}

// A label repaints itself, and gives its caption the tooltip the shared rule says.
void Win32Window::setCaption(LabelRef label, std::string_view caption)
{
    SetWindowTextW(control(label.name), toUtf16(caption).c_str());
}

void Win32Window::announce(std::string_view text)
{
    window_->announce(toUtf16(text));
}

void Win32Window::show()
{
    window_->show();
}

void Win32Window::focus(TextBoxRef box)
{
    SetForegroundWindow(window_->handle());
    SetFocus(control(box.name));
}

}  // namespace app::win32
