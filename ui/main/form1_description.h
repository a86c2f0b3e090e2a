#pragma once

#include <app/control_refs.h>
#include <app/window_description.h>
#include <ui/main/form1_upright.h>

#include <array>
#include <string_view>

// The main window as data: the equation [a] x² + [b] x + [c] = 0, the formula
// for both roots drawn out of labels, and the four buttons.
namespace ui::main {

namespace form1Fonts {
inline constexpr app::FontDescription hei42BoldItalic{.face = "黑体", .points = 42, .bold = true, .italic = true};
inline constexpr app::FontDescription hei21_75Bold{.face = "黑体", .points = 21.75, .bold = true};
inline constexpr app::FontDescription hei14_25Bold{.face = "黑体", .points = 14.25, .bold = true};
inline constexpr app::FontDescription song24Bold{.face = "宋体", .points = 24, .bold = true};
inline constexpr app::FontDescription song9Bold{.face = "宋体", .points = 9, .bold = true};
inline constexpr app::FontDescription yahei10_5BoldItalic{
    .face = "微软雅黑", .points = 10.5, .bold = true, .italic = true};
}  // namespace form1Fonts

// Rows from top to bottom, left to right; later controls lie above earlier ones.
// Slots (the grey boxes and the two root boxes) start empty; the handlers fill them.
// One row per control, laid out as the table it is.
// clang-format off
inline constexpr auto form1Controls = std::to_array<app::ControlDescription>({
    {.kind = app::ControlKind::Button, .name = "Command2", .text = "帮助",
     .left = 6960, .top = 240, .width = 735, .height = 375, .focusOrder = 4},
    {.kind = app::ControlKind::Button, .name = "Command4", .text = "关于",
     .left = 7920, .top = 240, .width = 735, .height = 375, .focusOrder = 6},
    {.kind = app::ControlKind::Label, .name = "Label1", .text = "x",
     .left = 1320, .top = 360, .width = 615, .height = 975,
     .font = form1Fonts::hei42BoldItalic,
     .accessibleName = "x 平方"},
    {.kind = app::ControlKind::Label, .name = "Label4(0)", .text = "x",
     .left = 3240, .top = 360, .width = 615, .height = 1095,
     .font = form1Fonts::hei42BoldItalic},
    {.kind = app::ControlKind::Label, .name = "Label4(1)", .text = "0",
     .left = 5760, .top = 480, .width = 615, .height = 1095,
     .font = form1Fonts::hei42BoldItalic},
    {.kind = app::ControlKind::TextBox, .name = "Text1", .text = "0",
     .left = 480, .top = 600, .width = 855, .height = 615,
     .font = form1Fonts::hei21_75Bold, .maxLength = 3, .focusOrder = 0, .accessibleName = "系数 a"},
    {.kind = app::ControlKind::Label, .name = "Label2(0)", .text = "2",
     .left = 1920, .top = 600, .width = 255, .height = 255,
     .font = form1Fonts::song9Bold,
     .drawnOnly = true},
    {.kind = app::ControlKind::Label, .name = "Label3(0)", .text = "+",
     .left = 2040, .top = 600, .width = 495, .height = 495,
     .font = form1Fonts::song24Bold,
     .accessibleName = "加"},
    {.kind = app::ControlKind::TextBox, .name = "Text2", .text = "0",
     .left = 2400, .top = 600, .width = 855, .height = 615,
     .font = form1Fonts::hei21_75Bold, .maxLength = 3, .focusOrder = 1, .accessibleName = "系数 b"},
    {.kind = app::ControlKind::Label, .name = "Label3(1)", .text = "+",
     .left = 3960, .top = 600, .width = 495, .height = 495,
     .font = form1Fonts::song24Bold,
     .accessibleName = "加"},
    {.kind = app::ControlKind::TextBox, .name = "Text3", .text = "0",
     .left = 4320, .top = 600, .width = 975, .height = 615,
     .font = form1Fonts::hei21_75Bold, .maxLength = 3, .focusOrder = 2, .accessibleName = "系数 c"},
    {.kind = app::ControlKind::Label, .name = "Label3(2)", .text = "=",
     .left = 5400, .top = 600, .width = 495, .height = 615,
     .font = form1Fonts::song24Bold,
     .accessibleName = "等于"},
    {.kind = app::ControlKind::Label, .name = "Label4(3)", .text = "x",
     .left = 3720, .top = 1680, .width = 615, .height = 1095,
     .font = form1Fonts::hei42BoldItalic,
     .accessibleName = "x1"},
    {.kind = app::ControlKind::Label, .name = "Label14", .text = "√",
     .left = 4800, .top = 1800, .width = 255, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .accessibleName = "根号"},
    {.kind = app::ControlKind::Label, .name = "Label8", .text = "",
     .left = 5160, .top = 1800, .width = 735, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .backColour = app::Rgb{192,192,192}, .copyable = true,
     .accessibleName = "判别式", .accessibleDescription = "判别式 (x1 行)"},
    {.kind = app::ControlKind::Label, .name = "Label18(0)", .text = "-",
     .left = 5880, .top = 1800, .width = 255, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .accessibleName = "减"},
    {.kind = app::ControlKind::Label, .name = "Label9", .text = "",
     .left = 6240, .top = 1800, .width = 735, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .backColour = app::Rgb{192,192,192}, .copyable = true,
     .accessibleName = "b", .accessibleDescription = "b (x1 行)"},
    {.kind = app::ControlKind::Button, .name = "Command1", .text = "计算",
     .left = 600, .top = 1920, .width = 1935, .height = 495, .focusOrder = 3},
    {.kind = app::ControlKind::Label, .name = "Label3(3)", .text = "=",
     .left = 4320, .top = 1920, .width = 375, .height = 615,
     .font = form1Fonts::song24Bold,
     .accessibleName = "等于"},
    {.kind = app::ControlKind::Label, .name = "Label3(5)", .text = "=",
     .left = 7080, .top = 1920, .width = 375, .height = 615,
     .font = form1Fonts::song24Bold,
     .accessibleName = "等于"},
    {.kind = app::ControlKind::Label, .name = "Label5", .text = "",
     .left = 7440, .top = 1920, .width = 1335, .height = 495,
     .font = form1Fonts::hei21_75Bold,
     .backColour = app::Rgb{0,255,255}, .copyable = true,
     .accessibleName = "x1", .accessibleDescription = "x1 的值"},
    {.kind = app::ControlKind::Label, .name = "Label16", .text = "_____________________",
     .left = 4920, .top = 2040, .width = 1935, .height = 375,
     .accessibleName = "除以"},
    {.kind = app::ControlKind::Label, .name = "Label2(2)", .text = "1",
     .left = 4200, .top = 2280, .width = 255, .height = 255,
     .font = form1Fonts::song9Bold,
     .drawnOnly = true},
    {.kind = app::ControlKind::Label, .name = "Label10", .text = "",
     .left = 5760, .top = 2400, .width = 735, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .backColour = app::Rgb{192,192,192}, .copyable = true,
     .accessibleName = "2a", .accessibleDescription = "2a (x1 行)"},
    {.kind = app::ControlKind::Button, .name = "Command3", .text = "清零",
     .left = 600, .top = 2760, .width = 1935, .height = 495, .focusOrder = 5},
    {.kind = app::ControlKind::Label, .name = "Label4(2)", .text = "x",
     .left = 3720, .top = 3360, .width = 615, .height = 1095,
     .font = form1Fonts::hei42BoldItalic,
     .accessibleName = "x2"},
    {.kind = app::ControlKind::Label, .name = "Label15", .text = "-√",
     .left = 4680, .top = 3480, .width = 495, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .accessibleName = "负根号"},
    {.kind = app::ControlKind::Label, .name = "Label11", .text = "",
     .left = 5280, .top = 3480, .width = 735, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .backColour = app::Rgb{192,192,192}, .copyable = true,
     .accessibleName = "判别式", .accessibleDescription = "判别式 (x2 行)"},
    {.kind = app::ControlKind::Label, .name = "Label18(1)", .text = "-",
     .left = 6000, .top = 3480, .width = 255, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .accessibleName = "减"},
    {.kind = app::ControlKind::Label, .name = "Label12", .text = "",
     .left = 6360, .top = 3480, .width = 615, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .backColour = app::Rgb{192,192,192}, .copyable = true,
     .accessibleName = "b", .accessibleDescription = "b (x2 行)"},
    {.kind = app::ControlKind::Label, .name = "Label3(4)", .text = "=",
     .left = 4320, .top = 3600, .width = 375, .height = 615,
     .font = form1Fonts::song24Bold,
     .accessibleName = "等于"},
    {.kind = app::ControlKind::Label, .name = "Label3(6)", .text = "=",
     .left = 7080, .top = 3600, .width = 375, .height = 615,
     .font = form1Fonts::song24Bold,
     .accessibleName = "等于"},
    {.kind = app::ControlKind::Label, .name = "Label6", .text = "",
     .left = 7440, .top = 3600, .width = 1335, .height = 495,
     .font = form1Fonts::hei21_75Bold,
     .backColour = app::Rgb{128,255,128}, .copyable = true,
     .accessibleName = "x2", .accessibleDescription = "x2 的值"},
    {.kind = app::ControlKind::Label, .name = "Label17", .text = "_____________________",
     .left = 4920, .top = 3720, .width = 1935, .height = 255,
     .accessibleName = "除以"},
    {.kind = app::ControlKind::Label, .name = "Label7", .text = "设计者：Osmel$_$",
     .left = 720, .top = 3840, .width = 1815, .height = 495,
     .font = form1Fonts::yahei10_5BoldItalic},
    {.kind = app::ControlKind::Label, .name = "Label2(1)", .text = "2",
     .left = 4200, .top = 3960, .width = 255, .height = 255,
     .font = form1Fonts::song9Bold,
     .drawnOnly = true},
    {.kind = app::ControlKind::Label, .name = "Label13", .text = "",
     .left = 5880, .top = 4080, .width = 735, .height = 255,
     .font = form1Fonts::hei14_25Bold,
     .backColour = app::Rgb{192,192,192}, .copyable = true,
     .accessibleName = "2a", .accessibleDescription = "2a (x2 行)"},
});
// clang-format on
static_assert(app::hasUniqueNonEmptyNames(form1Controls));

// As the window is read aloud: the equation left to right; each root's row as
// it is spoken, x1 = √d - b over 2a = the root, the value last; then the
// buttons in their Tab order and the credit line.
// clang-format off
inline constexpr auto form1ReadingOrder = std::to_array<std::string_view>({
    "Text1", "Label1", "Label2(0)", "Label3(0)", "Text2", "Label4(0)", "Label3(1)", "Text3", "Label3(2)", "Label4(1)",
    "Label4(3)", "Label2(2)", "Label3(3)", "Label14", "Label8", "Label18(0)", "Label9", "Label16", "Label10",
    "Label3(5)", "Label5",
    "Label4(2)", "Label2(1)", "Label3(4)", "Label15", "Label11", "Label18(1)", "Label12", "Label17", "Label13",
    "Label3(6)", "Label6",
    "Command1", "Command2", "Command3", "Command4", "Label7",
});
// clang-format on
static_assert(app::isReadingOrder(form1Controls, form1ReadingOrder));

inline constexpr app::WindowDescription form1Description{.name = "Form1",
                                                         .caption = "Tarvo",
                                                         .clientWidth = 9150,
                                                         .clientHeight = 4785,
                                                         .controls = form1Controls,
                                                         .upright = form1Upright,
                                                         .readingOrder = form1ReadingOrder};
static_assert(app::arrangesEachControlOnce(form1Controls, form1Upright));

// The controls by name. A name the table lacks, or of another kind, does not compile.
namespace form1 {

inline constexpr app::TextBoxRef Text1 = app::textBoxIn(form1Controls, "Text1");
inline constexpr app::TextBoxRef Text2 = app::textBoxIn(form1Controls, "Text2");
inline constexpr app::TextBoxRef Text3 = app::textBoxIn(form1Controls, "Text3");
inline constexpr app::ButtonRef Command1 = app::buttonIn(form1Controls, "Command1");
inline constexpr app::ButtonRef Command2 = app::buttonIn(form1Controls, "Command2");
inline constexpr app::ButtonRef Command3 = app::buttonIn(form1Controls, "Command3");
inline constexpr app::ButtonRef Command4 = app::buttonIn(form1Controls, "Command4");
inline constexpr app::LabelRef Label5 = app::labelIn(form1Controls, "Label5");
inline constexpr app::LabelRef Label6 = app::labelIn(form1Controls, "Label6");
inline constexpr app::LabelRef Label7 = app::labelIn(form1Controls, "Label7");
inline constexpr app::LabelRef Label8 = app::labelIn(form1Controls, "Label8");
inline constexpr app::LabelRef Label9 = app::labelIn(form1Controls, "Label9");
inline constexpr app::LabelRef Label10 = app::labelIn(form1Controls, "Label10");
inline constexpr app::LabelRef Label11 = app::labelIn(form1Controls, "Label11");
inline constexpr app::LabelRef Label12 = app::labelIn(form1Controls, "Label12");
inline constexpr app::LabelRef Label13 = app::labelIn(form1Controls, "Label13");
inline constexpr app::LabelRef Label14 = app::labelIn(form1Controls, "Label14");

// The roles the handlers fill.
inline constexpr std::array coefficientBoxes{Text1, Text2, Text3};  // a, b, c
// The eight result slots in the order clear empties them.
inline constexpr std::array resultSlots{Label5, Label6, Label8, Label9, Label10, Label11, Label12, Label13};

}  // namespace form1
}  // namespace ui::main
