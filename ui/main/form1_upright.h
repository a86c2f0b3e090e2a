#pragma once

#include <app/window_description.h>

#include <array>

// The main window for a phone held upright: the table's blocks stacked into a
// narrow client area. Top to bottom: the equation row; 计算 and 清零 side by
// side; the x1 row; the x2 row; 帮助, 关于 and the credit line.
namespace ui::main {

namespace form1Blocks {
inline constexpr app::Offset equationRow{.right = -240, .down = -120};
inline constexpr app::Offset calculateButton{.right = 480, .down = -225};
inline constexpr app::Offset clearButton{.right = 2775, .down = -1065};
inline constexpr app::Offset formulaRows{.right = -3060, .down = 750};
inline constexpr app::Offset infoButtons{.right = -2520, .down = 5205};
inline constexpr app::Offset creditLine{.right = -480, .down = 1605};
}  // namespace form1Blocks

// clang-format off
inline constexpr auto form1UprightMoves = std::to_array<app::ControlMove>({
    {"Text1", form1Blocks::equationRow}, {"Label1", form1Blocks::equationRow},
    {"Label2(0)", form1Blocks::equationRow}, {"Label3(0)", form1Blocks::equationRow},
    {"Text2", form1Blocks::equationRow}, {"Label4(0)", form1Blocks::equationRow},
    {"Label3(1)", form1Blocks::equationRow}, {"Text3", form1Blocks::equationRow},
    {"Label3(2)", form1Blocks::equationRow}, {"Label4(1)", form1Blocks::equationRow},

    {"Command1", form1Blocks::calculateButton}, {"Command3", form1Blocks::clearButton},

    // x1 row
    {"Label4(3)", form1Blocks::formulaRows}, {"Label2(2)", form1Blocks::formulaRows},
    {"Label3(3)", form1Blocks::formulaRows}, {"Label14", form1Blocks::formulaRows},
    {"Label8", form1Blocks::formulaRows}, {"Label18(0)", form1Blocks::formulaRows},
    {"Label9", form1Blocks::formulaRows}, {"Label16", form1Blocks::formulaRows},
    {"Label10", form1Blocks::formulaRows}, {"Label3(5)", form1Blocks::formulaRows},
    {"Label5", form1Blocks::formulaRows},
    // x2 row
    {"Label4(2)", form1Blocks::formulaRows}, {"Label2(1)", form1Blocks::formulaRows},
    {"Label3(4)", form1Blocks::formulaRows}, {"Label15", form1Blocks::formulaRows},
    {"Label11", form1Blocks::formulaRows}, {"Label18(1)", form1Blocks::formulaRows},
    {"Label12", form1Blocks::formulaRows}, {"Label17", form1Blocks::formulaRows},
    {"Label13", form1Blocks::formulaRows}, {"Label3(6)", form1Blocks::formulaRows},
    {"Label6", form1Blocks::formulaRows},

    {"Command2", form1Blocks::infoButtons}, {"Command4", form1Blocks::infoButtons},
    {"Label7", form1Blocks::creditLine},
});
// clang-format on

inline constexpr app::Arrangement form1Upright{.clientWidth = 6375, .clientHeight = 6180, .moves = form1UprightMoves};

}  // namespace ui::main
