#pragma once

// Kept apart from window_dpi.h so that only the tests reach it.
namespace app::win32 {

// Makes the windows made afterwards take the path of Windows before 10 1607:
// the screen's DPI, frames from AdjustWindowRectEx. Call it before any window
// is made.
void forceSystemDpiForTests();

// Whether the windows follow each monitor's DPI with the functions of 1607.
bool followsEachMonitorsDpi();

}  // namespace app::win32
