#include "message_loop.h"
#include "startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    app::win32::prepareProgram();
    app::win32::showMainWindow();
    return app::win32::runMessageLoop();
}
