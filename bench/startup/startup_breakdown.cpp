// What our code adds on top of Qt at start-up: QApplication's own construction,
// then preparing the application, then building and showing the main window
// until its first paint. With "bare", the bare stand-in window instead and no
// preparing, to show what Qt alone needs for a window of as many controls.
// Prints one line of milliseconds.
//
//     tarvo_startup_breakdown [bare]
#include "bare_window.h"

#include <app/qt/font_configuration_preload.h>
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>
#include <optional>
#include <string_view>

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

double elapsedMs(QElapsedTimer& clock)
{
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    return ms;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bare = argc > 1 && std::string_view(argv[1]) == "bare";
    QElapsedTimer clock;
    clock.start();
    std::optional<app::qt::FontConfigurationPreload> fontConfiguration;
    if (!bare)
        fontConfiguration.emplace();
    QApplication application(argc, argv);
    const double qtMs = elapsedMs(clock);

    double prepareMs = 0;
    if (!bare) {
        app::qt::prepareApplication(application, program::identity, *fontConfiguration);
        prepareMs = elapsedMs(clock);
    }

    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    std::unique_ptr<QWidget> bareWindow;
    std::optional<program::QtProgram> tarvo;
    if (bare) {
        bareWindow = createBareWindow();
        bareWindow->show();
    } else {
        tarvo.emplace().start();
    }
    while (!firstPaint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double windowMs = elapsedMs(clock);

    std::printf("qapplication_ms=%.2f prepare_ms=%.2f window_first_paint_ms=%.2f\n", qtMs, prepareMs, windowMs);
    return 0;
}
