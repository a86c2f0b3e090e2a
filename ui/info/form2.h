#pragma once

#include <app/window_description.h>

#include <array>

// The Help window: how to enter an equation. It has no handlers.
namespace ui::info {

// The first line is empty, so the text starts one line below the label's top.
// "不休要" is the window's own wording, typo and all: keep it as it stands.
// One row per control, laid out as the table it is.
// clang-format off
inline constexpr auto form2Controls = std::to_array<app::ControlDescription>({
    {
        .kind = app::ControlKind::Label, .name = "Label1",
        .text = "\r\n"
                "1.本计算器可解一元一次方程和一元二次方程" "\r\n"
                "2.不休要的数位请输入0" "\r\n"
                "3.系数的最大值为999" "\r\n"
                "4.个人能力有限，如有问题敬请谅解",
        .left = 600, .top = 360, .width = 3015, .height = 2175},
});
// clang-format on
static_assert(app::hasUniqueNonEmptyNames(form2Controls));

inline constexpr app::WindowDescription form2Description{
    .name = "Form2", .caption = "帮助", .clientWidth = 4560, .clientHeight = 3030, .controls = form2Controls};

}  // namespace ui::info
