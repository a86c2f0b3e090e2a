#pragma once

#include <app/qt/qt_toolkit.h>
#include <app/qt/qt_window.h>
#include <program/program.h>

namespace program {

// Over a QApplication that app::qt::prepareApplication has made Tarvo.
using QtProgram = Program<app::qt::QtToolkit, app::qt::QtWindow>;

}  // namespace program
