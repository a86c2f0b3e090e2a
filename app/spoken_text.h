#pragma once

#include "window_description.h"

#include <string>
#include <string_view>
#include <vector>

// What a screen reader hears of a window, the same on every backend.
namespace app {

// The accessible name of `label` while it shows `caption`: its
// accessibleName, or the caption itself when it has none. A slot a handler
// fills (a copyable label) says its value after its name: "x1 2".
std::string spokenName(const ControlDescription& label, std::string_view caption);

// All that a notice window (isNotice) says: its labels' captions in table
// order, lines separated by "\n", empty lines left out.
std::string noticeText(const WindowDescription& window);

// The window's controls in its reading order: readingOrder, or the table's.
std::vector<const ControlDescription*> inReadingOrder(const WindowDescription& window);

}  // namespace app
