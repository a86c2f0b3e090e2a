#pragma once

#include <app/window_description.h>

#include <windows.h>

#include <functional>
#include <string_view>

// A text box: a single-line EDIT control holding at most its description's
// number of characters, typed or pasted (a surrogate pair counts as one and is
// never split), each edit undoable, that reports a click once the click has
// placed the caret. Every box of the program holds a number: it takes no
// input method, and shows a text that fits from its first character.
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
    LRESULT editWithinLimit(UINT message, WPARAM wParam, LPARAM lParam);
    std::wstring_view fitting(std::wstring_view inserted) const;
    void showFromFirstCharacter();
    bool fitsWhole() const;
    void onLeftButtonUp(LPARAM lParam);

    HWND handle_ = nullptr;
    int maxLength_ = 0;
    std::function<void()> onClick_;
};

}  // namespace app::win32
