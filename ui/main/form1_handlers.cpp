#include "form1_handlers.h"

#include <app/label.h>
#include <app/message_box.h>
#include <app/runtime_window.h>
#include <app/window_instances.h>
#include <calc/calculation.h>
#include <calc/run_time_error.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>

#include <QLineEdit>

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace ui::main {
namespace {

std::string textOf(const app::RuntimeWindow& form, std::string_view box)
{
    return form.textBox(box).text().toStdString();
}

// By calc::Coefficient: A, B, C.
constexpr std::array<std::string_view, 3> coefficientBoxes{"Text1", "Text2", "Text3"};

// A slot shows its text; one cut off at the edge shows all of it as a tooltip.
void writeSlot(app::RuntimeWindow& form, std::string_view slot, const std::string& text)
{
    app::Label& label = form.label(slot);
    const QString caption = QString::fromStdString(text);
    label.setText(caption);
    label.setToolTip(label.isCutOff() ? caption : QString());
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

void focusFailedCoefficient(app::RuntimeWindow& form, const calc::RunTimeError& error)
{
    const auto* failed = std::get_if<calc::CoefficientText>(&error.source());
    if (failed == nullptr)
        return;
    const std::string_view box = coefficientBoxes.at(std::size_t(failed->coefficient));
    form.activateWindow();  // back from the report, the keys go to the box
    form.textBox(box).setFocus(Qt::OtherFocusReason);
    selectWholeText(form, box);
}

}  // namespace ui::main
