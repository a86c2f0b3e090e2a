#pragma once

#include <app/win32/win32_toolkit.h>
#include <app/win32/win32_window.h>
#include <program/program.h>

namespace program {

// On a thread that app::win32::prepareProgram has prepared.
using Win32Program = Program<app::win32::Win32Toolkit, app::win32::Win32Window>;

}  // namespace program
