#pragma once

#include <app/web/web_toolkit.h>
#include <app/web/web_window.h>
#include <program/program.h>

namespace program {

// Made with the program's name, which titles the error report.
using WebProgram = Program<app::web::WebToolkit, app::web::WebWindow>;

}  // namespace program
