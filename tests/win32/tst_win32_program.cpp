// The program around the windows, on the Win32 backend: calculate, clear
// and select on click through real messages, the message box, the error
// report, one Help and one About window, and the end of the program with its
// last window, in this process and in Tarvo.exe itself.
#include "win32_test_support.h"

#include <app/win32/message_box.h>
#include <app/win32/utf16.h>
#include <app/win32/window.h>
#include <program/win32/win32_program.h>
#include <ui/main/form1_description.h>

#include <gtest/gtest.h>
#include <tests/support/announcements.h>
#include <tests/support/case_names.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

using app::win32::Window;
using tests::PrintTo;
using win32_test::ModalBoxAnswerer;
using win32_test::pumpMessages;
using win32_test::topLevelWindows;
using namespace ui::main::form1;

void clickButton(HWND window, const wchar_t* caption)
{
    SendMessageW(FindWindowExW(window, nullptr, L"Button", caption), BM_CLICK, 0, 0);
}

std::wstring textOf(HWND control)
{
    wchar_t text[64]{};
    GetWindowTextW(control, text, 64);
    return text;
}

bool quitPosted()
{
    MSG quit{};
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// One Tarvo per test, its windows closed and the end of the program it caused dropped afterwards.
class ProgramTest : public testing::Test {
protected:
    void TearDown() override
    {
        tarvo_.reset();
        pumpMessages();
        quitPosted();
    }

    Window& form1() { return tarvo_->start().window(); }
    HWND control(std::string_view name) { return form1().control(name); }
    void type(app::TextBoxRef box, const wchar_t* text) { SetWindowTextW(control(box.name), text); }

    std::unique_ptr<program::Win32Program> tarvo_ = std::make_unique<program::Win32Program>();
};

TEST_F(ProgramTest, CalculateFillsTheSlotsAndClearEmptiesThem)
{
    type(Text1, L"1");
    type(Text2, L"-3");
    type(Text3, L"2");
    clickButton(form1().handle(), L"计算");
    const std::vector<std::wstring> quadratic{L"2", L"1", L"1", L"-3", L"2", L"1", L"-3", L"2"};
    std::vector<std::wstring> shown;
    for (const app::LabelRef slot : resultSlots)
        shown.push_back(textOf(control(slot.name)));
    EXPECT_EQ(shown, quadratic);

    clickButton(form1().handle(), L"清零");
    for (const app::LabelRef slot : resultSlots)
        EXPECT_EQ(textOf(control(slot.name)), L"") << slot.name;
    for (const app::TextBoxRef box : coefficientBoxes)
        EXPECT_EQ(textOf(control(box.name)), L"0") << box.name;
}

TEST_F(ProgramTest, AClickIntoABoxSelectsItsWholeText)
{
    type(Text2, L"12\U0001F600");
    const HWND box = control(Text2.name);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u) << "the pair is selected whole";
}

struct Answer {
    const char* name;
    const wchar_t* button;
};

class MessageBoxTest : public ProgramTest, public testing::WithParamInterface<Answer> {};

TEST_P(MessageBoxTest, IsTheSystemsYesNoBoxModalToTheProgram)
{
    const HWND main = form1().handle();
    ModalBoxAnswerer answerer(L"提示", GetParam().button, {main});
    clickButton(main, L"计算");  // 0, 0, 0
    ASSERT_TRUE(answerer.answered()) << "no box titled 提示";
    const win32_test::ModalBox& box = answerer.box();
    EXPECT_EQ(box.text, L"方程根为任意实数");
    EXPECT_EQ(box.buttons, (std::vector<std::wstring>{L"是(&Y)", L"否(&N)"}));
    EXPECT_FALSE(box.hasIcon);
    EXPECT_TRUE(box.ownerWindowsDisabled);
    EXPECT_TRUE(IsWindowEnabled(main)) << "usable again once answered";
}

INSTANTIATE_TEST_SUITE_P(Answers, MessageBoxTest, testing::Values(Answer{"yes", L"是(&Y)"}, Answer{"no", L"否(&N)"}),
                         tests::caseName);

struct Failure {
    const char* name;
    const wchar_t* a;
    const wchar_t* b;
    const wchar_t* c;
    const wchar_t* report;
    const char* failedBox;  // where the focus goes afterwards; empty: where the click left it
};

class ErrorReportTest : public ProgramTest, public testing::WithParamInterface<Failure> {};

TEST_P(ErrorReportTest, ReportsTheErrorAndTheProgramGoesOn)
{
    const Failure& failure = GetParam();
    const HWND main = form1().handle();
    type(Text1, failure.a);
    type(Text2, failure.b);
    type(Text3, failure.c);
    {
        ModalBoxAnswerer answerer(L"Tarvo", L"确定", {main});
        clickButton(main, L"计算");
        ASSERT_TRUE(answerer.answered()) << "no report";
        EXPECT_EQ(answerer.box().text, failure.report);
        EXPECT_TRUE(answerer.box().hasIcon) << "the error icon";
        EXPECT_TRUE(answerer.box().ownerWindowsDisabled);
    }
    ASSERT_TRUE(IsWindow(main));
    if (*failure.failedBox != '\0') {
        EXPECT_EQ(GetFocus(), control(failure.failedBox));
    }
    type(Text1, L"1");
    type(Text2, L"2");
    type(Text3, L"1");
    clickButton(main, L"计算");
    EXPECT_EQ(textOf(control(Label5.name)), L"-1");
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorReportTest,
    testing::Values(Failure{"type_mismatch_in_a", L"x", L"1", L"1",
                            L"运行时错误 '13':\n\n类型不匹配\n\n系数 a 的输入“x”无法转换为整数。", "Text1"},
                    Failure{"overflow_in_c", L"1", L"1", L"9e9",
                            L"运行时错误 '6':\n\n溢出\n\n系数 c 的输入“9e9”无法转换为整数。", "Text3"},
                    Failure{"discriminant", L"1", L"5e4", L"0",
                            L"运行时错误 '6':\n\n溢出\n\n计算判别式 b² − 4ac 时超出了整数范围。", ""}),
    tests::caseName);

