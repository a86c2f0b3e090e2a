#pragma once

#include <array>

// What a screen reader reads of the fresh main window, control by control in
// the window's reading order, the same on every backend, in UTF-8. Drawn-only
// ink (the exponent and the subscripts) is not there.
namespace tests {

inline constexpr std::array form1Reading{
    "系数 a", "x 平方", "加", "系数 b", "x", "加", "系数 c", "等于", "0",
    "x1", "等于", "根号", "判别式", "减", "b", "除以", "2a", "等于", "x1",
    "x2", "等于", "负根号", "判别式", "减", "b", "除以", "2a", "等于", "x2",
    "计算", "帮助", "清零", "关于", "设计者：Osmel$_$",
};

}  // namespace tests
