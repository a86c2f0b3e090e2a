#include "runtime_window.h"

#include "error_frame.h"
#include "label.h"
#include "text_box.h"
#include "window_builder.h"

#include <QPushButton>

#include <stdexcept>
#include <utility>

namespace app {

RuntimeWindow::RuntimeWindow(const WindowDescription& description, QWidget* parent)
    : QWidget(parent), name_(description.name), controls_(buildControls(*this, description))
{
    setObjectName(QString::fromUtf8(description.name.data(), qsizetype(description.name.size())));
}

QWidget& RuntimeWindow::control(std::string_view controlName) const
{
    const auto found = controls_.find(controlName);
    if (found == controls_.end())
        throw std::out_of_range(name_ + " has no control " + std::string(controlName));
    return *found->second;
}

template <typename Widget>
Widget& RuntimeWindow::controlOfKind(std::string_view controlName) const
{
    auto* widget = qobject_cast<Widget*>(&control(controlName));
    if (widget == nullptr)
        throw std::out_of_range(name_ + "." + std::string(controlName) + " is not a " +
                                Widget::staticMetaObject.className());
    return *widget;
}

Label& RuntimeWindow::label(std::string_view controlName) const
{
    return controlOfKind<Label>(controlName);
}

QLineEdit& RuntimeWindow::textBox(std::string_view controlName) const
{
    return controlOfKind<QLineEdit>(controlName);
}

QPushButton& RuntimeWindow::button(std::string_view controlName) const
{
    return controlOfKind<QPushButton>(controlName);
}

void RuntimeWindow::onClick(std::string_view controlName, Handler handler)
{
    auto run = [this, handler = std::move(handler)] {
        runInErrorFrame([&] { handler(*this); },
                        [this](const calc::RunTimeError& error) {
                            if (errorFollowUp_)
                                errorFollowUp_(*this, error);
                        });
    };
    QWidget& target = control(controlName);
    if (auto* box = qobject_cast<TextBox*>(&target))
        connect(box, &TextBox::clicked, this, run);
    else
        connect(&controlOfKind<QPushButton>(controlName), &QPushButton::clicked, this, run);
}

void RuntimeWindow::afterErrorReport(ErrorFollowUp followUp)
{
    errorFollowUp_ = std::move(followUp);
}

}  // namespace app
