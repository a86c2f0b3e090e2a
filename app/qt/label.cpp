#include "label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace app::qt {
namespace {

constexpr double namedFaceAscent = 0.86;  // em
constexpr double namedFaceLineStep = 1.15;  // em: their 1 em, and room for the taller substitutes

}  // namespace

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);  // a caption is never markup
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(true);  // opaque, in the face colour unless given one
}

void Label::paintEvent(QPaintEvent*)
{
    const QFontMetricsF metrics(font());
    const double em = font().pointSizeF() * metrics.fontDpi() / 72.0;
    const QRect area = contentsRect();

    QString caption = text();
    caption.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(caption, font(), this);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);  // a run without a break point overflows and is cut off
    layout.setTextOption(option);
    layout.beginLayout();
    double baseline = namedFaceAscent * em;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, baseline - line.ascent()));
        baseline += namedFaceLineStep * em;
        if (line.y() > area.height())
            break;
    }
    layout.endLayout();

    QPainter painter(this);
    painter.setClipRect(area);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, area.topLeft());
}

}  // namespace app::qt
