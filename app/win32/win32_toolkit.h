#pragma once

#include <app/toolkit.h>

namespace app::win32 {

// The plain Win32 backend. prepareProgram() first; the program's message loop
// (runMessageLoop) returns once quit() is called.
class Win32Toolkit final : public Toolkit {
public:
    std::unique_ptr<NativeWindow> createWindow(const WindowDescription& description, WindowEvents& events,
                                               Shell& shell) override;
    MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) override;
    void showErrorReport(std::string_view title, std::string_view text) override;
    void quit() override;
};

}  // namespace app::win32
