// Real windows built from the program's descriptions, checked in pixels at
// the DPI the Wine prefix reports (TARVO_TEST_DPI: 96 or 144), on the path
// of Windows 10 1607 and later or, with TARVO_TEST_SYSTEM_DPI, of the older
// ones: places, fonts, colours, stacking, keyboard order, text boxes,
// tooltips, context menus and the names screen readers hear.
#include "win32_test_support.h"

#include <app/spoken_text.h>
#include <app/win32/accessibility.h>
#include <app/win32/label.h>
#include <app/win32/window.h>
#include <app/win32/window_dpi_for_tests.h>
#include <ui/info/form2.h>
#include <ui/info/form3.h>
#include <ui/main/form1_description.h>

#include <gtest/gtest.h>
#include <tests/support/case_names.h>
#include <tests/support/contrast_themes.h>
#include <tests/support/reading_order.h>

#include <commctrl.h>
#include <imm.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace {

using app::win32::Window;
using tests::PrintTo;
using win32_test::pumpMessages;
using win32_test::windowText;

unsigned expectedDpi()
{
    const char* dpi = std::getenv("TARVO_TEST_DPI");
    return dpi != nullptr && std::string(dpi) == "144" ? 144 : 96;
}

const app::WindowDescription& describedWindow(std::string_view name)
{
    if (name == "Form2")
        return ui::info::form2Description;
    if (name == "Form3")
        return ui::info::form3Description;
    return ui::main::form1Description;
}

