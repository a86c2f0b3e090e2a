#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Driving real windows from a test: messages, window texts, and the modal
// boxes and menus that block the thread that opened them.
namespace win32_test {

// Dispatches what is waiting in the thread's queue, as the program's loop would.
void pumpMessages();

// Dispatches messages until `done` holds or `timeout` passes; returns `done()`.
bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5));

std::wstring windowText(HWND window);
std::wstring className(HWND window);

// A child's rectangle in its parent's client coordinates.
RECT boundsInParent(HWND child);

// The visible top-level windows of a process with the given title.
std::vector<HWND> topLevelWindows(const std::wstring& title, DWORD process = GetCurrentProcessId());

// The top-level windows of the calling thread, visible or not.
std::vector<HWND> threadWindows();

// What a modal box showed, read while it was open.
struct ModalBox {
    std::wstring text;
    std::vector<std::wstring> buttons;
    bool hasIcon = false;
    bool ownerWindowsDisabled = false;  // every other window of the thread took no input
};

// Waits on a second thread for a dialog box titled `title` of this process,
// reads it, then clicks its button with the text `answer`.
class ModalBoxAnswerer {
public:
    ModalBoxAnswerer(std::wstring title, std::wstring answer, std::vector<HWND> ownWindows = {});
    ModalBoxAnswerer(const ModalBoxAnswerer&) = delete;
    ModalBoxAnswerer& operator=(const ModalBoxAnswerer&) = delete;
    ~ModalBoxAnswerer();

    // Waits for the thread; false when no box came in time.
    bool answered();
    const ModalBox& box() const { return box_; }

private:
    void run();

    std::wstring title_;
    std::wstring answer_;
    std::vector<HWND> ownWindows_;
    ModalBox box_;
    bool found_ = false;
    std::thread thread_;
};

// What a popup menu offered, read while it was open.
struct PopupMenu {
    std::vector<std::wstring> items;
    std::vector<bool> enabled;  // by item
};

// Waits on a second thread for a popup menu of this process, reads it, then
// chooses its enabled item with the text `answer` from the keyboard, or
// closes it. Stops waiting once answered() is called.
class PopupMenuAnswerer {
public:
    explicit PopupMenuAnswerer(std::wstring answer);
    PopupMenuAnswerer(const PopupMenuAnswerer&) = delete;
    PopupMenuAnswerer& operator=(const PopupMenuAnswerer&) = delete;
    ~PopupMenuAnswerer();

    // False when no menu opened.
    bool answered();
    const PopupMenu& menu() const { return menu_; }

private:
    void run();

    std::wstring answer_;
    PopupMenu menu_;
    std::atomic<bool> stop_ = false;
    bool found_ = false;
    std::thread thread_;
};

}  // namespace win32_test
