#pragma once

#include <app/error_frame.h>
#include <app/form.h>
#include <app/toolkit.h>

// The main window's handlers, one per control and event. They catch nothing:
// errors travel to the shell's error frame.
namespace ui::main {

// Calculate: fills the slots from the three boxes, or shows the outcome's message.
void command1Click(app::Form& form);
// Opens the Help window.
void command2Click(app::Form& form);
// Clear: the boxes back to "0", every slot empty.
void command3Click(app::Form& form);
// Opens the About window.
void command4Click(app::Form& form);
// A click into a box selects its whole text, so that typing replaces it.
void text1Click(app::Form& form);
void text2Click(app::Form& form);
void text3Click(app::Form& form);

// After the report of an error in a coefficient's text, that box has the
// focus with its text selected, ready to be typed over.
void focusFailedCoefficient(app::NativeWindow& form, const app::ErrorReport& report);

}  // namespace ui::main
