#include <app/qt/font_configuration_preload.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    app::qt::FontConfigurationPreload fontConfiguration;
    QApplication application(argc, argv);
    app::qt::prepareApplication(application, program::identity, fontConfiguration);
    program::QtProgram tarvo;
    tarvo.start();
    return QApplication::exec();
}
