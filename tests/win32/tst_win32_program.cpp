// The program around the windows: the message box, the error report, one
// Help and one About window, and the end of the program with its last window,
// in this process and in Tarvo.exe itself.
#include "case_printing.h"
#include "win32_test_support.h"

#include <app/win32/message_box.h>
#include <app/win32/startup.h>
#include <app/win32/window.h>
#include <app/win32/window_instances.h>
#include <calc/run_time_error.h>
#include <ui/main/form1_description.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

namespace {

using win32_test::operator<<;

using app::win32::Window;
using win32_test::ModalBoxAnswerer;
using win32_test::pumpMessages;
using win32_test::topLevelWindows;

void clickButton(HWND window, const wchar_t* caption)
{
    SendMessageW(FindWindowExW(window, nullptr, L"Button", caption), BM_CLICK, 0, 0);
}

// Closes every window the test left and drops the end of the program it caused.
class ProgramTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (const char* name : {"Form1", "Form2", "Form3"}) {
            if (Window* window = app::win32::openInstance(name))
                DestroyWindow(window->handle());
        }
        for (HWND window : stray_)
            DestroyWindow(window);
        pumpMessages();
        MSG quit{};
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    Window& strayWindow()
    {
        Window& window = Window::create(ui::main::form1Description());
        window.show();
        stray_.push_back(window.handle());
        return window;
    }

private:
    std::vector<HWND> stray_;
};

class MessageBoxTest : public ProgramTest, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(MessageBoxTest, IsTheSystemsYesNoBoxModalToTheProgram)
{
    const Window& form1 = strayWindow();
    ModalBoxAnswerer answerer(L"提示", GetParam(), {form1.handle()});
    app::win32::showMessageBox("方程根为任意实数");
    ASSERT_TRUE(answerer.answered()) << "no box titled 提示";
    const win32_test::ModalBox& box = answerer.box();
    EXPECT_EQ(box.text, L"方程根为任意实数");
    EXPECT_EQ(box.buttons, (std::vector<std::wstring>{L"是(&Y)", L"否(&N)"}));
    EXPECT_FALSE(box.hasIcon);
    EXPECT_TRUE(box.ownerWindowsDisabled);
    EXPECT_TRUE(IsWindowEnabled(form1.handle())) << "usable again once answered";
}

INSTANTIATE_TEST_SUITE_P(Answers, MessageBoxTest, testing::Values(L"是(&Y)", L"否(&N)"),
                         [](const auto& test) { return test.index == 0 ? "yes" : "no"; });

struct Failure {
    const char* name;
    std::function<void()> raise;
    const wchar_t* report;
};

class ErrorReportTest : public ProgramTest, public testing::WithParamInterface<Failure> {};

