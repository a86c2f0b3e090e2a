#include "qt_window.h"

#include "accessibility.h"
#include "label.h"
#include "text_box.h"
#include "text_units.h"
#include "window_builder.h"
#include "window_widget.h"

#include <app/form.h>
#include <app/spoken_text.h>
#include <app/text.h>

#include <QPushButton>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace app::qt {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

QtWindow::QtWindow(const WindowDescription& description, WindowEvents& events, Shell& shell)
    : description_(description),
      shell_(shell),
      widget_(new WindowWidget(isNotice(description), [&events] { events.closed(); })),
      announcer_(new Announcer(*widget_))
{
    widget_->setObjectName(fromUtf8(description.name));
    if (isNotice(description))
        widget_->setAccessibleDescription(QString::fromStdString(noticeText(description)));
    controls_ = buildControls(*widget_, description);
    std::vector<const QObject*> reading;
    for (const ControlDescription* control : inReadingOrder(description))
        reading.push_back(controls_.find(control->name)->second);
    static_cast<WindowWidget*>(widget_.data())->setReadingOrder(std::move(reading));
    for (const ControlDescription& control : description.controls) {
        const std::string_view name = control.name;
        QWidget* widget = controls_.find(name)->second;
        if (auto* box = qobject_cast<TextBox*>(widget))
            QObject::connect(box, &TextBox::clicked, widget_, [&events, name] { events.clicked(name); });
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            QObject::connect(button, &QPushButton::clicked, widget_, [&events, name] { events.clicked(name); });
    }
}

// The shell may discard a window from inside its own close event.
QtWindow::~QtWindow()
{
    if (widget_ != nullptr) {
        widget_->hide();
        widget_->deleteLater();
    }
}

QWidget& QtWindow::control(std::string_view name) const
{
    const auto found = controls_.find(name);
    if (found == controls_.end())
        throw std::out_of_range(widget_->objectName().toStdString() + " has no control " + std::string(name));
    return *found->second;
}

Label& QtWindow::label(LabelRef label) const
{
    return *qobject_cast<Label*>(&control(label.name));
}

QLineEdit& QtWindow::textBox(TextBoxRef box) const
{
    return *qobject_cast<QLineEdit*>(&control(box.name));
}

QPushButton& QtWindow::button(ButtonRef button) const
{
    return *qobject_cast<QPushButton*>(&control(button.name));
}

std::string QtWindow::text(TextBoxRef box) const
{
    return textBox(box).text().toStdString();
}

void QtWindow::setText(TextBoxRef box, std::string_view text)
{
    textBox(box).setText(fromUtf8(text));
}

void QtWindow::setSelStart(TextBoxRef box, int start)
{
    if (start < 0)
        throw InvalidPropertyValue("a selection cannot start before the text");
    QLineEdit& edit = textBox(box);
    edit.setCursorPosition(int(unitOffset(unitsOf(edit.text()), start)));
}

void QtWindow::setSelLength(TextBoxRef box, int length)
{
    if (length < 0)
        throw InvalidPropertyValue("a selection cannot have a negative length");
    QLineEdit& edit = textBox(box);
    const int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const auto end = int(selectionEnd(unitsOf(edit.text()), std::size_t(start), length));
    edit.setSelection(start, end - start);
}

void QtWindow::setCaption(LabelRef label, std::string_view caption)
{
    Label& widget = this->label(label);
    widget.setCaption(fromUtf8(caption));
    const auto described = std::ranges::find(description_.controls, label.name, &ControlDescription::name);
    if (!described->accessibleName.empty())
        widget.setAccessibleName(QString::fromStdString(spokenName(*described, caption)));
}

void QtWindow::announce(std::string_view text)
{
    announcer_->announce(fromUtf8(text));
}

void QtWindow::show()
{
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void QtWindow::focus(TextBoxRef box)
{
    widget_->activateWindow();  // back from a modal box, the keys go to this window
    textBox(box).setFocus(Qt::OtherFocusReason);
}

}  // namespace app::qt
