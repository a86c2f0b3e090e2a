// Starts Tarvo as the program does, drives it through its real handlers and
// grabs its windows from the screen: form1.png, form1-calculated.png (1, -3, 2),
// form1-long-roots.png (1, 0, -2), help.png and about.png in the directory
// given as the only argument.
#include <app/runtime_window.h>
#include <app/startup.h>
#include <app/window_instances.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <cstdio>

namespace {

bool grab(QWidget& window, const QDir& directory, const char* file)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(300);  // let fonts load and the first paint settle
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    const QString path = directory.filePath(QString::fromLatin1(file));
    if (!picture.save(path))
        return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

void typeInto(app::RuntimeWindow& form, const char* box, const char* text)
{
    QLineEdit& edit = form.textBox(box);
    QTest::mouseClick(&edit, Qt::LeftButton);  // selects the old text
    QTest::keyClicks(&edit, QString::fromLatin1(text));
}

struct Calculation {
    const char* a;
    const char* b;
    const char* c;
    const char* file;
};

// Short roots, and long ones cut off at the edge of their slots.
constexpr std::array calculations{
    Calculation{"1", "-3", "2", "form1-calculated.png"},
    Calculation{"1", "0", "-2", "form1-long-roots.png"},
};

app::RuntimeWindow* clickOpening(app::RuntimeWindow& form, const char* button, const char* window)
{
    QTest::mouseClick(&form.button(button), Qt::LeftButton);
    return app::openInstance(window);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    app::prepareApplication(application);
    app::RuntimeWindow& form = app::showStartupWindow();
    if (!grab(form, directory, "form1.png"))
        return 1;

    for (const Calculation& calculation : calculations) {
        typeInto(form, "Text1", calculation.a);
        typeInto(form, "Text2", calculation.b);
        typeInto(form, "Text3", calculation.c);
        QTest::mouseClick(&form.button("Command1"), Qt::LeftButton);
        if (!grab(form, directory, calculation.file))
            return 1;
    }

    app::RuntimeWindow* help = clickOpening(form, "Command2", "Form2");
    if (help == nullptr || !grab(*help, directory, "help.png"))
        return 1;
    app::RuntimeWindow* about = clickOpening(form, "Command4", "Form3");
    if (about == nullptr || !grab(*about, directory, "about.png"))
        return 1;
    QApplication::closeAllWindows();
    return 0;
}
