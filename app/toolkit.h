#pragma once

#include "control_refs.h"
#include "form.h"
#include "window_description.h"

#include <memory>
#include <string_view>

// What a toolkit backend provides the shell (runtime.h), and what it tells it.
namespace app {

// The shell's side of one window, called by the backend on the user-interface thread.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;

    // A button was clicked, or a text box once the click has placed the caret.
    virtual void clicked(std::string_view control) = 0;

    // The user closed the window. The shell may destroy the NativeWindow
    // before this returns: the backend touches it no more afterwards.
    virtual void closed() = 0;

protected:
    WindowEvents() = default;
    WindowEvents(const WindowEvents&) = default;
    WindowEvents& operator=(const WindowEvents&) = default;
};

// A window built from its description. Destroying it removes it from the screen.
class NativeWindow : public Form {
public:
    // Shows it modeless without an owner, restored when minimised, in front.
    virtual void show() = 0;

    // Activates the window and gives `box` the keyboard focus; the box's
    // selection is left as it is.
    virtual void focus(TextBoxRef box) = 0;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Builds a window from `description`, hidden. It reports to `events` and
    // hands its handlers `shell`; both outlive it.
    virtual std::unique_ptr<NativeWindow> createWindow(const WindowDescription& description, WindowEvents& events,
                                                       Shell& shell) = 0;

    // The message box of a handler: see Shell::showMessageBox.
    virtual MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) = 0;

    // The report of a run-time error: `text` under `title` (the program's
    // name), an OK button and an error icon, modal to the whole program;
    // waits until it is dismissed.
    virtual void showErrorReport(std::string_view title, std::string_view text) = 0;

    // Ends the event loop once the current event has been handled.
    virtual void quit() = 0;

protected:
    Toolkit() = default;
    Toolkit(const Toolkit&) = default;
    Toolkit& operator=(const Toolkit&) = default;
};

}  // namespace app
