#pragma once

#include <windows.h>

#include <string_view>

// What screen readers hear of the windows, through the system's accessibility
// property service and WinEvents. Needs COM on the calling thread. Where the
// service is missing, nothing is annotated and the windows work as before.
namespace app::win32 {

// Gives `control` a name and a description, each only when not empty.
// Returns false when the service is missing.
bool annotate(HWND control, std::string_view name, std::string_view description);

// Hides `control` from screen readers: ink that says nothing aloud.
void hideFromScreenReaders(HWND control);

// Makes `window` read as a dialog, which a screen reader reads whole, its
// description included, when it opens; tells them that it has opened.
void presentAsDialog(HWND window);
void dialogOpened(HWND window);

// Makes `control` a polite live region; liveRegionChanged() then has a screen
// reader speak its text (Windows 8 and later; earlier ones ignore it).
void makeLiveRegion(HWND control);
void liveRegionChanged(HWND control);

// Drops what the functions above gave `control`; call before it is destroyed.
void clearAnnotations(HWND control);

}  // namespace app::win32
