#include "form1.h"

#include "error_cause.h"
#include "form1_description.h"
#include "form1_handlers.h"

#include <array>

namespace ui::main {
namespace {

using namespace form1;

constexpr std::array clicks{
    app::ClickBinding{Command1, command1Click}, app::ClickBinding{Command2, command2Click},
    app::ClickBinding{Command3, command3Click}, app::ClickBinding{Command4, command4Click},
    app::ClickBinding{Text1, text1Click},       app::ClickBinding{Text2, text2Click},
    app::ClickBinding{Text3, text3Click},
};

}  // namespace

const app::WindowClass& form1Class()
{
    static constexpr app::WindowClass windowClass{&form1Description, clicks, describeCause,
                                                  focusFailedCoefficient};
    return windowClass;
}

}  // namespace ui::main
