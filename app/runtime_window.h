#pragma once

#include "label.h"
#include "window_description.h"

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;

namespace calc {
class RunTimeError;
}

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
    using ErrorFollowUp = std::function<void(RuntimeWindow&, const calc::RunTimeError&)>;

    explicit RuntimeWindow(const WindowDescription& description, QWidget* parent = nullptr);

    // The description's name, e.g. "Form1".
    std::string_view name() const { return name_; }

    QWidget& control(std::string_view controlName) const;
    Label& label(std::string_view controlName) const;
    QLineEdit& textBox(std::string_view controlName) const;
    QPushButton& button(std::string_view controlName) const;

    // Runs `handler` inside the error frame on each click of a button, or of a
    // text box once the click has placed the caret. One handler per control.
    void onClick(std::string_view controlName, Handler handler);

    // Runs `followUp` once the user has dismissed the report of a run-time
    // error that ended one of the window's handlers.
    void afterErrorReport(ErrorFollowUp followUp);

private:
    template <typename Widget>
    Widget& controlOfKind(std::string_view controlName) const;

    std::string name_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    ErrorFollowUp errorFollowUp_;
};

}  // namespace app
