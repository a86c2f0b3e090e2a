#pragma once

#include <app/window_description.h>

#include <windows.h>

// A push button that is never the default one: the dialog keys make a
// focused push button the default, drawn with a heavy border that stays once
// the focus moves on to a box; here only the focused button shows a border,
// the focus one, and Enter clicks none.
namespace app::win32 {

// Creates the button as a child of `parent` within `bounds`.
HWND createButton(HWND parent, int id, const ControlDescription& description, const RECT& bounds);

}  // namespace app::win32
