#pragma once

#include <app/qt/qt_window.h>

#include <memory>

namespace tests {

// A window of the Qt backend built straight from a description, outside any
// program: its clicks and its close go nowhere.
std::unique_ptr<app::qt::QtWindow> standaloneWindow(const app::WindowDescription& description);

}  // namespace tests
