#pragma once

#include "control_refs.h"
#include "error_frame.h"
#include "form.h"
#include "toolkit.h"
#include "window_description.h"

#include <span>
#include <string_view>

// A window of the program: its table and the handlers bound to its controls.
namespace app {

using ClickHandler = void (*)(Form& form);

// A click of a button, or of a text box once the click has placed the caret.
// Labels take no clicks, so a label reference does not convert.
struct ClickBinding {
    constexpr ClickBinding(ButtonRef button, ClickHandler onClick) : control(button.name), handler(onClick) {}
    constexpr ClickBinding(TextBoxRef box, ClickHandler onClick) : control(box.name), handler(onClick) {}

    std::string_view control;
    ClickHandler handler;
};

// Runs once the user has dismissed the report of an error that ended one of
// the window's handlers, e.g. to put the focus where the error came from.
using ErrorFollowUp = void (*)(NativeWindow& window, const ErrorReport& report);

struct WindowClass {
    const WindowDescription* description = nullptr;
    std::span<const ClickBinding> clicks{};
    CauseDescriber describeCause = nullptr;
    ErrorFollowUp afterErrorReport = nullptr;
};

}  // namespace app
