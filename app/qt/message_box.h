#pragma once

#include <app/form.h>

namespace app::qt {

// Shows the request's prompt under its title with the buttons "是(&Y)" and
// "否(&N)" and no icon, modal to the whole program, and waits until the user
// chooses either button or closes the box (which answers No).
MessageBoxAnswer showMessageBox(const MessageBoxRequest& request);

}  // namespace app::qt
