#pragma once

#include <app/error_frame.h>
#include <calc/run_time_error.h>

namespace ui::main {

// What a calculation error came from: the coefficient whose text failed
// ("系数 b 的输入“abc”无法转换为整数。") with its box, or the discriminant that
// overflowed; nothing when the error does not say.
app::ErrorSource describeErrorSource(const calc::RunTimeError& error);

}  // namespace ui::main
