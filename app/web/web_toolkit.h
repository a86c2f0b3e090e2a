#pragma once

#include <app/toolkit.h>

#include <string_view>

// The app layer's toolkit on the page: windows inside one page, modal boxes
// over all of it. A handler that shows a modal box waits for the answer while
// the page goes on (the module is built with Asyncify); meanwhile no other
// handler starts.
namespace app::web {

class WebToolkit final : public Toolkit {
public:
    WebToolkit();

    std::unique_ptr<NativeWindow> createWindow(const WindowDescription& description, WindowEvents& events,
                                               Shell& shell) override;
    MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) override;
    void showErrorReport(std::string_view title, std::string_view text) override;
    // The page outlives its windows, and its main window has no way to close.
    void quit() override {}
};

}  // namespace app::web
