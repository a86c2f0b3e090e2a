#pragma once

#include "form.h"
#include "toolkit.h"
#include "window_class.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// The shell over a toolkit: the single instance of each window, the handlers
// run inside the error frame, and the end of the program with its last window.
//
//     Runtime runtime(toolkit, ui::projectWindows(), "Tarvo");
//     runtime.showWindow(ui::startupWindow);
//
// then runs the backend's own event loop, which Toolkit::quit ends.
namespace app {

class Runtime final : public Shell {
public:
    // `windows` must outlive the runtime; `programName` titles the error
    // reports. Throws std::invalid_argument when two windows share a name.
    Runtime(Toolkit& toolkit, std::span<const WindowClass> windows, std::string_view programName);
    ~Runtime() override;

    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    void showWindow(std::string_view windowName) override;
    MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) override;

    // The open instance of the window named `windowName`, or nullptr.
    NativeWindow* openWindow(std::string_view windowName) const;

private:
    class Instance;

    void runHandler(Instance& instance, ClickHandler handler);
    void discard(std::string_view windowName);

    Toolkit& toolkit_;
    std::string programName_;
    std::map<std::string, const WindowClass*, std::less<>> classes_;
    std::map<std::string, std::unique_ptr<Instance>, std::less<>> instances_;
};

}  // namespace app
