// The shell over a fake toolkit: single instances, the end of the program,
// and handlers run inside the error frame.
#include <app/runtime.h>
#include <calc/run_time_error.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr auto oneButton = std::to_array<app::ControlDescription>({
    {.kind = app::ControlKind::Button, .name = "Command1", .text = "a"},
    {.kind = app::ControlKind::TextBox, .name = "Text1", .text = "0"},
});
constexpr app::ButtonRef command1 = app::buttonIn(oneButton, "Command1");
constexpr app::TextBoxRef text1 = app::textBoxIn(oneButton, "Text1");
constexpr app::WindowDescription main{.name = "Main", .controls = oneButton};
constexpr app::WindowDescription help{.name = "Help"};

// What the handlers of the main window do; a test sets it.
void (*mainAction)(app::Form&) = nullptr;

void runMainAction(app::Form& form)
{
    mainAction(form);
}

void openHelp(app::Form& form)
{
    form.shell().showWindow("Help");
}

app::CauseNote describeCause(const calc::RunTimeError& error)
{
    if (std::holds_alternative<calc::DiscriminantRange>(error.cause()))
        return {"from the discriminant", text1.name};
    return {};
}

// Records, after the report, what the error came from.
void followUp(app::NativeWindow& window, const app::ErrorReport& report)
{
    if (report.causeControl == text1.name)
        window.focus(text1);
}

constexpr std::array mainClicks{app::ClickBinding{command1, runMainAction}, app::ClickBinding{text1, openHelp}};
const std::array windows{app::WindowClass{&main, mainClicks, describeCause, followUp}, app::WindowClass{&help, {}}};

class FakeToolkit;

class FakeWindow final : public app::NativeWindow {
public:
    FakeWindow(std::string name, app::WindowEvents& events, app::Shell& shell, std::vector<std::string>& log)
        : name_(std::move(name)), events_(events), shell_(shell), log_(log)
    {
    }
    ~FakeWindow() override { log_.push_back("destroy " + name_); }

    std::string text(app::TextBoxRef) const override { return {}; }
    void setText(app::TextBoxRef, std::string_view) override {}
    void setSelStart(app::TextBoxRef, int) override {}
    void setSelLength(app::TextBoxRef, int) override {}
    void setCaption(app::LabelRef, std::string_view) override {}
    void announce(std::string_view) override {}
    app::Shell& shell() override { return shell_; }
    void show() override { log_.push_back("show " + name_); }
    void focus(app::TextBoxRef box) override { log_.push_back("focus " + std::string(box.name)); }

    app::WindowEvents& events() { return events_; }

private:
    std::string name_;
    app::WindowEvents& events_;
    app::Shell& shell_;
    std::vector<std::string>& log_;
};

class FakeToolkit final : public app::Toolkit {
public:
    std::vector<std::string> log;
    std::vector<FakeWindow*> created;

    std::unique_ptr<app::NativeWindow> createWindow(const app::WindowDescription& description,
                                                    app::WindowEvents& events, app::Shell& shell) override
    {
        log.push_back("create " + std::string(description.name));
        auto window = std::make_unique<FakeWindow>(std::string(description.name), events, shell, log);
        created.push_back(window.get());
        return window;
    }
    app::MessageBoxAnswer showMessageBox(const app::MessageBoxRequest& request) override
    {
        log.push_back("message " + std::string(request.prompt));
        return app::MessageBoxAnswer::No;
    }
    void showErrorReport(std::string_view title, std::string_view text) override
    {
        log.push_back("report " + std::string(title) + " " + std::string(text));
    }
    void quit() override { log.push_back("quit"); }
};

class RuntimeTest : public testing::Test {
protected:
    FakeToolkit toolkit;
    app::Runtime runtime{toolkit, windows, "Tarvo"};

    void close(std::string_view name) { static_cast<FakeWindow*>(runtime.openWindow(name))->events().closed(); }
    void click(std::string_view name, std::string_view control)
    {
        static_cast<FakeWindow*>(runtime.openWindow(name))->events().clicked(control);
    }
};

TEST_F(RuntimeTest, ShowingAnOpenWindowKeepsItsOneInstance)
{
    runtime.showWindow("Main");
    runtime.showWindow("Main");
    EXPECT_EQ(toolkit.log, (std::vector<std::string>{"create Main", "show Main", "show Main"}));
}

TEST_F(RuntimeTest, AClosedWindowIsDiscardedAndMadeAfreshWhenShownAgain)
{
    runtime.showWindow("Main");
    runtime.showWindow("Help");
    close("Help");
    EXPECT_EQ(runtime.openWindow("Help"), nullptr);
    runtime.showWindow("Help");
    EXPECT_NE(runtime.openWindow("Help"), nullptr);
    EXPECT_EQ(toolkit.log, (std::vector<std::string>{"create Main", "show Main", "create Help", "show Help",
                                                     "destroy Help", "create Help", "show Help"}));
}

TEST_F(RuntimeTest, TheProgramEndsWhenItsLastWindowCloses)
{
    runtime.showWindow("Main");
    click("Main", "Text1");  // opens Help from a handler
    close("Main");
    EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "quit"), 0) << "Help is still open";
    close("Help");
    EXPECT_EQ(std::count(toolkit.log.begin(), toolkit.log.end(), "quit"), 1);
}

TEST_F(RuntimeTest, ShowingAWindowThatDoesNotExistThrows)
{
    EXPECT_THROW(runtime.showWindow("Form9"), std::out_of_range);
}

TEST(Runtime, RefusesTwoWindowsOfOneName)
{
    FakeToolkit toolkit;
    const std::array twice{app::WindowClass{&help, {}}, app::WindowClass{&help, {}}};
    EXPECT_THROW(app::Runtime(toolkit, twice, "Tarvo"), std::invalid_argument);
}

TEST_F(RuntimeTest, AnErrorEndsTheHandlerIsReportedAndTheProgramGoesOn)
{
    runtime.showWindow("Main");
    mainAction = [](app::Form& form) {
        form.shell().showMessageBox({.prompt = "before"});
        throw calc::RunTimeError::typeMismatch();
    };
    click("Main", "Command1");
    mainAction = [](app::Form& form) { form.shell().showMessageBox({.prompt = "again"}); };
    click("Main", "Command1");
    EXPECT_EQ(toolkit.log, (std::vector<std::string>{"create Main", "show Main", "message before",
                                                     "report Tarvo 运行时错误 '13':\n\n类型不匹配", "message again"}));
}

TEST_F(RuntimeTest, TheWindowFollowsUpAnErrorOnceItIsReported)
{
    runtime.showWindow("Main");
    mainAction = [](app::Form&) { throw calc::RunTimeError::overflow().from(calc::DiscriminantRange{}); };
    click("Main", "Command1");
    EXPECT_EQ(toolkit.log, (std::vector<std::string>{"create Main", "show Main",
                                                     "report Tarvo 运行时错误 '6':\n\n溢出\n\nfrom the discriminant",
                                                     "focus Text1"}));
}

}  // namespace