// A shown window of the program, destroyed at the end of the test.
class ShownWindow {
public:
    explicit ShownWindow(const app::WindowDescription& description) : window_(Window::create(description))
    {
        window_->show();
        UpdateWindow(window_->handle());
        pumpMessages();
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;
    ~ShownWindow()
    {
        window_.reset();
        pumpMessages();
    }
    Window* operator->() const { return window_.get(); }

private:
    std::unique_ptr<Window> window_;
};

struct Size {
    int width;
    int height;
};

struct Box {
    int left;
    int top;
    int width;
    int height;
};

bool operator==(const Box& a, const Box& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const Box& box)
{
    return out << box.left << "," << box.top << " " << box.width << "x" << box.height;
}

Box boxOf(HWND control)
{
    const RECT bounds = win32_test::boundsInParent(control);
    return {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

Size clientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

TEST(Dpi, IsThePrefixsOnTheAskedPath)
{
    const ShownWindow form1(ui::main::form1Description);
    EXPECT_EQ(form1->dpi(), expectedDpi());
    EXPECT_EQ(app::win32::followsEachMonitorsDpi(), std::getenv("TARVO_TEST_SYSTEM_DPI") == nullptr);
}

TEST(Window, ShowsTheProgramsIcon)
{
    const ShownWindow form1(ui::main::form1Description);
    EXPECT_NE(GetClassLongPtrW(form1->handle(), GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(form1->handle(), GCLP_HICONSM), 0);
}

// Put in front of the program's window procedure as each window is made: the
// window refuses WM_CREATE, so CreateWindowExW fails after WM_NCCREATE.
WNDPROC programProc = nullptr;

LRESULT CALLBACK refuseCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcW(programProc, window, message, wParam, lParam);
    return message == WM_CREATE ? -1 : result;
}

LRESULT CALLBACK putRefuseCreateInFront(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && Window::isProgramWindow(window))
        programProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(refuseCreate)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Window, FailsToBeCreatedWithoutLeavingAnythingBehind)
{
    const HHOOK hook = SetWindowsHookExW(WH_CBT, putRefuseCreateInFront, nullptr, GetCurrentThreadId());
    EXPECT_THROW(Window::create(ui::info::form2Description), std::runtime_error);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(Window::openWindowCount(), 0);
    const ShownWindow form2(ui::info::form2Description);
    EXPECT_EQ(Window::openWindowCount(), 1) << "made afresh";
}

struct ClientArea {
    const char* name;  // the window's
    Size at96;
    Size at144;
};

class ClientAreaTest : public testing::TestWithParam<ClientArea> {};

TEST_P(ClientAreaTest, IsTheDescriptionsSize)
{
    const ShownWindow window(describedWindow(GetParam().name));
    const Size expected = expectedDpi() == 144 ? GetParam().at144 : GetParam().at96;
    const Size actual = clientSize(window->handle());
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
}

INSTANTIATE_TEST_SUITE_P(Windows, ClientAreaTest,
                         testing::Values(ClientArea{"Form1", {610, 319}, {915, 479}},
                                         ClientArea{"Form2", {304, 202}, {456, 303}},
                                         ClientArea{"Form3", {304, 202}, {456, 303}}),
                         tests::caseName);

struct Placement {
    const char* window;
    const char* control;
    Box at96;
    Box at144;  // halves round away from zero
    std::string name = tests::spelled(window, control);
};

class PlacementTest : public testing::TestWithParam<Placement> {};

TEST_P(PlacementTest, IsInPixelsAtTheWindowsDpi)
{
    const ShownWindow window(describedWindow(GetParam().window));
    EXPECT_EQ(boxOf(window->control(GetParam().control)), expectedDpi() == 144 ? GetParam().at144 : GetParam().at96);
}

INSTANTIATE_TEST_SUITE_P(Controls, PlacementTest,
                         testing::Values(Placement{"Form1", "Command2", {464, 16, 49, 25}, {696, 24, 74, 38}},
                                         Placement{"Form1", "Text1", {32, 40, 57, 41}, {48, 60, 86, 62}},
                                         Placement{"Form1", "Text3", {288, 40, 65, 41}, {432, 60, 98, 62}},
                                         Placement{"Form1", "Command1", {40, 128, 129, 33}, {60, 192, 194, 50}},
                                         Placement{"Form1", "Label5", {496, 128, 89, 33}, {744, 192, 134, 50}},
                                         Placement{"Form1", "Label14", {320, 120, 17, 17}, {480, 180, 26, 26}},
                                         Placement{"Form1", "Label7", {48, 256, 121, 33}, {72, 384, 182, 50}},
                                         Placement{"Form2", "Label1", {40, 24, 201, 145}, {60, 36, 302, 218}},
                                         Placement{"Form3", "Label2", {64, 40, 169, 73}, {96, 60, 254, 110}}),
                         tests::caseName);

struct FontCase {
    const char* window;
    const char* control;
    const wchar_t* face;
    int heightAt96;  // negative: the em
    int heightAt144;
    int weight;
    bool italic;
    std::string name = tests::spelled(window, control);
};

class FontTest : public testing::TestWithParam<FontCase> {};

TEST_P(FontTest, IsTheDescribedFaceAndSize)
{
    const FontCase& expected = GetParam();
    const ShownWindow window(describedWindow(expected.window));
    const HWND control = window->control(expected.control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logical{};
    ASSERT_NE(GetObjectW(font, sizeof logical, &logical), 0);
    EXPECT_STREQ(logical.lfFaceName, expected.face);
    EXPECT_EQ(logical.lfHeight, expectedDpi() == 144 ? expected.heightAt144 : expected.heightAt96);
    EXPECT_EQ(logical.lfWeight, expected.weight);
    EXPECT_EQ(logical.lfItalic != 0, expected.italic);
    EXPECT_EQ(logical.lfCharSet, GB2312_CHARSET);

    // The system found a face with Chinese characters for it.
    HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, font);
    EXPECT_EQ(GetTextCharset(dc), GB2312_CHARSET);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
}

INSTANTIATE_TEST_SUITE_P(Controls, FontTest,
                         testing::Values(FontCase{"Form1", "Text1", L"黑体", -29, -44, FW_BOLD, false},
                                         FontCase{"Form1", "Label1", L"黑体", -56, -84, FW_BOLD, true},
                                         FontCase{"Form1", "Label14", L"黑体", -19, -29, FW_BOLD, false},
                                         FontCase{"Form1", "Label3(0)", L"宋体", -32, -48, FW_BOLD, false},
                                         FontCase{"Form1", "Label2(0)", L"宋体", -12, -18, FW_BOLD, false},
                                         FontCase{"Form1", "Label7", L"微软雅黑", -14, -21, FW_BOLD, true},
                                         FontCase{"Form1", "Command1", L"宋体", -12, -18, FW_NORMAL, false},
                                         FontCase{"Form1", "Label16", L"宋体", -12, -18, FW_NORMAL, false},
                                         FontCase{"Form3", "Label2", L"黑体", -14, -21, FW_NORMAL, false},
                                         FontCase{"Form3", "Label3", L"宋体", -12, -18, FW_NORMAL, false}),
                         tests::caseName);

COLORREF pixelAt(HWND control, int x, int y)
{
    HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return colour;
}

struct BackColour {
    const char* control;
    COLORREF colour;  // CLR_NONE: the window's face colour
    POINT sample;     // at 96 DPI, clear of the caption and of overlapping labels
    std::string name = tests::spelled(control);
};

class BackColourTest : public testing::TestWithParam<BackColour> {};

TEST_P(BackColourTest, FillsTheLabel)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND label = form1->control(GetParam().control);
    const COLORREF expected = GetParam().colour == CLR_NONE ? GetSysColor(COLOR_BTNFACE) : GetParam().colour;
    const auto scale = [&](LONG pixels) { return MulDiv(pixels, static_cast<int>(form1->dpi()), 96); };
    EXPECT_EQ(pixelAt(label, scale(GetParam().sample.x), scale(GetParam().sample.y)), expected);
}

INSTANTIATE_TEST_SUITE_P(Labels, BackColourTest,
                         testing::Values(BackColour{"Label8", RGB(192, 192, 192), {24, 8}},
                                         BackColour{"Label13", RGB(192, 192, 192), {24, 8}},
                                         BackColour{"Label5", RGB(0, 255, 255), {44, 16}},
                                         BackColour{"Label6", RGB(128, 255, 128), {44, 16}},
                                         BackColour{"Label7", CLR_NONE, {110, 4}}),
                         tests::caseName);

TEST(Labels, DrawDarkTextOnTheirBackColour)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND label = form1->control("Label5");
    SetWindowTextW(label, L"888");
    UpdateWindow(label);
    const Size size = clientSize(label);
    int darkest = 3 * 255;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const COLORREF colour = pixelAt(label, x, y);
            darkest = std::min(darkest, GetRValue(colour) + GetGValue(colour) + GetBValue(colour));
        }
    }
    EXPECT_LT(darkest, 3 * 0x40);
}

