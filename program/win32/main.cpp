#include <app/win32/message_loop.h>
#include <app/win32/startup.h>
#include <program/win32/win32_program.h>

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    app::win32::prepareProgram();
    program::Win32Program tarvo;
    tarvo.start();
    return app::win32::runMessageLoop();
}
