#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::prepareApplication(application);
    app::showStartupWindow();
    return QApplication::exec();
}
