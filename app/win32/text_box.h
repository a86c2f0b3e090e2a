#pragma once

#include <app/window_description.h>

#include <windows.h>

#include <functional>

// A text box: a single-line EDIT control holding at most its description's
// number of characters, typed or pasted (a surrogate pair counts as one and is
// never split), that reports a click once the click has placed the caret.
namespace app::win32 {

class TextBox {
public:
    TextBox(HWND parent, int id, const ControlDescription& description, RECT bounds);
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;
    ~TextBox();

    HWND handle() const { return handle_; }

    // Runs after each left click inside the box; one callback per box.
    void onClick(std::function<void()> callback) { onClick_ = std::move(callback); }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void enforceLimit();

    HWND handle_ = nullptr;
    int maxLength_ = 0;
    std::function<void()> onClick_;
};

}  // namespace app::win32
