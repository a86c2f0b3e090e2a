#include "bare_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

std::unique_ptr<QWidget> createBareWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(610, 319);
    for (int i = 0; i < 35; ++i) {
        auto* label = new QLabel(QStringLiteral("x"), window.get());
        label->setGeometry(200 + (i % 7) * 55, 20 + (i / 7) * 55, 50, 30);
        label->setAutoFillBackground(true);
    }
    for (int i = 0; i < 3; ++i)
        (new QLineEdit(QStringLiteral("0"), window.get()))->setGeometry(30 + i * 60, 40, 57, 41);
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QStringLiteral("Button"), window.get()))->setGeometry(40, 130 + i * 40, 129, 33);
    return window;
}
