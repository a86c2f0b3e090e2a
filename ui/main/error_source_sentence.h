#pragma once

#include <calc/run_time_error.h>

#include <string>

namespace ui::main {

// The sentence that ends the report of a calculation error: the coefficient
// whose text failed ("系数 b 的输入“abc”无法转换为整数。") or the discriminant
// that overflowed; empty when the error does not say where it came from.
std::string errorSourceSentence(const calc::RunTimeError& error);

}  // namespace ui::main
