#pragma once

#include "control_refs.h"

#include <stdexcept>
#include <string>
#include <string_view>

// What a handler may do: the control operations of its own window, and through
// the shell, other windows and the message box. Texts are UTF-8 throughout.
namespace app {

enum class MessageBoxButtons {
    YesNo,  // 是 and 否
};

enum class MessageBoxAnswer {
    Yes,
    No,  // also when the user closed the box
};

struct MessageBoxRequest {
    std::string_view prompt{};
    std::string_view title{};
    MessageBoxButtons buttons = MessageBoxButtons::YesNo;
};

// The program-wide services a handler reaches.
class Shell {
public:
    virtual ~Shell() = default;

    // Shows the single instance of the window named `windowName` modeless and
    // without an owner: creates it from its description when none is open,
    // restores it when minimised and brings it to the front. Throws
    // std::out_of_range for a name the program does not know.
    virtual void showWindow(std::string_view windowName) = 0;

    // Shows a message box without icon, modal to the whole program, and waits
    // until the user chooses a button or closes the box.
    virtual MessageBoxAnswer showMessageBox(const MessageBoxRequest& request) = 0;

protected:
    Shell() = default;
    Shell(const Shell&) = default;
    Shell& operator=(const Shell&) = default;
};

// A control operation given a value the control cannot take, such as a
// negative selection start: run-time error 380.
class InvalidPropertyValue : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// One open window as its handlers see it. Selections count characters (code
// points), never UTF-16 units or bytes: a character outside the Basic
// Multilingual Plane is one. Every operation takes effect at once.
class Form {
public:
    virtual ~Form() = default;

    virtual std::string text(TextBoxRef box) const = 0;
    virtual void setText(TextBoxRef box, std::string_view text) = 0;
    // A start beyond the text puts the caret at its end and selects nothing;
    // a length beyond the text selects up to its end. A negative start or
    // length throws InvalidPropertyValue.
    virtual void setSelStart(TextBoxRef box, int start) = 0;
    virtual void setSelLength(TextBoxRef box, int length) = 0;
    virtual void setCaption(LabelRef label, std::string_view caption) = 0;

    // Has a screen reader speak `text` once, after what it is saying, without
    // moving the focus: what a handler did that no focus change tells.
    virtual void announce(std::string_view text) = 0;

    virtual Shell& shell() = 0;

protected:
    Form() = default;
    Form(const Form&) = default;
    Form& operator=(const Form&) = default;
};

}  // namespace app
