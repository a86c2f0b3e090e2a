// Shows Tarvo's windows as the program does, opens Help and About through the
// main window's buttons and copies each window from the screen:
// form1-windows.bmp, form1-long-roots-windows.bmp (1, 0, -2), help-windows.bmp
// and about-windows.bmp in the directory given as the only argument.
#include <app/win32/startup.h>
#include <app/win32/window.h>
#include <program/win32/win32_program.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

void settle()
{
    for (int round = 0; round < 30; ++round) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

template <typename Value>
void put(std::ofstream& out, Value value)
{
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

// The window with its frame as the screen shows it, as a 24-bit BMP.
bool capture(HWND window, const std::string& path)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const auto rowBytes = static_cast<std::size_t>((width * 3 + 3) & ~3);
    std::vector<char> pixels(rowBytes * static_cast<std::size_t>(height));
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                               reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return false;

    std::ofstream out(path, std::ios::binary);
    const auto offset = static_cast<DWORD>(14 + sizeof header);
    out.write("BM", 2);
    put(out, static_cast<DWORD>(offset + pixels.size()));
    put(out, DWORD{0});
    put(out, offset);
    put(out, header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    if (!out)
        return false;
    std::printf("%s\n", path.c_str());
    return true;
}

void click(HWND form1, const wchar_t* button)
{
    SendMessageW(FindWindowExW(form1, nullptr, L"Button", button), BM_CLICK, 0, 0);
}

// Types 1, 0, -2 as a user would, through the boxes, and calculates: roots cut off at their slots' edge.
bool calculateAndCapture(HWND form1, const std::string& path)
{
    HWND box = nullptr;
    for (const wchar_t* text : {L"1", L"0", L"-2"}) {
        box = FindWindowExW(form1, box, L"Edit", nullptr);
        SetWindowTextW(box, text);
    }
    click(form1, L"计算");
    settle();
    return capture(form1, path);
}

bool openAndCapture(program::Win32Program& tarvo, HWND form1, const wchar_t* button, const char* windowName, POINT at,
                    const std::string& path)
{
    click(form1, button);
    const app::win32::Win32Window* window = tarvo.openWindow(windowName);
    if (window == nullptr)
        return false;
    SetWindowPos(window->window().handle(), HWND_TOP, at.x, at.y, 0, 0, SWP_NOSIZE);
    settle();
    return capture(window->window().handle(), path);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: tarvo_screenshot OUTPUT_DIRECTORY\n", stderr);
        return 2;
    }
    const std::string directory = std::string(argv[1]) + "\\";
    app::win32::prepareProgram();
    program::Win32Program tarvo;
    const HWND form1 = tarvo.start().window().handle();
    SetWindowPos(form1, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    settle();
    return capture(form1, directory + "form1-windows.bmp") &&
                   calculateAndCapture(form1, directory + "form1-long-roots-windows.bmp") &&
                   openAndCapture(tarvo, form1, L"帮助", "Form2", {20, 420}, directory + "help-windows.bmp") &&
                   openAndCapture(tarvo, form1, L"关于", "Form3", {420, 420}, directory + "about-windows.bmp")
               ? 0
               : 1;
}
