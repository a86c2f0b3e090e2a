#pragma once

#include <app/window_class.h>
#include <ui/main/form1_description.h>

#include <span>
#include <string_view>

// The program's windows and the one it starts on.
namespace ui {

// Form1, Form2 and Form3, in this order.
std::span<const app::WindowClass> projectWindows();

inline constexpr std::string_view startupWindow = main::form1Description.name;

}  // namespace ui
