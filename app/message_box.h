#pragma once

#include <string_view>

class QMessageBox;

namespace app {

// Shows `prompt` (UTF-8) in a box titled "提示" with the buttons "是(&Y)" and
// "否(&N)" and no icon, modal to the whole program, and waits until the user
// chooses either button or closes the box. The answer carries no meaning.
void showMessageBox(std::string_view prompt);

// Takes the pictures some styles put on a box's standard buttons off again:
// the program's boxes show their buttons as plain texts.
void removeButtonIcons(QMessageBox& box);

}  // namespace app
