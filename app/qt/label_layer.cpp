#include "label_layer.h"

#include "label.h"

#include <QPainter>

namespace app::qt {

LabelLayer::LabelLayer(QWidget& window) : QWidget(&window)
{
    setObjectName(QStringLiteral("LabelLayer"));
    setGeometry(window.rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the label widgets above take the mouse
    lower();
}

void LabelLayer::addLabel(const Label& label)
{
    labels_.push_back(&label);
}

void LabelLayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const Label* label : labels_)
        label->paintBackground(painter);
    for (const Label* label : labels_)
        label->paintCaption(painter);
}

}  // namespace app::qt
