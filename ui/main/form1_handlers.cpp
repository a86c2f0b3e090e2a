#include "form1_handlers.h"

#include "form1_description.h"

#include <app/text.h>
#include <calc/calculation.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>

#include <string>

namespace ui::main {
namespace {

using namespace form1;

void show(app::Form& form, const calc::QuadraticRoots& roots)
{
    form.setCaption(Label8, roots.discriminantText);
    form.setCaption(Label11, roots.discriminantText);
    form.setCaption(Label9, roots.bText);
    form.setCaption(Label12, roots.bText);
    form.setCaption(Label10, roots.twoAText);
    form.setCaption(Label13, roots.twoAText);
    form.setCaption(Label5, roots.x1Text);
    form.setCaption(Label6, roots.x2Text);
    form.announce("x1 等于 " + roots.x1Text + "，x2 等于 " + roots.x2Text);
}

// The formula slots keep what an earlier calculation wrote.
void show(app::Form& form, const calc::LinearRoot& root)
{
    form.setCaption(Label5, root.rootText);
    form.setCaption(Label6, root.rootText);
    form.announce("x 等于 " + root.rootText);
}

template <typename Message>
void show(app::Form& form, const Message&)
{
    form.shell().showMessageBox({.prompt = Message::message, .title = "提示"});
}

void selectWholeText(app::Form& form, app::TextBoxRef box)
{
    form.setSelStart(box, 0);
    form.setSelLength(box, app::characterCount(form.text(box)));
}

}  // namespace

void command1Click(app::Form& form)
{
    const std::string a = form.text(Text1);
    const std::string b = form.text(Text2);
    const std::string c = form.text(Text3);
    const calc::SolveOutcome outcome = calc::calculate(a, b, c);
    std::visit([&form](const auto& kind) { show(form, kind); }, outcome);
}

void command2Click(app::Form& form)
{
    form.shell().showWindow(info::form2Description.name);
}

void command3Click(app::Form& form)
{
    for (const app::TextBoxRef box : coefficientBoxes)
        form.setText(box, "0");
    for (const app::LabelRef slot : resultSlots)
        form.setCaption(slot, {});
    form.announce("已清零");
}

void command4Click(app::Form& form)
{
    form.shell().showWindow(info::form3Description.name);
}

void text1Click(app::Form& form)
{
    selectWholeText(form, Text1);
}

void text2Click(app::Form& form)
{
    selectWholeText(form, Text2);
}

void text3Click(app::Form& form)
{
    selectWholeText(form, Text3);
}

void focusFailedCoefficient(app::NativeWindow& form, const app::ErrorReport& report)
{
    for (const app::TextBoxRef box : coefficientBoxes) {
        if (box.name == report.causeControl) {
            form.focus(box);
            selectWholeText(form, box);
        }
    }
}

}  // namespace ui::main
