#include "form1.h"

#include "form1_description.h"
#include "form1_handlers.h"

#include <app/window_instances.h>

namespace ui::main {

std::unique_ptr<app::RuntimeWindow> createForm1()
{
    auto form = std::make_unique<app::RuntimeWindow>(form1Description());
    form->onClick("Command1", command1Click);
    form->onClick("Command2", command2Click);
    form->onClick("Command3", command3Click);
    form->onClick("Command4", command4Click);
    form->onClick("Text1", text1Click);
    form->onClick("Text2", text2Click);
    form->onClick("Text3", text3Click);
    form->afterErrorReport(focusFailedCoefficient);
    return form;
}

app::RuntimeWindow& showForm1()
{
    return app::showSingleInstance(form1Description().name, createForm1);
}

}  // namespace ui::main
