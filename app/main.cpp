#include "font_configuration_preload.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::FontConfigurationPreload fontConfiguration;
    QApplication application(argc, argv);
    app::prepareApplication(application, fontConfiguration);
    app::showStartupWindow();
    return QApplication::exec();
}
