// The test programs prepare their thread as Tarvo.exe does; with
// TARVO_TEST_SYSTEM_DPI set, their windows take the path of Windows before
// 10 1607.
#include <app/win32/startup.h>
#include <app/win32/window_dpi_for_tests.h>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (std::getenv("TARVO_TEST_SYSTEM_DPI") != nullptr)
        app::win32::forceSystemDpiForTests();
    app::win32::prepareProgram();
    return RUN_ALL_TESTS();
}
