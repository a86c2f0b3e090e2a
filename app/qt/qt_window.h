#pragma once

#include <app/toolkit.h>
#include <app/window_description.h>

#include <QPointer>
#include <QWidget>

#include <map>
#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace app::qt {

class Announcer;
class Label;

// A window of the Qt backend: the widgets built from a description, the
// handlers' operations on them, and the clicks and the close reported to the
// shell. The top-level widget outlives this object until its deferred deletion.
class QtWindow final : public NativeWindow {
public:
    QtWindow(const WindowDescription& description, WindowEvents& events, Shell& shell);
    ~QtWindow() override;

    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    std::string text(TextBoxRef box) const override;
    void setText(TextBoxRef box, std::string_view text) override;
    void setSelStart(TextBoxRef box, int start) override;
    void setSelLength(TextBoxRef box, int length) override;
    void setCaption(LabelRef label, std::string_view caption) override;
    void announce(std::string_view text) override;
    Shell& shell() override { return shell_; }

    void show() override;
    void focus(TextBoxRef box) override;

    // The widgets, for tests and tools that drive the window as a user would.
    QWidget& widget() const { return *widget_; }
    Label& label(LabelRef label) const;
    QLineEdit& textBox(TextBoxRef box) const;
    QPushButton& button(ButtonRef button) const;
    // By the table's name; throws std::out_of_range for a name it lacks.
    QWidget& control(std::string_view name) const;

private:
    const WindowDescription& description_;
    Shell& shell_;
    QPointer<QWidget> widget_;
    Announcer* announcer_;
    std::map<std::string, QWidget*, std::less<>> controls_;
};

}  // namespace app::qt
