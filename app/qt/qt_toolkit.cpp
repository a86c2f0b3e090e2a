#include "qt_toolkit.h"

#include "error_report.h"
#include "message_box.h"
#include "qt_window.h"

#include <QApplication>

namespace app::qt {

QtToolkit::QtToolkit()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<NativeWindow> QtToolkit::createWindow(const WindowDescription& description, WindowEvents& events,
                                                      Shell& shell)
{
    return std::make_unique<QtWindow>(description, events, shell);
}

MessageBoxAnswer QtToolkit::showMessageBox(const MessageBoxRequest& request)
{
    return qt::showMessageBox(request);
}

void QtToolkit::showErrorReport(std::string_view title, std::string_view text)
{
    qt::showErrorReport(title, text);
}

void QtToolkit::quit()
{
    QCoreApplication::quit();
}

}  // namespace app::qt