TEST_P(ErrorReportTest, ReportsTheErrorAndTheProgramGoesOn)
{
    Window& form1 = strayWindow();
    form1.onClick("Command1", GetParam().raise);
    {
        ModalBoxAnswerer answerer(L"Tarvo", L"确定", {form1.handle()});
        clickButton(form1.handle(), L"计算");
        ASSERT_TRUE(answerer.answered()) << "no report";
        EXPECT_EQ(answerer.box().text, GetParam().report);
        EXPECT_TRUE(answerer.box().ownerWindowsDisabled);
    }
    ASSERT_TRUE(IsWindow(form1.handle()));
    int clicks = 0;
    form1.onClick("Command1", [&clicks] { ++clicks; });
    clickButton(form1.handle(), L"计算");
    EXPECT_EQ(clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorReportTest,
    testing::Values(Failure{"type_mismatch", [] { throw calc::RunTimeError::typeMismatch(); },
                            L"运行时错误 '13':\n\n类型不匹配"},
                    Failure{"overflow", [] { throw calc::RunTimeError::overflow(); }, L"运行时错误 '6':\n\n溢出"},
                    Failure{"division_by_zero",
                            [] { throw calc::RunTimeError::floatingPoint(calc::FloatingPointCondition::DivisionByZero); },
                            L"运行时错误 '11':\n\n除数为零"},
                    Failure{"out_of_memory", [] { throw std::bad_alloc(); }, L"运行时错误 '7':\n\n内存不足"},
                    Failure{"internal", [] { throw std::logic_error("bug"); }, L"运行时错误 '51':\n\n内部错误"}),
    [](const auto& test) { return std::string(test.param.name); });

struct InfoWindow {
    const wchar_t* button;
    const wchar_t* title;
};

class InfoWindowTest : public ProgramTest, public testing::WithParamInterface<InfoWindow> {};

TEST_P(InfoWindowTest, OpensOnceHoweverOftenClicked)
{
    const Window& form1 = app::win32::showMainWindow();
    clickButton(form1.handle(), GetParam().button);
    clickButton(form1.handle(), GetParam().button);
    pumpMessages();
    const auto opened = topLevelWindows(GetParam().title);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(GetWindow(opened.front(), GW_OWNER), nullptr) << "no owner";

    DestroyWindow(opened.front());
    pumpMessages();
    ASSERT_TRUE(topLevelWindows(GetParam().title).empty());
    clickButton(form1.handle(), GetParam().button);
    pumpMessages();
    EXPECT_EQ(topLevelWindows(GetParam().title).size(), 1u) << "opens afresh after closing";
}

INSTANTIATE_TEST_SUITE_P(Buttons, InfoWindowTest,
                         testing::Values(InfoWindow{L"帮助", L"帮助"}, InfoWindow{L"关于", L"关于"}),
                         [](const auto& test) { return test.index == 0 ? "help" : "about"; });

bool quitPosted()
{
    MSG quit{};
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST_F(ProgramTest, EndsWhenTheLastWindowCloses)
{
    const Window& form1 = app::win32::showMainWindow();
    clickButton(form1.handle(), L"帮助");
    ASSERT_EQ(Window::openWindowCount(), 2);
    SendMessageW(form1.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Window::openWindowCount(), 1);
    EXPECT_FALSE(quitPosted()) << "the Help window keeps the program running";
    SendMessageW(topLevelWindows(L"帮助").at(0), WM_CLOSE, 0, 0);
    EXPECT_EQ(Window::openWindowCount(), 0);
    EXPECT_TRUE(quitPosted());
}

// Tarvo.exe itself: its main window opens, Help opens once, and the program
// ends with its last window, not with the main window.
std::wstring programPath()
{
    const char* path = std::getenv("TARVO_EXE");
    std::wstring windows = L"Z:";
    for (const char* c = path != nullptr ? path : ""; *c != '\0'; ++c)
        windows.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    return windows;
}

bool waitFor(const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (done())
            return true;
        Sleep(10);
    }
    return false;
}

TEST(TarvoExe, RunsUntilItsLastWindowCloses)
{
    std::wstring commandLine = L"\"" + programPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process))
        << "cannot start " << std::string(programPath().begin(), programPath().end());
    auto running = [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; };

    HWND form1 = nullptr;
    EXPECT_TRUE(waitFor([&] {
        const auto found = topLevelWindows(L"Tarvo", process.dwProcessId);
        form1 = found.empty() ? nullptr : found.front();
        return form1 != nullptr || !running();
    }));
    ASSERT_NE(form1, nullptr) << "the program ended without showing its main window";

    clickButton(form1, L"帮助");
    clickButton(form1, L"帮助");
    EXPECT_EQ(topLevelWindows(L"帮助", process.dwProcessId).size(), 1u);

    PostMessageW(form1, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(form1); }));
    Sleep(100);
    EXPECT_TRUE(running()) << "the Help window keeps the program running";

    for (HWND help : topLevelWindows(L"帮助", process.dwProcessId))
        PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0) << "the program ends";
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    if (running())
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
