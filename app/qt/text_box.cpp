#include "text_box.h"

#include "code_point_limit.h"

#include <QMouseEvent>

namespace app::qt {

void TextBox::setCharacterLimit(int limit)
{
    setValidator(new CodePointLimit(limit, this));
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace app::qt
