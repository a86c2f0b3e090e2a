#include "win32_test_support.h"

#include <algorithm>

namespace win32_test {

void pumpMessages()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;  // the tests end their windows themselves
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        pumpMessages();
        Sleep(5);
    }
    return true;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring className(HWND window)
{
    wchar_t name[256]{};
    GetClassNameW(window, name, 256);
    return name;
}

RECT boundsInParent(HWND child)
{
    RECT bounds{};
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

namespace {

// 32-bit callbacks must be stdcall, which a lambda is not.
BOOL CALLBACK collectWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows(const std::wstring& title, DWORD process)
{
    std::vector<HWND> all;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window) && windowText(window) == title)
            found.push_back(window);
    }
    return found;
}

std::vector<HWND> threadWindows()
{
    std::vector<HWND> all;
    EnumThreadWindows(GetCurrentThreadId(), collectWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

ModalBoxAnswerer::ModalBoxAnswerer(std::wstring title, std::wstring answer, std::vector<HWND> ownWindows)
    : title_(std::move(title)),
      answer_(std::move(answer)),
      ownWindows_(std::move(ownWindows)),
      thread_([this] { run(); })
{
}

ModalBoxAnswerer::~ModalBoxAnswerer()
{
    if (thread_.joinable())
        thread_.join();
}

bool ModalBoxAnswerer::answered()
{
    if (thread_.joinable())
        thread_.join();
    return found_;
}

void ModalBoxAnswerer::run()
{
    HWND dialog = nullptr;
    for (int attempt = 0; attempt < 500 && dialog == nullptr; ++attempt) {
        for (HWND window : topLevelWindows(title_)) {
            if (className(window) == L"#32770")
                dialog = window;
        }
        if (dialog == nullptr)
            Sleep(10);
    }
    if (dialog == nullptr)
        return;
    box_.ownerWindowsDisabled =
        std::ranges::none_of(ownWindows_, [](HWND window) { return IsWindowEnabled(window) != FALSE; });
    HWND chosen = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = className(child);
        if (kind == L"Button") {
            box_.buttons.push_back(windowText(child));
            if (box_.buttons.back() == answer_)
                chosen = child;
        } else if (kind == L"Static") {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                box_.hasIcon = box_.hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
            else if (!windowText(child).empty())
                box_.text = windowText(child);
        }
    }
    if (chosen == nullptr) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);  // the test fails on the buttons; don't leave the box open
        found_ = true;
        return;
    }
    SendMessageW(chosen, BM_CLICK, 0, 0);
    found_ = true;
}

PopupMenuAnswerer::PopupMenuAnswerer(std::wstring answer) : answer_(std::move(answer)), thread_([this] { run(); }) {}

PopupMenuAnswerer::~PopupMenuAnswerer()
{
    answered();
}

bool PopupMenuAnswerer::answered()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    return found_;
}

void PopupMenuAnswerer::run()
{
    // By class alone: reading a title would wait on the test's thread, which may be waiting on this one.
    auto openPopup = [] {
        std::vector<HWND> all;
        EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
        for (HWND window : all) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == GetCurrentProcessId() && IsWindowVisible(window) && className(window) == L"#32768")
                return window;
        }
        return HWND{};
    };
    HWND popup = nullptr;
    for (int attempt = 0; attempt < 500 && popup == nullptr && !stop_; ++attempt) {
        popup = openPopup();
        if (popup == nullptr)
            Sleep(10);
    }
    if (popup == nullptr)
        return;
    found_ = true;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    int chosen = -1;
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(item), text, 64, MF_BYPOSITION);
        const bool enabled = (GetMenuState(menu, static_cast<UINT>(item), MF_BYPOSITION) & MF_GRAYED) == 0;
        menu_.items.emplace_back(text);
        menu_.enabled.push_back(enabled);
        if (enabled && menu_.items.back() == answer_ && chosen < 0)
            chosen = item;
    }
    // The menu's loop reads the keys from its thread's queue, as it reads a user's.
    for (int step = 0; step <= chosen; ++step)
        PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(popup, WM_KEYDOWN, chosen >= 0 ? VK_RETURN : VK_ESCAPE, 0);
}

}  // namespace win32_test
