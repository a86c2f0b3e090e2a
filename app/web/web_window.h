#pragma once

#include <app/text.h>
#include <app/toolkit.h>
#include <app/window_description.h>

#include <map>
#include <string>
#include <string_view>

// A window of the page's backend: the elements page.js builds from a
// description, the handlers' operations on them, and the clicks and the close
// the page reports (see events.cpp). The first window made is the page's own;
// the others are windows inside it.
namespace app::web {

class WebWindow final : public NativeWindow {
public:
    WebWindow(const WindowDescription& description, WindowEvents& events, Shell& shell);
    ~WebWindow() override;

    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    std::string text(TextBoxRef box) const override;
    void setText(TextBoxRef box, std::string_view text) override;
    void setSelStart(TextBoxRef box, int start) override;
    void setSelLength(TextBoxRef box, int length) override;
    void setCaption(LabelRef label, std::string_view caption) override;
    void announce(std::string_view text) override;
    Shell& shell() override { return shell_; }

    void show() override;
    void focus(TextBoxRef box) override;

    // The window the page knows by `id`, or nullptr once it is gone.
    static WebWindow* withId(int id);
    WindowEvents& events() const { return events_; }

private:
    void addControls();
    const ControlDescription& control(std::string_view name) const;
    void drawCaption(const ControlDescription& label, std::string_view caption, CaptionSource source);

    const WindowDescription& description_;
    WindowEvents& events_;
    Shell& shell_;
    int id_;
};

}  // namespace app::web
