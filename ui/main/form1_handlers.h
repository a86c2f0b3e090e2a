#pragma once

namespace app {
class RuntimeWindow;
}

namespace calc {
class RunTimeError;
}

// The main window's handlers, one per control and event. They run inside the
// error frame and catch nothing themselves.
namespace ui::main {

// Calculate: fills the slots from the three boxes, or shows the outcome's message.
void command1Click(app::RuntimeWindow& form);
// Opens the Help window.
void command2Click(app::RuntimeWindow& form);
// Clear: the boxes back to "0", every slot empty.
void command3Click(app::RuntimeWindow& form);
// Opens the About window.
void command4Click(app::RuntimeWindow& form);
// A click into a box selects its whole text, so that typing replaces it.
void text1Click(app::RuntimeWindow& form);
void text2Click(app::RuntimeWindow& form);
void text3Click(app::RuntimeWindow& form);

// After the report of an error in a coefficient's text, that box has the
// focus with its text selected, ready to be typed over.
void focusFailedCoefficient(app::RuntimeWindow& form, const calc::RunTimeError& error);

}  // namespace ui::main
