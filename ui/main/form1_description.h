#pragma once

#include <app/window_description.h>

namespace ui::main {

// The main window as data: the equation [a] x² + [b] x + [c] = 0, the formula
// for both roots drawn out of labels, and the four buttons.
const app::WindowDescription& form1Description();

}  // namespace ui::main
