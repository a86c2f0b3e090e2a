// The yardstick for start-up: the least a Qt Widgets program with as many
// controls as the main window does. Default fonts, fixed geometry, nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(610, 319);
    for (int i = 0; i < 35; ++i) {
        auto* label = new QLabel(QStringLiteral("x"), &window);
        label->setGeometry(200 + (i % 7) * 55, 20 + (i / 7) * 55, 50, 30);
        label->setAutoFillBackground(true);
    }
    for (int i = 0; i < 3; ++i)
        (new QLineEdit(QStringLiteral("0"), &window))->setGeometry(30 + i * 60, 40, 57, 41);
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QStringLiteral("Button"), &window))->setGeometry(40, 130 + i * 40, 129, 33);
    window.show();
    return application.exec();
}
