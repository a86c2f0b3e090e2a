// The bare Qt stand-in as a program of its own, for the launch timer.
#include "bare_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::unique_ptr<QWidget> window = createBareWindow();
    window->show();
    return application.exec();
}
