// Starts Tarvo as the program does, drives it through its real handlers and
// grabs its windows from the screen: form1.png, form1-calculated.png (1, -3, 2),
// form1-long-roots.png (1, 0, -2), help.png and about.png in the directory
// given as the only argument.
#include <app/qt/startup.h>
#include <program/identity.h>
#include <program/qt/qt_program.h>
#include <ui/main/form1_description.h>

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

using namespace ui::main::form1;

void typeInto(app::qt::QtWindow& form, app::TextBoxRef box, const char* text)
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

app::qt::QtWindow* clickOpening(program::QtProgram& tarvo, app::qt::QtWindow& form, app::ButtonRef button,
                                const char* window)
{
    QTest::mouseClick(&form.button(button), Qt::LeftButton);
    return tarvo.openWindow(window);
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
    app::qt::prepareApplication(application, program::identity);
    program::QtProgram tarvo;
    app::qt::QtWindow& form = tarvo.start();
    if (!grab(form.widget(), directory, "form1.png"))
        return 1;

    for (const Calculation& calculation : calculations) {
        typeInto(form, Text1, calculation.a);
        typeInto(form, Text2, calculation.b);
        typeInto(form, Text3, calculation.c);
        QTest::mouseClick(&form.button(Command1), Qt::LeftButton);
        if (!grab(form.widget(), directory, calculation.file))
            return 1;
    }

    app::qt::QtWindow* help = clickOpening(tarvo, form, Command2, "Form2");
    if (help == nullptr || !grab(help->widget(), directory, "help.png"))
        return 1;
    app::qt::QtWindow* about = clickOpening(tarvo, form, Command4, "Form3");
    if (about == nullptr || !grab(about->widget(), directory, "about.png"))
        return 1;
    QApplication::closeAllWindows();
    return 0;
}
