#pragma once

#include <array>

// What a screen reader is told after each outcome of the main window, the
// same on every backend: the coefficients typed, the button pressed and the
// announcement, in UTF-8.
namespace tests {

struct Announcement {
    const char* name;
    const char* a;
    const char* b;
    const char* c;
    bool clear;  // 清零 rather than 计算
    const char* heard;
};

inline constexpr std::array announcements{
    Announcement{"two_roots_whole", "1", "0", "-2", false, "x1 等于 1.4142135623731，x2 等于 -1.4142135623731"},
    Announcement{"one_root", "0", "2", "-4", false, "x 等于 2"},
    Announcement{"clear", "1", "0", "-2", true, "已清零"},
};

}  // namespace tests
