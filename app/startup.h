#pragma once

class QApplication;

namespace app {
class RuntimeWindow;

// Makes `application` Tarvo: the Chinese (PRC) locale whatever the environment
// says, Qt's own Simplified-Chinese texts when installed, name, version, icon
// and the font substitutes. Cheap: nothing here enumerates the font database.
void prepareApplication(QApplication& application);

// Shows the start-up window, the main window, with the focus in its first box.
RuntimeWindow& showStartupWindow();

}  // namespace app
