// What our code adds on top of Qt at start-up: QApplication's own construction,
// then preparing the application and building and showing the main window
// until its first paint. Prints one line of milliseconds.
#include <app/runtime_window.h>
#include <app/startup.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>

namespace {

class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    const double qtMs = double(clock.nsecsElapsed()) / 1e6;

    clock.restart();
    app::prepareApplication(application);
    const double prepareMs = double(clock.nsecsElapsed()) / 1e6;

    clock.restart();
    FirstPaint firstPaint;
    application.installEventFilter(&firstPaint);
    app::showStartupWindow();
    while (!firstPaint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double form1Ms = double(clock.nsecsElapsed()) / 1e6;

    std::printf("qapplication_ms=%.2f prepare_ms=%.2f form1_first_paint_ms=%.2f\n", qtMs, prepareMs, form1Ms);
    return 0;
}