// A contrast theme's whole scheme of colours, set while the test runs; then
// the colours before it. (Wine keeps no high-contrast flag, and its visual
// style draws push buttons in its own colours, legible under either theme.)
class SystemColours {
public:
    explicit SystemColours(const tests::ContrastTheme& theme)
    {
        for (int index = 0; index < int(theme.colours.size()); ++index) {
            const app::Rgb colour = theme.colours[std::size_t(index)].colour;
            indices_.push_back(index);
            saved_.push_back(GetSysColor(index));
            wanted_.push_back(RGB(colour.red, colour.green, colour.blue));
        }
        SetSysColors(int(indices_.size()), indices_.data(), wanted_.data());
    }
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;
    ~SystemColours() { SetSysColors(int(indices_.size()), indices_.data(), saved_.data()); }

private:
    std::vector<INT> indices_;
    std::vector<COLORREF> saved_;
    std::vector<COLORREF> wanted_;
};

// The client area as the screen shows it, row by row.
std::vector<COLORREF> clientPixels(HWND window, const Size& size)
{
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.width, -size.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.width, size.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (const auto quad : std::span(static_cast<const DWORD*>(bits), std::size_t(size.width) * size.height))
        pixels.push_back(RGB((quad >> 16) & 0xff, (quad >> 8) & 0xff, quad & 0xff));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return pixels;
}

class ContrastThemeTest : public testing::TestWithParam<tests::ContrastTheme> {};

