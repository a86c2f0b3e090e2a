#pragma once

#include <windows.h>

#include <string_view>

// Accessible names and descriptions for screen readers, through the system's
// accessibility property service. Needs COM on the calling thread.
namespace app::win32 {

// Gives `control` a name and a description, each only when not empty.
// Returns false when the service is missing.
bool annotate(HWND control, std::string_view name, std::string_view description);

// Drops what annotate() gave `control`; call before it is destroyed.
void clearAnnotations(HWND control);

}  // namespace app::win32
