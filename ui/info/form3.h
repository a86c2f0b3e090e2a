#pragma once

#include <app/window_description.h>

namespace ui::info {

// The About window: the version's change notes and a contact note. It has no handlers.
const app::WindowDescription& form3();

}  // namespace ui::info