// Each window shown in the default colours, then under the scheme, with every
// slot filled.
TEST_P(ContrastThemeTest, LeavesEveryControlLegible)
{
    if (expectedDpi() == 96)
        GTEST_SKIP() << "at 96 DPI Wine draws the fraction bars, underscores thinner than a pixel in the stand-in "
                        "for 宋体, anti-aliased over two rows (3.45:1 in the light theme); 宋体 draws one solid row";
    const tests::ContrastTheme& theme = GetParam();
    for (const std::string_view name : {"Form1", "Form2", "Form3"}) {
        const app::WindowDescription& description = describedWindow(name);
        const ShownWindow window(description);
        for (const app::ControlDescription& control : description.controls) {
            if (control.text.empty())
                SetWindowTextW(window->control(control.name), L"-1.4142135623731");
        }
        const SystemColours scheme(theme);
        pumpMessages();
        UpdateWindow(window->handle());
        const Size size = clientSize(window->handle());
        const std::vector<COLORREF> pixels = clientPixels(window->handle(), size);
        const auto pixelAt = [&](int x, int y) {
            const COLORREF pixel = pixels[std::size_t(y) * size.width + x];
            return app::Rgb{GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
        };
        EXPECT_EQ(tests::illegibleControls(description, theme, window->dpi() / 96.0 / app::twipsPerPixel, pixelAt), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ContrastThemeTest, testing::ValuesIn(tests::contrastThemes), tests::caseName);

// A screen reader meets the children from the top down.
TEST(Window, ChildrenLieInTheReadingOrder)
{
    const app::WindowDescription& description = ui::main::form1Description;
    const ShownWindow form1(description);
    std::vector<std::string> heard;
    for (HWND child = GetWindow(form1->handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        for (const app::ControlDescription& control : description.controls) {
            if (form1->control(control.name) == child && !control.drawnOnly)
                heard.push_back(app::spokenName(control, control.text));
        }
    }
    EXPECT_EQ(heard, std::vector<std::string>(tests::form1Reading.begin(), tests::form1Reading.end()));
}

// Painted into a bitmap of `sentinel`, a label leaves that colour where a
// control stacked above it overlaps it: the plus sign beneath the box of b, the
// fraction bar beneath the later slot of 2a.
TEST(Labels, LieBeneathBoxesAndButtonsAndLaterLabels)
{
    const ShownWindow form1(ui::main::form1Description);
    constexpr COLORREF sentinel = RGB(255, 0, 255);
    for (const auto& [below, above] : {std::pair{"Label3(0)", "Text2"}, {"Label16", "Label10"}}) {
        const HWND label = form1->control(below);
        RECT area{}, overlap{}, labelOnScreen{}, aboveOnScreen{};
        GetClientRect(label, &area);
        GetWindowRect(label, &labelOnScreen);
        GetWindowRect(form1->control(above), &aboveOnScreen);
        ASSERT_TRUE(IntersectRect(&overlap, &labelOnScreen, &aboveOnScreen)) << below;
        MapWindowPoints(nullptr, label, reinterpret_cast<POINT*>(&overlap), 2);
        HDC memory = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(area.right, area.bottom, 1, 32, nullptr);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        SetBkColor(memory, sentinel);
        ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_STATIC;
        item.CtlID = UINT(GetDlgCtrlID(label));
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = label;
        item.hDC = memory;
        item.rcItem = area;
        SendMessageW(form1->handle(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(GetPixel(memory, overlap.left, overlap.top), sentinel) << below << " beneath " << above;
        EXPECT_NE(GetPixel(memory, 0, 0), sentinel) << below;
        DeleteObject(SelectObject(memory, previous));
        DeleteDC(memory);
    }
}

TEST(Keyboard, TabVisitsBoxesThenButtonsInOrder)
{
    const ShownWindow form1(ui::main::form1Description);
    const std::vector<const char*> order{"Text1", "Text2", "Text3", "Command1", "Command2", "Command3", "Command4"};
    ASSERT_EQ(GetFocus(), form1->control("Text1")) << "Text1 has the focus at start";
    for (std::size_t i = 0; i < order.size(); ++i) {
        const HWND current = form1->control(order[i]);
        const HWND next = form1->control(order[(i + 1) % order.size()]);
        EXPECT_EQ(GetNextDlgTabItem(form1->handle(), current, FALSE), next) << "after " << order[i];
        EXPECT_EQ(GetNextDlgTabItem(form1->handle(), next, TRUE), current)
            << "before " << order[(i + 1) % order.size()];
    }
    // The Tab key itself, as the message loop passes it on.
    MSG tab{form1->control("Text1"), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(form1->handle(), &tab));
    EXPECT_EQ(GetFocus(), form1->control("Text2"));
}

TEST(Keyboard, TypingAtStartReplacesTheZero)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND text1 = form1->control("Text1");
    ASSERT_EQ(GetFocus(), text1);
    for (const wchar_t unit : std::wstring(L"-12"))
        SendMessageW(GetFocus(), WM_CHAR, unit, 1);
    EXPECT_EQ(windowText(text1), L"-12");
}

TEST(Keyboard, NoButtonIsTheDefault)
{
    const ShownWindow form1(ui::main::form1Description);
    int clicks = 0;
    for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
        EXPECT_EQ(GetWindowLongW(form1->control(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << button;
        form1->onClick(button, [&clicks] { ++clicks; });
    }
    EXPECT_NE(HIWORD(SendMessageW(form1->handle(), DM_GETDEFID, 0, 0)), DC_HASDEFID);
    MSG enter{form1->control("Text1"), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    IsDialogMessageW(form1->handle(), &enter);
    pumpMessages();
    EXPECT_EQ(clicks, 0);

    // Nor does one become it as the focus comes and goes, by Tab or by the mouse.
    auto tab = [&] {
        MSG key{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageW(form1->handle(), &key);
    };
    auto click = [&](const char* control) {
        SendMessageW(form1->control(control), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(form1->control(control), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    };
    SetFocus(form1->control("Text3"));
    for (const auto& [step, move] : std::vector<std::pair<const char*, std::function<void()>>>{
             {"Tab to Command1", tab},
             {"Tab on", tab},
             {"click into Text1", [&] { click("Text1"); }},
             {"click Command1", [&] { click("Command1"); }},
             {"Tab on", tab},
             {"click Command1 again", [&] { click("Command1"); }},
             {"click into Text2", [&] { click("Text2"); }}}) {
        move();
        pumpMessages();
        for (const char* button : {"Command1", "Command2", "Command3", "Command4"})
            EXPECT_EQ(GetWindowLongW(form1->control(button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON)
                << button << " after " << step;
    }
}

void typeCharacters(HWND box, const std::wstring& text)
{
    for (const wchar_t unit : text)
        SendMessageW(box, WM_CHAR, unit, 1);
}

void putOnClipboard(HWND owner, const std::wstring& text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

const std::wstring grin = L"\xD83D\xDE00";

struct Typing {
    const char* name;
    std::wstring typed;
    std::wstring kept;
};

class TypingTest : public testing::TestWithParam<Typing> {};

TEST_P(TypingTest, StopsAtThreeCharacters)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND box = form1->control("Text2");
    SetWindowTextW(box, L"");
    typeCharacters(box, GetParam().typed);
    EXPECT_EQ(windowText(box), GetParam().kept);
    SendMessageW(box, EM_UNDO, 0, 0);
    EXPECT_EQ(windowText(box), L"") << "a refused character leaves the typing undoable";
}

INSTANTIATE_TEST_SUITE_P(Boxes, TypingTest,
                         testing::Values(Typing{"three", L"-12", L"-12"}, Typing{"fourth_refused", L"1234", L"123"},
                                         Typing{"chinese", L"一二三四", L"一二三"},
                                         Typing{"pairs_count_once", grin + grin + grin + grin, grin + grin + grin}),
                         tests::caseName);

// Presses the keys in order and releases them in reverse, as the keyboard does.
void pressKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD key, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const WORD key : keys)
        add(key, 0);
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        add(*key, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    win32_test::pumpUntil([] { return false; }, std::chrono::milliseconds(200));
}

enum class PasteBy { Message, CtrlV, ShiftInsert };

struct Pasting {
    const char* name;
    std::wstring before;
    int selectionStart;
    int selectionEnd;
    std::wstring pasted;
    std::wstring kept;
    PasteBy by = PasteBy::Message;
};

class PastingTest : public testing::TestWithParam<Pasting> {};

TEST_P(PastingTest, KeepsWhatFits)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND box = form1->control("Text3");
    SetFocus(box);
    SetWindowTextW(box, GetParam().before.c_str());
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(GetParam().selectionStart), GetParam().selectionEnd);
    putOnClipboard(form1->handle(), GetParam().pasted);
    switch (GetParam().by) {
    case PasteBy::Message:
        SendMessageW(box, WM_PASTE, 0, 0);
        break;
    case PasteBy::CtrlV:
        pressKeys({VK_CONTROL, 'V'});
        break;
    case PasteBy::ShiftInsert:
        pressKeys({VK_SHIFT, VK_INSERT});
        break;
    }
    EXPECT_EQ(windowText(box), GetParam().kept);
    SendMessageW(box, EM_UNDO, 0, 0);
    EXPECT_EQ(windowText(box), GetParam().before) << "the trimmed paste is one edit, undoable";
}

INSTANTIATE_TEST_SUITE_P(Boxes, PastingTest,
                         testing::Values(Pasting{"over_all", L"0", 0, -1, L"98765", L"987"},
                                         Pasting{"at_end", L"12", 2, 2, L"345", L"123"},
                                         Pasting{"at_start", L"1", 0, 0, L"abc", L"ab1"},
                                         Pasting{"pair_never_split", L"12", 2, 2, grin + grin, L"12" + grin},
                                         Pasting{"first_line_only", L"", 0, 0, L"1\r\n23", L"1"},
                                         Pasting{"full_width_as_it_is", L"0", 0, -1, L"１２", L"１２"},
                                         Pasting{"ctrl_v", L"1", 1, 1, L"2345", L"123", PasteBy::CtrlV},
                                         Pasting{"shift_insert", L"1", 1, 1, L"2345", L"123", PasteBy::ShiftInsert}),
                         tests::caseName);

TEST(TextBox, ClickCallbackRunsAfterTheCaretIsPlaced)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND box = form1->control("Text1");
    SetWindowTextW(box, L"12");
    int clicks = 0;
    form1->onClick("Text1", [&] {
        ++clicks;
        SendMessageW(box, EM_SETSEL, 0, GetWindowTextLengthW(box));
    });
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
    pumpMessages();
    EXPECT_EQ(clicks, 1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
}

struct View {
    const char* name;
    const char* box;
    std::wstring typed;
    std::wstring retyped;  // over the whole text; empty: none
};

class ViewTest : public testing::TestWithParam<View> {};

// Three of the box font's digits fit: the first character stays in view.
TEST_P(ViewTest, ShowsTheTextFromItsFirstCharacter)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND box = form1->control(GetParam().box);
    SetFocus(box);
    SetWindowTextW(box, L"");
    typeCharacters(box, GetParam().typed);
    if (!GetParam().retyped.empty()) {
        SendMessageW(box, EM_SETSEL, 0, -1);
        typeCharacters(box, GetParam().retyped);
    }
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "while typing";
    SetFocus(form1->control("Command1"));
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "after the focus left";
}

INSTANTIATE_TEST_SUITE_P(Boxes, ViewTest,
                         testing::Values(View{"three_digits", "Text2", L"999", L""},
                                         View{"wide_text_retyped", "Text1", L"&HF", L"5"},
                                         View{"chinese_retyped", "Text3", L"一二三", L"7"}),
                         tests::caseName);

class InputMethodTest : public testing::TestWithParam<const char*> {};

// Digits, signs, E and &H go straight into the boxes; elsewhere the system's default stands.
TEST_P(InputMethodTest, IsOffInTheBoxesOnly)
{
    const ShownWindow form1(ui::main::form1Description);
    const std::string_view name = GetParam();
    const HWND control = name == "Form1" ? form1->handle() : form1->control(name);
    const HIMC context = ImmGetContext(control);
    EXPECT_EQ(context == nullptr, name.starts_with("Text"));
    ImmReleaseContext(control, context);
}

INSTANTIATE_TEST_SUITE_P(Controls, InputMethodTest,
                         testing::Values("Text1", "Text2", "Text3", "Command1", "Label5", "Form1"), tests::caseName);

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

struct CopyMenu {
    const char* name;
    const char* label;
    std::wstring caption;
    bool offered;
    bool enabled;
};

class CopyMenuTest : public testing::TestWithParam<CopyMenu> {};

TEST_P(CopyMenuTest, CopiesTheWholeCaption)
{
    const CopyMenu& expected = GetParam();
    const ShownWindow form1(ui::main::form1Description);
    const HWND label = form1->control(expected.label);
    SetWindowTextW(label, expected.caption.c_str());
    putOnClipboard(form1->handle(), L"before");
    win32_test::PopupMenuAnswerer answerer(L"复制");
    SendMessageW(label, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(label, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_EQ(answerer.answered(), expected.offered);
    if (expected.offered) {
        EXPECT_EQ(answerer.menu().items, std::vector<std::wstring>{L"复制"});
        EXPECT_EQ(answerer.menu().enabled, std::vector<bool>{expected.enabled});
    }
    EXPECT_EQ(clipboardText(), expected.enabled ? expected.caption : L"before");
}

INSTANTIATE_TEST_SUITE_P(Labels, CopyMenuTest,
                         testing::Values(CopyMenu{"cut_off_root", "Label5", L"-1.4142135623731", true, true},
                                         CopyMenu{"discriminant", "Label11", L"8", true, true},
                                         CopyMenu{"empty_slot", "Label8", L"", true, false},
                                         CopyMenu{"fixed_label", "Label14", L"√", false, false}),
                         tests::caseName);

TEST(Window, LabelsTakeNoClickCallback)
{
    const ShownWindow form1(ui::main::form1Description);
    EXPECT_THROW(form1->onClick("Label5", [] {}), std::out_of_range);
    EXPECT_THROW(form1->control("Label99"), std::out_of_range);
}

// The text of the tooltip that shows `control`, or empty.
std::wstring tooltipOf(HWND control)
{
    std::wstring text;
    for (HWND window : win32_test::threadWindows()) {
        if (win32_test::className(window) != TOOLTIPS_CLASSW)
            continue;
        wchar_t tip[256]{};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = GetParent(control);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = tip;
        SendMessageW(window, TTM_GETTEXTW, std::size(tip), reinterpret_cast<LPARAM>(&tool));
        text += tip;
    }
    return text;
}

struct Tooltip {
    const char* name;
    const char* control;
    std::wstring caption;
    std::wstring tooltip;
};

class TooltipTest : public testing::TestWithParam<Tooltip> {};

TEST_P(TooltipTest, ShowsTheWholeCaptionWhenItIsCutOff)
{
    const ShownWindow form1(ui::main::form1Description);
    const HWND label = form1->control(GetParam().control);
    SetWindowTextW(label, GetParam().caption.c_str());
    EXPECT_EQ(tooltipOf(label), GetParam().tooltip);
    SetWindowTextW(label, L"2");
    EXPECT_EQ(tooltipOf(label), L"") << "once the caption fits again";
}

INSTANTIATE_TEST_SUITE_P(Slots, TooltipTest,
                         testing::Values(Tooltip{"long_root", "Label5", L"1.4142135623731", L"1.4142135623731"},
                                         Tooltip{"negative_root", "Label6", L"-1.4142135623731", L"-1.4142135623731"},
                                         Tooltip{"wide_discriminant", "Label8", L"-3996001", L"-3996001"},
                                         Tooltip{"fits", "Label9", L"-3", L""}),
                         tests::caseName);

// A caption from the window's table has none, even where its label cuts it off.
TEST(Labels, KeepTheTablesCaptionWithoutTooltip)
{
    static constexpr std::array narrow{app::ControlDescription{
        .kind = app::ControlKind::Label, .name = "Label1", .text = "_____________________", .width = 60, .height = 60}};
    static constexpr app::WindowDescription description{
        .name = "Narrow", .clientWidth = 600, .clientHeight = 600, .controls = narrow};
    const ShownWindow window(description);
    const HWND label = window->control("Label1");
    ASSERT_TRUE(app::win32::Label::of(label).layOut().cutOff);
    EXPECT_EQ(tooltipOf(label), L"");
}

struct Accessible {
    const char* control;
    const wchar_t* accessibleName;  // nullptr: not checked
    const wchar_t* description;     // nullptr: not checked
    std::string name = tests::spelled(control);
};

class AccessibleTest : public testing::TestWithParam<Accessible> {};

TEST_P(AccessibleTest, NamesAndDescribesTheControl)
{
    const ShownWindow form1(ui::main::form1Description);
    if (!app::win32::annotate(form1->handle(), "Tarvo", "Tarvo"))
        GTEST_SKIP() << "the system's accessibility property service sets nothing (Wine 8's does not)";
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(form1->control(GetParam().control), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&accessible)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    auto read = [&](auto getter) {
        BSTR text = nullptr;
        std::wstring result;
        if ((accessible->*getter)(self, &text) == S_OK && text != nullptr)
            result = text;
        SysFreeString(text);
        return result;
    };
    if (GetParam().accessibleName != nullptr) {
        EXPECT_EQ(read(&IAccessible::get_accName), GetParam().accessibleName);
    }
    if (GetParam().description != nullptr) {
        EXPECT_EQ(read(&IAccessible::get_accDescription), GetParam().description);
    }
    accessible->Release();
}

INSTANTIATE_TEST_SUITE_P(Controls, AccessibleTest,
                         testing::Values(Accessible{"Text1", L"系数 a", nullptr},
                                         Accessible{"Text3", L"系数 c", nullptr},
                                         Accessible{"Label8", nullptr, L"判别式 (x1 行)"},
                                         Accessible{"Label6", nullptr, L"x2 的值"}),
                         tests::caseName);

// Lays the window out at `dpi`, as for a monitor of that DPI.
void changeDpi(HWND window, unsigned dpi)
{
    RECT now{};
    GetWindowRect(window, &now);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&now));
}

// The main window's glyphs (the radical, the fraction bars) are drawn cut at their labels' edges;
// the notes of the other two are read and must fit whole.
struct CaptionWindow {
    const char* name;
    bool notesFitWhole;
};

class CaptionLinesTest : public testing::TestWithParam<CaptionWindow> {};

// Hinting at a larger size must not push a line over the label's edge.
TEST_P(CaptionLinesTest, BreakTheSameAtEveryDpi)
{
    const app::WindowDescription& description = describedWindow(GetParam().name);
    const ShownWindow window(description);
    auto captionLines = [&] {
        std::vector<std::tuple<std::string_view, std::size_t, std::size_t, bool>> lines;
        for (const app::ControlDescription& control : description.controls) {
            if (control.kind != app::ControlKind::Label || control.text.empty())
                continue;
            const app::CaptionLayout layout = app::win32::Label::of(window->control(control.name)).layOut();
            EXPECT_FALSE(GetParam().notesFitWhole && layout.cutOff) << control.name << " is cut off";
            for (const app::CaptionLine& line : layout.lines)
                lines.emplace_back(control.name, line.begin, line.end, layout.cutOff);
        }
        return lines;
    };
    changeDpi(window->handle(), 96);
    const auto at96 = captionLines();
    for (const unsigned dpi : {120u, 144u, 192u}) {
        changeDpi(window->handle(), dpi);
        EXPECT_EQ(captionLines(), at96) << "at " << dpi << " DPI";
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, CaptionLinesTest,
                         testing::Values(CaptionWindow{"Form1", false}, CaptionWindow{"Form2", true},
                                         CaptionWindow{"Form3", true}),
                         tests::caseName);

// Older Windows send the change too (8.1 to per-monitor processes); both paths follow it.
TEST(Dpi, AChangeLaysTheWindowOutAgainWhereSuggested)
{
    const ShownWindow form1(ui::main::form1Description);
    const int from = static_cast<int>(form1->dpi());
    const bool toLarge = from == 96;
    const unsigned target = toLarge ? 144 : 96;
    // Moved and scaled, as for a monitor of the other DPI.
    RECT now{};
    GetWindowRect(form1->handle(), &now);
    const int width = MulDiv(now.right - now.left, static_cast<int>(target), from);
    const int height = MulDiv(now.bottom - now.top, static_cast<int>(target), from);
    const RECT suggested{now.left + 40, now.top + 30, now.left + 40 + width, now.top + 30 + height};
    SendMessageW(form1->handle(), WM_DPICHANGED, MAKEWPARAM(target, target), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form1->dpi(), target);
    RECT placed{};
    GetWindowRect(form1->handle(), &placed);
    EXPECT_EQ(placed.left, suggested.left);
    EXPECT_EQ(placed.top, suggested.top);
    const Size client = clientSize(form1->handle());
    EXPECT_EQ(client.width, toLarge ? 915 : 610);
    EXPECT_EQ(client.height, toLarge ? 479 : 319);
    EXPECT_EQ(boxOf(form1->control("Text1")), (toLarge ? Box{48, 60, 86, 62} : Box{32, 40, 57, 41}));
    LOGFONTW logical{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form1->control("Text1"), WM_GETFONT, 0, 0)), sizeof logical,
               &logical);
    EXPECT_EQ(logical.lfHeight, toLarge ? -44 : -29);
}

}  // namespace
