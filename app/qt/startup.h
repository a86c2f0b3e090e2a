#pragma once

class QApplication;

namespace app::qt {
class FontConfigurationPreload;

// Makes `application` Tarvo: the Chinese (PRC) locale whatever the environment
// says, Qt's own Simplified-Chinese texts when installed, name, version, icon,
// the font substitutes and the windows' default font for the whole program.
// Cheap: nothing here enumerates the font database.
void prepareApplication(QApplication& application);

// The same, with the font configuration read on a second thread: what needs no
// font is done while `fontConfiguration` finishes.
void prepareApplication(QApplication& application, FontConfigurationPreload& fontConfiguration);

}  // namespace app::qt
