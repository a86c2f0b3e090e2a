#pragma once

#include <app/window_class.h>

namespace ui::main {

// The main window: its table with the handlers bound to its buttons and boxes.
const app::WindowClass& form1Class();

}  // namespace ui::main
