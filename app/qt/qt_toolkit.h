#pragma once

#include <app/toolkit.h>

namespace app::qt {

// The Qt Widgets backend. Needs a QApplication prepared by prepareApplication;
// the program ends through quit() when the shell closes its last window, not
// through Qt's own last-window rule.
class QtToolkit final : public Toolkit {
public:
    QtToolkit();

    std::unique_ptr<NativeWindow> createWindow(const WindowDescription& description, WindowEvents& events,
                                               Shell& shell) override;
    MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) override;
    void showErrorReport(std::string_view title, std::string_view text) override;
    void quit() override;
};

}  // namespace app::qt
