#include "form1_description.h"

#include <array>

namespace ui::main {
namespace {

using app::ControlKind;
using app::Rgb;

constexpr app::FontDescription hei42BoldItalic{.face = "黑体", .points = 42, .bold = true, .italic = true};
constexpr app::FontDescription hei21_75Bold{.face = "黑体", .points = 21.75, .bold = true};
constexpr app::FontDescription hei14_25Bold{.face = "黑体", .points = 14.25, .bold = true};
constexpr app::FontDescription song24Bold{.face = "宋体", .points = 24, .bold = true};
constexpr app::FontDescription song9Bold{.face = "宋体", .points = 9, .bold = true};
constexpr app::FontDescription yahei10_5BoldItalic{.face = "微软雅黑", .points = 10.5, .bold = true, .italic = true};

// Rows from top to bottom, left to right; later controls lie above earlier ones.
// Slots (the grey boxes and the two root boxes) start empty; the handlers fill them.
constexpr std::array<app::ControlDescription, 37> controls{{
    {.kind = ControlKind::Button, .name = "Command2", .text = "帮助",
     .left = 6960, .top = 240, .width = 735, .height = 375, .focusOrder = 4},
    {.kind = ControlKind::Button, .name = "Command4", .text = "关于",
     .left = 7920, .top = 240, .width = 735, .height = 375, .focusOrder = 6},
    {.kind = ControlKind::Label, .name = "Label1", .text = "x",
     .left = 1320, .top = 360, .width = 615, .height = 975,
     .font = hei42BoldItalic},
    {.kind = ControlKind::Label, .name = "Label4(0)", .text = "x",
     .left = 3240, .top = 360, .width = 615, .height = 1095,
     .font = hei42BoldItalic},
    {.kind = ControlKind::Label, .name = "Label4(1)", .text = "0",
     .left = 5760, .top = 480, .width = 615, .height = 1095,
     .font = hei42BoldItalic},
    {.kind = ControlKind::TextBox, .name = "Text1", .text = "0",
     .left = 480, .top = 600, .width = 855, .height = 615,
     .font = hei21_75Bold, .maxLength = 3, .focusOrder = 0, .accessibleName = "系数 a"},
    {.kind = ControlKind::Label, .name = "Label2(0)", .text = "2",
     .left = 1920, .top = 600, .width = 255, .height = 255,
     .font = song9Bold},
    {.kind = ControlKind::Label, .name = "Label3(0)", .text = "+",
     .left = 2040, .top = 600, .width = 495, .height = 495,
     .font = song24Bold},
    {.kind = ControlKind::TextBox, .name = "Text2", .text = "0",
     .left = 2400, .top = 600, .width = 855, .height = 615,
     .font = hei21_75Bold, .maxLength = 3, .focusOrder = 1, .accessibleName = "系数 b"},
    {.kind = ControlKind::Label, .name = "Label3(1)", .text = "+",
     .left = 3960, .top = 600, .width = 495, .height = 495,
     .font = song24Bold},
    {.kind = ControlKind::TextBox, .name = "Text3", .text = "0",
     .left = 4320, .top = 600, .width = 975, .height = 615,
     .font = hei21_75Bold, .maxLength = 3, .focusOrder = 2, .accessibleName = "系数 c"},
    {.kind = ControlKind::Label, .name = "Label3(2)", .text = "=",
     .left = 5400, .top = 600, .width = 495, .height = 615,
     .font = song24Bold},
    {.kind = ControlKind::Label, .name = "Label4(3)", .text = "x",
     .left = 3720, .top = 1680, .width = 615, .height = 1095,
     .font = hei42BoldItalic},
    {.kind = ControlKind::Label, .name = "Label14", .text = "√",
     .left = 4800, .top = 1800, .width = 255, .height = 255,
     .font = hei14_25Bold},
    {.kind = ControlKind::Label, .name = "Label8", .text = "",
     .left = 5160, .top = 1800, .width = 735, .height = 255,
     .font = hei14_25Bold,
     .backColour = Rgb{192,192,192}, .copyable = true,
     .accessibleDescription = "判别式 (x1 行)"},
    {.kind = ControlKind::Label, .name = "Label18(0)", .text = "-",
     .left = 5880, .top = 1800, .width = 255, .height = 255,
     .font = hei14_25Bold},
    {.kind = ControlKind::Label, .name = "Label9", .text = "",
     .left = 6240, .top = 1800, .width = 735, .height = 255,
     .font = hei14_25Bold,
     .backColour = Rgb{192,192,192}, .copyable = true,
     .accessibleDescription = "b (x1 行)"},
    {.kind = ControlKind::Button, .name = "Command1", .text = "计算",
     .left = 600, .top = 1920, .width = 1935, .height = 495, .focusOrder = 3},
    {.kind = ControlKind::Label, .name = "Label3(3)", .text = "=",
     .left = 4320, .top = 1920, .width = 375, .height = 615,
     .font = song24Bold},
    {.kind = ControlKind::Label, .name = "Label3(5)", .text = "=",
     .left = 7080, .top = 1920, .width = 375, .height = 615,
     .font = song24Bold},
    {.kind = ControlKind::Label, .name = "Label5", .text = "",
     .left = 7440, .top = 1920, .width = 1335, .height = 495,
     .font = hei21_75Bold,
     .backColour = Rgb{0,255,255}, .copyable = true,
     .accessibleDescription = "x1 的值"},
    {.kind = ControlKind::Label, .name = "Label16", .text = "_____________________",
     .left = 4920, .top = 2040, .width = 1935, .height = 375},
    {.kind = ControlKind::Label, .name = "Label2(2)", .text = "1",
     .left = 4200, .top = 2280, .width = 255, .height = 255,
     .font = song9Bold},
    {.kind = ControlKind::Label, .name = "Label10", .text = "",
     .left = 5760, .top = 2400, .width = 735, .height = 255,
     .font = hei14_25Bold,
     .backColour = Rgb{192,192,192}, .copyable = true,
     .accessibleDescription = "2a (x1 行)"},
    {.kind = ControlKind::Button, .name = "Command3", .text = "清零",
     .left = 600, .top = 2760, .width = 1935, .height = 495, .focusOrder = 5},
    {.kind = ControlKind::Label, .name = "Label4(2)", .text = "x",
     .left = 3720, .top = 3360, .width = 615, .height = 1095,
     .font = hei42BoldItalic},
    {.kind = ControlKind::Label, .name = "Label15", .text = "-√",
     .left = 4680, .top = 3480, .width = 495, .height = 255,
     .font = hei14_25Bold},
    {.kind = ControlKind::Label, .name = "Label11", .text = "",
     .left = 5280, .top = 3480, .width = 735, .height = 255,
     .font = hei14_25Bold,
     .backColour = Rgb{192,192,192}, .copyable = true,
     .accessibleDescription = "判别式 (x2 行)"},
    {.kind = ControlKind::Label, .name = "Label18(1)", .text = "-",
     .left = 6000, .top = 3480, .width = 255, .height = 255,
     .font = hei14_25Bold},
    {.kind = ControlKind::Label, .name = "Label12", .text = "",
     .left = 6360, .top = 3480, .width = 615, .height = 255,
     .font = hei14_25Bold,
     .backColour = Rgb{192,192,192}, .copyable = true,
     .accessibleDescription = "b (x2 行)"},
    {.kind = ControlKind::Label, .name = "Label3(4)", .text = "=",
     .left = 4320, .top = 3600, .width = 375, .height = 615,
     .font = song24Bold},
    {.kind = ControlKind::Label, .name = "Label3(6)", .text = "=",
     .left = 7080, .top = 3600, .width = 375, .height = 615,
     .font = song24Bold},
    {.kind = ControlKind::Label, .name = "Label6", .text = "",
     .left = 7440, .top = 3600, .width = 1335, .height = 495,
     .font = hei21_75Bold,
     .backColour = Rgb{128,255,128}, .copyable = true,
     .accessibleDescription = "x2 的值"},
    {.kind = ControlKind::Label, .name = "Label17", .text = "_____________________",
     .left = 4920, .top = 3720, .width = 1935, .height = 255},
    {.kind = ControlKind::Label, .name = "Label7", .text = "设计者：Osmel$_$",
     .left = 720, .top = 3840, .width = 1815, .height = 495,
     .font = yahei10_5BoldItalic},
    {.kind = ControlKind::Label, .name = "Label2(1)", .text = "2",
     .left = 4200, .top = 3960, .width = 255, .height = 255,
     .font = song9Bold},
    {.kind = ControlKind::Label, .name = "Label13", .text = "",
     .left = 5880, .top = 4080, .width = 735, .height = 255,
     .font = hei14_25Bold,
     .backColour = Rgb{192,192,192}, .copyable = true,
     .accessibleDescription = "2a (x2 行)"},
}};

constexpr app::WindowDescription description{
    .name = "Form1", .caption = "Tarvo", .clientWidth = 9150, .clientHeight = 4785, .controls = controls};

}  // namespace

const app::WindowDescription& form1Description()
{
    return description;
}

}  // namespace ui::main
