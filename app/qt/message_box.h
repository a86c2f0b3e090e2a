#pragma once

#include <app/form.h>

class QMessageBox;

namespace app::qt {

// Shows the request's prompt under its title with the buttons "是(&Y)" and
// "否(&N)" and no icon, modal to the whole program, and waits until the user
// chooses either button or closes the box (which answers No).
MessageBoxAnswer showMessageBox(const MessageBoxRequest& request);

// Takes the pictures some styles put on a box's standard buttons off again:
// the program's boxes show their buttons as plain texts.
void removeButtonIcons(QMessageBox& box);

}  // namespace app::qt
