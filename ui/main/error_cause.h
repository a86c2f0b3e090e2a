#pragma once

#include <app/error_frame.h>
#include <calc/run_time_error.h>

namespace ui::main {

// What caused a calculation error: the coefficient whose text failed
// ("系数 b 的输入“abc”无法转换为整数。") with its box, or a step of the
// discriminant that overflowed, which may be 4·a with a discriminant of 0;
// nothing when the error does not say.
app::CauseNote describeCause(const calc::RunTimeError& error);

}  // namespace ui::main
