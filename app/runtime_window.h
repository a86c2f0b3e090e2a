#pragma once

#include "window_description.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

// A top-level window built from its description, with its controls reachable
// by name and handlers bound to their events.
//
//     RuntimeWindow window(description);
//     window.onClick("Command1", [](RuntimeWindow& w) { w.label("Label5").setText("2"); });
//     window.show();
//
// Lookups throw std::out_of_range for a name the window lacks or a control of
// another kind; inside a handler the error frame reports that like any error.
class RuntimeWindow : public QWidget {
    Q_OBJECT
public:
    using Handler = std::function<void(RuntimeWindow&)>;

    explicit RuntimeWindow(const WindowDescription& description, QWidget* parent = nullptr);

    // The description's name, e.g. "Form1".
    std::string_view name() const { return name_; }

    QWidget& control(std::string_view controlName) const;
    QLabel& label(std::string_view controlName) const;
    QLineEdit& textBox(std::string_view controlName) const;
    QPushButton& button(std::string_view controlName) const;

    // Runs `handler` inside the error frame on each click of a button, or of a
    // text box once the click has placed the caret. One handler per control.
    void onClick(std::string_view controlName, Handler handler);

private:
    template <typename Widget>
    Widget& controlOfKind(std::string_view controlName) const;

    std::string name_;
    std::map<std::string, QWidget*, std::less<>> controls_;
};

}  // namespace app
