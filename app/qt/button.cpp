#include "button.h"

#include <QKeyEvent>

namespace app::qt {

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);  // some platforms leave buttons out of the Tab chain
}

void Button::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())  // holding the key clicks once
        click();
}

}  // namespace app::qt
