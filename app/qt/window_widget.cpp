#include "window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <utility>

namespace app::qt {

WindowWidget::WindowWidget(bool notice, std::function<void()> closed) : notice_(notice), closed_(std::move(closed)) {}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        closed_();
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    if (notice_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace app::qt
