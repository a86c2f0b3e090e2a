#pragma once

#include <app/program_identity.h>

class QApplication;

namespace app::qt {
class FontConfigurationPreload;

// Makes `application` the program `identity` names: the Chinese (PRC) locale
// whatever the environment says, Qt's own Simplified-Chinese texts when
// installed, name, version, desktop entry, icon, the font substitutes and the
// windows' default font for the whole program. Cheap: nothing here enumerates
// the font database.
void prepareApplication(QApplication& application, const ProgramIdentity& identity);

// The same, with the font configuration read on a second thread: what needs no
// font is done while `fontConfiguration` finishes.
void prepareApplication(QApplication& application, const ProgramIdentity& identity,
                        FontConfigurationPreload& fontConfiguration);

}  // namespace app::qt
