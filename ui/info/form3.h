#pragma once

#include <app/window_description.h>

#include <array>

// The About window: the version's change notes and a contact note. It has no handlers.
namespace ui::info {

inline constexpr app::FontDescription yahei10_5Bold{.face = "微软雅黑", .points = 10.5, .bold = true};
inline constexpr app::FontDescription hei10_5{.face = "黑体", .points = 10.5};

// One row per control, laid out as the table it is.
// clang-format off
inline constexpr auto form3Controls = std::to_array<app::ControlDescription>({
    {
        .kind = app::ControlKind::Label, .name = "Label1", .text = "更新日志",
        .left = 1560, .top = 240, .width = 1095, .height = 255, .font = yahei10_5Bold},
    {
        .kind = app::ControlKind::Label, .name = "Label2",
        .text = " v1.1.0" "\r\n"
                "1.首创根号显示！" "\r\n"
                "2.全新改版" "\r\n"
                "3.增加清零按钮",
        .left = 960, .top = 600, .width = 2535, .height = 1095, .font = hei10_5},
    // The contact details are placeholders: the number is fictitious, the domain reserved.
    {
        .kind = app::ControlKind::Label, .name = "Label3",
        .text = "如有问题请联系\r\n"
                " QQ：12345678\r\n"
                " E-mail：a@example.com",
        .left = 1920, .top = 2160, .width = 2415, .height = 735},
});
// clang-format on
static_assert(app::hasUniqueNonEmptyNames(form3Controls));

inline constexpr app::WindowDescription form3Description{
    .name = "Form3", .caption = "关于", .clientWidth = 4560, .clientHeight = 3030, .controls = form3Controls};

}  // namespace ui::info
