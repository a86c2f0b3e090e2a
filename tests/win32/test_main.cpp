// The test programs prepare their thread as Tarvo.exe does.
#include <app/win32/startup.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    app::win32::prepareProgram();
    return RUN_ALL_TESTS();
}
