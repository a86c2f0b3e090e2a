#pragma once

#include <app/window_description.h>

namespace ui::info {

// The Help window: how to enter an equation. It has no handlers.
const app::WindowDescription& form2();

}  // namespace ui::info
