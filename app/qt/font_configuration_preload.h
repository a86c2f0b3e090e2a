#pragma once

#include <thread>

namespace app::qt {

// Reads the system's font configuration on a second thread while QApplication
// connects to the display; the first font lookup then finds it ready instead
// of parsing it on the GUI thread. Where Qt does not use fontconfig, or no
// thread can be started, it does nothing and Qt reads the configuration itself.
//
//     FontConfigurationPreload preload;   // before QApplication
//     QApplication application(argc, argv);
//     preload.wait();                      // before the first font is used
class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    ~FontConfigurationPreload();
    FontConfigurationPreload(const FontConfigurationPreload&) = delete;
    FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

    // Returns once the configuration is loaded; waiting again returns at once.
    void wait();

private:
    std::thread thread_;
};

}  // namespace app::qt
