#pragma once

#include <app/qt/qt_toolkit.h>
#include <app/qt/qt_window.h>
#include <app/runtime.h>

#include <string_view>

namespace program {

// Tarvo's windows on the Qt backend, over a QApplication that
// app::qt::prepareApplication has made Tarvo. The program ends (the event loop
// quits) when its last window closes.
class QtProgram {
public:
    QtProgram();

    // Shows the start-up window, the main window, and returns it.
    app::qt::QtWindow& start();

    // The open instance of the window named `windowName`, or nullptr.
    app::qt::QtWindow* openWindow(std::string_view windowName) const;

    app::Runtime& runtime() { return runtime_; }

private:
    app::qt::QtToolkit toolkit_;
    app::Runtime runtime_;
};

}  // namespace program
