#include "window_dpi.h"

#include "window_dpi_for_tests.h"

namespace app::win32 {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function user32Function(const char* name)
{
    // Through a plain function pointer, which any function pointer may be cast to.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

struct PerMonitorFunctions {
    GetDpiForWindowFunction getDpiForWindow = nullptr;
    AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi = nullptr;
};

PerMonitorFunctions& perMonitorFunctions()
{
    static PerMonitorFunctions functions = [] {
        PerMonitorFunctions found{user32Function<GetDpiForWindowFunction>("GetDpiForWindow"),
                                  user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi")};
        // Both or neither: a frame at one DPI around a layout at another would not fit.
        if (found.getDpiForWindow == nullptr || found.adjustWindowRectExForDpi == nullptr)
            return PerMonitorFunctions{};
        return found;
    }();
    return functions;
}

unsigned systemDpi()
{
    static const unsigned dpi = [] {
        const HDC screen = GetDC(nullptr);
        const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return pixelsPerInch > 0 ? static_cast<unsigned>(pixelsPerInch) : 96u;
    }();
    return dpi;
}

}  // namespace

unsigned windowDpi(HWND window)
{
    const PerMonitorFunctions& functions = perMonitorFunctions();
    return functions.getDpiForWindow != nullptr ? functions.getDpiForWindow(window) : systemDpi();
}

void adjustToFrame(RECT& client, DWORD style, DWORD exStyle, unsigned dpi)
{
    const PerMonitorFunctions& functions = perMonitorFunctions();
    if (functions.adjustWindowRectExForDpi != nullptr)
        functions.adjustWindowRectExForDpi(&client, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
}

void forceSystemDpiForTests()
{
    perMonitorFunctions() = {};
}

bool followsEachMonitorsDpi()
{
    return perMonitorFunctions().getDpiForWindow != nullptr;
}

}  // namespace app::win32
