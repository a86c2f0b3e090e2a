#include "form1_handlers.h"

#include <app/message_box.h>
#include <app/runtime_window.h>
#include <app/window_instances.h>
#include <calc/calculation.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>

#include <QLabel>
#include <QLineEdit>

#include <string>
#include <string_view>
#include <variant>

namespace ui::main {
namespace {

std::string textOf(const app::RuntimeWindow& form, std::string_view box)
{
    return form.textBox(box).text().toStdString();
}

// A slot shows its text, and all of it as a tooltip: long roots are cut off at the edge.
void writeSlot(app::RuntimeWindow& form, std::string_view slot, const std::string& text)
{
    QLabel& label = form.label(slot);
    const QString caption = QString::fromStdString(text);
    label.setText(caption);
    label.setToolTip(caption);
}

void showQuadraticRoots(app::RuntimeWindow& form, const calc::QuadraticRoots& roots)
{
    writeSlot(form, "Label8", roots.discriminantText);
    writeSlot(form, "Label11", roots.discriminantText);
    writeSlot(form, "Label9", roots.bText);
    writeSlot(form, "Label12", roots.bText);
    writeSlot(form, "Label10", roots.twoAText);
    writeSlot(form, "Label13", roots.twoAText);
    writeSlot(form, "Label5", roots.x1Text);
    writeSlot(form, "Label6", roots.x2Text);
}

// The formula slots keep what an earlier calculation wrote.
void showLinearRoot(app::RuntimeWindow& form, const calc::LinearRoot& root)
{
    writeSlot(form, "Label5", root.rootText);
    writeSlot(form, "Label6", root.rootText);
}

void selectWholeText(app::RuntimeWindow& form, std::string_view box)
{
    QLineEdit& edit = form.textBox(box);
    edit.setSelection(0, int(edit.text().size()));
}

}  // namespace

void command1Click(app::RuntimeWindow& form)
{
    const calc::SolveOutcome outcome =
        calc::calculate(textOf(form, "Text1"), textOf(form, "Text2"), textOf(form, "Text3"));
    if (const auto* roots = std::get_if<calc::QuadraticRoots>(&outcome))
        showQuadraticRoots(form, *roots);
    else if (const auto* root = std::get_if<calc::LinearRoot>(&outcome))
        showLinearRoot(form, *root);
    else
        app::showMessageBox(*calc::messageOf(outcome));
}

void command2Click(app::RuntimeWindow&)
{
    app::showSingleInstance(info::form2());
}

void command3Click(app::RuntimeWindow& form)
{
    for (std::string_view box : {"Text1", "Text2", "Text3"})
        form.textBox(box).setText(QStringLiteral("0"));
    for (std::string_view slot : {"Label5", "Label6", "Label8", "Label9", "Label10", "Label11", "Label12", "Label13"})
        writeSlot(form, slot, {});
}

void command4Click(app::RuntimeWindow&)
{
    app::showSingleInstance(info::form3());
}

void text1Click(app::RuntimeWindow& form)
{
    selectWholeText(form, "Text1");
}

void text2Click(app::RuntimeWindow& form)
{
    selectWholeText(form, "Text2");
}

void text3Click(app::RuntimeWindow& form)
{
    selectWholeText(form, "Text3");
}

}  // namespace ui::main
