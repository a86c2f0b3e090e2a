#pragma once

#include <app/runtime_window.h>

#include <memory>

namespace ui::main {

// A new main window with its handlers bound; the focus waits in Text1.
std::unique_ptr<app::RuntimeWindow> createForm1();

// Shows the program-wide main window, creating it when none is open.
app::RuntimeWindow& showForm1();

}  // namespace ui::main
