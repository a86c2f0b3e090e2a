#include "label.h"

#include <app/caption_lines.h>

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <string_view>
#include <vector>

namespace app::qt {
namespace {

constexpr double namedFaceAscent = 0.86;    // em
constexpr double namedFaceLineStep = 1.15;  // em: their 1 em, and room for the taller substitutes
constexpr double inkOverhang = 0.25;        // em, above and left of the label

struct PlacedLine {
    QString text;
    double baseline;  // from the label's top
};

struct CaptionLayout {
    std::vector<PlacedLine> lines;
    bool cutOff = false;
};

double emOf(const QFont& font, const QFontMetricsF& metrics)
{
    return font.pointSizeF() * metrics.fontDpi() / 72.0;
}

CaptionLayout layOut(const Label& label)
{
    const QFontMetricsF metrics(label.font(), &label);
    const double em = emOf(label.font(), metrics);
    const QSize area = label.size();
    CaptionLayout layout;
    double baseline = namedFaceAscent * em;
    for (const QString& paragraph : label.text().split(QLatin1Char('\n'))) {
        const std::u16string_view units(QStringView(paragraph).utf16(), std::size_t(paragraph.size()));
        const auto widthOf = [&](std::size_t begin, std::size_t end) {
            return metrics.horizontalAdvance(paragraph.sliced(qsizetype(begin), qsizetype(end - begin)));
        };
        for (const CaptionLine& line : breakCaptionLines(units, area.width(), widthOf)) {
            if (baseline - namedFaceAscent * em >= area.height()) {
                layout.cutOff = true;
                return layout;
            }
            layout.cutOff = layout.cutOff || widthOf(line.begin, line.end) > area.width();
            const QString text = paragraph.sliced(qsizetype(line.begin), qsizetype(line.end - line.begin));
            layout.lines.push_back({text, baseline});
            baseline += namedFaceLineStep * em;
        }
    }
    return layout;
}

}  // namespace

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent), announcedCaption_(caption)
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

bool Label::isCutOff() const
{
    return layOut(*this).cutOff;
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
    for (const PlacedLine& line : layOut(*this).lines)
        painter.drawText(QPointF(0, line.baseline), line.text);
    painter.restore();
}

// A new caption may have ink beyond the label's own edges, which repainting
// the label alone would leave stale.
void Label::paintEvent(QPaintEvent*)
{
    if (text() == announcedCaption_)
        return;
    announcedCaption_ = text();
    parentWidget()->update(inkArea());
}

}  // namespace app::qt
