#pragma once

#include <app/web/web_toolkit.h>
#include <app/web/web_window.h>
#include <program/program.h>

namespace program {

using WebProgram = Program<app::web::WebToolkit, app::web::WebWindow>;

}  // namespace program