struct InfoWindow {
    const char* name;
    const wchar_t* button;
    const wchar_t* title;
};

class InfoWindowTest : public ProgramTest, public testing::WithParamInterface<InfoWindow> {};

TEST_P(InfoWindowTest, OpensOnceHoweverOftenClicked)
{
    const HWND main = form1().handle();
    clickButton(main, GetParam().button);
    clickButton(main, GetParam().button);
    pumpMessages();
    const auto opened = topLevelWindows(GetParam().title);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(GetWindow(opened.front(), GW_OWNER), nullptr) << "no owner";

    DestroyWindow(opened.front());
    pumpMessages();
    ASSERT_TRUE(topLevelWindows(GetParam().title).empty());
    clickButton(main, GetParam().button);
    pumpMessages();
    EXPECT_EQ(topLevelWindows(GetParam().title).size(), 1u) << "opens afresh after closing";
}

// Which of two top-level windows lies above the other.
bool isAbove(HWND upper, HWND lower)
{
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower)
            return true;
    }
    return false;
}

TEST_P(InfoWindowTest, ComesToTheFrontFromBehindTheMainWindow)
{
    const HWND main = form1().handle();
    clickButton(main, GetParam().button);
    pumpMessages();
    const HWND opened = topLevelWindows(GetParam().title).at(0);
    SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // as a click into it would
    pumpMessages();
    ASSERT_TRUE(isAbove(main, opened));
    clickButton(main, GetParam().button);  // raised at once, not when the system gets round to it
    EXPECT_TRUE(isAbove(opened, main));
    EXPECT_EQ(GetForegroundWindow(), opened);
    EXPECT_EQ(GetActiveWindow(), opened);
}

INSTANTIATE_TEST_SUITE_P(Buttons, InfoWindowTest,
                         testing::Values(InfoWindow{"help", L"帮助", L"帮助"}, InfoWindow{"about", L"关于", L"关于"}),
                         tests::caseName);

// The WinEvents of one kind the process raises while it lives: the window
// each came from. Out of context, they arrive through the message queue.
class WinEvents {
public:
    explicit WinEvents(DWORD event)
    {
        heard_.clear();
        hook_ = SetWinEventHook(event, event, nullptr, record, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    WinEvents(const WinEvents&) = delete;
    WinEvents& operator=(const WinEvents&) = delete;
    ~WinEvents() { UnhookWinEvent(hook_); }

    bool hooked() const { return hook_ != nullptr; }
    const std::vector<HWND>& heard() const
    {
        pumpMessages();
        return heard_;
    }

private:
    static void CALLBACK record(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
    {
        heard_.push_back(window);
    }
    static inline std::vector<HWND> heard_;
    HWINEVENTHOOK hook_ = nullptr;
};

constexpr DWORD eventObjectLiveRegionChanged = 0x8019;  // Windows 8's; the Windows 7 headers lack it

class AnnouncementTest : public ProgramTest, public testing::WithParamInterface<tests::Announcement> {};

TEST_P(AnnouncementTest, IsOneLiveRegionChangeAndTheFocusStays)
{
    const tests::Announcement& announcement = GetParam();
    type(Text1, app::win32::toUtf16(announcement.a).c_str());
    type(Text2, app::win32::toUtf16(announcement.b).c_str());
    type(Text3, app::win32::toUtf16(announcement.c).c_str());
    const HWND button = control(announcement.clear ? Command3.name : Command1.name);
    SetFocus(button);
    const WinEvents events(eventObjectLiveRegionChanged);
    ASSERT_TRUE(events.hooked());
    SendMessageW(button, BM_CLICK, 0, 0);
    ASSERT_EQ(events.heard().size(), 1u);
    EXPECT_EQ(textOf(events.heard().front()), app::win32::toUtf16(announcement.heard));
    EXPECT_TRUE(IsChild(form1().handle(), events.heard().front()));
    EXPECT_EQ(GetFocus(), button);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, AnnouncementTest, testing::ValuesIn(tests::announcements), tests::caseName);

TEST_P(InfoWindowTest, IsReadAsItOpensAndEscapeClosesIt)
{
    const HWND main = form1().handle();
    const WinEvents opened(EVENT_SYSTEM_DIALOGSTART);
    clickButton(main, GetParam().button);
    const auto windows = topLevelWindows(GetParam().title);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(opened.heard(), std::vector<HWND>{windows.front()});

    MSG escape{main, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    IsDialogMessageW(main, &escape);
    escape.hwnd = windows.front();
    IsDialogMessageW(windows.front(), &escape);
    pumpMessages();
    EXPECT_TRUE(IsWindow(main)) << "the main window is no notice";
    EXPECT_FALSE(IsWindow(windows.front()));
}

TEST_F(ProgramTest, EndsWhenTheLastWindowCloses)
{
    const HWND main = form1().handle();
    clickButton(main, L"帮助");
    ASSERT_EQ(Window::openWindowCount(), 2);
    SendMessageW(main, WM_CLOSE, 0, 0);
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
    ASSERT_TRUE(
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
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
