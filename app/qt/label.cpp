#include "label.h"

#include "text_units.h"

#include <app/text.h>

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <string_view>

namespace app::qt {
namespace {

constexpr double inkOverhang = 0.25;  // em, above and left of the label

double emOf(const QFont& font, const QFontMetricsF& metrics)
{
    return font.pointSizeF() * metrics.fontDpi() / 72.0;
}

CaptionLayout layOut(const Label& label)
{
    const QFontMetricsF metrics(label.font(), &label);
    const QString caption = label.text();
    const auto widthOf = [&](std::size_t begin, std::size_t end) {
        return metrics.horizontalAdvance(caption.sliced(qsizetype(begin), qsizetype(end - begin)));
    };
    const CaptionArea area{double(label.width()), double(label.height()), emOf(label.font(), metrics)};
    return layOutCaption(unitsOf(caption), area, widthOf);
}

}  // namespace

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent), repaintedCaption_(caption)
{
    setTextFormat(Qt::PlainText);  // a caption is never markup
}

QRect Label::inkArea() const
{
    const QFontMetricsF metrics(font(), this);
    const int overhang = int(std::ceil(inkOverhang * emOf(font(), metrics)));
    return geometry().adjusted(-overhang, -overhang, 0, 0);
}

void Label::setDrawnOnly()
{
    drawnOnly_ = true;
    // Qt made the label's interface while constructing it, as a plain QLabel's:
    // the next one asked for is made knowing that it is hidden.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    source_ = CaptionSource::Handler;
    const std::u16string_view tooltip = captionTooltip(unitsOf(caption), source_, layOut(*this));
    setToolTip(QString::fromUtf16(tooltip.data(), qsizetype(tooltip.size())));
}

void Label::offerCopy()
{
    copy_ = new QAction(QStringLiteral("复制"), this);
    connect(copy_, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    addAction(copy_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool Label::event(QEvent* event)
{
    if (event->type() == QEvent::ContextMenu && copy_ != nullptr)
        copy_->setEnabled(!text().isEmpty());
    return QLabel::event(event);
}

void Label::paintBackground(QPainter& painter) const
{
    painter.fillRect(geometry(), palette().color(backgroundRole()));
}

void Label::paintCaption(QPainter& painter) const
{
    painter.save();
    painter.setClipRect(inkArea());
    painter.translate(pos());
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QString caption = text();
    for (const CaptionLine& line : layOut(*this).lines)
        painter.drawText(QPointF(0, line.baseline),
                         caption.sliced(qsizetype(line.begin), qsizetype(line.end - line.begin)));
    painter.restore();
}

// A new caption may have ink beyond the label's own edges, which repainting
// the label alone would leave stale.
void Label::paintEvent(QPaintEvent*)
{
    if (text() == repaintedCaption_)
        return;
    repaintedCaption_ = text();
    parentWidget()->update(inkArea());
}

}  // namespace app::qt
